// S-2206, the change of an employment contract: documents written from fields and from INI
// input, signed and valid against the official schemas of S-1.03 and 2.5; the layouts'
// branches; the cases it once got wrong; the INI reader's cases.
#include "esocial/events/non_periodic/s2206_contract_change.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "event_test_support.h"
#include "platform/convert_error.h"
#include "platform/date_time.h"
#include "support/esocial/worker_fixture.h"

using namespace esocial;
using esocialtest::kCnpjEstab;
using esocialtest::TIni;
using platform::EncodeDate;
using testing::HasSubstr;
using testing::Not;

namespace {

void Identificar(TEvtAltContratual& e) {
  esocialtest::Identificar(e);
  e.AltContratual.dtALteracao = EncodeDate(2024, 3, 1);
  e.AltContratual.dtEf = EncodeDate(2024, 3, 1);
  e.AltContratual.dscAlt = "Promocao";
}

TIni IniIdentificacao() {
  TIni ini = esocialtest::IniIdentificacao("evtAltContratual");
  ini["altContratual"] = {{"dtAlteracao", "01/03/2024"}, {"dtEf", "01/03/2024"}, {"dscAlt", "Promocao"}};
  return ini;
}

// The CLT contract of the fixture (union, journey, workplace) extended by the temporary work,
// an apprentice hired directly.
void PreencherCeletista(TEvtAltContratual& e) {
  Identificar(e);
  TVinculo& v = e.AltContratual.Vinculo;
  esocialtest::PreencherVinculoS1(v);
  TInfoCeletista& c = v.infoRegimeTrab.InfoCeletista;
  c.TrabTemporario.justProrr = "Prorrogacao da substituicao";
  c.aprend.indAprend = tiapContrDireta;
  c.aprend.NrInsc.clear();
}

TIni IniCeletista() {
  TIni ini = IniIdentificacao();
  ini.insert({
      {"vinculo", {{"tpRegPrev", "1"}, {"tpRegTrab", "1"}}},
      {"infoCeletista", {{"tpRegJor", "1"}, {"natAtividade", "1"}, {"dtBase", "5"}, {"cnpjSindCategProf", kCnpjEstab}}},
      {"trabTemporario", {{"justProrr", "Prorrogacao da substituicao"}}},
      {"aprend", {{"indAprend", "1"}, {"cnpjEntQual", kCnpjEstab}, {"cnpjPrat", kCnpjEstab}}},
      {"infoContrato",
       {{"nmCargo", "Analista"},
        {"CBOCargo", "252105"},
        {"nmFuncao", "Analista de folha"},
        {"CBOFuncao", "252105"},
        {"acumCargo", "N"},
        {"codCateg", "101"}}},
      {"remuneracao", {{"vrSalFx", "3500,00"}, {"undSalFixo", "5"}, {"dscSalVar", "Comissoes"}}},
      {"duracao", {{"tpContr", "2"}, {"dtTerm", "31/12/2024"}}},
      {"localTrabGeral", {{"tpInsc", "1"}, {"nrInsc", kCnpjEstab}, {"descComp", "Matriz"}}},
      {"localTempDom",
       {{"dscLograd", "Rua do Sitio"}, {"nrLograd", "5"}, {"cep", "13000000"}, {"CodMunic", "3509502"}}},
      {"horContratual",
       {{"qtdHrsSem", "44"}, {"tpJornada", "2"}, {"horNoturno", "N"}, {"dscJorn", "Doze por trinta e seis"}}},
      {"alvaraJudicial", {{"nrProcJud", "00000000000000000001"}}},
      {"observacoes01", {{"observacao", "Contrato de experiencia"}}},
      {"treiCap01", {{"codTreiCap", "1006"}}},
  });
  return ini;
}

// A servant of the own regime, fund in capitalisation, neither over the ceiling nor with the
// permanence bonus.
void PreencherEstatutario(TEvtAltContratual& e) {
  Identificar(e);
  TVinculo& v = e.AltContratual.Vinculo;
  v.tpRegTrab = trEstatutario;
  v.tpRegPrev = rpRPPS;
  TInfoEstatutario& s = v.infoRegimeTrab.InfoEstatutario;
  s.tpPlanRP = prpFundoEmCapitalizacao;
  s.indTetoRGPS = snfNao;
  s.indAbonoPerm = snfNao;
  v.infoContrato.nmCargo = "Auditor";
  v.infoContrato.CodCateg = 301;
  v.infoContrato.Remuneracao = {9000, sfPorMes, ""};
}

TIni IniEstatutario() {
  TIni ini = IniIdentificacao();
  ini.insert({
      {"vinculo", {{"tpRegPrev", "2"}, {"tpRegTrab", "2"}}},
      {"infoEstatutario", {{"tpPlanRP", "1"}, {"indTetoRGPS", "N"}, {"indAbonoPerm", "N"}}},
      {"infoContrato", {{"nmCargo", "Auditor"}, {"codCateg", "301"}}},
      {"remuneracao", {{"vrSalFx", "9000"}, {"undSalFixo", "5"}}},
  });
  return ini;
}

// The 2.x layouts require nisTrab; their apprenticeship is known by its inscription alone.
void Para25(TEvtAltContratual& e) {
  e.IdeVinculo.nisTrab = "12345678901";
  e.AltContratual.Vinculo.infoRegimeTrab.InfoCeletista.aprend.NrInsc = kCnpjEstab;
  e.AltContratual.Vinculo.infoContrato.FiliacaoSindical.Add().CnpjSindTrab = kCnpjEstab;
}

}  // namespace

TEST(S2206ContractChange, ValidDocuments) {
  esocialtest::VerificarDocumentosValidos<TS2206Collection>(
      Identificar, IniIdentificacao(),
      {
          {"a CLT contract", PreencherCeletista, [](TIni& ini) { ini = IniCeletista(); }, {}},
          {"a statutory servant", PreencherEstatutario, [](TIni& ini) { ini = IniEstatutario(); }, {}},
      });
}

// 2.5 requires a duration of every contract, a servant's too.
TEST(S2206ContractChange, Layout25IsValid) {
  for (const auto& preencher : {PreencherCeletista, PreencherEstatutario}) {
    esocialtest::VerificarValidoNoLeiaute<TS2206Collection>(ve02_05_00, [&](TEvtAltContratual& e) {
      preencher(e);
      Para25(e);
      if (e.AltContratual.Vinculo.tpRegTrab == trEstatutario)
        e.AltContratual.Vinculo.infoContrato.Duracao.TpContr = PrazoIndeterminado;
    });
  }
}

// Up to 2.5 the regime and the contract follow a vinculo that holds tpRegPrev alone; from S-1.0
// they stand inside it.
TEST(S2206ContractChange, LayoutBranches) {
  esocialtest::VerificarCasosLeiaute<TS2206Collection>(
      PreencherCeletista,
      {
          {"2.5",
           ve02_05_00,
           Para25,
           {"<vinculo><tpRegPrev>1</tpRegPrev></vinculo><infoRegimeTrab><infoCeletista>",
            "<trabTemp><justProrr>Prorrogacao da substituicao</justProrr></trabTemp><aprend><tpInsc>",
            "<codCateg>101</codCateg><remuneracao>", "<filiacaoSindical>", "</infoContrato></altContratual>"},
           {"<nmCargo>", "<treiCap>", "<localTempDom>", "<trabTemporario>"},
           {}},
          {"S-1.03",
           veS01_03_00,
           [](TEvtAltContratual&) {},
           {"<dtAlteracao>2024-03-01</dtAlteracao><dtEf>2024-03-01</dtEf><dscAlt>Promocao</dscAlt><vinculo><tpRegPrev>1"
            "</tpRegPrev><infoRegimeTrab><infoCeletista><tpRegJor>1</tpRegJor><natAtividade>1</natAtividade><dtBase>05<"
            "/dtBase>",
            "<trabTemporario><justProrr>", "<duracao><tpContr>2</tpContr><dtTerm>2024-12-31</dtTerm></duracao>",
            "</horContratual>", "</infoContrato></vinculo></altContratual>"},
           {"<filiacaoSindical>", "<codCargo>", "<clauAssec>", "<nisTrab>"},
           {}},
          {"a base date of 0, a regime of hours other than the schedule",
           veS01_03_00,
           [](TEvtAltContratual& e) {
             e.AltContratual.Vinculo.infoRegimeTrab.InfoCeletista.dtBase = 0;
             e.AltContratual.Vinculo.infoRegimeTrab.InfoCeletista.TpRegJor = rjAtividadeExtEspecificadaIncisoIArt62CLT;
           },
           {"<tpRegJor>2</tpRegJor>"},
           {"<dtBase>", "<horContratual>"},
           {}},
          {"a statutory bond under the general regime has no regime group",
           veS01_03_00,
           [](TEvtAltContratual& e) { e.AltContratual.Vinculo.tpRegTrab = trEstatutario; },
           {"<tpRegPrev>1</tpRegPrev><infoContrato>"},
           {"<infoRegimeTrab>"},
           {}},
          {"without the union: no CLT groups",
           veS01_03_00,
           [](TEvtAltContratual& e) { e.AltContratual.Vinculo.infoRegimeTrab.InfoCeletista.cnpjSindCategProf.clear(); },
           {"<remuneracao>"},
           {"<infoRegimeTrab>", "<duracao>", "<horContratual>"},
           {}},
      });
}

// Cases the writer or the INI reader once got wrong.
TEST(S2206ContractChange, Faults) {
  esocialtest::VerificarCasosLeiaute<TS2206Collection>(
      PreencherEstatutario,
      {
          {"no plan of the own regime, no infoEstatutario",
           veS01_03_00,
           [](TEvtAltContratual& e) { e.AltContratual.Vinculo.infoRegimeTrab.InfoEstatutario.tpPlanRP = prpNenhum; },
           {"<tpRegPrev>2</tpRegPrev><infoContrato>"},
           {"<infoEstatutario>", "<tpPlanRP>"},
           {}},
          {"the plan 0 as its code; the indicators required",
           veS01_03_00,
           [](TEvtAltContratual& e) {
             e.AltContratual.Vinculo.infoRegimeTrab.InfoEstatutario = {};
             e.AltContratual.Vinculo.infoRegimeTrab.InfoEstatutario.tpPlanRP = prpSemSegregacaoDaMassa;
           },
           {"<infoEstatutario><tpPlanRP>0</tpPlanRP><indTetoRGPS/><indAbonoPerm/></infoEstatutario>"},
           {},
           {"indTetoRGPS", "indAbonoPerm"}},
      });
  esocialtest::VerificarCasosLeiaute<TS2206Collection>(
      PreencherCeletista, {
                              {"no dtIngrCargo",
                               veS01_03_00,
                               [](TEvtAltContratual&) {},
                               {"<CBOCargo>252105</CBOCargo><nmFuncao>"},
                               {"<dtIngrCargo>"},
                               {}},
                              {"no duration given, none written",
                               veS01_03_00,
                               [](TEvtAltContratual& e) { e.AltContratual.Vinculo.infoContrato.Duracao = {}; },
                               {},
                               {"<duracao>"},
                               {}},
                              {"2.5 requires the duration: not given, its kind is written empty",
                               ve02_05_00,
                               [](TEvtAltContratual& e) {
                                 Para25(e);
                                 e.AltContratual.Vinculo.infoContrato.Duracao = {};
                               },
                               {"<duracao><tpContr/></duracao>"},
                               {},
                               {"tpContr"}},
                              {"no pay, none written",
                               veS01_03_00,
                               [](TEvtAltContratual& e) { e.AltContratual.Vinculo.infoContrato.Remuneracao = {}; },
                               {},
                               {"<remuneracao>"},
                               {}},
                              {"pay not applicable is written",
                               veS01_03_00,
                               [](TEvtAltContratual& e) {
                                 e.AltContratual.Vinculo.infoContrato.Remuneracao = {0, sfNaoaplicavel, ""};
                               },
                               {"<remuneracao><vrSalFx>0.00</vrSalFx><undSalFixo>7</undSalFixo></remuneracao>"},
                               {},
                               {}},
                          });
  esocialtest::VerificarCasosIni<TS2206Collection>(
      IniCeletista(),
      {
          {"the journey is read by its weekly hours alone", [](TIni& ini) { ini["horContratual"].erase("tpJornada"); },
           "",
           [](const TEvtAltContratual& e) {
             const THorContratual& h = e.AltContratual.Vinculo.infoContrato.HorContratual;
             EXPECT_DOUBLE_EQ(h.qtdHrsSem, 44);
             EXPECT_EQ(h.dscJorn, "Doze por trinta e seis");
           }},
          {"and by its kind alone", [](TIni& ini) { ini["horContratual"].erase("qtdHrsSem"); }, testsupport::kNoError,
           [](const TEvtAltContratual& e) {
             EXPECT_EQ(e.AltContratual.Vinculo.infoContrato.HorContratual.tpJornada, tjJornada12x36);
             EXPECT_THAT(e.XML(), HasSubstr("<horContratual><tpJornada>2</tpJornada><tmpParc>0</tmpParc><horNoturno>N<"
                                            "/horNoturno><dscJorn>Doze por trinta e seis</dscJorn></horContratual>"));
           }},
          {"weekly hours with a decimal comma", [](TIni& ini) { ini["horContratual"]["qtdHrsSem"] = "42,5"; },
           testsupport::kNoError,
           [](const TEvtAltContratual& e) { EXPECT_THAT(e.XML(), HasSubstr("<qtdHrsSem>42.50</qtdHrsSem>")); }},
          {"a temporary domestic place without tpLograd, a general one without tpInsc",
           [](TIni& ini) { ini["localTrabGeral"].erase("tpInsc"); }, testsupport::kNoError,
           [](const TEvtAltContratual& e) {
             EXPECT_THAT(e.XML(), HasSubstr("<localTrabGeral><tpInsc>1</tpInsc><nrInsc>11222333000181</nrInsc>"));
             EXPECT_THAT(e.XML(), HasSubstr("<localTempDom><dscLograd>Rua do Sitio</dscLograd>"));
           }},
          {"infoCeletista by its union alone", [](TIni& ini) { ini["infoCeletista"].erase("tpRegJor"); },
           testsupport::kNoError,
           [](const TEvtAltContratual& e) {
             EXPECT_EQ(e.AltContratual.Vinculo.infoRegimeTrab.InfoCeletista.cnpjSindCategProf, kCnpjEstab);
           }},
          {"tpRegTrab is read: a statutory bond under the general regime has no regime group",
           [](TIni& ini) {
             ini["vinculo"]["tpRegTrab"] = "2";
             ini.erase("infoCeletista");
             ini.erase("duracao");
           },
           testsupport::kNoError,
           [](const TEvtAltContratual& e) {
             EXPECT_EQ(e.AltContratual.Vinculo.tpRegTrab, trEstatutario);
             EXPECT_THAT(e.XML(), Not(HasSubstr("<infoRegimeTrab>")));
           }},
          {"no tpContr, no duration", [](TIni& ini) { ini.erase("duracao"); }, testsupport::kNoError,
           [](const TEvtAltContratual& e) { EXPECT_THAT(e.XML(), Not(HasSubstr("<duracao>"))); }},
          {"no pay, none written", [](TIni& ini) { ini.erase("remuneracao"); }, testsupport::kNoError,
           [](const TEvtAltContratual& e) { EXPECT_THAT(e.XML(), Not(HasSubstr("<remuneracao>"))); }},
      });
}

TEST(S2206ContractChange, IniCases) {
  esocialtest::VerificarCasosIni<TS2206Collection>(
      IniCeletista(), {
                          {"codCateg in ideVinculo is not read",
                           [](TIni& ini) { ini["ideVinculo"]["codCateg"] = "901"; }, testsupport::kNoError,
                           [](const TEvtAltContratual& e) {
                             EXPECT_EQ(e.IdeVinculo.codCateg, 0);
                             EXPECT_THAT(e.XML(), HasSubstr("<matricula>M-001</matricula></ideVinculo>"));
                           }},
                          {"the 2.x group trabTemp is read too",
                           [](TIni& ini) {
                             ini.erase("trabTemporario");
                             ini["trabTemp"] = {{"justProrr", "Prorrogacao"}};
                           },
                           testsupport::kNoError,
                           [](const TEvtAltContratual& e) {
                             EXPECT_EQ(e.AltContratual.Vinculo.infoRegimeTrab.InfoCeletista.TrabTemporario.justProrr,
                                       "Prorrogacao");
                           }},
                          {"a statutory section without its plan is not read",
                           [](TIni& ini) {
                             ini["infoEstatutario"] = {{"indTetoRGPS", "S"}};
                           },
                           testsupport::kNoError,
                           [](const TEvtAltContratual& e) {
                             EXPECT_EQ(e.AltContratual.Vinculo.infoRegimeTrab.InfoEstatutario.indTetoRGPS, snfNada);
                           }},
                          {"a training code that is no number raises before writing",
                           [](TIni& ini) { ini["treiCap01"]["codTreiCap"] = "10x6"; }, "10x6",
                           [](const TEvtAltContratual& e) { EXPECT_EQ(e.XML(), ""); }},
                      });
}
