#pragma once
// S-1270, casual non-port workers hiring: per establishment and tax allocation, the month's
// contribution bases of the casual non-port workers engaged and the contribution deducted.
#include <string>

#include "esocial/events/event_unit.h"

namespace esocial::s1270 {

class TRemunAvNPItem {
 public:
  tpTpInsc tpInsc{};
  std::string nrInsc;
  std::string codLotacao;
  double vrBcCp00 = 0;
  double vrBcCp15 = 0;
  double vrBcCp20 = 0;
  double vrBcCp25 = 0;
  double vrBcCp13 = 0;
  double vrBcFgts = 0;
  double vrDescCP = 0;
};

class TRemunAvNPColecao : public platform::TTrivoObjectList<TRemunAvNPItem> {
 public:
  TRemunAvNPItem& Add() { return New(); }
};

class TEvtContratAvNP : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;

  TIdeEvento3 IdeEvento;
  TIdeEmpregador IdeEmpregador;
  TRemunAvNPColecao remunAvNp;

  bool GerarXML() override;
  bool LerArqIni(const std::string& AIniString) override;
};

class TS1270CollectionItem : public TItemEvento<TEvtContratAvNP, teS1270> {
 public:
  using TItemEvento::TItemEvento;
  TEvtContratAvNP& EvtContratAvNP() const { return Evento(); }
};

class TS1270Collection : public TColecaoEventos<TS1270CollectionItem> {
 public:
  using TColecaoEventos::TColecaoEventos;
  TS1270CollectionItem& Add() { return New(); }
};

}  // namespace esocial::s1270

namespace esocial {
using s1270::TEvtContratAvNP;
using s1270::TS1270Collection;
using s1270::TS1270CollectionItem;
}  // namespace esocial
