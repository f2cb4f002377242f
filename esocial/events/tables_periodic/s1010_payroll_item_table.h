#pragma once
// S-1010, payroll item table: the event unit. The event's model, writer and INI reader belong here; until
// they are, the event holds, signs and validates its document only.
#include "esocial/events/event_unit.h"

namespace esocial::s1010 {

class TEvtTabRubrica : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;
  // Reads the stored (signed) document into the event's fields; reads nothing until the
  // model is here.
  bool LerXML() { return false; }
};

class TS1010CollectionItem : public TItemEvento<TEvtTabRubrica, teS1010> {
 public:
  using TItemEvento::TItemEvento;
  TEvtTabRubrica& EvtTabRubrica() const { return Evento(); }
};

class TS1010Collection : public TColecaoEventos<TS1010CollectionItem> {
 public:
  using TColecaoEventos::TColecaoEventos;
  TS1010CollectionItem& Add() { return New(); }
};

}  // namespace esocial::s1010

namespace esocial {
using s1010::TEvtTabRubrica;
using s1010::TS1010Collection;
using s1010::TS1010CollectionItem;
}  // namespace esocial
