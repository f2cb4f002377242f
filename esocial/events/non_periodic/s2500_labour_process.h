#pragma once
// S-2500, labour process: the event unit. The event's model, writer and INI reader belong here; until
// they are, the event holds, signs and validates its document only.
#include "esocial/events/event_unit.h"

namespace esocial::s2500 {

class TEvtProcTrab : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;
};

class TS2500CollectionItem : public TItemEvento<TEvtProcTrab, teS2500> {
 public:
  using TItemEvento::TItemEvento;
  TEvtProcTrab& EvtProcTrab() const { return Evento(); }
};

class TS2500Collection : public TColecaoEventos<TS2500CollectionItem> {
 public:
  using TColecaoEventos::TColecaoEventos;
};

}  // namespace esocial::s2500

namespace esocial {
using s2500::TEvtProcTrab;
using s2500::TS2500Collection;
using s2500::TS2500CollectionItem;
}  // namespace esocial
