#pragma once
// S-1299, periodic events closing: the period of assessment closed, the kinds of periodic event
// it holds and the closing's declarations.
#include <string>

#include "esocial/events/event_unit.h"

namespace esocial::s1299 {

class TInfoFech {
 public:
  tpSimNao evtRemun{};
  tpSimNao evtPgtos{};
  tpSimNao evtAqProd{};
  tpSimNao evtComProd{};
  tpSimNao evtContratAvNP{};
  tpSimNao evtInfoComplPer{};
  std::string compSemMovto;  // yyyy-mm
  tpSimNaoFacultativo indExcApur1250{};
  tpSimNaoFacultativo transDCTFWeb{};
  tpSimNaoFacultativo naoValid{};
};

class TEvtFechaEvPer : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;

  TIdeEvento4 IdeEvento;
  TIdeEmpregador IdeEmpregador;
  TIdeRespInf IdeRespInf;  // 2.x layouts only
  TInfoFech InfoFech;

  bool GerarXML() override;
  bool LerArqIni(const std::string& AIniString) override;

 private:
  void GerarInfoFech();
};

class TS1299CollectionItem : public TItemEvento<TEvtFechaEvPer, teS1299> {
 public:
  using TItemEvento::TItemEvento;
  TEvtFechaEvPer& EvtFechaEvPer() const { return Evento(); }
};

class TS1299Collection : public TColecaoEventos<TS1299CollectionItem> {
 public:
  using TColecaoEventos::TColecaoEventos;
  TS1299CollectionItem& Add() { return New(); }
};

}  // namespace esocial::s1299

namespace esocial {
using s1299::TEvtFechaEvPer;
using s1299::TS1299Collection;
using s1299::TS1299CollectionItem;
}  // namespace esocial
