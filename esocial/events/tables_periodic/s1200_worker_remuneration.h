#pragma once
// S-1200, worker remuneration: the event unit. The event's model, writer and INI reader belong here; until
// they are, the event holds, signs and validates its document only.
#include "esocial/events/event_unit.h"

namespace esocial::s1200 {

class TEvtRemun : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;
};

class TS1200CollectionItem : public TItemEvento<TEvtRemun, teS1200> {
 public:
  using TItemEvento::TItemEvento;
  TEvtRemun& evtRemun() const { return Evento(); }
};

class TS1200Collection : public TColecaoEventos<TS1200CollectionItem> {
 public:
  using TColecaoEventos::TColecaoEventos;
  TS1200CollectionItem& Add() { return New(); }
};

}  // namespace esocial::s1200

namespace esocial {
using s1200::TEvtRemun;
using s1200::TS1200Collection;
using s1200::TS1200CollectionItem;
}  // namespace esocial
