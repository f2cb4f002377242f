#pragma once
// The list and item of an event unit, written once. A unit's own list and item are a few
// lines over these (non_periodic/s2240_exposure_to_risk.h is one):
//
//   class TS2240CollectionItem : public TItemEvento<TEvtExpRisco, teS2240> {
//    public:
//     using TItemEvento::TItemEvento;
//     TEvtExpRisco& EvtExpRisco() const { return Evento(); }
//   };
//   class TS2240Collection : public TColecaoEventos<TS2240CollectionItem> {
//    public:
//     using TColecaoEventos::TColecaoEventos;
//     TS2240CollectionItem& Add() { return New(); }
//   };
//
// Included by the unit headers only.
#include <memory>

#include "esocial/event_base.h"
#include "esocial/event_collection.h"
#include "platform/object_list.h"

namespace esocial {

// An item that owns one event of class TEvento, made with the eSocial component, and carries
// the list's type.
template <class TEvento, TTipoEvento Tipo>
class TItemEvento : public TeSocialCollectionItem {
 public:
  static constexpr TTipoEvento TipoDaLista = Tipo;
  using TEventoDaLista = TEvento;

  explicit TItemEvento(dfe::TTrivoComponent* ATrivoeSocial)
      : TeSocialCollectionItem(Tipo), FEvento(std::make_unique<TEvento>(ATrivoeSocial)) {}

  TEvento& Evento() const override { return *FEvento; }

 private:
  std::unique_ptr<TEvento> FEvento;
};

// The owning event list of one type; New makes the item (and its event) with the component
// the list was made with.
template <class TItem>
class TColecaoEventos : public TeSocialCollection, public platform::TTrivoObjectList<TItem> {
  using TLista = platform::TTrivoObjectList<TItem>;

 public:
  static constexpr TTipoEvento TipoDaLista = TItem::TipoDaLista;
  using TEventoDaLista = typename TItem::TEventoDaLista;

  using TeSocialCollection::TeSocialCollection;

  TItem& New() { return TLista::New(FTrivoeSocial); }
  using TLista::GetItem;
  using TLista::SetItem;

  int Count() const override { return TLista::Count(); }
  void Clear() override { TLista::Clear(); }
  void Delete(int Index) override { TLista::Delete(Index); }
  TeSocialCollectionItem& ItemEvento(int Index) const override { return TLista::GetItem(Index); }
  TeSocialCollectionItem& NovoItemEvento() override { return New(); }
};

}  // namespace esocial
