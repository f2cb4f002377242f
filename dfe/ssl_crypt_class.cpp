// The abstract cryptography back end: certificate loading order, PKCS#12 from a file or an
// address, and the certificate readers.
#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "dfe/ssl_backends.h"
#include "platform/date_time.h"
#include "platform/files.h"

namespace dfe {

namespace {
ETrivoDFeException NaoSuportado(const std::string& op, const std::string& cls) {
  return ETrivoDFeException("\"" + op + "\" não suportado em: " + cls);
}
}  // namespace

TDFeSSLCryptClass::TDFeSSLCryptClass(TDFeSSL& aDFeSSL)
    : FpDFeSSL(aDFeSSL),
      FpDadosCertificado(std::make_unique<TDadosCertificado>()),
      FpListaCertificados(std::make_unique<TListaCertificados>()) {}

TDFeSSLCryptClass::~TDFeSSLCryptClass() = default;

const TCertContext* TDFeSSLCryptClass::CertContextWinApi() { return nullptr; }

std::string TDFeSSLCryptClass::CertPFXData() { return FpDFeSSL.DadosPFX(); }

void TDFeSSLCryptClass::LerArquivoPFX() {
  const std::string arquivo = FpDFeSSL.ArquivoPFX();
  std::error_code ec;
  if (arquivo.empty() || !std::filesystem::is_regular_file(arquivo, ec))
    throw ETrivoDFeException("Arquivo: " + arquivo + " não encontrado");
  std::string dados;
  try {
    dados = platform::ReadFileBytes(arquivo);
  } catch (const std::exception& e) {
    throw ETrivoDFeException(e.what());
  }
  FpDFeSSL.SetDadosPFX(dados);
  CarregarCertificadoDeDadosPFX();
}

void TDFeSSLCryptClass::BaixarCertificadoURL() {
  const std::string url = FpDFeSSL.URLPFX();
  const std::string arquivo = FpDFeSSL.ArquivoPFX();
  std::string cnpjAnterior;
  std::error_code ec;
  if (!arquivo.empty() && std::filesystem::is_regular_file(arquivo, ec)) {
    LerArquivoPFX();
    AposCarregarCertificado();
    double diasParaVencer = std::floor(FpDadosCertificado->DataVenc) - std::floor(platform::Today());
    bool arquivoDeHoje = false;
    auto mtime = std::filesystem::last_write_time(arquivo, ec);
    if (!ec) {
      auto sys =
          std::chrono::time_point_cast<std::chrono::system_clock::duration>(std::chrono::file_clock::to_sys(mtime));
      arquivoDeHoje = std::floor(platform::FromSystemClock(sys)) >= std::floor(platform::Today());
    }
    if (diasParaVencer > 15 || arquivoDeHoje) return;
    cnpjAnterior = FpDadosCertificado->CNPJ;
  }

  std::string dados;
  {
    bool usaCertificado = FpDFeSSL.UseCertificateHTTP;
    FpDFeSSL.UseCertificateHTTP = false;
    try {
      dados = FpDFeSSL.HTTPGet(url);
    } catch (...) {
      FpDFeSSL.UseCertificateHTTP = usaCertificado;
      throw;
    }
    FpDFeSSL.UseCertificateHTTP = usaCertificado;
  }
  int status = FpDFeSSL.HTTPResultCode();
  if (status < 200 || status > 202)
    throw ETrivoDFeException("Http erro " + std::to_string(status) + ", baixando Certificado de " + url);
  if (dados.empty()) throw ETrivoDFeException("Certificado obtido de " + url + " é inválido");

  try {
    FpDFeSSL.SetDadosPFX(dados);
    DescarregarCertificado();
    CarregarCertificadoDeDadosPFX();
  } catch (const std::exception&) {
    throw ETrivoDFeException("Certificado obtido de " + url + " é inválido");
  }
  if (!cnpjAnterior.empty() && FpDadosCertificado->CNPJ != cnpjAnterior)
    throw ETrivoDFeException("CNPJ do Certificado obtido de " + url + " é diferente do CNPJ atual");

  if (!arquivo.empty()) {
    std::filesystem::path p(arquivo);
    if (p.has_parent_path()) std::filesystem::create_directories(p.parent_path(), ec);
    std::filesystem::remove(p, ec);
    platform::WriteFileAtomically(p, dados);
  }
}

void TDFeSSLCryptClass::CarregarCertificadoDeDadosPFX() {
  throw ETrivoDFeException("\"CarregarCertificadoDeDadosPFX\" não implementado em: " + ClassName());
}

void TDFeSSLCryptClass::CarregarCertificadoDeNumeroSerie() {
  throw NaoSuportado("CarregarCertificadoDeNumeroSerie", ClassName());
}

void TDFeSSLCryptClass::AposCarregarCertificado() {}

void TDFeSSLCryptClass::Clear() {
  FpDadosCertificado->Clear();
  FpListaCertificados->Clear();
}

std::string TDFeSSLCryptClass::Versao() { return {}; }

std::string TDFeSSLCryptClass::CalcHash(std::istream&, TSSLDgst, bool) { throw NaoSuportado("CalcHash", ClassName()); }

bool TDFeSSLCryptClass::ValidarHash(std::istream&, TSSLDgst, const std::string&, bool) {
  throw NaoSuportado("ValidarHash", ClassName());
}

void TDFeSSLCryptClass::DescarregarCertificado() {
  Clear();
  FpCertificadoLido = false;
}

std::string TDFeSSLCryptClass::SelecionarCertificado() { throw NaoSuportado("SelecionarCertificado", ClassName()); }

void TDFeSSLCryptClass::LerCertificadosStore() { throw NaoSuportado("LerCertificadosStore", ClassName()); }

bool TDFeSSLCryptClass::CarregarCertificadoPublico(const std::string&) {
  throw NaoSuportado("CarregarCertificadoPublico", ClassName());
}

void TDFeSSLCryptClass::CarregarCertificado() {
  DescarregarCertificado();
  Clear();
  if (!FpDFeSSL.URLPFX().empty())
    BaixarCertificadoURL();
  else if (!FpDFeSSL.DadosPFX().empty())
    CarregarCertificadoDeDadosPFX();
  else if (!FpDFeSSL.ArquivoPFX().empty())
    LerArquivoPFX();
  else if (!FpDFeSSL.NumeroSerie().empty())
    CarregarCertificadoDeNumeroSerie();
  else
    throw ETrivoDFeException("DadosPFX, ArquivoPFX, URLPFX ou NumeroSerie não especificados !");
  AposCarregarCertificado();
  FpCertificadoLido = true;
}

void TDFeSSLCryptClass::CarregarCertificadoSeNecessario() {
  if (!FpCertificadoLido) CarregarCertificado();
}

void TDFeSSLCryptClass::GarantirDadosCertificado() {
  if (FpDadosCertificado->NumeroSerie.empty()) CarregarCertificadoSeNecessario();
}

std::string TDFeSSLCryptClass::CertNumeroSerie() {
  GarantirDadosCertificado();
  return FpDadosCertificado->NumeroSerie;
}
platform::TDateTime TDFeSSLCryptClass::CertDataVenc() {
  GarantirDadosCertificado();
  return FpDadosCertificado->DataVenc;
}
std::string TDFeSSLCryptClass::CertSubjectName() {
  GarantirDadosCertificado();
  return FpDadosCertificado->SubjectName();
}
std::string TDFeSSLCryptClass::CertIssuerName() {
  GarantirDadosCertificado();
  return FpDadosCertificado->IssuerName();
}
std::string TDFeSSLCryptClass::CertCertificadora() {
  GarantirDadosCertificado();
  return FpDadosCertificado->Certificadora;
}
std::string TDFeSSLCryptClass::CertRazaoSocial() {
  GarantirDadosCertificado();
  return FpDadosCertificado->RazaoSocial;
}
std::string TDFeSSLCryptClass::CertCNPJ() {
  GarantirDadosCertificado();
  return FpDadosCertificado->CNPJ;
}
TSSLTipoCertificado TDFeSSLCryptClass::CertTipo() {
  GarantirDadosCertificado();
  return FpDadosCertificado->Tipo;
}

}  // namespace dfe
