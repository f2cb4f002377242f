#pragma once
// S-2298, reinstatement of a worker whose bond had ended: the kind of reinstatement, the court
// process or the amnesty law, and the dates of the return and of its effects.
#include <string>

#include "esocial/events/event_unit.h"

namespace esocial::s2298 {

class TInfoReintegr {
 public:
  tpTpReint tpReint{};
  std::string nrProcJud;
  std::string nrLeiAnistia;
  platform::TDateTime dtEfetRetorno = 0;
  platform::TDateTime dtEfeito = 0;
  // The payment in court of the 2.x layouts.
  tpSimNao indPagtoJuizo{};
};

class TEvtReintegr : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;

  TIdeEvento2 IdeEvento;
  TIdeEmpregador IdeEmpregador;
  TIdeVinculo IdeVinculo;
  TInfoReintegr InfoReintegr;

  bool GerarXML() override;
  bool LerArqIni(const std::string& AIniString) override;
};

class TS2298CollectionItem : public TItemEvento<TEvtReintegr, teS2298> {
 public:
  using TItemEvento::TItemEvento;
  TEvtReintegr& EvtReintegr() const { return Evento(); }
};

class TS2298Collection : public TColecaoEventos<TS2298CollectionItem> {
 public:
  using TColecaoEventos::TColecaoEventos;
  TS2298CollectionItem& Add() { return New(); }
};

}  // namespace esocial::s2298

namespace esocial {
using s2298::TEvtReintegr;
using s2298::TS2298Collection;
using s2298::TS2298CollectionItem;
}  // namespace esocial
