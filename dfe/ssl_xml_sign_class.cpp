// The abstract XML signer.
#include "dfe/ssl_backends.h"
#include "dfe/ssl_digests.h"
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

namespace {

// The parts of a SignatureMethod algorithm: its namespace (up to "#") and its name.
std::string_view NamespaceDoMetodo(std::string_view uri) { return uri.substr(0, uri.find('#') + 1); }
std::string_view NomeDoMetodo(std::string_view uri) { return uri.substr(uri.find('#') + 1); }

}  // namespace

TSSLDgst TDFeSSLXmlSignClass::DigestDaAssinatura(const std::string& conteudoXML) const {
  std::string algoritmo;
  auto metodo = conteudoXML.find("SignatureMethod");
  auto fimTag = metodo == std::string::npos ? std::string::npos : conteudoXML.find('>', metodo);
  if (fimTag != std::string::npos) {
    const std::string tag = conteudoXML.substr(metodo, fimTag - metodo);
    // The name that follows the first algorithm namespace found, whichever digest it names.
    for (const auto& linha : TabelaDigests()) {
      if (linha.MetodoAssinatura.empty()) continue;
      std::string_view ns = NamespaceDoMetodo(linha.MetodoAssinatura);
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
  for (const auto& linha : TabelaDigests())
    if (!linha.MetodoAssinatura.empty() && NomeDoMetodo(linha.MetodoAssinatura) == algoritmo) return linha.Digest;
  throw ETrivoDFeException("Digest Algorithm, \"" + algoritmo + "\" não suportado");
}

}  // namespace dfe
