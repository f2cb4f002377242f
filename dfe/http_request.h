#pragma once
// One HTTP or HTTPS exchange: session, connection and request steps, the request headers, TLS
// version, client certificate, proxy, time-outs, redirections handled here, raw response
// headers kept, and every failure reported with a Windows-style error code and text.
// TTrivoWinReqResp owns the order of the steps, the checks and the messages; the two request
// classes carry out the primitive steps over libcurl, keeping the differences of the two
// Windows interfaces they are named after.
#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>

#include "dfe/exceptions.h"
#include "dfe/http_header.h"
#include "dfe/ssl.h"

namespace dfe {

class ETrivoWinReqResp : public ETrivoException {
 public:
  using ETrivoException::ETrivoException;
};

class TTrivoWinReqResp {
 public:
  TTrivoWinReqResp();
  virtual ~TTrivoWinReqResp();
  TTrivoWinReqResp(const TTrivoWinReqResp&) = delete;
  TTrivoWinReqResp& operator=(const TTrivoWinReqResp&) = delete;

  // Settings back to their defaults; LogFile, proxy and address stay.
  void Clear();

  // Data := dataToPost, Method := "POST", then the exchange.
  void Execute(const std::string& dataToPost, std::string& aResp);
  // The exchange; the response body replaces the content of resp.
  void Execute(std::string& resp);
  // Closes every handle; may come from another thread while an exchange runs, which then fails
  // with "Conexão foi abortada".
  virtual void Abortar();
  // "Erro: <code> - <text>", or empty for code 0.
  std::string GetWinInetError(std::uint32_t errorCode) const;
  // The last failure's description: GetWinInetError of InternalErrorCode, then what the code
  // alone does not tell (a refused server certificate and why, a reply over the limit).
  std::string DescricaoUltimoErro() const;

  // Client certificate: the loaded certificate (key used where it lives), or else PKCS#12
  // bytes with their password. None of them means no client certificate.
  const TCertContext* CertContext = nullptr;
  std::string CertPFXData;
  std::string CertPFXPassword;

  THttpHeader& HeaderReq() { return FHeaderReq; }
  THttpHeader& HeaderResp() { return FHeaderResp; }
  int InternalErrorCode() const { return FInternalErrorCode; }
  int HttpResultCode() const { return FHttpResultCode; }

  bool EncodeDataToUTF8 = false;
  std::string LogFile;
  const std::string& Method() const { return FMethod; }
  void SetMethod(const std::string& value);
  std::string SOAPAction;
  std::string MimeType;
  std::string Charsets;
  std::string Data;
  std::string ProxyHost, ProxyPass, ProxyPort, ProxyUser;
  TSSLType SSLType = LT_all;
  // Milliseconds the whole exchange may take, from its start to its last byte (redirections
  // included); 0 or less keeps the interface's default time-outs.
  int TimeOut = 10000;

  const std::string& URL() const { return FURL; }
  void SetURL(const std::string& value);
  const std::string& URI() const { return FURI; }
  const std::string& Prot() const { return FProt; }
  const std::string& Host() const { return FHost; }
  const std::string& Port() const { return FPort; }
  std::uint16_t PortNumber() const;
  std::string ProxyHostAndPort() const;
  bool UseSSL() const;
  bool UseCertificate() const;

 protected:
  // Primitive steps. The base versions trace, run the abort check and report whether the
  // handle they need is open; the request classes call them first.
  virtual int QueryHttpResultCode() { return 0; }
  virtual bool IsSessionOpen() const { return FSessionOpen; }
  virtual void ResetState();
  virtual bool OpenSessionHandle() { return true; }
  virtual bool OpenConnectionHandle();
  virtual bool OpenRequestHandle();
  virtual bool SetHeaderReq();
  virtual bool SendData(const std::string& body);
  virtual bool ReceiveResponse();
  virtual long ReadData(char* buffer, long size);
  virtual bool SetConnectionTimeOut();
  virtual bool SetConnectionSSL();
  virtual bool SetConnectionCertificate();
  virtual bool SetConnectionSecurityFlags();
  virtual bool SetProxyUser();
  virtual void CloseHandles() {}

  // Raises "Conexão foi abortada" when the session is closed or an abort was asked for.
  void AbortCheck() const;
  void Trace(const std::string& line) const;
  // The request header text: Host first (once), Content-Type, Accept-Charset, SOAPAction and
  // the caller's headers, each line ended by CR LF.
  std::string HeaderText();
  void UpdateErrorCodes();

  // Handle state shared with Abortar on another thread.
  std::atomic<bool> FSessionOpen{false}, FConnectionOpen{false}, FRequestOpen{false};
  std::atomic<bool> FAbortado{false};
  // The Windows-style error code of the last failed primitive step.
  std::atomic<std::uint32_t> FLastError{0};
  // What the code alone does not tell (a refused server certificate and why), added to the
  // failed step's message.
  std::string FDetalheErro;

 private:
  void OpenSession();
  void CheckProxyParams();
  void FindIEProxy();
  void OpenConnection();
  void OpenRequest();
  void Send();
  void Receive(std::string& resp);
  bool FollowRedirection();
  void AdjustForRedirection();
  [[noreturn]] void Fail(const char* message);

  THttpHeader FHeaderReq, FHeaderResp;
  int FRedirections = 0;
  int FInternalErrorCode = 0;
  int FHttpResultCode = 0;
  std::string FMethod = "GET";
  std::string FURL, FURI, FProt, FHost, FPort;
};

class TCurlRequest;

// Shared engine of the two request classes (a libcurl easy handle per request).
// HTTPS server certificates are verified (dfe/server_verification.h); a reply over
// platform::kMaxResponseBodyLength fails as it arrives.
class TTrivoCurlReqResp : public TTrivoWinReqResp {
 public:
  ~TTrivoCurlReqResp() override;
  void Abortar() override;

  // What tells the two Windows interfaces apart.
  struct TSabor {
    const char* UserAgent;
    bool BypassLocalhost;    // "localhost" goes around the proxy
    bool SetsTLSVersion;     // the TLS versions follow SSLType, else the library's default
    bool ServerCredentials;  // the proxy user and password also answer the server's challenge
    bool HeadersBeforeSend;  // headers are added to the request before the send step
  };

 protected:
  explicit TTrivoCurlReqResp(const TSabor& sabor);

  int QueryHttpResultCode() override;
  void ResetState() override;
  bool OpenSessionHandle() override;
  bool OpenConnectionHandle() override;
  bool OpenRequestHandle() override;
  bool SetHeaderReq() override;
  bool SendData(const std::string& body) override;
  bool ReceiveResponse() override;
  long ReadData(char* buffer, long size) override;
  bool SetConnectionTimeOut() override;
  bool SetConnectionSSL() override;
  bool SetConnectionCertificate() override;
  bool SetConnectionSecurityFlags() override;
  bool SetProxyUser() override;
  void CloseHandles() override;

 private:
  const TSabor& FSabor;
  std::mutex FLock;  // guards FRequest against Abortar from another thread
  std::unique_ptr<TCurlRequest> FRequest;
  std::string FHeaderText;
  std::chrono::steady_clock::time_point FPrazo;  // the end of the exchange's time
};

// Over the WinHTTP model: TLS versions by SSLType, "localhost" bypasses the proxy.
class TTrivoWinHTTPReqResp : public TTrivoCurlReqResp {
 public:
  TTrivoWinHTTPReqResp();
};

// Over the WinINet model: the library's default TLS versions, no proxy bypass, the proxy user
// and password handed to the connection too, headers added before the send.
class TTrivoWinINetReqResp : public TTrivoCurlReqResp {
 public:
  TTrivoWinINetReqResp();
};

// ---- for the facade's HTTP back ends that run over the request classes ----

class TDFeSSLHttpClass;

// The facade's client certificate on a request: the loaded certificate's context, or its
// PKCS#12 data and password when the cryptography back end has no context to give.
void AplicarCertificadoCliente(TDFeSSL& ssl, TTrivoWinReqResp& req);

// Runs one exchange of the request object for a back end: its status and error code reach the
// back end whether the exchange succeeds or fails, its response headers after a success.
void ExecutarTroca(TDFeSSLHttpClass& backEnd, TTrivoWinReqResp& req, const std::function<void()>& troca);

}  // namespace dfe
