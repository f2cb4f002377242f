#pragma once
// The NSS certificate database as the certificate store: where the database is, opening it
// once per process, the certificates that have a private key (in the database or on a token
// registered in it as a PKCS#11 module), their keys, and a token's PIN.
#include <cert.h>
#include <keyhi.h>
#include <nss.h>
#include <pk11pub.h>

#include <memory>
#include <string>
#include <vector>

namespace dfe::nss {

struct CertDeleter {
  void operator()(CERTCertificate* c) const { CERT_DestroyCertificate(c); }
};
struct KeyDeleter {
  void operator()(SECKEYPrivateKey* k) const { SECKEY_DestroyPrivateKey(k); }
};
struct SlotDeleter {
  void operator()(PK11SlotInfo* s) const { PK11_FreeSlot(s); }
};
using CertPtr = std::unique_ptr<CERTCertificate, CertDeleter>;
using KeyPtr = std::unique_ptr<SECKEYPrivateKey, KeyDeleter>;
using SlotPtr = std::unique_ptr<PK11SlotInfo, SlotDeleter>;

// The current user's database: NEMBO_NSS_DB, else sql:$HOME/.pki/nssdb, or
// sql:$HOME/.local/share/pki/nssdb when only that one exists.
std::string UserDatabaseLocation();
// The machine's database.
std::string LocalMachineDatabaseLocation();

// What NSS's password callback answers when a token asks for its PIN (or the database for
// its password): the given PIN once (a retry after a wrong one gets none); without one, and
// when Ask is set, the user is asked in a desktop session, at most three times.
struct PinArg {
  std::string Pin;
  bool Ask = false;
  bool Presented = false;  // set when a PIN was handed to the token
  int Asked = 0;
};

class Database {
 public:
  // Opens the database read-only, once per process; it stays open. Null when it cannot be
  // opened (no database there).
  static Database* Open(const std::string& location);

  const std::string& Location() const { return FLocation; }
  // Certificates that have a private key, in the database's own slot or on its tokens.
  std::vector<CertPtr> UserCertificates() const;

  Database(const std::string& location, NSSInitContext* ctx, std::vector<SlotPtr> slots);

 private:
  std::string FLocation;
  NSSInitContext* FCtx;
  std::vector<SlotPtr> FSlots;
};

// The token where the certificate lives, when that is not NSS's own software database.
SlotPtr TokenSlot(CERTCertificate* cert);
// The certificate's private key wherever it lives; null when none can be reached.
KeyPtr FindPrivateKey(CERTCertificate* cert, PinArg* arg);

// NSS's last error as eight upper-case hexadecimal digits.
std::string ErrorCode(int nssError);
std::string LastErrorCode();

// Logs in to the token with the PIN; an empty PIN logs out. Raises ETrivoDFeException with
// the card texts for a wrong or blocked PIN, and for other failures when raiseGeneral.
void SetTokenPin(PK11SlotInfo* slot, const std::string& pin, bool raiseGeneral);
// The check behind SetTokenPin, for an NSS error code (0 passes).
void CheckPinError(int nssError, bool raiseGeneral);

// The key as PKCS#8 DER; empty when it may not leave where it lives.
std::string ExportPrivateKey(SECKEYPrivateKey* key, PinArg* arg);
// DER of the issuers above the certificate that the databases know, nearest first.
std::vector<std::string> IssuerChain(CERTCertificate* cert);

}  // namespace dfe::nss
