#pragma once
// S-1270, casual non-port workers hiring: the event unit. The event's model, writer and INI reader belong here; until
// they are, the event holds, signs and validates its document only.
#include "esocial/events/event_unit.h"

namespace esocial::s1270 {

class TEvtContratAvNP : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;
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
