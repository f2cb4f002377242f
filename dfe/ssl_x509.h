#pragma once
// The X.509 steps both cryptography back ends take: a certificate's record, its dates, its DER
// form and the tax number of its alternative name. The back ends keep only how they write the
// names and the serial number, where they differ.
#include <openssl/types.h>

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "dfe/ssl.h"
#include "platform/date_time.h"

namespace dfe::x509 {

// Local date and time of an ASN.1 time (two-digit years follow RFC 5280: 50..99 is 19xx);
// 0 without one.
platform::TDateTime Data(const ASN1_TIME* t);
// The certificate's DER encoding; empty when it cannot be made.
std::string DER(X509* cert);
// The certificate of a DER encoding (the caller owns it); null when the bytes are none.
X509* DeDER(std::string_view der);
// Size of the tag and length in front of a DER value's content; 0 when malformed.
std::size_t CabecalhoDER(std::string_view der);
// SHA-1 of the DER encoding in upper-case hexadecimal.
std::string ThumbPrint(X509* cert);
// The CNPJ of the ICP-Brasil other name 2.16.76.1.3.3 of the subject alternative name, else
// the CPF at characters 9 to 19 of 2.16.76.1.3.1; empty when neither is there, nullopt when the
// extension is there but cannot be decoded.
std::optional<std::string> CNPJDoNomeAlternativo(X509* cert);

// How a back end writes what tells the back ends apart.
struct TFormaBackEnd {
  std::string (*Nome)(const X509_NAME* nome);
  std::string (*NumeroSerie)(X509* cert);
  // Called when the alternative name cannot be decoded; without one the tax number stays empty.
  void (*NomeAlternativoIlegivel)();
};

// The record of a certificate: serial, thumbprint, subject (with the name and tax number it
// derives, else the tax number of the alternative name), validity, issuer, DER in Base64, type.
void LerDadosCertificado(X509* cert, const TFormaBackEnd& forma, TSSLTipoCertificado tipo, TDadosCertificado& dados);

}  // namespace dfe::x509
