#pragma once
// S-1300, employer union contribution: for one period of assessment, the contributions the
// employer paid to each union.
#include <string>

#include "esocial/events/event_unit.h"

namespace esocial::s1300 {

class TContribSindItem {
 public:
  std::string cnpjSindic;
  std::string tpContribSind;  // the layout's code, one digit
  double vlrContribSind = 0;
};

class TContribSindColecao : public platform::TTrivoObjectList<TContribSindItem> {
 public:
  TContribSindItem& Add() { return New(); }
};

class TEvtContrSindPatr : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;

  TIdeEvento3 IdeEvento;
  TIdeEmpregador IdeEmpregador;
  TContribSindColecao ContribSind;

  bool GerarXML() override;
  bool LerArqIni(const std::string& AIniString) override;
};

class TS1300CollectionItem : public TItemEvento<TEvtContrSindPatr, teS1300> {
 public:
  using TItemEvento::TItemEvento;
  TEvtContrSindPatr& EvtContrSindPatr() const { return Evento(); }
};

class TS1300Collection : public TColecaoEventos<TS1300CollectionItem> {
 public:
  using TColecaoEventos::TColecaoEventos;
  TS1300CollectionItem& Add() { return New(); }
};

}  // namespace esocial::s1300

namespace esocial {
using s1300::TEvtContrSindPatr;
using s1300::TS1300Collection;
using s1300::TS1300CollectionItem;
}  // namespace esocial
