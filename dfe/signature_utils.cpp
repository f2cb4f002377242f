#include "dfe/signature_utils.h"

#include <chrono>
#include <cstdlib>

#include "dfe/ssl_digests.h"
#include "platform/strings.h"
#include "platform/xml_text.h"

namespace dfe {

namespace {

constexpr const char* kW3 = "http://www.w3.org";
constexpr const char* kC14N = "http://www.w3.org/TR/2001/REC-xml-c14n-20010315";

// Other modules draw from the shared generator (event identifiers among them).
const bool kGeradorSemeado = [] {
  std::srand(static_cast<unsigned>(std::chrono::system_clock::now().time_since_epoch().count()));
  return true;
}();

}  // namespace

bool XmlContemAssinatura(const std::string& conteudoXML) {
  return platform::LowerCase(conteudoXML).find("<signature") != std::string::npos;
}

std::string MontarElementoAssinatura(const std::string& URI, bool comX509, const std::string& atributosSignature,
                                     TSSLDgst digest, const std::string& atributosSignatureValue) {
  // A digest without an XML-DSig algorithm is written as SHA-1.
  const TLinhaDigest* metodos = LinhaDigest(digest);
  if (metodos == nullptr || metodos->MetodoAssinatura.empty()) metodos = LinhaDigest(dgstSHA1);
  const std::string w3 = kW3;
  std::string s;
  s += "<Signature xmlns=\"" + w3 + "/2000/09/xmldsig#\"" + atributosSignature + ">";
  s += "<SignedInfo>";
  s += "<CanonicalizationMethod Algorithm=\"" + std::string(kC14N) + "\" />";
  s += "<SignatureMethod Algorithm=\"" + std::string(metodos->MetodoAssinatura) + "\" />";
  s += "<Reference URI=\"" + (URI.empty() ? std::string() : "#" + URI) + "\">";
  s += "<Transforms>";
  s += "<Transform Algorithm=\"" + w3 + "/2000/09/xmldsig#enveloped-signature\" />";
  s += "<Transform Algorithm=\"" + std::string(kC14N) + "\" />";
  s += "</Transforms>";
  s += "<DigestMethod Algorithm=\"" + std::string(metodos->MetodoDigest) + "\" />";
  s += "<DigestValue></DigestValue>";
  s += "</Reference>";
  s += "</SignedInfo>";
  s += "<SignatureValue" + atributosSignatureValue + "></SignatureValue>";
  s += "<KeyInfo>";
  if (comX509) s += "<X509Data><X509Certificate></X509Certificate></X509Data>";
  s += "</KeyInfo>";
  s += "</Signature>";
  return s;
}

std::string ExtrairURIReferencia(const std::string& conteudoXML, const std::string& docElement,
                                 const std::string& idAttr) {
  const std::string atributo = (idAttr.empty() ? std::string("Id") : idAttr) + "=";
  std::size_t inicio = 0;
  if (!docElement.empty()) {
    inicio = conteudoXML.find("<" + docElement);
    if (inicio == std::string::npos) return {};
  }
  // The identifier is an attribute: "ID=" in text content, a comment or a quoted value names
  // nothing, so only the inside of start tags is searched.
  std::size_t achado = std::string::npos;
  for (std::size_t p : platform::PosicoesEmTagsDeAbertura(conteudoXML, atributo))
    if (p >= inicio) {
      achado = p;
      break;
    }
  if (achado == std::string::npos) return {};
  auto aspas1 = conteudoXML.find('"', achado + 2);
  if (aspas1 == std::string::npos) throw ETrivoDFeException("Não encontrei inicio do URI: aspas inicial");
  auto aspas2 = conteudoXML.find('"', aspas1 + 1);
  if (aspas2 == std::string::npos) throw ETrivoDFeException("Não encontrei inicio do URI: aspas final");
  return conteudoXML.substr(aspas1 + 1, aspas2 - aspas1 - 1);
}

}  // namespace dfe
