#include "dfe/ssl_crypt_nss.h"

#include <nss.h>
#include <openssl/err.h>
#include <openssl/evp.h>
#include <openssl/pkcs12.h>
#include <openssl/provider.h>
#include <openssl/rsa.h>
#include <openssl/x509.h>
#include <openssl/x509v3.h>
#include <secerr.h>

#include <cstdio>
#include <cstdlib>
#include <istream>
#include <mutex>
#include <vector>

#include "dfe/ssl_crypt_nss_key.h"
#include "dfe/ssl_crypt_nss_store.h"
#include "dfe/ssl_digests.h"
#include "dfe/ssl_x509.h"
#include "platform/base64.h"
#include "platform/cert_dialog.h"
#include "platform/date_time.h"
#include "platform/hex.h"
#include "platform/strings.h"

namespace dfe {

struct TDFeWinCrypt::TCarregado {
  X509* Cert = nullptr;
  EVP_PKEY* Key = nullptr;           // reached when the certificate is loaded; null for a public certificate
  STACK_OF(X509)* Cadeia = nullptr;  // the issuers the store or the PKCS#12 data hold
  nss::CertPtr NssCert;              // certificates of the store
  nss::SlotPtr Token;                // the token of a store certificate whose key is in hardware
  bool DeDadosPFX = false;
  TCertContext Ctx;

  explicit TCarregado(X509* cert) : Cert(cert) { Ctx.Certificado = cert; }
  TCarregado(const TCarregado&) = delete;
  TCarregado& operator=(const TCarregado&) = delete;
  ~TCarregado() {
    EVP_PKEY_free(Key);
    X509_free(Cert);
    sk_X509_pop_free(Cadeia, X509_free);
  }
  void SetKey(EVP_PKEY* k) {
    Key = k;
    Ctx.ChavePrivada = k;
  }
  void SetCadeia(STACK_OF(X509)* c) {
    Cadeia = c;
    Ctx.Cadeia = c;
  }
};

namespace {

// A failure inside digest or signature work, raised at the end with its code.
struct TFalha {
  std::string Msg;
  std::string Code;
};

constexpr const char* kNteBadAlgid = "80090008";

std::string Hex8(unsigned long v) {
  char buf[24];
  std::snprintf(buf, sizeof buf, "%08lX", v & 0xFFFFFFFFUL);
  return buf;
}

std::string CodigoOpenSSL() { return Hex8(ERR_get_error()); }

// PKCS#12 files exported by older systems use RC2 and 3DES, which OpenSSL keeps in its
// legacy provider; the default one must stay available next to it.
OSSL_PROVIDER* g_legacy = nullptr;
void CarregarProvedoresOpenSSL() {
  static std::once_flag once;
  std::call_once(once, [] {
    g_legacy = OSSL_PROVIDER_try_load(nullptr, "legacy", 1);
    // Runs before OpenSSL's own clean-up, which was registered when OpenSSL started.
    std::atexit([] { OSSL_PROVIDER_unload(g_legacy); });
  });
}

// The provider error texts, by what went wrong when reaching a key.
enum class ErroProvedor { NaoEncontrado, SemChave, Corrompida, Outro };

ETrivoDFeException ErroDeProvedor(ErroProvedor e, const std::string& code) {
  switch (e) {
    case ErroProvedor::NaoEncontrado:
      return ETrivoDFeException("Provedor de Criptografia não encontrado. Verifique a configuração do Certificado");
    case ErroProvedor::SemChave:
      return ETrivoDFeException("O recipiente da chave não pôde ser aberto");
    case ErroProvedor::Corrompida:
      return ETrivoDFeException("Estrutura de Chave obtida no Provedor de Criptografia está corrompida");
    default:
      return ETrivoDFeException("Falha em obter Provedor de Criptografia do Certificado. Erro: " + code);
  }
}

// The digests the Windows crypto providers offer, where SHA is SHA-1 and RIPEMD-160 is
// missing; null for the others.
const TLinhaDigest* DigestDoProvedor(TSSLDgst d) {
  if (d == dgstRMD160) return nullptr;
  return LinhaDigest(d == dgstSHA ? dgstSHA1 : d);
}

struct MdDeleter {
  void operator()(EVP_MD* m) const { EVP_MD_free(m); }
};
using MdPtr = std::unique_ptr<EVP_MD, MdDeleter>;

MdPtr BuscarDigest(TSSLDgst d) {
  CarregarProvedoresOpenSSL();
  MdPtr md(EVP_MD_fetch(nullptr, std::string(DigestDoProvedor(d)->NomeOpenSSL).c_str(), nullptr));
  if (!md) throw TFalha{"O Provedor de Criptografia não suporta o algoritmo: " + SSLDgstToStr(d), kNteBadAlgid};
  return md;
}

std::string Digerir(std::istream& s, const EVP_MD* md) {
  std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)> ctx(EVP_MD_CTX_new(), EVP_MD_CTX_free);
  if (!ctx || EVP_DigestInit_ex(ctx.get(), md, nullptr) != 1) throw TFalha{"CryptCreateHash", CodigoOpenSSL()};
  s.clear();
  s.seekg(0, std::ios::beg);
  std::vector<char> bloco(32768);
  while (s) {
    s.read(bloco.data(), static_cast<std::streamsize>(bloco.size()));
    std::streamsize n = s.gcount();
    if (n > 0 && EVP_DigestUpdate(ctx.get(), bloco.data(), static_cast<std::size_t>(n)) != 1)
      throw TFalha{"CryptHashData", CodigoOpenSSL()};
  }
  unsigned char out[EVP_MAX_MD_SIZE];
  unsigned int len = 0;
  if (EVP_DigestFinal_ex(ctx.get(), out, &len) != 1) throw TFalha{"CryptGetHashParam", CodigoOpenSSL()};
  return std::string(reinterpret_cast<const char*>(out), len);
}

// The issuers the databases know above a certificate, nearest first.
STACK_OF(X509)* CadeiaDoBanco(CERTCertificate* cert) {
  STACK_OF(X509)* cadeia = sk_X509_new_null();
  for (const auto& der : nss::IssuerChain(cert))
    if (X509* c = x509::DeDER(der); c != nullptr && sk_X509_push(cadeia, c) == 0) X509_free(c);
  return cadeia;
}

// The DER bytes NSS holds for a certificate.
std::string_view DerDe(const CERTCertificate* c) {
  return {reinterpret_cast<const char*>(c->derCert.data), c->derCert.len};
}

struct TNomeAtributo {
  int Nid;
  const char* Nome;
};
// The short names of the X.500 string form that the facade's derivations read.
constexpr TNomeAtributo kNomesAtributos[] = {
    {NID_commonName, "CN"},
    {NID_surname, "SN"},
    {NID_serialNumber, "SERIALNUMBER"},
    {NID_countryName, "C"},
    {NID_localityName, "L"},
    {NID_stateOrProvinceName, "S"},
    {NID_streetAddress, "STREET"},
    {NID_organizationName, "O"},
    {NID_organizationalUnitName, "OU"},
    {NID_title, "T"},
    {NID_givenName, "G"},
    {NID_initials, "I"},
    {NID_pkcs9_emailAddress, "E"},
    {NID_domainComponent, "DC"},
    {NID_description, "Description"},
    {NID_postalCode, "PostalCode"},
};

std::string NomeDoAtributo(const ASN1_OBJECT* obj) {
  const int nid = OBJ_obj2nid(obj);
  for (const auto& a : kNomesAtributos)
    if (a.Nid == nid) return a.Nome;
  char oid[128];
  OBJ_obj2txt(oid, sizeof oid, obj, 1);
  return std::string("OID.") + oid;
}

std::string ValorDoAtributo(const ASN1_STRING* data) {
  unsigned char* utf8 = nullptr;
  int len = ASN1_STRING_to_UTF8(&utf8, data);
  if (len < 0) {
    return "#" + platform::BytesToHex(std::string(reinterpret_cast<const char*>(ASN1_STRING_get0_data(data)),
                                                  static_cast<std::size_t>(ASN1_STRING_length(data))));
  }
  std::string v(reinterpret_cast<const char*>(utf8), static_cast<std::size_t>(len));
  OPENSSL_free(utf8);
  bool aspas = !v.empty() && (v.front() == ' ' || v.back() == ' ');
  for (char c : v)
    if (std::string_view(",+=\"\n<>#;").find(c) != std::string_view::npos) aspas = true;
  if (!aspas) return v;
  return "\"" + platform::StringReplace(v, "\"", "\"\"") + "\"";
}

// Relative names in encoded order, ", " between them and " + " inside a multi-valued one.
std::string NomeX500(const X509_NAME* name) {
  std::string out;
  int ultimoSet = -1;
  for (int i = 0; i < X509_NAME_entry_count(name); ++i) {
    const X509_NAME_ENTRY* e = X509_NAME_get_entry(name, i);
    const int set = X509_NAME_ENTRY_set(e);
    if (i > 0) out += set == ultimoSet ? " + " : ", ";
    ultimoSet = set;
    out += NomeDoAtributo(X509_NAME_ENTRY_get_object(e)) + "=" + ValorDoAtributo(X509_NAME_ENTRY_get_data(e));
  }
  return out;
}

// The serial text on which the PIN list is keyed; each entry is followed by ",".
std::mutex& ListaPINLock() {
  static std::mutex m;
  return m;
}
std::string& ListaPIN() {
  static std::string lista;
  return lista;
}
bool NaListaPIN(const std::string& serie) {
  std::lock_guard<std::mutex> lock(ListaPINLock());
  for (const auto& s : platform::Split(ListaPIN(), ','))
    if (s == serie) return true;
  return false;
}
void AdicionarNaListaPIN(const std::string& serie) {
  std::lock_guard<std::mutex> lock(ListaPINLock());
  ListaPIN() += serie + ",";
}
void RemoverDaListaPIN(const std::string& serie) {
  std::lock_guard<std::mutex> lock(ListaPINLock());
  std::string resto;
  for (const auto& s : platform::Split(ListaPIN(), ','))
    if (!s.empty() && s != serie) resto += s + ",";
  ListaPIN() = resto;
}

// Serial number bytes as encoded (sign byte included), most significant first.
std::string SerialCertificado(X509* cert) {
  if (cert == nullptr) return {};
  unsigned char* buf = nullptr;
  int len = i2d_ASN1_INTEGER(X509_get0_serialNumber(cert), &buf);
  if (len <= 0) return {};
  std::string der(reinterpret_cast<const char*>(buf), static_cast<std::size_t>(len));
  OPENSSL_free(buf);
  der.erase(0, x509::CabecalhoDER(der));
  return platform::Trim(platform::BytesToHex(der));
}

[[noreturn]] void ExtensaoIlegivel() {
  throw ETrivoDFeException("GetCertExtensionName: Falha ao executar \"CryptDecodeObject\". Erro:" + CodigoOpenSSL());
}

// Names in X.500 string form, the serial with its sign byte.
constexpr x509::TFormaBackEnd kFormaWinCrypt{&NomeX500, &SerialCertificado, &ExtensaoIlegivel};

// The record of a certificate; the type says where its key is.
void LerDadosCertificado(X509* cert, TDadosCertificado& dados, TSSLTipoCertificado tipo) {
  x509::LerDadosCertificado(cert, kFormaWinCrypt, tipo, dados);
}

}  // namespace

TDFeWinCrypt::TDFeWinCrypt(TDFeSSL& aDFeSSL) : TDFeSSLCryptClass(aDFeSSL) { Clear(); }

TDFeWinCrypt::~TDFeWinCrypt() { DescarregarCertificado(); }

const TCertContext* TDFeWinCrypt::Certificado() const { return FCarregado ? &FCarregado->Ctx : nullptr; }

void TDFeWinCrypt::AbrirStore() {
  if (FStore != nullptr) return;
  const TSSLStoreLocation local = FpDFeSSL.StoreLocation();
  const std::string location =
      local == slLocalMachine ? nss::LocalMachineDatabaseLocation() : nss::UserDatabaseLocation();
  // Only the personal store has a stand-in: the database's certificates with a private key.
  nss::Database* db = platform::SameText(FpDFeSSL.StoreName(), "My") ? nss::Database::Open(location) : nullptr;
  if (db == nullptr)
    throw ETrivoDFeException("TDFeWinCrypt. Erro ao abrir StoreName: " + FpDFeSSL.StoreName() +
                             " Location: " + std::to_string(static_cast<int>(local)));
  FStore = db;
}

const TCertContext* TDFeWinCrypt::CertContextWinApi() {
  if (!FCarregado) CarregarCertificadoSeNecessario();
  return FCarregado ? &FCarregado->Ctx : nullptr;
}

EVP_PKEY* TDFeWinCrypt::ChavePrivada() {
  if (FCarregado->Key != nullptr) return FCarregado->Key;
  if (!FCarregado->NssCert) throw ErroDeProvedor(ErroProvedor::SemChave, {});
  if (FCarregado->Token && !PK11_IsPresent(FCarregado->Token.get()))
    throw ErroDeProvedor(ErroProvedor::NaoEncontrado, {});
  nss::PinArg pin{FpDFeSSL.Senha(), true};
  nss::KeyPtr key = nss::FindPrivateKey(FCarregado->NssCert.get(), &pin);
  if (!key) {
    const int erro = PORT_GetError();
    if (erro == SEC_ERROR_LOCKED_PASSWORD || (pin.Presented && erro == SEC_ERROR_BAD_PASSWORD))
      nss::CheckPinError(erro, false);
    throw ErroDeProvedor(ErroProvedor::SemChave, {});
  }
  EVP_PKEY* evp = nss::OpenSSLKeyOverNss(key.get(), FCarregado->Cert);
  if (evp == nullptr) throw ErroDeProvedor(ErroProvedor::Outro, nss::LastErrorCode());
  FCarregado->SetKey(evp);
  return evp;
}

std::string TDFeWinCrypt::CertPFXData() {
  if (!FPFXExportado.empty()) return FPFXExportado;
  CarregarCertificadoSeNecessario();
  FPFXExportado = !FpDFeSSL.DadosPFX().empty() ? FpDFeSSL.DadosPFX() : ExportarPFX();
  return FPFXExportado;
}

std::string TDFeWinCrypt::ExportarPFX() {
  if (!FCarregado) throw ETrivoDFeException("Certificado Digital não Carregado!");
  const ETrivoDFeExceptionNoPrivateKey semChave("Certificado não permite Exportar Chave Privada.");
  // A token never lets its key out; a public certificate has none.
  if (FCarregado->Token || !FCarregado->NssCert) throw semChave;
  nss::PinArg pin{FpDFeSSL.Senha(), true};
  nss::KeyPtr key = nss::FindPrivateKey(FCarregado->NssCert.get(), &pin);
  const std::string pkcs8 = key ? nss::ExportPrivateKey(key.get(), &pin) : std::string();
  if (pkcs8.empty()) throw semChave;

  const auto* p = reinterpret_cast<const unsigned char*>(pkcs8.data());
  PKCS8_PRIV_KEY_INFO* info = d2i_PKCS8_PRIV_KEY_INFO(nullptr, &p, static_cast<long>(pkcs8.size()));
  EVP_PKEY* evp = info != nullptr ? EVP_PKCS82PKEY(info) : nullptr;
  PKCS8_PRIV_KEY_INFO_free(info);
  if (evp == nullptr) throw semChave;

  CarregarProvedoresOpenSSL();
  const std::string senha = FpDFeSSL.Senha();
  PKCS12* p12 = PKCS12_create(senha.c_str(), nullptr, evp, FCarregado->Cert, FCarregado->Cadeia, 0, 0, 0, 0, 0);
  const std::string codigo = CodigoOpenSSL();
  EVP_PKEY_free(evp);
  unsigned char* buf = nullptr;
  int len = p12 != nullptr ? i2d_PKCS12(p12, &buf) : 0;
  PKCS12_free(p12);
  if (len <= 0) throw ETrivoDFeException("ExportCertStoreToPFXData: Falha em \"PFXExportCertStoreEx\" Erro: " + codigo);
  std::string out(reinterpret_cast<const char*>(buf), static_cast<std::size_t>(len));
  OPENSSL_free(buf);
  return out;
}

void TDFeWinCrypt::CarregarCertificadoDeDadosPFX() {
  CarregarProvedoresOpenSSL();
  const std::string dados = FpDFeSSL.DadosPFX();
  const auto* p = reinterpret_cast<const unsigned char*>(dados.data());
  std::unique_ptr<PKCS12, decltype(&PKCS12_free)> p12(d2i_PKCS12(nullptr, &p, static_cast<long>(dados.size())),
                                                      PKCS12_free);
  if (!p12) throw ETrivoDFeException("PFXDataToCertContextWinApi: DadosPFX informado não são válidos");

  const std::string senha = FpDFeSSL.Senha();
  const char* pass = senha.c_str();
  if (PKCS12_mac_present(p12.get()) && PKCS12_verify_mac(p12.get(), pass, -1) != 1) {
    // An empty password may have been applied as no password at all.
    if (senha.empty() && PKCS12_verify_mac(p12.get(), nullptr, 0) == 1)
      pass = nullptr;
    else
      throw ETrivoDFeException("PFXDataToCertContextWinApi: Senha informada está errada");
  }

  EVP_PKEY* key = nullptr;
  X509* cert = nullptr;
  STACK_OF(X509)* ca = nullptr;
  if (PKCS12_parse(p12.get(), pass, &key, &cert, &ca) != 1)
    throw ETrivoDFeException("PFXDataToCertContextWinApi: Falha em \"PFXImportCertStore\" Erro: " + CodigoOpenSSL());
  if (key == nullptr || cert == nullptr || X509_check_private_key(cert, key) != 1) {
    EVP_PKEY_free(key);
    X509_free(cert);
    sk_X509_pop_free(ca, X509_free);
    ERR_clear_error();
    throw ETrivoDFeException("PFXDataToCertContextWinApi: Falha ao localizar o Certificado com a Chave Privada.");
  }
  FCarregado = std::make_unique<TCarregado>(cert);
  FCarregado->SetKey(key);
  FCarregado->SetCadeia(ca);
  FCarregado->DeDadosPFX = true;
}

void TDFeWinCrypt::CarregarCertificadoDeNumeroSerie() {
  AbrirStore();
  const std::string serie = FpDFeSSL.NumeroSerie();
  for (auto& c : FStore->UserCertificates()) {
    X509* x = x509::DeDER(DerDe(c.get()));
    if (x == nullptr) continue;
    if (SerialCertificado(x) != serie) {
      X509_free(x);
      continue;
    }
    FCarregado = std::make_unique<TCarregado>(x);
    FCarregado->Token = nss::TokenSlot(c.get());
    FCarregado->SetCadeia(CadeiaDoBanco(c.get()));
    FCarregado->NssCert = std::move(c);
    return;
  }
  throw ETrivoDFeException("Certificado Série: \"" + serie + "\", não encontrado!");
}

void TDFeWinCrypt::AposCarregarCertificado() {
  if (!FCarregado || FCarregado->Cert == nullptr) throw ETrivoDFeException("Certificado Digital não Carregado!");
  try {
    // A1: the key is in the software database or in PKCS#12 data; A3: on a token.
    LerDadosCertificado(FCarregado->Cert, *FpDadosCertificado, FCarregado->Token ? tpcA3 : tpcA1);
    DefinirPINSeNecessario();
    // The key is reached now, so that a wrong PIN, a missing token or a key that cannot be
    // opened shows when the certificate is chosen, not at the first signature or send.
    if (FCarregado) ChavePrivada();
  } catch (...) {
    DescarregarCertificado();  // a failed load leaves nothing half loaded
    throw;
  }
  FpCertificadoLido = true;
}

void TDFeWinCrypt::DefinirPINSeNecessario() {
  if (FpDadosCertificado->Tipo != tpcA3) return;
  const std::string senha = FpDFeSSL.Senha();
  const std::string serie = FpDadosCertificado->NumeroSerie;
  if (senha.empty() || NaListaPIN(serie)) return;
  try {
    DefinirPINCertificado(senha, false);
  } catch (const ETrivoDFeException&) {
    // The next attempt must not present a wrong PIN again by itself.
    FpDFeSSL.SetSenha("");
    throw;
  }
  AdicionarNaListaPIN(serie);
}

void TDFeWinCrypt::DefinirPINCertificado(const std::string& pin, bool raiseGeneral) {
  if (!FCarregado || !FCarregado->Token) return;
  nss::SetTokenPin(FCarregado->Token.get(), pin, raiseGeneral);
}

std::string TDFeWinCrypt::Versao() { return std::string("libnss3.so ") + NSS_GetVersion(); }

std::string TDFeWinCrypt::CalcHash(std::istream& aStream, TSSLDgst digest, bool assina) {
  if (DigestDoProvedor(digest) == nullptr)
    throw ETrivoDFeException("Digest " + SSLDgstToStr(digest) + " não suportado em " + ClassName());
  try {
    EVP_PKEY* key = nullptr;
    if (assina) {
      CarregarCertificadoSeNecessario();
      if (!FCarregado || FCarregado->Cert == nullptr)
        throw TFalha{"Certificado não pode ser carregado po MS CryptoAPI", nss::LastErrorCode()};
      key = ChavePrivada();
    }
    MdPtr md = BuscarDigest(digest);
    std::string hash = Digerir(aStream, md.get());
    if (!assina) return hash;

    std::unique_ptr<EVP_PKEY_CTX, decltype(&EVP_PKEY_CTX_free)> ctx(EVP_PKEY_CTX_new(key, nullptr), EVP_PKEY_CTX_free);
    std::size_t len = 0;
    const auto* h = reinterpret_cast<const unsigned char*>(hash.data());
    if (!ctx || EVP_PKEY_sign_init(ctx.get()) != 1 || EVP_PKEY_CTX_set_rsa_padding(ctx.get(), RSA_PKCS1_PADDING) != 1 ||
        EVP_PKEY_CTX_set_signature_md(ctx.get(), md.get()) != 1 ||
        EVP_PKEY_sign(ctx.get(), nullptr, &len, h, hash.size()) != 1)
      throw TFalha{"CryptSignHash", CodigoOpenSSL()};
    std::string sig(len, '\0');
    if (EVP_PKEY_sign(ctx.get(), reinterpret_cast<unsigned char*>(sig.data()), &len, h, hash.size()) != 1) {
      const int nssErr = PORT_GetError();
      ERR_clear_error();
      throw TFalha{"CryptSignHash", nss::ErrorCode(nssErr)};
    }
    // As long as the modulus, leading zero bytes included: shorter ones fail verification
    // at every receiver that checks the length (RFC 8017).
    sig.resize(len);
    return sig;
  } catch (const TFalha& f) {
    throw ETrivoDFeException(f.Msg + " , erro: $" + f.Code);
  } catch (const ETrivoDFeException& e) {
    throw ETrivoDFeException(std::string(e.what()) + " , erro: $" + nss::LastErrorCode());
  }
}

bool TDFeWinCrypt::ValidarHash(std::istream& aStream, TSSLDgst digest, const std::string& hash, bool assinado) {
  if (DigestDoProvedor(digest) == nullptr)
    throw ETrivoDFeException("Digest " + SSLDgstToStr(digest) + " não suportado em " + ClassName());
  try {
    if (assinado && !FCarregado) CarregarCertificadoSeNecessario();
    MdPtr md = BuscarDigest(digest);
    const std::string calculado = Digerir(aStream, md.get());
    if (!assinado) return hash.find(calculado) != std::string::npos;

    EVP_PKEY* pub = FCarregado ? X509_get0_pubkey(FCarregado->Cert) : nullptr;
    if (pub == nullptr) throw TFalha{"CryptImportPublicKeyInfo", CodigoOpenSSL()};
    // A signature that lost leading zero bytes is whole again with them.
    std::string sig = hash;
    const auto tamanho = static_cast<std::size_t>(EVP_PKEY_get_size(pub));
    if (sig.size() < tamanho) sig.insert(0, tamanho - sig.size(), '\0');
    std::unique_ptr<EVP_PKEY_CTX, decltype(&EVP_PKEY_CTX_free)> ctx(EVP_PKEY_CTX_new(pub, nullptr), EVP_PKEY_CTX_free);
    if (!ctx || EVP_PKEY_verify_init(ctx.get()) != 1 ||
        EVP_PKEY_CTX_set_rsa_padding(ctx.get(), RSA_PKCS1_PADDING) != 1 ||
        EVP_PKEY_CTX_set_signature_md(ctx.get(), md.get()) != 1)
      throw TFalha{"CryptVerifySignature", CodigoOpenSSL()};
    const bool ok = EVP_PKEY_verify(ctx.get(), reinterpret_cast<const unsigned char*>(sig.data()), sig.size(),
                                    reinterpret_cast<const unsigned char*>(calculado.data()), calculado.size()) == 1;
    ERR_clear_error();
    return ok;
  } catch (const TFalha& f) {
    throw ETrivoDFeException(f.Msg + " , erro: $" + f.Code);
  } catch (const ETrivoDFeException& e) {
    throw ETrivoDFeException(std::string(e.what()) + " , erro: $" + nss::LastErrorCode());
  }
}

void TDFeWinCrypt::DescarregarCertificado() {
  const std::string serie = FpDadosCertificado->NumeroSerie;
  if (!serie.empty() && NaListaPIN(serie)) {
    try {
      DefinirPINCertificado("", true);
    } catch (const std::exception&) {
      // The token may be gone already; the list entry goes anyway.
    }
    RemoverDaListaPIN(serie);
  }
  FCarregado.reset();
  FStore = nullptr;
  FPFXExportado.clear();
  TDFeSSLCryptClass::DescarregarCertificado();
}

std::string TDFeWinCrypt::SelecionarCertificado() {
  DescarregarCertificado();
  AbrirStore();
  std::vector<platform::CertificateRow> linhas;
  for (auto& c : FStore->UserCertificates()) {
    X509* x = x509::DeDER(DerDe(c.get()));
    if (x == nullptr) continue;
    TDadosCertificado dados;
    LerDadosCertificado(x, dados, tpcDesconhecido);
    X509_free(x);
    linhas.push_back({dados.NumeroSerie, dados.RazaoSocial.empty() ? dados.SubjectName() : dados.RazaoSocial,
                      platform::FormatDateTime("dd/mm/yyyy", dados.DataVenc)});
  }
  std::string serie =
      platform::ChooseCertificate("Selecione um Certificado", "Selecione o Certificado que deseja utilizar:", linhas);
  DescarregarCertificado();
  if (serie.empty()) return {};
  FpDFeSSL.SetNumeroSerie(serie);
  CarregarCertificado();
  return FpDFeSSL.NumeroSerie();
}

void TDFeWinCrypt::LerCertificadosStore() {
  FpListaCertificados->Clear();
  const bool abriu = FStore == nullptr;
  AbrirStore();
  for (auto& c : FStore->UserCertificates()) {
    if (X509* x = x509::DeDER(DerDe(c.get()))) {
      LerDadosCertificado(x, FpListaCertificados->New(), tpcDesconhecido);
      X509_free(x);
    }
  }
  if (abriu) FStore = nullptr;
}

bool TDFeWinCrypt::CarregarCertificadoPublico(const std::string& dadosX509Base64) {
  DescarregarCertificado();
  const auto der = platform::Base64Decode(dadosX509Base64);
  if (!der || der->empty()) return false;
  X509* x = x509::DeDER(*der);
  if (x == nullptr) {
    ERR_clear_error();
    return false;
  }
  FCarregado = std::make_unique<TCarregado>(x);
  LerDadosCertificado(x, *FpDadosCertificado, tpcDesconhecido);
  return !FpDadosCertificado->SubjectName().empty();
}

}  // namespace dfe
