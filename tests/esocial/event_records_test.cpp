// The shared records of the event model and the owning lists under them.
#include <gtest/gtest.h>

#include <stdexcept>

#include "esocial/event_base.h"
#include "esocial/records_contract.h"
#include "esocial/records_identification.h"
#include "esocial/records_payments.h"
#include "esocial/records_worker.h"
#include "support/esocial/esocial_test_support.h"
#include "support/message_of.h"

using namespace esocial;
using testsupport::MessageOf;

TEST(EventRecords, StartingValues) {
  TInfoDeficiencia deficiencia;
  for (tpSimNao v : {deficiencia.DefFisica, deficiencia.DefVisual, deficiencia.DefAuditiva, deficiencia.DefMental,
                     deficiencia.DefIntelectual, deficiencia.DefMotora, deficiencia.ReabReadap})
    EXPECT_EQ(v, tpNao);
  EXPECT_EQ(deficiencia.infoCota, snfNada);
  EXPECT_EQ(TDuracao().TpContr, PrazoNaoAplicavel);
  EXPECT_EQ(TInfoEstatutario().tpPlanRP, prpNenhum);
  EXPECT_EQ(TdescFolha().tpDesc, tpdNaoInformado);
  EXPECT_EQ(TRubricaCollectionItem().descFolha.tpDesc, tpdNaoInformado);
  EXPECT_FALSE(TIdeEmpregador().OrgaoPublico);
  // Everything else: first enumeration value, empty text, zero number and date.
  TTrabalhador trabalhador;
  EXPECT_EQ(trabalhador.IndPriEmpr, tpSim);
  EXPECT_EQ(trabalhador.Nascimento.dtNascto, 0);
  EXPECT_EQ(trabalhador.Documentos.CNH.categoriaCnh, cnA);
  EXPECT_EQ(trabalhador.Dependente.Count(), 0);
  EXPECT_EQ(TIdeEvento3().indRetif, ireOriginal);
  EXPECT_EQ(TIdeEvento3().perApur, "");
  EXPECT_EQ(TVinculo().infoContrato.Duracao.TpContr, PrazoNaoAplicavel);
}

TEST(EventRecords, OptionalGroupsAreMadeOnFirstRead) {
  TInfoContrato contrato;
  EXPECT_FALSE(contrato.treiCapInst());
  EXPECT_EQ(contrato.treiCap().Count(), 0);
  EXPECT_TRUE(contrato.treiCapInst());  // a read makes it, even with no item added

  // Every optional group of a record, read once, is freed with it (the sanitizer build watches).
  TideEstabLotItem estab;
  EXPECT_FALSE(estab.infoSaudeColetInst() || estab.infoAgNocivoInst() || estab.infoSimplesInst());
  estab.infoSaudeColet().detOper.Add().detPlano.Add().nmDep = "X";
  estab.infoAgNocivo().grauExp = ge2;
  estab.infoSimples().indSimples = idsConcomitante;
  EXPECT_TRUE(estab.infoSaudeColetInst() && estab.infoAgNocivoInst() && estab.infoSimplesInst());
  EXPECT_EQ(estab.infoSaudeColet().detOper.GetItem(0).detPlano.GetItem(0).nmDep, "X");

  TInfoRRA rra;
  EXPECT_FALSE(rra.instDespProcJud() || rra.instIdeAdv());
  rra.ideAdv().New().vlrAdv = 10;
  EXPECT_TRUE(rra.instIdeAdv());
  EXPECT_FALSE(rra.instDespProcJud());

  TVerbasResc verbas;
  TAliqGilRat aliq;
  TRemunPerCollectionItem remun;
  verbas.infoMV().remunOutrEmpr.Add();
  aliq.ProcAdmJudFap().nrProc = "1";
  remun.infoSaudeColet();
  EXPECT_TRUE(verbas.infoMVInst() && aliq.procAdmJudFapInst() && remun.infoSaudeColetInst());
  EXPECT_FALSE(verbas.procJudTrabInst() || aliq.procAdmJudRatInst());
}

TEST(EventRecords, TwoNamesForOneField) {
  TSucessaoVinc s;
  s.cnpjEmpregAnt() = "12345678000195";
  EXPECT_EQ(s.nrInsc(), "12345678000195");
  s.nrInsc() = "1";
  EXPECT_EQ(s.cnpjEmpregAnt(), "1");
  s.tpInscAnt() = tiCPF;
  EXPECT_EQ(s.tpInsc(), tiCPF);

  TSucessaoVinc2 s2;
  s2.cnpjSucessora() = "A";
  s2.tpInsc() = tiCNO;
  EXPECT_EQ(s2.nrInsc(), "A");
  EXPECT_EQ(s2.tpInscSuc(), tiCNO);

  TDependenteCollection dependentes;
  dependentes.Add().incFisMen() = tpSim;
  EXPECT_EQ(dependentes.GetItem(0).incTrab(), tpSim);
}

TEST(EventRecords, ListIndexOutsideRaisesTheListText) {
  TObservacoesCollection lista;
  lista.Add().observacao = "a";
  lista.New().observacao = "b";
  auto substituto = std::make_unique<TObservacoesCollectionItem>();
  substituto->observacao = "c";
  lista.SetItem(1, std::move(substituto));
  EXPECT_EQ(lista.GetItem(1).observacao, "c");
  for (int indice : {-1, 2}) {
    EXPECT_THROW(lista.GetItem(indice), std::out_of_range);
    EXPECT_EQ(MessageOf([&] { lista.GetItem(indice); }),
              "Índice da lista fora dos limites (" + std::to_string(indice) + ")");
  }
  EXPECT_THROW(lista.SetItem(5, std::make_unique<TObservacoesCollectionItem>()), std::out_of_range);
  lista.Delete(0);
  EXPECT_EQ(lista.Count(), 1);
  EXPECT_EQ(lista.GetItem(0).observacao, "c");
}

TEST(EventRecords, AnEventNeedsTheeSocialComponent) {
  const std::string texto = "Parâmetro ATrivoeSocial precisa ser do tipo TTrivoeSocial.";
  dfe::TTrivoComponent outro;
  auto dfe = dfe::TTrivoDFe::Criar();
  for (dfe::TTrivoComponent* dono :
       {static_cast<dfe::TTrivoComponent*>(nullptr), &outro, static_cast<dfe::TTrivoComponent*>(dfe.get())}) {
    EXPECT_THROW(TeSocialEvento evento(dono), std::runtime_error);
    EXPECT_EQ(MessageOf([&] { TeSocialEvento evento(dono); }), texto);
  }
  auto componente = esocialtest::NovoComponente(false);
  TeSocialEvento evento(componente.eSocial.get());
  EXPECT_EQ(&evento.TrivoeSocial(), componente.eSocial.get());
  EXPECT_EQ(evento.XML(), "");
  EXPECT_EQ(evento.Gerador().ArquivoFormatoXML, "");
}
