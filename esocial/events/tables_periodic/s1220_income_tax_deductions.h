#pragma once
// S-1220, income-tax deduction information: the event unit. The event's model, writer and INI reader belong here; until
// they are, the event holds, signs and validates its document only.
#include "esocial/events/event_unit.h"

namespace esocial::s1220 {

class TEvtInfoIR : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;
};

class TS1220CollectionItem : public TItemEvento<TEvtInfoIR, teS1220> {
 public:
  using TItemEvento::TItemEvento;
  TEvtInfoIR& EvtInfoIR() const { return Evento(); }
};

class TS1220Collection : public TColecaoEventos<TS1220CollectionItem> {
 public:
  using TColecaoEventos::TColecaoEventos;
};

}  // namespace esocial::s1220

namespace esocial {
using s1220::TEvtInfoIR;
using s1220::TS1220Collection;
using s1220::TS1220CollectionItem;
}  // namespace esocial
