// S-1030, job position table (2.x only): documents of each mode, a public position among them,
// written from fields and from INI input, signed and valid against the 2.5 schema; the sizes of
// that schema; the INI reader's own cases.
#include "esocial/events/tables_periodic/s1030_job_position_table.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "event_test_support.h"

using namespace esocial;
using namespace esocial::s1030;
using esocialtest::TIni;
using ::testing::HasSubstr;

namespace {

void Preencher(TEvtTabCargo& e) {
  e.Id = esocialtest::kIdEvento;
  e.IdeEvento.VerProc = "NEMBO 1.0";
  e.IdeEmpregador.NrInsc = esocialtest::kEmpregador;
  e.InfoCargo.IdeCargo = {"CARGO01", "2024-01", ""};
  e.InfoCargo.DadosCargo().nmCargo = "Analista de sistemas";
  e.InfoCargo.DadosCargo().codCBO = "212405";
}

TIni IniBase() {
  return {
      {"evtTabCargo", {{"Id", esocialtest::kIdEvento}}},
      {"ideEvento", {{"procEmi", "1"}, {"verProc", "NEMBO 1.0"}}},
      {"ideEmpregador", {{"tpInsc", "1"}, {"nrInsc", esocialtest::kEmpregador}}},
      {"ideCargo", {{"codCargo", "CARGO01"}, {"iniValid", "2024-01"}}},
      {"dadosCargo", {{"nmCargo", "Analista de sistemas"}, {"codCBO", "212405"}}},
  };
}

const std::string kNenhum = "() - Nenhum valor informado";

}  // namespace

TEST(S1030JobPositionTable, ValidDocuments) {
  esocialtest::VerificarDocumentosValidos<TS1030Collection>(
      Preencher, IniBase(),
      {
          {"inclusion", [](TEvtTabCargo&) {}, [](TIni&) {}, {}},
          {"a public position and its law",
           [](TEvtTabCargo& e) {
             TCargoPublico& publico = e.InfoCargo.DadosCargo().cargoPublico();
             publico.acumCargo = acProfSaude;
             publico.contagemEsp = ceAtividadedeRisco;
             publico.dedicExcl = tpNao;
             publico.leiCargo = {"1234/2020", platform::EncodeDate(2020, 3, 15), "1"};
           },
           [](TIni& ini) {
             ini["cargoPublico"] = {{"acumCargo", "2"}, {"contagemEsp", "4"}, {"dedicExcl", "N"}};
             ini["leiCargo"] = {{"nrLei", "1234/2020"}, {"dtLei", "15/03/2020"}, {"sitCargo", "1"}};
           },
           {}},
          {"alteration with a new validity",
           [](TEvtTabCargo& e) {
             e.ModoLancamento = mlAlteracao;
             e.InfoCargo.NovaValidade() = {"2024-06", "2024-12"};
           },
           [](TIni& ini) {
             ini["evtTabCargo"]["ModoLancamento"] = "alteracao";
             ini["novaValidade"] = {{"iniValid", "2024-06"}, {"fimValid", "2024-12"}};
           },
           {}},
          // Without its start a new validity is none, so an alteration needs no such section.
          {"alteration without one",
           [](TEvtTabCargo& e) {
             e.ModoLancamento = mlAlteracao;
             e.InfoCargo.NovaValidade().FimValid = "2024-12";
           },
           [](TIni& ini) { ini["evtTabCargo"]["ModoLancamento"] = "alteracao"; },
           {}},
          {"exclusion",
           [](TEvtTabCargo& e) {
             e.ModoLancamento = mlExclusao;
             e.InfoCargo.IdeCargo.fimValid = "2024-12";
           },
           [](TIni& ini) {
             ini["evtTabCargo"]["ModoLancamento"] = "exclusao";
             ini["ideCargo"]["fimValid"] = "2024-12";
           },
           {}},
      },
      ve02_05_00);
}

// The occupation code has four to six digits; a law date past year 9999 stops the writer.
TEST(S1030JobPositionTable, SizesAndFailure) {
  const auto cbo = [](const std::string& codigo) {
    return [codigo](TEvtTabCargo& e) { e.InfoCargo.DadosCargo().codCBO = codigo; };
  };
  esocialtest::VerificarCasosLeiaute<TS1030Collection>(
      Preencher,
      {
          {"four digits", ve02_05_00, cbo("2124"), {"<codCBO>2124</codCBO>"}, {}, {}},
          {"three", ve02_05_00, cbo("212"), {}, {}, {"/codCBO() - Tamanho menor que o mínimo permitido [212]"}},
          {"a public position writes its law always",
           ve02_05_00,
           [](TEvtTabCargo& e) { e.InfoCargo.DadosCargo().cargoPublico(); },
           {"<leiCargo><nrLei/><dtLei/><sitCargo/></leiCargo>"},
           {},
           {"/nrLei" + kNenhum, "/dtLei" + kNenhum, "/sitCargo" + kNenhum}},
      });

  auto c = esocialtest::NovoComponente(false);
  TEvtTabCargo& e = esocialtest::NovoEvento<TS1030Collection>(c, ve02_05_00);
  Preencher(e);
  e.InfoCargo.DadosCargo().cargoPublico().leiCargo.dtLei = platform::EncodeDate(9999, 12, 31) + 1;
  EXPECT_THAT(testsupport::MessageOf([&] { e.GerarXML(); }),
              ::testing::StartsWith(std::string("ID: ") + esocialtest::kIdEvento + "\r\n "));
  EXPECT_EQ(e.XML(), "");
}

TEST(S1030JobPositionTable, IniCases) {
  esocialtest::VerificarCasosIni<TS1030Collection>(
      IniBase(),
      {
          {"no public position unless one of its keys is given", [](TIni&) {}, testsupport::kNoError,
           [](TEvtTabCargo& e) { EXPECT_FALSE(e.InfoCargo.DadosCargo().cargoPublicInst()); }},
          {"an empty section is none",
           [](TIni& ini) {
             ini["cargoPublico"] = {{"acumCargo", ""}};
           },
           testsupport::kNoError, [](TEvtTabCargo& e) { EXPECT_FALSE(e.InfoCargo.DadosCargo().cargoPublicInst()); }},
          {"a public position given by its law, its codes by their defaults",
           [](TIni& ini) {
             ini["leiCargo"] = {{"nrLei", "1234/2020"}, {"dtLei", "15/03/2020"}, {"sitCargo", "2"}};
           },
           testsupport::kNoError,
           [](TEvtTabCargo& e) {
             ASSERT_TRUE(e.InfoCargo.DadosCargo().cargoPublicInst());
             const TCargoPublico& publico = e.InfoCargo.DadosCargo().cargoPublico();
             EXPECT_EQ(publico.acumCargo, acNaoAcumulavel);
             EXPECT_EQ(publico.contagemEsp, ceNao);
             EXPECT_EQ(publico.dedicExcl, tpSim);
             EXPECT_EQ(publico.leiCargo.sitCargo, "2");
           }},
          {"an occupation code not given is none", [](TIni& ini) { ini["dadosCargo"].erase("codCBO"); },
           "Falha na validação dos dados do evento",
           [](TEvtTabCargo& e) {
             EXPECT_EQ(e.InfoCargo.DadosCargo().codCBO, "");
             EXPECT_THAT(e.XML(), HasSubstr("<codCBO></codCBO>"));
             esocialtest::VerificarAlertas(e.Gerador().ListaDeAlertas, {"/codCBO" + kNenhum});
           }},
          {"an exclusion reads no data", [](TIni& ini) { ini["evtTabCargo"]["ModoLancamento"] = "exclusao"; },
           testsupport::kNoError, [](TEvtTabCargo& e) { EXPECT_FALSE(e.InfoCargo.dadosCargoInst()); }},
          {"a code outside its list",
           [](TIni& ini) {
             ini["cargoPublico"] = {{"acumCargo", "5"}};
           },
           "INI: valor inválido em [cargoPublico] acumCargo: \"5\"", [](TEvtTabCargo& e) { EXPECT_EQ(e.XML(), ""); }},
      },
      ve02_05_00);
}
