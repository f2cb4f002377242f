#pragma once
// The reply to an event download (download): one arquivo per event asked for, each with its
// own status and, when found, the event's document and the receipt of its reception.
#include <string>

#include "dfe/xml_reader.h"
#include "esocial/replies_records.h"
#include "platform/object_list.h"

namespace esocial {

class TArquivoCollectionItem {
 public:
  TStatus Status;
  std::string Id;         // the evt element's Id
  std::string nrRec;      // the rec element's nrRec
  std::string XML;        // the event's document (the content of evt); empty without evt
  std::string XMLRecibo;  // the receipt's document (the content of rec); empty without rec
};

class TArquivoCollection : public platform::TTrivoObjectList<TArquivoCollectionItem> {
 public:
  TArquivoCollectionItem& Add() { return New(); }
};

class TRetDownloadEvt {
 public:
  dfe::TLeitor Leitor;
  TStatus Status;
  TArquivoCollection Arquivo;

  // Reads Leitor.Arquivo into the record, adding to what it holds. False when the reply has
  // no download element or a value cannot be read (what was read before stays); never raises.
  bool LerXml();
};

}  // namespace esocial
