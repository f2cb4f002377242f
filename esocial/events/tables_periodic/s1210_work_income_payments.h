#pragma once
// S-1210, payments of work income: the event unit. The event's model, writer and INI reader belong here; until
// they are, the event holds, signs and validates its document only.
#include "esocial/events/event_unit.h"

namespace esocial::s1210 {

class TEvtPgtos : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;
};

class TS1210CollectionItem : public TItemEvento<TEvtPgtos, teS1210> {
 public:
  using TItemEvento::TItemEvento;
  TEvtPgtos& evtPgtos() const { return Evento(); }
};

class TS1210Collection : public TColecaoEventos<TS1210CollectionItem> {
 public:
  using TColecaoEventos::TColecaoEventos;
  TS1210CollectionItem& Add() { return New(); }
};

}  // namespace esocial::s1210

namespace esocial {
using s1210::TEvtPgtos;
using s1210::TS1210Collection;
using s1210::TS1210CollectionItem;
}  // namespace esocial
