#include "dfe/xml_sign_libxml2.h"

namespace dfe {

TDFeSSLXmlSignLibXml2::TDFeSSLXmlSignLibXml2(TDFeSSL& aDFeSSL) : TDFeSSLXmlSignClass(aDFeSSL) {}

std::string TDFeSSLXmlSignLibXml2::Assinar(const std::string&, const std::string&, const std::string&,
                                           const std::string&, const std::string&, const std::string&,
                                           const std::string&, const std::string&) {
  return {};
}
bool TDFeSSLXmlSignLibXml2::Validar(const std::string&, const std::string&, std::string&) { return false; }
bool TDFeSSLXmlSignLibXml2::VerificarAssinatura(const std::string&, std::string&, const std::string&,
                                                const std::string&, const std::string&, const std::string&,
                                                const std::string&) {
  return false;
}
void TDFeSSLXmlSignLibXml2::AjustarNoAssinatura(std::string& signatureNode, std::string& selectionNamespaces) {
  signatureNode = "Signature";
  selectionNamespaces = "http://www.w3.org/2000/09/xmldsig#";
}

}  // namespace dfe
