// S-1300, employer union contribution: contributions written from fields and from INI input,
// signed and valid against the official 2.5 schema; the kind of contribution the layout
// requires; the list, its limits and the INI reader's own cases.
#include "esocial/events/tables_periodic/s1300_union_contribution.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "event_test_support.h"

using namespace esocial;
using namespace esocial::s1300;
using esocialtest::TIni;
using ::testing::HasSubstr;
using testsupport::kNoError;

namespace {

// March 2024: two unions, the second a confederative contribution.
void Preencher(TEvtContrSindPatr& e) {
  e.Id = esocialtest::kIdEvento;
  e.IdeEvento.perApur = "2024-03";
  e.IdeEvento.VerProc = "NEMBO 1.0";
  e.IdeEmpregador.NrInsc = esocialtest::kEmpregador;
  e.ContribSind.Add() = {"11222333000181", "1", 1500.5};
  e.ContribSind.Add() = {"11444777000161", "2", 320};
}

TIni IniBase() {
  return {
      {"evtContrSindPatr", {{"Id", esocialtest::kIdEvento}}},
      {"ideEvento",
       {{"indRetif", "1"}, {"indApuracao", "1"}, {"perApur", "2024-03"}, {"procEmi", "1"}, {"verProc", "NEMBO 1.0"}}},
      {"ideEmpregador", {{"tpInsc", "1"}, {"nrInsc", esocialtest::kEmpregador}}},
      {"contribSind001", {{"cnpjSindic", "11222333000181"}, {"tpContribSind", "1"}, {"vlrContribSind", "1500,50"}}},
      {"contribSind002", {{"cnpjSindic", "11444777000161"}, {"tpContribSind", "2"}, {"vlrContribSind", "320"}}},
  };
}

const std::string kLimite = "contribSind(Lista de Contribuição Sindical) - ";

}  // namespace

TEST(S1300UnionContribution, ValidDocuments) {
  esocialtest::VerificarDocumentosValidos<TS1300Collection>(
      Preencher, IniBase(),
      {
          {"two contributions", [](TEvtContrSindPatr&) {}, [](TIni&) {}, {}},
          {"a rectification, a contribution of no amount",
           [](TEvtContrSindPatr& e) {
             e.IdeEvento.indRetif = ireRetificacao;
             e.IdeEvento.NrRecibo = "1.2.0000000000000000001";
             e.ContribSind.GetItem(1).vlrContribSind = 0;
           },
           [](TIni& ini) {
             ini["ideEvento"]["indRetif"] = "2";
             ini["ideEvento"]["nrRecibo"] = "1.2.0000000000000000001";
             ini["contribSind002"].erase("vlrContribSind");
           },
           {}},
      },
      ve02_05_00);
}

TEST(S1300UnionContribution, ContributionsAndTheirList) {
  const auto contribuicoes = [](int n) {
    return [n](TEvtContrSindPatr& e) {
      while (e.ContribSind.Count() < n) e.ContribSind.Add() = e.ContribSind.GetItem(0);
    };
  };
  esocialtest::VerificarCasosLeiaute<TS1300Collection>(
      Preencher,
      {
          {"the kind between the union and the amount",
           ve02_05_00,
           [](TEvtContrSindPatr&) {},
           {"</ideEmpregador><contribSind><cnpjSindic>11222333000181</cnpjSindic><tpContribSind>1</tpContribSind>"
            "<vlrContribSind>1500.50</vlrContribSind></contribSind>"},
           {},
           {}},
          {"a kind not given is required",
           ve02_05_00,
           [](TEvtContrSindPatr& e) { e.ContribSind.GetItem(0).tpContribSind.clear(); },
           {"<tpContribSind/>"},
           {},
           {"tpContribSind() - Nenhum valor informado"}},
          {"no contribution: the list's alert, as the layout requires one",
           ve02_05_00,
           [](TEvtContrSindPatr& e) { e.ContribSind.Clear(); },
           {"</ideEmpregador></evtContrSindPatr>"},
           {},
           {kLimite + "Nenhum valor informado"}},
          {"999 contributions", ve02_05_00, contribuicoes(999), {}, {}, {}},
          {"1000 contributions",
           ve02_05_00,
           contribuicoes(1000),
           {},
           {},
           {kLimite + "Número de ocorrências maior que o máximo permitido - Máximo 999."}},
      });
}

TEST(S1300UnionContribution, IniCases) {
  esocialtest::VerificarCasosIni<TS1300Collection>(
      IniBase(),
      {
          {"a kind left out: the schema names it", [](TIni& ini) { ini["contribSind002"].erase("tpContribSind"); },
           "tpContribSind", [](const TEvtContrSindPatr& e) { EXPECT_EQ(e.ContribSind.GetItem(1).tpContribSind, ""); }},
          {"a union reading FIM ends the list", [](TIni& ini) { ini["contribSind002"]["cnpjSindic"] = "FIM"; },
           kNoError, [](const TEvtContrSindPatr& e) { EXPECT_EQ(e.ContribSind.Count(), 1); }},
          {"no contribution: the schema names the list", [](TIni& ini) { ini["contribSind001"]["cnpjSindic"] = ""; },
           "contribSind", [](const TEvtContrSindPatr& e) { EXPECT_EQ(e.ContribSind.Count(), 0); }},
          {"the guide indicator is not read", [](TIni& ini) { ini["ideEvento"]["indGuia"] = "1"; }, kNoError,
           [](const TEvtContrSindPatr& e) { EXPECT_THAT(e.XML(), ::testing::Not(HasSubstr("indGuia"))); }},
      },
      ve02_05_00);
}
