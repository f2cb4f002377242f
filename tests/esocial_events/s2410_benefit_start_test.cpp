// S-2410, start of a benefit: documents for a retirement and for a death pension with
// succession and change of CPF, written from fields and from INI input, signed and valid
// against the official schema; the writer's sizes, optional groups and codes; the INI reader.
#include "esocial/events/non_periodic/s2410_benefit_start.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "esocial/events/event_ini.h"
#include "event_test_support.h"

using namespace esocial;
using namespace esocial::s2410;
using esocialtest::TIni;
using platform::EncodeDate;
using ::testing::HasSubstr;
using ::testing::Not;
using testsupport::kNoError;
using testsupport::MessageOf;

// The employer of the beneficiary events is a public body.
template <>
inline constexpr TEmpregador esocialtest::kTipoEmpregador<TS2410Collection> = teOrgaoPublico;

namespace {

// A retirement granted by the body itself in January 2024.
void Preencher(TEvtCdBenIn& e) {
  e.Id = esocialtest::kIdEvento;
  e.IdeEvento.VerProc = "NEMBO 1.0";
  e.IdeEmpregador.NrInsc = esocialtest::kEmpregador;
  e.Beneficiario.cpfBenef = "12345678909";
  e.Beneficiario.matricula = "APOS-001";
  TInfoBenInicio& info = e.InfoBenInicio;
  info.cadIni = tpNao;
  info.indSitBenef = tpisbBeneficioConcedidoPeloProprioOrgaoDeclarante;
  info.nrBeneficio = "BEN-2024-0001";
  info.dtIniBeneficio = EncodeDate(2024, 1, 2);
  info.dtPublic = EncodeDate(2023, 12, 20);
  TDadosBeneficio& d = info.dadosBeneficio;
  d.tpBeneficio = 101;
  d.tpPlanRP = prpFundoEmCapitalizacao;
  d.dsc = "Aposentadoria voluntaria";
  d.indDecJud = snfNao;
}

TIni IniBase() {
  return {
      {"evtCdBenIn", {{"Id", esocialtest::kIdEvento}}},
      {"ideEvento", {{"indRetif", "1"}, {"procEmi", "1"}, {"verProc", "NEMBO 1.0"}}},
      {"ideEmpregador", {{"tpInsc", "1"}, {"nrInsc", esocialtest::kEmpregador}}},
      {"beneficiario", {{"cpfBenef", "12345678909"}, {"matricula", "APOS-001"}}},
      {"infoBenInicio",
       {{"cadIni", "N"},
        {"indSitBenef", "1"},
        {"nrBeneficio", "BEN-2024-0001"},
        {"dtIniBeneficio", "02/01/2024"},
        {"dtPublic", "20/12/2023"}}},
      {"dadosBeneficio",
       {{"tpBeneficio", "0101"}, {"tpPlanRP", "1"}, {"dsc", "Aposentadoria voluntaria"}, {"indDecJud", "N"}}},
  };
}

// A death pension transferred from another body, whose beneficiary changed CPF, ended by death.
void PensaoPorMorte(TEvtCdBenIn& e) {
  e.Beneficiario.matricula = "";
  e.Beneficiario.cnpjOrigem = "11222333000181";
  TInfoBenInicio& info = e.InfoBenInicio;
  info.indSitBenef = tpisbBeneficioTransferidoDeOutroOrgao;
  info.dtPublic = 0;
  TDadosBeneficio& d = info.dadosBeneficio;
  d.tpBeneficio = 601;
  d.tpPlanRP = prpMantidoPeloTesouro;
  d.dsc = "";
  d.indDecJud = snfNada;
  d.infoPenMorte().tpPenMorte = pmTemporaria;
  d.infoPenMorte().instPenMorte() = {"98765432100", EncodeDate(2023, 11, 5)};
  info.sucessaoBenef() = {"11222333000181", "ANT-77", EncodeDate(2024, 1, 1), "Transferido"};
  info.mudancaCPF() = {"11144477735", "ANT-78", EncodeDate(2024, 1, 1), ""};
  info.infoBenTermino() = {EncodeDate(2024, 12, 31), tmcbObito};
}

void IniPensaoPorMorte(TIni& ini) {
  ini["beneficiario"] = {{"cpfBenef", "12345678909"}, {"cnpjOrigem", "11222333000181"}};
  ini["infoBenInicio"]["indSitBenef"] = "2";
  ini["infoBenInicio"].erase("dtPublic");
  ini["dadosBeneficio"] = {{"tpBeneficio", "601"}, {"tpPlanRP", "3"}};
  ini["infoPenMorte"] = {{"tpPenMorte", "2"}};
  ini["instPenMorte"] = {{"cpfInst", "98765432100"}, {"dtInst", "05/11/2023"}};
  ini["sucessaoBenef"] = {{"cnpjOrgaoAnt", "11222333000181"},
                          {"nrBeneficioAnt", "ANT-77"},
                          {"dtTransf", "01/01/2024"},
                          {"observacao", "Transferido"}};
  ini["mudancaCPF"] = {{"cpfAnt", "11144477735"}, {"nrBeneficioAnt", "ANT-78"}, {"dtAltCPF", "01/01/2024"}};
  ini["infoBenTermino"] = {{"dtTermBeneficio", "31/12/2024"}, {"mtvTermino", "01"}};
}

const std::string kNenhum = "() - Nenhum valor informado";

}  // namespace

TEST(S2410BenefitStart, ValidDocuments) {
  esocialtest::VerificarDocumentosValidos<TS2410Collection>(
      Preencher, IniBase(),
      {
          {"a retirement", [](TEvtCdBenIn&) {}, [](TIni&) {}, {}},
          {"a death pension with succession, change of CPF and end", PensaoPorMorte, IniPensaoPorMorte, {}},
      });
}

// The writer: sizes of the benefit numbers, a benefit kind nobody entered, the optional groups
// and codes.
TEST(S2410BenefitStart, WriterCases) {
  const auto termino = [](tpMotCessBenef Motivo) {
    return [Motivo](TEvtCdBenIn& e) { e.InfoBenInicio.infoBenTermino() = {EncodeDate(2024, 12, 31), Motivo}; };
  };
  esocialtest::VerificarCasosLeiaute<TS2410Collection>(
      Preencher, {
                     {"earlier benefit numbers of 6 characters",
                      veS01_03_00,
                      PensaoPorMorte,
                      {"<nrBeneficioAnt>ANT-77</nrBeneficioAnt>", "<nrBeneficioAnt>ANT-78</nrBeneficioAnt>"},
                      {},
                      {}},
                     {"an earlier benefit number of 21 characters",
                      veS01_03_00,
                      [](TEvtCdBenIn& e) {
                        e.InfoBenInicio.sucessaoBenef() = {"11222333000181", std::string(21, '7'), 0, ""};
                      },
                      {},
                      {},
                      {"/nrBeneficioAnt() - Tamanho maior que o máximo permitido", "/dtTransf" + kNenhum}},
                     {"a benefit number of 21 characters",
                      veS01_03_00,
                      [](TEvtCdBenIn& e) { e.InfoBenInicio.nrBeneficio = std::string(21, '1'); },
                      {},
                      {},
                      {"/nrBeneficio() - Tamanho maior que o máximo permitido"}},
                     {"a benefit kind of three digits",
                      veS01_03_00,
                      [](TEvtCdBenIn&) {},
                      {"<tpBeneficio>0101</tpBeneficio>"},
                      {},
                      {}},
                     {"no benefit kind",
                      veS01_03_00,
                      [](TEvtCdBenIn& e) { e.InfoBenInicio.dadosBeneficio.tpBeneficio = 0; },
                      {"<dadosBeneficio><tpBeneficio/><tpPlanRP>1</tpPlanRP>"},
                      {},
                      {"/tpBeneficio" + kNenhum}},
                     {"no plan or initial registration",
                      veS01_03_00,
                      [](TEvtCdBenIn& e) {
                        e.InfoBenInicio.cadIni = kCodigoNaoInformado<tpSimNao>;
                        e.InfoBenInicio.dadosBeneficio.tpPlanRP = prpNenhum;
                      },
                      {"<infoBenInicio><cadIni/>", "<tpPlanRP/>"},
                      {},
                      {"/cadIni" + kNenhum, "/tpPlanRP" + kNenhum}},
                     {"a transferred benefit",
                      veS01_03_00,
                      [](TEvtCdBenIn& e) { e.InfoBenInicio.indSitBenef = tpisbBeneficioTransferidoDeOutroOrgao; },
                      {"<indSitBenef>2</indSitBenef>"},
                      {},
                      {}},
                     {"no situation",
                      veS01_03_00,
                      [](TEvtCdBenIn& e) { e.InfoBenInicio.indSitBenef = tpisbNenhum; },
                      {"<cadIni>N</cadIni><nrBeneficio>"},
                      {},
                      {}},
                     {"a survivor's pension without its kind",
                      veS01_03_00,
                      [](TEvtCdBenIn& e) {
                        PensaoPorMorte(e);
                        e.InfoBenInicio.dadosBeneficio.infoPenMorte().tpPenMorte = pmNada;
                      },
                      {},
                      {"<infoPenMorte>", "<instPenMorte>"},
                      {}},
                     {"an instituting person without CPF",
                      veS01_03_00,
                      [](TEvtCdBenIn& e) {
                        PensaoPorMorte(e);
                        e.InfoBenInicio.dadosBeneficio.infoPenMorte().instPenMorte().cpfInst = "";
                      },
                      {"<infoPenMorte><tpPenMorte>2</tpPenMorte></infoPenMorte>"},
                      {"<instPenMorte>"},
                      {}},
                     {"an end by death",
                      veS01_03_00,
                      termino(tmcbObito),
                      {"<infoBenTermino><dtTermBeneficio>2024-12-31</dtTermBeneficio><mtvTermino>01</mtvTermino>"},
                      {},
                      {}},
                     {"an end by transfer",
                      veS01_03_00,
                      termino(tmcbTransferenciaDeOrgaoAdministrador),
                      {},
                      {"<infoBenTermino>"},
                      {}},
                     {"an end by change of CPF",
                      veS01_03_00,
                      termino(tmcbMudancaDeCPFDoBeneficiario),
                      {},
                      {"<infoBenTermino>"},
                      {}},
                     {"an end without reason", veS01_03_00, termino(tmcbNenhum), {}, {"<infoBenTermino>"}, {}},
                     {"a succession without the body's CNPJ",
                      veS01_03_00,
                      [](TEvtCdBenIn& e) { e.InfoBenInicio.sucessaoBenef().nrBeneficioAnt = "ANT-77"; },
                      {},
                      {"<sucessaoBenef>"},
                      {}},
                 });
}

// Writing reads the optional groups without making them.
TEST(S2410BenefitStart, WritingMakesNoGroup) {
  esocialtest::TComponente c = esocialtest::NovoComponenteDe<TS2410Collection>(false);
  TEvtCdBenIn& e = esocialtest::NovoEvento<TS2410Collection>(c, veS01_03_00);
  Preencher(e);
  e.InfoBenInicio.dadosBeneficio.infoPenMorte().tpPenMorte = pmVitalicia;
  e.GerarXML();
  EXPECT_FALSE(e.InfoBenInicio.dadosBeneficio.infoPenMorte().instPenMorteInst());
  EXPECT_FALSE(e.InfoBenInicio.infoSucessaoBenefInst());
  EXPECT_FALSE(e.InfoBenInicio.infoMudancaCPFInst());
  EXPECT_FALSE(e.InfoBenInicio.infoBenTerminoInst());
}

TEST(S2410BenefitStart, EarlierLayouts) {
  for (TVersaoeSocial versao : {veS01_00_00, veS01_01_00, veS01_02_00}) {
    SCOPED_TRACE(VersaoeSocialToStr(versao));
    esocialtest::VerificarValidoNoLeiaute<TS2410Collection>(versao, [](TEvtCdBenIn& e) {
      Preencher(e);
      PensaoPorMorte(e);
    });
  }
}

// The reader: its sections, the optional groups read on their first key, the exact codes.
TEST(S2410BenefitStart, IniCases) {
  const auto semDocumento = [](TEvtCdBenIn& e) { EXPECT_EQ(e.XML(), ""); };
  esocialtest::VerificarCasosIni<TS2410Collection>(
      IniBase(),
      {
          {"a full INI", IniPensaoPorMorte, kNoError,
           [](TEvtCdBenIn& e) {
             EXPECT_TRUE(e.IdeEmpregador.OrgaoPublico);
             EXPECT_EQ(e.InfoBenInicio.dadosBeneficio.infoPenMorte().instPenMorte().dtInst, EncodeDate(2023, 11, 5));
             EXPECT_EQ(e.InfoBenInicio.mudancaCPF().cpfAnt, "11144477735");
             EXPECT_EQ(e.InfoBenInicio.infoBenTermino().mtvTermino, tmcbObito);
           }},
          {"groups without their first key are not read",
           [](TIni& ini) {
             ini["instPenMorte"] = {{"dtInst", "05/11/2023"}};
             ini["sucessaoBenef"] = {{"nrBeneficioAnt", "ANT-77"}};
             ini["mudancaCPF"] = {{"nrBeneficioAnt", "ANT-78"}};
             ini["infoBenTermino"] = {{"dtTermBeneficio", "31/12/2024"}};
           },
           kNoError,
           [](TEvtCdBenIn& e) {
             EXPECT_FALSE(e.InfoBenInicio.dadosBeneficio.infoPenMorteInst());
             EXPECT_FALSE(e.InfoBenInicio.infoSucessaoBenefInst());
             EXPECT_FALSE(e.InfoBenInicio.infoMudancaCPFInst());
             EXPECT_FALSE(e.InfoBenInicio.infoBenTerminoInst());
           }},
          {"a situation outside 1 to 3 is not informed", [](TIni& ini) { ini["infoBenInicio"]["indSitBenef"] = "4"; },
           kNoError, [](TEvtCdBenIn& e) { EXPECT_EQ(e.InfoBenInicio.indSitBenef, tpisbNenhum); }},
          {"a pension kind outside its list",
           [](TIni& ini) {
             ini["infoPenMorte"] = {{"tpPenMorte", "3"}};
           },
           "Valor string inválido para tpTpPenMorte: 3", semDocumento},
          {"a reason without its zero",
           [](TIni& ini) {
             ini["infoBenTermino"] = {{"mtvTermino", "1"}};
           },
           "Valor string inválido para tpMotCessBenef: 1", semDocumento},
          {"no initial registration", [](TIni& ini) { ini["infoBenInicio"].erase("cadIni"); }, "cadIni",
           [](TEvtCdBenIn& e) { EXPECT_EQ(e.InfoBenInicio.cadIni, kCodigoNaoInformado<tpSimNao>); }},
          {"a plan outside its list", [](TIni& ini) { ini["dadosBeneficio"]["tpPlanRP"] = "4"; },
           "INI: valor inválido em [dadosBeneficio] tpPlanRP: \"4\"", semDocumento},
          {"a date that is none", [](TIni& ini) { ini["infoBenInicio"]["dtIniBeneficio"] = "32/01/2024"; },
           "'32/01/2024' is not a valid date", semDocumento},
      });
}

// An INI text of the root section alone is loaded by no one: the container keeps no event.
TEST(S2410BenefitStart, AnIniOfTheRootAloneRaises) {
  for (const std::string& texto :
       {std::string("[evtCdBenIn]"), "[evtCdBenIn]\nId=" + std::string(esocialtest::kIdEvento) + "\n"}) {
    SCOPED_TRACE(texto);
    esocialtest::TComponente c = esocialtest::NovoComponenteDe<TS2410Collection>();
    EXPECT_NE(MessageOf([&] { c.Eventos().LoadFromIni(texto); }), testsupport::kNoError);
    EXPECT_EQ(c.Eventos().NaoPeriodicos().S2410().Count(), 0);
  }
}
