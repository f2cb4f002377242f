#pragma once
// S-2250, prior notice: the event unit. The event's model, writer and INI reader belong here; until
// they are, the event holds, signs and validates its document only.
#include "esocial/events/event_unit.h"

namespace esocial::s2250 {

class TEvtAvPrevio : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;
};

class TS2250CollectionItem : public TItemEvento<TEvtAvPrevio, teS2250> {
 public:
  using TItemEvento::TItemEvento;
  TEvtAvPrevio& EvtAvPrevio() const { return Evento(); }
};

class TS2250Collection : public TColecaoEventos<TS2250CollectionItem> {
 public:
  using TColecaoEventos::TColecaoEventos;
  TS2250CollectionItem& Add() { return New(); }
};

}  // namespace esocial::s2250

namespace esocial {
using s2250::TEvtAvPrevio;
using s2250::TS2250Collection;
using s2250::TS2250CollectionItem;
}  // namespace esocial
