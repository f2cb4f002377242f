#pragma once
// S-2221, toxicological exam: the event unit. The event's model, writer and INI reader belong here; until
// they are, the event holds, signs and validates its document only.
#include "esocial/events/event_unit.h"

namespace esocial::s2221 {

class TEvtToxic : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;
};

class TS2221CollectionItem : public TItemEvento<TEvtToxic, teS2221> {
 public:
  using TItemEvento::TItemEvento;
  TEvtToxic& EvtToxic() const { return Evento(); }
};

class TS2221Collection : public TColecaoEventos<TS2221CollectionItem> {
 public:
  using TColecaoEventos::TColecaoEventos;
  TS2221CollectionItem& Add() { return New(); }
};

}  // namespace esocial::s2221

namespace esocial {
using s2221::TEvtToxic;
using s2221::TS2221Collection;
using s2221::TS2221CollectionItem;
}  // namespace esocial
