// The transmit and sign commands as the browser runs them: the agent as a process, the REST
// and SOAP stand-ins, the employer's certificate in a test NSS database, the official schemas.
#include <gtest/gtest.h>

#include <ctime>
#include <filesystem>
#include <map>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "e2e/esocial_stand_ins.h"
#include "support/esocial/esocial_test_support.h"
#include "support/nss_db.h"
#include "support/peer.h"

using nlohmann::json;
namespace fs = std::filesystem;

namespace {

const std::string kTransmitir = "transmitir_eventos_1.7";
const std::string kAssinar = "assinar_eventos_1.7";
// The identifiers of the test documents (employer root 12345678).
const std::string kIdS1000 = "ID1123456780000002025010112000000001";
const std::string kIdS1010 = "ID1123456780000002025010112000000002";

json Resposta(bool sucesso, const std::string& mensagem, const std::string& descricao) {
  return json{{"command_id", "cmd-1"}, {"success", sucesso}, {"message", mensagem}, {"description", descricao}};
}

json Envio(int codigo, const std::string& descricao, const std::string& protocolo,
           const std::vector<std::pair<int, std::string>>& ocorrencias = {}) {
  return json{{"body", e2e::RetornoEnvio(codigo, descricao, protocolo, ocorrencias)}, {"wrap", true}};
}

// The event documents of a batch as it travelled (each eSocial element of an event namespace).
std::vector<std::string> EventosDoLote(const std::string& lote) {
  std::vector<std::string> eventos;
  const std::string inicio = "<eSocial xmlns=\"http://www.esocial.gov.br/schema/evt/";
  for (std::size_t i = lote.find(inicio); i != std::string::npos; i = lote.find(inicio, i + 1))
    eventos.push_back(lote.substr(i, lote.find("</eSocial>", i) + 10 - i));
  return eventos;
}

// Whether xmllint finds the document valid against the official schema.
bool ValidaContra(const std::string& xml, const std::string& schema, std::string* saida) {
  const std::string arquivo = testsupport::MakeTempDir("nembo-valida") + "/doc.xml";
  testsupport::WriteFile(arquivo, xml);
  return testsupport::RunCommand("xmllint --noout --schema " + esocialtest::Schemas() + schema + " " + arquivo,
                                 saida) == 0;
}

struct TransmitSign : ::testing::Test {
  e2e::EsocialStandIns s;
};

}  // namespace

TEST_F(TransmitSign, AnUnsignedTableEventIsSignedSentAndReported) {
  s.ServirLotes({e2e::LoteDto("L1", {e2e::EventoDto("E1", kIdS1000, esocialtest::EventoS1000())})});
  s.RoteiroSoap({{e2e::kAcaoEnviarLote, Envio(201, "Lote Recebido com Sucesso.", "1.2.202501.0000000000000000001")}});

  EXPECT_EQ(s.Executar(kTransmitir), Resposta(true, "SUCCESS_TRANS", "Lote(s) transmitido(s) com sucesso"));

  const auto pedidos = s.PedidosSoap();
  ASSERT_EQ(pedidos.size(), 1u);
  const std::string corpo = e2e::EsocialStandIns::Corpo(pedidos[0]);
  const auto eventos = EventosDoLote(corpo);
  ASSERT_EQ(eventos.size(), 1u) << corpo;
  // Set up as the agent sets it: TLS 1.2, the certificate's holder as transmitter.
  EXPECT_EQ(pedidos[0]["tls"], "TLSv1.2");
  EXPECT_NE(corpo.find("<ideTransmissor><tpInsc>1</tpInsc><nrInsc>12345678000195</nrInsc>"), std::string::npos);
  std::string saida;
  EXPECT_TRUE(esocialtest::Xmlsec1Aceita(eventos[0], &saida)) << saida;
  EXPECT_TRUE(ValidaContra(eventos[0], "evtInfoEmpregador-v_S_01_03_00.xsd", &saida)) << saida;

  const auto relatados = s.Recebidos(e2e::kRotaProcessarLote);
  ASSERT_EQ(relatados.size(), 1u);
  const json& lote = relatados[0];
  EXPECT_EQ(lote["Status"], "ENVIADO");
  EXPECT_EQ(lote["CodigoResposta"], 201);
  EXPECT_EQ(lote["Descricao"], "Lote Recebido com Sucesso.");
  EXPECT_EQ(lote["NumeroProtocolo"], "1.2.202501.0000000000000000001");
  EXPECT_NE(lote["Xml"].get<std::string>().find("<envioLoteEventos"), std::string::npos);
  EXPECT_NE(corpo.find(lote["Xml"].get<std::string>()), std::string::npos) << lote["Xml"];
  const std::string assinado = lote["EventosPendentesXmlDTO"][0]["Xml"];
  EXPECT_EQ(EventosDoLote(assinado), eventos);
  EXPECT_TRUE(esocialtest::Xmlsec1Aceita(assinado, &saida)) << saida;
  EXPECT_FALSE(esocialtest::Arquivos(s.pastaPrograma + "/Docs/12345678").empty());
}

TEST_F(TransmitSign, EachSendReplyIsMappedOntoTheBatch) {
  struct Caso {
    const char* nome;
    json envio;
    json esperado;  // the reported batch's members
    std::vector<std::pair<int, std::string>> ocorrencias;
  };
  const std::vector<std::pair<int, std::string>> duas = {{143, "Falta o grupo ideEmpregador"}, {144, "Outra"}};
  const Caso casos[] = {
      {"201",
       Envio(201, "Lote Recebido com Sucesso.", "P-201"),
       {{"Status", "ENVIADO"},
        {"CodigoResposta", 201},
        {"Descricao", "Lote Recebido com Sucesso."},
        {"NumeroProtocolo", "P-201"},
        {"TempoEstimadoConclusao", nullptr}},
       {}},
      {"101",
       Envio(101, "Lote aguardando processamento.", "P-101"),
       {{"Status", "AGUARDANDO_PROCESSAMENTO"},
        {"CodigoResposta", nullptr},
        {"Descricao", nullptr},
        {"NumeroProtocolo", "P-101"},
        {"TempoEstimadoConclusao", nullptr}},
       {}},
      {"401 with two occurrences",
       Envio(401, "Lote Incorreto - Erro preenchimento.", "", duas),
       {{"Status", "INCONSISTENTE"},
        {"CodigoResposta", 401},
        {"Descricao", "Lote Incorreto - Erro preenchimento."},
        {"NumeroProtocolo", ""},
        {"TempoEstimadoConclusao", nullptr}},
       duas},
      {"401 without occurrences",
       Envio(401, "Lote Incorreto.", ""),
       {{"Status", "INCONSISTENTE"},
        {"CodigoResposta", 401},
        {"Descricao", "Lote Incorreto."},
        {"NumeroProtocolo", ""},
        {"TempoEstimadoConclusao", nullptr}},
       {}},
  };
  s.ServirLotes({e2e::LoteDto("L1", {e2e::EventoDto("E1", kIdS1000, esocialtest::EventoS1000())})});
  for (const Caso& k : casos) {
    SCOPED_TRACE(k.nome);
    s.RoteiroSoap({{e2e::kAcaoEnviarLote, k.envio}});
    EXPECT_EQ(s.Executar(kTransmitir), Resposta(true, "SUCCESS_TRANS", "Lote(s) transmitido(s) com sucesso"));
    const json lote = s.Recebidos(e2e::kRotaProcessarLote).back();
    for (const auto& [membro, valor] : k.esperado.items()) EXPECT_EQ(lote[membro], valor) << membro;
    ASSERT_EQ(lote["Ocorrencias"].size(), k.ocorrencias.size());
    for (std::size_t i = 0; i < k.ocorrencias.size(); ++i) {
      EXPECT_EQ(lote["Ocorrencias"][i]["CodigoResposta"], k.ocorrencias[i].first);
      EXPECT_EQ(lote["Ocorrencias"][i]["Descricao"], k.ocorrencias[i].second);
      EXPECT_EQ(lote["Ocorrencias"][i]["TipoEnvio"], "LoteTRANSMISSAO");
    }
  }
}

TEST(TransmitSeveralBatches, EachBatchIsSentAndReportedOnItsOwn) {
  const json comEventos = e2e::LoteDto("A", {e2e::EventoDto("E1", kIdS1000, esocialtest::EventoS1000())});
  const json vazio = e2e::LoteDto("V", {});
  const json outro = e2e::LoteDto("C", {e2e::EventoDto("E3", kIdS1010, esocialtest::EventoS1010())});
  const std::string kIdOutroEmpregador = "ID1876543210000002025010112000000001";
  const json outroEmpregador = e2e::LoteDto(
      "B", {e2e::EventoDto("E2", kIdOutroEmpregador,
                           esocialtest::Evento("evtInfoEmpregador", kIdOutroEmpregador,
                                               {"<ideEvento><tpAmb>2</tpAmb><procEmi>1</procEmi><verProc>NEMBO 1.0"
                                                "</verProc></ideEvento>",
                                                "<ideEmpregador><tpInsc>1</tpInsc><nrInsc>87654321</nrInsc>"
                                                "</ideEmpregador>",
                                                "<infoEmpregador><exclusao><idePeriodo><iniValid>2024-01</iniValid>"
                                                "</idePeriodo></exclusao></infoEmpregador>"}))});
  const json ok = Envio(201, "Lote Recebido com Sucesso.", "P-1");
  const json sucesso = Resposta(true, "SUCCESS_TRANS", "Lote(s) transmitido(s) com sucesso");
  struct Caso {
    const char* nome;
    std::vector<json> lotes;
    json envios;
    std::vector<std::string> relatados;  // batch ids in reporting order
    std::size_t enviados;
    std::vector<std::string> empregadores;  // the nrInsc of each sent batch's ideEmpregador
  };
  const Caso casos[] = {
      {"events then empty", {comEventos, vazio}, ok, {"A", "V"}, 1, {"12345678"}},
      {"empty then events", {vazio, comEventos}, ok, {"V", "A"}, 1, {"12345678"}},
      {"a failed send stops",
       {comEventos, outroEmpregador, outro},
       json::array({ok, {{"fault", "Falha"}}, ok}),
       {"A"},
       2,
       {"12345678", "87654321"}},
      {"two employers", {comEventos, outroEmpregador}, ok, {"A", "B"}, 2, {"12345678", "87654321"}},
  };
  for (const Caso& k : casos) {
    SCOPED_TRACE(k.nome);
    e2e::EsocialStandIns s;
    s.ServirLotes(k.lotes);
    s.RoteiroSoap({{e2e::kAcaoEnviarLote, k.envios}});
    const json resposta = s.Executar(kTransmitir);
    if (k.relatados.size() == k.lotes.size()) {
      EXPECT_EQ(resposta, sucesso);
    } else {
      EXPECT_EQ(resposta["message"], "ERROR_TRANS") << resposta;
      EXPECT_NE(resposta["description"].get<std::string>().find("Falha"), std::string::npos) << resposta;
    }
    const auto relatados = s.Recebidos(e2e::kRotaProcessarLote);
    ASSERT_EQ(relatados.size(), k.relatados.size());
    for (std::size_t i = 0; i < relatados.size(); ++i) {
      EXPECT_EQ(relatados[i]["Id"], k.relatados[i]);
      if (k.relatados[i] == "V")  // an empty batch goes back as it came
        for (const auto& [membro, valor] : vazio.items()) EXPECT_EQ(relatados[i][membro], valor) << membro;
      else
        EXPECT_EQ(relatados[i]["Status"], "ENVIADO");
    }
    const auto pedidos = s.PedidosSoap();
    ASSERT_EQ(pedidos.size(), k.enviados);
    for (std::size_t i = 0; i < pedidos.size(); ++i) {
      const std::string corpo = e2e::EsocialStandIns::Corpo(pedidos[i]);
      EXPECT_NE(corpo.find("<ideEmpregador><tpInsc>1</tpInsc><nrInsc>" + k.empregadores[i] + "</nrInsc>"),
                std::string::npos)
          << corpo;
      EXPECT_FALSE(esocialtest::Arquivos(s.pastaPrograma + "/Docs/" + k.empregadores[i]).empty());
    }
  }
}

TEST(TransmitSignFailedEvents, ABatchWithAFailedEventIsNotSentAndSignKeepsItAsReceived) {
  const std::string kIdInvalido = "ID1123456780000002025010112000000009";
  const std::string invalido =
      esocialtest::Evento("evtInfoEmpregador", kIdInvalido,
                          {"<ideEvento><tpAmb>2</tpAmb><procEmi>1</procEmi><verProc>NEMBO 1.0</verProc></ideEvento>"});
  const std::string kIdSemArquivo = "ID1123456780000002025010112999999999";
  struct Caso {
    const char* nome;
    json falho;
    std::string descricao;  // empty: any text behind the event's identifier
  };
  const Caso casos[] = {
      {"schema-invalid", e2e::EventoDto("E2", kIdInvalido, invalido), ""},
      {"no generated file", e2e::EventoDto("E2", kIdSemArquivo, esocialtest::EventoS1010()),
       kIdSemArquivo + ": Evento não reconhecido ou com Id diferente do CodigoEvento"},
  };
  for (const Caso& k : casos) {
    SCOPED_TRACE(k.nome);
    const std::string codigo = k.falho["CodigoEvento"];
    const std::vector<json> lotes = {
        e2e::LoteDto("L1", {e2e::EventoDto("E1", kIdS1000, esocialtest::EventoS1000()), k.falho}),
        e2e::LoteDto("L2", {e2e::EventoDto("E3", "ID1123456780000002025010112000000003", esocialtest::EventoS3000(),
                                           "evtNaoPeriodico")})};
    auto descreve = [&](const json& resposta) {
      const std::string d = resposta["description"];
      if (!k.descricao.empty()) {
        EXPECT_EQ(d, k.descricao);
        return;
      }
      EXPECT_EQ(d.rfind(codigo + ": ", 0), 0u) << d;
      EXPECT_EQ(d.find(kIdS1000), std::string::npos) << d;  // only the failed event is listed
    };
    {
      SCOPED_TRACE("transmit");
      e2e::EsocialStandIns s;
      s.ServirLotes(lotes);
      s.RoteiroSoap({{e2e::kAcaoEnviarLote, Envio(201, "Lote Recebido com Sucesso.", "P-1")}});
      const json resposta = s.Executar(kTransmitir);
      EXPECT_EQ(resposta["message"], "ERROR_TRANS");
      descreve(resposta);
      EXPECT_TRUE(s.PedidosSoap().empty());
      EXPECT_TRUE(s.Recebidos(e2e::kRotaProcessarLote).empty());
    }
    {
      SCOPED_TRACE("sign");
      e2e::EsocialStandIns s;
      s.ServirLotes(lotes);
      const json resposta = s.Executar(kAssinar);
      EXPECT_EQ(resposta["message"], "ERROR_ASS_EVT");
      descreve(resposta);
      const auto relatados = s.Recebidos(e2e::kRotaProcessarLote);
      ASSERT_EQ(relatados.size(), 2u);
      const json& eventos = relatados[0]["EventosPendentesXmlDTO"];
      EXPECT_TRUE(esocialtest::Xmlsec1Aceita(eventos[0]["Xml"]));
      EXPECT_EQ(eventos[1]["Xml"], k.falho["Xml"]);
      EXPECT_TRUE(esocialtest::Xmlsec1Aceita(relatados[1]["EventosPendentesXmlDTO"][0]["Xml"]));
      EXPECT_TRUE(s.PedidosSoap().empty());
    }
  }
}

TEST_F(TransmitSign, AnAlreadySignedEventIsSentByteForByte) {
  const std::string assinado = esocialtest::ComAssinaturaFicticia(esocialtest::EventoS1000());
  s.ServirLotes({e2e::LoteDto("L1", {e2e::EventoDto("E1", kIdS1000, assinado)})});
  s.RoteiroSoap({{e2e::kAcaoEnviarLote, Envio(201, "Lote Recebido com Sucesso.", "P-1")}});

  EXPECT_EQ(s.Executar(kTransmitir)["message"], "SUCCESS_TRANS");
  const auto pedidos = s.PedidosSoap();
  ASSERT_EQ(pedidos.size(), 1u);
  const std::string documento = assinado.substr(assinado.find("<eSocial"));
  EXPECT_EQ(EventosDoLote(e2e::EsocialStandIns::Corpo(pedidos[0])),
            std::vector<std::string>{documento.substr(0, documento.find("</eSocial>") + 10)});
}

TEST_F(TransmitSign, SignGeneratesFirstThenReportsTheSignedEventsWithoutSending) {
  s.ServirLotes({e2e::LoteDto("L1", {e2e::EventoDto("E1", kIdS1000, esocialtest::EventoS1000()),
                                     e2e::EventoDto("E2", kIdS1010, esocialtest::EventoS1010())})});

  EXPECT_EQ(s.Executar(kAssinar), Resposta(true, "SUCCESS_ASS_EVT", "Evento(s) assinado(s) com sucesso"));
  EXPECT_EQ(s.Chamadas(),
            (std::vector<std::string>{e2e::kRotaGerarXml, e2e::kRotaLotesGerados, e2e::kRotaProcessarLote}));
  const auto relatados = s.Recebidos(e2e::kRotaProcessarLote);
  ASSERT_EQ(relatados.size(), 1u);
  EXPECT_EQ(relatados[0]["Status"], "COM_XML");
  for (const json& evento : relatados[0]["EventosPendentesXmlDTO"]) {
    std::string saida;
    EXPECT_TRUE(esocialtest::Xmlsec1Aceita(evento["Xml"], &saida)) << saida;
  }
  EXPECT_TRUE(s.PedidosSoap().empty());
}

TEST_F(TransmitSign, AReportThatFailsAfterAnAcceptedSendKeepsTheProtocol) {
  s.ServirLotes({e2e::LoteDto("L1", {e2e::EventoDto("E1", kIdS1000, esocialtest::EventoS1000())})});
  s.RoteiroSoap({{e2e::kAcaoEnviarLote, Envio(201, "Lote Recebido com Sucesso.", "1.2.202501.0000000000000000077")}});
  s.Rota(e2e::kRotaProcessarLote, {{{"status", 500}, {"content_type", "text/plain"}, {"body", "banco fora"}}});

  const json resposta = s.Executar(kTransmitir);
  EXPECT_EQ(resposta["message"], "ERROR_TRANS");
  const std::string d = resposta["description"];
  for (const char* parte :
       {"Status code: 500", "banco fora", "Lote: L1", "Protocolo: 1.2.202501.0000000000000000077", "201"})
    EXPECT_NE(d.find(parte), std::string::npos) << parte << " in " << d;
}

namespace {

// A moment as openssl's validity dates (UTC) and as the agent shows it (it runs in UTC).
struct Momento {
  std::string openssl, texto;
};
Momento MomentoUtc(std::time_t t, bool comHora) {
  std::tm tm{};
  gmtime_r(&t, &tm);
  char openssl[32], texto[32];
  std::strftime(openssl, sizeof openssl, "%Y%m%d%H%M%SZ", &tm);
  std::strftime(texto, sizeof texto, comHora ? "%d/%m/%Y %H:%M:%S" : "%d/%m/%Y", &tm);
  return {openssl, texto};
}

}  // namespace

TEST(TransmitSignFailures, NothingIsSentAndTheReplySaysWhy) {
  const std::time_t agora = std::time(nullptr);
  const Momento minutoAtras = MomentoUtc(agora - 60, true);
  const Momento meiaNoite = MomentoUtc((agora / 86400 - 1) * 86400, false);
  const json umLote = json::array({e2e::LoteDto("L1", {e2e::EventoDto("E1", kIdS1000, esocialtest::EventoS1000())})});
  const json erro500 = {{"status", 500}, {"content_type", "text/plain"}, {"body", "falhou"}};
  struct Caso {
    const char* nome;
    std::string comando;
    json lotes;                                       // what GetLotesGerados serves
    std::vector<std::pair<std::string, json>> rotas;  // further API replies
    std::string validade;                             // a certificate of its own valid until then
    std::map<std::string, std::string> env;           // further agent environment
    std::string token;
    json resposta;  // the reply's message and description (a description ending in "…" is a prefix)
  };
  const Caso casos[] = {
      {"no certificate chosen",
       kTransmitir,
       umLote,
       {},
       "",
       {{"NEMBO_CERT_SERIAL", ""}},
       "",
       {{"message", "ERROR_TRANS"}, {"description", "Certificado não informado"}}},
      {"expired a minute ago",
       kTransmitir,
       umLote,
       {},
       minutoAtras.openssl,
       {},
       "",
       {{"message", "ERROR_TRANS"}, {"description", "Certificado Vencido - Vencimento: " + minutoAtras.texto}}},
      {"expired at midnight",
       kAssinar,
       umLote,
       {},
       meiaNoite.openssl,
       {},
       "",
       {{"message", "ERROR_ASS_EVT"}, {"description", "Certificado Vencido - Vencimento: " + meiaNoite.texto}}},
      {"batches cannot be fetched",
       kTransmitir,
       umLote,
       {{e2e::kRotaLotesGerados, erro500}},
       "",
       {},
       "",
       {{"message", "ERROR_LOTE"},
        {"description", "Erro ao obter lote(s) gerado(s)\r\nMsgXData server request error.…"}}},
      {"events cannot be generated",
       kAssinar,
       umLote,
       {{e2e::kRotaGerarXml, erro500}},
       "",
       {},
       "",
       {{"message", "ASSINAR_EVENTO"}, {"description", "Erro ao assinar evento(s)\r\nXData server request error.…"}}},
      {"bad token",
       kTransmitir,
       umLote,
       {},
       "",
       {},
       "x.y",
       {{"message", "Erro ao processar o comando. command_id: cmd-1, command_type: " + kTransmitir},
        {"description", "Invalid token"}}},
      {"no batch", kTransmitir, json::array(), {}, "", {}, "", {{"message", "ERROR_TRANS"}}},
      {"only empty batches",
       kAssinar,
       json::array({e2e::LoteDto("V", {})}),
       {},
       "",
       {},
       "",
       {{"message", "ERROR_ASS_EVT"}}},
      {"an event without XML",
       kTransmitir,
       json::array({e2e::LoteDto("L1", {e2e::EventoDto("E1", kIdS1000, nullptr)})}),
       {},
       "",
       {},
       "",
       {{"message", "ERROR_TRANS"}}},
  };
  for (const Caso& k : casos) {
    SCOPED_TRACE(k.nome);
    e2e::EsocialStandIns s;
    s.ServirLotes(k.lotes);
    for (const auto& [rota, resposta] : k.rotas) s.Rota(rota, {resposta});
    s.RoteiroSoap({{e2e::kAcaoEnviarLote, Envio(201, "Lote Recebido com Sucesso.", "P-1")}});
    if (!k.validade.empty()) {
      const auto certificado = testsupport::NssDatabaseWithCertificate(k.validade);
      s.env["NEMBO_NSS_DB"] = certificado.Db;
      s.env["NEMBO_CERT_SERIAL"] = certificado.Serial;
    }
    for (const auto& [nome, valor] : k.env) s.env[nome] = valor;

    const json resposta = k.token.empty() ? s.Executar(k.comando) : s.Executar(k.comando, k.token);
    EXPECT_EQ(resposta["success"], false) << resposta;
    EXPECT_EQ(resposta["message"], k.resposta["message"]);
    if (k.resposta.contains("description")) {
      std::string esperada = k.resposta["description"];
      const std::string dada = resposta["description"];
      if (esperada.size() > 3 && esperada.substr(esperada.size() - 3) == "…")
        EXPECT_EQ(dada.rfind(esperada.substr(0, esperada.size() - 3), 0), 0u) << dada;
      else
        EXPECT_EQ(dada, esperada);
    } else {
      EXPECT_FALSE(resposta["description"].get<std::string>().empty());
    }
    EXPECT_TRUE(s.PedidosSoap().empty());
    EXPECT_TRUE(s.Recebidos(e2e::kRotaProcessarLote).empty());
  }
}
