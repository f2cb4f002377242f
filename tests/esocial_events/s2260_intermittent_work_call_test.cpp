// S-2260, intermittent work call: calls written from fields and from INI input, signed and valid
// against the official 2.5 schema; the layouts' branch of the payment date; the workplace; the
// INI reader's own cases.
#include "esocial/events/non_periodic/s2260_intermittent_work_call.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "event_test_support.h"
#include "platform/date_time.h"

using namespace esocial;
using namespace esocial::s2260;
using esocialtest::TIni;
using platform::EncodeDate;
using ::testing::HasSubstr;
using testsupport::kNoError;

namespace {

// A call from 4 to 8 March 2024, paid on 5 April, at an address of the employer's client.
void Preencher(TEvtConvInterm& e) {
  esocialtest::Identificar(e);
  e.IdeVinculo.nisTrab = "12345678901";
  TInfoConvInterm& info = e.InfoConvInterm;
  info.codConv = "CONV-2024-03";
  info.dtInicio = EncodeDate(2024, 3, 4);
  info.dtFim = EncodeDate(2024, 3, 8);
  info.dtPrevPgto = EncodeDate(2024, 4, 5);
  info.jornada = {"H1", "Das 8h as 17h"};
  info.localTrab.indLocal = "2";
  info.localTrab.localTrabInterm = {"R", "Rua das Flores", "100", "Sala 2", "Centro", "01001000", 3550308, "SP"};
}

TIni IniBase() {
  TIni ini = esocialtest::IniIdentificacao("evtConvInterm");
  ini["ideVinculo"]["nisTrab"] = "12345678901";
  ini["infoConvInterm"] = {
      {"codConv", "CONV-2024-03"}, {"dtInicio", "04/03/2024"}, {"dtFim", "08/03/2024"}, {"dtPrevPgto", "05/04/2024"}};
  ini["jornada"] = {{"codHorContrat", "H1"}, {"dscJornada", "Das 8h as 17h"}};
  ini["localTrab"] = {{"indLocal", "2"}};
  ini["localTrabInterm"] = {{"tpLograd", "R"},       {"dscLograd", "Rua das Flores"},
                            {"nrLograd", "100"},     {"complem", "Sala 2"},
                            {"bairro", "Centro"},    {"cep", "01001000"},
                            {"codMunic", "3550308"}, {"uf", "SP"}};
  return ini;
}

const std::string kVazio = "() - Nenhum valor informado";

}  // namespace

TEST(S2260IntermittentWorkCall, ValidDocuments) {
  esocialtest::VerificarDocumentosValidos<TS2260Collection>(
      Preencher, IniBase(),
      {
          {"a call at an address", [](TEvtConvInterm&) {}, [](TIni&) {}, {}},
          {"at the employer's, the journey not described",
           [](TEvtConvInterm& e) {
             e.InfoConvInterm.jornada = {};
             e.InfoConvInterm.localTrab.indLocal = "1";
             e.InfoConvInterm.localTrab.localTrabInterm = {};
           },
           [](TIni& ini) {
             ini.erase("jornada");
             ini["localTrab"]["indLocal"] = "1";
             ini.erase("localTrabInterm");
           },
           {}},
      },
      ve02_05_00);
}

TEST(S2260IntermittentWorkCall, LayoutsAndWorkplace) {
  esocialtest::VerificarCasosLeiaute<TS2260Collection>(
      Preencher,
      {
          {"the whole call",
           ve02_05_00,
           [](TEvtConvInterm&) {},
           {"<ideVinculo><cpfTrab>12345678909</cpfTrab><nisTrab>12345678901</nisTrab><matricula>M-001</matricula>"
            "</ideVinculo><infoConvInterm><codConv>CONV-2024-03</codConv><dtInicio>2024-03-04</dtInicio>"
            "<dtFim>2024-03-08</dtFim><dtPrevPgto>2024-04-05</dtPrevPgto><jornada><codHorContrat>H1</codHorContrat>"
            "<dscJornada>Das 8h as 17h</dscJornada></jornada><localTrab><indLocal>2</indLocal><localTrabInterm>"
            "<tpLograd>R</tpLograd><dscLograd>Rua das Flores</dscLograd><nrLograd>100</nrLograd><complem>Sala 2"
            "</complem><bairro>Centro</bairro><cep>01001000</cep><codMunic>3550308</codMunic><uf>SP</uf>"
            "</localTrabInterm></localTrab></infoConvInterm>"},
           {"codCateg"},
           {}},
          {"no payment date under 2.4.01",
           ve02_04_01,
           [](TEvtConvInterm&) {},
           {"<dtFim>2024-03-08</dtFim><jornada>"},
           {"dtPrevPgto"},
           {}},
          {"required from 2.4.02 on",
           ve02_04_02,
           [](TEvtConvInterm& e) { e.InfoConvInterm.dtPrevPgto = 0; },
           {"<dtPrevPgto/>"},
           {},
           {"dtPrevPgto" + kVazio}},
          {"without an address the workplace holds its kind alone",
           ve02_05_00,
           [](TEvtConvInterm& e) { e.InfoConvInterm.localTrab.localTrabInterm = {}; },
           {"<localTrab><indLocal>2</indLocal></localTrab>"},
           {},
           {}},
          {"a street given by name alone is written, with its type's alert",
           ve02_05_00,
           [](TEvtConvInterm& e) { e.InfoConvInterm.localTrab.localTrabInterm.TpLograd.clear(); },
           {"<localTrabInterm><tpLograd/><dscLograd>Rua das Flores</dscLograd>"},
           {},
           {"tpLograd" + kVazio}},
          {"a street name of 100 letters fits the layout",
           ve02_05_00,
           [](TEvtConvInterm& e) { e.InfoConvInterm.localTrab.localTrabInterm.DscLograd = std::string(100, 'R'); },
           {},
           {},
           {}},
      });
}

TEST(S2260IntermittentWorkCall, IniCases) {
  esocialtest::VerificarCasosIni<TS2260Collection>(
      IniBase(),
      {
          {"the category is not read", [](TIni&) {}, kNoError,
           [](const TEvtConvInterm& e) { EXPECT_EQ(e.IdeVinculo.codCateg, 0); }},
          {"an address given by its street's name alone is read: the schema names the missing type",
           [](TIni& ini) { ini["localTrabInterm"].erase("tpLograd"); }, "tpLograd",
           [](const TEvtConvInterm& e) {
             EXPECT_EQ(e.InfoConvInterm.localTrab.localTrabInterm.DscLograd, "Rua das Flores");
           }},
          {"the state and the city left out keep their defaults, SP and 0",
           [](TIni& ini) {
             ini["localTrabInterm"].erase("uf");
             ini["localTrabInterm"].erase("codMunic");
           },
           kNoError,
           [](const TEvtConvInterm& e) {
             EXPECT_EQ(e.InfoConvInterm.localTrab.localTrabInterm.UF, "SP");
             EXPECT_THAT(e.XML(), HasSubstr("<codMunic>0000000</codMunic><uf>SP</uf>"));
           }},
          {"a city code that is no number raises", [](TIni& ini) { ini["localTrabInterm"]["codMunic"] = "SP"; },
           "INI: valor inválido em [localTrabInterm] codMunic: \"SP\"", [](const TEvtConvInterm&) {}},
          {"a date that is none raises", [](TIni& ini) { ini["infoConvInterm"]["dtFim"] = "32/03/2024"; }, "32/03/2024",
           [](const TEvtConvInterm&) {}},
      },
      ve02_05_00);
}
