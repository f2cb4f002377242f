// S-1298, periodic events reopening: monthly and annual reopenings written from fields and from
// INI input, signed and valid against the official schema; the guide indicator by layout.
#include "esocial/events/tables_periodic/s1298_periodic_reopening.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "event_test_support.h"

using namespace esocial;
using esocialtest::TIni;
using ::testing::HasSubstr;
using ::testing::Not;

namespace {

void Preencher(TEvtReabreEvPer& e) {
  e.Id = esocialtest::kIdEvento;
  e.IdeEvento.IndApuracao = iapuMensal;
  e.IdeEvento.perApur = "2024-03";
  e.IdeEvento.VerProc = "NEMBO 1.0";
  e.IdeEmpregador.TpInsc = tiCNPJ;
  e.IdeEmpregador.NrInsc = esocialtest::kEmpregador;
}

TIni IniBase() {
  return {
      {"evtReabreEvPer", {{"Id", esocialtest::kIdEvento}}},
      {"ideEvento", {{"indApuracao", "1"}, {"perApur", "2024-03"}, {"procEmi", "1"}, {"verProc", "NEMBO 1.0"}}},
      {"ideEmpregador", {{"tpInsc", "1"}, {"nrInsc", esocialtest::kEmpregador}}},
  };
}

void Anual(TEvtReabreEvPer& e) {
  e.IdeEvento.IndApuracao = ipaAnual;
  e.IdeEvento.perApur = "2023";
  e.IdeEvento.indGuia = "1";
}

}  // namespace

TEST(S1298PeriodicReopening, ValidDocuments) {
  esocialtest::VerificarDocumentosValidos<TS1298Collection>(Preencher, IniBase(),
                                                            {
                                                                {"monthly", [](TEvtReabreEvPer&) {}, [](TIni&) {}, {}},
                                                                {"annual, with the guide indicator",
                                                                 Anual,
                                                                 [](TIni& ini) {
                                                                   ini["ideEvento"]["indApuracao"] = "2";
                                                                   ini["ideEvento"]["perApur"] = "2023";
                                                                   ini["ideEvento"]["indGuia"] = "1";
                                                                 },
                                                                 {}},
                                                            });
}

// The guide indicator exists from S-1.00 on; each document is valid against its layout's schema.
TEST(S1298PeriodicReopening, GuideIndicatorByLayout) {
  const auto preencher = [](TEvtReabreEvPer& e) {
    Preencher(e);
    Anual(e);
  };
  EXPECT_THAT(
      esocialtest::VerificarValidoNoLeiaute<TS1298Collection>(ve02_05_00, preencher),
      AllOf(HasSubstr("<indApuracao>2</indApuracao><perApur>2023</perApur><tpAmb>"), Not(HasSubstr("indGuia"))));
  EXPECT_THAT(esocialtest::VerificarValidoNoLeiaute<TS1298Collection>(veS01_00_00, preencher),
              HasSubstr("<perApur>2023</perApur><indGuia>1</indGuia>"));
}
