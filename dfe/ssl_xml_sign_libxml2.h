#pragma once
// XML signer and schema validator over libxml2: enveloped signatures of the facade's template,
// canonical XML 1.0 without comments.
#include <string>

#include "dfe/ssl_backends.h"

namespace dfe {

class TDFeSSLXmlSignLibXml2 : public TDFeSSLXmlSignClass {
 public:
  explicit TDFeSSLXmlSignLibXml2(TDFeSSL& aDFeSSL);

  std::string ClassName() const override { return "TDFeSSLXmlSignLibXml2"; }

  std::string Assinar(const std::string& conteudoXML, const std::string& docElement, const std::string& infElement,
                      const std::string& signatureNode, const std::string& selectionNamespaces,
                      const std::string& idSignature, const std::string& idAttr,
                      const std::string& idSignatureValue) override;
  bool Validar(const std::string& conteudoXML, const std::string& arqSchema, std::string& msgErro) override;
  bool VerificarAssinatura(const std::string& conteudoXML, std::string& msgErro, const std::string& infElement,
                           const std::string& signatureNode, const std::string& selectionNamespaces,
                           const std::string& idSignature, const std::string& idAttr) override;

  // Name and namespace of the signature element looked for (always Signature in XML-DSig).
  virtual void AjustarNoAssinatura(std::string& signatureNode, std::string& selectionNamespaces);

 private:
  void InicializarLibXml2();
  bool FLibXml2Inicializada = false;
};

}  // namespace dfe
