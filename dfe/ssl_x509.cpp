#include "dfe/ssl_x509.h"

#include <openssl/asn1.h>
#include <openssl/crypto.h>
#include <openssl/err.h>
#include <openssl/evp.h>
#include <openssl/objects.h>
#include <openssl/x509.h>
#include <openssl/x509v3.h>

#include <ctime>

#include "platform/base64.h"
#include "platform/hex.h"
#include "platform/strings.h"

namespace dfe::x509 {

namespace {

// The text of the first other-name entry with that identifier: its string value without the
// tag and length in front (whatever string type the issuer chose), trimmed.
std::string OutroNome(const GENERAL_NAMES* nomes, std::string_view oid) {
  for (int i = 0; i < sk_GENERAL_NAME_num(nomes); ++i) {
    const GENERAL_NAME* gn = sk_GENERAL_NAME_value(nomes, i);
    if (gn->type != GEN_OTHERNAME) continue;
    char texto[64];
    OBJ_obj2txt(texto, sizeof texto, gn->d.otherName->type_id, 1);
    if (std::string_view(texto) != oid) continue;
    unsigned char* buf = nullptr;
    int len = i2d_ASN1_TYPE(gn->d.otherName->value, &buf);
    if (len <= 0) return {};
    std::string der(reinterpret_cast<const char*>(buf), static_cast<std::size_t>(len));
    OPENSSL_free(buf);
    switch (static_cast<unsigned char>(der[0])) {
      case V_ASN1_OCTET_STRING:
      case V_ASN1_UTF8STRING:
      case V_ASN1_PRINTABLESTRING:
      case V_ASN1_T61STRING:
      case V_ASN1_IA5STRING:
      case V_ASN1_VISIBLESTRING:
        der.erase(0, CabecalhoDER(der));
        break;
      default:
        break;
    }
    return platform::Trim(der);
  }
  return {};
}

}  // namespace

platform::TDateTime Data(const ASN1_TIME* t) {
  std::tm tm{};
  if (t == nullptr || ASN1_TIME_to_tm(t, &tm) != 1) return 0;
  return platform::FromUnixUtc(static_cast<std::int64_t>(timegm(&tm)));
}

std::string DER(X509* cert) {
  unsigned char* buf = nullptr;
  int len = i2d_X509(cert, &buf);
  if (len <= 0) return {};
  std::string out(reinterpret_cast<const char*>(buf), static_cast<std::size_t>(len));
  OPENSSL_free(buf);
  return out;
}

X509* DeDER(std::string_view der) {
  const auto* p = reinterpret_cast<const unsigned char*>(der.data());
  return d2i_X509(nullptr, &p, static_cast<long>(der.size()));
}

std::size_t CabecalhoDER(std::string_view der) {
  if (der.size() < 2) return 0;
  const auto b1 = static_cast<unsigned char>(der[1]);
  if (b1 < 0x80) return 2;
  std::size_t n = b1 & 0x7F;
  if (n == 0 || n > 4 || der.size() < 2 + n) return 0;
  return 2 + n;
}

std::string ThumbPrint(X509* cert) {
  unsigned char sha1[EVP_MAX_MD_SIZE];
  unsigned int len = 0;
  if (X509_digest(cert, EVP_sha1(), sha1, &len) != 1) return {};
  return platform::BytesToHex(std::string(reinterpret_cast<const char*>(sha1), len));
}

std::optional<std::string> CNPJDoNomeAlternativo(X509* cert) {
  const int idx = X509_get_ext_by_NID(cert, NID_subject_alt_name, -1);
  if (idx < 0) return std::string();
  auto* nomes = static_cast<GENERAL_NAMES*>(X509V3_EXT_d2i(X509_get_ext(cert, idx)));
  if (nomes == nullptr) return std::nullopt;
  std::string cnpj = platform::Copy(OutroNome(nomes, "2.16.76.1.3.3"), 1, 14);
  if (cnpj.empty()) cnpj = platform::Copy(OutroNome(nomes, "2.16.76.1.3.1"), 9, 11);
  GENERAL_NAMES_free(nomes);
  return cnpj;
}

void LerDadosCertificado(X509* cert, const TFormaBackEnd& forma, TSSLTipoCertificado tipo, TDadosCertificado& dados) {
  dados.Clear();
  dados.Tipo = tipo;
  dados.NumeroSerie = forma.NumeroSerie(cert);
  dados.ThumbPrint = ThumbPrint(cert);
  dados.SetSubjectName(forma.Nome(X509_get_subject_name(cert)));
  if (dados.CNPJ.empty()) {
    std::optional<std::string> cnpj = CNPJDoNomeAlternativo(cert);
    if (!cnpj) {
      if (forma.NomeAlternativoIlegivel) forma.NomeAlternativoIlegivel();
      ERR_clear_error();
    }
    dados.CNPJ = cnpj.value_or("");
  }
  dados.DataVenc = Data(X509_get0_notAfter(cert));
  dados.DataInicioValidade = Data(X509_get0_notBefore(cert));
  dados.SetIssuerName(forma.Nome(X509_get_issuer_name(cert)));
  dados.DERBase64 = platform::Base64Encode(DER(cert));
}

}  // namespace dfe::x509
