#pragma once
// Parsed XML schemas kept for the life of the process: a schema file is parsed once for each
// modification time it has, and the parsed schema is shared by validations on any thread
// (each validation makes its own validation context).
#include <libxml/xmlschemas.h>

#include <cstddef>
#include <memory>
#include <string>

namespace dfe::libxml2 {

using SchemaPtr = std::shared_ptr<xmlSchema>;

// The component validates with a few dozen schemas at most; past this many the least
// recently used one is dropped (validations still using it keep it until they end).
inline constexpr std::size_t kMaxSchemasGuardados = 64;

// The parsed schema of the file. Null when it cannot be parsed, with msgErro holding the
// validator's text and libxml2's last error; a failure is not kept, so the next call tries
// again.
SchemaPtr SchemaDoArquivo(const std::string& arquivo, std::string& msgErro);

// How many parsed schemas are kept now.
std::size_t SchemasGuardados();

// The text followed by libxml2's last error, when there is one: " --> ", its code and, when
// it has a message, " - " and the message.
std::string DetalhesUltimoErro(const std::string& texto);
// An error handler that keeps libxml2's messages off the console; the last error still
// records them.
void IgnorarErroEstruturado(void*, xmlErrorPtr);

}  // namespace dfe::libxml2
