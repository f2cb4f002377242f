#pragma once
// S-1250, rural production acquisition: the event unit. The event's model, writer and INI reader belong here; until
// they are, the event holds, signs and validates its document only.
#include "esocial/events/event_unit.h"

namespace esocial::s1250 {

class TEvtAqProd : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;
};

class TS1250CollectionItem : public TItemEvento<TEvtAqProd, teS1250> {
 public:
  using TItemEvento::TItemEvento;
  TEvtAqProd& EvtAqProd() const { return Evento(); }
};

class TS1250Collection : public TColecaoEventos<TS1250CollectionItem> {
 public:
  using TColecaoEventos::TColecaoEventos;
  TS1250CollectionItem& Add() { return New(); }
};

}  // namespace esocial::s1250

namespace esocial {
using s1250::TEvtAqProd;
using s1250::TS1250Collection;
using s1250::TS1250CollectionItem;
}  // namespace esocial
