#pragma once
// The test NSS database (tests/peers/nss_db.py), made once and shared by every test process:
// client and expired certificates with software keys, the test CA, and a SoftHSM2 token
// holding the cpf certificate's key behind PIN "4321".
#include <openssl/types.h>

#include <memory>
#include <string>

namespace nsstest {

inline constexpr const char* kTokenPin = "4321";

// Folder of the database files; sets SOFTHSM2_CONF and NEMBO_NSS_DB for this process.
const std::string& UseTestDatabase();

// Serial number of a PKI certificate (client, expired, cpf, ...) as openssl prints it.
std::string OpenSSLSerial(const std::string& name);
// SHA-1 fingerprint of a PKI certificate as openssl prints it, without colons.
std::string OpenSSLThumbprint(const std::string& name);

struct X509Deleter {
  void operator()(X509* x) const;
};
using X509Ptr = std::unique_ptr<X509, X509Deleter>;
X509Ptr ReadPem(const std::string& path);
std::string DerOf(X509* cert);

// RSA PKCS#1 v1.5 verification of a signature over data with the certificate's key,
// by OpenSSL alone.
bool VerifiesWith(X509* cert, const std::string& data, const std::string& signature, const char* digest);

}  // namespace nsstest
