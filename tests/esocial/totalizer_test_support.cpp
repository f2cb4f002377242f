#include "totalizer_test_support.h"

#include "platform/number_text.h"
#include "support/esocial/esocial_test_support.h"
#include "support/peer.h"

namespace esocialtest {

std::string Fixture(const std::string& nome) {
  return testsupport::ReadFile(std::string(NEMBO_SOURCE_DIR) + "/tests/esocial/fixtures/" + nome);
}

std::string Amostra(const std::string& nome) {
  return testsupport::ReadFile(std::string(NEMBO_SHARED_DIR) + "/samples/gov-replies/" + nome);
}

std::string Totalizador(const std::string& raiz, const std::vector<std::string>& grupos) {
  return ComAssinaturaFicticia(Evento(raiz, "ID1123456780000002025020312000000009", grupos));
}

std::string Txt(std::int64_t v) { return std::to_string(v); }

std::string Txt(double v) { return platform::FloatToText(v); }

std::string Dia(platform::TDateTime v) { return v == 0 ? "" : platform::FormatDateTime("yyyy-mm-dd", v); }

}  // namespace esocialtest
