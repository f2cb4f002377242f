#pragma once
// S-1035, career table: the event unit. The event's model, writer and INI reader belong here; until
// they are, the event holds, signs and validates its document only.
#include "esocial/events/event_unit.h"

namespace esocial::s1035 {

class TEvtTabCarreira : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;
};

class TS1035CollectionItem : public TItemEvento<TEvtTabCarreira, teS1035> {
 public:
  using TItemEvento::TItemEvento;
  TEvtTabCarreira& evtTabCarreira() const { return Evento(); }
};

class TS1035Collection : public TColecaoEventos<TS1035CollectionItem> {
 public:
  using TColecaoEventos::TColecaoEventos;
  TS1035CollectionItem& Add() { return New(); }
};

}  // namespace esocial::s1035

namespace esocial {
using s1035::TEvtTabCarreira;
using s1035::TS1035Collection;
using s1035::TS1035CollectionItem;
}  // namespace esocial
