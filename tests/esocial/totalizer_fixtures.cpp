#include "totalizer_fixtures.h"

#include <gtest/gtest.h>

#include "event_writers_support.h"
#include "platform/strings.h"
#include "support/peer.h"

namespace esocialtest {

std::string FixtureValida(const std::string& Nome, const std::string& Raiz) {
  const std::string xml =
      ComAssinaturaFicticia(testsupport::ReadFile(std::string(NEMBO_SOURCE_DIR) + "/tests/esocial/fixtures/" + Nome));
  EXPECT_EQ(TEscritor().ErroDeSchema(xml, Raiz), "") << Nome;
  return xml;
}

std::string SemElemento(const std::string& Valido, const std::string& Tag) {
  std::string xml = Valido;
  for (const char* fim : {">", " "}) xml = platform::StringReplace(xml, "<" + Tag + fim, std::string("<outro") + fim);
  return platform::StringReplace(xml, "</" + Tag + ">", "</outro>");
}

std::string NamespaceEntreAspasSimples(const std::string& Valido) {
  std::string xml = Valido;
  const std::size_t inicio = xml.find("xmlns=\"") + 6;
  xml[xml.find('"', inicio + 1)] = '\'';
  xml[inicio] = '\'';
  return xml;
}

void ConfereValores(const std::vector<TValorEsperado>& Valores) {
  for (const auto& v : Valores) EXPECT_EQ(v.Lido, v.Esperado) << v.Campo;
}

}  // namespace esocialtest
