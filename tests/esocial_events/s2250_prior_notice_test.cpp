// S-2250, prior notice: a notice and a cancellation written from fields and from INI input,
// signed and valid against the official 2.5 schema; one of the two and only one; the bond as 2.5
// identifies it; the INI reader's own cases.
#include "esocial/events/non_periodic/s2250_prior_notice.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "event_test_support.h"
#include "platform/date_time.h"

using namespace esocial;
using namespace esocial::s2250;
using esocialtest::TComponente;
using esocialtest::TIni;
using platform::EncodeDate;
using ::testing::HasSubstr;
using testsupport::kNoError;

namespace {

// Notice given on 1 March 2024 of a termination on the 31st, worked with two hours less a day.
void Preencher(TEvtAvPrevio& e) {
  esocialtest::Identificar(e);
  e.IdeVinculo.nisTrab = "12345678901";
  e.InfoAvPrevio.DetAvPrevio = {EncodeDate(2024, 3, 1), EncodeDate(2024, 3, 31), "1", "Aviso trabalhado"};
}

void Cancelar(TEvtAvPrevio& e) {
  e.InfoAvPrevio.DetAvPrevio = {};
  e.InfoAvPrevio.CancAvPrevio = {EncodeDate(2024, 3, 10), "Reconsideracao do empregador", "1"};
}

TIni IniBase() {
  TIni ini = esocialtest::IniIdentificacao("evtAvPrevio");
  ini["ideVinculo"]["nisTrab"] = "12345678901";
  ini["detAvPrevio"] = {{"dtAvPrv", "01/03/2024"},
                        {"dtPrevDeslig", "31/03/2024"},
                        {"tpAvPrevio", "1"},
                        {"observacao", "Aviso trabalhado"}};
  return ini;
}

void IniCancelar(TIni& ini) {
  ini.erase("detAvPrevio");
  ini["cancAvPrevio"] = {
      {"dtCancAvPrv", "10/03/2024"}, {"observacao", "Reconsideracao do empregador"}, {"mtvCancAvPrevio", "1"}};
}

const std::string kAmbos =
    "infoAvPrevio: o aviso prévio (detAvPrevio) e o seu cancelamento (cancAvPrevio) vão em eventos distintos";
const std::string kNenhum = "infoAvPrevio: informe o aviso prévio (detAvPrevio) ou o seu cancelamento (cancAvPrevio)";
const std::string kVazio = "() - Nenhum valor informado";

}  // namespace

TEST(S2250PriorNotice, ValidDocuments) {
  esocialtest::VerificarDocumentosValidos<TS2250Collection>(Preencher, IniBase(),
                                                            {
                                                                {"a notice", [](TEvtAvPrevio&) {}, [](TIni&) {}, {}},
                                                                {"a cancellation", Cancelar, IniCancelar, {}},
                                                            },
                                                            ve02_05_00);
}

// Exactly one of the notice and its cancellation, each told by its values; the bond with its
// NIS and registration, without the category.
TEST(S2250PriorNotice, NoticeOrCancellation) {
  esocialtest::VerificarCasosLeiaute<TS2250Collection>(
      Preencher,
      {
          {"a notice, the bond as 2.5 identifies it",
           ve02_05_00,
           [](TEvtAvPrevio&) {},
           {"<ideVinculo><cpfTrab>12345678909</cpfTrab><nisTrab>12345678901</nisTrab><matricula>M-001</matricula>"
            "</ideVinculo><infoAvPrevio><detAvPrevio><dtAvPrv>2024-03-01</dtAvPrv><dtPrevDeslig>2024-03-31"
            "</dtPrevDeslig><tpAvPrevio>1</tpAvPrevio><observacao>Aviso trabalhado</observacao></detAvPrevio>"
            "</infoAvPrevio>"},
           {"codCateg", "cancAvPrevio"},
           {}},
          {"a cancellation",
           ve02_05_00,
           Cancelar,
           {"<infoAvPrevio><cancAvPrevio><dtCancAvPrv>2024-03-10</dtCancAvPrv><observacao>Reconsideracao do "
            "empregador</observacao><mtvCancAvPrevio>1</mtvCancAvPrevio></cancAvPrevio></infoAvPrevio>"},
           {"detAvPrevio"},
           {}},
          {"a notice given without its date is written with the date's alert",
           ve02_05_00,
           [](TEvtAvPrevio& e) { e.InfoAvPrevio.DetAvPrevio.dtAvPrv = 0; },
           {"<detAvPrevio><dtAvPrv/><dtPrevDeslig>2024-03-31</dtPrevDeslig>"},
           {},
           {"dtAvPrv" + kVazio}},
          {"the kind of notice is required",
           ve02_05_00,
           [](TEvtAvPrevio& e) { e.InfoAvPrevio.DetAvPrevio.tpAvPrevio.clear(); },
           {"<tpAvPrevio/>"},
           {},
           {"tpAvPrevio" + kVazio}},
          {"the reason of a cancellation is required",
           ve02_05_00,
           [](TEvtAvPrevio& e) {
             Cancelar(e);
             e.InfoAvPrevio.CancAvPrevio.mtvCancAvPrevio.clear();
           },
           {"<mtvCancAvPrevio/>"},
           {},
           {"mtvCancAvPrevio" + kVazio}},
          {"the registration and the NIS are required",
           ve02_05_00,
           [](TEvtAvPrevio& e) {
             e.IdeVinculo = {"12345678909", "", "", 901};
           },
           {"<ideVinculo><cpfTrab>12345678909</cpfTrab><nisTrab/><matricula/></ideVinculo>"},
           {},
           {"nisTrab" + kVazio, "matricula" + kVazio}},
      });
  struct TCaso {
    const char* nome;
    std::function<void(TEvtAvPrevio&)> mudar;
    std::string erro;
  };
  const TCaso casos[] = {
      {"both", [](TEvtAvPrevio& e) { e.InfoAvPrevio.CancAvPrevio.dtCancAvPrv = EncodeDate(2024, 3, 10); }, kAmbos},
      {"both, the cancellation by its reason alone",
       [](TEvtAvPrevio& e) { e.InfoAvPrevio.CancAvPrevio.mtvCancAvPrevio = "9"; }, kAmbos},
      {"neither", [](TEvtAvPrevio& e) { e.InfoAvPrevio.DetAvPrevio = {}; }, kNenhum},
  };
  for (const TCaso& caso : casos) {
    SCOPED_TRACE(caso.nome);
    TComponente c = esocialtest::NovoComponenteDe<TS2250Collection>(false);
    TEvtAvPrevio& e = esocialtest::NovoEvento<TS2250Collection>(c, ve02_05_00);
    Preencher(e);
    caso.mudar(e);
    EXPECT_EQ(testsupport::MessageOf([&] { e.GerarXML(); }),
              std::string("ID: ") + esocialtest::kIdEvento + "\r\n " + caso.erro);
    EXPECT_EQ(e.XML(), "");
  }
}

TEST(S2250PriorNotice, IniCases) {
  esocialtest::VerificarCasosIni<TS2250Collection>(
      IniBase(),
      {
          {"the category is not read", [](TIni&) {}, kNoError,
           [](const TEvtAvPrevio& e) { EXPECT_EQ(e.IdeVinculo.codCateg, 0); }},
          {"both sections raise",
           [](TIni& ini) {
             ini["cancAvPrevio"] = {{"dtCancAvPrv", "10/03/2024"}, {"mtvCancAvPrevio", "1"}};
           },
           kAmbos, [](const TEvtAvPrevio&) {}},
          {"neither raises", [](TIni& ini) { ini.erase("detAvPrevio"); }, kNenhum, [](const TEvtAvPrevio&) {}},
          {"a notice without its date: the schema names it", [](TIni& ini) { ini["detAvPrevio"].erase("dtAvPrv"); },
           "dtAvPrv", [](const TEvtAvPrevio&) {}},
          {"a date that is none raises", [](TIni& ini) { ini["detAvPrevio"]["dtPrevDeslig"] = "31/04/2024"; },
           "31/04/2024", [](const TEvtAvPrevio&) {}},
      },
      ve02_05_00);
}
