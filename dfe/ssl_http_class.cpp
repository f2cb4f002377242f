// The abstract HTTP back end and the one exchange every back end shares.
#include <cstdio>

#include "dfe/ssl_backends.h"

namespace dfe {

TDFeSSLHttpClass::TDFeSSLHttpClass(TDFeSSL& aDFeSSL) : FpDFeSSL(aDFeSSL) { Clear(); }

TDFeSSLHttpClass::~TDFeSSLHttpClass() = default;

void TDFeSSLHttpClass::PrepararRequisicao() {
  DataResp.clear();
  HTTPResultCode = 0;
  InternalErrorCode = 0;
}

std::string TDFeSSLHttpClass::LastErrorDesc() { return {}; }

void TDFeSSLHttpClass::Execute() { PrepararRequisicao(); }

void TDFeSSLHttpClass::Abortar() {}

void TDFeSSLHttpClass::Clear() {
  DataReq.clear();
  DataResp.clear();
  HeaderReq.Clear();
  HeaderResp.Clear();
  HTTPResultCode = 0;
  InternalErrorCode = 0;
  URL.clear();
  Method.clear();
  SoapAction.clear();
  MimeType.clear();
}

void TDFeSSLHttpClass::HTTPMethod(const std::string& aMethod, const std::string& aURL) {
  Method = aMethod;
  URL = aURL;
  Execute();
}

std::string TDFeSSLHttpClass::Enviar(const std::string& conteudoXML, const std::string& aURL, bool aValidateReturnCode,
                                     const std::string& aAuthorizationHeader, const std::string& aMimeType,
                                     const std::string& aSoapAction) {
  DataReq.clear();
  std::string metodo = "GET";
  if (!conteudoXML.empty()) {
    metodo = "POST";
    DataReq = conteudoXML;
  }
  HeaderReq.Clear();
  if (!aAuthorizationHeader.empty()) HeaderReq.AddHeader("Authorization", aAuthorizationHeader);
  SoapAction = aSoapAction;
  MimeType = aMimeType;

  bool ok = true;
  try {
    HTTPMethod(metodo, aURL);
  } catch (...) {
    ok = false;
  }
  std::string resposta = DataResp;
  if (ok && aValidateReturnCode && (HTTPResultCode < 200 || HTTPResultCode > 202)) ok = false;
  if (!ok) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "Erro Interno: %d\r\nErro HTTP: %d\r\nURL: ", InternalErrorCode, HTTPResultCode);
    throw ETrivoDFeException(buf + URL + "\r\n" + LastErrorDesc() + "\r\n" + resposta);
  }
  return resposta;
}

}  // namespace dfe
