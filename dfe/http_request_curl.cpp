// The primitive steps of the request classes over libcurl. The session and the connection are
// settings gathered here; the request is a libcurl easy handle, made when the request is opened
// and run whole by the send step, after which the response headers and body are read from
// what it received.
#include <curl/curl.h>
#include <openssl/ssl.h>

#include <chrono>
#include <cstring>
#include <mutex>

#include "dfe/http_request.h"
#include "dfe/server_verification.h"
#include "platform/curl_handles.h"
#include "platform/rest_client.h"
#include "platform/strings.h"

namespace dfe {

namespace {

using Clock = std::chrono::steady_clock;

// Windows-style codes for what libcurl reports.
constexpr std::uint32_t kTimeout = 12002, kInternal = 12004, kInvalidUrl = 12005, kUnknownScheme = 12006,
                        kNameNotResolved = 12007, kCancelled = 12017, kCannotConnect = 12029, kConnectionError = 12030,
                        kSecureFailure = 12175, kSecureChannel = 12157, kNoPrivateKey = 12186, kNotEnoughMemory = 8;
constexpr int kDefaultConnectMs = 60000, kDefaultReceiveMs = 30000;
// Without a time-out of its own an exchange still ends: a server that sends a byte now and then
// must not hold it for ever.
constexpr int kDefaultExchangeMs = 300000;

std::uint32_t MapCurlError(CURLcode rc, const char* detail, bool timedOut) {
  std::string d = platform::LowerCase(detail ? detail : "");
  switch (rc) {
    case CURLE_OK:
      return 0;
    case CURLE_ABORTED_BY_CALLBACK:
      return timedOut ? kTimeout : kCancelled;
    case CURLE_OPERATION_TIMEDOUT:
      return kTimeout;
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_RESOLVE_PROXY:
      return kNameNotResolved;
    case CURLE_COULDNT_CONNECT:
      return kCannotConnect;
    case CURLE_SSL_CONNECT_ERROR:
      for (const char* p : {"protocol version", "unsupported protocol", "no protocols available", "wrong version"})
        if (d.find(p) != std::string::npos) return kConnectionError;
      return kSecureChannel;
    case CURLE_SSL_CERTPROBLEM:
    case CURLE_SSL_ENGINE_NOTFOUND:
    case CURLE_SSL_ENGINE_SETFAILED:
      return kNoPrivateKey;
    case CURLE_PEER_FAILED_VERIFICATION:
      return kSecureFailure;
    case CURLE_SEND_ERROR:
    case CURLE_RECV_ERROR:
    case CURLE_GOT_NOTHING:
    case CURLE_PARTIAL_FILE:
      return kConnectionError;
    case CURLE_URL_MALFORMAT:
      return kInvalidUrl;
    case CURLE_UNSUPPORTED_PROTOCOL:
      return kUnknownScheme;
    case CURLE_OUT_OF_MEMORY:
      return kNotEnoughMemory;
    default:
      return kInternal;
  }
}

// The TLS versions a choice allows; 0 for a protocol the TLS library no longer offers.
long CurlSSLVersion(TSSLType t) {
  switch (t) {
    case LT_TLSv1:
      return long{CURL_SSLVERSION_TLSv1_0} | long{CURL_SSLVERSION_MAX_TLSv1_0};
    case LT_TLSv1_1:
      return long{CURL_SSLVERSION_TLSv1_1} | long{CURL_SSLVERSION_MAX_TLSv1_1};
    case LT_TLSv1_2:
      return long{CURL_SSLVERSION_TLSv1_2} | long{CURL_SSLVERSION_MAX_TLSv1_2};
    case LT_TLSv1_3:
      return long{CURL_SSLVERSION_TLSv1_3} | long{CURL_SSLVERSION_MAX_TLSv1_3};
    case LT_SSLv2:
    case LT_SSLv3:
      return 0;
    default:
      return long{CURL_SSLVERSION_TLSv1_0} | long{CURL_SSLVERSION_MAX_TLSv1_2};  // up to TLS 1.2, not 1.3
  }
}

CURLcode UseCertContext(SSL_CTX* ctx, const TCertContext* c) {
  if (!c->Certificado || !c->ChavePrivada || SSL_CTX_use_certificate(ctx, c->Certificado) != 1 ||
      SSL_CTX_use_PrivateKey(ctx, c->ChavePrivada) != 1 || (c->Cadeia && SSL_CTX_set1_chain(ctx, c->Cadeia) != 1))
    return CURLE_SSL_CERTPROBLEM;
  return CURLE_OK;
}

}  // namespace

// One request: the easy handle and what came back.
class TCurlRequest {
 public:
  TCurlRequest() : Easy(platform::NewCurlEasy()) { ErrorBuffer[0] = 0; }

  template <class T>
  bool Set(CURLoption opt, T value) {
    Result = curl_easy_setopt(Easy.get(), opt, value);
    return Result == CURLE_OK;
  }

  // What the reply may hold: its headers and its body each within the limit.
  bool Room(const std::string& held, std::size_t more) {
    if (more <= platform::kMaxResponseBodyLength - held.size()) return true;
    OverLimit = true;
    return false;
  }

  static size_t OnHeader(char* data, size_t size, size_t n, void* self) {
    auto* r = static_cast<TCurlRequest*>(self);
    if (!r->Room(r->RawHeaders, size * n)) return 0;  // ends the transfer
    std::string line(data, size * n);
    if (platform::AnnouncesOverLimit(line)) {
      r->OverLimit = true;
      return 0;
    }
    r->LastActivity = Clock::now();
    if (line.rfind("HTTP/", 0) == 0) {  // a new response: an interim one is forgotten
      r->RawHeaders.clear();
      r->HeadersDone = false;
      r->Interim = line.size() > 9 && line[9] == '1';
    }
    r->RawHeaders += line;
    if ((line == "\r\n" || line == "\n") && !r->Interim) r->HeadersDone = true;
    return size * n;
  }

  static size_t OnBody(char* data, size_t size, size_t n, void* self) {
    auto* r = static_cast<TCurlRequest*>(self);
    if (!r->Room(r->Body, size * n)) return 0;  // ends the transfer
    r->Body.append(data, size * n);
    return size * n;
  }

  static int OnProgress(void* self, curl_off_t, curl_off_t dlnow, curl_off_t, curl_off_t ulnow) {
    auto* r = static_cast<TCurlRequest*>(self);
    if (!r->Open->load()) return 1;
    auto now = Clock::now();
    if (dlnow != r->Down || ulnow != r->Up) {
      r->Down = dlnow;
      r->Up = ulnow;
      r->LastActivity = now;
    } else if (r->StallMs > 0 && now - r->LastActivity > std::chrono::milliseconds(r->StallMs)) {
      r->TimedOut = true;
      return 1;
    }
    return 0;
  }

  // The handshake's TLS set-up: the server's verification, then the client certificate.
  static CURLcode OnSslContext(CURL*, void* sslctx, void* self) {
    auto* r = static_cast<TCurlRequest*>(self);
    auto* ctx = static_cast<SSL_CTX*>(sslctx);
    if (r->Verificacao) {
      CURLcode rc = r->Verificacao->Aplicar(ctx);
      if (rc != CURLE_OK) return rc;
    }
    return r->Cliente ? UseCertContext(ctx, r->Cliente) : CURLE_OK;
  }
  bool UseSslContext() { return Set(CURLOPT_SSL_CTX_FUNCTION, &OnSslContext) && Set(CURLOPT_SSL_CTX_DATA, this); }

  platform::CurlEasy Easy;
  platform::CurlHeaderList Headers;
  std::unique_ptr<TVerificacaoServidor> Verificacao;
  const TCertContext* Cliente = nullptr;
  bool OverLimit = false;
  char ErrorBuffer[CURL_ERROR_SIZE];
  CURLcode Result = CURLE_OK;
  bool Performed = false;
  bool Busy = false;
  const std::atomic<bool>* Open = nullptr;
  int StallMs = 0;
  bool TimedOut = false;
  Clock::time_point LastActivity;
  curl_off_t Down = 0, Up = 0;
  std::size_t BodySize = 0;
  std::string RawHeaders, Body;
  bool HeadersDone = false, Interim = false;
  std::size_t ReadPos = 0;
  long SSLVersion = 0;
};

TTrivoCurlReqResp::TTrivoCurlReqResp(const TSabor& sabor) : FSabor(sabor) {}

TTrivoCurlReqResp::~TTrivoCurlReqResp() { CloseHandles(); }

void TTrivoCurlReqResp::Abortar() { TTrivoWinReqResp::Abortar(); }

void TTrivoCurlReqResp::ResetState() {
  TTrivoWinReqResp::ResetState();
  FPrazo = Clock::now() + std::chrono::milliseconds(TimeOut > 0 ? TimeOut : kDefaultExchangeMs);
}

int TTrivoCurlReqResp::QueryHttpResultCode() {
  std::lock_guard lock(FLock);
  if (!FRequest || !FRequest->Performed) return 0;
  long code = 0;
  if (curl_easy_getinfo(FRequest->Easy.get(), CURLINFO_RESPONSE_CODE, &code) != CURLE_OK) return 0;
  return static_cast<int>(code);
}

bool TTrivoCurlReqResp::OpenSessionHandle() {
  if (!TTrivoWinReqResp::OpenSessionHandle()) return false;
  FSessionOpen = true;
  return true;
}

bool TTrivoCurlReqResp::SetConnectionTimeOut() {
  return TTrivoWinReqResp::SetConnectionTimeOut();  // applied with the request: TimeOut is read there
}

bool TTrivoCurlReqResp::SetConnectionSSL() {
  if (!TTrivoWinReqResp::SetConnectionSSL()) return false;
  if (UseSSL() && FSabor.SetsTLSVersion && CurlSSLVersion(SSLType) == 0) {
    FLastError = kSecureChannel;
    return false;
  }
  return true;
}

bool TTrivoCurlReqResp::OpenConnectionHandle() {
  if (!TTrivoWinReqResp::OpenConnectionHandle()) return false;
  FConnectionOpen = true;
  return true;
}

bool TTrivoCurlReqResp::OpenRequestHandle() {
  if (!TTrivoWinReqResp::OpenRequestHandle()) return false;
  std::lock_guard lock(FLock);
  if (!FConnectionOpen) {
    FLastError = kCancelled;
    return false;
  }
  auto r = std::make_unique<TCurlRequest>();
  if (!r->Easy) {
    FLastError = kNotEnoughMemory;
    return false;
  }
  r->Open = &FRequestOpen;
  std::string url = Prot() + "://" + Host() + ":" + std::to_string(PortNumber()) + URI();
  std::string proxy = ProxyHostAndPort();
  bool ok = r->Set(CURLOPT_ERRORBUFFER, r->ErrorBuffer) && r->Set(CURLOPT_URL, url.c_str()) &&
            r->Set(CURLOPT_NOSIGNAL, 1L) && r->Set(CURLOPT_FOLLOWLOCATION, 0L) &&
            r->Set(CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_1)) &&
            r->Set(CURLOPT_USERAGENT, FSabor.UserAgent) && r->Set(CURLOPT_HEADERFUNCTION, &TCurlRequest::OnHeader) &&
            r->Set(CURLOPT_HEADERDATA, r.get()) && r->Set(CURLOPT_WRITEFUNCTION, &TCurlRequest::OnBody) &&
            r->Set(CURLOPT_WRITEDATA, r.get()) && r->Set(CURLOPT_NOPROGRESS, 0L) &&
            r->Set(CURLOPT_XFERINFOFUNCTION, &TCurlRequest::OnProgress) && r->Set(CURLOPT_XFERINFODATA, r.get()) &&
            r->Set(CURLOPT_SUPPRESS_CONNECT_HEADERS, 1L) &&
            // The proxy is the one set here, never one from the environment behind our back.
            r->Set(CURLOPT_PROXY, proxy.empty() ? "" : ("http://" + proxy).c_str()) &&
            r->Set(CURLOPT_NOPROXY, FSabor.BypassLocalhost && !proxy.empty() ? "localhost" : "");
  if (ok) {
    // 0 or less keeps the interface's own time-outs (60 s to connect, 30 s without a byte),
    // so a silent server never holds the exchange for ever.
    r->StallMs = TimeOut > 0 ? TimeOut : kDefaultReceiveMs;
    ok = r->Set(CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(TimeOut > 0 ? TimeOut : kDefaultConnectMs));
  }
  if (ok && UseSSL() && FSabor.SetsTLSVersion) ok = r->Set(CURLOPT_SSLVERSION, CurlSSLVersion(SSLType));
  if (ok && FSabor.ServerCredentials && !platform::Trim(ProxyUser).empty())
    ok = r->Set(CURLOPT_USERNAME, ProxyUser.c_str()) && r->Set(CURLOPT_PASSWORD, ProxyPass.c_str()) &&
         r->Set(CURLOPT_HTTPAUTH, CURLAUTH_ANY);
  if (!ok) {
    FLastError = MapCurlError(r->Result, nullptr, false);
    return false;
  }
  FRequest = std::move(r);
  FHeaderText.clear();
  FRequestOpen = true;
  return true;
}

bool TTrivoCurlReqResp::SetConnectionCertificate() {
  if (!TTrivoWinReqResp::SetConnectionCertificate()) return false;
  if (!UseCertificate()) return true;
  std::lock_guard lock(FLock);
  if (!FRequest) return false;
  bool ok;
  if (CertContext) {
    if (!CertContext->Certificado || !CertContext->ChavePrivada) {
      FLastError = 12185;
      return false;
    }
    FRequest->Cliente = CertContext;
    ok = FRequest->UseSslContext();
  } else {
    curl_blob blob{const_cast<char*>(CertPFXData.data()), CertPFXData.size(), CURL_BLOB_COPY};
    ok = FRequest->Set(CURLOPT_SSLCERT_BLOB, &blob) && FRequest->Set(CURLOPT_SSLCERTTYPE, "P12") &&
         FRequest->Set(CURLOPT_KEYPASSWD, CertPFXPassword.c_str());
  }
  if (!ok) FLastError = MapCurlError(FRequest->Result, nullptr, false);
  return ok;
}

bool TTrivoCurlReqResp::SetConnectionSecurityFlags() {
  if (!TTrivoWinReqResp::SetConnectionSecurityFlags()) return false;
  std::lock_guard lock(FLock);
  if (!FRequest) return false;
  if (!UseSSL()) return true;
  try {
    FRequest->Verificacao = std::make_unique<TVerificacaoServidor>(Host());
  } catch (const ETrivoDFeException& e) {
    FDetalheErro = e.what();
    FLastError = 0;
    return false;
  }
  const CURLcode rc = FRequest->Verificacao->Configurar(FRequest->Easy.get());
  const bool ok = rc == CURLE_OK && FRequest->UseSslContext();
  if (!ok) FLastError = MapCurlError(rc != CURLE_OK ? rc : FRequest->Result, nullptr, false);
  return ok;
}

bool TTrivoCurlReqResp::SetProxyUser() {
  if (!TTrivoWinReqResp::SetProxyUser()) return false;
  if (platform::Trim(ProxyUser).empty()) return true;
  std::lock_guard lock(FLock);
  if (!FRequest) return false;
  bool ok = FRequest->Set(CURLOPT_PROXYUSERNAME, ProxyUser.c_str()) && FRequest->Set(CURLOPT_PROXYAUTH, CURLAUTH_ANY);
  if (ok && !platform::Trim(ProxyPass).empty()) ok = FRequest->Set(CURLOPT_PROXYPASSWORD, ProxyPass.c_str());
  if (!ok) FLastError = MapCurlError(FRequest->Result, nullptr, false);
  return ok;
}

bool TTrivoCurlReqResp::SetHeaderReq() {
  if (!TTrivoWinReqResp::SetHeaderReq()) return false;
  if (FSabor.HeadersBeforeSend) FHeaderText = HeaderText();
  return true;
}

bool TTrivoCurlReqResp::SendData(const std::string& body) {
  if (!TTrivoWinReqResp::SendData(body)) return false;
  if (FHeaderText.empty()) FHeaderText = HeaderText();
  TCurlRequest* r;
  {
    std::lock_guard lock(FLock);
    if (!FRequest || !FRequestOpen) {
      FLastError = kCancelled;
      return false;
    }
    r = FRequest.get();
    bool has[3] = {false, false, false};
    const char* own[3] = {"Accept:", "Expect:", "Content-Type:"};
    for (const auto& line : platform::Split(FHeaderText, '\n')) {
      std::string l = platform::Trim(line);
      if (l.empty()) continue;
      for (int i = 0; i < 3; ++i)
        if (platform::StartsText(own[i], l)) has[i] = true;
      r->Headers.Append(l);
    }
    // libcurl's own Accept, Expect: 100-continue and form Content-Type are not ours to send.
    for (int i = 0; i < 3; ++i)
      if (!has[i]) r->Headers.Append(own[i]);
    bool ok = r->Set(CURLOPT_HTTPHEADER, r->Headers.get());
    const std::string& m = Method();
    if (ok && m == "GET" && body.empty()) {
      ok = r->Set(CURLOPT_HTTPGET, 1L);
    } else if (ok && m == "HEAD") {
      ok = r->Set(CURLOPT_NOBODY, 1L);
    } else if (ok && (!body.empty() || m == "POST" || m == "PUT")) {
      ok = r->Set(CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(body.size())) &&
           r->Set(CURLOPT_COPYPOSTFIELDS, body.data()) && (m == "POST" || r->Set(CURLOPT_CUSTOMREQUEST, m.c_str()));
    } else if (ok) {
      ok = r->Set(CURLOPT_CUSTOMREQUEST, m.c_str());
    }
    if (!ok) {
      FLastError = MapCurlError(r->Result, nullptr, false);
      return false;
    }
    const auto restante = std::chrono::duration_cast<std::chrono::milliseconds>(FPrazo - Clock::now()).count();
    if (restante <= 0 || !r->Set(CURLOPT_TIMEOUT_MS, static_cast<long>(restante))) {
      FLastError = restante <= 0 ? kTimeout : MapCurlError(r->Result, nullptr, false);
      return false;
    }
    r->BodySize = body.size();
    r->LastActivity = Clock::now();
    r->Busy = true;
  }
  CURLcode rc = curl_easy_perform(r->Easy.get());
  std::lock_guard lock(FLock);
  r->Busy = false;
  r->Performed = true;
  r->Result = rc;
  if (!FRequestOpen) {  // aborted meanwhile: the handle is ours to free
    FRequest.reset();
    FLastError = kCancelled;
    return false;
  }
  if (rc == CURLE_OK) return true;
  curl_off_t connected = 0, tls = 0;
  curl_easy_getinfo(r->Easy.get(), CURLINFO_CONNECT_TIME_T, &connected);
  curl_easy_getinfo(r->Easy.get(), CURLINFO_APPCONNECT_TIME_T, &tls);
  bool sent = connected > 0 && (!UseSSL() || tls > 0) && static_cast<std::size_t>(r->Up) >= r->BodySize;
  if (sent || r->HeadersDone || !r->RawHeaders.empty()) return true;  // the failure belongs to a later step
  FLastError = MapCurlError(rc, r->ErrorBuffer, r->TimedOut);
  if (r->Verificacao && (r->Verificacao->Recusou() || rc == CURLE_PEER_FAILED_VERIFICATION)) {
    FLastError = kSecureFailure;
    FDetalheErro = r->Verificacao->Recusa(r->ErrorBuffer);
  }
  return false;
}

bool TTrivoCurlReqResp::ReceiveResponse() {
  if (!TTrivoWinReqResp::ReceiveResponse()) return false;
  std::lock_guard lock(FLock);
  if (!FRequest || !FRequest->Performed) return false;
  if (FRequest->OverLimit) {
    FLastError = 0;
    FDetalheErro = platform::ReplyOverLimitText(URL());
    return false;
  }
  if (FRequest->Result != CURLE_OK && !FRequest->HeadersDone) {
    FLastError = MapCurlError(FRequest->Result, FRequest->ErrorBuffer, FRequest->TimedOut);
    return false;
  }
  HeaderResp().SetText(FRequest->RawHeaders);
  FRequest->ReadPos = 0;
  return true;
}

long TTrivoCurlReqResp::ReadData(char* buffer, long size) {
  if (TTrivoWinReqResp::ReadData(buffer, size) < 0) return -1;
  std::lock_guard lock(FLock);
  if (!FRequest) return -1;
  TCurlRequest& r = *FRequest;
  if (r.ReadPos >= r.Body.size()) {
    if (r.Result != CURLE_OK) {  // the body broke off
      FLastError = MapCurlError(r.Result, r.ErrorBuffer, r.TimedOut);
      return -1;
    }
    return 0;
  }
  std::size_t n = std::min<std::size_t>(static_cast<std::size_t>(size), r.Body.size() - r.ReadPos);
  std::memcpy(buffer, r.Body.data() + r.ReadPos, n);
  r.ReadPos += n;
  return static_cast<long>(n);
}

void TTrivoCurlReqResp::CloseHandles() {
  std::lock_guard lock(FLock);
  FRequestOpen = false;
  FConnectionOpen = false;
  FSessionOpen = false;
  // A request inside its transfer stops at its next progress check; the sending thread frees it.
  if (FRequest && !FRequest->Busy) FRequest.reset();
}

namespace {
constexpr TTrivoCurlReqResp::TSabor kWinHTTP{"WinHTTP Trivo/1.0", true, true, false, false};
constexpr TTrivoCurlReqResp::TSabor kWinINet{"WinINet Trivo/1.0", false, false, true, true};
}  // namespace

TTrivoWinHTTPReqResp::TTrivoWinHTTPReqResp() : TTrivoCurlReqResp(kWinHTTP) {}

TTrivoWinINetReqResp::TTrivoWinINetReqResp() : TTrivoCurlReqResp(kWinINet) {}

}  // namespace dfe
