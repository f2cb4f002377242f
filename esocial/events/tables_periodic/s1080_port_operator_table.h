#pragma once
// S-1080, port operator table: the event unit. The event's model, writer and INI reader belong here; until
// they are, the event holds, signs and validates its document only.
#include "esocial/events/event_unit.h"

namespace esocial::s1080 {

class TEvtTabOperPort : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;
};

class TS1080CollectionItem : public TItemEvento<TEvtTabOperPort, teS1080> {
 public:
  using TItemEvento::TItemEvento;
  TEvtTabOperPort& EvtTabOperPortuario() const { return Evento(); }
};

class TS1080Collection : public TColecaoEventos<TS1080CollectionItem> {
 public:
  using TColecaoEventos::TColecaoEventos;
  TS1080CollectionItem& Add() { return New(); }
};

}  // namespace esocial::s1080

namespace esocial {
using s1080::TEvtTabOperPort;
using s1080::TS1080Collection;
using s1080::TS1080CollectionItem;
}  // namespace esocial
