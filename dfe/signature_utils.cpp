#include "dfe/signature_utils.h"

#include <chrono>
#include <cstdlib>
#include <string_view>

#include "dfe/ssl_digests.h"
#include "platform/strings.h"

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
  const auto procurarEmTagDeAbertura = [&]() -> std::size_t {
    const std::size_t n = conteudoXML.size();
    const auto pular = [&](std::size_t de, std::string_view ate) {
      const std::size_t p = conteudoXML.find(ate, de);
      return p == std::string::npos ? n : p + ate.size();
    };
    std::size_t i = 0;
    while (i < n) {
      if (conteudoXML[i] != '<') {
        ++i;
      } else if (conteudoXML.compare(i, 4, "<!--") == 0) {
        i = pular(i + 4, "-->");
      } else if (conteudoXML.compare(i, 9, "<![CDATA[") == 0) {
        i = pular(i + 9, "]]>");
      } else if (conteudoXML.compare(i, 2, "<?") == 0) {
        i = pular(i + 2, "?>");
      } else if (i + 1 < n && (conteudoXML[i + 1] == '/' || conteudoXML[i + 1] == '!')) {
        i = pular(i + 2, ">");
      } else {
        for (++i; i < n && conteudoXML[i] != '>'; ++i) {
          const char c = conteudoXML[i];
          if (c == '"' || c == '\'') {
            const std::size_t fecha = conteudoXML.find(c, i + 1);
            i = fecha == std::string::npos ? n : fecha;
          } else if (i >= inicio && conteudoXML.compare(i, atributo.size(), atributo) == 0) {
            return i;
          }
        }
      }
    }
    return std::string::npos;
  };
  auto achado = procurarEmTagDeAbertura();
  if (achado == std::string::npos) return {};
  auto aspas1 = conteudoXML.find('"', achado + 2);
  if (aspas1 == std::string::npos) throw ETrivoDFeException("Não encontrei inicio do URI: aspas inicial");
  auto aspas2 = conteudoXML.find('"', aspas1 + 1);
  if (aspas2 == std::string::npos) throw ETrivoDFeException("Não encontrei inicio do URI: aspas final");
  return conteudoXML.substr(aspas1 + 1, aspas2 - aspas1 - 1);
}

}  // namespace dfe
