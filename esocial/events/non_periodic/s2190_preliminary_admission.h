#pragma once
// S-2190, preliminary admission record: the event unit. The event's model, writer and INI reader belong here; until
// they are, the event holds, signs and validates its document only.
#include "esocial/events/event_unit.h"

namespace esocial::s2190 {

class TEvtAdmPrelim : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;
};

class TS2190CollectionItem : public TItemEvento<TEvtAdmPrelim, teS2190> {
 public:
  using TItemEvento::TItemEvento;
  TEvtAdmPrelim& EvtAdmPrelim() const { return Evento(); }
};

class TS2190Collection : public TColecaoEventos<TS2190CollectionItem> {
 public:
  using TColecaoEventos::TColecaoEventos;
  TS2190CollectionItem& Add() { return New(); }
};

}  // namespace esocial::s2190

namespace esocial {
using s2190::TEvtAdmPrelim;
using s2190::TS2190Collection;
using s2190::TS2190CollectionItem;
}  // namespace esocial
