// S-1020, tax allocation table: documents of the allocation types and of each mode written from
// fields and from INI input, signed and valid against the official schemas; the layout
// branches; the INI reader's own cases.
#include "esocial/events/tables_periodic/s1020_tax_allocation_table.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "esocial/events/event_ini.h"
#include "event_test_support.h"

using namespace esocial;
using namespace esocial::s1020;
using esocialtest::TIni;
using ::testing::HasSubstr;

namespace {

const std::string kProcesso = "12345678901234567890";

// A unit of the employer's own establishment (type 01).
void Preencher(TevtTabLotacao& e) {
  e.Id = esocialtest::kIdEvento;
  e.IdeEvento.VerProc = "NEMBO 1.0";
  e.ideEmpregador.NrInsc = esocialtest::kEmpregador;
  e.infoLotacao.ideLotacao = {"LOT01", "2024-01", ""};
  TDadosLotacao& dados = e.infoLotacao.dadosLotacao();
  dados.tpLotacao = "01";
  dados.fPasLotacao.Fpas = "515";
  dados.fPasLotacao.codTercs = "0115";
}

TIni IniBase() {
  return {
      {"evtTabLotacao", {{"Id", esocialtest::kIdEvento}}},
      {"ideEvento", {{"procEmi", "1"}, {"verProc", "NEMBO 1.0"}}},
      {"ideEmpregador", {{"tpInsc", "1"}, {"nrInsc", esocialtest::kEmpregador}}},
      {"ideLotacao", {{"codLotacao", "LOT01"}, {"iniValid", "2024-01"}}},
      {"dadosLotacao", {{"tpLotacao", "01"}}},
      {"fpasLotacao", {{"fpas", "515"}, {"codTercs", "0115"}}},
  };
}

// A works of a contractor under a partial contract (type 02).
void Empreitada(TevtTabLotacao& e) {
  TDadosLotacao& dados = e.infoLotacao.dadosLotacao();
  dados.tpLotacao = "02";
  dados.tpInsc = tiCNO;
  dados.nrInsc = "123456789012";
  dados.infoEmprParcial = {icCNPJ, "98765432000198", tpCPF, "12345678909"};
}

void IniEmpreitada(TIni& ini) {
  ini["dadosLotacao"] = {{"tpLotacao", "02"}, {"tpInsc", "4"}, {"nrInsc", "123456789012"}};
  ini["infoEmprParcial"] = {
      {"tpInscContrat", "1"}, {"nrInscContrat", "98765432000198"}, {"tpInscProp", "2"}, {"nrInscProp", "12345678909"}};
}

// A client company's unit (type 03) whose third-party contributions a court suspends.
void Tomadora(TevtTabLotacao& e) {
  TDadosLotacao& dados = e.infoLotacao.dadosLotacao();
  dados.tpLotacao = "03";
  dados.nrInsc = "98765432000198";
  dados.fPasLotacao.codTercsSusp = "0064";
  TProcJudTerceiroCollectionItem& sebrae = dados.fPasLotacao.infoProcJudTerceiros().procJudTerceiro.Add();
  sebrae.codTerc = "0064";
  sebrae.nrProcJud() = kProcesso;
  sebrae.codSusp = "12345678901";  // past 32 bits
  TProcJudTerceiroCollectionItem& sesi = dados.fPasLotacao.infoProcJudTerceiros().procJudTerceiro.Add();
  sesi.codTerc = "0008";
  sesi.nrProcJud() = kProcesso;
  sesi.codSusp = "0012";
}

void IniTomadora(TIni& ini) {
  ini["dadosLotacao"] = {{"tpLotacao", "03"}, {"nrInsc", "98765432000198"}};
  ini["fpasLotacao"]["codTercsSusp"] = "0064";
  ini["procJudTerceiro01"] = {{"codTerc", "0064"}, {"nrProcJud", kProcesso}, {"codSusp", "12345678901"}};
  ini["procJudTerceiro02"] = {{"codTerc", "0008"}, {"nrProcJud", kProcesso}, {"codSusp", "0012"}};
}

// A port operator's unit (type 08), with its rate and factor.
void OperadorPortuario(TevtTabLotacao& e) {
  TDadosLotacao& dados = e.infoLotacao.dadosLotacao();
  dados.tpLotacao = "08";
  dados.nrInsc = "98765432000198";
  dados.dadosOpPort = {arat2, 1.0512};
}

void IniOperadorPortuario(TIni& ini) {
  ini["dadosLotacao"] = {{"tpLotacao", "08"}, {"nrInsc", "98765432000198"}};
  ini["dadosOpPort"] = {{"aliqRat", "2"}, {"fap", "1,0512"}};
}

const std::string kNenhum = "() - Nenhum valor informado";

}  // namespace

TEST(S1020TaxAllocationTable, ValidDocuments) {
  esocialtest::VerificarDocumentosValidos<TS1020Collection>(
      Preencher, IniBase(),
      {
          {"01, inclusion", [](TevtTabLotacao&) {}, [](TIni&) {}, {}},
          {"02 with the partial contract", Empreitada, IniEmpreitada, {}},
          {"03 with the third parties' processes", Tomadora, IniTomadora, {}},
          {"08 with the port operator's rates, alteration with a new validity",
           [](TevtTabLotacao& e) {
             OperadorPortuario(e);
             e.ModoLancamento = mlAlteracao;
             e.infoLotacao.novaValidade() = {"2024-06", ""};
           },
           [](TIni& ini) {
             IniOperadorPortuario(ini);
             ini["evtTabLotacao"]["ModoLancamento"] = "alteracao";
             ini["novaValidade"] = {{"iniValid", "2024-06"}};
           },
           {}},
          {"alteration without a new validity",
           [](TevtTabLotacao& e) { e.ModoLancamento = mlAlteracao; },
           [](TIni& ini) { ini["evtTabLotacao"]["ModoLancamento"] = "alteracao"; },
           {}},
          {"exclusion, a type left empty",
           [](TevtTabLotacao& e) {
             e.ModoLancamento = mlExclusao;
             e.infoLotacao.dadosLotacao().tpLotacao = "";
           },
           [](TIni& ini) {
             ini["evtTabLotacao"]["ModoLancamento"] = "exclusao";
             ini["dadosLotacao"]["tpLotacao"] = "";
           },
           {}},
      });
}

TEST(S1020TaxAllocationTable, Layout25Schema) {
  for (const auto& preencher : {Empreitada, Tomadora}) {
    auto c = esocialtest::NovoComponente();
    TevtTabLotacao& e = c.Eventos().Tabelas().S1020().Add().EvtTabLotacao();
    Preencher(e);
    preencher(e);
    EXPECT_EQ(esocialtest::ErroNoEsquema(c, e, ve02_05_00), testsupport::kNoError);
    EXPECT_THAT(e.Gerador().ListaDeAlertas, ::testing::IsEmpty());
  }
}

TEST(S1020TaxAllocationTable, LayoutBranches) {
  const auto processoSemSuspensao = [](TevtTabLotacao& e) {
    Tomadora(e);
    e.infoLotacao.dadosLotacao().fPasLotacao.infoProcJudTerceiros().procJudTerceiro.GetItem(1).codSusp = "";
  };
  const std::string kLimite = " - Número de ocorrências maior que o máximo permitido - Máximo ";
  esocialtest::VerificarCasosLeiaute<TS1020Collection>(
      Preencher,
      {
          {"a suspension code of 14 digits kept as text",
           veS01_03_00,
           [](TevtTabLotacao& e) {
             Tomadora(e);
             e.infoLotacao.dadosLotacao().fPasLotacao.infoProcJudTerceiros().procJudTerceiro.GetItem(0).codSusp =
                 "99999999999999";
           },
           {"<codSusp>99999999999999</codSusp>", "<codSusp>0012</codSusp>"},
           {},
           {}},
          {"a process without its suspension code",
           veS01_03_00,
           processoSemSuspensao,
           {"<nrProcJud>" + kProcesso + "</nrProcJud><codSusp/></procJudTerceiro>"},
           {},
           {"/codSusp" + kNenhum}},
          {"the same under 2.x", ve02_05_00, processoSemSuspensao, {"<codSusp/>"}, {}, {"/codSusp" + kNenhum}},
          {"01: no tpInsc",
           veS01_03_00,
           [](TevtTabLotacao& e) { e.infoLotacao.dadosLotacao().tpInsc = tiCNO; },
           {},
           {"<tpInsc>4</tpInsc>"},
           {}},
          {"10: no tpInsc",
           veS01_03_00,
           [](TevtTabLotacao& e) { e.infoLotacao.dadosLotacao().tpLotacao = "10"; },
           {"<tpLotacao>10</tpLotacao><fpasLotacao>"},
           {},
           {}},
          {"an inscription of 13 digits",
           veS01_03_00,
           [](TevtTabLotacao& e) { e.infoLotacao.dadosLotacao().nrInsc = "1234567890123"; },
           {},
           {},
           {"/nrInsc() - Tamanho menor que o mínimo permitido [1234567890123]"}},
          {"08 without its factor: written so that the schema names it",
           veS01_03_00,
           [](TevtTabLotacao& e) { e.infoLotacao.dadosLotacao().tpLotacao = "08"; },
           {"<dadosOpPort><aliqRat>1</aliqRat><fap>0.0000</fap></dadosOpPort>"},
           {},
           {}},
          {"01 without a factor: none", veS01_03_00, [](TevtTabLotacao&) {}, {}, {"<dadosOpPort>"}, {}},
          {"08 under 2.x: none", ve02_05_00, OperadorPortuario, {}, {"<dadosOpPort>"}, {}},
          {"a contractor without its number: none",
           veS01_03_00,
           [](TevtTabLotacao& e) {
             Empreitada(e);
             e.infoLotacao.dadosLotacao().infoEmprParcial.NrInscContrat = "";
           },
           {},
           {"<infoEmprParcial>"},
           {}},
          {"an owner without number: only under 2.x",
           veS01_03_00,
           [](TevtTabLotacao& e) {
             Empreitada(e);
             e.infoLotacao.dadosLotacao().infoEmprParcial.nrInscProp = "";
           },
           {"<nrInscContrat>98765432000198</nrInscContrat></infoEmprParcial>"},
           {},
           {}},
          {"100 processes",
           veS01_03_00,
           [](TevtTabLotacao& e) {
             Tomadora(e);
             TProcJudTerceiroCollection& lista =
                 e.infoLotacao.dadosLotacao().fPasLotacao.infoProcJudTerceiros().procJudTerceiro;
             while (lista.Count() < 100) lista.Add() = lista.GetItem(0);
           },
           {"</procJudTerceiro></infoProcJudTerceiros>"},
           {},
           {"/infoProcJudTerceiros(Lista de Processos Judic. Terceiros)" + kLimite + "99."}},
      });

  // A type that is no number stops the writer of an inclusion.
  auto c = esocialtest::NovoComponente(false);
  TevtTabLotacao& e = esocialtest::NovoEvento<TS1020Collection>(c, veS01_03_00);
  Preencher(e);
  e.infoLotacao.dadosLotacao().tpLotacao = "";
  EXPECT_THAT(testsupport::MessageOf([&] { e.GerarXML(); }),
              ::testing::StartsWith(std::string("ID: ") + esocialtest::kIdEvento + "\r\n "));
  EXPECT_EQ(e.XML(), "");
}

TEST(S1020TaxAllocationTable, IniCases) {
  esocialtest::VerificarCasosIni<TS1020Collection>(
      IniBase(),
      {
          {"a contractor given by its number alone is kept, its kind not invented",
           [](TIni& ini) {
             IniEmpreitada(ini);
             ini["infoEmprParcial"] = {{"nrInscContrat", "98765432000198"}};
           },
           "tpInscContrat': '' is not a valid value",
           [](TevtTabLotacao& e) {
             const TInfoEmprParcial& parcial = e.infoLotacao.dadosLotacao().infoEmprParcial;
             EXPECT_EQ(parcial.NrInscContrat, "98765432000198");
             EXPECT_EQ(parcial.tpInscContrat, esocial::kCodigoNaoInformado<TptpInscContratante>);
             EXPECT_THAT(e.XML(), HasSubstr("<nrInscContrat>98765432000198</nrInscContrat></infoEmprParcial>"));
           }},
          {"a port operator given by its factor alone is kept, its rate not invented",
           [](TIni& ini) {
             IniOperadorPortuario(ini);
             ini["dadosOpPort"] = {{"fap", "0.75"}};
           },
           "aliqRat': '' is not a valid value",
           [](TevtTabLotacao& e) {
             EXPECT_THAT(e.XML(), HasSubstr("<dadosOpPort><aliqRat></aliqRat><fap>0.7500</fap></dadosOpPort>"));
           }},
          {"FIM ends the processes",
           [](TIni& ini) {
             IniTomadora(ini);
             ini["procJudTerceiro02"]["codTerc"] = "FIM";
             ini["procJudTerceiro03"] = ini["procJudTerceiro01"];
           },
           testsupport::kNoError,
           [](TevtTabLotacao& e) {
             EXPECT_EQ(e.infoLotacao.dadosLotacao().fPasLotacao.infoProcJudTerceiros().procJudTerceiro.Count(), 1);
           }},
          {"no process section: no group", [](TIni&) {}, testsupport::kNoError,
           [](TevtTabLotacao& e) {
             EXPECT_FALSE(e.infoLotacao.dadosLotacao().fPasLotacao.infoProcJudTerceirosInst());
           }},
          {"a type that is no number", [](TIni& ini) { ini["dadosLotacao"]["tpLotacao"] = "x"; }, "'x'",
           [](TevtTabLotacao& e) { EXPECT_EQ(e.XML(), ""); }},
          {"a contractor's type outside its list",
           [](TIni& ini) {
             IniEmpreitada(ini);
             ini["infoEmprParcial"]["tpInscContrat"] = "3";
           },
           "INI: valor inválido em [infoEmprParcial] tpInscContrat: \"3\"",
           [](TevtTabLotacao& e) { EXPECT_EQ(e.XML(), ""); }},
      });
}
