// S-2231, cession of a worker: documents of a start and of an end written from fields and from
// INI input, signed and valid against the official schema of S-1.03; the faults mended; the
// INI reader's cases.
#include "esocial/events/non_periodic/s2231_worker_cession.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "event_test_support.h"
#include "platform/date_time.h"
#include "support/esocial/worker_fixture.h"

using namespace esocial;
using esocialtest::kCnpjEstab;
using esocialtest::TIni;
using platform::EncodeDate;
using testing::HasSubstr;
using testing::Not;

namespace {

// The start of a cession on 1 March 2024, the receiving employer paying.
void Preencher(TEvtCessao& e) {
  esocialtest::Identificar(e);
  e.InfoCessao.iniCessao() = {EncodeDate(2024, 3, 1), kCnpjEstab, tpSim};
}

TIni IniBase() {
  TIni ini = esocialtest::IniIdentificacao("evtCessao");
  ini["ideVinculo"].erase("codCateg");
  ini["iniCessao"] = {{"dtIniCessao", "01/03/2024"}, {"cnpjCess", kCnpjEstab}, {"respRemun", "S"}};
  return ini;
}

void Fim(TEvtCessao& e) {
  esocialtest::Identificar(e);
  e.InfoCessao.fimCessao().dtTermCessao = EncodeDate(2024, 9, 30);
}

const std::string kAmbos = "infoCessao: início (iniCessao) e fim (fimCessao) informados; o evento leva um só";
const std::string kNenhum = "infoCessao: nem início (iniCessao) nem fim (fimCessao) informado; o evento leva um";

}  // namespace

TEST(S2231WorkerCession, ValidDocuments) {
  esocialtest::VerificarDocumentosValidos<TS2231Collection>(Preencher, IniBase(),
                                                            {
                                                                {"a start", [](TEvtCessao&) {}, [](TIni&) {}, {}},
                                                                {"an end",
                                                                 [](TEvtCessao& e) {
                                                                   e.InfoCessao = {};
                                                                   Fim(e);
                                                                 },
                                                                 [](TIni& ini) {
                                                                   ini.erase("iniCessao");
                                                                   ini["fimCessao"] = {{"dtTermCessao", "30/09/2024"}};
                                                                 },
                                                                 {}},
                                                            });
}

TEST(S2231WorkerCession, Writer) {
  esocialtest::VerificarCasosLeiaute<TS2231Collection>(
      Preencher, {
                     {"the reduced bond identification, then the start",
                      veS01_03_00,
                      [](TEvtCessao&) {},
                      {"<ideVinculo><cpfTrab>12345678909</cpfTrab><matricula>M-001</matricula></ideVinculo><infoCessao>"
                       "<iniCessao><dtIniCessao>2024-03-01</dtIniCessao><cnpjCess>11222333000181</cnpjCess><respRemun>"
                       "S</respRemun></iniCessao></infoCessao>"},
                      {"<codCateg>", "<nisTrab>"},
                      {}},
                     {"a start without its date: written empty",
                      veS01_03_00,
                      [](TEvtCessao& e) { e.InfoCessao.iniCessao().dtIniCessao = 0; },
                      {"<iniCessao><dtIniCessao/><cnpjCess>"},
                      {},
                      {"dtIniCessao"}},
                 });
}

// The faults mended: the layout takes one of the start and the end; the receiving employer
// has no default.
TEST(S2231WorkerCession, Faults) {
  const auto mensagem = [](TEvtCessao& e) { return testsupport::MessageOf([&] { e.GerarXML(); }); };
  esocialtest::TComponente c = esocialtest::NovoComponenteDe<TS2231Collection>(false);
  {
    SCOPED_TRACE("a start and an end raise");
    TEvtCessao& e = esocialtest::NovoEvento<TS2231Collection>(c, veS01_03_00);
    Preencher(e);
    e.InfoCessao.fimCessao().dtTermCessao = EncodeDate(2024, 9, 30);
    EXPECT_THAT(mensagem(e), HasSubstr(kAmbos));
    EXPECT_EQ(e.XML(), "");
  }
  {
    SCOPED_TRACE("neither raises, groups made without dates too");
    TEvtCessao& e = esocialtest::NovoEvento<TS2231Collection>(c, veS01_03_00);
    esocialtest::Identificar(e);
    EXPECT_THAT(mensagem(e), HasSubstr(kNenhum));
    e.InfoCessao.iniCessao();
    e.InfoCessao.fimCessao();
    EXPECT_THAT(mensagem(e), HasSubstr(kNenhum));
  }
  esocialtest::VerificarCasosIni<TS2231Collection>(
      IniBase(), {
                     {"a start and an end in the INI raise",
                      [](TIni& ini) {
                        ini["fimCessao"] = {{"dtTermCessao", "30/09/2024"}};
                      },
                      kAmbos, [](const TEvtCessao&) {}},
                     {"neither in the INI raises", [](TIni& ini) { ini.erase("iniCessao"); }, kNenhum,
                      [](const TEvtCessao& e) { EXPECT_FALSE(e.InfoCessao.fimCessaoInst()); }},
                     {"no receiving employer is not informed: the schema check names it",
                      [](TIni& ini) { ini["iniCessao"].erase("cnpjCess"); }, "Falha na validação dos dados do evento",
                      [](const TEvtCessao& e) {
                        EXPECT_THAT(e.XML(), HasSubstr("<cnpjCess></cnpjCess>"));
                        EXPECT_THAT(e.XML(), Not(HasSubstr("<cnpjCess>00</cnpjCess>")));
                      }},
                 });
}

TEST(S2231WorkerCession, IniCases) {
  esocialtest::VerificarCasosIni<TS2231Collection>(
      IniBase(),
      {
          {"the bond's category and nisTrab are not read",
           [](TIni& ini) {
             ini["ideVinculo"]["codCateg"] = "101";
             ini["ideVinculo"]["nisTrab"] = "12345678901";
           },
           testsupport::kNoError,
           [](const TEvtCessao& e) {
             EXPECT_EQ(e.IdeVinculo.codCateg, 0);
             EXPECT_EQ(e.IdeVinculo.nisTrab, "");
           }},
          {"a start given by its employer alone is read", [](TIni& ini) { ini["iniCessao"].erase("dtIniCessao"); },
           "Falha na validação dos dados do evento",
           [](const TEvtCessao& e) {
             EXPECT_THAT(e.XML(),
                         HasSubstr("<iniCessao><dtIniCessao></dtIniCessao><cnpjCess>11222333000181</cnpjCess>"));
           }},
          {"no payer is not informed", [](TIni& ini) { ini["iniCessao"].erase("respRemun"); },
           "Falha na validação dos dados do evento",
           [](const TEvtCessao& e) { EXPECT_THAT(e.XML(), HasSubstr("<respRemun></respRemun>")); }},
          {"an unknown payer raises", [](TIni& ini) { ini["iniCessao"]["respRemun"] = "X"; },
           "INI: valor inválido em [iniCessao] respRemun: \"X\"", [](const TEvtCessao&) {}},
      });
}
