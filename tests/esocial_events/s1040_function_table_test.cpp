// S-1040, function table (2.x only): documents of each mode written from fields and from INI
// input, signed and valid against the 2.5 schema; the sizes of that schema; the INI reader's own
// cases.
#include "esocial/events/tables_periodic/s1040_function_table.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "event_test_support.h"

using namespace esocial;
using namespace esocial::s1040;
using esocialtest::TIni;
using ::testing::HasSubstr;

namespace {

void Preencher(TEvtTabFuncao& e) {
  e.Id = esocialtest::kIdEvento;
  e.IdeEvento.VerProc = "NEMBO 1.0";
  e.IdeEmpregador.NrInsc = esocialtest::kEmpregador;
  e.InfoFuncao.IdeFuncao = {"FUNC01", "2024-01", ""};
  e.InfoFuncao.DadosFuncao() = {"Chefe de setor", "142105"};
}

TIni IniBase() {
  return {
      {"evtTabFuncao", {{"Id", esocialtest::kIdEvento}}},
      {"ideEvento", {{"procEmi", "1"}, {"verProc", "NEMBO 1.0"}}},
      {"ideEmpregador", {{"tpInsc", "1"}, {"nrInsc", esocialtest::kEmpregador}}},
      {"ideFuncao", {{"codFuncao", "FUNC01"}, {"iniValid", "2024-01"}}},
      {"dadosFuncao", {{"dscFuncao", "Chefe de setor"}, {"codCBO", "142105"}}},
  };
}

}  // namespace

TEST(S1040FunctionTable, ValidDocuments) {
  esocialtest::VerificarDocumentosValidos<TS1040Collection>(
      Preencher, IniBase(),
      {
          {"inclusion", [](TEvtTabFuncao&) {}, [](TIni&) {}, {}},
          {"alteration with a new validity",
           [](TEvtTabFuncao& e) {
             e.ModoLancamento = mlAlteracao;
             e.InfoFuncao.NovaValidade() = {"2024-06", "2025-05"};
           },
           [](TIni& ini) {
             ini["evtTabFuncao"]["ModoLancamento"] = "alteracao";
             ini["novaValidade"] = {{"iniValid", "2024-06"}, {"fimValid", "2025-05"}};
           },
           {}},
          {"alteration without one",
           [](TEvtTabFuncao& e) {
             e.ModoLancamento = mlAlteracao;
             e.InfoFuncao.NovaValidade();
           },
           [](TIni& ini) { ini["evtTabFuncao"]["ModoLancamento"] = "alteracao"; },
           {}},
          {"exclusion",
           [](TEvtTabFuncao& e) { e.ModoLancamento = mlExclusao; },
           [](TIni& ini) { ini["evtTabFuncao"]["ModoLancamento"] = "exclusao"; },
           {}},
      },
      ve02_05_00);
}

// The occupation code has four to six digits.
TEST(S1040FunctionTable, Sizes) {
  const auto cbo = [](const std::string& codigo) {
    return [codigo](TEvtTabFuncao& e) { e.InfoFuncao.DadosFuncao().codCBO = codigo; };
  };
  esocialtest::VerificarCasosLeiaute<TS1040Collection>(
      Preencher, {
                     {"four digits", ve02_05_00, cbo("1421"), {"<codCBO>1421</codCBO>"}, {}, {}},
                     {"one", ve02_05_00, cbo("1"), {}, {}, {"/codCBO() - Tamanho menor que o mínimo permitido [1]"}},
                 });
}

TEST(S1040FunctionTable, IniCases) {
  esocialtest::VerificarCasosIni<TS1040Collection>(
      IniBase(),
      {
          {"an occupation code not given is none", [](TIni& ini) { ini["dadosFuncao"].erase("codCBO"); },
           "Falha na validação dos dados do evento",
           [](TEvtTabFuncao& e) {
             EXPECT_EQ(e.InfoFuncao.DadosFuncao().codCBO, "");
             EXPECT_THAT(e.XML(), HasSubstr("<codCBO></codCBO>"));
             esocialtest::VerificarAlertas(e.Gerador().ListaDeAlertas, {"/codCBO() - Nenhum valor informado"});
           }},
          {"an exclusion reads no data", [](TIni& ini) { ini["evtTabFuncao"]["ModoLancamento"] = "exclusao"; },
           testsupport::kNoError, [](TEvtTabFuncao& e) { EXPECT_FALSE(e.InfoFuncao.dadosFuncaoInst()); }},
      },
      ve02_05_00);
}
