#pragma once
// S-2405, change of beneficiary data: the event unit. The event's model, writer and INI reader belong here; until
// they are, the event holds, signs and validates its document only.
#include "esocial/events/event_unit.h"

namespace esocial::s2405 {

class TEvtCdBenefAlt : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;
};

class TS2405CollectionItem : public TItemEvento<TEvtCdBenefAlt, teS2405> {
 public:
  using TItemEvento::TItemEvento;
  TEvtCdBenefAlt& EvtCdBenefAlt() const { return Evento(); }
};

class TS2405Collection : public TColecaoEventos<TS2405CollectionItem> {
 public:
  using TColecaoEventos::TColecaoEventos;
  TS2405CollectionItem& Add() { return New(); }
};

}  // namespace esocial::s2405

namespace esocial {
using s2405::TEvtCdBenefAlt;
using s2405::TS2405Collection;
using s2405::TS2405CollectionItem;
}  // namespace esocial
