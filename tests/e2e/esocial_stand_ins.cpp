#include "e2e/esocial_stand_ins.h"

#include <filesystem>
#include <sstream>

#include "e2e/agent_process.h"
#include "platform/base64.h"
#include "support/esocial/esocial_test_support.h"
#include "support/nss_db.h"

namespace fs = std::filesystem;
using nlohmann::json;

namespace e2e {

std::string TokenValido() {
  return "eyJhbGciOiJub25lIn0." + platform::Base64Encode(R"({"empresa":{"slug":"acme"}})", true, false) + ".sig";
}

json EventoDto(const std::string& id, const std::string& codigoEvento, const json& xml, const std::string& tipo) {
  return json{
      {"Id", id},   {"Chave", "evtInfoEmpregador"}, {"TipoEvento", tipo},          {"CodigoEvento", codigoEvento},
      {"Xml", xml}, {"Status", "PENDENTE"},         {"Ocorrencias", json::array()}};
}

json LoteDto(const std::string& id, const std::vector<json>& eventos) {
  return json{{"Id", id},
              {"EventosPendentesXmlDTO", eventos},
              {"NumeroProtocolo", ""},
              {"Status", "COM_XML"},
              {"CodigoResposta", nullptr},
              {"Descricao", nullptr},
              {"TempoEstimadoConclusao", nullptr},
              {"Ocorrencias", json::array()},
              {"Xml", ""},
              {"EmpresaRhId", "rh-1"},
              {"EmpregadorCTIId", "cti-1"}};
}

std::string RetornoEnvio(int codigo, const std::string& descricao, const std::string& protocolo,
                         const std::vector<std::pair<int, std::string>>& ocorrencias) {
  std::string xml =
      "<eSocial xmlns=\"http://www.esocial.gov.br/schema/lote/eventos/envio/retornoEnvio/v1_1_0\">"
      "<retornoEnvioLoteEventos><ideEmpregador><tpInsc>1</tpInsc><nrInsc>12345678</nrInsc></ideEmpregador>"
      "<ideTransmissor><tpInsc>1</tpInsc><nrInsc>12345678000195</nrInsc></ideTransmissor><status><cdResposta>" +
      std::to_string(codigo) + "</cdResposta><descResposta>" + descricao + "</descResposta>";
  if (!ocorrencias.empty()) {
    xml += "<ocorrencias>";
    for (const auto& [c, d] : ocorrencias)
      xml += "<ocorrencia><codigo>" + std::to_string(c) + "</codigo><descricao>" + d +
             "</descricao><tipo>1</tipo></ocorrencia>";
    xml += "</ocorrencias>";
  }
  xml += "</status>";
  if (!protocolo.empty())
    xml +=
        "<dadosRecepcaoLote><dhRecepcao>2025-01-10T10:00:00</dhRecepcao><versaoAplicativoRecepcao>1.0"
        "</versaoAplicativoRecepcao><protocoloEnvio>" +
        protocolo + "</protocoloEnvio></dadosRecepcaoLote>";
  return xml + "</retornoEnvioLoteEventos></eSocial>";
}

namespace {

std::vector<std::string> ArgumentosSoap(const std::vector<std::string>& extra) {
  std::vector<std::string> args{"--samples", std::string(NEMBO_TEST_DATA_DIR)};
  args.insert(args.end(), extra.begin(), extra.end());
  return args;
}

}  // namespace

EsocialStandIns::EsocialStandIns(const std::vector<std::string>& soapArgs)
    : soap(ArgumentosSoap(soapArgs), "soap_server.py"),
      pastaPrograma(testsupport::MakeTempDir("nembo-programa")),
      programa(pastaPrograma + "/native.app.nembo") {
  // The agent finds its schemas, save folder and services INI next to itself: a copy of its
  // own keeps tests that run side by side apart.
  std::error_code ec;
  fs::create_hard_link(NEMBO_AGENT_BIN, programa, ec);
  if (ec) fs::copy_file(NEMBO_AGENT_BIN, programa);
  fs::create_directory_symlink(std::string(NEMBO_SCHEMAS_DIR), pastaPrograma + "/Schemas");
  fs::create_symlink(std::string(NEMBO_SOURCE_DIR) + "/certs/icp-brasil-v10.pem",
                     pastaPrograma + "/icp-brasil-v10.pem");
  EscreverIniServicos();

  const std::string nss = testsupport::NssTestDatabase();
  const std::string home = testsupport::MakeTempDir("nembo-home");
  env = {{"NEMBO_API_URL", api.Url()},
         {"SSL_CERT_FILE", testsupport::PkiDir() + "/ca.crt"},
         {"NEMBO_ESOCIAL_CA_FILE", testsupport::PkiDir() + "/ca.crt"},
         {"NEMBO_NSS_DB", "sql:" + nss + "/db"},
         {"SOFTHSM2_CONF", nss + "/softhsm2.conf"},
         {"NEMBO_CERT_SERIAL", testsupport::CertificateSerial(testsupport::PkiDir() + "/client.crt")},
         {"DISPLAY", ""},
         {"WAYLAND_DISPLAY", ""},
         {"TZ", "UTC"},
         {"HOME", home},
         {"XDG_DOCUMENTS_DIR", home + "/Documents"}};

  ServirLotes({});
  Rota(kRotaProcessarLote, {{{"status", 204}}});
  Rota(kRotaGerarXml, {{{"status", 204}}});
}

void EsocialStandIns::EscreverIniServicos() const {
  testsupport::WriteFile(pastaPrograma + "/TrivoeSocialServicos.ini",
                         esocialtest::IniServicos("https://127.0.0.1:" + std::to_string(soap.peer->Port())));
}

void EsocialStandIns::UsarProgramaInstalado(const std::string& Pasta) {
  pastaPrograma = Pasta;
  programa = Pasta + "/native.app.nembo";
  EscreverIniServicos();
}

void EsocialStandIns::ServirLotes(const std::vector<json>& lotes) {
  Rota(kRotaLotesGerados, {{{"json", {{"value", lotes}}}}});
}

void EsocialStandIns::Rota(const std::string& rota, const std::vector<json>& respostas) {
  FRotas[rota] = respostas;
  api.SetRoutes(FRotas);
}

json EsocialStandIns::Executar(const std::string& commandType, const std::string& token, const std::string& protocolo) {
  json pedido = {{"command_id", "cmd-1"}, {"command_type", commandType}, {"token", token}};
  if (!protocolo.empty()) pedido["protocolo"] = protocolo;
  return Executar(pedido);
}

json EsocialStandIns::Executar(const json& pedido) {
  const RunResult r = RunAgent(Frame(pedido.dump()), env, std::chrono::seconds(60), programa);
  if (r.Output.size() < 4) return nullptr;
  return json::parse(r.Output.substr(4), nullptr, false);
}

std::vector<json> EsocialStandIns::Recebidos(const std::string& rota) const {
  std::vector<json> corpos;
  for (const auto& r : api.Requests())
    if (r.Path == rota) corpos.push_back(json::parse(r.Body, nullptr, false));
  return corpos;
}

std::vector<std::string> EsocialStandIns::Chamadas() const {
  std::vector<std::string> rotas;
  for (const auto& r : api.Requests()) rotas.push_back(r.Path);
  return rotas;
}

std::string EsocialStandIns::Corpo(const json& pedido) {
  auto corpo = platform::Base64Decode(pedido["body"].get<std::string>());
  return corpo ? *corpo : "(not Base64)";
}

}  // namespace e2e
