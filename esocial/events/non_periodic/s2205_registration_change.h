#pragma once
// S-2205, change of worker registration data: the event unit. The event's model, writer and INI reader belong here;
// until they are, the event holds, signs and validates its document only.
#include "esocial/events/event_unit.h"

namespace esocial::s2205 {

class TEvtAltCadastral : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;
};

class TS2205CollectionItem : public TItemEvento<TEvtAltCadastral, teS2205> {
 public:
  using TItemEvento::TItemEvento;
  TEvtAltCadastral& EvtAltCadastral() const { return Evento(); }
};

class TS2205Collection : public TColecaoEventos<TS2205CollectionItem> {
 public:
  using TColecaoEventos::TColecaoEventos;
  TS2205CollectionItem& Add() { return New(); }
};

}  // namespace esocial::s2205

namespace esocial {
using s2205::TEvtAltCadastral;
using s2205::TS2205Collection;
using s2205::TS2205CollectionItem;
}  // namespace esocial
