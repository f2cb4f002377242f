#pragma once
// S-2501, taxes of a labour process: the process and the payment period, and per worker the
// contribution bases per reference month with the contributions due, the income-tax
// withholdings with their income details, deductions, alimony and suspended withholdings, and
// the complementary income-tax data. The groups below the process are written as elements whose
// data are attributes.
#include <string>

#include "esocial/events/event_unit.h"
#include "esocial/records_income_tax.h"

namespace esocial::s2501 {

// Only these two: this event's deductions, alimony and suspended values have other shapes.
using income_tax::TbenefPenCollection;
using income_tax::TbenefPenCollectionItem;
using income_tax::TinfoDepCollection;
using income_tax::TinfoDepCollectionItem;

class TIdeProc {
 public:
  std::string nrProcTrab;
  std::string perApurPgto;
  int ideSeqProc = 0;
  std::string obs;
};

class TInfoCRContribCollectionItem {
 public:
  std::string tpCR;
  double vrCR = 0;
};

class TInfoCRContribCollection : public platform::TTrivoObjectList<TInfoCRContribCollectionItem> {};

class TCalcTribCollectionItem {
 public:
  std::string perRef;
  double vrBcCpMensal = 0;
  double vrBcCp13 = 0;
  double vrRendIRRF = 0;
  double vrRendIRRF13 = 0;
  TInfoCRContribCollection& infoCRContrib() { return FinfoCRContrib.Obter(); }
  bool instInfoCRContrib() const { return FinfoCRContrib.Existe(); }

 private:
  platform::TObjetoOpcional<TInfoCRContribCollection> FinfoCRContrib;
};

class TCalcTribCollection : public platform::TTrivoObjectList<TCalcTribCollectionItem> {};

class TpenAlimCollectionItem {
 public:
  int tpRend = 0;
  std::string cpfDep;
  double vlrPensao = 0;
};

class TpenAlimCollection : public platform::TTrivoObjectList<TpenAlimCollectionItem> {};

class TrendIsen0561 {
 public:
  double vlrDiarias = 0;
  double vlrAjudaCusto = 0;
  double vlrIndResContrato = 0;
  double vlrAbonoPec = 0;
  double vlrAuxMoradia = 0;
};

class TinfoIRCollectionItem {
 public:
  double vrRendTrib = 0;
  double vrRendTrib13 = 0;
  double vrRendMoleGrave = 0;
  double vrRendMoleGrave13 = 0;
  double vrRendIsen65 = 0;
  double vrRendIsen65Dec = 0;
  double vrJurosMora = 0;
  double vrJurosMora13 = 0;
  double vrRendIsenNTrib = 0;
  std::string descIsenNTrib;
  double vrPrevOficial = 0;
  double vrPrevOficial13 = 0;
  TrendIsen0561 rendIsen0561;
};

class TinfoIRCollection : public platform::TTrivoObjectList<TinfoIRCollectionItem> {};

class TdedDepenCollectionItem {
 public:
  int tpRend = 0;
  std::string cpfDep;
  double vlrDeducao = 0;
};

class TdedDepenCollection : public platform::TTrivoObjectList<TdedDepenCollectionItem> {};

class TdedSuspCollectionItem {
 public:
  tpIndTpDeducaoT indTpDeducao{};
  double vlrDedSusp = 0;
  TbenefPenCollection& benefPen() { return FbenefPen.Obter(); }
  bool benefPenInst() const { return FbenefPen.Existe(); }

 private:
  platform::TObjetoOpcional<TbenefPenCollection> FbenefPen;
};

class TdedSuspCollection : public platform::TTrivoObjectList<TdedSuspCollectionItem> {};

class TinfoValoresCollectionItem {
 public:
  tpIndApuracao indApuracao{};
  double vlrNRetido = 0;
  double vlrDepJud = 0;
  double vlrCmpAnoCal = 0;
  double vlrCmpAnoAnt = 0;
  double vlrRendSusp = 0;
  TdedSuspCollection& dedSusp() { return FdedSusp.Obter(); }
  bool dedSuspInst() const { return FdedSusp.Existe(); }

 private:
  platform::TObjetoOpcional<TdedSuspCollection> FdedSusp;
};

class TinfoValoresCollection : public platform::TTrivoObjectList<TinfoValoresCollectionItem> {};

class TinfoProcRetCollectionItem {
 public:
  tpTpProcRet tpProcRet{};
  std::string nrProcRet;
  std::string codSusp;
  TinfoValoresCollection& infoValores() { return FinfoValores.Obter(); }
  bool infoValoresInst() const { return FinfoValores.Existe(); }

 private:
  platform::TObjetoOpcional<TinfoValoresCollection> FinfoValores;
};

class TinfoProcRetCollection : public platform::TTrivoObjectList<TinfoProcRetCollectionItem> {};

class TInfoCRIRRFCollectionItem {
 public:
  std::string tpCR;
  double vrCR = 0;
  double vrCR13 = 0;
  TinfoIRCollection& infoIR() { return FinfoIR.Obter(); }
  bool infoIRInst() const { return FinfoIR.Existe(); }
  TInfoRRA& infoRRA() { return FinfoRRA.Obter(); }
  bool infoRRAInst() const { return FinfoRRA.Existe(); }
  TdedDepenCollection& dedDepen() { return FdedDepen.Obter(); }
  bool dedDepenInst() const { return FdedDepen.Existe(); }
  TpenAlimCollection& penAlim() { return FpenAlim.Obter(); }
  bool penAlimInst() const { return FpenAlim.Existe(); }
  TinfoProcRetCollection& infoProcRet() { return FinfoProcRet.Obter(); }
  bool infoProcRetInst() const { return FinfoProcRet.Existe(); }

 private:
  platform::TObjetoOpcional<TinfoIRCollection> FinfoIR;
  platform::TObjetoOpcional<TInfoRRA> FinfoRRA;
  platform::TObjetoOpcional<TdedDepenCollection> FdedDepen;
  platform::TObjetoOpcional<TpenAlimCollection> FpenAlim;
  platform::TObjetoOpcional<TinfoProcRetCollection> FinfoProcRet;
};

class TInfoCRIRRFCollection : public platform::TTrivoObjectList<TInfoCRIRRFCollectionItem> {};

class TinfoIRComplem {
 public:
  platform::TDateTime dtLaudo = 0;
  TinfoDepCollection& infoDep() { return FinfoDep.Obter(); }
  bool infoDepInst() const { return FinfoDep.Existe(); }

 private:
  platform::TObjetoOpcional<TinfoDepCollection> FinfoDep;
};

class TIdeTrabCollectionItem {
 public:
  std::string cpfTrab;
  TCalcTribCollection& calcTrib() { return FcalcTrib.Obter(); }
  bool instCalcTrib() const { return FcalcTrib.Existe(); }
  TInfoCRIRRFCollection& infoCRIRRF() { return FinfoCRIRRF.Obter(); }
  bool instInfoCRIRRF() const { return FinfoCRIRRF.Existe(); }
  TinfoIRComplem& infoIRComplem() { return FinfoIRComplem.Obter(); }
  bool instInfoIRComplem() const { return FinfoIRComplem.Existe(); }

 private:
  platform::TObjetoOpcional<TCalcTribCollection> FcalcTrib;
  platform::TObjetoOpcional<TInfoCRIRRFCollection> FinfoCRIRRF;
  platform::TObjetoOpcional<TinfoIRComplem> FinfoIRComplem;
};

class TIdeTrabCollection : public platform::TTrivoObjectList<TIdeTrabCollectionItem> {};

class TEvtContProc : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;

  TIdeEvento2 ideEvento;
  TIdeEmpregador ideEmpregador;
  TIdeProc ideProc;
  TIdeTrabCollection ideTrab;

  bool GerarXML() override;
  bool LerArqIni(const std::string& AIniString) override;

 private:
  void GerarIdeProc();
  void GerarIdeTrab(TIdeTrabCollectionItem& trab);
  void GerarCalcTrib(TCalcTribCollection& calcTrib);
  void GerarInfoCRIRRF(TInfoCRIRRFCollectionItem& irrf);
  void GerarInfoIR(const TinfoIRCollection& infoIR);
  void GerarRRA(TInfoRRA& infoRRA);
  void GerarInfoProcRet(TinfoProcRetCollection& processos);
  void GerarInfoIRComplem(TinfoIRComplem& complem);
};

class TS2501CollectionItem : public TItemEvento<TEvtContProc, teS2501> {
 public:
  using TItemEvento::TItemEvento;
  TEvtContProc& EvtContProc() const { return Evento(); }
};

class TS2501Collection : public TColecaoEventos<TS2501CollectionItem> {
 public:
  using TColecaoEventos::TColecaoEventos;
};

}  // namespace esocial::s2501

namespace esocial {
using s2501::TEvtContProc;
using s2501::TS2501Collection;
using s2501::TS2501CollectionItem;
}  // namespace esocial
