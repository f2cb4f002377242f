#pragma once
// Cryptography back end over the NSS certificate database, the Linux desktop's per-user
// certificate store shared with the browsers: it stands where the Windows "My" store,
// CryptoAPI and the smart-card CSPs stood. Certificates come from the database (keys in
// software or on a token registered in it) or from PKCS#12 data; digests and signatures run
// with the key where it lives.
#include <memory>
#include <string>

#include "dfe/ssl_backends.h"

namespace dfe {

namespace nss {
class Database;
}

class TDFeWinCrypt : public TDFeSSLCryptClass {
 public:
  explicit TDFeWinCrypt(TDFeSSL& aDFeSSL);
  ~TDFeWinCrypt() override;

  std::string ClassName() const override { return "TDFeWinCrypt"; }

  // The loaded certificate for an HTTPS client: certificate and private key as OpenSSL
  // objects; the key's operations run where it lives (NSS database, token or PKCS#12 data
  // in memory). Loads the certificate when none is loaded. Valid until the next unload.
  const TCertContext* CertContextWinApi() override;
  std::string CertPFXData() override;
  void CarregarCertificadoDeDadosPFX() override;
  void CarregarCertificadoDeNumeroSerie() override;
  void AposCarregarCertificado() override;
  std::string Versao() override;
  std::string CalcHash(std::istream& aStream, TSSLDgst digest, bool assina) override;
  bool ValidarHash(std::istream& aStream, TSSLDgst digest, const std::string& hash, bool assinado) override;
  void DescarregarCertificado() override;
  std::string SelecionarCertificado() override;
  void LerCertificadosStore() override;
  bool CarregarCertificadoPublico(const std::string& dadosX509Base64) override;

  // The loaded certificate with its key (none for a public certificate); null when none.
  const TCertContext* Certificado() const;

 private:
  struct TCarregado;

  void AbrirStore();
  EVP_PKEY* ChavePrivada();
  void DefinirPINCertificado(const std::string& pin, bool raiseGeneral);
  // An A3 certificate's PIN, from the facade's password, once per serial number.
  void DefinirPINSeNecessario();
  std::string ExportarPFX();

  std::unique_ptr<TCarregado> FCarregado;
  nss::Database* FStore = nullptr;  // open while not null; the database itself stays open
  std::string FPFXExportado;
};

}  // namespace dfe
