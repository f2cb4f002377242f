// The libxml2 signer and validator, checked against xmlsec1 and the official schemas.
#include "dfe/ssl_xml_sign_libxml2.h"

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <thread>
#include <vector>

#include "dfe/signature_utils.h"
#include "dfe/ssl_xml_sign_libxml2_schemas.h"
#include "platform/strings.h"
#include "ssl_test_support.h"
#include "support/peer.h"

namespace {

using namespace dfe;
using ssltest::EventoS1000;
using ssltest::FacadeComCertificado;
using testsupport::PkiDir;

const std::string kEvento = "evtInfoEmpregador";

// True when xmlsec1 accepts the signature, trusting only the test CA.
bool Xmlsec1Aceita(const std::string& xml, std::string* saida = nullptr) {
  static const std::string dir = testsupport::MakeTempDir("nembo-xmlsec");
  static int n = 0;
  const std::string arquivo = dir + "/doc" + std::to_string(++n) + ".xml";
  testsupport::WriteFile(arquivo, xml);
  return testsupport::RunCommand("xmlsec1 --verify --trusted-pem " + PkiDir() + "/ca.crt " + arquivo, saida) == 0;
}

int Ocorrencias(const std::string& s, const std::string& sub) {
  int n = 0;
  for (auto p = s.find(sub); p != std::string::npos; p = s.find(sub, p + 1)) ++n;
  return n;
}

std::string AssinarEvento(TDFeSSL& ssl, const std::string& xml) {
  return ssl.Assinar(xml, "eSocial", kEvento, "", "", "", "ID");
}

TEST(XmlSignLibXml2, SignedEventIsAcceptedByXmlsec1CompactAndPrettyPrinted) {
  auto ssl = FacadeComCertificado();
  for (bool formatado : {false, true}) {
    SCOPED_TRACE(formatado ? "pretty-printed" : "compact");
    std::string assinado = AssinarEvento(*ssl, EventoS1000(formatado));
    std::string saida;
    EXPECT_TRUE(Xmlsec1Aceita(assinado, &saida)) << saida << "\n" << assinado;
    EXPECT_EQ(assinado.find('\n'), std::string::npos);
    EXPECT_EQ(assinado.find('\r'), std::string::npos);
    EXPECT_TRUE(platform::StartsText("<?xml version=\"1.0\" encoding=\"UTF-8\"?><eSocial", assinado)) << assinado;
    // Enveloped, URI="", the signature as the root's last child, empty elements as start and end tag.
    EXPECT_NE(assinado.find("<Reference URI=\"\">"), std::string::npos);
    EXPECT_TRUE(platform::EndsText("</Signature></eSocial>", assinado)) << assinado;
    EXPECT_NE(assinado.find("<X509Certificate>MII"), std::string::npos);
    EXPECT_EQ(assinado.find("/>"), std::string::npos);

    std::string msg;
    EXPECT_TRUE(ssl->VerificarAssinatura(assinado, msg, kEvento)) << msg;
    EXPECT_TRUE(ssl->Validar(assinado, ssltest::Schemas() + "evtInfoEmpregador-v_S_01_03_00.xsd", msg)) << msg;
  }
}

TEST(XmlSignLibXml2, TamperedEventIsRefusedByXmlsec1AndByTheFacade) {
  auto ssl = FacadeComCertificado();
  std::string assinado = AssinarEvento(*ssl, EventoS1000(false));
  std::string alterado = platform::StringReplace(assinado, "<nrInsc>12345678</nrInsc>", "<nrInsc>87654321</nrInsc>");
  ASSERT_NE(alterado, assinado);
  EXPECT_FALSE(Xmlsec1Aceita(alterado));
  std::string msg;
  EXPECT_FALSE(ssl->VerificarAssinatura(alterado, msg, kEvento));
  EXPECT_EQ(msg, "DigestValue não confere. Conteúdo de \"evtInfoEmpregador\" foi alterado");

  // A changed signature value (digest intact) fails without a message.
  auto p = assinado.find("<SignatureValue>") + 16;
  std::string sigAlterada = assinado;
  sigAlterada[p] = sigAlterada[p] == 'A' ? 'B' : 'A';
  EXPECT_FALSE(ssl->VerificarAssinatura(sigAlterada, msg, kEvento));
  EXPECT_EQ(msg, "");
}

TEST(XmlSignLibXml2, SigningASignedEventReplacesItsSignature) {
  auto ssl = FacadeComCertificado();
  std::string uma = AssinarEvento(*ssl, EventoS1000(false));
  std::string duas = AssinarEvento(*ssl, uma);
  EXPECT_EQ(Ocorrencias(duas, "<Signature "), 1);
  EXPECT_TRUE(Xmlsec1Aceita(duas));
  EXPECT_EQ(duas, uma);  // same key, same content, deterministic RSA PKCS#1 v1.5
}

TEST(XmlSignLibXml2, DeclarationAndLineBreaks) {
  auto ssl = FacadeComCertificado();
  // No declaration in: signed as UTF-8 and returned without one.
  std::string semDeclaracao =
      EventoS1000(false).substr(std::string("<?xml version=\"1.0\" encoding=\"UTF-8\"?>").size());
  std::string assinado = AssinarEvento(*ssl, semDeclaracao);
  EXPECT_TRUE(platform::StartsText("<eSocial", assinado)) << assinado.substr(0, 60);
  EXPECT_TRUE(Xmlsec1Aceita(assinado));

  // A line break inside a text value is removed before the digest, so the signature holds.
  std::string comQuebra = EventoS1000(false, "NEMBO\r\n1.0");
  assinado = AssinarEvento(*ssl, comQuebra);
  EXPECT_NE(assinado.find("<verProc>NEMBO1.0</verProc>"), std::string::npos);
  EXPECT_TRUE(Xmlsec1Aceita(assinado));

  // Pretty-printed with an attribute on a line of its own, a line feed written as a reference:
  // the tag keeps its attribute, the text loses the line feed, the output has none.
  std::string formatado =
      platform::StringReplace(EventoS1000(true, "NEMBO&#10;1.0"), "<evtInfoEmpregador Id=", "<evtInfoEmpregador\nId=");
  assinado = AssinarEvento(*ssl, formatado);
  EXPECT_NE(assinado.find("<evtInfoEmpregador Id=\"ID1"), std::string::npos) << assinado;
  EXPECT_NE(assinado.find("<verProc>NEMBO1.0</verProc>"), std::string::npos) << assinado;
  EXPECT_EQ(assinado.find('\n'), std::string::npos);
  EXPECT_TRUE(Xmlsec1Aceita(assinado));

  // Non-ASCII content passes through as UTF-8.
  assinado = AssinarEvento(*ssl, EventoS1000(false, "AÇÃO 1.0"));
  EXPECT_NE(assinado.find("<verProc>AÇÃO 1.0</verProc>"), std::string::npos);
  EXPECT_TRUE(Xmlsec1Aceita(assinado));
}

TEST(XmlSignLibXml2, ReferenceToAnIdSignsThatElement) {
  auto ssl = FacadeComCertificado("client.p12", dgstSHA1);
  // With IdAttr "Id" the reference names the event; the root's prefixed namespaces reach the copy.
  std::string xml =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?><r xmlns:x=\"urn:x\"><inf Id=\"A1\"><x:v>1</x:v></inf></r>";
  std::string assinado = ssl->Assinar(xml, "r", "inf", "", "", "", "Id");
  EXPECT_NE(assinado.find("<Reference URI=\"#A1\">"), std::string::npos);
  std::string saida;
  const std::string dir = testsupport::MakeTempDir("nembo-ref");
  testsupport::WriteFile(dir + "/d.xml", assinado);
  EXPECT_EQ(testsupport::RunCommand(
                "xmlsec1 --verify --id-attr:Id inf --trusted-pem " + PkiDir() + "/ca.crt " + dir + "/d.xml", &saida),
            0)
      << saida;
  std::string msg;
  EXPECT_TRUE(ssl->VerificarAssinatura(assinado, msg, "inf")) << msg;
}

TEST(XmlSignLibXml2, ExternalEntitiesAndDtdsAreNeverLoaded) {
  auto ssl = FacadeComCertificado();
  const std::string dir = testsupport::MakeTempDir("nembo-xxe");
  testsupport::WriteFile(dir + "/segredo.txt", "SEGREDO");
  testsupport::WriteFile(dir + "/ext.dtd", "<!ENTITY e \"DTD-EXTERNO\">");
  const std::string comEntidade = "<?xml version=\"1.0\" encoding=\"UTF-8\"?><!DOCTYPE r [<!ENTITY s SYSTEM \"file://" +
                                  dir + "/segredo.txt\">]><r><v>&s;</v></r>";
  const std::string comDtd =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?><!DOCTYPE r SYSTEM \"file://" + dir + "/ext.dtd\"><r><v>&e;</v></r>";
  // The reference stays unresolved, so the document is refused instead of signed.
  for (const auto& xml : {comEntidade, comDtd}) {
    try {
      ssl->Assinar(xml, "r", "", "", "", "", "ID");
      ADD_FAILURE() << xml;
    } catch (const ETrivoDFeException& e) {
      EXPECT_TRUE(platform::StartsText("Erro: Falha ao interpretar o XML \"xmlParseDoc\" --> ", e.what())) << e.what();
      EXPECT_EQ(std::string(e.what()).find("SEGREDO"), std::string::npos);
    }
    std::string msg;
    EXPECT_FALSE(ssl->Validar(xml, ssltest::Schemas() + "evtInfoEmpregador-v_S_01_03_00.xsd", msg));
  }
  // Internal entities are still replaced.
  std::string interno =
      ssl->Assinar("<?xml version=\"1.0\" encoding=\"UTF-8\"?><!DOCTYPE r [<!ENTITY i \"INTERNO\">]><r><v>&i;</v></r>",
                   "r", "", "", "", "", "ID");
  EXPECT_NE(interno.find("<v>INTERNO</v>"), std::string::npos);
  EXPECT_TRUE(Xmlsec1Aceita(interno));
}

TEST(XmlSignLibXml2, SigningErrors) {
  auto ssl = FacadeComCertificado();
  try {
    AssinarEvento(*ssl, "<eSocial><evt Id=\"1\"></eSocial>");
    FAIL();
  } catch (const ETrivoDFeException& e) {
    EXPECT_TRUE(platform::StartsText("Erro: Falha ao interpretar o XML \"xmlParseDoc\" --> ", e.what())) << e.what();
  }
  EXPECT_THROW(
      {
        try {
          ssl->Assinar("<r><a/></r>", "nada", "", "", "", "", "ID");
        } catch (const ETrivoDFeException& e) {
          EXPECT_STREQ(e.what(), "Nenhum elemento encontrado");
          throw;
        }
      },
      ETrivoDFeException);
}

TEST(XmlSignLibXml2, SchemaValidationMessages) {
  auto ssl = FacadeComCertificado();
  const std::string schema = ssltest::Schemas() + "evtInfoEmpregador-v_S_01_03_00.xsd";
  std::string assinado = AssinarEvento(*ssl, EventoS1000(false));
  std::string msg;

  std::string quebrado = platform::StringReplace(assinado, "<tpAmb>2</tpAmb>", "<tpAmb>5</tpAmb>");
  EXPECT_FALSE(ssl->Validar(quebrado, schema, msg));
  EXPECT_TRUE(
      platform::StartsText(" --> 1840 - Element '{http://www.esocial.gov.br/schema/evt/evtInfoEmpregador/"
                           "v_S_01_03_00}tpAmb': [facet 'enumeration'] The value '5' is not an element of "
                           "the set {'1', '2', '7', '8', '9'}.",
                           msg))
      << msg;

  EXPECT_FALSE(ssl->Validar("<eSocial>", schema, msg));
  EXPECT_TRUE(platform::StartsText("Erro: Falha ao interpretar o XML \"xmlParseDoc\" --> ", msg)) << msg;

  const std::string dir = testsupport::MakeTempDir("nembo-xsd");
  testsupport::WriteFile(dir + "/ruim.xsd", "<nada/>");
  EXPECT_FALSE(ssl->Validar(assinado, dir + "/ruim.xsd", msg));
  EXPECT_TRUE(platform::StartsText("Erro: Schema inválido --> ", msg)) << msg;

  for (auto [arquivo, texto] : {std::pair<std::string, std::string>{"", "Arquivo de Schema não especificado"},
                                {dir + "/falta.xsd", "Arquivo \r\n" + dir + "/falta.xsd\r\nNão encontrado"}}) {
    try {
      ssl->Validar(assinado, arquivo, msg);
      ADD_FAILURE() << arquivo;
    } catch (const ETrivoDFeException& e) {
      EXPECT_EQ(e.what(), texto);
    }
  }
}

// A schema of one element "a" of the given simple type.
std::string SchemaDeA(const std::string& tipo) {
  return "<xs:schema xmlns:xs=\"http://www.w3.org/2001/XMLSchema\"><xs:element name=\"a\" type=\"xs:" + tipo +
         "\"/></xs:schema>";
}

TEST(XmlSignLibXml2, SchemaIsParsedOnceForEachModificationTime) {
  namespace fs = std::filesystem;
  TDFeSSL ssl;
  ssl.SetSSLXmlSignLib(xsLibXml2);
  const std::string dir = testsupport::MakeTempDir("nembo-xsd-cache");
  const std::string xsd = dir + "/a.xsd";
  std::string msg;
  // Rewrites the schema file with the given modification time.
  auto escrever = [&](const std::string& texto, fs::file_time_type quando) {
    testsupport::WriteFile(xsd, texto);
    fs::last_write_time(xsd, quando);
  };
  const auto t0 = fs::file_time_type::clock::now() - std::chrono::hours(1);

  escrever(SchemaDeA("int"), t0);
  EXPECT_TRUE(ssl.Validar("<a>5</a>", xsd, msg)) << msg;
  // The same modification time: the parsed schema is used, whatever the file now says.
  escrever(SchemaDeA("boolean"), t0);
  EXPECT_TRUE(ssl.Validar("<a>5</a>", xsd, msg)) << msg;
  // A new modification time: parsed again, in place of the old one.
  escrever(SchemaDeA("boolean"), t0 + std::chrono::seconds(10));
  EXPECT_FALSE(ssl.Validar("<a>5</a>", xsd, msg));
  EXPECT_TRUE(platform::StartsText(" --> 1824 - Element 'a': '5' is not a valid value", msg)) << msg;
  EXPECT_EQ(libxml2::SchemasGuardados(), 1u);

  // A schema that does not parse is not kept: mended under the same time, it is read again.
  escrever("<nada/>", t0 + std::chrono::seconds(20));
  EXPECT_FALSE(ssl.Validar("<a>5</a>", xsd, msg));
  EXPECT_TRUE(platform::StartsText("Erro: Schema inválido --> ", msg)) << msg;
  escrever(SchemaDeA("int"), t0 + std::chrono::seconds(20));
  EXPECT_TRUE(ssl.Validar("<a>5</a>", xsd, msg)) << msg;

  // Memory stays bounded however many schemas pass through.
  for (std::size_t i = 0; i < libxml2::kMaxSchemasGuardados + 5; ++i) {
    const std::string outro = dir + "/s" + std::to_string(i) + ".xsd";
    testsupport::WriteFile(outro, SchemaDeA("int"));
    EXPECT_TRUE(ssl.Validar("<a>" + std::to_string(i) + "</a>", outro, msg)) << msg;
  }
  EXPECT_EQ(libxml2::SchemasGuardados(), libxml2::kMaxSchemasGuardados);
}

TEST(XmlSignLibXml2, ValidationsOnSeveralThreadsShareTheParsedSchemas) {
  auto ssl = FacadeComCertificado();
  const std::string esocial = ssltest::Schemas() + "evtInfoEmpregador-v_S_01_03_00.xsd";
  const std::string assinado = AssinarEvento(*ssl, EventoS1000(false));
  const std::string quebrado = platform::StringReplace(assinado, "<tpAmb>2</tpAmb>", "<tpAmb>5</tpAmb>");
  const std::string dir = testsupport::MakeTempDir("nembo-xsd-threads");
  testsupport::WriteFile(dir + "/a.xsd", SchemaDeA("int"));

  std::atomic<int> erradas{0};
  std::vector<std::thread> threads;
  for (int t = 0; t < 8; ++t) {
    threads.emplace_back([&, t] {
      TDFeSSL meu;  // one facade per thread, as the component uses them
      meu.SetSSLXmlSignLib(xsLibXml2);
      std::string msg;
      for (int i = 0; i < 20; ++i) {
        const bool valido = (i + t) % 2 == 0;
        if (meu.Validar(valido ? assinado : quebrado, esocial, msg) != valido) ++erradas;
        if (!meu.Validar("<a>" + std::to_string(i) + "</a>", dir + "/a.xsd", msg)) ++erradas;
      }
    });
  }
  for (auto& th : threads) th.join();
  EXPECT_EQ(erradas.load(), 0);
  EXPECT_EQ(libxml2::SchemasGuardados(), 2u);
}

TEST(XmlSignLibXml2, VerificationWithoutSignatureOrRoot) {
  auto ssl = FacadeComCertificado();
  std::string msg;
  EXPECT_FALSE(ssl->VerificarAssinatura(EventoS1000(false), msg, kEvento));
  EXPECT_EQ(msg, "Erro: Falha ao localizar o nó de Assinatura");
  EXPECT_FALSE(ssl->VerificarAssinatura("<a", msg, kEvento));
  EXPECT_TRUE(platform::StartsText("Erro: Falha ao interpretar o XML \"xmlParseDoc\"", msg)) << msg;
}

}  // namespace

namespace {

TEST(XmlSignLibXml2, DocumentHoldingASignedEventGetsItsOwnSignature) {
  auto ssl = FacadeComCertificado();
  std::string evento = AssinarEvento(*ssl, EventoS1000(false));
  evento = evento.substr(evento.find("?>") + 2);
  const std::string lote =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?><lote xmlns=\"urn:lote\"><eventos>" + evento + "</eventos></lote>";
  std::string assinado = ssl->Assinar(lote, "lote", "", "", "", "", "ID");
  EXPECT_TRUE(platform::EndsText("</Signature></lote>", assinado));
  std::string msg;
  EXPECT_TRUE(ssl->VerificarAssinatura(assinado, msg, "")) << msg;
  const std::string dir = testsupport::MakeTempDir("nembo-lote");
  testsupport::WriteFile(dir + "/lote.xml", assinado);
  std::string saida;
  EXPECT_EQ(testsupport::RunCommand("xmlsec1 --verify --node-xpath '/*/*[local-name()=\"Signature\"]' --trusted-pem " +
                                        PkiDir() + "/ca.crt " + dir + "/lote.xml",
                                    &saida),
            0)
      << saida;
}

}  // namespace
