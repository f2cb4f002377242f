// S-2230, temporary leave: documents written from fields and from INI input, signed and valid
// against the official schemas of S-1.03 and 2.5; the layouts' branches; the INI reader's
// cases.
#include "esocial/events/non_periodic/s2230_temporary_leave.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "event_test_support.h"
#include "platform/date_time.h"
#include "support/esocial/worker_fixture.h"

using namespace esocial;
using namespace esocial::s2230;
using esocialtest::kCnpjEstab;
using esocialtest::TIni;
using platform::EncodeDate;
using testing::HasSubstr;
using testing::Not;

namespace {

const std::string kProcesso = "12345678901234567890";

// A leave for a work accident in traffic, not a recurrence, from February 2024.
void Preencher(TEvtAfastTemp& e) {
  esocialtest::Identificar(e);
  TiniAfastamento& ini = e.infoAfastamento.iniAfastamento;
  ini.DtIniAfast = EncodeDate(2024, 2, 1);
  ini.codMotAfast = mtvAcidenteDoencaTrabalho;
  ini.infoMesmoMtv = snfNao;
  ini.tpAcidTransito = tpatColisao;
  ini.Observacao = "Fratura no braco";
}

TIni IniBase() {
  TIni ini = esocialtest::IniIdentificacao("evtAfastTemp");
  ini["iniAfastamento"] = {{"dtIniAfast", "01/02/2024"},
                           {"codMotAfast", "01"},
                           {"infoMesmoMtv", "N"},
                           {"tpAcidTransito", "2"},
                           {"observacao", "Fratura no braco"}};
  return ini;
}

// A vesting period, a sick note (written by the 2.x layouts only), a cession, a union and an
// elective mandate.
void ComGrupos(TEvtAfastTemp& e) {
  TiniAfastamento& ini = e.infoAfastamento.iniAfastamento;
  ini.perAquis = {EncodeDate(2023, 2, 1), EncodeDate(2024, 1, 31)};
  TinfoAtestadoItem& atestado = ini.infoAtestado().Add();
  atestado.codCID = "S525";
  atestado.qtDiasAfast = 15;
  atestado.Emitente() = {"Ana Souza", idCRM, "123456", "SP"};
  ini.infoCessao = {kCnpjEstab, ocCessionario};
  ini.infoMandSind = {kCnpjEstab, orSindicato};
  ini.infoMandElet = {kCnpjEstab, snfSim};
}

void IniComGrupos(TIni& ini) {
  ini["perAquis"] = {{"dtInicio", "01/02/2023"}, {"dtFim", "31/01/2024"}};
  ini["infoAtestado1"] = {{"codCID", "S525"}, {"qtdDiasAfast", "15"}};
  ini["emitente1"] = {{"nmEmit", "Ana Souza"}, {"ideOC", "1"}, {"nrOc", "123456"}, {"ufOC", "SP"}};
  ini["infoCessao"] = {{"cnpjCess", kCnpjEstab}, {"infOnus", "2"}};
  ini["infoMandSind"] = {{"cnpjSind", kCnpjEstab}, {"infOnusRemun", "2"}};
  ini["infoMandElet"] = {{"cnpjMandElet", kCnpjEstab}, {"indRemunCargo", "S"}};
}

const std::string kLimite9 =
    "(Lista de Informações de Atestados) - Número de ocorrências maior que o máximo permitido - Máximo 9";

}  // namespace

// Each valid document: from fields, from INI input.
TEST(S2230TemporaryLeave, ValidDocuments) {
  esocialtest::VerificarDocumentosValidos<TS2230Collection>(
      Preencher, IniBase(),
      {
          {"a start with its groups", ComGrupos, IniComGrupos, {}},
          {"an end alone",
           [](TEvtAfastTemp& e) {
             e.infoAfastamento.iniAfastamento.DtIniAfast = 0;
             e.infoAfastamento.fimAfastamento.dtTermAfast = EncodeDate(2024, 3, 1);
           },
           [](TIni& ini) {
             ini.erase("iniAfastamento");
             ini["fimAfastamento"] = {{"dtTermAfast", "01/03/2024"}};
           },
           {}},
          {"a start and its end, rectified by a judicial decision",
           [](TEvtAfastTemp& e) {
             e.infoAfastamento.infoRetif = {2, tpJudicial, kProcesso};
             e.infoAfastamento.fimAfastamento.dtTermAfast = EncodeDate(2024, 3, 1);
           },
           [](TIni& ini) {
             ini["infoRetif"] = {{"origRetif", "2"}, {"tpProc", "2"}, {"nrProc", kProcesso}};
             ini["fimAfastamento"] = {{"dtTermAfast", "01/03/2024"}};
           },
           {}},
      });
}

// The 2.5 layout: the sick notes, no vesting period and no elective mandate.
TEST(S2230TemporaryLeave, Layout25IsValid) {
  esocialtest::VerificarValidoNoLeiaute<TS2230Collection>(ve02_05_00, [](TEvtAfastTemp& e) {
    Preencher(e);
    ComGrupos(e);
    e.IdeVinculo.nisTrab = "12345678901";
    e.infoAfastamento.fimAfastamento.dtTermAfast = EncodeDate(2024, 3, 1);
  });
}

TEST(S2230TemporaryLeave, LayoutBranches) {
  // The 2.x layouts require nisTrab of a bond's category.
  const auto comGrupos = [](TEvtAfastTemp& e) {
    ComGrupos(e);
    e.IdeVinculo.nisTrab = "12345678901";
  };
  const auto dezAtestados = [&](TEvtAfastTemp& e) {
    comGrupos(e);
    e.infoAfastamento.iniAfastamento.codMotAfast = mtvLicencaMaternidadeAntecipacaoProrrogacao;
    while (e.infoAfastamento.iniAfastamento.infoAtestado().Count() < 10)
      e.infoAfastamento.iniAfastamento.infoAtestado().Add().qtDiasAfast = 1;
  };
  esocialtest::VerificarCasosLeiaute<TS2230Collection>(
      Preencher,
      {
          {"S-1.03: the mandates after the cession, no sick note",
           veS01_03_00,
           comGrupos,
           {"<observacao>Fratura no braco</observacao><perAquis><dtInicio>2023-02-01</dtInicio><dtFim>",
            "</perAquis><infoCessao>", "</infoCessao><infoMandSind>", "</infoMandSind><infoMandElet><cnpjMandElet>",
            "<indRemunCargo>S</indRemunCargo></infoMandElet></iniAfastamento>"},
           {"<infoAtestado>"},
           {}},
          {"2.5: the sick notes, no vesting period, no elective mandate",
           ve02_05_00,
           comGrupos,
           {"</observacao><infoAtestado><codCID>S525</codCID><qtdDiasAfast>15</qtdDiasAfast><emitente>",
            "<nrOc>123456</nrOc>", "</infoAtestado><infoCessao>"},
           {"<perAquis>", "<infoMandElet>"},
           {}},
          {"2.5, reason 35 with ten notes: all written, one alert", ve02_05_00, dezAtestados, {}, {}, {kLimite9}},
          {"reason 15 writes neither recurrence nor traffic accident",
           veS01_03_00,
           [](TEvtAfastTemp& e) { e.infoAfastamento.iniAfastamento.codMotAfast = mtvGozoFeriasRecesso; },
           {"<codMotAfast>15</codMotAfast><observacao>"},
           {"<infoMesmoMtv>", "<tpAcidTransito>"},
           {}},
          {"no traffic accident",
           veS01_03_00,
           [](TEvtAfastTemp& e) { e.infoAfastamento.iniAfastamento.tpAcidTransito = tpatNao; },
           {"<infoMesmoMtv>N</infoMesmoMtv><observacao>"},
           {"<tpAcidTransito>"},
           {}},
          {"origRetif 0 writes no rectification",
           veS01_03_00,
           [](TEvtAfastTemp& e) {
             e.infoAfastamento.infoRetif = {0, tpJudicial, kProcesso};
           },
           {},
           {"<infoRetif>"},
           {}},
          {"a benefit number of 21 digits raises no alert",
           veS01_03_00,
           [](TEvtAfastTemp& e) {
             e.infoAfastamento.infoRetif = {3, tpINSS, "123456789012345678901"};
           },
           {"<infoRetif><origRetif>3</origRetif><tpProc>3</tpProc><nrProc>123456789012345678901</nrProc>"},
           {},
           {}},
      });
}

// What the unit once got wrong: a leave's start written from a locale text; the elective
// mandate before the cession; codes nobody gave.
TEST(S2230TemporaryLeave, Faults) {
  esocialtest::VerificarCasosLeiaute<TS2230Collection>(
      Preencher, {
                     {"an end alone writes no start",
                      veS01_03_00,
                      [](TEvtAfastTemp& e) {
                        e.infoAfastamento.iniAfastamento.DtIniAfast = 0;
                        e.infoAfastamento.fimAfastamento.dtTermAfast = EncodeDate(2024, 3, 1);
                      },
                      {"<infoAfastamento><fimAfastamento><dtTermAfast>2024-03-01</dtTermAfast></fimAfastamento>"},
                      {"<iniAfastamento>", "<codMotAfast>"},
                      {}},
                     {"the elective mandate comes after the cession and the union mandate",
                      veS01_03_00,
                      [](TEvtAfastTemp& e) { ComGrupos(e); },
                      {"</infoMandSind><infoMandElet>"},
                      {"</perAquis><infoMandElet>"},
                      {}},
                     {"a start without its reason writes it empty, with the alert",
                      veS01_03_00,
                      [](TEvtAfastTemp& e) {
                        e.infoAfastamento.iniAfastamento = TiniAfastamento();
                        e.infoAfastamento.iniAfastamento.DtIniAfast = EncodeDate(2024, 2, 1);
                      },
                      {"<dtIniAfast>2024-02-01</dtIniAfast><codMotAfast/></iniAfastamento>"},
                      {"<tpAcidTransito>", "<infoMesmoMtv>"},
                      {"codMotAfast"}},
                 });
  esocialtest::VerificarCasosIni<TS2230Collection>(
      IniBase(),
      {
          {"absent traffic accident, recurrence and choice of pay are not informed",
           [](TIni& ini) {
             ini["iniAfastamento"].erase("tpAcidTransito");
             ini["iniAfastamento"].erase("infoMesmoMtv");
             ini["infoMandElet"] = {{"cnpjMandElet", kCnpjEstab}};
           },
           testsupport::kNoError,
           [](const TEvtAfastTemp& e) {
             const TiniAfastamento& ini = e.infoAfastamento.iniAfastamento;
             EXPECT_EQ(ini.tpAcidTransito, tpatNao);
             EXPECT_EQ(ini.infoMesmoMtv, snfNada);
             EXPECT_EQ(ini.infoMandElet.indRemunCargo, snfNada);
             EXPECT_THAT(e.XML(), HasSubstr("<codMotAfast>01</codMotAfast><observacao>"));
             EXPECT_THAT(e.XML(),
                         HasSubstr("<infoMandElet><cnpjMandElet>11222333000181</cnpjMandElet></infoMandElet>"));
           }},
          {"an absent reason is not informed: the schema check names it",
           [](TIni& ini) { ini["iniAfastamento"].erase("codMotAfast"); }, "Falha na validação dos dados do evento",
           [](const TEvtAfastTemp& e) { EXPECT_EQ(e.infoAfastamento.iniAfastamento.codMotAfast, mtvNenhum); }},
      });
}

TEST(S2230TemporaryLeave, IniCases) {
  esocialtest::VerificarCasosIni<TS2230Collection>(
      IniBase(),
      {
          {"a sick note without an issuer does not end the list",
           [](TIni& ini) {
             ini["infoAtestado1"] = {{"qtdDiasAfast", "3"}};
             ini["infoAtestado2"] = {{"qtdDiasAfast", "5"}};
             ini["emitente2"] = {{"nmEmit", "Ana Souza"}, {"nrOc", "123456"}};
           },
           testsupport::kNoError,
           [](const TEvtAfastTemp& e) {
             // The list is read through its lazy accessor, which the event's const view lacks.
             auto& ini = const_cast<TiniAfastamento&>(e.infoAfastamento.iniAfastamento);
             ASSERT_EQ(ini.infoAtestado().Count(), 2);
             EXPECT_FALSE(ini.infoAtestado().GetItem(0).emitenteInst());
             EXPECT_EQ(ini.infoAtestado().GetItem(1).qtDiasAfast, 5);
             EXPECT_EQ(ini.infoAtestado().GetItem(1).Emitente().ideOC, idCRM);
             EXPECT_EQ(ini.infoAtestado().GetItem(1).Emitente().ufOC, "");
           }},
          {"a first issuer named FIM creates no sick note",
           [](TIni& ini) {
             ini["emitente1"] = {{"nmEmit", "FIM"}};
             ini["emitente2"] = {{"nmEmit", "Ana Souza"}};
           },
           testsupport::kNoError,
           [](const TEvtAfastTemp& e) { EXPECT_FALSE(e.infoAfastamento.iniAfastamento.infoAtestadoInst()); }},
          {"an unknown council raises",
           [](TIni& ini) {
             ini["emitente1"] = {{"nmEmit", "Ana Souza"}, {"ideOC", "7"}};
           },
           "Valor string inválido para tpIdeOC: 7", [](const TEvtAfastTemp&) {}},
          {"a rectification without its process names no process kind",
           [](TIni& ini) {
             ini["infoRetif"] = {{"origRetif", "1"}};
           },
           testsupport::kNoError,
           [](const TEvtAfastTemp& e) {
             EXPECT_THAT(e.XML(), HasSubstr("<infoRetif><origRetif>1</origRetif></infoRetif>"));
           }},
          {"the vesting period is read without its start's section",
           [](TIni& ini) {
             ini.erase("iniAfastamento");
             ini["perAquis"] = {{"dtInicio", "01/02/2023"}};
           },
           testsupport::kNoError,
           [](const TEvtAfastTemp& e) {
             EXPECT_EQ(e.infoAfastamento.iniAfastamento.perAquis.dtInicio, EncodeDate(2023, 2, 1));
             EXPECT_THAT(e.XML(), Not(HasSubstr("<iniAfastamento>")));
           }},
      });
}
