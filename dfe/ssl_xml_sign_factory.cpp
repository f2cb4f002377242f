// XML signers by library choice: one line per back end.
#include "dfe/ssl_backends.h"
#include "dfe/ssl_xml_sign_libxml2.h"

namespace dfe {

TDFeSSLXmlSignClassClass ClasseSSLXmlSign(TSSLXmlSignLib lib) {
  switch (lib) {
    case xsNone:
      return &CriarBackEnd<TDFeSSLXmlSignClass, TDFeSSLXmlSignClass>;
    case xsLibXml2:
      return &CriarBackEnd<TDFeSSLXmlSignLibXml2, TDFeSSLXmlSignClass>;
    case xsXmlSec:
      throw ETrivoDFeException(
          "Suporte a \"xsXmlSec\" foi desativado por compilação {$DEFINE DFE_SEM_OPENSSL} ou {$DEFINE "
          "DFE_SEM_XMLSEC}");
    case xsMsXml:
      throw ETrivoDFeException("Suporte a \"xsMsXml\" foi desativado por compilação {$DEFINE DFE_SEM_MSXML}");
    case xsMsXmlCapicom:
      throw ETrivoDFeException(
          "Suporte a \"xsMsXmlCapicom\" disponível apenas em MSWINDOWS, e sem a diretiva de compilação {$DEFINE "
          "DFE_SEM_MSXML}");
  }
  throw ETrivoDFeException("Suporte a \"" + SSLXmlSignLibToStr(lib) + "\" não disponível nesta compilação");
}

}  // namespace dfe
