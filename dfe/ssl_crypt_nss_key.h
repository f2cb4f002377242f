#pragma once
// An OpenSSL key whose private operations run in NSS, where the key lives (the software
// database or a token). It lets code written over OpenSSL (a TLS client certificate, an
// EVP signature) use a key that never leaves its store.
#include <keyhi.h>
#include <openssl/types.h>

namespace dfe::nss {

// A new RSA EVP_PKEY (the caller owns it) holding the certificate's public values and a
// copy of the NSS key: signing with PKCS#1 v1.5 or raw (PSS) padding runs in NSS.
// Null when the key is not RSA or the certificate's key cannot be read.
EVP_PKEY* OpenSSLKeyOverNss(SECKEYPrivateKey* key, X509* cert);

}  // namespace dfe::nss
