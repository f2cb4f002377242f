#pragma once
// S-2240, exposure to risk agents: the event unit. The event's model, writer and INI reader belong here; until
// they are, the event holds, signs and validates its document only.
#include "esocial/events/event_unit.h"

namespace esocial::s2240 {

class TEvtExpRisco : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;
  // Reads the stored (signed) document into the event's fields; reads nothing until the
  // model is here.
  bool LerXML() { return false; }
};

class TS2240CollectionItem : public TItemEvento<TEvtExpRisco, teS2240> {
 public:
  using TItemEvento::TItemEvento;
  TEvtExpRisco& EvtExpRisco() const { return Evento(); }
};

class TS2240Collection : public TColecaoEventos<TS2240CollectionItem> {
 public:
  using TColecaoEventos::TColecaoEventos;
  TS2240CollectionItem& Add() { return New(); }
};

}  // namespace esocial::s2240

namespace esocial {
using s2240::TEvtExpRisco;
using s2240::TS2240Collection;
using s2240::TS2240CollectionItem;
}  // namespace esocial
