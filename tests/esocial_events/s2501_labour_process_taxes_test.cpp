// S-2501, taxes of a labour process: documents written from fields and from INI input in the
// attribute form, signed and valid against the schema of each layout; the layout branches, the
// items worth writing and the list limits of the writer; the INI reader's own cases.
#include "esocial/events/non_periodic/s2501_labour_process_taxes.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "event_test_support.h"

using namespace esocial;
using namespace esocial::s2501;
using esocialtest::TIni;
using platform::EncodeDate;
using ::testing::HasSubstr;

namespace {

// One worker with contributions over two months, a withholding with its income details,
// deductions, alimony and a suspended withholding, an accumulated income with its costs and
// lawyers (one paid nothing), and a dependant not registered elsewhere; a second worker with
// contributions only.
void Preencher(TEvtContProc& e) {
  e.Id = esocialtest::kIdEvento;
  e.ideEvento.VerProc = "NEMBO 1.0";
  e.ideEmpregador.NrInsc = esocialtest::kEmpregador;
  e.ideProc = {"00012345620245020001", "2024-03", 1, "Acordo & custas"};
  TIdeTrabCollectionItem& maria = e.ideTrab.New();
  maria.cpfTrab = "12345678909";
  TCalcTribCollectionItem& outubro = maria.calcTrib().New();
  outubro.perRef = "2023-10";
  outubro.vrBcCpMensal = 2500;
  outubro.infoCRContrib().New() = {"113851", 275};
  outubro.infoCRContrib().New() = {"164651", 50};
  TCalcTribCollectionItem& novembro = maria.calcTrib().New();
  novembro.perRef = "2023-11";
  novembro.vrBcCpMensal = 1200.5;
  novembro.vrBcCp13 = 2291.67;
  novembro.infoCRContrib().New() = {"113851", 1234.5};

  TInfoCRIRRFCollectionItem& mensal = maria.infoCRIRRF().New();
  mensal.tpCR = "593656";
  mensal.vrCR = 512.3;
  mensal.vrCR13 = 45.9;
  TinfoIRCollectionItem& ir = mensal.infoIR().New();
  ir.vrRendTrib = 3700.5;
  ir.vrRendTrib13 = 2291.67;
  ir.vrJurosMora13 = 10;
  ir.vrRendIsenNTrib = 100;
  ir.descIsenNTrib = "Indenização \"FGTS\" & <multa>";
  ir.vrPrevOficial = 300;
  ir.vrPrevOficial13 = 40;
  ir.rendIsen0561.vlrDiarias = 50;
  mensal.dedDepen().New() = {11, "98765432100", 189.59};
  mensal.penAlim().New() = {11, "11122233344", 300};
  TinfoProcRetCollectionItem& proc = mensal.infoProcRet().New();
  proc.tpProcRet = tpprJudicial;
  proc.nrProcRet = "12345678901234567890";
  proc.codSusp = "123";
  TinfoValoresCollectionItem& valores = proc.infoValores().New();
  valores.indApuracao = iapuMensal;
  valores.vlrNRetido = 100;
  TdedSuspCollectionItem& ded = valores.dedSusp().New();
  ded.indTpDeducao = tpdtDependentes;
  ded.vlrDedSusp = 189.59;
  ded.benefPen().New() = {"98765432100", 189.59};

  TInfoCRIRRFCollectionItem& rra = maria.infoCRIRRF().New();
  rra.tpCR = "188951";
  rra.vrCR = 80;
  TInfoRRA& infoRRA = rra.infoRRA();
  infoRRA.descRRA = "Diferenças salariais";
  infoRRA.qtdMesesRRA = 12.5;
  infoRRA.despProcJud() = {100, 1500};
  infoRRA.ideAdv().New() = {tiCNPJ, "11222333000181", 1500};
  infoRRA.ideAdv().New() = {tiCPF, "55566677788", 0};

  TinfoIRComplem& complem = maria.infoIRComplem();
  complem.dtLaudo = EncodeDate(2023, 5, 2);
  complem.infoDep().New() = {"98765432100", EncodeDate(2015, 8, 20), "José Conceição", snfSim, tdFilhoOuEnteado, ""};

  TIdeTrabCollectionItem& joao = e.ideTrab.New();
  joao.cpfTrab = "98765432100";
  TCalcTribCollectionItem& joaoOutubro = joao.calcTrib().New();
  joaoOutubro.perRef = "2023-10";
  joaoOutubro.vrBcCpMensal = 1000;
}

TIni IniBase() {
  return {
      {"evtContProc", {{"Id", esocialtest::kIdEvento}}},
      {"ideEvento", {{"indRetif", "1"}, {"procEmi", "1"}, {"verProc", "NEMBO 1.0"}}},
      {"ideEmpregador", {{"tpInsc", "1"}, {"nrInsc", esocialtest::kEmpregador}}},
      {"ideProc",
       {{"nrProcTrab", "00012345620245020001"},
        {"perApurPgto", "2024-03"},
        {"ideSeqProc", "1"},
        {"obs", "Acordo & custas"}}},
      {"ideTrab0001", {{"cpfTrab", "12345678909"}}},
      {"calcTrib0001001", {{"perRef", "2023-10"}, {"vrBcCpMensal", "2500"}}},
      {"infoCRContrib000100101", {{"tpCR", "113851"}, {"vrCR", "275"}}},
      {"infoCRContrib000100102", {{"tpCR", "164651"}, {"vrCR", "50,00"}}},
      {"calcTrib0001002", {{"perRef", "2023-11"}, {"vrBcCpMensal", "1200.5"}, {"vrBcCp13", "2291,67"}}},
      {"infoCRContrib000100201", {{"tpCR", "113851"}, {"vrCR", "1234.5"}}},
      {"infoCRIRRF000101", {{"tpCR", "593656"}, {"vrCR", "512.30"}, {"vrCR13", "45.9"}}},
      {"infoIR0001011",
       {{"vrRendTrib", "3700.5"},
        {"vrRendTrib13", "2291.67"},
        {"vrJurosMora13", "10"},
        {"vrRendIsenNTrib", "100"},
        {"descIsenNTrib", "Indenização \"FGTS\" & <multa>"},
        {"vrPrevOficial", "300"},
        {"vrPrevOficial13", "40"}}},
      {"rendISen05610001011", {{"vlrDiarias", "50"}}},
      {"dedDepen000101001", {{"tpRend", "11"}, {"cpfDep", "98765432100"}, {"vlrDeducao", "189.59"}}},
      {"penAlim00010101", {{"tpRend", "11"}, {"cpfDep", "11122233344"}, {"vlrPensao", "300"}}},
      {"infoProcRet00010101", {{"tpProcRet", "2"}, {"nrProcRet", "12345678901234567890"}, {"codSusp", "123"}}},
      {"infoValores000101011", {{"indApuracao", "1"}, {"vlrNRetido", "100"}}},
      {"dedSusp00010101101", {{"indTpDeducao", "7"}, {"vlrDedSusp", "189.59"}}},
      {"benefPen0001010110101", {{"cpfDep", "98765432100"}, {"vlrDepenSusp", "189.59"}}},
      {"infoCRIRRF000102", {{"tpCR", "188951"}, {"vrCR", "80"}}},
      {"infoRRA000102",
       {{"tpProcRRA", "2"},
        {"descRRA", "Diferenças salariais"},
        {"qtdMesesRRA", "12,5"},
        {"vlrDespCustas", "100"},
        {"vlrDespAdvogados", "1500"}}},
      {"ideAdv00010201", {{"tpInsc", "1"}, {"nrInsc", "11222333000181"}, {"vlrAdv", "1500"}}},
      {"ideAdv00010202", {{"tpInsc", "2"}, {"nrInsc", "55566677788"}}},
      {"infoIRComplem0001", {{"dtLaudo", "02/05/2023"}}},
      {"infoDep0001001",
       {{"cpfDep", "98765432100"},
        {"dtNascto", "20/08/2015"},
        {"nome", "José Conceição"},
        {"depIRRF", "S"},
        {"tpDep", "03"}}},
      {"ideTrab0002", {{"cpfTrab", "98765432100"}}},
      {"calcTrib0002001", {{"perRef", "2023-10"}, {"vrBcCpMensal", "1000"}}},
  };
}

// What S-1.01 knows of the withholdings: their codes and positive values, no details; the
// bases of income tax per month.
void LeiauteS11(TEvtContProc& e) {
  TIdeTrabCollectionItem& maria = e.ideTrab.GetItem(0);
  maria.calcTrib().GetItem(0).vrRendIRRF = 2500;
  maria.calcTrib().GetItem(1).vrRendIRRF13 = 2291.67;
  e.ideTrab.GetItem(1).calcTrib().GetItem(0).vrRendIRRF = 1000;
}

void IniS11(TIni& ini) {
  ini["calcTrib0001001"]["vrRendIRRF"] = "2500";
  ini["calcTrib0001002"]["vrRendIRRF13"] = "2291.67";
  ini["calcTrib0002001"]["vrRendIRRF"] = "1000";
}

const std::string kLimite = " - Número de ocorrências maior que o máximo permitido - Máximo ";

// The tests look into the lists of an event they only read.
TIdeTrabCollectionItem& Trabalhador(const TEvtContProc& e, int i) { return e.ideTrab.GetItem(i); }
TInfoCRIRRFCollectionItem& Retencao(const TEvtContProc& e, int i) { return Trabalhador(e, 0).infoCRIRRF().GetItem(i); }

}  // namespace

TEST(S2501LabourProcessTaxes, ValidDocuments) {
  esocialtest::VerificarDocumentosValidos<TS2501Collection>(
      Preencher, IniBase(),
      {
          {"contributions, income tax with dependants and accumulated income", [](TEvtContProc&) {}, [](TIni&) {}, {}},
          {"a report's date without dependants; income of S-1.03 values alone",
           [](TEvtContProc& e) {
             e.ideTrab.GetItem(0).infoIRComplem().infoDep().Clear();
             Retencao(e, 0).infoIR().GetItem(0) = {};
             Retencao(e, 0).infoIR().GetItem(0).vrRendIsen65Dec = 120;
           },
           [](TIni& ini) {
             ini.erase("infoDep0001001");
             ini.erase("rendISen05610001011");
             ini["infoIR0001011"] = {{"vrRendIsen65Dec", "120"}};
           },
           {}},
      });
}

TEST(S2501LabourProcessTaxes, EarlierLayouts) {
  {
    SCOPED_TRACE("S-1.01");
    TIni ini = IniBase();
    IniS11(ini);
    esocialtest::VerificarDocumentoValido<TS2501Collection>(
        [](TEvtContProc& e) {
          Preencher(e);
          LeiauteS11(e);
        },
        ini, {}, veS01_01_00);
  }
  {
    SCOPED_TRACE("S-1.02");
    esocialtest::VerificarDocumentoValido<TS2501Collection>(Preencher, IniBase(), {}, veS01_02_00);
  }
}

TEST(S2501LabourProcessTaxes, LayoutBranchesAndItemsWorthWriting) {
  esocialtest::VerificarCasosLeiaute<TS2501Collection>(
      Preencher,
      {
          {"S-1.03: the attribute form, values of S-1.03, escaped and plain texts",
           veS01_03_00,
           [](TEvtContProc&) {},
           {"<ideProc><nrProcTrab>00012345620245020001</nrProcTrab><perApurPgto>2024-03</perApurPgto>"
            "<ideSeqProc>1</ideSeqProc><obs>Acordo &amp; custas</obs></ideProc>",
            "<calcTrib perRef=\"2023-11\" vrBcCpMensal=\"1200.50\" vrBcCp13=\"2291.67\">"
            "<infoCRContrib tpCR=\"113851\" vrCR=\"1234.50\"></infoCRContrib></calcTrib>",
            "<infoCRIRRF tpCR=\"593656\" vrCR=\"512.30\" vrCR13=\"45.90\">",
            "<infoIR vrRendTrib=\"3700.50\" vrRendTrib13=\"2291.67\" vrJurosMora13=\"10.00\" "
            "vrRendIsenNTrib=\"100.00\" "
            "descIsenNTrib=\"Indenizacao &quot;FGTS&quot; &amp; &lt;multa&gt;\" vrPrevOficial=\"300.00\" "
            "vrPrevOficial13=\"40.00\"><rendIsen0561 vlrDiarias=\"50.00\"></rendIsen0561></infoIR>",
            "<infoRRA descRRA=\"Diferencas salariais\" qtdMesesRRA=\"12.5\"><despProcJud vlrDespCustas=\"100.00\" "
            "vlrDespAdvogados=\"1500.00\"></despProcJud>",
            // A lawyer paid nothing is still named.
            "<ideAdv tpInsc=\"2\" nrInsc=\"55566677788\"></ideAdv></infoRRA>",
            "<infoIRComplem dtLaudo=\"2023-05-02\"><infoDep cpfDep=\"98765432100\" dtNascto=\"2015-08-20\" "
            "nome=\"Jose Conceicao\" depIRRF=\"S\" tpDep=\"03\"></infoDep></infoIRComplem>",
            "<ideTrab cpfTrab=\"98765432100\"><calcTrib perRef=\"2023-10\" vrBcCpMensal=\"1000.00\" "
            "vrBcCp13=\"0.00\"></calcTrib></ideTrab>"},
           {"vrRendIRRF"},
           {}},
          {"S-1.02: no value of S-1.03",
           veS01_02_00,
           [](TEvtContProc&) {},
           {"<infoCRIRRF tpCR=\"593656\" vrCR=\"512.30\"><infoIR vrRendTrib=\"3700.50\" vrRendTrib13=\"2291.67\" "
            "vrRendIsenNTrib=\"100.00\"",
            "<infoIRComplem"},
           {"<ideSeqProc>", "vrCR13", "vrJurosMora13", "vrPrevOficial13", "<rendIsen0561"},
           {}},
          // The contributions go under their month from S-1.01 on; the withholdings of S-1.01
          // have no details.
          {"S-1.01: contributions, withholdings without details",
           veS01_01_00,
           LeiauteS11,
           {"<calcTrib perRef=\"2023-10\" vrBcCpMensal=\"2500.00\" vrBcCp13=\"0.00\" vrRendIRRF=\"2500.00\" "
            "vrRendIRRF13=\"0.00\"><infoCRContrib tpCR=\"113851\" vrCR=\"275.00\"></infoCRContrib>",
            "<infoCRIRRF tpCR=\"593656\" vrCR=\"512.30\"></infoCRIRRF><infoCRIRRF tpCR=\"188951\" vrCR=\"80.00\">"
            "</infoCRIRRF></ideTrab>"},
           {"<infoIR ", "<infoIRComplem"},
           {}},
          // An income item is written when it holds a value the layout writes: under S-1.02
          // one of S-1.03 alone is nothing to write.
          {"S-1.03: income of S-1.03 values alone",
           veS01_03_00,
           [](TEvtContProc& e) {
             TinfoIRCollectionItem& ir = Retencao(e, 0).infoIR().GetItem(0);
             ir = {};
             ir.vrJurosMora13 = 7;
           },
           {"<infoIR vrJurosMora13=\"7.00\"></infoIR>"},
           {},
           {}},
          {"S-1.02: the same item skipped",
           veS01_02_00,
           [](TEvtContProc& e) {
             TinfoIRCollectionItem& ir = Retencao(e, 0).infoIR().GetItem(0);
             ir = {};
             ir.vrJurosMora13 = 7;
           },
           {"vrCR=\"512.30\"><dedDepen "},
           {"<infoIR ", "<infoIR>"},
           {}},
          {"an exemption of 0561 alone",
           veS01_03_00,
           [](TEvtContProc& e) {
             TinfoIRCollectionItem& ir = Retencao(e, 0).infoIR().GetItem(0);
             ir = {};
             ir.rendIsen0561.vlrAuxMoradia = 9;
           },
           {"<infoIR><rendIsen0561 vlrAuxMoradia=\"9.00\"></rendIsen0561></infoIR>"},
           {},
           {}},
          {"nothing to write of an income item",
           veS01_03_00,
           [](TEvtContProc& e) { Retencao(e, 0).infoIR().GetItem(0) = {}; },
           {"vrCR13=\"45.90\"><dedDepen "},
           {},
           {}},
          // A value that is not set is left out, as are a dependant's name and kind and the
          // accumulated income's description and months.
          {"values not set",
           veS01_03_00,
           [](TEvtContProc& e) {
             Retencao(e, 0).vrCR13 = 0;
             e.ideProc.ideSeqProc = 0;
             TInfoRRA& rra = Retencao(e, 1).infoRRA();
             rra.descRRA.clear();
             rra.qtdMesesRRA = 0;
             TinfoDepCollectionItem& dep = Trabalhador(e, 0).infoIRComplem().infoDep().GetItem(0);
             dep.nome.clear();
             dep.tpDep = tdNenhum;
             dep.depIRRF = snfNao;
           },
           {"<infoCRIRRF tpCR=\"593656\" vrCR=\"512.30\">", "<infoRRA><despProcJud ",
            "<infoDep cpfDep=\"98765432100\" dtNascto=\"2015-08-20\"></infoDep>"},
           {"vrCR13", "<ideSeqProc>"},
           {}},
          {"dependants without a report's date",
           veS01_03_00,
           [](TEvtContProc& e) { Trabalhador(e, 0).infoIRComplem().dtLaudo = 0; },
           {"<infoIRComplem><infoDep "},
           {},
           {}},
          {"neither",
           veS01_03_00,
           [](TEvtContProc& e) {
             Trabalhador(e, 0).infoIRComplem().dtLaudo = 0;
             Trabalhador(e, 0).infoIRComplem().infoDep().Clear();
           },
           {},
           {"<infoIRComplem"},
           {}},
          // A backspace has no place in XML: it is dropped from a plain text.
          {"a control character in a description",
           veS01_03_00,
           [](TEvtContProc& e) { Retencao(e, 0).infoIR().GetItem(0).descIsenNTrib = "Multa\b rescis\x01ria"; },
           {"descIsenNTrib=\"Multa rescis ria\""},
           {},
           {}},
          // Values neither withheld nor suspended, with no suspended deductions, are skipped but
          // counted.
          {"values of nothing",
           veS01_03_00,
           [](TEvtContProc& e) {
             TinfoValoresCollection& valores = Retencao(e, 0).infoProcRet().GetItem(0).infoValores();
             valores.New().indApuracao = ipaAnual;
             valores.New().vlrDepJud = 5;
           },
           {"<infoValores indApuracao=\"1\" vlrDepJud=\"5.00\"></infoValores></infoProcRet>"},
           {"indApuracao=\"2\""},
           {"/infoValores(Informações de valores relacionados a não retenção de tributos ou a depósitos judiciais)" +
            kLimite + "2."}},
      });
}

TEST(S2501LabourProcessTaxes, ListLimits) {
  struct TCaso {
    const char* nome;
    TVersaoeSocial versao;
    std::function<void(TEvtContProc&)> mudar;
    std::string alerta;
  };
  const TCaso casos[] = {
      {"two income items", veS01_02_00, [](TEvtContProc& e) { Retencao(e, 0).infoIR().New().vrRendTrib = 1; },
       "/infoIR(Informações complementares relativas ao imposto de renda)" + kLimite + "1."},
      {"contributions under S-1.01", veS01_01_00,
       [](TEvtContProc& e) {
         for (int i = 0; i < 100; ++i) Trabalhador(e, 1).calcTrib().GetItem(0).infoCRContrib().New() = {"113851", 1};
       },
       "/infoCRContrib(Informações das contribuições sociais devidas à Previdência Social e Outras Entidades e "
       "Fundos)" +
           kLimite + "99."},
      {"361 months under S-1.01", veS01_01_00,
       [](TEvtContProc& e) {
         for (int i = 0; i < 360; ++i) Trabalhador(e, 1).calcTrib().New().perRef = "2023-10";
       },
       "/calcTrib(Identificação do período e da base de cálculo dos tributos)" + kLimite + "360."},
      {"100 lawyers, one paid nothing", veS01_03_00,
       [](TEvtContProc& e) {
         for (int i = 0; i < 98; ++i) Retencao(e, 1).infoRRA().ideAdv().New() = {tiCNPJ, "11222333000181", 1};
       },
       "/ideAdv(Identificação dos advogados)" + kLimite + "99."},
  };
  for (const TCaso& caso : casos) {
    SCOPED_TRACE(caso.nome);
    auto c = esocialtest::NovoComponente(false);
    TEvtContProc& e = esocialtest::NovoEvento<TS2501Collection>(c, caso.versao);
    Preencher(e);
    caso.mudar(e);
    e.GerarXML();
    EXPECT_THAT(e.Gerador().ListaDeAlertas, ::testing::ElementsAre(HasSubstr(caso.alerta)));
  }
}

TEST(S2501LabourProcessTaxes, IniCases) {
  esocialtest::VerificarCasosIni<TS2501Collection>(
      IniBase(),
      {
          // An accumulated income only when its section has data; the months a decimal.
          {"a withholding without accumulated income", [](TIni&) {}, testsupport::kNoError,
           [](const TEvtContProc& e) {
             EXPECT_FALSE(Retencao(e, 0).infoRRAInst());
             EXPECT_EQ(Retencao(e, 1).infoRRA().qtdMesesRRA, 12.5);
             EXPECT_EQ(Retencao(e, 1).infoRRA().ideAdv().Count(), 2);
           }},
          {"costs and lawyers alone",
           [](TIni& ini) {
             ini["infoRRA000102"] = {{"vlrDespCustas", "100"}};
             ini["ideAdv00010202"]["vlrAdv"] = "0";
           },
           testsupport::kNoError,
           [](const TEvtContProc& e) {
             EXPECT_THAT(e.XML(), HasSubstr("<infoRRA><despProcJud vlrDespCustas=\"100.00\" "
                                            "vlrDespAdvogados=\"0.00\"></despProcJud><ideAdv "));
           }},
          {"months that are no number", [](TIni& ini) { ini["infoRRA000102"]["qtdMesesRRA"] = "doze"; },
           "INI: valor inválido em [infoRRA000102] qtdMesesRRA: \"doze\"", [](const TEvtContProc&) {}},
          // The complementary data hold a report's date even without dependants.
          {"a report's date alone", [](TIni& ini) { ini.erase("infoDep0001001"); }, testsupport::kNoError,
           [](const TEvtContProc& e) {
             EXPECT_THAT(e.XML(), HasSubstr("<infoIRComplem dtLaudo=\"2023-05-02\"></infoIRComplem>"));
           }},
          {"no complementary data",
           [](TIni& ini) {
             ini.erase("infoDep0001001");
             ini.erase("infoIRComplem0001");
           },
           testsupport::kNoError, [](const TEvtContProc& e) { EXPECT_FALSE(Trabalhador(e, 0).instInfoIRComplem()); }},
          // A dependant's kind is not invented.
          {"a dependant without a kind", [](TIni& ini) { ini["infoDep0001001"].erase("tpDep"); }, testsupport::kNoError,
           [](const TEvtContProc& e) {
             EXPECT_THAT(e.XML(), HasSubstr("nome=\"Jose Conceicao\" depIRRF=\"S\"></infoDep>"));
           }},
          // Every list ends on "FIM" or an empty first key.
          {"lists ended by an empty key",
           [](TIni& ini) {
             ini["dedDepen000101001"]["tpRend"] = "";
             ini["dedDepen000101002"] = {{"tpRend", "12"}};
             ini["penAlim00010101"]["tpRend"] = "FIM";
             ini["infoProcRet00010101"]["tpProcRet"] = "";
             ini["infoDep0001002"] = {{"cpfDep", ""}};
             ini["infoDep0001003"] = {{"cpfDep", "11122233344"}};
           },
           "",
           [](const TEvtContProc& e) {
             EXPECT_FALSE(Retencao(e, 0).dedDepenInst());
             EXPECT_FALSE(Retencao(e, 0).penAlimInst());
             EXPECT_FALSE(Retencao(e, 0).infoProcRetInst());
             EXPECT_EQ(Trabalhador(e, 0).infoIRComplem().infoDep().Count(), 1);
           }},
          // Income items go on while a section gives a value, S-1.03's included.
          {"income items of S-1.03 values",
           [](TIni& ini) {
             ini["infoIR0001012"] = {{"vrRendMoleGrave13", "5"}};
             ini["rendISen05610001013"] = {{"vlrAbonoPec", "6"}};
             ini["infoIR0001015"] = {{"vrRendTrib", "7"}};
           },
           "", [](const TEvtContProc& e) { EXPECT_EQ(Retencao(e, 0).infoIR().Count(), 3); }},
          {"an income kind that is no number", [](TIni& ini) { ini["dedDepen000101001"]["tpRend"] = "onze"; },
           "INI: valor inválido em [dedDepen000101001] tpRend: \"onze\"", [](const TEvtContProc&) {}},
          {"a deduction kind outside its list", [](TIni& ini) { ini["dedSusp00010101101"]["indTpDeducao"] = "2"; },
           "INI: valor inválido em [dedSusp00010101101] indTpDeducao: \"2\"", [](const TEvtContProc&) {}},
      });
}

// Indented, the elements of empty content stay empty: the document is still valid.
TEST(S2501LabourProcessTaxes, IndentedDocumentIsValid) {
  auto c = esocialtest::NovoComponente();
  c.eSocial->Configuracoes().Geral->SetIdentarXML(true);
  TEvtContProc& e = c.Eventos().NaoPeriodicos().S2501().New().EvtContProc();
  Preencher(e);
  e.GerarXML();
  EXPECT_THAT(e.XML(),
              HasSubstr("\r\n            <infoCRContrib tpCR=\"113851\" vrCR=\"275.00\"></infoCRContrib>\r\n"));
  EXPECT_THAT(testsupport::MessageOf([&] { e.SetXML(e.XML()); }), testsupport::kNoError);
}
