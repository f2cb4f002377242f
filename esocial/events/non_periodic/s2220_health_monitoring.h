#pragma once
// S-2220, occupational health monitoring: the event unit. The event's model, writer and INI reader belong here; until
// they are, the event holds, signs and validates its document only.
#include "esocial/events/event_unit.h"

namespace esocial::s2220 {

class TevtMonit : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;
  // Reads the stored (signed) document into the event's fields; reads nothing until the
  // model is here.
  bool LerXML() { return false; }
};

class TS2220CollectionItem : public TItemEvento<TevtMonit, teS2220> {
 public:
  using TItemEvento::TItemEvento;
  TevtMonit& evtMonit() const { return Evento(); }
};

class TS2220Collection : public TColecaoEventos<TS2220CollectionItem> {
 public:
  using TColecaoEventos::TColecaoEventos;
  TS2220CollectionItem& Add() { return New(); }
};

}  // namespace esocial::s2220

namespace esocial {
using s2220::TevtMonit;
using s2220::TS2220Collection;
using s2220::TS2220CollectionItem;
}  // namespace esocial
