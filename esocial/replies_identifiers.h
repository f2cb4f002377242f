#pragma once
// The reply to an identifier query (retornoConsultaIdentificadoresEvts): up to 50 event
// identifiers with their receipt numbers, the total the query matches, and the reception time
// of the last one returned, which is where the next page starts.
#include <string>

#include "dfe/xml_reader.h"
#include "esocial/replies_records.h"
#include "platform/date_time.h"
#include "platform/object_list.h"

namespace esocial {

class TRetIdentEvtsCollectionItem {
 public:
  std::string Id;
  std::string nrRec;
};

class TRetIdentEvtsCollection : public platform::TTrivoObjectList<TRetIdentEvtsCollectionItem> {
 public:
  TRetIdentEvtsCollectionItem& Add() { return New(); }

  int qtdeTotEvtsConsulta = 0;
  platform::TDateTime dhUltimoEvtRetornado = 0;  // date and time
};

class TRetConsultaIdentEvt {
 public:
  dfe::TLeitor Leitor;
  TStatus Status;
  TRetIdentEvtsCollection RetIdentEvts;

  // Reads Leitor.Arquivo into the record, adding to what it holds. False when the reply has
  // no retornoConsultaIdentificadoresEvts or a value cannot be read (what was read before
  // stays); never raises.
  bool LerXml();
};

}  // namespace esocial
