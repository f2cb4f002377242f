// The transmit and sign commands as the browser runs them: the agent as a process, the REST
// and SOAP stand-ins, the employer's certificate in a test NSS database, the official schemas.
#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "e2e/esocial_stand_ins.h"
#include "support/esocial/esocial_test_support.h"
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
