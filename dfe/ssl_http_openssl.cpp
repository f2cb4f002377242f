#include "dfe/ssl_http_openssl.h"

#include <curl/curl.h>
#include <openssl/crypto.h>
#include <openssl/opensslconf.h>

#include <cstdio>
#include <memory>

#include "dfe/server_verification.h"
#include "platform/rest_client.h"
#include "platform/strings.h"

namespace dfe {

namespace {

// The libcurl version bits of the TLS method asked for; -1 when this OpenSSL has no such method.
long VersaoTLS(TSSLType t) {
  switch (t) {
    case LT_SSLv2:
      return -1;
    case LT_SSLv3:
#ifdef OPENSSL_NO_SSL3_METHOD
      return -1;
#else
      return CURL_SSLVERSION_SSLv3;
#endif
    case LT_TLSv1:
#ifdef OPENSSL_NO_TLS1_METHOD
      return -1;
#else
      return long{CURL_SSLVERSION_TLSv1_0} | long{CURL_SSLVERSION_MAX_TLSv1_0};
#endif
    case LT_TLSv1_1:
#ifdef OPENSSL_NO_TLS1_1_METHOD
      return -1;
#else
      return long{CURL_SSLVERSION_TLSv1_1} | long{CURL_SSLVERSION_MAX_TLSv1_1};
#endif
    case LT_TLSv1_2:
      return long{CURL_SSLVERSION_TLSv1_2} | long{CURL_SSLVERSION_MAX_TLSv1_2};
    case LT_TLSv1_3:
      return long{CURL_SSLVERSION_TLSv1_3} | long{CURL_SSLVERSION_MAX_TLSv1_3};
    default:
      return CURL_SSLVERSION_DEFAULT;  // the general TLS method
  }
}

// The host the client names in its Host header: the address's host without its port.
std::string HostDaURL(const std::string& url) {
  std::string host = url.substr(url.find("://") == std::string::npos ? 0 : url.find("://") + 3);
  host = host.substr(0, host.find_first_of("/?#"));
  if (host.find('@') != std::string::npos) host = host.substr(host.rfind('@') + 1);
  if (host.rfind('[', 0) != 0) return host.substr(0, host.find(':'));
  return host.substr(0, host.find(']') + 1);
}

}  // namespace

// What the transfer receives: the body into DataResp, the headers of the last response; an
// abort asked for stops it at its next progress check.
struct TDFeHttpOpenSSL::TRecepcao {
  std::string* Corpo;
  std::string Cabecalhos;
  const std::atomic<bool>* Abortado;
  TVerificacaoServidor* Verificacao = nullptr;
  bool AcimaDoLimite = false;

  // Headers and body each within the limit of a reply; past it the transfer ends.
  bool Cabe(const std::string& recebido, std::size_t mais) {
    if (mais <= platform::kMaxResponseBodyLength - recebido.size()) return true;
    AcimaDoLimite = true;
    return false;
  }
  static size_t AoReceberCorpo(char* data, size_t size, size_t n, void* p) {
    auto* r = static_cast<TRecepcao*>(p);
    if (!r->Cabe(*r->Corpo, size * n)) return 0;
    r->Corpo->append(data, size * n);
    return size * n;
  }
  static size_t AoReceberCabecalho(char* data, size_t size, size_t n, void* p) {
    auto* r = static_cast<TRecepcao*>(p);
    if (!r->Cabe(r->Cabecalhos, size * n)) return 0;
    std::string line(data, size * n);
    if (platform::AnnouncesOverLimit(line)) {
      r->AcimaDoLimite = true;
      return 0;
    }
    if (line.rfind("HTTP/", 0) == 0) r->Cabecalhos.clear();
    r->Cabecalhos += line;
    return size * n;
  }
  static int AoProgredir(void* p, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
    return static_cast<TRecepcao*>(p)->Abortado->load() ? 1 : 0;
  }
  static CURLcode AoPrepararTLS(CURL*, void* ctx, void* p) {
    return static_cast<TRecepcao*>(p)->Verificacao->Aplicar(static_cast<SSL_CTX*>(ctx));
  }
};

TDFeHttpOpenSSL::TDFeHttpOpenSSL(TDFeSSL& aDFeSSL) : TDFeSSLHttpClass(aDFeSSL) {}

TDFeHttpOpenSSL::~TDFeHttpOpenSSL() = default;

void TDFeHttpOpenSSL::Falhar(const std::string& msg) {
  FLastErrorMsg = msg;
  throw ETrivoDFeException(msg);
}

void TDFeHttpOpenSSL::PrepararRequisicao() {
  TDFeSSLHttpClass::PrepararRequisicao();
  FHeaders.clear();
  FCertPFX.clear();
  FCertPassword.clear();
  FLastErrorMsg.clear();
  FSocketErrorDesc.clear();
  FUserAgent = "Synapse OpenSSL Trivo/1.0";
  FProtocol = "1.1";
  if (!SoapAction.empty()) FHeaders.push_back("SOAPAction: \"" + SoapAction + "\"");
  for (const auto& line : HeaderReq.Lines) FHeaders.push_back(line);
  if (FpDFeSSL.UseCertificateHTTP) {
    FCertPFX = FpDFeSSL.SSLCryptClass().CertPFXData();
    FCertPassword = FpDFeSSL.Senha();
  }
  FSSLVersion = VersaoTLS(FpDFeSSL.SSLType());
  if (FSSLVersion < 0)
    Falhar(std::string(OpenSSL_version(OPENSSL_VERSION)) + ", não suporta " + SSLTypeToStr(FpDFeSSL.SSLType()));
  FTimeOut = FpDFeSSL.TimeOut;
}

std::string TDFeHttpOpenSSL::LastErrorDesc() { return FSocketErrorDesc.empty() ? FLastErrorMsg : FSocketErrorDesc; }

void TDFeHttpOpenSSL::Execute() {
  PrepararRequisicao();
  FAbortado = false;
  platform::CurlEasy curl = platform::NewCurlEasy();
  if (!curl) Falhar("Erro Interno: 0\r\nErro HTTP: 0\r\nURL: " + URL);
  char erro[CURL_ERROR_SIZE] = "";
  TRecepcao recepcao{&DataResp, {}, &FAbortado};
  std::unique_ptr<TVerificacaoServidor> verificacao;
  if (platform::StartsText("https:", URL)) {
    try {
      verificacao = std::make_unique<TVerificacaoServidor>(HostDaURL(URL));
    } catch (const ETrivoDFeException& e) {
      Falhar(e.what());
    }
    recepcao.Verificacao = verificacao.get();
  }
  const platform::CurlHeaderList cabecalhos = Cabecalhos();
  DefinirTransferencia(curl.get(), cabecalhos.get(), recepcao, erro);
  DefinirProxy(curl.get());
  DefinirTLS(curl.get(), recepcao);
  DefinirTempoLimite(curl.get());
  DefinirMetodo(curl.get());
  Transferir(curl.get(), erro, recepcao);
  HeaderResp.SetText(recepcao.Cabecalhos);
}

platform::CurlHeaderList TDFeHttpOpenSSL::Cabecalhos() const {
  platform::CurlHeaderList lista;
  lista.Append("Host: " + HostDaURL(URL));
  if (!MimeType.empty()) lista.Append("Content-Type: " + MimeType);
  for (const auto& h : FHeaders) lista.Append(h);
  // libcurl's own Accept and Expect: 100-continue are not ours to send, nor a form content type.
  for (const char* own : {"Accept:", "Expect:"}) lista.Append(own);
  if (MimeType.empty()) lista.Append("Content-Type:");
  return lista;
}

void TDFeHttpOpenSSL::DefinirTransferencia(CURL* curl, curl_slist* cabecalhos, TRecepcao& recepcao, char* erro) {
  curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, erro);
  curl_easy_setopt(curl, CURLOPT_URL, URL.c_str());
  curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(curl, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_1));
  curl_easy_setopt(curl, CURLOPT_USERAGENT, FUserAgent.c_str());
  curl_easy_setopt(curl, CURLOPT_HTTPHEADER, cabecalhos);
  curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, &TRecepcao::AoReceberCorpo);
  curl_easy_setopt(curl, CURLOPT_WRITEDATA, &recepcao);
  curl_easy_setopt(curl, CURLOPT_HEADERFUNCTION, &TRecepcao::AoReceberCabecalho);
  curl_easy_setopt(curl, CURLOPT_HEADERDATA, &recepcao);
  curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
  curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, &TRecepcao::AoProgredir);
  curl_easy_setopt(curl, CURLOPT_XFERINFODATA, &recepcao);
  curl_easy_setopt(curl, CURLOPT_SUPPRESS_CONNECT_HEADERS, 1L);
}

void TDFeHttpOpenSSL::DefinirProxy(CURL* curl) {
  std::string proxy;
  if (!FpDFeSSL.ProxyHost.empty())
    proxy = "http://" + FpDFeSSL.ProxyHost + (FpDFeSSL.ProxyPort.empty() ? "" : ":" + FpDFeSSL.ProxyPort);
  // Set even when empty: never a proxy from the environment behind the settings' back.
  curl_easy_setopt(curl, CURLOPT_PROXY, proxy.c_str());
  if (!proxy.empty() && !FpDFeSSL.ProxyUser.empty()) {
    curl_easy_setopt(curl, CURLOPT_PROXYUSERNAME, FpDFeSSL.ProxyUser.c_str());
    curl_easy_setopt(curl, CURLOPT_PROXYPASSWORD, FpDFeSSL.ProxyPass.c_str());
    curl_easy_setopt(curl, CURLOPT_PROXYAUTH, CURLAUTH_ANY);
  }
}

void TDFeHttpOpenSSL::DefinirTLS(CURL* curl, TRecepcao& recepcao) {
  if (recepcao.Verificacao) {
    if (recepcao.Verificacao->Configurar(curl) != CURLE_OK ||
        curl_easy_setopt(curl, CURLOPT_SSL_CTX_FUNCTION, &TRecepcao::AoPrepararTLS) != CURLE_OK ||
        curl_easy_setopt(curl, CURLOPT_SSL_CTX_DATA, &recepcao) != CURLE_OK)
      Falhar("Erro Interno: 0\r\nErro HTTP: 0\r\nURL: " + URL + "\r\nVerificação do servidor indisponível");
  }
  curl_easy_setopt(curl, CURLOPT_SSLVERSION, FSSLVersion);
  if (FCertPFX.empty()) return;
  curl_blob blob{FCertPFX.data(), FCertPFX.size(), CURL_BLOB_COPY};
  curl_easy_setopt(curl, CURLOPT_SSLCERT_BLOB, &blob);
  curl_easy_setopt(curl, CURLOPT_SSLCERTTYPE, "P12");
  curl_easy_setopt(curl, CURLOPT_KEYPASSWD, FCertPassword.c_str());
}

void TDFeHttpOpenSSL::DefinirTempoLimite(CURL* curl) {
  if (FTimeOut <= 0) return;
  // The whole exchange, not only its progress: a server that drips its reply still ends it.
  curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, static_cast<long>(FTimeOut));
}

void TDFeHttpOpenSSL::DefinirMetodo(CURL* curl) {
  const std::string& m = Method;
  if (m == "GET" && DataReq.empty()) {
    curl_easy_setopt(curl, CURLOPT_HTTPGET, 1L);
  } else if (m == "HEAD") {
    curl_easy_setopt(curl, CURLOPT_NOBODY, 1L);
  } else if (!DataReq.empty() || m == "POST" || m == "PUT") {
    curl_easy_setopt(curl, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(DataReq.size()));
    curl_easy_setopt(curl, CURLOPT_COPYPOSTFIELDS, DataReq.data());
    if (m != "POST") curl_easy_setopt(curl, CURLOPT_CUSTOMREQUEST, m.c_str());
  } else {
    curl_easy_setopt(curl, CURLOPT_CUSTOMREQUEST, m.c_str());
  }
}

void TDFeHttpOpenSSL::Transferir(CURL* curl, const char* erro, const TRecepcao& recepcao) {
  CURLcode rc = curl_easy_perform(curl);
  long status = 0, osErrno = 0;
  curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status);
  curl_easy_getinfo(curl, CURLINFO_OS_ERRNO, &osErrno);
  HTTPResultCode = static_cast<int>(status);
  InternalErrorCode = rc == CURLE_OK ? 0 : static_cast<int>(osErrno != 0 ? osErrno : static_cast<long>(rc));
  if (rc == CURLE_OK) return;
  FSocketErrorDesc = FAbortado ? "Conexão foi abortada" : (*erro ? erro : curl_easy_strerror(rc));
  if (recepcao.AcimaDoLimite)
    FSocketErrorDesc = platform::ReplyOverLimitText(URL);
  else if (recepcao.Verificacao && (recepcao.Verificacao->Recusou() || rc == CURLE_PEER_FAILED_VERIFICATION))
    FSocketErrorDesc = recepcao.Verificacao->Recusa(FSocketErrorDesc);
  char buf[64];
  std::snprintf(buf, sizeof buf, "Erro Interno: %d\r\nErro HTTP: %d\r\nURL: ", InternalErrorCode, HTTPResultCode);
  Falhar(buf + URL + "\r\n" + LastErrorDesc());
}

void TDFeHttpOpenSSL::Abortar() { FAbortado = true; }

}  // namespace dfe
