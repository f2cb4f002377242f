#pragma once
// The command types the host knows, each with the factory of its command class.
#include <memory>
#include <string_view>
#include <vector>

#include "agent/command_base.h"

namespace agent {

using TCommandFactory = std::unique_ptr<TComunicacaoEsocial> (*)(const TAppMessage&, TCommandCallback);

struct TCommandType {
  std::string_view Name;  // without the protocol version
  TCommandFactory Create;
};

const std::vector<TCommandType>& CommandTypes();

// Compares command_type exactly with each known name followed by version; throws
// "Comando inválido: <command_type>" when none matches.
std::unique_ptr<TComunicacaoEsocial> CreateCommand(const TAppMessage& AppMessage, TCommandCallback ACallback,
                                                   std::string_view version);

}  // namespace agent
