// S-3000, event exclusion: documents for a table, periodic and bond event written from fields
// and from INI input, signed and valid against the official schema; which groups each kind of
// excluded event gets; the INI reader's own cases.
#include "esocial/events/non_periodic/s3000_event_exclusion.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "event_test_support.h"

using namespace esocial;
using namespace esocial::s3000;
using esocialtest::TIni;

namespace {

const std::string kRecibo = "1.1.1234567890123456789";

// The exclusion of an S-1010: neither worker nor period.
void Preencher(TEvtExclusao& e) {
  e.Id = esocialtest::kIdEvento;
  e.IdeEvento.VerProc = "NEMBO 1.0";
  e.IdeEmpregador.NrInsc = esocialtest::kEmpregador;
  e.InfoExclusao.tpEvento = teS1010;
  e.InfoExclusao.nrRecEvt = kRecibo;
}

TIni IniBase() {
  return {
      {"evtExclusao", {{"Id", esocialtest::kIdEvento}}},
      {"ideEvento", {{"procEmi", "1"}, {"verProc", "NEMBO 1.0"}}},
      {"ideEmpregador", {{"tpInsc", "1"}, {"nrInsc", esocialtest::kEmpregador}}},
      {"infoExclusao", {{"tpEvento", "S-1010"}, {"nrRecEvt", kRecibo}}},
  };
}

// The INI of an exclusion of Tipo, with a worker and a period section whatever the type.
std::function<void(TIni&)> IniDoTipo(const std::string& Tipo, const std::string& perApur = "2024-03") {
  return [Tipo, perApur](TIni& ini) {
    ini["infoExclusao"]["tpEvento"] = Tipo;
    ini["ideTrabalhador"] = {{"cpfTrab", "12345678909"}, {"nisTrab", "12345678901"}};
    ini["ideFolhaPagto"] = {{"perApur", perApur}};
  };
}

std::function<void(TEvtExclusao&)> CamposDoTipo(TTipoEvento Tipo, tpIndApuracao Apuracao = iapuMensal,
                                                const std::string& perApur = "2024-03") {
  return [=](TEvtExclusao& e) {
    e.InfoExclusao.tpEvento = Tipo;
    e.InfoExclusao.IdeTrabalhador.cpfTrab = "12345678909";
    e.InfoExclusao.IdeFolhaPagto = {Apuracao, perApur};
  };
}

}  // namespace

TEST(S3000EventExclusion, ValidDocuments) {
  esocialtest::VerificarDocumentosValidos<TS3000Collection>(
      Preencher, IniBase(),
      {
          {"a table event", [](TEvtExclusao&) {}, [](TIni&) {}, {}},
          {"an annual S-1200: the worker and the period with its indicator",
           CamposDoTipo(teS1200, ipaAnual, "2024"),
           [](TIni& ini) {
             IniDoTipo("S-1200", "2024")(ini);
             ini["ideFolhaPagto"]["indApuracao"] = "2";
           },
           {}},
          // An S-1260 has no indicator: its period is read without one.
          {"an S-1260: the period alone", CamposDoTipo(teS1260), IniDoTipo("S-1260"), {}},
          {"an S-2299: the worker alone", CamposDoTipo(teS2299, iapuMensal, ""), IniDoTipo("S-2299"), {}},
      });
}

// Which groups each kind of excluded event gets; the receipt number's size by layout.
TEST(S3000EventExclusion, GroupsByTheExcludedType) {
  const std::string trabalhador = "<ideTrabalhador><cpfTrab>12345678909</cpfTrab></ideTrabalhador>";
  const std::string comIndicador = "<ideFolhaPagto><indApuracao>1</indApuracao><perApur>2024-03</perApur>";
  const std::string semIndicador = "<ideFolhaPagto><perApur>2024-03</perApur></ideFolhaPagto>";
  const std::string kTamanho = "/nrRecEvt() - Tamanho ";
  esocialtest::VerificarCasosLeiaute<TS3000Collection>(
      Preencher, {
                     {"S-1210", veS01_03_00, CamposDoTipo(teS1210), {trabalhador + semIndicador}, {}, {}},
                     {"S-1250",
                      veS01_03_00,
                      CamposDoTipo(teS1250),
                      {"<nrRecEvt>" + kRecibo + "</nrRecEvt>" + semIndicador},
                      {"<ideTrabalhador>"},
                      {}},
                     {"S-1300", veS01_03_00, CamposDoTipo(teS1300), {comIndicador}, {"<ideTrabalhador>"}, {}},
                     {"S-1280 without a period",
                      veS01_03_00,
                      CamposDoTipo(teS1280, iapuMensal, ""),
                      {},
                      {"<ideFolhaPagto>", "<ideTrabalhador>"},
                      {}},
                     {"S-2231", veS01_03_00, CamposDoTipo(teS2231), {trabalhador}, {"<ideFolhaPagto>"}, {}},
                     {"S-2420", veS01_03_00, CamposDoTipo(teS2420), {trabalhador}, {}, {}},
                     {"S-8299", veS01_03_00, CamposDoTipo(teS8299), {trabalhador}, {}, {}},
                     // Events that are not about a worker, though the type list puts them among those that are.
                     {"S-5001", veS01_03_00, CamposDoTipo(teS5001), {}, {"<ideTrabalhador>", "<ideFolhaPagto>"}, {}},
                     {"S-2500", veS01_03_00, CamposDoTipo(teS2500), {}, {"<ideTrabalhador>", "<ideFolhaPagto>"}, {}},
                     {"a receipt of 22 characters",
                      veS01_03_00,
                      [](TEvtExclusao& e) { e.InfoExclusao.nrRecEvt = "1.1.123456789012345678"; },
                      {},
                      {},
                      {kTamanho + "menor que o mínimo permitido [1.1.123456789012345678]"}},
                     {"a receipt of 40 characters under 2.x",
                      ve02_05_00,
                      [](TEvtExclusao& e) { e.InfoExclusao.nrRecEvt = std::string(40, '9'); },
                      {},
                      {},
                      {}},
                 });
}

TEST(S3000EventExclusion, IniCases) {
  const auto semDocumento = [](TEvtExclusao& e) { EXPECT_EQ(e.XML(), ""); };
  esocialtest::VerificarCasosIni<TS3000Collection>(
      IniBase(), {
                     {"an S-1200 without its indicator is monthly", IniDoTipo("S-1200"), testsupport::kNoError,
                      [](TEvtExclusao& e) {
                        EXPECT_EQ(e.InfoExclusao.IdeFolhaPagto.indApuracao, iapuMensal);
                        EXPECT_EQ(e.InfoExclusao.IdeFolhaPagto.perApur, "2024-03");
                        EXPECT_EQ(e.InfoExclusao.IdeTrabalhador.nisTrab, "12345678901");
                      }},
                     {"the period of an event that has none is not read", IniDoTipo("S-2299"), testsupport::kNoError,
                      [](TEvtExclusao& e) { EXPECT_EQ(e.InfoExclusao.IdeFolhaPagto.perApur, ""); }},
                     {"the type in another letter case", IniDoTipo("s-2299"), testsupport::kNoError,
                      [](TEvtExclusao& e) { EXPECT_EQ(e.InfoExclusao.tpEvento, teS2299); }},
                     {"a type without its hyphen", IniDoTipo("S2299"),
                      "INI: valor inválido em [infoExclusao] tpEvento: \"S2299\"", semDocumento},
                     {"a type that names no event", IniDoTipo("S-ERRO"),
                      "INI: valor inválido em [infoExclusao] tpEvento: \"S-ERRO\"", semDocumento},
                     {"no type", [](TIni& ini) { ini["infoExclusao"].erase("tpEvento"); },
                      "INI: valor inválido em [infoExclusao] tpEvento: \"\"", semDocumento},
                     {"an indicator outside its list",
                      [](TIni& ini) {
                        IniDoTipo("S-1200")(ini);
                        ini["ideFolhaPagto"]["indApuracao"] = "3";
                      },
                      "INI: valor inválido em [ideFolhaPagto] indApuracao: \"3\"", semDocumento},
                 });
}
