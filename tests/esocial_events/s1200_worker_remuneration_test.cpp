// S-1200, worker remuneration: documents written from fields and from INI input, signed and
// valid against the official schemas (the S-1.03 one and, for the 2.5 branch, the 2.5 one);
// the layout branches and list limits; the INI reader's own cases.
#include "esocial/events/tables_periodic/s1200_worker_remuneration.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "event_test_support.h"

using namespace esocial;
using namespace esocial::s1200;
using esocialtest::TIni;
using platform::EncodeDate;
using ::testing::HasSubstr;

namespace {

const std::string kEstab2 = "98765432000198";

TRubricaCollectionItem& NovaRubrica(TRubricaCollection& itens, const std::string& codRubr, double vrRubr) {
  TRubricaCollectionItem& r = itens.Add();
  r.codRubr = codRubr;
  r.ideTabRubr = "T1";
  r.vrRubr = vrRubr;
  return r;
}

TIdeEstabLotCollectionItemS1200& NovoEstab(TIdeEstabLotCollectionS1200& lista, const std::string& nrInsc) {
  TIdeEstabLotCollectionItemS1200& e = lista.Add();
  e.tpInsc = tiCNPJ;
  e.nrInsc = nrInsc;
  e.codLotacao = "LOT01";
  return e;
}

// A CLT worker's monthly payslip: one establishment, one remuneration, one rubric.
void Preencher(TEvtRemun& e) {
  e.Id = esocialtest::kIdEvento;
  e.ideEvento.indRetif = ireOriginal;
  e.ideEvento.IndApuracao = iapuMensal;
  e.ideEvento.perApur = "2024-05";
  e.ideEvento.VerProc = "NEMBO 1.0";
  e.ideEmpregador.TpInsc = tiCNPJ;
  e.ideEmpregador.NrInsc = esocialtest::kEmpregador;
  e.ideTrabalhador.cpfTrab = "12345678909";
  TDMDevCollectionItemS1200& d = e.dmDev.Add();
  d.ideDmDev = "DM1";
  d.codCateg = 101;
  TRemunPer1200CollectionItem& r = NovoEstab(d.infoPerApur().ideEstabLot, esocialtest::kEmpregador).remunPerApur.Add();
  r.matricula = "M-001";
  NovaRubrica(r.itensRemun, "R001", 3500).indApurIR = tiaiNormal;
}

TIni IniBase() {
  return {
      {"evtRemun", {{"Id", esocialtest::kIdEvento}}},
      {"ideEvento", {{"indRetif", "1"}, {"indApuracao", "1"}, {"perApur", "2024-05"}, {"verProc", "NEMBO 1.0"}}},
      {"ideEmpregador", {{"tpInsc", "1"}, {"nrInsc", esocialtest::kEmpregador}}},
      {"ideTrabalhador", {{"cpfTrab", "12345678909"}}},
      {"dmDev001", {{"ideDmDev", "DM1"}, {"codCateg", "101"}}},
      {"ideEstabLot001001", {{"tpInsc", "1"}, {"nrInsc", esocialtest::kEmpregador}, {"codLotacao", "LOT01"}}},
      {"remunPerApur0010011", {{"matricula", "M-001"}}},
      {"itensRemun0010011001", {{"codRubr", "R001"}, {"ideTabRubr", "T1"}, {"vrRubr", "3500"}, {"indApurIR", "0"}}},
  };
}

// An agreement paying two earlier periods, the second to a worker taken over in a succession,
// whose remuneration has no registration number.
TIdeADCCollectionItem& NovoAcordo(TDMDevCollectionItemS1200& d) {
  TIdeADCCollectionItem& a = d.infoPerAnt().ideADC.Add();
  a.dtAcConv = EncodeDate(2024, 4, 10);
  a.tpAcConv = tacConvencaoColTrab;
  a.dsc = "Reajuste da convencao coletiva";
  a.remunSuc = snfNao;
  for (const char* perRef : {"2024-02", "2024-03"}) {
    TIdePeriodoCollectionItem& p = a.idePeriodo.Add();
    p.perRef = perRef;
    TRemunPer1200CollectionItem& r = NovoEstab(p.ideEstabLot, esocialtest::kEmpregador).remunPerAnt.Add();
    if (std::string(perRef) == "2024-02") r.matricula = "M-001";
    NovaRubrica(r.itensRemun, "R050", 120.5);
  }
  return a;
}

// The same agreement as INI sections of the first payslip: the second period's remuneration
// has no section of its own, its rubric alone names it.
void IniAcordo(TIni& ini) {
  ini["ideADC0011"] = {
      {"dtAcConv", "10/04/2024"}, {"tpAcConv", "C"}, {"dsc", "Reajuste da convencao coletiva"}, {"remunSuc", "N"}};
  ini["idePeriodo0011001"] = {{"perRef", "2024-02"}};
  ini["idePeriodo0011002"] = {{"perRef", "2024-03"}};
  for (const char* t : {"001", "002"}) {
    ini["ideEstabLot0011" + std::string(t) + "001"] = {
        {"tpInsc", "1"}, {"nrInsc", esocialtest::kEmpregador}, {"codLotacao", "LOT01"}};
    ini["itensRemun0011" + std::string(t) + "0011001"] = {
        {"codRubr", "R050"}, {"ideTabRubr", "T1"}, {"vrRubr", "120.50"}};
  }
  ini["remunPerAnt00110010011"] = {{"matricula", "M-001"}};
}

// The reader's groups are read through a const event; their getters make them.
TeS1200IdeTrabalhador& Trabalhador(const TEvtRemun& e) { return const_cast<TeS1200IdeTrabalhador&>(e.ideTrabalhador); }

TRemunPer1200CollectionItem& Remuneracao(const TEvtRemun& e, int estab = 0, int k = 0) {
  return e.dmDev.GetItem(0).infoPerApur().ideEstabLot.GetItem(estab).remunPerApur.GetItem(k);
}

const std::string kNenhum = "() - Nenhum valor informado";
const std::string kLimite = " - Número de ocorrências maior que o máximo permitido - Máximo ";

}  // namespace

// Each valid document on the whole road: from fields and from INI input.
TEST(S1200WorkerRemuneration, ValidDocuments) {
  esocialtest::VerificarDocumentosValidos<TS1200Collection>(
      Preencher, IniBase(),
      {
          {"a CLT worker: two payslips, two establishments, an agreement over two periods, other employers, "
           "a worker without bond taken over from a person, intermittent work",
           [](TEvtRemun& e) {
             TeS1200IdeTrabalhador& t = e.ideTrabalhador;
             t.infoMV().indMV = imvDescontadaoutras;
             t.infoMV().remunOutrEmpr.Add() = {tiCNPJ, kEstab2, 101, 1200};
             TInfoComplem& complem = t.infoComplem();
             complem.nmTrab = "Maria Souza";
             complem.dtNascto = EncodeDate(1990, 3, 4);
             complem.sucessaoVinc().tpInsc() = tiCPF;
             complem.sucessaoVinc().nrInsc() = "98765432100";
             complem.sucessaoVinc().matricAnt = "A-77";
             complem.sucessaoVinc().dtAdm = EncodeDate(2015, 1, 5);
             complem.sucessaoVinc().observacao = "Sucessao";
             t.procJudTrab().Add() = {tptIRRF, "12345678901234567890", "1"};
             t.infoInterm().Add() = {4, 0, "0800"};
             t.infoInterm().Add().dia = 5;
             TDMDevCollectionItemS1200& d = e.dmDev.GetItem(0);
             TIdeEstabLotCollectionItemS1200& estab = d.infoPerApur().ideEstabLot.GetItem(0);
             estab.qtdDiasAv = 20;
             TRemunPer1200CollectionItem& r = estab.remunPerApur.GetItem(0);
             r.indSimples = idsConcomitante;
             TRubricaCollectionItem& consignado = NovaRubrica(r.itensRemun, "R002", 350.25);
             consignado.qtdRubr = 2;
             consignado.fatorRubr = 1.5;
             consignado.indApurIR = tiaiSituacaoEspecialIRRF;
             consignado.descFolha = {tpdeConsignado, "001", "CONTRATO-2024/1", "Emprestimo"};
             r.infoAgNocivo().grauExp = ge2;
             TRemunPer1200CollectionItem& r2 = NovoEstab(d.infoPerApur().ideEstabLot, kEstab2).remunPerApur.Add();
             r2.matricula = "M-001";
             NovaRubrica(r2.itensRemun, "R001", 1000);
             NovoAcordo(d);
             TDMDevCollectionItemS1200& d2 = e.dmDev.Add();
             d2.ideDmDev = "DM2";
             d2.codCateg = 101;
             NovaRubrica(
                 NovoEstab(d2.infoPerApur().ideEstabLot, esocialtest::kEmpregador).remunPerApur.Add().itensRemun,
                 "R010", 800)
                 .indApurIR = tiaiNormal;
           },
           [](TIni& ini) {
             ini["infoMV"] = {{"indMV", "2"}};
             ini["remunOutrEmpr001"] = {
                 {"tpInsc", "1"}, {"nrInsc", kEstab2}, {"codCateg", "101"}, {"vlrRemunOE", "1200,00"}};
             ini["infoComplem"] = {{"nmTrab", "Maria Souza"}, {"dtNascto", "04/03/1990"}};
             ini["sucessaoVinc"] = {{"tpInsc", "2"},
                                    {"nrInsc", "98765432100"},
                                    {"matricAnt", "A-77"},
                                    {"dtAdm", "05/01/2015"},
                                    {"observacao", "Sucessao"}};
             ini["procJudTrab01"] = {{"tpTrib", "1"}, {"nrProcJud", "12345678901234567890"}, {"codSusp", "1"}};
             ini["infoInterm01"] = {{"dia", "4"}, {"hrsTrab", "0800"}};
             ini["infoInterm02"] = {{"dia", "5"}};
             ini["ideEstabLot001001"]["qtdDiasAv"] = "20";
             ini["remunPerApur0010011"]["indSimples"] = "3";
             ini["itensRemun0010011002"] = {{"codRubr", "R002"},  {"ideTabRubr", "T1"}, {"qtdRubr", "2"},
                                            {"fatorRubr", "1,5"}, {"vrRubr", "350.25"}, {"indApurIR", "1"}};
             ini["descFolha0010011002"] = {
                 {"tpDesc", "1"}, {"instFinanc", "001"}, {"nrDoc", "CONTRATO-2024/1"}, {"observacao", "Emprestimo"}};
             ini["infoAgNocivo0010011"] = {{"grauExp", "2"}};
             ini["ideEstabLot001002"] = {{"tpInsc", "1"}, {"nrInsc", kEstab2}, {"codLotacao", "LOT01"}};
             ini["remunPerApur0010021"] = {{"matricula", "M-001"}};
             ini["itensRemun0010021001"] = {{"codRubr", "R001"}, {"ideTabRubr", "T1"}, {"vrRubr", "1000"}};
             IniAcordo(ini);
             ini["dmDev002"] = {{"ideDmDev", "DM2"}, {"codCateg", "101"}};
             ini["ideEstabLot002001"] = {
                 {"tpInsc", "1"}, {"nrInsc", esocialtest::kEmpregador}, {"codLotacao", "LOT01"}};
             ini["itensRemun0020011001"] = {
                 {"codRubr", "R010"}, {"ideTabRubr", "T1"}, {"vrRubr", "800"}, {"indApurIR", "0"}};
           },
           {}},
          {"an RRA payslip with its costs and a lawyer",
           [](TEvtRemun& e) {
             TDMDevCollectionItemS1200& d = e.dmDev.GetItem(0);
             d.indRRA = snfSim;
             TInfoRRA& rra = d.infoRRA();
             rra.tpProcRRA = tppJudicial;
             rra.nrProcRRA = "12345678901234567890";
             rra.descRRA = "Diferencas salariais";
             rra.qtdMesesRRA = 10.5;
             rra.despProcJud() = {1500, 3000};
             rra.ideAdv().New() = {tiCPF, "98765432100", 3000};
           },
           [](TIni& ini) {
             ini["dmDev001"]["indRRA"] = "S";
             ini["infoRRA001"] = {{"tpProcRRA", "2"},
                                  {"nrProcRRA", "12345678901234567890"},
                                  {"descRRA", "Diferencas salariais"},
                                  {"qtdMesesRRA", "10,5"},
                                  {"vlrDespCustas", "1500"},
                                  {"vlrDespAdvogados", "3000.00"}};
             ini["ideAdv00101"] = {{"tpInsc", "2"}, {"nrInsc", "98765432100"}, {"vlrAdv", "3000"}};
           },
           {}},
      });
}

// The reader's mends, each an INI text the reader got wrong before.
TEST(S1200WorkerRemuneration, IniCases) {
  const std::string kSemErro = testsupport::kNoError;
  esocialtest::VerificarCasosIni<TS1200Collection>(
      IniBase(),
      {
          {"qtdMesesRRA is a decimal",
           [](TIni& ini) {
             ini["dmDev001"]["indRRA"] = "S";
             ini["infoRRA001"] = {{"tpProcRRA", "1"}, {"descRRA", "Diferencas"}, {"qtdMesesRRA", "10.5"}};
           },
           kSemErro,
           [](const TEvtRemun& e) {
             TInfoRRA& rra = e.dmDev.GetItem(0).infoRRA();
             EXPECT_EQ(rra.qtdMesesRRA, 10.5);
             EXPECT_FALSE(rra.instDespProcJud()) << "no costs given";
           }},
          {"no indSimples, infoMV or infoAgNocivo when their keys are absent", [](TIni&) {}, kSemErro,
           [](const TEvtRemun& e) {
             EXPECT_EQ(Remuneracao(e).indSimples, idsNenhum);
             EXPECT_FALSE(Remuneracao(e).infoAgNocivoInst());
             EXPECT_FALSE(e.ideTrabalhador.infoMVInst());
             EXPECT_THAT(e.XML(), ::testing::Not(HasSubstr("<indSimples>")));
           }},
          {"one agreement, ended by its absent tpAcConv", IniAcordo, kSemErro,
           [](const TEvtRemun& e) { EXPECT_EQ(e.dmDev.GetItem(0).infoPerAnt().ideADC.Count(), 1); }},
          {"an agreement without tpAcConv ends the list",
           [](TIni& ini) {
             IniAcordo(ini);
             ini["ideADC0011"].erase("tpAcConv");
           },
           kSemErro, [](const TEvtRemun& e) { EXPECT_FALSE(e.dmDev.GetItem(0).infoPerAntInst()); }},
          {"lawyers known by the number alone, or by the kind alone",
           [](TIni& ini) {
             ini["infoRRA001"] = {{"descRRA", "Diferencas"}};
             ini["ideAdv00101"] = {{"nrInsc", "12345678000195"}, {"vlrAdv", "10"}};
             ini["ideAdv00102"] = {{"tpInsc", "2"}};
           },
           kSemErro,
           [](const TEvtRemun& e) {
             TIdeAdvCollection& adv = e.dmDev.GetItem(0).infoRRA().ideAdv();
             ASSERT_EQ(adv.Count(), 2);
             EXPECT_EQ(adv.GetItem(0).tpInsc, tiCNPJ);
             EXPECT_EQ(adv.GetItem(0).nrInsc, "12345678000195");
             EXPECT_EQ(adv.GetItem(1).tpInsc, tiCPF);
           }},
          {"the 2.x count of days gives way to the listed days",
           [](TIni& ini) {
             ini["infoInterm"] = {{"qtdDiasInterm", "12"}};
             ini["infoInterm01"] = {{"dia", "4"}, {"hrsTrab", "0800"}};
           },
           kSemErro,
           [](const TEvtRemun& e) {
             TinfoIntermCollection& dias = Trabalhador(e).infoInterm();
             ASSERT_EQ(dias.Count(), 1);
             EXPECT_EQ(dias.GetItem(0).dia, 4);
             EXPECT_EQ(dias.GetItem(0).hrsTrab, "0800");
           }},
          {"the 2.x count of days alone",
           [](TIni& ini) {
             ini["infoInterm"] = {{"qtdDiasInterm", "12"}};
           },
           "", [](const TEvtRemun& e) { EXPECT_EQ(Trabalhador(e).infoInterm().GetItem(0).qtdDiasInterm, 12); }},
          {"earlier-period remunerations without matricula, then with",
           [](TIni& ini) {
             IniAcordo(ini);
             ini["remunPerAnt00110010011"].erase("matricula");
             ini["remunPerAnt00110010012"] = {{"matricula", "M-002"}};
             ini["itensRemun00110010012001"] = {{"codRubr", "R051"}, {"ideTabRubr", "T1"}, {"vrRubr", "1"}};
           },
           kSemErro,
           [](const TEvtRemun& e) {
             TIdeADCCollectionItem& a = e.dmDev.GetItem(0).infoPerAnt().ideADC.GetItem(0);
             TRemunPer1200Collection& primeiro = a.idePeriodo.GetItem(0).ideEstabLot.GetItem(0).remunPerAnt;
             ASSERT_EQ(primeiro.Count(), 2);
             EXPECT_EQ(primeiro.GetItem(1).matricula, "M-002");
             ASSERT_EQ(a.idePeriodo.GetItem(1).ideEstabLot.GetItem(0).remunPerAnt.Count(), 1);
             EXPECT_EQ(primeiro.GetItem(0).itensRemun.GetItem(0).indApurIR, tiaiNenhum) << "no default";
           }},
          {"a remuneration given by its own section alone is read, and the one after it",
           [](TIni& ini) {
             ini.erase("itensRemun0010011001");
             ini["remunPerApur0010012"] = {{"matricula", "M-002"}};
             ini["itensRemun0010012001"] = {{"codRubr", "R001"}, {"ideTabRubr", "T1"}, {"vrRubr", "1"}};
           },
           "itensRemun",  // the first has no rubric: the schema names it
           [](const TEvtRemun& e) {
             EXPECT_EQ(e.dmDev.GetItem(0).infoPerApur().ideEstabLot.GetItem(0).remunPerApur.Count(), 2);
             EXPECT_EQ(Remuneracao(e, 0, 1).matricula, "M-002");
           }},
          {"ten remunerations: the ninth is the last a digit names",
           [](TIni& ini) {
             for (int k = 1; k <= 9; ++k)
               ini["itensRemun001001" + std::to_string(k) + "001"] = ini["itensRemun0010011001"];
           },
           "",
           [](const TEvtRemun& e) {
             EXPECT_EQ(e.dmDev.GetItem(0).infoPerApur().ideEstabLot.GetItem(0).remunPerApur.Count(), 9);
           }},
          {"an agreement's succession flag not informed",
           [](TIni& ini) {
             IniAcordo(ini);
             ini["ideADC0011"].erase("remunSuc");
           },
           "remunSuc",
           [](const TEvtRemun& e) { EXPECT_EQ(e.dmDev.GetItem(0).infoPerAnt().ideADC.GetItem(0).remunSuc, snfNada); }},
          {"a dependant's kind not informed",
           [](TIni& ini) {
             ini["detOper001001101"] = {{"cnpjOper", kEstab2}, {"regANS", "123456"}, {"vrPgTit", "10"}};
             ini["detPlano00100110101"] = {{"nmDep", "Ana"}, {"dtNascto", "01/02/2010"}, {"vlrPgDep", "5"}};
           },
           kSemErro,
           [](const TEvtRemun& e) {
             EXPECT_EQ(Remuneracao(e).infoSaudeColet().detOper.GetItem(0).detPlano.GetItem(0).tpDep, tdNenhum);
           }},
          {"a discount of an unknown kind",
           [](TIni& ini) {
             ini["descFolha0010011001"] = {{"tpDesc", "2"}, {"instFinanc", "001"}};
           },
           "Valor string inválido para TtpDesc: 2", [](const TEvtRemun&) {}},
      });
}

// Under 2.5 the same worker writes the 2.x groups: nisTrab, the predecessor's CNPJ, one
// infoInterm with its days, health plans and calls to intermittent work under each
// remuneration, the agreement's competence and effect date.
TEST(S1200WorkerRemuneration, Layout25Schema) {
  auto c = esocialtest::NovoComponente();
  TEvtRemun& e = esocialtest::NovoEvento<TS1200Collection>(c, ve02_05_00);
  Preencher(e);
  TeS1200IdeTrabalhador& t = e.ideTrabalhador;
  t.nisTrab = "12345678901";
  t.infoMV().indMV = imvDescontadaoutras;
  t.infoMV().remunOutrEmpr.Add() = {tiCNPJ, kEstab2, 101, 1200};
  t.infoComplem().nmTrab = "Maria Souza";
  t.infoComplem().dtNascto = EncodeDate(1990, 3, 4);
  t.infoComplem().sucessaoVinc().tpInscAnt() = tiCNPJ;
  t.infoComplem().sucessaoVinc().cnpjEmpregAnt() = kEstab2;
  t.infoComplem().sucessaoVinc().dtAdm = EncodeDate(2015, 1, 5);
  t.infoInterm().Add().qtdDiasInterm = 12;
  TDMDevCollectionItemS1200& d = e.dmDev.GetItem(0);
  TRemunPer1200CollectionItem& r = d.infoPerApur().ideEstabLot.GetItem(0).remunPerApur.GetItem(0);
  r.itensRemun.GetItem(0).vrUnit = 3500;
  TDetOperCollectionItem& o = r.infoSaudeColet().detOper.Add();
  o.cnpjOper = kEstab2;
  o.regANS = "123456";
  o.vrPgTit = 150;
  r.infoTrabInterm.Add().codConv = "CONV-1";
  NovoAcordo(d).compAcConv = "2024-04";
  d.infoComplCont().codCBO = "411010";
  const std::string xml = esocialtest::Escrito(e);
  for (const char* texto :
       {"<nisTrab>12345678901</nisTrab>", "<tpInscAnt>1</tpInscAnt><cnpjEmpregAnt>98765432000198</cnpjEmpregAnt>",
        "<infoInterm><qtdDiasInterm>12</qtdDiasInterm></infoInterm>", "<vrUnit>3500.00</vrUnit>",
        "<infoTrabInterm><codConv>CONV-1</codConv></infoTrabInterm>", "<compAcConv>2024-04</compAcConv>",
        "<infoComplCont><codCBO>411010</codCBO></infoComplCont>"})
    EXPECT_THAT(xml, HasSubstr(texto));
  EXPECT_THAT(xml, ::testing::Not(HasSubstr("indApurIR")));
  const std::string assinado = e.Assinar(xml, "evtRemun");
  std::string erro;
  EXPECT_TRUE(c.eSocial->SSL().Validar(assinado, esocialtest::Schemas() + "evtRemun-v02_05_00.xsd", erro)) << erro;
  EXPECT_TRUE(esocialtest::Xmlsec1Aceita(assinado, &erro)) << erro;
}

// What each layout writes of the worker's and the payslip's groups.
TEST(S1200WorkerRemuneration, LayoutBranches) {
  const auto rra = [](TEvtRemun& e) {
    TDMDevCollectionItemS1200& d = e.dmDev.GetItem(0);
    d.indRRA = snfSim;
    d.infoRRA().descRRA = "Diferencas salariais";
    d.infoRRA().qtdMesesRRA = 3;
  };
  const auto sucessao = [](TEvtRemun& e) {
    TInfoComplem& i = e.ideTrabalhador.infoComplem();
    i.nmTrab = "Maria Souza";
    i.dtNascto = EncodeDate(1990, 3, 4);
    i.sucessaoVinc().nrInsc() = kEstab2;
    i.sucessaoVinc().dtAdm = EncodeDate(2015, 1, 5);
  };
  const auto convocacoes = [](TEvtRemun& e) {
    TDMDevCollectionItemS1200& d = e.dmDev.GetItem(0);
    d.infoTrabInterm.Add().codConv = "C-DMDEV";
    d.infoPerApur().ideEstabLot.GetItem(0).remunPerApur.GetItem(0).infoTrabInterm.Add().codConv = "C-REMUN";
    d.infoComplCont().codCBO = "411010";
  };
  const auto planoNoPeriodoAnterior = [](TEvtRemun& e) {
    TDMDevCollectionItemS1200& d = e.dmDev.GetItem(0);
    NovoAcordo(d);
    d.infoPerAnt()
        .ideADC.GetItem(0)
        .idePeriodo.GetItem(0)
        .ideEstabLot.GetItem(0)
        .remunPerAnt.GetItem(0)
        .infoSaudeColet()
        .detOper.Add()
        .cnpjOper = kEstab2;
    d.infoPerApur().ideEstabLot.GetItem(0).remunPerApur.GetItem(0).infoSaudeColet().detOper.Add().cnpjOper = kEstab2;
  };
  esocialtest::VerificarCasosLeiaute<TS1200Collection>(
      Preencher,
      {
          {"S-1.00: no RRA", veS01_00_00, rra, {}, {"<indRRA>", "<infoRRA>"}, {}},
          {"S-1.01: RRA", veS01_01_00, rra, {"<codCateg>101</codCateg><indRRA>S</indRRA><infoRRA>"}, {}, {}},
          {"S-1.03: RRA not asked for",
           veS01_03_00,
           [&](TEvtRemun& e) {
             rra(e);
             e.dmDev.GetItem(0).indRRA = snfNao;
           },
           {},
           {"<indRRA>", "<infoRRA>"},
           {}},
          {"S-1.03: RRA asked for without its data",
           veS01_03_00,
           [](TEvtRemun& e) { e.dmDev.GetItem(0).indRRA = snfSim; },
           {},
           {"<indRRA>"},
           {}},
          {"S-1: the predecessor by its inscription",
           veS01_00_00,
           sucessao,
           {"<sucessaoVinc><tpInsc>1</tpInsc><nrInsc>98765432000198</nrInsc><dtAdm>2015-01-05</dtAdm></sucessaoVinc>"},
           {},
           {}},
          {"2.04.02: the predecessor's CNPJ alone",
           ve02_04_02,
           sucessao,
           {"<sucessaoVinc><cnpjEmpregAnt>98765432000198</cnpjEmpregAnt><dtAdm>"},
           {"<tpInscAnt>"},
           {}},
          {"2.04.01: calls under the payslip, no complementary group",
           ve02_04_01,
           convocacoes,
           {"</remunPerApur></ideEstabLot></infoPerApur><infoTrabInterm><codConv>C-DMDEV</codConv>",
            "<infoTrabInterm><codConv>C-REMUN</codConv>"},
           {"<infoComplCont>"},
           {}},
          {"S-1.03: no calls, the complementary group",
           veS01_03_00,
           convocacoes,
           {"<infoComplCont><codCBO>411010</codCBO></infoComplCont>"},
           {"<infoTrabInterm>"},
           {}},
          {"2.5: health plans under the current period only",
           ve02_05_00,
           planoNoPeriodoAnterior,
           {"</itensRemun><infoSaudeColet>", "</itensRemun></remunPerAnt>"},
           {},
           {"/regANS" + kNenhum}},
          {"S-1.03: no health plans", veS01_03_00, planoNoPeriodoAnterior, {}, {"<infoSaudeColet>"}, {}},
      });
}

// The writer's mends: groups that would be empty are left out, the predecessor may be a
// person, the lists take the schema's maxima, a rubric's income-tax indicator stays optional.
TEST(S1200WorkerRemuneration, WriterFaults) {
  const auto estabsAnteriores = [](int n) {
    return [n](TEvtRemun& e) {
      TIdePeriodoCollectionItem& p = NovoAcordo(e.dmDev.GetItem(0)).idePeriodo.GetItem(1);
      for (int i = 1; i < n; ++i)
        NovaRubrica(NovoEstab(p.ideEstabLot, kEstab2).remunPerAnt.Add().itensRemun, "R050", 1);
    };
  };
  esocialtest::VerificarCasosLeiaute<TS1200Collection>(
      Preencher, {
                     {"infoMV without another employer's pay",
                      veS01_03_00,
                      [](TEvtRemun& e) { e.ideTrabalhador.infoMV().indMV = imvSobrelimite; },
                      {},
                      {"<infoMV>"},
                      {}},
                     {"infoPerApur without an establishment",
                      veS01_03_00,
                      [](TEvtRemun& e) { e.dmDev.GetItem(0).infoPerApur().ideEstabLot.Clear(); },
                      {"<codCateg>101</codCateg></dmDev>"},
                      {"<infoPerApur>"},
                      {}},
                     {"infoPerAnt without an agreement",
                      veS01_03_00,
                      [](TEvtRemun& e) { e.dmDev.GetItem(0).infoPerAnt(); },
                      {},
                      {"<infoPerAnt>"},
                      {}},
                     {"a predecessor inscribed by CPF",
                      veS01_03_00,
                      [](TEvtRemun& e) {
                        TInfoComplem& i = e.ideTrabalhador.infoComplem();
                        i.nmTrab = "Maria Souza";
                        i.dtNascto = EncodeDate(1990, 3, 4);
                        i.sucessaoVinc().tpInsc() = tiCPF;
                        i.sucessaoVinc().nrInsc() = "98765432100";
                        i.sucessaoVinc().dtAdm = EncodeDate(2015, 1, 5);
                      },
                      {"<tpInsc>2</tpInsc><nrInsc>98765432100</nrInsc>"},
                      {},
                      {}},
                     {"500 establishments of an earlier period", veS01_03_00, estabsAnteriores(500), {}, {}, {}},
                     {"501 establishments of an earlier period",
                      veS01_03_00,
                      estabsAnteriores(501),
                      {},
                      {},
                      {"/ideEstabLot(Lista de Estabelecimento/Lotação)" + kLimite + "500."}},
                     {"a rubric without its income-tax indicator",
                      veS01_03_00,
                      [](TEvtRemun& e) {
                        e.dmDev.GetItem(0)
                            .infoPerApur()
                            .ideEstabLot.GetItem(0)
                            .remunPerApur.GetItem(0)
                            .itensRemun.GetItem(0)
                            .indApurIR = tiaiNenhum;
                      },
                      {"<vrRubr>3500.00</vrRubr></itensRemun>"},
                      {"<indApurIR"},
                      {}},
                     {"an agreement whose succession flag is not informed",
                      veS01_03_00,
                      [](TEvtRemun& e) { NovoAcordo(e.dmDev.GetItem(0)).remunSuc = snfNada; },
                      {"<remunSuc/>"},
                      {},
                      {"/remunSuc" + kNenhum}},
                 });
}
