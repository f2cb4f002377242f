// Hostile content in what the agent reads, through the real binary against the stand-ins: a
// reply is taken only with its proof, and otherwise the command ends in its error with nothing
// written back to the API; one event record is one document; lists of any length are read in
// one pass, so the big ones below end with their whole result (their time is not asserted: the
// benchmark in tools/bench shows it).
#include <gtest/gtest.h>

#include <functional>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "e2e/esocial_stand_ins.h"
#include "platform/strings.h"
#include "support/esocial/esocial_test_support.h"

using nlohmann::json;

namespace {

const std::string kTransmitir = "transmitir_eventos_1.7";
const std::string kConsultar = "consultar_protocolo_1.7";
const std::string kProtocolo = "1.2.202504.0000000000174654747";
const std::string kIdS1000 = "ID1123456780000002025010112000000001";
const std::string kIdS1010 = "ID1123456780000002025010112000000002";
const std::string kNsRetornoEnvio = "http://www.esocial.gov.br/schema/lote/eventos/envio/retornoEnvio/v1_1_0";
const std::string kNsRetornoConsulta =
    "http://www.esocial.gov.br/schema/lote/eventos/envio/retornoProcessamento/v1_3_0";
const std::string kForaDoNs = "da resposta não está no namespace ";

// The n-th event identifier of the consulted batch (employer root 00509968).
std::string IdConsultado(int n) {
  std::string numero = std::to_string(n);
  return "ID10050996800014820250403" + std::string(11 - numero.size(), '0') + numero;
}

json Envio(const std::string& documento) { return {{"body", documento}, {"wrap", true}}; }

// A consultation reply document: its batch code, protocol (none when empty) and occurrences,
// and one processed event (code 201 with a receipt, unless given) per identifier.
std::string Consulta(int codigo, const std::string& protocolo, const std::vector<std::string>& ids, int ocorrencias = 0,
                     const std::string& processamento = "<cdResposta>201</cdResposta>", bool recibo = true) {
  std::string xml = "<eSocial xmlns=\"" + kNsRetornoConsulta +
                    "\"><retornoProcessamentoLoteEventos><status><cdResposta>" + std::to_string(codigo) +
                    "</cdResposta><descResposta>Resposta.</descResposta>";
  if (ocorrencias > 0) {
    xml += "<ocorrencias>";
    for (int i = 1; i <= ocorrencias; ++i)
      xml += "<ocorrencia><codigo>" + std::to_string(i) + "</codigo><descricao>Ocorrência " + std::to_string(i) +
             "</descricao><tipo>1</tipo></ocorrencia>";
    xml += "</ocorrencias>";
  }
  xml += "</status>";
  if (!protocolo.empty())
    xml +=
        "<dadosRecepcaoLote><dhRecepcao>2025-04-03T18:00:28</dhRecepcao><versaoAplicativoRecepcao>1"
        "</versaoAplicativoRecepcao><protocoloEnvio>" +
        protocolo + "</protocoloEnvio></dadosRecepcaoLote>";
  if (!ids.empty()) {
    xml += "<retornoEventos>";
    for (std::size_t i = 0; i < ids.size(); ++i)
      xml += "<evento Id=\"" + ids[i] +
             "\"><retornoEvento><eSocial xmlns=\"http://www.esocial.gov.br/schema/evt/retornoEvento/v1_3_0\">"
             "<retornoEvento Id=\"" +
             ids[i] +
             "\"><recepcao><tpAmb>2</tpAmb><dhRecepcao>2025-04-03T18:00:28</dhRecepcao><versaoAppRecepcao>1"
             "</versaoAppRecepcao><protocoloEnvioLote>" +
             protocolo + "</protocoloEnvioLote></recepcao><processamento>" + processamento +
             "<descResposta>Sucesso.</descResposta><versaoAppProcessamento>1</versaoAppProcessamento>"
             "<dhProcessamento>2025-04-03T18:00:29</dhProcessamento></processamento>" +
             (recibo ? "<recibo><nrRecibo>1.2." + std::to_string(i + 1) + "</nrRecibo><hash>h</hash></recibo>" : "") +
             "</retornoEvento></eSocial></retornoEvento></evento>";
    xml += "</retornoEventos>";
  }
  return xml + "</retornoProcessamentoLoteEventos></eSocial>";
}

// The batch the API holds under the protocol, its events waiting for their results.
json LoteConsultado(const std::vector<std::string>& ids) {
  std::vector<json> eventos;
  for (std::size_t i = 0; i < ids.size(); ++i) {
    json e = e2e::EventoDto("E" + std::to_string(i + 1), ids[i], nullptr);
    e["Status"] = "ENVIADO";
    eventos.push_back(e);
  }
  json lote = e2e::LoteDto("L1", eventos);
  lote["NumeroProtocolo"] = kProtocolo;
  lote["Status"] = "ENVIADO";
  lote["Consulting"] = true;
  return lote;
}

std::vector<std::string> Ids(int n) {
  std::vector<std::string> ids;
  for (int i = 1; i <= n; ++i) ids.push_back(IdConsultado(i));
  return ids;
}

std::string Repetido(const std::string& texto, int vezes) {
  std::string r;
  r.reserve(texto.size() * static_cast<std::size_t>(vezes));
  for (int i = 0; i < vezes; ++i) r += texto;
  return r;
}

struct Caso {
  const char* nome;
  std::string comando;
  std::vector<json> lotes;  // transmit: the batches; consult: the batch under the protocol
  json soap;                // the reply of the command's SOAP action
  std::string mensagem;     // the reply's message
  std::string trecho;       // a part of its description
  bool enviaSoap = true;    // whether the agent reaches the SOAP service
  // For a success: what the API got back (the batch reported or written back).
  std::function<void(const json&)> conferir = nullptr;
};

TEST(HostileReplyContent, EachEndsInItsWholeResultOrItsErrorWithNothingWrittenBack) {
  const json loteS1000 = e2e::LoteDto("L1", {e2e::EventoDto("E1", kIdS1000, esocialtest::EventoS1000())});
  const std::string ok = e2e::RetornoEnvio(201, "Lote Recebido com Sucesso.", "P-1");
  const std::string comDoisMil = "<cdResposta>2x01</cdResposta>";
  const std::vector<std::string> ids = {IdConsultado(1), IdConsultado(2)};
  const json lote = LoteConsultado(ids);
  const std::string consulta = Consulta(201, kProtocolo, ids);
  const std::string erroTrans = "WebService:  http://www.esocial.gov.br/servicos/empregador/lote/eventos/envio/v1_1_0";
  const std::string erroConsulta = "Erro ao consultar o protocolo: " + kProtocolo + ". Erro Message: ";
  std::vector<std::pair<int, std::string>> dezMil;
  for (int i = 1; i <= 10000; ++i) dezMil.emplace_back(i, "Ocorrência " + std::to_string(i));
  const std::string dezMilOcorrencias = e2e::RetornoEnvio(401, "Lote Incorreto.", "", dezMil);
  const std::vector<std::string> doisMil = Ids(2000);
  // The result element in another namespace than its service's.
  const json resultadoForaDoNs = {
      {"body",
       "<s:Envelope xmlns:s=\"http://schemas.xmlsoap.org/soap/envelope/\"><s:Body><EnviarLoteEventosResponse "
       "xmlns=\"urn:outro\"><EnviarLoteEventosResult>" +
           ok + "</EnviarLoteEventosResult></EnviarLoteEventosResponse></s:Body></s:Envelope>"}};

  const Caso casos[] = {
      // A reply claiming success without its proof.
      {"a send 201 without protocol",
       kTransmitir,
       {loteS1000},
       Envio(e2e::RetornoEnvio(201, "Recebido.", "")),
       "ERROR_TRANS",
       "A resposta do envio (código 201) não traz o protocolo do lote"},
      {"a send code 2x01",
       kTransmitir,
       {loteS1000},
       Envio(platform::StringReplace(ok, "<cdResposta>201</cdResposta>", comDoisMil)),
       "ERROR_TRANS",
       "Erro ao obter resposta do webservice."},
      {"a send reply in another namespace",
       kTransmitir,
       {loteS1000},
       Envio(platform::StringReplace(ok, kNsRetornoEnvio, "urn:outro")),
       "ERROR_TRANS",
       "O elemento retornoEnvioLoteEventos " + kForaDoNs + kNsRetornoEnvio},
      {"a send result element in another namespace",
       kTransmitir,
       {loteS1000},
       resultadoForaDoNs,
       "ERROR_TRANS",
       "O elemento EnviarLoteEventosResult " + kForaDoNs},
      {"a processed batch without events",
       kConsultar,
       {lote},
       Envio(Consulta(201, kProtocolo, {})),
       "ERROR_CONSULT",
       erroConsulta + "A resposta da consulta não traz os eventos do lote"},
      {"an event processed without receipt",
       kConsultar,
       {lote},
       Envio(Consulta(201, kProtocolo, ids, 0, "<cdResposta>201</cdResposta>", false)),
       "ERROR_CONSULT",
       erroConsulta + "A resposta da consulta não traz o recibo do evento " + ids[0]},
      {"a reply of another protocol",
       kConsultar,
       {lote},
       Envio(Consulta(201, "1.2.202504.0000000000000000001", ids)),
       "ERROR_CONSULT",
       erroConsulta + "A resposta da consulta é do protocolo 1.2.202504.0000000000000000001, não do consultado"},
      {"a reply with an event of another batch",
       kConsultar,
       {lote},
       Envio(Consulta(201, kProtocolo, {ids[0], IdConsultado(9)})),
       "ERROR_CONSULT",
       erroConsulta + "A resposta da consulta traz o evento " + IdConsultado(9) + ", que não é do lote"},
      {"a reply leaving an event of the batch out",
       kConsultar,
       {lote},
       Envio(Consulta(201, kProtocolo, {ids[0]})),
       "ERROR_CONSULT",
       erroConsulta + "A resposta da consulta não traz o resultado do evento " + ids[1]},
      {"a consult code 2x01",
       kConsultar,
       {lote},
       Envio(platform::StringReplace(consulta, "<cdResposta>201</cdResposta>", comDoisMil, false)),
       "ERROR_CONSULT",
       erroConsulta + "\r\nErro ao obter resposta do webservice."},
      {"an event code 2x01",
       kConsultar,
       {lote},
       Envio(Consulta(201, kProtocolo, ids, 0, "<cdResposta>2x01</cdResposta>")),
       "ERROR_CONSULT",
       erroConsulta + "\r\nErro ao obter resposta do webservice."},
      {"a consult reply in another namespace",
       kConsultar,
       {lote},
       Envio(platform::StringReplace(consulta, kNsRetornoConsulta, "urn:outro")),
       "ERROR_CONSULT",
       erroConsulta + "\r\nO elemento retornoProcessamentoLoteEventos " + kForaDoNs + kNsRetornoConsulta},
      // One event record is one document.
      {"a record holding an S-1000 and an S-1010",
       kTransmitir,
       {e2e::LoteDto("L1", {e2e::EventoDto("E1", kIdS1000, esocialtest::EventoS1000() + esocialtest::EventoS1010())})},
       Envio(ok),
       "ERROR_TRANS",
       kIdS1000 + ": O XML do evento contém 2 documentos eSocial; um evento tem um só",
       false},
      {"a record of 640,000 closing tags",
       kTransmitir,
       {e2e::LoteDto("L1", {e2e::EventoDto("E1", kIdS1000, Repetido("</eSocial>", 640000))})},
       Envio(ok),
       "ERROR_TRANS",
       kIdS1000 + ": O XML do evento contém 640000 documentos eSocial",
       false},
      {"a batch text whose events never close",
       kTransmitir,
       {e2e::LoteDto("L1", {e2e::EventoDto("E1", kIdS1000,
                                           "<envioLoteEventos><eventos>" + Repetido("<evento Id=", 200000) +
                                               "</eventos></envioLoteEventos>")})},
       Envio(ok),
       "ERROR_TRANS",
       kIdS1000 + ": O XML do evento contém 274999 documentos eSocial",
       false},
      // Long lists, read whole.
      {"a send reply with 10,000 occurrences",
       kTransmitir,
       {loteS1000},
       Envio(dezMilOcorrencias),
       "SUCCESS_TRANS",
       "Lote(s) transmitido(s) com sucesso",
       true,
       [](const json& relatado) {
         EXPECT_EQ(relatado["Status"], "INCONSISTENTE");
         ASSERT_EQ(relatado["Ocorrencias"].size(), 10000u);
         EXPECT_EQ(relatado["Ocorrencias"][9999]["CodigoResposta"], 10000);
         EXPECT_EQ(relatado["Ocorrencias"][9999]["Descricao"], "Ocorrência 10000");
       }},
      {"a consult reply with 10,000 occurrences",
       kConsultar,
       {lote},
       Envio(Consulta(501, "", {}, 10000)),
       "SUCCESS_CONSULT",
       "Consultado com sucesso",
       true,
       [](const json& escrito) {
         const json& l = escrito["EsocialLoteXmlDTO"];
         EXPECT_EQ(l["Status"], "INCONSISTENTE");
         ASSERT_EQ(l["Ocorrencias"].size(), 10000u);
         EXPECT_EQ(l["Ocorrencias"][9999]["CodigoResposta"], 10000);
       }},
      {"a consult reply of 2,000 events",
       kConsultar,
       {LoteConsultado(doisMil)},
       Envio(Consulta(201, kProtocolo, doisMil)),
       "SUCCESS_CONSULT",
       "Consultado com sucesso",
       true,
       [&](const json& escrito) {
         const json& eventos = escrito["EsocialLoteXmlDTO"]["EventosPendentesXmlDTO"];
         ASSERT_EQ(eventos.size(), doisMil.size());
         for (std::size_t i = 0; i < eventos.size(); ++i) {
           EXPECT_EQ(eventos[i]["Status"], "PROCESSADO") << i;
           EXPECT_EQ(eventos[i]["NumeroRecibo"], "1.2." + std::to_string(i + 1)) << i;
           EXPECT_TRUE(platform::StartsText("<evento Id=\"" + doisMil[i] + "\">",
                                            eventos[i]["XmlRetornoConsulta"].get<std::string>()))
               << i;
         }
       }},
  };
  for (const Caso& k : casos) {
    SCOPED_TRACE(k.nome);
    e2e::EsocialStandIns s;
    const bool transmite = k.comando == kTransmitir;
    const std::string rotaEscrita = transmite ? e2e::kRotaProcessarLote : e2e::kRotaAtualizarLote;
    if (transmite) {
      s.ServirLotes(k.lotes);
    } else {
      s.Rota(e2e::kRotaLotePorProtocolo, {{{"status", 200}, {"json", k.lotes[0]}}});
      s.Rota(e2e::kRotaAtualizarLote, {{{"status", 204}}});
    }
    s.RoteiroSoap({{transmite ? e2e::kAcaoEnviarLote : e2e::kAcaoConsultarLote, k.soap}});

    const json resposta = s.Executar(k.comando, e2e::TokenValido(), transmite ? "" : kProtocolo);

    if (!resposta.is_object()) {
      ADD_FAILURE() << "no reply";
      continue;
    }
    EXPECT_EQ(resposta["message"], k.mensagem) << resposta;
    const std::string descricao = resposta["description"];
    EXPECT_NE(descricao.find(k.trecho), std::string::npos) << descricao.substr(0, 400);
    EXPECT_EQ(s.PedidosSoap().size(), k.enviaSoap ? 1u : 0u);
    const std::vector<json> recebidos = s.Recebidos(rotaEscrita);
    if (!k.conferir) {
      EXPECT_EQ(resposta["success"], false);
      EXPECT_TRUE(recebidos.empty()) << "written back";
      continue;
    }
    EXPECT_EQ(resposta["success"], true);
    ASSERT_EQ(recebidos.size(), 1u);
    k.conferir(recebidos[0]);
  }
}

}  // namespace
