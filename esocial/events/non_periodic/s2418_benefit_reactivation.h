#pragma once
// S-2418, reactivation of a benefit of a public pension scheme that had ended: the benefit, the
// date of the reactivation and the date it takes effect from.
#include <string>

#include "esocial/events/event_unit.h"

namespace esocial::s2418 {

class TIdeBeneficio {
 public:
  std::string cpfBenef;
  std::string nrBeneficio;
};

class TInfoReativ {
 public:
  platform::TDateTime dtEfetReativ = 0;
  platform::TDateTime dtEfeito = 0;
};

class TEvtReativBen : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;

  TIdeEvento2 ideEvento;
  TIdeEmpregador ideEmpregador;
  TIdeBeneficio ideBeneficio;
  TInfoReativ infoReativ;

  bool GerarXML() override;
  bool LerArqIni(const std::string& AIniString) override;
};

class TS2418CollectionItem : public TItemEvento<TEvtReativBen, teS2418> {
 public:
  using TItemEvento::TItemEvento;
  TEvtReativBen& EvtReativBen() const { return Evento(); }
};

class TS2418Collection : public TColecaoEventos<TS2418CollectionItem> {
 public:
  using TColecaoEventos::TColecaoEventos;
  TS2418CollectionItem& Add() { return New(); }
};

}  // namespace esocial::s2418

namespace esocial {
using s2418::TEvtReativBen;
using s2418::TS2418Collection;
using s2418::TS2418CollectionItem;
}  // namespace esocial
