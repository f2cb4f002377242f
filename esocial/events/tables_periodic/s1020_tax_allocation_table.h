#pragma once
// S-1020, tax allocation table: the event unit. The event's model, writer and INI reader belong here; until
// they are, the event holds, signs and validates its document only.
#include "esocial/events/event_unit.h"

namespace esocial::s1020 {

class TevtTabLotacao : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;
};

class TS1020CollectionItem : public TItemEvento<TevtTabLotacao, teS1020> {
 public:
  using TItemEvento::TItemEvento;
  TevtTabLotacao& EvtTabLotacao() const { return Evento(); }
};

class TS1020Collection : public TColecaoEventos<TS1020CollectionItem> {
 public:
  using TColecaoEventos::TColecaoEventos;
  TS1020CollectionItem& Add() { return New(); }
};

}  // namespace esocial::s1020

namespace esocial {
using s1020::TevtTabLotacao;
using s1020::TS1020Collection;
using s1020::TS1020CollectionItem;
}  // namespace esocial
