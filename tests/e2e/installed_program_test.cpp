// The program folder `cmake --install` lays out is one the agent runs from: the program, its
// schemas and the services INI, nothing from the source tree.
#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>

#include "e2e/esocial_stand_ins.h"
#include "support/esocial/esocial_test_support.h"
#include "support/peer.h"

using nlohmann::json;
namespace fs = std::filesystem;

namespace {

const std::string kIdS1000 = "ID1123456780000002025010112000000001";

// The build tree installed into an empty folder of the test's own.
std::string Instalar() {
  const std::string prefixo = testsupport::MakeTempDir("nembo-instalado");
  std::string saida;
  EXPECT_EQ(testsupport::RunCommand("cmake --install " + std::string(NEMBO_BUILD_DIR) + " --prefix " + prefixo, &saida),
            0)
      << saida;
  return prefixo;
}

}  // namespace

TEST(InstalledProgram, TheInstalledFolderHoldsWhatTheAgentReadsAndAnswersATransmit) {
  const std::string pasta = Instalar();
  for (const char* arquivo : {"native.app.nembo", "TrivoeSocialServicos.ini", "icp-brasil-v10.pem", "Schemas/tipos.xsd",
                              "Schemas/evtInfoEmpregador-v_S_01_03_00.xsd", "Schemas/EnvioLoteEventos-v1_1_1.xsd",
                              "Schemas/evtRemun-v02_05_00.xsd", "Schemas/v_S_01_02_00/evtRemun-v_S_01_02_00.xsd"})
    EXPECT_TRUE(fs::is_regular_file(pasta + "/" + arquivo)) << arquivo;
  EXPECT_EQ(testsupport::ReadFile(pasta + "/TrivoeSocialServicos.ini"),
            testsupport::ReadFile(std::string(NEMBO_SOURCE_DIR) + "/esocial/TrivoeSocialServicos.ini"));
  EXPECT_FALSE(fs::is_symlink(pasta + "/Schemas"));

  e2e::EsocialStandIns s;
  s.UsarProgramaInstalado(pasta);
  s.ServirLotes({e2e::LoteDto("L1", {e2e::EventoDto("E1", kIdS1000, esocialtest::EventoS1000())})});
  s.RoteiroSoap({{e2e::kAcaoEnviarLote,
                  {{"body", e2e::RetornoEnvio(201, "Lote Recebido com Sucesso.", "1.2.202501.0000000000000000001")},
                   {"wrap", true}}}});
  EXPECT_EQ(s.Executar(std::string("transmitir_eventos_1.7")),
            (json{{"command_id", "cmd-1"},
                  {"success", true},
                  {"message", "SUCCESS_TRANS"},
                  {"description", "Lote(s) transmitido(s) com sucesso"}}));
  EXPECT_EQ(s.PedidosSoap().size(), 1u);
  EXPECT_FALSE(esocialtest::Arquivos(pasta + "/Docs/12345678").empty());
}

TEST(InstalledProgram, WithoutItsSchemasATransmitFailsNamingThePathItLookedIn) {
  const std::string pasta = Instalar();
  fs::remove_all(pasta + "/Schemas");

  e2e::EsocialStandIns s;
  s.UsarProgramaInstalado(pasta);
  s.ServirLotes({e2e::LoteDto("L1", {e2e::EventoDto("E1", kIdS1000, esocialtest::EventoS1000())})});
  const json resposta = s.Executar(std::string("transmitir_eventos_1.7"));
  EXPECT_EQ(resposta["success"], false);
  EXPECT_EQ(resposta["message"], "ERROR_TRANS");
  const std::string descricao = resposta["description"];
  EXPECT_NE(descricao.find(pasta + "/Schemas/evtInfoEmpregador-v_S_01_03_00.xsd"), std::string::npos) << descricao;
  EXPECT_TRUE(s.PedidosSoap().empty());
}
