// S-2190, preliminary admission record: documents written from fields and from INI input,
// signed and valid against the official schemas of S-1.03 and 2.5; the layouts' branches; the
// faults mended; the INI reader's cases.
#include "esocial/events/non_periodic/s2190_preliminary_admission.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "event_test_support.h"
#include "platform/date_time.h"

using namespace esocial;
using esocialtest::TIni;
using platform::EncodeDate;
using testing::HasSubstr;
using testing::Not;

namespace {

// An employee admitted on 1 March 2024, urban, with the contract's basic data.
void Preencher(TEvtAdmPrelim& e) {
  e.Id = esocialtest::kIdEvento;
  e.IdeEvento.VerProc = "NEMBO 1.0";
  e.IdeEmpregador.NrInsc = esocialtest::kEmpregador;
  s2190::TInfoRegPrelim& info = e.InfoRegPrelim;
  info.cpfTrab = "12345678909";
  info.dtNascto = EncodeDate(1990, 5, 1);
  info.dtAdm = EncodeDate(2024, 3, 1);
  info.matricula = "M-001";
  info.codCateg = 101;
  info.natAtividade = navUrbano;
  info.infoRegCTPS = {"252105", 3500, sfPorMes, PrazoDeterminado, EncodeDate(2024, 12, 31)};
}

TIni IniBase() {
  return {
      {"evtAdmPrelim", {{"Id", esocialtest::kIdEvento}}},
      {"ideEvento", {{"indRetif", "1"}, {"procEmi", "1"}, {"verProc", "NEMBO 1.0"}}},
      {"ideEmpregador", {{"tpInsc", "1"}, {"nrInsc", esocialtest::kEmpregador}}},
      {"infoRegPrelim",
       {{"cpfTrab", "12345678909"},
        {"dtNascto", "01/05/1990"},
        {"dtAdm", "01/03/2024"},
        {"matricula", "M-001"},
        {"codCateg", "101"},
        {"natAtividade", "1"}}},
      {"infoRegCTPS",
       {{"CBOCargo", "252105"},
        {"vrSalFx", "3500,00"},
        {"undSalFixo", "5"},
        {"tpContr", "2"},
        {"dtTerm", "31/12/2024"}}},
  };
}

const std::string kNenhumValor = "Nenhum valor informado";

}  // namespace

TEST(S2190PreliminaryAdmission, ValidDocuments) {
  esocialtest::VerificarDocumentosValidos<TS2190Collection>(
      Preencher, IniBase(),
      {
          {"an employee with the contract's data", [](TEvtAdmPrelim&) {}, [](TIni&) {}, {}},
          {"without the contract's data and the nature of the activity",
           [](TEvtAdmPrelim& e) {
             e.InfoRegPrelim.natAtividade = navNaoInformar;
             e.InfoRegPrelim.infoRegCTPS = {};
           },
           [](TIni& ini) {
             ini["infoRegPrelim"].erase("natAtividade");
             ini.erase("infoRegCTPS");
           },
           {}},
      });
}

// 2.5: the identification without indRetif, the record with the CPF and the two dates alone.
TEST(S2190PreliminaryAdmission, Layout25IsValid) {
  const std::string escrito = esocialtest::VerificarValidoNoLeiaute<TS2190Collection>(ve02_05_00, Preencher);
  EXPECT_THAT(escrito, HasSubstr("<ideEvento><tpAmb>2</tpAmb><procEmi>1</procEmi>"));
  EXPECT_THAT(escrito, HasSubstr("<dtAdm>2024-03-01</dtAdm></infoRegPrelim>"));
}

TEST(S2190PreliminaryAdmission, LayoutBranches) {
  esocialtest::VerificarCasosLeiaute<TS2190Collection>(
      Preencher, {
                     {"S-1.03",
                      veS01_03_00,
                      [](TEvtAdmPrelim&) {},
                      {"<ideEvento><indRetif>1</indRetif>",
                       "<dtAdm>2024-03-01</dtAdm><matricula>M-001</matricula><codCateg>101</codCateg><natAtividade>1<"
                       "/natAtividade><infoRegCTPS><CBOCargo>252105</CBOCargo><vrSalFx>3500.00</vrSalFx><undSalFixo>5<"
                       "/undSalFixo><tpContr>2</tpContr><dtTerm>2024-12-31</dtTerm></infoRegCTPS>"},
                      {},
                      {}},
                     {"2.5", ve02_05_00, [](TEvtAdmPrelim&) {}, {}, {"<indRetif>", "<matricula>", "<infoRegCTPS>"}, {}},
                     {"no CBO, no contract's data",
                      veS01_03_00,
                      [](TEvtAdmPrelim& e) { e.InfoRegPrelim.infoRegCTPS.CBOCargo.clear(); },
                      {"</natAtividade></infoRegPrelim>"},
                      {"<infoRegCTPS>"},
                      {}},
                     {"an indeterminate term has no end date",
                      veS01_03_00,
                      [](TEvtAdmPrelim& e) {
                        e.InfoRegPrelim.infoRegCTPS.tpContr = PrazoIndeterminado;
                        e.InfoRegPrelim.infoRegCTPS.dtTerm = 0;
                      },
                      {"<tpContr>1</tpContr></infoRegCTPS>"},
                      {"<dtTerm>"},
                      {}},
                 });
}

// The faults mended: a category 0 written as a code, a contract "not applicable", the nature
// of an activity the category does not have.
TEST(S2190PreliminaryAdmission, Faults) {
  esocialtest::VerificarCasosLeiaute<TS2190Collection>(
      Preencher, {
                     {"category 0 is not informed",
                      veS01_03_00,
                      [](TEvtAdmPrelim& e) { e.InfoRegPrelim.codCateg = 0; },
                      {"<matricula>M-001</matricula><codCateg/>"},
                      {"<codCateg>0</codCateg>"},
                      {"/codCateg() - " + kNenhumValor}},
                     {"a term not applicable is no code of the event",
                      veS01_03_00,
                      [](TEvtAdmPrelim& e) { e.InfoRegPrelim.infoRegCTPS.tpContr = PrazoNaoAplicavel; },
                      {"<tpContr>4</tpContr>"},
                      {},
                      {"/tpContr() - Conteúdo inválido"}},
                 });
  for (int categoria : {721, 722, 771, 901}) {
    SCOPED_TRACE(categoria);
    esocialtest::VerificarCasosLeiaute<TS2190Collection>(
        Preencher, {{"no nature of the activity",
                     veS01_03_00,
                     [categoria](TEvtAdmPrelim& e) { e.InfoRegPrelim.codCateg = categoria; },
                     {"<codCateg>" + std::to_string(categoria) + "</codCateg><infoRegCTPS>"},
                     {"<natAtividade>"},
                     {}}});
  }
  esocialtest::VerificarCasosIni<TS2190Collection>(
      IniBase(), {
                     {"no category is not informed: the schema check names it",
                      [](TIni& ini) { ini["infoRegPrelim"].erase("codCateg"); }, "codCateg",
                      [](const TEvtAdmPrelim& e) { EXPECT_EQ(e.InfoRegPrelim.codCateg, 0); }},
                     {"a term not applicable raises", [](TIni& ini) { ini["infoRegCTPS"]["tpContr"] = "4"; },
                      "INI: valor inválido em [infoRegCTPS] tpContr: \"4\"",
                      [](const TEvtAdmPrelim& e) { EXPECT_EQ(e.XML(), ""); }},
                 });
}

// Codes and numbers not given are not informed; a text outside its list raises.
TEST(S2190PreliminaryAdmission, IniCases) {
  esocialtest::VerificarCasosIni<TS2190Collection>(
      IniBase(),
      {
          {"no nature of the activity writes none", [](TIni& ini) { ini["infoRegPrelim"].erase("natAtividade"); },
           testsupport::kNoError,
           [](const TEvtAdmPrelim& e) {
             EXPECT_EQ(e.InfoRegPrelim.natAtividade, navNaoInformar);
             EXPECT_THAT(e.XML(), Not(HasSubstr("<natAtividade>")));
           }},
          {"no kind of contract or unit of pay: both empty, the schema check names them",
           [](TIni& ini) {
             ini["infoRegCTPS"].erase("tpContr");
             ini["infoRegCTPS"].erase("undSalFixo");
           },
           "Falha na validação dos dados do evento",
           [](const TEvtAdmPrelim& e) {
             EXPECT_THAT(e.Gerador().ListaDeAlertas, testing::SizeIs(2));
             EXPECT_THAT(e.XML(), HasSubstr("<undSalFixo></undSalFixo><tpContr></tpContr>"));
           }},
          {"a category that is no number raises", [](TIni& ini) { ini["infoRegPrelim"]["codCateg"] = "1O1"; },
           "INI: valor inválido em [infoRegPrelim] codCateg: \"1O1\"", [](const TEvtAdmPrelim&) {}},
          {"a pay that is no number raises", [](TIni& ini) { ini["infoRegCTPS"]["vrSalFx"] = "3.500,00x"; }, "vrSalFx",
           [](const TEvtAdmPrelim&) {}},
          {"an unknown nature raises", [](TIni& ini) { ini["infoRegPrelim"]["natAtividade"] = "3"; },
           "INI: valor inválido em [infoRegPrelim] natAtividade: \"3\"", [](const TEvtAdmPrelim&) {}},
          {"a date that is no date raises", [](TIni& ini) { ini["infoRegPrelim"]["dtAdm"] = "31/02/2024"; },
           "31/02/2024", [](const TEvtAdmPrelim&) {}},
      });
}
