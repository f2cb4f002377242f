#pragma once
// The security facade: certificates, digests and RSA signatures, XML signing and schema
// validation, HTTPS sending. Each service is delegated to a back end chosen by a setting
// (dfe/ssl_backends.h).
#include <openssl/types.h>

#include <functional>
#include <initializer_list>
#include <iosfwd>
#include <list>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "dfe/exceptions.h"
#include "dfe/masked_password.h"
#include "platform/date_time.h"

// OpenSSL's list of certificates, declared outside any namespace as OpenSSL declares it.
struct stack_st_X509;

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
// certificate, its private key and the issuers the store or PKCS#12 data hold for it, as
// OpenSSL objects (the HTTPS transport runs over OpenSSL). The issuers go with the
// certificate in the handshake, so a server that lacks an intermediate still accepts it. The
// cryptography back end owns them all; they stay valid until it unloads the certificate.
struct TCertContext {
  X509* Certificado = nullptr;
  EVP_PKEY* ChavePrivada = nullptr;
  STACK_OF(X509)* Cadeia = nullptr;  // nearest issuer first; null when none is known
};

// The back ends, declared in dfe/ssl_backends.h: code that only signs, validates or sends
// does not see them.
class TDFeSSLCryptClass;
class TDFeSSLHttpClass;
class TDFeSSLXmlSignClass;

// Class references: make a back end of one class for a facade.
using TDFeSSLCryptClassClass = std::unique_ptr<TDFeSSLCryptClass> (*)(TDFeSSL&);
using TDFeSSLHttpClassClass = std::unique_ptr<TDFeSSLHttpClass> (*)(TDFeSSL&);
using TDFeSSLXmlSignClassClass = std::unique_ptr<TDFeSSLXmlSignClass> (*)(TDFeSSL&);

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

  // Settings back to their values after creation, the handler before signing included; the
  // three back ends become abstract again.
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
  TDadosCertificado& DadosCertificado();
  TListaCertificados& ListaCertificados();
  int HTTPResultCode() const;
  int InternalErrorCode() const;
  TDFeSSLCryptClass& SSLCryptClass() { return *FSSLCryptClass; }
  TDFeSSLHttpClass& SSLHttpClass() { return *FSSLHttpClass; }
  TDFeSSLXmlSignClass& SSLXmlSignClass() { return *FSSLXmlSignClass; }

 private:
  void ReapSendThreads(bool abortAll);
  // Sets a certificate source: a non-empty one empties the sources it excludes; any change
  // unloads the certificate.
  void DefinirFonte(std::string& fonte, const std::string& valor, std::initializer_list<std::string*> excluidas);

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
