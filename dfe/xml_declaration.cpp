#include "dfe/xml_declaration.h"

namespace dfe {

std::string ObterDeclaracaoXML(std::string_view xml) {
  auto ini = xml.find("<?");
  if (ini == std::string_view::npos) return {};
  auto fim = xml.find("?>", ini);
  if (fim == std::string_view::npos) return {};
  return std::string(xml.substr(ini, fim + 2 - ini));
}

std::string RemoverDeclaracaoXML(std::string_view xml) {
  std::string decl = ObterDeclaracaoXML(xml);
  std::string out(xml);
  if (!decl.empty()) out.erase(out.find(decl), decl.size());
  return out;
}

std::string DeclaracaoInicial(std::string_view xml) {
  if (!xml.starts_with("<?xml")) return {};
  return ObterDeclaracaoXML(xml);
}

std::string SemDeclaracaoInicial(std::string_view xml) {
  return std::string(xml.substr(DeclaracaoInicial(xml).size()));
}

}  // namespace dfe
