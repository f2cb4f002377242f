#pragma once
// S-2260, intermittent work call: the event unit. The event's model, writer and INI reader belong here; until
// they are, the event holds, signs and validates its document only.
#include "esocial/events/event_unit.h"

namespace esocial::s2260 {

class TEvtConvInterm : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;
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
