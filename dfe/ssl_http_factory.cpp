// HTTP back ends by library choice: one line per back end.
#include "dfe/ssl_backends.h"
#include "dfe/ssl_http_openssl.h"
#include "dfe/ssl_http_soap.h"
#include "dfe/ssl_http_winhttp.h"

namespace dfe {

TDFeSSLHttpClassClass ClasseSSLHttp(TSSLHttpLib lib) {
  switch (lib) {
    case httpNone:
      return &CriarBackEnd<TDFeSSLHttpClass, TDFeSSLHttpClass>;
    case httpWinINet:
    case httpWinHttp:
      return &CriarBackEnd<TDFeHttpWinHttp, TDFeSSLHttpClass>;
    case httpOpenSSL:
      return &CriarBackEnd<TDFeHttpOpenSSL, TDFeSSLHttpClass>;
    case httpIndy:
      return &CriarBackEnd<TDFeHttpIndy, TDFeSSLHttpClass>;
    default:
      break;
  }
  throw ETrivoDFeException("Suporte a \"" + SSLHttpLibToStr(lib) + "\" não disponível nesta compilação");
}

}  // namespace dfe
