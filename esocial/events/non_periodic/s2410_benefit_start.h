#pragma once
// S-2410, start of a benefit: the event unit. The event's model, writer and INI reader belong here; until
// they are, the event holds, signs and validates its document only.
#include "esocial/events/event_unit.h"

namespace esocial::s2410 {

class TEvtCdBenIn : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;
};

class TS2410CollectionItem : public TItemEvento<TEvtCdBenIn, teS2410> {
 public:
  using TItemEvento::TItemEvento;
  TEvtCdBenIn& EvtCdBenIn() const { return Evento(); }
};

class TS2410Collection : public TColecaoEventos<TS2410CollectionItem> {
 public:
  using TColecaoEventos::TColecaoEventos;
  TS2410CollectionItem& Add() { return New(); }
};

}  // namespace esocial::s2410

namespace esocial {
using s2410::TEvtCdBenIn;
using s2410::TS2410Collection;
using s2410::TS2410CollectionItem;
}  // namespace esocial
