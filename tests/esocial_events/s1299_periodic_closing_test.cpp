// S-1299, periodic events closing: closings written from fields and from INI input, signed and
// valid against the official schema of each layout (2.5, S-1.00, S-1.01, S-1.03); the
// declarations a closing makes only when asked; the INI reader's own cases.
#include "esocial/events/tables_periodic/s1299_periodic_closing.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "event_test_support.h"

using namespace esocial;
using esocialtest::TIni;
using ::testing::AllOf;
using ::testing::HasSubstr;
using ::testing::Not;
using testsupport::kNoError;

namespace {

// A monthly closing of June 2021 with remuneration, payments and complementary information,
// making the three declarations.
void Preencher(TEvtFechaEvPer& e) {
  e.Id = esocialtest::kIdEvento;
  e.IdeEvento.IndApuracao = iapuMensal;
  e.IdeEvento.perApur = "2021-06";
  e.IdeEvento.VerProc = "NEMBO 1.0";
  e.IdeEmpregador.TpInsc = tiCNPJ;
  e.IdeEmpregador.NrInsc = esocialtest::kEmpregador;
  s1299::TInfoFech& f = e.InfoFech;
  f.evtRemun = tpSim;
  f.evtPgtos = tpSim;
  f.evtAqProd = tpNao;
  f.evtComProd = tpNao;
  f.evtContratAvNP = tpNao;
  f.evtInfoComplPer = tpSim;
  f.indExcApur1250 = snfSim;
  f.transDCTFWeb = snfSim;
  f.naoValid = snfSim;
}

TIni IniBase() {
  return {
      {"evtFechaEvPer", {{"Id", esocialtest::kIdEvento}}},
      {"ideEvento", {{"indApuracao", "1"}, {"perApur", "2021-06"}, {"procEmi", "1"}, {"verProc", "NEMBO 1.0"}}},
      {"ideEmpregador", {{"tpInsc", "1"}, {"nrInsc", esocialtest::kEmpregador}}},
      {"infoFech",
       {{"evtRemun", "S"},
        {"evtPgtos", "S"},
        {"evtAqProd", "N"},
        {"evtComProd", "N"},
        {"evtContratAvNP", "N"},
        {"evtInfoComplPer", "S"},
        {"indExcApur1250", "S"},
        {"transDCTFWeb", "S"},
        {"naoValid", "S"}}},
  };
}

// Nothing in the period.
void SemMovimento(TEvtFechaEvPer& e) {
  s1299::TInfoFech& f = e.InfoFech;
  f.evtRemun = f.evtPgtos = f.evtAqProd = f.evtComProd = f.evtContratAvNP = f.evtInfoComplPer = tpNao;
  f.compSemMovto = "2021-01";
}

const std::string kDeclaracoes =
    "<evtInfoComplPer>S</evtInfoComplPer><indExcApur1250>S</indExcApur1250><transDCTFWeb>S</transDCTFWeb>"
    "<naoValid>S</naoValid></infoFech>";

}  // namespace

TEST(S1299PeriodicClosing, ValidDocuments) {
  esocialtest::VerificarDocumentosValidos<TS1299Collection>(
      Preencher, IniBase(),
      {
          {"every declaration", [](TEvtFechaEvPer&) {}, [](TIni&) {}, {}},
          {"a later period without declarations, validation asked for",
           [](TEvtFechaEvPer& e) {
             e.IdeEvento.perApur = "2024-01";
             e.IdeEvento.indGuia = "1";
             e.InfoFech.indExcApur1250 = snfNada;
             e.InfoFech.transDCTFWeb = snfNao;
             e.InfoFech.naoValid = snfNao;
           },
           [](TIni& ini) {
             ini["ideEvento"]["perApur"] = "2024-01";
             ini["ideEvento"]["indGuia"] = "1";
             ini["infoFech"].erase("indExcApur1250");
             ini["infoFech"].erase("transDCTFWeb");
             ini["infoFech"]["naoValid"] = "N";
           },
           {}},
      });
}

// Each layout's flags, each document valid against its own layout's schema.
TEST(S1299PeriodicClosing, FlagsOfEachLayout) {
  struct TCaso {
    const char* nome;
    TVersaoeSocial versao;
    std::function<void(TEvtFechaEvPer&)> mudar;
    std::vector<std::string> escritos, ausentes;
  };
  const TCaso casos[] = {
      {"S-1.03",
       veS01_03_00,
       [](TEvtFechaEvPer&) {},
       {"<evtRemun>S</evtRemun><evtPgtos>S</evtPgtos><evtComProd>", kDeclaracoes},
       {"evtAqProd", "compSemMovto", "ideRespInf"}},
      {"S-1.01", veS01_01_00, [](TEvtFechaEvPer&) {}, {"<evtPgtos>S</evtPgtos>", kDeclaracoes}, {"evtAqProd"}},
      {"S-1.00: no payments indicator, no naoValid",
       veS01_00_00,
       [](TEvtFechaEvPer&) {},
       {"<evtRemun>S</evtRemun><evtComProd>N</evtComProd>",
        "<indExcApur1250>S</indExcApur1250><transDCTFWeb>S</transDCTFWeb></infoFech>"},
       {"evtPgtos", "naoValid"}},
      {"2.5: acquisitions and payments, the responsible, the exclusion of the acquisitions",
       ve02_05_00,
       [](TEvtFechaEvPer& e) {
         e.IdeRespInf = {"Maria da Silva", "98765432100", "1133334444", "maria@example.com"};
         e.IdeEvento.indGuia = "1";
       },
       {"<ideRespInf><nmResp>Maria da Silva</nmResp>",
        "<evtRemun>S</evtRemun><evtPgtos>S</evtPgtos><evtAqProd>N</evtAqProd><evtComProd>N</evtComProd>",
        "<evtInfoComplPer>S</evtInfoComplPer><indExcApur1250>S</indExcApur1250></infoFech>"},
       {"indGuia", "transDCTFWeb", "naoValid", "compSemMovto"}},
      {"2.5: a period without movement, no responsible given",
       ve02_05_00,
       SemMovimento,
       {"<evtInfoComplPer>N</evtInfoComplPer><compSemMovto>2021-01</compSemMovto>"},
       {"ideRespInf"}},
      {"S-1.03: no compSemMovto outside the 2.x layouts", veS01_03_00, SemMovimento, {}, {"compSemMovto"}},
  };
  for (const TCaso& caso : casos) {
    SCOPED_TRACE(caso.nome);
    const std::string xml =
        esocialtest::VerificarValidoNoLeiaute<TS1299Collection>(caso.versao, [&](TEvtFechaEvPer& e) {
          Preencher(e);
          caso.mudar(e);
        });
    for (const std::string& texto : caso.escritos) EXPECT_THAT(xml, HasSubstr(texto));
    for (const std::string& texto : caso.ausentes) EXPECT_THAT(xml, Not(HasSubstr(texto)));
  }
}

// The exclusion of the acquisitions goes only into monthly periods up to June 2021.
TEST(S1299PeriodicClosing, ExclusionOfTheAcquisitionsByPeriod) {
  esocialtest::VerificarCasosLeiaute<TS1299Collection>(
      Preencher, {
                     {"2021-07",
                      veS01_03_00,
                      [](TEvtFechaEvPer& e) { e.IdeEvento.perApur = "2021-07"; },
                      {},
                      {"indExcApur1250"},
                      {}},
                     {"annual",
                      veS01_03_00,
                      [](TEvtFechaEvPer& e) {
                        e.IdeEvento.IndApuracao = ipaAnual;
                        e.IdeEvento.perApur = "2021";
                      },
                      {},
                      {"indExcApur1250"},
                      {}},
                     {"2.4.02", ve02_04_02, [](TEvtFechaEvPer&) {}, {"<evtPgtos>S</evtPgtos>"}, {"indExcApur1250"}, {}},
                 });
}

// What the closing's design got wrong, one row each.
TEST(S1299PeriodicClosing, DeclarationsAreMadeOnlyWhenAsked) {
  esocialtest::VerificarCasosLeiaute<TS1299Collection>(
      Preencher, {
                     // Every layout takes only "S": an "N" is left out, not written.
                     {"indExcApur1250 N under S-1.03",
                      veS01_03_00,
                      [](TEvtFechaEvPer& e) { e.InfoFech.indExcApur1250 = snfNao; },
                      {},
                      {"indExcApur1250"},
                      {}},
                     {"indExcApur1250 N under 2.5",
                      ve02_05_00,
                      [](TEvtFechaEvPer& e) { e.InfoFech.indExcApur1250 = snfNao; },
                      {},
                      {"indExcApur1250"},
                      {}},
                 });
  const auto sem = [](const char* chave) { return [chave](TIni& ini) { ini["infoFech"].erase(chave); }; };
  esocialtest::VerificarCasosIni<TS1299Collection>(
      IniBase(),
      {
          {"no indExcApur1250 key: the acquisitions are not declared excluded", sem("indExcApur1250"), kNoError,
           [](const TEvtFechaEvPer& e) {
             EXPECT_EQ(e.InfoFech.indExcApur1250, snfNada);
             EXPECT_THAT(e.XML(), Not(HasSubstr("indExcApur1250")));
           }},
          {"no naoValid key: no validation rule is switched off", sem("naoValid"), kNoError,
           [](const TEvtFechaEvPer& e) {
             EXPECT_EQ(e.InfoFech.naoValid, snfNada);
             EXPECT_THAT(e.XML(), Not(HasSubstr("naoValid")));
           }},
      });
}

TEST(S1299PeriodicClosing, IniCases) {
  esocialtest::VerificarCasosIni<TS1299Collection>(
      IniBase(),
      {
          {"the responsible is read with its name",
           [](TIni& ini) {
             ini["ideRespInf"] = {{"nmResp", "Maria"}, {"cpfResp", "98765432100"}, {"telefone", "1133334444"}};
           },
           kNoError,
           [](const TEvtFechaEvPer& e) {
             EXPECT_EQ(e.IdeRespInf.cpfResp, "98765432100");
             EXPECT_THAT(e.XML(), Not(HasSubstr("ideRespInf")));
           }},
          {"and without it: a value given is never dropped",
           [](TIni& ini) {
             ini["ideRespInf"] = {{"cpfResp", "98765432100"}};
           },
           kNoError, [](const TEvtFechaEvPer& e) { EXPECT_EQ(e.IdeRespInf.cpfResp, "98765432100"); }},
          {"an indicator outside S and N raises", [](TIni& ini) { ini["infoFech"]["evtRemun"] = "X"; },
           "INI: valor inválido em [infoFech] evtRemun: \"X\"",
           [](const TEvtFechaEvPer& e) { EXPECT_EQ(e.XML(), ""); }},
          {"a declaration outside S and N raises", [](TIni& ini) { ini["infoFech"]["naoValid"] = "Sim"; },
           "INI: valor inválido em [infoFech] naoValid: \"Sim\"", [](const TEvtFechaEvPer&) {}},
          {"no indicator keys: each reads S", [](TIni& ini) { ini["infoFech"] = {}; }, kNoError,
           [](const TEvtFechaEvPer& e) {
             EXPECT_THAT(e.XML(), HasSubstr("<evtRemun>S</evtRemun><evtPgtos>S</evtPgtos><evtComProd>S</evtComProd>"
                                            "<evtContratAvNP>S</evtContratAvNP><evtInfoComplPer>S</evtInfoComplPer>"
                                            "</infoFech>"));
           }},
      });
}
