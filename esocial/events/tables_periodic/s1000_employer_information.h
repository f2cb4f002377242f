#pragma once
// S-1000, employer information: the event unit. The event's model, writer and INI reader belong here; until
// they are, the event holds, signs and validates its document only.
#include "esocial/events/event_unit.h"

namespace esocial::s1000 {

class TevtInfoEmpregador : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;
};

class TS1000CollectionItem : public TItemEvento<TevtInfoEmpregador, teS1000> {
 public:
  using TItemEvento::TItemEvento;
  TevtInfoEmpregador& evtInfoEmpregador() const { return Evento(); }
};

class TS1000Collection : public TColecaoEventos<TS1000CollectionItem> {
 public:
  using TColecaoEventos::TColecaoEventos;
  TS1000CollectionItem& Add() { return New(); }
};

}  // namespace esocial::s1000

namespace esocial {
using s1000::TevtInfoEmpregador;
using s1000::TS1000Collection;
using s1000::TS1000CollectionItem;
}  // namespace esocial
