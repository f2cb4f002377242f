#include "dfe/ssl_crypt_openssl.h"

#include <openssl/asn1.h>
#include <openssl/bio.h>
#include <openssl/crypto.h>
#include <openssl/err.h>
#include <openssl/evp.h>
#include <openssl/pkcs12.h>
#include <openssl/x509.h>
#include <openssl/x509v3.h>

#include <cstdio>
#include <istream>
#include <memory>
#include <utility>
#include <vector>

#include "dfe/ssl_digests.h"
#include "dfe/ssl_x509.h"
#include "platform/base64.h"
#include "platform/date_time.h"
#include "platform/hex.h"
#include "platform/strings.h"

namespace dfe {

namespace {

struct BioFree {
  void operator()(BIO* b) const { BIO_free(b); }
};
using BioPtr = std::unique_ptr<BIO, BioFree>;

std::string ImprimirNome(const X509_NAME* nome) {
  // Parts joined by ", ", "+" within one entry; text as UTF-8.
  BioPtr bio(BIO_new(BIO_s_mem()));
  X509_NAME_print_ex(bio.get(), nome, 0, XN_FLAG_SEP_CPLUS_SPC | ASN1_STRFLGS_UTF8_CONVERT);
  std::string out;
  char buf[1024];
  int n;
  while ((n = BIO_read(bio.get(), buf, sizeof buf)) > 0) out.append(buf, static_cast<std::size_t>(n));
  return out;
}

// The serial number's content bytes in hexadecimal, without the sign byte of the encoding.
std::string SerialSemSinal(X509* cert) {
  const ASN1_INTEGER* serial = X509_get0_serialNumber(cert);
  return platform::BytesToHex(
      std::string(reinterpret_cast<const char*>(ASN1_STRING_get0_data(serial)), ASN1_STRING_length(serial)));
}

constexpr x509::TFormaBackEnd kFormaOpenSSL{&ImprimirNome, &SerialSemSinal, nullptr};

// Linked directly: "loading" is the library's initialisation.
bool OpenSSLCarregado() { return OPENSSL_init_crypto(0, nullptr) == 1; }

}  // namespace

std::string TextoErroOpenSSL() {
  unsigned long code = ERR_get_error();
  char buf[1024];
  ERR_error_string_n(code, buf, sizeof buf);
  // Later entries of the queue belong to this failure too; none may leak into the next one.
  ERR_clear_error();
  char out[1200];
  std::snprintf(out, sizeof out, "Error: %lu - %s", code, buf);
  return out;
}

TDFeOpenSSL::TDFeOpenSSL(TDFeSSL& aDFeSSL) : TDFeSSLCryptClass(aDFeSSL) { Clear(); }

TDFeOpenSSL::~TDFeOpenSSL() { DescarregarCertificado(); }

void TDFeOpenSSL::Clear() {
  TDFeSSLCryptClass::Clear();
  FVersion.clear();
  FOldVersion = false;
}

std::string TDFeOpenSSL::Versao() {
  if (!OpenSSLCarregado()) return "Erro ao carregar bibliotecas do OpenSSL";
  return OpenSSLVersion();
}

bool TDFeOpenSSL::OpenSSLOldVersion() {
  if (FVersion.empty()) {
    unsigned long n = OpenSSL_version_num();
    if (n == 0) {
      std::string texto = OpenSSL_version(OPENSSL_VERSION);
      auto b1 = texto.find(' ');
      std::string resto = b1 == std::string::npos ? std::string() : texto.substr(b1 + 1);
      FVersion = platform::Trim(resto.substr(0, resto.find(' ')));
    } else {
      char hex[32];
      std::snprintf(hex, sizeof hex, "%09lX", n);
      std::string h = hex;
      FVersion = h.substr(0, 2) + "." + h.substr(2, 2) + "." + h.substr(4, 2) + "." + h.substr(6, 3);
    }
    // Parts compared as numbers, so "01" equals "1".
    auto partes = platform::Split(FVersion, '.');
    const long long referencia[] = {1, 1, 0};
    FOldVersion = false;
    for (std::size_t i = 0; i < 3; ++i) {
      long long v = i < partes.size() ? platform::StrToInt64Def(partes[i], 0) : 0;
      if (v != referencia[i]) {
        FOldVersion = v < referencia[i];
        break;
      }
    }
  }
  return FOldVersion;
}

std::string TDFeOpenSSL::OpenSSLVersion() {
  OpenSSLOldVersion();
  return OpenSSL_version(OPENSSL_VERSION);
}

void TDFeOpenSSL::CarregarCertificadoDeDadosPFX() {
  if (!OpenSSLCarregado()) throw ETrivoDFeException("Erro ao carregar bibliotecas do OpenSSL");
  if (!CarregarPFX(FpDFeSSL.DadosPFX())) {
    std::string erro = TextoErroOpenSSL();
    throw ETrivoDFeException("Erro ao ler informações do Certificado.\r\nProvavelmente a senha está errada\r\n" + erro);
  }
}

bool TDFeOpenSSL::CarregarPFX(const std::string& dadosPFX) {
  EVP_PKEY_free(FPrivKey);
  FPrivKey = nullptr;
  ERR_clear_error();
  BioPtr bio(BIO_new_mem_buf(dadosPFX.data(), static_cast<int>(dadosPFX.size())));
  PKCS12* p12 = d2i_PKCS12_bio(bio.get(), nullptr);
  if (p12 == nullptr) return false;
  X509_free(FCert);
  FCert = nullptr;
  sk_X509_pop_free(FCadeia, X509_free);
  FCadeia = nullptr;
  STACK_OF(X509)* ca = nullptr;
  const std::string senha = FpDFeSSL.Senha();
  bool ok = PKCS12_parse(p12, senha.c_str(), &FPrivKey, &FCert, &ca) > 0 && FCert != nullptr;
  if (ok) {
    LerDadosCertificado();
    FCadeia = std::exchange(ca, nullptr);  // the intermediates go with the certificate in TLS
  }
  PKCS12_free(p12);
  sk_X509_pop_free(ca, X509_free);
  return ok;
}

bool TDFeOpenSSL::CarregarCertificadoPublico(const std::string& dadosX509Base64) {
  DescarregarCertificado();
  auto der = platform::Base64Decode(dadosX509Base64);
  if (!der || der->empty()) return false;
  FCert = x509::DeDER(*der);
  if (FCert == nullptr) {
    ERR_clear_error();
    return false;
  }
  LerDadosCertificado();
  return true;
}

void TDFeOpenSSL::LerDadosCertificado() { x509::LerDadosCertificado(FCert, kFormaOpenSSL, tpcA1, *FpDadosCertificado); }

void TDFeOpenSSL::DescarregarCertificado() {
  EVP_PKEY_free(FPrivKey);
  X509_free(FCert);
  sk_X509_pop_free(FCadeia, X509_free);
  FPrivKey = nullptr;
  FCert = nullptr;
  FCadeia = nullptr;
  FCertContext = {};
  TDFeSSLCryptClass::DescarregarCertificado();
}

const TCertContext* TDFeOpenSSL::CertContextWinApi() {
  CarregarCertificadoSeNecessario();
  if (FCert == nullptr) return nullptr;
  FCertContext.Certificado = FCert;
  FCertContext.ChavePrivada = FPrivKey;
  FCertContext.Cadeia = FCadeia;
  return &FCertContext;
}

EVP_MD_CTX* TDFeOpenSSL::IniciarDigest(std::istream& aStream, TSSLDgst digest) {
  const TLinhaDigest* linha = LinhaDigest(digest);
  const std::string name = linha ? std::string(linha->NomeOpenSSL) : SSLDgstToStr(digest);
  aStream.clear();
  aStream.seekg(0);
  const EVP_MD* md = EVP_get_digestbyname(name.c_str());
  if (md == nullptr) throw ETrivoDFeException("Erro ao carregar Digest: " + name + "\r\n" + TextoErroOpenSSL());
  EVP_MD_CTX* ctx = EVP_MD_CTX_new();
  if (EVP_DigestInit(ctx, md) != 1) {
    EVP_MD_CTX_free(ctx);
    throw ETrivoDFeException("Erro ao carregar Digest: " + name + "\r\n" + TextoErroOpenSSL());
  }
  std::vector<char> buffer(32768);
  while (aStream) {
    aStream.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
    auto lidos = aStream.gcount();
    if (lidos <= 0) break;
    EVP_DigestUpdate(ctx, buffer.data(), static_cast<std::size_t>(lidos));
  }
  return ctx;
}

std::string TDFeOpenSSL::CalcHash(std::istream& aStream, TSSLDgst digest, bool assina) {
  if (assina && FPrivKey == nullptr) CarregarCertificado();
  std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)> ctx(IniciarDigest(aStream, digest), &EVP_MD_CTX_free);
  std::string out;
  if (assina) {
    if (FPrivKey == nullptr) throw ETrivoDFeException("Certificado sem chave privada");
    // Always the length of the modulus: a leading zero byte is part of the signature.
    out.resize(static_cast<std::size_t>(EVP_PKEY_get_size(FPrivKey)));
    unsigned int len = 0;
    if (EVP_SignFinal(ctx.get(), reinterpret_cast<unsigned char*>(out.data()), &len, FPrivKey) != 1)
      throw ETrivoDFeException("Erro ao assinar: " + TextoErroOpenSSL());
    out.resize(len);
  } else {
    unsigned char md[EVP_MAX_MD_SIZE];
    unsigned int len = 0;
    EVP_DigestFinal(ctx.get(), md, &len);
    out.assign(reinterpret_cast<char*>(md), len);
  }
  return out;
}

bool TDFeOpenSSL::ValidarHash(std::istream& aStream, TSSLDgst digest, const std::string& hash, bool assinado) {
  if (assinado && FCert == nullptr) CarregarCertificado();
  std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)> ctx(IniciarDigest(aStream, digest), &EVP_MD_CTX_free);
  if (assinado) {
    EVP_PKEY* pub = X509_get_pubkey(FCert);
    int r = EVP_VerifyFinal(ctx.get(), reinterpret_cast<const unsigned char*>(hash.data()),
                            static_cast<unsigned int>(hash.size()), pub);
    EVP_PKEY_free(pub);
    ERR_clear_error();
    return r == 1;
  }
  unsigned char md[EVP_MAX_MD_SIZE];
  unsigned int len = 0;
  EVP_DigestFinal(ctx.get(), md, &len);
  return hash.find(std::string(reinterpret_cast<char*>(md), len)) != std::string::npos;
}

}  // namespace dfe
