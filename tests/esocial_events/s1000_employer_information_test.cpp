// S-1000, employer information: documents of a company, a person and a public body and of each
// mode written from fields and from INI input, signed and valid against the official schemas;
// the branches of the S-1.00 to S-1.02 and 2.x layouts, each against its own schema; the INI
// reader's own cases.
#include "esocial/events/tables_periodic/s1000_employer_information.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "esocial/configuration_esocial.h"
#include "event_test_support.h"

using namespace esocial;
using namespace esocial::s1000;
using esocialtest::TIni;
using platform::EncodeDate;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;

namespace {

TS1000Collection& Lista(const esocialtest::TComponente& c) { return c.Eventos().Iniciais().S1000(); }

// A company, not a small one, of the classification 99.
void Preencher(TevtInfoEmpregador& e) {
  e.Id = esocialtest::kIdEvento;
  e.ideEvento.VerProc = "NEMBO 1.0";
  e.ideEmpregador.NrInsc = esocialtest::kEmpregador;
  e.infoEmpregador.idePeriodo.IniValid = "2024-01";
  TInfoCadastro& info = e.infoEmpregador.infoCadastro();
  info.ClassTrib = ct99;
  info.IndPorte = tpNao;
}

TIni IniBase() {
  return {
      {"evtInfoEmpregador", {{"Id", esocialtest::kIdEvento}}},
      {"ideEvento", {{"procEmi", "1"}, {"verProc", "NEMBO 1.0"}}},
      {"ideEmpregador", {{"tpInsc", "1"}, {"nrInsc", esocialtest::kEmpregador}}},
      {"idePeriodo", {{"iniValid", "2024-01"}}},
      {"infoCadastro", {{"classTrib", "99"}, {"indPorte", "N"}}},
  };
}

// An exempt charity: its exemption certificate, the date it stopped being for profit, the
// payroll PIS/PASEP option and an international agreement.
void Isenta(TevtInfoEmpregador& e) {
  TInfoCadastro& info = e.infoEmpregador.infoCadastro();
  info.ClassTrib = ct80;
  info.dtTrans11096 = EncodeDate(2010, 5, 1);
  info.indTribFolhaPisCofins = snfSim;
  info.indTribFolhaPisPasep = snfSim;
  info.DadosIsencao() = {"Lei 12101", "CEBAS 1", EncodeDate(2023, 1, 10), EncodeDate(2026, 1, 9),
                         "",          0,         EncodeDate(2023, 1, 15), "12"};
  info.InfoOrgInternacional().IndAcordoIsenMulta = iaiComacordo;
}

void IniIsenta(TIni& ini) {
  ini["infoCadastro"] = {{"classTrib", "80"},
                         {"indPorte", "N"},
                         {"dtTrans11096", "01/05/2010"},
                         {"indTribFolhaPisCofins", "S"},
                         {"indTribFolhaPisPasep", "S"}};
  ini["dadosIsencao"] = {{"ideMinLei", "Lei 12101"},     {"nrCertif", "CEBAS 1"}, {"dtEmisCertif", "10/01/2023"},
                         {"dtVencCertif", "09/01/2026"}, {"dtDou", "15/01/2023"}, {"pagDou", "12"}};
  ini["infoOrgInternacional"] = {{"indAcordoIsenMulta", "1"}};
}

// A municipality under the 2.x layouts: its contact, its SIAFI number, itself as the
// responsible federative entity, its subceiling, and the software house it uses.
void OrgaoPublico2x(TevtInfoEmpregador& e) {
  e.Configuracoes().Geral->SetTipoEmpregador(teOrgaoPublico);
  TInfoCadastro& info = e.infoEmpregador.infoCadastro();
  info.NmRazao = "Municipio de Sao Paulo";
  info.NatJurid = "1031";
  info.ClassTrib = ct85;
  info.IndEtt = snfNao;
  info.DadosIsencao() = {"Lei 1", "C 1", EncodeDate(2023, 1, 10), EncodeDate(2026, 1, 9), "", 0, 0, ""};
  info.Contato = {"Ana Reis", "12345678909", "1133334444", "", "ana@sp.gov.br"};
  info.InfoOp.nrSiafi = "123456";
  info.InfoOp.infoEFR.ideEFR = snfSim;
  info.InfoOp.infoEnte = {"Sao Paulo", "SP", 3550308, tpSim, 1, 35000};
  info.SoftwareHouse.Add() = {"11222333000181", "Sistemas SA", "Rui Alves", "1122223333", ""};
}

const std::string kNenhum = "() - Nenhum valor informado";

}  // namespace

TEST(S1000EmployerInformation, ValidDocuments) {
  esocialtest::VerificarDocumentosValidos<TS1000Collection>(
      Preencher, IniBase(),
      {
          {"a company, inclusion", [](TevtInfoEmpregador&) {}, [](TIni&) {}, {}},
          {"an exempt company", Isenta, IniIsenta, {}},
          {"a rural producer person who pays on the payroll",
           [](TevtInfoEmpregador& e) {
             e.Configuracoes().Geral->SetTipoEmpregador(tePessoaFisica);
             e.ideEmpregador = {{tiCPF, "12345678909"}, false};
             e.infoEmpregador.infoCadastro().ClassTrib = ct21;
             e.infoEmpregador.infoCadastro().IndOpcCP = icpFolhaPagamento;
           },
           [](TIni& ini) {
             ini["ideEmpregador"] = {{"tpInsc", "2"}, {"nrInsc", "12345678909"}};
             ini["infoCadastro"] = {{"classTrib", "21"}, {"indOpcCP", "2"}};
           },
           {}},
          {"a public body",
           [](TevtInfoEmpregador& e) {
             e.Configuracoes().Geral->SetTipoEmpregador(teOrgaoPublico);
             e.ideEmpregador.OrgaoPublico = true;
             e.infoEmpregador.infoCadastro().ClassTrib = ct85;
             e.infoEmpregador.infoCadastro().cnpjEFR = "00394460000141";
             e.infoEmpregador.infoCadastro().InfoOp.nrSiafi = "123456";  // not in the S-1 layouts
           },
           [](TIni& ini) {
             ini["infoCadastro"] = {{"classTrib", "85"}, {"indPorte", "N"}, {"cnpjEFR", "00394460000141"}};
             ini["infoOP"] = {{"nrSiafi", "123456"}};
           },
           {}},
          {"alteration with a new validity",
           [](TevtInfoEmpregador& e) {
             e.ModoLancamento = mlAlteracao;
             e.infoEmpregador.novaValidade() = {"2024-06", "2025-12"};
           },
           [](TIni& ini) {
             ini["evtInfoEmpregador"]["ModoLancamento"] = "alteracao";
             ini["novaValidade"] = {{"iniValid", "2024-06"}, {"fimValid", "2025-12"}};
           },
           {}},
          {"alteration without one, from a judicial process: no register data",
           [](TevtInfoEmpregador& e) {
             e.ModoLancamento = mlAlteracao;
             e.ideEvento.ProcEmi = peAplicGovEvtJud;
           },
           [](TIni& ini) {
             ini["evtInfoEmpregador"]["ModoLancamento"] = "alteracao";
             ini["ideEvento"]["procEmi"] = "8";
           },
           {}},
          {"exclusion",
           [](TevtInfoEmpregador& e) { e.ModoLancamento = mlExclusao; },
           [](TIni& ini) { ini["evtInfoEmpregador"]["ModoLancamento"] = "exclusao"; },
           {}},
      });
}

// Each layout's document against its own schema: the date of the change to a non-profit from
// S-1.01 on, the PIS/COFINS option of S-1.01 and S-1.02, no register data in an event of a
// judicial process from S-1.02 on; and the 2.x public body with what only its layouts hold.
TEST(S1000EmployerInformation, LayoutSchemas) {
  struct TCaso {
    const char* nome;
    TVersaoeSocial versao;
    std::function<void(TevtInfoEmpregador&)> mudar;
    std::vector<std::string> escritos, ausentes;
  };
  const auto judicial = [](TevtInfoEmpregador& e) {
    e.ModoLancamento = mlAlteracao;
    e.ideEvento.ProcEmi = peAplicGovEvtJud;
  };
  const std::vector<TCaso> casos = {
      {"S-1.00", veS01_00_00, Isenta, {"<dadosIsencao>"}, {"<dtTrans11096>", "<indTribFolha"}},
      {"S-1.01",
       veS01_01_00,
       Isenta,
       {"<dtTrans11096>2010-05-01</dtTrans11096><indTribFolhaPisCofins>S</indTribFolhaPisCofins><dadosIsencao>"},
       {"<indTribFolhaPisPasep>"}},
      {"S-1.02, a judicial process", veS01_02_00, judicial, {}, {"<infoCadastro>"}},
      {"S-1.02, classification 00",
       veS01_02_00,
       [](TevtInfoEmpregador& e) { e.infoEmpregador.infoCadastro().ClassTrib = ct00; },
       {"<infoCadastro><classTrib>00</classTrib>"},
       {}},
      {"2.5, a public body",
       ve02_05_00,
       OrgaoPublico2x,
       {"<indEtt>N</indEtt><dadosIsencao>", "</dadosIsencao><contato><nmCtt>Ana Reis</nmCtt>",
        "<infoOP><nrSiafi>123456</nrSiafi><infoEFR><ideEFR>S</ideEFR></infoEFR><infoEnte>",
        "<indRPPS>S</indRPPS><subteto>1</subteto><vrSubteto>35000.00</vrSubteto></infoEnte></infoOP>",
        "</softwareHouse><infoComplementares></infoComplementares></infoCadastro>"},
       {"<cnpjEFR>"}},
  };
  for (const TCaso& caso : casos) {
    SCOPED_TRACE(caso.nome);
    auto c = esocialtest::NovoComponente();
    TevtInfoEmpregador& e = Lista(c).Add().evtInfoEmpregador();
    Preencher(e);
    caso.mudar(e);
    EXPECT_EQ(esocialtest::ErroNoEsquema(c, e, caso.versao), testsupport::kNoError);
    for (const std::string& texto : caso.escritos) EXPECT_THAT(e.XML(), HasSubstr(texto));
    for (const std::string& texto : caso.ausentes) EXPECT_THAT(e.XML(), Not(HasSubstr(texto)));
    EXPECT_THAT(e.Gerador().ListaDeAlertas, IsEmpty());
  }
}

TEST(S1000EmployerInformation, LayoutBranches) {
  const auto opcao = [](tpClassTrib classe) {
    return [classe](TevtInfoEmpregador& e) {
      e.infoEmpregador.infoCadastro().ClassTrib = classe;
      e.infoEmpregador.infoCadastro().IndOpcCP = icpComercializacao;
    };
  };
  const std::string kLimite = " - Número de ocorrências maior que o máximo permitido - Máximo ";
  esocialtest::VerificarCasosLeiaute<TS1000Collection>(
      Preencher,
      {
          {"S-1.03: the option of classification 07", veS01_03_00, opcao(ct07), {"<indOpcCP>1</indOpcCP>"}, {}, {}},
          {"S-1.03: none for classification 08", veS01_03_00, opcao(ct08), {}, {"<indOpcCP>"}, {}},
          {"2.x: one for classification 08",
           ve02_05_00,
           opcao(ct08),
           {"<indOpcCP>1</indOpcCP>"},
           {},
           {"/nmRazao" + kNenhum, "/indEtt" + kNenhum, "/nmCtt" + kNenhum, "/cpfCtt" + kNenhum}},
          // Up to S-1.01 the register data are required whoever sends them.
          {"S-1.01, a judicial process",
           veS01_01_00,
           [](TevtInfoEmpregador& e) {
             e.ModoLancamento = mlAlteracao;
             e.ideEvento.ProcEmi = peAplicGovEvtJud;
           },
           {"</idePeriodo><infoCadastro>"},
           {},
           {}},
          {"an exemption without its dates",
           veS01_03_00,
           [](TevtInfoEmpregador& e) {
             e.infoEmpregador.infoCadastro().DadosIsencao() = {"Lei 1", "C 1", 0, 0, "", 0, 0, ""};
           },
           {"<nrCertif>C 1</nrCertif><dtEmisCertif/><dtVencCertif/></dadosIsencao>"},
           {"<dtDou>"},
           {"/dtEmisCertif" + kNenhum, "/dtVencCertif" + kNenhum}},
          {"the PIS/COFINS option not written when no",
           veS01_01_00,
           [](TevtInfoEmpregador& e) { e.infoEmpregador.infoCadastro().indTribFolhaPisCofins = snfNao; },
           {},
           {"<indTribFolhaPisCofins>"},
           {}},
          {"the PIS/COFINS option not written under S-1.03",
           veS01_03_00,
           [](TevtInfoEmpregador& e) { e.infoEmpregador.infoCadastro().indTribFolhaPisCofins = snfSim; },
           {},
           {"<indTribFolhaPisCofins>"},
           {}},
          {"2.x: a company with neither temporary-work flag nor contact",
           ve02_05_00,
           [](TevtInfoEmpregador& e) { e.infoEmpregador.infoCadastro().InfoOp.nrSiafi = "123456"; },
           {"<indEtt/><contato><nmCtt/><cpfCtt/></contato><infoComplementares>"},
           {"<infoOP>", "<indEntEd>"},
           {"/nmRazao" + kNenhum, "/indEtt" + kNenhum, "/nmCtt" + kNenhum, "/cpfCtt" + kNenhum}},
          {"2.x: an entity without its subceiling nor the EFR flag",
           ve02_05_00,
           [](TevtInfoEmpregador& e) {
             OrgaoPublico2x(e);
             e.infoEmpregador.infoCadastro().InfoOp.infoEnte.subteto = 0;
             e.infoEmpregador.infoCadastro().InfoOp.infoEFR = {snfNada, "00394460000141"};
           },
           {"<indRPPS>S</indRPPS><subteto/>"},
           {"<infoEFR>"},
           {"/subteto" + kNenhum}},
          {"2.x: 100 software houses",
           ve02_05_00,
           [](TevtInfoEmpregador& e) {
             OrgaoPublico2x(e);
             TSoftwareHouseCollection& lista = e.infoEmpregador.infoCadastro().SoftwareHouse;
             while (lista.Count() < 100) lista.Add() = lista.GetItem(0);
           },
           {},
           {},
           {"/softwareHouse(Lista de Software House)" + kLimite + "99."}},
      });
}

TEST(S1000EmployerInformation, IniCases) {
  esocialtest::VerificarCasosIni<TS1000Collection>(
      IniBase(),
      {
          {"absent options: not informed, but a small enterprise",
           [](TIni& ini) {
             ini["infoCadastro"] = {{"classTrib", "07"}};
           },
           testsupport::kNoError,
           [](TevtInfoEmpregador& e) {
             TInfoCadastro& info = e.infoEmpregador.infoCadastro();
             EXPECT_EQ(info.IndOpcCP, icpNenhum);
             EXPECT_EQ(info.IndEntEd, snfNada);
             EXPECT_EQ(info.IndEtt, snfNada);
             EXPECT_EQ(info.IndPorte, tpSim);
             EXPECT_THAT(e.XML(), HasSubstr("<indDesFolha>0</indDesFolha><indPorte>S</indPorte>"));
             EXPECT_FALSE(info.dadosIsencaoInst());
             EXPECT_FALSE(info.infoOrgInternacionalInst());
           }},
          {"an exemption given without its law",
           [](TIni& ini) {
             ini["dadosIsencao"] = {{"nrCertif", "C 1"}};
           },
           "Falha na validação dos dados do evento",
           [](TevtInfoEmpregador& e) { EXPECT_EQ(e.infoEmpregador.infoCadastro().DadosIsencao().NrCertif, "C 1"); }},
          {"software houses up to FIM",
           [](TIni& ini) {
             ini["softwareHouse01"] = {{"cnpjSoftHouse", "11222333000181"}, {"nmRazao", "Sistemas SA"}};
             ini["softwareHouse02"] = {{"cnpjSoftHouse", "FIM"}};
             ini["softwareHouse03"] = {{"cnpjSoftHouse", "11222333000181"}};
           },
           testsupport::kNoError,
           [](TevtInfoEmpregador& e) {
             ASSERT_EQ(e.infoEmpregador.infoCadastro().SoftwareHouse.Count(), 1);
             EXPECT_EQ(e.infoEmpregador.infoCadastro().SoftwareHouse.GetItem(0).NmRazao, "Sistemas SA");
           }},
          {"an exclusion reads no data",
           [](TIni& ini) {
             IniIsenta(ini);
             ini["evtInfoEmpregador"]["ModoLancamento"] = "exclusao";
           },
           testsupport::kNoError, [](TevtInfoEmpregador& e) { EXPECT_FALSE(e.infoEmpregador.infoCadastroInst()); }},
          {"a classification outside its list", [](TIni& ini) { ini["infoCadastro"]["classTrib"] = "05"; },
           "INI: valor inválido em [infoCadastro] classTrib: \"05\"",
           [](TevtInfoEmpregador& e) { EXPECT_EQ(e.XML(), ""); }},
          {"an option outside its list", [](TIni& ini) { ini["infoCadastro"]["indOpcCP"] = "0"; },
           "INI: valor inválido em [infoCadastro] indOpcCP: \"0\"",
           [](TevtInfoEmpregador& e) { EXPECT_EQ(e.XML(), ""); }},
          {"a date that is none", [](TIni& ini) { ini["infoCadastro"]["dtTrans11096"] = "31/02/2010"; }, "31/02/2010",
           [](TevtInfoEmpregador& e) { EXPECT_EQ(e.XML(), ""); }},
      });
}
