#pragma once
// S-2418, reactivation of a benefit: the event unit. The event's model, writer and INI reader belong here; until
// they are, the event holds, signs and validates its document only.
#include "esocial/events/event_unit.h"

namespace esocial::s2418 {

class TEvtReativBen : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;
};

class TS2418CollectionItem : public TItemEvento<TEvtReativBen, teS2418> {
 public:
  using TItemEvento::TItemEvento;
  TEvtReativBen& EvtReativBen() const { return Evento(); }
};

class TS2418Collection : public TColecaoEventos<TS2418CollectionItem> {
 public:
  using TColecaoEventos::TColecaoEventos;
  TS2418CollectionItem& Add() { return New(); }
};

}  // namespace esocial::s2418

namespace esocial {
using s2418::TEvtReativBen;
using s2418::TS2418Collection;
using s2418::TS2418CollectionItem;
}  // namespace esocial
