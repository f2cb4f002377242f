// Hostile servers and replies through the real binary against the stand-ins: the file names a
// consult reply may steer, a server whose certificate does not verify, a reply without end or
// dripped a byte at a time, and an unpack the process is told to stop in the middle of.
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "agent/fake_api_fixture.h"
#include "e2e/agent_process.h"
#include "e2e/esocial_stand_ins.h"
#include "platform/base64.h"
#include "platform/rest_client.h"
#include "support/esocial/esocial_test_support.h"
#include "support/peer.h"
#include "support/zip_builder.h"

namespace fs = std::filesystem;
using nlohmann::json;

namespace {

const std::string kTransmitir = "transmitir_eventos_1.7";
const std::string kConsultar = "consultar_protocolo_1.7";
const std::string kIdS1000 = "ID1123456780000002025010112000000001";
const std::string kProtocolo = "1.2.202504.0000000000174654747";
const std::string kEvento = "ID1005099680001482025040318000600000";

// One returned event of a processed batch, with a totalizer of that type.
std::string EventoRetornado(const std::string& id, const std::string& tipo) {
  return "<evento Id=\"" + id +
         "\"><retornoEvento><eSocial xmlns=\"http://www.esocial.gov.br/schema/evt/retornoEvento/v1_2_0\">"
         "<retornoEvento Id=\"" +
         id +
         "\"><processamento><cdResposta>201</cdResposta><descResposta>Sucesso.</descResposta></processamento>"
         "<recibo><nrRecibo>1.2.0000000000000000001</nrRecibo><hash>h</hash></recibo></retornoEvento></eSocial>"
         "</retornoEvento><tot tipo=\"" +
         tipo +
         "\"><eSocial xmlns=\"http://www.esocial.gov.br/schema/evt/evtBasesTrab/v_S_01_03_00\"><evtBasesTrab Id=\"" +
         id + "\"/></eSocial></tot></evento>";
}

// A batch-processing reply: the batch's code and its events.
std::string RetornoProcessamento(int codigo, const std::string& eventos) {
  return "<eSocial xmlns=\"http://www.esocial.gov.br/schema/lote/eventos/envio/retornoProcessamento/v1_3_0\">"
         "<retornoProcessamentoLoteEventos><status><cdResposta>" +
         std::to_string(codigo) +
         "</cdResposta><descResposta>Lote processado.</descResposta></status><dadosRecepcaoLote>"
         "<protocoloEnvio>" +
         kProtocolo + "</protocoloEnvio></dadosRecepcaoLote><retornoEventos>" + eventos +
         "</retornoEventos></retornoProcessamentoLoteEventos></eSocial>";
}

// The files below a folder, relative, symbolic links not followed.
std::set<std::string> Arquivos(const std::string& pasta) {
  std::set<std::string> nomes;
  for (const auto& e : fs::recursive_directory_iterator(pasta))
    if (!e.is_directory() || e.is_symlink()) nomes.insert(fs::relative(e.path(), pasta).lexically_normal().string());
  return nomes;
}

}  // namespace

TEST(HostileServer, EachIsRefusedOrBoundedAndWritesNothingOutsideDocs) {
  // A folder outside the program's, holding a file a reply names by its absolute path.
  const std::string alvo = testsupport::MakeTempDir("nembo-alvo");
  testsupport::WriteFile(alvo + "/existing-victim.xml", "keep");
  const std::string absoluto = alvo + "/existing";
  const std::string recusa = "Certificado do servidor 127.0.0.1 recusado: ";
  const std::string doLote = EventoRetornado(kEvento, "S5001");
  const std::string tipoDesconhecido = "Totalizador do evento \"" + kEvento + "\" não salvo: tipo ";

  struct Case {
    const char* what;
    std::vector<std::string> soapArgs;  // the SOAP stand-in's certificate
    std::string command;
    json soapReply;               // to the command's action
    std::string message;          // of the agent's reply
    std::string detail;           // a part of its description
    std::set<std::string> saved;  // in Docs, besides the service's request and reply files
    bool reached = true;          // the SOAP stand-in got the request
    bool carriedRoot = false;     // the test CA is the program's root file; NEMBO_ESOCIAL_CA_FILE unset
  } cases[] = {
      {"an absolute event Id with an unknown totalizer type",
       {},
       kConsultar,
       {{"body", RetornoProcessamento(201, doLote + EventoRetornado(absoluto, "victim"))}, {"wrap", true}},
       "SUCCESS_CONSULT",
       "Consultado com sucesso\r\nTotalizador do evento \"" + absoluto + "\" não salvo: tipo \"victim\" desconhecido",
       {kEvento.substr(2) + "-S5001.xml"}},
      {"a slash in the totalizer type",
       {},
       kConsultar,
       {{"body", RetornoProcessamento(201, EventoRetornado(kEvento, "b/name"))}, {"wrap", true}},
       "SUCCESS_CONSULT",
       "Consultado com sucesso\r\n" + tipoDesconhecido + "\"b/name\" desconhecido",
       {}},
      {"an absolute event Id in a batch still waiting (101)",
       {},
       kConsultar,
       {{"body", RetornoProcessamento(101, EventoRetornado(absoluto, "victim") + EventoRetornado("/x/y", "S5001"))},
        {"wrap", true}},
       "SUCCESS_CONSULT",
       "Totalizador S5001 do evento \"/x/y\" não salvo: identificador sem dígitos",
       {}},
      {"an absolute event Id in an escaped reply",
       {},
       kConsultar,
       {{"body", RetornoProcessamento(201, doLote + EventoRetornado(absoluto, "victim"))},
        {"wrap", true},
        {"escape", true}},
       "SUCCESS_CONSULT",
       "não salvo: tipo \"victim\" desconhecido",
       {kEvento.substr(2) + "-S5001.xml"}},
      {"a self-signed server",
       {"--server-cert", "server-selfsigned"},
       kTransmitir,
       {{"body", e2e::RetornoEnvio(201, "Lote Recebido com Sucesso.", "P-1")}, {"wrap", true}},
       "ERROR_TRANS",
       recusa + "self-signed certificate (CN=127.0.0.1",
       {},
       false},
      {"a server with another host's certificate",
       {"--server-cert", "server-wronghost"},
       kTransmitir,
       {{"body", e2e::RetornoEnvio(201, "Lote Recebido com Sucesso.", "P-1")}, {"wrap", true}},
       "ERROR_TRANS",
       recusa + "IP address mismatch (CN=outro.servico.invalido",
       {},
       false},
      {"a server whose certificate expired",
       {"--server-cert", "server-expired"},
       kTransmitir,
       {{"body", e2e::RetornoEnvio(201, "Lote Recebido com Sucesso.", "P-1")}, {"wrap", true}},
       "SUCCESS_TRANS",
       "Lote(s) transmitido(s) com sucesso",
       {}},
      {"a server the root beside the program vouches for",
       {},
       kTransmitir,
       {{"body", e2e::RetornoEnvio(201, "Lote Recebido com Sucesso.", "P-1")}, {"wrap", true}},
       "SUCCESS_TRANS",
       "Lote(s) transmitido(s) com sucesso",
       {},
       true,
       true},
      // (One that announces no length is cut where it passes the limit: tests/dfe, where the time-out
      // can outlast it.)
      {"an endless reply announcing a TiB",
       {},
       kTransmitir,
       {{"endless", true}, {"length", std::uint64_t{1} << 40}},
       "ERROR_TRANS",
       "maior que o limite de " + std::to_string(platform::kMaxResponseBodyLength >> 20) + " MiB",
       {}},
      {"a reply dripped a byte at a time",
       {},
       kTransmitir,
       {{"body", e2e::RetornoEnvio(201, "Lote Recebido com Sucesso.", "P-1")}, {"wrap", true}, {"drip", 0.05}},
       "ERROR_TRANS",
       "Erro: 12002 - TimeOut de Requisição",
       {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    e2e::EsocialStandIns s(c.soapArgs);
    if (c.carriedRoot) {
      fs::remove(s.pastaPrograma + "/icp-brasil-v10.pem");
      fs::copy_file(testsupport::PkiDir() + "/ca.crt", s.pastaPrograma + "/icp-brasil-v10.pem");
      s.env["NEMBO_ESOCIAL_CA_FILE"] = "";
      unsetenv("NEMBO_ESOCIAL_CA_FILE");
    }
    const std::set<std::string> programa = Arquivos(s.pastaPrograma);
    json reply;
    if (c.command == kTransmitir) {
      s.ServirLotes({e2e::LoteDto("L1", {e2e::EventoDto("E1", kIdS1000, esocialtest::EventoS1000())})});
      s.RoteiroSoap({{e2e::kAcaoEnviarLote, c.soapReply}});
      reply = s.Executar(kTransmitir);
    } else {
      json evento = e2e::EventoDto("E1", kEvento, nullptr);
      evento["Status"] = "ENVIADO";
      json lote = e2e::LoteDto("L1", {evento});
      // Where the reply names the hostile Id the API's batch holds it too, so the reply reaches the saving.
      if (c.soapReply.dump().find(absoluto) != std::string::npos) {
        json hostil = e2e::EventoDto("E2", absoluto, nullptr);
        hostil["Status"] = "ENVIADO";
        lote["EventosPendentesXmlDTO"].push_back(hostil);
      }
      lote["NumeroProtocolo"] = kProtocolo;
      lote["Status"] = "ENVIADO";
      s.Rota(e2e::kRotaLotePorProtocolo, {{{"status", 200}, {"json", lote}}});
      s.Rota(e2e::kRotaAtualizarLote, {{{"status", 204}}});
      s.RoteiroSoap({{e2e::kAcaoConsultarLote, c.soapReply}});
      reply = s.Executar(kConsultar, e2e::TokenValido(), kProtocolo);
    }

    ASSERT_TRUE(reply.is_object()) << reply;
    EXPECT_EQ(reply["message"], c.message) << reply;
    const std::string descricao = reply["description"];
    EXPECT_NE(descricao.find(c.detail), std::string::npos) << descricao.substr(0, 600);
    EXPECT_EQ(s.PedidosSoap().size(), c.reached ? 1u : 0u);
    // Nothing reaches the API as sent or processed unless the exchange succeeded.
    const bool sucesso = c.message.starts_with("SUCCESS");
    const std::string relato = c.command == kTransmitir ? e2e::kRotaProcessarLote : e2e::kRotaAtualizarLote;
    EXPECT_EQ(s.Recebidos(relato).size(), sucesso ? 1u : 0u);

    // Outside Docs nothing is new; inside it, the service's own files and the totalizers named.
    EXPECT_EQ(testsupport::ReadFile(alvo + "/existing-victim.xml"), "keep");
    EXPECT_EQ(Arquivos(alvo), std::set<std::string>{"existing-victim.xml"});
    std::set<std::string> totalizadores;
    for (const std::string& f : Arquivos(s.pastaPrograma)) {
      if (programa.count(f)) continue;
      const fs::path p(f);
      if (p.parent_path() == "Docs/12345678") continue;  // the signed event of a transmit
      EXPECT_EQ(p.parent_path(), "Docs") << f;
      if (p.filename().string().find("-S5") != std::string::npos) totalizadores.insert(p.filename().string());
    }
    EXPECT_EQ(totalizadores, c.saved);
    if (c.carriedRoot) setenv("NEMBO_ESOCIAL_CA_FILE", (testsupport::PkiDir() + "/ca.crt").c_str(), 1);
  }
}

// Told to stop while it unpacks, the agent undoes the unpacking and removes its staging folder
// before it ends by the signal; a staging folder a killed agent left goes at the next unpack.
TEST(HostileServer, AnUnpackStoppedBySignalLeavesNoStaging) {
  testsupport::FakeApi api;
  const std::string kRoute = "/empresa/SfArquivoService/DownloadFileSagres/";
  const std::string home = testsupport::MakeTempDir("nembo-home");
  const std::string drive = testsupport::MakeTempDir("drive_c");
  const std::string folder = drive + "/ValidadorSagres123/2024/importacao/5/folha";
  fs::create_directories(folder);
  testsupport::WriteFile(folder + "/folha.txt", "last month");
  const std::map<std::string, std::string> env = {
      {"HOME", home}, {"XDG_DOCUMENTS_DIR", home + "/docs"}, {"NEMBO_DRIVE_C", drive}};
  const std::string pedido = e2e::Frame(json{
      {"command_id", "arq-1"},
      {"command_type", "descompactar_sagres_validador_1.7"},
      {"token", e2e::TokenValido()},
      {"protocolo", "2024/123-05"}}.dump());
  auto servir = [&](const std::string& zip) {
    api.Route(kRoute,
              {{"status", 200}, {"content_type", "application/zip"}, {"body_base64", platform::Base64Encode(zip)}});
  };
  auto staging = [&] {
    for (const auto& e : fs::directory_iterator(folder))
      if (e.path().filename().string().starts_with(".nembo-")) return true;
    return false;
  };
  const std::set<std::string> antes = testsupport::Tree(drive);

  // Hundreds of MiB of zeros take the agent a while to write.
  servir(testsupport::BuildRawZip({{"a.txt", 0, std::nullopt, "a"}, {"folha.txt", 500}}));
  for (int sinal : {SIGTERM, SIGINT}) {
    SCOPED_TRACE(sinal);
    e2e::AgentProcess agent(env);
    agent.Write(pedido);
    const auto prazo = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (!staging() && std::chrono::steady_clock::now() < prazo)
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    ASSERT_TRUE(staging()) << "the unpack did not start";
    agent.Signal(sinal);
    agent.Wait(std::chrono::seconds(60));
    EXPECT_EQ(agent.EndingSignal(), sinal);
    EXPECT_EQ(agent.ReadRest(std::chrono::seconds(1)), "");
    EXPECT_EQ(testsupport::Tree(drive), antes);
    EXPECT_EQ(testsupport::ReadFile(folder + "/folha.txt"), "last month");
  }

  const std::string deixada = folder + "/.nembo-0123456789abcdef0123456789abcdef.tmp";
  fs::create_directories(deixada);
  testsupport::WriteFile(deixada + "/1", std::string(4096, 'x'));
  servir(testsupport::BuildZip({{"folha.txt", "this month"}}));
  const e2e::RunResult r = e2e::RunAgent(pedido, env, std::chrono::seconds(60));
  ASSERT_GE(r.Output.size(), 4u);
  EXPECT_EQ(json::parse(r.Output.substr(4))["message"], "SUCCESS_DOWNLOAD_FILE") << r.Output.substr(4);
  EXPECT_FALSE(fs::exists(deixada));
  EXPECT_EQ(testsupport::ReadFile(folder + "/folha.txt"), "this month");
}
