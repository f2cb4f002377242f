// RSA_METHOD is the OpenSSL 3 way to keep a key's private half outside OpenSSL without a
// provider of our own; the key counts as "foreign", so OpenSSL calls it for every signature.
#define OPENSSL_SUPPRESS_DEPRECATED
#include "dfe/ssl_crypt_nss_key.h"

#include <openssl/evp.h>
#include <openssl/rsa.h>
#include <openssl/x509.h>
#include <pk11pub.h>

#include <mutex>

namespace dfe::nss {

namespace {

int g_keyIndex = -1;
RSA_METHOD* g_method = nullptr;

void FreeKey(void*, void* ptr, CRYPTO_EX_DATA*, int, long, void*) {
  if (ptr != nullptr) SECKEY_DestroyPrivateKey(static_cast<SECKEYPrivateKey*>(ptr));
}

int PrivateEncrypt(int flen, const unsigned char* from, unsigned char* to, RSA* rsa, int padding) {
  auto* key = static_cast<SECKEYPrivateKey*>(RSA_get_ex_data(rsa, g_keyIndex));
  if (key == nullptr || flen < 0) return -1;
  CK_MECHANISM_TYPE mechanism;
  if (padding == RSA_PKCS1_PADDING)
    mechanism = CKM_RSA_PKCS;  // input: a DigestInfo
  else if (padding == RSA_NO_PADDING)
    mechanism = CKM_RSA_X_509;  // input: a block OpenSSL already padded (PSS)
  else
    return -1;
  SECItem data{siBuffer, const_cast<unsigned char*>(from), static_cast<unsigned>(flen)};
  SECItem sig{siBuffer, to, static_cast<unsigned>(RSA_size(rsa))};
  if (PK11_SignWithMechanism(key, mechanism, nullptr, &sig, &data) != SECSuccess) return -1;
  return static_cast<int>(sig.len);
}

// A client certificate's key only signs.
int PrivateDecrypt(int, const unsigned char*, unsigned char*, RSA*, int) { return -1; }

const RSA_METHOD* Method() {
  static std::once_flag once;
  std::call_once(once, [] {
    g_keyIndex = RSA_get_ex_new_index(0, nullptr, nullptr, nullptr, FreeKey);
    g_method = RSA_meth_dup(RSA_PKCS1_OpenSSL());
    RSA_meth_set1_name(g_method, "NSS key");
    RSA_meth_set_priv_enc(g_method, PrivateEncrypt);
    RSA_meth_set_priv_dec(g_method, PrivateDecrypt);
  });
  return g_method;
}

}  // namespace

EVP_PKEY* OpenSSLKeyOverNss(SECKEYPrivateKey* key, X509* cert) {
  if (key == nullptr || cert == nullptr || SECKEY_GetPrivateKeyType(key) != rsaKey) return nullptr;
  EVP_PKEY* pub = X509_get0_pubkey(cert);
  if (pub == nullptr || EVP_PKEY_get_base_id(pub) != EVP_PKEY_RSA) return nullptr;
  BIGNUM* n = nullptr;
  BIGNUM* e = nullptr;
  if (!EVP_PKEY_get_bn_param(pub, "n", &n) || !EVP_PKEY_get_bn_param(pub, "e", &e)) {
    BN_free(n);
    BN_free(e);
    return nullptr;
  }
  RSA* rsa = RSA_new();
  EVP_PKEY* out = EVP_PKEY_new();
  SECKEYPrivateKey* copy = SECKEY_CopyPrivateKey(key);
  if (rsa == nullptr || out == nullptr || copy == nullptr || RSA_set_method(rsa, Method()) != 1 ||
      RSA_set0_key(rsa, n, e, nullptr) != 1) {
    BN_free(n);
    BN_free(e);
    RSA_free(rsa);
    EVP_PKEY_free(out);
    if (copy != nullptr) SECKEY_DestroyPrivateKey(copy);
    return nullptr;
  }
  RSA_set_flags(rsa, RSA_FLAG_EXT_PKEY);
  RSA_set_ex_data(rsa, g_keyIndex, copy);  // freed with the RSA object
  EVP_PKEY_assign_RSA(out, rsa);
  return out;
}

}  // namespace dfe::nss
