#pragma once
// S-1005, establishment table: the event unit. The event's model, writer and INI reader belong here; until
// they are, the event holds, signs and validates its document only.
#include "esocial/events/event_unit.h"

namespace esocial::s1005 {

class TEvtTabEstab : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;
};

class TS1005CollectionItem : public TItemEvento<TEvtTabEstab, teS1005> {
 public:
  using TItemEvento::TItemEvento;
  TEvtTabEstab& evtTabEstab() const { return Evento(); }
};

class TS1005Collection : public TColecaoEventos<TS1005CollectionItem> {
 public:
  using TColecaoEventos::TColecaoEventos;
  TS1005CollectionItem& Add() { return New(); }
};

}  // namespace esocial::s1005

namespace esocial {
using s1005::TEvtTabEstab;
using s1005::TS1005Collection;
using s1005::TS1005CollectionItem;
}  // namespace esocial
