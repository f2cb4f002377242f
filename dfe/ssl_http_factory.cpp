// HTTP back ends by library choice: one line per back end.
#include "dfe/ssl.h"

namespace dfe {

TDFeSSLHttpClassClass ClasseSSLHttp(TSSLHttpLib lib) {
  switch (lib) {
    case httpNone: return &CriarBackEnd<TDFeSSLHttpClass, TDFeSSLHttpClass>;
    default: break;
  }
  throw ETrivoDFeException("Suporte a \"" + SSLHttpLibToStr(lib) + "\" não disponível nesta compilação");
}

}  // namespace dfe
