#pragma once
// S-1300, employer union contribution: the event unit. The event's model, writer and INI reader belong here; until
// they are, the event holds, signs and validates its document only.
#include "esocial/events/event_unit.h"

namespace esocial::s1300 {

class TEvtContrSindPatr : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;
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
