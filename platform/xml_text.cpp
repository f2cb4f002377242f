#include "platform/xml_text.h"

#include "platform/strings.h"

namespace platform {

std::string ExtrairConteudoTag(std::string_view Texto, std::string_view Tag, bool ComTags) {
  if (Tag.empty()) return {};
  const std::string texto = LowerCase(Texto);
  const std::string abre = "<" + LowerCase(Tag);
  const std::string fecha = "</" + LowerCase(Tag) + ">";
  std::size_t inicio = texto.find(abre);
  while (inicio != std::string::npos) {
    const std::size_t depois = inicio + abre.size();
    if (depois < texto.size()) {
      const char c = texto[depois];
      if (c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '>') break;
    }
    inicio = texto.find(abre, inicio + 1);
  }
  if (inicio == std::string::npos) return {};
  const std::size_t fimAbertura = texto.find('>', inicio);
  if (fimAbertura == std::string::npos) return {};
  const std::size_t fechamento = texto.find(fecha, fimAbertura + 1);
  if (fechamento == std::string::npos) return {};
  if (ComTags) return std::string(Texto.substr(inicio, fechamento + fecha.size() - inicio));
  return std::string(Texto.substr(fimAbertura + 1, fechamento - fimAbertura - 1));
}

}  // namespace platform
