// S-1207, own-pension-regime benefits: documents written from fields and from INI input,
// signed and valid against the official schema; the writer's required indicator, empty groups
// and list maxima; the INI reader's own cases.
#include "esocial/events/tables_periodic/s1207_own_pension_benefits.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "event_test_support.h"

using namespace esocial;
using namespace esocial::s1207;
using esocialtest::TIni;

namespace {

TRubricaCollectionItem& NovaRubrica(TRubricaCollection& itens, const std::string& codRubr, double vrRubr) {
  TRubricaCollectionItem& r = itens.Add();
  r.codRubr = codRubr;
  r.ideTabRubr = "T1";
  r.vrRubr = vrRubr;
  r.indApurIR = tiaiNormal;
  return r;
}

TIdeEstabCollectionItem& NovoEstab(TIdeEstabCollection& lista) {
  TIdeEstabCollectionItem& e = lista.Add();
  e.tpInsc = tiCNPJ;
  e.nrInsc = esocialtest::kEmpregador;
  return e;
}

// A benefit of the period of assessment with one rubric, and an earlier period of it.
TDMDevCollectionItem& NovoBeneficio(TEvtBenPrRP& e, const std::string& ideDmDev, const std::string& nrBeneficio) {
  TDMDevCollectionItem& d = e.dmDev.Add();
  d.ideDmDev = ideDmDev;
  d.nrBeneficio = nrBeneficio;
  NovaRubrica(NovoEstab(d.infoPerApur().ideEstab).itensRemun, "B001", 4200);
  TIdePeriodoCollectionItem& p = d.infoPerAnt().idePeriodo.Add();
  p.perRef = "2024-01";
  NovaRubrica(NovoEstab(p.ideEstab).itensRemun, "B050", 80.4);
  return d;
}

void IniBeneficio(TIni& ini, const std::string& D, const std::string& ideDmDev, const std::string& nrBeneficio) {
  ini["dmDev" + D] = {{"ideDmDev", ideDmDev}, {"nrBeneficio", nrBeneficio}};
  ini["ideEstab" + D + "001"] = {{"tpInsc", "1"}, {"nrInsc", esocialtest::kEmpregador}};
  ini["itensRemun" + D + "001001"] = {
      {"codRubr", "B001"}, {"ideTabRubr", "T1"}, {"vrRubr", "4200"}, {"indApurIR", "0"}};
  ini["idePeriodo" + D + "001"] = {{"perRef", "2024-01"}};
  ini["ideEstab" + D + "001001"] = {{"nrInsc", esocialtest::kEmpregador}};
  ini["itensRemun" + D + "001001001"] = {
      {"codRubr", "B050"}, {"ideTabRubr", "T1"}, {"vrRubr", "80,40"}, {"indApurIR", "0"}};
}

// A retirement benefit for May 2024, paid for the month and for January.
void Preencher(TEvtBenPrRP& e) {
  e.Id = esocialtest::kIdEvento;
  e.ideEvento.indRetif = ireOriginal;
  e.ideEvento.IndApuracao = iapuMensal;
  e.ideEvento.perApur = "2024-05";
  e.ideEvento.VerProc = "NEMBO 1.0";
  e.ideEmpregador.TpInsc = tiCNPJ;
  e.ideEmpregador.NrInsc = esocialtest::kEmpregador;
  e.ideBenef.cpfBenef = "12345678909";
  NovoBeneficio(e, "DM1", "BEN-0001");
}

TIni IniBase() {
  TIni ini = {
      {"evtBenPrRP", {{"Id", esocialtest::kIdEvento}}},
      {"ideEvento", {{"indRetif", "1"}, {"indApuracao", "1"}, {"perApur", "2024-05"}, {"verProc", "NEMBO 1.0"}}},
      {"ideEmpregador", {{"tpInsc", "1"}, {"nrInsc", esocialtest::kEmpregador}}},
      {"ideBenef", {{"cpfBenef", "12345678909"}}},
  };
  IniBeneficio(ini, "001", "DM1", "BEN-0001");
  return ini;
}

TRubricaCollectionItem& RubricaDoPeriodo(const TEvtBenPrRP& e) {
  return e.dmDev.GetItem(0).infoPerApur().ideEstab.GetItem(0).itensRemun.GetItem(0);
}

TRubricaCollectionItem& RubricaAnterior(const TEvtBenPrRP& e) {
  return e.dmDev.GetItem(0).infoPerAnt().idePeriodo.GetItem(0).ideEstab.GetItem(0).itensRemun.GetItem(0);
}

const std::string kNenhum = "() - Nenhum valor informado";
const std::string kLimite = " - Número de ocorrências maior que o máximo permitido - Máximo ";

}  // namespace

TEST(S1207OwnPensionBenefits, ValidDocuments) {
  esocialtest::VerificarDocumentosValidos<TS1207Collection>(
      Preencher, IniBase(),
      {
          {"two benefits with both periods, a discount and an RRA with its costs and lawyer",
           [](TEvtBenPrRP& e) {
             RubricaDoPeriodo(e).descFolha = {tpdeConsignado, "237", "EMP-55", "Consignado"};
             TDMDevCollectionItem& d = NovoBeneficio(e, "DM2", "BEN-0002");
             d.indRRA = snfSim;
             TInfoRRA& rra = d.infoRRA();
             rra.tpProcRRA = tppJudicial;
             rra.nrProcRRA = "12345678901234567";
             rra.descRRA = "Revisao de proventos";
             rra.qtdMesesRRA = 6.5;
             rra.despProcJud() = {0, 900};
             rra.ideAdv().New() = {tiCNPJ, "98765432000198", 900};
           },
           [](TIni& ini) {
             ini["descFolha001001001"] = {
                 {"tpDesc", "1"}, {"instFinanc", "237"}, {"nrDoc", "EMP-55"}, {"observacao", "Consignado"}};
             IniBeneficio(ini, "002", "DM2", "BEN-0002");
             ini["dmDev002"]["indRRA"] = "S";
             ini["infoRRA002"] = {{"tpProcRRA", "2"},
                                  {"nrProcRRA", "12345678901234567"},
                                  {"descRRA", "Revisao de proventos"},
                                  {"qtdMesesRRA", "6,5"}};
             ini["despProcJud002"] = {{"vlrDespAdvogados", "900"}};
             ini["ideAdv00201"] = {{"nrInsc", "98765432000198"}, {"vlrAdv", "900.00"}};
           },
           {}},
      });
}

// The writer's mends: the income-tax indicator is required, the period groups are written only
// with an item, the earlier periods' rubrics carry no discount; and the schema's maxima.
TEST(S1207OwnPensionBenefits, WriterFaults) {
  const auto estabs = [](int n) {
    return [n](TEvtBenPrRP& e) {
      for (int i = 1; i < n; ++i) NovaRubrica(NovoEstab(e.dmDev.GetItem(0).infoPerApur().ideEstab).itensRemun, "B", 1);
    };
  };
  const auto periodos = [](int n) {
    return [n](TEvtBenPrRP& e) {
      for (int i = 1; i < n; ++i) {
        TIdePeriodoCollectionItem& p = e.dmDev.GetItem(0).infoPerAnt().idePeriodo.Add();
        p.perRef = "2023-01";
        NovaRubrica(NovoEstab(p.ideEstab).itensRemun, "B", 1);
      }
    };
  };
  esocialtest::VerificarCasosLeiaute<TS1207Collection>(
      Preencher,
      {
          {"a rubric without its income-tax indicator",
           veS01_03_00,
           [](TEvtBenPrRP& e) { RubricaAnterior(e).indApurIR = tiaiNenhum; },
           {"<vrRubr>80.40</vrRubr><indApurIR/></itensRemun>"},
           {},
           {"/indApurIR" + kNenhum}},
          {"period groups without items",
           veS01_03_00,
           [](TEvtBenPrRP& e) {
             e.dmDev.GetItem(0).infoPerApur().ideEstab.Clear();
             e.dmDev.GetItem(0).infoPerAnt().idePeriodo.Clear();
           },
           {"<nrBeneficio>BEN-0001</nrBeneficio></dmDev>"},
           {"<infoPerApur>", "<infoPerAnt>"},
           {}},
          {"a discount on each period's rubric",
           veS01_03_00,
           [](TEvtBenPrRP& e) {
             RubricaDoPeriodo(e).descFolha = {tpdeConsignado, "237", "EMP-55", ""};
             RubricaAnterior(e).descFolha = {tpdeConsignado, "237", "EMP-56", ""};
           },
           {"<nrDoc>EMP-55</nrDoc>"},
           {"EMP-56"},
           {}},
          {"RRA from S-1.01",
           veS01_01_00,
           [](TEvtBenPrRP& e) {
             e.dmDev.GetItem(0).indRRA = snfSim;
             e.dmDev.GetItem(0).infoRRA().descRRA = "Revisao";
           },
           {"<nrBeneficio>BEN-0001</nrBeneficio><indRRA>S</indRRA><infoRRA>"},
           {},
           {}},
          {"500 establishments", veS01_03_00, estabs(500), {}, {}, {}},
          {"501 establishments",
           veS01_03_00,
           estabs(501),
           {},
           {},
           {"/ideEstab(Lista de itensRemun)" + kLimite + "500."}},
          {"181 periods", veS01_03_00, periodos(181), {}, {}, {"/idePeriodo(Lista de Periodos)" + kLimite + "180."}},
      });
}

// The reader's mends, each an INI text the reader got wrong before.
TEST(S1207OwnPensionBenefits, IniCases) {
  const std::string kSemErro = testsupport::kNoError;
  esocialtest::VerificarCasosIni<TS1207Collection>(
      IniBase(),
      {
          {"decimals with a comma or a point",
           [](TIni& ini) {
             ini["itensRemun001001001"]["vrRubr"] = "4200,10";
             ini["itensRemun001001001"]["fatorRubr"] = "1.25";
             ini["dmDev001"]["indRRA"] = "S";
             ini["infoRRA001"] = {{"tpProcRRA", "1"}, {"descRRA", "Revisao"}, {"qtdMesesRRA", "3,5"}};
           },
           kSemErro,
           [](const TEvtBenPrRP& e) {
             EXPECT_EQ(RubricaDoPeriodo(e).vrRubr, 4200.1);
             EXPECT_EQ(RubricaDoPeriodo(e).fatorRubr, 1.25);
             EXPECT_EQ(RubricaAnterior(e).vrRubr, 80.4);
             EXPECT_EQ(e.dmDev.GetItem(0).infoRRA().qtdMesesRRA, 3.5);
             EXPECT_FALSE(e.dmDev.GetItem(0).infoRRA().instDespProcJud()) << "no costs given";
           }},
          {"a rubric without its income-tax indicator",
           [](TIni& ini) { ini["itensRemun001001001"].erase("indApurIR"); }, "indApurIR",
           [](const TEvtBenPrRP& e) { EXPECT_EQ(RubricaDoPeriodo(e).indApurIR, tiaiNenhum); }},
          {"a payslip without establishments or periods",
           [](TIni& ini) {
             ini["dmDev002"] = {{"ideDmDev", "DM2"}, {"nrBeneficio", "BEN-0002"}};
           },
           kSemErro,
           [](const TEvtBenPrRP& e) {
             EXPECT_FALSE(e.dmDev.GetItem(1).infoPerApurInst());
             EXPECT_FALSE(e.dmDev.GetItem(1).infoPerAntInst());
           }},
          {"a discount section without its kind is left out",
           [](TIni& ini) {
             ini["descFolha001001001"] = {{"instFinanc", "237"}, {"nrDoc", "EMP-55"}};
           },
           kSemErro,
           [](const TEvtBenPrRP& e) { EXPECT_THAT(e.XML(), ::testing::Not(::testing::HasSubstr("<descFolha>"))); }},
      });
}
