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

std::vector<std::size_t> PosicoesEmTagsDeAbertura(std::string_view Texto, std::string_view Nome) {
  std::vector<std::size_t> posicoes;
  if (Nome.empty()) return posicoes;
  const std::size_t n = Texto.size();
  // The position after the first Fim at or after De; the end of the text when there is none.
  const auto depoisDe = [&](std::size_t de, std::string_view fim) {
    const std::size_t p = Texto.find(fim, de);
    return p == std::string_view::npos ? n : p + fim.size();
  };
  std::size_t i = 0;
  while (i < n) {
    if (Texto[i] != '<') {
      ++i;
    } else if (Texto.substr(i, 4) == "<!--") {
      i = depoisDe(i + 4, "-->");
    } else if (Texto.substr(i, 9) == "<![CDATA[") {
      i = depoisDe(i + 9, "]]>");
    } else if (Texto.substr(i, 2) == "<?") {
      i = depoisDe(i + 2, "?>");
    } else if (i + 1 < n && (Texto[i + 1] == '/' || Texto[i + 1] == '!')) {
      i = depoisDe(i + 2, ">");
    } else {
      for (++i; i < n && Texto[i] != '>'; ++i) {
        const char c = Texto[i];
        if (c == '"' || c == '\'') {
          const std::size_t fecha = Texto.find(c, i + 1);
          i = fecha == std::string_view::npos ? n - 1 : fecha;
        } else if (Texto.substr(i, Nome.size()) == Nome) {
          posicoes.push_back(i);
        }
      }
    }
  }
  return posicoes;
}

std::string EscaparTextoXml(std::string_view Texto) {
  std::string out;
  out.reserve(Texto.size());
  for (char c : Texto) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      case '\'':
        out += "&#39;";
        break;
      default:
        // XML has no place for the other control characters, not even as references.
        if (static_cast<unsigned char>(c) >= 0x20 || c == '\t' || c == '\r' || c == '\n') out += c;
    }
  }
  return out;
}

}  // namespace platform
