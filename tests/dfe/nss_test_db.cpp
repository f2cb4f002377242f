#include "nss_test_db.h"

#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/x509.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>

#include "platform/strings.h"
#include "support/peer.h"

namespace nsstest {

const std::string& UseTestDatabase() {
  static const std::string dir = [] {
    const std::string d = (std::filesystem::temp_directory_path() / "nembo-test-nssdb").string();
    // Made by an earlier process already: starting Python costs more than the check.
    if (std::filesystem::exists(d + "/.done")) return d;
    std::string out;
    if (testsupport::RunCommand(testsupport::Python() + " " + std::string(NEMBO_PEERS_DIR) + "/nss_db.py " + d + " " +
                                    testsupport::PkiDir(),
                                &out) != 0)
      throw std::runtime_error("nss_db.py failed: " + out);
    return d;
  }();
  setenv("SOFTHSM2_CONF", (dir + "/softhsm2.conf").c_str(), 1);
  setenv("NEMBO_NSS_DB", ("sql:" + dir + "/db").c_str(), 1);
  return dir;
}

namespace {
std::string OpenSSLField(const std::string& name, const std::string& option) {
  std::string out;
  testsupport::RunCommand("openssl x509 -noout " + option + " -in " + testsupport::PkiDir() + "/" + name + ".crt",
                          &out);
  auto eq = out.find('=');
  if (eq == std::string::npos) throw std::runtime_error("openssl x509 " + option + ": " + out);
  return platform::StringReplace(platform::Trim(out.substr(eq + 1)), ":", "");
}
}  // namespace

std::string OpenSSLSerial(const std::string& name) { return OpenSSLField(name, "-serial"); }
std::string OpenSSLThumbprint(const std::string& name) { return OpenSSLField(name, "-fingerprint -sha1"); }

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
