#pragma once
// S-1207, own-pension-regime benefits: the event unit. The event's model, writer and INI reader belong here; until
// they are, the event holds, signs and validates its document only.
#include "esocial/events/event_unit.h"

namespace esocial::s1207 {

class TEvtBenPrRP : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;
};

class TS1207CollectionItem : public TItemEvento<TEvtBenPrRP, teS1207> {
 public:
  using TItemEvento::TItemEvento;
  TEvtBenPrRP& evtBenPrRP() const { return Evento(); }
};

class TS1207Collection : public TColecaoEventos<TS1207CollectionItem> {
 public:
  using TColecaoEventos::TColecaoEventos;
  TS1207CollectionItem& Add() { return New(); }
};

}  // namespace esocial::s1207

namespace esocial {
using s1207::TEvtBenPrRP;
using s1207::TS1207Collection;
using s1207::TS1207CollectionItem;
}  // namespace esocial
