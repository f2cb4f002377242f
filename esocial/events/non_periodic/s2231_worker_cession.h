#pragma once
// S-2231, cession of a worker: the event unit. The event's model, writer and INI reader belong here; until
// they are, the event holds, signs and validates its document only.
#include "esocial/events/event_unit.h"

namespace esocial::s2231 {

class TEvtCessao : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;
};

class TS2231CollectionItem : public TItemEvento<TEvtCessao, teS2231> {
 public:
  using TItemEvento::TItemEvento;
  TEvtCessao& EvtCessao() const { return Evento(); }
};

class TS2231Collection : public TColecaoEventos<TS2231CollectionItem> {
 public:
  using TColecaoEventos::TColecaoEventos;
  TS2231CollectionItem& Add() { return New(); }
};

}  // namespace esocial::s2231

namespace esocial {
using s2231::TEvtCessao;
using s2231::TS2231Collection;
using s2231::TS2231CollectionItem;
}  // namespace esocial
