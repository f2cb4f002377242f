#pragma once
// S-2400, registration of a benefit beneficiary: the event unit. The event's model, writer and INI reader belong here;
// until they are, the event holds, signs and validates its document only.
#include "esocial/events/event_unit.h"

namespace esocial::s2400 {

class TEvtCdBenefIn : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;
};

class TS2400CollectionItem : public TItemEvento<TEvtCdBenefIn, teS2400> {
 public:
  using TItemEvento::TItemEvento;
  TEvtCdBenefIn& EvtCdBenefIn() const { return Evento(); }
};

class TS2400Collection : public TColecaoEventos<TS2400CollectionItem> {
 public:
  using TColecaoEventos::TColecaoEventos;
  TS2400CollectionItem& Add() { return New(); }
};

}  // namespace esocial::s2400

namespace esocial {
using s2400::TEvtCdBenefIn;
using s2400::TS2400Collection;
using s2400::TS2400CollectionItem;
}  // namespace esocial
