#pragma once
// S-2299, termination of employment: the event unit. The event's model, writer and INI reader belong here; until
// they are, the event holds, signs and validates its document only.
#include "esocial/events/event_unit.h"

namespace esocial::s2299 {

class TEvtDeslig : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;
};

class TS2299CollectionItem : public TItemEvento<TEvtDeslig, teS2299> {
 public:
  using TItemEvento::TItemEvento;
  TEvtDeslig& EvtDeslig() const { return Evento(); }
};

class TS2299Collection : public TColecaoEventos<TS2299CollectionItem> {
 public:
  using TColecaoEventos::TColecaoEventos;
  TS2299CollectionItem& Add() { return New(); }
};

}  // namespace esocial::s2299

namespace esocial {
using s2299::TEvtDeslig;
using s2299::TS2299Collection;
using s2299::TS2299CollectionItem;
}  // namespace esocial
