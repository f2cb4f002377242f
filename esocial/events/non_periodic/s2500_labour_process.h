#pragma once
// S-2500, labour process: the employer's report of a lawsuit or of a demand before a prior
// conciliation commission, the worker it concerns and, per contract, the recognised contract
// data, the establishment, the period of the values and the contribution bases per reference
// month.
#include <string>

#include "esocial/events/event_unit.h"

namespace esocial::s2500 {

class TIdeResp {
 public:
  tpTpInsc tpInsc{};
  std::string nrInsc;
  platform::TDateTime dtAdmRespDir = 0;
  std::string matRespDir;
};

class TIdeEmpregadorS2500 : public TInscricao {
 public:
  TIdeResp& ideResp() { return FideResp.Obter(); }
  bool instIdeResp() const { return FideResp.Existe(); }

 private:
  platform::TObjetoOpcional<TIdeResp> FideResp;
};

class TInfoProcJud {
 public:
  platform::TDateTime dtSent = 0;
  std::string ufVara;
  int codMunic = 0;
  int idVara = 0;
};

class TInfoCCP {
 public:
  platform::TDateTime dtCCP = 0;
  tpTpCCP tpCCP{};
  std::string cnpjCCP;
};

// One of the two goes out: with both set, the one origem names.
class TDadosCompl {
 public:
  TInfoCCP& infoCCP() { return FinfoCCP.Obter(); }
  bool instInfoCCP() const { return FinfoCCP.Existe(); }
  TInfoProcJud& infoProcJud() { return FinfoProcJud.Obter(); }
  bool instInfoProcJud() const { return FinfoProcJud.Existe(); }

 private:
  platform::TObjetoOpcional<TInfoCCP> FinfoCCP;
  platform::TObjetoOpcional<TInfoProcJud> FinfoProcJud;
};

class TInfoProcesso {
 public:
  tpOrigemProc origem{};
  std::string nrProcTrab;
  std::string obsProcTrab;
  TDadosCompl dadosCompl;
};

class TDependenteCollectionItemS2500 {
 public:
  tpTpDep tpDep = tdNenhum;
  std::string cpfDep;
  std::string descDep;
};

class TDependenteCollectionS2500 : public platform::TTrivoObjectList<TDependenteCollectionItemS2500> {};

// Its own fields, not TRemuneracao's: the layout names them in lower case.
class TRemuneracaoCollectionItem {
 public:
  platform::TDateTime dtRemun = 0;
  double vrSalFx = 0;
  tpUndSalFixo undSalFixo{};
  std::string dscSalVar;
};

class TRemuneracaoCollection : public platform::TTrivoObjectList<TRemuneracaoCollectionItem> {};

class TInfoDeslig {
 public:
  platform::TDateTime dtDeslig = 0;
  std::string mtvDeslig;
  platform::TDateTime dtProjFimAPI = 0;
  tpPensaoAlim pensAlim = paNenhum;
  double percAliment = 0;
  double vrAlim = 0;
};

class TInfoVinc {
 public:
  tpTpRegTrab tpRegTrab{};
  tpTpRegPrev tpRegPrev{};
  platform::TDateTime dtAdm = 0;
  tpTmpParc tmpParc = tpNenhum;
  TDuracao& duracao() { return Fduracao.Obter(); }
  bool instDuracao() const { return Fduracao.Existe(); }
  TSucessaoVinc& sucessaoVinc() { return FsucessaoVinc.Obter(); }
  bool instSucessaoVinc() const { return FsucessaoVinc.Existe(); }
  TInfoDeslig& infoDeslig() { return FinfoDeslig.Obter(); }
  bool instInfoDeslig() const { return FinfoDeslig.Existe(); }
  TObservacoesCollection& observacoes() { return Fobservacoes.Obter(); }
  bool instObservacoes() const { return Fobservacoes.Existe(); }

 private:
  platform::TObjetoOpcional<TDuracao> Fduracao;
  platform::TObjetoOpcional<TSucessaoVinc> FsucessaoVinc;
  platform::TObjetoOpcional<TInfoDeslig> FinfoDeslig;
  platform::TObjetoOpcional<TObservacoesCollection> Fobservacoes;
};

class TInfoTerm {
 public:
  platform::TDateTime dtTerm = 0;
  std::string mtvDesligTSV;
};

class TInfoCompl {
 public:
  std::string codCBO;
  tpNatAtividade natAtividade{};
  TRemuneracaoCollection& remuneracao() { return Fremuneracao.Obter(); }
  bool instRemuneracao() const { return Fremuneracao.Existe(); }
  TInfoVinc& infoVinc() { return FinfoVinc.Obter(); }
  bool instInfoVinc() const { return FinfoVinc.Existe(); }
  TInfoTerm& infoTerm() { return FinfoTerm.Obter(); }
  bool instInfoTerm() const { return FinfoTerm.Existe(); }

 private:
  platform::TObjetoOpcional<TRemuneracaoCollection> Fremuneracao;
  platform::TObjetoOpcional<TInfoVinc> FinfoVinc;
  platform::TObjetoOpcional<TInfoTerm> FinfoTerm;
};

class TMudCategAtivCollectionItem {
 public:
  int codCateg = 0;
  tpNatAtividade natAtividade{};
  platform::TDateTime dtMudCategAtiv = 0;
};

class TMudCategAtivCollection : public platform::TTrivoObjectList<TMudCategAtivCollectionItem> {};

class TUnicContrCollectionItem {
 public:
  std::string matUnic;
  int codCateg = 0;
  platform::TDateTime dtInicio = 0;
};

class TUnicContrCollection : public platform::TTrivoObjectList<TUnicContrCollectionItem> {};

class TAbonoCollectionItem {
 public:
  std::string anoBase;
};

class TAbonoCollection : public platform::TTrivoObjectList<TAbonoCollectionItem> {};

class TbaseCalculo {
 public:
  double vrBcCpMensal = 0;
  double vrBcCp13 = 0;
  double vrBcFgts = 0;
  double vrBcFgts13 = 0;
  TInfoAgNocivo& infoAgNocivo() { return FinfoAgNocivo.Obter(); }
  bool instInfoAgNocivo() const { return FinfoAgNocivo.Existe(); }

 private:
  platform::TObjetoOpcional<TInfoAgNocivo> FinfoAgNocivo;
};

class TInfoFGTS {
 public:
  double vrBcFgtsGuia = 0;
  double vrBcFgts13Guia = 0;
  tpSimNao pagDireto{};
  double vrBcFGTSProcTrab = 0;
  double vrBcFGTSSefip = 0;
  double vrBcFGTSDecAnt = 0;
};

class TBaseMudCateg {
 public:
  int codCateg = 0;
  double vrBcCPrev = 0;
};

class TIdePeriodoCollectionItem {
 public:
  std::string perRef;
  TbaseCalculo baseCalculo;
  TInfoFGTS& infoFGTS() { return FinfoFGTS.Obter(); }
  bool instInfoFGTS() const { return FinfoFGTS.Existe(); }
  TBaseMudCateg& baseMudCateg() { return FbaseMudCateg.Obter(); }
  bool instBaseMudCateg() const { return FbaseMudCateg.Existe(); }
  TinfoIntermCollection& infoInterm() { return FinfoInterm.Obter(); }
  bool infoIntermInst() const { return FinfoInterm.Existe(); }

 private:
  platform::TObjetoOpcional<TInfoFGTS> FinfoFGTS;
  platform::TObjetoOpcional<TBaseMudCateg> FbaseMudCateg;
  platform::TObjetoOpcional<TinfoIntermCollection> FinfoInterm;
};

class TIdePeriodoCollection : public platform::TTrivoObjectList<TIdePeriodoCollectionItem> {};

class TInfoVlr {
 public:
  std::string compIni;
  std::string compFim;
  tpRepercProc repercProc{};
  double vrRemun = 0;
  double vrAPI = 0;
  double vr13API = 0;
  double vrInden = 0;
  double vrBaseIndenFGTS = 0;
  tpSimNaoFacultativo pagDiretoResc{};
  tpIndReperc indReperc{};
  TAbonoCollection& abono() { return Fabono.Obter(); }
  bool instAbono() const { return Fabono.Existe(); }
  tpSimFacultativo indenSD{};
  tpSimFacultativo indenAbono{};
  TIdePeriodoCollection& idePeriodo() { return FidePeriodo.Obter(); }
  bool instIdePeriodo() const { return FidePeriodo.Existe(); }

 private:
  platform::TObjetoOpcional<TAbonoCollection> Fabono;
  platform::TObjetoOpcional<TIdePeriodoCollection> FidePeriodo;
};

class TIdeEstab {
 public:
  tpTpInsc tpInsc{};
  std::string nrInsc;
  TInfoVlr infoVlr;
};

class TInfoContrCollectionItem {
 public:
  tpTpContrS2500 tpContr{};
  tpSimNao indContr{};
  platform::TDateTime dtAdmOrig = 0;
  tpSimNaoFacultativo indReint{};
  tpSimNao indCateg{};
  tpSimNao indNatAtiv{};
  tpSimNao indMotDeslig{};
  tpSimNaoFacultativo indUnic{};
  std::string matricula;
  int codCateg = 0;
  platform::TDateTime dtInicio = 0;
  TInfoCompl& infoCompl() { return FinfoCompl.Obter(); }
  bool instInfoCompl() const { return FinfoCompl.Existe(); }
  TMudCategAtivCollection& mudCategAtiv() { return FmudCategAtiv.Obter(); }
  bool instMudCategAtiv() const { return FmudCategAtiv.Existe(); }
  TUnicContrCollection& unicContr() { return FunicContr.Obter(); }
  bool instUnicContr() const { return FunicContr.Existe(); }
  TIdeEstab ideEstab;

 private:
  platform::TObjetoOpcional<TInfoCompl> FinfoCompl;
  platform::TObjetoOpcional<TMudCategAtivCollection> FmudCategAtiv;
  platform::TObjetoOpcional<TUnicContrCollection> FunicContr;
};

class TInfoContrCollection : public platform::TTrivoObjectList<TInfoContrCollectionItem> {};

class TIdeTrab {
 public:
  std::string cpfTrab;
  std::string nmTrab;
  platform::TDateTime dtNascto = 0;
  // The worker's sequence in the process, when the process has more than one for the worker.
  int ideSeqTrab = 0;
  TDependenteCollectionS2500& dependente() { return Fdependente.Obter(); }
  bool instDependenteS2500() const { return Fdependente.Existe(); }
  TInfoContrCollection& infoContr() { return FinfoContr.Obter(); }
  bool instInfoContr() const { return FinfoContr.Existe(); }

 private:
  platform::TObjetoOpcional<TDependenteCollectionS2500> Fdependente;
  platform::TObjetoOpcional<TInfoContrCollection> FinfoContr;
};

class TEvtProcTrab : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;

  TIdeEvento2 ideEvento;
  TIdeEmpregadorS2500 ideEmpregador;
  TIdeTrab ideTrab;
  TInfoProcesso infoProcesso;

  bool GerarXML() override;
  bool LerArqIni(const std::string& AIniString) override;

 private:
  void GerarIdeEmpregadorS2500();
  void GerarInfoProcesso();
  void GerarIdeTrab();
  void GerarInfoContr(TInfoContrCollectionItem& contr);
  void GerarInfoCompl(TInfoCompl& infoCompl);
  void GerarInfoVinc(TInfoVinc& infoVinc);
  void GerarIdeEstab(TIdeEstab& ideEstab);
  void GerarPeriodos(TIdePeriodoCollection& periodos);
};

class TS2500CollectionItem : public TItemEvento<TEvtProcTrab, teS2500> {
 public:
  using TItemEvento::TItemEvento;
  TEvtProcTrab& EvtProcTrab() const { return Evento(); }
};

class TS2500Collection : public TColecaoEventos<TS2500CollectionItem> {
 public:
  using TColecaoEventos::TColecaoEventos;
};

}  // namespace esocial::s2500

namespace esocial {
using s2500::TEvtProcTrab;
using s2500::TS2500Collection;
using s2500::TS2500CollectionItem;
}  // namespace esocial
