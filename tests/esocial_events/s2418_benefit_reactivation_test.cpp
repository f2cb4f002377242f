// S-2418, reactivation of a benefit: a document written from fields and from INI input, signed
// and valid against the official schema; the benefit number's size; the INI reader's cases.
#include "esocial/events/non_periodic/s2418_benefit_reactivation.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "event_test_support.h"

using namespace esocial;
using namespace esocial::s2418;
using esocialtest::TIni;
using platform::EncodeDate;
using testsupport::kNoError;

// The employer of the beneficiary events is a public body.
template <>
inline constexpr TEmpregador esocialtest::kTipoEmpregador<TS2418Collection> = teOrgaoPublico;

namespace {

// A benefit reactivated in July 2024 with effect from May.
void Preencher(TEvtReativBen& e) {
  e.Id = esocialtest::kIdEvento;
  e.ideEvento.VerProc = "NEMBO 1.0";
  e.ideEmpregador.NrInsc = esocialtest::kEmpregador;
  e.ideBeneficio = {"12345678909", "BEN-2024-0001"};
  e.infoReativ = {EncodeDate(2024, 7, 10), EncodeDate(2024, 5, 1)};
}

TIni IniBase() {
  return {
      {"evtReativBen", {{"Id", esocialtest::kIdEvento}}},
      {"ideEvento", {{"indRetif", "1"}, {"procEmi", "1"}, {"verProc", "NEMBO 1.0"}}},
      {"ideEmpregador", {{"tpInsc", "1"}, {"nrInsc", esocialtest::kEmpregador}}},
      {"ideBeneficio", {{"cpfBenef", "12345678909"}, {"nrBeneficio", "BEN-2024-0001"}}},
      {"infoReativ", {{"dtEfetReativ", "10/07/2024"}, {"dtEfeito", "01/05/2024"}}},
  };
}

const std::string kNenhum = "() - Nenhum valor informado";

}  // namespace

TEST(S2418BenefitReactivation, ValidDocuments) {
  esocialtest::VerificarDocumentosValidos<TS2418Collection>(
      Preencher, IniBase(),
      {
          {"a reactivation", [](TEvtReativBen&) {}, [](TIni&) {}, {}},
          {"a rectification",
           [](TEvtReativBen& e) {
             e.ideEvento.indRetif = ireRetificacao;
             e.ideEvento.NrRecibo = "1.2.1234567890123456789";
           },
           [](TIni& ini) {
             ini["ideEvento"]["indRetif"] = "2";
             ini["ideEvento"]["nrRecibo"] = "1.2.1234567890123456789";
           },
           {}},
      });
}

// The benefit number takes 1 to 20 characters: an ordinary one raises no size alert.
TEST(S2418BenefitReactivation, WriterCases) {
  esocialtest::VerificarCasosLeiaute<TS2418Collection>(
      Preencher, {
                     {"a benefit number of 13 characters",
                      veS01_03_00,
                      [](TEvtReativBen&) {},
                      {"<nrBeneficio>BEN-2024-0001</nrBeneficio>"},
                      {},
                      {}},
                     {"a benefit number of 21 characters",
                      veS01_03_00,
                      [](TEvtReativBen& e) { e.ideBeneficio.nrBeneficio = std::string(21, '1'); },
                      {},
                      {},
                      {"/nrBeneficio() - Tamanho maior que o máximo permitido"}},
                     {"no dates",
                      veS01_03_00,
                      [](TEvtReativBen& e) { e.infoReativ = {}; },
                      {"<infoReativ><dtEfetReativ/><dtEfeito/></infoReativ>"},
                      {},
                      {"/dtEfetReativ" + kNenhum, "/dtEfeito" + kNenhum}},
                 });
}

TEST(S2418BenefitReactivation, EarlierLayouts) {
  for (TVersaoeSocial versao : {veS01_00_00, veS01_01_00, veS01_02_00}) {
    SCOPED_TRACE(VersaoeSocialToStr(versao));
    esocialtest::VerificarValidoNoLeiaute<TS2418Collection>(versao, Preencher);
  }
}

TEST(S2418BenefitReactivation, IniCases) {
  esocialtest::VerificarCasosIni<TS2418Collection>(
      IniBase(), {
                     {"no reactivation dates", [](TIni& ini) { ini.erase("infoReativ"); }, "dtEfeito",
                      [](TEvtReativBen& e) { EXPECT_EQ(e.infoReativ.dtEfeito, 0); }},
                     {"a date that is none", [](TIni& ini) { ini["infoReativ"]["dtEfeito"] = "2024/05/01"; },
                      "'2024/05/01' is not a valid date", [](TEvtReativBen& e) { EXPECT_EQ(e.XML(), ""); }},
                     {"the public body is not taken from the configuration", [](TIni&) {}, kNoError,
                      [](TEvtReativBen& e) { EXPECT_FALSE(e.ideEmpregador.OrgaoPublico); }},
                 });
}
