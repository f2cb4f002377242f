// S-2221, toxicological exam: documents written from fields and from INI input, signed and
// valid against the official schemas of S-1.03, S-1.02 and 2.5; the layouts' branches; the
// faults mended; the INI reader's cases.
#include "esocial/events/non_periodic/s2221_toxicological_exam.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "esocial/events/event_ini.h"
#include "event_test_support.h"
#include "platform/date_time.h"

using namespace esocial;
using esocialtest::TIni;
using platform::EncodeDate;
using testing::HasSubstr;
using testing::Not;

namespace {

const char* kLaboratorio = "11222333000181";

// An exam of 10 March 2024 by a physician of São Paulo.
void Preencher(TEvtToxic& e) {
  esocialtest::Identificar(e);
  e.toxicologico = {EncodeDate(2024, 3, 10), kLaboratorio, "AB123456789", "Ana Souza", "123456", "SP", tpNao};
}

TIni IniBase() {
  TIni ini = esocialtest::IniIdentificacao("evtToxic");
  ini["toxicologico"] = {{"dtExame", "10/03/2024"}, {"cnpjLab", kLaboratorio}, {"codSeqExame", "AB123456789"},
                         {"nmMed", "Ana Souza"},    {"nrCRM", "123456"},       {"ufCRM", "SP"}};
  return ini;
}

// The 2.x layouts require nisTrab of the category.
void Para25(TEvtToxic& e) {
  Preencher(e);
  e.IdeVinculo.nisTrab = "12345678901";
}

const std::string kNenhumValor = "Nenhum valor informado";

}  // namespace

TEST(S2221ToxicologicalExam, ValidDocuments) {
  esocialtest::VerificarDocumentosValidos<TS2221Collection>(
      Preencher, IniBase(),
      {
          {"an exam with its physician", [](TEvtToxic&) {}, [](TIni&) {}, {}},
          {"a council number of 10 characters, no state",
           [](TEvtToxic& e) {
             e.toxicologico.nrCRM = "1234567890";
             e.toxicologico.ufCRM.clear();
           },
           [](TIni& ini) {
             ini["toxicologico"]["nrCRM"] = "1234567890";
             ini["toxicologico"].erase("ufCRM");
           },
           {}},
      });
}

TEST(S2221ToxicologicalExam, OtherLayoutsAreValid) {
  const std::string de25 = esocialtest::VerificarValidoNoLeiaute<TS2221Collection>(ve02_05_00, Para25);
  EXPECT_THAT(de25, HasSubstr("<codCateg>101</codCateg></ideVinculo>"));
  EXPECT_THAT(de25, HasSubstr("<indRecusa>N</indRecusa></toxicologico>"));
  esocialtest::VerificarValidoNoLeiaute<TS2221Collection>(veS01_02_00, Preencher);
}

TEST(S2221ToxicologicalExam, LayoutBranches) {
  esocialtest::VerificarCasosLeiaute<TS2221Collection>(
      Preencher,
      {
          {"S-1.03",
           veS01_03_00,
           [](TEvtToxic&) {},
           {"<ideVinculo><cpfTrab>12345678909</cpfTrab><matricula>M-001</matricula></ideVinculo><toxicologico><dtExame>"
            "2024-03-10</dtExame><cnpjLab>11222333000181</cnpjLab><codSeqExame>AB123456789</codSeqExame><nmMed>Ana "
            "Souza</nmMed><nrCRM>123456</nrCRM><ufCRM>SP</ufCRM></toxicologico>"},
           {"<indRecusa>", "<nisTrab>"},
           {}},
          {"2.5", ve02_05_00, Para25, {"<nisTrab>12345678901</nisTrab>", "<indRecusa>N</indRecusa>"}, {}, {}},
          {"the exam's date not given",
           veS01_03_00,
           [](TEvtToxic& e) { e.toxicologico.dtExame = 0; },
           {"<toxicologico><dtExame/>"},
           {},
           {"/dtExame() - " + kNenhumValor}},
          {"a rectification carries its receipt",
           veS01_03_00,
           [](TEvtToxic& e) {
             e.IdeEvento.indRetif = ireRetificacao;
             e.IdeEvento.NrRecibo = "1.1.1234567890123456789";
           },
           {"<indRetif>2</indRetif><nrRecibo>1.1.1234567890123456789</nrRecibo>"},
           {},
           {}},
      });
}

// The faults mended: the category in the bond's identification, the laboratory, exam and
// physician required from S-1.02 on, the council number's size by layout.
TEST(S2221ToxicologicalExam, Faults) {
  const auto semLaboratorio = [](TEvtToxic& e) {
    e.toxicologico.cnpjLab.clear();
    e.toxicologico.codSeqExame.clear();
    e.toxicologico.nmMed.clear();
  };
  esocialtest::VerificarCasosLeiaute<TS2221Collection>(
      Preencher,
      {
          {"no codCateg under S-1.03",
           veS01_03_00,
           [](TEvtToxic&) {},
           {"<matricula>M-001</matricula></ideVinculo>"},
           {"<codCateg>"},
           {}},
          {"nor under S-1.02",
           veS01_02_00,
           [](TEvtToxic&) {},
           {"<matricula>M-001</matricula></ideVinculo>"},
           {"<codCateg>"},
           {}},
          {"from S-1.02 an empty laboratory, exam and physician are written empty",
           veS01_02_00,
           semLaboratorio,
           {"</dtExame><cnpjLab/><codSeqExame/><nmMed/><nrCRM>"},
           {},
           {"/cnpjLab() - " + kNenhumValor, "/codSeqExame() - " + kNenhumValor, "/nmMed() - " + kNenhumValor}},
          {"under 2.5 they are optional",
           ve02_05_00,
           [&](TEvtToxic& e) {
             Para25(e);
             semLaboratorio(e);
           },
           {"</dtExame><nrCRM>123456</nrCRM>"},
           {"<cnpjLab", "<codSeqExame", "<nmMed"},
           {}},
          {"a council number of 10 characters from S-1.02",
           veS01_03_00,
           [](TEvtToxic& e) { e.toxicologico.nrCRM = "1234567890"; },
           {"<nrCRM>1234567890</nrCRM>"},
           {},
           {}},
          {"under 2.5 of 8 at most",
           ve02_05_00,
           [](TEvtToxic& e) {
             Para25(e);
             e.toxicologico.nrCRM = "123456789";
           },
           {"<nrCRM>123456789</nrCRM>"},
           {},
           {"/nrCRM() - Tamanho maior que o máximo permitido"}},
      });
}

TEST(S2221ToxicologicalExam, IniCases) {
  esocialtest::VerificarCasosIni<TS2221Collection>(
      IniBase(), {
                     {"codCateg of ideVinculo is not read", [](TIni&) {}, testsupport::kNoError,
                      [](const TEvtToxic& e) {
                        EXPECT_EQ(e.IdeVinculo.codCateg, 0);
                        EXPECT_EQ(e.toxicologico.indRecusa, kCodigoNaoInformado<tpSimNao>);
                      }},
                     {"nisTrab and a refusal are read",
                      [](TIni& ini) {
                        ini["ideVinculo"]["nisTrab"] = "12345678901";
                        ini["toxicologico"]["indRecusa"] = "S";
                      },
                      testsupport::kNoError,
                      [](const TEvtToxic& e) {
                        EXPECT_EQ(e.IdeVinculo.nisTrab, "12345678901");
                        EXPECT_EQ(e.toxicologico.indRecusa, tpSim);
                      }},
                     {"an unknown refusal raises", [](TIni& ini) { ini["toxicologico"]["indRecusa"] = "X"; },
                      "INI: valor inválido em [toxicologico] indRecusa: \"X\"", [](const TEvtToxic&) {}},
                     {"no laboratory: the schema check names it",
                      [](TIni& ini) { ini["toxicologico"].erase("cnpjLab"); }, "Falha na validação dos dados do evento",
                      [](const TEvtToxic& e) { EXPECT_THAT(e.XML(), HasSubstr("<cnpjLab></cnpjLab>")); }},
                 });
  // Under 2.5 a refusal not given is written empty, with its alert.
  esocialtest::TComponente c = esocialtest::NovoComponenteDe<TS2221Collection>(false);
  TEvtToxic& e = esocialtest::NovoEvento<TS2221Collection>(c, ve02_05_00);
  Para25(e);
  e.toxicologico.indRecusa = kCodigoNaoInformado<tpSimNao>;
  EXPECT_THAT(esocialtest::Escrito(e), HasSubstr("<indRecusa/></toxicologico>"));
}
