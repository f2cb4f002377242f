#pragma once
// S-1070, administrative and judicial process table: the event unit. The event's model, writer and INI reader belong
// here; until they are, the event holds, signs and validates its document only.
#include "esocial/events/event_unit.h"

namespace esocial::s1070 {

class TEvtTabProcesso : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;
};

class TS1070CollectionItem : public TItemEvento<TEvtTabProcesso, teS1070> {
 public:
  using TItemEvento::TItemEvento;
  TEvtTabProcesso& EvtTabProcesso() const { return Evento(); }
};

class TS1070Collection : public TColecaoEventos<TS1070CollectionItem> {
 public:
  using TColecaoEventos::TColecaoEventos;
  TS1070CollectionItem& Add() { return New(); }
};

}  // namespace esocial::s1070

namespace esocial {
using s1070::TEvtTabProcesso;
using s1070::TS1070Collection;
using s1070::TS1070CollectionItem;
}  // namespace esocial
