#pragma once
// S-1030, job position table: the event unit. The event's model, writer and INI reader belong here; until
// they are, the event holds, signs and validates its document only.
#include "esocial/events/event_unit.h"

namespace esocial::s1030 {

class TEvtTabCargo : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;
};

class TS1030CollectionItem : public TItemEvento<TEvtTabCargo, teS1030> {
 public:
  using TItemEvento::TItemEvento;
  TEvtTabCargo& EvtTabCargo() const { return Evento(); }
};

class TS1030Collection : public TColecaoEventos<TS1030CollectionItem> {
 public:
  using TColecaoEventos::TColecaoEventos;
  TS1030CollectionItem& Add() { return New(); }
};

}  // namespace esocial::s1030

namespace esocial {
using s1030::TEvtTabCargo;
using s1030::TS1030Collection;
using s1030::TS1030CollectionItem;
}  // namespace esocial
