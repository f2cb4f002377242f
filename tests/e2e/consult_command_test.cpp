// The consult command through the real agent: the batch comes from the fake API, the
// government's answer from the SOAP stand-in (built from the real replies in tests/data)
// over TLS with the employer's certificate from the test NSS database, and the batch the API
// gets back is checked.
#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

#include "e2e/esocial_stand_ins.h"
#include "platform/strings.h"
#include "platform/xml_text.h"
#include "support/peer.h"

namespace fs = std::filesystem;
using nlohmann::json;

namespace {

const std::string kType = "consultar_protocolo_1.7";
const std::string kProtocolo = "1.2.202504.0000000000174654747";
// The events of the samples.
const std::string kEvento = "ID1005099680001482025040318000600000";
const std::string kDupl1 = "ID1123456780000002021091617310600001";
const std::string kDupl2 = "ID1123456780000002021091617321200001";
const std::string k2017 = "ID1005099680001482017112914063400001";
const std::string kTot = "ID1005099680001482018102512542400006";

std::string Sample(const std::string& name) {
  return testsupport::ReadFile(std::string(NEMBO_TEST_DATA_DIR) + "/gov-replies/" + name);
}
std::string Processamento(const std::string& name) { return Sample("retorno-processamento/" + name); }

// The sample with its first `from` after `after` replaced by `to`; the sample must hold it.
std::string Trocar(std::string text, const std::string& from, const std::string& to, const std::string& after = "") {
  const std::size_t at = text.find(from, text.find(after));
  EXPECT_NE(at, std::string::npos) << from;
  if (at != std::string::npos) text.replace(at, from.size(), to);
  return text;
}

// The reply document as the SOAP stand-in puts it into the result element.
std::string Documento(const std::string& sample) { return platform::Trim(sample); }

// The sample as the reply to the protocol asked: its batch's protocoloEnvio made that one.
std::string DoProtocolo(std::string text, const std::string& protocolo = kProtocolo) {
  const std::string abre = "<protocoloEnvio>";
  const std::size_t at = text.find(abre);
  EXPECT_NE(at, std::string::npos);
  if (at != std::string::npos)
    text.replace(at + abre.size(), text.find('<', at + abre.size()) - at - abre.size(), protocolo);
  return text;
}

json Wrapped(const std::string& document) { return {{"body", document}, {"wrap", true}}; }

std::string Ocorrencia(int codigo, const std::string& descricao, bool doEvento = false) {
  return "<ocorrencia>" + std::string(doEvento ? "<tipo>2</tipo>" : "") + "<codigo>" + std::to_string(codigo) +
         "</codigo><descricao>" + descricao + "</descricao>" +
         (doEvento ? "<localizacao>/eSocial/evt</localizacao>" : "<tipo>1</tipo>") + "</ocorrencia>";
}

struct ConsultE2E : ::testing::Test {
  e2e::EsocialStandIns s;

  // The API holds one batch under the protocol; events as {CodigoEvento, Status}.
  json Lote(const std::vector<std::pair<std::string, std::string>>& eventos,
            const std::string& numeroProtocolo = kProtocolo) {
    std::vector<json> dtos;
    for (std::size_t i = 0; i < eventos.size(); ++i) {
      json e = e2e::EventoDto("E" + std::to_string(i + 1), eventos[i].first, nullptr);
      e["Status"] = eventos[i].second;
      dtos.push_back(e);
    }
    json lote = e2e::LoteDto("L1", dtos);
    lote["NumeroProtocolo"] = numeroProtocolo;
    lote["Status"] = "ENVIADO";
    lote["Consulting"] = true;
    return lote;
  }
  void Servir(const json& lote, const json& resposta) {
    s.Rota(e2e::kRotaLotePorProtocolo, {{{"status", 200}, {"json", lote}}});
    s.Rota(e2e::kRotaAtualizarLote, {{{"status", 204}}});
    s.RoteiroSoap({{e2e::kAcaoConsultarLote, resposta}});
  }
  // Runs the consult and returns the batch written back (asserting it was written once, as
  // the command writes it: Consulta true, Control 0, Consulting false, after a success).
  json Consultar(const std::string& protocolo = kProtocolo) {
    const std::size_t antes = s.Recebidos(e2e::kRotaAtualizarLote).size();
    json reply = s.Executar(kType, e2e::TokenValido(), protocolo);
    EXPECT_EQ(reply["success"], true) << reply;
    EXPECT_EQ(reply["message"], "SUCCESS_CONSULT") << reply;
    EXPECT_EQ(reply["description"], "Protocolo: " + protocolo + ". Consultado com sucesso") << reply;
    auto recebidos = s.Recebidos(e2e::kRotaAtualizarLote);
    recebidos.erase(recebidos.begin(), recebidos.begin() + static_cast<long>(antes));
    if (recebidos.size() != 1) {
      ADD_FAILURE() << "written back " << recebidos.size() << " times; reply " << reply;
      return json::object();
    }
    EXPECT_EQ(recebidos[0]["Consulta"], true);
    EXPECT_EQ(recebidos[0]["Control"], 0);
    const json lote = recebidos[0]["EsocialLoteXmlDTO"];
    EXPECT_EQ(lote["Consulting"], false);
    return lote;
  }
  static const json& Evento(const json& lote, const std::string& codigo) {
    static const json none;
    for (const json& e : lote["EventosPendentesXmlDTO"])
      if (e["CodigoEvento"] == codigo) return e;
    ADD_FAILURE() << "no event " << codigo;
    return none;
  }
};

TEST_F(ConsultE2E, StillProcessingOnlyMarksTheBatch) {
  const std::string doc = Documento(DoProtocolo(Processamento("aguardando-processamento.xml")));
  json lote = Lote({{kEvento, "ENVIADO"}});
  Servir(lote, Wrapped(doc));
  json back = Consultar();
  EXPECT_EQ(back["Status"], "AGUARDANDO_PROCESSAMENTO");
  EXPECT_EQ(back["XmlRetornoConsulta"], doc);
  const json& e = Evento(back, kEvento);
  EXPECT_EQ(e["Status"], "ENVIADO");
  EXPECT_TRUE(e["XmlRetornoConsulta"].is_null());
  EXPECT_TRUE(e["ResultadoProcessamento"].is_null());
  // The query asked for this protocol.
  auto pedidos = s.PedidosSoap();
  ASSERT_EQ(pedidos.size(), 1u);
  EXPECT_NE(e2e::EsocialStandIns::Corpo(pedidos[0]).find("<protocoloEnvio>" + kProtocolo + "</protocoloEnvio>"),
            std::string::npos);
}

TEST_F(ConsultE2E, ProcessedBatchUpdatesTheEventsStillWaiting) {
  const std::string ok = Processamento("sem-erros-processamento.xml");
  // The event's processing result of the sample, changed.
  auto evento = [&](const std::string& code, const std::string& desc, const std::string& ocorrencias = "") {
    std::string r =
        Trocar(ok, "<cdResposta>201</cdResposta>", "<cdResposta>" + code + "</cdResposta>", "<processamento>");
    r = Trocar(r, "<descResposta>Sucesso.</descResposta>", "<descResposta>" + desc + "</descResposta>");
    return ocorrencias.empty()
               ? r
               : Trocar(r, "</dhProcessamento>", "</dhProcessamento><ocorrencias>" + ocorrencias + "</ocorrencias>");
  };
  const std::string com202 =
      Trocar(evento("202", "Sucesso com advertência.",
                    Ocorrencia(1001, "Advertência um", true) + Ocorrencia(1002, "Advertência dois", true)),
             "<cdResposta>201</cdResposta>", "<cdResposta>202</cdResposta>");
  const std::string com301 = evento("301", "Erro interno do eSocial.");
  const std::string recibo = "1.2.0000000000268136822", hash = "37lx97FFfxt4lxuLLpP9W86tzCT3bhdj8BhLZJQdaac=";
  const std::string antiga = "7 1 antiga|";
  json ocorrenciaAntiga = {{"Id", "O1"}, {"Tipo", 1}, {"Codigo", 7}, {"Descricao", "antiga"}, {"Localizacao", ""}};

  struct Case {
    const char* name;
    std::string reply;
    std::string statusBefore;
    std::string numeroProtocolo;
    std::string batchStatus;
    std::string eventStatus;
    json resultado;  // null: the event keeps its (empty) result
    json recibo;
    // "Codigo Tipo Descricao|Localizacao", old ones first; a description up to its first " com"
    std::vector<std::string> ocorrencias;
  };
  // clang-format off
  const Case cases[] = {
      // name, reply, event before, batch's protocol, batch after, event after, result, receipt, occurrences
      {"ENVIADO processed 201", ok, "ENVIADO", kProtocolo, "PROCESSADO", "PROCESSADO",
       "201 - Sucesso.", recibo, {antiga}},
      {"already PROCESSADO", ok, "PROCESSADO", kProtocolo, "PROCESSADO", "PROCESSADO",
       nullptr, nullptr, {antiga}},
      {"EM_PROCESSAMENTO processed 201", ok, "EM_PROCESSAMENTO", kProtocolo, "PROCESSADO", "PROCESSADO",
       "201 - Sucesso.", recibo, {antiga}},
      {"202 adds its occurrences", com202, "ENVIADO", kProtocolo, "PROCESSADO_COM_ADVERTENCIA",
       "PROCESSADO_COM_ADVERTENCIA", "202 - Sucesso com advertência.", recibo,
       {antiga, "1001 2 Advertência um|/eSocial/evt", "1002 2 Advertência dois|/eSocial/evt"}},
      {"301 keeps the state", com301, "ENVIADO", kProtocolo, "PROCESSADO", "ENVIADO",
       "301 - Erro interno do eSocial. (03/04/2025 18:00:29)", nullptr, {antiga}},
      {"401/537 is inconsistent", Processamento("com-erros-processamento.xml"), "ENVIADO", kProtocolo, "PROCESSADO",
       "INCONSISTENTE", "401 - Conteudo do evento inválido.", nullptr, {antiga, "537 1 Já existe no sistema registro|"}},
      {"a batch of another protocol", ok, "ENVIADO", "1.2.202504.0000000000000000001", "PROCESSADO", "ENVIADO",
       nullptr, nullptr, {antiga}},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    json lote = Lote({{kEvento, c.statusBefore}}, c.numeroProtocolo);
    lote["EventosPendentesXmlDTO"][0]["Ocorrencias"] = json::array({ocorrenciaAntiga});
    lote["Ocorrencias"] = json::array({{{"Id", "LO1"},
                                        {"DataHora", "2025-04-03"},
                                        {"TipoEnvio", "LoteTRANSMISSAO"},
                                        {"CodigoResposta", 99},
                                        {"Descricao", "anterior"},
                                        {"Xml", nullptr}}});
    Servir(lote, Wrapped(c.reply));
    json back = Consultar();
    EXPECT_EQ(back["Status"], c.batchStatus);
    EXPECT_EQ(back["Ocorrencias"], json::array());
    const json& e = Evento(back, kEvento);
    EXPECT_EQ(e["Status"], c.eventStatus);
    EXPECT_EQ(e["ResultadoProcessamento"], c.resultado);
    EXPECT_EQ(e["NumeroRecibo"], c.recibo);
    EXPECT_EQ(e["HashRecibo"], c.recibo.is_null() ? json() : json(hash));
    std::vector<std::string> ocorrencias;
    for (const json& o : e["Ocorrencias"]) {
      const std::string descricao = o["Descricao"];
      ocorrencias.push_back(std::to_string(o["Codigo"].get<int>()) + " " + std::to_string(o["Tipo"].get<int>()) + " " +
                            descricao.substr(0, descricao.find(" com")) + "|" + o["Localizacao"].get<std::string>());
    }
    EXPECT_EQ(ocorrencias, c.ocorrencias);
    if (c.resultado.is_null()) {
      EXPECT_TRUE(e["XmlRetornoConsulta"].is_null());
    } else {
      const std::string own = e["XmlRetornoConsulta"];
      EXPECT_TRUE(own.starts_with("<evento Id=\"" + kEvento + "\">")) << own;
      EXPECT_TRUE(own.ends_with("</evento>")) << own;
      EXPECT_NE(Documento(c.reply).find(own), std::string::npos);
    }
  }
}

TEST_F(ConsultE2E, WholeRepliesOfSeveralShapes) {
  struct Expected {
    std::string id, recibo;
  };
  struct Case {
    const char* name;
    std::string reply;
    std::vector<Expected> eventos;
    std::vector<std::string> files;  // saved in Docs
    bool escaped = false;            // the document goes into the result element as text
  };
  const Case cases[] = {
      {"two events, one evtDupl",
       DoProtocolo(Sample("Retrieve_Response.xml")),
       {{kDupl1, "1.2.0000000000103399932"}, {kDupl2, "1.2.0000000000103400109"}},
       {}},
      {"the same escaped as text",
       DoProtocolo(Sample("Retrieve_Response.xml")),
       {{kDupl1, "1.2.0000000000103399932"}, {kDupl2, "1.2.0000000000103400109"}},
       {},
       true},
      {"2017 reply with line breaks",
       DoProtocolo(Sample("retornoProcessamentoLoteEventos-2017.xml")),
       {{k2017, "1.2.0000000000007498277"}},
       {}},
      {"a reply carrying a totalizer",
       DoProtocolo(Processamento("s5001-1servidor.xml")),
       {{kTot, "1.2.0000000000249099392"}},
       {kTot.substr(2) + "-S5001.xml"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<std::pair<std::string, std::string>> eventos;
    for (const auto& e : c.eventos) eventos.emplace_back(e.id, "ENVIADO");
    json resposta = Wrapped(c.reply);
    resposta["escape"] = c.escaped;
    Servir(Lote(eventos), resposta);
    json back = Consultar();
    EXPECT_EQ(back["Status"], "PROCESSADO");
    // The reply document itself, also when it came escaped.
    EXPECT_EQ(back["XmlRetornoConsulta"], Documento(c.reply));
    for (const auto& expected : c.eventos) {
      const json& e = Evento(back, expected.id);
      EXPECT_EQ(e["Status"], "PROCESSADO");
      EXPECT_EQ(e["NumeroRecibo"], expected.recibo);
      // Its own element, and not the other event's.
      const std::string own = e["XmlRetornoConsulta"];
      EXPECT_TRUE(own.starts_with("<evento Id=\"" + expected.id + "\"")) << own;
      EXPECT_TRUE(own.ends_with("</evento>")) << own;
      EXPECT_NE(own.find(expected.recibo), std::string::npos);
      for (const auto& other : c.eventos) {
        if (other.id != expected.id) {
          EXPECT_EQ(own.find(other.recibo), std::string::npos);
        }
      }
    }
    for (const std::string& f : c.files) {
      const std::string path = s.pastaPrograma + "/Docs/" + f;
      ASSERT_TRUE(fs::exists(path)) << path;
      EXPECT_NE(testsupport::ReadFile(path).find("evtBasesTrab"), std::string::npos);
    }
  }
}

TEST_F(ConsultE2E, RejectedBatchesBecomeInconsistent) {
  const std::string invalida = Processamento("resposta-invalida.xml");
  const std::string oc605 = invalida.substr(invalida.find("<ocorrencias>"),
                                            invalida.find("</ocorrencias>") + 14 - invalida.find("<ocorrencias>"));
  const std::string r401 = Trocar(Trocar(invalida, "501", "401"), oc605,
                                  "<ocorrencias>" + Ocorrencia(143, "Um.") + Ocorrencia(144, "Dois.") +
                                      Ocorrencia(145, "Três.") + "</ocorrencias>");
  const std::string r401Sem = Trocar(Trocar(invalida, "501", "401"), oc605, "");
  struct Case {
    const char* name;
    std::string reply;
    int code;
    std::vector<std::pair<int, std::string>> ocorrencias;
  };
  const Case cases[] = {
      {"401 with three occurrences", r401, 401, {{143, "Um."}, {144, "Dois."}, {145, "Três."}}},
      {"401 without occurrences", r401Sem, 401, {}},
      {"501/605", invalida, 501, {{605, "Lote inexistente."}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Servir(Lote({{kEvento, "ENVIADO"}}), Wrapped(c.reply));
    json back = Consultar();
    EXPECT_EQ(back["Status"], "INCONSISTENTE");
    EXPECT_EQ(back["CodigoResposta"], c.code);
    EXPECT_TRUE(platform::StartsText("Solicitação de consulta incorreta", back["Descricao"].get<std::string>()));
    ASSERT_EQ(back["Ocorrencias"].size(), c.ocorrencias.size());
    for (std::size_t i = 0; i < c.ocorrencias.size(); ++i) {
      const json& o = back["Ocorrencias"][i];
      EXPECT_EQ(o["TipoEnvio"], "LoteTRANSMISSAO");
      EXPECT_EQ(o["CodigoResposta"], c.ocorrencias[i].first);
      EXPECT_EQ(o["Descricao"], c.ocorrencias[i].second);
    }
    EXPECT_EQ(Evento(back, kEvento)["Status"], "ENVIADO");
  }
}

TEST_F(ConsultE2E, ErrorsWriteNothingBack) {
  const std::string generic = "Erro ao processar o comando. command_id: cmd-1, command_type: " + kType;
  const std::string consult = "Erro ao consultar o protocolo: " + kProtocolo + ". Erro Message: ";
  const std::string ok = Processamento("sem-erros-processamento.xml");
  const std::string semCodigoEvento = Trocar(ok, "<cdResposta>201</cdResposta>", "", "<processamento>");
  const json envelopeSemResultado = {{"body",
                                      "<s:Envelope xmlns:s=\"http://schemas.xmlsoap.org/soap/envelope/\"><s:Body>"
                                      "<ConsultarLoteEventosResponse/></s:Body></s:Envelope>"}};
  struct Case {
    const char* name;
    std::optional<json> protocolo;  // the request's member, absent when empty
    std::string token;
    json lote;  // null: the API answers 404
    json soap;
    std::string message;
    std::string description;  // the start of it
  };
  const json lote = Lote({{kEvento, "ENVIADO"}});
  const json wrapped = Wrapped(ok);
  const Case cases[] = {
      {"protocolo absent", std::nullopt, "", lote, wrapped, generic, "protocolo não informado"},
      {"protocolo null", nullptr, "", lote, wrapped, generic, "protocolo não informado"},
      {"protocolo empty", "", "", lote, wrapped, generic, "protocolo não pode estar em branco"},
      {"a token error", kProtocolo, "x.y", lote, wrapped, "ERROR_CONSULT", consult + "Invalid token"},
      {"no batch for the protocol", kProtocolo, "", nullptr, wrapped, "ERROR_CONSULT",
       consult + "Nenhum lote encontrado para o protocolo " + kProtocolo},
      {"a batch without events", kProtocolo, "", Lote({}), wrapped, "ERROR_CONSULT",
       consult + "Índice da lista fora dos limites (0)"},
      {"HTTP 500", kProtocolo, "", lote, {{"fault", "Falha interna"}}, "ERROR_CONSULT", consult},
      {"a 200 reply without the result element", kProtocolo, "", lote, envelopeSemResultado, "ERROR_CONSULT",
       consult + "\r\nErro ao obter resposta do webservice."},
      {"a reply without its root", kProtocolo, "", lote, Wrapped("<eSocial><outro/></eSocial>"), "ERROR_CONSULT",
       consult + "\r\nErro ao obter resposta do webservice."},
      {"a reply without status code", kProtocolo, "", lote,
       Wrapped("<eSocial xmlns=\"http://www.esocial.gov.br/schema/lote/eventos/envio/retornoProcessamento/v1_3_0\">"
               "<retornoProcessamentoLoteEventos><ideEmpregador><tpInsc>1</tpInsc><nrInsc>1</nrInsc>"
               "</ideEmpregador></retornoProcessamentoLoteEventos></eSocial>"),
       "ERROR_CONSULT", consult + "A resposta da consulta não traz o código de resposta do lote"},
      {"an event without processing code", kProtocolo, "", lote, Wrapped(semCodigoEvento), "ERROR_CONSULT",
       consult + "A resposta da consulta não traz o código de processamento do evento " + kEvento},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.lote.is_null())
      s.Rota(e2e::kRotaLotePorProtocolo, {{{"status", 404}}});
    else
      s.Rota(e2e::kRotaLotePorProtocolo, {{{"status", 200}, {"json", c.lote}}});
    s.Rota(e2e::kRotaAtualizarLote, {{{"status", 204}}});
    s.RoteiroSoap({{e2e::kAcaoConsultarLote, c.soap}});
    json pedido = {
        {"command_id", "cmd-1"}, {"command_type", kType}, {"token", c.token.empty() ? e2e::TokenValido() : c.token}};
    if (c.protocolo) pedido["protocolo"] = *c.protocolo;
    json reply = s.Executar(pedido);
    EXPECT_EQ(reply["success"], false) << reply;
    EXPECT_EQ(reply["message"], c.message) << reply;
    EXPECT_TRUE(platform::StartsText(c.description, reply["description"].get<std::string>())) << reply;
    EXPECT_TRUE(s.Recebidos(e2e::kRotaAtualizarLote).empty());
  }
}

TEST_F(ConsultE2E, WithoutACertificateOrAServiceNothingIsWrittenBack) {
  const std::string consult = "Erro ao consultar o protocolo: " + kProtocolo + ". Erro Message: ";
  Servir(Lote({{kEvento, "ENVIADO"}}), Wrapped(Processamento("sem-erros-processamento.xml")));
  {
    SCOPED_TRACE("no certificate");
    auto env = s.env;
    s.env["NEMBO_CERT_SERIAL"] = "";
    json reply = s.Executar(kType, e2e::TokenValido(), kProtocolo);
    s.env = env;
    EXPECT_EQ(reply["message"], "ERROR_CONSULT") << reply;
    EXPECT_EQ(reply["description"], consult + "Certificado não informado") << reply;
  }
  {
    SCOPED_TRACE("a transport failure");
    s.soap.peer->Stop();
    json reply = s.Executar(kType, e2e::TokenValido(), kProtocolo);
    EXPECT_EQ(reply["message"], "ERROR_CONSULT") << reply;
    EXPECT_TRUE(platform::StartsText(consult + "\r\n", reply["description"].get<std::string>())) << reply;
  }
  EXPECT_TRUE(s.Recebidos(e2e::kRotaAtualizarLote).empty());
}

TEST_F(ConsultE2E, AHostileProtocolStaysTextAndWritesOnlyIntoDocs) {
  const std::string protocolo = "../../<x>&amp;../nembo-consulta";
  const std::string parent = fs::path(s.pastaPrograma).parent_path();
  Servir(Lote({{kEvento, "ENVIADO"}}, protocolo),
         Wrapped(DoProtocolo(Processamento("aguardando-processamento.xml"), platform::EscaparTextoXml(protocolo))));
  json back = Consultar(protocolo);
  EXPECT_EQ(back["Status"], "AGUARDANDO_PROCESSAMENTO");
  auto pedidos = s.PedidosSoap();
  ASSERT_EQ(pedidos.size(), 1u);
  EXPECT_FALSE(pedidos[0].contains("xml_error")) << pedidos[0];
  EXPECT_NE(e2e::EsocialStandIns::Corpo(pedidos[0])
                .find("<protocoloEnvio>../../&lt;x&gt;&amp;amp;../nembo-consulta</protocoloEnvio>"),
            std::string::npos)
      << e2e::EsocialStandIns::Corpo(pedidos[0]);
  // Every file the consult wrote is in Docs; nothing named after the protocol outside it.
  const fs::path docs = fs::path(s.pastaPrograma) / "Docs";
  int saved = 0;
  for (const auto& f : fs::recursive_directory_iterator(s.pastaPrograma)) {
    if (!f.is_regular_file() || f.path().filename().string().find("sit") == std::string::npos) continue;
    EXPECT_EQ(f.path().parent_path(), docs) << f.path();
    ++saved;
  }
  EXPECT_EQ(saved, 2);
  for (const auto& f : fs::directory_iterator(parent))
    EXPECT_EQ(f.path().filename().string().find("nembo-consulta"), std::string::npos) << f.path();
}

}  // namespace
