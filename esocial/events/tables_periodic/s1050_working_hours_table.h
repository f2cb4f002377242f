#pragma once
// S-1050, working hours and shift table: the event unit. The event's model, writer and INI reader belong here; until
// they are, the event holds, signs and validates its document only.
#include "esocial/events/event_unit.h"

namespace esocial::s1050 {

class TEvtTabHorTur : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;
};

class TS1050CollectionItem : public TItemEvento<TEvtTabHorTur, teS1050> {
 public:
  using TItemEvento::TItemEvento;
  TEvtTabHorTur& EvtTabHorContratual() const { return Evento(); }
};

class TS1050Collection : public TColecaoEventos<TS1050CollectionItem> {
 public:
  using TColecaoEventos::TColecaoEventos;
  TS1050CollectionItem& Add() { return New(); }
};

}  // namespace esocial::s1050

namespace esocial {
using s1050::TEvtTabHorTur;
using s1050::TS1050Collection;
using s1050::TS1050CollectionItem;
}  // namespace esocial
