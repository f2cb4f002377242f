// S-1250, rural production acquisition: acquisitions written from fields and from INI input in
// the attribute form of 2.5, signed and valid against its official schema, indented too; the
// element form of the 2.4 layouts against the document it must be; the lists, their limits and
// the INI reader's own cases.
#include "esocial/events/tables_periodic/s1250_rural_production_acquisition.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "esocial/events/event_ini.h"
#include "event_test_support.h"

using namespace esocial;
using namespace esocial::s1250;
using esocialtest::TComponente;
using esocialtest::TIni;
using platform::EncodeDate;
using ::testing::HasSubstr;
using testsupport::kNoError;

namespace {

constexpr const char* kProcesso = "12345678901234567890";
constexpr std::int64_t kCodSusp = 12345678901234;
constexpr const char* kEstab = "11222333000181";

TNfsItem& Nota(TIdeProdutorItem& prod, const std::string& serie, const std::string& nrDocto) {
  TNfsItem& nfs = prod.Nfs.Add();
  nfs.serie = serie;
  nfs.nrDocto = nrDocto;
  nfs.dtEmisNF = EncodeDate(2024, 3, 5);
  nfs.vlrBruto = 600;
  nfs.vrCPDescPR = 7.2;
  nfs.vrRatDescPR = 0.6;
  nfs.vrSenarDesc = 1.2;
  return nfs;
}

// March 2024: from individual producers, one with two invoices (the second without a series)
// and a process, one without either, under a process of the whole kind; from an entity of the
// food acquisition programme.
void Preencher(TEvtAqProd& e) {
  e.Id = esocialtest::kIdEvento;
  e.IdeEvento.perApur = "2024-03";
  e.IdeEvento.VerProc = "NEMBO 1.0";
  e.IdeEmpregador.NrInsc = esocialtest::kEmpregador;
  TIdeEstabAdquir& estab = e.InfoAquisProd.IdeEstabAdquir;
  estab.tpInscAdq = tiCNPJ;
  estab.nrInscAdq = kEstab;

  TTpAquisItem& pf = estab.TpAquis.Add();
  pf.indAquis = iaAquiProducaoProdutorRuralPessoaFisSegEspGeral;
  pf.vlrTotAquis = 13234.5;
  TIdeProdutorItem& comNotas = pf.IdeProdutor.Add();
  comNotas.tpInscProd = tiCPF;
  comNotas.nrInscProd = "11122233344";
  comNotas.vlrBruto = 1234.5;
  comNotas.vrCPDescPR = 14.81;
  comNotas.vrRatDescPR = 1.23;
  comNotas.vrSenarDesc = 2.47;
  comNotas.IndOpcCP = icpComercializacao;
  Nota(comNotas, "1", "1001");
  Nota(comNotas, "", "1002");
  TInfoProcJudItem& proc = comNotas.InfoProcJud.Add();
  proc.nrProcJud = kProcesso;
  proc.codSusp = kCodSusp;
  proc.vrCPNRet = 10;
  proc.vrRatNRet = 1;
  proc.vrSenarNRet = 2;
  TIdeProdutorItem& semNotas = pf.IdeProdutor.Add();
  semNotas.tpInscProd = tiCPF;
  semNotas.nrInscProd = "98765432100";
  semNotas.vlrBruto = 12000;
  semNotas.IndOpcCP = icpFolhaPagamento;
  TInfoProcJItem& procJ = pf.InfoProcJ.Add();
  procJ.nrProcJud = "00000000000000000007";
  procJ.codSusp = 7;
  procJ.vrCPNRet = 5;

  TTpAquisItem& paa = estab.TpAquis.Add();
  paa.indAquis = iaAquiProducaoProdutorRuralPessoaJurEntPAA;
  paa.vlrTotAquis = 800;
  TIdeProdutorItem& entidade = paa.IdeProdutor.Add();
  entidade.tpInscProd = tiCNPJ;
  entidade.nrInscProd = "11444777000161";
  entidade.vlrBruto = 800;
  entidade.IndOpcCP = icpComercializacao;
}

std::map<std::string, std::string> SecaoNota(const std::string& serie, const std::string& nrDocto) {
  std::map<std::string, std::string> secao = {{"nrDocto", nrDocto},   {"dtEmisNF", "05/03/2024"},
                                              {"vlrBruto", "600"},    {"vrCPDescPR", "7,20"},
                                              {"vrRatDescPR", "0.6"}, {"vrSenarDesc", "1.2"}};
  if (!serie.empty()) secao["serie"] = serie;
  return secao;
}

TIni IniBase() {
  return {
      {"evtAqProd", {{"Id", esocialtest::kIdEvento}}},
      {"ideEvento",
       {{"indRetif", "1"}, {"indApuracao", "1"}, {"perApur", "2024-03"}, {"procEmi", "1"}, {"verProc", "NEMBO 1.0"}}},
      {"ideEmpregador", {{"tpInsc", "1"}, {"nrInsc", esocialtest::kEmpregador}}},
      {"ideEstabAdquir", {{"tpInscAdq", "1"}, {"nrInscAdq", kEstab}}},
      {"tpAquis1", {{"indAquis", "1"}, {"vlrTotAquis", "13234,50"}}},
      {"ideProdutor100001",
       {{"tpInscProd", "2"},
        {"nrInscProd", "11122233344"},
        {"vlrBruto", "1234.5"},
        {"vrCPDescPR", "14,81"},
        {"vrRatDescPR", "1.23"},
        {"vrSenarDesc", "2.47"},
        {"indOpcCP", "1"}}},
      {"nfs1000010001", SecaoNota("1", "1001")},
      {"nfs1000010002", SecaoNota("", "1002")},
      {"infoProcJud10000101",
       {{"nrProcJud", kProcesso},
        {"codSusp", std::to_string(kCodSusp)},
        {"vrCPNRet", "10"},
        {"vrRatNRet", "1"},
        {"vrSenarNRet", "2"}}},
      {"ideProdutor100002",
       {{"tpInscProd", "2"}, {"nrInscProd", "98765432100"}, {"vlrBruto", "12000"}, {"indOpcCP", "2"}}},
      {"infoProcJ101", {{"nrProcJud", "00000000000000000007"}, {"codSusp", "7"}, {"vrCPNRet", "5"}}},
      {"tpAquis2", {{"indAquis", "3"}, {"vlrTotAquis", "800"}}},
      {"ideProdutor200001",
       {{"tpInscProd", "1"}, {"nrInscProd", "11444777000161"}, {"vlrBruto", "800"}, {"indOpcCP", "1"}}},
  };
}

TTpAquisItem& Aquisicao(TEvtAqProd& e, int i = 0) { return e.InfoAquisProd.IdeEstabAdquir.TpAquis.GetItem(i); }
TIdeProdutorItem& Produtor(TEvtAqProd& e) { return Aquisicao(e).IdeProdutor.GetItem(0); }
const TIdeProdutorItem& Produtor(const TEvtAqProd& e, int i, int j) {
  return e.InfoAquisProd.IdeEstabAdquir.TpAquis.GetItem(i).IdeProdutor.GetItem(j);
}

int Contar(const std::string& xml, const std::string& texto) {
  int n = 0;
  for (std::size_t p = xml.find(texto); p != std::string::npos; p = xml.find(texto, p + 1)) ++n;
  return n;
}

const std::string kLimite = "Número de ocorrências maior que o máximo permitido - Máximo ";
const std::string kVazio = "() - Nenhum valor informado";

}  // namespace

TEST(S1250RuralProductionAcquisition, ValidDocuments) {
  const std::vector<esocialtest::TDocumentoValido<TEvtAqProd>> documentos = {
      {"two kinds, producers with and without invoices and processes, processes of a kind",
       [](TEvtAqProd&) {},
       [](TIni&) {},
       {}},
      {"a rectification",
       [](TEvtAqProd& e) {
         e.IdeEvento.indRetif = ireRetificacao;
         e.IdeEvento.NrRecibo = "1.2.0000000000000000001";
       },
       [](TIni& ini) {
         ini["ideEvento"]["indRetif"] = "2";
         ini["ideEvento"]["nrRecibo"] = "1.2.0000000000000000001";
       },
       {}},
  };
  esocialtest::VerificarDocumentosValidos<TS1250Collection>(Preencher, IniBase(), documentos, ve02_05_00);
}

// 2.5 writes each group below the establishment as one element with its values as attributes,
// amounts with two decimals and a point; the groups without children open and close at once.
TEST(S1250RuralProductionAcquisition, AttributeForm) {
  TComponente c = esocialtest::NovoComponenteDe<TS1250Collection>(false);
  TEvtAqProd& e = esocialtest::NovoEvento<TS1250Collection>(c, ve02_05_00);
  Preencher(e);
  const std::string xml = esocialtest::Escrito(e);
  EXPECT_THAT(xml, HasSubstr("<ideEstabAdquir><tpInscAdq>1</tpInscAdq><nrInscAdq>11222333000181</nrInscAdq>"
                             "<tpAquis indAquis=\"1\" vlrTotAquis=\"13234.50\">"
                             "<ideProdutor tpInscProd=\"2\" nrInscProd=\"11122233344\" vlrBruto=\"1234.50\" "
                             "vrCPDescPR=\"14.81\" vrRatDescPR=\"1.23\" vrSenarDesc=\"2.47\" indOpcCP=\"1\">"
                             "<nfs serie=\"1\" nrDocto=\"1001\" dtEmisNF=\"2024-03-05\" vlrBruto=\"600.00\" "
                             "vrCPDescPR=\"7.20\" vrRatDescPR=\"0.60\" vrSenarDesc=\"1.20\"></nfs>"
                             "<nfs nrDocto=\"1002\" dtEmisNF=\"2024-03-05\""));
  EXPECT_THAT(xml, HasSubstr("<infoProcJud nrProcJud=\"12345678901234567890\" codSusp=\"12345678901234\" "
                             "vrCPNRet=\"10.00\" vrRatNRet=\"1.00\" vrSenarNRet=\"2.00\"></infoProcJud></ideProdutor>"
                             "<ideProdutor tpInscProd=\"2\" nrInscProd=\"98765432100\" vlrBruto=\"12000.00\" "
                             "vrCPDescPR=\"0.00\" vrRatDescPR=\"0.00\" vrSenarDesc=\"0.00\" indOpcCP=\"2\">"
                             "</ideProdutor><infoProcJ nrProcJud=\"00000000000000000007\" codSusp=\"7\" "
                             "vrCPNRet=\"5.00\" vrRatNRet=\"0.00\" vrSenarNRet=\"0.00\"></infoProcJ></tpAquis>"
                             "<tpAquis indAquis=\"3\""));
  EXPECT_THAT(e.Gerador().ListaDeAlertas, ::testing::IsEmpty());
}

// Indented, the groups of empty content stay empty: the document is still valid.
TEST(S1250RuralProductionAcquisition, IndentedDocumentIsValid) {
  TComponente c = esocialtest::NovoComponenteDe<TS1250Collection>();
  esocialtest::UsarLeiaute(c, ve02_05_00);
  c.eSocial->Configuracoes().Geral->SetIdentarXML(true);
  TEvtAqProd& e = esocialtest::NovoEvento<TS1250Collection>(c, ve02_05_00);
  Preencher(e);
  const std::string xml = esocialtest::Escrito(e);
  EXPECT_THAT(xml, HasSubstr("vrSenarNRet=\"0.00\"></infoProcJ>\r\n"));
  EXPECT_THAT(xml, HasSubstr("indOpcCP=\"2\"></ideProdutor>\r\n"));
  EXPECT_EQ(testsupport::MessageOf([&] { e.SetXML(xml); }), kNoError);
}

// The 2.4 layouts write child elements, without the producer's option and the processes of a
// kind, whatever the data hold. No schema of theirs is at hand: the document is compared whole.
TEST(S1250RuralProductionAcquisition, ElementFormOfThe24Layouts) {
  const std::string corpo =
      "<ideEvento><indRetif>1</indRetif><indApuracao>1</indApuracao><perApur>2024-03</perApur><tpAmb>2</tpAmb>"
      "<procEmi>1</procEmi><verProc>NEMBO 1.0</verProc></ideEvento>"
      "<ideEmpregador><tpInsc>1</tpInsc><nrInsc>12345678</nrInsc></ideEmpregador>"
      "<infoAquisProd><ideEstabAdquir><tpInscAdq>1</tpInscAdq><nrInscAdq>11222333000181</nrInscAdq>"
      "<tpAquis><indAquis>1</indAquis><vlrTotAquis>13234.50</vlrTotAquis>"
      "<ideProdutor><tpInscProd>2</tpInscProd><nrInscProd>11122233344</nrInscProd><vlrBruto>1234.50</vlrBruto>"
      "<vrCPDescPR>14.81</vrCPDescPR><vrRatDescPR>1.23</vrRatDescPR><vrSenarDesc>2.47</vrSenarDesc>"
      "<nfs><serie>1</serie><nrDocto>1001</nrDocto><dtEmisNF>2024-03-05</dtEmisNF><vlrBruto>600.00</vlrBruto>"
      "<vrCPDescPR>7.20</vrCPDescPR><vrRatDescPR>0.60</vrRatDescPR><vrSenarDesc>1.20</vrSenarDesc></nfs>"
      "<nfs><nrDocto>1002</nrDocto><dtEmisNF>2024-03-05</dtEmisNF><vlrBruto>600.00</vlrBruto>"
      "<vrCPDescPR>7.20</vrCPDescPR><vrRatDescPR>0.60</vrRatDescPR><vrSenarDesc>1.20</vrSenarDesc></nfs>"
      "<infoProcJud><nrProcJud>12345678901234567890</nrProcJud><codSusp>12345678901234</codSusp>"
      "<vrCPNRet>10.00</vrCPNRet><vrRatNRet>1.00</vrRatNRet><vrSenarNRet>2.00</vrSenarNRet></infoProcJud>"
      "</ideProdutor>"
      "<ideProdutor><tpInscProd>2</tpInscProd><nrInscProd>98765432100</nrInscProd><vlrBruto>12000.00</vlrBruto>"
      "<vrCPDescPR>0.00</vrCPDescPR><vrRatDescPR>0.00</vrRatDescPR><vrSenarDesc>0.00</vrSenarDesc></ideProdutor>"
      "</tpAquis>"
      "<tpAquis><indAquis>3</indAquis><vlrTotAquis>800.00</vlrTotAquis>"
      "<ideProdutor><tpInscProd>1</tpInscProd><nrInscProd>11444777000161</nrInscProd><vlrBruto>800.00</vlrBruto>"
      "<vrCPDescPR>0.00</vrCPDescPR><vrRatDescPR>0.00</vrRatDescPR><vrSenarDesc>0.00</vrSenarDesc></ideProdutor>"
      "</tpAquis></ideEstabAdquir></infoAquisProd>";
  for (TVersaoeSocial versao : {ve02_04_01, ve02_04_02}) {
    SCOPED_TRACE(VersaoeSocialToStr(versao));
    TComponente c = esocialtest::NovoComponenteDe<TS1250Collection>(false);
    TEvtAqProd& e = esocialtest::NovoEvento<TS1250Collection>(c, versao);
    Preencher(e);
    EXPECT_EQ(esocialtest::Escrito(e),
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?><eSocial xmlns=\"http://www.esocial.gov.br/schema/evt/"
              "evtAqProd/" +
                  VersaoeSocialToStr(versao) + "\"><evtAqProd Id=\"" + esocialtest::kIdEvento + "\">" + corpo +
                  "</evtAqProd></eSocial>");
    EXPECT_THAT(e.Gerador().ListaDeAlertas, ::testing::IsEmpty());
  }
}

// What the event's design got wrong, one row each: a date nobody gave, an option nobody chose,
// the required establishment number, the layout's list maxima; and the lists the layout
// requires.
TEST(S1250RuralProductionAcquisition, ValuesAndLists) {
  const auto processos = [](int n) {
    return [n](TEvtAqProd& e) {
      while (Aquisicao(e).InfoProcJ.Count() < n) Aquisicao(e).InfoProcJ.Add() = Aquisicao(e).InfoProcJ.GetItem(0);
    };
  };
  const auto aquisicoes = [](int n) {
    return [n](TEvtAqProd& e) {
      TTpAquisColecao& tipos = e.InfoAquisProd.IdeEstabAdquir.TpAquis;
      while (tipos.Count() < n) {
        TIdeProdutorItem& prod = tipos.Add().IdeProdutor.Add();
        prod.nrInscProd = "98765432100";
        prod.IndOpcCP = icpComercializacao;
      }
    };
  };
  esocialtest::VerificarCasosLeiaute<TS1250Collection>(
      Preencher, {
                     {"an unset invoice date goes out empty with its alert, never as 1899-12-30",
                      ve02_05_00,
                      [](TEvtAqProd& e) { Produtor(e).Nfs.GetItem(0).dtEmisNF = 0; },
                      {"nrDocto=\"1001\" dtEmisNF=\"\" vlrBruto="},
                      {"1899"},
                      {"dtEmisNF" + kVazio}},
                     {"the same date in element form",
                      ve02_04_02,
                      [](TEvtAqProd& e) { Produtor(e).Nfs.GetItem(0).dtEmisNF = 0; },
                      {"<nrDocto>1001</nrDocto><dtEmisNF/>"},
                      {"1899"},
                      {"dtEmisNF" + kVazio}},
                     {"an option not chosen goes out empty with its alert",
                      ve02_05_00,
                      [](TEvtAqProd& e) { Produtor(e).IndOpcCP = icpNenhum; },
                      {"vrSenarDesc=\"2.47\" indOpcCP=\"\">"},
                      {},
                      {"indOpcCP" + kVazio}},
                     {"the establishment's number is required",
                      ve02_05_00,
                      [](TEvtAqProd& e) { e.InfoAquisProd.IdeEstabAdquir.nrInscAdq.clear(); },
                      {"<tpInscAdq>1</tpInscAdq><nrInscAdq/>"},
                      {},
                      {"nrInscAdq" + kVazio}},
                     {"six kinds of acquisition", ve02_05_00, aquisicoes(6), {}, {}, {}},
                     {"seven kinds of acquisition",
                      ve02_05_00,
                      aquisicoes(7),
                      {},
                      {},
                      {"tpAquis(Lista de Aquisições) - " + kLimite + "6."}},
                     {"twenty processes of a kind", ve02_05_00, processos(20), {}, {}, {}},
                     {"twenty-one processes of a kind",
                      ve02_05_00,
                      processos(21),
                      {},
                      {},
                      {"infoProcJ(Lista de Processos Judiciais) - " + kLimite + "20."}},
                     {"eleven processes of a producer",
                      ve02_05_00,
                      [](TEvtAqProd& e) {
                        while (Produtor(e).InfoProcJud.Count() < 11)
                          Produtor(e).InfoProcJud.Add() = Produtor(e).InfoProcJud.GetItem(0);
                      },
                      {},
                      {},
                      {"infoProcJud(Lista de Processos Judiciais) - " + kLimite + "10."}},
                     {"no kind of acquisition: the establishment is written, with the list's alert",
                      ve02_05_00,
                      [](TEvtAqProd& e) { e.InfoAquisProd.IdeEstabAdquir.TpAquis.Clear(); },
                      {"<nrInscAdq>11222333000181</nrInscAdq></ideEstabAdquir>"},
                      {},
                      {"tpAquis(Lista de Aquisições) - Nenhum valor informado"}},
                     {"a kind without producers, with the list's alert",
                      ve02_05_00,
                      [](TEvtAqProd& e) { Aquisicao(e, 1).IdeProdutor.Clear(); },
                      {"<tpAquis indAquis=\"3\" vlrTotAquis=\"800.00\"></tpAquis>"},
                      {},
                      {"ideProdutor(Lista de Produtores) - Nenhum valor informado"}},
                 });
}

TEST(S1250RuralProductionAcquisition, IniCases) {
  esocialtest::VerificarCasosIni<TS1250Collection>(
      IniBase(),
      {
          {"an invoice without a series, and the ones after it, are read",
           [](TIni& ini) {
             ini["nfs1000010001"].erase("serie");
             ini["nfs1000010003"] = SecaoNota("3", "1003");
           },
           kNoError,
           [](const TEvtAqProd& e) {
             EXPECT_EQ(Contar(e.XML(), "<nfs "), 3);
             EXPECT_THAT(e.XML(), HasSubstr("<nfs nrDocto=\"1001\""));
             EXPECT_THAT(e.XML(), HasSubstr("<nfs serie=\"3\" nrDocto=\"1003\""));
           }},
          {"an invoice whose number reads FIM ends the list",
           [](TIni& ini) { ini["nfs1000010002"]["nrDocto"] = "FIM"; }, kNoError,
           [](const TEvtAqProd& e) { EXPECT_EQ(Produtor(e, 0, 0).Nfs.Count(), 1); }},
          {"an option left out is not informed, and the schema names it",
           [](TIni& ini) { ini["ideProdutor100001"].erase("indOpcCP"); }, "indOpcCP",
           [](const TEvtAqProd& e) { EXPECT_EQ(Produtor(e, 0, 0).IndOpcCP, icpNenhum); }},
          {"an invoice date left out: the schema names it", [](TIni& ini) { ini["nfs1000010002"].erase("dtEmisNF"); },
           "dtEmisNF", [](const TEvtAqProd& e) { EXPECT_EQ(Produtor(e, 0, 0).Nfs.GetItem(1).dtEmisNF, 0); }},
          {"the establishment's number left out: the schema names it",
           [](TIni& ini) { ini["ideEstabAdquir"].erase("nrInscAdq"); }, "nrInscAdq", [](const TEvtAqProd&) {}},
          {"twenty processes of a kind are read",
           [](TIni& ini) {
             for (int k = 2; k <= 20; ++k) ini[TLeitorIniEvento::NomeSecao("infoProcJ1", k, 2)] = ini["infoProcJ101"];
           },
           kNoError,
           [](const TEvtAqProd& e) {
             EXPECT_EQ(e.InfoAquisProd.IdeEstabAdquir.TpAquis.GetItem(0).InfoProcJ.Count(), 20);
           }},
          {"the second kind's producers come from its own sections", [](TIni&) {}, kNoError,
           [](const TEvtAqProd& e) {
             EXPECT_EQ(Produtor(e, 1, 0).nrInscProd, "11444777000161");
             EXPECT_EQ(Produtor(e, 0, 0).InfoProcJud.GetItem(0).codSusp, kCodSusp);
           }},
          {"a section tpAquis1 without indAquis gives no acquisition",
           [](TIni& ini) { ini["tpAquis1"].erase("indAquis"); }, "tpAquis",
           [](const TEvtAqProd& e) { EXPECT_EQ(e.InfoAquisProd.IdeEstabAdquir.TpAquis.Count(), 0); }},
          {"an option outside its list raises", [](TIni& ini) { ini["ideProdutor100002"]["indOpcCP"] = "3"; },
           "INI: valor inválido em [ideProdutor100002] indOpcCP: \"3\"",
           [](const TEvtAqProd& e) { EXPECT_EQ(e.XML(), ""); }},
          {"a kind of acquisition outside its list raises", [](TIni& ini) { ini["tpAquis2"]["indAquis"] = "7"; },
           "INI: valor inválido em [tpAquis2] indAquis: \"7\"", [](const TEvtAqProd&) {}},
          {"a suspension code that is no whole number raises", [](TIni& ini) { ini["infoProcJ101"]["codSusp"] = "7a"; },
           "INI: valor inválido em [infoProcJ101] codSusp: \"7a\"", [](const TEvtAqProd&) {}},
          {"a date that is none raises", [](TIni& ini) { ini["nfs1000010001"]["dtEmisNF"] = "31/02/2024"; },
           "31/02/2024", [](const TEvtAqProd&) {}},
      },
      ve02_05_00);
}
