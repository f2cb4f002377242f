// S-2400, registration of a benefit beneficiary: documents written from fields and from INI
// input, signed and valid against the official schema, with the address in Brazil and abroad;
// the writer's sizes and values not informed; the INI reader's own cases.
#include "esocial/events/non_periodic/s2400_beneficiary_registration.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "esocial/events/event_ini.h"
#include "event_test_support.h"

using namespace esocial;
using namespace esocial::s2400;
using esocialtest::TIni;
using platform::EncodeDate;
using testsupport::kNoError;

// The employer of the beneficiary events is a public body.
template <>
inline constexpr TEmpregador esocialtest::kTipoEmpregador<TS2400Collection> = teOrgaoPublico;

namespace {

// A beneficiary living in São Paulo since 2022, with a wife and a son.
void Preencher(TEvtCdBenefIn& e) {
  e.Id = esocialtest::kIdEvento;
  e.IdeEvento.VerProc = "NEMBO 1.0";
  e.IdeEmpregador.NrInsc = esocialtest::kEmpregador;
  TBeneficiario& b = e.Beneficiario;
  b.cpfBenef = "12345678909";
  b.nmBenefic = "Jose da Silva";
  b.dtNascto = EncodeDate(1950, 5, 10);
  b.dtInicio = EncodeDate(2022, 1, 1);
  b.sexo = "M";
  b.racaCor = 1;
  b.estCiv = 2;
  b.incFisMen = tpNao;
  TBrasil& brasil = b.endereco.Brasil;
  brasil.TpLograd = "R";
  brasil.DscLograd = "Rua das Flores";
  brasil.NrLograd = "100";
  brasil.Bairro = "Centro";
  brasil.Cep = "01001000";
  brasil.CodMunic = 3550308;
  brasil.UF = "SP";
  TDependenteCollectionItem& esposa = b.dependente.Add();
  esposa.tpDep = tdConjuge;
  esposa.nmDep = "Maria da Silva";
  esposa.dtNascto = EncodeDate(1952, 3, 4);
  esposa.cpfDep = "98765432100";
  esposa.sexoDep = "F";
  esposa.depIRRF = tpSim;
  esposa.incFisMen() = tpNao;
  TDependenteCollectionItem& filho = b.dependente.Add();
  filho.tpDep = tdFilhoOuEnteado;
  filho.nmDep = "Pedro da Silva";
  filho.dtNascto = EncodeDate(1990, 7, 9);
  filho.depIRRF = tpNao;
  filho.incFisMen() = tpSim;
  filho.descrDep = "Filho com deficiencia";
}

TIni IniBase() {
  return {
      {"evtCdBenefIn", {{"Id", esocialtest::kIdEvento}}},
      {"ideEvento", {{"indRetif", "1"}, {"procEmi", "1"}, {"verProc", "NEMBO 1.0"}}},
      {"ideEmpregador", {{"tpInsc", "1"}, {"nrInsc", esocialtest::kEmpregador}}},
      {"beneficiario",
       {{"cpfBenef", "12345678909"},
        {"nmBenefic", "Jose da Silva"},
        {"dtNascto", "10/05/1950"},
        {"dtInicio", "01/01/2022"},
        {"sexo", "M"},
        {"racaCor", "1"},
        {"estCiv", "2"},
        {"incFisMen", "N"}}},
      {"enderecoBrasil",
       {{"tpLograd", "R"},
        {"dscLograd", "Rua das Flores"},
        {"nrLograd", "100"},
        {"bairro", "Centro"},
        {"cep", "01001000"},
        {"codMunic", "3550308"},
        {"uf", "SP"}}},
      {"dependente01",
       {{"tpDep", "01"},
        {"nmDep", "Maria da Silva"},
        {"dtNascto", "04/03/1952"},
        {"cpfDep", "98765432100"},
        {"sexoDep", "F"},
        {"depIRRF", "S"},
        {"incFisMen", "N"}}},
      {"dependente02",
       {{"tpDep", "03"},
        {"nmDep", "Pedro da Silva"},
        {"dtNascto", "09/07/1990"},
        {"depIRRF", "N"},
        {"incFisMen", "S"},
        {"descrDep", "Filho com deficiencia"}}},
  };
}

const std::string kNenhum = "() - Nenhum valor informado";

}  // namespace

TEST(S2400BeneficiaryRegistration, ValidDocuments) {
  esocialtest::VerificarDocumentosValidos<TS2400Collection>(
      Preencher, IniBase(),
      {
          {"an address in Brazil and two dependants", [](TEvtCdBenefIn&) {}, [](TIni&) {}, {}},
          // Registered before the obligation began: no sex; incapable since 2015; abroad.
          {"an address abroad, an incapacity and no sex",
           [](TEvtCdBenefIn& e) {
             TBeneficiario& b = e.Beneficiario;
             b.sexo = "";
             b.incFisMen = tpSim;
             b.dtIncFisMen = EncodeDate(2015, 8, 20);
             b.endereco.Exterior = {"239", "Rua Augusta", "12", "", "", "Lisboa", "1000-001"};
           },
           [](TIni& ini) {
             ini["beneficiario"].erase("sexo");
             ini["beneficiario"]["incFisMen"] = "S";
             ini["beneficiario"]["dtIncFisMen"] = "20/08/2015";
             ini["enderecoExterior"] = {{"paisResid", "239"},
                                        {"dscLograd", "Rua Augusta"},
                                        {"nrLograd", "12"},
                                        {"nmCid", "Lisboa"},
                                        {"codPostal", "1000-001"}};
           },
           {}},
      });
}

// The writer's sizes and values not informed: the name's size, a sex not given, a race, an
// incapacity or a dependant's kind nobody entered; the marital status and the address chosen.
TEST(S2400BeneficiaryRegistration, WriterCases) {
  esocialtest::VerificarCasosLeiaute<TS2400Collection>(
      Preencher, {
                     {"a name of 13 characters",
                      veS01_03_00,
                      [](TEvtCdBenefIn&) {},
                      {"<nmBenefic>Jose da Silva</nmBenefic>"},
                      {},
                      {}},
                     {"a name of 70 characters",
                      veS01_03_00,
                      [](TEvtCdBenefIn& e) { e.Beneficiario.nmBenefic = std::string(70, 'A'); },
                      {},
                      {},
                      {}},
                     {"a name of 1 character",
                      veS01_03_00,
                      [](TEvtCdBenefIn& e) { e.Beneficiario.nmBenefic = "J"; },
                      {},
                      {},
                      {"/nmBenefic() - Tamanho menor que o mínimo permitido [J]"}},
                     {"a name of 71 characters",
                      veS01_03_00,
                      [](TEvtCdBenefIn& e) { e.Beneficiario.nmBenefic = std::string(71, 'A'); },
                      {},
                      {},
                      {"/nmBenefic() - Tamanho maior que o máximo permitido"}},
                     {"no sex is left out",
                      veS01_03_00,
                      [](TEvtCdBenefIn& e) { e.Beneficiario.sexo = ""; },
                      {"<dtInicio>2022-01-01</dtInicio><racaCor>1</racaCor>"},
                      {"<sexo>", "<sexo/>"},
                      {}},
                     {"no race",
                      veS01_03_00,
                      [](TEvtCdBenefIn& e) { e.Beneficiario.racaCor = 0; },
                      {"<sexo>M</sexo><racaCor/>"},
                      {},
                      {"/racaCor" + kNenhum}},
                     {"no incapacity given",
                      veS01_03_00,
                      [](TEvtCdBenefIn& e) {
                        e.Beneficiario.incFisMen = kCodigoNaoInformado<tpSimNao>;
                        e.Beneficiario.dependente.GetItem(1).incFisMen() = kCodigoNaoInformado<tpSimNao>;
                        e.Beneficiario.dependente.GetItem(1).depIRRF = kCodigoNaoInformado<tpSimNao>;
                      },
                      {"<estCiv>2</estCiv><incFisMen/><endereco>", "<depIRRF/><incFisMen/>"},
                      {},
                      {"/incFisMen" + kNenhum, "/depIRRF" + kNenhum, "/incFisMen" + kNenhum}},
                     {"a marital status outside 1 to 5",
                      veS01_03_00,
                      [](TEvtCdBenefIn& e) { e.Beneficiario.estCiv = 6; },
                      {},
                      {"<estCiv>"},
                      {}},
                     {"a dependant without kind under S-1.01, which requires it",
                      veS01_01_00,
                      [](TEvtCdBenefIn& e) { e.Beneficiario.dependente.GetItem(0).tpDep = tdNenhum; },
                      {"<dependente><tpDep/><nmDep>Maria da Silva</nmDep>"},
                      {},
                      {"/tpDep" + kNenhum}},
                     {"a dependant without kind under S-1.02",
                      veS01_02_00,
                      [](TEvtCdBenefIn& e) { e.Beneficiario.dependente.GetItem(0).tpDep = tdNenhum; },
                      {"<dependente><nmDep>Maria da Silva</nmDep>"},
                      {"<tpDep/>"},
                      {}},
                     {"a dependant's sex is optional",
                      veS01_03_00,
                      [](TEvtCdBenefIn& e) { e.Beneficiario.dependente.GetItem(0).sexoDep = ""; },
                      {},
                      {"<sexoDep>"},
                      {}},
                     {"a residence abroad in Brazil is the address in Brazil",
                      veS01_03_00,
                      [](TEvtCdBenefIn& e) {
                        e.Beneficiario.endereco.Exterior.PaisResid = "105";
                        e.Beneficiario.endereco.Exterior.NmCid = "Lisboa";
                      },
                      {"<endereco><brasil><tpLograd>R</tpLograd>"},
                      {"<exterior>"},
                      {}},
                 });
}

// Documents under the earlier S-1 layouts, whose dependants have no description.
TEST(S2400BeneficiaryRegistration, EarlierLayouts) {
  for (TVersaoeSocial versao : {veS01_00_00, veS01_01_00, veS01_02_00}) {
    SCOPED_TRACE(VersaoeSocialToStr(versao));
    const std::string escrito = esocialtest::VerificarValidoNoLeiaute<TS2400Collection>(versao, Preencher);
    EXPECT_EQ(escrito.find("<descrDep>") != std::string::npos, versao >= veS01_02_00);
  }
}

// The reader: dates by the common reader (a typo raises, an empty date is not informed), no
// race or incapacity nobody entered, codes outside their lists, both addresses, the dependants.
TEST(S2400BeneficiaryRegistration, IniCases) {
  esocialtest::VerificarCasosIni<TS2400Collection>(
      IniBase(),
      {
          {"a date that is none", [](TIni& ini) { ini["beneficiario"]["dtIncFisMen"] = "31/02/2015"; },
           "'31/02/2015' is not a valid date",
           [](TEvtCdBenefIn& e) {
             EXPECT_EQ(e.Beneficiario.dtIncFisMen, 0);
             EXPECT_EQ(e.XML(), "");
           }},
          {"a date in another order", [](TIni& ini) { ini["beneficiario"]["dtNascto"] = "1950-05-10"; },
           "'1950-05-10' is not a valid date", [](TEvtCdBenefIn&) {}},
          {"an empty date is not informed",
           [](TIni& ini) {
             ini["beneficiario"]["incFisMen"] = "S";
             ini["beneficiario"]["dtIncFisMen"] = "";
           },
           kNoError, [](TEvtCdBenefIn& e) { EXPECT_EQ(e.Beneficiario.dtIncFisMen, 0); }},
          {"a date with dots", [](TIni& ini) { ini["beneficiario"]["dtInicio"] = "1.1.2022"; }, kNoError,
           [](TEvtCdBenefIn& e) { EXPECT_EQ(e.Beneficiario.dtInicio, EncodeDate(2022, 1, 1)); }},
          {"no race", [](TIni& ini) { ini["beneficiario"].erase("racaCor"); }, "racaCor",
           [](TEvtCdBenefIn& e) { EXPECT_EQ(e.Beneficiario.racaCor, 0); }},
          {"no sex", [](TIni& ini) { ini["beneficiario"].erase("sexo"); }, kNoError,
           [](TEvtCdBenefIn& e) { EXPECT_THAT(e.XML(), ::testing::Not(::testing::HasSubstr("<sexo>"))); }},
          {"no incapacity", [](TIni& ini) { ini["beneficiario"].erase("incFisMen"); }, "incFisMen",
           [](TEvtCdBenefIn& e) {
             EXPECT_EQ(e.Beneficiario.incFisMen, kCodigoNaoInformado<tpSimNao>);
             EXPECT_EQ(e.Beneficiario.dtIncFisMen, 0);
           }},
          {"a dependant without incapacity or income-tax flag",
           [](TIni& ini) {
             ini["dependente02"].erase("incFisMen");
             ini["dependente02"].erase("depIRRF");
           },
           "incFisMen",
           [](TEvtCdBenefIn& e) {
             EXPECT_EQ(e.Beneficiario.dependente.GetItem(1).incFisMen(), kCodigoNaoInformado<tpSimNao>);
             EXPECT_EQ(e.Beneficiario.dependente.GetItem(1).depIRRF, kCodigoNaoInformado<tpSimNao>);
           }},
          {"an incapacity outside its list", [](TIni& ini) { ini["beneficiario"]["incFisMen"] = "X"; },
           "INI: valor inválido em [beneficiario] incFisMen: \"X\"", [](TEvtCdBenefIn&) {}},
          {"a dependant's kind without its zero", [](TIni& ini) { ini["dependente02"]["tpDep"] = "3"; },
           "INI: valor inválido em [dependente02] tpDep: \"3\"", [](TEvtCdBenefIn&) {}},
          {"a race that is no number", [](TIni& ini) { ini["beneficiario"]["racaCor"] = "branca"; },
           "INI: valor inválido em [beneficiario] racaCor: \"branca\"", [](TEvtCdBenefIn&) {}},
          {"both addresses are read, the one abroad written",
           [](TIni& ini) {
             ini["enderecoExterior"] = {
                 {"paisResid", "239"}, {"dscLograd", "Rua Augusta"}, {"nrLograd", "12"}, {"nmCid", "Lisboa"}};
           },
           kNoError,
           [](TEvtCdBenefIn& e) {
             EXPECT_EQ(e.Beneficiario.endereco.Brasil.Cep, "01001000");
             EXPECT_THAT(e.XML(), ::testing::HasSubstr("<exterior><paisResid>239</paisResid>"));
           }},
          {"the public body is taken from the configuration", [](TIni&) {}, kNoError,
           [](TEvtCdBenefIn& e) { EXPECT_TRUE(e.IdeEmpregador.OrgaoPublico); }},
          {"the dependants end at the first without a name",
           [](TIni& ini) {
             ini["dependente02"]["nmDep"] = "FIM";
             ini["dependente03"] = {{"nmDep", "Ana"}};
           },
           kNoError, [](TEvtCdBenefIn& e) { EXPECT_EQ(e.Beneficiario.dependente.Count(), 1); }},
      });
}
