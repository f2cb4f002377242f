// The transmit command's own rule for a send reply: it is taken only with its proof. The
// command's paths run end to end in tests/e2e.
#include "agent/transmit_command.h"

#include <gtest/gtest.h>

#include "esocial/replies_batch_send.h"
#include "support/message_of.h"

namespace {

TEST(ExigirProvaDoEnvio, AReplyThatTakesTheBatchInCarriesItsProtocol) {
  struct Case {
    int code;
    const char* protocol;
    const char* message;  // empty: taken
  };
  const Case cases[] = {
      {201, "P", ""},
      {101, "P", ""},
      {401, "", ""},
      {0, "P", "A resposta do envio não traz o código de resposta do lote"},
      {201, "", "A resposta do envio (código 201) não traz o protocolo do lote"},
      {202, "", "A resposta do envio (código 202) não traz o protocolo do lote"},
      {203, "", "A resposta do envio (código 203) não traz o protocolo do lote"},
      {101, "", "A resposta do envio (código 101) não traz o protocolo do lote"},
  };
  for (const auto& c : cases) {
    esocial::TRetEnvioLote retorno;
    retorno.Status.cdResposta = c.code;
    retorno.DadosRecLote.Protocolo = c.protocol;
    EXPECT_EQ(testsupport::MessageOf([&] { agent::ExigirProvaDoEnvio(retorno); }),
              *c.message ? c.message : testsupport::kNoError)
        << c.code << " " << c.protocol;
  }
}

}  // namespace
