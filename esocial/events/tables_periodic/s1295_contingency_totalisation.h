#pragma once
// S-1295, contingency totalisation request: asks for the totalisation of a period of
// assessment in contingency, naming the person responsible for the information.
#include <string>

#include "esocial/events/event_unit.h"

namespace esocial::s1295 {

class TEvtTotConting : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;

  TIdeEvento4 IdeEvento;
  TIdeEmpregador IdeEmpregador;
  TIdeRespInf IdeRespInf;

  bool GerarXML() override;
  bool LerArqIni(const std::string& AIniString) override;
};

class TS1295CollectionItem : public TItemEvento<TEvtTotConting, teS1295> {
 public:
  using TItemEvento::TItemEvento;
  TEvtTotConting& evtTotConting() const { return Evento(); }
};

class TS1295Collection : public TColecaoEventos<TS1295CollectionItem> {
 public:
  using TColecaoEventos::TColecaoEventos;
  TS1295CollectionItem& Add() { return New(); }
};

}  // namespace esocial::s1295

namespace esocial {
using s1295::TEvtTotConting;
using s1295::TS1295Collection;
using s1295::TS1295CollectionItem;
}  // namespace esocial
