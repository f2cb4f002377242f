#pragma once
// S-2230, temporary leave: the event unit. The event's model, writer and INI reader belong here; until
// they are, the event holds, signs and validates its document only.
#include "esocial/events/event_unit.h"

namespace esocial::s2230 {

class TEvtAfastTemp : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;
};

class TS2230CollectionItem : public TItemEvento<TEvtAfastTemp, teS2230> {
 public:
  using TItemEvento::TItemEvento;
  TEvtAfastTemp& EvtAfastTemp() const { return Evento(); }
};

class TS2230Collection : public TColecaoEventos<TS2230CollectionItem> {
 public:
  using TColecaoEventos::TColecaoEventos;
  TS2230CollectionItem& Add() { return New(); }
};

}  // namespace esocial::s2230

namespace esocial {
using s2230::TEvtAfastTemp;
using s2230::TS2230Collection;
using s2230::TS2230CollectionItem;
}  // namespace esocial
