#pragma once
// S-2210, work accident communication: the event unit. The event's model, writer and INI reader belong here; until
// they are, the event holds, signs and validates its document only.
#include "esocial/events/event_unit.h"

namespace esocial::s2210 {

class TEvtCAT : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;
  // Reads the stored (signed) document into the event's fields; reads nothing until the
  // model is here.
  bool LerXML() { return false; }
};

class TS2210CollectionItem : public TItemEvento<TEvtCAT, teS2210> {
 public:
  using TItemEvento::TItemEvento;
  TEvtCAT& EvtCAT() const { return Evento(); }
};

class TS2210Collection : public TColecaoEventos<TS2210CollectionItem> {
 public:
  using TColecaoEventos::TColecaoEventos;
  TS2210CollectionItem& Add() { return New(); }
};

}  // namespace esocial::s2210

namespace esocial {
using s2210::TEvtCAT;
using s2210::TS2210Collection;
using s2210::TS2210CollectionItem;
}  // namespace esocial
