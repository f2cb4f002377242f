#include "dfe/server_verification.h"

#include <openssl/err.h>
#include <openssl/pem.h>
#include <openssl/x509v3.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <utility>

#include "dfe/exceptions.h"
#include "platform/curl_handles.h"
#include "platform/files.h"

namespace dfe {

namespace {

struct BioCloser {
  void operator()(BIO* b) const { BIO_free(b); }
};
using Bio = std::unique_ptr<BIO, BioCloser>;

struct InfoStackCloser {
  void operator()(STACK_OF(X509_INFO)* s) const { sk_X509_INFO_pop_free(s, X509_INFO_free); }
};

// The certificates of a PEM file, as PEM text again; raises when the file cannot be read or
// holds none.
std::string CertificadosDoArquivo(const std::string& Arquivo, const std::string& Origem) {
  const std::string erro = "Arquivo de autoridades confiáveis " + Origem + " inválido: " + Arquivo;
  Bio entrada(BIO_new_file(Arquivo.c_str(), "r"));
  if (!entrada) {
    ERR_clear_error();
    throw ETrivoDFeException(erro + " (não pode ser lido)");
  }
  std::unique_ptr<STACK_OF(X509_INFO), InfoStackCloser> infos(
      PEM_X509_INFO_read_bio(entrada.get(), nullptr, nullptr, nullptr));
  ERR_clear_error();
  Bio saida(BIO_new(BIO_s_mem()));
  int certificados = 0;
  for (int i = 0; infos && i < sk_X509_INFO_num(infos.get()); ++i) {
    X509* cert = sk_X509_INFO_value(infos.get(), i)->x509;
    if (cert && PEM_write_bio_X509(saida.get(), cert) == 1) ++certificados;
  }
  if (certificados == 0) throw ETrivoDFeException(erro + " (nenhum certificado)");
  char* dados = nullptr;
  const long tamanho = BIO_get_mem_data(saida.get(), &dados);
  return std::string(dados, static_cast<std::size_t>(tamanho));
}

int IndiceVerificacao() {
  static const int indice = SSL_CTX_get_ex_new_index(0, nullptr, nullptr, nullptr, nullptr);
  return indice;
}

std::string Assunto(X509* cert) {
  if (!cert) return {};
  Bio texto(BIO_new(BIO_s_mem()));
  X509_NAME_print_ex(texto.get(), X509_get_subject_name(cert), 0, XN_FLAG_RFC2253 & ~ASN1_STRFLGS_ESC_MSB);
  char* dados = nullptr;
  const long tamanho = BIO_get_mem_data(texto.get(), &dados);
  return std::string(dados, static_cast<std::size_t>(tamanho));
}

}  // namespace

TVerificacaoServidor::TVerificacaoServidor(std::string Host) : FHost(std::move(Host)) {
  if (FHost.size() >= 2 && FHost.front() == '[' && FHost.back() == ']') FHost = FHost.substr(1, FHost.size() - 2);
  const std::string raiz = platform::ProgramFolder() + kArquivoRaizIcpBrasil;
  std::error_code ec;
  if (std::filesystem::exists(raiz, ec)) FAutoridades += CertificadosDoArquivo(raiz, "do programa");
  if (const char* extra = std::getenv(kVariavelArquivoCA); extra && *extra)
    FAutoridades += CertificadosDoArquivo(extra, std::string("de ") + kVariavelArquivoCA);
}

CURLcode TVerificacaoServidor::Configurar(CURL* Curl) const {
  curl_blob autoridades{const_cast<char*>(FAutoridades.data()), FAutoridades.size(), CURL_BLOB_COPY};
  CURLcode rc = curl_easy_setopt(Curl, CURLOPT_SSL_VERIFYPEER, 1L);
  if (rc == CURLE_OK) rc = curl_easy_setopt(Curl, CURLOPT_SSL_VERIFYHOST, 2L);
  // The system store stays trusted beside the blob, which replaces libcurl's default bundle.
  if (rc == CURLE_OK) rc = curl_easy_setopt(Curl, CURLOPT_CAPATH, platform::kSystemCaFolder);
  if (rc == CURLE_OK && !FAutoridades.empty()) rc = curl_easy_setopt(Curl, CURLOPT_CAINFO_BLOB, &autoridades);
  return rc;
}

CURLcode TVerificacaoServidor::Aplicar(SSL_CTX* Contexto) {
  X509_VERIFY_PARAM* parametros = SSL_CTX_get0_param(Contexto);
  // libcurl checks the name only once the handshake is over, after the client certificate went out.
  const bool ip = X509_VERIFY_PARAM_set1_ip_asc(parametros, FHost.c_str()) == 1;
  if (!ip) {
    ERR_clear_error();
    X509_VERIFY_PARAM_set_hostflags(parametros, X509_CHECK_FLAG_NO_PARTIAL_WILDCARDS);
    if (X509_VERIFY_PARAM_set1_host(parametros, FHost.c_str(), FHost.size()) != 1) return CURLE_SSL_CERTPROBLEM;
  }
  if (SSL_CTX_set_ex_data(Contexto, IndiceVerificacao(), this) != 1) return CURLE_SSL_CERTPROBLEM;
  SSL_CTX_set_verify(Contexto, SSL_VERIFY_PEER, &TVerificacaoServidor::AoVerificar);
  return CURLE_OK;
}

int TVerificacaoServidor::AoVerificar(int Ok, X509_STORE_CTX* Contexto) {
  if (Ok) return 1;
  const int erro = X509_STORE_CTX_get_error(Contexto);
  if (erro == X509_V_ERR_CERT_HAS_EXPIRED) {
    // Left standing, the error would also be the handshake's final result.
    X509_STORE_CTX_set_error(Contexto, X509_V_OK);
    return 1;
  }
  auto* ssl = static_cast<SSL*>(X509_STORE_CTX_get_ex_data(Contexto, SSL_get_ex_data_X509_STORE_CTX_idx()));
  auto* self = ssl ? static_cast<TVerificacaoServidor*>(SSL_CTX_get_ex_data(SSL_get_SSL_CTX(ssl), IndiceVerificacao()))
                   : nullptr;
  if (self && self->FMotivo.empty()) {
    self->FMotivo = X509_verify_cert_error_string(erro);
    const std::string assunto = Assunto(X509_STORE_CTX_get_current_cert(Contexto));
    if (!assunto.empty()) self->FMotivo += " (" + assunto + ")";
  }
  return 0;
}

std::string TVerificacaoServidor::Recusa(const std::string& DetalheCurl) const {
  return "Certificado do servidor " + FHost + " recusado: " + (FMotivo.empty() ? DetalheCurl : FMotivo);
}

}  // namespace dfe
