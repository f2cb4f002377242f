#pragma once
// S-1202, own-pension-regime servant remuneration: the event unit. The event's model, writer and INI reader belong
// here; until they are, the event holds, signs and validates its document only.
#include "esocial/events/event_unit.h"

namespace esocial::s1202 {

class TEvtRmnRPPS : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;
};

class TS1202CollectionItem : public TItemEvento<TEvtRmnRPPS, teS1202> {
 public:
  using TItemEvento::TItemEvento;
  TEvtRmnRPPS& evtRmnRPPS() const { return Evento(); }
};

class TS1202Collection : public TColecaoEventos<TS1202CollectionItem> {
 public:
  using TColecaoEventos::TColecaoEventos;
  TS1202CollectionItem& Add() { return New(); }
};

}  // namespace esocial::s1202

namespace esocial {
using s1202::TEvtRmnRPPS;
using s1202::TS1202Collection;
using s1202::TS1202CollectionItem;
}  // namespace esocial
