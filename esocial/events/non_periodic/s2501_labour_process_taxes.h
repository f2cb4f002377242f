#pragma once
// S-2501, taxes of a labour process: the event unit. The event's model, writer and INI reader belong here; until
// they are, the event holds, signs and validates its document only.
#include "esocial/events/event_unit.h"

namespace esocial::s2501 {

class TEvtContProc : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;
};

class TS2501CollectionItem : public TItemEvento<TEvtContProc, teS2501> {
 public:
  using TItemEvento::TItemEvento;
  TEvtContProc& EvtContProc() const { return Evento(); }
};

class TS2501Collection : public TColecaoEventos<TS2501CollectionItem> {
 public:
  using TColecaoEventos::TColecaoEventos;
};

}  // namespace esocial::s2501

namespace esocial {
using s2501::TEvtContProc;
using s2501::TS2501Collection;
using s2501::TS2501CollectionItem;
}  // namespace esocial
