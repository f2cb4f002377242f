#pragma once
// S-1202, own-pension-regime servant remuneration: a public servant's pay for a period of
// assessment, as payslips (dmDev) holding the pay of the period by establishment and the pay
// of earlier periods.
#include <string>

#include "esocial/events/event_unit.h"

namespace esocial::s1202 {

class TSucessaoVinc3 {
 public:
  std::string cnpjOrgaoAnt;
  std::string matricAnt;
  platform::TDateTime dtExercicio = 0;
  std::string observacao;
};

class TInfoComplem {
 public:
  std::string nmTrab;
  platform::TDateTime dtNascto = 0;
  TSucessaoVinc3& sucessaoVinc() { return FsucessaoVinc.Obter(); }
  bool SucessaoVincInst() const { return FsucessaoVinc.Existe(); }

 private:
  platform::TObjetoOpcional<TSucessaoVinc3> FsucessaoVinc;
};

class TeS1202IdeTrabalhador : public TideTrabalhador {
 public:
  TInfoComplem& InfoComplem() { return FInfoComplem.Obter(); }
  bool InfoComplemInst() const { return FInfoComplem.Existe(); }

 private:
  platform::TObjetoOpcional<TInfoComplem> FInfoComplem;
};

class TRemunPerApur1202Collection : public platform::TTrivoObjectList<TRemunPerCollectionItem> {
 public:
  TRemunPerCollectionItem& Add() { return New(); }
};

// An establishment of the period of assessment (remunPerApur) or of an earlier period
// (remunPerAnt).
class TIdeEstabCollectionItem {
 public:
  tpTpInsc tpInsc{};
  std::string nrInsc;
  TRemunPerApur1202Collection remunPerApur;
  TRemunPerApur1202Collection remunPerAnt;
};

class TIdeEstabCollection : public platform::TTrivoObjectList<TIdeEstabCollectionItem> {
 public:
  TIdeEstabCollectionItem& Add() { return New(); }
};

class TInfoPerApur {
 public:
  TIdeEstabCollection ideEstab;
};

class TIdePeriodoCollectionItem {
 public:
  std::string perRef;
  TIdeEstabCollection ideEstab;
};

class TIdePeriodoCollection : public platform::TTrivoObjectList<TIdePeriodoCollectionItem> {
 public:
  TIdePeriodoCollectionItem& Add() { return New(); }
};

class TInfoPerAnt {
 public:
  // Required by the layout; snfNada, not informed, is written empty with its alert.
  tpSimNaoFacultativo remunOrgSuc{};
  TIdePeriodoCollection idePeriodo;
};

class TDMDevCollectionItem {
 public:
  int codCateg = 0;
  tpSimNaoFacultativo indRRA{};
  TInfoRRA& infoRRA() { return FinfoRRA.Obter(); }
  bool infoRRAInst() const { return FinfoRRA.Existe(); }
  std::string ideDmDev;
  TInfoPerApur& infoPerApur() { return FinfoPerApur.Obter(); }
  bool infoPerApurInst() const { return FinfoPerApur.Existe(); }
  TInfoPerAnt& infoPerAnt() { return FinfoPerAnt.Obter(); }
  bool infoPerAntInst() const { return FinfoPerAnt.Existe(); }

 private:
  platform::TObjetoOpcional<TInfoRRA> FinfoRRA;
  platform::TObjetoOpcional<TInfoPerApur> FinfoPerApur;
  platform::TObjetoOpcional<TInfoPerAnt> FinfoPerAnt;
};

class TDMDevCollection : public platform::TTrivoObjectList<TDMDevCollectionItem> {
 public:
  TDMDevCollectionItem& Add() { return New(); }
};

class TEvtRmnRPPS : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;

  TIdeEvento3 ideEvento;
  TIdeEmpregador ideEmpregador;
  TeS1202IdeTrabalhador ideTrabalhador;
  TDMDevCollection dmDev;

  bool GerarXML() override;
  bool LerArqIni(const std::string& AIniString) override;

 private:
  void GerarIdeTrabalhador();
  void GerarDmDev();
  // Grupo: "remunPerApur" (the period of assessment) or "remunPerAnt" (an earlier period).
  void GerarIdeEstab(const TIdeEstabCollection& Lista, const std::string& Grupo);
};

class TS1202CollectionItem : public TItemEvento<TEvtRmnRPPS, teS1202> {
 public:
  using TItemEvento::TItemEvento;
  TEvtRmnRPPS& evtRmnRPPS() const { return Evento(); }
};

class TS1202Collection : public TColecaoEventos<TS1202CollectionItem> {
 public:
  using TColecaoEventos::TColecaoEventos;
  TS1202CollectionItem& Add() { return New(); }
};

}  // namespace esocial::s1202

namespace esocial {
using s1202::TEvtRmnRPPS;
using s1202::TS1202Collection;
using s1202::TS1202CollectionItem;
}  // namespace esocial
