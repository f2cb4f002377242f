#include "esocial/tag_reading.h"

#include <cstdint>
#include <exception>
#include <limits>
#include <stdexcept>

#include "dfe/field_conversions.h"
#include "platform/strings.h"

namespace esocial {

bool LerSemExcecao(const std::function<bool()>& Ler) {
  try {
    return Ler();
  } catch (const std::exception&) {
    return false;
  }
}

bool LerRetorno(dfe::TLeitor& Leitor, std::string_view Raiz, const std::function<void(const TLeituraTags&)>& Ler) {
  return LerSemExcecao([&] {
    TLeituraTags x(Leitor);
    if (!x.Grupo(1, Raiz)) return false;
    Ler(x);
    return true;
  });
}

bool TLeituraTags::Grupo(int Nivel, std::string_view Tag) const { return !FLeitor.rExtrai(Nivel, Tag).empty(); }

void TLeituraTags::Lista(int Nivel, std::string_view Tag, const std::function<void()>& Ler) const {
  for (dfe::TLeitor::TPercurso itens = FLeitor.rPercorre(Nivel, Tag); !FLeitor.rExtraiProximo(itens).empty();) Ler();
}

std::string TLeituraTags::Texto(std::string_view Tag, std::string_view Parada) const {
  return FLeitor.rCampo(dfe::tcStr, Tag, Parada).AsString();
}

int TLeituraTags::Inteiro(std::string_view Tag, std::string_view Parada) const {
  const std::string texto = FLeitor.rCampo(dfe::tcEsp, Tag, Parada).AsString();
  std::int64_t valor = 0;
  if (texto.empty()) return 0;
  if (!platform::TryStrToInt64(texto, valor) || valor < std::numeric_limits<int>::min() ||
      valor > std::numeric_limits<int>::max())
    throw std::runtime_error("Tag <" + platform::UpperCase(platform::Trim(Tag)) + "> com conteúdo inválido. " + texto);
  return static_cast<int>(valor);
}

double TLeituraTags::Decimal(std::string_view Tag, std::string_view Parada) const {
  return FLeitor.rCampo(dfe::tcDe2, Tag, Parada).AsFloat();
}

platform::TDateTime TLeituraTags::Data(std::string_view Tag) const {
  return FLeitor.rCampo(dfe::tcDat, Tag).AsDateTime();
}

platform::TDateTime TLeituraTags::DataHora(std::string_view Tag) const {
  return FLeitor.rCampo(dfe::tcDatHor, Tag).AsDateTime();
}

std::string TLeituraTags::Atributo(std::string_view Nome) const { return FLeitor.rAtributo(Nome).AsString(); }

std::string TLeituraTags::Conteudo(std::string_view Tag) const {
  const std::string& g = FLeitor.Grupo;
  const std::size_t inicio = g.find('>');
  if (inicio == std::string::npos) return {};
  const std::size_t fim = g.find("</" + std::string(Tag) + ">", inicio + 1);
  if (fim == std::string::npos) return {};
  return g.substr(inicio + 1, fim - inicio - 1);
}

}  // namespace esocial
