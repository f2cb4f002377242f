// S-1050, working hours table (2.x only): documents of each mode written from fields and from
// INI input, signed and valid against the 2.5 schema, the break periods held but not written;
// the INI reader's own cases.
#include "esocial/events/tables_periodic/s1050_working_hours_table.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "event_test_support.h"

using namespace esocial;
using namespace esocial::s1050;
using esocialtest::TIni;
using ::testing::HasSubstr;

namespace {

void Preencher(TEvtTabHorTur& e) {
  e.Id = esocialtest::kIdEvento;
  e.IdeEvento.VerProc = "NEMBO 1.0";
  e.IdeEmpregador.NrInsc = esocialtest::kEmpregador;
  e.InfoHorContratual.ideHorContratual = {"HOR01", "2024-01", ""};
  TDadosHorContratual& dados = e.InfoHorContratual.dadosHorContratual();
  dados.hrEntr = "0800";
  dados.hrSaida = "1700";
  dados.durJornada = 480;
  dados.perHorFlexivel = tpNao;
}

TIni IniBase() {
  return {
      {"evtTabHorTur", {{"Id", esocialtest::kIdEvento}}},
      {"ideEvento", {{"procEmi", "1"}, {"verProc", "NEMBO 1.0"}}},
      {"ideEmpregador", {{"tpInsc", "1"}, {"nrInsc", esocialtest::kEmpregador}}},
      {"ideHorContratual", {{"codHorContrat", "HOR01"}, {"iniValid", "2024-01"}}},
      {"dadosHorContratual", {{"hrEntr", "0800"}, {"hrSaida", "1700"}, {"durJornada", "480"}, {"perHorFlexivel", "N"}}},
  };
}

}  // namespace

TEST(S1050WorkingHoursTable, ValidDocuments) {
  esocialtest::VerificarDocumentosValidos<TS1050Collection>(
      Preencher, IniBase(),
      {
          {"inclusion with break periods, which are not written",
           [](TEvtTabHorTur& e) {
             THorarioIntervaloCollection& intervalos = e.InfoHorContratual.dadosHorContratual().horarioIntervalo;
             intervalos.Add() = {60, "1200", "1300"};
             intervalos.Add() = {15, "1530", "1545"};
           },
           [](TIni& ini) {
             ini["horarioIntervalo01"] = {{"durInterv", "60"}, {"iniInterv", "1200"}, {"termInterv", "1300"}};
           },
           {}},
          {"alteration with a new validity",
           [](TEvtTabHorTur& e) {
             e.ModoLancamento = mlAlteracao;
             e.InfoHorContratual.novaValidade() = {"2024-06", ""};
           },
           [](TIni& ini) {
             ini["evtTabHorTur"]["ModoLancamento"] = "alteracao";
             ini["novaValidade"] = {{"iniValid", "2024-06"}};
           },
           {}},
          {"alteration without one",
           [](TEvtTabHorTur& e) {
             e.ModoLancamento = mlAlteracao;
             e.InfoHorContratual.novaValidade();
           },
           [](TIni& ini) { ini["evtTabHorTur"]["ModoLancamento"] = "alteracao"; },
           {}},
          {"exclusion",
           [](TEvtTabHorTur& e) { e.ModoLancamento = mlExclusao; },
           [](TIni& ini) { ini["evtTabHorTur"]["ModoLancamento"] = "exclusao"; },
           {}},
      },
      ve02_05_00);
}

TEST(S1050WorkingHoursTable, IniCases) {
  esocialtest::VerificarCasosIni<TS1050Collection>(
      IniBase(),
      {
          {"flexible by default, a day of no length written as 0",
           [](TIni& ini) {
             ini["dadosHorContratual"].erase("perHorFlexivel");
             ini["dadosHorContratual"].erase("durJornada");
           },
           testsupport::kNoError,
           [](TEvtTabHorTur& e) {
             EXPECT_THAT(e.XML(), HasSubstr("<durJornada>0</durJornada><perHorFlexivel>S</perHorFlexivel>"));
           }},
          {"a length that is no whole number", [](TIni& ini) { ini["dadosHorContratual"]["durJornada"] = "8h"; },
           "INI: valor inválido em [dadosHorContratual] durJornada: \"8h\"",
           [](TEvtTabHorTur& e) { EXPECT_EQ(e.XML(), ""); }},
          {"a code outside its list", [](TIni& ini) { ini["dadosHorContratual"]["perHorFlexivel"] = "X"; },
           "INI: valor inválido em [dadosHorContratual] perHorFlexivel: \"X\"",
           [](TEvtTabHorTur& e) { EXPECT_EQ(e.XML(), ""); }},
          {"an exclusion reads no data", [](TIni& ini) { ini["evtTabHorTur"]["ModoLancamento"] = "exclusao"; },
           testsupport::kNoError, [](TEvtTabHorTur& e) { EXPECT_FALSE(e.InfoHorContratual.dadosHorContratualInst()); }},
      },
      ve02_05_00);
}
