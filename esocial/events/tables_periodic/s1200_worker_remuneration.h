#pragma once
// S-1200, worker remuneration: one worker's pay for a period of assessment, as payslips
// (dmDev) holding the pay of the period by establishment and tax unit and the pay of earlier
// periods owed under agreements, conventions and laws.
#include <string>

#include "esocial/events/event_unit.h"

namespace esocial::s1200 {

class TSucessaoVinc {
 public:
  // tpInsc and tpInscAnt name one field, nrInsc and cnpjEmpregAnt another.
  tpTpInsc& tpInsc() { return FtpInsc; }
  const tpTpInsc& tpInsc() const { return FtpInsc; }
  tpTpInsc& tpInscAnt() { return FtpInsc; }
  const tpTpInsc& tpInscAnt() const { return FtpInsc; }
  std::string& nrInsc() { return FnrInsc; }
  const std::string& nrInsc() const { return FnrInsc; }
  std::string& cnpjEmpregAnt() { return FnrInsc; }
  const std::string& cnpjEmpregAnt() const { return FnrInsc; }
  std::string matricAnt;
  platform::TDateTime dtAdm = 0;
  std::string observacao;

 private:
  tpTpInsc FtpInsc{};
  std::string FnrInsc;
};

class TInfoComplem {
 public:
  std::string nmTrab;
  platform::TDateTime dtNascto = 0;
  std::string codCBO;
  tpNatAtividade natAtividade{};
  int qtdDiasTrab = 0;
  TSucessaoVinc& sucessaoVinc() { return FsucessaoVinc.Obter(); }
  bool sucessaoVincInst() const { return FsucessaoVinc.Existe(); }

 private:
  platform::TObjetoOpcional<TSucessaoVinc> FsucessaoVinc;
};

class TeS1200IdeTrabalhador : public TideTrabalhador2 {
 public:
  TInfoMV& infoMV() { return FinfoMV.Obter(); }
  bool infoMVInst() const { return FinfoMV.Existe(); }
  TInfoComplem& infoComplem() { return FinfoComplem.Obter(); }
  bool infoComplemInst() const { return FinfoComplem.Existe(); }
  TProcJudTrabCollection& procJudTrab() { return FprocJudTrab.Obter(); }
  bool procJudTrabInst() const { return FprocJudTrab.Existe(); }
  TinfoIntermCollection& infoInterm() { return FinfoInterm.Obter(); }
  bool infoIntermInst() const { return FinfoInterm.Existe(); }

 private:
  platform::TObjetoOpcional<TInfoMV> FinfoMV;
  platform::TObjetoOpcional<TInfoComplem> FinfoComplem;
  platform::TObjetoOpcional<TProcJudTrabCollection> FprocJudTrab;
  platform::TObjetoOpcional<TinfoIntermCollection> FinfoInterm;
};

class TInfoTrabIntermCollectionItem {
 public:
  std::string codConv;
};

class TInfoTrabIntermCollection : public platform::TTrivoObjectList<TInfoTrabIntermCollectionItem> {
 public:
  TInfoTrabIntermCollectionItem& Add() { return New(); }
};

// One remuneration of a period of assessment (remunPerApur) or of an earlier period
// (remunPerAnt).
class TRemunPer1200CollectionItem : public TRemunPerCollectionItem {
 public:
  tpIndSimples indSimples{};
  TInfoAgNocivo& infoAgNocivo() { return FinfoAgNocivo.Obter(); }
  bool infoAgNocivoInst() const { return FinfoAgNocivo.Existe(); }
  TInfoTrabIntermCollection infoTrabInterm;

 private:
  platform::TObjetoOpcional<TInfoAgNocivo> FinfoAgNocivo;
};

class TRemunPer1200Collection : public platform::TTrivoObjectList<TRemunPer1200CollectionItem> {
 public:
  TRemunPer1200CollectionItem& Add() { return New(); }
};

class TIdeEstabLotCollectionItemS1200 {
 public:
  tpTpInsc tpInsc{};
  std::string nrInsc;
  std::string codLotacao;
  int qtdDiasAv = 0;
  TRemunPer1200Collection remunPerApur;
  TRemunPer1200Collection remunPerAnt;
};

class TIdeEstabLotCollectionS1200 : public platform::TTrivoObjectList<TIdeEstabLotCollectionItemS1200> {
 public:
  TIdeEstabLotCollectionItemS1200& Add() { return New(); }
};

class TInfoPerApur {
 public:
  TIdeEstabLotCollectionS1200 ideEstabLot;
};

class TIdePeriodoCollectionItem {
 public:
  std::string perRef;
  TIdeEstabLotCollectionS1200 ideEstabLot;
};

class TIdePeriodoCollection : public platform::TTrivoObjectList<TIdePeriodoCollectionItem> {
 public:
  TIdePeriodoCollectionItem& Add() { return New(); }
};

class TIdeADCCollectionItem {
 public:
  platform::TDateTime dtAcConv = 0;
  tpTpAcConv tpAcConv{};
  std::string compAcConv;
  platform::TDateTime dtEfAcConv = 0;
  std::string dsc;
  // Required by the layout; snfNada, not informed, is written empty with its alert.
  tpSimNaoFacultativo remunSuc{};
  TIdePeriodoCollection idePeriodo;
};

class TIdeADCCollection : public platform::TTrivoObjectList<TIdeADCCollectionItem> {
 public:
  TIdeADCCollectionItem& Add() { return New(); }
};

class TInfoPerAnt {
 public:
  TIdeADCCollection ideADC;
};

class TInfoComplCont {
 public:
  std::string codCBO;
  tpNatAtividade natAtividade{};
  int qtdDiasTrab = 0;
};

class TDMDevCollectionItemS1200 {
 public:
  std::string ideDmDev;
  int codCateg = 0;
  tpSimNaoFacultativo indRRA{};
  TInfoRRA& infoRRA() { return FinfoRRA.Obter(); }
  bool infoRRAInst() const { return FinfoRRA.Existe(); }
  TInfoPerApur& infoPerApur() { return FinfoPerApur.Obter(); }
  bool infoPerApurInst() const { return FinfoPerApur.Existe(); }
  TInfoPerAnt& infoPerAnt() { return FinfoPerAnt.Obter(); }
  bool infoPerAntInst() const { return FinfoPerAnt.Existe(); }
  TInfoTrabIntermCollection infoTrabInterm;
  TInfoComplCont& infoComplCont() { return FinfoComplCont.Obter(); }
  bool infoComplContInst() const { return FinfoComplCont.Existe(); }

 private:
  platform::TObjetoOpcional<TInfoRRA> FinfoRRA;
  platform::TObjetoOpcional<TInfoPerApur> FinfoPerApur;
  platform::TObjetoOpcional<TInfoPerAnt> FinfoPerAnt;
  platform::TObjetoOpcional<TInfoComplCont> FinfoComplCont;
};

class TDMDevCollectionS1200 : public platform::TTrivoObjectList<TDMDevCollectionItemS1200> {
 public:
  TDMDevCollectionItemS1200& Add() { return New(); }
};

class TEvtRemun : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;

  TIdeEvento3 ideEvento;
  TIdeEmpregador ideEmpregador;
  TeS1200IdeTrabalhador ideTrabalhador;
  TDMDevCollectionS1200 dmDev;

  bool GerarXML() override;
  bool LerArqIni(const std::string& AIniString) override;

 private:
  void GerarIdeTrabalhador();
  void GerarInfoComplem(TInfoComplem& InfoComplem);
  void GerarDmDev();
  // Periodo: the establishments of the period of assessment (with qtdDiasAv and remunPerApur),
  // else those of an earlier period (with remunPerAnt).
  void GerarIdeEstabLot(const TIdeEstabLotCollectionS1200& Lista, bool Periodo);
  void GerarRemunPer(const TRemunPer1200Collection& Lista, const std::string& Grupo);
  void GerarIdeADC(const TIdeADCCollection& Lista);
  void GerarInfoTrabInterm(const TInfoTrabIntermCollection& Lista);
};

class TS1200CollectionItem : public TItemEvento<TEvtRemun, teS1200> {
 public:
  using TItemEvento::TItemEvento;
  TEvtRemun& evtRemun() const { return Evento(); }
};

class TS1200Collection : public TColecaoEventos<TS1200CollectionItem> {
 public:
  using TColecaoEventos::TColecaoEventos;
  TS1200CollectionItem& Add() { return New(); }
};

}  // namespace esocial::s1200

namespace esocial {
using s1200::TEvtRemun;
using s1200::TS1200Collection;
using s1200::TS1200CollectionItem;
}  // namespace esocial
