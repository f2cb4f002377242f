// S-1295, contingency totalisation request: requests written from fields and from INI input,
// signed and valid against the official 2.5 schema, with and without the person responsible;
// the INI reader's own cases.
#include "esocial/events/tables_periodic/s1295_contingency_totalisation.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "event_test_support.h"

using namespace esocial;
using esocialtest::TIni;
using ::testing::HasSubstr;
using testsupport::kNoError;

namespace {

// March 2024, asked for by Maria.
void Preencher(TEvtTotConting& e) {
  e.Id = esocialtest::kIdEvento;
  e.IdeEvento.IndApuracao = iapuMensal;
  e.IdeEvento.perApur = "2024-03";
  e.IdeEvento.VerProc = "NEMBO 1.0";
  e.IdeEmpregador.NrInsc = esocialtest::kEmpregador;
  e.IdeRespInf = {"Maria da Silva", "98765432100", "1133334444", "maria@example.com"};
}

TIni IniBase() {
  return {
      {"evtTotConting", {{"Id", esocialtest::kIdEvento}}},
      {"ideEvento", {{"indApuracao", "1"}, {"perApur", "2024-03"}, {"procEmi", "1"}, {"verProc", "NEMBO 1.0"}}},
      {"ideEmpregador", {{"tpInsc", "1"}, {"nrInsc", esocialtest::kEmpregador}}},
      {"ideRespInf",
       {{"nmResp", "Maria da Silva"},
        {"cpfResp", "98765432100"},
        {"telefone", "1133334444"},
        {"email", "maria@example.com"}}},
  };
}

const std::string kVazio = "() - Nenhum valor informado";

}  // namespace

TEST(S1295ContingencyTotalisation, ValidDocuments) {
  esocialtest::VerificarDocumentosValidos<TS1295Collection>(
      Preencher, IniBase(),
      {
          {"with the person responsible", [](TEvtTotConting&) {}, [](TIni&) {}, {}},
          {"without one", [](TEvtTotConting& e) { e.IdeRespInf = {}; }, [](TIni& ini) { ini.erase("ideRespInf"); }, {}},
      },
      ve02_05_00);
}

// The person responsible is written when any of the person's values is given: never as an
// empty group, never dropped when the name is missing.
TEST(S1295ContingencyTotalisation, PersonResponsible) {
  esocialtest::VerificarCasosLeiaute<TS1295Collection>(
      Preencher, {
                     {"given whole",
                      ve02_05_00,
                      [](TEvtTotConting&) {},
                      {"</ideEmpregador><ideRespInf><nmResp>Maria da Silva</nmResp><cpfResp>98765432100</cpfResp>"
                       "<telefone>1133334444</telefone><email>maria@example.com</email></ideRespInf></evtTotConting>"},
                      {},
                      {}},
                     {"none given",
                      ve02_05_00,
                      [](TEvtTotConting& e) { e.IdeRespInf = {}; },
                      {"</ideEmpregador></evtTotConting>"},
                      {"ideRespInf"},
                      {}},
                     {"a CPF without the name",
                      ve02_05_00,
                      [](TEvtTotConting& e) {
                        e.IdeRespInf = {"", "98765432100", "", ""};
                      },
                      {"<ideRespInf><nmResp/><cpfResp>98765432100</cpfResp><telefone/></ideRespInf>"},
                      {},
                      {"nmResp" + kVazio, "telefone" + kVazio}},
                     {"no guide indicator in 2.5",
                      ve02_05_00,
                      [](TEvtTotConting& e) { e.IdeEvento.indGuia = "1"; },
                      {},
                      {"indGuia"},
                      {}},
                 });
}

TEST(S1295ContingencyTotalisation, IniCases) {
  esocialtest::VerificarCasosIni<TS1295Collection>(
      IniBase(),
      {
          {"a section without the name is read, and the schema names the name",
           [](TIni& ini) { ini["ideRespInf"].erase("nmResp"); }, "nmResp",
           [](const TEvtTotConting& e) { EXPECT_EQ(e.IdeRespInf.telefone, "1133334444"); }},
          {"the guide indicator is not read", [](TIni& ini) { ini["ideEvento"]["indGuia"] = "1"; }, kNoError,
           [](const TEvtTotConting& e) { EXPECT_EQ(e.IdeEvento.indGuia, ""); }},
      },
      ve02_05_00);
}
