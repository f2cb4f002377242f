#pragma once
// The readers of the totalizers that a batch consultation returns, keyed by the tipo attribute
// of the reply's tot element. A new reader is one include and one row in
// totalizer_registry.cpp; nothing else changes (the reply reader asks here).
#include <memory>
#include <string_view>

#include "esocial/event_collection.h"

namespace esocial {

// A new, empty reader of the totalizer tipo ("S5001"; compared exactly); null when no reader
// of that tipo is registered.
std::shared_ptr<IEventoeSocial> CriarLeitorTotalizador(std::string_view tipo);

// Whether tipo is one of the registered totalizers (compared exactly).
bool TotalizadorConhecido(std::string_view tipo);

}  // namespace esocial
