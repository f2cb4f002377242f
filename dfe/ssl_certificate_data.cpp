// Certificate record and list, and the names of the facade's enumeration values.
#include <array>
#include <stdexcept>
#include <string_view>

#include "dfe/ssl.h"
#include "dfe/ssl_internal.h"
#include "platform/strings.h"

namespace dfe {

namespace {

template <std::size_t N>
std::string NameOf(int v, const std::array<std::string_view, N>& names) {
  if (v < 0 || static_cast<std::size_t>(v) >= N) return std::to_string(v);
  return std::string(names[static_cast<std::size_t>(v)]);
}

constexpr std::array<std::string_view, 6> kLib{"libNone", "libOpenSSL", "libCapicom", "libCapicomSoap",
                                               "libWinCrypt", "libCustom"};
constexpr std::array<std::string_view, 4> kCrypt{"cryNone", "cryOpenSSL", "cryCapicom", "cryWinCrypt"};
constexpr std::array<std::string_view, 5> kHttp{"httpNone", "httpWinINet", "httpWinHttp", "httpOpenSSL",
                                                "httpIndy"};
constexpr std::array<std::string_view, 5> kXmlSign{"xsNone", "xsXmlSec", "xsMsXml", "xsMsXmlCapicom",
                                                   "xsLibXml2"};
constexpr std::array<std::string_view, 8> kDgst{"dgstMD2", "dgstMD4",  "dgstMD5",    "dgstRMD160",
                                                "dgstSHA", "dgstSHA1", "dgstSHA256", "dgstSHA512"};
constexpr std::array<std::string_view, 8> kType{"LT_all",     "LT_SSLv2",   "LT_SSLv3",   "LT_TLSv1",
                                                "LT_TLSv1_1", "LT_TLSv1_2", "LT_TLSv1_3", "LT_SSHv2"};

int DigitValue(char c) { return c - '0'; }

}  // namespace

std::string SSLLibToStr(TSSLLib v) { return NameOf(v, kLib); }
std::string SSLCryptLibToStr(TSSLCryptLib v) { return NameOf(v, kCrypt); }
std::string SSLHttpLibToStr(TSSLHttpLib v) { return NameOf(v, kHttp); }
std::string SSLXmlSignLibToStr(TSSLXmlSignLib v) { return NameOf(v, kXmlSign); }
std::string SSLDgstToStr(TSSLDgst v) { return NameOf(v, kDgst); }
std::string SSLTypeToStr(TSSLType v) { return NameOf(v, kType); }

namespace detail {

std::string SomenteDigitos(std::string_view s) {
  std::string out;
  for (char c : s)
    if (c >= '0' && c <= '9') out += c;
  return out;
}

bool CNPJValido(std::string_view cnpj) {
  if (cnpj.size() != 14 || SomenteDigitos(cnpj).size() != 14) return false;
  if (cnpj.find_first_not_of(cnpj[0]) == std::string_view::npos) return false;
  static constexpr int kPesos1[12] = {5, 4, 3, 2, 9, 8, 7, 6, 5, 4, 3, 2};
  static constexpr int kPesos2[13] = {6, 5, 4, 3, 2, 9, 8, 7, 6, 5, 4, 3, 2};
  int soma = 0;
  for (int i = 0; i < 12; ++i) soma += DigitValue(cnpj[i]) * kPesos1[i];
  int dv1 = soma % 11 < 2 ? 0 : 11 - soma % 11;
  soma = 0;
  for (int i = 0; i < 13; ++i) soma += DigitValue(cnpj[i]) * kPesos2[i];
  int dv2 = soma % 11 < 2 ? 0 : 11 - soma % 11;
  return DigitValue(cnpj[12]) == dv1 && DigitValue(cnpj[13]) == dv2;
}

bool CPFValido(std::string_view cpf) {
  if (cpf.size() != 11 || SomenteDigitos(cpf).size() != 11) return false;
  if (cpf.find_first_not_of(cpf[0]) == std::string_view::npos) return false;
  for (int n = 9; n <= 10; ++n) {
    int soma = 0;
    for (int i = 0; i < n; ++i) soma += DigitValue(cpf[i]) * (n + 1 - i);
    int dv = (soma * 10) % 11 % 10;
    if (DigitValue(cpf[n]) != dv) return false;
  }
  return true;
}

}  // namespace detail

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
    std::string digits = detail::SomenteDigitos(platform::Copy(value, static_cast<long long>(colon) + 2, 14));
    if (detail::CNPJValido(digits) || detail::CPFValido(digits)) CNPJ = digits;
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
  Certificadora =
      platform::Trim(value.substr(start, end == std::string::npos ? std::string::npos : end - start));
}

TDadosCertificado& TListaCertificados::New() {
  FItems.push_back(std::make_unique<TDadosCertificado>());
  return *FItems.back();
}

void TListaCertificados::Add(std::unique_ptr<TDadosCertificado> item) { FItems.push_back(std::move(item)); }

TDadosCertificado& TListaCertificados::Objects(int index) const {
  if (index < 0 || index >= Count()) throw std::out_of_range("Índice da lista fora dos limites (" + std::to_string(index) + ")");
  return *FItems[static_cast<std::size_t>(index)];
}

void TListaCertificados::SetObjects(int index, std::unique_ptr<TDadosCertificado> item) {
  if (index < 0 || index >= Count()) throw std::out_of_range("Índice da lista fora dos limites (" + std::to_string(index) + ")");
  FItems[static_cast<std::size_t>(index)] = std::move(item);
}

}  // namespace dfe
