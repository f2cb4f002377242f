#pragma once
// The test NSS database of tests/peers/nss_db.py, made once and shared by every test process
// (client and expired certificates with software keys, the test CA, a SoftHSM2 token), and
// databases of a test's own holding one certificate.
#include <string>

namespace testsupport {

// Folder of the shared database: "sql:" + folder + "/db" is its NSS database name, folder +
// "/softhsm2.conf" the token's SoftHSM2 configuration.
const std::string& NssTestDatabase();

// Serial number of a PEM certificate as openssl prints it (hexadecimal, no colons).
std::string CertificateSerial(const std::string& crtPath);
// SHA-1 fingerprint of a PEM certificate as openssl prints it, without colons.
std::string CertificateThumbprint(const std::string& crtPath);

// A fresh NSS database holding one software key: a certificate of the test CA for the test
// employer (CNPJ 12345678000195) valid until notAfter (openssl's YYYYMMDDHHMMSSZ, UTC).
struct NssCertificate {
  std::string Db;      // NSS database name, "sql:<folder>"
  std::string Serial;  // as the certificate dialog returns it
};
NssCertificate NssDatabaseWithCertificate(const std::string& notAfter);

}  // namespace testsupport
