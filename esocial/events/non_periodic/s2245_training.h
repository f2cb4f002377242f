#pragma once
// S-2245, training and qualification: a training, qualification or simulated exercise given
// to a worker, with its date, duration, modality and kind and the professionals responsible.
#include <string>

#include "esocial/events/event_ini.h"
#include "esocial/events/event_unit.h"

namespace esocial::s2245 {

class TIdeProfRespCollectionItem {
 public:
  std::string cpfProf;
  std::string nmProf;
  tpTpProf tpProf{};
  std::string formProf;
  std::string codCBO;
  tpNacProf nacProf{};
};

class TIdeProfRespCollection : public platform::TTrivoObjectList<TIdeProfRespCollectionItem> {
 public:
  TIdeProfRespCollectionItem& Add() { return New(); }
};

class TInfoComplem {
 public:
  platform::TDateTime dtTreiCap = 0;
  double durTreiCap = 0;
  // Optional in the layout: written only when given.
  tpModTreiCap modTreiCap = kCodigoNaoInformado<tpModTreiCap>;
  tpTpTreiCap tpTreiCap = kCodigoNaoInformado<tpTpTreiCap>;
  tpSimNao indTreinAnt{};
  TIdeProfRespCollection ideProfResp;
};

class TTreiCap {
 public:
  std::string codTreiCap;
  std::string obsTreiCap;
  TInfoComplem infoComplem;
};

class TEvtTreiCap : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;

  TIdeEvento2 IdeEvento;
  TIdeEmpregador IdeEmpregador;
  TIdeVinculo IdeVinculo;
  TTreiCap treiCap;

  bool GerarXML() override;
  bool LerArqIni(const std::string& AIniString) override;
};

class TS2245CollectionItem : public TItemEvento<TEvtTreiCap, teS2245> {
 public:
  using TItemEvento::TItemEvento;
  TEvtTreiCap& EvtTreiCap() const { return Evento(); }
};

class TS2245Collection : public TColecaoEventos<TS2245CollectionItem> {
 public:
  using TColecaoEventos::TColecaoEventos;
  TS2245CollectionItem& Add() { return New(); }
};

}  // namespace esocial::s2245

namespace esocial {
using s2245::TEvtTreiCap;
using s2245::TS2245Collection;
using s2245::TS2245CollectionItem;
}  // namespace esocial
