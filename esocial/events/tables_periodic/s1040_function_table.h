#pragma once
// S-1040, function table: the event unit. The event's model, writer and INI reader belong here; until
// they are, the event holds, signs and validates its document only.
#include "esocial/events/event_unit.h"

namespace esocial::s1040 {

class TEvtTabFuncao : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;
};

class TS1040CollectionItem : public TItemEvento<TEvtTabFuncao, teS1040> {
 public:
  using TItemEvento::TItemEvento;
  TEvtTabFuncao& EvtTabFuncao() const { return Evento(); }
};

class TS1040Collection : public TColecaoEventos<TS1040CollectionItem> {
 public:
  using TColecaoEventos::TColecaoEventos;
  TS1040CollectionItem& Add() { return New(); }
};

}  // namespace esocial::s1040

namespace esocial {
using s1040::TEvtTabFuncao;
using s1040::TS1040Collection;
using s1040::TS1040CollectionItem;
}  // namespace esocial
