#pragma once
// S-2399, termination of a worker without employment bond: the end date and reason, alimony for
// the categories that have it, the final payment (verbasResc: payslips by establishment, court
// cases, other employers' pay), the new CPF, the quarantine and the pay after the end.
#include <string>

#include "esocial/events/event_unit.h"

namespace esocial::s2399 {

class TDmDevCollectionItem {
 public:
  std::string ideDmDev;
  tpSimNaoFacultativo indRRA{};
  TInfoRRA& infoRRA() { return FinfoRRA.Obter(); }
  bool infoRRAInst() const { return FinfoRRA.Existe(); }
  TideEstabLotCollection ideEstabLot;

 private:
  platform::TObjetoOpcional<TInfoRRA> FinfoRRA;
};

class TDmDevCollection : public platform::TTrivoObjectList<TDmDevCollectionItem> {
 public:
  TDmDevCollectionItem& Add() { return New(); }
};

class TVerbasRescS2399 : public TVerbasResc {
 public:
  TDmDevCollection dmDev;
};

class TRemunAposTerm {
 public:
  tpIndRemun indRemun = ireNaoInformado;
  platform::TDateTime dtFimRemun = 0;
};

class TInfoTSVTermino {
 public:
  platform::TDateTime dtTerm = 0;
  std::string mtvDesligTSV;
  TVerbasRescS2399 verbasResc;
  TMudancaCPF3 mudancaCPF;
  TQuarentena quarentena;
  double percAliment = 0;
  double vrAlim = 0;
  // Only some categories have one: not informed until set.
  tpPensaoAlim pensAlim = paNenhum;
  std::string nrProcTrab;
  TRemunAposTerm RemunAposTerm;
};

class TEvtTSVTermino : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;

  TIdeEvento2 IdeEvento;
  TIdeEmpregador IdeEmpregador;
  TideTrabSemVinc IdeTrabSemVInc;
  TInfoTSVTermino InfoTSVTermino;

  bool GerarXML() override;
  bool LerArqIni(const std::string& AIniString) override;

 private:
  void GerarInfoTSVTermino();
  void GerarVerbasResc();
};

class TS2399CollectionItem : public TItemEvento<TEvtTSVTermino, teS2399> {
 public:
  using TItemEvento::TItemEvento;
  TEvtTSVTermino& EvtTSVTermino() const { return Evento(); }
};

class TS2399Collection : public TColecaoEventos<TS2399CollectionItem> {
 public:
  using TColecaoEventos::TColecaoEventos;
  TS2399CollectionItem& Add() { return New(); }
};

}  // namespace esocial::s2399

namespace esocial {
using s2399::TEvtTSVTermino;
using s2399::TS2399Collection;
using s2399::TS2399CollectionItem;
}  // namespace esocial
