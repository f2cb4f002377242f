#pragma once
// HTTP back end of the facade over the request classes: WinHTTP's for httpWinHttp, WinINet's
// for httpWinINet (chosen when the back end is made).
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

}  // namespace dfe
