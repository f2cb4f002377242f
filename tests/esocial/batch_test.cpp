// The batch of the send service: the one-line envioLoteEventos document built from the
// container's signed events, validated against the official batch schema, and what stops a
// batch from going out.
#include "esocial/batch.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "dfe/exceptions.h"
#include "esocial/event_base.h"
#include "esocial/event_container.h"
#include "esocial/web_services.h"
#include "support/esocial/esocial_test_support.h"
#include "support/message_of.h"
#include "support/peer.h"

using namespace esocial;
using testsupport::kNoError;
using testsupport::MessageOf;

namespace {

const std::string kInicioErroLote = "Houve erro na validação do Lote: ";

// A component that would send through a hook, counting what goes out.
struct TEnvio {
  esocialtest::TComponente c = esocialtest::NovoComponente();
  int envios = 0;
  TEnvio() {
    c.eSocial->Configuracoes().Geral->SetIdTransmissor("12345678000195");
    esocialtest::ApontarServicos(c, "https://127.0.0.1:1");
    c.eSocial->OnTransmit = [this](const std::string&, const std::string&, const std::string&, const std::string&,
                                   std::string&, std::int32_t&, std::int32_t&) { ++envios; };
  }
  TLoteEventos& Lote() const { return c.eSocial->WebServices().EnvioLote().Lote(); }
};

}  // namespace

// Two unsigned events loaded against the group order are signed by the container and enter
// the batch in group order, each as a blank and its signed document.
TEST(Batch, TwoSignedEventsMakeTheOneLineDocument) {
  TEnvio e;
  ASSERT_TRUE(e.c.Eventos().LoadFromString(esocialtest::EventoS1010(true)));
  ASSERT_TRUE(e.c.Eventos().LoadFromString(esocialtest::EventoS1000()));
  // Each signed document as the event holds it, without its declaration.
  auto assinado = [](const TGrupoEventos& g) {
    const std::string xml = g.Lista(0).ItemEvento(0).Evento().XML();
    const std::string declaracao = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>";
    EXPECT_EQ(xml.substr(0, declaracao.size()), declaracao);
    return xml.substr(declaracao.size());
  };
  const std::string s1000 = assinado(e.c.Eventos().Iniciais());
  const std::string s1010 = assinado(e.c.Eventos().Tabelas());

  ASSERT_TRUE(e.c.eSocial->GerarLote(1, false));
  EXPECT_EQ(e.Lote().XML(),
            "<eSocial xmlns=\"http://www.esocial.gov.br/schema/lote/eventos/envio/v1_1_1\">"
            "<envioLoteEventos grupo=\"1\">"
            "<ideEmpregador><tpInsc>1</tpInsc><nrInsc>12345678</nrInsc></ideEmpregador>"
            "<ideTransmissor><tpInsc>1</tpInsc><nrInsc>12345678000195</nrInsc></ideTransmissor>"
            "<eventos><evento Id=\"ID1123456780000002025010112000000001\"> " +
                s1000 + "</evento><evento Id=\"ID1123456780000002025010112000000002\"> " + s1010 +
                "</evento></eventos></envioLoteEventos></eSocial>");
  EXPECT_EQ(e.c.eSocial->WebServices().EnvioLote().DadosMsg(), e.Lote().XML());
  ASSERT_EQ(e.Lote().Count(), 2);

  // The group number only names the batch's group.
  ASSERT_TRUE(e.c.eSocial->GerarLote(3, false));
  EXPECT_NE(e.Lote().XML().find("<envioLoteEventos grupo=\"3\"><ideEmpregador>"), std::string::npos);
  EXPECT_EQ(e.Lote().Count(), 2);
  EXPECT_EQ(e.envios, 0);
}

TEST(Batch, EmployerAndTransmitterInscriptions) {
  struct Caso {
    const char* empregador;
    TEmpregador tipo;
    const char* transmissor;
    const char* esperado;
  } casos[] = {
      {"12345678", tePessoaJuridica, "12345678000195",
       "<ideEmpregador><tpInsc>1</tpInsc><nrInsc>12345678</nrInsc></ideEmpregador>"
       "<ideTransmissor><tpInsc>1</tpInsc><nrInsc>12345678000195</nrInsc></ideTransmissor>"},
      // A company's whole CNPJ is cut to its root.
      {"12345678000195", tePessoaJuridica, "12345678909",
       "<ideEmpregador><tpInsc>1</tpInsc><nrInsc>12345678</nrInsc></ideEmpregador>"
       "<ideTransmissor><tpInsc>2</tpInsc><nrInsc>12345678909</nrInsc></ideTransmissor>"},
      // A federal public body sends it whole.
      {"12345678000195", teOrgaoPublicoJudiciarioFederal, "12345678000195",
       "<ideEmpregador><tpInsc>1</tpInsc><nrInsc>12345678000195</nrInsc></ideEmpregador>"},
      {"12345678909", tePessoaFisica, "12345678000195",
       "<ideEmpregador><tpInsc>2</tpInsc><nrInsc>12345678909</nrInsc></ideEmpregador>"},
  };
  TEnvio e;
  ASSERT_TRUE(e.c.Eventos().LoadFromString(esocialtest::EventoS1000()));
  for (const Caso& k : casos) {
    SCOPED_TRACE(k.esperado);
    auto& geral = *e.c.eSocial->Configuracoes().Geral;
    geral.SetIdEmpregador(k.empregador);
    geral.SetTipoEmpregador(k.tipo);
    geral.SetIdTransmissor(k.transmissor);
    ASSERT_EQ(MessageOf([&] { e.c.eSocial->GerarLote(2, false); }), kNoError);
    EXPECT_NE(e.Lote().XML().find(k.esperado), std::string::npos) << e.Lote().XML();
  }
}

// A batch the schema refuses never goes out, whatever ExibirErroSchema says.
TEST(Batch, AnInvalidBatchRaisesAndIsNotSent) {
  const std::string semId =
      "<eSocial xmlns=\"x\"><evtInfoEmpregador><ideEvento/></evtInfoEmpregador>"
      "<Signature xmlns=\"http://www.w3.org/2000/09/xmldsig#\"><SignatureValue>AA==</SignatureValue></Signature>"
      "</eSocial>";
  struct Caso {
    const char* nome;
    bool exibirErroSchema;
    std::function<void(esocialtest::TComponente&)> preparar;
  } casos[] = {
      {"an empty container", true, [](esocialtest::TComponente&) {}},
      {"an item without Id=", true,
       [&](esocialtest::TComponente& c) { c.Eventos().Iniciais().Lista(0).NovoItemEvento().Evento().SetXML(semId); }},
      {"a transmitter that is no number, ExibirErroSchema off", false,
       [](esocialtest::TComponente& c) {
         ASSERT_TRUE(c.Eventos().LoadFromString(esocialtest::EventoS1000()));
         c.eSocial->Configuracoes().Geral->SetIdTransmissor("1234567800019X");
       }},
  };
  for (const Caso& k : casos) {
    SCOPED_TRACE(k.nome);
    TEnvio e;
    e.c.eSocial->Configuracoes().Geral->SetExibirErroSchema(k.exibirErroSchema);
    k.preparar(e.c);
    std::string msg;
    try {
      e.c.eSocial->Enviar(1);
    } catch (const dfe::ETrivoeSocialException& ex) {
      msg = ex.what();
    }
    EXPECT_EQ(msg.substr(0, kInicioErroLote.size()), kInicioErroLote) << msg;
    EXPECT_GT(msg.size(), kInicioErroLote.size());
    EXPECT_EQ(e.envios, 0);
    EXPECT_EQ(e.c.eSocial->Status(), stIdle);
  }
}

TEST(Batch, LoadingDocumentsAndTheirIdentifiers) {
  esocialtest::TComponente c = esocialtest::NovoComponente(false);
  TLoteEventos lote(*c.eSocial);
  const std::string a = "<eSocial><evtA Id=\"ID1123456780000002025010112000000001\"/></eSocial>";
  // "Id=" in a comment or text names nothing; the element's attribute does.
  const std::string b =
      "<?xml version=\"1.0\"?><!-- Id=\"ID9\" --><eSocial><evtB Id=\"ID1123456780000002025010112000000002\">"
      "<obs>Id=\"ID8\"</obs></evtB></eSocial>";
  const std::string semId = "<eSocial><evtC/></eSocial>";
  EXPECT_TRUE(lote.LoadFromString(a + "\r\n  " + b + semId + "\r\n<resto/>"));
  ASSERT_EQ(lote.Count(), 3);
  EXPECT_EQ(lote.GetItem(1).XML(), b);
  EXPECT_EQ(lote.GetItem(0).IDEvento(), "ID1123456780000002025010112000000001");
  EXPECT_EQ(lote.GetItem(1).IDEvento(), "ID1123456780000002025010112000000002");
  EXPECT_EQ(lote.GetItem(2).IDEvento(), "");
  EXPECT_FALSE(TLoteEventos(*c.eSocial).LoadFromString("<resto/>"));

  // A file's items all name it, those loaded before included.
  const std::string arquivo = c.pastaSalvar + "/lote.xml";
  testsupport::WriteFile(arquivo, a);
  EXPECT_TRUE(lote.LoadFromFile(arquivo));
  ASSERT_EQ(lote.Count(), 4);
  EXPECT_EQ(lote.GetItem(0).NomeArq, arquivo);
  EXPECT_EQ(lote.GetItem(3).XML(), a);
  EXPECT_THROW(lote.LoadFromFile(c.pastaSalvar + "/nenhum.xml"), std::runtime_error);
}
