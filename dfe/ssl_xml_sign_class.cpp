// The abstract XML signer.
#include "dfe/ssl_backends.h"
#include "platform/strings.h"

namespace dfe {

TDFeSSLXmlSignClass::TDFeSSLXmlSignClass(TDFeSSL& aDFeSSL) : FpDFeSSL(aDFeSSL) {}

TDFeSSLXmlSignClass::~TDFeSSLXmlSignClass() = default;

std::string TDFeSSLXmlSignClass::Assinar(const std::string&, const std::string&, const std::string&, const std::string&,
                                         const std::string&, const std::string&, const std::string&,
                                         const std::string&) {
  throw ETrivoDFeException(ClassName() + ".Assinar, não implementado");
}

bool TDFeSSLXmlSignClass::Validar(const std::string&, const std::string&, std::string&) {
  throw ETrivoDFeException("\"Validar\" não suportado em: " + ClassName());
}

bool TDFeSSLXmlSignClass::VerificarAssinatura(const std::string&, std::string&, const std::string&, const std::string&,
                                              const std::string&, const std::string&, const std::string&) {
  throw ETrivoDFeException("\"ValidarAssinatura\" não suportado em: " + ClassName());
}

TSSLDgst TDFeSSLXmlSignClass::DigestDaAssinatura(const std::string& conteudoXML) const {
  std::string algoritmo;
  auto metodo = conteudoXML.find("SignatureMethod");
  auto fimTag = metodo == std::string::npos ? std::string::npos : conteudoXML.find('>', metodo);
  if (fimTag != std::string::npos) {
    const std::string tag = conteudoXML.substr(metodo, fimTag - metodo);
    for (std::string_view ns : {"http://www.w3.org/2000/09/xmldsig#", "http://www.w3.org/2001/04/xmldsig-more#"}) {
      auto p = tag.find(ns);
      if (p == std::string::npos) continue;
      p += ns.size();
      auto fim = tag.find('"', p);
      if (fim == std::string::npos) continue;
      algoritmo = platform::LowerCase(tag.substr(p, fim - p));
      break;
    }
  }
  if (algoritmo.empty()) throw ETrivoDFeException("Não foi possivel recuperar o \"Digest Algorithm\" do XML");
  if (algoritmo == "rsa-sha1") return dgstSHA1;
  if (algoritmo == "rsa-sha256") return dgstSHA256;
  if (algoritmo == "rsa-sha512") return dgstSHA512;
  throw ETrivoDFeException("Digest Algorithm, \"" + algoritmo + "\" não suportado");
}

}  // namespace dfe
