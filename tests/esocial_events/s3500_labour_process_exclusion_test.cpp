// S-3500, exclusion of labour process events: documents for S-2500, S-2501 and S-2555 written
// from fields and from INI input, signed and valid against the official schema; the groups by
// type and layout; the INI reader's own cases.
#include "esocial/events/non_periodic/s3500_labour_process_exclusion.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "event_test_support.h"

using namespace esocial;
using namespace esocial::s3500;
using esocialtest::TIni;

namespace {

const std::string kRecibo = "1.2.1234567890123456789";
const std::string kProcesso = "12345678901234567890";

// Every value of the process given: each type writes its own.
void Preencher(TEvtExcProcTrab& e) {
  e.Id = esocialtest::kIdEvento;
  e.IdeEvento.VerProc = "NEMBO 1.0";
  e.IdeEmpregador.NrInsc = esocialtest::kEmpregador;
  e.InfoExclusao = {teS2500, kRecibo, {"12345678909", kProcesso, "2024-03", 2}};
}

TIni IniBase() {
  return {
      {"evtExcProcTrab", {{"Id", esocialtest::kIdEvento}}},
      {"ideEvento", {{"procEmi", "1"}, {"verProc", "NEMBO 1.0"}}},
      {"ideEmpregador", {{"tpInsc", "1"}, {"nrInsc", esocialtest::kEmpregador}}},
      {"infoExclusao", {{"tpEvento", "S-2500"}, {"nrRecEvt", kRecibo}}},
      {"ideProcTrab",
       {{"cpfTrab", "12345678909"}, {"nrProcTrab", kProcesso}, {"perApurPgto", "2024-03"}, {"ideSeqProc", "2"}}},
  };
}

std::function<void(TEvtExcProcTrab&)> Tipo(TTipoEvento tipo) {
  return [tipo](TEvtExcProcTrab& e) { e.InfoExclusao.tpEvento = tipo; };
}

}  // namespace

TEST(S3500LabourProcessExclusion, ValidDocuments) {
  esocialtest::VerificarDocumentosValidos<TS3500Collection>(
      Preencher, IniBase(),
      {
          {"S-2500", [](TEvtExcProcTrab&) {}, [](TIni&) {}, {}},
          {"S-2501", Tipo(teS2501), [](TIni& ini) { ini["infoExclusao"]["tpEvento"] = "S-2501"; }, {}},
          {"S-2555 of a conciliation",
           [](TEvtExcProcTrab& e) {
             Tipo(teS2555)(e);
             e.InfoExclusao.ideProcTrab.nrProcTrab = "123456789012345";
           },
           [](TIni& ini) {
             ini["infoExclusao"]["tpEvento"] = "S-2555";
             ini["ideProcTrab"]["nrProcTrab"] = "123456789012345";
           },
           {}},
      });
}

// The worker for S-2500; the payment period for S-2501 and S-2555; the sequence, when above 0,
// for S-2500 and S-2501 under S-1.03; a process number of 15 or 20 digits.
TEST(S3500LabourProcessExclusion, GroupsByTypeAndLayout) {
  const std::string cpf = "<cpfTrab>12345678909</cpfTrab>";
  const std::string periodo = "<perApurPgto>2024-03</perApurPgto>";
  const std::string sequencia = "<ideSeqProc>2</ideSeqProc>";
  const auto processo = [](const std::string& nr) {
    return [nr](TEvtExcProcTrab& e) { e.InfoExclusao.ideProcTrab.nrProcTrab = nr; };
  };
  const std::string kTamanho = "/nrProcTrab() - Tamanho ";
  esocialtest::VerificarCasosLeiaute<TS3500Collection>(
      Preencher,
      {
          {"S-2500", veS01_03_00, Tipo(teS2500), {cpf + sequencia}, {periodo}, {}},
          {"S-2501", veS01_03_00, Tipo(teS2501), {periodo + sequencia}, {cpf}, {}},
          {"S-2555", veS01_03_00, Tipo(teS2555), {"</nrProcTrab>" + periodo + "</ideProcTrab>"}, {cpf, sequencia}, {}},
          {"S-2501 under S-1.02", veS01_02_00, Tipo(teS2501), {periodo}, {sequencia}, {}},
          {"S-2500 with no sequence",
           veS01_03_00,
           [](TEvtExcProcTrab& e) { e.InfoExclusao.ideProcTrab.ideSeqProc = 0; },
           {},
           {"<ideSeqProc>"},
           {}},
          {"S-1200", veS01_03_00, Tipo(teS1200), {"<nrProcTrab>" + kProcesso + "</nrProcTrab></ideProcTrab>"}, {}, {}},
          {"16 digits",
           veS01_03_00,
           processo("1234567890123456"),
           {},
           {},
           {kTamanho + "menor que o mínimo permitido [1234567890123456]"}},
          {"14 digits",
           veS01_03_00,
           processo("12345678901234"),
           {},
           {},
           {kTamanho + "menor que o mínimo permitido [12345678901234]"}},
          {"21 digits",
           veS01_03_00,
           processo("123456789012345678901"),
           {},
           {},
           {kTamanho + "maior que o máximo permitido [123456789012345678901]"}},
      });
}

TEST(S3500LabourProcessExclusion, IniCases) {
  esocialtest::VerificarCasosIni<TS3500Collection>(
      IniBase(), {
                     {"every key read whatever the type", [](TIni& ini) { ini["infoExclusao"]["tpEvento"] = "S-1200"; },
                      testsupport::kNoError,
                      [](TEvtExcProcTrab& e) {
                        EXPECT_EQ(e.InfoExclusao.tpEvento, teS1200);
                        EXPECT_EQ(e.InfoExclusao.ideProcTrab.cpfTrab, "12345678909");
                        EXPECT_EQ(e.InfoExclusao.ideProcTrab.ideSeqProc, 2);
                      }},
                     {"a type that is no event code", [](TIni& ini) { ini["infoExclusao"]["tpEvento"] = "S2501"; },
                      "INI: valor inválido em [infoExclusao] tpEvento: \"S2501\"",
                      [](TEvtExcProcTrab& e) { EXPECT_EQ(e.XML(), ""); }},
                 });
}
