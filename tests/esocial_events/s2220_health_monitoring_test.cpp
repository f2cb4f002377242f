// S-2220, occupational health monitoring: documents written from fields and from INI input,
// signed and valid against the official schema and read back on the container's road, with
// the codes not informed kept as such; the layout branches of the physicians; the INI and XML
// readers' own cases.
#include "esocial/events/non_periodic/s2220_health_monitoring.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "event_test_support.h"

using namespace esocial;
using namespace esocial::s2220;
using esocialtest::TIni;
using platform::EncodeDate;
using ::testing::HasSubstr;
using testsupport::MessageOf;

namespace {

TS2220Collection& Lista(const esocialtest::TComponente& c) { return c.Eventos().NaoPeriodicos().S2220(); }

// A periodic examination found fit, with one exam, its physician and a complete programme
// physician.
void Preencher(TevtMonit& e) {
  esocialtest::Identificar(e);
  e.exMedOcup.tpExameOcup = taPeriodico;
  TAso& aso = e.exMedOcup.Aso;
  aso.DtAso = EncodeDate(2023, 5, 2);
  aso.ResAso = raApto;
  TExameCollectionItem& exame = aso.Exame.Add();
  exame.DtExm = EncodeDate(2023, 5, 2);
  exame.ProcRealizado = "0295";
  exame.obsProc = "Audiometria";
  exame.ordExame = orReferencial;
  exame.indResult = irNormal;
  aso.Medico.NmMed = "Carlos Lima";
  aso.Medico.nrCRM = "54321";
  aso.Medico.ufCRM = "SP";
  e.exMedOcup.RespMonit = {"98765432100", "Paula Reis", "11223", "RJ"};
}

TIni IniBase() {
  TIni ini = esocialtest::IniIdentificacao("evtMonit");
  ini.insert({
      {"exMedOcup", {{"tpExameOcup", "1"}}},
      {"aso", {{"dtAso", "02/05/2023"}, {"resAso", "1"}}},
      {"exame01",
       {{"dtExm", "02/05/2023"},
        {"procRealizado", "0295"},
        {"obsProc", "Audiometria"},
        {"ordExame", "1"},
        {"indResult", "1"}}},
      {"medico", {{"nmMed", "Carlos Lima"}, {"nrCRM", "54321"}, {"ufCRM", "SP"}}},
      {"respMonit", {{"cpfResp", "98765432100"}, {"nmResp", "Paula Reis"}, {"nrCRM", "11223"}, {"ufCRM", "RJ"}}},
  });
  return ini;
}

}  // namespace

// Each valid document on the whole road: from fields, from INI input (a code key without a
// text is a code not informed), back from the container (an absent code stays not informed).
TEST(S2220HealthMonitoring, ValidDocuments) {
  esocialtest::VerificarDocumentosValidos<TS2220Collection>(
      Preencher, IniBase(),
      {
          {"result given, a complete responsible physician", [](TevtMonit&) {}, [](TIni&) {}, {}},
          {"no result; exams with and without order and result",
           [](TevtMonit& e) {
             e.exMedOcup.Aso.ResAso = raNaoInformado;
             TExameCollectionItem& exame = e.exMedOcup.Aso.Exame.Add();
             exame.DtExm = EncodeDate(2023, 5, 3);
             exame.ProcRealizado = "0281";
           },
           [](TIni& ini) {
             ini["aso"]["resAso"] = "";
             ini["exame02"] = {{"dtExm", "03/05/2023"}, {"procRealizado", "0281"}, {"ordExame", ""}, {"indResult", ""}};
           },
           {}},
          {"a physician without council number, no responsible physician",
           [](TevtMonit& e) {
             e.exMedOcup.Aso.Medico.nrCRM = "";
             e.exMedOcup.RespMonit = {};
           },
           [](TIni& ini) {
             ini["medico"].erase("nrCRM");
             ini.erase("respMonit");
           },
           {}},
      });
}

// The 2.x layouts write the examining physician's identification and always the programme
// physician, empty council fields as empty elements; the S-1 layouts only a complete programme
// physician; from S-1.02 the examining physician's council number is optional.
TEST(S2220HealthMonitoring, LayoutBranches) {
  struct TCaso {
    TVersaoeSocial versao;
    std::string medico;     // the medico group written
    std::string respMonit;  // the respMonit group written, empty when none
  };
  const TCaso casos[] = {
      {ve02_05_00, "<medico><cpfMed>11122233344</cpfMed><nmMed>Carlos Lima</nmMed><nrCRM/><ufCRM>SP</ufCRM></medico>",
       "<respMonit><nmResp>Paula Reis</nmResp><nrCRM/><ufCRM/></respMonit>"},
      {veS01_01_00, "<medico><nmMed>Carlos Lima</nmMed><nrCRM/><ufCRM>SP</ufCRM></medico>", ""},
      {veS01_02_00, "<medico><nmMed>Carlos Lima</nmMed><ufCRM>SP</ufCRM></medico>", ""},
  };
  for (const TCaso& caso : casos) {
    SCOPED_TRACE(caso.versao);
    auto c = esocialtest::NovoComponente(false);
    TevtMonit& e = esocialtest::NovoEvento<TS2220Collection>(c, caso.versao);
    Preencher(e);
    e.exMedOcup.Aso.Medico.cpfMed = "11122233344";
    e.exMedOcup.Aso.Medico.nrCRM = "";
    e.exMedOcup.RespMonit = {"", "Paula Reis", "", ""};
    e.GerarXML();
    EXPECT_THAT(e.XML(), HasSubstr(caso.medico));
    EXPECT_EQ(e.XML().find("<respMonit>") == std::string::npos, caso.respMonit.empty());
    if (!caso.respMonit.empty()) {
      EXPECT_THAT(e.XML(), HasSubstr(caso.respMonit));
    }
  }
}

TEST(S2220HealthMonitoring, IniCases) {
  esocialtest::VerificarCasosIni<TS2220Collection>(
      IniBase(), {
                     {"a bad exam date", [](TIni& ini) { ini["exame01"]["dtExm"] = "31/02/2023"; }, "31/02/2023",
                      [](const TevtMonit& e) { EXPECT_EQ(e.exMedOcup.Aso.DtAso, EncodeDate(2023, 5, 2)); }},
                     {"resAso without its key takes its default; the exam's order and result are not informed",
                      [](TIni& ini) {
                        ini["aso"].erase("resAso");
                        ini["exame01"].erase("ordExame");
                        ini["exame01"].erase("indResult");
                      },
                      testsupport::kNoError,
                      [](const TevtMonit& e) {
                        EXPECT_EQ(e.exMedOcup.Aso.ResAso, raApto);
                        EXPECT_EQ(e.exMedOcup.Aso.Exame.GetItem(0).ordExame, orNaoInformado);
                        EXPECT_EQ(e.exMedOcup.Aso.Exame.GetItem(0).indResult, irNaoInformado);
                        EXPECT_THAT(e.XML(), ::testing::Not(HasSubstr("<ordExame>")));
                        EXPECT_THAT(e.XML(), ::testing::Not(HasSubstr("<indResult>")));
                      }},
                 });
}

TEST(S2220HealthMonitoring, ReaderCases) {
  auto c = esocialtest::NovoComponente(false);
  TevtMonit& modelo = Lista(c).Add().evtMonit();
  Preencher(modelo);
  modelo.GerarXML();
  esocialtest::VerificarLeiturasComuns<TS2220Collection>(modelo.XML(), "exMedOcup", "<dtExm>", [](const TevtMonit& e) {
    return e.exMedOcup.Aso.DtAso != 0 || e.exMedOcup.Aso.Exame.Count() > 0;
  });
}
