#pragma once
// HTTP back end of the facade over an HTTP client of its own (libcurl over OpenSSL): the
// certificate as PKCS#12 data, the TLS method of exactly the chosen protocol, no redirections
// followed, the server's certificate verified (dfe/server_verification.h), a reply within
// platform::kMaxResponseBodyLength and the whole exchange within the time-out.
#include <atomic>
#include <string>
#include <vector>

#include "dfe/ssl_backends.h"
#include "platform/curl_handles.h"

namespace dfe {

class TDFeHttpOpenSSL : public TDFeSSLHttpClass {
 public:
  explicit TDFeHttpOpenSSL(TDFeSSL& aDFeSSL);
  ~TDFeHttpOpenSSL() override;

  std::string ClassName() const override { return "TDFeHttpOpenSSL"; }
  void PrepararRequisicao() override;
  std::string LastErrorDesc() override;
  void Execute() override;
  void Abortar() override;

 private:
  struct TRecepcao;

  [[noreturn]] void Falhar(const std::string& msg);
  // The steps of one exchange.
  platform::CurlHeaderList Cabecalhos() const;
  void DefinirTransferencia(CURL* curl, curl_slist* cabecalhos, TRecepcao& recepcao, char* erro);
  void DefinirProxy(CURL* curl);
  void DefinirTLS(CURL* curl, TRecepcao& recepcao);
  void DefinirTempoLimite(CURL* curl);
  void DefinirMetodo(CURL* curl);
  void Transferir(CURL* curl, const char* erro, const TRecepcao& recepcao);

  // The client's settings, made by PrepararRequisicao.
  std::string FUserAgent, FProtocol, FCertPFX, FCertPassword;
  std::vector<std::string> FHeaders;
  long FSSLVersion = 0;
  int FTimeOut = 0;
  std::string FLastErrorMsg;
  std::string FSocketErrorDesc;
  std::atomic<bool> FAbortado{false};
};

}  // namespace dfe
