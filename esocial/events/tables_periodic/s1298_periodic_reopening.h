#pragma once
// S-1298, periodic events reopening: the period of assessment whose closed periodic events are
// reopened, and the employer.
#include <string>

#include "esocial/events/event_unit.h"

namespace esocial::s1298 {

class TEvtReabreEvPer : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;

  TIdeEvento4 IdeEvento;
  TIdeEmpregador IdeEmpregador;

  bool GerarXML() override;
  bool LerArqIni(const std::string& AIniString) override;
};

class TS1298CollectionItem : public TItemEvento<TEvtReabreEvPer, teS1298> {
 public:
  using TItemEvento::TItemEvento;
  TEvtReabreEvPer& EvtReabreEvPer() const { return Evento(); }
};

class TS1298Collection : public TColecaoEventos<TS1298CollectionItem> {
 public:
  using TColecaoEventos::TColecaoEventos;
  TS1298CollectionItem& Add() { return New(); }
};

}  // namespace esocial::s1298

namespace esocial {
using s1298::TEvtReabreEvPer;
using s1298::TS1298Collection;
using s1298::TS1298CollectionItem;
}  // namespace esocial
