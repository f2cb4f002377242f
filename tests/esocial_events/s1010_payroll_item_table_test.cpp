// S-1010: the documents written from fields and from INI text, valid and signed under S-1.03;
// the 2.x branches; the INI reader's cases; the fields read back on the container's road.
#include "esocial/events/tables_periodic/s1010_payroll_item_table.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <regex>

#include "esocial/configuration_esocial.h"
#include "event_test_support.h"

using namespace esocial;
using testing::AllOf;
using testing::ElementsAre;
using testing::EndsWith;
using testing::HasSubstr;
using testing::Not;

namespace {

// A process number of 20 digits.
std::string Processo(int n) { return "000000000000000000" + std::to_string(10 + n); }

void Identificar(TEvtTabRubrica& e, TModoLancamento modo) {
  e.Id = esocialtest::kIdEvento;
  e.ModoLancamento = modo;
  e.IdeEvento.ProcEmi = peAplicEmpregador;
  e.IdeEvento.VerProc = "NEMBO 1.0";
  e.IdeEmpregador.TpInsc = tiCNPJ;
  e.IdeEmpregador.NrInsc = esocialtest::kEmpregador;
  e.InfoRubrica.ideRubrica.CodRubr = "R001";
  e.InfoRubrica.ideRubrica.ideTabRubr = "T1";
  e.InfoRubrica.ideRubrica.iniValid = "2024-01";
}

// The same identification as INI text; an empty mode leaves the key out.
std::string CabecalhoIni(const std::string& modo) {
  return "[evtTabRubrica]\nId=" + std::string(esocialtest::kIdEvento) + "\n" +
         (modo.empty() ? "" : "ModoLancamento=" + modo + "\n") +
         "[ideEvento]\nprocEmi=1\nverProc=NEMBO 1.0\n"
         "[ideEmpregador]\ntpInsc=1\nnrInsc=12345678000195\n"
         "[ideRubrica]\ncodRubr=R001\nideTabRubr=T1\niniValid=2024-01\n";
}

// Every incidence given and two items in each list of the layout.
void PreencherInclusao(TEvtTabRubrica& e) {
  s1010::TDadosRubrica& d = e.InfoRubrica.DadosRubrica();
  d.dscRubr = "Salario base";
  d.natRubr = 1000;
  d.tpRubr = tpVencimento;
  d.codIncCP = cicBasedeCalculodoSalariodeContribuicaoMensal;
  d.codIncIRRF = ciiBasedeCalculoIRRFRemMensal;
  d.codIncFGTS = cdfBasedeCalculoFGTS;
  d.codIncCPRP = cicpBasedeCalculodeContribuicoesDevidasaoRPPSRegimeMilitar;
  d.codIncPisPasep = ciPISPASEPBasedeCalculodoMensal;
  d.tetoRemun = snfSim;
  d.observacao = "Pago no mes";
  for (int i : {1, 2}) {
    s1010::TIdeProcessoCPCollectionItem& cp = d.IdeProcessoCP().Add();
    cp.tpProc = tpJudicial;
    cp.nrProc = Processo(i);
    cp.ExtDecisao = edContribPatronaisSegurados;
    cp.codSusp = std::to_string(i);
    TProcesso& irrf = d.IdeProcessoIRRF().Add();
    irrf.nrProc = Processo(10 + i);
    irrf.codSusp = std::to_string(10 + i);
    TProcesso& fgts = d.IdeProcessoFGTS().Add();
    fgts.nrProc = Processo(20 + i);
    fgts.codSusp = "9";  // the layout has no place for it
    s1010::TIdeProcessoPisPasepCollectionItem& pis = d.IdeProcessoPisPasep().New();
    pis.nrProc = Processo(30 + i);
    pis.codSusp = std::to_string(30 + i);
  }
}

const std::string kIniInclusao = R"(
[dadosRubrica]
dscRubr=Salario base
natRubr=1000
tpRubr=1
codIncCP=11
codIncIRRF=11
codIncFGTS=11
codIncCPRP=11
codIncPisPasep=11
tetoRemun=S
observacao=Pago no mes
[ideProcessoCP01]
tpProc=2
nrProc=00000000000000000011
extDecisao=2
codSusp=1
[ideProcessoCP02]
tpProc=2
nrProc=00000000000000000012
extDecisao=2
codSusp=2
[ideProcessoIRRF01]
nrProc=00000000000000000021
codSusp=11
[ideProcessoIRRF02]
nrProc=00000000000000000022
codSusp=12
[ideProcessoFGTS01]
nrProc=00000000000000000031
[ideProcessoFGTS02]
nrProc=00000000000000000032
[ideProcessoPisPasep01]
nrProc=00000000000000000041
codSusp=31
[ideProcessoPisPasep02]
nrProc=00000000000000000042
codSusp=32
)";

// A code above two digits, no CPRP nor PIS/PASEP incidence, and a new validity.
void PreencherAlteracao(TEvtTabRubrica& e) {
  s1010::TDadosRubrica& d = e.InfoRubrica.DadosRubrica();
  d.dscRubr = "Adicional noturno";
  d.natRubr = 1205;
  d.codIncIRRF = ciiRendimentoTributavelExigibilidadeSuspensaRemuneracaoMensal;
  d.codIncPisPasep = ciPISPASEPNenhum;
  e.InfoRubrica.novaValidade().IniValid = "2024-06";
  e.InfoRubrica.novaValidade().FimValid = "2024-12";
}

const std::string kIniAlteracao = R"(
[dadosRubrica]
dscRubr=Adicional noturno
natRubr=1205
codIncIRRF=9011
codIncPisPasep=99
[novaValidade]
iniValid=2024-06
fimValid=2024-12
)";

// What the INI reader takes by default: codIncIRRF "09" under the configured S-1 layout.
void PreencherPadroes(TEvtTabRubrica& e) {
  s1010::TDadosRubrica& d = e.InfoRubrica.DadosRubrica();
  d.dscRubr = "Ajuda de custo";
  d.natRubr = 1000;
  d.codIncIRRF = ciiOutrasVerbasNaoConsideradas;
}

const std::string kIniPadroes = "[dadosRubrica]\ndscRubr=Ajuda de custo\nnatRubr=1000\n";

struct TCaso {
  std::string nome;
  TModoLancamento modo;
  std::function<void(TEvtTabRubrica&)> preencher;
  std::string ini;
  std::vector<std::string> trechos;  // parts of the written document
};

const std::vector<TCaso>& Casos() {
  static const std::vector<TCaso> casos = {
      {"inclusao",
       mlInclusao,
       PreencherInclusao,
       kIniInclusao,
       {"<codIncIRRF>11</codIncIRRF><codIncFGTS>11</codIncFGTS><codIncCPRP>11</codIncCPRP>"
        "<codIncPisPasep>11</codIncPisPasep><tetoRemun>S</tetoRemun>",
        "<ideProcessoFGTS><nrProc>" + Processo(21) + "</nrProc></ideProcessoFGTS>"}},
      {"alteracao",
       mlAlteracao,
       PreencherAlteracao,
       kIniAlteracao,
       {"<codIncIRRF>9011</codIncIRRF><codIncFGTS>00</codIncFGTS></dadosRubrica>"
        "<novaValidade><iniValid>2024-06</iniValid><fimValid>2024-12</fimValid></novaValidade>"}},
      {"exclusao", mlExclusao, [](TEvtTabRubrica&) {}, "", {"<exclusao><ideRubrica>"}},
      {"inclusao with the defaults", mlInclusao, PreencherPadroes, kIniPadroes, {"<codIncIRRF>9</codIncIRRF>"}},
  };
  return casos;
}

// The document without the process lists, which loading does not read.
std::string SemProcessos(const std::string& xml) {
  static const std::regex lista("<(ideProcesso[A-Za-z]+)>.*?</\\1>");
  return std::regex_replace(xml, lista, "");
}

}  // namespace

TEST(S1010PayrollItemTable, DocumentsFromFieldsAndFromIniAreValidAndReadBack) {
  for (const TCaso& caso : Casos()) {
    SCOPED_TRACE(caso.nome);
    const esocialtest::TComponente c = esocialtest::NovoComponente();
    TEvtTabRubrica campos(c.eSocial.get());
    Identificar(campos, caso.modo);
    caso.preencher(campos);
    const std::string escrito = esocialtest::Escrito(campos);
    for (const std::string& trecho : caso.trechos) EXPECT_THAT(escrito, HasSubstr(trecho));
    campos.SetXML(escrito);
    std::string saida;
    EXPECT_TRUE(esocialtest::Xmlsec1Aceita(campos.XML(), &saida)) << saida;
    EXPECT_THAT(campos.Gerador().ListaDeAlertas, testing::IsEmpty());

    TEvtTabRubrica ini(c.eSocial.get());
    EXPECT_TRUE(ini.LerArqIni(CabecalhoIni(ModoLancamentoToStr(caso.modo)) + caso.ini));
    EXPECT_EQ(esocialtest::Escrito(ini), escrito);

    esocialtest::TComponente outro = esocialtest::NovoComponente(false);
    TEvtTabRubrica& lido = esocialtest::Carregar<TS1010Collection>(outro, campos.XML());
    EXPECT_EQ(lido.ModoLancamento, caso.modo);
    EXPECT_EQ(esocialtest::Escrito(lido), SemProcessos(escrito));
  }
}

TEST(S1010PayrollItemTable, Layout2x) {
  const esocialtest::TComponente c = esocialtest::NovoComponente(false);
  c.eSocial->Configuracoes().Geral->SetVersaoDF(ve02_05_00);
  TEvtTabRubrica e(c.eSocial.get());
  Identificar(e, mlInclusao);
  PreencherInclusao(e);
  s1010::TDadosRubrica& d = e.InfoRubrica.DadosRubrica();
  d.codIncIRRF = ciiOutrasVerbasNaoConsideradas;
  d.IdeProcessoSIND().Add().nrProc = Processo(40);
  while (d.IdeProcessoIRRF().Count() < 100) d.IdeProcessoIRRF().Add().nrProc = Processo(50);

  const std::string xml = esocialtest::Escrito(e);
  EXPECT_THAT(xml, HasSubstr("<codIncIRRF>09</codIncIRRF><codIncFGTS>11</codIncFGTS><observacao>"));
  for (const char* ausente : {"<codIncCPRP>", "<tetoRemun>", "<codIncPisPasep>", "<ideProcessoPisPasep>"})
    EXPECT_THAT(xml, Not(HasSubstr(ausente)));
  // CP, IRRF, FGTS and the union's, each list whole.
  static const std::regex lista("<(ideProcesso[A-Za-z]+)>");
  std::vector<std::string> ordem;
  for (std::sregex_iterator i(xml.begin(), xml.end(), lista), fim; i != fim; ++i)
    if (ordem.empty() || ordem.back() != (*i)[1]) ordem.push_back((*i)[1]);
  EXPECT_THAT(ordem, ElementsAre("ideProcessoCP", "ideProcessoIRRF", "ideProcessoFGTS", "ideProcessoSIND"));
  int irrf = 0;
  for (std::size_t p = xml.find("<ideProcessoIRRF>"); p != std::string::npos; p = xml.find("<ideProcessoIRRF>", p + 1))
    ++irrf;
  EXPECT_EQ(irrf, 100);
  EXPECT_THAT(e.Gerador().ListaDeAlertas,
              ElementsAre(AllOf(HasSubstr("(Lista de Processos: ideProcessoIRRF)"), EndsWith("Máximo 99."))));
}

TEST(S1010PayrollItemTable, IniCases) {
  struct TCasoIni {
    std::string nome;
    std::string ini;
    std::function<void(TEvtTabRubrica&, const std::string& escrito)> verificar;
  };
  const std::vector<TCasoIni> casos = {
      {"no ModoLancamento reads as inclusao", CabecalhoIni("") + kIniPadroes,
       [](TEvtTabRubrica& e, const std::string& escrito) {
         EXPECT_EQ(e.ModoLancamento, mlInclusao);
         EXPECT_THAT(escrito, HasSubstr("<inclusao>"));
       }},
      {"a missing first section gives an empty list",
       CabecalhoIni("inclusao") + kIniPadroes + "[ideProcessoIRRF02]\nnrProc=" + Processo(2) + "\n",
       [](TEvtTabRubrica& e, const std::string&) {
         EXPECT_EQ(e.InfoRubrica.DadosRubrica().IdeProcessoIRRF().Count(), 0);
       }},
      {"FIM in the first section ends the list",
       CabecalhoIni("inclusao") + kIniPadroes +
           "[ideProcessoCP01]\ntpProc=FIM\n[ideProcessoCP02]\ntpProc=2\nnrProc=" + Processo(2) + "\ncodSusp=1\n",
       [](TEvtTabRubrica&, const std::string& escrito) { EXPECT_THAT(escrito, Not(HasSubstr("<ideProcessoCP>"))); }},
      {"a PIS/PASEP sentinel with blanks ends the list",
       CabecalhoIni("inclusao") + kIniPadroes +
           "[ideProcessoPisPasep01]\nnrProc= FIM \n[ideProcessoPisPasep02]\nnrProc=" + Processo(2) + "\ncodSusp=1\n",
       [](TEvtTabRubrica&, const std::string& escrito) {
         EXPECT_THAT(escrito, Not(HasSubstr("<ideProcessoPisPasep>")));
       }},
      {"a FGTS process's codSusp is not read",
       CabecalhoIni("inclusao") + kIniPadroes + "[ideProcessoFGTS01]\nnrProc=" + Processo(2) + "\ncodSusp=7\n",
       [](TEvtTabRubrica& e, const std::string&) {
         const TProcesso& fgts = e.InfoRubrica.DadosRubrica().IdeProcessoFGTS().GetItem(0);
         EXPECT_EQ(fgts.nrProc, Processo(2));
         EXPECT_EQ(fgts.codSusp, "");
       }},
  };
  for (const TCasoIni& caso : casos) {
    SCOPED_TRACE(caso.nome);
    const esocialtest::TComponente c = esocialtest::NovoComponente();
    TEvtTabRubrica e(c.eSocial.get());
    e.ModoLancamento = mlExclusao;  // the reader's default must replace it
    EXPECT_EQ(testsupport::MessageOf([&] { e.LerArqIni(caso.ini); }), testsupport::kNoError);
    caso.verificar(e, e.XML());
  }
}

// The judicial processes of IRRF, FGTS and PIS/PASEP have numbers of exactly 20 digits.
TEST(S1010PayrollItemTable, ProcessNumbersOfAnotherLengthRaiseAnAlert) {
  struct TCasoProcesso {
    std::string nome;
    std::function<void(s1010::TDadosRubrica&, const std::string&)> adicionar;
  };
  const std::vector<TCasoProcesso> casos = {
      {"ideProcessoIRRF",
       [](s1010::TDadosRubrica& d, const std::string& nr) {
         TProcesso& p = d.IdeProcessoIRRF().Add();
         p.nrProc = nr;
         p.codSusp = "1";
       }},
      {"ideProcessoFGTS",
       [](s1010::TDadosRubrica& d, const std::string& nr) { d.IdeProcessoFGTS().Add().nrProc = nr; }},
      {"ideProcessoPisPasep",
       [](s1010::TDadosRubrica& d, const std::string& nr) {
         s1010::TIdeProcessoPisPasepCollectionItem& p = d.IdeProcessoPisPasep().New();
         p.nrProc = nr;
         p.codSusp = "1";
       }},
  };
  for (const TCasoProcesso& caso : casos) {
    for (const std::string& nr : {Processo(1) + "0", std::string("0000000001")}) {
      SCOPED_TRACE(caso.nome + " " + nr);
      const esocialtest::TComponente c = esocialtest::NovoComponente(false);
      TEvtTabRubrica e(c.eSocial.get());
      Identificar(e, mlInclusao);
      PreencherPadroes(e);
      caso.adicionar(e.InfoRubrica.DadosRubrica(), nr);
      esocialtest::Escrito(e);
      EXPECT_THAT(e.Gerador().ListaDeAlertas, ElementsAre(HasSubstr("nrProc")));
    }
  }
}

// A mode the INI names wrongly raises rather than including the item; letter case is ignored.
TEST(S1010PayrollItemTable, IniModeOutsideItsListRaises) {
  const esocialtest::TComponente c = esocialtest::NovoComponente();
  for (const std::string modo : {"alterar", "S-1010"}) {
    SCOPED_TRACE(modo);
    TEvtTabRubrica e(c.eSocial.get());
    EXPECT_EQ(testsupport::MessageOf([&] { e.LerArqIni(CabecalhoIni(modo) + kIniPadroes); }),
              "INI: valor inválido em [evtTabRubrica] ModoLancamento: \"" + modo + "\"");
    EXPECT_EQ(e.XML(), "");
  }
  TEvtTabRubrica e(c.eSocial.get());
  EXPECT_TRUE(e.LerArqIni(CabecalhoIni("ALTERACAO") + kIniPadroes));
  EXPECT_EQ(e.ModoLancamento, mlAlteracao);
}
