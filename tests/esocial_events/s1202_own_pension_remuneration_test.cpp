// S-1202, own-pension-regime servant remuneration: documents written from fields and from INI
// input, signed and valid against the official schema; the writer's required indicator, empty
// groups and list maxima; the INI reader's own cases.
#include "esocial/events/tables_periodic/s1202_own_pension_remuneration.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "event_test_support.h"

using namespace esocial;
using namespace esocial::s1202;
using esocialtest::TIni;
using platform::EncodeDate;

namespace {

const std::string kEstab2 = "98765432000198";

TRubricaCollectionItem& NovaRubrica(TRubricaCollection& itens, const std::string& codRubr, double vrRubr) {
  TRubricaCollectionItem& r = itens.Add();
  r.codRubr = codRubr;
  r.ideTabRubr = "T1";
  r.vrRubr = vrRubr;
  r.indApurIR = tiaiNormal;
  return r;
}

TIdeEstabCollectionItem& NovoEstab(TIdeEstabCollection& lista, const std::string& nrInsc) {
  TIdeEstabCollectionItem& e = lista.Add();
  e.tpInsc = tiCNPJ;
  e.nrInsc = nrInsc;
  return e;
}

// A servant's monthly payslip: one establishment, one remuneration, one rubric.
void Preencher(TEvtRmnRPPS& e) {
  e.Id = esocialtest::kIdEvento;
  e.ideEvento.indRetif = ireOriginal;
  e.ideEvento.IndApuracao = iapuMensal;
  e.ideEvento.perApur = "2024-05";
  e.ideEvento.VerProc = "NEMBO 1.0";
  e.ideEmpregador.TpInsc = tiCNPJ;
  e.ideEmpregador.NrInsc = esocialtest::kEmpregador;
  e.ideTrabalhador.cpfTrab = "12345678909";
  TDMDevCollectionItem& d = e.dmDev.Add();
  d.ideDmDev = "DM1";
  d.codCateg = 301;
  TRemunPerCollectionItem& r = NovoEstab(d.infoPerApur().ideEstab, esocialtest::kEmpregador).remunPerApur.Add();
  r.matricula = "S-001";
  NovaRubrica(r.itensRemun, "R001", 5000);
}

TIni IniBase() {
  return {
      {"evtRmnRPPS", {{"Id", esocialtest::kIdEvento}}},
      {"ideEvento", {{"indRetif", "1"}, {"indApuracao", "1"}, {"perApur", "2024-05"}, {"verProc", "NEMBO 1.0"}}},
      {"ideEmpregador", {{"tpInsc", "1"}, {"nrInsc", esocialtest::kEmpregador}}},
      {"ideTrabalhador", {{"cpfTrab", "12345678909"}}},
      {"dmDev001", {{"ideDmDev", "DM1"}, {"codCateg", "301"}}},
      {"ideEstab001001", {{"tpInsc", "1"}, {"nrInsc", esocialtest::kEmpregador}}},
      {"remunPerApur0010011", {{"matricula", "S-001"}}},
      {"itensRemun0010011001", {{"codRubr", "R001"}, {"ideTabRubr", "T1"}, {"vrRubr", "5000"}, {"indApurIR", "0"}}},
  };
}

// Earlier periods owed by the body that took the servant over: one period, two establishments,
// the second's remuneration without a registration number.
void PreencherPeriodoAnterior(TDMDevCollectionItem& d) {
  TInfoPerAnt& ant = d.infoPerAnt();
  ant.remunOrgSuc = snfSim;
  TIdePeriodoCollectionItem& p = ant.idePeriodo.Add();
  p.perRef = "2024-03";
  TRemunPerCollectionItem& r = NovoEstab(p.ideEstab, esocialtest::kEmpregador).remunPerAnt.Add();
  r.matricula = "S-001";
  NovaRubrica(r.itensRemun, "R050", 300.75);
  NovaRubrica(NovoEstab(p.ideEstab, kEstab2).remunPerAnt.Add().itensRemun, "R051", 42);
}

void IniPeriodoAnterior(TIni& ini) {
  ini["infoPerAnt001"] = {{"remunOrgSuc", "S"}};
  ini["idePeriodo001001"] = {{"perRef", "2024-03"}};
  ini["ideEstab001001001"] = {{"tpInsc", "1"}, {"nrInsc", esocialtest::kEmpregador}};
  ini["remunPerAnt0010010011"] = {{"matricula", "S-001"}};
  ini["itensRemun0010010011001"] = {
      {"codRubr", "R050"}, {"ideTabRubr", "T1"}, {"vrRubr", "300,75"}, {"indApurIR", "0"}};
  ini["ideEstab001001002"] = {{"nrInsc", kEstab2}};
  ini["itensRemun0010010021001"] = {{"codRubr", "R051"}, {"ideTabRubr", "T1"}, {"vrRubr", "42"}, {"indApurIR", "0"}};
}

TRemunPerApur1202Collection& RemunPerApur(const TEvtRmnRPPS& e) {
  return e.dmDev.GetItem(0).infoPerApur().ideEstab.GetItem(0).remunPerApur;
}

// The reader's groups are read through a const event; their getters make them.
TeS1202IdeTrabalhador& Trabalhador(const TEvtRmnRPPS& e) {
  return const_cast<TeS1202IdeTrabalhador&>(e.ideTrabalhador);
}

const std::string kNenhum = "() - Nenhum valor informado";
const std::string kLimite = " - Número de ocorrências maior que o máximo permitido - Máximo ";

}  // namespace

TEST(S1202OwnPensionRemuneration, ValidDocuments) {
  esocialtest::VerificarDocumentosValidos<TS1202Collection>(
      Preencher, IniBase(),
      {
          {"current and earlier periods, a succession, a discount, an RRA",
           [](TEvtRmnRPPS& e) {
             TInfoComplem& i = e.ideTrabalhador.InfoComplem();
             i.nmTrab = "Joao Lima";
             i.dtNascto = EncodeDate(1975, 8, 9);
             i.sucessaoVinc() = {kEstab2, "ANT-9", EncodeDate(2010, 2, 1), "Redistribuicao"};
             TDMDevCollectionItem& d = e.dmDev.GetItem(0);
             d.indRRA = snfSim;
             d.infoRRA().tpProcRRA = tppAdministrativo;
             d.infoRRA().descRRA = "Progressao";
             d.infoRRA().qtdMesesRRA = 4;
             TRubricaCollectionItem& r = NovaRubrica(RemunPerApur(e).GetItem(0).itensRemun, "R002", 250.5);
             r.indApurIR = tiaiSituacaoEspecialIRRF;
             r.descFolha = {tpdeConsignado, "104", "CC-2024-7", ""};
             PreencherPeriodoAnterior(d);
           },
           [](TIni& ini) {
             ini["ideTrabalhador"]["nmTrab"] = "Joao Lima";
             ini["ideTrabalhador"]["dtNascto"] = "09/08/1975";
             ini["sucessaoVinc"] = {{"cnpjOrgaoAnt", kEstab2},
                                    {"matricAnt", "ANT-9"},
                                    {"dtExercicio", "01/02/2010"},
                                    {"observacao", "Redistribuicao"}};
             ini["dmDev001"]["indRRA"] = "S";
             ini["infoRRA001"] = {{"tpProcRRA", "1"}, {"descRRA", "Progressao"}, {"qtdMesesRRA", "4"}};
             ini["itensRemun0010011002"] = {
                 {"codRubr", "R002"}, {"ideTabRubr", "T1"}, {"vrRubr", "250.50"}, {"indApurIR", "1"}};
             ini["descFolha0010011002"] = {{"tpDesc", "1"}, {"instFinanc", "104"}, {"nrDoc", "CC-2024-7"}};
             IniPeriodoAnterior(ini);
           },
           {}},
      });
}

// The writer's mends: the income-tax indicator is required, the earlier periods are written
// only with a period, a succession is not lost for a missing name, the lists take the
// schema's maxima.
TEST(S1202OwnPensionRemuneration, WriterFaults) {
  const auto estabs = [](int n) {
    return [n](TEvtRmnRPPS& e) {
      for (int i = 1; i < n; ++i)
        NovaRubrica(NovoEstab(e.dmDev.GetItem(0).infoPerApur().ideEstab, kEstab2).remunPerApur.Add().itensRemun, "R1",
                    1);
    };
  };
  const auto periodos = [](int n) {
    return [n](TEvtRmnRPPS& e) {
      TDMDevCollectionItem& d = e.dmDev.GetItem(0);
      PreencherPeriodoAnterior(d);
      for (int i = 1; i < n; ++i) {
        TIdePeriodoCollectionItem& p = d.infoPerAnt().idePeriodo.Add();
        p.perRef = "2023-01";
        NovaRubrica(NovoEstab(p.ideEstab, kEstab2).remunPerAnt.Add().itensRemun, "R1", 1);
      }
    };
  };
  esocialtest::VerificarCasosLeiaute<TS1202Collection>(
      Preencher,
      {
          {"a rubric without its income-tax indicator",
           veS01_03_00,
           [](TEvtRmnRPPS& e) { RemunPerApur(e).GetItem(0).itensRemun.GetItem(0).indApurIR = tiaiNenhum; },
           {"<vrRubr>5000.00</vrRubr><indApurIR/></itensRemun>"},
           {},
           {"/indApurIR" + kNenhum}},
          {"earlier periods without a period",
           veS01_03_00,
           [](TEvtRmnRPPS& e) { e.dmDev.GetItem(0).infoPerAnt().remunOrgSuc = snfNao; },
           {},
           {"<infoPerAnt>"},
           {}},
          {"earlier periods whose flag is not informed",
           veS01_03_00,
           [](TEvtRmnRPPS& e) {
             TDMDevCollectionItem& d = e.dmDev.GetItem(0);
             PreencherPeriodoAnterior(d);
             d.infoPerAnt().remunOrgSuc = snfNada;
             // The earlier periods' rubrics carry no discount.
             d.infoPerAnt()
                 .idePeriodo.GetItem(0)
                 .ideEstab.GetItem(0)
                 .remunPerAnt.GetItem(0)
                 .itensRemun.GetItem(0)
                 .descFolha = {tpdeConsignado, "104", "CC-1", ""};
           },
           {"<infoPerAnt><remunOrgSuc/><idePeriodo>"},
           {"<descFolha>"},
           {"/remunOrgSuc" + kNenhum}},
          {"a succession without the servant's name",
           veS01_03_00,
           [](TEvtRmnRPPS& e) { e.ideTrabalhador.InfoComplem().sucessaoVinc().cnpjOrgaoAnt = kEstab2; },
           {"<infoComplem><nmTrab/><dtNascto/><sucessaoVinc><cnpjOrgaoAnt>98765432000198</cnpjOrgaoAnt>"},
           {},
           {"/nmTrab" + kNenhum, "/dtNascto" + kNenhum, "/dtExercicio" + kNenhum}},
          {"infoComplem touched, nothing given",
           veS01_03_00,
           [](TEvtRmnRPPS& e) { e.ideTrabalhador.InfoComplem(); },
           {},
           {"<infoComplem>"},
           {}},
          {"no RRA before S-1.01",
           veS01_00_00,
           [](TEvtRmnRPPS& e) {
             e.dmDev.GetItem(0).indRRA = snfSim;
             e.dmDev.GetItem(0).infoRRA().descRRA = "Progressao";
           },
           {},
           {"<indRRA>", "<infoRRA>"},
           {}},
          {"500 establishments", veS01_03_00, estabs(500), {}, {}, {}},
          {"501 establishments",
           veS01_03_00,
           estabs(501),
           {},
           {},
           {"/ideEstab(Lista de remunPerApur)" + kLimite + "500."}},
          {"180 periods", veS01_03_00, periodos(180), {}, {}, {}},
          {"181 periods", veS01_03_00, periodos(181), {}, {}, {"/idePeriodo(Lista de Periodos)" + kLimite + "180."}},
      });
}

// The reader's mends, each an INI text the reader got wrong before.
TEST(S1202OwnPensionRemuneration, IniCases) {
  const std::string kSemErro = testsupport::kNoError;
  esocialtest::VerificarCasosIni<TS1202Collection>(
      IniBase(),
      {
          {"no earlier periods given", [](TIni&) {}, kSemErro,
           [](const TEvtRmnRPPS& e) {
             EXPECT_FALSE(e.dmDev.GetItem(0).infoPerAntInst());
             EXPECT_FALSE(e.dmDev.GetItem(0).infoRRA().instDespProcJud());
             EXPECT_FALSE(e.ideTrabalhador.InfoComplemInst());
           }},
          {"a period without its flag: the flag is not informed",
           [](TIni& ini) {
             IniPeriodoAnterior(ini);
             ini.erase("infoPerAnt001");
           },
           "remunOrgSuc",
           [](const TEvtRmnRPPS& e) {
             EXPECT_EQ(e.dmDev.GetItem(0).infoPerAnt().remunOrgSuc, snfNada);
             EXPECT_EQ(e.dmDev.GetItem(0).infoPerAnt().idePeriodo.Count(), 1);
           }},
          {"the flag without a period",
           [](TIni& ini) {
             ini["infoPerAnt001"] = {{"remunOrgSuc", "N"}};
           },
           "", [](const TEvtRmnRPPS& e) { EXPECT_EQ(e.dmDev.GetItem(0).infoPerAnt().remunOrgSuc, snfNao); }},
          {"the name without a succession",
           [](TIni& ini) {
             ini["ideTrabalhador"]["nmTrab"] = "Joao Lima";
             ini["ideTrabalhador"]["dtNascto"] = "09/08/1975";
             ini["sucessaoVinc"] = {{"matricAnt", "ANT-9"}};
           },
           kSemErro,
           [](const TEvtRmnRPPS& e) {
             EXPECT_EQ(Trabalhador(e).InfoComplem().nmTrab, "Joao Lima");
             EXPECT_FALSE(Trabalhador(e).InfoComplem().SucessaoVincInst());
           }},
          {"remunerations without a registration number, before and after one with",
           [](TIni& ini) {
             ini["remunPerApur0010011"].erase("matricula");
             ini["remunPerApur0010012"] = {{"matricula", "S-002"}};
             ini["itensRemun0010012001"] = ini["itensRemun0010011001"];
             ini["itensRemun0010013001"] = ini["itensRemun0010011001"];
             IniPeriodoAnterior(ini);
           },
           kSemErro,
           [](const TEvtRmnRPPS& e) {
             ASSERT_EQ(RemunPerApur(e).Count(), 3);
             EXPECT_EQ(RemunPerApur(e).GetItem(1).matricula, "S-002");
             const TIdeEstabCollection& anteriores = e.dmDev.GetItem(0).infoPerAnt().idePeriodo.GetItem(0).ideEstab;
             ASSERT_EQ(anteriores.Count(), 2);
             EXPECT_EQ(anteriores.GetItem(1).remunPerAnt.Count(), 1);
           }},
          {"earlier establishments end on the number, the kind has a default",
           [](TIni& ini) {
             IniPeriodoAnterior(ini);
             ini["ideEstab001001003"] = {{"tpInsc", "1"}};
           },
           kSemErro,
           [](const TEvtRmnRPPS& e) {
             const TIdeEstabCollection& anteriores = e.dmDev.GetItem(0).infoPerAnt().idePeriodo.GetItem(0).ideEstab;
             ASSERT_EQ(anteriores.Count(), 2);
             EXPECT_EQ(anteriores.GetItem(1).tpInsc, tiCNPJ);
           }},
          {"decimals with a comma or a point",
           [](TIni& ini) {
             ini["itensRemun0010011001"]["vrRubr"] = "5000,50";
             ini["itensRemun0010011001"]["qtdRubr"] = "1.5";
             ini["dmDev001"]["indRRA"] = "S";
             ini["infoRRA001"] = {{"tpProcRRA", "1"}, {"descRRA", "Progressao"}, {"qtdMesesRRA", "2,5"}};
             ini["despProcJud001"] = {{"vlrDespCustas", "10,25"}};
           },
           kSemErro,
           [](const TEvtRmnRPPS& e) {
             const TRubricaCollectionItem& r = RemunPerApur(e).GetItem(0).itensRemun.GetItem(0);
             EXPECT_EQ(r.vrRubr, 5000.5);
             EXPECT_EQ(r.qtdRubr, 1.5);
             TInfoRRA& rra = e.dmDev.GetItem(0).infoRRA();
             EXPECT_EQ(rra.qtdMesesRRA, 2.5);
             EXPECT_EQ(rra.despProcJud().vlrDespCustas, 10.25);
             EXPECT_EQ(rra.despProcJud().vlrDespAdvogados, 0);
           }},
          {"a malformed date raises",
           [](TIni& ini) {
             ini["sucessaoVinc"] = {{"cnpjOrgaoAnt", kEstab2}, {"dtExercicio", "31/02/2010"}};
           },
           "31/02/2010", [](const TEvtRmnRPPS& e) { EXPECT_TRUE(e.XML().empty()); }},
          {"a rubric without its income-tax indicator",
           [](TIni& ini) { ini["itensRemun0010011001"].erase("indApurIR"); }, "indApurIR",
           [](const TEvtRmnRPPS& e) {
             EXPECT_EQ(RemunPerApur(e).GetItem(0).itensRemun.GetItem(0).indApurIR, tiaiNenhum);
           }},
      });
}
