#pragma once
// HTTP back end of the facade over the request classes: WinHTTP's for httpWinHttp, WinINet's
// for httpWinINet (chosen when the back end is made).
#include <functional>
#include <memory>
#include <string>

#include "dfe/http_request.h"
#include "dfe/ssl_backends.h"

namespace dfe {

class TDFeHttpWinHttp : public TDFeSSLHttpClass {
 public:
  explicit TDFeHttpWinHttp(TDFeSSL& aDFeSSL);
  ~TDFeHttpWinHttp() override;

  std::string ClassName() const override { return "TDFeHttpWinHttp"; }
  void PrepararRequisicao() override;
  std::string LastErrorDesc() override;
  void Execute() override;
  void Abortar() override;

  TTrivoWinReqResp& WinHTTPReqResp() { return *FWinHTTPReqResp; }

 private:
  std::unique_ptr<TTrivoWinReqResp> FWinHTTPReqResp;
};

// The facade's client certificate on a request: the loaded certificate's context, or its
// PKCS#12 data and password when the cryptography back end has no context to give.
void AplicarCertificadoCliente(TDFeSSL& ssl, TTrivoWinReqResp& req);

// Runs one exchange of the request object for a back end: its status and error code reach the
// back end whether the exchange succeeds or fails, its response headers after a success.
void ExecutarTroca(TDFeSSLHttpClass& backEnd, TTrivoWinReqResp& req, const std::function<void()>& troca);

}  // namespace dfe
