#pragma once
// S-2200, admission: the worker's personal data and the employment bond, written almost whole
// by the shared writers of the event base, which the unit calls in its order with the
// arguments of the admission.
#include <string>

#include "esocial/events/event_unit.h"

namespace esocial::s2200 {

class TEvtAdmissao : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;

  TIdeEvento2 IdeEvento;
  TIdeEmpregador IdeEmpregador;
  TTrabalhador Trabalhador;
  TVinculo Vinculo;

  bool GerarXML() override;
  bool LerArqIni(const std::string& AIniString) override;
  // Reads the stored document into the fields (lists are appended to); true.
  bool LerXML();
};

class TS2200CollectionItem : public TItemEvento<TEvtAdmissao, teS2200> {
 public:
  using TItemEvento::TItemEvento;
  TEvtAdmissao& EvtAdmissao() const { return Evento(); }
};

class TS2200Collection : public TColecaoEventos<TS2200CollectionItem> {
 public:
  using TColecaoEventos::TColecaoEventos;
  TS2200CollectionItem& Add() { return New(); }
};

}  // namespace esocial::s2200

namespace esocial {
using s2200::TEvtAdmissao;
using s2200::TS2200Collection;
using s2200::TS2200CollectionItem;
}  // namespace esocial
