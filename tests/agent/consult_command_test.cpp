// The consult command's own pieces: an event's part of the reply, and the refusal of a reply
// that was not read whole. The command's paths run end to end in tests/e2e.
#include "agent/consult_command.h"

#include <gtest/gtest.h>

#include <string>

#include "support/message_of.h"

namespace {

const std::string kId = "ID1123456780000002021091617310600001";

struct ExtractCase {
  const char* name;
  std::string text;
  std::string expected;
};

TEST(ExtrairXmlEvento, TakesTheEventoElementWhoseIdMatches) {
  const std::string body = "<retornoEvento><x/></retornoEvento></evento>";
  const std::string other = "<evento Id=\"ID9\">" + body;
  const ExtractCase cases[] = {
      {"plain start tag", "<r><evento Id=\"" + kId + "\">" + body + "</r>", "<evento Id=\"" + kId + "\">" + body},
      {"evtDupl after Id", "<evento Id=\"" + kId + "\" evtDupl=\"true\">" + body,
       "<evento Id=\"" + kId + "\" evtDupl=\"true\">" + body},
      {"evtDupl before Id", "<evento evtDupl=\"true\" Id=\"" + kId + "\">" + body,
       "<evento evtDupl=\"true\" Id=\"" + kId + "\">" + body},
      {"single quotes, blanks and a line break", "<evento\n  Id = '" + kId + "' >" + body,
       "<evento\n  Id = '" + kId + "' >" + body},
      {"after another event", other + "<evento Id=\"" + kId + "\">" + body, "<evento Id=\"" + kId + "\">" + body},
      {"through the first closing tag only", "<evento Id=\"" + kId + "\">a</evento><evento Id=\"ID9\">b</evento>",
       "<evento Id=\"" + kId + "\">a</evento>"},
      {"an Id that only begins with it", "<evento Id=\"" + kId + "1\">" + body, ""},
      {"an attribute that only ends in Id", "<evento xId=\"" + kId + "\">" + body, ""},
      {"an element whose name only begins with evento", "<eventos Id=\"" + kId + "\">" + body, ""},
      {"the Id as text, not as attribute", "<evento Id=\"ID9\">" + kId + "</evento>", ""},
      {"no closing tag", "<evento Id=\"" + kId + "\"><retornoEvento/>", ""},
      {"an unterminated start tag", "<evento Id=\"" + kId, ""},
      {"no text", "", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(agent::ExtrairXmlEvento(kId, c.text), c.expected) << c.name;
}

// What the reader leaves where a reply has no code is 0: such a reply changes nothing.
TEST(AplicarRetornoConsulta, RefusesAReplyNotReadWholeAndChangesNothing) {
  struct Case {
    const char* name;
    int batchCode;
    int eventCode;
    const char* message;
  };
  const Case cases[] = {
      {"no batch code", 0, 201, "A resposta da consulta não traz o código de resposta do lote"},
      {"an event without processing code", 201, 0,
       "A resposta da consulta não traz o código de processamento do evento ID1"},
      {"the same in a batch with warnings", 202, 0,
       "A resposta da consulta não traz o código de processamento do evento ID1"},
  };
  for (const auto& c : cases) {
    agent::TDtoOwner owner;
    agent::TEventosPendentesXmlDTO evento;
    evento.CodigoEvento = "ID1";
    evento.Status = agent::TEnumEventoStatus::ENVIADO;
    agent::TEsocialLoteXmlDTO lote;
    lote.NumeroProtocolo = "P";
    lote.Status = agent::TEnumEventoLoteStatus::ENVIADO;
    lote.EventosPendentesXmlDTO.push_back(&evento);
    esocial::TRetConsultaLote retorno;
    retorno.Status.cdResposta = c.batchCode;
    retorno.Status.Ocorrencias.Add().Codigo = 605;
    auto& item = retorno.RetEventos.Add();
    item.Id = "ID1";
    item.Processamento.cdResposta = c.eventCode;

    EXPECT_EQ(testsupport::MessageOf([&] { agent::AplicarRetornoConsulta(lote, retorno, "P", "<x/>", owner); }),
              c.message)
        << c.name;
    EXPECT_EQ(lote.Status, agent::TEnumEventoLoteStatus::ENVIADO) << c.name;
    EXPECT_FALSE(lote.XmlRetornoConsulta) << c.name;
    EXPECT_TRUE(lote.Ocorrencias.empty()) << c.name;
    EXPECT_EQ(evento.Status, agent::TEnumEventoStatus::ENVIADO) << c.name;
    EXPECT_FALSE(evento.ResultadoProcessamento) << c.name;
    EXPECT_EQ(owner.OwnedCount(), 0u) << c.name;
  }
}

}  // namespace
