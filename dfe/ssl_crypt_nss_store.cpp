#include "dfe/ssl_crypt_nss_store.h"

#include <nss.h>
#include <openssl/err.h>
#include <openssl/pkcs12.h>
#include <openssl/x509.h>
#include <pwd.h>
#include <secasn1.h>
#include <secerr.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <mutex>

#include "dfe/exceptions.h"
#include "platform/cert_dialog.h"

namespace dfe::nss {

namespace {

std::string HomeFolder() {
  if (const char* h = std::getenv("HOME"); h != nullptr && *h != '\0') return h;
  if (const passwd* pw = getpwuid(getuid()); pw != nullptr && pw->pw_dir != nullptr) return pw->pw_dir;
  return "/";
}

char* PasswordCallback(PK11SlotInfo* slot, PRBool retry, void* arg) {
  auto* p = static_cast<PinArg*>(arg);
  if (p == nullptr) return nullptr;
  std::string pin;
  if (!p->Pin.empty()) {
    if (retry) return nullptr;
    pin = p->Pin;
  } else if (p->Ask && p->Asked < 3) {
    // Cards block after a few wrong PINs: the user gets three tries per operation.
    ++p->Asked;
    pin = platform::AskTokenPin(PK11_GetTokenName(slot), retry);
  }
  if (pin.empty()) return nullptr;
  p->Presented = true;
  return PORT_Strdup(pin.c_str());
}

std::vector<PK11SlotInfo*> PresentSlots() {
  std::vector<PK11SlotInfo*> out;
  if (!NSS_IsInitialized()) return out;
  PK11SlotList* list = PK11_GetAllTokens(CKM_INVALID_MECHANISM, PR_FALSE, PR_FALSE, nullptr);
  if (list == nullptr) return out;
  for (PK11SlotListElement* e = PK11_GetFirstSafe(list); e != nullptr; e = PK11_GetNextSafe(list, e, PR_FALSE))
    out.push_back(e->slot);
  PK11_FreeSlotList(list);  // the slots themselves live as long as their modules
  return out;
}

std::mutex& RegistryLock() {
  static std::mutex m;
  return m;
}
std::vector<std::unique_ptr<Database>>& Registry() {
  static std::vector<std::unique_ptr<Database>> r;
  return r;
}

}  // namespace

std::string UserDatabaseLocation() {
  if (const char* v = std::getenv("NEMBO_NSS_DB"); v != nullptr && *v != '\0') return v;
  namespace fs = std::filesystem;
  std::error_code ec;
  const fs::path home = HomeFolder();
  const fs::path legacy = home / ".pki" / "nssdb";
  const fs::path xdg = home / ".local" / "share" / "pki" / "nssdb";
  if (!fs::is_directory(legacy, ec) && fs::is_directory(xdg, ec)) return "sql:" + xdg.string();
  return "sql:" + legacy.string();
}

std::string LocalMachineDatabaseLocation() { return "sql:/etc/pki/nssdb"; }

Database::Database(const std::string& location, NSSInitContext* ctx, std::vector<SlotPtr> slots)
    : FLocation(location), FCtx(ctx), FSlots(std::move(slots)) {}

Database* Database::Open(const std::string& location) {
  std::lock_guard<std::mutex> lock(RegistryLock());
  for (auto& db : Registry())
    if (db->FLocation == location) return db.get();

  // The first database initialises NSS with its modules (tokens included); a later one
  // only adds its own software slot, which is how its certificates are told apart.
  const bool first = Registry().empty() && !NSS_IsInitialized();
  const std::vector<PK11SlotInfo*> before = PresentSlots();
  NSSInitContext* ctx =
      NSS_InitContext(location.c_str(), "", "", SECMOD_DB, nullptr, NSS_INIT_READONLY | NSS_INIT_NOROOTINIT);
  if (ctx == nullptr) return nullptr;
  PK11_SetPasswordFunc(PasswordCallback);

  std::vector<SlotPtr> own;
  if (!first) {
    for (PK11SlotInfo* s : PresentSlots())
      if (std::find(before.begin(), before.end(), s) == before.end()) own.emplace_back(PK11_ReferenceSlot(s));
  }
  Registry().push_back(std::make_unique<Database>(location, ctx, std::move(own)));
  return Registry().back().get();
}

std::vector<CertPtr> Database::UserCertificates() const {
  std::vector<CertPtr> out;
  // Listing asks no token for its PIN: a token's certificates are public objects.
  CERTCertList* list = PK11_ListCerts(PK11CertListUser, nullptr);
  if (list == nullptr) return out;
  for (CERTCertListNode* n = CERT_LIST_HEAD(list); !CERT_LIST_END(n, list); n = CERT_LIST_NEXT(n)) {
    bool mine = FSlots.empty();
    if (!mine) {
      if (PK11SlotList* where = PK11_GetAllSlotsForCert(n->cert, nullptr)) {
        for (PK11SlotListElement* e = PK11_GetFirstSafe(where); e != nullptr && !mine;
             e = PK11_GetNextSafe(where, e, PR_FALSE))
          mine = std::any_of(FSlots.begin(), FSlots.end(), [&](const SlotPtr& s) { return s.get() == e->slot; });
        PK11_FreeSlotList(where);
      }
    }
    if (mine) out.emplace_back(CERT_DupCertificate(n->cert));
  }
  CERT_DestroyCertList(list);
  return out;
}

SlotPtr TokenSlot(CERTCertificate* cert) {
  SlotPtr found;
  if (PK11SlotList* where = PK11_GetAllSlotsForCert(cert, nullptr)) {
    for (PK11SlotListElement* e = PK11_GetFirstSafe(where); e != nullptr; e = PK11_GetNextSafe(where, e, PR_FALSE)) {
      if (!PK11_IsInternal(e->slot)) {
        found.reset(PK11_ReferenceSlot(e->slot));
        PK11_FreeSlotListElement(where, e);
        break;
      }
    }
    PK11_FreeSlotList(where);
  }
  return found;
}

KeyPtr FindPrivateKey(CERTCertificate* cert, PinArg* arg) { return KeyPtr(PK11_FindKeyByAnyCert(cert, arg)); }

std::string ErrorCode(int nssError) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%08X", static_cast<unsigned>(nssError));
  return buf;
}

std::string LastErrorCode() { return ErrorCode(PORT_GetError()); }

void CheckPinError(int nssError, bool raiseGeneral) {
  switch (nssError) {
    case 0:
    case SEC_ERROR_NO_TOKEN:
      return;
    case SEC_ERROR_BAD_PASSWORD:
      throw ETrivoDFeException("O cartão não pode ser acessado porque o PIN errado foi apresentado.");
    case SEC_ERROR_LOCKED_PASSWORD:
      throw ETrivoDFeException(
          "O cartão não pode ser acessado porque o número máximo de tentativas de entrada de PIN foi atingido");
    default:
      if (raiseGeneral) throw ETrivoDFeException("Falha ao Definir PIN do Certificado. Erro: " + ErrorCode(nssError));
  }
}

void SetTokenPin(PK11SlotInfo* slot, const std::string& pin, bool raiseGeneral) {
  if (pin.empty()) {
    if (PK11_Logout(slot) != SECSuccess) CheckPinError(PORT_GetError(), raiseGeneral);
    return;
  }
  SECStatus rv = PK11_CheckUserPassword(slot, pin.c_str());
  if (rv == SECSuccess) return;
  CheckPinError(rv == SECWouldBlock ? SEC_ERROR_BAD_PASSWORD : PORT_GetError(), raiseGeneral);
}

std::string ExportPrivateKey(SECKEYPrivateKey* key, PinArg* arg) {
  // NSS lets a software key out only encrypted: under a one-time password, opened at once.
  unsigned char random[16];
  if (PK11_GenerateRandom(random, sizeof random) != SECSuccess) return {};
  std::string password;
  for (unsigned char b : random) password += "0123456789abcdef"[b & 0x0F];
  SECItem pw{siBuffer, reinterpret_cast<unsigned char*>(password.data()), static_cast<unsigned>(password.size())};
  SECKEYEncryptedPrivateKeyInfo* info = PK11_ExportEncryptedPrivKeyInfoV2(
      nullptr, SEC_OID_PKCS5_PBES2, SEC_OID_AES_256_CBC, SEC_OID_HMAC_SHA256, &pw, key, 2048, arg);
  if (info == nullptr) return {};
  SECItem* der = SEC_ASN1EncodeItem(nullptr, nullptr, info, SEC_ASN1_GET(SECKEY_EncryptedPrivateKeyInfoTemplate));
  SECKEY_DestroyEncryptedPrivateKeyInfo(info, PR_TRUE);
  if (der == nullptr) return {};
  const unsigned char* p = der->data;
  X509_SIG* sig = d2i_X509_SIG(nullptr, &p, static_cast<long>(der->len));
  SECITEM_FreeItem(der, PR_TRUE);
  PKCS8_PRIV_KEY_INFO* plain =
      sig != nullptr ? PKCS8_decrypt(sig, password.c_str(), static_cast<int>(password.size())) : nullptr;
  X509_SIG_free(sig);
  std::string out;
  unsigned char* buf = nullptr;
  int len = plain != nullptr ? i2d_PKCS8_PRIV_KEY_INFO(plain, &buf) : 0;
  if (len > 0) {
    out.assign(reinterpret_cast<const char*>(buf), static_cast<std::size_t>(len));
    OPENSSL_clear_free(buf, static_cast<std::size_t>(len));
  }
  PKCS8_PRIV_KEY_INFO_free(plain);
  ERR_clear_error();
  return out;
}

std::vector<std::string> IssuerChain(CERTCertificate* cert) {
  std::vector<std::string> out;
  CERTCertificateList* chain = CERT_CertChainFromCert(cert, certUsageSSLClient, PR_TRUE);
  if (chain == nullptr) return out;
  for (int i = 1; i < chain->len; ++i)
    out.emplace_back(reinterpret_cast<const char*>(chain->certs[i].data), chain->certs[i].len);
  CERT_DestroyCertificateList(chain);
  return out;
}

}  // namespace dfe::nss
