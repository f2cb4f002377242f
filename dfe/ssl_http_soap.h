#pragma once
// HTTP back end of the facade in the manner of a SOAP runtime's transport: always a POST, the
// media type forced as given, the SOAP action header, over the WinINet request class.
#include <memory>
#include <string>

#include "dfe/http_request.h"
#include "dfe/ssl_backends.h"

namespace dfe {

class TDFeHttpIndy : public TDFeSSLHttpClass {
 public:
  explicit TDFeHttpIndy(TDFeSSL& aDFeSSL);
  ~TDFeHttpIndy() override;

  std::string ClassName() const override { return "TDFeHttpIndy"; }
  void PrepararRequisicao() override;
  void Execute() override;
  void Abortar() override;

  // The transport's proxy text: host, ":" and port.
  const std::string& ProxyTexto() const { return FProxyTexto; }

 private:
  // Just before the post: client certificate, proxy user, media type.
  void AntesDoPost();

  std::unique_ptr<TTrivoWinINetReqResp> FIndyReqResp;
  std::string FMimeType;
  std::string FProxyTexto;
};

}  // namespace dfe
