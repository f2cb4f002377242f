// S-2245, training and qualification: trainings written from fields and from INI input, signed
// and valid against the official 2.5 schema; the complement the layout requires, the values
// written only when given, the professionals and their list; the INI reader's own cases.
#include "esocial/events/non_periodic/s2245_training.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "event_test_support.h"
#include "platform/date_time.h"

using namespace esocial;
using namespace esocial::s2245;
using esocialtest::TIni;
using platform::EncodeDate;
using ::testing::HasSubstr;
using testsupport::kNoError;

namespace {

// An initial classroom training of eight hours on 5 March 2024, given by an employed engineer
// and a foreign technician without a bond.
void Preencher(TEvtTreiCap& e) {
  esocialtest::Identificar(e);
  e.IdeVinculo.nisTrab = "12345678901";
  e.treiCap.codTreiCap = "1006";
  e.treiCap.obsTreiCap = "Seguranca em instalacoes eletricas";
  TInfoComplem& c = e.treiCap.infoComplem;
  c.dtTreiCap = EncodeDate(2024, 3, 5);
  c.durTreiCap = 8;
  c.modTreiCap = mtcPresencial;
  c.tpTreiCap = ttcInicial;
  c.indTreinAnt = tpNao;
  c.ideProfResp.Add() = {"98765432100",
                         "Ana Souza",
                         ttpProfissionalEmpregado,
                         "Engenheira de seguranca",
                         "214915",
                         ttpProfissionalBrasileiro};
  c.ideProfResp.Add() = {
      "", "Juan Perez", ttpProfissionalSemVinculo, "Tecnico em eletrotecnica", "3131", ttpProfissionalEstrangeiro};
}

TIni IniBase() {
  TIni ini = esocialtest::IniIdentificacao("evtTreiCap");
  ini["ideVinculo"]["nisTrab"] = "12345678901";
  ini["treiCap"] = {{"codTreiCap", "1006"}, {"obsTreiCap", "Seguranca em instalacoes eletricas"}};
  ini["infoComplem"] = {{"dtTreiCap", "05/03/2024"},
                        {"durTreiCap", "8,00"},
                        {"modTreiCap", "1"},
                        {"tpTreiCap", "1"},
                        {"indTreinAnt", "N"}};
  ini["ideProfResp01"] = {
      {"cpfProf", "98765432100"}, {"nmProf", "Ana Souza"}, {"tpProf", "1"}, {"formProf", "Engenheira de seguranca"},
      {"codCBO", "214915"},       {"nacProf", "1"}};
  ini["ideProfResp02"] = {{"nmProf", "Juan Perez"},
                          {"tpProf", "2"},
                          {"formProf", "Tecnico em eletrotecnica"},
                          {"codCBO", "3131"},
                          {"nacProf", "2"}};
  return ini;
}

TIdeProfRespCollection& Profissionais(TEvtTreiCap& e) { return e.treiCap.infoComplem.ideProfResp; }

const std::string kVazio = "() - Nenhum valor informado";

}  // namespace

TEST(S2245Training, ValidDocuments) {
  esocialtest::VerificarDocumentosValidos<TS2245Collection>(
      Preencher, IniBase(),
      {
          {"every value, two professionals", [](TEvtTreiCap&) {}, [](TIni&) {}, {}},
          {"the date and the previous-training flag alone",
           [](TEvtTreiCap& e) {
             e.treiCap.obsTreiCap.clear();
             TInfoComplem& c = e.treiCap.infoComplem;
             c.durTreiCap = 0;
             c.modTreiCap = kCodigoNaoInformado<tpModTreiCap>;
             c.tpTreiCap = kCodigoNaoInformado<tpTpTreiCap>;
             c.ideProfResp.Clear();
           },
           [](TIni& ini) {
             ini["treiCap"].erase("obsTreiCap");
             ini["infoComplem"] = {{"dtTreiCap", "05/03/2024"}, {"indTreinAnt", "N"}};
             ini.erase("ideProfResp01");
             ini.erase("ideProfResp02");
           },
           {}},
      },
      ve02_05_00);
}

// What the event's design got wrong, one row each.
TEST(S2245Training, ComplementAndProfessionals) {
  const auto profissionais = [](int n) {
    return [n](TEvtTreiCap& e) {
      while (Profissionais(e).Count() < n) Profissionais(e).Add() = Profissionais(e).GetItem(0);
    };
  };
  esocialtest::VerificarCasosLeiaute<TS2245Collection>(
      Preencher,
      {
          {"a name of seventy letters raises no alert",
           ve02_05_00,
           [](TEvtTreiCap& e) { Profissionais(e).GetItem(0).nmProf = std::string(70, 'A'); },
           {},
           {},
           {}},
          {"a name of one letter is too short",
           ve02_05_00,
           [](TEvtTreiCap& e) { Profissionais(e).GetItem(0).nmProf = "A"; },
           {"<nmProf>A</nmProf>"},
           {},
           {"nmProf() - Tamanho menor que o mínimo permitido [A]"}},
          {"without its date the complement is written all the same, with the date's alert",
           ve02_05_00,
           [](TEvtTreiCap& e) { e.treiCap.infoComplem.dtTreiCap = 0; },
           {"<infoComplem><dtTreiCap/><durTreiCap>8.00</durTreiCap>", "<nmProf>Juan Perez</nmProf>"},
           {},
           {"dtTreiCap" + kVazio}},
          {"duration, modality and kind left out when not given",
           ve02_05_00,
           [](TEvtTreiCap& e) {
             TInfoComplem& c = e.treiCap.infoComplem;
             c.durTreiCap = 0;
             c.modTreiCap = kCodigoNaoInformado<tpModTreiCap>;
             c.tpTreiCap = kCodigoNaoInformado<tpTpTreiCap>;
           },
           {"<dtTreiCap>2024-03-05</dtTreiCap><indTreinAnt>N</indTreinAnt><ideProfResp>"},
           {},
           {}},
          {"and written when given",
           ve02_05_00,
           [](TEvtTreiCap&) {},
           {"<dtTreiCap>2024-03-05</dtTreiCap><durTreiCap>8.00</durTreiCap><modTreiCap>1</modTreiCap>"
            "<tpTreiCap>1</tpTreiCap><indTreinAnt>N</indTreinAnt>"},
           {},
           {}},
          {"99 professionals", ve02_05_00, profissionais(99), {}, {}, {}},
          {"100 professionals",
           ve02_05_00,
           profissionais(100),
           {},
           {},
           {"ideProfResp(Lista de Informações relativas ao profissional responsável pelo "
            "treinamento/capacitação/exercício simulado) - Número de ocorrências maior que o máximo permitido - "
            "Máximo 99."}},
      });
}

TEST(S2245Training, IniCases) {
  esocialtest::VerificarCasosIni<TS2245Collection>(
      IniBase(),
      {
          {"modality and kind left out are not informed, nor written",
           [](TIni& ini) {
             ini["infoComplem"].erase("modTreiCap");
             ini["infoComplem"].erase("tpTreiCap");
           },
           kNoError,
           [](const TEvtTreiCap& e) {
             EXPECT_EQ(e.treiCap.infoComplem.modTreiCap, kCodigoNaoInformado<tpModTreiCap>);
             EXPECT_THAT(e.XML(), HasSubstr("<durTreiCap>8.00</durTreiCap><indTreinAnt>N</indTreinAnt>"));
           }},
          {"the previous-training flag left out is not informed: the schema names it",
           [](TIni& ini) { ini["infoComplem"].erase("indTreinAnt"); }, "indTreinAnt", [](const TEvtTreiCap&) {}},
          {"a professional's kind left out: the schema names it",
           [](TIni& ini) { ini["ideProfResp02"].erase("tpProf"); }, "tpProf", [](const TEvtTreiCap&) {}},
          {"without the complement's date the schema names it; the professionals are read",
           [](TIni& ini) { ini["infoComplem"].erase("dtTreiCap"); }, "dtTreiCap",
           [](const TEvtTreiCap& e) { EXPECT_EQ(e.treiCap.infoComplem.ideProfResp.Count(), 2); }},
          {"a professional whose name reads FIM ends the list",
           [](TIni& ini) { ini["ideProfResp02"]["nmProf"] = "FIM"; }, kNoError,
           [](const TEvtTreiCap& e) { EXPECT_EQ(e.treiCap.infoComplem.ideProfResp.Count(), 1); }},
          {"a nationality outside its list raises", [](TIni& ini) { ini["ideProfResp01"]["nacProf"] = "3"; },
           "INI: valor inválido em [ideProfResp01] nacProf: \"3\"",
           [](const TEvtTreiCap& e) { EXPECT_EQ(e.XML(), ""); }},
          {"the category is read", [](TIni&) {}, kNoError,
           [](const TEvtTreiCap& e) {
             EXPECT_THAT(e.XML(), HasSubstr("<matricula>M-001</matricula><codCateg>101</codCateg>"));
           }},
      },
      ve02_05_00);
}
