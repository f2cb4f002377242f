// Certificate record and list, and the names of the facade's enumeration values.
#include <array>
#include <stdexcept>
#include <string_view>

#include "dfe/ssl.h"
#include "dfe/ssl_digests.h"
#include "platform/strings.h"
#include "platform/tax_numbers.h"
#include "platform/text_utils.h"

namespace dfe {

namespace {

template <std::size_t N>
std::string NameOf(int v, const std::array<std::string_view, N>& names) {
  if (v < 0 || static_cast<std::size_t>(v) >= N) return std::to_string(v);
  return std::string(names[static_cast<std::size_t>(v)]);
}

constexpr std::array<std::string_view, 6> kLib{"libNone",        "libOpenSSL",  "libCapicom",
                                               "libCapicomSoap", "libWinCrypt", "libCustom"};
constexpr std::array<std::string_view, 4> kCrypt{"cryNone", "cryOpenSSL", "cryCapicom", "cryWinCrypt"};
constexpr std::array<std::string_view, 5> kHttp{"httpNone", "httpWinINet", "httpWinHttp", "httpOpenSSL", "httpIndy"};
constexpr std::array<std::string_view, 5> kXmlSign{"xsNone", "xsXmlSec", "xsMsXml", "xsMsXmlCapicom", "xsLibXml2"};
constexpr std::array<std::string_view, 8> kType{"LT_all",     "LT_SSLv2",   "LT_SSLv3",   "LT_TLSv1",
                                                "LT_TLSv1_1", "LT_TLSv1_2", "LT_TLSv1_3", "LT_SSHv2"};

}  // namespace

std::string SSLLibToStr(TSSLLib v) { return NameOf(v, kLib); }
std::string SSLCryptLibToStr(TSSLCryptLib v) { return NameOf(v, kCrypt); }
std::string SSLHttpLibToStr(TSSLHttpLib v) { return NameOf(v, kHttp); }
std::string SSLXmlSignLibToStr(TSSLXmlSignLib v) { return NameOf(v, kXmlSign); }
std::string SSLDgstToStr(TSSLDgst v) {
  const TLinhaDigest* linha = LinhaDigest(v);
  return linha ? std::string(linha->Nome) : std::to_string(v);
}
std::string SSLTypeToStr(TSSLType v) { return NameOf(v, kType); }

void TDadosCertificado::Clear() {
  Certificadora.clear();
  CNPJ.clear();
  DataVenc = 0;
  FIssuerName.clear();
  NumeroSerie.clear();
  RazaoSocial.clear();
  FSubjectName.clear();
  Tipo = tpcDesconhecido;
  DERBase64.clear();
}

void TDadosCertificado::SetSubjectName(const std::string& value) {
  if (value == FSubjectName) return;
  FSubjectName = value;
  RazaoSocial.clear();
  CNPJ.clear();
  auto cn = value.find("CN=");
  if (cn == std::string::npos) return;
  std::size_t start = cn + 3;
  auto colon = value.find(':', start);
  auto end = colon != std::string::npos ? colon : value.find(',', start);
  RazaoSocial = value.substr(start, end == std::string::npos ? std::string::npos : end - start);
  if (colon != std::string::npos) {
    std::string digits = platform::SomenteDigitos(platform::Copy(value, static_cast<long long>(colon) + 2, 14));
    if (platform::CNPJValido(digits) || platform::CPFValido(digits)) CNPJ = digits;
  }
}

void TDadosCertificado::SetIssuerName(const std::string& value) {
  if (value == FIssuerName) return;
  FIssuerName = value;
  Certificadora.clear();
  auto cn = value.find("CN=");
  if (cn == std::string::npos) return;
  std::size_t start = cn + 3;
  auto end = value.find("RFB", start);
  if (end == std::string::npos) end = value.find(',', start);
  Certificadora = platform::Trim(value.substr(start, end == std::string::npos ? std::string::npos : end - start));
}

TDadosCertificado& TListaCertificados::New() {
  FItems.push_back(std::make_unique<TDadosCertificado>());
  return *FItems.back();
}

void TListaCertificados::Add(std::unique_ptr<TDadosCertificado> item) { FItems.push_back(std::move(item)); }

TDadosCertificado& TListaCertificados::Objects(int index) const {
  if (index < 0 || index >= Count())
    throw std::out_of_range("Índice da lista fora dos limites (" + std::to_string(index) + ")");
  return *FItems[static_cast<std::size_t>(index)];
}

void TListaCertificados::SetObjects(int index, std::unique_ptr<TDadosCertificado> item) {
  if (index < 0 || index >= Count())
    throw std::out_of_range("Índice da lista fora dos limites (" + std::to_string(index) + ")");
  FItems[static_cast<std::size_t>(index)] = std::move(item);
}

}  // namespace dfe
