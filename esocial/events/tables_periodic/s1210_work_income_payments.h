#pragma once
// S-1210, payments of work income: for one beneficiary and one period of assessment, each
// payment's date, kind and net value; up to the 2.5 layout the payment's composition (payslips,
// benefit, holidays, earlier payments, payment abroad), from the S-1 layouts its payslip and,
// from S-1.01, the residence abroad; from S-1.02 the beneficiary's income-tax complement
// (s1210_income_tax_complement.h).
#include <string>

#include "esocial/events/event_unit.h"
#include "esocial/events/tables_periodic/s1210_income_tax_complement.h"

namespace esocial::s1210 {

class TDeps {
 public:
  double vrDedDep = 0;
};

// A rubric of a payment with the alimony it pays (retPgtoTot of a payslip, detRubrFer).
class TRubricasComPensaoItem : public TRubricaCollectionItem {
 public:
  TPensaoAlimCollection& penAlim() { return FpenAlim.Obter(); }
  bool pensaoAlimInst() const { return FpenAlim.Existe(); }

 private:
  platform::TObjetoOpcional<TPensaoAlimCollection> FpenAlim;
};

class TRubricasComPensaoCollection : public platform::TTrivoObjectList<TRubricasComPensaoItem> {
 public:
  TRubricasComPensaoItem& Add() { return New(); }
};

class TdetPgtoFlItem {
 public:
  std::string perRef;
  std::string ideDmDev;
  tpSimNao indPagtoTt{};
  double vrLiq = 0;
  std::string nrRecArq;
  TRubricasComPensaoCollection& retPagtoTot() { return FretPagtoTot.Obter(); }
  bool retPagtoToInst() const { return FretPagtoTot.Existe(); }
  TRubricaCollection& infoPgtoParc() { return FinfoPgtoParc.Obter(); }
  bool infoPgtoFlInst() const { return FinfoPgtoParc.Existe(); }

 private:
  platform::TObjetoOpcional<TRubricasComPensaoCollection> FretPagtoTot;
  platform::TObjetoOpcional<TRubricaCollection> FinfoPgtoParc;
};

class TdetPgtoFlCollection : public platform::TTrivoObjectList<TdetPgtoFlItem> {
 public:
  TdetPgtoFlItem& Add() { return New(); }
};

class TDetPgtoBenPr {
 public:
  std::string perRef;
  std::string ideDmDev;
  tpSimNao indPgtoTt{};
  double vrLiq = 0;
  TRubricaCollection& retPgtoTot() { return FretPgtoTot.Obter(); }
  bool retPgtoTotInst() const { return FretPgtoTot.Existe(); }
  TRubricaCollection& infoPgtoParc() { return FinfoPgtoParc.Obter(); }
  bool infoPgtoParcInst() const { return FinfoPgtoParc.Existe(); }

 private:
  platform::TObjetoOpcional<TRubricaCollection> FretPgtoTot;
  platform::TObjetoOpcional<TRubricaCollection> FinfoPgtoParc;
};

class TDetPgtoFerItem {
 public:
  int codCateg = 0;
  std::string matricula;
  platform::TDateTime dtIniGoz = 0;
  int qtDias = 0;
  double vrLiq = 0;
  TRubricasComPensaoCollection detRubrFer;
};

class TDetPgtoFerCollection : public platform::TTrivoObjectList<TDetPgtoFerItem> {
 public:
  TDetPgtoFerItem& Add() { return New(); }
};

class TInfoPgtoAntItem {
 public:
  tpCodIncIRRF tpBcIRRF{};
  double vrBcIRRF = 0;
};

class TInfoPgtoAntCollection : public platform::TTrivoObjectList<TInfoPgtoAntItem> {
 public:
  TInfoPgtoAntItem& Add() { return New(); }
};

class TDetPgtoAntItem {
 public:
  int codCateg = 0;
  TInfoPgtoAntCollection infoPgtoAnt;
};

class TDetPgtoAntCollection : public platform::TTrivoObjectList<TDetPgtoAntItem> {
 public:
  TDetPgtoAntItem& Add() { return New(); }
};

// The payment abroad of the 2.x layouts.
class TPgtoExt {
 public:
  TIdePais idePais;
  TEndExt endExt;
};

// The payment to a resident abroad of the S-1 layouts.
class TInfoPgtoExt {
 public:
  tpIndNIF indNIF{};
  std::string nifBenef;
  int frmTribut = 0;
  TEndExtV110 endExt;
};

class TInfoPgtoItem {
 public:
  platform::TDateTime DtPgto = 0;
  tpSimNao IndResBr{};
  tpTpPgto TpPgto{};
  TdetPgtoFlCollection detPgtoFl;
  TDetPgtoBenPr& detPgtoBenPr() { return FdetPgtoBenPr.Obter(); }
  bool detPgtoBenPrInst() const { return FdetPgtoBenPr.Existe(); }
  TDetPgtoFerCollection& detPgtoFer() { return FdetPgtoFer.Obter(); }
  bool detPgtoFerInst() const { return FdetPgtoFer.Existe(); }
  TDetPgtoAntCollection& detPgtoAnt() { return FdetPgtoAnt.Obter(); }
  bool detPgtoAntInst() const { return FdetPgtoAnt.Existe(); }
  TPgtoExt IdePgtoExt;
  TInfoPgtoExt& infoPgtoExt() { return FinfoPgtoExt.Obter(); }
  bool InfoPgtoExtInst() const { return FinfoPgtoExt.Existe(); }
  std::string perRef;
  std::string ideDmDev;
  double vrLiq = 0;
  std::string paisResidExt;

 private:
  platform::TObjetoOpcional<TDetPgtoBenPr> FdetPgtoBenPr;
  platform::TObjetoOpcional<TDetPgtoFerCollection> FdetPgtoFer;
  platform::TObjetoOpcional<TDetPgtoAntCollection> FdetPgtoAnt;
  platform::TObjetoOpcional<TInfoPgtoExt> FinfoPgtoExt;
};

class TInfoPgtoCollection : public platform::TTrivoObjectList<TInfoPgtoItem> {
 public:
  TInfoPgtoItem& Add() { return New(); }
};

class TIdeBenef {
 public:
  std::string CpfBenef;
  TDeps& deps() { return Fdeps.Obter(); }
  bool depsInst() const { return Fdeps.Existe(); }
  TInfoPgtoCollection InfoPgto;
  TinfoIRComplemCollection infoIRComplem;

 private:
  platform::TObjetoOpcional<TDeps> Fdeps;
};

class TEvtPgtos : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;

  TIdeEvento3 IdeEvento;
  TIdeEmpregador IdeEmpregador;
  TIdeBenef IdeBenef;

  bool GerarXML() override;
  bool LerArqIni(const std::string& AIniString) override;

 private:
  void GerarIdeBenef();
  void GerarInfoPgto(TInfoPgtoItem& Pgto);
  void GerarDetPgtoFl(const TdetPgtoFlCollection& Lista);
  void GerarDetPgtoBenPr(TDetPgtoBenPr& BenPr);
  void GerarDetPgtoFer(const TDetPgtoFerCollection& Lista);
  void GerarDetPgtoAnt(const TDetPgtoAntCollection& Lista);
  // The rubrics of Lista, each under the tag Grupo with the alimony it pays.
  void GerarRubricasComPensao(const TRubricasComPensaoCollection& Lista, const std::string& Grupo);
  void GerarInfoPgtoExt(const TInfoPgtoExt& PgtoExt);
  // Whether the payment goes to a resident abroad: the S-1.01 group, by the country and the
  // period of assessment.
  bool ResideNoExterior(const TInfoPgtoItem& Pgto) const;

  // The income-tax complement (s1210_income_tax_complement.cpp).
  void GerarInfoIRComplem(const TinfoIRComplemCollection& Lista);
  void GerarInfoDep(const TinfoDepCollection& Lista);
  void GerarInfoIRCR(const TinfoIRCRCollection& Lista);
  void GerarPrevidCompl(const TprevidComplCollection& Lista);
  void GerarInfoProcRet(const TinfoProcRetCollection& Lista);
  void GerarInfoValores(const TinfoValoresCollection& Lista);
  void GerarDedSusp(const TdedSuspCollection& Lista);
  void GerarPlanSaude(const TplanSaudeCollection& Lista);
  void GerarInfoReembMed(const TInfoReembMedCollection& Lista);
  // The reimbursements of the holder or of a dependant, each under the tag Grupo.
  void GerarDetReemb(const platform::TTrivoObjectList<TdetReembCollectionItem>& Lista, const std::string& Grupo,
                     const std::string& Descricao);
};

class TS1210CollectionItem : public TItemEvento<TEvtPgtos, teS1210> {
 public:
  using TItemEvento::TItemEvento;
  TEvtPgtos& evtPgtos() const { return Evento(); }
};

class TS1210Collection : public TColecaoEventos<TS1210CollectionItem> {
 public:
  using TColecaoEventos::TColecaoEventos;
  TS1210CollectionItem& Add() { return New(); }
};

}  // namespace esocial::s1210

namespace esocial {
using s1210::TEvtPgtos;
using s1210::TS1210Collection;
using s1210::TS1210CollectionItem;
}  // namespace esocial
