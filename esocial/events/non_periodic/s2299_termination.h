#pragma once
// S-2299, termination of employment: the reason and date of the end of a bond, the prior notice
// and alimony, the successor, the new holder of a domestic bond, the new CPF, the final payment
// (verbasResc: payslips by establishment, earlier periods owed under agreements, court cases,
// other employers' pay), the quarantine, the pay after the end and the FGTS-backed loans.
#include <string>

#include "esocial/events/event_unit.h"

namespace esocial::s2299 {

class TInfoPerApur {
 public:
  TideEstabLotCollection ideEstabLot;
};

class TIdePeriodoItem {
 public:
  std::string perRef;
  TideEstabLotCollection ideEstabLot;
};

class TIdePeriodoCollection : public platform::TTrivoObjectList<TIdePeriodoItem> {
 public:
  TIdePeriodoItem& Add() { return New(); }
};

class TIdeADCItem {
 public:
  platform::TDateTime dtAcConv = 0;
  tpTpAcConv tpAcConv{};
  std::string compAcConv;
  platform::TDateTime dtEfAcConv = 0;
  std::string dsc;
  TIdePeriodoCollection idePeriodo;
};

class TIdeADCCollection : public platform::TTrivoObjectList<TIdeADCItem> {
 public:
  TIdeADCItem& Add() { return New(); }
};

class TInfoPerAnt {
 public:
  TIdeADCCollection ideADC;
};

class TInfoTrabIntermItem {
 public:
  std::string codConv;
};

class TInfoTrabIntermCollection : public platform::TTrivoObjectList<TInfoTrabIntermItem> {
 public:
  TInfoTrabIntermItem& Add() { return New(); }
};

class TDMDevCollectionItemS2299 {
 public:
  std::string ideDmDev;
  tpSimNaoFacultativo indRRA{};
  TInfoRRA& infoRRA() { return FinfoRRA.Obter(); }
  bool infoRRAInst() const { return FinfoRRA.Existe(); }
  TInfoPerApur& infoPerApur() { return FinfoPerApur.Obter(); }
  bool infoPerApurInst() const { return FinfoPerApur.Existe(); }
  TInfoPerAnt& infoPerAnt() { return FinfoPerAnt.Obter(); }
  bool infoPerAntInst() const { return FinfoPerAnt.Existe(); }
  TInfoTrabIntermCollection infoTrabInterm;

 private:
  platform::TObjetoOpcional<TInfoRRA> FinfoRRA;
  platform::TObjetoOpcional<TInfoPerApur> FinfoPerApur;
  platform::TObjetoOpcional<TInfoPerAnt> FinfoPerAnt;
};

class TDmDevCollectionS2299 : public platform::TTrivoObjectList<TDMDevCollectionItemS2299> {
 public:
  TDMDevCollectionItemS2299& Add() { return New(); }
};

class TProcCS {
 public:
  std::string nrProcJud;
};

class TVerbasRescS2299 : public TVerbasResc {
 public:
  TDmDevCollectionS2299 dmDev;
  TProcCS ProcCS;
};

class TConsigFGTSItem {
 public:
  tpSimNao idConsig{};
  std::string insConsig;
  std::string nrContr;
};

class TConsigFGTSCollection : public platform::TTrivoObjectList<TConsigFGTSItem> {
 public:
  TConsigFGTSItem& Add() { return New(); }
};

class TtransfTit {
 public:
  std::string cpfSubstituto;
  platform::TDateTime dtNascto = 0;
};

class TRemunAposDeslig {
 public:
  tpIndRemun indRemun = ireNaoInformado;
  platform::TDateTime dtFimRemun = 0;
};

class TInfoDeslig {
 public:
  std::string mtvDeslig;
  platform::TDateTime dtDeslig = 0;
  // Required; snfNada, not informed, is written empty with its alert.
  tpSimNaoFacultativo indPagtoAPI{};
  platform::TDateTime dtProjFimAPI = 0;
  double percAliment = 0;
  double vrAlim = 0;
  // Only a bond under the labour code has one: not informed until set.
  tpPensaoAlim pensAlim = paNenhum;
  std::string nrCertObito;
  std::string nrProcTrab;
  tpSimNaoFacultativo indPDV{};
  tpCumprParcialAviso indCumprParc{};
  std::string Observacao;
  TObservacoesCollection observacoes;
  TSucessaoVinc2 SucessaoVinc;
  TVerbasRescS2299& VerbasResc() { return FVerbasResc.Obter(); }
  bool verbasRescInst() const { return FVerbasResc.Existe(); }
  TQuarentena Quarentena;
  TConsigFGTSCollection consigFGTS;
  // Held only: nothing writes or reads it.
  TInfoASO InfoASO;
  TtransfTit transfTit;
  TMudancaCPF3 mudancaCPF;
  // The 2.x days of intermittent work; below 0, not informed.
  int QtdDiasInterm = -1;
  int CodCateg = 0;
  TinfoIntermCollection& infoInterm() { return FinfoInterm.Obter(); }
  bool infoIntermInst() const { return FinfoInterm.Existe(); }
  platform::TDateTime dtAvPrv = 0;
  TRemunAposDeslig remunAposDeslig;

 private:
  platform::TObjetoOpcional<TVerbasRescS2299> FVerbasResc;
  platform::TObjetoOpcional<TinfoIntermCollection> FinfoInterm;
};

class TEvtDeslig : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;

  TIdeEvento2 IdeEvento;
  TIdeEmpregador IdeEmpregador;
  TIdeVinculo IdeVinculo;
  TInfoDeslig InfoDeslig;

  bool GerarXML() override;
  bool LerArqIni(const std::string& AIniString) override;

 private:
  void GerarInfoDeslig();
  void GerarSucessaoVincDeslig();
  void GerarVerbasResc();
  void GerarIdeADC(const TIdeADCCollection& Lista);
  void GerarConsigFGTS();
};

class TS2299CollectionItem : public TItemEvento<TEvtDeslig, teS2299> {
 public:
  using TItemEvento::TItemEvento;
  TEvtDeslig& EvtDeslig() const { return Evento(); }
};

class TS2299Collection : public TColecaoEventos<TS2299CollectionItem> {
 public:
  using TColecaoEventos::TColecaoEventos;
  TS2299CollectionItem& Add() { return New(); }
};

}  // namespace esocial::s2299

namespace esocial {
using s2299::TEvtDeslig;
using s2299::TS2299Collection;
using s2299::TS2299CollectionItem;
}  // namespace esocial
