#pragma once
// S-2205, change of worker registration data: the worker's personal data as they stand from a
// date, written by the shared worker writer under the tag dadosTrabalhador.
#include <string>

#include "esocial/events/event_unit.h"

namespace esocial::s2205 {

class TEvtAltCadastral : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;

  platform::TDateTime dtAlteracao = 0;
  // The category that decides whether the 2.x nisTrab is required; not read from INI input.
  int codCateg = 0;
  TIdeEvento2 ideEvento;
  TIdeEmpregador ideEmpregador;
  TTrabalhador trabalhador;
  // Kept for callers; neither the writer nor the INI reader touches it.
  TVinculo vinculo;
  TideTrabalhador ideTrabalhador;

  bool GerarXML() override;
  bool LerArqIni(const std::string& AIniString) override;
};

class TS2205CollectionItem : public TItemEvento<TEvtAltCadastral, teS2205> {
 public:
  using TItemEvento::TItemEvento;
  TEvtAltCadastral& EvtAltCadastral() const { return Evento(); }
};

class TS2205Collection : public TColecaoEventos<TS2205CollectionItem> {
 public:
  using TColecaoEventos::TColecaoEventos;
  TS2205CollectionItem& Add() { return New(); }
};

}  // namespace esocial::s2205

namespace esocial {
using s2205::TEvtAltCadastral;
using s2205::TS2205Collection;
using s2205::TS2205CollectionItem;
}  // namespace esocial
