// S-1210, payments of work income: documents written from fields and from INI input, signed and
// valid against the official schema of each layout (S-1.03, S-1.02, S-1.01, S-1.00 and, for the
// payment details, 2.5); the layout branches and list limits; the INI reader's own cases.
#include "esocial/events/tables_periodic/s1210_work_income_payments.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "event_test_support.h"
#include "platform/text_utils.h"

using namespace esocial;
using namespace esocial::s1210;
using esocialtest::TIni;
using platform::EncodeDate;

namespace {

const std::string kCpfDep = "98765432100";

TInfoPgtoItem& NovoPgto(TEvtPgtos& e, const std::string& perRef, const std::string& ideDmDev, double vrLiq) {
  TInfoPgtoItem& p = e.IdeBenef.InfoPgto.Add();
  p.DtPgto = EncodeDate(2024, 5, 31);
  p.TpPgto = tpPgtoRemun1200;
  p.perRef = perRef;
  p.ideDmDev = ideDmDev;
  p.vrLiq = vrLiq;
  return p;
}

// A worker paid on 31 May 2024 the payslip of May.
void Preencher(TEvtPgtos& e) {
  e.Id = esocialtest::kIdEvento;
  e.IdeEvento.indRetif = ireOriginal;
  e.IdeEvento.IndApuracao = iapuMensal;
  e.IdeEvento.perApur = "2024-05";
  e.IdeEvento.VerProc = "NEMBO 1.0";
  e.IdeEmpregador.TpInsc = tiCNPJ;
  e.IdeEmpregador.NrInsc = esocialtest::kEmpregador;
  e.IdeBenef.CpfBenef = "12345678909";
  NovoPgto(e, "2024-05", "DM1", 3200.5);
}

// The same day, the payslip of April and the 13th salary of 2023.
void PagamentosAnteriores(TEvtPgtos& e) {
  NovoPgto(e, "2024-04", "DM0", 150);
  NovoPgto(e, "2023", "DM13", 1600.25);
}

// The worker lives in Argentina.
void ResidenteNaArgentina(TEvtPgtos& e) {
  TInfoPgtoItem& p = e.IdeBenef.InfoPgto.GetItem(0);
  p.paisResidExt = "063";
  TInfoPgtoExt& ext = p.infoPgtoExt();
  ext.indNIF = infBeneficiaNIF;
  ext.nifBenef = "20123456789";
  ext.frmTribut = 10;
  ext.endExt = {"Avenida Corrientes", "1234", "Piso 5", "San Nicolas", "Buenos Aires", "CABA", "1043", "541143210000"};
}

TRubricaCollectionItem& NovaRubrica(TRubricaCollectionItem& r, const std::string& codRubr, double vrRubr) {
  r.codRubr = codRubr;
  r.ideTabRubr = "T1";
  r.vrRubr = vrRubr;
  return r;
}

// Under 2.5: the deduction for dependants; a payroll payment with two payslips (the rubrics paid
// whole with an alimony, the partial payments), holidays and an earlier payment; a benefit paid
// abroad.
void Detalhes25(TEvtPgtos& e) {
  e.IdeBenef.deps().vrDedDep = 189.59;
  TInfoPgtoItem& p = e.IdeBenef.InfoPgto.GetItem(0);
  p.IndResBr = tpSim;
  TdetPgtoFlItem& fl = p.detPgtoFl.Add();
  fl.perRef = "2024-05";
  fl.ideDmDev = "DM1";
  fl.indPagtoTt = tpSim;
  fl.vrLiq = 3200.5;
  TRubricasComPensaoItem& rubrica = fl.retPagtoTot().Add();
  NovaRubrica(rubrica, "R001", 3500).qtdRubr = 30;
  rubrica.penAlim().Add() = {kCpfDep, EncodeDate(2012, 7, 1), "Ana Souza", 350};
  TdetPgtoFlItem& parcial = p.detPgtoFl.Add();
  parcial.ideDmDev = "DM2";
  parcial.indPagtoTt = tpNao;
  parcial.vrLiq = 500;
  NovaRubrica(parcial.infoPgtoParc().Add(), "R002", 500).matricula = "M-001";
  TDetPgtoFerItem& ferias = p.detPgtoFer().Add();
  ferias.codCateg = 101;
  ferias.matricula = "M-001";
  ferias.dtIniGoz = EncodeDate(2024, 6, 3);
  ferias.qtDias = 30;
  ferias.vrLiq = 4100;
  NovaRubrica(ferias.detRubrFer.Add(), "R100", 4100);
  TDetPgtoAntItem& anterior = p.detPgtoAnt().Add();
  anterior.codCateg = 101;
  anterior.infoPgtoAnt.Add() = {ciiBasedeCalculoIRRFRemMensal, 1200};
  TInfoPgtoItem& beneficio = NovoPgto(e, "2024-05", "BEN1", 900);
  beneficio.TpPgto = tpPgtoBenefPrev1207;
  beneficio.IndResBr = tpNao;
  TDetPgtoBenPr& benPr = beneficio.detPgtoBenPr();
  benPr.perRef = "2024-05";
  benPr.ideDmDev = "BEN1";
  benPr.indPgtoTt = tpNao;
  benPr.vrLiq = 900;
  NovaRubrica(benPr.retPgtoTot().Add(), "B001", 600);
  NovaRubrica(benPr.infoPgtoParc().Add(), "B002", 300);
  beneficio.IdePgtoExt.idePais = {"063", infBeneficiaNIF, "20123456789"};
  beneficio.IdePgtoExt.endExt = {"Avenida Corrientes", "1234", "", "", "Buenos Aires", "1043"};
}

const std::string kCnpjOper = "11222333000181";
const std::string kCpfDep2 = "11122233396";

// The income-tax complement of the period: a report date, two of each list (two dependants, two
// revenue codes, the first with two of each deduction, pension and process, each process with
// two sets of values with two suspended deductions of two beneficiaries; two health plans with
// two dependants; two reimbursements, the first by the plan's operator with two of each); under
// S-1.03 the pension's 13th-salary values and a second complement adjusting an earlier S-1210.
void Complemento(TEvtPgtos& e) {
  const bool s13 = e.Configuracoes().Geral->VersaoDF() >= veS01_03_00;
  TinfoIRComplemCollectionItem& c = e.IdeBenef.infoIRComplem.New();
  c.dtLaudo = EncodeDate(2024, 1, 15);
  c.infoDep().New() = {kCpfDep, EncodeDate(2012, 7, 1), "Ana Souza", snfSim, tdFilhoOuEnteado, ""};
  c.infoDep().New() = {kCpfDep2, 0, "", snfNada, tdAgregadoOutros, "Sobrinha"};
  TinfoIRCRCollectionItem& cr = c.infoIRCR().New();
  cr.tpCR = "056107";
  cr.dedDepen().New() = {11, kCpfDep, 189.59};
  cr.dedDepen().New() = {13, kCpfDep2, 189.59};
  cr.penAlim().New() = {11, kCpfDep, 350};
  cr.penAlim().New() = {12, kCpfDep2, 120.1};
  cr.previdCompl().New() = {tprPrivada, kCnpjOper, 210, 0, 35.5, 0};
  TprevidComplCollectionItem& funpresp = cr.previdCompl().New();
  funpresp.tpPrev = tprFunpresp;
  funpresp.cnpjEntidPC = "33444555000163";
  funpresp.vlrDedPC = 80;
  if (s13) funpresp.vlrDedPC13 = 80;
  if (s13) funpresp.vlrPatrocFunp13 = 12.5;
  for (const char* nrProcRet : {"12345678901234567", "123456789012345678901"}) {
    TinfoProcRetCollectionItem& proc = cr.infoProcRet().New();
    proc.tpProcRet = tpprJudicial;
    proc.nrProcRet = nrProcRet;
    proc.codSusp = "12345678901234";
    for (tpIndApuracao ind : {iapuMensal, ipaAnual}) {
      TinfoValoresCollectionItem& v = proc.infoValores().New();
      v.indApuracao = ind;
      v.vlrNRetido = 100;
      v.vlrDepJud = 50;
      for (tpIndTpDeducao deducao : {tpdDependentes, tpdPensaoAlimenticia}) {
        TdedSuspCollectionItem& d = v.dedSusp().New();
        d.indTpDeducao = deducao;
        d.vlrDedSusp = 75;
        d.benefPen().New() = {kCpfDep, 40};
        d.benefPen().New() = {kCpfDep2, 35};
      }
    }
  }
  c.infoIRCR().New().tpCR = "056108";
  for (const std::string& cnpj : {kCnpjOper, std::string("33444555000163")}) {
    TplanSaudeCollectionItem& plano = c.planSaude().New();
    plano.cnpjOper = cnpj;
    plano.regANS = "123456";
    plano.vlrSaudeTit = 420;
    plano.infoDepSau().New() = {kCpfDep, 210};
    plano.infoDepSau().New() = {kCpfDep2, 105};
  }
  TInfoReembMedCollectionItem& operadora = c.infoReembMed().New();
  operadora.indOrgReemb = "1";
  operadora.cnpjOper = kCnpjOper;
  operadora.regANS = "123456";
  operadora.detReembTit().New() = {tiCNPJ, "44555666000109", 300, 0};
  operadora.detReembTit().New() = {tiCPF, "12312312387", 0, 80};
  for (const std::string& cpf : {kCpfDep, kCpfDep2}) {
    TinfoReembDepCollectionItem& dep = operadora.infoReembDep().New();
    dep.cpfBenef = cpf;
    dep.detReembDep().New() = {tiCNPJ, "44555666000109", 150, 0};
    dep.detReembDep().New() = {tiCPF, "12312312387", 60, 0};
  }
  TInfoReembMedCollectionItem& empregador = c.infoReembMed().New();
  empregador.indOrgReemb = "2";
  empregador.detReembTit().New() = {tiCNPJ, "44555666000109", 90, 0};
  if (!s13) return;
  TinfoIRComplemCollectionItem& ajuste = e.IdeBenef.infoIRComplem.New();
  ajuste.perAnt() = {"2024-03", "1.1.1234567890123456789"};
  TinfoIRCRCollectionItem& cr13 = ajuste.infoIRCR().New();
  cr13.tpCR = "056107";
  cr13.previdCompl().New() = {tprPrivada, kCnpjOper, 0, 210, 0, 20};
}

TIni IniBase() {
  return {
      {"evtPgtos", {{"Id", esocialtest::kIdEvento}}},
      {"ideEvento", {{"indRetif", "1"}, {"perApur", "2024-05"}, {"verProc", "NEMBO 1.0"}}},
      {"ideEmpregador", {{"tpInsc", "1"}, {"nrInsc", esocialtest::kEmpregador}}},
      {"ideBenef", {{"cpfBenef", "12345678909"}}},
      {"infoPgto01",
       {{"dtPgto", "31/05/2024"}, {"tpPgto", "1"}, {"perRef", "2024-05"}, {"ideDmDev", "DM1"}, {"vrLiq", "3200,50"}}},
  };
}

void IniPagamentosAnteriores(TIni& ini) {
  ini["infoPgto02"] = {{"dtPgto", "31/05/2024"}, {"perRef", "2024-04"}, {"ideDmDev", "DM0"}, {"vrLiq", "150"}};
  ini["infoPgto03"] = {{"dtPgto", "31/05/2024"}, {"perRef", "2023"}, {"ideDmDev", "DM13"}, {"vrLiq", "1600.25"}};
}

void IniResidenteNaArgentina(TIni& ini) {
  ini["infoPgto01"]["paisResidExt"] = "063";
  ini["infoPgtoExt01"] = {{"indNIF", "1"}, {"nifBenef", "20123456789"}, {"frmTribut", "10"}};
  ini["endExt01"] = {{"endDscLograd", "Avenida Corrientes"},
                     {"endNrLograd", "1234"},
                     {"endComplem", "Piso 5"},
                     {"endBairro", "San Nicolas"},
                     {"endCidade", "Buenos Aires"},
                     {"endEstado", "CABA"},
                     {"endCodPostal", "1043"},
                     {"telef", "541143210000"}};
}

// Complemento under S-1.03 as INI sections.
void IniComplemento(TIni& ini) {
  ini["infoIRComplem01"] = {{"dtLaudo", "15/01/2024"}};
  ini["infoDep01001"] = {
      {"cpfDep", kCpfDep}, {"dtNascto", "01/07/2012"}, {"nome", "Ana Souza"}, {"depIRRF", "S"}, {"tpDep", "03"}};
  ini["infoDep01002"] = {{"cpfDep", kCpfDep2}, {"tpDep", "99"}, {"descrDep", "Sobrinha"}};
  ini["infoIRCR0101"] = {{"tpCR", "056107"}};
  ini["dedDepen0101001"] = {{"tpRend", "11"}, {"cpfDep", kCpfDep}, {"vlrDedDep", "189.59"}};
  ini["dedDepen0101002"] = {{"tpRend", "13"}, {"cpfDep", kCpfDep2}, {"vlrDedDep", "189,59"}};
  ini["penAlim010101"] = {{"tpRend", "11"}, {"cpfDep", kCpfDep}, {"vlrDedPenAlim", "350"}};
  ini["penAlim010102"] = {{"tpRend", "12"}, {"cpfDep", kCpfDep2}, {"vlrDedPenAlim", "120,10"}};
  ini["previdCompl010101"] = {
      {"tpPrev", "1"}, {"cnpjEntidPC", kCnpjOper}, {"vlrDedPC", "210"}, {"vlrPatrocFunp", "35.50"}};
  ini["previdCompl010102"] = {{"tpPrev", "3"},
                              {"cnpjEntidPC", "33444555000163"},
                              {"vlrDedPC", "80"},
                              {"vlrDedPC13", "80"},
                              {"vlrPatrocFunp13", "12,5"}};
  const char* processos[] = {"12345678901234567", "123456789012345678901"};
  for (int k = 1; k <= 2; ++k) {
    const std::string K = "0101" + platform::InteiroComZeros(k, 2);
    ini["infoProcRet" + K] = {{"tpProcRet", "2"}, {"nrProcRet", processos[k - 1]}, {"codSusp", "12345678901234"}};
    for (int l = 1; l <= 2; ++l) {
      const std::string L = K + platform::InteiroComZeros(l, 2);
      ini["infoValores" + L] = {{"indApuracao", std::to_string(l)}, {"vlrNRetido", "100"}, {"vlrDepJud", "50"}};
      for (int m = 1; m <= 2; ++m) {
        const std::string M = L + platform::InteiroComZeros(m, 2);
        ini["dedSusp" + M] = {{"indTpDeducao", m == 1 ? "7" : "5"}, {"vlrDedSusp", "75"}};
        ini["benefPen" + M + "01"] = {{"cpfDep", kCpfDep}, {"vlrDepenSusp", "40"}};
        ini["benefPen" + M + "02"] = {{"cpfDep", kCpfDep2}, {"vlrDepenSusp", "35"}};
      }
    }
  }
  ini["infoIRCR0102"] = {{"tpCR", "056108"}};
  ini["planSaude0101"] = {{"cnpjOper", kCnpjOper}, {"regANS", "123456"}, {"vlrSaudeTit", "420"}};
  ini["planSaude0102"] = {{"cnpjOper", "33444555000163"}, {"regANS", "123456"}, {"vlrSaudeTit", "420"}};
  for (const char* j : {"01", "02"}) {
    ini["infoDepSau01" + std::string(j) + "01"] = {{"cpfDep", kCpfDep}, {"vlrSaudeDep", "210"}};
    ini["infoDepSau01" + std::string(j) + "02"] = {{"cpfDep", kCpfDep2}, {"vlrSaudeDep", "105"}};
  }
  ini["infoReembMed0101"] = {{"indOrgReemb", "1"}, {"cnpjOper", kCnpjOper}, {"regANS", "123456"}};
  ini["detReembTit010101"] = {{"tpInsc", "1"}, {"nrInsc", "44555666000109"}, {"vlrReemb", "300"}};
  ini["detReembTit010102"] = {{"tpInsc", "2"}, {"nrInsc", "12312312387"}, {"vlrReembAnt", "80"}};
  ini["infoReembDep010101"] = {{"cpfBenef", kCpfDep}};
  ini["infoReembDep010102"] = {{"cpfBenef", kCpfDep2}};
  for (const char* k : {"01", "02"}) {
    ini["detReembDep0101" + std::string(k) + "01"] = {
        {"tpInsc", "1"}, {"nrInsc", "44555666000109"}, {"vlrReemb", "150"}};
    ini["detReembDep0101" + std::string(k) + "02"] = {{"tpInsc", "2"}, {"nrInsc", "12312312387"}, {"vlrReemb", "60"}};
  }
  ini["infoReembMed0102"] = {{"indOrgReemb", "2"}};
  ini["detReembTit010201"] = {{"tpInsc", "1"}, {"nrInsc", "44555666000109"}, {"vlrReemb", "90"}};
  ini["perAnt02"] = {{"perRefAjuste", "2024-03"}, {"nrRec1210Orig", "1.1.1234567890123456789"}};
  ini["infoIRCR0201"] = {{"tpCR", "056107"}};
  ini["previdCompl020101"] = {
      {"tpPrev", "1"}, {"cnpjEntidPC", kCnpjOper}, {"vlrDedPC13", "210"}, {"vlrPatrocFunp13", "20"}};
}

// Detalhes25 as INI sections.
void IniDetalhes25(TIni& ini) {
  ini["deps"] = {{"vrDedDep", "189,59"}};
  ini["infoPgto01"]["indResBr"] = "S";
  ini["detPgtoFl01001"] = {{"perRef", "2024-05"}, {"ideDmDev", "DM1"}, {"indPagtoTt", "S"}, {"vrLiq", "3200.50"}};
  ini["retPgtoTot0100101"] = {{"codRubr", "R001"}, {"ideTabRubr", "T1"}, {"qtdRubr", "30"}, {"vrRubr", "3500"}};
  ini["penAlim010010101"] = {
      {"cpfBenef", kCpfDep}, {"dtNasctoBenef", "01/07/2012"}, {"nmBenefic", "Ana Souza"}, {"vlrPensao", "350"}};
  ini["detPgtoFl01002"] = {{"ideDmDev", "DM2"}, {"indPagtoTt", "N"}, {"vrLiq", "500"}};
  ini["infoPgtoParc0100201"] = {{"matricula", "M-001"}, {"codRubr", "R002"}, {"ideTabRubr", "T1"}, {"vrRubr", "500"}};
  ini["detPgtoFer011"] = {
      {"codCateg", "101"}, {"matricula", "M-001"}, {"dtIniGoz", "03/06/2024"}, {"qtDias", "30"}, {"vrLiq", "4100"}};
  ini["detRubrFer01101"] = {{"codRubr", "R100"}, {"ideTabRubr", "T1"}, {"vrRubr", "4100"}};
  ini["detPgtoAnt0101"] = {{"codCateg", "101"}};
  ini["infoPgtoAnt010101"] = {{"tpBcIRRF", "11"}, {"vrBcIRRF", "1200"}};
  ini["infoPgto02"] = {{"dtPgto", "31/05/2024"}, {"tpPgto", "5"},      {"indResBr", "N"},
                       {"perRef", "2024-05"},    {"ideDmDev", "BEN1"}, {"vrLiq", "900"}};
  ini["detPgtoBenPr02"] = {{"perRef", "2024-05"}, {"ideDmDev", "BEN1"}, {"indPgtoTt", "N"}, {"vrLiq", "900"}};
  ini["retPgtoTot0201"] = {{"codRubr", "B001"}, {"ideTabRubr", "T1"}, {"vrRubr", "600"}};
  ini["infoPgtoParc0201"] = {{"codRubr", "B002"}, {"ideTabRubr", "T1"}, {"vrRubr", "300"}};
  ini["idePgtoExt02"] = {
      {"codPais", "063"},   {"indNIF", "1"},           {"nifBenef", "20123456789"}, {"dscLograd", "Avenida Corrientes"},
      {"nrLograd", "1234"}, {"nmCid", "Buenos Aires"}, {"codPostal", "1043"}};
}

const std::string kLimite = " - Número de ocorrências maior que o máximo permitido - Máximo ";

}  // namespace

// Each valid S-1.03 document on the whole road: from fields and from INI input.
TEST(S1210WorkIncomePayments, ValidDocuments) {
  esocialtest::VerificarDocumentosValidos<TS1210Collection>(
      Preencher, IniBase(),
      {
          {"paid in the month the payslips of the month, of April and the 13th salary of 2023",
           PagamentosAnteriores,
           IniPagamentosAnteriores,
           {}},
          {"a resident of Argentina", ResidenteNaArgentina, IniResidenteNaArgentina, {}},
          {"the income-tax complement: two of each list, an earlier S-1210 adjusted, the 13th-salary values",
           Complemento,
           IniComplemento,
           {}},
      });
}

// The same worker under the earlier layouts, against each one's schema.
TEST(S1210WorkIncomePayments, ValidUnderEarlierLayouts) {
  const auto com = [](auto... mudancas) {
    return [=](TEvtPgtos& e) {
      Preencher(e);
      (mudancas(e), ...);
    };
  };
  EXPECT_THAT(
      esocialtest::VerificarValidoNoLeiaute<TS1210Collection>(veS01_02_00, com(ResidenteNaArgentina, Complemento)),
      ::testing::HasSubstr("<infoIRComplem><dtLaudo>2024-01-15</dtLaudo><infoDep>"));
  EXPECT_THAT(esocialtest::VerificarValidoNoLeiaute<TS1210Collection>(veS01_01_00,
                                                                      com(PagamentosAnteriores, ResidenteNaArgentina)),
              ::testing::HasSubstr("<paisResidExt>063</paisResidExt><infoPgtoExt>"));
  esocialtest::VerificarValidoNoLeiaute<TS1210Collection>(veS01_00_00, com(PagamentosAnteriores));
}

// The 2.5 payment details, from fields against the 2.5 schema; read from INI input (an S-1.03
// document, which leaves them out), the event writes the same 2.5 document.
TEST(S1210WorkIncomePayments, Layout25) {
  const std::string xml25 = esocialtest::VerificarValidoNoLeiaute<TS1210Collection>(ve02_05_00, [](TEvtPgtos& e) {
    Preencher(e);
    Detalhes25(e);
  });
  for (const char* texto : {"<deps><vrDedDep>189.59</vrDedDep></deps>", "<tpPgto>1</tpPgto><indResBr>S</indResBr>",
                            "</detPgtoFl><detPgtoFer>", "</detPgtoFer><detPgtoAnt>",
                            "<tpPgto>5</tpPgto><indResBr>N</indResBr><detPgtoBenPr>", "</detPgtoBenPr><idePgtoExt>"})
    EXPECT_THAT(xml25, ::testing::HasSubstr(texto));
  auto c = esocialtest::NovoComponente();
  TEvtPgtos& e = esocialtest::NovoEvento<TS1210Collection>(c, veS01_03_00);
  TIni ini = IniBase();
  IniDetalhes25(ini);
  EXPECT_TRUE(e.LerArqIni(esocialtest::TextoIni(ini)));
  c.eSocial->Configuracoes().Geral->SetVersaoDF(ve02_05_00);
  EXPECT_EQ(esocialtest::Escrito(e), xml25);
}

// What each layout writes of a payment.
TEST(S1210WorkIncomePayments, LayoutBranches) {
  const auto naArgentinaEm = [](const std::string& perApur, const std::string& pais) {
    return [=](TEvtPgtos& e) {
      ResidenteNaArgentina(e);
      e.IdeEvento.perApur = perApur;
      e.IdeBenef.InfoPgto.GetItem(0).paisResidExt = pais;
    };
  };
  const auto pagamentos = [](int n) {
    return [n](TEvtPgtos& e) {
      for (int i = 1; i < n; ++i) NovoPgto(e, "2024-05", "DM" + std::to_string(i), 1);
    };
  };
  esocialtest::VerificarCasosLeiaute<TS1210Collection>(
      Preencher,
      {
          {"S-1.00: the payslip of the payment, no residence abroad",
           veS01_00_00,
           naArgentinaEm("2024-05", "063"),
           {"<tpPgto>1</tpPgto><perRef>2024-05</perRef><ideDmDev>DM1</ideDmDev><vrLiq>3200.50</vrLiq></infoPgto>"},
           {"<paisResidExt>", "<infoPgtoExt>", "<indApuracao>"},
           {}},
          {"S-1.01 before March 2023: no residence abroad",
           veS01_01_00,
           naArgentinaEm("2023-02", "063"),
           {},
           {"<paisResidExt>", "<infoPgtoExt>"},
           {}},
          {"S-1.01 from March 2023: the residence abroad",
           veS01_01_00,
           naArgentinaEm("2023-03", "063"),
           {"<vrLiq>3200.50</vrLiq><paisResidExt>063</paisResidExt><infoPgtoExt><indNIF>1</indNIF>"},
           {},
           {}},
          {"Brazil is no residence abroad", veS01_03_00, naArgentinaEm("2024-05", "105"), {}, {"<paisResidExt>"}, {}},
          {"a country without infoPgtoExt",
           veS01_03_00,
           [](TEvtPgtos& e) { e.IdeBenef.InfoPgto.GetItem(0).paisResidExt = "160"; },
           {"<paisResidExt>160</paisResidExt></infoPgto>"},
           {},
           {}},
          {"infoPgtoExt without an address",
           veS01_03_00,
           [](TEvtPgtos& e) {
             ResidenteNaArgentina(e);
             e.IdeBenef.InfoPgto.GetItem(0).infoPgtoExt().endExt = {};
           },
           {"<frmTribut>10</frmTribut></infoPgtoExt>"},
           {"<endExt>"},
           {}},
          {"S-1.03: none of the 2.x groups",
           veS01_03_00,
           Detalhes25,
           {"<tpPgto>1</tpPgto><perRef>2024-05</perRef>"},
           {"<deps>", "<indResBr>", "<detPgtoFl>", "<detPgtoBenPr>", "<detPgtoFer>", "<detPgtoAnt>", "<idePgtoExt>"},
           {}},
          {"2.5: a benefit's payment holds no payslip details",
           ve02_05_00,
           [](TEvtPgtos& e) {
             Detalhes25(e);
             e.IdeBenef.InfoPgto.GetItem(0).TpPgto = tpPgtoBenefPrev1207;
           },
           {"<tpPgto>5</tpPgto><indResBr>S</indResBr><detPgtoFer>"},
           {"<detPgtoFl>"},
           {}},
          {"2.5: the payment abroad whatever it holds",
           ve02_05_00,
           [](TEvtPgtos& e) { e.IdeBenef.InfoPgto.GetItem(0).IndResBr = tpNao; },
           {"<indResBr>N</indResBr><idePgtoExt><idePais><codPais/>"},
           {},
           {"/codPais() - Nenhum valor informado", "/dscLograd() - Nenhum valor informado",
            "/nmCid() - Nenhum valor informado"}},
          {"2.5: six holiday payments",
           ve02_05_00,
           [](TEvtPgtos& e) {
             Detalhes25(e);
             for (int i = 0; i < 5; ++i) {
               TDetPgtoFerItem& f = e.IdeBenef.InfoPgto.GetItem(0).detPgtoFer().Add();
               f.codCateg = 101;
               f.dtIniGoz = EncodeDate(2024, 6, 3);
               NovaRubrica(f.detRubrFer.Add(), "R100", 1);
             }
           },
           {},
           {},
           {"/detPgtoFer(Lista de Detalhamento de Pagamento)" + kLimite + "5."}},
          {"2.5: 61 payments",
           ve02_05_00,
           pagamentos(61),
           {},
           {},
           {"/infoPgto(Lista de Informações de Pagamento)" + kLimite + "60."}},
      });
}

// The complement's version gates and its written-when rules.
TEST(S1210WorkIncomePayments, IncomeTaxComplement) {
  const auto previd = [](double vlrDedPC, double vlrDedPC13) {
    return [=](TEvtPgtos& e) {
      TinfoIRCRCollectionItem& cr = e.IdeBenef.infoIRComplem.New().infoIRCR().New();
      cr.tpCR = "056107";
      cr.previdCompl().New() = {tprPrivada, kCnpjOper, vlrDedPC, vlrDedPC13, 0, 0};
    };
  };
  const auto perAnt = [](TEvtPgtos& e) {
    e.IdeBenef.infoIRComplem.New().perAnt() = {"2024-03", "1.1.1234567890123456789"};
  };
  esocialtest::VerificarCasosLeiaute<TS1210Collection>(
      Preencher,
      {
          {"S-1.01: no complement", veS01_01_00, Complemento, {}, {"<infoIRComplem>"}, {}},
          {"S-1.02: no earlier S-1210 adjusted",
           veS01_02_00,
           perAnt,
           {"<infoIRComplem></infoIRComplem>"},
           {"<perAnt>"},
           {}},
          {"S-1.03: the earlier S-1210 adjusted",
           veS01_03_00,
           perAnt,
           {"<infoIRComplem><perAnt><perRefAjuste>2024-03</perRefAjuste>"},
           {},
           {}},
          {"S-1.03: no deduction given, both required",
           veS01_03_00,
           previd(0, 0),
           {"<cnpjEntidPC>11222333000181</cnpjEntidPC><vlrDedPC>0.00</vlrDedPC><vlrDedPC13>0.00</vlrDedPC13>"},
           {},
           {}},
          {"S-1.03: the 13th salary's deduction alone",
           veS01_03_00,
           previd(0, 80),
           {"<cnpjEntidPC>11222333000181</cnpjEntidPC><vlrDedPC13>80.00</vlrDedPC13>"},
           {"<vlrDedPC>"},
           {}},
          {"S-1.02: the month's deduction, required",
           veS01_02_00,
           previd(0, 80),
           {"<cnpjEntidPC>11222333000181</cnpjEntidPC><vlrDedPC>0.00</vlrDedPC></previdCompl>"},
           {"<vlrDedPC13>"},
           {}},
          {"dependants: only S for depIRRF, kinds of two digits",
           veS01_03_00,
           [](TEvtPgtos& e) {
             TinfoIRComplemCollectionItem& c = e.IdeBenef.infoIRComplem.New();
             c.infoDep().New() = {kCpfDep, 0, "", snfNao, tdFilhoOuEnteado, ""};
             c.infoDep().New().cpfDep = kCpfDep2;
             c.infoIRCR().New().tpCR = "056107";
             c.infoIRCR().GetItem(0).dedDepen().New() = {1, kCpfDep, 10};
           },
           {"<infoDep><cpfDep>98765432100</cpfDep><tpDep>03</tpDep></infoDep><infoDep><cpfDep>11122233396</cpfDep></"
            "infoDep>",
            "<tpRend>01</tpRend>"},
           {"<depIRRF>"},
           {}},
          {"a reimbursement by the employer names no operator",
           veS01_03_00,
           [](TEvtPgtos& e) {
             TInfoReembMedCollectionItem& r = e.IdeBenef.infoIRComplem.New().infoReembMed().New();
             r.indOrgReemb = "2";
             r.cnpjOper = kCnpjOper;
             r.regANS = "123456";
           },
           {"<infoReembMed><indOrgReemb>2</indOrgReemb></infoReembMed>"},
           {"<cnpjOper>"},
           {}},
          {"three sets of values of a process",
           veS01_03_00,
           [](TEvtPgtos& e) {
             TinfoIRCRCollectionItem& cr = e.IdeBenef.infoIRComplem.New().infoIRCR().New();
             cr.tpCR = "056107";
             TinfoProcRetCollectionItem& p = cr.infoProcRet().New();
             p.nrProcRet = "12345678901234567";
             for (int i = 0; i < 3; ++i) p.infoValores().New();
           },
           {},
           {},
           {"/infoValores(Informações de valores relacionados a não retenção de tributos ou a depósitos judiciais)" +
            kLimite + "2."}},
      });
}

// The reader's numbering, list ends and strict values.
TEST(S1210WorkIncomePayments, IniCases) {
  const std::string kSemErro = testsupport::kNoError;
  const auto pagamentos = [](const TEvtPgtos& e) { return e.IdeBenef.InfoPgto.Count(); };
  esocialtest::VerificarCasosIni<TS1210Collection>(
      IniBase(),
      {
          {"without infoPgto01 the payments and their groups are numbered with three digits",
           [](TIni& ini) {
             ini["infoPgto001"] = ini["infoPgto01"];
             ini["infoPgto002"] = ini["infoPgto01"];
             ini.erase("infoPgto01");
             ini["detPgtoFer0011"] = {{"codCateg", "101"}};
             ini["detPgtoFer0019"] = {{"codCateg", "102"}};
           },
           kSemErro,
           [&](const TEvtPgtos& e) {
             ASSERT_EQ(pagamentos(e), 2);
             TDetPgtoFerCollection& ferias = e.IdeBenef.InfoPgto.GetItem(0).detPgtoFer();
             ASSERT_EQ(ferias.Count(), 1) << "the holidays end at the first number missing";
             EXPECT_EQ(ferias.GetItem(0).codCateg, 101);
           }},
          {"with infoPgto01, infoPgto001 is no payment", [](TIni& ini) { ini["infoPgto001"] = ini["infoPgto01"]; },
           kSemErro, [&](const TEvtPgtos& e) { EXPECT_EQ(pagamentos(e), 1); }},
          {"a payment without dtPgto ends the payments",
           [](TIni& ini) {
             ini["infoPgto02"] = {{"perRef", "2024-04"}};
             ini["infoPgto03"] = ini["infoPgto01"];
           },
           kSemErro, [&](const TEvtPgtos& e) { EXPECT_EQ(pagamentos(e), 1); }},
          {"nine holiday payments, the most one digit numbers",
           [](TIni& ini) {
             for (int j = 1; j <= 9; ++j) ini["detPgtoFer01" + std::to_string(j)] = {{"codCateg", "101"}};
           },
           kSemErro, [](const TEvtPgtos& e) { EXPECT_EQ(e.IdeBenef.InfoPgto.GetItem(0).detPgtoFer().Count(), 9); }},
          {"a holiday category that is no number",
           [](TIni& ini) {
             ini["detPgtoFer011"] = {{"codCateg", "1O1"}};
           },
           "INI: valor inválido em [detPgtoFer011] codCateg: \"1O1\"", [](const TEvtPgtos&) {}},
          {"an earlier payment's category that is no number",
           [](TIni& ini) {
             ini["detPgtoAnt0101"] = {{"codCateg", "x"}};
           },
           "INI: valor inválido em [detPgtoAnt0101] codCateg: \"x\"", [](const TEvtPgtos&) {}},
          {"a payment kind outside its list", [](TIni& ini) { ini["infoPgto01"]["tpPgto"] = "6"; },
           "INI: valor inválido em [infoPgto01] tpPgto: \"6\"", [](const TEvtPgtos&) {}},
          {"a payment kind given empty is not informed", [](TIni& ini) { ini["infoPgto01"]["tpPgto"] = ""; },
           "tpPgto",  // the schema names it
           [](const TEvtPgtos& e) { EXPECT_THAT(e.XML(), ::testing::HasSubstr("<tpPgto></tpPgto>")); }},
          {"a net value that is no number", [](TIni& ini) { ini["infoPgto01"]["vrLiq"] = "3.200,50"; },
           "INI: valor inválido em [infoPgto01] vrLiq: \"3.200,50\"", [](const TEvtPgtos&) {}},
          {"a kind of income that is no number",
           [](TIni& ini) {
             ini["infoIRCR0101"] = {{"tpCR", "056107"}};
             ini["dedDepen0101001"] = {{"tpRend", "onze"}, {"cpfDep", kCpfDep}, {"vlrDedDep", "1"}};
           },
           "INI: valor inválido em [dedDepen0101001] tpRend: \"onze\"", [](const TEvtPgtos&) {}},
          {"a dependant's kind outside its list",
           [](TIni& ini) {
             ini["infoDep01001"] = {{"cpfDep", kCpfDep}, {"tpDep", "05"}};
           },
           "INI: valor inválido em [infoDep01001] tpDep: \"05\"", [](const TEvtPgtos&) {}},
          {"a complement given by its health plan alone, then one by its reimbursement alone",
           [](TIni& ini) {
             ini["planSaude0101"] = {{"cnpjOper", kCnpjOper}, {"vlrSaudeTit", "10"}};
             ini["infoReembMed0201"] = {{"indOrgReemb", "2"}};
           },
           kSemErro,
           [](const TEvtPgtos& e) {
             const TinfoIRComplemCollection& c = e.IdeBenef.infoIRComplem;
             ASSERT_EQ(c.Count(), 2);
             EXPECT_FALSE(c.GetItem(0).infoDepInst());
             EXPECT_EQ(c.GetItem(0).planSaude().GetItem(0).vlrSaudeTit, 10);
             EXPECT_EQ(c.GetItem(1).infoReembMed().GetItem(0).indOrgReemb, "2");
           }},
          {"two sets of values of a process, the second ended by an empty indApuracao",
           [](TIni& ini) {
             ini["infoIRCR0101"] = {{"tpCR", "056107"}};
             ini["infoProcRet010101"] = {{"tpProcRet", "1"}, {"nrProcRet", "12345678901234567"}};
             ini["infoValores01010101"] = {{"indApuracao", "1"}, {"vlrNRetido", "10"}};
             ini["infoValores01010102"] = {{"indApuracao", ""}, {"vlrNRetido", "20"}};
           },
           kSemErro,
           [](const TEvtPgtos& e) {
             TinfoProcRetCollectionItem& p =
                 e.IdeBenef.infoIRComplem.GetItem(0).infoIRCR().GetItem(0).infoProcRet().GetItem(0);
             EXPECT_EQ(p.tpProcRet, tpprAdministrativo);
             EXPECT_EQ(p.infoValores().Count(), 1);
           }},
      });
}

// The writer's mends, each a document the writer got wrong before.
TEST(S1210WorkIncomePayments, WriterFaults) {
  const auto pais = [](const std::string& codigo) {
    return [=](TEvtPgtos& e) {
      ResidenteNaArgentina(e);
      e.IdeBenef.InfoPgto.GetItem(0).paisResidExt = codigo;
    };
  };
  const auto processo = [](const std::string& nrProcRet, const std::string& codSusp) {
    return [=](TEvtPgtos& e) {
      TinfoIRCRCollectionItem& cr = e.IdeBenef.infoIRComplem.New().infoIRCR().New();
      cr.tpCR = "056107";
      TinfoProcRetCollectionItem& p = cr.infoProcRet().New();
      p.nrProcRet = nrProcRet;
      p.codSusp = codSusp;
    };
  };
  const auto pagamentos = [](int n) {
    return [n](TEvtPgtos& e) {
      for (int i = 1; i < n; ++i) NovoPgto(e, "2024-05", "DM" + std::to_string(i), 1);
    };
  };
  const auto rubricasComMatricula = [](TEvtPgtos& e) {
    Detalhes25(e);
    TInfoPgtoItem& p = e.IdeBenef.InfoPgto.GetItem(0);
    p.detPgtoFl.GetItem(0).retPagtoTot().GetItem(0).matricula = "M-RET";
    p.detPgtoFer().GetItem(0).detRubrFer.GetItem(0).matricula = "M-FER";
  };
  const std::string kNenhum = "() - Nenhum valor informado";
  esocialtest::VerificarCasosLeiaute<TS1210Collection>(
      Preencher,
      {
          {"a resident of Argentina (063)",
           veS01_03_00,
           pais("063"),
           {"<paisResidExt>063</paisResidExt><infoPgtoExt>"},
           {},
           {}},
          {"a resident of Germany (023)", veS01_03_00, pais("023"), {"<paisResidExt>023</paisResidExt>"}, {}, {}},
          {"a codSusp of 14 digits",
           veS01_03_00,
           processo("12345678901234567", "12345678901234"),
           {"<nrProcRet>12345678901234567</nrProcRet><codSusp>12345678901234</codSusp>"},
           {},
           {}},
          {"a dependant whose kind nobody gave",
           veS01_03_00,
           [](TEvtPgtos& e) { e.IdeBenef.infoIRComplem.New().infoDep().New().cpfDep = kCpfDep; },
           {"<infoDep><cpfDep>98765432100</cpfDep></infoDep>"},
           {"<tpDep>"},
           {}},
          {"a payment without perRef",
           veS01_01_00,
           [](TEvtPgtos& e) { e.IdeBenef.InfoPgto.GetItem(0).perRef = ""; },
           {"<tpPgto>1</tpPgto><perRef/><ideDmDev>"},
           {},
           {"/perRef" + kNenhum}},
          {"the 13th salary's perRef, a year",
           veS01_03_00,
           [](TEvtPgtos& e) { e.IdeBenef.InfoPgto.GetItem(0).perRef = "2023"; },
           {"<perRef>2023</perRef>"},
           {},
           {}},
          {"an address abroad without its street",
           veS01_03_00,
           [](TEvtPgtos& e) {
             ResidenteNaArgentina(e);
             TEndExtV110& endereco = e.IdeBenef.InfoPgto.GetItem(0).infoPgtoExt().endExt;
             endereco = {};
             endereco.endCidade = "Buenos Aires";
           },
           {"<endExt><endCidade>Buenos Aires</endCidade></endExt>"},
           {},
           {}},
          {"CNPJs of a pension entity",
           veS01_03_00,
           [](TEvtPgtos& e) {
             TinfoIRCRCollectionItem& cr = e.IdeBenef.infoIRComplem.New().infoIRCR().New();
             cr.tpCR = "056107";
             cr.previdCompl().New() = {tprPrivada, kCnpjOper, 210, 0, 0, 0};
             TinfoValoresCollectionItem& v = cr.infoProcRet().New().infoValores().New();
             v.dedSusp().New().cnpjEntidPC = kCnpjOper;
             cr.infoProcRet().GetItem(0).nrProcRet = "12345678901234567";
           },
           {"<cnpjEntidPC>11222333000181</cnpjEntidPC><vlrDedPC>",
            "<cnpjEntidPC>11222333000181</cnpjEntidPC></dedSusp>"},
           {},
           {}},
          {"a process number of 21 digits", veS01_03_00, processo("123456789012345678901", ""), {}, {}, {}},
          {"a process number of 18 digits",
           veS01_03_00,
           processo("123456789012345678", ""),
           {},
           {},
           {"/nrProcRet() - Tamanho menor que o mínimo permitido [123456789012345678]"}},
          {"999 payments", veS01_03_00, pagamentos(999), {}, {}, {}},
          {"1000 payments",
           veS01_03_00,
           pagamentos(1000),
           {},
           {},
           {"/infoPgto(Lista de Informações de Pagamento)" + kLimite + "999."}},
          {"two complements under S-1.02",
           veS01_02_00,
           [](TEvtPgtos& e) {
             e.IdeBenef.infoIRComplem.New().dtLaudo = EncodeDate(2024, 1, 15);
             e.IdeBenef.infoIRComplem.New().dtLaudo = EncodeDate(2024, 2, 15);
           },
           {},
           {},
           {"/infoIRComplem(Lista de infoIRComplem)" + kLimite + "1."}},
          {"two complements under S-1.03",
           veS01_03_00,
           [](TEvtPgtos& e) {
             e.IdeBenef.infoIRComplem.New().dtLaudo = EncodeDate(2024, 1, 15);
             e.IdeBenef.infoIRComplem.New().perAnt() = {"2024-03", "1.1.1234567890123456789"};
           },
           {"<infoIRComplem><dtLaudo>2024-01-15</dtLaudo></infoIRComplem><infoIRComplem><perAnt>"},
           {},
           {}},
          {"2.5: no matricula in the rubrics paid whole, the partial payments' written",
           ve02_05_00,
           rubricasComMatricula,
           {"<retPgtoTot><codRubr>R001</codRubr>", "<detRubrFer><codRubr>R100</codRubr>",
            "<infoPgtoParc><matricula>M-001</matricula><codRubr>R002</codRubr>"},
           {"M-RET", "M-FER"},
           {}},
          {"2.04.02: the rubrics paid whole name their matricula",
           ve02_04_02,
           rubricasComMatricula,
           {"<retPgtoTot><matricula>M-RET</matricula>", "<detRubrFer><matricula>M-FER</matricula>"},
           {},
           {}},
          {"infoPgtoExt without its form of taxation",
           veS01_03_00,
           [](TEvtPgtos& e) {
             ResidenteNaArgentina(e);
             e.IdeBenef.InfoPgto.GetItem(0).infoPgtoExt().frmTribut = 0;
           },
           {"<frmTribut/>"},
           {},
           {"/frmTribut" + kNenhum}},
          {"2.5: a benefit payslip's perRef of a year",
           ve02_05_00,
           [](TEvtPgtos& e) {
             Detalhes25(e);
             e.IdeBenef.InfoPgto.GetItem(1).detPgtoBenPr().perRef = "2023";
           },
           {"<detPgtoBenPr><perRef>2023</perRef>"},
           {},
           {}},
      });
}

// The reader's mends, each an INI text the reader got wrong before.
TEST(S1210WorkIncomePayments, IniFaults) {
  const std::string kSemErro = testsupport::kNoError;
  const auto complementos = [](const TEvtPgtos& e) -> const TinfoIRComplemCollection& {
    return e.IdeBenef.infoIRComplem;
  };
  esocialtest::VerificarCasosIni<TS1210Collection>(
      IniBase(),
      {
          {"a complement holding only its report date",
           [](TIni& ini) {
             ini["infoIRComplem01"] = {{"dtLaudo", "15/01/2024"}};
           },
           kSemErro,
           [&](const TEvtPgtos& e) {
             ASSERT_EQ(complementos(e).Count(), 1);
             EXPECT_EQ(complementos(e).GetItem(0).dtLaudo, EncodeDate(2024, 1, 15));
             EXPECT_THAT(e.XML(), ::testing::HasSubstr("<infoIRComplem><dtLaudo>2024-01-15</dtLaudo></infoIRComplem>"));
           }},
          {"a dependant without tpDep",
           [](TIni& ini) {
             ini["infoDep01001"] = {{"cpfDep", kCpfDep}, {"nome", "Ana Souza"}};
           },
           kSemErro,
           [&](const TEvtPgtos& e) {
             EXPECT_EQ(complementos(e).GetItem(0).infoDep().GetItem(0).tpDep, tdNenhum);
             EXPECT_THAT(e.XML(), ::testing::Not(::testing::HasSubstr("<tpDep>")));
           }},
          {"a payslip paid without its optional perRef, and the one after it",
           [](TIni& ini) {
             ini["detPgtoFl01001"] = {{"ideDmDev", "DM1"}, {"vrLiq", "100"}};
             ini["detPgtoFl01002"] = {{"perRef", "2024-04"}, {"ideDmDev", "DM0"}};
           },
           kSemErro,
           [](const TEvtPgtos& e) {
             const TdetPgtoFlCollection& fl = e.IdeBenef.InfoPgto.GetItem(0).detPgtoFl;
             ASSERT_EQ(fl.Count(), 2);
             EXPECT_EQ(fl.GetItem(0).ideDmDev, "DM1");
             EXPECT_EQ(fl.GetItem(1).perRef, "2024-04");
           }},
          {"an earlier S-1210 known by its receipt alone",
           [](TIni& ini) {
             ini["perAnt01"] = {{"nrRec1210Orig", "1.1.1234567890123456789"}};
           },
           "perRefAjuste",  // the schema names the period missing
           [&](const TEvtPgtos& e) {
             ASSERT_EQ(complementos(e).Count(), 1);
             EXPECT_EQ(complementos(e).GetItem(0).perAnt().nrRec1210Orig, "1.1.1234567890123456789");
           }},
          {"a perAnt section with nothing given",
           [](TIni& ini) {
             ini["perAnt01"] = {{"perRefAjuste", ""}};
             ini["infoDep01001"] = {{"cpfDep", kCpfDep}};
           },
           kSemErro, [&](const TEvtPgtos& e) { EXPECT_FALSE(complementos(e).GetItem(0).perAntInst()); }},
          {"a partial payment's matricula",
           [](TIni& ini) {
             ini["detPgtoFl01001"] = {{"perRef", "2024-05"}, {"ideDmDev", "DM1"}};
             ini["infoPgtoParc0100101"] = {
                 {"matricula", "M-001"}, {"codRubr", "R002"}, {"ideTabRubr", "T1"}, {"vrRubr", "500"}};
           },
           kSemErro,
           [](const TEvtPgtos& e) {
             EXPECT_EQ(e.IdeBenef.InfoPgto.GetItem(0).detPgtoFl.GetItem(0).infoPgtoParc().GetItem(0).matricula,
                       "M-001");
           }},
          {"a dependant section with an empty cpfDep ends the dependants",
           [](TIni& ini) {
             ini["infoDep01001"] = {{"cpfDep", kCpfDep}};
             ini["infoDep01002"] = {{"cpfDep", ""}, {"tpDep", "03"}};
           },
           kSemErro, [&](const TEvtPgtos& e) { EXPECT_EQ(complementos(e).GetItem(0).infoDep().Count(), 1); }},
          {"a resident abroad without infoPgtoExt sections has none",
           [](TIni& ini) { ini["infoPgto01"]["paisResidExt"] = "063"; }, kSemErro,
           [](const TEvtPgtos& e) {
             EXPECT_FALSE(e.IdeBenef.InfoPgto.GetItem(0).InfoPgtoExtInst());
             EXPECT_THAT(e.XML(), ::testing::HasSubstr("<paisResidExt>063</paisResidExt></infoPgto>"));
           }},
          {"a resident abroad with only an address",
           [](TIni& ini) {
             ini["infoPgto01"]["paisResidExt"] = "063";
             ini["endExt01"] = {{"endCidade", "Buenos Aires"}};
           },
           "frmTribut",  // the schema names the form of taxation missing
           [](const TEvtPgtos& e) {
             EXPECT_EQ(e.IdeBenef.InfoPgto.GetItem(0).infoPgtoExt().endExt.endCidade, "Buenos Aires");
           }},
          {"a benefit payslip given without its perRef",
           [](TIni& ini) {
             ini["detPgtoBenPr01"] = {{"ideDmDev", "BEN1"}, {"vrLiq", "900"}};
           },
           kSemErro,
           [](const TEvtPgtos& e) { EXPECT_EQ(e.IdeBenef.InfoPgto.GetItem(0).detPgtoBenPr().ideDmDev, "BEN1"); }},
          {"a payment abroad of the 2.x form given without its country",
           [](TIni& ini) {
             ini["idePgtoExt01"] = {{"indNIF", "3"}, {"nmCid", "Buenos Aires"}};
           },
           kSemErro,
           [](const TEvtPgtos& e) {
             const TPgtoExt& ext = e.IdeBenef.InfoPgto.GetItem(0).IdePgtoExt;
             EXPECT_EQ(ext.idePais.indNIF, infPaisnaoNIF);
             EXPECT_EQ(ext.endExt.nmCid, "Buenos Aires");
           }},
          {"a holiday payment's days that are no number",
           [](TIni& ini) {
             ini["detPgtoFer011"] = {{"codCateg", "101"}, {"qtDias", "trinta"}};
           },
           "INI: valor inválido em [detPgtoFer011] qtDias: \"trinta\"", [](const TEvtPgtos&) {}},
      });
}
