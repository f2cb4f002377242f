#pragma once
// The abstract event list and its item, as the event groups see every list: one list per
// event type, each item owning one event object. The units' typed lists and items are built
// on these by the templates of esocial/events/event_unit.h. Also the interface of a readable
// totalizer event.
#include <string>

#include "esocial/event_types.h"

namespace dfe {
class TTrivoComponent;
}

namespace esocial {

class TeSocialEvento;

class TeSocialCollectionItem {
 public:
  explicit TeSocialCollectionItem(TTipoEvento ATipoEvento) : FTipoEvento(ATipoEvento) {}
  virtual ~TeSocialCollectionItem() = default;
  TeSocialCollectionItem(const TeSocialCollectionItem&) = delete;
  TeSocialCollectionItem& operator=(const TeSocialCollectionItem&) = delete;

  // The type of the list the item was made by.
  TTipoEvento TipoEvento() const { return FTipoEvento; }
  // The event object the item owns.
  virtual TeSocialEvento& Evento() const = 0;

 private:
  TTipoEvento FTipoEvento;
};

class TeSocialCollection {
 public:
  // ATrivoeSocial: the eSocial component, handed to every event the list makes.
  explicit TeSocialCollection(dfe::TTrivoComponent* ATrivoeSocial) : FTrivoeSocial(ATrivoeSocial) {}
  virtual ~TeSocialCollection() = default;
  TeSocialCollection(const TeSocialCollection&) = delete;
  TeSocialCollection& operator=(const TeSocialCollection&) = delete;

  dfe::TTrivoComponent* TrivoeSocial() const { return FTrivoeSocial; }

  virtual int Count() const = 0;
  // Frees every item and its event.
  virtual void Clear() = 0;
  // Frees the item at Index and its event; an index outside the list raises std::out_of_range.
  virtual void Delete(int Index) = 0;
  // The item at Index; an index outside the list raises std::out_of_range.
  virtual TeSocialCollectionItem& ItemEvento(int Index) const = 0;
  // Makes an item (and its event) with the component, appends it and returns it.
  virtual TeSocialCollectionItem& NovoItemEvento() = 0;

 protected:
  dfe::TTrivoComponent* FTrivoeSocial;
};

// A totalizer event as a batch consultation reply holds it. The reader's own class is reached
// by dynamic_cast from the interface (GetEvento gives the object behind it).
class IEventoeSocial {
 public:
  virtual ~IEventoeSocial() = default;
  virtual std::string Xml() const = 0;
  // A text that differs from the one held is stored and read into the event's data.
  virtual void SetXml(const std::string& Value) = 0;
  virtual TTipoEvento TipoEvento() const = 0;
  IEventoeSocial& GetEvento() { return *this; }
};

}  // namespace esocial
