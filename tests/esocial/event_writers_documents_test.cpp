// Documents assembled from the shared writers, as the worker, remuneration, termination and
// table events will write them, checked against the official S-1.03 schemas. Elements no
// shared writer owns are written in place (the glue of each event).
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "dfe/xml_writer.h"
#include "esocial/events/event_frame.h"
#include "event_writers_support.h"
#include "support/esocial/worker_fixture.h"

using namespace esocial;
using esocialtest::Data;
using esocialtest::kCnpjEstab;
using esocialtest::TEscritor;
using testing::IsEmpty;

namespace {

bool Contem(const std::string& xml, const std::string& trecho) { return xml.find(trecho) != std::string::npos; }

// A glue field of the event itself.
void Campo(TeSocialEvento& e, const std::string& tag, const std::string& valor) {
  e.Gerador().wCampo(dfe::tcStr, "", tag, 1, 100, 1, valor);
}

// The document Corpo writes, expected free of alerts and valid against the schema of Raiz.
std::string DocumentoValido(const std::string& raiz, const std::function<void(TeSocialEvento&)>& corpo) {
  TEscritor escritor;
  std::vector<std::string> alertas;
  const std::string xml = escritor.Documento(raiz, corpo, alertas);
  EXPECT_THAT(alertas, IsEmpty()) << raiz;
  EXPECT_EQ(escritor.ErroDeSchema(xml, raiz), "") << xml;
  return xml;
}

TIdeEvento2 IdeEventoTrabalhador() {
  TIdeEvento2 ide;
  ide.indRetif = ireOriginal;
  ide.VerProc = "NEMBO 1.0";
  return ide;
}

TIdeEmpregador Empregador() {
  TIdeEmpregador emp;
  emp.TpInsc = tiCNPJ;
  emp.NrInsc = esocialtest::kEmpregador;
  return emp;
}

TRubricaCollectionItem& NovaRubrica(TRubricaCollection& lista, bool comDesconto) {
  TRubricaCollectionItem& r = lista.New();
  r.codRubr = "R001";
  r.ideTabRubr = "T1";
  r.qtdRubr = 2;
  r.fatorRubr = 1.5;
  r.vrRubr = 350.25;
  r.indApurIR = tiaiNormal;
  if (comDesconto) {
    r.descFolha.tpDesc = tpdeConsignado;
    r.descFolha.instFinanc = "001";
    r.descFolha.nrDoc = "CONTRATO-2024/1";
    r.descFolha.observacao = "Emprestimo consignado";
  }
  return r;
}

// An establishment of a termination with every group, exposure to harmful agents included.
void NovoEstabLot(TideEstabLotCollection& lista, bool comDesconto) {
  TideEstabLotItem& e = lista.New();
  e.tpInsc = tiCNPJ;
  e.nrInsc = kCnpjEstab;
  e.codLotacao = "LOT01";
  NovaRubrica(e.detVerbas, comDesconto);
  e.infoAgNocivo().grauExp = ge2;
  e.infoSimples().indSimples = idsIntegralmente;
}

void PreencherInfoMV(TInfoMV& mv) {
  mv.indMV = imvDescontadaoutras;
  TRemunOutrEmprCollectionItem& o = mv.remunOutrEmpr.New();
  o.tpInsc = tiCNPJ;
  o.nrInsc = kCnpjEstab;
  o.codCateg = 101;
  o.vlrRemunOE = 1200;
}

void NovoProcJudTrab(TProcJudTrabCollection& lista) {
  TProcJudTrabCollectionItem& p = lista.New();
  p.tpTrib = tptIRRF;
  p.nrProcJud = "00000000000000000002";
  p.codSusp = "12";
}

void PreencherInfoRRA(TInfoRRA& rra) {
  rra.tpProcRRA = tppJudicial;
  rra.nrProcRRA = "000000000000000000003";  // 21 digits
  rra.descRRA = "Acao trabalhista";
  rra.qtdMesesRRA = 12;
  rra.despProcJud();  // both costs zero
  TIdeAdvCollectionItem& adv = rra.ideAdv().New();
  adv.tpInsc = tiCPF;
  adv.nrInsc = "12345678909";
  adv.vlrAdv = 500;
}

}  // namespace

TEST(EventWritersDocuments, AdmissionWithEveryOptionalGroupIsValid) {
  const TIdeEvento2 ideEvento = IdeEventoTrabalhador();
  const TIdeEmpregador emp = Empregador();
  TTrabalhador trabalhador;
  esocialtest::PreencherTrabalhadorS1(trabalhador);
  TVinculo vinculo;
  esocialtest::PreencherVinculoS1(vinculo);
  const std::string xml = DocumentoValido("evtAdmissao", [&](TeSocialEvento& e) {
    e.GerarIdeEvento2(ideEvento, true, true, false);
    e.GerarIdeEmpregador(emp);
    e.GerarTrabalhador(trabalhador, vinculo.cadIni, "trabalhador", 2, 0);
    e.GerarVinculo(vinculo, 2);
  });
  for (const char* grupo :
       {"trabImig",     "infoDeficiencia",    "contato",        "infoCeletista", "FGTS",    "trabTemporario",
        "ideEstabVinc", "ideTrabSubstituido", "aprend",         "remuneracao",   "duracao", "localTrabGeral",
        "localTempDom", "horContratual",      "alvaraJudicial", "observacoes",   "treiCap", "sucessaoVinc",
        "transfDom",    "mudancaCPF",         "afastamento",    "desligamento",  "cessao"})
    EXPECT_TRUE(Contem(xml, std::string("<") + grupo + ">")) << grupo;
  EXPECT_TRUE(Contem(xml, "<localTempDom><dscLograd>Rua do Sitio</dscLograd>"));
  EXPECT_TRUE(Contem(xml, "<dependente><nmDep>Ana da Silva</nmDep>"));
  EXPECT_TRUE(Contem(xml, "<sucessaoVinc><tpInsc>2</tpInsc><nrInsc>12345678909</nrInsc>"));
  EXPECT_TRUE(Contem(xml, "<clauAssec>N</clauAssec>"));
}

TEST(EventWritersDocuments, RegistrationChangeWritesPaisNacInTheWorkerGroup) {
  TTrabalhador trabalhador;
  esocialtest::PreencherTrabalhadorS1(trabalhador);
  TideTrabalhador ideTrabalhador;
  ideTrabalhador.cpfTrab = trabalhador.CpfTrab;
  const std::string xml = DocumentoValido("evtAltCadastral", [&](TeSocialEvento& e) {
    e.GerarIdeEvento2(IdeEventoTrabalhador(), true, true, false);
    e.GerarIdeEmpregador(Empregador());
    e.GerarIdeTrabalhador(ideTrabalhador, true);
    e.Gerador().wGrupo("alteracao");
    Campo(e, "dtAlteracao", "2024-03-01");
    e.GerarTrabalhador(trabalhador, tpSim, "dadosTrabalhador", 1, 101);
    e.Gerador().wGrupo("/alteracao");
  });
  EXPECT_TRUE(Contem(xml, "<nmSoc>Maria</nmSoc><paisNac>105</paisNac><endereco>"));
  EXPECT_FALSE(Contem(xml, "<nascimento>"));
}

TEST(EventWritersDocuments, WorkerWithoutBondLeavesTheDependentsSexOut) {
  TTrabalhador trabalhador;
  esocialtest::PreencherTrabalhadorS1(trabalhador);
  TMudancaCPF2 mudanca;
  mudanca.cpfAnt = "98765432100";
  mudanca.matricAnt = "A123";
  mudanca.dtAltCPF = Data(2023, 12, 1);
  mudanca.observacao = "CPF anterior cancelado pela Receita";
  TAfastamento afastamento;
  afastamento.DtIniAfast = Data(2024, 2, 1);
  afastamento.codMotAfast = mtvLicencaNaoRemunerada;
  const std::string xml = DocumentoValido("evtTSVInicio", [&](TeSocialEvento& e) {
    e.GerarIdeEvento2(IdeEventoTrabalhador(), true, true, false);
    e.GerarIdeEmpregador(Empregador());
    e.GerarTrabalhador(trabalhador, tpNao, "trabalhador", 3, 721);
    e.Gerador().wGrupo("infoTSVInicio");
    Campo(e, "cadIni", "N");
    Campo(e, "codCateg", "721");
    Campo(e, "dtInicio", "2024-01-02");
    e.GerarMudancaCPF2(mudanca);
    e.GerarAfastamento(afastamento);
    e.Gerador().wGrupo("/infoTSVInicio");
  });
  EXPECT_FALSE(Contem(xml, "<sexoDep>"));
  EXPECT_FALSE(Contem(xml, "<infoCota>"));
  EXPECT_TRUE(Contem(xml, "<matricAnt>A123</matricAnt>"));
}

TEST(EventWritersDocuments, RemunerationWithEveryGroupIsValid) {
  TIdeEvento3 ideEvento;
  ideEvento.indRetif = ireOriginal;
  ideEvento.IndApuracao = iapuMensal;
  ideEvento.perApur = "2024-03";
  ideEvento.VerProc = "NEMBO 1.0";
  TInfoMV infoMV;
  PreencherInfoMV(infoMV);
  TProcJudTrabCollection procJudTrab;
  NovoProcJudTrab(procJudTrab);
  TinfoIntermCollection infoInterm;
  for (int dia : {4, 5}) {
    TinfoIntermCollectionItem& item = infoInterm.New();
    item.dia = dia;
    item.hrsTrab = "0800";
  }
  TInfoRRA infoRRA;
  PreencherInfoRRA(infoRRA);
  TRubricaCollection itensRemun, itensRemunAnt;
  NovaRubrica(itensRemun, true);
  NovaRubrica(itensRemunAnt, true);  // left out: the earlier periods' rubrics have no discount
  TInfoAgNocivo agNocivo;
  agNocivo.grauExp = ge1;
  const std::string xml = DocumentoValido("evtRemun", [&](TeSocialEvento& e) {
    dfe::TGerador& g = e.Gerador();
    e.GerarIdeEvento3(ideEvento, true, true, false);
    e.GerarIdeEmpregador(Empregador());
    g.wGrupo("ideTrabalhador");
    Campo(e, "cpfTrab", "12345678909");
    e.GerarInfoMV(infoMV);
    e.GerarProcJudTrab(procJudTrab, true);
    e.GerarInfoInterm(infoInterm);
    g.wGrupo("/ideTrabalhador");
    g.wGrupo("dmDev");
    Campo(e, "ideDmDev", "DM1");
    Campo(e, "codCateg", "101");
    Campo(e, "indRRA", "S");
    e.GerarInfoRRA(infoRRA);
    g.wGrupo("infoPerApur");
    g.wGrupo("ideEstabLot");
    Campo(e, "tpInsc", "1");
    Campo(e, "nrInsc", kCnpjEstab);
    Campo(e, "codLotacao", "LOT01");
    g.wGrupo("remunPerApur");
    Campo(e, "matricula", "MAT-0001");
    e.GerarItensRemun(itensRemun, "itensRemun");
    e.GerarInfoAgNocivo(agNocivo);
    g.wGrupo("/remunPerApur");
    g.wGrupo("/ideEstabLot");
    g.wGrupo("/infoPerApur");
    g.wGrupo("infoPerAnt");
    g.wGrupo("ideADC");
    Campo(e, "tpAcConv", "A");
    Campo(e, "dsc", "Acordo coletivo");
    Campo(e, "remunSuc", "N");
    g.wGrupo("idePeriodo");
    Campo(e, "perRef", "2024-01");
    g.wGrupo("ideEstabLot");
    Campo(e, "tpInsc", "1");
    Campo(e, "nrInsc", kCnpjEstab);
    Campo(e, "codLotacao", "LOT01");
    g.wGrupo("remunPerAnt");
    e.GerarItensRemun(itensRemunAnt, "itensRemun", {.GeraDescFolha = false});
    g.wGrupo("/remunPerAnt");
    g.wGrupo("/ideEstabLot");
    g.wGrupo("/idePeriodo");
    g.wGrupo("/ideADC");
    g.wGrupo("/infoPerAnt");
    g.wGrupo("/dmDev");
  });
  EXPECT_TRUE(Contem(xml, "<despProcJud><vlrDespCustas>0.00</vlrDespCustas><vlrDespAdvogados>0.00</vlrDespAdvogados>"));
  EXPECT_TRUE(Contem(xml, "<infoInterm><dia>4</dia><hrsTrab>0800</hrsTrab></infoInterm>"));
  EXPECT_EQ(xml.find("<descFolha>"), xml.rfind("<descFolha>")) << "only the current period's rubric";
}

TEST(EventWritersDocuments, TerminationsWriteTheirEstablishments) {
  // The same establishments: the worker without bond's have no exposure to harmful agents.
  struct Caso {
    std::string raiz;
    TTipoEvento tipo;
    bool agNocivo;
  };
  for (const Caso& caso : {Caso{"evtDeslig", teS2299, true}, Caso{"evtTSVTermino", teS2399, false}}) {
    SCOPED_TRACE(caso.raiz);
    TideEstabLotCollection estabLot, estabLotAnt;
    NovoEstabLot(estabLot, true);
    NovoEstabLot(estabLotAnt, true);
    TVerbasResc verbas;
    NovoProcJudTrab(verbas.procJudTrab());
    PreencherInfoMV(verbas.infoMV());
    TInfoRRA infoRRA;
    PreencherInfoRRA(infoRRA);
    TMudancaCPF3 mudanca;
    mudanca.novoCPF = "11144477735";
    TObservacoesCollection observacoes;
    observacoes.New().observacao = "Termino do contrato";
    const bool deslig = caso.tipo == teS2299;
    const std::string xml = DocumentoValido(caso.raiz, [&](TeSocialEvento& e) {
      dfe::TGerador& g = e.Gerador();
      e.GerarIdeEvento2(IdeEventoTrabalhador(), true, true, true);
      e.GerarIdeEmpregador(Empregador());
      if (deslig) {
        TIdeVinculo ideVinculo;
        ideVinculo.cpfTrab = "12345678909";
        ideVinculo.matricula = "MAT-0001";
        e.GerarIdeVinculo(ideVinculo, false, false);
        g.wGrupo("infoDeslig");
        Campo(e, "mtvDeslig", "02");
        Campo(e, "dtDeslig", "2024-12-31");
        Campo(e, "indPagtoAPI", "N");
        e.GerarObservacoes(observacoes);
      } else {
        g.wGrupo("ideTrabSemVinculo");
        Campo(e, "cpfTrab", "12345678909");
        Campo(e, "codCateg", "721");
        g.wGrupo("/ideTrabSemVinculo");
        g.wGrupo("infoTSVTermino");
        Campo(e, "dtTerm", "2024-12-31");
      }
      e.GerarMudancaCPF3(mudanca);
      g.wGrupo("verbasResc");
      g.wGrupo("dmDev");
      Campo(e, "ideDmDev", "DM1");
      Campo(e, "indRRA", "S");
      e.GerarInfoRRA(infoRRA);
      if (deslig) {
        g.wGrupo("infoPerApur");
        e.GerarIdeEstabLot(estabLot, caso.tipo);
        g.wGrupo("/infoPerApur");
        g.wGrupo("infoPerAnt");
        g.wGrupo("ideADC");
        Campo(e, "tpAcConv", "A");
        Campo(e, "dsc", "Acordo coletivo");
        g.wGrupo("idePeriodo");
        Campo(e, "perRef", "2024-01");
        e.GerarIdeEstabLot(estabLotAnt, caso.tipo, false);
        g.wGrupo("/idePeriodo");
        g.wGrupo("/ideADC");
        g.wGrupo("/infoPerAnt");
      } else {
        e.GerarIdeEstabLot(estabLot, caso.tipo);
      }
      g.wGrupo("/dmDev");
      e.GerarProcJudTrab(verbas.procJudTrab(), true);
      e.GerarInfoMV(verbas.infoMV());
      g.wGrupo("/verbasResc");
      g.wGrupo(deslig ? "/infoDeslig" : "/infoTSVTermino");
    });
    EXPECT_EQ(Contem(xml, "<infoAgNocivo>"), caso.agNocivo);
    EXPECT_TRUE(Contem(xml, "<infoSimples><indSimples>1</indSimples></infoSimples>"));
    EXPECT_EQ(xml.find("<descFolha>"), xml.rfind("<descFolha>")) << "only the current period's rubric";
  }
}

TEST(EventWritersDocuments, EstablishmentRatesWithAndWithoutProcesses) {
  struct Caso {
    std::string nome;
    double fap;
    bool processos;
  };
  for (const Caso& caso : {Caso{"fap only", 1.2345, false}, Caso{"both processes", 0, true}}) {
    SCOPED_TRACE(caso.nome);
    TAliqGilRat aliq;
    aliq.AliqRat = arat2;
    aliq.Fap = caso.fap;
    if (caso.processos) {
      aliq.ProcAdmJudRat().tpProc = tpJudicial;
      aliq.ProcAdmJudRat().nrProc = "000000000000000000004";  // 21 digits
      aliq.ProcAdmJudRat().codSusp = "1";
      aliq.ProcAdmJudFap().tpProc = tpAdministrativo;
      aliq.ProcAdmJudFap().nrProc = "0000000000000005";  // 16 digits
      aliq.ProcAdmJudFap().codSusp = "2";
    }
    TIdeEvento ideEvento;
    ideEvento.VerProc = "NEMBO 1.0";
    const TIdeEmpregador emp = Empregador();
    const std::string xml = DocumentoValido("evtTabEstab", [&](TeSocialEvento& e) {
      e.GerarIdeEvento(ideEvento);
      e.GerarIdeEmpregador(emp);
      GerarCorpoTabela(
          e, "infoEstab", mlInclusao,
          [&] {
            e.Gerador().wGrupo("ideEstab");
            Campo(e, "tpInsc", "1");
            Campo(e, "nrInsc", kCnpjEstab);
            Campo(e, "iniValid", "2024-01");
            e.Gerador().wGrupo("/ideEstab");
          },
          [&] {
            e.Gerador().wGrupo("dadosEstab");
            Campo(e, "cnaePrep", "6201501");
            e.GerarAliqGilRat(emp, tiCNPJ, aliq, "aliqGilrat");
            e.Gerador().wGrupo("/dadosEstab");
          },
          nullptr);
    });
    EXPECT_EQ(Contem(xml, "<aliqRat>2</aliqRat>"), caso.processos);
    EXPECT_EQ(Contem(xml, "<fap>1.2345</fap>"), !caso.processos);
  }
}

TEST(EventWritersDocuments, RubricProcessGroupsAreValid) {
  TIdeEvento ideEvento;
  ideEvento.VerProc = "NEMBO 1.0";
  TProcesso irrf, fgts, pis;
  irrf.nrProc = "00000000000000000006";
  irrf.codSusp = "3";
  fgts.nrProc = "00000000000000000007";  // no suspension code
  pis.nrProc = "00000000000000000008";
  pis.codSusp = "4";
  const std::string xml = DocumentoValido("evtTabRubrica", [&](TeSocialEvento& e) {
    e.GerarIdeEvento(ideEvento);
    e.GerarIdeEmpregador(Empregador());
    GerarCorpoTabela(
        e, "infoRubrica", mlInclusao,
        [&] {
          e.Gerador().wGrupo("ideRubrica");
          Campo(e, "codRubr", "R001");
          Campo(e, "ideTabRubr", "T1");
          Campo(e, "iniValid", "2024-01");
          e.Gerador().wGrupo("/ideRubrica");
        },
        [&] {
          e.Gerador().wGrupo("dadosRubrica");
          Campo(e, "dscRubr", "Salario");
          Campo(e, "natRubr", "1000");
          Campo(e, "tpRubr", "1");
          Campo(e, "codIncCP", "11");
          Campo(e, "codIncIRRF", "11");
          Campo(e, "codIncFGTS", "11");
          e.GerarProcesso("ideProcessoIRRF", irrf);
          e.GerarProcesso("ideProcessoFGTS", fgts);
          e.GerarProcesso("ideProcessoPisPasep", pis);
          e.Gerador().wGrupo("/dadosRubrica");
        },
        nullptr);
  });
  EXPECT_TRUE(Contem(xml, "<ideProcessoFGTS><nrProc>00000000000000000007</nrProc></ideProcessoFGTS>"));
}
