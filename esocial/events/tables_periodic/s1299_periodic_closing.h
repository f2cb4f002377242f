#pragma once
// S-1299, periodic events closing: the event unit. The event's model, writer and INI reader belong here; until
// they are, the event holds, signs and validates its document only.
#include "esocial/events/event_unit.h"

namespace esocial::s1299 {

class TEvtFechaEvPer : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;
};

class TS1299CollectionItem : public TItemEvento<TEvtFechaEvPer, teS1299> {
 public:
  using TItemEvento::TItemEvento;
  TEvtFechaEvPer& EvtFechaEvPer() const { return Evento(); }
};

class TS1299Collection : public TColecaoEventos<TS1299CollectionItem> {
 public:
  using TColecaoEventos::TColecaoEventos;
  TS1299CollectionItem& Add() { return New(); }
};

}  // namespace esocial::s1299

namespace esocial {
using s1299::TEvtFechaEvPer;
using s1299::TS1299Collection;
using s1299::TS1299CollectionItem;
}  // namespace esocial
