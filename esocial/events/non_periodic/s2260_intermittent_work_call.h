#pragma once
// S-2260, intermittent work call: the call of an intermittent worker for a period of work, with
// its code, dates, expected payment date, working hours and workplace.
#include <string>

#include "esocial/events/event_unit.h"

namespace esocial::s2260 {

class Tjornada {
 public:
  std::string codHorContrat;
  std::string dscJornada;
};

class TlocalTrab {
 public:
  std::string indLocal;
  TBrasil localTrabInterm;
};

class TInfoConvInterm {
 public:
  std::string codConv;
  platform::TDateTime dtInicio = 0;
  platform::TDateTime dtFim = 0;
  platform::TDateTime dtPrevPgto = 0;
  Tjornada jornada;
  TlocalTrab localTrab;
};

class TEvtConvInterm : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;

  TIdeEvento2 IdeEvento;
  TIdeEmpregador IdeEmpregador;
  TIdeVinculo IdeVinculo;
  TInfoConvInterm InfoConvInterm;

  bool GerarXML() override;
  bool LerArqIni(const std::string& AIniString) override;
};

class TS2260CollectionItem : public TItemEvento<TEvtConvInterm, teS2260> {
 public:
  using TItemEvento::TItemEvento;
  TEvtConvInterm& EvtConvInterm() const { return Evento(); }
};

class TS2260Collection : public TColecaoEventos<TS2260CollectionItem> {
 public:
  using TColecaoEventos::TColecaoEventos;
  TS2260CollectionItem& Add() { return New(); }
};

}  // namespace esocial::s2260

namespace esocial {
using s2260::TEvtConvInterm;
using s2260::TS2260Collection;
using s2260::TS2260CollectionItem;
}  // namespace esocial
