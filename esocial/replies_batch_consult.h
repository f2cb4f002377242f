#pragma once
// The reply to a batch consultation (retornoProcessamentoLoteEventos): the batch's status and,
// once processed, one result per event with its processing code, receipt and the totalizers the
// government computed from it. The consult service puts the reply's text into Leitor.Arquivo
// and calls LerXml; the consult command reads RetEventos.
#include <memory>
#include <string>

#include "dfe/xml_reader.h"
#include "esocial/event_collection.h"
#include "esocial/records_identification.h"
#include "esocial/replies_records.h"
#include "platform/object_list.h"

namespace esocial {

// One tot element of an event: a totalizer event computed by the government.
class TtotCollectionItem {
 public:
  std::string tipo;  // "S5001", ...
  std::string XML;   // the totalizer's own document
  // The reader of the tipo (esocial/totalizers/totalizer_registry.h) that has read XML; empty
  // for a tipo without a reader. Reach the reader's class with dynamic_cast on
  // Evento->GetEvento() (s5001::TS5001 for "S5001").
  std::shared_ptr<IEventoeSocial> Evento;
};

class TtotCollection : public platform::TTrivoObjectList<TtotCollectionItem> {
 public:
  TtotCollectionItem& Add() { return New(); }
};

// One processed event.
class TRetEventosCollectionItem {
 public:
  std::string Id;  // the event's identifier
  bool evtDupl = false;
  TInscricao IdeEmpregador;
  TRecepcao Recepcao;
  TProcessamento Processamento;
  TRecibo Recibo;  // empty when the event has no receipt
  TtotCollection tot;
};

class TRetEventosCollection : public platform::TTrivoObjectList<TRetEventosCollectionItem> {
 public:
  TRetEventosCollectionItem& Add() { return New(); }
};

class TRetConsultaLote {
 public:
  dfe::TLeitor Leitor;
  TInscricao IdeEmpregador;
  TInscricao IdeTransmissor;
  TStatus Status;
  TDadosRecepcaoLote DadosRecLote;
  TdadosProcLote DadosProcLote;
  TRetEventosCollection RetEventos;  // in document order

  // Reads Leitor.Arquivo into the record, adding to what it holds, and each totalizer through
  // its reader. False when the reply has no retornoProcessamentoLoteEventos or a value cannot
  // be read (an evtDupl that is not a boolean, a malformed date): what was read before stays;
  // never raises.
  bool LerXml();
};

}  // namespace esocial
