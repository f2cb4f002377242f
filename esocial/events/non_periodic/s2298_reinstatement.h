#pragma once
// S-2298, reinstatement: the event unit. The event's model, writer and INI reader belong here; until
// they are, the event holds, signs and validates its document only.
#include "esocial/events/event_unit.h"

namespace esocial::s2298 {

class TEvtReintegr : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;
};

class TS2298CollectionItem : public TItemEvento<TEvtReintegr, teS2298> {
 public:
  using TItemEvento::TItemEvento;
  TEvtReintegr& EvtReintegr() const { return Evento(); }
};

class TS2298Collection : public TColecaoEventos<TS2298CollectionItem> {
 public:
  using TColecaoEventos::TColecaoEventos;
  TS2298CollectionItem& Add() { return New(); }
};

}  // namespace esocial::s2298

namespace esocial {
using s2298::TEvtReintegr;
using s2298::TS2298Collection;
using s2298::TS2298CollectionItem;
}  // namespace esocial
