// The event base: holding, signing, validating and saving one event's document, and the event
// identifier.
#include "esocial/event_base.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "dfe/exceptions.h"
#include "platform/date_time.h"
#include "platform/strings.h"
#include "support/esocial/esocial_test_support.h"
#include "support/message_of.h"
#include "support/peer.h"

using namespace esocial;
using testsupport::MessageOf;

namespace {

const std::string kId = "ID1123456780000002025010112000000001";

}  // namespace

TEST(EventBase, ASignedDocumentIsKeptAsItIs) {
  auto c = esocialtest::NovoComponente(false);
  const std::string assinado = esocialtest::EventoComAssinatura("evtTabRubrica", kId);
  const std::string maiusculas = platform::StringReplace(assinado, "<Signature ", "<SIGNATURE ");
  struct Caso {
    std::string xml, idAntes, idDepois;
  };
  for (const auto& caso : {Caso{assinado, "", kId}, Caso{maiusculas, "", kId}, Caso{assinado, "ID9", "ID9"}}) {
    TeSocialEvento evento(c.eSocial.get());
    evento.Id = caso.idAntes;
    // The document breaks its schema: it would not load if it were validated.
    evento.SetXML(caso.xml);
    EXPECT_EQ(evento.XML(), caso.xml);
    EXPECT_EQ(evento.Id, caso.idDepois);
    EXPECT_EQ(evento.ErroValidacao(), "");
  }
}

TEST(EventBase, AnUnsignedDocumentIsSignedInUtf8AndValidated) {
  auto c = esocialtest::NovoComponente();
  TeSocialEvento evento(c.eSocial.get());
  for (const std::string& declaracao : {std::string("<?xml version=\"1.0\"?>"),
                                        std::string("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>")}) {
    std::string xml = esocialtest::EventoS1000(true, "NEMBO ação");
    xml = declaracao + xml.substr(xml.find('\n'));
    evento.SetXML(xml);
    std::string saida;
    EXPECT_TRUE(esocialtest::Xmlsec1Aceita(evento.XML(), &saida)) << saida;
    EXPECT_NE(evento.XML().find("<verProc>NEMBO ação</verProc>"), std::string::npos) << evento.XML();
    EXPECT_EQ(evento.XML().find(declaracao), std::string::npos);
    EXPECT_EQ(evento.Id, kId);
  }

  // Saved, the text is the UTF-8 document with CR LF lines, without a byte-order mark.
  const std::string arquivo = c.pastaSalvar + "/evento.txt";
  evento.SaveToFile(arquivo);
  const std::string salvo = testsupport::ReadFile(c.pastaSalvar + "/evento.xml");
  EXPECT_EQ(salvo, evento.XML() + "\r\n");
  EXPECT_NE(salvo.substr(0, 3), "\xEF\xBB\xBF");
}

TEST(EventBase, SaveToFileWritesCrLfLinesAndReplacesTheExtension) {
  auto c = esocialtest::NovoComponente(false);
  TeSocialEvento evento(c.eSocial.get());
  evento.SetXML("<eSocial>\n<a Id=\"X\">\r\n<Signature/></a>\r</eSocial>");
  evento.SaveToFile(c.pastaSalvar + "/sem-extensao");
  evento.SaveToFile(c.pastaSalvar + "/sem-extensao");  // an existing file is replaced
  EXPECT_EQ(testsupport::ReadFile(c.pastaSalvar + "/sem-extensao.xml"),
            "<eSocial>\r\n<a Id=\"X\">\r\n<Signature/></a>\r\n</eSocial>\r\n");
  EXPECT_EQ(esocialtest::Arquivos(c.pastaSalvar), std::vector<std::string>{"sem-extensao.xml"});
}

TEST(EventBase, ValidationFailureKeepsTheSignedTextAndReportsShortOrFull) {
  for (bool completo : {true, false}) {
    auto c = esocialtest::NovoComponente();
    c.eSocial->Configuracoes().Geral->SetExibirErroSchema(completo);
    TeSocialEvento evento(c.eSocial.get());
    const std::string curto = "Falha na validação dos dados do evento: evtInfoEmpregador-v_S_01_03_00\r\n";
    std::string msg;
    try {
      evento.SetXML(esocialtest::EventoS1000(false, "NEMBO 1.0</verProc><x>1</x><verProc>"));
      ADD_FAILURE() << "no validation error";
    } catch (const dfe::ETrivoeSocialException& e) {
      msg = e.what();
    }
    EXPECT_EQ(evento.ErroValidacao(), curto);
    EXPECT_TRUE(platform::StartsText(curto + "\r\n", evento.ErroValidacaoCompleto()));
    EXPECT_GT(evento.ErroValidacaoCompleto().size(), curto.size() + 2);
    EXPECT_EQ(msg, completo ? evento.ErroValidacaoCompleto() : curto);
    EXPECT_NE(evento.XML().find("<Signature"), std::string::npos);
    EXPECT_EQ(evento.Id, kId);
  }
}

TEST(EventBase, AMissingSchemaFileIsTheFacadesError) {
  auto c = esocialtest::NovoComponente();
  const std::string vazia = testsupport::MakeTempDir("nembo-schemas");
  c.eSocial->Configuracoes().Arquivos->SetPathSchemas(vazia);
  TeSocialEvento evento(c.eSocial.get());
  EXPECT_EQ(MessageOf([&] { evento.SetXML(esocialtest::EventoS1000()); }),
            "Arquivo \r\n" + vazia + "/evtInfoEmpregador-v_S_01_03_00.xsd\r\nNão encontrado");
  EXPECT_EQ(evento.ErroValidacao(), "");
}

TEST(EventBase, EventIdentifier) {
  auto c = esocialtest::NovoComponente(false);
  const platform::TDateTime emissao = platform::EncodeDateTime({2024, 3, 5, 7, 8, 9, 450});
  struct Caso {
    TEmpregador tipo;
    std::string idAntes, inscricao;
    int sequencial;
    std::string id;
  };
  for (const auto& caso : {
           Caso{tePessoaJuridica, "", "12345678000199", 42, "ID1123456780000002024030507080900042"},
           Caso{teOrgaoPublico, "", "12.345.678/0001-99", 42, "ID2123456000000002024030507080900042"},
           Caso{tePessoaFisica, "", "12345678000199", 42, "ID1123456780001992024030507080900042"},
           Caso{teOrgaoPublicoJudiciarioFederal, "", "12345678000199", 1, "ID1123456780001992024030507080900001"},
           Caso{tePessoaFisica, "", "12345678909", 7, "ID2123456789090002024030507080900007"},
           Caso{tePessoaJuridica, "", "12345678", 1234567, "ID1123456780000002024030507080912345"},
           Caso{tePessoaJuridica, kId, "99999999000199", 5, kId},
       }) {
    c.eSocial->Configuracoes().Geral->SetTipoEmpregador(caso.tipo);
    TeSocialEvento evento(c.eSocial.get());
    evento.Id = caso.idAntes;
    EXPECT_EQ(evento.GerarChaveEsocial(emissao, caso.inscricao, caso.sequencial), caso.id) << caso.inscricao;
  }
  // Sequence 0 draws a number below 99999.
  TeSocialEvento evento(c.eSocial.get());
  const std::string id = evento.GerarChaveEsocial(emissao, "12345678000199", 0);
  ASSERT_EQ(id.size(), 36u);
  EXPECT_EQ(id.substr(0, 31), "ID11234567800000020240305070809");
  EXPECT_LT(std::stoi(id.substr(31)), 99999);
}
