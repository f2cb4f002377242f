#include "platform/xml_text.h"

#include "platform/strings.h"

namespace platform {

std::optional<TPosicaoTag> PosicaoTag(std::string_view Texto, std::string_view Tag) {
  if (Tag.empty()) return std::nullopt;
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
  if (inicio == std::string::npos) return std::nullopt;
  const std::size_t fimAbertura = texto.find('>', inicio);
  if (fimAbertura == std::string::npos) return std::nullopt;
  const std::size_t fechamento = texto.find(fecha, fimAbertura + 1);
  if (fechamento == std::string::npos) return std::nullopt;
  return TPosicaoTag{inicio, fimAbertura + 1, fechamento, fechamento + fecha.size()};
}

std::string ExtrairConteudoTag(std::string_view Texto, std::string_view Tag, bool ComTags) {
  const std::optional<TPosicaoTag> p = PosicaoTag(Texto, Tag);
  if (!p) return {};
  if (ComTags) return std::string(Texto.substr(p->Inicio, p->Fim - p->Inicio));
  return std::string(Texto.substr(p->InicioConteudo, p->FimConteudo - p->InicioConteudo));
}

namespace {

bool BrancoXml(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// An open element: its name and where its namespace declarations begin in the list of all.
struct TAberto {
  std::string_view Nome;
  std::size_t Declaracoes;
};

}  // namespace

std::optional<std::string> NameSpaceNaPosicao(std::string_view Texto, std::size_t Posicao) {
  const std::size_t n = Texto.size(), npos = std::string_view::npos;
  std::vector<TAberto> abertos;
  std::vector<std::pair<std::string_view, std::string_view>> declaracoes;  // prefix, namespace
  const auto depoisDe = [&](std::size_t de, std::string_view fim) {
    const std::size_t p = Texto.find(fim, de);
    return p == npos ? n : p + fim.size();
  };
  std::size_t i = Texto.find('<');
  while (i < n && i <= Posicao) {
    const std::string_view resto = Texto.substr(i);
    if (resto.starts_with("<!--")) {
      i = depoisDe(i + 4, "-->");
    } else if (resto.starts_with("<![CDATA[")) {
      i = depoisDe(i + 9, "]]>");
    } else if (resto.starts_with("<?")) {
      i = depoisDe(i + 2, "?>");
    } else if (resto.starts_with("<!")) {
      i = depoisDe(i + 2, ">");
    } else if (resto.starts_with("</")) {
      std::size_t j = i + 2;
      while (j < n && !BrancoXml(Texto[j]) && Texto[j] != '>') ++j;
      if (!abertos.empty() && abertos.back().Nome == Texto.substr(i + 2, j - i - 2)) {
        declaracoes.resize(abertos.back().Declaracoes);
        abertos.pop_back();
      }
      i = depoisDe(j, ">");
    } else {
      // A start tag: its name, then its attributes up to ">" or "/>". A "<" before its end
      // makes it none: that "<" is read next.
      std::size_t j = i + 1;
      while (j < n && !BrancoXml(Texto[j]) && Texto[j] != '>' && Texto[j] != '/' && Texto[j] != '<') ++j;
      const std::string_view nome = Texto.substr(i + 1, j - i - 1);
      const std::size_t proprias = declaracoes.size();
      bool vazio = false, tag = !nome.empty();
      while (tag) {
        while (j < n && BrancoXml(Texto[j])) ++j;
        if (j >= n) return std::nullopt;  // the tag never ends
        if (Texto[j] == '<') tag = false;
        if (!tag || Texto[j] == '>') break;
        if (Texto[j] == '/' && j + 1 < n && Texto[j + 1] == '>') {
          vazio = true;
          ++j;
          break;
        }
        const std::size_t inicioAtributo = j;
        while (j < n && !BrancoXml(Texto[j]) && Texto[j] != '=' && Texto[j] != '>' && Texto[j] != '/' &&
               Texto[j] != '<')
          ++j;
        const std::string_view atributo = Texto.substr(inicioAtributo, j - inicioAtributo);
        if (atributo.empty()) {
          ++j;
          continue;
        }
        while (j < n && BrancoXml(Texto[j])) ++j;
        if (j >= n || Texto[j] != '=') continue;
        ++j;
        while (j < n && BrancoXml(Texto[j])) ++j;
        if (j >= n || (Texto[j] != '"' && Texto[j] != '\'')) continue;
        const std::size_t fechaValor = Texto.find(Texto[j], j + 1);
        if (fechaValor == npos) return std::nullopt;
        const std::string_view valor = Texto.substr(j + 1, fechaValor - j - 1);
        j = fechaValor + 1;
        if (atributo == "xmlns")
          declaracoes.emplace_back(std::string_view(), valor);
        else if (atributo.starts_with("xmlns:"))
          declaracoes.emplace_back(atributo.substr(6), valor);
      }
      if (!tag) {
        if (i == Posicao) return std::nullopt;
        declaracoes.resize(proprias);
        i = j;
        continue;
      }
      if (i == Posicao) {
        const std::size_t doisPontos = nome.find(':');
        const std::string_view prefixo = doisPontos == npos ? std::string_view() : nome.substr(0, doisPontos);
        for (std::size_t k = declaracoes.size(); k-- > 0;)
          if (declaracoes[k].first == prefixo) return std::string(declaracoes[k].second);
        if (prefixo.empty()) return std::string();
        return std::nullopt;
      }
      if (vazio)
        declaracoes.resize(proprias);
      else
        abertos.push_back({nome, proprias});
      i = j + 1;
    }
    if (i < n && Texto[i] != '<') i = Texto.find('<', i);
  }
  return std::nullopt;
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
