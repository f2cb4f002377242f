#pragma once
// S-2420, termination of a benefit: the event unit. The event's model, writer and INI reader belong here; until
// they are, the event holds, signs and validates its document only.
#include "esocial/events/event_unit.h"

namespace esocial::s2420 {

class TEvtCdBenTerm : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;
};

class TS2420CollectionItem : public TItemEvento<TEvtCdBenTerm, teS2420> {
 public:
  using TItemEvento::TItemEvento;
  TEvtCdBenTerm& EvtCdBenTerm() const { return Evento(); }
};

class TS2420Collection : public TColecaoEventos<TS2420CollectionItem> {
 public:
  using TColecaoEventos::TColecaoEventos;
  TS2420CollectionItem& Add() { return New(); }
};

}  // namespace esocial::s2420

namespace esocial {
using s2420::TEvtCdBenTerm;
using s2420::TS2420Collection;
using s2420::TS2420CollectionItem;
}  // namespace esocial
