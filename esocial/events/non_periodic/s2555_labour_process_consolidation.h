#pragma once
// S-2555, consolidation of labour process taxes: the request to consolidate the taxes of a
// labour process for a payment period.
#include <string>

#include "esocial/events/event_unit.h"

namespace esocial::s2555 {

class TIdeProc {
 public:
  std::string nrProcTrab;
  std::string perApurPgto;
};

class TEvtConsolidContProc : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;

  TIdeEvento ideEvento;
  TIdeEmpregador ideEmpregador;
  TIdeProc ideProc;

  bool GerarXML() override;
  bool LerArqIni(const std::string& AIniString) override;
};

class TS2555CollectionItem : public TItemEvento<TEvtConsolidContProc, teS2555> {
 public:
  using TItemEvento::TItemEvento;
  TEvtConsolidContProc& evtConsolidContProc() const { return Evento(); }
};

class TS2555Collection : public TColecaoEventos<TS2555CollectionItem> {
 public:
  using TColecaoEventos::TColecaoEventos;
  TS2555CollectionItem& Add() { return New(); }
};

}  // namespace esocial::s2555

namespace esocial {
using s2555::TEvtConsolidContProc;
using s2555::TS2555Collection;
using s2555::TS2555CollectionItem;
}  // namespace esocial
