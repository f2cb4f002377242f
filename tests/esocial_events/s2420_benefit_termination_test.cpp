// S-2420, termination of a benefit: documents written from fields and from INI input, signed and
// valid against the official schema; the benefit number's size and the reason's code; the INI
// reader's exact reasons.
#include "esocial/events/non_periodic/s2420_benefit_termination.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "event_test_support.h"

using namespace esocial;
using namespace esocial::s2420;
using esocialtest::TIni;
using platform::EncodeDate;
using testsupport::kNoError;

// The employer of the beneficiary events is a public body.
template <>
inline constexpr TEmpregador esocialtest::kTipoEmpregador<TS2420Collection> = teOrgaoPublico;

namespace {

// A benefit ended by the beneficiary's death at the end of 2024.
void Preencher(TEvtCdBenTerm& e) {
  e.Id = esocialtest::kIdEvento;
  e.ideEvento.VerProc = "NEMBO 1.0";
  e.ideEmpregador.NrInsc = esocialtest::kEmpregador;
  e.ideBeneficio = {"12345678909", "BEN-2024-0001"};
  e.infoBenTermino.dtTermBeneficio = EncodeDate(2024, 12, 31);
  e.infoBenTermino.mtvTermino = tmcbObito;
}

TIni IniBase() {
  return {
      {"evtCdBenTerm", {{"Id", esocialtest::kIdEvento}}},
      {"ideEvento", {{"indRetif", "1"}, {"procEmi", "1"}, {"verProc", "NEMBO 1.0"}}},
      {"ideEmpregador", {{"tpInsc", "1"}, {"nrInsc", esocialtest::kEmpregador}}},
      {"ideBeneficio", {{"cpfBenef", "12345678909"}, {"nrBeneficio", "BEN-2024-0001"}}},
      {"infoBenTermino", {{"dtTermBeneficio", "31/12/2024"}, {"mtvTermino", "01"}}},
  };
}

const std::string kNenhum = "() - Nenhum valor informado";

}  // namespace

TEST(S2420BenefitTermination, ValidDocuments) {
  esocialtest::VerificarDocumentosValidos<TS2420Collection>(
      Preencher, IniBase(),
      {
          {"an end by death", [](TEvtCdBenTerm&) {}, [](TIni&) {}, {}},
          {"a transfer to another body",
           [](TEvtCdBenTerm& e) {
             e.infoBenTermino.mtvTermino = tmcbTransferenciaDeOrgaoAdministrador;
             e.infoBenTermino.cnpjOrgaoSuc = "11222333000181";
           },
           [](TIni& ini) {
             ini["infoBenTermino"]["mtvTermino"] = "09";
             ini["infoBenTermino"]["cnpjOrgaoSuc"] = "11222333000181";
           },
           {}},
          {"a change of CPF",
           [](TEvtCdBenTerm& e) {
             e.infoBenTermino.mtvTermino = tmcbMudancaDeCPFDoBeneficiario;
             e.infoBenTermino.novoCPF = "11144477735";
           },
           [](TIni& ini) {
             ini["infoBenTermino"]["mtvTermino"] = "10";
             ini["infoBenTermino"]["novoCPF"] = "11144477735";
           },
           {}},
      });
}

// The benefit number takes 1 to 20 characters: an ordinary one raises no size alert.
TEST(S2420BenefitTermination, WriterCases) {
  esocialtest::VerificarCasosLeiaute<TS2420Collection>(
      Preencher,
      {
          {"a benefit number of 13 characters",
           veS01_03_00,
           [](TEvtCdBenTerm&) {},
           {"<nrBeneficio>BEN-2024-0001</nrBeneficio>"},
           {},
           {}},
          {"a benefit number of 21 characters",
           veS01_03_00,
           [](TEvtCdBenTerm& e) { e.ideBeneficio.nrBeneficio = std::string(21, '1'); },
           {},
           {},
           {"/nrBeneficio() - Tamanho maior que o máximo permitido"}},
          {"no reason",
           veS01_03_00,
           [](TEvtCdBenTerm& e) { e.infoBenTermino.mtvTermino = tmcbNenhum; },
           {"<mtvTermino/>"},
           {},
           {"/mtvTermino" + kNenhum}},
          {"both successors whatever the reason",
           veS01_03_00,
           [](TEvtCdBenTerm& e) {
             e.infoBenTermino.cnpjOrgaoSuc = "11222333000181";
             e.infoBenTermino.novoCPF = "11144477735";
           },
           {"<mtvTermino>01</mtvTermino><cnpjOrgaoSuc>11222333000181</cnpjOrgaoSuc><novoCPF>11144477735</novoCPF>"},
           {},
           {}},
      });
}

TEST(S2420BenefitTermination, EarlierLayouts) {
  for (TVersaoeSocial versao : {veS01_00_00, veS01_01_00, veS01_02_00}) {
    SCOPED_TRACE(VersaoeSocialToStr(versao));
    esocialtest::VerificarValidoNoLeiaute<TS2420Collection>(versao, Preencher);
  }
}

TEST(S2420BenefitTermination, IniCases) {
  const auto semDocumento = [](TEvtCdBenTerm& e) { EXPECT_EQ(e.XML(), ""); };
  esocialtest::VerificarCasosIni<TS2420Collection>(
      IniBase(), {
                     {"a reason without its zero", [](TIni& ini) { ini["infoBenTermino"]["mtvTermino"] = "9"; },
                      "Valor string inválido para tpMotCessBenef: 9", semDocumento},
                     {"no reason", [](TIni& ini) { ini["infoBenTermino"].erase("mtvTermino"); }, "mtvTermino",
                      [](TEvtCdBenTerm& e) { EXPECT_EQ(e.infoBenTermino.mtvTermino, tmcbNenhum); }},
                     {"the public body is not taken from the configuration", [](TIni&) {}, kNoError,
                      [](TEvtCdBenTerm& e) { EXPECT_FALSE(e.ideEmpregador.OrgaoPublico); }},
                 });
}
