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

const std::string kNenhum = "() - Nenhum valor informado";
const std::string kLimite = " - Número de ocorrências maior que o máximo permitido - Máximo ";

}  // namespace

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
