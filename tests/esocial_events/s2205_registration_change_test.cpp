// S-2205, the change of a worker's registration data: documents written from fields and from
// INI input, signed and valid against the official schemas of S-1.03 and 2.5; the layouts'
// branches; the INI reader's cases.
#include "esocial/events/non_periodic/s2205_registration_change.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "event_test_support.h"
#include "platform/date_time.h"
#include "support/esocial/worker_fixture.h"

using namespace esocial;
using esocialtest::TIni;
using platform::EncodeDate;
using testing::HasSubstr;
using testing::Not;

namespace {

// The worker of the fixture (an address, a disability, two dependants, a contact) from March
// 2024, an immigrant without a term of residence.
void Preencher(TEvtAltCadastral& e) {
  e.Id = esocialtest::kIdEvento;
  e.ideEvento.VerProc = "NEMBO 1.0";
  e.ideEmpregador.NrInsc = esocialtest::kEmpregador;
  e.ideTrabalhador.cpfTrab = "12345678909";
  e.dtAlteracao = EncodeDate(2024, 3, 1);
  esocialtest::PreencherTrabalhadorS1(e.trabalhador);
  e.trabalhador.trabImig.tmpResid = ttrNenhum;
}

TIni IniBase() {
  return {
      {"evtAltCadastral", {{"Id", esocialtest::kIdEvento}}},
      {"ideEvento", {{"verProc", "NEMBO 1.0"}}},
      {"ideEmpregador", {{"nrInsc", esocialtest::kEmpregador}}},
      {"idetrabalhador", {{"cpfTrab", "12345678909"}}},
      {"alteracao", {{"dtAlteracao", "01/03/2024"}}},
      {"dadostrabalhador",
       {{"nmTrab", "Maria da Silva"},
        {"sexo", "F"},
        {"estCiv", "2"},
        {"grauInstr", "07"},
        {"nmSoc", "Maria"},
        {"paisNac", "105"}}},
      {"nascimento", {{"dtNascto", "01/05/1990"}, {"paisNascto", "105"}, {"paisNac", "105"}}},
      {"enderecoBrasil",
       {{"tpLograd", "R"},
        {"dscLograd", "Rua das Flores"},
        {"nrLograd", "100"},
        {"complemento", "Apto 1"},
        {"bairro", "Centro"},
        {"cep", "01001000"},
        {"codMunic", "3550308"}}},
      {"trabImig", {{"condIng", "1"}}},
      {"infoDeficiencia", {{"defFisica", "S"}, {"infoCota", "S"}, {"observacao", "Cadeirante"}}},
      {"dependente01",
       {{"tpDep", "01"},
        {"nmDep", "Jose da Silva"},
        {"dtNascto", "02/03/1988"},
        {"cpfDep", "98765432100"},
        {"sexoDep", "M"},
        {"depSF", "N"},
        {"incTrab", "N"},
        {"descrDep", "Conjuge"}}},
      {"dependente02", {{"nmDep", "Ana da Silva"}, {"dtNascto", "09/07/2015"}, {"depIRRF", "N"}, {"incTrab", "N"}}},
      {"contato", {{"fonePrinc", "11999998888"}, {"emailPrinc", "maria@example.com"}}},
  };
}

}  // namespace

// Each valid document: from fields, from INI input.
TEST(S2205RegistrationChange, ValidDocuments) {
  esocialtest::VerificarDocumentosValidos<TS2205Collection>(
      Preencher, IniBase(),
      {
          {"address, disability, two dependants, contact", [](TEvtAltCadastral&) {}, [](TIni&) {}, {}},
          {"an address without street type, a disability not physical, a contact by e-mail only",
           [](TEvtAltCadastral& e) {
             e.trabalhador.Endereco.Brasil.TpLograd.clear();
             e.trabalhador.InfoDeficiencia.DefFisica = tpNao;
             e.trabalhador.InfoDeficiencia.DefVisual = tpSim;
             e.trabalhador.InfoDeficiencia.infoCota = snfNada;
             e.trabalhador.InfoDeficiencia.Observacao.clear();
             e.trabalhador.Contato.FonePrinc.clear();
           },
           [](TIni& ini) {
             ini["enderecoBrasil"].erase("tpLograd");
             ini["infoDeficiencia"] = {{"defVisual", "S"}};
             ini["contato"].erase("fonePrinc");
           },
           {}},
      });
}

// The 2.5 layout: nisTrab (required with no category), the birth group with the nationality.
TEST(S2205RegistrationChange, Layout25IsValid) {
  esocialtest::VerificarValidoNoLeiaute<TS2205Collection>(ve02_05_00, [](TEvtAltCadastral& e) {
    Preencher(e);
    e.trabalhador.NisTrab = "12345678901";
    e.trabalhador.Dependente.GetItem(1).tpDep = tdFilhoOuEnteado;
  });
}

// The nationality stands in the birth group under 2.04.02 and 2.5, on its own from S-1.0, and
// nowhere under 2.04.01; nisTrab, required up to 2.5 with the category 0, is never written from
// S-1.0; a dependant's sex exists from S-1.0 on, and the 2.x layouts require a dependant's kind.
TEST(S2205RegistrationChange, LayoutBranches) {
  esocialtest::VerificarCasosLeiaute<TS2205Collection>(
      Preencher, {
                     {"2.04.01",
                      ve02_04_01,
                      [](TEvtAltCadastral&) {},
                      {"<nisTrab/>"},
                      {"<nascimento>", "<paisNac>"},
                      {"nisTrab", "tpDep"}},
                     {"2.5",
                      ve02_05_00,
                      [](TEvtAltCadastral& e) { e.codCateg = 901; },
                      {"<alteracao><dtAlteracao>2024-03-01</dtAlteracao><dadosTrabalhador><nmTrab>",
                       "<paisNascto>105</paisNascto><paisNac>105</paisNac>"},
                      {"<nisTrab", "<indPriEmpr>", "<sexoDep>"},
                      {"tpDep"}},
                     {"S-1.03",
                      veS01_03_00,
                      [](TEvtAltCadastral&) {},
                      {"<ideTrabalhador><cpfTrab>12345678909</cpfTrab></ideTrabalhador><alteracao>",
                       "<nmSoc>Maria</nmSoc><paisNac>105</paisNac><endereco>"},
                      {"<nisTrab", "<nascimento>", "<cpfTrab>12345678909</cpfTrab><nmTrab>"},
                      {}},
                 });
}

// The worker's sections as the admission reads them: what is given is read, what is not is
// not informed.
TEST(S2205RegistrationChange, IniCases) {
  esocialtest::VerificarCasosIni<TS2205Collection>(
      IniBase(),
      {
          {"an address without tpLograd is read", [](TIni& ini) { ini["enderecoBrasil"].erase("tpLograd"); },
           testsupport::kNoError,
           [](const TEvtAltCadastral& e) {
             EXPECT_EQ(e.trabalhador.Endereco.Brasil.DscLograd, "Rua das Flores");
             EXPECT_THAT(e.XML(), HasSubstr("<endereco><brasil><dscLograd>Rua das Flores</dscLograd>"));
           }},
          {"a deficiency section without defFisica is read",
           [](TIni& ini) {
             ini["infoDeficiencia"] = {{"defMental", "S"}};
           },
           testsupport::kNoError,
           [](const TEvtAltCadastral& e) {
             EXPECT_EQ(e.trabalhador.InfoDeficiencia.DefMental, tpSim);
             EXPECT_THAT(e.XML(), HasSubstr("<defAuditiva>N</defAuditiva><defMental>S</defMental>"));
           }},
          {"a contact with only an e-mail is read", [](TIni& ini) { ini["contato"].erase("fonePrinc"); },
           testsupport::kNoError,
           [](const TEvtAltCadastral& e) {
             EXPECT_THAT(e.XML(), HasSubstr("<contato><emailPrinc>maria@example.com</emailPrinc></contato>"));
           }},
          {"the alternative phone and e-mail and a dependant's sex default to empty", [](TIni&) {},
           testsupport::kNoError,
           [](const TEvtAltCadastral& e) {
             EXPECT_EQ(e.trabalhador.Contato.FoneAlternat, "");
             EXPECT_EQ(e.trabalhador.Contato.EmailAlternat, "");
             EXPECT_EQ(e.trabalhador.Dependente.GetItem(1).sexoDep, "");
             EXPECT_THAT(e.XML(), Not(HasSubstr("<sexoDep>S")));
           }},
          {"no marital state and no nationality are not informed",
           [](TIni& ini) {
             ini["dadostrabalhador"].erase("estCiv");
             ini["dadostrabalhador"].erase("paisNac");
           },
           "",
           [](const TEvtAltCadastral& e) {
             EXPECT_EQ(e.trabalhador.EstCiv, 0);
             EXPECT_EQ(e.trabalhador.PaisNac, "");
             EXPECT_EQ(e.trabalhador.Nascimento.PaisNac, "105");
           }},
          {"the first dependant is dependente01, not dependente1",
           [](TIni& ini) {
             ini["dependente1"] = ini["dependente01"];
             ini.erase("dependente01");
           },
           testsupport::kNoError, [](const TEvtAltCadastral& e) { EXPECT_EQ(e.trabalhador.Dependente.Count(), 0); }},
      });
}
