#include "nss_test_db.h"

#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/x509.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>

#include "platform/strings.h"
#include "support/nss_db.h"
#include "support/peer.h"

namespace nsstest {

const std::string& UseTestDatabase() {
  const std::string& dir = testsupport::NssTestDatabase();
  setenv("SOFTHSM2_CONF", (dir + "/softhsm2.conf").c_str(), 1);
  setenv("NEMBO_NSS_DB", ("sql:" + dir + "/db").c_str(), 1);
  return dir;
}

std::string OpenSSLSerial(const std::string& name) {
  return testsupport::CertificateSerial(testsupport::PkiDir() + "/" + name + ".crt");
}
std::string OpenSSLThumbprint(const std::string& name) {
  return testsupport::CertificateThumbprint(testsupport::PkiDir() + "/" + name + ".crt");
}

void X509Deleter::operator()(X509* x) const { X509_free(x); }

X509Ptr ReadPem(const std::string& path) {
  FILE* f = std::fopen(path.c_str(), "r");
  if (f == nullptr) throw std::runtime_error("cannot open " + path);
  X509* x = PEM_read_X509(f, nullptr, nullptr, nullptr);
  std::fclose(f);
  return X509Ptr(x);
}

std::string DerOf(X509* cert) {
  unsigned char* buf = nullptr;
  int len = i2d_X509(cert, &buf);
  std::string out(reinterpret_cast<char*>(buf), static_cast<std::size_t>(len));
  OPENSSL_free(buf);
  return out;
}

bool VerifiesWith(X509* cert, const std::string& data, const std::string& signature, const char* digest) {
  EVP_MD_CTX* ctx = EVP_MD_CTX_new();
  bool ok = EVP_DigestVerifyInit(ctx, nullptr, EVP_get_digestbyname(digest), nullptr, X509_get0_pubkey(cert)) == 1 &&
            EVP_DigestVerify(ctx, reinterpret_cast<const unsigned char*>(signature.data()), signature.size(),
                             reinterpret_cast<const unsigned char*>(data.data()), data.size()) == 1;
  EVP_MD_CTX_free(ctx);
  return ok;
}

}  // namespace nsstest
