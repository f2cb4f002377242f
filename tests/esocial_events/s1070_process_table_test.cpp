// S-1070, process table: documents of each mode written from fields and from INI input, signed
// and valid against the official schemas; the layout branches and the list limit; the INI
// reader's own cases.
#include "esocial/events/tables_periodic/s1070_process_table.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "event_test_support.h"

using namespace esocial;
using namespace esocial::s1070;
using esocialtest::TIni;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

namespace {

const std::string kProcesso = "12345678901234567890";

// A judicial tax process with its court and two suspension decisions.
void Preencher(TEvtTabProcesso& e) {
  e.Id = esocialtest::kIdEvento;
  e.IdeEvento.VerProc = "NEMBO 1.0";
  e.IdeEmpregador.NrInsc = esocialtest::kEmpregador;
  e.InfoProcesso.ideProcesso = {tpJudicial, kProcesso, "2024-01", ""};
  TDadosProc& dados = e.InfoProcesso.dadosProc();
  dados.indAutoria = iaProprioContribuinte;
  dados.indMatProc = impTributaria;
  dados.observacao = "Contribuicao patronal";
  dados.DadosProcJud() = {"SP", 3550308, "12"};
  dados.infoSusp().Add() = {"1", siLiminarMandadoSeguranca, platform::EncodeDate(2024, 1, 15), tpNao};
  dados.infoSusp().Add() = {"12345678901234", siDepositoJudicial, platform::EncodeDate(2024, 2, 1), tpSim};
}

TIni IniBase() {
  return {
      {"evtTabProcesso", {{"Id", esocialtest::kIdEvento}}},
      {"ideEvento", {{"procEmi", "1"}, {"verProc", "NEMBO 1.0"}}},
      {"ideEmpregador", {{"tpInsc", "1"}, {"nrInsc", esocialtest::kEmpregador}}},
      {"ideProcesso", {{"tpProc", "2"}, {"nrProc", kProcesso}, {"iniValid", "2024-01"}}},
      {"dadosProc", {{"indAutoria", "1"}, {"indMatProc", "1"}, {"observacao", "Contribuicao patronal"}}},
      {"dadosProcJud", {{"ufVara", "SP"}, {"codMunic", "3550308"}, {"idVara", "12"}}},
      {"infoSusp01", {{"codSusp", "1"}, {"indSusp", "01"}, {"dtDecisao", "15/01/2024"}, {"indDeposito", "N"}}},
      {"infoSusp02",
       {{"codSusp", "12345678901234"}, {"indSusp", "02"}, {"dtDecisao", "01/02/2024"}, {"indDeposito", "S"}}},
  };
}

const std::string kLimite = " - Número de ocorrências maior que o máximo permitido - Máximo ";

}  // namespace

TEST(S1070ProcessTable, ValidDocuments) {
  esocialtest::VerificarDocumentosValidos<TS1070Collection>(
      Preencher, IniBase(),
      {
          {"inclusion", [](TEvtTabProcesso&) {}, [](TIni&) {}, {}},
          {"alteration with a new validity",
           [](TEvtTabProcesso& e) {
             e.ModoLancamento = mlAlteracao;
             e.InfoProcesso.novaValidade() = {"2024-06", "2024-12"};
           },
           [](TIni& ini) {
             ini["evtTabProcesso"]["ModoLancamento"] = "alteracao";
             ini["novaValidade"] = {{"iniValid", "2024-06"}, {"fimValid", "2024-12"}};
           },
           {}},
          {"alteration without one, an administrative process of 17 digits without court",
           [](TEvtTabProcesso& e) {
             e.ModoLancamento = mlAlteracao;
             e.InfoProcesso.ideProcesso = {tpAdministrativo, "12345678901234567", "2024-01", "2024-03"};
             TDadosProc& dados = e.InfoProcesso.dadosProc();
             dados = {};
             dados.indMatProc = impFGTS;
           },
           [](TIni& ini) {
             ini["evtTabProcesso"]["ModoLancamento"] = "alteracao";
             ini["ideProcesso"] = {
                 {"tpProc", "1"}, {"nrProc", "12345678901234567"}, {"iniValid", "2024-01"}, {"fimValid", "2024-03"}};
             ini["dadosProc"] = {{"indMatProc", "7"}};
             ini.erase("dadosProcJud");
             ini.erase("infoSusp01");
             ini.erase("infoSusp02");
             ini["novaValidade"] = {{"fimValid", "2024-12"}};  // no start: no new validity
           },
           {}},
          {"exclusion",
           [](TEvtTabProcesso& e) { e.ModoLancamento = mlExclusao; },
           [](TIni& ini) { ini["evtTabProcesso"]["ModoLancamento"] = "exclusao"; },
           {}},
      });
}

TEST(S1070ProcessTable, Layout25Schema) {
  auto c = esocialtest::NovoComponente();
  TEvtTabProcesso& e = c.Eventos().Tabelas().S1070().Add().EvtTabProcesso();
  Preencher(e);
  e.ModoLancamento = mlAlteracao;
  e.InfoProcesso.novaValidade().IniValid = "2024-06";
  EXPECT_EQ(esocialtest::ErroNoEsquema(c, e, ve02_05_00), testsupport::kNoError);
  EXPECT_THAT(e.XML(), HasSubstr("<observacao>Contribuicao patronal</observacao><dadosProcJud>"));
}

// The observation exists from 2.04.02 on; the S-1 layouts take process numbers of 16, 17, 20
// or 21 digits; 99 decisions at most.
TEST(S1070ProcessTable, LayoutBranches) {
  const std::string kTamanho = "/nrProc() - Tamanho ";
  const auto processo = [](const std::string& nr) {
    return [nr](TEvtTabProcesso& e) { e.InfoProcesso.ideProcesso.nrProc = nr; };
  };
  esocialtest::VerificarCasosLeiaute<TS1070Collection>(
      Preencher,
      {
          {"2.04.01 without the observation", ve02_04_01, [](TEvtTabProcesso&) {}, {}, {"<observacao>"}, {}},
          {"2.04.02 with it", ve02_04_02, [](TEvtTabProcesso&) {}, {"<observacao>"}, {}, {}},
          {"16 digits", veS01_03_00, processo("1234567890123456"), {"<nrProc>1234567890123456</nrProc>"}, {}, {}},
          {"18 digits",
           veS01_03_00,
           processo("123456789012345678"),
           {},
           {},
           {kTamanho + "menor que o mínimo permitido [123456789012345678]"}},
          {"22 digits",
           veS01_03_00,
           processo("1234567890123456789012"),
           {},
           {},
           {kTamanho + "maior que o máximo permitido [1234567890123456789012]"}},
          {"18 characters under 2.x", ve02_05_00, processo("123456789012345678"), {}, {}, {}},
          {"100 decisions",
           veS01_03_00,
           [](TEvtTabProcesso& e) {
             while (e.InfoProcesso.dadosProc().infoSusp().Count() < 100)
               e.InfoProcesso.dadosProc().infoSusp().Add() = e.InfoProcesso.dadosProc().infoSusp().GetItem(0);
           },
           {},
           {},
           {"/infoSusp(Lista de Informações de Suspensão)" + kLimite + "99."}},
      });
}

TEST(S1070ProcessTable, IniCases) {
  esocialtest::VerificarCasosIni<TS1070Collection>(
      IniBase(),
      {
          {"the court read from any of its keys", [](TIni& ini) { ini["dadosProcJud"].erase("ufVara"); },
           "Falha na validação dos dados do evento",  // ufVara is required
           [](TEvtTabProcesso& e) {
             TDadosProc& dados = e.InfoProcesso.dadosProc();
             ASSERT_TRUE(dados.dadosProcJudInst());
             EXPECT_EQ(dados.DadosProcJud().codMunic, 3550308);
           }},
          {"an empty court section is none",
           [](TIni& ini) {
             ini["dadosProcJud"] = {{"ufVara", ""}};
           },
           testsupport::kNoError,
           [](TEvtTabProcesso& e) { EXPECT_FALSE(e.InfoProcesso.dadosProc().dadosProcJudInst()); }},
          {"FIM ends the decisions; a gap ends them too",
           [](TIni& ini) {
             ini["infoSusp02"]["codSusp"] = "FIM";
             ini["infoSusp04"] = ini["infoSusp01"];
           },
           testsupport::kNoError,
           [](TEvtTabProcesso& e) { EXPECT_EQ(e.InfoProcesso.dadosProc().infoSusp().Count(), 1); }},
          {"a decision's defaults",
           [](TIni& ini) {
             ini["infoSusp02"] = {{"codSusp", "7"}};
           },
           "Falha na validação dos dados do evento",  // dtDecisao is required
           [](TEvtTabProcesso& e) {
             const TInfoSuspCollectionItem& item = e.InfoProcesso.dadosProc().infoSusp().GetItem(1);
             EXPECT_EQ(item.indSusp, siLiminarMandadoSeguranca);
             EXPECT_EQ(item.dtDecisao, 0);
             EXPECT_EQ(item.indDeposito, tpSim);
           }},
          {"an exclusion reads no data", [](TIni& ini) { ini["evtTabProcesso"]["ModoLancamento"] = "exclusao"; },
           testsupport::kNoError, [](TEvtTabProcesso& e) { EXPECT_FALSE(e.InfoProcesso.dadosProcsInst()); }},
          {"a code outside its list", [](TIni& ini) { ini["infoSusp01"]["indSusp"] = "06"; },
           "INI: valor inválido em [infoSusp01] indSusp: \"06\"", [](TEvtTabProcesso& e) { EXPECT_EQ(e.XML(), ""); }},
          {"a mode outside its list", [](TIni& ini) { ini["evtTabProcesso"]["ModoLancamento"] = "incluir"; },
           "INI: valor inválido em [evtTabProcesso] ModoLancamento: \"incluir\"",
           [](TEvtTabProcesso& e) { EXPECT_EQ(e.XML(), ""); }},
      });
}
