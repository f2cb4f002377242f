// S-2298, reinstatement: documents written from fields and from INI input, signed and valid
// against the official schemas of S-1.03 and 2.5; the layouts' branches; the faults mended;
// the INI reader's cases.
#include "esocial/events/non_periodic/s2298_reinstatement.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "esocial/events/event_ini.h"
#include "event_test_support.h"
#include "platform/date_time.h"

using namespace esocial;
using esocialtest::TIni;
using platform::EncodeDate;
using testing::HasSubstr;
using testing::Not;

namespace {

const std::string kProcesso = "12345678901234567890";

// A reinstatement by a court decision: back on 1 April 2024, with effects from 1 March.
void Preencher(TEvtReintegr& e) {
  esocialtest::Identificar(e);
  e.InfoReintegr = {trReintegracaoDecisaoJudicial, kProcesso, "", EncodeDate(2024, 4, 1),
                    EncodeDate(2024, 3, 1),        tpNao};
}

TIni IniBase() {
  TIni ini = esocialtest::IniIdentificacao("evtReintegr");
  ini["ideVinculo"].erase("codCateg");
  ini["infoReintegr"] = {
      {"tpReint", "1"}, {"nrProcJud", kProcesso}, {"dtEfetRetorno", "01/04/2024"}, {"dtEfeito", "01/03/2024"}};
  return ini;
}

}  // namespace

TEST(S2298Reinstatement, ValidDocuments) {
  esocialtest::VerificarDocumentosValidos<TS2298Collection>(
      Preencher, IniBase(),
      {
          {"type 1, a court decision", [](TEvtReintegr&) {}, [](TIni&) {}, {}},
          {"type 6, the revision of a military retirement",
           [](TEvtReintegr& e) { e.InfoReintegr.tpReint = trRevisaoReformaMilitar; },
           [](TIni& ini) { ini["infoReintegr"]["tpReint"] = "6"; },
           {}},
          {"type 2, an amnesty",
           [](TEvtReintegr& e) {
             e.InfoReintegr.tpReint = trReintegracaoAnistiaLegal;
             e.InfoReintegr.nrLeiAnistia = "LEI6683";
           },
           [](TIni& ini) {
             ini["infoReintegr"]["tpReint"] = "2";
             ini["infoReintegr"]["nrLeiAnistia"] = "LEI6683";
           },
           {}},
      });
}

// 2.5: nisTrab required of the bond, the payment in court.
TEST(S2298Reinstatement, Layout25IsValid) {
  const std::string escrito = esocialtest::VerificarValidoNoLeiaute<TS2298Collection>(ve02_05_00, [](TEvtReintegr& e) {
    Preencher(e);
    e.IdeVinculo.nisTrab = "12345678901";
  });
  EXPECT_THAT(escrito, HasSubstr("<nisTrab>12345678901</nisTrab><matricula>M-001</matricula></ideVinculo>"));
  EXPECT_THAT(escrito, HasSubstr("<indPagtoJuizo>N</indPagtoJuizo></infoReintegr>"));
}

TEST(S2298Reinstatement, LayoutBranches) {
  esocialtest::VerificarCasosLeiaute<TS2298Collection>(
      Preencher, {
                     {"a court decision writes its process, no law",
                      veS01_03_00,
                      [](TEvtReintegr& e) { e.InfoReintegr.nrLeiAnistia = "LEI6683"; },
                      {"<infoReintegr><tpReint>1</tpReint><nrProcJud>12345678901234567890</nrProcJud><dtEfetRetorno>"},
                      {"<nrLeiAnistia>", "<indPagtoJuizo>"},
                      {}},
                     {"an amnesty writes its law, no process",
                      veS01_03_00,
                      [](TEvtReintegr& e) {
                        e.InfoReintegr.tpReint = trReintegracaoAnistiaLegal;
                        e.InfoReintegr.nrLeiAnistia = "LEI6683";
                      },
                      {"<tpReint>2</tpReint><nrLeiAnistia>LEI6683</nrLeiAnistia><dtEfetRetorno>"},
                      {"<nrProcJud>"},
                      {}},
                     {"another kind writes neither",
                      veS01_03_00,
                      [](TEvtReintegr& e) {
                        e.InfoReintegr.tpReint = trReversaoServidorPublico;
                        e.InfoReintegr.nrLeiAnistia = "LEI6683";
                      },
                      {"<tpReint>3</tpReint><dtEfetRetorno>"},
                      {"<nrProcJud>", "<nrLeiAnistia>"},
                      {}},
                     {"2.5 writes the payment in court",
                      ve02_05_00,
                      [](TEvtReintegr&) {},
                      {"<indPagtoJuizo>N</indPagtoJuizo>"},
                      {},
                      {"nisTrab"}},
                 });
}

// The faults mended: the kind "6", no category in the bond's identification, the process and the
// law required of their kinds.
TEST(S2298Reinstatement, Faults) {
  esocialtest::VerificarCasosLeiaute<TS2298Collection>(
      Preencher, {
                     {"no codCateg in ideVinculo",
                      veS01_03_00,
                      [](TEvtReintegr&) {},
                      {"<matricula>M-001</matricula></ideVinculo>"},
                      {"<codCateg>"},
                      {}},
                     {"nor under 2.5",
                      ve02_05_00,
                      [](TEvtReintegr& e) { e.IdeVinculo.nisTrab = "12345678901"; },
                      {"<matricula>M-001</matricula></ideVinculo>"},
                      {"<codCateg>"},
                      {}},
                     {"a court decision without its process writes it empty",
                      veS01_03_00,
                      [](TEvtReintegr& e) { e.InfoReintegr.nrProcJud.clear(); },
                      {"<tpReint>1</tpReint><nrProcJud/><dtEfetRetorno>"},
                      {},
                      {"/nrProcJud() - Nenhum valor informado"}},
                     {"an amnesty without its law writes it empty",
                      veS01_03_00,
                      [](TEvtReintegr& e) { e.InfoReintegr.tpReint = trReintegracaoAnistiaLegal; },
                      {"<tpReint>2</tpReint><nrLeiAnistia/><dtEfetRetorno>"},
                      {},
                      {"/nrLeiAnistia() - Nenhum valor informado"}},
                     {"the kind 6 before S-1.02 is alerted",
                      veS01_01_00,
                      [](TEvtReintegr& e) { e.InfoReintegr.tpReint = trRevisaoReformaMilitar; },
                      {"<tpReint>6</tpReint><dtEfetRetorno>"},
                      {"<nrProcJud>"},
                      {"/tpReint() - Conteúdo inválido"}},
                 });
  esocialtest::VerificarCasosIni<TS2298Collection>(
      IniBase(), {
                     {"the kind 6 is read as 6, without a process",
                      [](TIni& ini) { ini["infoReintegr"]["tpReint"] = "6"; }, testsupport::kNoError,
                      [](const TEvtReintegr& e) {
                        EXPECT_EQ(e.InfoReintegr.tpReint, trRevisaoReformaMilitar);
                        EXPECT_THAT(e.XML(), HasSubstr("<tpReint>6</tpReint><dtEfetRetorno>"));
                      }},
                 });
}

TEST(S2298Reinstatement, IniCases) {
  esocialtest::VerificarCasosIni<TS2298Collection>(
      IniBase(),
      {
          {"the bond's category is not read", [](TIni& ini) { ini["ideVinculo"]["codCateg"] = "101"; },
           testsupport::kNoError, [](const TEvtReintegr& e) { EXPECT_EQ(e.IdeVinculo.codCateg, 0); }},
          {"an unknown kind raises", [](TIni& ini) { ini["infoReintegr"]["tpReint"] = "7"; },
           "INI: valor inválido em [infoReintegr] tpReint: \"7\"",
           [](const TEvtReintegr& e) { EXPECT_EQ(e.XML(), ""); }},
          {"no kind is not informed: the schema check names it",
           [](TIni& ini) { ini["infoReintegr"].erase("tpReint"); }, "Falha na validação dos dados do evento",
           [](const TEvtReintegr& e) { EXPECT_THAT(e.XML(), HasSubstr("<tpReint></tpReint><dtEfetRetorno>")); }},
          {"an amnesty without its law assumes none: the schema check names it",
           [](TIni& ini) {
             ini["infoReintegr"]["tpReint"] = "2";
             ini["infoReintegr"].erase("nrProcJud");
           },
           "Falha na validação dos dados do evento",
           [](const TEvtReintegr& e) {
             EXPECT_EQ(e.InfoReintegr.nrLeiAnistia, "");
             EXPECT_THAT(e.XML(), HasSubstr("<tpReint>2</tpReint><nrLeiAnistia></nrLeiAnistia><dtEfetRetorno>"));
           }},
          {"no payment in court is not informed", [](TIni&) {}, testsupport::kNoError,
           [](const TEvtReintegr& e) { EXPECT_EQ(e.InfoReintegr.indPagtoJuizo, kCodigoNaoInformado<tpSimNao>); }},
      });
}
