#pragma once
// S-2200, admission: the event unit. The event's model, writer and INI reader belong here; until
// they are, the event holds, signs and validates its document only.
#include "esocial/events/event_unit.h"

namespace esocial::s2200 {

class TEvtAdmissao : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;
  // Reads the stored (signed) document into the event's fields; reads nothing until the
  // model is here.
  bool LerXML() { return false; }
};

class TS2200CollectionItem : public TItemEvento<TEvtAdmissao, teS2200> {
 public:
  using TItemEvento::TItemEvento;
  TEvtAdmissao& EvtAdmissao() const { return Evento(); }
};

class TS2200Collection : public TColecaoEventos<TS2200CollectionItem> {
 public:
  using TColecaoEventos::TColecaoEventos;
  TS2200CollectionItem& Add() { return New(); }
};

}  // namespace esocial::s2200

namespace esocial {
using s2200::TEvtAdmissao;
using s2200::TS2200Collection;
using s2200::TS2200CollectionItem;
}  // namespace esocial
