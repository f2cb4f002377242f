#pragma once
// S-1060, work environment table: the event unit. The event's model, writer and INI reader belong here; until
// they are, the event holds, signs and validates its document only.
#include "esocial/events/event_unit.h"

namespace esocial::s1060 {

class TEvtTabAmbiente : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;
  // Reads the stored (signed) document into the event's fields; reads nothing until the
  // model is here.
  bool LerXML() { return false; }
};

class TS1060CollectionItem : public TItemEvento<TEvtTabAmbiente, teS1060> {
 public:
  using TItemEvento::TItemEvento;
  TEvtTabAmbiente& EvtTabAmbiente() const { return Evento(); }
};

class TS1060Collection : public TColecaoEventos<TS1060CollectionItem> {
 public:
  using TColecaoEventos::TColecaoEventos;
  TS1060CollectionItem& Add() { return New(); }
};

}  // namespace esocial::s1060

namespace esocial {
using s1060::TEvtTabAmbiente;
using s1060::TS1060Collection;
using s1060::TS1060CollectionItem;
}  // namespace esocial
