#pragma once
// S-2250, prior notice: the notice of a coming termination (the notice date, the expected
// termination date), or the cancellation of one; an event carries one of the two.
#include <string>

#include "esocial/events/event_unit.h"

namespace esocial::s2250 {

class TDetAvPrevio {
 public:
  platform::TDateTime dtAvPrv = 0;
  platform::TDateTime dtPrevDeslig = 0;
  std::string tpAvPrevio;  // the layout's code, one digit
  std::string observacao;
};

class TCancAvPrevio {
 public:
  platform::TDateTime dtCancAvPrv = 0;
  std::string observacao;
  std::string mtvCancAvPrevio;  // the layout's code, one digit
};

class TInfoAvPrevio {
 public:
  TDetAvPrevio DetAvPrevio;
  TCancAvPrevio CancAvPrevio;
};

class TEvtAvPrevio : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;

  TIdeEvento2 IdeEvento;
  TIdeEmpregador IdeEmpregador;
  TIdeVinculo IdeVinculo;
  TInfoAvPrevio InfoAvPrevio;

  bool GerarXML() override;
  bool LerArqIni(const std::string& AIniString) override;
};

class TS2250CollectionItem : public TItemEvento<TEvtAvPrevio, teS2250> {
 public:
  using TItemEvento::TItemEvento;
  TEvtAvPrevio& EvtAvPrevio() const { return Evento(); }
};

class TS2250Collection : public TColecaoEventos<TS2250CollectionItem> {
 public:
  using TColecaoEventos::TColecaoEventos;
  TS2250CollectionItem& Add() { return New(); }
};

}  // namespace esocial::s2250

namespace esocial {
using s2250::TEvtAvPrevio;
using s2250::TS2250Collection;
using s2250::TS2250CollectionItem;
}  // namespace esocial
