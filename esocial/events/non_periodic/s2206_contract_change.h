#pragma once
// S-2206, change of employment contract from a date: the social-security regime, the CLT or
// statutory regime data and the contract. Up to 2.5 the regime and the contract follow a
// vinculo group holding only tpRegPrev; from S-1.0 they stand inside it.
#include <string>

#include "esocial/events/event_unit.h"

namespace esocial::s2206 {

class TServPubl {
 public:
  tpMtvAlt mtvAlter{};
};

class TInfoContratoS2206 : public TInfoContrato {
 public:
  TServPubl& servPubl() { return FservPubl.Obter(); }
  bool servPublInst() const { return FservPubl.Existe(); }

 private:
  platform::TObjetoOpcional<TServPubl> FservPubl;
};

class TAltContratual {
 public:
  platform::TDateTime dtALteracao = 0;
  platform::TDateTime dtEf = 0;
  std::string dscAlt;
  // What the writer and the INI reader use: tpRegTrab, tpRegPrev, infoRegimeTrab, infoContrato.
  TVinculo Vinculo;
  // Kept for callers; neither the writer nor the INI reader touches them.
  TInfoRegimeTrab infoRegimeTrab;
  TInfoContratoS2206 infoContrato;
};

class TEvtAltContratual : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;

  TIdeEvento2 IdeEvento;
  TIdeEmpregador IdeEmpregador;
  TIdeVinculo IdeVinculo;
  TAltContratual AltContratual;

  bool GerarXML() override;
  bool LerArqIni(const std::string& AIniString) override;

 private:
  // The contract change's own groups: the shared writers have the admission's shape.
  void EscreverAltContratual();
  void EscreverInfoCeletista(const TInfoCeletista& C);
  void EscreverInfoEstatutario(const TInfoEstatutario& E);
  void EscreverInfoContrato(TInfoContrato& K, const TInfoCeletista& C);
};

class TS2206CollectionItem : public TItemEvento<TEvtAltContratual, teS2206> {
 public:
  using TItemEvento::TItemEvento;
  TEvtAltContratual& EvtAltContratual() const { return Evento(); }
};

class TS2206Collection : public TColecaoEventos<TS2206CollectionItem> {
 public:
  using TColecaoEventos::TColecaoEventos;
  TS2206CollectionItem& Add() { return New(); }
};

}  // namespace esocial::s2206

namespace esocial {
using s2206::TEvtAltContratual;
using s2206::TS2206Collection;
using s2206::TS2206CollectionItem;
}  // namespace esocial
