// Cryptography back ends by library choice: one line per back end.
#include "dfe/ssl_backends.h"
#include "dfe/ssl_crypt_nss.h"
#include "dfe/ssl_crypt_openssl.h"

namespace dfe {

TDFeSSLCryptClassClass ClasseSSLCrypt(TSSLCryptLib lib) {
  switch (lib) {
    case cryNone:
      return &CriarBackEnd<TDFeSSLCryptClass, TDFeSSLCryptClass>;
    case cryOpenSSL:
      return &CriarBackEnd<TDFeOpenSSL, TDFeSSLCryptClass>;
    case cryWinCrypt:
      return &CriarBackEnd<TDFeWinCrypt, TDFeSSLCryptClass>;
    case cryCapicom:
      throw ETrivoDFeException("Suporte a libCapicom foi desativado por compilação {$DEFINE DFE_SEM_CAPICOM}");
    default:
      break;
  }
  throw ETrivoDFeException("Suporte a \"" + SSLCryptLibToStr(lib) + "\" não disponível nesta compilação");
}

}  // namespace dfe
