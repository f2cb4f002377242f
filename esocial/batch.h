#pragma once
// The batch (lote) of the send service: one envioLoteEventos document that names the employer
// and the transmitter and carries the signed documents of the events the component's
// container holds. The batch itself is not signed; each event carries its own signature.
#include <cstdint>
#include <istream>
#include <string>

#include "dfe/xml_reader.h"
#include "esocial/event_types.h"
#include "esocial/records_identification.h"
#include "platform/object_list.h"

namespace esocial {

class TTrivoeSocial;

// The schema every batch is validated against, in the component's schema folder.
inline constexpr char kSchemaLoteEventos[] = "EnvioLoteEventos-v1_1_1.xsd";

// One event of the batch.
class TItemLoteEventos {
 public:
  explicit TItemLoteEventos(TTrivoeSocial& AOwner) : FTrivoeSocial(AOwner) {}

  TTrivoeSocial& TrivoeSocial() const { return FTrivoeSocial; }
  // The event document. Setting it also loads Leitor.
  const std::string& XML() const { return FXML; }
  void SetXML(const std::string& Value);
  // "ID" and the digits of the Id attribute's value (its first 38 characters: an eSocial
  // identifier, its quote and one more); empty when no start tag has an Id attribute.
  std::string IDEvento() const;

  TTipoEvento TipoEvento = teS1000;  // for callers; the batch neither sets nor reads it
  std::string NomeArq;               // the file the item came from (LoadFromFile)
  dfe::TLeitor Leitor;

 private:
  friend class TLoteEventos;
  TTrivoeSocial& FTrivoeSocial;
  std::string FXML;
};

class TLoteEventos : public platform::TTrivoObjectList<TItemLoteEventos> {
 public:
  explicit TLoteEventos(TTrivoeSocial& AOwner) : FTrivoeSocial(AOwner) {}

  TItemLoteEventos& New() { return platform::TTrivoObjectList<TItemLoteEventos>::New(FTrivoeSocial); }
  TItemLoteEventos& Add() { return New(); }

  // Filled by the caller before GerarXML.
  TIdeEmpregador IdeEmpregador;
  TIdeTransmissor IdeTransmissor;
  // The document the last GerarXML wrote.
  const std::string& XML() const { return FXML; }

  // Rebuilds the items from every event of the container (groups in their order, whatever
  // AGrupo says; AGrupo only fills the grupo attribute), writes XML on one line and validates
  // it. A batch that fails its schema raises dfe::ETrivoeSocialException "Houve erro na
  // validação do Lote: " and the validator's message, and stays in XML; a missing schema
  // raises the facade's error.
  void GerarXML(std::uint8_t AGrupo);
  // Appends one item per document ending in "</eSocial>"; text after the last one is
  // dropped. Whether the batch holds any item.
  bool LoadFromString(const std::string& AXMLString);
  // The whole stream from its start.
  bool LoadFromStream(std::istream& AStream);
  // The file as text (by its byte-order mark, else UTF-8 or Windows-1252); every item then
  // names the file. True once the file was read; a file that cannot be read raises.
  bool LoadFromFile(const std::string& CaminhoArquivo);

 private:
  void RecarregarEventos();
  void ValidarLote();

  TTrivoeSocial& FTrivoeSocial;
  std::string FXML;
};

}  // namespace esocial
