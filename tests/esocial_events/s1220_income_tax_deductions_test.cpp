// S-1220, income-tax deduction information: no layout has a schema for it, so the document
// written for fields covering every list is compared with its expected text; the list limits,
// the health-plan registration and the INI reader, which the event has not.
#include "esocial/events/tables_periodic/s1220_income_tax_deductions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "event_test_support.h"

using namespace esocial;
using namespace esocial::s1220;
using platform::EncodeDate;
using testsupport::MessageOf;

namespace {

// The deductions of May 2024 of one beneficiary with a daughter: every list with one item.
void Preencher(TEvtInfoIR& e) {
  e.Id = esocialtest::kIdEvento;
  e.ideEvento.indRetif = ireOriginal;
  e.ideEvento.IndApuracao = ipaAnual;
  e.ideEvento.perApur = "2024-05";
  e.ideEvento.indGuia = "1";
  e.ideEvento.VerProc = "NEMBO 1.0";
  e.ideEmpregador.NrInsc = esocialtest::kEmpregador;
  TIdeBenef& b = e.ideBenef;
  b.cpfBenef = "12345678909";
  b.ideDep().New() = {"98765432100", EncodeDate(2010, 4, 2), "Ana", relFilho, "Filha"};
  TInfoIR& ir = b.infoIR;
  ir.vlrDedPC = 100.5;
  ir.vlrDedPensao = 0;
  ir.vlrDedDepen = 189.59;
  ir.dedDepen().New() = {"98765432100", 189.59, 7};
  TInfoComplemDedCollectionItem& complem = ir.infoComplemDed().New();
  complem.penAlim().New() = {"98765432100", 500, 9};
  complem.previdCompl().New() = {"11222333000181", 0, 9};
  TPlanSaudeCollectionItem& plano = ir.planSaude().New();
  plano.cnpjOper = "44555666000170";
  plano.regANS = 5711;
  plano.vlrSaude = 320.1;
  plano.infoDep().New() = {"98765432100", 80};
  TInfoReembMedCollectionItem& reemb = ir.infoReembMed().New();
  reemb.indOrgReemb = 1;
  reemb.cnpjOper = "44555666000170";
  reemb.regANS = 0;
  TDetReembTitCollectionItem& tit = reemb.detReembTit().New();
  tit.tpInsc = tiCPF;
  tit.nrInsc = "11144477735";
  tit.vlrReemb = 150;
  TInfoReembDepCollectionItem& dep = reemb.infoReembDep().New();
  dep.cpfBenef = "98765432100";
  TDetReembDepCollectionItem& detDep = dep.detReembDep().New();
  detDep.tpInsc = tiCNPJ;
  detDep.nrInsc = "77888999000155";
  detDep.vlrReembAnt = 60.25;
  TInfoProcRetCollectionItem& proc = ir.infoProcRet().New();
  proc.tpProcRet = tpprJudicial;
  proc.nrProcRet = "123456789012345678901";
  proc.codSusp = 12345678901234;
  proc.penAlim().New() = {"98765432100", 9, 40};
  proc.previdCompl().New() = {"11222333000181", 9, 0};
  proc.dedDepen().New() = {"98765432100", 9, 189.59};
}

}  // namespace

// Every list, each in its form; the suspended form under infoProcRet; no indApuracao or indGuia.
TEST(S1220IncomeTaxDeductions, DocumentOfEveryList) {
  esocialtest::TComponente c = esocialtest::NovoComponenteDe<TS1220Collection>(false);
  TEvtInfoIR& e = esocialtest::NovoEvento<TS1220Collection>(c, veS01_03_00);
  Preencher(e);
  EXPECT_EQ(esocialtest::Escrito(e),
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
            "<eSocial xmlns=\"http://www.esocial.gov.br/schema/evt/evtInfoIR/v_S_01_03_00\">"
            "<evtInfoIR Id=\"ID1123456780000002023031012000000001\">"
            "<ideEvento><indRetif>1</indRetif><perApur>2024-05</perApur><tpAmb>2</tpAmb><procEmi>1</procEmi>"
            "<verProc>NEMBO 1.0</verProc></ideEvento>"
            "<ideEmpregador><tpInsc>1</tpInsc><nrInsc>12345678</nrInsc></ideEmpregador>"
            "<ideBenef><cpfBenef>12345678909</cpfBenef>"
            "<ideDep><cpfDep>98765432100</cpfDep><dtNascto>2010-04-02</dtNascto><nome>Ana</nome><relDep>04</relDep>"
            "<descrDep>Filha</descrDep></ideDep>"
            "<infoIR><vlrDedPC>100.50</vlrDedPC><vlrDedDepen>189.59</vlrDedDepen>"
            "<dedDepen><cpfDep>98765432100</cpfDep><vlrDeducao>189.59</vlrDeducao></dedDepen>"
            "<infoComplemDed>"
            "<penAlim><cpfDep>98765432100</cpfDep><vlrPensao>500.00</vlrPensao></penAlim>"
            "<previdCompl><cnpjEntidPC>11222333000181</cnpjEntidPC><vlrDedPC>0.00</vlrDedPC></previdCompl>"
            "</infoComplemDed>"
            "<planSaude><cnpjOper>44555666000170</cnpjOper><regANS>005711</regANS><vlrSaude>320.10</vlrSaude>"
            "<infoDep><cpfDep>98765432100</cpfDep><vlrSaude>80.00</vlrSaude></infoDep></planSaude>"
            "<infoReembMed><indOrgReemb>1</indOrgReemb><cnpjOper>44555666000170</cnpjOper>"
            "<detReembTit><tpInsc>2</tpInsc><nrInsc>11144477735</nrInsc><vlrReemb>150.00</vlrReemb></detReembTit>"
            "<infoReembDep><cpfBenef>98765432100</cpfBenef>"
            "<detReembDep><tpInsc>1</tpInsc><nrInsc>77888999000155</nrInsc><vlrReembAnt>60.25</vlrReembAnt>"
            "</detReembDep></infoReembDep></infoReembMed>"
            "<infoProcRet><tpProcRet>2</tpProcRet><nrProcRet>123456789012345678901</nrProcRet>"
            "<codSusp>12345678901234</codSusp>"
            "<penAlim><cpfDep>98765432100</cpfDep><vlrPensaoSusp>40.00</vlrPensaoSusp></penAlim>"
            "<previdCompl><cnpjEntidPC>11222333000181</cnpjEntidPC><vlrDedPCSusp>0.00</vlrDedPCSusp></previdCompl>"
            "<dedDepen><cpfDep>98765432100</cpfDep><vlrDedSusp>189.59</vlrDedSusp></dedDepen>"
            "</infoProcRet></infoIR></ideBenef></evtInfoIR></eSocial>");
  EXPECT_THAT(e.Gerador().ListaDeAlertas, ::testing::IsEmpty());
}

// The health plan's registration has six digits, leading zeros included, and 0 is not written;
// the lists' limits; an empty infoIR.
TEST(S1220IncomeTaxDeductions, WriterCases) {
  const auto regANS = [](int Valor) {
    return [Valor](TEvtInfoIR& e) {
      e.ideBenef.infoIR.planSaude().GetItem(0).regANS = Valor;
      e.ideBenef.infoIR.infoReembMed().GetItem(0).regANS = Valor;
    };
  };
  const std::string kLimite = " - Número de ocorrências maior que o máximo permitido - Máximo ";
  esocialtest::VerificarCasosLeiaute<TS1220Collection>(
      Preencher,
      {
          {"a registration of four digits",
           veS01_03_00,
           regANS(5711),
           {"<regANS>005711</regANS><vlrSaude>", "<cnpjOper>44555666000170</cnpjOper><regANS>005711</regANS>"},
           {},
           {}},
          {"a registration of six digits", veS01_03_00, regANS(412345), {"<regANS>412345</regANS>"}, {}, {}},
          {"no registration", veS01_03_00, regANS(0), {}, {"<regANS>"}, {}},
          {"a registration of seven digits",
           veS01_03_00,
           regANS(1234567),
           {"<regANS>1234567</regANS>"},
           {},
           {"/regANS() - Tamanho maior que o máximo permitido [1234567]",
            "/regANS() - Tamanho maior que o máximo permitido [1234567]"}},
          {"a rectification",
           veS01_03_00,
           [](TEvtInfoIR& e) {
             e.ideEvento.indRetif = ireRetificacao;
             e.ideEvento.NrRecibo = "1.2.1234567890123456789";
           },
           {"<indRetif>2</indRetif><nrRecibo>1.2.1234567890123456789</nrRecibo><perApur>"},
           {},
           {}},
          {"an empty infoIR",
           veS01_03_00,
           [](TEvtInfoIR& e) { e.ideBenef.infoIR = {}; },
           {"<infoIR></infoIR></ideBenef>"},
           {},
           {}},
          {"five processes",
           veS01_03_00,
           [](TEvtInfoIR& e) {
             for (int i = 0; i < 4; ++i) {
               TInfoProcRetCollectionItem& p = e.ideBenef.infoIR.infoProcRet().New();
               p.nrProcRet = "123456789012345678901";
               p.codSusp = 12345678901234;
             }
           },
           {},
           {},
           {"/infoProcRet(Informações de processos relacionados a não retenção de tributos ou depósitos judiciais.)" +
            kLimite + "4."}},
          {"four complementary deductions",
           veS01_03_00,
           [](TEvtInfoIR& e) {
             for (int i = 0; i < 3; ++i) e.ideBenef.infoIR.infoComplemDed().New();
           },
           {"<infoComplemDed></infoComplemDed>"},
           {},
           {"/infoComplemDed(Informações complementares relativas a deduções do rendimento tributável)" + kLimite +
            "3."}},
      });
}

// The event has no INI reader: what any INI input raises when it cannot be loaded, then that.
TEST(S1220IncomeTaxDeductions, IniInputRaises) {
  const std::string ini = esocialtest::TextoIni(
      {{"evtInfoIR", {{"Id", esocialtest::kIdEvento}}}, {"ideBenef", {{"cpfBenef", "12345678909"}}}});
  const struct {
    std::string texto, erro;
  } casos[] = {
      {ini, "Leitura de INI não disponível para este evento."},
      {"", "String INI informada não é válida."},
      {"/nao/existe.ini", "Arquivo: /nao/existe.ini não encontrado."},
  };
  for (const auto& caso : casos) {
    SCOPED_TRACE(caso.texto);
    esocialtest::TComponente c = esocialtest::NovoComponenteDe<TS1220Collection>(false);
    TEvtInfoIR& e = esocialtest::NovoEvento<TS1220Collection>(c, veS01_03_00);
    EXPECT_EQ(MessageOf([&] { e.LerArqIni(caso.texto); }), caso.erro);
    EXPECT_EQ(e.ideBenef.cpfBenef, "");
    EXPECT_EQ(e.XML(), "");
  }
}
