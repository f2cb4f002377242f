// The signed test, the signature template and the reference identifier.
#include "dfe/signature_utils.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace {

using namespace dfe;

TEST(SignatureUtils, SignedTest) {
  struct Caso {
    const char* xml;
    bool assinado;
  };
  for (const auto& c : {Caso{"<a><Signature xmlns=\"x\"/></a>", true}, Caso{"<a><SIGNATURE/></a>", true},
                        Caso{"<a><SignatureValue>x</SignatureValue></a>", true},
                        Caso{"<a><ds:Signature xmlns:ds=\"x\"/></a>", false}, Caso{"<a/>", false}}) {
    EXPECT_EQ(XmlContemAssinatura(c.xml), c.assinado) << c.xml;
  }
}

TEST(SignatureUtils, TemplateText) {
  const std::string w3 = "http://www.w3.org";
  const std::string c14n = w3 + "/TR/2001/REC-xml-c14n-20010315";
  auto esperado = [&](const std::string& uri, const std::string& sig, const std::string& dig,
                      const std::string& keyInfo, const std::string& attrs, const std::string& attrsValue) {
    return "<Signature xmlns=\"" + w3 + "/2000/09/xmldsig#\"" + attrs +
           "><SignedInfo><CanonicalizationMethod Algorithm=\"" + c14n + "\" /><SignatureMethod Algorithm=\"" + w3 +
           sig + "\" /><Reference URI=\"" + uri + "\"><Transforms><Transform Algorithm=\"" + w3 +
           "/2000/09/xmldsig#enveloped-signature\" /><Transform Algorithm=\"" + c14n +
           "\" /></Transforms><DigestMethod Algorithm=\"" + w3 + dig +
           "\" /><DigestValue></DigestValue></Reference></SignedInfo><SignatureValue" + attrsValue +
           "></SignatureValue><KeyInfo>" + keyInfo + "</KeyInfo></Signature>";
  };
  const std::string x509 = "<X509Data><X509Certificate></X509Certificate></X509Data>";
  EXPECT_EQ(MontarElementoAssinatura("", true, "", dgstSHA256, ""),
            esperado("", "/2001/04/xmldsig-more#rsa-sha256", "/2001/04/xmlenc#sha256", x509, "", ""));
  EXPECT_EQ(
      MontarElementoAssinatura("ID123", false, " Id=\"S1\"", dgstSHA512, " Id=\"V1\""),
      esperado("#ID123", "/2001/04/xmldsig-more#rsa-sha512", "/2001/04/xmlenc#sha512", "", " Id=\"S1\"", " Id=\"V1\""));
  // Every digest with and without certificate and reference.
  const std::tuple<TSSLDgst, const char*, const char*> metodos[] = {
      {dgstSHA1, "/2000/09/xmldsig#rsa-sha1", "/2000/09/xmldsig#sha1"},
      {dgstSHA256, "/2001/04/xmldsig-more#rsa-sha256", "/2001/04/xmlenc#sha256"},
      {dgstSHA512, "/2001/04/xmldsig-more#rsa-sha512", "/2001/04/xmlenc#sha512"}};
  for (auto [d, sig, dig] : metodos) {
    for (bool comX509 : {false, true}) {
      for (std::string uri : {"", "ID9"}) {
        EXPECT_EQ(MontarElementoAssinatura(uri, comX509, "", d, ""),
                  esperado(uri.empty() ? "" : "#" + uri, sig, dig, comX509 ? x509 : "", "", ""))
            << sig << comX509 << uri;
      }
    }
  }
  for (TSSLDgst d : {dgstSHA1, dgstMD5, dgstSHA, dgstRMD160}) {
    EXPECT_EQ(MontarElementoAssinatura("A", true, "", d, ""),
              esperado("#A", "/2000/09/xmldsig#rsa-sha1", "/2000/09/xmldsig#sha1", x509, "", ""));
  }
}

TEST(SignatureUtils, ReferenceIdentifier) {
  const std::string evento =
      "<eSocial xmlns=\"x\"><evtInfoEmpregador Id=\"ID1\"><a>1</a></evtInfoEmpregador></eSocial>";
  struct Caso {
    std::string xml, docElement, idAttr, uri;
  };
  for (const auto& c : {
           Caso{evento, "eSocial", "ID", ""},
           Caso{evento, "eSocial", "Id", "ID1"},
           Caso{evento, "", "", "ID1"},
           Caso{"<outro><e Id=\"ID1\"/></outro>", "eSocial", "Id", ""},
           Caso{"<r><e evtId=\"X9\"/></r>", "r", "Id", "X9"},
           Caso{"<r><e Id='simples' b=\"duplas\"/></r>", "r", "Id", "duplas"},
           // Only attributes name the identifier: text content, comments and values do not.
           Caso{"<r><obs>Ref ID=\"X9\"</obs><e ID=\"A1\"/></r>", "r", "ID", "A1"},
           Caso{"<r><obs>Ref ID=7</obs><!-- ID=\"C\" --><e b=\"ID=\" c=\"d\"/></r>", "r", "ID", ""},
       }) {
    EXPECT_EQ(ExtrairURIReferencia(c.xml, c.docElement, c.idAttr), c.uri) << c.xml << " " << c.idAttr;
  }
  for (auto [xml, msg] :
       {std::pair<std::string, std::string>{"<r Id=semaspas>", "Não encontrei inicio do URI: aspas inicial"},
        {"<r Id=\"aberto>", "Não encontrei inicio do URI: aspas final"}}) {
    try {
      ExtrairURIReferencia(xml, "", "Id");
      ADD_FAILURE() << xml;
    } catch (const ETrivoDFeException& e) {
      EXPECT_EQ(e.what(), msg);
    }
  }
}

}  // namespace
