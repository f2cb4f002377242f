#pragma once
// S-2399, termination of a worker without employment bond: the event unit. The event's model, writer and INI reader
// belong here; until they are, the event holds, signs and validates its document only.
#include "esocial/events/event_unit.h"

namespace esocial::s2399 {

class TEvtTSVTermino : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;
};

class TS2399CollectionItem : public TItemEvento<TEvtTSVTermino, teS2399> {
 public:
  using TItemEvento::TItemEvento;
  TEvtTSVTermino& EvtTSVTermino() const { return Evento(); }
};

class TS2399Collection : public TColecaoEventos<TS2399CollectionItem> {
 public:
  using TColecaoEventos::TColecaoEventos;
  TS2399CollectionItem& Add() { return New(); }
};

}  // namespace esocial::s2399

namespace esocial {
using s2399::TEvtTSVTermino;
using s2399::TS2399Collection;
using s2399::TS2399CollectionItem;
}  // namespace esocial
