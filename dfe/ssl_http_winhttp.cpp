#include "dfe/ssl_http_winhttp.h"

namespace dfe {

TDFeHttpWinHttp::TDFeHttpWinHttp(TDFeSSL& aDFeSSL) : TDFeSSLHttpClass(aDFeSSL) {
  if (aDFeSSL.SSLHttpLib() == httpWinINet)
    FWinHTTPReqResp = std::make_unique<TTrivoWinINetReqResp>();
  else
    FWinHTTPReqResp = std::make_unique<TTrivoWinHTTPReqResp>();
}

TDFeHttpWinHttp::~TDFeHttpWinHttp() = default;

void TDFeHttpWinHttp::PrepararRequisicao() {
  TDFeSSLHttpClass::PrepararRequisicao();
  TTrivoWinReqResp& req = *FWinHTTPReqResp;
  req.Clear();
  req.ProxyHost = FpDFeSSL.ProxyHost;
  req.ProxyPort = FpDFeSSL.ProxyPort;
  req.ProxyUser = FpDFeSSL.ProxyUser;
  req.ProxyPass = FpDFeSSL.ProxyPass;
  req.SetURL(URL);
  req.SetMethod(Method);
  req.MimeType = MimeType;
  req.SOAPAction = SoapAction;
  for (const auto& line : HeaderReq.Lines) req.HeaderReq().Lines.push_back(line);
  if (FpDFeSSL.UseCertificateHTTP) AplicarCertificadoCliente(FpDFeSSL, req);
  req.SSLType = FpDFeSSL.SSLType();
  req.TimeOut = FpDFeSSL.TimeOut;
  if (!DataReq.empty()) req.Data = DataReq;
}

std::string TDFeHttpWinHttp::LastErrorDesc() { return FWinHTTPReqResp->DescricaoUltimoErro(); }

void TDFeHttpWinHttp::Execute() {
  PrepararRequisicao();
  ExecutarTroca(*this, *FWinHTTPReqResp, [this] { FWinHTTPReqResp->Execute(DataResp); });
}

void TDFeHttpWinHttp::Abortar() { FWinHTTPReqResp->Abortar(); }

}  // namespace dfe
