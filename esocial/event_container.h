#pragma once
// The event container of the eSocial component (its Eventos). It takes event XML as bytes, as
// text or from a file, cuts it into single eSocial documents (a series of documents, or the
// events of a batch text) and hands each to the four groups; after each document it saves
// the held events as files (each written again only when its document changed) and rebuilds
// Gerados, the list of generated files. It also loads event INI input and generates, signs and
// validates the held events.
//
// Every operation over the held events follows the groups' order (initial, table,
// non-periodic, periodic) and the list order within a group, never the load order. A document
// whose load fails (signing, validation, reading its fields, its INI, or the save after it)
// leaves the container as it was before that document; earlier documents stay loaded.
#include <cstdint>
#include <functional>
#include <istream>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "esocial/event_groups.h"
#include "esocial/event_types.h"
#include "esocial/layout_enums.h"
#include "platform/object_list.h"

namespace esocial {

class TTrivoeSocial;

// The eSocial documents of a text, as views into it: each runs through the end of a
// "</eSocial>" (exact letter case), and what follows it is trimmed before the next is cut;
// text after the last one is dropped.
std::vector<std::string_view> CortarDocumentoseSocial(std::string_view Texto);
// The documents LoadFromString loads from an event text, in order, as views into it: for a
// batch text (one holding "<envioLoteEventos") the eSocial element of each evento block of
// its eventos element (empty for a block without one), else those of CortarDocumentoseSocial.
// Both cuts read the text once, however many documents it holds.
std::vector<std::string_view> CortarDocumentos(std::string_view Texto);

class TGeradosCollectionItem {
 public:
  TTipoEvento TipoEvento = teS1000;  // the type of the list the event was saved from
  std::string PathNome;              // the saved file's path and name without ".xml"
  std::string XML;                   // the event's XML as saved
  std::string idEvento;              // the digits of the event's Id
  std::uint64_t VersaoXML = 0;       // the event's VersaoXML when saved; 0 when not known
};

class TGeradosCollection : public platform::TTrivoObjectList<TGeradosCollectionItem> {
 public:
  TGeradosCollectionItem& Add() { return New(); }
};

class TEventos {
 public:
  // AOwner: the eSocial component, whose configuration the container reads.
  explicit TEventos(TTrivoeSocial& AOwner);
  ~TEventos();
  TEventos(const TEventos&) = delete;
  TEventos& operator=(const TEventos&) = delete;

  TIniciais& Iniciais() const { return *FIniciais; }
  TTabelas& Tabelas() const { return *FTabelas; }
  TNaoPeriodicos& NaoPeriodicos() const { return *FNaoPeriodicos; }
  TPeriodicos& Periodicos() const { return *FPeriodicos; }
  // The files of the last save, one entry per held event in the groups' order.
  TGeradosCollection& Gerados() const { return *FGerados; }
  // The configured employer kind as Gerar, Assinar and Validar last copied it.
  TEmpregador TipoEmpregador() const { return FTipoEmpregador; }

  int Count() const;
  // Frees every held event and empties Gerados.
  void Clear();

  // The whole stream from its start, whatever its position; bytes that are not UTF-8 are read
  // as Windows-1252.
  bool LoadFromStream(std::istream& AStream);
  // A batch text (holding "<envioLoteEventos") loads the eSocial document of each of its
  // evento elements; any other text loads each document ending in "</eSocial>". Returns the
  // result of the last document: whether the container holds any event; false when no
  // document was found.
  bool LoadFromString(const std::string& AXMLString);
  // The file as text (by its byte-order mark, else UTF-8 or Windows-1252), loaded as event
  // XML or, with ArqXML false, as event INI text.
  bool LoadFromFile(const std::string& CaminhoArquivo, bool ArqXML = true);
  bool LoadFromStringINI(const std::string& AINIString);
  // AIniString: the name of an INI file.
  bool LoadFromIni(const std::string& AIniString);
  // Empties Gerados and writes every held event again.
  void SaveToFiles();
  void Gerar();
  void Assinar();
  void Validar();
  // Gerar, Assinar and Validar.
  void GerarXMLs();

  // The four groups in their order: initial, table, non-periodic, periodic.
  std::vector<TGrupoEventos*> Grupos() const;

 private:
  // One document (or INI text) into the groups, then the save; a failure puts back the lists
  // and Gerados as they were and removes the files written for the new event.
  bool CarregarDocumento(const std::function<bool(TGrupoEventos&)>& CarregarNoGrupo);
  // The save after a load: writes the file of each event that the last save did not write as
  // it stands (a new event, or one whose document or file name changed since) and rebuilds
  // Gerados as SaveToFiles does, so loading n documents one by one writes n files. On a failure
  // Gerados stays as it was and the files that no entry of it names are removed.
  void SalvarNovosEAlterados();
  void CopiarTipoEmpregador();

  TTrivoeSocial& FTrivoeSocial;
  std::unique_ptr<TIniciais> FIniciais;
  std::unique_ptr<TTabelas> FTabelas;
  std::unique_ptr<TNaoPeriodicos> FNaoPeriodicos;
  std::unique_ptr<TPeriodicos> FPeriodicos;
  std::unique_ptr<TGeradosCollection> FGerados;
  TEmpregador FTipoEmpregador = tePessoaJuridica;
};

}  // namespace esocial
