// S-1260, rural production commercialisation: an individual employer's sales written from
// fields and from INI input, signed and valid against the official schema; the layout branch of
// the event identification; the lists, their limits and the INI reader's own cases.
#include "esocial/events/tables_periodic/s1260_rural_production_sale.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "event_test_support.h"

using namespace esocial;
using namespace esocial::s1260;
using esocialtest::TIni;
using platform::EncodeDate;
using ::testing::AllOf;
using ::testing::HasSubstr;
using ::testing::Not;
using testsupport::kNoError;

// The employer of this event is a person.
template <>
inline constexpr TEmpregador esocialtest::kTipoEmpregador<TS1260Collection> = tePessoaFisica;

namespace {

// The Id of a CPF employer's event.
constexpr const char* kId = "ID2123456789090002023031012000000001";
constexpr const char* kProcesso = "12345678901234567890";
constexpr std::int64_t kCodSusp = 12345678901234;

TNfsItem& Nota(TIdeAdquirItem& adquir, const std::string& serie, const std::string& nrDocto) {
  TNfsItem& nfs = adquir.nfs().Add();
  nfs.serie = serie;
  nfs.nrDocto = nrDocto;
  nfs.dtEmisNF = EncodeDate(2024, 3, 5);
  nfs.vlrBruto = 6000;
  nfs.vrCPDescPR = 72;
  nfs.vrRatDescPR = 6;
  nfs.vrSenarDesc = 12;
  return nfs;
}

// March 2024: sales to a company (two invoices, the second without a series) and to a person,
// under a judicial process; sales to an entity of the food acquisition programme.
void Preencher(TEvtComProd& e) {
  e.Id = kId;
  e.IdeEvento.perApur = "2024-03";
  e.IdeEvento.VerProc = "NEMBO 1.0";
  e.IdeEmpregador.TpInsc = tiCPF;
  e.IdeEmpregador.NrInsc = esocialtest::kEmpregadorPessoaFisica;
  TIdeEstabel& estab = e.InfoComProd.IdeEstabel;
  estab.nrInscEstabRural = "12345678901234";

  TTpComercItem& pj = estab.TpComerc.Add();
  pj.indComerc = icComProdPorProdRuralPFSegEspVendasPJOuIntermPF;
  pj.vrTotCom = 15000;
  TIdeAdquirItem& empresa = pj.IdeAdquir.Add();
  empresa.tpInsc = tiCNPJ;
  empresa.nrInsc = "98765432000198";
  empresa.vrComerc = 12000;
  Nota(empresa, "1", "1001");
  Nota(empresa, "", "1002");
  TIdeAdquirItem& pessoa = pj.IdeAdquir.Add();
  pessoa.tpInsc = tiCPF;
  pessoa.nrInsc = "11122233344";
  pessoa.vrComerc = 3000;
  TInfoProcJudItem& proc = pj.InfoProcJud.Add();
  proc.tpProc = tpJudicial;
  proc.nrProcJud = kProcesso;
  proc.codSusp = kCodSusp;
  proc.vrCPSusp = 180.5;

  TTpComercItem& paa = estab.TpComerc.Add();
  paa.indComerc = icComProdPorPFSegEspEntProgAquiAliPAA;
  paa.vrTotCom = 800;
  TIdeAdquirItem& entidade = paa.IdeAdquir.Add();
  entidade.tpInsc = tiCNPJ;
  entidade.nrInsc = "11222333000181";
  entidade.vrComerc = 800;
  TInfoProcJudItem& adm = paa.InfoProcJud.Add();
  adm.tpProc = tpAdministrativo;
  adm.nrProcJud = "12345678901234567";
  adm.codSusp = 7;
  adm.vrRatSusp = 4;
  adm.vrSenarSusp = 1.6;
}

std::map<std::string, std::string> SecaoNota(const std::string& serie, const std::string& nrDocto) {
  std::map<std::string, std::string> secao = {{"nrDocto", nrDocto},    {"dtEmisNF", "05/03/2024"},
                                              {"vlrBruto", "6000"},    {"vrCPDescPR", "72,00"},
                                              {"vrRatDescPR", "6.00"}, {"vrSenarDesc", "12"}};
  if (!serie.empty()) secao["serie"] = serie;
  return secao;
}

TIni IniBase() {
  return {
      {"evtComProd", {{"Id", kId}}},
      {"ideEvento", {{"indRetif", "1"}, {"perApur", "2024-03"}, {"procEmi", "1"}, {"verProc", "NEMBO 1.0"}}},
      {"ideEmpregador", {{"tpInsc", "2"}, {"nrInsc", esocialtest::kEmpregadorPessoaFisica}}},
      {"ideEstabel", {{"nrInscEstabRural", "12345678901234"}}},
      {"tpComerc1", {{"indComerc", "3"}, {"vrTotCom", "15000,00"}}},
      {"ideAdquir10001", {{"tpInsc", "1"}, {"nrInsc", "98765432000198"}, {"vrComerc", "12000"}}},
      {"nfs10001001", SecaoNota("1", "1001")},
      {"nfs10001002", SecaoNota("", "1002")},
      {"ideAdquir10002", {{"tpInsc", "2"}, {"nrInsc", "11122233344"}, {"vrComerc", "3000"}}},
      {"infoProcJud101",
       {{"tpProc", "2"}, {"nrProc", kProcesso}, {"codSusp", std::to_string(kCodSusp)}, {"vrCPSusp", "180.50"}}},
      {"tpComerc2", {{"indComerc", "8"}, {"vrTotCom", "800"}}},
      {"ideAdquir20001", {{"tpInsc", "1"}, {"nrInsc", "11222333000181"}, {"vrComerc", "800"}}},
      {"infoProcJud201",
       {{"tpProc", "1"},
        {"nrProc", "12345678901234567"},
        {"codSusp", "7"},
        {"vrRatSusp", "4"},
        {"vrSenarSusp", "1.6"}}},
  };
}

TTpComercItem& Vendas(TEvtComProd& e) { return e.InfoComProd.IdeEstabel.TpComerc.GetItem(0); }
TIdeAdquirItem& Empresa(TEvtComProd& e) { return Vendas(e).IdeAdquir.GetItem(0); }
// The number of invoices in a document.
int ContarNotas(const std::string& xml) {
  int n = 0;
  for (std::size_t p = xml.find("<nfs>"); p != std::string::npos; p = xml.find("<nfs>", p + 1)) ++n;
  return n;
}

const std::string kLimite = "Número de ocorrências maior que o máximo permitido - Máximo ";

}  // namespace

TEST(S1260RuralProductionSale, ValidDocuments) {
  esocialtest::VerificarDocumentosValidos<TS1260Collection>(
      Preencher, IniBase(),
      {
          {"two kinds of sale, buyers with and without invoices, processes", [](TEvtComProd&) {}, [](TIni&) {}, {}},
          {"a rectification with the guide indicator, the employer's kind left to the INI default",
           [](TEvtComProd& e) {
             e.IdeEvento.indRetif = ireRetificacao;
             e.IdeEvento.NrRecibo = "1.2.0000000000000000001";
             e.IdeEvento.indGuia = "1";
           },
           [](TIni& ini) {
             ini["ideEvento"]["indRetif"] = "2";
             ini["ideEvento"]["nrRecibo"] = "1.2.0000000000000000001";
             ini["ideEvento"]["indGuia"] = "1";
             ini["ideEmpregador"].erase("tpInsc");
           },
           {}},
      });
}

// 2.5 identifies the period by indApuracao and has no guide; the S-1 layouts the reverse.
TEST(S1260RuralProductionSale, EventIdentificationByLayout) {
  const auto preencher = [](TEvtComProd& e) {
    Preencher(e);
    e.IdeEvento.indGuia = "1";
  };
  EXPECT_THAT(esocialtest::VerificarValidoNoLeiaute<TS1260Collection>(ve02_05_00, preencher),
              AllOf(HasSubstr("<indRetif>1</indRetif><indApuracao>1</indApuracao><perApur>2024-03</perApur><tpAmb>"),
                    HasSubstr("<ideEmpregador><tpInsc>2</tpInsc><nrInsc>12345678909</nrInsc></ideEmpregador>")));
  EXPECT_THAT(esocialtest::VerificarValidoNoLeiaute<TS1260Collection>(veS01_00_00, preencher),
              AllOf(HasSubstr("<indRetif>1</indRetif><perApur>2024-03</perApur><indGuia>1</indGuia><tpAmb>"),
                    Not(HasSubstr("indApuracao"))));
}

TEST(S1260RuralProductionSale, ListsAndTheirLimits) {
  const std::string semNotas = "<vrComerc>3000.00</vrComerc></ideAdquir>";
  esocialtest::VerificarCasosLeiaute<TS1260Collection>(
      Preencher,
      {
          {"the invoices in element form, the one without a series without the element",
           veS01_03_00,
           [](TEvtComProd&) {},
           {"<nfs><serie>1</serie><nrDocto>1001</nrDocto><dtEmisNF>2024-03-05</dtEmisNF><vlrBruto>6000.00</vlrBruto>"
            "<vrCPDescPR>72.00</vrCPDescPR><vrRatDescPR>6.00</vrRatDescPR><vrSenarDesc>12.00</vrSenarDesc></nfs>",
            "<nfs><nrDocto>1002</nrDocto>", semNotas},
           {"<nfs "},
           {}},
          {"in element form under 2.5 too", ve02_05_00, [](TEvtComProd&) {}, {"<nfs><serie>1</serie>"}, {"<nfs "}, {}},
          {"an invoice list made but empty writes none",
           veS01_03_00,
           [](TEvtComProd& e) { Vendas(e).IdeAdquir.GetItem(1).nfs(); },
           {semNotas},
           {},
           {}},
          {"a process without suspended amounts",
           veS01_03_00,
           [](TEvtComProd& e) { Vendas(e).InfoProcJud.GetItem(0).vrCPSusp = 0; },
           {"<infoProcJud><tpProc>2</tpProc><nrProc>12345678901234567890</nrProc><codSusp>12345678901234</codSusp>"
            "</infoProcJud>"},
           {},
           {}},
          {"six kinds of sale",
           veS01_03_00,
           [](TEvtComProd& e) {
             while (e.InfoComProd.IdeEstabel.TpComerc.Count() < 6) e.InfoComProd.IdeEstabel.TpComerc.Add().vrTotCom = 1;
           },
           {},
           {},
           {"tpComerc(Lista de Comercialização) - " + kLimite + "5."}},
          {"eleven processes",
           veS01_03_00,
           [](TEvtComProd& e) {
             while (Vendas(e).InfoProcJud.Count() < 11) Vendas(e).InfoProcJud.Add() = Vendas(e).InfoProcJud.GetItem(0);
           },
           {},
           {},
           {"infoProcJud(Lista de Informações de Processos) - " + kLimite + "10."}},
      });
}

// What the event's design got wrong about invoices and processes, one row each.
TEST(S1260RuralProductionSale, InvoicesAndProcesses) {
  esocialtest::VerificarCasosLeiaute<TS1260Collection>(
      Preencher, {
                     {"a suspension code of 14 digits is written whole",
                      veS01_03_00,
                      [](TEvtComProd& e) { Vendas(e).InfoProcJud.GetItem(0).codSusp = 99999999999999; },
                      {"<codSusp>99999999999999</codSusp>"},
                      {},
                      {}},
                     {"999 invoices of one buyer raise no alert",
                      veS01_03_00,
                      [](TEvtComProd& e) {
                        while (Empresa(e).nfs().Count() < 999) Nota(Empresa(e), "", "9");
                      },
                      {},
                      {},
                      {}},
                     {"1000 invoices raise the alert of the layout's maximum",
                      veS01_03_00,
                      [](TEvtComProd& e) {
                        while (Empresa(e).nfs().Count() < 1000) Nota(Empresa(e), "", "9");
                      },
                      {},
                      {},
                      {"nfs(Lista de Notas Fiscais) - " + kLimite + "999."}},
                 });
  esocialtest::VerificarCasosIni<TS1260Collection>(
      IniBase(), {
                     {"an invoice without a series and the ones after it are read",
                      [](TIni& ini) {
                        ini["nfs10001001"].erase("serie");
                        ini["nfs10001002"]["serie"] = "2";
                        ini["nfs10001003"] = SecaoNota("3", "1003");
                      },
                      kNoError,
                      [](const TEvtComProd& e) {
                        EXPECT_EQ(ContarNotas(e.XML()), 3);
                        EXPECT_THAT(e.XML(), HasSubstr("<nfs><nrDocto>1001</nrDocto>"));
                        EXPECT_THAT(e.XML(), HasSubstr("<nfs><serie>3</serie><nrDocto>1003</nrDocto>"));
                      }},
                     {"a suspension code of 14 digits", [](TIni&) {}, kNoError,
                      [](const TEvtComProd& e) {
                        EXPECT_EQ(e.InfoComProd.IdeEstabel.TpComerc.GetItem(0).InfoProcJud.GetItem(0).codSusp,
                                  kCodSusp);
                      }},
                 });
}

TEST(S1260RuralProductionSale, IniCases) {
  esocialtest::VerificarCasosIni<TS1260Collection>(
      IniBase(),
      {
          {"the second kind's buyers and processes come from its own sections", [](TIni&) {}, kNoError,
           [](const TEvtComProd& e) {
             const TTpComercItem& paa = e.InfoComProd.IdeEstabel.TpComerc.GetItem(1);
             EXPECT_EQ(paa.IdeAdquir.Count(), 1);
             EXPECT_FALSE(paa.IdeAdquir.GetItem(0).nfsInst());
             EXPECT_EQ(paa.InfoProcJud.GetItem(0).tpProc, tpAdministrativo);
             EXPECT_DOUBLE_EQ(paa.InfoProcJud.GetItem(0).vrSenarSusp, 1.6);
           }},
          {"an invoice whose number reads FIM ends the list", [](TIni& ini) { ini["nfs10001002"]["nrDocto"] = "FIM"; },
           kNoError, [](const TEvtComProd& e) { EXPECT_EQ(ContarNotas(e.XML()), 1); }},
          {"a kind of sale outside the list raises", [](TIni& ini) { ini["tpComerc2"]["indComerc"] = "5"; },
           "INI: valor inválido em [tpComerc2] indComerc: \"5\"", [](const TEvtComProd& e) { EXPECT_EQ(e.XML(), ""); }},
          {"a buyer's kind of inscription outside the list raises",
           [](TIni& ini) { ini["ideAdquir10002"]["tpInsc"] = "CPF"; },
           "INI: valor inválido em [ideAdquir10002] tpInsc: \"CPF\"", [](const TEvtComProd&) {}},
          {"a suspension code that is no whole number raises",
           [](TIni& ini) { ini["infoProcJud101"]["codSusp"] = "12a"; },
           "INI: valor inválido em [infoProcJud101] codSusp: \"12a\"", [](const TEvtComProd&) {}},
          {"a date that is none raises", [](TIni& ini) { ini["nfs10001001"]["dtEmisNF"] = "31/02/2024"; }, "31/02/2024",
           [](const TEvtComProd&) {}},
      });
}
