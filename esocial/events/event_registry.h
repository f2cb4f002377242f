#pragma once
// The event types the groups hold: one row per type, in the groups' order (initial, table,
// non-periodic, periodic; within a group the order of its lists). Every operation over the
// held events follows this order. The rows drive the four groups; event_registry.cpp is the
// only file that includes the unit headers.
#include <memory>
#include <span>
#include <string_view>

#include "esocial/event_types.h"

namespace dfe {
class TTrivoComponent;
}

namespace esocial {

class TeSocialCollection;
class TeSocialEvento;

enum class TTipoGrupo { Iniciais, Tabelas, NaoPeriodicos, Periodicos };

struct TRegistroEvento {
  TTipoEvento Tipo;
  TTipoGrupo Grupo;
  std::string_view ElementoAssinado;  // the element the groups' Assinar signs
  TeSocialSchema Schema;              // the schema the groups' Validar uses
  // Makes the type's list for the eSocial component.
  std::unique_ptr<TeSocialCollection> (*CriarLista)(dfe::TTrivoComponent* ATrivoeSocial);
  // Reads a loaded event's document into its fields; null where loading reads nothing.
  bool (*LerXML)(TeSocialEvento& Evento);
};

std::span<const TRegistroEvento> RegistroEventos();

}  // namespace esocial
