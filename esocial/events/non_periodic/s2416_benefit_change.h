#pragma once
// S-2416, change of a benefit of a public pension scheme from a given date: its kind, plan,
// description, suspension and survivor's-pension kind.
#include <string>

#include "esocial/events/event_unit.h"

namespace esocial::s2416 {

class TIdeBeneficio {
 public:
  std::string cpfBenef;
  std::string nrBeneficio;
};

class TInfoPenMorte {
 public:
  tpTpPenMorte tpPenMorte = pmNada;
};

class TSuspensao {
 public:
  tpMtvSuspensao mtvSuspensao = mtvNada;
  std::string dscSuspensao;
};

class TDadosBeneficio {
 public:
  // 0 is not informed.
  int tpBeneficio = 0;
  esocial::tpPlanRP tpPlanRP = prpNenhum;
  std::string dsc;
  tpSimNao indSuspensao{};
  TInfoPenMorte& infoPenMorte() { return FinfoPenMorte.Obter(); }
  bool infoPenMorteInst() const { return FinfoPenMorte.Existe(); }
  TSuspensao& suspensao() { return Fsuspensao.Obter(); }
  bool SuspensaoInst() const { return Fsuspensao.Existe(); }

 private:
  platform::TObjetoOpcional<TInfoPenMorte> FinfoPenMorte;
  platform::TObjetoOpcional<TSuspensao> Fsuspensao;
};

class TInfoBenAlteracao {
 public:
  platform::TDateTime dtAltBeneficio = 0;
  TDadosBeneficio dadosBeneficio;
};

class TEvtCdBenAlt : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;

  TIdeEvento2 IdeEvento;
  TIdeEmpregador IdeEmpregador;
  TIdeBeneficio IdeBeneficio;
  TInfoBenAlteracao InfoBenAlteracao;

  bool GerarXML() override;
  bool LerArqIni(const std::string& AIniString) override;
};

class TS2416CollectionItem : public TItemEvento<TEvtCdBenAlt, teS2416> {
 public:
  using TItemEvento::TItemEvento;
  TEvtCdBenAlt& EvtCdBenAlt() const { return Evento(); }
};

class TS2416Collection : public TColecaoEventos<TS2416CollectionItem> {
 public:
  using TColecaoEventos::TColecaoEventos;
  TS2416CollectionItem& Add() { return New(); }
};

}  // namespace esocial::s2416

namespace esocial {
using s2416::TEvtCdBenAlt;
using s2416::TS2416Collection;
using s2416::TS2416CollectionItem;
}  // namespace esocial
