// S-2555, consolidation of labour process taxes: a document written from fields and from INI
// input, signed and valid against the official schema; the sizes the schema sets.
#include "esocial/events/non_periodic/s2555_labour_process_consolidation.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "event_test_support.h"

using namespace esocial;
using namespace esocial::s2555;
using esocialtest::TIni;

namespace {

void Preencher(TEvtConsolidContProc& e) {
  e.Id = esocialtest::kIdEvento;
  e.ideEvento.VerProc = "NEMBO 1.0";
  e.ideEmpregador.NrInsc = esocialtest::kEmpregador;
  e.ideProc = {"00012345620245020001", "2024-03"};
}

TIni IniBase() {
  return {
      {"evtConsolidContProc", {{"Id", esocialtest::kIdEvento}}},
      {"ideEvento", {{"procEmi", "1"}, {"verProc", "NEMBO 1.0"}}},
      {"ideEmpregador", {{"nrInsc", esocialtest::kEmpregador}}},  // tpInsc 1 when not given
      {"ideProc", {{"nrProcTrab", "00012345620245020001"}, {"perApurPgto", "2024-03"}}},
  };
}

}  // namespace

TEST(S2555LabourProcessConsolidation, ValidDocuments) {
  esocialtest::VerificarDocumentosValidos<TS2555Collection>(
      Preencher, IniBase(),
      {
          {"a process of 20 digits", [](TEvtConsolidContProc&) {}, [](TIni&) {}, {}},
          {"a process of 15 digits",
           [](TEvtConsolidContProc& e) { e.ideProc.nrProcTrab = "123456789012345"; },
           [](TIni& ini) { ini["ideProc"]["nrProcTrab"] = "123456789012345"; },
           {}},
      });
}

// The identification without indRetif, and a period of a year and month only.
TEST(S2555LabourProcessConsolidation, Layout) {
  esocialtest::VerificarCasosLeiaute<TS2555Collection>(
      Preencher, {
                     {"three groups",
                      veS01_03_00,
                      [](TEvtConsolidContProc&) {},
                      {"<evtConsolidContProc Id=\"" + std::string(esocialtest::kIdEvento) +
                       "\"><ideEvento><tpAmb>2</tpAmb><procEmi>1</procEmi><verProc>NEMBO 1.0</verProc></ideEvento>"
                       "<ideEmpregador><tpInsc>1</tpInsc><nrInsc>12345678</nrInsc></ideEmpregador><ideProc>"
                       "<nrProcTrab>00012345620245020001</nrProcTrab><perApurPgto>2024-03</perApurPgto></ideProc>"
                       "</evtConsolidContProc>"},
                      {},
                      {}},
                     {"a period that is no month",
                      veS01_03_00,
                      [](TEvtConsolidContProc& e) { e.ideProc.perApurPgto = "2024"; },
                      {"<perApurPgto>2024</perApurPgto>"},
                      {},
                      {"/perApurPgto() - Tamanho menor que o mínimo permitido [2024]"}},
                 });
}
