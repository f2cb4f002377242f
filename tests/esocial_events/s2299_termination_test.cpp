// S-2299, termination of employment: documents written from fields and from INI input, signed
// and valid against the official schemas (S-1.03, and S-1.0 and 2.5 for their branches); the
// successor and the final payment by layout and reason; the writer's and the INI reader's own
// cases.
#include "esocial/events/non_periodic/s2299_termination.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "event_test_support.h"

using namespace esocial;
using namespace esocial::s2299;
using esocialtest::TIni;
using platform::EncodeDate;
using ::testing::HasSubstr;
using ::testing::Not;

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

TideEstabLotItem& NovoEstab(TideEstabLotCollection& lista, const std::string& nrInsc) {
  TideEstabLotItem& e = lista.Add();
  e.tpInsc = tiCNPJ;
  e.nrInsc = nrInsc;
  e.codLotacao = "LOT01";
  return e;
}

TDMDevCollectionItemS2299& NovoDmDev(TEvtDeslig& e, const std::string& ideDmDev, const std::string& codRubr) {
  TDMDevCollectionItemS2299& d = e.InfoDeslig.VerbasResc().dmDev.Add();
  d.ideDmDev = ideDmDev;
  NovaRubrica(NovoEstab(d.infoPerApur().ideEstabLot, esocialtest::kEmpregador).detVerbas, codRubr, 3500);
  return d;
}

// A dismissal without cause, the notice paid, no alimony, one payslip.
void Preencher(TEvtDeslig& e) {
  esocialtest::Identificar(e);
  e.IdeVinculo.nisTrab = "12345678901";  // written by the 2.x layouts only
  TInfoDeslig& i = e.InfoDeslig;
  i.mtvDeslig = "02";
  i.dtDeslig = EncodeDate(2024, 5, 31);
  i.indPagtoAPI = snfSim;
  i.dtProjFimAPI = EncodeDate(2024, 6, 30);
  i.pensAlim = paNaoExistePensaoAlimenticia;
  NovoDmDev(e, "DM1", "R001");
}

TIni IniBase() {
  TIni ini = esocialtest::IniIdentificacao("evtDeslig");
  ini["ideVinculo"]["nisTrab"] = "12345678901";
  ini.insert({
      {"infoDeslig",
       {{"mtvDeslig", "02"},
        {"dtDeslig", "31/05/2024"},
        {"indPagtoAPI", "S"},
        {"dtProjFimAPI", "30/06/2024"},
        {"pensAlim", "0"}}},
      {"dmDev01", {{"ideDmDev", "DM1"}}},
      {"ideEstabLot0101", {{"tpInsc", "1"}, {"nrInsc", esocialtest::kEmpregador}, {"codLotacao", "LOT01"}}},
      {"detVerbas0101001", {{"codRubr", "R001"}, {"ideTabRubr", "T1"}, {"vrRubr", "3500"}, {"indApurIR", "0"}}},
  });
  return ini;
}

// An agreement of kind H (FGTS bases before the digital FGTS), which has no date, paying two
// earlier periods.
TIdeADCItem& NovoAcordo(TDMDevCollectionItemS2299& d) {
  TIdeADCItem& a = d.infoPerAnt().ideADC.Add();
  a.tpAcConv = tacDeclaracaoBaseCalcFGTSAntAoInicFGTSDigital;
  a.dsc = "Bases de FGTS anteriores";
  for (const char* perRef : {"2019-01", "2019-02"}) {
    TIdePeriodoItem& p = a.idePeriodo.Add();
    p.perRef = perRef;
    NovaRubrica(NovoEstab(p.ideEstabLot, esocialtest::kEmpregador).detVerbas, "R050", 120.5);
  }
  return a;
}

void IniAcordo(TIni& ini) {
  ini["ideADC011"] = {{"tpAcConv", "H"}, {"dsc", "Bases de FGTS anteriores"}};
  ini["idePeriodo011001"] = {{"perRef", "2019-01"}};
  ini["idePeriodo011002"] = {{"perRef", "2019-02"}};
  for (const char* p : {"001", "002"}) {
    ini["ideEstabLot011" + std::string(p) + "01"] = {
        {"tpInsc", "1"}, {"nrInsc", esocialtest::kEmpregador}, {"codLotacao", "LOT01"}};
    ini["detVerbas011" + std::string(p) + "01001"] = {
        {"codRubr", "R050"}, {"ideTabRubr", "T1"}, {"vrRubr", "120,50"}, {"indApurIR", "0"}};
  }
}

void Sucessor(TEvtDeslig& e, const std::string& mtvDeslig) {
  e.InfoDeslig.mtvDeslig = mtvDeslig;
  e.InfoDeslig.SucessaoVinc.tpInsc() = tiCNPJ;
  e.InfoDeslig.SucessaoVinc.nrInsc() = kEstab2;
}

TDMDevCollectionItemS2299& Pagamento(const TEvtDeslig& e, int i = 0) {
  return const_cast<TEvtDeslig&>(e).InfoDeslig.VerbasResc().dmDev.GetItem(i);
}

const std::string kNenhum = "() - Nenhum valor informado";
const std::string kLimite = " - Número de ocorrências maior que o máximo permitido - Máximo ";

}  // namespace

// Each valid document on the whole road: from fields and from INI input.
TEST(S2299Termination, ValidDocuments) {
  esocialtest::VerificarDocumentosValidos<TS2299Collection>(
      Preencher, IniBase(),
      {
          {"a full final payment: two payslips, the current period, an agreement of kind H over two periods, "
           "an RRA payslip, a court case, other employers' pay, a social-contribution process, loans",
           [](TEvtDeslig& e) {
             TInfoDeslig& i = e.InfoDeslig;
             i.dtAvPrv = EncodeDate(2024, 5, 1);
             i.pensAlim = paPercentualDePensaoAlimenticia;
             i.percAliment = 30;
             i.nrProcTrab = "12345678901234567890";
             i.indPDV = snfSim;
             i.infoInterm().Add() = {3, 0, "0800"};
             i.observacoes.Add().observacao = "Dispensa sem justa causa";
             TDMDevCollectionItemS2299& d = Pagamento(e);
             TideEstabLotItem& estab = d.infoPerApur().ideEstabLot.GetItem(0);
             TRubricaCollectionItem& consignado = NovaRubrica(estab.detVerbas, "R002", 350.25);
             consignado.qtdRubr = 2;
             consignado.fatorRubr = 1.5;
             consignado.descFolha = {tpdeConsignado, "001", "CONTRATO-2024/1", "Emprestimo"};
             estab.infoAgNocivo().grauExp = ge2;
             NovoAcordo(d);
             TDMDevCollectionItemS2299& d2 = NovoDmDev(e, "DM2", "R010");
             d2.indRRA = snfSim;
             TInfoRRA& rra = d2.infoRRA();
             rra.tpProcRRA = tppJudicial;
             rra.nrProcRRA = "12345678901234567890";
             rra.descRRA = "Diferencas salariais";
             rra.qtdMesesRRA = 10.5;
             rra.despProcJud() = {1500.5, 3000};
             rra.ideAdv().New() = {tiCPF, "98765432100", 3000};
             TVerbasRescS2299& v = i.VerbasResc();
             v.procJudTrab().Add() = {tptPrevidenciaria, "12345678901234567890", "1"};
             v.infoMV().indMV = imvDescontadaoutras;
             v.infoMV().remunOutrEmpr.Add() = {tiCNPJ, kEstab2, 101, 1200};
             v.ProcCS.nrProcJud = "12345678901234567891";
             i.consigFGTS.Add() = {tpSim, "00123", "4567"};
           },
           [](TIni& ini) {
             ini["infoDeslig"]["dtAvPrv"] = "01/05/2024";
             ini["infoDeslig"]["pensAlim"] = "1";
             ini["infoDeslig"]["percAliment"] = "30,00";
             ini["infoDeslig"]["nrProcTrab"] = "12345678901234567890";
             ini["infoDeslig"]["indPDV"] = "S";
             ini["infoInterm01"] = {{"dia", "3"}, {"hrsTrab", "0800"}};
             ini["observacoes01"] = {{"observacao", "Dispensa sem justa causa"}};
             ini["detVerbas0101002"] = {{"codRubr", "R002"},  {"ideTabRubr", "T1"}, {"qtdRubr", "2"},
                                        {"fatorRubr", "1,5"}, {"vrRubr", "350.25"}, {"indApurIR", "0"}};
             ini["descFolha0101002"] = {
                 {"tpDesc", "1"}, {"instFinanc", "001"}, {"nrDoc", "CONTRATO-2024/1"}, {"observacao", "Emprestimo"}};
             ini["infoAgNocivo0101"] = {{"grauExp", "2"}};
             IniAcordo(ini);
             ini["dmDev02"] = {{"ideDmDev", "DM2"}, {"indRRA", "S"}};
             ini["infoRRA02"] = {{"tpProcRRA", "2"},
                                 {"nrProcRRA", "12345678901234567890"},
                                 {"descRRA", "Diferencas salariais"},
                                 {"qtdMesesRRA", "10,5"}};
             ini["despProcJud02"] = {{"vlrDespCustas", "1500,50"}, {"vlrDespAdvogados", "3000"}};
             ini["ideAdv0201"] = {{"tpInsc", "2"}, {"nrInsc", "98765432100"}, {"vlrAdv", "3000.00"}};
             ini["ideEstabLot0201"] = ini["ideEstabLot0101"];
             ini["detVerbas0201001"] = {
                 {"codRubr", "R010"}, {"ideTabRubr", "T1"}, {"vrRubr", "3500"}, {"indApurIR", "0"}};
             ini["procJudTrab01"] = {{"tpTrib", "2"}, {"nrProcJud", "12345678901234567890"}, {"codSusp", "1"}};
             ini["infoMV"] = {{"indMV", "2"}};
             ini["remunOutrEmpr001"] = {
                 {"tpInsc", "1"}, {"nrInsc", kEstab2}, {"codCateg", "101"}, {"vlrRemunOE", "1200,00"}};
             ini["procCS"] = {{"nrProcJud", "12345678901234567891"}};
             ini["consigFGTS01"] = {{"insConsig", "00123"}, {"nrContr", "4567"}};
           },
           {}},
          {"a transfer (reason 11): the successor, and no final payment although a payslip is given",
           [](TEvtDeslig& e) { Sucessor(e, "11"); },
           [](TIni& ini) {
             ini["infoDeslig"]["mtvDeslig"] = "11";
             ini["sucessaoVinc"] = {{"tpInsc", "1"}, {"nrInsc", kEstab2}};
           },
           {}},
          {"reason 43 with a successor inscribed by CPF, under the 2.x keys",
           [](TEvtDeslig& e) {
             Sucessor(e, "43");
             e.InfoDeslig.SucessaoVinc.tpInsc() = tiCPF;
             e.InfoDeslig.SucessaoVinc.nrInsc() = "98765432100";
           },
           [](TIni& ini) {
             ini["infoDeslig"]["mtvDeslig"] = "43";
             ini["sucessaoVinc"] = {{"tpInscSuc", "2"}, {"cnpjSucessora", "98765432100"}};
           },
           {}},
          {"the pay after the end, a quarantine",
           [](TEvtDeslig& e) {
             e.InfoDeslig.remunAposDeslig = {ireQuarentena, EncodeDate(2024, 11, 30)};
           },
           [](TIni& ini) {
             ini["remunAposDeslig"] = {{"indRemun", "1"}, {"dtFimRemun", "30/11/2024"}};
           },
           {}},
          {"a domestic bond passed to another holder (34)",
           [](TEvtDeslig& e) {
             e.InfoDeslig.mtvDeslig = "34";
             e.InfoDeslig.transfTit = {"98765432100", EncodeDate(1970, 1, 2)};
           },
           [](TIni& ini) {
             ini["infoDeslig"]["mtvDeslig"] = "34";
             ini["transfTit"] = {{"cpfSubstituto", "98765432100"}, {"dtNascto", "02/01/1970"}};
           },
           {}},
          {"a new CPF (36)",
           [](TEvtDeslig& e) {
             e.InfoDeslig.mtvDeslig = "36";
             e.InfoDeslig.mudancaCPF.novoCPF = "98765432100";
           },
           [](TIni& ini) {
             ini["infoDeslig"]["mtvDeslig"] = "36";
             ini["mudancaCPF"] = {{"novoCPF", "98765432100"}};
           },
           {}},
      });
}

// The 2.5 branch against the 2.5 schema: nisTrab, indCumprParc and qtdDiasInterm, the
// successor's CNPJ, the agreement's competence and effect date, health plans, calls to
// intermittent work, the quarantine; and S-1.0's quarantine and successor of reason 37.
TEST(S2299Termination, OlderLayoutSchemas) {
  const std::string xml25 = esocialtest::VerificarValidoNoLeiaute<TS2299Collection>(ve02_05_00, [](TEvtDeslig& e) {
    Preencher(e);
    TInfoDeslig& i = e.InfoDeslig;
    i.indCumprParc = cpaCumprimentoParcialNovoEmprego;
    i.QtdDiasInterm = 0;
    i.observacoes.Add().observacao = "Dispensa";
    TDMDevCollectionItemS2299& d = Pagamento(e);
    TideEstabLotItem& estab = d.infoPerApur().ideEstabLot.GetItem(0);
    estab.detVerbas.GetItem(0).vrUnit = 3500;
    TDetOperCollectionItem& o = estab.infoSaudeColet().detOper.Add();
    o.cnpjOper = kEstab2;
    o.regANS = "123456";
    o.vrPgTit = 150;
    o.detPlano.Add() = {tdConjuge, "", EncodeDate(1980, 1, 1), "Ana", 50};
    TIdeADCItem& a = NovoAcordo(d);
    a.tpAcConv = tacConvencaoColTrab;
    a.dtAcConv = EncodeDate(2019, 3, 1);
    a.compAcConv = "2019-03";
    a.dtEfAcConv = EncodeDate(2019, 3, 1);
    d.infoTrabInterm.Add().codConv = "CONV-1";
    i.VerbasResc().ProcCS.nrProcJud = "12345678901234567891";
    i.Quarentena.dtFimQuar = EncodeDate(2024, 9, 30);
    i.consigFGTS.Add() = {tpSim, "00123", "4567"};
  });
  for (const char* texto :
       {"<nisTrab>12345678901</nisTrab>", "<pensAlim>0</pensAlim><indCumprParc>1</indCumprParc>",
        "<qtdDiasInterm>0</qtdDiasInterm>", "<compAcConv>2019-03</compAcConv><dtEfAcConv>2019-03-01</dtEfAcConv>",
        "<infoSaudeColet>", "<infoTrabInterm><codConv>CONV-1</codConv></infoTrabInterm>", "<procCS>",
        "<quarentena><dtFimQuar>2024-09-30</dtFimQuar></quarentena>"})
    EXPECT_THAT(xml25, HasSubstr(texto));
  EXPECT_THAT(esocialtest::VerificarValidoNoLeiaute<TS2299Collection>(ve02_05_00,
                                                                      [](TEvtDeslig& e) {
                                                                        Preencher(e);
                                                                        Sucessor(e, "25");
                                                                      }),
              HasSubstr("<sucessaoVinc><tpInscSuc>1</tpInscSuc><cnpjSucessora>98765432000198</cnpjSucessora>"
                        "</sucessaoVinc></infoDeslig>"));
  EXPECT_THAT(esocialtest::VerificarValidoNoLeiaute<TS2299Collection>(veS01_00_00,
                                                                      [](TEvtDeslig& e) {
                                                                        Preencher(e);
                                                                        Sucessor(e, "37");
                                                                        e.InfoDeslig.Quarentena.dtFimQuar =
                                                                            EncodeDate(2024, 9, 30);
                                                                      }),
              HasSubstr("<sucessaoVinc><tpInsc>1</tpInsc><nrInsc>98765432000198</nrInsc></sucessaoVinc><verbasResc>"));
}

// The successor is written for the reasons the layout being written asks it for, and only
// those; the final payment is left out for the reasons of that layout.
TEST(S2299Termination, SuccessorAndFinalPaymentByLayoutAndReason) {
  struct TCaso {
    TVersaoeSocial versao;
    const char* motivo;
    bool sucessor, verbasResc;
  };
  const std::vector<TCaso> casos = {
      {ve02_05_00, "25", true, false},  {ve02_05_00, "30", true, false},   {ve02_05_00, "37", false, true},
      {veS01_00_00, "25", true, false}, {veS01_00_00, "37", true, true},   {veS01_00_00, "43", false, true},
      {veS01_00_00, "44", false, true}, {veS01_01_00, "25", false, false}, {veS01_01_00, "30", false, false},
      {veS01_01_00, "37", true, true},  {veS01_02_00, "11", true, false},  {veS01_02_00, "43", true, false},
      {veS01_03_00, "28", true, false}, {veS01_03_00, "43", true, false},  {veS01_03_00, "44", false, false},
      {veS01_03_00, "02", false, true},
  };
  for (const TCaso& caso : casos) {
    SCOPED_TRACE(std::string(VersaoeSocialToStr(caso.versao)) + " reason " + caso.motivo);
    const std::string xml = esocialtest::VerificarValidoNoLeiaute<TS2299Collection>(caso.versao, [&](TEvtDeslig& e) {
      Preencher(e);
      Sucessor(e, caso.motivo);
    });
    EXPECT_EQ(xml.find("<sucessaoVinc>") != std::string::npos, caso.sucessor);
    EXPECT_EQ(xml.find("<verbasResc>") != std::string::npos, caso.verbasResc);
  }
}

// The writer's mends and the layout branches of its own groups.
TEST(S2299Termination, WriterCases) {
  const auto acordo = [](TEvtDeslig& e) {
    TIdeADCItem& a = NovoAcordo(Pagamento(e));
    a.compAcConv = "2019-03";
    a.dtEfAcConv = EncodeDate(2019, 3, 1);
    a.dtAcConv = EncodeDate(2019, 3, 1);
    a.idePeriodo.GetItem(0).ideEstabLot.GetItem(0).detVerbas.GetItem(0).descFolha = {tpdeConsignado, "001", "C1", ""};
  };
  const auto pagamentos = [](int n) {
    return [n](TEvtDeslig& e) {
      for (int i = 1; i < n; ++i) NovoDmDev(e, "DM" + std::to_string(i + 1), "R001");
    };
  };
  esocialtest::VerificarCasosLeiaute<TS2299Collection>(
      Preencher,
      {
          {"S-1: no agreement competence, no discount in an earlier period",
           veS01_03_00,
           acordo,
           {"<ideADC><dtAcConv>2019-03-01</dtAcConv><tpAcConv>H</tpAcConv><dsc>"},
           {"<compAcConv>", "<dtEfAcConv>", "<descFolha>"},
           {}},
          {"2.5: the agreement competence and effect date",
           ve02_05_00,
           acordo,
           {"<compAcConv>2019-03</compAcConv><dtEfAcConv>2019-03-01</dtEfAcConv>"},
           {"<descFolha>"},
           {}},
          {"S-1: an agreement of kind H without a date",
           veS01_03_00,
           [](TEvtDeslig& e) { NovoAcordo(Pagamento(e)); },
           {"<ideADC><tpAcConv>H</tpAcConv>"},
           {"<dtAcConv"},
           {}},
          {"infoMV without another employer's pay",
           veS01_03_00,
           [](TEvtDeslig& e) { e.InfoDeslig.VerbasResc().infoMV().indMV = imvSobrelimite; },
           {},
           {"<infoMV>"},
           {}},
          {"2.5: intermittent days not informed, category 111",
           ve02_05_00,
           [](TEvtDeslig& e) { e.InfoDeslig.CodCateg = 111; },
           {"<indCumprParc>0</indCumprParc><verbasResc>"},
           {"<qtdDiasInterm>"},
           {}},
          {"a final payment without a payslip",
           veS01_03_00,
           [](TEvtDeslig& e) {
             TVerbasRescS2299& v = e.InfoDeslig.VerbasResc();
             v.dmDev.Clear();
             v.procJudTrab().Add() = {tptIRRF, "12345678901234567890", "1"};
           },
           {},
           {"<verbasResc>"},
           {}},
          {"period groups without an item",
           veS01_03_00,
           [](TEvtDeslig& e) {
             Pagamento(e).infoPerApur().ideEstabLot.Clear();
             Pagamento(e).infoPerAnt();
           },
           {"<dmDev><ideDmDev>DM1</ideDmDev></dmDev>"},
           {"<infoPerApur>", "<infoPerAnt>"},
           {}},
          {"the notice's payment and alimony not informed",
           veS01_03_00,
           [](TEvtDeslig& e) {
             e.InfoDeslig.indPagtoAPI = snfNada;
             e.InfoDeslig.pensAlim = paNenhum;
           },
           {"<indPagtoAPI/>"},
           {"<pensAlim>", "<dtProjFimAPI>"},
           {"/indPagtoAPI" + kNenhum}},
          {"2.5: alimony not informed is written empty",
           ve02_05_00,
           [](TEvtDeslig& e) { e.InfoDeslig.pensAlim = paNenhum; },
           {"<pensAlim/>"},
           {},
           {"/pensAlim" + kNenhum}},
          {"the pay after the end known by its date alone",
           veS01_03_00,
           [](TEvtDeslig& e) { e.InfoDeslig.remunAposDeslig.dtFimRemun = EncodeDate(2024, 11, 30); },
           {"<remunAposDeslig><dtFimRemun>2024-11-30</dtFimRemun></remunAposDeslig>"},
           {},
           {}},
          {"S-1.0: a quarantine, no pay after the end",
           veS01_00_00,
           [](TEvtDeslig& e) {
             e.InfoDeslig.Quarentena.dtFimQuar = EncodeDate(2024, 9, 30);
             e.InfoDeslig.remunAposDeslig = {ireQuarentena, EncodeDate(2024, 9, 30)};
           },
           {"<quarentena>"},
           {"<remunAposDeslig>"},
           {}},
          {"S-1.1: no PDV, no RRA payslip without its data",
           veS01_01_00,
           [](TEvtDeslig& e) {
             e.InfoDeslig.indPDV = snfSim;
             Pagamento(e).indRRA = snfSim;
           },
           {},
           {"<indPDV>", "<indRRA>"},
           {}},
          {"S-1.2: no PDV for reason 10",
           veS01_02_00,
           [](TEvtDeslig& e) {
             e.InfoDeslig.indPDV = snfSim;
             e.InfoDeslig.mtvDeslig = "10";
           },
           {},
           {"<indPDV>"},
           {}},
          {"50 payslips", veS01_03_00, pagamentos(50), {}, {}, {}},
          {"51 payslips", veS01_03_00, pagamentos(51), {}, {}, {"/dmDev(Lista de Demonstrativos)" + kLimite + "50."}},
          {"nine agreements",
           veS01_03_00,
           [](TEvtDeslig& e) {
             for (int i = 0; i < 9; ++i) NovoAcordo(Pagamento(e));
           },
           {},
           {},
           {"/ideADC(Lista de Identificação de ADC)" + kLimite + "8."}},
          {"2.04.01: one observation, a single loan with its flag",
           ve02_04_01,
           [](TEvtDeslig& e) {
             e.InfoDeslig.Observacao = "Dispensa";
             e.InfoDeslig.consigFGTS.Add() = {tpSim, "00123", "4567"};
           },
           {"<observacao>Dispensa</observacao>",
            "<consigFGTS><idConsig>S</idConsig><insConsig>00123</insConsig><nrContr>4567</nrContr></consigFGTS>"},
           {"<observacoes>"},
           {}},
      });
}

// The reader's mends and its own cases, each an INI text read wrong by the reader as first
// designed.
TEST(S2299Termination, IniCases) {
  const std::string kSemErro = testsupport::kNoError;
  esocialtest::VerificarCasosIni<TS2299Collection>(
      IniBase(),
      {
          {"an agreement without a date and the agreement after it",
           [](TIni& ini) {
             IniAcordo(ini);
             ini["ideADC012"] = {{"dtAcConv", "01/03/2019"}, {"tpAcConv", "C"}, {"dsc", "Convencao"}};
             ini["idePeriodo012001"] = {{"perRef", "2019-03"}};
             ini["ideEstabLot01200101"] = ini["ideEstabLot01100101"];
             ini["detVerbas01200101001"] = ini["detVerbas01100101001"];
           },
           kSemErro,
           [](const TEvtDeslig& e) {
             TIdeADCCollection& acordos = Pagamento(e).infoPerAnt().ideADC;
             ASSERT_EQ(acordos.Count(), 2);
             EXPECT_EQ(acordos.GetItem(0).dtAcConv, 0);
             EXPECT_EQ(acordos.GetItem(1).tpAcConv, tacConvencaoColTrab);
             EXPECT_EQ(acordos.GetItem(0).idePeriodo.GetItem(1).ideEstabLot.GetItem(0).detVerbas.GetItem(0).indApurIR,
                       tiaiNormal)
                 << "an earlier period's rubric keeps its income-tax indicator";
           }},
          {"an agreement without tpAcConv ends the list",
           [](TIni& ini) {
             IniAcordo(ini);
             ini["ideADC011"] = {{"dtAcConv", "01/03/2019"}, {"dsc", "Convencao"}};
           },
           kSemErro, [](const TEvtDeslig& e) { EXPECT_FALSE(Pagamento(e).infoPerAntInst()); }},
          {"an RRA payslip without costs; months and lawyer's fees with a comma",
           [](TIni& ini) {
             ini["dmDev01"]["indRRA"] = "S";
             ini["infoRRA01"] = {{"tpProcRRA", "1"}, {"descRRA", "Diferencas"}, {"qtdMesesRRA", "10,5"}};
             ini["ideAdv0101"] = {{"tpInsc", "2"}, {"nrInsc", "98765432100"}, {"vlrAdv", "1500,75"}};
           },
           kSemErro,
           [](const TEvtDeslig& e) {
             TInfoRRA& rra = Pagamento(e).infoRRA();
             EXPECT_FALSE(rra.instDespProcJud());
             EXPECT_EQ(rra.qtdMesesRRA, 10.5);
             EXPECT_EQ(rra.ideAdv().GetItem(0).vlrAdv, 1500.75);
           }},
          {"a text that is no number in each of the RRA's amounts",
           [](TIni& ini) {
             ini["infoRRA01"] = {{"tpProcRRA", "1"}, {"descRRA", "Diferencas"}, {"qtdMesesRRA", "nan"}};
             ini["despProcJud01"] = {{"vlrDespCustas", "inf"}, {"vlrDespAdvogados", "infinity"}};
             ini["ideAdv0101"] = {{"tpInsc", "2"}, {"nrInsc", "98765432100"}, {"vlrAdv", "-inf"}};
           },
           kSemErro,
           [](const TEvtDeslig& e) {
             TInfoRRA& rra = Pagamento(e).infoRRA();
             EXPECT_EQ(rra.qtdMesesRRA, 0);
             EXPECT_EQ(rra.despProcJud().vlrDespCustas, 0);
             EXPECT_EQ(rra.despProcJud().vlrDespAdvogados, 0);
             EXPECT_EQ(rra.ideAdv().GetItem(0).vlrAdv, 0);
           }},
          {"no key for the notice's payment, alimony or intermittent days: none invented",
           [](TIni& ini) {
             ini["infoDeslig"].erase("indPagtoAPI");
             ini["infoDeslig"].erase("pensAlim");
           },
           "indPagtoAPI",  // required: the schema names it
           [](const TEvtDeslig& e) {
             EXPECT_EQ(e.InfoDeslig.indPagtoAPI, snfNada);
             EXPECT_EQ(e.InfoDeslig.pensAlim, paNenhum);
             EXPECT_EQ(e.InfoDeslig.QtdDiasInterm, -1);
             EXPECT_EQ(e.InfoDeslig.indPDV, snfNada);
           }},
          {"the pay after the end known by its date alone",
           [](TIni& ini) {
             ini["remunAposDeslig"] = {{"dtFimRemun", "30/11/2024"}};
           },
           kSemErro,
           [](const TEvtDeslig& e) {
             EXPECT_EQ(e.InfoDeslig.remunAposDeslig.indRemun, ireNaoInformado);
             EXPECT_THAT(e.XML(), HasSubstr("<remunAposDeslig><dtFimRemun>2024-11-30</dtFimRemun>"));
           }},
          {"a court case and other employers' pay without a payslip make the group, not the document's",
           [](TIni& ini) {
             for (const char* s : {"dmDev01", "ideEstabLot0101", "detVerbas0101001"}) ini.erase(s);
             ini["procJudTrab01"] = {{"tpTrib", "1"}, {"nrProcJud", "12345678901234567890"}, {"codSusp", "1"}};
             ini["procJudTrab02"] = {{"nrProcJud", "12345678901234567891"}};
             ini["infoMV"] = {{"indMV", "1"}};
             ini["remunOutrEmpr001"] = {{"tpInsc", "1"}, {"nrInsc", kEstab2}, {"codCateg", "101"}, {"vlrRemunOE", "1"}};
           },
           kSemErro,
           [](const TEvtDeslig& e) {
             TVerbasRescS2299& v = const_cast<TEvtDeslig&>(e).InfoDeslig.VerbasResc();
             EXPECT_EQ(v.procJudTrab().Count(), 1) << "the list ends on the case without tpTrib";
             EXPECT_EQ(v.infoMV().remunOutrEmpr.Count(), 1);
             EXPECT_THAT(e.XML(), Not(HasSubstr("<verbasResc>")));
           }},
          {"the 2.x count of intermittent days", [](TIni& ini) { ini["infoDeslig"]["qtdDiasInterm"] = "0"; }, kSemErro,
           [](const TEvtDeslig& e) { EXPECT_EQ(e.InfoDeslig.QtdDiasInterm, 0); }},
          {"alimony outside its list", [](TIni& ini) { ini["infoDeslig"]["pensAlim"] = "4"; },
           "Valor string inválido para tpPensaoAlim: 4", [](const TEvtDeslig&) {}},
          {"an agreement's kind outside its list",
           [](TIni& ini) {
             IniAcordo(ini);
             ini["ideADC011"]["tpAcConv"] = "Z";
           },
           "INI: valor inválido em [ideADC011] tpAcConv: \"Z\"", [](const TEvtDeslig&) {}},
          {"a court case's tax outside its list",
           [](TIni& ini) {
             ini["procJudTrab01"] = {{"tpTrib", "9"}, {"nrProcJud", "12345678901234567890"}};
           },
           "INI: valor inválido em [procJudTrab01] tpTrib: \"9\"", [](const TEvtDeslig&) {}},
          {"a discount of an unknown kind",
           [](TIni& ini) {
             ini["descFolha0101001"] = {{"tpDesc", "2"}};
           },
           "Valor string inválido para TtpDesc: 2", [](const TEvtDeslig&) {}},
      });
}
