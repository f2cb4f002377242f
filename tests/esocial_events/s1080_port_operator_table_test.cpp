// S-1080, port operator table (2.x only): documents of each mode written from fields and from
// INI input, signed and valid against the 2.5 schema; the rates not informed; the INI reader's
// own cases.
#include "esocial/events/tables_periodic/s1080_port_operator_table.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "event_test_support.h"

using namespace esocial;
using namespace esocial::s1080;
using esocialtest::TIni;
using ::testing::HasSubstr;

namespace {

void Preencher(TEvtTabOperPort& e) {
  e.Id = esocialtest::kIdEvento;
  e.IdeEvento.VerProc = "NEMBO 1.0";
  e.IdeEmpregador.NrInsc = esocialtest::kEmpregador;
  e.InfoOperPortuario.ideOperPortuario = {"98765432000198", "2024-01", ""};
  e.InfoOperPortuario.dadosOperPortuario() = {arat2, 1.0512, 2.1024};
}

// The decimals with a comma and with a point.
TIni IniBase() {
  return {
      {"evtTabOperPort", {{"Id", esocialtest::kIdEvento}}},
      {"ideEvento", {{"procEmi", "1"}, {"verProc", "NEMBO 1.0"}}},
      {"ideEmpregador", {{"tpInsc", "1"}, {"nrInsc", esocialtest::kEmpregador}}},
      {"ideOperPortuario", {{"cnpjOpPortuario", "98765432000198"}, {"iniValid", "2024-01"}}},
      {"dadosOperPortuario", {{"aliqRat", "2"}, {"fap", "1,0512"}, {"aliqRatAjust", "2.1024"}}},
  };
}

const std::string kNenhum = "() - Nenhum valor informado";

}  // namespace

TEST(S1080PortOperatorTable, ValidDocuments) {
  esocialtest::VerificarDocumentosValidos<TS1080Collection>(
      Preencher, IniBase(),
      {
          {"inclusion", [](TEvtTabOperPort&) {}, [](TIni&) {}, {}},
          {"alteration with a new validity",
           [](TEvtTabOperPort& e) {
             e.ModoLancamento = mlAlteracao;
             e.InfoOperPortuario.novaValidade() = {"2024-06", ""};
           },
           [](TIni& ini) {
             ini["evtTabOperPort"]["ModoLancamento"] = "alteracao";
             ini["novaValidade"] = {{"iniValid", "2024-06"}};
           },
           {}},
          {"alteration without one",
           [](TEvtTabOperPort& e) {
             e.ModoLancamento = mlAlteracao;
             e.InfoOperPortuario.novaValidade();
           },
           [](TIni& ini) { ini["evtTabOperPort"]["ModoLancamento"] = "alteracao"; },
           {}},
          {"exclusion",
           [](TEvtTabOperPort& e) { e.ModoLancamento = mlExclusao; },
           [](TIni& ini) { ini["evtTabOperPort"]["ModoLancamento"] = "exclusao"; },
           {}},
      },
      ve02_05_00);
}

TEST(S1080PortOperatorTable, RatesNotInformed) {
  esocialtest::VerificarCasosLeiaute<TS1080Collection>(
      Preencher, {
                     {"the least factor",
                      ve02_05_00,
                      [](TEvtTabOperPort& e) { e.InfoOperPortuario.dadosOperPortuario().fap = 0.5; },
                      {"<fap>0.5000</fap><aliqRatAjust>2.1024</aliqRatAjust>"},
                      {},
                      {}},
                     {"neither given",
                      ve02_05_00,
                      [](TEvtTabOperPort& e) {
                        e.InfoOperPortuario.dadosOperPortuario() = {arat1, 0, 0};
                      },
                      {"<aliqRat>1</aliqRat><fap/><aliqRatAjust/>"},
                      {},
                      {"/fap" + kNenhum, "/aliqRatAjust" + kNenhum}},
                 });
}

TEST(S1080PortOperatorTable, IniCases) {
  esocialtest::VerificarCasosIni<TS1080Collection>(
      IniBase(),
      {
          {"rates not given are none",
           [](TIni& ini) {
             ini["dadosOperPortuario"] = {{"aliqRat", "3"}};
           },
           "Falha na validação dos dados do evento",
           [](TEvtTabOperPort& e) {
             EXPECT_THAT(e.XML(), HasSubstr("<aliqRat>3</aliqRat><fap></fap><aliqRatAjust></aliqRatAjust>"));
             esocialtest::VerificarAlertas(e.Gerador().ListaDeAlertas, {"/fap" + kNenhum, "/aliqRatAjust" + kNenhum});
           }},
          {"a rate that is no number", [](TIni& ini) { ini["dadosOperPortuario"]["fap"] = "1,05x"; },
           "INI: valor inválido em [dadosOperPortuario] fap: \"1,05x\"",
           [](TEvtTabOperPort& e) { EXPECT_EQ(e.XML(), ""); }},
          {"a code outside its list", [](TIni& ini) { ini["dadosOperPortuario"]["aliqRat"] = "4"; },
           "INI: valor inválido em [dadosOperPortuario] aliqRat: \"4\"",
           [](TEvtTabOperPort& e) { EXPECT_EQ(e.XML(), ""); }},
          {"an exclusion reads no data", [](TIni& ini) { ini["evtTabOperPort"]["ModoLancamento"] = "exclusao"; },
           testsupport::kNoError,
           [](TEvtTabOperPort& e) { EXPECT_FALSE(e.InfoOperPortuario.dadosOperPortuarioInst()); }},
      },
      ve02_05_00);
}
