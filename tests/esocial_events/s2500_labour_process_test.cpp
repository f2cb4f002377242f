// S-2500, labour process: documents of a court case and of a conciliation agreement written
// from fields and from INI input, signed and valid against the schema of each layout; the
// layout branches, list limits and group choices of the writer; the INI reader's own cases.
#include "esocial/events/non_periodic/s2500_labour_process.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "event_test_support.h"

using namespace esocial;
using namespace esocial::s2500;
using esocialtest::TIni;
using platform::EncodeDate;
using ::testing::HasSubstr;

namespace {

// A court case about one worker with two contracts: a bond whose admission date the judgment
// changed, ended by dismissal, over two months; and a work without bond, ended, over one month.
void Preencher(TEvtProcTrab& e) {
  e.Id = esocialtest::kIdEvento;
  e.ideEvento.VerProc = "NEMBO 1.0";
  e.ideEmpregador.NrInsc = esocialtest::kEmpregador;
  TInfoProcesso& processo = e.infoProcesso;
  processo.origem = oprProcessoJudicial;
  processo.nrProcTrab = "00012345620245020001";
  processo.obsProcTrab = "Sentenca transitada em julgado";
  processo.dadosCompl.infoProcJud() = {EncodeDate(2024, 3, 1), "SP", 3550308, 12};
  TIdeTrab& trab = e.ideTrab;
  trab.cpfTrab = "12345678909";
  trab.nmTrab = "Maria Souza";
  trab.dtNascto = EncodeDate(1990, 5, 10);
  trab.ideSeqTrab = 2;

  TInfoContrCollectionItem& vinculo = trab.infoContr().New();
  vinculo.tpContr = TrabalhadorComVinculoFormalizadoComAlteracaoNaDataDeAdmissao;
  vinculo.indContr = tpSim;
  vinculo.dtAdmOrig = EncodeDate(2020, 1, 6);
  vinculo.indCateg = tpNao;
  vinculo.indNatAtiv = tpNao;
  vinculo.indMotDeslig = tpNao;
  vinculo.matricula = "M-001";
  vinculo.codCateg = 101;
  TInfoCompl& complemento = vinculo.infoCompl();
  complemento.codCBO = "411010";
  complemento.natAtividade = navUrbano;
  complemento.remuneracao().New() = {EncodeDate(2019, 12, 2), 2500, sfPorMes, ""};
  TInfoVinc& vinc = complemento.infoVinc();
  vinc.tpRegTrab = trCLT;
  vinc.tpRegPrev = rpRGPS;
  vinc.dtAdm = EncodeDate(2019, 12, 2);
  vinc.tmpParc = tpNaoeTempoParcial;
  vinc.duracao().TpContr = PrazoIndeterminado;
  vinc.infoDeslig().dtDeslig = EncodeDate(2023, 11, 30);
  vinc.infoDeslig().mtvDeslig = "02";
  vinc.infoDeslig().pensAlim = paNaoExistePensaoAlimenticia;
  vinculo.ideEstab.tpInsc = tiCNPJ;
  vinculo.ideEstab.nrInsc = esocialtest::kEmpregador;
  TInfoVlr& vlr = vinculo.ideEstab.infoVlr;
  vlr.compIni = "2019-12";
  vlr.compFim = "2023-11";
  vlr.indReperc = repDecisaoComRepercussaoTributariaEOuFGTS;
  TIdePeriodoCollectionItem& outubro = vlr.idePeriodo().New();
  outubro.perRef = "2023-10";
  outubro.baseCalculo.vrBcCpMensal = 2500;
  outubro.baseCalculo.infoAgNocivo().grauExp = ge1;
  outubro.infoFGTS().vrBcFGTSProcTrab = 2500;
  TIdePeriodoCollectionItem& novembro = vlr.idePeriodo().New();
  novembro.perRef = "2023-11";
  novembro.baseCalculo.vrBcCpMensal = 1200.5;
  novembro.baseCalculo.vrBcCp13 = 2291.67;
  novembro.infoFGTS().vrBcFGTSProcTrab = 3492.17;

  TInfoContrCollectionItem& semVinculo = trab.infoContr().New();
  semVinculo.tpContr = TrabalhadorSemVinculoDeEmpregoOuEstatutarioSemReconhecimentoDeVinculoEmpregaticio;
  semVinculo.indContr = tpNao;
  semVinculo.indCateg = tpNao;
  semVinculo.indNatAtiv = tpNao;
  semVinculo.indMotDeslig = tpNao;
  semVinculo.codCateg = 701;
  semVinculo.dtInicio = EncodeDate(2022, 2, 1);
  semVinculo.infoCompl().infoTerm() = {EncodeDate(2023, 6, 30), "01"};
  semVinculo.ideEstab.tpInsc = tiCNPJ;
  semVinculo.ideEstab.nrInsc = esocialtest::kEmpregador;
  semVinculo.ideEstab.infoVlr.compIni = "2022-02";
  semVinculo.ideEstab.infoVlr.compFim = "2023-06";
  semVinculo.ideEstab.infoVlr.indReperc = repDecisaoSemRepercussaoTributariaOuFGTS;
  TIdePeriodoCollectionItem& junho = semVinculo.ideEstab.infoVlr.idePeriodo().New();
  junho.perRef = "2023-06";
  junho.baseCalculo.vrBcCpMensal = 800;
}

TIni IniBase() {
  return {
      {"evtProcTrab", {{"Id", esocialtest::kIdEvento}}},
      {"ideEvento", {{"indRetif", "1"}, {"procEmi", "1"}, {"verProc", "NEMBO 1.0"}}},
      {"ideEmpregador", {{"tpInsc", "1"}, {"nrInsc", esocialtest::kEmpregador}}},
      {"infoProcesso",
       {{"origem", "1"}, {"nrProcTrab", "00012345620245020001"}, {"obsProcTrab", "Sentenca transitada em julgado"}}},
      {"infoProcJud", {{"dtSent", "01/03/2024"}, {"ufVara", "SP"}, {"codMunic", "3550308"}, {"idVara", "12"}}},
      {"ideTrab",
       {{"cpfTrab", "12345678909"}, {"nmTrab", "Maria Souza"}, {"dtNascto", "10/05/1990"}, {"ideSeqTrab", "2"}}},
      {"infoContr01",
       {{"tpContr", "2"},
        {"indContr", "S"},
        {"dtAdmOrig", "06/01/2020"},
        {"indCateg", "N"},
        {"indNatAtiv", "N"},
        {"indMotDeslig", "N"},
        {"matricula", "M-001"},
        {"codCateg", "101"}}},
      {"infoCompl01", {{"codCBO", "411010"}, {"natAtividade", "1"}}},
      {"remuneracao0101", {{"dtRemun", "02/12/2019"}, {"vrSalFx", "2500"}, {"undSalFixo", "5"}}},
      {"infovinc01", {{"tpRegTrab", "1"}, {"tpRegPrev", "1"}, {"dtAdm", "02/12/2019"}, {"tmpParc", "0"}}},
      {"duracao01", {{"TpContr", "1"}}},
      {"infoDeslig01", {{"dtDeslig", "30/11/2023"}, {"mtvDeslig", "02"}, {"pensAlim", "0"}}},
      {"ideEstab01", {{"tpInsc", "1"}, {"nrInsc", esocialtest::kEmpregador}}},
      {"infoVlr01", {{"compIni", "2019-12"}, {"compFim", "2023-11"}, {"indReperc", "1"}}},
      {"idePeriodo01001", {{"perRef", "2023-10"}}},
      {"baseCalculo01001", {{"vrBcCpMensal", "2500"}}},
      {"infoAgNocivo01001", {{"grauExp", "1"}}},
      {"infoFGTS01001", {{"vrBcFGTSProcTrab", "2500"}}},
      {"idePeriodo01002", {{"perRef", "2023-11"}}},
      {"baseCalculo01002", {{"vrBcCpMensal", "1200,50"}, {"vrBcCp13", "2291.67"}}},
      {"infoFGTS01002", {{"vrBcFGTSProcTrab", "3492.17"}}},
      {"infoContr02",
       {{"tpContr", "6"},
        {"indContr", "N"},
        {"indCateg", "N"},
        {"indNatAtiv", "N"},
        {"indMotDeslig", "N"},
        {"codCateg", "701"},
        {"dtInicio", "01/02/2022"}}},
      {"infoTerm02", {{"dtTerm", "30/06/2023"}, {"mtvDesligTSV", "01"}}},
      {"ideEstab02", {{"tpInsc", "1"}, {"nrInsc", esocialtest::kEmpregador}}},
      {"infoVlr02", {{"compIni", "2022-02"}, {"compFim", "2023-06"}, {"indReperc", "2"}}},
      {"idePeriodo02001", {{"perRef", "2023-06"}}},
      {"baseCalculo02001", {{"vrBcCpMensal", "800"}}},
  };
}

// A conciliation agreement (the court data stay in the model: the origin chooses the group)
// with the person responsible, a successor employer, observations, two merged contracts (one
// known by its registration, one by its category), a change of category, compensated bonuses
// and intermittent days.
void Acordo(TEvtProcTrab& e) {
  e.infoProcesso.origem = oprDemandaSubmetidaACCPOuAoNINTER;
  e.infoProcesso.nrProcTrab = "123456789012345";
  e.infoProcesso.dadosCompl.infoCCP() = {EncodeDate(2024, 2, 15), CCPAmbitoSindicato, "98765432000198"};
  e.ideEmpregador.ideResp() = {tiCNPJ, "98765432000198", EncodeDate(2019, 1, 2), "R-9"};
  TInfoContrCollectionItem& vinculo = e.ideTrab.infoContr().GetItem(0);
  TInfoVinc& vinc = vinculo.infoCompl().infoVinc();
  vinc.sucessaoVinc().tpInsc() = tiCNPJ;
  vinc.sucessaoVinc().nrInsc() = "11222333000181";
  vinc.sucessaoVinc().dtTransf = EncodeDate(2021, 7, 1);
  vinc.observacoes().New().observacao = "Reintegracao convertida em indenizacao";
  vinc.observacoes().New().observacao = "Ferias em dobro";
  vinculo.mudCategAtiv().New() = {102, navRural, EncodeDate(2022, 1, 1)};
  vinculo.ideEstab.infoVlr.indenSD = sfSim;
  vinculo.ideEstab.infoVlr.indenAbono = sfSim;
  vinculo.ideEstab.infoVlr.abono().New().anoBase = "2022";
  TIdePeriodoCollectionItem& outubro = vinculo.ideEstab.infoVlr.idePeriodo().GetItem(0);
  outubro.baseMudCateg() = {102, 310.4};
  outubro.infoInterm().New() = {5, 0, "0800"};
  outubro.infoInterm().New() = {6, 0, ""};
  TInfoContrCollectionItem& semVinculo = e.ideTrab.infoContr().GetItem(1);
  semVinculo.unicContr().New().matUnic = "M-777";
  semVinculo.unicContr().New() = {"", 721, EncodeDate(2021, 3, 1)};
}

void IniAcordo(TIni& ini) {
  ini["infoProcesso"]["origem"] = "2";
  ini["infoProcesso"]["nrProcTrab"] = "123456789012345";
  ini["infoCCP"] = {{"dtCCP", "15/02/2024"}, {"tpCCP", "2"}, {"cnpjCCP", "98765432000198"}};
  ini["ideResp"] = {
      {"tpInsc", "1"}, {"nrInsc", "98765432000198"}, {"dtAdmRespDir", "02/01/2019"}, {"matRespDir", "R-9"}};
  ini["sucessaoVinc01"] = {{"tpInsc", "1"}, {"nrInsc", "11222333000181"}, {"dtTransf", "01/07/2021"}};
  ini["observacoes0101"] = {{"observacao", "Reintegracao convertida em indenizacao"}};
  ini["observacoes0102"] = {{"observacao", "Ferias em dobro"}};
  ini["mudCategAtiv0101"] = {{"codCateg", "102"}, {"natAtividade", "2"}, {"dtMudCategAtiv", "01/01/2022"}};
  ini["infoVlr01"]["indenSD"] = "S";
  ini["infoVlr01"]["indenAbono"] = "S";
  ini["abono0101"] = {{"anoBase", "2022"}};
  ini["baseMudCateg01001"] = {{"codCateg", "102"}, {"vrBcCPrev", "310.40"}};
  ini["infoInterm0100101"] = {{"dia", "5"}, {"hrsTrab", "0800"}};
  ini["infoInterm0100102"] = {{"dia", "6"}};
  ini["unicContr0201"] = {{"matUnic", "M-777"}};
  ini["unicContr0202"] = {{"codCateg", "721"}, {"dtInicio", "01/03/2021"}};
}

// The same process under S-1.01: a dependant, the contract's indUnic, the values of the
// decision and the FGTS bases of that layout.
void LeiauteS11(TEvtProcTrab& e) {
  e.ideTrab.dependente().New() = {tdFilhoOuEnteado, "98765432100", "Filha"};
  TInfoContrCollectionItem& vinculo = e.ideTrab.infoContr().GetItem(0);
  vinculo.indUnic = snfNao;
  TInfoVlr& vlr = vinculo.ideEstab.infoVlr;
  vlr.repercProc = repDecisaoComPagamentoDeVerbasDeNaturezaRemuneratoria;
  vlr.vrRemun = 15000;
  vlr.vrAPI = 2500;
  vlr.vr13API = 208.33;
  vlr.vrInden = 0;
  vlr.pagDiretoResc = snfNao;
  e.ideTrab.infoContr().GetItem(1).ideEstab.infoVlr.repercProc = repDecisaoSemPagamentoDeVerbasDeNaturezaRemuneratoria;
  for (int i = 0; i < 2; ++i) {
    TInfoFGTS& fgts = vlr.idePeriodo().GetItem(i).infoFGTS();
    fgts.vrBcFgtsGuia = 2500;
    fgts.pagDireto = tpNao;
  }
}

void IniS11(TIni& ini) {
  ini["dependente01"] = {{"cpfDep", "98765432100"}, {"tpDep", "03"}, {"descDep", "Filha"}};
  ini["infoContr01"]["indUnic"] = "N";
  ini["infoVlr01"].insert({{"repercProc", "1"},
                           {"vrRemun", "15000"},
                           {"vrAPI", "2500"},
                           {"vr13API", "208,33"},
                           {"vrInden", "0"},
                           {"pagDiretoResc", "N"}});
  ini["infoVlr02"]["repercProc"] = "2";
  for (const char* secao : {"infoFGTS01001", "infoFGTS01002"})
    ini[secao] = {{"vrBcFgtsGuia", "2500"}, {"pagDireto", "N"}};
}

const std::string kLimite = " - Número de ocorrências maior que o máximo permitido - Máximo ";
const std::string kNenhum = "() - Nenhum valor informado";

// The tests look into the lists of an event they only read.
TInfoContrCollectionItem& Contrato(const TEvtProcTrab& e, int i) {
  return const_cast<TEvtProcTrab&>(e).ideTrab.infoContr().GetItem(i);
}

}  // namespace

TEST(S2500LabourProcess, ValidDocuments) {
  esocialtest::VerificarDocumentosValidos<TS2500Collection>(
      Preencher, IniBase(),
      {
          {"a court case, two contracts", [](TEvtProcTrab&) {}, [](TIni&) {}, {}},
          {"a conciliation agreement", Acordo, IniAcordo, {}},
      });
}

// Each earlier layout against its own schema.
TEST(S2500LabourProcess, EarlierLayouts) {
  {
    SCOPED_TRACE("S-1.01");
    TIni ini = IniBase();
    IniS11(ini);
    esocialtest::VerificarDocumentoValido<TS2500Collection>(
        [](TEvtProcTrab& e) {
          Preencher(e);
          LeiauteS11(e);
        },
        ini, {}, veS01_01_00);
  }
  {
    SCOPED_TRACE("S-1.02, the person responsible with the data S-1.03 added");
    TIni ini = IniBase();
    ini["ideResp"] = {
        {"tpInsc", "2"}, {"nrInsc", "98765432100"}, {"dtAdmRespDir", "02/01/2019"}, {"matRespDir", "R-9"}};
    esocialtest::VerificarDocumentoValido<TS2500Collection>(
        [](TEvtProcTrab& e) {
          Preencher(e);
          e.ideEmpregador.ideResp() = {tiCPF, "98765432100", EncodeDate(2019, 1, 2), "R-9"};
        },
        ini, {}, veS01_02_00);
  }
}

TEST(S2500LabourProcess, LayoutBranchesAndChoices) {
  const auto ambos = [](TEvtProcTrab& e) {
    e.infoProcesso.dadosCompl.infoCCP() = {EncodeDate(2024, 2, 15), CCPAmbitoEmpresa, ""};
  };
  esocialtest::VerificarCasosLeiaute<TS2500Collection>(
      Preencher,
      {
          // dadosCompl is a choice: the origin picks the group when both are set.
          {"both groups, a court case", veS01_03_00, ambos, {"<infoProcJud><dtSent>"}, {"<infoCCP>"}, {}},
          {"both groups, an agreement",
           veS01_03_00,
           [&](TEvtProcTrab& e) {
             ambos(e);
             e.infoProcesso.origem = oprDemandaSubmetidaACCPOuAoNINTER;
           },
           {"<dadosCompl><infoCCP><dtCCP>2024-02-15</dtCCP><tpCCP>1</tpCCP></infoCCP></dadosCompl>"},
           {"<infoProcJud>"},
           {}},
          // The worker's sequence and the responsible's admission exist from S-1.03 on.
          {"S-1.03: the worker's sequence and the responsible's data",
           veS01_03_00,
           [](TEvtProcTrab& e) {
             e.ideEmpregador.ideResp() = {tiCPF, "98765432100", EncodeDate(2019, 1, 2), "R-9"};
           },
           {"<dtNascto>1990-05-10</dtNascto><ideSeqTrab>2</ideSeqTrab><infoContr>",
            "<ideResp><tpInsc>2</tpInsc><nrInsc>98765432100</nrInsc><dtAdmRespDir>2019-01-02</dtAdmRespDir>"
            "<matRespDir>R-9</matRespDir></ideResp>"},
           {},
           {}},
          {"S-1.02: neither",
           veS01_02_00,
           [](TEvtProcTrab& e) {
             e.ideEmpregador.ideResp() = {tiCPF, "98765432100", EncodeDate(2019, 1, 2), "R-9"};
           },
           {"<ideResp><tpInsc>2</tpInsc><nrInsc>98765432100</nrInsc></ideResp>"},
           {"<ideSeqTrab>", "<dtAdmRespDir>", "<matRespDir>"},
           {}},
          {"a responsible with no data",
           veS01_03_00,
           [](TEvtProcTrab& e) { e.ideEmpregador.ideResp(); },
           {},
           {"<ideResp>"},
           {}},
          // Optional, and sized by the schema: a name or a merged registration left empty is
          // left out; a process number has 15 or 20 digits; a salary description up to 999
          // characters for any unit.
          {"optional name and registration, process and description sizes",
           veS01_03_00,
           [](TEvtProcTrab& e) {
             e.ideTrab.nmTrab.clear();
             e.infoProcesso.nrProcTrab = "123456789012345";
             Contrato(e, 1).unicContr().New().codCateg = 721;
             TRemuneracaoCollectionItem& rem = Contrato(e, 0).infoCompl().remuneracao().GetItem(0);
             rem.dscSalVar = std::string(999, 'x');
           },
           {"<cpfTrab>12345678909</cpfTrab><dtNascto>", "<unicContr><codCateg>721</codCateg></unicContr>",
            "<undSalFixo>5</undSalFixo><dscSalVar>xxx"},
           {"<nmTrab>", "<matUnic>"},
           {}},
          {"S-1.01: the decision's values, dependants and indUnic",
           veS01_01_00,
           LeiauteS11,
           {"<infoVlr><compIni>2019-12</compIni><compFim>2023-11</compFim><repercProc>1</repercProc>"
            "<vrRemun>15000.00</vrRemun><vrAPI>2500.00</vrAPI><vr13API>208.33</vr13API><vrInden>0.00</vrInden>"
            "<pagDiretoResc>N</pagDiretoResc><idePeriodo>",
            "<dependente><cpfDep>98765432100</cpfDep><tpDep>03</tpDep><descDep>Filha</descDep></dependente>",
            "<indUnic>N</indUnic>",
            "<baseCalculo><vrBcCpMensal>2500.00</vrBcCpMensal><vrBcCp13>0.00</vrBcCp13><vrBcFgts>0.00</vrBcFgts>"
            "<vrBcFgts13>0.00</vrBcFgts13><infoAgNocivo>",
            "<infoFGTS><vrBcFgtsGuia>2500.00</vrBcFgtsGuia><vrBcFgts13Guia>0.00</vrBcFgts13Guia>"
            "<pagDireto>N</pagDireto></infoFGTS>",
            "<infoDeslig><dtDeslig>2023-11-30</dtDeslig><mtvDeslig>02</mtvDeslig></infoDeslig>"},
           {"<indReperc>", "<abono>", "<pensAlim>", "<vrBcFGTSProcTrab>"},
           {}},
          {"S-1.03: no dependants or indUnic, intermittent days",
           veS01_03_00,
           [](TEvtProcTrab& e) {
             LeiauteS11(e);
             Contrato(e, 0).ideEstab.infoVlr.idePeriodo().GetItem(1).infoInterm().New().dia = 7;
           },
           {"<indReperc>1</indReperc><idePeriodo>", "<pensAlim>0</pensAlim>", "<infoInterm><dia>7</dia></infoInterm>"},
           {"<dependente>", "<indUnic>", "<repercProc>", "<vrBcFgts>"},
           {}},
          {"S-1.02: no intermittent days",
           veS01_02_00,
           [](TEvtProcTrab& e) { Contrato(e, 0).ideEstab.infoVlr.idePeriodo().GetItem(1).infoInterm().New().dia = 7; },
           {},
           {"<infoInterm>"},
           {}},
          // From S-1.02 on the bases may be left out, but not with a degree of exposure in them.
          {"bases of zero",
           veS01_03_00,
           [](TEvtProcTrab& e) {
             TIdePeriodoCollection& periodos = Contrato(e, 0).ideEstab.infoVlr.idePeriodo();
             periodos.GetItem(0).baseCalculo.vrBcCpMensal = 0;
             periodos.GetItem(1).baseCalculo.vrBcCpMensal = 0;
             periodos.GetItem(1).baseCalculo.vrBcCp13 = 0;
           },
           {"<perRef>2023-10</perRef><baseCalculo><vrBcCpMensal>0.00</vrBcCpMensal><infoAgNocivo>",
            "<perRef>2023-11</perRef><infoFGTS>"},
           {},
           {}},
          // Required by the schema whatever the model says: an unset bond regime, date of
          // dismissal or end date goes out empty, with its alert.
          {"a bond of a date alone, a dismissal and an end without dates",
           veS01_03_00,
           [](TEvtProcTrab& e) {
             TInfoVinc& vinc = Contrato(e, 0).infoCompl().infoVinc();
             vinc.tpRegTrab = trNenhum;
             vinc.tpRegPrev = rpNenhum;
             vinc.tmpParc = tpNenhum;
             vinc.infoDeslig().dtDeslig = 0;
             Contrato(e, 1).infoCompl().infoTerm().dtTerm = 0;
           },
           {"<infoVinc><tpRegTrab/><tpRegPrev/><dtAdm>2019-12-02</dtAdm><duracao>",
            "<infoDeslig><dtDeslig/><mtvDeslig>02</mtvDeslig>", "<infoTerm><dtTerm/><mtvDesligTSV>01"},
           {},
           {"tpRegTrab" + kNenhum, "tpRegPrev" + kNenhum, "dtDeslig" + kNenhum, "dtTerm" + kNenhum}},
          {"a salary by the month keeps its description; no category, no codCateg",
           veS01_03_00,
           [](TEvtProcTrab& e) {
             Contrato(e, 0).infoCompl().remuneracao().GetItem(0).dscSalVar = "Mais comissoes";
             Contrato(e, 1).codCateg = 0;
           },
           {"<undSalFixo>5</undSalFixo><dscSalVar>Mais comissoes</dscSalVar>",
            "<indMotDeslig>N</indMotDeslig><dtInicio>2022-02-01</dtInicio>"},
           {"<codCateg>701"},
           {}},
      });
}

TEST(S2500LabourProcess, ListLimits) {
  struct TCaso {
    const char* nome;
    TVersaoeSocial versao;
    std::function<void(TEvtProcTrab&)> mudar;
    std::string alerta;
  };
  const auto periodos = [](int n) {
    return [n](TEvtProcTrab& e) {
      TIdePeriodoCollection& lista = Contrato(e, 1).ideEstab.infoVlr.idePeriodo();
      while (lista.Count() < n) lista.New().perRef = "2023-06";
    };
  };
  const TCaso casos[] = {
      {"contracts", veS01_03_00,
       [](TEvtProcTrab& e) {
         for (int i = 2; i < 100; ++i) e.ideTrab.infoContr().New().indContr = tpNao;
       },
       "/infoContr(Informações do contrato de trabalho)" + kLimite + "99."},
      {"salaries", veS01_03_00,
       [](TEvtProcTrab& e) {
         for (int i = 1; i < 100; ++i) Contrato(e, 0).infoCompl().remuneracao().New().vrSalFx = 1;
       },
       "/remuneracao(Informações da remuneração e periodicidade de pagamento)" + kLimite + "99."},
      {"bonus years", veS01_03_00,
       [](TEvtProcTrab& e) {
         for (int i = 0; i < 10; ++i) Contrato(e, 0).ideEstab.infoVlr.abono().New().anoBase = "2020";
       },
       "/abono(Identificação do(s) ano(s)-base em que houve indenização substitutiva de abono salarial)" + kLimite +
           "9."},
      {"361 months under S-1.01", veS01_01_00, periodos(361),
       "/idePeriodo(Identificação do período ao qual se referem as bases de cálculo)" + kLimite + "360."},
      {"1000 months under S-1.03", veS01_03_00, periodos(1000),
       "/idePeriodo(Identificação do período ao qual se referem as bases de cálculo)" + kLimite + "999."},
      {"dependants under S-1.01", veS01_01_00,
       [](TEvtProcTrab& e) {
         for (int i = 0; i < 100; ++i) e.ideTrab.dependente().New() = {tdConjuge, "98765432100", ""};
       },
       "/dependente(Lista de Dependentes)" + kLimite + "99."},
  };
  for (const TCaso& caso : casos) {
    SCOPED_TRACE(caso.nome);
    auto c = esocialtest::NovoComponente(false);
    TEvtProcTrab& e = esocialtest::NovoEvento<TS2500Collection>(c, caso.versao);
    Preencher(e);
    caso.mudar(e);
    e.GerarXML();
    EXPECT_THAT(e.Gerador().ListaDeAlertas, ::testing::Contains(HasSubstr(caso.alerta)));
  }
}

TEST(S2500LabourProcess, IniCases) {
  esocialtest::VerificarCasosIni<TS2500Collection>(
      IniBase(),
      {
          // Optional groups are made only when a key of theirs is given: the second contract
          // has only its end, its period no bases of FGTS or exposure, and no court data are
          // invented for an agreement.
          {"optional groups of the base input", [](TIni&) {}, testsupport::kNoError,
           [](const TEvtProcTrab& e) {
             TInfoContrCollectionItem& semVinculo = Contrato(e, 1);
             EXPECT_FALSE(semVinculo.infoCompl().instInfoVinc());
             EXPECT_FALSE(semVinculo.infoCompl().instRemuneracao());
             TIdePeriodoCollectionItem& junho = semVinculo.ideEstab.infoVlr.idePeriodo().GetItem(0);
             EXPECT_FALSE(junho.instInfoFGTS());
             EXPECT_FALSE(junho.instBaseMudCateg());
             EXPECT_FALSE(junho.baseCalculo.instInfoAgNocivo());
             EXPECT_FALSE(Contrato(e, 0).infoCompl().infoVinc().instSucessaoVinc());
             EXPECT_FALSE(e.infoProcesso.dadosCompl.instInfoCCP());
             EXPECT_FALSE(e.ideEmpregador.instIdeResp());
           }},
          {"an agreement without court data",
           [](TIni& ini) {
             IniAcordo(ini);
             ini.erase("infoProcJud");
           },
           testsupport::kNoError,
           [](const TEvtProcTrab& e) {
             EXPECT_FALSE(e.infoProcesso.dadosCompl.instInfoProcJud());
             EXPECT_THAT(e.XML(), HasSubstr("<dadosCompl><infoCCP>"));
           }},
          {"a contract without complementary data", [](TIni& ini) { ini.erase("infoTerm02"); }, testsupport::kNoError,
           [](const TEvtProcTrab& e) {
             EXPECT_FALSE(Contrato(e, 1).instInfoCompl());
             EXPECT_THAT(e.XML(), HasSubstr("<dtInicio>2022-02-01</dtInicio><ideEstab>"));
           }},
          {"a bond without a duration", [](TIni& ini) { ini.erase("duracao01"); }, testsupport::kNoError,
           [](const TEvtProcTrab& e) {
             EXPECT_FALSE(Contrato(e, 0).infoCompl().infoVinc().instDuracao());
             EXPECT_THAT(e.XML(), HasSubstr("<tmpParc>0</tmpParc><infoDeslig>"));
           }},
          {"complementary data of a bond alone",
           [](TIni& ini) {
             ini.erase("infoCompl01");
             ini.erase("remuneracao0101");
           },
           testsupport::kNoError,
           [](const TEvtProcTrab& e) { EXPECT_THAT(e.XML(), HasSubstr("<infoCompl><infoVinc><tpRegTrab>1")); }},
          // The values of S-1.01 are decimals that may be absent; the indicators of S-1.02 on
          // are read.
          {"indicators of the decision",
           [](TIni& ini) {
             ini["infoVlr01"]["indReperc"] = "5";
             ini["infoVlr01"]["indenSD"] = "S";
             ini["infoVlr01"]["indenAbono"] = "S";
           },
           testsupport::kNoError,
           [](const TEvtProcTrab& e) {
             EXPECT_THAT(e.XML(), HasSubstr("<indReperc>5</indReperc><indenSD>S</indenSD><indenAbono>S</indenAbono>"));
           }},
          {"a value of S-1.01 that is no number", [](TIni& ini) { ini["infoVlr01"]["vrRemun"] = "1.234,56"; },
           "INI: valor inválido em [infoVlr01] vrRemun: \"1.234,56\"",
           [](const TEvtProcTrab& e) { EXPECT_FALSE(Contrato(e, 0).ideEstab.infoVlr.instIdePeriodo()); }},
          {"no indicator of the decision", [](TIni& ini) { ini["infoVlr01"].erase("indReperc"); },
           "Falha na validação dos dados do evento",
           [](const TEvtProcTrab& e) {
             EXPECT_THAT(e.XML(), HasSubstr("<compFim>2023-11</compFim><indReperc></indReperc>"));
           }},
          // Merged contracts go on while one of the two keys is given.
          {"merged contracts by registration or category",
           [](TIni& ini) {
             ini["unicContr0201"] = {{"matUnic", "M-777"}};
             ini["unicContr0202"] = {{"codCateg", "721"}};
             ini["unicContr0203"] = {{"matUnic", "M-778"}, {"codCateg", "722"}};
             ini["unicContr0205"] = {{"matUnic", "M-779"}};
           },
           testsupport::kNoError,
           [](const TEvtProcTrab& e) {
             TUnicContrCollection& unificados = Contrato(e, 1).unicContr();
             ASSERT_EQ(unificados.Count(), 3);
             EXPECT_EQ(unificados.GetItem(0).matUnic, "M-777");
             EXPECT_EQ(unificados.GetItem(1).codCateg, 721);
             EXPECT_EQ(unificados.GetItem(2).matUnic, "M-778");
           }},
          {"the worker's sequence", [](TIni& ini) { ini["ideTrab"]["ideSeqTrab"] = "3"; }, testsupport::kNoError,
           [](const TEvtProcTrab& e) { EXPECT_EQ(e.ideTrab.ideSeqTrab, 3); }},
          {"a salary without its amount", [](TIni& ini) { ini["remuneracao0101"].erase("vrSalFx"); },
           "INI: valor inválido em [remuneracao0101] vrSalFx: \"\"", [](const TEvtProcTrab&) {}},
          {"a code outside its list", [](TIni& ini) { ini["infoContr02"]["tpContr"] = "10"; },
           "INI: valor inválido em [infoContr02] tpContr: \"10\"",
           [](const TEvtProcTrab& e) { EXPECT_EQ(Contrato(e, 0).codCateg, 101); }},
          {"a list stops at its first section without the key",
           [](TIni& ini) {
             ini["remuneracao0101"].erase("dtRemun");
             ini["remuneracao0102"] = {{"dtRemun", "01/01/2020"}, {"vrSalFx", "1"}, {"undSalFixo", "5"}};
           },
           "", [](const TEvtProcTrab& e) { EXPECT_FALSE(Contrato(e, 0).infoCompl().instRemuneracao()); }},
      });
}
