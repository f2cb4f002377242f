#pragma once
// S-1207, own-pension-regime benefits: the benefits paid to one beneficiary for a period of
// assessment, as payslips (dmDev) tied to a benefit, holding the rubrics of the period and of
// earlier periods by establishment.
#include <string>

#include "esocial/events/event_unit.h"

namespace esocial::s1207 {

class TIdeBenef {
 public:
  std::string cpfBenef;
};

class TIdeEstabCollectionItem {
 public:
  tpTpInsc tpInsc{};
  std::string nrInsc;
  TRubricaCollection itensRemun;
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
  TIdePeriodoCollection idePeriodo;
};

class TDMDevCollectionItem {
 public:
  std::string ideDmDev;
  std::string nrBeneficio;
  tpSimNaoFacultativo indRRA{};
  TInfoRRA& infoRRA() { return FinfoRRA.Obter(); }
  bool infoRRAInst() const { return FinfoRRA.Existe(); }
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

class TEvtBenPrRP : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;

  TIdeEvento3 ideEvento;
  TIdeEmpregador ideEmpregador;
  TIdeBenef ideBenef;
  TDMDevCollection dmDev;

  bool GerarXML() override;
  bool LerArqIni(const std::string& AIniString) override;

 private:
  void GerarDmDev();
  // GeraDescFolha: the period of assessment's rubrics carry their discounts, the earlier
  // periods' none.
  void GerarIdeEstab(const TIdeEstabCollection& Lista, bool GeraDescFolha);
};

class TS1207CollectionItem : public TItemEvento<TEvtBenPrRP, teS1207> {
 public:
  using TItemEvento::TItemEvento;
  TEvtBenPrRP& evtBenPrRP() const { return Evento(); }
};

class TS1207Collection : public TColecaoEventos<TS1207CollectionItem> {
 public:
  using TColecaoEventos::TColecaoEventos;
  TS1207CollectionItem& Add() { return New(); }
};

}  // namespace esocial::s1207

namespace esocial {
using s1207::TEvtBenPrRP;
using s1207::TS1207Collection;
using s1207::TS1207CollectionItem;
}  // namespace esocial
