#include "dfe/ssl_crypt_openssl.h"

namespace dfe {

std::string TextoErroOpenSSL() { return {}; }

TDFeOpenSSL::TDFeOpenSSL(TDFeSSL& aDFeSSL) : TDFeSSLCryptClass(aDFeSSL) { Clear(); }
TDFeOpenSSL::~TDFeOpenSSL() { DescarregarCertificado(); }
const TCertContext* TDFeOpenSSL::CertContextWinApi() { return nullptr; }
void TDFeOpenSSL::CarregarCertificadoDeDadosPFX() {}
void TDFeOpenSSL::Clear() { TDFeSSLCryptClass::Clear(); }
std::string TDFeOpenSSL::Versao() { return {}; }
std::string TDFeOpenSSL::CalcHash(std::istream&, TSSLDgst, bool) { return {}; }
bool TDFeOpenSSL::ValidarHash(std::istream&, TSSLDgst, const std::string&, bool) { return false; }
void TDFeOpenSSL::DescarregarCertificado() { TDFeSSLCryptClass::DescarregarCertificado(); }
bool TDFeOpenSSL::CarregarCertificadoPublico(const std::string&) { return false; }
std::string TDFeOpenSSL::OpenSSLVersion() { return {}; }
bool TDFeOpenSSL::OpenSSLOldVersion() { return false; }

}  // namespace dfe
