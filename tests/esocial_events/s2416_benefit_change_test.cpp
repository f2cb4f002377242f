// S-2416, change of a benefit: documents with and without a suspension, written from fields and
// from INI input, signed and valid against the official schema; the writer's sizes and optional
// groups; the INI reader's own cases.
#include "esocial/events/non_periodic/s2416_benefit_change.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "esocial/events/event_ini.h"
#include "event_test_support.h"

using namespace esocial;
using namespace esocial::s2416;
using esocialtest::TIni;
using platform::EncodeDate;
using testsupport::kNoError;

// The employer of the beneficiary events is a public body.
template <>
inline constexpr TEmpregador esocialtest::kTipoEmpregador<TS2416Collection> = teOrgaoPublico;

namespace {

// A lifelong survivor's pension suspended in June 2024 for want of re-registration.
void Preencher(TEvtCdBenAlt& e) {
  e.Id = esocialtest::kIdEvento;
  e.IdeEvento.VerProc = "NEMBO 1.0";
  e.IdeEmpregador.NrInsc = esocialtest::kEmpregador;
  e.IdeBeneficio = {"12345678909", "BEN-2024-0001"};
  e.InfoBenAlteracao.dtAltBeneficio = EncodeDate(2024, 6, 1);
  TDadosBeneficio& d = e.InfoBenAlteracao.dadosBeneficio;
  d.tpBeneficio = 601;
  d.tpPlanRP = prpFundoEmReparticao;
  d.dsc = "Pensao por morte";
  d.indSuspensao = tpSim;
  d.infoPenMorte().tpPenMorte = pmVitalicia;
  d.suspensao() = {mtvSuspensaoPorNaoRecadastramento, "Nao recadastrado em 2024"};
}

TIni IniBase() {
  return {
      {"evtCdBenAlt", {{"Id", esocialtest::kIdEvento}}},
      {"ideEvento", {{"indRetif", "1"}, {"procEmi", "1"}, {"verProc", "NEMBO 1.0"}}},
      {"ideEmpregador", {{"tpInsc", "1"}, {"nrInsc", esocialtest::kEmpregador}}},
      {"ideBeneficio", {{"cpfBenef", "12345678909"}, {"nrBeneficio", "BEN-2024-0001"}}},
      {"infoBenAlteracao", {{"dtAltBeneficio", "01/06/2024"}}},
      {"dadosBeneficio",
       {{"tpBeneficio", "0601"}, {"tpPlanRP", "2"}, {"dsc", "Pensao por morte"}, {"indSuspensao", "S"}}},
      {"infoPenMorte", {{"tpPenMorte", "1"}}},
      {"suspensao", {{"mtvSuspensao", "01"}, {"dscSuspensao", "Nao recadastrado em 2024"}}},
  };
}

TSuspensao& Suspensao(TEvtCdBenAlt& e) { return e.InfoBenAlteracao.dadosBeneficio.suspensao(); }

const std::string kNenhum = "() - Nenhum valor informado";

}  // namespace

TEST(S2416BenefitChange, ValidDocuments) {
  esocialtest::VerificarDocumentosValidos<TS2416Collection>(
      Preencher, IniBase(),
      {
          {"a suspended survivor's pension", [](TEvtCdBenAlt&) {}, [](TIni&) {}, {}},
          {"a retirement without suspension",
           [](TEvtCdBenAlt& e) {
             TDadosBeneficio& d = e.InfoBenAlteracao.dadosBeneficio;
             d.tpBeneficio = 101;
             d.dsc = "";
             d.indSuspensao = tpNao;
             d.infoPenMorte().tpPenMorte = pmNada;
             d.suspensao() = {};
           },
           [](TIni& ini) {
             ini["dadosBeneficio"] = {{"tpBeneficio", "101"}, {"tpPlanRP", "2"}, {"indSuspensao", "N"}};
             ini.erase("infoPenMorte");
             ini.erase("suspensao");
           },
           {}},
      });
}

// The writer: the benefit number's size and presence, a suspension's description kept, the
// optional groups.
TEST(S2416BenefitChange, WriterCases) {
  esocialtest::VerificarCasosLeiaute<TS2416Collection>(
      Preencher,
      {
          {"a benefit number of 13 characters",
           veS01_03_00,
           [](TEvtCdBenAlt&) {},
           {"<nrBeneficio>BEN-2024-0001</nrBeneficio>"},
           {},
           {}},
          {"no benefit number",
           veS01_03_00,
           [](TEvtCdBenAlt& e) { e.IdeBeneficio.nrBeneficio = ""; },
           {"<nrBeneficio/>"},
           {},
           {"/nrBeneficio" + kNenhum}},
          {"a benefit number of 21 characters",
           veS01_03_00,
           [](TEvtCdBenAlt& e) { e.IdeBeneficio.nrBeneficio = std::string(21, '1'); },
           {},
           {},
           {"/nrBeneficio() - Tamanho maior que o máximo permitido"}},
          {"no benefit kind",
           veS01_03_00,
           [](TEvtCdBenAlt& e) { e.InfoBenAlteracao.dadosBeneficio.tpBeneficio = 0; },
           {"<tpBeneficio/>"},
           {},
           {"/tpBeneficio" + kNenhum}},
          {"a suspension",
           veS01_03_00,
           [](TEvtCdBenAlt&) {},
           {"<indSuspensao>S</indSuspensao><infoPenMorte><tpPenMorte>1</tpPenMorte></infoPenMorte><suspensao>"
            "<mtvSuspensao>01</mtvSuspensao><dscSuspensao>Nao recadastrado em 2024</dscSuspensao></suspensao>"},
           {},
           {}},
          {"no suspension", veS01_03_00, [](TEvtCdBenAlt& e) { Suspensao(e) = {}; }, {}, {"<suspensao>"}, {}},
          {"a description without a reason",
           veS01_03_00,
           [](TEvtCdBenAlt& e) { Suspensao(e).mtvSuspensao = mtvNada; },
           {"<suspensao><mtvSuspensao/><dscSuspensao>"},
           {},
           {"/mtvSuspensao" + kNenhum}},
          {"a survivor's pension without its kind",
           veS01_03_00,
           [](TEvtCdBenAlt& e) { e.InfoBenAlteracao.dadosBeneficio.infoPenMorte().tpPenMorte = pmNada; },
           {},
           {"<infoPenMorte>"},
           {}},
      });
}

TEST(S2416BenefitChange, EarlierLayouts) {
  for (TVersaoeSocial versao : {veS01_00_00, veS01_01_00, veS01_02_00}) {
    SCOPED_TRACE(VersaoeSocialToStr(versao));
    esocialtest::VerificarValidoNoLeiaute<TS2416Collection>(versao, Preencher);
  }
}

// The reader: a reason that is not a code of its list, groups none of whose keys is given, the
// exact pension kind.
TEST(S2416BenefitChange, IniCases) {
  const auto semDocumento = [](TEvtCdBenAlt& e) { EXPECT_EQ(e.XML(), ""); };
  esocialtest::VerificarCasosIni<TS2416Collection>(
      IniBase(),
      {
          {"a reason without its zero", [](TIni& ini) { ini["suspensao"]["mtvSuspensao"] = "1"; },
           "INI: valor inválido em [suspensao] mtvSuspensao: \"1\"", semDocumento},
          {"the other reason", [](TIni& ini) { ini["suspensao"]["mtvSuspensao"] = "99"; }, kNoError,
           [](TEvtCdBenAlt& e) { EXPECT_EQ(Suspensao(e).mtvSuspensao, mtvOutrosMotivosDeSuspensao); }},
          {"a pension kind outside its list", [](TIni& ini) { ini["infoPenMorte"]["tpPenMorte"] = "3"; },
           "Valor string inválido para tpTpPenMorte: 3", semDocumento},
          {"groups whose keys are not given are not made",
           [](TIni& ini) {
             ini["infoPenMorte"] = {};
             ini.erase("suspensao");
           },
           kNoError,
           [](TEvtCdBenAlt& e) {
             EXPECT_FALSE(e.InfoBenAlteracao.dadosBeneficio.infoPenMorteInst());
             EXPECT_FALSE(e.InfoBenAlteracao.dadosBeneficio.SuspensaoInst());
           }},
          {"no suspension flag", [](TIni& ini) { ini["dadosBeneficio"].erase("indSuspensao"); }, "indSuspensao",
           [](TEvtCdBenAlt& e) {
             EXPECT_EQ(e.InfoBenAlteracao.dadosBeneficio.indSuspensao, kCodigoNaoInformado<tpSimNao>);
           }},
          {"the public body is not taken from the configuration", [](TIni&) {}, kNoError,
           [](TEvtCdBenAlt& e) { EXPECT_FALSE(e.IdeEmpregador.OrgaoPublico); }},
      });
}
