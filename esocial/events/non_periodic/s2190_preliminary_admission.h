#pragma once
// S-2190, preliminary admission record: the worker's CPF, birth and admission dates and, from
// S-1.0 on, the registration number, category, nature of the activity and the basic contract
// data. The one event about a worker without a bond identification group.
#include <string>

#include "esocial/events/event_unit.h"

namespace esocial::s2190 {

class TInfoRegPrelim {
 public:
  std::string cpfTrab;
  platform::TDateTime dtNascto = 0;
  platform::TDateTime dtAdm = 0;
  std::string matricula;
  // 0 is not informed.
  int codCateg = 0;
  tpNatAtividade natAtividade = navNaoInformar;
  TinfoRegCTPS infoRegCTPS;
};

class TEvtAdmPrelim : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;

  TIdeEvento2 IdeEvento;
  TIdeEmpregador IdeEmpregador;
  TInfoRegPrelim InfoRegPrelim;

  bool GerarXML() override;
  bool LerArqIni(const std::string& AIniString) override;
};

class TS2190CollectionItem : public TItemEvento<TEvtAdmPrelim, teS2190> {
 public:
  using TItemEvento::TItemEvento;
  TEvtAdmPrelim& EvtAdmPrelim() const { return Evento(); }
};

class TS2190Collection : public TColecaoEventos<TS2190CollectionItem> {
 public:
  using TColecaoEventos::TColecaoEventos;
  TS2190CollectionItem& Add() { return New(); }
};

}  // namespace esocial::s2190

namespace esocial {
using s2190::TEvtAdmPrelim;
using s2190::TS2190Collection;
using s2190::TS2190CollectionItem;
}  // namespace esocial
