#pragma once
// S-1280, complementary periodic information: the event unit. The event's model, writer and INI reader belong here;
// until they are, the event holds, signs and validates its document only.
#include "esocial/events/event_unit.h"

namespace esocial::s1280 {

class TEvtInfoComplPer : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;
};

class TS1280CollectionItem : public TItemEvento<TEvtInfoComplPer, teS1280> {
 public:
  using TItemEvento::TItemEvento;
  TEvtInfoComplPer& EvtInfoComplPer() const { return Evento(); }
};

class TS1280Collection : public TColecaoEventos<TS1280CollectionItem> {
 public:
  using TColecaoEventos::TColecaoEventos;
  TS1280CollectionItem& Add() { return New(); }
};

}  // namespace esocial::s1280

namespace esocial {
using s1280::TEvtInfoComplPer;
using s1280::TS1280Collection;
using s1280::TS1280CollectionItem;
}  // namespace esocial
