#pragma once
// S-2420, termination of a benefit of a public pension scheme: the benefit, the end date and
// reason, and the succeeding body or the beneficiary's new CPF.
#include <string>

#include "esocial/events/event_unit.h"

namespace esocial::s2420 {

class TIdeBeneficio {
 public:
  std::string cpfBenef;
  std::string nrBeneficio;
};

class TInfoBenTermino {
 public:
  platform::TDateTime dtTermBeneficio = 0;
  tpMotCessBenef mtvTermino = tmcbNenhum;
  std::string cnpjOrgaoSuc;
  std::string novoCPF;
};

class TEvtCdBenTerm : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;

  TIdeEvento2 ideEvento;
  TIdeEmpregador ideEmpregador;
  TIdeBeneficio ideBeneficio;
  TInfoBenTermino infoBenTermino;

  bool GerarXML() override;
  bool LerArqIni(const std::string& AIniString) override;
};

class TS2420CollectionItem : public TItemEvento<TEvtCdBenTerm, teS2420> {
 public:
  using TItemEvento::TItemEvento;
  TEvtCdBenTerm& EvtCdBenTerm() const { return Evento(); }
};

class TS2420Collection : public TColecaoEventos<TS2420CollectionItem> {
 public:
  using TColecaoEventos::TColecaoEventos;
  TS2420CollectionItem& Add() { return New(); }
};

}  // namespace esocial::s2420

namespace esocial {
using s2420::TEvtCdBenTerm;
using s2420::TS2420Collection;
using s2420::TS2420CollectionItem;
}  // namespace esocial
