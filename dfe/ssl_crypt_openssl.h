#pragma once
// Cryptography back end over OpenSSL: PKCS#12 data or a public certificate, digests and RSA
// signatures of streams.
#include <string>

#include "dfe/ssl_backends.h"

namespace dfe {

// OpenSSL's last error as "Error: %d - %s".
std::string TextoErroOpenSSL();

class TDFeOpenSSL : public TDFeSSLCryptClass {
 public:
  explicit TDFeOpenSSL(TDFeSSL& aDFeSSL);
  ~TDFeOpenSSL() override;

  std::string ClassName() const override { return "TDFeOpenSSL"; }

  const TCertContext* CertContextWinApi() override;
  void CarregarCertificadoDeDadosPFX() override;
  void Clear() override;
  std::string Versao() override;
  std::string CalcHash(std::istream& aStream, TSSLDgst digest, bool assina) override;
  bool ValidarHash(std::istream& aStream, TSSLDgst digest, const std::string& hash, bool assinado) override;
  void DescarregarCertificado() override;
  bool CarregarCertificadoPublico(const std::string& dadosX509Base64) override;

  std::string OpenSSLVersion();
  bool OpenSSLOldVersion();
  X509* Certificado() const { return FCert; }

 private:
  bool CarregarPFX(const std::string& dadosPFX);
  void LerDadosCertificado();
  EVP_MD_CTX* IniciarDigest(std::istream& aStream, TSSLDgst digest);

  TCertContext FCertContext;
  EVP_PKEY* FPrivKey = nullptr;
  X509* FCert = nullptr;
  STACK_OF(X509)* FCadeia = nullptr;  // the further certificates of the PKCS#12 data
  std::string FVersion;
  bool FOldVersion = false;
};

}  // namespace dfe
