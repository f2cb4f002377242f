// S-2405, change of beneficiary data: documents written from fields and from INI input, signed
// and valid against the official schema; the writer's sizes, the required sex of a dependant
// and values not informed; the INI reader's own cases.
#include "esocial/events/non_periodic/s2405_beneficiary_change.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "esocial/events/event_ini.h"
#include "event_test_support.h"

using namespace esocial;
using namespace esocial::s2405;
using esocialtest::TIni;
using platform::EncodeDate;
using ::testing::HasSubstr;
using ::testing::Not;
using testsupport::kNoError;

// The employer of the beneficiary events is a public body.
template <>
inline constexpr TEmpregador esocialtest::kTipoEmpregador<TS2405Collection> = teOrgaoPublico;

namespace {

// A beneficiary who married in March 2024 and moved to Campinas with his wife.
void Preencher(TEvtCdBenefAlt& e) {
  e.Id = esocialtest::kIdEvento;
  e.IdeEvento.VerProc = "NEMBO 1.0";
  e.IdeEmpregador.NrInsc = esocialtest::kEmpregador;
  e.IdeBenef.CpfBenef = "12345678909";
  e.Alteracao.DtAlteracao = EncodeDate(2024, 3, 15);
  TDadosBenef& d = e.Alteracao.DadosBenef;
  d.nmBenefic = "Jose da Silva";
  d.sexo = "M";
  d.racaCor = 3;
  d.estCiv = 2;
  d.incFisMen = tpNao;
  d.endereco.Brasil = {"AV", "Avenida Brasil", "500", "Apto 12", "Centro", "13010000", 3509502, "SP"};
  TDependenteCollectionItem& esposa = d.dependente.Add();
  esposa.tpDep = tdConjuge;
  esposa.nmDep = "Maria da Silva";
  esposa.dtNascto = EncodeDate(1960, 3, 4);
  esposa.cpfDep = "98765432100";
  esposa.sexoDep = "F";
  esposa.depIRRF = tpSim;
  esposa.incFisMen() = tpNao;
}

TIni IniBase() {
  return {
      {"evtCdBenefAlt", {{"Id", esocialtest::kIdEvento}}},
      {"ideEvento", {{"indRetif", "1"}, {"procEmi", "1"}, {"verProc", "NEMBO 1.0"}}},
      {"ideEmpregador", {{"tpInsc", "1"}, {"nrInsc", esocialtest::kEmpregador}}},
      {"ideBenef", {{"cpfBenef", "12345678909"}}},
      {"alteracao", {{"dtAlteracao", "15/03/2024"}}},
      {"dadosBenef",
       {{"nmBenefic", "Jose da Silva"}, {"sexo", "M"}, {"racaCor", "3"}, {"estCiv", "2"}, {"incFisMen", "N"}}},
      {"brasil",
       {{"tpLograd", "AV"},
        {"dscLograd", "Avenida Brasil"},
        {"nrLograd", "500"},
        {"complemento", "Apto 12"},
        {"bairro", "Centro"},
        {"cep", "13010000"},
        {"codMunic", "3509502"},
        {"uf", "SP"}}},
      {"dependente01",
       {{"tpDep", "01"},
        {"nmDep", "Maria da Silva"},
        {"dtNascto", "04/03/1960"},
        {"cpfDep", "98765432100"},
        {"sexoDep", "F"},
        {"depIRRF", "S"},
        {"incTrab", "N"}}},
  };
}

const std::string kNenhum = "() - Nenhum valor informado";

}  // namespace

TEST(S2405BeneficiaryChange, ValidDocuments) {
  esocialtest::VerificarDocumentosValidos<TS2405Collection>(
      Preencher, IniBase(),
      {
          {"a new marital status, address and dependant", [](TEvtCdBenefAlt&) {}, [](TIni&) {}, {}},
          {"a new name, incapacity and address abroad, the dependant's description",
           [](TEvtCdBenefAlt& e) {
             TDadosBenef& d = e.Alteracao.DadosBenef;
             d.nmBenefic = "Jose da Silva Souza";
             d.estCiv = 0;
             d.incFisMen = tpSim;
             d.endereco.Exterior = {"239", "Rua Augusta", "12", "", "Baixa", "Lisboa", ""};
             d.dependente.GetItem(0).descrDep = "Esposa";
           },
           [](TIni& ini) {
             ini["dadosBenef"]["nmBenefic"] = "Jose da Silva Souza";
             ini["dadosBenef"].erase("estCiv");
             ini["dadosBenef"]["incFisMen"] = "S";
             ini["exterior"] = {{"paisResid", "239"},
                                {"dscLograd", "Rua Augusta"},
                                {"nrLograd", "12"},
                                {"bairro", "Baixa"},
                                {"nmCid", "Lisboa"}};
             ini["dependente01"]["descrDep"] = "Esposa";
           },
           {}},
      });
}

// The writer's sizes and values not informed, and the sex of a dependant, which every S-1 layout
// requires here.
TEST(S2405BeneficiaryChange, WriterCases) {
  esocialtest::VerificarCasosLeiaute<TS2405Collection>(
      Preencher, {
                     {"a name of 13 characters",
                      veS01_03_00,
                      [](TEvtCdBenefAlt&) {},
                      {"<nmBenefic>Jose da Silva</nmBenefic>"},
                      {},
                      {}},
                     {"a name of 71 characters",
                      veS01_03_00,
                      [](TEvtCdBenefAlt& e) { e.Alteracao.DadosBenef.nmBenefic = std::string(71, 'A'); },
                      {},
                      {},
                      {"/nmBenefic() - Tamanho maior que o máximo permitido"}},
                     {"a dependant without sex",
                      veS01_03_00,
                      [](TEvtCdBenefAlt& e) { e.Alteracao.DadosBenef.dependente.GetItem(0).sexoDep = ""; },
                      {"<cpfDep>98765432100</cpfDep><sexoDep/><depIRRF>S</depIRRF>"},
                      {},
                      {"/sexoDep" + kNenhum}},
                     {"a dependant without sex under S-1.00",
                      veS01_00_00,
                      [](TEvtCdBenefAlt& e) { e.Alteracao.DadosBenef.dependente.GetItem(0).sexoDep = ""; },
                      {"<sexoDep/>"},
                      {},
                      {"/sexoDep" + kNenhum}},
                     {"no race",
                      veS01_03_00,
                      [](TEvtCdBenefAlt& e) { e.Alteracao.DadosBenef.racaCor = 0; },
                      {"<sexo>M</sexo><racaCor/>"},
                      {},
                      {"/racaCor" + kNenhum}},
                     {"no incapacity given",
                      veS01_03_00,
                      [](TEvtCdBenefAlt& e) {
                        e.Alteracao.DadosBenef.incFisMen = kCodigoNaoInformado<tpSimNao>;
                        e.Alteracao.DadosBenef.dependente.GetItem(0).incFisMen() = kCodigoNaoInformado<tpSimNao>;
                      },
                      {"<estCiv>2</estCiv><incFisMen/><endereco>", "<depIRRF>S</depIRRF><incFisMen/>"},
                      {},
                      {"/incFisMen" + kNenhum, "/incFisMen" + kNenhum}},
                 });
}

TEST(S2405BeneficiaryChange, EarlierLayouts) {
  for (TVersaoeSocial versao : {veS01_00_00, veS01_01_00, veS01_02_00}) {
    SCOPED_TRACE(VersaoeSocialToStr(versao));
    esocialtest::VerificarValidoNoLeiaute<TS2405Collection>(versao, Preencher);
  }
}

// The reader: an incapacity, an income-tax flag or a race nobody entered, an address section
// without its street; and its own format.
TEST(S2405BeneficiaryChange, IniCases) {
  esocialtest::VerificarCasosIni<TS2405Collection>(
      IniBase(),
      {
          {"no incapacity", [](TIni& ini) { ini["dadosBenef"].erase("incFisMen"); }, "incFisMen",
           [](TEvtCdBenefAlt& e) { EXPECT_EQ(e.Alteracao.DadosBenef.incFisMen, kCodigoNaoInformado<tpSimNao>); }},
          {"a dependant without incapacity", [](TIni& ini) { ini["dependente01"].erase("incTrab"); }, "incFisMen",
           [](TEvtCdBenefAlt& e) {
             EXPECT_EQ(e.Alteracao.DadosBenef.dependente.GetItem(0).incFisMen(), kCodigoNaoInformado<tpSimNao>);
           }},
          {"a dependant without income-tax flag", [](TIni& ini) { ini["dependente01"].erase("depIRRF"); }, "depIRRF",
           [](TEvtCdBenefAlt& e) {
             EXPECT_EQ(e.Alteracao.DadosBenef.dependente.GetItem(0).depIRRF, kCodigoNaoInformado<tpSimNao>);
           }},
          {"no race", [](TIni& ini) { ini["dadosBenef"].erase("racaCor"); }, "racaCor",
           [](TEvtCdBenefAlt& e) { EXPECT_EQ(e.Alteracao.DadosBenef.racaCor, 0); }},
          {"a dependant's incapacity under its own key only",
           [](TIni& ini) {
             ini["dependente01"].erase("incTrab");
             ini["dependente01"]["incFisMen"] = "N";
           },
           "incFisMen", [](TEvtCdBenefAlt&) {}},
          {"an address without its street is read", [](TIni& ini) { ini["brasil"].erase("dscLograd"); }, "dscLograd",
           [](TEvtCdBenefAlt& e) { EXPECT_EQ(e.Alteracao.DadosBenef.endereco.Brasil.Cep, "13010000"); }},
          {"a residence abroad in Brazil",
           [](TIni& ini) {
             ini["exterior"] = {{"paisResid", "105"}, {"nmCid", "Lisboa"}};
           },
           kNoError,
           [](TEvtCdBenefAlt& e) {
             EXPECT_EQ(e.Alteracao.DadosBenef.endereco.Exterior.NmCid, "Lisboa");
             EXPECT_THAT(e.XML(), HasSubstr("<endereco><brasil>"));
           }},
          {"a date that is none", [](TIni& ini) { ini["alteracao"]["dtAlteracao"] = "2024-03-15"; },
           "'2024-03-15' is not a valid date", [](TEvtCdBenefAlt& e) { EXPECT_EQ(e.XML(), ""); }},
          {"a flag outside its list", [](TIni& ini) { ini["dependente01"]["depIRRF"] = "Sim"; },
           "INI: valor inválido em [dependente01] depIRRF: \"Sim\"", [](TEvtCdBenefAlt&) {}},
          {"the public body is not taken from the configuration", [](TIni&) {}, kNoError,
           [](TEvtCdBenefAlt& e) { EXPECT_FALSE(e.IdeEmpregador.OrgaoPublico); }},
      });
}
