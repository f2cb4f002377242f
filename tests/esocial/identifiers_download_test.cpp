// The identifier query's request, and the readers of the identifier and download replies.
#include <gtest/gtest.h>

#include <string>

#include "dfe/ssl.h"
#include "esocial/identifier_query.h"
#include "esocial/replies_download.h"
#include "esocial/replies_identifiers.h"
#include "platform/date_time.h"
#include "support/esocial/esocial_test_support.h"

using namespace esocial;

namespace {

const std::string kRaizIdentificadores = "http://www.esocial.gov.br/schema/consulta/identificadores-eventos/";

// Validates against a schema of the shared folder; the validator's message otherwise.
std::string ErroDeSchema(esocialtest::TComponente& c, const std::string& xml, const std::string& schema) {
  std::string erro;
  return c.eSocial->SSL().Validar(xml, esocialtest::Schemas() + schema, erro) ? "" : "invalid: " + erro;
}

}  // namespace

TEST(IdentifierQuery, EachRequestSignedValidatesAgainstItsSchema) {
  auto c = esocialtest::NovoComponente();
  struct Caso {
    tpConsulta tipo;
    std::string nome, schema, grupo;
  };
  const Caso casos[] = {
      {tcEmpregador, "empregador", "ConsultaIdentificadoresEventosEmpregador-v1_0_0.xsd",
       "<consultaEvtsEmpregador><tpEvt>S-1200</tpEvt><perApur>2024-05</perApur></consultaEvtsEmpregador>"},
      {tcTabela, "tabela", "ConsultaIdentificadoresEventosTabela-v1_0_0.xsd",
       "<consultaEvtsTabela><tpEvt>S-1010</tpEvt><chEvt>codRubr=R001;ideTabRubr=T1;</chEvt>"
       "<dtIni>2024-05-01T00:00:00</dtIni><dtFim>2024-05-31T23:59:59</dtFim></consultaEvtsTabela>"},
      {tcTrabalhador, "trabalhador", "ConsultaIdentificadoresEventosTrabalhador-v1_0_0.xsd",
       "<consultaEvtsTrabalhador><cpfTrab>12345678909</cpfTrab><dtIni>2024-05-01T00:00:00</dtIni>"
       "<dtFim>2024-05-31T23:59:59</dtFim></consultaEvtsTrabalhador>"},
  };
  for (const auto& caso : casos) {
    TConsultaIdentEvt q;
    q.SoapEnvelope = kRaizIdentificadores + caso.nome + "/v1_0_0";
    q.tipoConsulta = caso.tipo;
    q.tpInsc = "1";
    q.nrInsc = "12345678";  // the root of the CNPJ, as the service sends it
    q.TipoEvento = caso.tipo == tcEmpregador ? teS1200 : teS1010;
    q.perApur = "2024-05";
    q.chEvt = "codRubr=R001;ideTabRubr=T1;";
    q.dtIni = platform::EncodeDateTime({2024, 5, 1, 0, 0, 0, 0});
    q.dtFim = platform::EncodeDateTime({2024, 5, 31, 23, 59, 59, 0});
    q.cpfTrab = "12345678909";
    ASSERT_TRUE(q.GerarXML()) << caso.nome << ": " << q.Gerador.ListaDeAlertas.front();
    const std::string& xml = q.Gerador.ArquivoFormatoXML;
    EXPECT_EQ(xml, "<eSocial xmlns=\"" + q.SoapEnvelope +
                       "\"><consultaIdentificadoresEvts><ideEmpregador><tpInsc>1</tpInsc><nrInsc>12345678</nrInsc>"
                       "</ideEmpregador>" +
                       caso.grupo + "</consultaIdentificadoresEvts></eSocial>");

    const std::string assinado =
        c.eSocial->SSL().Assinar(xml, "eSocial", "consultaIdentificadoresEvts", "", "", "", "ID");
    EXPECT_EQ(ErroDeSchema(c, assinado, caso.schema), "") << caso.nome;
    std::string saida;
    EXPECT_TRUE(esocialtest::Xmlsec1Aceita(assinado, &saida)) << caso.nome << saida;
  }
}

TEST(IdentifierQuery, BreachesBecomeAlertsAndTheDocumentIsStillWritten) {
  TConsultaIdentEvt q;
  q.SoapEnvelope = kRaizIdentificadores + "trabalhador/v1_0_0";
  q.tipoConsulta = tcTrabalhador;
  q.tpInsc = "1";
  q.nrInsc = "12345678";
  q.dtIni = platform::EncodeDate(2024, 5, 1);
  q.dtFim = platform::EncodeDate(2024, 5, 31);
  EXPECT_FALSE(q.GerarXML());
  ASSERT_EQ(q.Gerador.ListaDeAlertas.size(), 1u);
  EXPECT_NE(q.Gerador.ListaDeAlertas[0].find("/cpfTrab(XXX) - Nenhum valor informado"), std::string::npos)
      << q.Gerador.ListaDeAlertas[0];
  EXPECT_NE(q.Gerador.ArquivoFormatoXML.find("<cpfTrab/>"), std::string::npos);

  // Written again once mended: the earlier text and alerts go.
  q.cpfTrab = "12345678909";
  EXPECT_TRUE(q.GerarXML());
  EXPECT_EQ(q.Gerador.ArquivoFormatoXML.find("<eSocial", 1), std::string::npos);

  // An employer without its inscription type is a breach too, not a type 0.
  q.tpInsc = "";
  EXPECT_FALSE(q.GerarXML());
  ASSERT_EQ(q.Gerador.ListaDeAlertas.size(), 1u);
  EXPECT_NE(q.Gerador.ListaDeAlertas[0].find("/tpInsc(XXX) - Nenhum valor informado"), std::string::npos)
      << q.Gerador.ListaDeAlertas[0];
  EXPECT_NE(q.Gerador.ArquivoFormatoXML.find("<tpInsc/>"), std::string::npos);
}

TEST(IdentifierReply, ReadsEveryIdentifierAndTheFullTimeOfTheLast) {
  auto c = esocialtest::NovoComponente();
  std::string ids;
  for (int i = 1; i <= 3; ++i)
    ids += "<identificadorEvt><id>ID10000000000000000000000000000000" + std::to_string(i) +
           "</id><nrRec>1.2.000000000000000000" + std::to_string(i) + "</nrRec></identificadorEvt>";
  const std::string xml =
      "<eSocial xmlns=\"http://www.esocial.gov.br/schema/consulta/identificadores-eventos/retorno/v1_0_0\">"
      "<retornoConsultaIdentificadoresEvts><status><cdResposta>200</cdResposta>"
      "<descResposta>Consulta realizada com sucesso.</descResposta></status><retornoIdentificadoresEvts>"
      "<qtdeTotEvtsConsulta>120</qtdeTotEvtsConsulta>"
      "<dhUltimoEvtRetornado>2024-05-10T13:45:30.1234567-03:00</dhUltimoEvtRetornado>"
      "<identificadoresEvts>" +
      ids + "</identificadoresEvts></retornoIdentificadoresEvts></retornoConsultaIdentificadoresEvts></eSocial>";
  ASSERT_EQ(ErroDeSchema(c, xml, "RetornoConsultaIdentificadoresEventos-v1_0_0.xsd"), "");

  TRetConsultaIdentEvt r;
  r.Leitor.Arquivo = xml;
  ASSERT_TRUE(r.LerXml());
  EXPECT_EQ(r.Status.cdResposta, 200);
  EXPECT_EQ(r.Status.descResposta, "Consulta realizada com sucesso.");
  EXPECT_EQ(r.RetIdentEvts.qtdeTotEvtsConsulta, 120);
  EXPECT_EQ(r.RetIdentEvts.dhUltimoEvtRetornado, platform::EncodeDateTime({2024, 5, 10, 13, 45, 30, 0}));
  ASSERT_EQ(r.RetIdentEvts.Count(), 3);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(r.RetIdentEvts.GetItem(i).Id, "ID10000000000000000000000000000000" + std::to_string(i + 1));
    EXPECT_EQ(r.RetIdentEvts.GetItem(i).nrRec, "1.2.000000000000000000" + std::to_string(i + 1));
  }

  TRetConsultaIdentEvt semRaiz;
  semRaiz.Leitor.Arquivo = "<eSocial><status><cdResposta>200</cdResposta></status></eSocial>";
  EXPECT_FALSE(semRaiz.LerXml());
  EXPECT_EQ(semRaiz.Status.cdResposta, 0);
}

TEST(DownloadReply, KeepsTheEventAndItsReceiptEachWhole) {
  auto c = esocialtest::NovoComponente();
  // The event's document holds </evtAdmissao> and the receipt's <recepcao>: neither may end
  // the text early.
  const std::string evento =
      "<eSocial xmlns=\"http://www.esocial.gov.br/schema/evt/evtAdmissao/v_S_01_03_00\">"
      "<evtAdmissao Id=\"ID1\"><a>1</a></evtAdmissao></eSocial>";
  const std::string recibo =
      "<eSocial xmlns=\"http://www.esocial.gov.br/schema/evt/retornoEvento/v1_3_0\"><retornoEvento Id=\"ID1\">"
      "<recepcao><tpAmb>1</tpAmb></recepcao><recibo><nrRecibo>1.1.9</nrRecibo></recibo></retornoEvento></eSocial>";
  auto status = [](int cd, const std::string& desc) {
    return "<status><cdResposta>" + std::to_string(cd) + "</cdResposta><descResposta>" + desc +
           "</descResposta></status>";
  };
  const std::string xml =
      "<eSocial xmlns=\"http://www.esocial.gov.br/schema/download/solicitacao/retorno/v1_0_0\"><download>" +
      status(200, "Solicitação processada.") + "<retornoSolicDownloadEvts><arquivos><arquivo>" + status(201, "Ok") +
      "<evt Id=\"ID1\">" + evento + "</evt><rec nrRec=\"1.1.9\">" + recibo + "</rec></arquivo><arquivo>" +
      status(201, "Ok") + "<rec nrRec=\"1.1.8\">" + recibo + "</rec></arquivo><arquivo>" +
      status(404, "Não encontrado") + "</arquivo></arquivos></retornoSolicDownloadEvts></download></eSocial>";
  ASSERT_EQ(ErroDeSchema(c, xml, "RetornoSolicitacaoDownloadEventos-v1_0_0.xsd"), "");

  TRetDownloadEvt r;
  r.Leitor.Arquivo = xml;
  ASSERT_TRUE(r.LerXml());
  EXPECT_EQ(r.Status.cdResposta, 200);
  ASSERT_EQ(r.Arquivo.Count(), 3);
  struct Esperado {
    int cd;
    std::string id, nrRec, xml, xmlRecibo;
  };
  const Esperado esperados[] = {
      {201, "ID1", "1.1.9", evento, recibo}, {201, "", "1.1.8", "", recibo}, {404, "", "", "", ""}};
  for (int i = 0; i < 3; ++i) {
    const TArquivoCollectionItem& a = r.Arquivo.GetItem(i);
    EXPECT_EQ(a.Status.cdResposta, esperados[i].cd) << i;
    EXPECT_EQ(a.Id, esperados[i].id) << i;
    EXPECT_EQ(a.nrRec, esperados[i].nrRec) << i;
    EXPECT_EQ(a.XML, esperados[i].xml) << i;
    EXPECT_EQ(a.XMLRecibo, esperados[i].xmlRecibo) << i;
  }
  EXPECT_EQ(r.Arquivo.GetItem(2).Status.descResposta, "Não encontrado");

  TRetDownloadEvt semRaiz;
  semRaiz.Leitor.Arquivo = "<eSocial><status><cdResposta>200</cdResposta></status></eSocial>";
  EXPECT_FALSE(semRaiz.LerXml());
  EXPECT_EQ(semRaiz.Status.cdResposta, 0);
}
