#pragma once
// The outside world of the eSocial commands, for tests that run the agent as a process: the
// company REST API (fake_api.py), the government's SOAP services (soap_server.py, client
// certificates required), the test NSS database holding the employer's certificate, and a
// program folder of the test's own: a copy of the agent with the official schemas as its
// "Schemas", the ICP-Brasil root the project carries, its "Docs" save folder and a
// TrivoeSocialServicos.ini pointing at the SOAP stand-in. The agent trusts the SOAP stand-in's
// certificate through NEMBO_ESOCIAL_CA_FILE (the test CA).
#include <map>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "agent/fake_api_fixture.h"
#include "support/https_peer.h"

namespace e2e {

// The routes and SOAP actions the eSocial commands use.
inline constexpr const char* kRotaLotesGerados = "/empresa/EsocialLoteService/GetLotesGerados/";
inline constexpr const char* kRotaProcessarLote = "/empresa/EsocialLoteService/ProcessarLoteEnviado/";
inline constexpr const char* kRotaGerarXml = "/empresa/EsocialLoteService/GerarXmlEventosLote/";
inline constexpr const char* kRotaLotePorProtocolo = "/empresa/EsocialLoteService/GetLotePorProtocolo/";
inline constexpr const char* kRotaAtualizarLote = "/empresa/EsocialLoteService/AtualizarLote/";
inline constexpr const char* kAcaoEnviarLote =
    "http://www.esocial.gov.br/servicos/empregador/lote/eventos/envio/v1_1_0/ServicoEnviarLoteEventos/"
    "EnviarLoteEventos";
inline constexpr const char* kAcaoConsultarLote =
    "http://www.esocial.gov.br/servicos/empregador/lote/eventos/envio/consulta/retornoProcessamento/v1_1_0/"
    "ServicoConsultarLoteEventos/ConsultarLoteEventos";

// A token the agent reads (slug "acme").
std::string TokenValido();

// One event of a batch as the API sends it; tipo is "evtTabela", "evtNaoPeriodico" or
// "evtPeriodico". A null xml sends the event without one.
nlohmann::json EventoDto(const std::string& id, const std::string& codigoEvento, const nlohmann::json& xml,
                         const std::string& tipo = "evtTabela");
// One batch as the API sends it.
nlohmann::json LoteDto(const std::string& id, const std::vector<nlohmann::json>& eventos);

// A send-batch reply document (retornoEnvioLoteEventos) with that code, description and
// protocol (none when empty), and occurrences as {codigo, descricao} pairs; for the SOAP
// stand-in with "wrap".
std::string RetornoEnvio(int codigo, const std::string& descricao, const std::string& protocolo,
                         const std::vector<std::pair<int, std::string>>& ocorrencias = {});

struct EsocialStandIns {
  // soapArgs: further arguments of the SOAP stand-in (--server-cert NAME, say).
  explicit EsocialStandIns(const std::vector<std::string>& soapArgs = {});

  // The API answers GetLotesGerados with these batches.
  void ServirLotes(const std::vector<nlohmann::json>& lotes);
  // Replies of one API route, in order, the last one repeating (fake_api.py's form).
  void Rota(const std::string& rota, const std::vector<nlohmann::json>& respostas);
  // The SOAP stand-in's script: action -> reply or list of replies (soap_server.py's form).
  void RoteiroSoap(const nlohmann::json& roteiro) const { soap.Script(roteiro); }

  // Runs one request of that command type (e.g. "transmitir_eventos_1.7") through the agent
  // in the program folder and returns its reply frame as JSON (null when none came).
  nlohmann::json Executar(const std::string& commandType, const std::string& token = TokenValido(),
                          const std::string& protocolo = "");
  // The same with the request object as given (a protocolo that is null or empty, say).
  nlohmann::json Executar(const nlohmann::json& pedido);

  // Runs the agent installed in Pasta (as `cmake --install` lays it out) from now on, its
  // services INI rewritten to point at the SOAP stand-in.
  void UsarProgramaInstalado(const std::string& Pasta);

  // The bodies the API received on a route, as JSON, in order.
  std::vector<nlohmann::json> Recebidos(const std::string& rota) const;
  // The API's routes in the order they were called.
  std::vector<std::string> Chamadas() const;
  // The requests the SOAP stand-in received (tls_server.py's record: body in Base64, action, ...).
  std::vector<nlohmann::json> PedidosSoap() const { return soap.Requests(); }
  // The body of a recorded SOAP request.
  static std::string Corpo(const nlohmann::json& pedido);

  testsupport::FakeApi api;
  testhttp::HttpsPeer soap;
  std::string pastaPrograma;  // the agent's copy, "Schemas", "Docs", the services INI
  std::string programa;
  // The agent's environment: API address and CA, the SOAP stand-in's CA, the NSS database and
  // the certificate the dialog returns (NEMBO_NSS_DB, SOFTHSM2_CONF, NEMBO_CERT_SERIAL), no
  // desktop session, UTC, HOME and Documents of the test's own. Tests may change it before
  // Executar.
  std::map<std::string, std::string> env;

 private:
  void EscreverIniServicos() const;

  nlohmann::json FRotas = nlohmann::json::object();
};

}  // namespace e2e
