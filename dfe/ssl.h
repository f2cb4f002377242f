#pragma once
// The security facade: certificates, digests and RSA signatures, XML signing and schema
// validation, HTTPS sending. Each service is delegated to a back end chosen by a setting;
// the abstract back-end classes below are what every back end derives from.
#include <openssl/types.h>

#include <functional>
#include <iosfwd>
#include <list>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "dfe/exceptions.h"
#include "dfe/http_header.h"
#include "dfe/masked_password.h"
#include "platform/date_time.h"

namespace dfe {

// Enumerations: ordinals are stored by the settings, so the order is fixed.
enum TSSLLib { libNone, libOpenSSL, libCapicom, libCapicomSoap, libWinCrypt, libCustom };
enum TSSLCryptLib { cryNone, cryOpenSSL, cryCapicom, cryWinCrypt };
enum TSSLHttpLib { httpNone, httpWinINet, httpWinHttp, httpOpenSSL, httpIndy };
enum TSSLXmlSignLib { xsNone, xsXmlSec, xsMsXml, xsMsXmlCapicom, xsLibXml2 };
enum TSSLDgst { dgstMD2, dgstMD4, dgstMD5, dgstRMD160, dgstSHA, dgstSHA1, dgstSHA256, dgstSHA512 };
enum TSSLHashOutput { outHexa, outBase64, outBinary };
enum TSSLStoreLocation { slMemory, slLocalMachine, slCurrentUser, slActiveDirectory, slSmartCard };
enum TSSLTipoCertificado { tpcDesconhecido, tpcA1, tpcA3 };
// TLS version choice.
enum TSSLType { LT_all, LT_SSLv2, LT_SSLv3, LT_TLSv1, LT_TLSv1_1, LT_TLSv1_2, LT_TLSv1_3, LT_SSHv2 };

// Value names as written in messages ("dgstRMD160", "LT_TLSv1_3", "cryWinCrypt", ...).
std::string SSLLibToStr(TSSLLib v);
std::string SSLCryptLibToStr(TSSLCryptLib v);
std::string SSLHttpLibToStr(TSSLHttpLib v);
std::string SSLXmlSignLibToStr(TSSLXmlSignLib v);
std::string SSLDgstToStr(TSSLDgst v);
std::string SSLTypeToStr(TSSLType v);

class TDFeSSL;

// The data of one certificate, filled by the cryptography back end.
class TDadosCertificado {
 public:
  // Empties every field but ThumbPrint and DataInicioValidade, which every load overwrites.
  void Clear();

  const std::string& SubjectName() const { return FSubjectName; }
  // A different value derives RazaoSocial and CNPJ.
  void SetSubjectName(const std::string& value);
  const std::string& IssuerName() const { return FIssuerName; }
  // A different value derives Certificadora.
  void SetIssuerName(const std::string& value);

  std::string ThumbPrint;
  std::string Certificadora;
  std::string CNPJ;
  platform::TDateTime DataVenc = 0;
  std::string NumeroSerie;
  std::string RazaoSocial;
  TSSLTipoCertificado Tipo = tpcDesconhecido;
  std::string DERBase64;
  platform::TDateTime DataInicioValidade = 0;

 private:
  std::string FSubjectName;
  std::string FIssuerName;
};

// Owning list of certificate records, indexed from 0.
class TListaCertificados {
 public:
  TDadosCertificado& New();
  void Add(std::unique_ptr<TDadosCertificado> item);
  TDadosCertificado& Objects(int index) const;  // throws std::out_of_range outside the list
  void SetObjects(int index, std::unique_ptr<TDadosCertificado> item);
  int Count() const { return static_cast<int>(FItems.size()); }
  void Clear() { FItems.clear(); }

 private:
  std::vector<std::unique_ptr<TDadosCertificado>> FItems;
};

// The loaded certificate as an HTTP back end presents it for client authentication: the
// certificate and its private key as OpenSSL objects (the HTTPS transport runs over OpenSSL).
// The cryptography back end owns both; they stay valid until it unloads the certificate.
struct TCertContext {
  X509* Certificado = nullptr;
  EVP_PKEY* ChavePrivada = nullptr;
};

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

// Class references: make a back end of one class for a facade.
using TDFeSSLCryptClassClass = std::unique_ptr<TDFeSSLCryptClass> (*)(TDFeSSL&);
using TDFeSSLHttpClassClass = std::unique_ptr<TDFeSSLHttpClass> (*)(TDFeSSL&);
using TDFeSSLXmlSignClassClass = std::unique_ptr<TDFeSSLXmlSignClass> (*)(TDFeSSL&);

template <class T, class Base>
std::unique_ptr<Base> CriarBackEnd(TDFeSSL& owner) {
  return std::make_unique<T>(owner);
}

// The back-end selection points, one per kind (ssl_*_factory.cpp): the class for a library
// choice, or ETrivoDFeException with the refusal text when that choice is not available.
TDFeSSLCryptClassClass ClasseSSLCrypt(TSSLCryptLib lib);
TDFeSSLHttpClassClass ClasseSSLHttp(TSSLHttpLib lib);
TDFeSSLXmlSignClassClass ClasseSSLXmlSign(TSSLXmlSignLib lib);

using TDFeSSLAntesDeAssinar = std::function<void(
    std::string& conteudoXML, const std::string& docElement, const std::string& infElement,
    const std::string& signatureNode, const std::string& selectionNamespaces, const std::string& idSignature)>;

class TDFeSendThread;

class TDFeSSL {
 public:
  TDFeSSL();
  virtual ~TDFeSSL();
  TDFeSSL(const TDFeSSL&) = delete;
  TDFeSSL& operator=(const TDFeSSL&) = delete;

  // Settings back to their values after creation; the three back ends become abstract again.
  void Clear();

  std::string Assinar(const std::string& conteudoXML, const std::string& docElement, const std::string& infElement,
                      const std::string& signatureNode = "", const std::string& selectionNamespaces = "",
                      const std::string& idSignature = "", const std::string& idAttr = "",
                      const std::string& idSignatureValue = "");
  bool Validar(const std::string& conteudoXML, const std::string& arqSchema, std::string& msgErro);
  bool VerificarAssinatura(const std::string& conteudoXML, std::string& msgErro, const std::string& infElement = "",
                           const std::string& signatureNode = "", const std::string& selectionNamespaces = "",
                           const std::string& idSignature = "", const std::string& idAttr = "");

  std::string Enviar(const std::string& conteudoXML, const std::string& aURL, const std::string& aSoapAction,
                     const std::string& aMimeType = "", const std::string& aAuthorizationHeader = "",
                     bool aValidateReturnCode = true);
  void HTTPMethod(const std::string& aMethod, const std::string& aURL);
  std::string HTTPGet(const std::string& aURL);
  std::string HTTPPost(const std::string& aDataToSend, const std::string& aURL);

  // Digest or signature; a null stream raises "Stream inválido", an empty one "Stream vazio".
  std::string CalcHash(std::istream* aStream, TSSLDgst digest, TSSLHashOutput modoSaida = outHexa, bool assina = false);
  std::string CalcHash(std::string_view binaryString, TSSLDgst digest, TSSLHashOutput modoSaida = outHexa,
                       bool assina = false);
  std::string CalcHash(const std::vector<std::string>& lista, TSSLDgst digest, TSSLHashOutput modoSaida = outHexa,
                       bool assina = false);
  std::string CalcHashArquivo(const std::string& nomeArquivo, TSSLDgst digest, TSSLHashOutput modoSaida = outHexa,
                              bool assina = false);
  bool ValidarHash(std::istream* aStream, TSSLDgst digest, const std::string& hash, bool assinado = false);
  bool ValidarHash(std::string_view binaryString, TSSLDgst digest, const std::string& hash, bool assinado = false);
  bool ValidarHash(const std::vector<std::string>& lista, TSSLDgst digest, const std::string& hash,
                   bool assinado = false);
  std::string CalcHMAC(std::string_view binaryString, std::string_view aKey, TSSLDgst digest);

  void CarregarCertificado();
  void CarregarCertificadoSeNecessario();
  void DescarregarCertificado();
  void LerCertificadosStore();
  std::string SelecionarCertificado();
  virtual bool CarregarCertificadoPublico(const std::string& dadosX509Base64);
  void ValidarCNPJCertificado(const std::string& cnpjDocumento);

  // Settings.
  TSSLCryptLib SSLCryptLib() const { return FSSLCryptLib; }
  void SetSSLCryptLib(TSSLCryptLib value);
  TSSLHttpLib SSLHttpLib() const { return FSSLHttpLib; }
  void SetSSLHttpLib(TSSLHttpLib value);
  TSSLXmlSignLib SSLXmlSignLib() const { return FSSLXmlSignLib; }
  void SetSSLXmlSignLib(TSSLXmlSignLib value);
  // Installs an HTTP back end of a class outside the library choices (SSLHttpLib stays);
  // timed sends make their own back end of that class too.
  void DefinirSSLHttpClass(TDFeSSLHttpClassClass classe);

  TSSLType SSLType() const { return FSSLType; }
  void SetSSLType(TSSLType value) { FSSLType = value; }
  TSSLDgst SSLDgst() const { return FSSLDgst; }
  void SetSSLDgst(TSSLDgst value) { FSSLDgst = value; }
  TSSLStoreLocation StoreLocation() const { return FStoreLocation; }
  void SetStoreLocation(TSSLStoreLocation value) { FStoreLocation = value; }
  const std::string& StoreName() const { return FStoreName; }
  void SetStoreName(const std::string& value) { FStoreName = value; }

  // The four certificate sources exclude each other (URLPFX and ArquivoPFX excepted: the
  // file caches the download).
  const std::string& URLPFX() const { return FURLPFX; }
  void SetURLPFX(const std::string& value);
  const std::string& ArquivoPFX() const { return FArquivoPFX; }
  void SetArquivoPFX(const std::string& value);
  const std::string& DadosPFX() const { return FDadosPFX; }
  void SetDadosPFX(const std::string& value);
  const std::string& NumeroSerie() const { return FNumeroSerie; }
  void SetNumeroSerie(const std::string& value);  // stored without blanks, upper case

  // Held masked in memory.
  std::string Senha() const;
  void SetSenha(const std::string& value);

  std::string ProxyHost, ProxyPort, ProxyUser, ProxyPass;
  int TimeOut = 5000;  // milliseconds; also the deadline of a timed send
  bool TimeOutPorThread = false;
  std::string NameSpaceURI;
  bool UseCertificateHTTP = true;
  TDFeSSLAntesDeAssinar AntesDeAssinar;

  // Read-only values.
  bool CertificadoLido() const;
  const TCertContext* CertContextWinApi();
  std::string CertNumeroSerie();
  platform::TDateTime CertDataVenc();
  std::string CertCertificadora();
  std::string CertIssuerName();
  std::string CertSubjectName();
  std::string CertRazaoSocial();
  std::string CertCNPJ();
  TSSLTipoCertificado CertTipo();
  TDadosCertificado& DadosCertificado() { return FSSLCryptClass->DadosCertificado(); }
  TListaCertificados& ListaCertificados() { return FSSLCryptClass->ListaCertificados(); }
  int HTTPResultCode() const { return FSSLHttpClass->HTTPResultCode; }
  int InternalErrorCode() const { return FSSLHttpClass->InternalErrorCode; }
  TDFeSSLCryptClass& SSLCryptClass() { return *FSSLCryptClass; }
  TDFeSSLHttpClass& SSLHttpClass() { return *FSSLHttpClass; }
  TDFeSSLXmlSignClass& SSLXmlSignClass() { return *FSSLXmlSignClass; }

 private:
  void ReapSendThreads(bool abortAll);

  TSSLCryptLib FSSLCryptLib = cryNone;
  TSSLHttpLib FSSLHttpLib = httpNone;
  TSSLXmlSignLib FSSLXmlSignLib = xsNone;
  TSSLType FSSLType = LT_TLSv1_2;
  TSSLDgst FSSLDgst = dgstSHA1;
  TSSLStoreLocation FStoreLocation = slCurrentUser;
  std::string FStoreName = "My";
  std::string FURLPFX, FArquivoPFX, FDadosPFX, FNumeroSerie;
  TSenhaMascarada FSenha;

  // Shared with every send thread, which may outlive a timed call that abandoned it.
  std::shared_ptr<std::mutex> FSendLock;
  // Abandoned send threads still running; joined before the facade goes away.
  std::list<std::unique_ptr<TDFeSendThread>> FAbandonedThreads;

  TDFeSSLHttpClassClass FSSLHttpClassClass = nullptr;
  std::unique_ptr<TDFeSSLCryptClass> FSSLCryptClass;
  std::unique_ptr<TDFeSSLHttpClass> FSSLHttpClass;
  std::unique_ptr<TDFeSSLXmlSignClass> FSSLXmlSignClass;
};

}  // namespace dfe
