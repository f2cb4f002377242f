// S-2240, exposure to risk agents: documents written from fields and from INI input, signed
// and valid against the official schema and read back on the container's road; the cut-over
// date of the end date; the layout branches and list limits; the INI and XML readers' own
// cases.
#include "esocial/events/non_periodic/s2240_exposure_to_risk.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "event_test_support.h"

using namespace esocial;
using namespace esocial::s2240;
using esocialtest::TIni;
using platform::EncodeDate;
using ::testing::HasSubstr;
using testsupport::MessageOf;

namespace {

TS2240Collection& Lista(const esocialtest::TComponente& c) { return c.Eventos().NaoPeriodicos().S2240(); }

// Conditions from February 2023 in one environment: one measured agent, protected by
// collective and individual equipment, and one responsible physician.
void Preencher(TEvtExpRisco& e) {
  esocialtest::Identificar(e);
  TinfoExpRisco& info = e.infoExpRisco;
  info.dtIniCondicao = EncodeDate(2023, 2, 1);
  info.InfoAmb.Add() = {"", laEstabProprioEmpregador, "Almoxarifado", tiCNPJ, esocialtest::kEmpregador};
  info.infoAtiv.dscAtivDes = "Separar e carregar materiais";
  TAgNocCollectionItem& ag = info.agNoc.Add();
  ag.codAgNoc = "01.01.001";
  ag.dscAgNoc = "Ruido continuo";
  ag.intConc = 85.5;
  ag.limTol = 85;
  ag.unMed = 1;
  ag.tecMedicao = "NHO 01";
  ag.epcEpi.utilizEPC = uEPCImplementa;
  ag.epcEpi.utilizEPI = uEPIUtilizado;
  ag.epcEpi.eficEpi = snfSim;
  ag.epcEpi.epi().Add().docAval = "CA 12345";
  ag.epcEpi.epiCompl = {snfSim, snfSim, snfSim, snfSim, snfSim, snfNao};
  TRespRegCollectionItem& resp = info.respReg.Add();
  resp.cpfResp = "98765432100";
  resp.ideOC = idCRM;
  resp.nrOC = "12345";
  resp.ufOC = "SP";
}

TIni IniBase() {
  TIni ini = esocialtest::IniIdentificacao("evtExpRisco");
  ini.insert({
      {"infoExpRisco", {{"dtIniCondicao", "01/02/2023"}}},
      {"infoAmb01",
       {{"localAmb", "1"}, {"dscSetor", "Almoxarifado"}, {"tpInsc", "1"}, {"nrInsc", esocialtest::kEmpregador}}},
      {"infoAtiv01", {{"dscAtivDes", "Separar e carregar materiais"}}},
      {"agNoc01001",
       {{"codAgNoc", "01.01.001"},
        {"dscAgNoc", "Ruido continuo"},
        {"tpAval", "1"},
        {"intConc", "85,5"},
        {"limTol", "85"},
        {"unMed", "1"},
        {"tecMedicao", "NHO 01"},
        {"utilizEPC", "2"},
        {"eficEpc", "S"},
        {"utilizEPI", "2"},
        {"eficEpi", "S"}}},
      {"epi0100101", {{"docAval", "CA 12345"}}},
      {"epiCompl01001",
       {{"medProtecao", "S"},
        {"condFuncto", "S"},
        {"usoInint", "S"},
        {"przValid", "S"},
        {"periodicTroca", "S"},
        {"higienizacao", "N"}}},
      {"respReg01", {{"cpfResp", "98765432100"}, {"ideOC", "1"}, {"nrOc", "12345"}, {"ufOC", "SP"}}},
  });
  return ini;
}

// A second agent, without equipment in use: "utilizEPC" 1, "utilizEPI" 1, one equipment item.
TAgNocCollectionItem& AgenteSemUso(TEvtExpRisco& e) {
  TAgNocCollectionItem& ag = e.infoExpRisco.agNoc.Add();
  ag.codAgNoc = "02.01.014";
  ag.tpAval = tpaQualitativo;
  ag.epcEpi.utilizEPC = uEPCNaoImplementa;
  ag.epcEpi.utilizEPI = uEPINaoUtilizado;
  TEpiCollectionItem& epi = ag.epcEpi.epi().Add();
  epi.docAval = "Laudo 7";
  epi.dscEPI = "Protetor auricular";
  return ag;
}

const std::string kLimite = " - Número de ocorrências maior que o máximo permitido - Máximo ";

}  // namespace

// Each valid document on the whole road: from fields, from INI input, back from the container.
TEST(S2240ExposureToRisk, ValidDocuments) {
  esocialtest::VerificarDocumentosValidos<TS2240Collection>(
      Preencher, IniBase(),
      {
          {"no harmful agent, then a judicial process on the agent 05.01.001",
           [](TEvtExpRisco& e) {
             e.infoExpRisco.agNoc.Add().codAgNoc = "09.01.001";
             TAgNocCollectionItem& ag = e.infoExpRisco.agNoc.Add();
             ag.codAgNoc = "05.01.001";
             ag.tpAval = tpaQualitativo;
             ag.nrProcJud = "12345678901234567890";
           },
           [](TIni& ini) {
             // The agent 002 has no epiCompl section: the agent 003 is read all the same.
             ini["agNoc01002"] = {{"codAgNoc", "09.01.001"}};
             ini["agNoc01003"] = {{"codAgNoc", "05.01.001"}, {"tpAval", "2"}, {"nrProcJud", "12345678901234567890"}};
           },
           {}},
          {"equipment neither implemented nor used, described but known by its document",
           [](TEvtExpRisco& e) { AgenteSemUso(e); },
           [](TIni& ini) {
             ini["agNoc01002"] = {{"codAgNoc", "02.01.014"}, {"tpAval", "2"}, {"utilizEPC", "1"}, {"utilizEPI", "1"}};
             ini["epi0100201"] = {{"docAval", "Laudo 7"}, {"dscEPI", "Protetor auricular"}};
           },
           {}},
          {"three environments, persons without a council and of another council, observations",
           [](TEvtExpRisco& e) {
             TinfoExpRisco& info = e.infoExpRisco;
             info.InfoAmb.Add() = {"", laEstabTerceiro, "Patio", tiCNPJ, "98765432000198"};
             info.InfoAmb.Add() = {"", laEstabProprioEmpregador, "Oficina", tiCNPJ, esocialtest::kEmpregador};
             info.respReg.Add().cpfResp = "11122233344";
             TRespRegCollectionItem& outro = info.respReg.Add();
             outro.cpfResp = "55566677788";
             outro.ideOC = idOutros;
             outro.dscOC = "CRQ";
             outro.nrOC = "998";
             outro.ufOC = "MG";
             info.obs.obsCompl = "Avaliacao anual";
           },
           [](TIni& ini) {
             // The activity is given once, with the first environment.
             ini["infoAmb02"] = {{"localAmb", "2"}, {"dscSetor", "Patio"}, {"nrInsc", "98765432000198"}};
             ini["infoAmb03"] = {{"localAmb", "1"}, {"dscSetor", "Oficina"}, {"nrInsc", esocialtest::kEmpregador}};
             ini["respReg02"] = {{"cpfResp", "11122233344"}};
             ini["respReg03"] = {
                 {"cpfResp", "55566677788"}, {"ideOC", "9"}, {"dscOC", "CRQ"}, {"nrOc", "998"}, {"ufOC", "MG"}};
             ini["obs"] = {{"obsCompl", "Avaliacao anual"}};
           },
           {}},
      });
}

// The end date goes out only for conditions from 16 January 2023; both readers keep the end
// date they find, whatever the start.
TEST(S2240ExposureToRisk, CutOverDateOfTheEndDate) {
  struct TCaso {
    double inicio, fim;
    bool escrito;
  };
  const TCaso casos[] = {{EncodeDate(2023, 1, 15), EncodeDate(2023, 6, 30), false},
                         {EncodeDate(2023, 1, 16), EncodeDate(2023, 6, 30), true},
                         {EncodeDate(2023, 1, 16), 0, false}};
  auto c = esocialtest::NovoComponente(false);
  for (const TCaso& caso : casos) {
    SCOPED_TRACE(std::to_string(caso.inicio) + " " + std::to_string(caso.fim));
    TEvtExpRisco& e = Lista(c).Add().EvtExpRisco();
    Preencher(e);
    e.infoExpRisco.dtIniCondicao = caso.inicio;
    e.infoExpRisco.dtFimCondicao = caso.fim;
    e.GerarXML();
    EXPECT_EQ(e.XML().find("<dtFimCondicao>") != std::string::npos, caso.escrito);

    TEvtExpRisco& modelo = Lista(c).Add().EvtExpRisco();
    Preencher(modelo);
    modelo.infoExpRisco.dtFimCondicao = caso.fim;
    modelo.GerarXML();
    TEvtExpRisco& lido = Lista(c).Add().EvtExpRisco();
    lido.SetXML(esocialtest::ComAssinaturaFicticia(
        esocialtest::Trocar(modelo.XML(), "<dtIniCondicao>2023-02-01<",
                            "<dtIniCondicao>" + platform::FormatDateTime("yyyy-mm-dd", caso.inicio) + "<")));
    EXPECT_TRUE(lido.LerXML());
    EXPECT_EQ(lido.infoExpRisco.dtIniCondicao, caso.inicio);
    EXPECT_EQ(lido.infoExpRisco.dtFimCondicao, caso.fim);
  }
}

// What each layout writes of environments, agents, equipment, persons and observations.
TEST(S2240ExposureToRisk, LayoutBranches) {
  struct TCaso {
    TVersaoeSocial versao;
    std::vector<std::string> escritos, ausentes;
  };
  const std::string semConselho = "<respReg><cpfResp>11122233344</cpfResp></respReg>";
  const std::string semUso =
      "<epcEpi><utilizEPC>1</utilizEPC><utilizEPI>1</utilizEPI><epi><docAval>Laudo 7</docAval></epi></epcEpi>";
  const TCaso casos[] = {
      {ve02_05_00,
       {"<infoAmb><codAmb>AMB01</codAmb></infoAmb>", "<caEPI>12345</caEPI>", "<dscEPI>Protetor auricular</dscEPI>",
        "<medProtecao>S</medProtecao>", "<nisResp>12345678901</nisResp>", "<obs><metErg>Ergonomia</metErg></obs>"},
       {"<localAmb>", "<docAval>", "<epiCompl>", "<nrProcJud>"}},
      {veS01_01_00,
       {"<localAmb>1</localAmb>", "<docAval>Laudo 7</docAval><dscEPI>Protetor auricular</dscEPI>", "<epiCompl>",
        semConselho},
       {"<codAmb>", "<caEPI>", "<nisResp>", "<nrProcJud>", "<obs>"}},
      {veS01_03_00, {"<nrProcJud>12345678901234567890</nrProcJud>", semUso, semConselho}, {"<dscEPI>", "<obs>"}},
  };
  for (const TCaso& caso : casos) {
    SCOPED_TRACE(caso.versao);
    auto c = esocialtest::NovoComponente(false);
    TEvtExpRisco& e = esocialtest::NovoEvento<TS2240Collection>(c, caso.versao);
    Preencher(e);
    e.infoExpRisco.InfoAmb.GetItem(0).codAmb = "AMB01";
    TEpiCollectionItem& epi = AgenteSemUso(e).epcEpi.epi().GetItem(0);
    epi.caEPI = "12345";
    TAgNocCollectionItem& processo = e.infoExpRisco.agNoc.Add();
    processo.codAgNoc = "05.01.001";
    processo.nrProcJud = "12345678901234567890";
    e.infoExpRisco.respReg.Add() = {"11122233344", "12345678901", "Rui Alves", idNenhum, "", "", ""};
    e.infoExpRisco.obs.metErg = "Ergonomia";
    e.GerarXML();
    for (const std::string& texto : caso.escritos) EXPECT_THAT(e.XML(), HasSubstr(texto));
    for (const std::string& texto : caso.ausentes) EXPECT_THAT(e.XML(), ::testing::Not(HasSubstr(texto)));
  }
}

// Where the S-1 layouts' schema departs from what the 2.x layouts allowed: the equipment's
// assessment document (under S-1.03, where it is the equipment's only element) and the
// complementary flags are required, so that missing data show as empty elements and alerts;
// the environment codes 1 and 2 and the councils 1, 4 and 9 are the only ones, so that the
// model's others are written with an alert; a judicial process has 17, 20 or 21 digits.
TEST(S2240ExposureToRisk, S1LayoutSchema) {
  const auto epiSemDocumento = [](TEvtExpRisco& e) {
    e.infoExpRisco.agNoc.GetItem(0).epcEpi.epi().Add().dscEPI = "Protetor auricular";
  };
  const auto codigosForaDoLeiaute = [](TEvtExpRisco& e) {
    e.infoExpRisco.InfoAmb.GetItem(0).localAmb = laPrestInstalacaoTerceiro;
    e.infoExpRisco.respReg.GetItem(0).ideOC = idCRO;
    e.infoExpRisco.respReg.Add() = {"11122233344", "12345678901", "Rui Alves", idRMS, "", "77", ""};
    e.infoExpRisco.respReg.Add() = {"55566677788", "12345678902", "Eva Dias", idCREA, "", "88", ""};
  };
  const std::string kNenhum = "() - Nenhum valor informado";
  const std::string kInvalido = "() - Conteúdo inválido";
  esocialtest::VerificarCasosLeiaute<TS2240Collection>(
      Preencher,
      {
          {"S-1.02: equipment known by its description",
           veS01_02_00,
           epiSemDocumento,
           {"<epi><dscEPI>Protetor auricular</dscEPI></epi>"},
           {"<docAval/>"},
           {}},
          {"S-1.03: equipment without its document",
           veS01_03_00,
           epiSemDocumento,
           {"<epi><docAval/></epi>"},
           {},
           {"/docAval" + kNenhum}},
          {"S-1: complementary flags not informed",
           veS01_00_00,
           [](TEvtExpRisco& e) { e.infoExpRisco.agNoc.GetItem(0).epcEpi.epiCompl = {}; },
           {"<epiCompl><medProtecao/><condFuncto/><usoInint/><przValid/><periodicTroca/><higienizacao/></epiCompl>"},
           {},
           {"/medProtecao" + kNenhum, "/condFuncto" + kNenhum, "/usoInint" + kNenhum, "/przValid" + kNenhum,
            "/periodicTroca" + kNenhum, "/higienizacao" + kNenhum}},
          {"2.x: councils 2 and 3 taken",
           ve02_05_00,
           [&](TEvtExpRisco& e) {
             codigosForaDoLeiaute(e);
             e.IdeVinculo.nisTrab = "12345678901";
             e.infoExpRisco.InfoAmb.GetItem(0).codAmb = "AMB01";
             e.infoExpRisco.respReg.GetItem(0).nisResp = "12345678903";
             e.infoExpRisco.respReg.GetItem(0).nmResp = "Ana Reis";
           },
           {"<ideOC>2</ideOC>", "<ideOC>3</ideOC>"},
           {"<localAmb>"},
           {}},
          {"S-1: an environment 3 and councils 2 and 3 written and alerted",
           veS01_00_00,
           codigosForaDoLeiaute,
           {"<localAmb>3</localAmb>", "<ideOC>2</ideOC>", "<ideOC>3</ideOC>", "<ideOC>4</ideOC>"},
           {},
           {"/localAmb" + kInvalido, "/ideOC" + kInvalido, "/ideOC" + kInvalido}},
          {"S-1.03: processes of 17 and 21 digits",
           veS01_03_00,
           [](TEvtExpRisco& e) {
             for (const char* processo : {"12345678901234567", "123456789012345678901"}) {
               TAgNocCollectionItem& ag = e.infoExpRisco.agNoc.Add();
               ag.codAgNoc = "05.01.001";
               ag.tpAval = tpaQualitativo;
               ag.nrProcJud = processo;
             }
           },
           {"<nrProcJud>12345678901234567</nrProcJud>", "<nrProcJud>123456789012345678901</nrProcJud>"},
           {},
           {}},
      });
}

// S-1.03 takes nine environments and 99 persons; the layouts before it 99 and nine.
TEST(S2240ExposureToRisk, ListLimitsByLayout) {
  struct TCaso {
    TVersaoeSocial versao;
    std::string alerta;
  };
  const TCaso casos[] = {{veS01_03_00, "/infoAmb(Lista de Informações Ambientais)" + kLimite + "9."},
                         {veS01_02_00, "/respReg(Lista de Responsáveis pelo registro)" + kLimite + "9."}};
  for (const TCaso& caso : casos) {
    SCOPED_TRACE(caso.versao);
    auto c = esocialtest::NovoComponente(false);
    TEvtExpRisco& e = esocialtest::NovoEvento<TS2240Collection>(c, caso.versao);
    Preencher(e);
    for (int i = 1; i < 10; ++i) {
      e.infoExpRisco.InfoAmb.Add() = e.infoExpRisco.InfoAmb.GetItem(0);
      e.infoExpRisco.respReg.Add() = e.infoExpRisco.respReg.GetItem(0);
    }
    e.GerarXML();
    EXPECT_THAT(e.Gerador().ListaDeAlertas, ::testing::ElementsAre(HasSubstr(caso.alerta)));
  }
}

TEST(S2240ExposureToRisk, IniCases) {
  esocialtest::VerificarCasosIni<TS2240Collection>(
      IniBase(),
      {
          {"respReg1 read where respReg01 is absent",
           [](TIni& ini) {
             ini["respReg1"] = ini["respReg01"];
             ini.erase("respReg01");
           },
           testsupport::kNoError,
           [](const TEvtExpRisco& e) {
             ASSERT_EQ(e.infoExpRisco.respReg.Count(), 1);
             EXPECT_EQ(e.infoExpRisco.respReg.GetItem(0).cpfResp, "98765432100");
           }},
          {"without dtIniCondicao persons and observations are still read",
           [](TIni& ini) {
             ini.erase("infoExpRisco");
             ini["obs"] = {{"obsCompl", "Sem avaliacao"}};
           },
           "Falha na validação dos dados do evento",  // a document without environments or agents
           [](const TEvtExpRisco& e) {
             EXPECT_EQ(e.infoExpRisco.InfoAmb.Count(), 0);
             EXPECT_EQ(e.infoExpRisco.agNoc.Count(), 0);
             EXPECT_EQ(e.infoExpRisco.respReg.Count(), 1);
             EXPECT_EQ(e.infoExpRisco.obs.obsCompl, "Sem avaliacao");
           }},
          {"an agent without epiCompl, then another agent",
           [](TIni& ini) {
             ini.erase("epiCompl01001");
             ini["agNoc01002"] = {{"codAgNoc", "02.01.014"}};
           },
           "",
           [](const TEvtExpRisco& e) {
             ASSERT_EQ(e.infoExpRisco.agNoc.Count(), 2);
             EXPECT_EQ(e.infoExpRisco.agNoc.GetItem(0).epcEpi.epiCompl.medProtecao, snfNada);
             EXPECT_EQ(e.infoExpRisco.agNoc.GetItem(1).codAgNoc, "02.01.014");
           }},
          {"equipment named by caEPI or by docAval",
           [](TIni& ini) {
             ini["epi0100101"] = {{"caEPI", "12345"}};
             ini["epi0100102"] = {{"docAval", "Laudo 2"}};
           },
           "",
           [](const TEvtExpRisco& e) {
             TEpcEpi& epcEpi = e.infoExpRisco.agNoc.GetItem(0).epcEpi;
             ASSERT_EQ(epcEpi.epi().Count(), 2);
             EXPECT_EQ(epcEpi.epi().GetItem(0).caEPI, "12345");
             EXPECT_EQ(epcEpi.epi().GetItem(1).docAval, "Laudo 2");
           }},
          {"ativPericInsal sections are left alone",
           [](TIni& ini) {
             ini["ativPericInsal0101"] = {{"codAtiv", "01"}};
           },
           testsupport::kNoError, [](const TEvtExpRisco& e) { EXPECT_EQ(e.infoExpRisco.agNoc.Count(), 1); }},
          {"an unknown council", [](TIni& ini) { ini["respReg01"]["ideOC"] = "7"; },
           "Valor string inválido para tpIdeOC: 7",
           [](const TEvtExpRisco& e) { EXPECT_EQ(e.infoExpRisco.respReg.GetItem(0).cpfResp, "98765432100"); }},
      });
}

TEST(S2240ExposureToRisk, ReaderCases) {
  auto c = esocialtest::NovoComponente(false);
  TEvtExpRisco& modelo = Lista(c).Add().EvtExpRisco();
  Preencher(modelo);
  modelo.GerarXML();
  esocialtest::VerificarLeiturasComuns<TS2240Collection>(
      modelo.XML(), "infoExpRisco", "<dtIniCondicao>",
      [](const TEvtExpRisco& e) { return e.infoExpRisco.dtIniCondicao != 0 || e.infoExpRisco.agNoc.Count() > 0; });

  // An absent council is none (the third document of ValidDocuments); a council code outside
  // the list still raises.
  TEvtExpRisco& conselho7 = Lista(c).Add().EvtExpRisco();
  conselho7.SetXML(
      esocialtest::ComAssinaturaFicticia(esocialtest::Trocar(modelo.XML(), "<ideOC>1</ideOC>", "<ideOC>7</ideOC>")));
  EXPECT_EQ(MessageOf([&] { conselho7.LerXML(); }), "Valor string inválido para tpIdeOC: 7");
}
