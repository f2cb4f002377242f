// S-1035, career table (2.x only): documents of each mode written from fields and from INI
// input, signed and valid against the 2.5 schema; the sizes of that schema; the INI reader's own
// cases.
#include "esocial/events/tables_periodic/s1035_career_table.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "event_test_support.h"

using namespace esocial;
using namespace esocial::s1035;
using esocialtest::TIni;
using ::testing::HasSubstr;

namespace {

void Preencher(TEvtTabCarreira& e) {
  e.Id = esocialtest::kIdEvento;
  e.IdeEvento.VerProc = "NEMBO 1.0";
  e.IdeEmpregador.NrInsc = esocialtest::kEmpregador;
  e.InfoCarreira.ideCarreira = {"CARR01", "2024-01", ""};
  e.InfoCarreira.dadosCarreira = {"Magisterio municipal", "Lei 123", platform::EncodeDate(2019, 5, 2), "1"};
}

TIni IniBase() {
  return {
      {"evtTabCarreira", {{"Id", esocialtest::kIdEvento}}},
      {"ideEvento", {{"procEmi", "1"}, {"verProc", "NEMBO 1.0"}}},
      {"ideEmpregador", {{"tpInsc", "1"}, {"nrInsc", esocialtest::kEmpregador}}},
      {"ideCarreira", {{"codCarreira", "CARR01"}, {"iniValid", "2024-01"}}},
      {"dadosCarreira",
       {{"dscCarreira", "Magisterio municipal"},
        {"leiCarr", "Lei 123"},
        {"dtLeiCarr", "02/05/2019"},
        {"sitCarr", "1"}}},
  };
}

}  // namespace

TEST(S1035CareerTable, ValidDocuments) {
  esocialtest::VerificarDocumentosValidos<TS1035Collection>(
      Preencher, IniBase(),
      {
          {"inclusion", [](TEvtTabCarreira&) {}, [](TIni&) {}, {}},
          {"without the law's number",
           [](TEvtTabCarreira& e) { e.InfoCarreira.dadosCarreira.leiCarr = ""; },
           [](TIni& ini) { ini["dadosCarreira"].erase("leiCarr"); },
           {}},
          {"alteration with a new validity",
           [](TEvtTabCarreira& e) {
             e.ModoLancamento = mlAlteracao;
             e.InfoCarreira.NovaValidade() = {"2024-06", ""};
           },
           [](TIni& ini) {
             ini["evtTabCarreira"]["ModoLancamento"] = "alteracao";
             ini["novaValidade"] = {{"iniValid", "2024-06"}};
           },
           {}},
          {"alteration without one",
           [](TEvtTabCarreira& e) {
             e.ModoLancamento = mlAlteracao;
             e.InfoCarreira.NovaValidade();
           },
           [](TIni& ini) { ini["evtTabCarreira"]["ModoLancamento"] = "alteracao"; },
           {}},
          {"exclusion",
           [](TEvtTabCarreira& e) { e.ModoLancamento = mlExclusao; },
           [](TIni& ini) { ini["evtTabCarreira"]["ModoLancamento"] = "exclusao"; },
           {}},
      },
      ve02_05_00);
}

// The law's number has three to twelve characters; a law date past year 9999 stops the writer.
TEST(S1035CareerTable, SizesAndFailure) {
  const auto lei = [](const std::string& numero) {
    return [numero](TEvtTabCarreira& e) { e.InfoCarreira.dadosCarreira.leiCarr = numero; };
  };
  esocialtest::VerificarCasosLeiaute<TS1035Collection>(
      Preencher, {
                     {"three characters", ve02_05_00, lei("L12"), {"<leiCarr>L12</leiCarr>"}, {}, {}},
                     {"two", ve02_05_00, lei("12"), {}, {}, {"/leiCarr() - Tamanho menor que o mínimo permitido [12]"}},
                     {"thirteen",
                      ve02_05_00,
                      lei("1234567890123"),
                      {},
                      {},
                      {"/leiCarr() - Tamanho maior que o máximo permitido [1234567890123]"}},
                     {"the law's date and effect are required",
                      ve02_05_00,
                      [](TEvtTabCarreira& e) {
                        e.InfoCarreira.dadosCarreira = {"Magisterio", "", 0, ""};
                      },
                      {"<dtLeiCarr/><sitCarr/>"},
                      {"<leiCarr"},
                      {"/dtLeiCarr() - Nenhum valor informado", "/sitCarr() - Nenhum valor informado"}},
                 });

  auto c = esocialtest::NovoComponente(false);
  TEvtTabCarreira& e = esocialtest::NovoEvento<TS1035Collection>(c, ve02_05_00);
  Preencher(e);
  e.InfoCarreira.dadosCarreira.dtLeiCarr = platform::EncodeDate(9999, 12, 31) + 1;
  EXPECT_THAT(testsupport::MessageOf([&] { e.GerarXML(); }),
              ::testing::StartsWith(std::string("ID: ") + esocialtest::kIdEvento + "\r\n "));
  EXPECT_EQ(e.XML(), "");
}

TEST(S1035CareerTable, IniCases) {
  esocialtest::VerificarCasosIni<TS1035Collection>(
      IniBase(),
      {
          {"the date's key in any letter case",
           [](TIni& ini) {
             ini["dadosCarreira"].erase("dtLeiCarr");
             ini["dadosCarreira"]["DTLEICARR"] = "02-05-2019";
           },
           testsupport::kNoError,
           [](TEvtTabCarreira& e) {
             EXPECT_EQ(e.InfoCarreira.dadosCarreira.dtLeiCarr, platform::EncodeDate(2019, 5, 2));
           }},
          {"a date that is none", [](TIni& ini) { ini["dadosCarreira"]["dtLeiCarr"] = "31/02/2019"; }, "31/02/2019",
           [](TEvtTabCarreira& e) { EXPECT_EQ(e.XML(), ""); }},
          {"an exclusion reads no data",
           [](TIni& ini) {
             ini["evtTabCarreira"]["ModoLancamento"] = "exclusao";
             ini["dadosCarreira"]["dtLeiCarr"] = "não é data";
           },
           testsupport::kNoError, [](TEvtTabCarreira& e) { EXPECT_EQ(e.InfoCarreira.dadosCarreira.dscCarreira, ""); }},
      },
      ve02_05_00);
}
