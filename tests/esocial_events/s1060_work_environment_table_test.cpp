// S-1060, work environment table (2.x only): documents of each mode written from fields and
// from INI input, signed, valid against the 2.5 schema and read back through the container; the
// sizes of that schema; the INI reader's own cases.
#include "esocial/events/tables_periodic/s1060_work_environment_table.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "esocial/events/event_ini.h"
#include "event_test_support.h"

using namespace esocial;
using namespace esocial::s1060;
using esocialtest::TIni;
using ::testing::HasSubstr;

namespace {

// An environment of the employer's own establishment.
void Preencher(TEvtTabAmbiente& e) {
  e.Id = esocialtest::kIdEvento;
  e.ideEvento.VerProc = "NEMBO 1.0";
  e.ideEmpregador.NrInsc = esocialtest::kEmpregador;
  e.infoAmbiente.ideAmbiente = {"AMB01", "2024-01", ""};
  e.infoAmbiente.dadosAmbiente() = {"Oficina", "Galpao de manutencao & pintura", laEstabProprioEmpregador,
                                    tiCNPJ,    esocialtest::kEmpregador,         "LOT01"};
}

TIni IniBase() {
  return {
      {"evtTabAmbiente", {{"Id", esocialtest::kIdEvento}}},
      {"ideEvento", {{"procEmi", "1"}, {"verProc", "NEMBO 1.0"}}},
      {"ideEmpregador", {{"tpInsc", "1"}, {"nrInsc", esocialtest::kEmpregador}}},
      {"ideAmbiente", {{"codAmb", "AMB01"}, {"iniValid", "2024-01"}}},
      {"dadosAmbiente",
       {{"nmAmb", "Oficina"},
        {"dscAmb", "Galpao de manutencao & pintura"},
        {"localAmb", "1"},
        {"tpInsc", "1"},
        {"nrInsc", esocialtest::kEmpregador},
        {"codLotacao", "LOT01"}}},
  };
}

}  // namespace

TEST(S1060WorkEnvironmentTable, ValidDocuments) {
  esocialtest::VerificarDocumentosValidos<TS1060Collection>(
      Preencher, IniBase(),
      {
          {"inclusion", [](TEvtTabAmbiente&) {}, [](TIni&) {}, {}},
          {"a third party's installation, no inscription given",
           [](TEvtTabAmbiente& e) {
             e.infoAmbiente.dadosAmbiente() = {
                 "Cliente", "Patio do cliente", laPrestInstalacaoTerceiro, kCodigoNaoInformado<tpTpInsc>, "", ""};
           },
           [](TIni& ini) {
             ini["dadosAmbiente"] = {
                 {"nmAmb", "Cliente"}, {"dscAmb", "Patio do cliente"}, {"localAmb", "3"}, {"tpInsc", ""}};
           },
           {}},
          // The new validity is read back from its own group, not from the key's.
          {"alteration with a new validity",
           [](TEvtTabAmbiente& e) {
             e.ModoLancamento = mlAlteracao;
             e.infoAmbiente.novaValidade() = {"2024-06", "2024-12"};
           },
           [](TIni& ini) {
             ini["evtTabAmbiente"]["ModoLancamento"] = "alteracao";
             ini["novaValidade"] = {{"iniValid", "2024-06"}, {"fimValid", "2024-12"}};
           },
           {}},
          {"alteration without one",
           [](TEvtTabAmbiente& e) {
             e.ModoLancamento = mlAlteracao;
             e.infoAmbiente.novaValidade();
           },
           [](TIni& ini) { ini["evtTabAmbiente"]["ModoLancamento"] = "alteracao"; },
           {}},
          {"exclusion",
           [](TEvtTabAmbiente& e) {
             e.ModoLancamento = mlExclusao;
             e.infoAmbiente.ideAmbiente.fimValid = "2024-12";
           },
           [](TIni& ini) {
             ini["evtTabAmbiente"]["ModoLancamento"] = "exclusao";
             ini["ideAmbiente"]["fimValid"] = "2024-12";
           },
           {}},
      },
      ve02_05_00);
}

// The description has at least three characters; an inscription, a CNPJ or a CPF.
TEST(S1060WorkEnvironmentTable, Sizes) {
  const auto descricao = [](const std::string& texto) {
    return [texto](TEvtTabAmbiente& e) { e.infoAmbiente.dadosAmbiente().dscAmb = texto; };
  };
  const auto inscricao = [](const std::string& nr) {
    return [nr](TEvtTabAmbiente& e) { e.infoAmbiente.dadosAmbiente().nrInsc = nr; };
  };
  esocialtest::VerificarCasosLeiaute<TS1060Collection>(
      Preencher,
      {
          {"three characters", ve02_05_00, descricao("Sala"), {"<dscAmb>Sala</dscAmb>"}, {}, {}},
          {"two", ve02_05_00, descricao("Sl"), {}, {}, {"/dscAmb() - Tamanho menor que o mínimo permitido [Sl]"}},
          {"a CPF", ve02_05_00, inscricao("12345678909"), {"<nrInsc>12345678909</nrInsc>"}, {}, {}},
          {"seven digits",
           ve02_05_00,
           inscricao("1234567"),
           {},
           {},
           {"/nrInsc() - Tamanho menor que o mínimo permitido [1234567]"}},
          {"fifteen",
           ve02_05_00,
           inscricao("123456789012345"),
           {},
           {},
           {"/nrInsc() - Tamanho maior que o máximo permitido [123456789012345]"}},
      });
}

TEST(S1060WorkEnvironmentTable, IniCases) {
  esocialtest::VerificarCasosIni<TS1060Collection>(
      IniBase(),
      {
          {"the codes' defaults",
           [](TIni& ini) {
             ini["dadosAmbiente"].erase("localAmb");
             ini["dadosAmbiente"].erase("tpInsc");
           },
           testsupport::kNoError,
           [](TEvtTabAmbiente& e) {
             EXPECT_EQ(e.infoAmbiente.dadosAmbiente().localAmb, laEstabProprioEmpregador);
             EXPECT_EQ(e.infoAmbiente.dadosAmbiente().tpInsc, tiCNPJ);
           }},
          {"a code outside its list", [](TIni& ini) { ini["dadosAmbiente"]["localAmb"] = "4"; },
           "INI: valor inválido em [dadosAmbiente] localAmb: \"4\"",
           [](TEvtTabAmbiente& e) { EXPECT_EQ(e.XML(), ""); }},
          {"an exclusion reads no data", [](TIni& ini) { ini["evtTabAmbiente"]["ModoLancamento"] = "exclusao"; },
           testsupport::kNoError, [](TEvtTabAmbiente& e) { EXPECT_FALSE(e.infoAmbiente.dadosAmbienteInst()); }},
      },
      ve02_05_00);
}

// LerXML reads every group where it first appears and leaves the Id and sequence as they are.
TEST(S1060WorkEnvironmentTable, ReadBackKeepsIdAndSequence) {
  auto c = esocialtest::NovoComponente();
  esocialtest::UsarLeiaute(c, ve02_05_00);
  TEvtTabAmbiente& escrito = c.Eventos().Tabelas().S1060().Add().EvtTabAmbiente();
  Preencher(escrito);
  escrito.ModoLancamento = mlAlteracao;
  escrito.infoAmbiente.novaValidade() = {"2024-06", ""};
  escrito.GerarXML();
  escrito.SetXML(escrito.XML());

  TEvtTabAmbiente& lido = c.Eventos().Tabelas().S1060().Add().EvtTabAmbiente();
  lido.Id = "outro";
  lido.Sequencial = 7;
  lido.SetXML(escrito.XML());
  EXPECT_TRUE(lido.LerXML());
  EXPECT_EQ(lido.Id, "outro");
  EXPECT_EQ(lido.Sequencial, 7);
  EXPECT_EQ(lido.ModoLancamento, mlAlteracao);
  EXPECT_EQ(lido.infoAmbiente.ideAmbiente.iniValid, "2024-01");
  EXPECT_EQ(lido.infoAmbiente.novaValidade().IniValid, "2024-06");
  EXPECT_EQ(lido.infoAmbiente.dadosAmbiente().dscAmb, "Galpao de manutencao & pintura");
}
