#pragma once
// S-2306, contract change of a worker without employment bond: the event unit. The event's model, writer and INI reader
// belong here; until they are, the event holds, signs and validates its document only.
#include "esocial/events/event_unit.h"

namespace esocial::s2306 {

class TEvtTSVAltContr : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;
};

class TS2306CollectionItem : public TItemEvento<TEvtTSVAltContr, teS2306> {
 public:
  using TItemEvento::TItemEvento;
  TEvtTSVAltContr& EvtTSVAltContr() const { return Evento(); }
};

class TS2306Collection : public TColecaoEventos<TS2306CollectionItem> {
 public:
  using TColecaoEventos::TColecaoEventos;
  TS2306CollectionItem& Add() { return New(); }
};

}  // namespace esocial::s2306

namespace esocial {
using s2306::TEvtTSVAltContr;
using s2306::TS2306Collection;
using s2306::TS2306CollectionItem;
}  // namespace esocial
