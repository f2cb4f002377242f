#include "support/nss_db.h"

#include <filesystem>
#include <stdexcept>

#include "support/peer.h"

namespace testsupport {

namespace {

void Run(const std::string& command) {
  std::string out;
  if (RunCommand(command, &out) != 0) throw std::runtime_error(command + " failed: " + out);
}

std::string OpenSSLField(const std::string& crtPath, const std::string& option) {
  std::string out;
  RunCommand("openssl x509 -noout " + option + " -in " + crtPath, &out);
  auto eq = out.find('=');
  if (eq == std::string::npos) throw std::runtime_error("openssl x509 " + option + ": " + out);
  std::string value;
  for (char c : out.substr(eq + 1))
    if (c != ':' && c != '\n' && c != '\r' && c != ' ') value += c;
  return value;
}

}  // namespace

const std::string& NssTestDatabase() {
  static const std::string dir = [] {
    const std::string d = (std::filesystem::temp_directory_path() / "nembo-test-nssdb").string();
    // Made by an earlier process already: starting Python costs more than the check.
    if (!std::filesystem::exists(d + "/.done"))
      Run(Python() + " " + std::string(NEMBO_PEERS_DIR) + "/nss_db.py " + d + " " + PkiDir());
    return d;
  }();
  return dir;
}

std::string CertificateSerial(const std::string& crtPath) { return OpenSSLField(crtPath, "-serial"); }
std::string CertificateThumbprint(const std::string& crtPath) { return OpenSSLField(crtPath, "-fingerprint -sha1"); }

NssCertificate NssDatabaseWithCertificate(const std::string& notAfter) {
  const std::string dir = MakeTempDir("nembo-nss-cert");
  std::filesystem::copy_file(PkiDir() + "/ca.crt", dir + "/ca.crt");
  std::filesystem::copy_file(PkiDir() + "/ca.key", dir + "/ca.key");
  // The PKI's own maker issues it, so it looks like the employer's other certificates.
  Run(Python() + " -c \"import sys; sys.path.insert(0, '" + NEMBO_PEERS_DIR + "'); import pki; pki.leaf('" + dir +
      "', 'cert', '/C=BR/O=ICP-Brasil/CN=EMPRESA TESTE LTDA:12345678000195', pki.CLIENT_EXT + "
      "'subjectAltName=otherName:2.16.76.1.3.3;PRINTABLESTRING:12345678000195\\n', start='20200101000000Z', end='" +
      notAfter + "')\"");
  std::filesystem::create_directory(dir + "/db");
  Run("certutil -N -d sql:" + dir + "/db --empty-password");
  Run("pk12util -i " + dir + "/cert.p12 -d sql:" + dir + "/db -W 1234");
  return {"sql:" + dir + "/db", CertificateSerial(dir + "/cert.crt")};
}

}  // namespace testsupport
