#pragma once
// The back ends of the security facade: the abstract cryptography, HTTP and XML-signing
// classes every back end derives from, and the selection points that make one for a library
// choice. Each back end lives in files of its own that share its prefix (dfe/README.md).
#include <iosfwd>
#include <memory>
#include <string>

#include "dfe/http_header.h"
#include "dfe/ssl.h"

namespace dfe {

// Abstract cryptography back end. Its operations raise "não suportado"/"não implementado"
// texts naming the actual class, so a facade still on cryNone fails on first use.
class TDFeSSLCryptClass {
 public:
  explicit TDFeSSLCryptClass(TDFeSSL& aDFeSSL);
  virtual ~TDFeSSLCryptClass();
  TDFeSSLCryptClass(const TDFeSSLCryptClass&) = delete;
  TDFeSSLCryptClass& operator=(const TDFeSSLCryptClass&) = delete;

  // Name of the actual class, for messages.
  virtual std::string ClassName() const { return "TDFeSSLCryptClass"; }

  virtual const TCertContext* CertContextWinApi();
  virtual std::string CertPFXData();
  virtual void LerArquivoPFX();
  virtual void BaixarCertificadoURL();
  virtual void CarregarCertificadoDeDadosPFX();
  virtual void CarregarCertificadoDeNumeroSerie();
  virtual void AposCarregarCertificado();
  virtual void Clear();
  virtual std::string Versao();
  // Binary digest of the stream, or the RSA signature of that digest with the private key.
  virtual std::string CalcHash(std::istream& aStream, TSSLDgst digest, bool assina);
  // Without assinado: the digest occurs within hash; with it: hash verifies as signature.
  virtual bool ValidarHash(std::istream& aStream, TSSLDgst digest, const std::string& hash, bool assinado);
  virtual void DescarregarCertificado();
  virtual std::string SelecionarCertificado();
  virtual void LerCertificadosStore();
  virtual bool CarregarCertificadoPublico(const std::string& dadosX509Base64);

  void CarregarCertificado();
  void CarregarCertificadoSeNecessario();
  void GarantirDadosCertificado();

  std::string CertNumeroSerie();
  platform::TDateTime CertDataVenc();
  std::string CertSubjectName();
  std::string CertIssuerName();
  std::string CertCertificadora();
  std::string CertRazaoSocial();
  std::string CertCNPJ();
  TSSLTipoCertificado CertTipo();

  TDadosCertificado& DadosCertificado() { return *FpDadosCertificado; }
  TListaCertificados& ListaCertificados() { return *FpListaCertificados; }
  bool CertificadoLido() const { return FpCertificadoLido; }
  TDFeSSL& DFeSSL() const { return FpDFeSSL; }

 protected:
  TDFeSSL& FpDFeSSL;
  std::unique_ptr<TDadosCertificado> FpDadosCertificado;
  std::unique_ptr<TListaCertificados> FpListaCertificados;
  bool FpCertificadoLido = false;
};

// Abstract HTTP back end: performs no transfer.
class TDFeSSLHttpClass {
 public:
  explicit TDFeSSLHttpClass(TDFeSSL& aDFeSSL);
  virtual ~TDFeSSLHttpClass();
  TDFeSSLHttpClass(const TDFeSSLHttpClass&) = delete;
  TDFeSSLHttpClass& operator=(const TDFeSSLHttpClass&) = delete;

  virtual std::string ClassName() const { return "TDFeSSLHttpClass"; }

  virtual void PrepararRequisicao();  // empties DataResp, both codes 0
  virtual std::string LastErrorDesc();
  virtual void Execute();  // PrepararRequisicao only
  // May be called from another thread while Execute runs.
  virtual void Abortar();

  void Clear();
  void HTTPMethod(const std::string& aMethod, const std::string& aURL);
  // One exchange; raises the facade's "Erro Interno: ..." text on failure or, with
  // aValidateReturnCode, on a status outside 200..202.
  std::string Enviar(const std::string& conteudoXML, const std::string& aURL, bool aValidateReturnCode,
                     const std::string& aAuthorizationHeader, const std::string& aMimeType,
                     const std::string& aSoapAction);

  TDFeSSL& DFeSSL() const { return FpDFeSSL; }

  std::string DataReq;   // request body
  std::string DataResp;  // response body
  THttpHeader HeaderReq;
  THttpHeader HeaderResp;
  std::string URL;
  std::string Method;
  std::string MimeType;
  std::string SoapAction;
  int HTTPResultCode = 0;
  int InternalErrorCode = 0;

 protected:
  TDFeSSL& FpDFeSSL;
};

// Abstract XML signer.
class TDFeSSLXmlSignClass {
 public:
  explicit TDFeSSLXmlSignClass(TDFeSSL& aDFeSSL);
  virtual ~TDFeSSLXmlSignClass();
  TDFeSSLXmlSignClass(const TDFeSSLXmlSignClass&) = delete;
  TDFeSSLXmlSignClass& operator=(const TDFeSSLXmlSignClass&) = delete;

  virtual std::string ClassName() const { return "TDFeSSLXmlSignClass"; }

  virtual std::string Assinar(const std::string& conteudoXML, const std::string& docElement,
                              const std::string& infElement, const std::string& signatureNode,
                              const std::string& selectionNamespaces, const std::string& idSignature,
                              const std::string& idAttr, const std::string& idSignatureValue);
  virtual bool Validar(const std::string& conteudoXML, const std::string& arqSchema, std::string& msgErro);
  virtual bool VerificarAssinatura(const std::string& conteudoXML, std::string& msgErro, const std::string& infElement,
                                   const std::string& signatureNode, const std::string& selectionNamespaces,
                                   const std::string& idSignature, const std::string& idAttr);

  // Digest choice of a signed text, from its SignatureMethod algorithm.
  TSSLDgst DigestDaAssinatura(const std::string& conteudoXML) const;

  TDFeSSL& DFeSSL() const { return FpDFeSSL; }

 protected:
  TDFeSSL& FpDFeSSL;
};

template <class T, class Base>
std::unique_ptr<Base> CriarBackEnd(TDFeSSL& owner) {
  return std::make_unique<T>(owner);
}

// The back-end selection points, one per kind (ssl_*_factory.cpp): the class for a library
// choice, or ETrivoDFeException with the refusal text when that choice is not available.
TDFeSSLCryptClassClass ClasseSSLCrypt(TSSLCryptLib lib);
TDFeSSLHttpClassClass ClasseSSLHttp(TSSLHttpLib lib);
TDFeSSLXmlSignClassClass ClasseSSLXmlSign(TSSLXmlSignLib lib);

}  // namespace dfe
