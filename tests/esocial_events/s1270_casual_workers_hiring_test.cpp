// S-1270, casual non-port workers hiring: the month's bases written from fields and from INI
// input, signed and valid against the official schema; the event identification by layout; the
// item list's bounds and the INI reader's own cases.
#include "esocial/events/tables_periodic/s1270_casual_workers_hiring.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "event_test_support.h"

using namespace esocial;
using namespace esocial::s1270;
using esocialtest::TIni;
using ::testing::AllOf;
using ::testing::HasSubstr;
using ::testing::Not;
using testsupport::kNoError;

namespace {

// March 2024: workers at the employer's establishment and at a construction site (CNO), the
// second with no thirteenth-salary nor FGTS base.
void Preencher(TEvtContratAvNP& e) {
  e.Id = esocialtest::kIdEvento;
  e.IdeEvento.perApur = "2024-03";
  e.IdeEvento.VerProc = "NEMBO 1.0";
  e.IdeEmpregador.TpInsc = tiCNPJ;
  e.IdeEmpregador.NrInsc = esocialtest::kEmpregador;
  TRemunAvNPItem& estab = e.remunAvNp.Add();
  estab = {tiCNPJ, esocialtest::kEmpregador, "LOT01", 1000, 200, 300, 400, 150, 2050, 180.4};
  TRemunAvNPItem& obra = e.remunAvNp.Add();
  obra = {tiCNO, "123456789012", "OBRA 7", 500, 0, 0, 0, 0, 0, 40};
}

TIni IniBase() {
  return {
      {"evtContratAvNP", {{"Id", esocialtest::kIdEvento}}},
      {"ideEvento", {{"indRetif", "1"}, {"perApur", "2024-03"}, {"procEmi", "1"}, {"verProc", "NEMBO 1.0"}}},
      {"ideEmpregador", {{"tpInsc", "1"}, {"nrInsc", esocialtest::kEmpregador}}},
      {"remunAvNP001",
       {{"tpInsc", "1"},
        {"nrInsc", esocialtest::kEmpregador},
        {"codLotacao", "LOT01"},
        {"vrBcCp00", "1000"},
        {"vrBcCp15", "200,00"},
        {"vrBcCp20", "300.00"},
        {"vrBcCp25", "400"},
        {"vrBcCp13", "150"},
        {"vrBcFgts", "2050"},
        {"vrDescCP", "180,40"}}},
      {"remunAvNP002",
       {{"tpInsc", "4"},
        {"nrInsc", "123456789012"},
        {"codLotacao", "OBRA 7"},
        {"vrBcCp00", "500"},
        {"vrDescCP", "40"}}},
  };
}

const std::string kLimite = "Número de ocorrências maior que o máximo permitido - Máximo ";

}  // namespace

TEST(S1270CasualWorkersHiring, ValidDocuments) {
  esocialtest::VerificarDocumentosValidos<TS1270Collection>(
      Preencher, IniBase(),
      {
          {"two items", [](TEvtContratAvNP&) {}, [](TIni&) {}, {}},
      });
}

// 2.5 identifies the period by indApuracao and has no guide; the S-1 layouts the reverse.
TEST(S1270CasualWorkersHiring, EventIdentificationByLayout) {
  const auto preencher = [](TEvtContratAvNP& e) {
    Preencher(e);
    e.IdeEvento.indGuia = "1";
  };
  EXPECT_THAT(
      esocialtest::VerificarValidoNoLeiaute<TS1270Collection>(ve02_05_00, preencher),
      AllOf(HasSubstr("<indApuracao>1</indApuracao><perApur>2024-03</perApur><tpAmb>"), Not(HasSubstr("indGuia"))));
  EXPECT_THAT(esocialtest::VerificarValidoNoLeiaute<TS1270Collection>(veS01_00_00, preencher),
              AllOf(HasSubstr("<perApur>2024-03</perApur><indGuia>1</indGuia>"), Not(HasSubstr("indApuracao"))));
}

TEST(S1270CasualWorkersHiring, ItemList) {
  esocialtest::VerificarCasosLeiaute<TS1270Collection>(
      Preencher,
      {
          {"every amount is required, zero as 0.00",
           veS01_03_00,
           [](TEvtContratAvNP&) {},
           {"<remunAvNP><tpInsc>4</tpInsc><nrInsc>123456789012</nrInsc><codLotacao>OBRA 7</codLotacao>"
            "<vrBcCp00>500.00</vrBcCp00><vrBcCp15>0.00</vrBcCp15><vrBcCp20>0.00</vrBcCp20><vrBcCp25>0.00</vrBcCp25>"
            "<vrBcCp13>0.00</vrBcCp13><vrBcFgts>0.00</vrBcFgts><vrDescCP>40.00</vrDescCP></remunAvNP>"},
           {},
           {}},
          // The layout asks for one item at least; the list-limit text would name the wrong bound.
          {"no item: the document without items and an alert naming the list",
           veS01_03_00,
           [](TEvtContratAvNP& e) { e.remunAvNp.Clear(); },
           {"</ideEmpregador></evtContratAvNP>"},
           {"<remunAvNP>"},
           {"remunAvNP(Lista de Remuneração) - Nenhum valor informado."}},
          {"999 items raise no alert",
           veS01_03_00,
           [](TEvtContratAvNP& e) {
             while (e.remunAvNp.Count() < 999) e.remunAvNp.Add() = e.remunAvNp.GetItem(0);
           },
           {},
           {},
           {}},
          {"1000 items raise the limit's alert",
           veS01_03_00,
           [](TEvtContratAvNP& e) {
             while (e.remunAvNp.Count() < 1000) e.remunAvNp.Add() = e.remunAvNp.GetItem(0);
           },
           {},
           {},
           {"remunAvNP(Lista de Remuneração) - " + kLimite + "999."}},
      });
}

TEST(S1270CasualWorkersHiring, IniCases) {
  esocialtest::VerificarCasosIni<TS1270Collection>(
      IniBase(),
      {
          {"the amounts a section leaves out are 0", [](TIni&) {}, kNoError,
           [](const TEvtContratAvNP& e) {
             ASSERT_EQ(e.remunAvNp.Count(), 2);
             EXPECT_EQ(e.remunAvNp.GetItem(1).tpInsc, tiCNO);
             EXPECT_DOUBLE_EQ(e.remunAvNp.GetItem(1).vrBcFgts, 0);
             EXPECT_DOUBLE_EQ(e.remunAvNp.GetItem(0).vrDescCP, 180.4);
           }},
          {"FIM in the first section ends the list before it starts",
           [](TIni& ini) { ini["remunAvNP001"]["tpInsc"] = "FIM"; },
           // The schema refuses a document without items.
           "remunAvNP", [](const TEvtContratAvNP& e) { EXPECT_EQ(e.remunAvNp.Count(), 0); }},
          {"a missing first section gives no items", [](TIni& ini) { ini.erase("remunAvNP001"); }, "remunAvNP",
           [](const TEvtContratAvNP& e) { EXPECT_EQ(e.remunAvNp.Count(), 0); }},
          {"a kind of inscription outside the list raises", [](TIni& ini) { ini["remunAvNP002"]["tpInsc"] = "7"; },
           "INI: valor inválido em [remunAvNP002] tpInsc: \"7\"", [](const TEvtContratAvNP&) {}},
      });
}
