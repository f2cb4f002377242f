#include "agent/command_types.h"

#include <stdexcept>
#include <string>

#include "agent/consult_command.h"
#include "agent/sagres_command.h"
#include "agent/transmit_command.h"

namespace agent {

namespace {
template <class Command>
std::unique_ptr<TComunicacaoEsocial> Make(const TAppMessage& m, TCommandCallback cb) {
  return std::make_unique<Command>(m, std::move(cb));
}
}  // namespace

// One line per command type, in the order they are compared. A type not listed here is
// answered "Comando inválido".
const std::vector<TCommandType>& CommandTypes() {
  static const std::vector<TCommandType> types = {
      {"transmitir_eventos_", &Make<TTransmissaoEventos>},
      {"consultar_protocolo_", &Make<TConsultaLote>},
      {"assinar_eventos_", &Make<TAssinarEvento>},
      {"descompactar_sagres_validador_", &Make<TDescompactarSagresValidador>},
  };
  return types;
}

std::unique_ptr<TComunicacaoEsocial> CreateCommand(const TAppMessage& AppMessage, TCommandCallback ACallback,
                                                   std::string_view version) {
  for (const auto& t : CommandTypes()) {
    if (AppMessage.command_type == std::string(t.Name) + std::string(version))
      return t.Create(AppMessage, std::move(ACallback));
  }
  throw std::runtime_error("Comando inválido: " + AppMessage.command_type);
}

}  // namespace agent
