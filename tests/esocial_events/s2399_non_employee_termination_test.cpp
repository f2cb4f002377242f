// S-2399, termination of a worker without employment bond: documents written from fields and
// from INI input, signed and valid against the official schemas (S-1.03, and S-1.0 and 2.5 for
// their branches); the writer's and the INI reader's own cases.
#include "esocial/events/non_periodic/s2399_non_employee_termination.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "event_test_support.h"

using namespace esocial;
using namespace esocial::s2399;
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

TDmDevCollectionItem& NovoDmDev(TEvtTSVTermino& e, const std::string& ideDmDev, const std::string& codRubr) {
  TDmDevCollectionItem& d = e.InfoTSVTermino.verbasResc.dmDev.Add();
  d.ideDmDev = ideDmDev;
  NovaRubrica(NovoEstab(d.ideEstabLot, esocialtest::kEmpregador).detVerbas, codRubr, 3500);
  return d;
}

// A statutory director (721) known by the category, leaving without alimony, one payslip.
void Preencher(TEvtTSVTermino& e) {
  e.Id = esocialtest::kIdEvento;
  e.IdeEvento.VerProc = "NEMBO 1.0";
  e.IdeEmpregador.NrInsc = esocialtest::kEmpregador;
  e.IdeTrabSemVInc.cpfTrab = "12345678909";
  e.IdeTrabSemVInc.nisTrab = "12345678901";  // written by the 2.x layouts only
  e.IdeTrabSemVInc.codCateg = 721;
  TInfoTSVTermino& i = e.InfoTSVTermino;
  i.dtTerm = EncodeDate(2024, 5, 31);
  i.mtvDesligTSV = "01";
  i.pensAlim = paNaoExistePensaoAlimenticia;
  NovoDmDev(e, "DM1", "R001");
}

TIni IniBase() {
  return {
      {"evtTSVTermino", {{"Id", esocialtest::kIdEvento}}},
      {"ideEvento", {{"indRetif", "1"}, {"procEmi", "1"}, {"verProc", "NEMBO 1.0"}}},
      {"ideEmpregador", {{"tpInsc", "1"}, {"nrInsc", esocialtest::kEmpregador}}},
      {"ideTrabSemVinculo", {{"cpfTrab", "12345678909"}, {"nisTrab", "12345678901"}, {"codCateg", "721"}}},
      {"infoTSVTermino", {{"dtTerm", "31/05/2024"}, {"mtvDesligTSV", "01"}, {"pensAlim", "0"}}},
      {"dmDev01", {{"ideDmDev", "DM1"}}},
      {"ideEstabLot0101", {{"tpInsc", "1"}, {"nrInsc", esocialtest::kEmpregador}, {"codLotacao", "LOT01"}}},
      {"detVerbas0101001", {{"codRubr", "R001"}, {"ideTabRubr", "T1"}, {"vrRubr", "3500"}, {"indApurIR", "0"}}},
  };
}

TDmDevCollectionItem& Pagamento(const TEvtTSVTermino& e, int i = 0) {
  return const_cast<TEvtTSVTermino&>(e).InfoTSVTermino.verbasResc.dmDev.GetItem(i);
}

const std::string kNenhum = "() - Nenhum valor informado";
const std::string kLimite = " - Número de ocorrências maior que o máximo permitido - Máximo ";

}  // namespace

// Each valid document on the whole road: from fields and from INI input.
TEST(S2399NonEmployeeTermination, ValidDocuments) {
  esocialtest::VerificarDocumentosValidos<TS2399Collection>(
      Preencher, IniBase(),
      {
          {"category 721: two payslips, one of RRA, a discount, a court case, other employers' pay, alimony, a "
           "labour process, the pay after the end",
           [](TEvtTSVTermino& e) {
             TInfoTSVTermino& i = e.InfoTSVTermino;
             i.pensAlim = paPercentualeValordePensaoAlimenticia;
             i.percAliment = 20;
             i.vrAlim = 500.5;
             i.nrProcTrab = "12345678901234567890";
             TideEstabLotItem& estab = Pagamento(e).ideEstabLot.GetItem(0);
             TRubricaCollectionItem& consignado = NovaRubrica(estab.detVerbas, "R002", 350.25);
             consignado.descFolha = {tpdeConsignado, "001", "CONTRATO-2024/1", ""};
             estab.infoSimples().indSimples = idsIntegralmente;
             TDmDevCollectionItem& d2 = NovoDmDev(e, "DM2", "R010");
             d2.indRRA = snfSim;
             d2.infoRRA().tpProcRRA = tppAdministrativo;
             d2.infoRRA().descRRA = "Honorarios atrasados";
             d2.infoRRA().qtdMesesRRA = 2;
             d2.infoRRA().despProcJud() = {100, 0};
             d2.infoRRA().ideAdv().New() = {tiCNPJ, kEstab2, 100};
             i.verbasResc.procJudTrab().Add() = {tptIRRF, "12345678901234567890", "7"};
             i.verbasResc.infoMV().indMV = imvDescontadaempregador;
             i.verbasResc.infoMV().remunOutrEmpr.Add() = {tiCNPJ, kEstab2, 721, 2000};
             i.RemunAposTerm = {ireQuarentena, EncodeDate(2024, 11, 30)};
           },
           [](TIni& ini) {
             ini["infoTSVTermino"]["pensAlim"] = "3";
             ini["infoTSVTermino"]["percAliment"] = "20";
             ini["infoTSVTermino"]["vrAlim"] = "500,50";
             ini["infoTSVTermino"]["nrProcTrab"] = "12345678901234567890";
             ini["detVerbas0101002"] = {
                 {"codRubr", "R002"}, {"ideTabRubr", "T1"}, {"vrRubr", "350.25"}, {"indApurIR", "0"}};
             ini["descFolha0101002"] = {{"tpDesc", "1"}, {"instFinanc", "001"}, {"nrDoc", "CONTRATO-2024/1"}};
             ini["infoSimples0101"] = {{"indSimples", "1"}};
             ini["dmDev02"] = {{"ideDmDev", "DM2"}, {"indRRA", "S"}};
             ini["infoRRA02"] = {{"tpProcRRA", "1"}, {"descRRA", "Honorarios atrasados"}, {"qtdMesesRRA", "2"}};
             ini["despProcJud02"] = {{"vlrDespCustas", "100"}};
             ini["ideAdv0201"] = {{"tpInsc", "1"}, {"nrInsc", kEstab2}, {"vlrAdv", "100"}};
             ini["ideEstabLot0201"] = {{"nrInsc", esocialtest::kEmpregador}, {"codLotacao", "LOT01"}};
             ini["detVerbas0201001"] = {
                 {"codRubr", "R010"}, {"ideTabRubr", "T1"}, {"vrRubr", "3500"}, {"indApurIR", "0"}};
             ini["procJudTrab01"] = {{"tpTrib", "1"}, {"nrProcJud", "12345678901234567890"}, {"codSusp", "7"}};
             ini["infoMV"] = {{"indMV", "1"}};
             ini["remunOutrEmpr001"] = {
                 {"tpInsc", "1"}, {"nrInsc", kEstab2}, {"codCateg", "721"}, {"vlrRemunOE", "2000"}};
             ini["remunAposTerm"] = {{"indRemun", "1"}, {"dtFimRemun", "30/11/2024"}};
           },
           {}},
          {"category 410 known by its registration, the end recognised in court",
           [](TEvtTSVTermino& e) {
             e.IdeTrabSemVInc.codCateg = 410;
             e.IdeTrabSemVInc.matricula = "M-410";
             e.InfoTSVTermino.mtvDesligTSV = "";
             e.InfoTSVTermino.RemunAposTerm = {ireDesligamentoReconhecidoJudicialmente, EncodeDate(2024, 4, 30)};
           },
           [](TIni& ini) {
             ini["ideTrabSemVinculo"]["codCateg"] = "410";
             ini["ideTrabSemVinculo"]["matricula"] = "M-410";
             ini["infoTSVTermino"].erase("mtvDesligTSV");
             ini["remunAposTerm"] = {{"indRemun", "2"}, {"dtFimRemun", "30/04/2024"}};
           },
           {}},
          {"a new CPF (07): no final payment although a payslip is given",
           [](TEvtTSVTermino& e) {
             e.InfoTSVTermino.mtvDesligTSV = "07";
             e.InfoTSVTermino.mudancaCPF.novoCPF = "98765432100";
           },
           [](TIni& ini) {
             ini["infoTSVTermino"]["mtvDesligTSV"] = "07";
             ini["mudancaCPF"] = {{"novoCPF", "98765432100"}};
           },
           {}},
      });
}

// The 2.5 branch against the 2.5 schema (nisTrab and codCateg, health plans and exposure, the
// quarantine, no labour process), and S-1.0's quarantine.
TEST(S2399NonEmployeeTermination, OlderLayoutSchemas) {
  const std::string xml25 = esocialtest::VerificarValidoNoLeiaute<TS2399Collection>(ve02_05_00, [](TEvtTSVTermino& e) {
    Preencher(e);
    e.InfoTSVTermino.nrProcTrab = "12345678901234567890";
    TideEstabLotItem& estab = Pagamento(e).ideEstabLot.GetItem(0);
    estab.detVerbas.GetItem(0).vrUnit = 3500;
    TDetOperCollectionItem& o = estab.infoSaudeColet().detOper.Add();
    o.cnpjOper = kEstab2;
    o.regANS = "123456";
    o.vrPgTit = 150;
    estab.infoAgNocivo().grauExp = ge1;
    e.InfoTSVTermino.quarentena.dtFimQuar = EncodeDate(2024, 9, 30);
  });
  for (const char* texto :
       {"<cpfTrab>12345678909</cpfTrab><nisTrab>12345678901</nisTrab><codCateg>721</codCateg>",
        "<mtvDesligTSV>01</mtvDesligTSV><pensAlim>0</pensAlim><verbasResc>", "<infoSaudeColet>",
        "<infoAgNocivo><grauExp>1</grauExp></infoAgNocivo>", "<quarentena><dtFimQuar>2024-09-30</dtFimQuar>"})
    EXPECT_THAT(xml25, HasSubstr(texto));
  EXPECT_THAT(xml25, Not(HasSubstr("<nrProcTrab>")));
  EXPECT_THAT(esocialtest::VerificarValidoNoLeiaute<TS2399Collection>(veS01_00_00,
                                                                      [](TEvtTSVTermino& e) {
                                                                        Preencher(e);
                                                                        e.InfoTSVTermino.quarentena.dtFimQuar =
                                                                            EncodeDate(2024, 9, 30);
                                                                      }),
              HasSubstr("</verbasResc><quarentena><dtFimQuar>2024-09-30</dtFimQuar></quarentena></infoTSVTermino>"));
}

// The writer's mends and the layout branches of its own groups.
TEST(S2399NonEmployeeTermination, WriterCases) {
  const auto estabs = [](int n) {
    return [n](TEvtTSVTermino& e) {
      for (int i = 1; i < n; ++i) NovaRubrica(NovoEstab(Pagamento(e).ideEstabLot, kEstab2).detVerbas, "R001", 1);
    };
  };
  const auto pagamentos = [](int n) {
    return [n](TEvtTSVTermino& e) {
      for (int i = 1; i < n; ++i) NovoDmDev(e, "DM" + std::to_string(i + 1), "R001");
    };
  };
  const auto processo = [](int categoria) {
    return [categoria](TEvtTSVTermino& e) {
      e.IdeTrabSemVInc.codCateg = categoria;
      e.InfoTSVTermino.nrProcTrab = "12345678901234567890";
    };
  };
  esocialtest::VerificarCasosLeiaute<TS2399Collection>(
      Preencher,
      {
          {"S-1.03: a labour process of category 410",
           veS01_03_00,
           processo(410),
           {"<mtvDesligTSV>01</mtvDesligTSV><nrProcTrab>12345678901234567890</nrProcTrab>"},
           {"<pensAlim>"},
           {}},
          {"S-1.0: a labour process of category 101", veS01_00_00, processo(101), {"<nrProcTrab>"}, {}, {}},
          {"2.5: no labour process element, category 721",
           ve02_05_00,
           processo(721),
           {"<pensAlim>0"},
           {"<nrProcTrab>"},
           {}},
          {"category 101: no alimony whatever the fields hold",
           veS01_03_00,
           [](TEvtTSVTermino& e) {
             e.IdeTrabSemVInc.codCateg = 101;
             e.InfoTSVTermino.percAliment = 10;
             e.InfoTSVTermino.vrAlim = 10;
           },
           {},
           {"<pensAlim>", "<percAliment>", "<vrAlim>"},
           {}},
          {"a court case without a payslip",
           veS01_03_00,
           [](TEvtTSVTermino& e) {
             e.InfoTSVTermino.verbasResc.dmDev.Clear();
             e.InfoTSVTermino.verbasResc.procJudTrab().Add() = {tptIRRF, "12345678901234567890", "1"};
           },
           {},
           {"<verbasResc>"},
           {}},
          {"50 payslips", veS01_03_00, pagamentos(50), {}, {}, {}},
          {"51 payslips", veS01_03_00, pagamentos(51), {}, {}, {"/dmDev(Lista de Demonstrativos)" + kLimite + "50."}},
          {"a servant's retirement is no reason here",
           veS01_03_00,
           [](TEvtTSVTermino& e) {
             e.InfoTSVTermino.RemunAposTerm = {ireAposentadoriaServidor, EncodeDate(2024, 6, 30)};
           },
           {"<remunAposTerm><indRemun>3</indRemun>"},
           {},
           {"/indRemun() - Conteúdo inválido"}},
          {"the pay after the end known by its date alone",
           veS01_03_00,
           [](TEvtTSVTermino& e) { e.InfoTSVTermino.RemunAposTerm.dtFimRemun = EncodeDate(2024, 6, 30); },
           {"<remunAposTerm><dtFimRemun>2024-06-30</dtFimRemun></remunAposTerm>"},
           {},
           {}},
          {"S-1.0: no RRA, no pay after the end",
           veS01_00_00,
           [](TEvtTSVTermino& e) {
             Pagamento(e).indRRA = snfSim;
             Pagamento(e).infoRRA().descRRA = "RRA";
             e.InfoTSVTermino.RemunAposTerm = {ireQuarentena, EncodeDate(2024, 6, 30)};
           },
           {},
           {"<indRRA>", "<remunAposTerm>"},
           {}},
          {"S-1: no exposure of an establishment, 99 establishments",
           veS01_03_00,
           [&](TEvtTSVTermino& e) {
             estabs(99)(e);
             Pagamento(e).ideEstabLot.GetItem(0).infoAgNocivo().grauExp = ge2;
           },
           {},
           {"<infoAgNocivo>"},
           {}},
          {"100 establishments",
           veS01_03_00,
           estabs(100),
           {},
           {},
           {"/ideEstabLot(Lista de Identificação de Estabecimentos/Lotação)" + kLimite + "99."}},
          {"S-1: the category not informed, without a registration",
           veS01_03_00,
           [](TEvtTSVTermino& e) { e.IdeTrabSemVInc.codCateg = 0; },
           {"<cpfTrab>12345678909</cpfTrab><codCateg/>"},
           {},
           {"/codCateg" + kNenhum}},
          {"S-1: a registration, no category",
           veS01_03_00,
           [](TEvtTSVTermino& e) { e.IdeTrabSemVInc.matricula = "M-721"; },
           {"<matricula>M-721</matricula></ideTrabSemVinculo>"},
           {"<codCateg>", "<nisTrab>"},
           {}},
      });
}

// The reader's mends and its own cases, each an INI text read wrong by the reader as first
// designed.
TEST(S2399NonEmployeeTermination, IniCases) {
  const std::string kSemErro = testsupport::kNoError;
  esocialtest::VerificarCasosIni<TS2399Collection>(
      IniBase(),
      {
          {"the pay after the end known by its date alone",
           [](TIni& ini) {
             ini["remunAposTerm"] = {{"dtFimRemun", "30/06/2024"}};
           },
           kSemErro,
           [](const TEvtTSVTermino& e) {
             EXPECT_EQ(e.InfoTSVTermino.RemunAposTerm.indRemun, ireNaoInformado);
             EXPECT_EQ(e.InfoTSVTermino.RemunAposTerm.dtFimRemun, EncodeDate(2024, 6, 30));
             EXPECT_THAT(e.XML(), HasSubstr("<remunAposTerm><dtFimRemun>2024-06-30</dtFimRemun></remunAposTerm>"));
           }},
          {"the pay after the end without its date",
           [](TIni& ini) {
             ini["remunAposTerm"] = {{"indRemun", "1"}};
           },
           "dtFimRemun",  // required: the schema names it
           [](const TEvtTSVTermino& e) { EXPECT_EQ(e.InfoTSVTermino.RemunAposTerm.indRemun, ireQuarentena); }},
          {"a labour process of category 410",
           [](TIni& ini) {
             ini["ideTrabSemVinculo"]["codCateg"] = "410";
             ini["infoTSVTermino"]["nrProcTrab"] = "12345678901234567890";
           },
           kSemErro,
           [](const TEvtTSVTermino& e) { EXPECT_THAT(e.XML(), HasSubstr("<nrProcTrab>12345678901234567890<")); }},
          {"no alimony key: none invented", [](TIni& ini) { ini["infoTSVTermino"].erase("pensAlim"); }, kSemErro,
           [](const TEvtTSVTermino& e) {
             EXPECT_EQ(e.InfoTSVTermino.pensAlim, paNenhum);
             EXPECT_FALSE(e.InfoTSVTermino.verbasResc.procJudTrabInst());
             EXPECT_FALSE(e.InfoTSVTermino.verbasResc.infoMVInst());
           }},
          {"an establishment without tpInsc is of a CNPJ; the health plans of each rubric",
           [](TIni& ini) {
             ini["ideEstabLot0101"].erase("tpInsc");
             ini["detVerbas0101002"] = ini["detVerbas0101001"];
             ini["detOper010100101"] = {{"cnpjOper", kEstab2}, {"regANS", "123456"}, {"vrPgTit", "10"}};
             ini["detPlano01010010101"] = {{"nmDep", "Ana"}, {"dtNascto", "01/02/2010"}, {"vlrPgDep", "5"}};
             ini["detOper010100201"] = {{"cnpjOper", esocialtest::kEmpregador}, {"regANS", "654321"}};
           },
           kSemErro,
           [](const TEvtTSVTermino& e) {
             TideEstabLotItem& estab = Pagamento(e).ideEstabLot.GetItem(0);
             EXPECT_EQ(estab.tpInsc, tiCNPJ);
             ASSERT_EQ(estab.infoSaudeColet().detOper.Count(), 2);
             EXPECT_EQ(estab.infoSaudeColet().detOper.GetItem(0).detPlano.GetItem(0).tpDep, tdNenhum);
           }},
          {"alimony outside its list, whatever the category",
           [](TIni& ini) {
             ini["ideTrabSemVinculo"]["codCateg"] = "101";
             ini["infoTSVTermino"]["pensAlim"] = "S";
           },
           "Valor string inválido para tpPensaoAlim: S", [](const TEvtTSVTermino&) {}},
          {"a category that is no number", [](TIni& ini) { ini["ideTrabSemVinculo"]["codCateg"] = "7x1"; },
           "INI: valor inválido em [ideTrabSemVinculo] codCateg: \"7x1\"", [](const TEvtTSVTermino&) {}},
          {"a discount of an unknown kind",
           [](TIni& ini) {
             ini["descFolha0101001"] = {{"tpDesc", "2"}};
           },
           "Valor string inválido para TtpDesc: 2", [](const TEvtTSVTermino&) {}},
      });
}
