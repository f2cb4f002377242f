#pragma once
// S-2206, change of employment contract: the event unit. The event's model, writer and INI reader belong here; until
// they are, the event holds, signs and validates its document only.
#include "esocial/events/event_unit.h"

namespace esocial::s2206 {

class TEvtAltContratual : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;
};

class TS2206CollectionItem : public TItemEvento<TEvtAltContratual, teS2206> {
 public:
  using TItemEvento::TItemEvento;
  TEvtAltContratual& EvtAltContratual() const { return Evento(); }
};

class TS2206Collection : public TColecaoEventos<TS2206CollectionItem> {
 public:
  using TColecaoEventos::TColecaoEventos;
  TS2206CollectionItem& Add() { return New(); }
};

}  // namespace esocial::s2206

namespace esocial {
using s2206::TEvtAltContratual;
using s2206::TS2206Collection;
using s2206::TS2206CollectionItem;
}  // namespace esocial
