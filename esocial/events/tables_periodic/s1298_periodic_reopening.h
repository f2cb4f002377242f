#pragma once
// S-1298, periodic events reopening: the event unit. The event's model, writer and INI reader belong here; until
// they are, the event holds, signs and validates its document only.
#include "esocial/events/event_unit.h"

namespace esocial::s1298 {

class TEvtReabreEvPer : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;
};

class TS1298CollectionItem : public TItemEvento<TEvtReabreEvPer, teS1298> {
 public:
  using TItemEvento::TItemEvento;
  TEvtReabreEvPer& EvtReabreEvPer() const { return Evento(); }
};

class TS1298Collection : public TColecaoEventos<TS1298CollectionItem> {
 public:
  using TColecaoEventos::TColecaoEventos;
  TS1298CollectionItem& Add() { return New(); }
};

}  // namespace esocial::s1298

namespace esocial {
using s1298::TEvtReabreEvPer;
using s1298::TS1298Collection;
using s1298::TS1298CollectionItem;
}  // namespace esocial
