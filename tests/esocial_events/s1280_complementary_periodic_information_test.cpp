// S-1280, complementary periodic information: documents written from fields and from INI input,
// signed and valid against the official schema of each layout; when each optional group is
// written; the operator list and the INI reader's own cases.
#include "esocial/events/tables_periodic/s1280_complementary_periodic_information.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "event_test_support.h"

using namespace esocial;
using namespace esocial::s1280;
using esocialtest::TIni;
using ::testing::AllOf;
using ::testing::HasSubstr;
using ::testing::Not;
using testsupport::kNoError;
using testsupport::MessageOf;

namespace {

// A partial substitution of the contribution applied to two port operators, the factors of
// concurrent activities and the transfer percentage.
void Preencher(TEvtInfoComplPer& e) {
  e.Id = esocialtest::kIdEvento;
  e.IdeEvento.perApur = "2024-03";
  e.IdeEvento.VerProc = "NEMBO 1.0";
  e.IdeEmpregador.TpInsc = tiCNPJ;
  e.IdeEmpregador.NrInsc = esocialtest::kEmpregador;
  e.InfoSubstPatr() = {spParcialmenteSubstituida, 37.5};
  e.InfoSubstPatrOpPort().Add() = {"11222333000181", "PORTO1"};
  e.InfoSubstPatrOpPort().Add() = {"44555666000172", "PORTO2"};
  e.InfoAtivConcom() = {45.2, 30};
  e.infoPercTransf11096().percTransf = 3;
}

TIni IniBase() {
  return {
      {"evtInfoComplPer", {{"Id", esocialtest::kIdEvento}}},
      {"ideEvento",
       {{"indRetif", "1"}, {"indApuracao", "1"}, {"perApur", "2024-03"}, {"procEmi", "1"}, {"verProc", "NEMBO 1.0"}}},
      {"ideEmpregador", {{"tpInsc", "1"}, {"nrInsc", esocialtest::kEmpregador}}},
      {"infoSubstPatr", {{"indSubstPatr", "2"}, {"percRedContrib", "37,5"}}},
      {"infoSubstPatrOpPort0001", {{"codLotacao", "PORTO1"}, {"cnpjOpPortuario", "11222333000181"}}},
      {"infoSubstPatrOpPort0002", {{"codLotacao", "PORTO2"}, {"cnpjOpPortuario", "44555666000172"}}},
      {"infoAtivConcom", {{"fatorMes", "45.2"}, {"fator13", "30"}}},
      {"infoPercTransf11096", {{"percTransf", "3"}}},
  };
}

const std::string kOperadores =
    "<infoSubstPatrOpPort><codLotacao>PORTO1</codLotacao></infoSubstPatrOpPort>"
    "<infoSubstPatrOpPort><codLotacao>PORTO2</codLotacao></infoSubstPatrOpPort>";

}  // namespace

TEST(S1280ComplementaryPeriodicInformation, ValidDocuments) {
  esocialtest::VerificarDocumentosValidos<TS1280Collection>(
      Preencher, IniBase(),
      {
          {"every group", [](TEvtInfoComplPer&) {}, [](TIni&) {}, {}},
          {"an annual period, percTrans for the percentage",
           [](TEvtInfoComplPer& e) {
             e.IdeEvento.IndApuracao = ipaAnual;
             e.IdeEvento.perApur = "2023";
             e.infoPercTransf11096().percTransf = 5;
           },
           [](TIni& ini) {
             ini["ideEvento"]["indApuracao"] = "2";
             ini["ideEvento"]["perApur"] = "2023";
             ini["infoPercTransf11096"]["percTrans"] = "5";
           },
           {}},
      });
}

// The operator's key and the transfer group by layout, each document valid against its own
// layout's schema: the group exists from S-1.01 on.
TEST(S1280ComplementaryPeriodicInformation, GroupsOfEachLayout) {
  struct TCaso {
    TVersaoeSocial versao;
    std::vector<std::string> escritos, ausentes;
  };
  const TCaso casos[] = {
      {ve02_05_00,
       {"<infoSubstPatrOpPort><cnpjOpPortuario>11222333000181</cnpjOpPortuario></infoSubstPatrOpPort>"},
       {"codLotacao", "infoPercTransf11096", "indGuia"}},
      {veS01_00_00, {kOperadores + "<infoAtivConcom>"}, {"cnpjOpPortuario", "infoPercTransf11096"}},
      {veS01_01_00,
       {kOperadores, "<infoPercTransf11096><percTransf>3</percTransf></infoPercTransf11096>"},
       {"cnpjOpPortuario"}},
  };
  for (const TCaso& caso : casos) {
    SCOPED_TRACE(VersaoeSocialToStr(caso.versao));
    const std::string xml =
        esocialtest::VerificarValidoNoLeiaute<TS1280Collection>(caso.versao, [](TEvtInfoComplPer& e) {
          Preencher(e);
          e.IdeEvento.indGuia = "1";
        });
    for (const std::string& texto : caso.escritos) EXPECT_THAT(xml, HasSubstr(texto));
    for (const std::string& texto : caso.ausentes) EXPECT_THAT(xml, Not(HasSubstr(texto)));
  }
}

TEST(S1280ComplementaryPeriodicInformation, OptionalGroups) {
  esocialtest::VerificarCasosLeiaute<TS1280Collection>(
      Preencher, {
                     // The two substitutions of the provisional measure have no code in the layout.
                     {"a substitution without a code is written empty and announced",
                      veS01_03_00,
                      [](TEvtInfoComplPer& e) { e.InfoSubstPatr().indSubstPatr = spAnexoI_MP1202; },
                      {"<infoSubstPatr><indSubstPatr/><percRedContrib>37.50</percRedContrib></infoSubstPatr>"},
                      {},
                      {"indSubstPatr() - Nenhum valor informado."}},
                     {"no substitution",
                      veS01_03_00,
                      [](TEvtInfoComplPer& e) { e.InfoSubstPatr().indSubstPatr = spVazio; },
                      {},
                      {"infoSubstPatr>"},
                      {}},
                     {"no factor of the month",
                      veS01_03_00,
                      [](TEvtInfoComplPer& e) { e.InfoAtivConcom().fatorMes = 0; },
                      {},
                      {"infoAtivConcom"},
                      {}},
                     {"tax classification 03 writes the factors even when zero",
                      veS01_03_00,
                      [](TEvtInfoComplPer& e) {
                        e.ClassTrib = ct03;
                        e.InfoAtivConcom() = {0, 0};
                      },
                      {"<infoAtivConcom><fatorMes>0.00</fatorMes><fator13>0.00</fator13></infoAtivConcom>"},
                      {},
                      {}},
                     {"the factor of the month alone",
                      veS01_03_00,
                      [](TEvtInfoComplPer& e) { e.InfoAtivConcom().fator13 = 0; },
                      {"<fatorMes>45.20</fatorMes><fator13>0.00</fator13>"},
                      {},
                      {}},
                     {"no transfer percentage",
                      veS01_03_00,
                      [](TEvtInfoComplPer& e) { e.infoPercTransf11096().percTransf = 0; },
                      {},
                      {"infoPercTransf11096"},
                      {}},
                     {"10000 operators",
                      veS01_03_00,
                      [](TEvtInfoComplPer& e) {
                        while (e.InfoSubstPatrOpPort().Count() < 10000) e.InfoSubstPatrOpPort().Add().codLotacao = "P";
                      },
                      {},
                      {},
                      {"infoSubstPatrOpPort(Lista de Operadores Portuarios) - Número de ocorrências maior que o máximo "
                       "permitido - "
                       "Máximo 9999."}},
                 });
}

// An operator is named by its CNPJ (2.x) or by a tax allocation (S-1): the list goes on while a
// section gives either.
TEST(S1280ComplementaryPeriodicInformation, IniOperatorList) {
  using TOperadores = std::vector<std::pair<std::string, std::string>>;  // CNPJ, tax allocation
  struct TCaso {
    const char* nome;
    TIni secoes;
    TOperadores esperados;
  };
  const TCaso casos[] = {
      {"operators of the 2.x layouts, by their CNPJ",
       {{"infoSubstPatrOpPort0001", {{"cnpjOpPortuario", "11222333000181"}}},
        {"infoSubstPatrOpPort0002", {{"cnpjOpPortuario", "44555666000172"}}}},
       {{"11222333000181", ""}, {"44555666000172", ""}}},
      {"either key",
       {{"infoSubstPatrOpPort0001", {{"cnpjOpPortuario", "11222333000181"}}},
        {"infoSubstPatrOpPort0002", {{"codLotacao", "PORTO2"}}}},
       {{"11222333000181", ""}, {"", "PORTO2"}}},
      {"FIM ends the list",
       {{"infoSubstPatrOpPort0001", {{"codLotacao", "PORTO1"}}},
        {"infoSubstPatrOpPort0002", {{"codLotacao", "FIM"}}},
        {"infoSubstPatrOpPort0003", {{"codLotacao", "PORTO3"}}}},
       {{"", "PORTO1"}}},
  };
  for (const TCaso& caso : casos) {
    SCOPED_TRACE(caso.nome);
    TIni ini = IniBase();
    ini.erase("infoSubstPatrOpPort0001");
    ini.erase("infoSubstPatrOpPort0002");
    ini.insert(caso.secoes.begin(), caso.secoes.end());
    const esocialtest::TComponente c = esocialtest::NovoComponente();
    TEvtInfoComplPer& e = c.Eventos().Periodicos().S1280().Add().EvtInfoComplPer();
    MessageOf([&] { e.LerArqIni(esocialtest::TextoIni(ini)); });  // S-1.03 refuses the CNPJ-only items
    TOperadores lidos;
    for (int i = 0; i < e.InfoSubstPatrOpPort().Count(); ++i)
      lidos.emplace_back(e.InfoSubstPatrOpPort().GetItem(i).cnpjOpPortuario,
                         e.InfoSubstPatrOpPort().GetItem(i).codLotacao);
    EXPECT_EQ(lidos, caso.esperados);
  }
}

TEST(S1280ComplementaryPeriodicInformation, IniCases) {
  esocialtest::VerificarCasosIni<TS1280Collection>(
      IniBase(),
      {
          {"percTrans is taken before percTransf",
           [](TIni& ini) {
             ini["infoPercTransf11096"] = {{"percTrans", "4"}, {"percTransf", "3"}};
           },
           kNoError, [](const TEvtInfoComplPer& e) { EXPECT_THAT(e.XML(), HasSubstr("<percTransf>4</percTransf>")); }},
          {"a transfer percentage that is not a whole number raises",
           [](TIni& ini) { ini["infoPercTransf11096"]["percTransf"] = "2.5"; },
           "INI: valor inválido em [infoPercTransf11096] percTransf: \"2.5\"",
           [](const TEvtInfoComplPer& e) { EXPECT_EQ(e.XML(), ""); }},
          {"an empty percentage creates no group", [](TIni& ini) { ini["infoPercTransf11096"]["percTransf"] = ""; },
           kNoError, [](const TEvtInfoComplPer& e) { EXPECT_FALSE(e.infoPercTransf11096Inst()); }},
          {"substitution 0 is read but not written", [](TIni& ini) { ini["infoSubstPatr"]["indSubstPatr"] = "0"; },
           kNoError,
           [](const TEvtInfoComplPer& e) {
             EXPECT_TRUE(e.infoSubstPatrInst());
             EXPECT_THAT(e.XML(), Not(HasSubstr("infoSubstPatr>")));
           }},
          {"a substitution code outside the list raises", [](TIni& ini) { ini["infoSubstPatr"]["indSubstPatr"] = "3"; },
           "INI: valor inválido em [infoSubstPatr] indSubstPatr: \"3\"", [](const TEvtInfoComplPer&) {}},
          {"without the section of the factors nothing of them is written",
           [](TIni& ini) { ini.erase("infoAtivConcom"); }, kNoError,
           [](const TEvtInfoComplPer& e) { EXPECT_THAT(e.XML(), Not(HasSubstr("infoAtivConcom"))); }},
      });
}
