#pragma once
// S-2245, training and qualification: the event unit. The event's model, writer and INI reader belong here; until
// they are, the event holds, signs and validates its document only.
#include "esocial/events/event_unit.h"

namespace esocial::s2245 {

class TEvtTreiCap : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;
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
