// The consult command's own pieces: an event's part of the reply, and the refusal of a reply
// that was not read whole. The command's paths run end to end in tests/e2e.
#include "agent/consult_command.h"

#include <gtest/gtest.h>

#include <functional>
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

// A reply changes the batch only with its proof; without it nothing changes at all.
TEST(AplicarRetornoConsulta, TakesAReplyOnlyWithItsProof) {
  struct Case {
    const char* name;
    std::function<void(esocial::TRetConsultaLote&)> change;
    const char* message;  // empty: the reply is taken
  };
  auto evento = [](esocial::TRetConsultaLote& r, int i) -> esocial::TRetEventosCollectionItem& {
    return r.RetEventos.GetItem(i);
  };
  const Case cases[] = {
      {"the whole proof", [](auto&) {}, ""},
      {"a rejected batch without protocol",
       [](auto& r) {
         r.Status.cdResposta = 501;
         r.DadosRecLote.Protocolo.clear();
       },
       ""},
      {"a rejected event without receipt",
       [&](auto& r) {
         evento(r, 1).Processamento.cdResposta = 401;
         evento(r, 1).Recibo.nrRecibo.clear();
       },
       ""},
      {"no batch code", [](auto& r) { r.Status.cdResposta = 0; },
       "A resposta da consulta não traz o código de resposta do lote"},
      {"processed without protocol", [](auto& r) { r.DadosRecLote.Protocolo.clear(); },
       "A resposta da consulta não traz o protocolo do lote"},
      {"waiting without protocol",
       [](auto& r) {
         r.Status.cdResposta = 101;
         r.DadosRecLote.Protocolo.clear();
       },
       "A resposta da consulta não traz o protocolo do lote"},
      {"another protocol", [](auto& r) { r.DadosRecLote.Protocolo = "Q"; },
       "A resposta da consulta é do protocolo Q, não do consultado"},
      {"another protocol, rejected",
       [](auto& r) {
         r.Status.cdResposta = 501;
         r.DadosRecLote.Protocolo = "Q";
       },
       "A resposta da consulta é do protocolo Q, não do consultado"},
      {"processed without events", [](auto& r) { r.RetEventos.Clear(); },
       "A resposta da consulta não traz os eventos do lote"},
      {"an event without processing code", [&](auto& r) { evento(r, 0).Processamento.cdResposta = 0; },
       "A resposta da consulta não traz o código de processamento do evento ID1"},
      {"the same in a batch with warnings",
       [&](auto& r) {
         r.Status.cdResposta = 202;
         evento(r, 0).Processamento.cdResposta = 0;
       },
       "A resposta da consulta não traz o código de processamento do evento ID1"},
      {"an event processed without receipt", [&](auto& r) { evento(r, 1).Recibo.nrRecibo.clear(); },
       "A resposta da consulta não traz o recibo do evento ID2"},
      {"the same with warnings",
       [&](auto& r) {
         evento(r, 1).Processamento.cdResposta = 202;
         evento(r, 1).Recibo.nrRecibo.clear();
       },
       "A resposta da consulta não traz o recibo do evento ID2"},
      {"an event of another batch", [&](auto& r) { evento(r, 1).Id = "ID9"; },
       "A resposta da consulta traz o evento ID9, que não é do lote"},
      {"an event of the batch left out", [](auto& r) { r.RetEventos.Delete(1); },
       "A resposta da consulta não traz o resultado do evento ID2"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    agent::TDtoOwner owner;
    agent::TEventosPendentesXmlDTO eventos[2];
    agent::TEsocialLoteXmlDTO lote;
    lote.NumeroProtocolo = "P";
    lote.Status = agent::TEnumEventoLoteStatus::ENVIADO;
    esocial::TRetConsultaLote retorno;
    retorno.Status.cdResposta = 201;
    retorno.Status.Ocorrencias.Add().Codigo = 605;
    retorno.DadosRecLote.Protocolo = "P";
    std::string xml;
    for (int i = 0; i < 2; ++i) {
      const std::string id = "ID" + std::to_string(i + 1);
      eventos[i].CodigoEvento = id;
      eventos[i].Status = agent::TEnumEventoStatus::ENVIADO;
      lote.EventosPendentesXmlDTO.push_back(&eventos[i]);
      auto& item = retorno.RetEventos.Add();
      item.Id = id;
      item.Processamento.cdResposta = 201;
      item.Recibo.nrRecibo = "R" + id;
      xml += "<evento Id=\"" + id + "\"></evento>";
    }
    c.change(retorno);

    const std::string message =
        testsupport::MessageOf([&] { agent::AplicarRetornoConsulta(lote, retorno, "P", xml, owner); });
    if (!*c.message) {
      EXPECT_EQ(message, testsupport::kNoError);
      EXPECT_NE(lote.Status, agent::TEnumEventoLoteStatus::ENVIADO);
      continue;
    }
    EXPECT_EQ(message, c.message);
    EXPECT_EQ(lote.Status, agent::TEnumEventoLoteStatus::ENVIADO);
    EXPECT_FALSE(lote.XmlRetornoConsulta);
    EXPECT_TRUE(lote.Ocorrencias.empty());
    for (const auto& e : eventos) {
      EXPECT_EQ(e.Status, agent::TEnumEventoStatus::ENVIADO);
      EXPECT_FALSE(e.ResultadoProcessamento);
    }
    EXPECT_EQ(owner.OwnedCount(), 0u);
  }
}

}  // namespace
