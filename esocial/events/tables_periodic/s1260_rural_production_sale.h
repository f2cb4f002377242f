#pragma once
// S-1260, rural production commercialisation: the event unit. The event's model, writer and INI reader belong here;
// until they are, the event holds, signs and validates its document only.
#include "esocial/events/event_unit.h"

namespace esocial::s1260 {

class TEvtComProd : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;
};

class TS1260CollectionItem : public TItemEvento<TEvtComProd, teS1260> {
 public:
  using TItemEvento::TItemEvento;
  TEvtComProd& EvtComProd() const { return Evento(); }
};

class TS1260Collection : public TColecaoEventos<TS1260CollectionItem> {
 public:
  using TColecaoEventos::TColecaoEventos;
  TS1260CollectionItem& Add() { return New(); }
};

}  // namespace esocial::s1260

namespace esocial {
using s1260::TEvtComProd;
using s1260::TS1260Collection;
using s1260::TS1260CollectionItem;
}  // namespace esocial
