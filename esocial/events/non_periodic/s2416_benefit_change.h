#pragma once
// S-2416, change of a benefit: the event unit. The event's model, writer and INI reader belong here; until
// they are, the event holds, signs and validates its document only.
#include "esocial/events/event_unit.h"

namespace esocial::s2416 {

class TEvtCdBenAlt : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;
};

class TS2416CollectionItem : public TItemEvento<TEvtCdBenAlt, teS2416> {
 public:
  using TItemEvento::TItemEvento;
  TEvtCdBenAlt& EvtCdBenAlt() const { return Evento(); }
};

class TS2416Collection : public TColecaoEventos<TS2416CollectionItem> {
 public:
  using TColecaoEventos::TColecaoEventos;
  TS2416CollectionItem& Add() { return New(); }
};

}  // namespace esocial::s2416

namespace esocial {
using s2416::TEvtCdBenAlt;
using s2416::TS2416Collection;
using s2416::TS2416CollectionItem;
}  // namespace esocial
