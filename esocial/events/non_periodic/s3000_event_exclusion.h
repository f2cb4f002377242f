#pragma once
// S-3000, event exclusion: the event unit. The event's model, writer and INI reader belong here; until
// they are, the event holds, signs and validates its document only.
#include "esocial/events/event_unit.h"

namespace esocial::s3000 {

class TEvtExclusao : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;
};

class TS3000CollectionItem : public TItemEvento<TEvtExclusao, teS3000> {
 public:
  using TItemEvento::TItemEvento;
  TEvtExclusao& EvtExclusao() const { return Evento(); }
};

class TS3000Collection : public TColecaoEventos<TS3000CollectionItem> {
 public:
  using TColecaoEventos::TColecaoEventos;
  TS3000CollectionItem& Add() { return New(); }
};

}  // namespace esocial::s3000

namespace esocial {
using s3000::TEvtExclusao;
using s3000::TS3000Collection;
using s3000::TS3000CollectionItem;
}  // namespace esocial
