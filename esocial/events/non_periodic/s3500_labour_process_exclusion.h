#pragma once
// S-3500, exclusion of labour process events: the event unit. The event's model, writer and INI reader belong here;
// until they are, the event holds, signs and validates its document only.
#include "esocial/events/event_unit.h"

namespace esocial::s3500 {

class TEvtExcProcTrab : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;
};

class TS3500CollectionItem : public TItemEvento<TEvtExcProcTrab, teS3500> {
 public:
  using TItemEvento::TItemEvento;
  TEvtExcProcTrab& EvtExcProcTrab() const { return Evento(); }
};

class TS3500Collection : public TColecaoEventos<TS3500CollectionItem> {
 public:
  using TColecaoEventos::TColecaoEventos;
};

}  // namespace esocial::s3500

namespace esocial {
using s3500::TEvtExcProcTrab;
using s3500::TS3500Collection;
using s3500::TS3500CollectionItem;
}  // namespace esocial
