#pragma once
// S-1295, contingency totalisation request: the event unit. The event's model, writer and INI reader belong here; until
// they are, the event holds, signs and validates its document only.
#include "esocial/events/event_unit.h"

namespace esocial::s1295 {

class TEvtTotConting : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;
};

class TS1295CollectionItem : public TItemEvento<TEvtTotConting, teS1295> {
 public:
  using TItemEvento::TItemEvento;
  TEvtTotConting& evtTotConting() const { return Evento(); }
};

class TS1295Collection : public TColecaoEventos<TS1295CollectionItem> {
 public:
  using TColecaoEventos::TColecaoEventos;
  TS1295CollectionItem& Add() { return New(); }
};

}  // namespace esocial::s1295

namespace esocial {
using s1295::TEvtTotConting;
using s1295::TS1295Collection;
using s1295::TS1295CollectionItem;
}  // namespace esocial
