#pragma once
// S-2410, start of a benefit of a public pension scheme: the beneficiary, the benefit's number,
// kind, plan and dates, the survivor's pension, and optionally the succession from another
// body, a change of the beneficiary's CPF and the benefit's end.
#include <string>

#include "esocial/events/event_unit.h"

namespace esocial::s2410 {

class TBeneficiario {
 public:
  std::string cpfBenef;
  std::string matricula;
  std::string cnpjOrigem;
};

class TInstPenMorte {
 public:
  std::string cpfInst;
  platform::TDateTime dtInst = 0;
};

class TInfoPenMorte {
 public:
  tpTpPenMorte tpPenMorte = pmNada;
  TInstPenMorte& instPenMorte() { return FinstPenMorte.Obter(); }
  bool instPenMorteInst() const { return FinstPenMorte.Existe(); }

 private:
  platform::TObjetoOpcional<TInstPenMorte> FinstPenMorte;
};

class TDadosBeneficio {
 public:
  // 0 is not informed.
  int tpBeneficio = 0;
  esocial::tpPlanRP tpPlanRP = prpNenhum;
  std::string dsc;
  tpSimNaoFacultativo indDecJud = snfNada;
  TInfoPenMorte& infoPenMorte() { return FinfoPenMorte.Obter(); }
  bool infoPenMorteInst() const { return FinfoPenMorte.Existe(); }

 private:
  platform::TObjetoOpcional<TInfoPenMorte> FinfoPenMorte;
};

class TSucessaoBenef {
 public:
  std::string cnpjOrgaoAnt;
  std::string nrBeneficioAnt;
  platform::TDateTime dtTransf = 0;
  std::string observacao;
};

class TMudancaCPF {
 public:
  std::string cpfAnt;
  std::string nrBeneficioAnt;
  platform::TDateTime dtAltCPF = 0;
  std::string observacao;
};

class TInfoBenTermino {
 public:
  platform::TDateTime dtTermBeneficio = 0;
  tpMotCessBenef mtvTermino = tmcbNenhum;
};

class TInfoBenInicio {
 public:
  tpSimNao cadIni{};
  tpIndSitBenef indSitBenef = tpisbNenhum;
  std::string nrBeneficio;
  platform::TDateTime dtIniBeneficio = 0;
  platform::TDateTime dtPublic = 0;
  TDadosBeneficio dadosBeneficio;
  TSucessaoBenef& sucessaoBenef() { return FsucessaoBenef.Obter(); }
  bool infoSucessaoBenefInst() const { return FsucessaoBenef.Existe(); }
  TMudancaCPF& mudancaCPF() { return FmudancaCPF.Obter(); }
  bool infoMudancaCPFInst() const { return FmudancaCPF.Existe(); }
  TInfoBenTermino& infoBenTermino() { return FinfoBenTermino.Obter(); }
  bool infoBenTerminoInst() const { return FinfoBenTermino.Existe(); }

 private:
  platform::TObjetoOpcional<TSucessaoBenef> FsucessaoBenef;
  platform::TObjetoOpcional<TMudancaCPF> FmudancaCPF;
  platform::TObjetoOpcional<TInfoBenTermino> FinfoBenTermino;
};

class TEvtCdBenIn : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;

  TIdeEvento2 IdeEvento;
  TIdeEmpregador IdeEmpregador;
  TBeneficiario Beneficiario;
  TInfoBenInicio InfoBenInicio;

  bool GerarXML() override;
  bool LerArqIni(const std::string& AIniString) override;

 private:
  void GerarDadosBeneficio(TDadosBeneficio& Dados);
};

class TS2410CollectionItem : public TItemEvento<TEvtCdBenIn, teS2410> {
 public:
  using TItemEvento::TItemEvento;
  TEvtCdBenIn& EvtCdBenIn() const { return Evento(); }
};

class TS2410Collection : public TColecaoEventos<TS2410CollectionItem> {
 public:
  using TColecaoEventos::TColecaoEventos;
  TS2410CollectionItem& Add() { return New(); }
};

}  // namespace esocial::s2410

namespace esocial {
using s2410::TEvtCdBenIn;
using s2410::TS2410Collection;
using s2410::TS2410CollectionItem;
}  // namespace esocial
