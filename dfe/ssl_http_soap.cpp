#include "dfe/ssl_http_soap.h"

#include "dfe/http_request.h"
#include "platform/strings.h"

namespace dfe {

TDFeHttpIndy::TDFeHttpIndy(TDFeSSL& aDFeSSL)
    : TDFeSSLHttpClass(aDFeSSL), FIndyReqResp(std::make_unique<TTrivoWinINetReqResp>()) {}

TDFeHttpIndy::~TDFeHttpIndy() = default;

void TDFeHttpIndy::PrepararRequisicao() {
  TDFeSSLHttpClass::PrepararRequisicao();
  TTrivoWinINetReqResp& t = *FIndyReqResp;
  t.Clear();
  t.ProxyHost.clear();
  t.ProxyPort.clear();
  t.ProxyUser.clear();
  t.ProxyPass.clear();
  FProxyTexto.clear();
  if (!FpDFeSSL.ProxyHost.empty()) {
    FProxyTexto = FpDFeSSL.ProxyHost + ":" + FpDFeSSL.ProxyPort;
    auto colon = FProxyTexto.find(':');
    t.ProxyHost = FProxyTexto.substr(0, colon);
    t.ProxyPort = FProxyTexto.substr(colon + 1);
    t.ProxyUser = FpDFeSSL.ProxyUser;
    t.ProxyPass = FpDFeSSL.ProxyPass;
  }
  t.SetURL(URL);
  t.EncodeDataToUTF8 = false;  // the body goes as it is; header texts are UTF-8 anyway
  FMimeType = MimeType;
  t.SOAPAction = SoapAction;
  t.TimeOut = FpDFeSSL.TimeOut;
}

void TDFeHttpIndy::AntesDoPost() {
  TTrivoWinINetReqResp& t = *FIndyReqResp;
  if (FpDFeSSL.UseCertificateHTTP) AplicarCertificadoCliente(FpDFeSSL, t);
  if (platform::Trim(FpDFeSSL.ProxyUser).empty()) {
    t.ProxyUser.clear();
    t.ProxyPass.clear();
  } else if (platform::Trim(FpDFeSSL.ProxyPass).empty()) {
    t.ProxyPass.clear();
  }
  // The media type replaces the transport's own, exactly as given (no character set added).
  if (!FMimeType.empty()) {
    t.MimeType = FMimeType;
    t.Charsets.clear();
  }
}

void TDFeHttpIndy::Execute() {
  PrepararRequisicao();
  AntesDoPost();
  // The status the server gave, not 200 for any reply that has a body.
  ExecutarTroca(*this, *FIndyReqResp, [this] { FIndyReqResp->Execute(DataReq, DataResp); });
}

// Stops the running post; the transport itself stays, as the exchange still uses it.
void TDFeHttpIndy::Abortar() { FIndyReqResp->Abortar(); }

}  // namespace dfe
