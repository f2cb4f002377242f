// The certificate context an HTTPS client presents: a TLS handshake in memory against a
// server that demands a client certificate, with the key where it lives.
#include <gtest/gtest.h>
#include <openssl/err.h>
#include <openssl/ssl.h>

#include <cstdlib>

#include "dfe/ssl.h"
#include "dfe/ssl_backends.h"
#include "nss_test_db.h"
#include "platform/base64.h"
#include "support/peer.h"

using namespace dfe;

namespace {

struct Tls {
  SSL_CTX* server = SSL_CTX_new(TLS_server_method());
  SSL_CTX* client = SSL_CTX_new(TLS_client_method());
  ~Tls() {
    SSL_CTX_free(server);
    SSL_CTX_free(client);
  }
};

// True when the handshake completes and the server saw the expected client certificate.
bool Handshake(const TCertContext& ctx, int version, const char* clientSigalgs, std::string& error) {
  const std::string pki = testsupport::PkiDir();
  Tls tls;
  SSL_CTX_use_certificate_file(tls.server, (pki + "/server.crt").c_str(), SSL_FILETYPE_PEM);
  SSL_CTX_use_PrivateKey_file(tls.server, (pki + "/server.key").c_str(), SSL_FILETYPE_PEM);
  SSL_CTX_load_verify_locations(tls.server, (pki + "/ca.crt").c_str(), nullptr);
  SSL_CTX_set_verify(tls.server, SSL_VERIFY_PEER | SSL_VERIFY_FAIL_IF_NO_PEER_CERT, nullptr);
  for (SSL_CTX* c : {tls.server, tls.client}) {
    SSL_CTX_set_min_proto_version(c, version);
    SSL_CTX_set_max_proto_version(c, version);
  }
  // How an HTTPS back end presents the context.
  if (SSL_CTX_use_certificate(tls.client, ctx.Certificado) != 1 ||
      SSL_CTX_use_PrivateKey(tls.client, ctx.ChavePrivada) != 1) {
    error = "context refused by OpenSSL";
    return false;
  }
  if (clientSigalgs != nullptr) SSL_CTX_set1_client_sigalgs_list(tls.client, clientSigalgs);

  SSL* s = SSL_new(tls.server);
  SSL* c = SSL_new(tls.client);
  BIO* bs = nullptr;
  BIO* bc = nullptr;
  BIO_new_bio_pair(&bs, 0, &bc, 0);
  SSL_set_bio(s, bs, bs);
  SSL_set_bio(c, bc, bc);
  SSL_set_accept_state(s);
  SSL_set_connect_state(c);
  bool ok = false;
  for (int i = 0; i < 50 && !ok; ++i) {
    int rc = SSL_do_handshake(c);
    int rs = SSL_do_handshake(s);
    // TLS 1.3 servers verify the client after the client is done: let one byte through.
    if (rc == 1 && rs == 1) {
      SSL_write(c, "x", 1);
      char b;
      ok = SSL_read(s, &b, 1) == 1;
      break;
    }
    for (auto [ssl, r] : {std::pair{c, rc}, {s, rs}}) {
      int e = SSL_get_error(ssl, r);
      if (r != 1 && e != SSL_ERROR_WANT_READ && e != SSL_ERROR_WANT_WRITE) {
        char buf[256];
        ERR_error_string_n(ERR_get_error(), buf, sizeof buf);
        error = buf;
        i = 50;
      }
    }
  }
  if (ok) {
    X509* peer = SSL_get1_peer_certificate(s);
    ok = peer != nullptr && X509_cmp(peer, ctx.Certificado) == 0;
    X509_free(peer);
  }
  SSL_free(s);
  SSL_free(c);
  ERR_clear_error();
  return ok;
}

TEST(NssClientCertificate, HandshakesWithTheKeyWhereItLives) {
  nsstest::UseTestDatabase();
  unsetenv("NEMBO_CERT_SERIAL");
  struct Case {
    const char* name;
    std::string pin;
    bool pfx;
  } cases[] = {{"client", "", false}, {"cpf", nsstest::kTokenPin, false}, {"client", "1234", true}};
  for (const auto& k : cases) {
    TDFeSSL ssl;
    ssl.SetSSLCryptLib(cryWinCrypt);
    if (k.pfx)
      ssl.SetDadosPFX(testsupport::ReadFile(testsupport::PkiDir() + "/client.p12"));
    else
      ssl.SetNumeroSerie(nsstest::OpenSSLSerial(k.name));
    ssl.SetSenha(k.pin);
    const TCertContext* ctx = ssl.CertContextWinApi();
    ASSERT_NE(ctx, nullptr);
    ASSERT_NE(ctx->ChavePrivada, nullptr);
    // TLS 1.3 signs with PSS (raw RSA in NSS), TLS 1.2 here with PKCS#1 v1.5.
    for (auto [version, sigalgs] :
         {std::pair<int, const char*>{TLS1_3_VERSION, nullptr}, {TLS1_2_VERSION, "RSA+SHA256"}}) {
      std::string error;
      EXPECT_TRUE(Handshake(*ctx, version, sigalgs, error))
          << k.name << (k.pfx ? " pfx " : " ") << version << " " << error;
    }
  }
}

TEST(NssClientCertificate, PublicCertificateHasNoKey) {
  TDFeSSL ssl;
  ssl.SetSSLCryptLib(cryWinCrypt);
  auto pem = nsstest::ReadPem(testsupport::PkiDir() + "/client.crt");
  ASSERT_TRUE(ssl.CarregarCertificadoPublico(platform::Base64Encode(nsstest::DerOf(pem.get()))));
  const TCertContext* ctx = ssl.SSLCryptClass().CertContextWinApi();
  ASSERT_NE(ctx, nullptr);
  EXPECT_NE(ctx->Certificado, nullptr);
  EXPECT_EQ(ctx->ChavePrivada, nullptr);
}

}  // namespace
