// The readers of the batch send and batch consultation replies, over the government's replies
// kept as samples and small fixtures of the cases the samples lack.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "esocial/replies_batch_consult.h"
#include "esocial/replies_batch_send.h"
#include "esocial/totalizers/s5001_reader.h"
#include "esocial/totalizers/totalizer_registry.h"
#include "platform/date_time.h"
#include "platform/strings.h"
#include "totalizer_test_support.h"

using namespace esocial;
using esocialtest::Amostra;

namespace {

std::vector<int> Codigos(const TOcorrenciasCollection& ocorrencias) {
  std::vector<int> codigos;
  for (int i = 0; i < ocorrencias.Count(); ++i) codigos.push_back(ocorrencias.GetItem(i).Codigo);
  return codigos;
}

struct EventoEsperado {
  std::string id;
  bool dupl;
  int cdResposta;
  std::vector<int> ocorrencias;
  std::string recibo, hash;
  std::vector<std::string> tot;
};

struct Amostragem {
  std::string arquivo;
  bool envio;  // a send reply; otherwise a consultation reply
  int cdResposta;
  std::string descResposta, protocolo;
  std::vector<int> ocorrencias;
  std::vector<EventoEsperado> eventos;
};

const Amostragem kAmostras[] = {
    {"retorno-envio/sucesso.xml", true, 201, "Lote Recebido com Sucesso.", "1.2.201711.0000000000000037150", {}, {}},
    {"Batch_Response.xml", true, 201, "Lote Recebido com Sucesso.", "1.1.202109.0000000000011111111", {}, {}},
    {"retornoEnvioLoteEventos-2017.xml",
     true,
     201,
     "Lote Recebido com Sucesso.",
     "1.2.201711.0000000000000038158",
     {},
     {}},
    {"sped-esocial-258-EnviarLoteEventosResponse-201.xml",
     true,
     201,
     "Lote Recebido com Sucesso.",
     "1.1.201905.0000000000536967394",
     {},
     {}},
    {"tst-labs-302-EnviarLoteEventosResponse-404-148.xml",
     true,
     404,
     "Lote Incorreto - Erro Certificado.",
     "",
     {148},
     {}},
    {"retorno-processamento/aguardando-processamento.xml",
     false,
     101,
     "Lote aguardando processamento.",
     "1.2.201802.0000000000000061262",
     {},
     {}},
    {"retorno-processamento/sem-erros-processamento.xml",
     false,
     201,
     "Lote processado com sucesso.",
     "1.2.202504.0000000000174654747",
     {},
     {{"ID1005099680001482025040318000600000",
       false,
       201,
       {},
       "1.2.0000000000268136822",
       "37lx97FFfxt4lxuLLpP9W86tzCT3bhdj8BhLZJQdaac=",
       {}}}},
    {"Retrieve_Response.xml",
     false,
     201,
     "Lote processado com sucesso.",
     "1.1.202109.0000000000011111394",
     {},
     {{"ID1123456780000002021091617310600001",
       true,
       201,
       {},
       "1.2.0000000000103399932",
       "zCEv8nVy3tkd8aQxzc1oAEFD/sR1eMWcK0AKWbjNbIg=",
       {}},
      {"ID1123456780000002021091617321200001",
       false,
       201,
       {},
       "1.2.0000000000103400109",
       "VZjSbgvEf1GDsZWxDxDGx1GzJ0PQGNUbATbqFfIWq0g=",
       {}}}},
    {"retornoProcessamentoLoteEventos-2017.xml",
     false,
     201,
     "Lote processado com sucesso.",
     "1.2.201711.0000000000000062303",
     {},
     {{"ID1005099680001482017112914063400001",
       false,
       201,
       {},
       "1.2.0000000000007498277",
       "Fhjn62yfp7hu4g+DhnDzTAeV+FohE8PUtbFiCv3vszE=",
       {}}}},
    {"retorno-processamento/com-erros-processamento.xml",
     false,
     201,
     "Lote processado com sucesso.",
     "1.2.202504.0000000000174654747",
     {},
     {{"ID1005099680001482025040318000600000", false, 401, {537}, "", "", {}}}},
    {"retorno-processamento/resposta-invalida.xml",
     false,
     501,
     "Solicitação de consulta incorreta - Erro preenchimento.",
     "",
     {605},
     {}},
    {"retorno-processamento/s5001-1servidor.xml",
     false,
     201,
     "Lote processado com sucesso.",
     "1.2.201810.0000000000028967773",
     {},
     {{"ID1005099680001482018102512542400006",
       false,
       201,
       {},
       "1.2.0000000000249099392",
       "5wo+618DgoRDP/RFW3EcfEcKnE5rT8AfZ97LKmDxV6g=",
       {"S5001"}}}},
    {"retorno-processamento/s5001-2servidores.xml",
     false,
     201,
     "Lote processado com sucesso.",
     "1.2.201810.0000000000023823303",
     {},
     {{"ID1005099680001482018101613340600014",
       false,
       201,
       {},
       "1.2.0000000000234538448",
       "VRBkfmOFXp+VsySKBirJiaoIsLfKjK7VxdZ3pfLQ8Nc=",
       {"S5001"}},
      {"ID1005099680001482018101613340600015",
       false,
       201,
       {},
       "1.2.0000000000234538461",
       "We8K1SI6OrQS1HWAgck3nQwQjTB879pCGLOqlrXx1K8=",
       {"S5001"}}}},
    {"retorno-processamento/s5002-1servidor.xml",
     false,
     201,
     "Lote processado com sucesso.",
     "1.2.201810.0000000000028573314",
     {},
     {{"ID1005099680001482018102419522000012",
       false,
       201,
       {},
       "1.2.0000000000248317040",
       "zFp55mcq1uRmsHHMBumTE730mw/mw9wvqdQ9DqJ5ssQ=",
       {"S5002"}}}},
    {"retorno-processamento/s5011-e-s5012.xml",
     false,
     201,
     "Lote processado com sucesso.",
     "1.2.201810.0000000000028976069",
     {},
     {{"ID1005099680001482018102513041400013",
       false,
       201,
       {},
       "1.2.0000000000249108123",
       "EJdwfd8KWKPvURnjhc1XyqXJVuL2/pcYNeGPzbeh9aY=",
       {"S5012", "S5011"}}}},
};

// A consultation reply around the given evento elements.
std::string Consulta(const std::string& eventos, const std::string& status = "<cdResposta>201</cdResposta>") {
  return "<eSocial><retornoProcessamentoLoteEventos><status>" + status + "</status><retornoEventos>" + eventos +
         "</retornoEventos></retornoProcessamentoLoteEventos></eSocial>";
}

std::string Evento(const std::string& id, const std::string& retorno, const std::string& depois = "",
                   const std::string& atributos = "") {
  return "<evento Id=\"" + id + "\"" + atributos + "><retornoEvento><eSocial xmlns=\"r\"><retornoEvento Id=\"" + id +
         "\">" + retorno + "</retornoEvento></eSocial></retornoEvento>" + depois + "</evento>";
}

}  // namespace

TEST(BatchReplies, TheGovernmentRepliesReadIntoTheirValues) {
  for (const auto& a : kAmostras) {
    SCOPED_TRACE(a.arquivo);
    // What both replies hold.
    auto lerComum = [&a](auto& r) {
      r.Leitor.Arquivo = Amostra(a.arquivo);
      EXPECT_TRUE(r.LerXml());
      EXPECT_EQ(r.Status.cdResposta, a.cdResposta);
      EXPECT_EQ(r.Status.descResposta, a.descResposta);
      EXPECT_EQ(Codigos(r.Status.Ocorrencias), a.ocorrencias);
      EXPECT_EQ(r.DadosRecLote.Protocolo, a.protocolo);
    };
    if (a.envio) {
      TRetEnvioLote r;
      lerComum(r);
      EXPECT_EQ(r.Status.tempoEstimadoConclusao, 0);
    } else {
      TRetConsultaLote r;
      lerComum(r);
      ASSERT_EQ(r.RetEventos.Count(), static_cast<int>(a.eventos.size()));
      for (std::size_t i = 0; i < a.eventos.size(); ++i) {
        const EventoEsperado& e = a.eventos[i];
        const TRetEventosCollectionItem& lido = r.RetEventos.GetItem(static_cast<int>(i));
        SCOPED_TRACE(e.id);
        EXPECT_EQ(lido.Id, e.id);
        EXPECT_EQ(lido.evtDupl, e.dupl);
        EXPECT_EQ(lido.Processamento.cdResposta, e.cdResposta);
        EXPECT_EQ(Codigos(lido.Processamento.Ocorrencias), e.ocorrencias);
        EXPECT_EQ(lido.Recibo.nrRecibo, e.recibo);
        EXPECT_EQ(lido.Recibo.Hash, e.hash);
        EXPECT_EQ(lido.Recepcao.tpAmb, dfe::taHomologacao);
        EXPECT_NE(lido.Processamento.dhProcessamento, 0);
        ASSERT_EQ(lido.tot.Count(), static_cast<int>(e.tot.size()));
        for (std::size_t t = 0; t < e.tot.size(); ++t) {
          const TtotCollectionItem& tot = lido.tot.GetItem(static_cast<int>(t));
          EXPECT_EQ(tot.tipo, e.tot[t]);
          // The totalizer's own document, whether or not a reader read it.
          const std::string doc = platform::Trim(tot.XML);
          EXPECT_EQ(doc.substr(0, 8), "<eSocial");
          EXPECT_EQ(doc.substr(doc.size() - 10), "</eSocial>");
          EXPECT_EQ(tot.Evento != nullptr, CriarLeitorTotalizador(tot.tipo) != nullptr);
          if (tot.Evento) {
            EXPECT_EQ(tot.Evento->Xml(), tot.XML);
          }
        }
      }
    }
  }
}

TEST(BatchReplies, DatesAndTheRestOfTheSendReply) {
  TRetEnvioLote r;
  r.Leitor.Arquivo = Amostra("retornoEnvioLoteEventos-2017.xml");
  ASSERT_TRUE(r.LerXml());
  // Seven fraction digits and an offset: the first 19 characters count.
  EXPECT_EQ(r.DadosRecLote.dhRecepcao, platform::EncodeDateTime({2017, 11, 28, 16, 22, 17, 0}));
  EXPECT_EQ(r.DadosRecLote.versaoAplicRecepcao, "0.1.0-A0243");
  EXPECT_EQ(r.IdeEmpregador.TpInsc, tiCNPJ);
  EXPECT_EQ(r.IdeEmpregador.NrInsc, "00509968000148");
  EXPECT_EQ(r.IdeTransmissor.NrInsc, "00509968000148");

  TRetEnvioLote ocorrencia;
  ocorrencia.Leitor.Arquivo = Amostra("tst-labs-302-EnviarLoteEventosResponse-404-148.xml");
  ASSERT_TRUE(ocorrencia.LerXml());
  const auto& o = ocorrencia.Status.Ocorrencias.GetItem(0);
  EXPECT_EQ(o.Tipo, 1);
  EXPECT_EQ(o.Descricao, "Erro na cadeia do certificado digital do signatário ou do solicitante da informação.");
  EXPECT_EQ(o.Localizacao, "");
}

TEST(BatchReplies, TheTotalizersOfTheSamplesAreReadByTheirReader) {
  struct Caso {
    std::string arquivo;
    int evento;
    std::string id, cpfTrab;
  };
  for (const auto& caso : {Caso{"s5001-1servidor.xml", 0, "ID2126825280820000120181025125440050", "12682528082"},
                           Caso{"s5001-2servidores.xml", 0, "ID2725682740770000120181016013455878", "72568274077"},
                           Caso{"s5001-2servidores.xml", 1, "ID2126825280820000120181016013456237", "12682528082"}}) {
    TRetConsultaLote r;
    r.Leitor.Arquivo = Amostra("retorno-processamento/" + caso.arquivo);
    ASSERT_TRUE(r.LerXml());
    auto* leitor = dynamic_cast<s5001::TS5001*>(&r.RetEventos.GetItem(caso.evento).tot.GetItem(0).Evento->GetEvento());
    ASSERT_NE(leitor, nullptr) << caso.arquivo;
    const s5001::TEvtBasesTrab& e = leitor->EvtBasesTrab();
    EXPECT_EQ(e.VersaoDF(), ve02_04_02) << caso.arquivo;
    EXPECT_EQ(e.Id(), caso.id) << caso.arquivo;
    EXPECT_EQ(e.IdeEvento.perApur, "2018-07") << caso.arquivo;
    EXPECT_EQ(e.IdeEvento.IndApuracao, iapuMensal) << caso.arquivo;
    EXPECT_EQ(e.IdeTrabalhador.cpfTrab, caso.cpfTrab) << caso.arquivo;
  }
}

TEST(BatchReplies, EachEventReadsOnlyWhatItHolds) {
  // The first event has occurrences, a receipt and a contract; the second has none of them,
  // and must not take the first's from the text the reader kept at their levels.
  const std::string contrato =
      "<contrato><ideEmpregador><tpInsc>2</tpInsc><nrInsc>12345678909</nrInsc></ideEmpregador>"
      "<trabalhador><cpfTrab>11122233344</cpfTrab><nisTrab>12345678901</nisTrab><nmTrab>Ana</nmTrab></trabalhador>"
      "<infoDeficiencia><infoCota>S</infoCota></infoDeficiencia><vinculo><matricula>M7</matricula></vinculo>"
      "<infoCeletista><dtAdm>2021-03-04</dtAdm><tpRegJor>2</tpRegJor><dtBase>5</dtBase>"
      "<cnpjSindCategProf>11222333000181</cnpjSindCategProf></infoCeletista>"
      "<infoEstatutario><dtPosse>2021-03-05</dtPosse><dtExercicio>2021-03-06</dtExercicio></infoEstatutario>"
      "<infoContrato><cargo><codCargo>C1</codCargo><nmCargo>Analista</nmCargo><codCBO>252105</codCBO></cargo>"
      "<funcao><codFuncao>F1</codFuncao><dscFuncao>Chefia</dscFuncao><codCBO>252110</codCBO></funcao>"
      "<codCateg>101</codCateg></infoContrato>"
      "<remuneracao><vrSalFx>3500.25</vrSalFx><undSalFixo>5</undSalFixo><dscSalVar>var</dscSalVar></remuneracao>"
      "<duracao><tpContr>2</tpContr><dtTerm>2022-03-03</dtTerm><clauAsseg>N</clauAsseg></duracao>"
      "<localTrabGeral><tpInsc>2</tpInsc><nrInsc>12345678909</nrInsc><cnae>6201501</cnae></localTrabGeral>"
      "<horContratual><qtdHrsSem>44.50</qtdHrsSem><tpJornada>2</tpJornada><dscTpJorn>Normal</dscTpJorn>"
      "<tmpParc>0</tmpParc><horario><dia>1</dia><codHorContrat>H1</codHorContrat><hrEntr>0800</hrEntr>"
      "<hrSaida>1700</hrSaida><durJornada>480</durJornada><perHorFlexivel>N</perHorFlexivel>"
      "<horarioIntervalo><tpInterv>1</tpInterv><durInterv>60</durInterv><iniInterv>1200</iniInterv>"
      "<termInterv>1300</termInterv></horarioIntervalo></horario><horario><dia>2</dia></horario></horContratual>"
      "</contrato>";
  const std::string primeiro =
      "<processamento><cdResposta>202</cdResposta><ocorrencias><ocorrencia><codigo>7</codigo></ocorrencia>"
      "</ocorrencias></processamento><recibo><nrRecibo>1.1.1</nrRecibo><hash>H1</hash>" +
      contrato + "</recibo>";
  const std::string segundo = "<processamento><cdResposta>201</cdResposta></processamento>";
  TRetConsultaLote r;
  r.Leitor.Arquivo = Consulta(Evento("ID1", primeiro) + Evento("ID2", segundo));
  ASSERT_TRUE(r.LerXml());
  ASSERT_EQ(r.RetEventos.Count(), 2);

  const TRetEventosCollectionItem& um = r.RetEventos.GetItem(0);
  EXPECT_EQ(Codigos(um.Processamento.Ocorrencias), std::vector<int>{7});
  EXPECT_EQ(um.Recibo.nrRecibo, "1.1.1");
  const TContrato& c = um.Recibo.Contrato;
  EXPECT_EQ(c.IdeEmpregador.TpInsc, tiCPF);
  EXPECT_EQ(c.IdeEmpregador.NrInsc, "12345678909");
  EXPECT_EQ(c.Trabalhador.CpfTrab, "11122233344");
  EXPECT_EQ(c.Trabalhador.NisTrab, "12345678901");
  EXPECT_EQ(c.Trabalhador.NmTrab, "Ana");
  EXPECT_EQ(c.InfoDeficiencia.InfoCota, "S");
  EXPECT_EQ(c.Vinculo.Matricula, "M7");
  EXPECT_EQ(c.InfoCeletista.DtAdm, platform::EncodeDate(2021, 3, 4));
  EXPECT_EQ(c.InfoCeletista.TpRegJor, rjAtividadeExtEspecificadaIncisoIArt62CLT);
  EXPECT_EQ(c.InfoCeletista.dtBase, 5);
  EXPECT_EQ(c.InfoCeletista.cnpjSindCategProf, "11222333000181");
  EXPECT_EQ(c.InfoEstatutario.DtPosse, platform::EncodeDate(2021, 3, 5));
  EXPECT_EQ(c.InfoEstatutario.DtExercicio, platform::EncodeDate(2021, 3, 6));
  EXPECT_EQ(c.InfoContrato.codCateg, "101");
  EXPECT_EQ(c.InfoContrato.Cargo.nmCargo, "Analista");
  EXPECT_EQ(c.InfoContrato.Cargo.codCBO, "252105");
  EXPECT_EQ(c.InfoContrato.Funcao.codFuncao, "F1");
  EXPECT_EQ(c.InfoContrato.Funcao.nmFuncao, "Chefia");
  EXPECT_EQ(c.InfoContrato.Funcao.codCBO, "252110");
  EXPECT_DOUBLE_EQ(c.Remuneracao.VrSalFx, 3500.25);
  EXPECT_EQ(c.Remuneracao.UndSalFixo, sfPorMes);
  EXPECT_EQ(c.Remuneracao.DscSalVar, "var");
  EXPECT_EQ(c.Duracao.TpContr, PrazoDeterminado);
  EXPECT_EQ(c.Duracao.dtTerm, platform::EncodeDate(2022, 3, 3));
  EXPECT_EQ(c.Duracao.clauAssec, tpNao);
  EXPECT_EQ(c.LocalTrabGeral.TpInsc, tiCPF);
  EXPECT_EQ(c.LocalTrabGeral.Cnae, "6201501");
  EXPECT_DOUBLE_EQ(c.HorContratual.QtdHrsSem, 44.5);
  EXPECT_EQ(c.HorContratual.DscTpJorn, "Normal");
  ASSERT_EQ(c.HorContratual.horario.Count(), 2);
  const auto& horario = c.HorContratual.horario.GetItem(0);
  EXPECT_EQ(horario.codHorContrat, "H1");
  EXPECT_EQ(horario.hrSaida, "1700");
  EXPECT_EQ(horario.durJornada, 480);
  EXPECT_EQ(horario.perHorFlexivel, "N");
  ASSERT_EQ(horario.horarioIntervalo.Count(), 1);
  EXPECT_EQ(horario.horarioIntervalo.GetItem(0).durInterv, 60);
  EXPECT_EQ(horario.horarioIntervalo.GetItem(0).termInterv, "1300");
  EXPECT_EQ(c.HorContratual.horario.GetItem(1).horarioIntervalo.Count(), 0);

  const TRetEventosCollectionItem& dois = r.RetEventos.GetItem(1);
  EXPECT_EQ(dois.Processamento.cdResposta, 201);
  EXPECT_EQ(dois.Processamento.Ocorrencias.Count(), 0);
  EXPECT_EQ(dois.Recibo.nrRecibo, "");
  EXPECT_EQ(dois.Recibo.Hash, "");
  EXPECT_EQ(dois.Recibo.Contrato.Trabalhador.CpfTrab, "");
  EXPECT_EQ(dois.Recibo.Contrato.HorContratual.horario.Count(), 0);
}

TEST(BatchReplies, TheBatchTakesNoEmployerFromItsEvents) {
  // The schema lets a reply leave out the batch's ideEmpregador; each event's result has one.
  const std::string empregador = "<ideEmpregador><tpInsc>1</tpInsc><nrInsc>12345678</nrInsc></ideEmpregador>";
  TRetConsultaLote r;
  r.Leitor.Arquivo = Consulta(Evento("ID1", empregador));
  ASSERT_TRUE(r.LerXml());
  EXPECT_EQ(r.IdeEmpregador.NrInsc, "");
  EXPECT_EQ(r.RetEventos.GetItem(0).IdeEmpregador.NrInsc, "12345678");

  // The batch's own, ahead of its events, is read.
  TRetConsultaLote proprio;
  proprio.Leitor.Arquivo =
      platform::StringReplace(r.Leitor.Arquivo, "<status>",
                              "<ideEmpregador><tpInsc>2</tpInsc><nrInsc>98765432100</nrInsc></ideEmpregador><status>");
  ASSERT_TRUE(proprio.LerXml());
  EXPECT_EQ(proprio.IdeEmpregador.TpInsc, tiCPF);
  EXPECT_EQ(proprio.IdeEmpregador.NrInsc, "98765432100");
  EXPECT_EQ(proprio.RetEventos.GetItem(0).IdeEmpregador.NrInsc, "12345678");
}

TEST(BatchReplies, TotalizersReachTheReaderOfTheirTipo) {
  const std::string s5001 =
      "<eSocial xmlns=\"http://www.esocial.gov.br/schema/evt/evtBasesTrab/v_S_01_03_00\">"
      "<evtBasesTrab Id=\"ID5001\"><ideTrabalhador><cpfTrab>12345678909</cpfTrab></ideTrabalhador>"
      "</evtBasesTrab></eSocial>";
  const std::string outro = "<eSocial><evtQualquer Id=\"IDX\"/></eSocial>";
  TRetConsultaLote r;
  r.Leitor.Arquivo = Consulta(Evento("ID1", "",
                                     "<tot tipo=\"S5001\">" + s5001 + "</tot><tot tipo=\"s5001\">" + outro +
                                         "</tot><tot tipo=\"S9999\">" + outro + "</tot>"));
  ASSERT_TRUE(r.LerXml());
  const TtotCollection& tot = r.RetEventos.GetItem(0).tot;
  ASSERT_EQ(tot.Count(), 3);
  auto* leitor = dynamic_cast<s5001::TS5001*>(&tot.GetItem(0).Evento->GetEvento());
  ASSERT_NE(leitor, nullptr);
  EXPECT_EQ(leitor->Xml(), s5001);
  EXPECT_EQ(leitor->EvtBasesTrab().Id(), "ID5001");
  EXPECT_EQ(leitor->EvtBasesTrab().IdeTrabalhador.cpfTrab, "12345678909");
  for (int i : {1, 2}) {
    EXPECT_EQ(tot.GetItem(i).XML, outro) << i;
    EXPECT_EQ(tot.GetItem(i).Evento, nullptr) << i;
  }
  EXPECT_EQ(tot.GetItem(1).tipo, "s5001");
  EXPECT_EQ(tot.GetItem(2).tipo, "S9999");
}

TEST(BatchReplies, MissingRootsEstimatedTimeAndBadDuplicateFlags) {
  TRetEnvioLote semRaiz;
  semRaiz.Leitor.Arquivo = "<eSocial><status><cdResposta>201</cdResposta></status></eSocial>";
  EXPECT_FALSE(semRaiz.LerXml());
  EXPECT_EQ(semRaiz.Status.cdResposta, 0);

  TRetConsultaLote consultaSemRaiz;
  consultaSemRaiz.Leitor.Arquivo = semRaiz.Leitor.Arquivo;
  EXPECT_FALSE(consultaSemRaiz.LerXml());
  EXPECT_EQ(consultaSemRaiz.Status.cdResposta, 0);

  // The consultation reads the estimated time; the send reply does not, even when present.
  const std::string status = "<cdResposta>101</cdResposta><tempoEstimadoConclusao>30</tempoEstimadoConclusao>";
  TRetConsultaLote aguardando;
  aguardando.Leitor.Arquivo = Consulta("", status);
  ASSERT_TRUE(aguardando.LerXml());
  EXPECT_EQ(aguardando.Status.cdResposta, 101);
  EXPECT_EQ(aguardando.Status.tempoEstimadoConclusao, 30);
  TRetEnvioLote envio;
  envio.Leitor.Arquivo = "<retornoEnvioLoteEventos><status>" + status + "</status></retornoEnvioLoteEventos>";
  ASSERT_TRUE(envio.LerXml());
  EXPECT_EQ(envio.Status.tempoEstimadoConclusao, 0);

  struct Caso {
    std::string valor;
    bool lido, resultado;
  };
  for (const auto& caso : {Caso{"TRUE", true, true}, Caso{"false", false, true}, Caso{"1", true, true},
                           Caso{"0", false, true}, Caso{"maybe", false, false}}) {
    TRetConsultaLote r;
    const std::string processado = "<processamento><cdResposta>201</cdResposta></processamento>";
    r.Leitor.Arquivo =
        Consulta(Evento("ID1", processado) + Evento("ID2", processado, "", " evtDupl=\"" + caso.valor + "\"") +
                 Evento("ID3", processado));
    EXPECT_EQ(r.LerXml(), caso.resultado) << caso.valor;
    // The events before a flag that is not a boolean stay, with the one being read.
    ASSERT_EQ(r.RetEventos.Count(), caso.resultado ? 3 : 2) << caso.valor;
    EXPECT_EQ(r.RetEventos.GetItem(0).Processamento.cdResposta, 201) << caso.valor;
    EXPECT_EQ(r.RetEventos.GetItem(1).evtDupl, caso.lido) << caso.valor;
  }
}

// A code is a whole number or no reading at all: "2x01" must not pass for 201.
TEST(BatchReplies, CodesAreWholeNumbers) {
  struct Caso {
    std::string texto;
    bool lido;
    int codigo;
  };
  for (const auto& caso : {Caso{"201", true, 201}, Caso{" 201\r\n", true, 201}, Caso{"+201", true, 201},
                           Caso{"", true, 0}, Caso{"2x01", false, 0}, Caso{"201.0", false, 0}, Caso{"-", false, 0},
                           Caso{"4294967497", false, 0}, Caso{"&#x32;01", false, 0}}) {
    SCOPED_TRACE(caso.texto);
    TRetEnvioLote envio;
    envio.Leitor.Arquivo = "<retornoEnvioLoteEventos><status><cdResposta>" + caso.texto +
                           "</cdResposta></status></retornoEnvioLoteEventos>";
    EXPECT_EQ(envio.LerXml(), caso.lido);
    EXPECT_EQ(envio.Status.cdResposta, caso.codigo);
    // The same for an event's processing code and an occurrence's code.
    TRetConsultaLote consulta;
    consulta.Leitor.Arquivo = Consulta(Evento("ID1", "<processamento><cdResposta>" + caso.texto +
                                                         "</cdResposta><ocorrencias><ocorrencia><codigo>" + caso.texto +
                                                         "</codigo></ocorrencia></ocorrencias>"
                                                         "</processamento>"));
    EXPECT_EQ(consulta.LerXml(), caso.lido);
    ASSERT_EQ(consulta.RetEventos.Count(), 1);
    EXPECT_EQ(consulta.RetEventos.GetItem(0).Processamento.cdResposta, caso.codigo);
  }
}

// Long lists are read whole, each item once.
TEST(BatchReplies, LongListsAreReadWhole) {
  std::string eventos;
  for (int i = 1; i <= 3000; ++i)
    eventos += Evento("ID" + std::to_string(i), "<processamento><cdResposta>201</cdResposta></processamento>",
                      "<tot tipo=\"S9999\"><x>" + std::to_string(i) + "</x></tot>");
  TRetConsultaLote r;
  r.Leitor.Arquivo = Consulta(eventos);
  ASSERT_TRUE(r.LerXml());
  ASSERT_EQ(r.RetEventos.Count(), 3000);
  for (int i : {0, 1499, 2999}) {
    const TRetEventosCollectionItem& e = r.RetEventos.GetItem(i);
    EXPECT_EQ(e.Id, "ID" + std::to_string(i + 1));
    ASSERT_EQ(e.tot.Count(), 1);
    EXPECT_EQ(e.tot.GetItem(0).XML, "<x>" + std::to_string(i + 1) + "</x>");
  }
}
