#include "totalizer_test_support.h"

#include "event_writers_support.h"
#include "platform/number_text.h"
#include "platform/strings.h"
#include "support/esocial/esocial_test_support.h"
#include "support/peer.h"

namespace esocialtest {

std::string Fixture(const std::string& nome) {
  return testsupport::ReadFile(std::string(NEMBO_SOURCE_DIR) + "/tests/esocial/fixtures/" + nome);
}

std::string FixtureValida(const std::string& nome, const std::string& raiz) {
  const std::string xml = Fixture(nome);
  EXPECT_EQ(TEscritor().ErroDeSchema(xml, raiz), "") << nome;
  return xml;
}

std::string SemElemento(const std::string& xml, const std::string& tag) {
  std::string r = xml;
  for (const char* fim : {">", " "}) r = platform::StringReplace(r, "<" + tag + fim, std::string("<outro") + fim);
  return platform::StringReplace(r, "</" + tag + ">", "</outro>");
}

std::string NamespaceEntreAspasSimples(const std::string& xml) {
  std::string r = xml;
  const std::size_t inicio = r.find("xmlns=\"") + 6;
  r[r.find('"', inicio + 1)] = '\'';
  r[inicio] = '\'';
  return r;
}

std::string Amostra(const std::string& nome) {
  return testsupport::ReadFile(std::string(NEMBO_TEST_DATA_DIR) + "/gov-replies/" + nome);
}

std::string Totalizador(const std::string& raiz, const std::vector<std::string>& grupos) {
  return ComAssinaturaFicticia(Evento(raiz, "ID1123456780000002025020312000000009", grupos));
}

std::string Txt(std::int64_t v) { return std::to_string(v); }

std::string Txt(double v) { return platform::FloatToText(v); }

std::string Dia(platform::TDateTime v) { return v == 0 ? "" : platform::FormatDateTime("yyyy-mm-dd", v); }

}  // namespace esocialtest
