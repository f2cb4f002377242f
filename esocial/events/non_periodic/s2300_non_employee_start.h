#pragma once
// S-2300, start of a worker without employment bond: the event unit. The event's model, writer and INI reader belong
// here; until they are, the event holds, signs and validates its document only.
#include "esocial/events/event_unit.h"

namespace esocial::s2300 {

class TEvtTSVInicio : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;
};

class TS2300CollectionItem : public TItemEvento<TEvtTSVInicio, teS2300> {
 public:
  using TItemEvento::TItemEvento;
  TEvtTSVInicio& EvtTSVInicio() const { return Evento(); }
};

class TS2300Collection : public TColecaoEventos<TS2300CollectionItem> {
 public:
  using TColecaoEventos::TColecaoEventos;
  TS2300CollectionItem& Add() { return New(); }
};

}  // namespace esocial::s2300

namespace esocial {
using s2300::TEvtTSVInicio;
using s2300::TS2300Collection;
using s2300::TS2300CollectionItem;
}  // namespace esocial
