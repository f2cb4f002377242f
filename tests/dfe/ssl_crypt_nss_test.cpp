// The NSS back end against a real NSS database made at run time, with a SoftHSM2 token.
#include "dfe/ssl_crypt_nss.h"

#include <gtest/gtest.h>
#include <openssl/evp.h>
#include <openssl/pkcs12.h>
#include <openssl/x509.h>
#include <secerr.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <set>

#include "dfe/ssl.h"
#include "dfe/ssl_crypt_nss_store.h"
#include "nss_test_db.h"
#include "platform/base64.h"
#include "platform/date_time.h"
#include "ssl_test_support.h"
#include "support/message_of.h"
#include "support/peer.h"

using namespace dfe;

namespace {

class WinCryptTest : public ::testing::Test {
 protected:
  void SetUp() override {
    nsstest::UseTestDatabase();
    setenv("TZ", "America/Sao_Paulo", 1);
    tzset();
    unsetenv("NEMBO_CERT_SERIAL");
    unsetenv("DISPLAY");
    unsetenv("WAYLAND_DISPLAY");
    ssl.SetSSLCryptLib(cryWinCrypt);
  }

  std::string Pki(const std::string& file) const { return testsupport::PkiDir() + "/" + file; }

  std::string Sign(TDFeSSL& s, const std::string& data, TSSLDgst d = dgstSHA256) {
    return s.CalcHash(std::string_view(data), d, outBinary, true);
  }

  TDFeSSL ssl;
};

TEST_F(WinCryptTest, ListsTheCertificatesThatHaveAPrivateKey) {
  ssl.LerCertificadosStore();
  std::set<std::string> serials;
  for (int i = 0; i < ssl.ListaCertificados().Count(); ++i) {
    const auto& c = ssl.ListaCertificados().Objects(i);
    EXPECT_EQ(c.Tipo, tpcDesconhecido);
    serials.insert(c.NumeroSerie);
  }
  // The CA is in the database too, but without a key; the token's certificate is listed
  // without its PIN.
  EXPECT_EQ(serials, (std::set<std::string>{nsstest::OpenSSLSerial("client"), nsstest::OpenSSLSerial("expired"),
                                            nsstest::OpenSSLSerial("cpf")}));
}

TEST_F(WinCryptTest, ReadsEveryFieldOfACertificateChosenBySerial) {
  ssl.SetNumeroSerie(" 0a 51 ");
  EXPECT_EQ(ssl.CertNumeroSerie(), "0A51");
  const auto& d = ssl.DadosCertificado();
  EXPECT_EQ(d.ThumbPrint, nsstest::OpenSSLThumbprint("expired"));
  EXPECT_EQ(d.SubjectName(), "CN=EMPRESA VENCIDA LTDA:11222333000181, O=ICP-Brasil, C=BR");
  EXPECT_EQ(d.RazaoSocial, "EMPRESA VENCIDA LTDA");
  EXPECT_EQ(d.CNPJ, "11222333000181");
  EXPECT_EQ(d.IssuerName(), "C=BR, O=Nembo Teste, CN=Nembo Teste AC");
  EXPECT_EQ(d.Certificadora, "Nembo Teste AC");
  // 2021-01-01 00:00 UTC is 21:00 of the day before in Sao Paulo.
  EXPECT_DOUBLE_EQ(d.DataVenc, platform::EncodeDateTime({2020, 12, 31, 21, 0, 0, 0}));
  EXPECT_DOUBLE_EQ(d.DataInicioValidade, platform::EncodeDateTime({2019, 12, 31, 21, 0, 0, 0}));
  auto pem = nsstest::ReadPem(Pki("expired.crt"));
  EXPECT_EQ(d.DERBase64, platform::Base64Encode(nsstest::DerOf(pem.get())));
  EXPECT_EQ(d.Tipo, tpcA1);
  EXPECT_TRUE(ssl.CertificadoLido());
}

TEST_F(WinCryptTest, MissingSerialOrStoreRaisesTheStoreTexts) {
  ssl.SetNumeroSerie("ABC123");
  try {
    ssl.CarregarCertificado();
    FAIL();
  } catch (const ETrivoDFeException& e) {
    EXPECT_STREQ(e.what(), "Certificado Série: \"ABC123\", não encontrado!");
  }
  EXPECT_FALSE(ssl.CertificadoLido());

  // Only the personal store stands in; a database that is not there cannot be opened.
  const std::string missing = "sql:" + testsupport::MakeTempDir("no-nssdb") + "/none";
  struct Case {
    std::string store, db, text;
  } cases[] = {
      {"Root", "", "TDFeWinCrypt. Erro ao abrir StoreName: Root Location: 2"},
      {"My", missing, "TDFeWinCrypt. Erro ao abrir StoreName: My Location: 2"},
  };
  for (const auto& c : cases) {
    if (!c.db.empty()) setenv("NEMBO_NSS_DB", c.db.c_str(), 1);
    TDFeSSL s;
    s.SetSSLCryptLib(cryWinCrypt);
    s.SetStoreName(c.store);
    try {
      s.LerCertificadosStore();
      ADD_FAILURE() << c.text;
    } catch (const ETrivoDFeException& e) {
      EXPECT_EQ(e.what(), c.text);
    }
  }
}

TEST_F(WinCryptTest, SignsWithTheDatabaseKeyAndVerifies) {
  ssl.SetNumeroSerie(nsstest::OpenSSLSerial("client"));
  const std::string data = "<evtInfoEmpregador>dados</evtInfoEmpregador>";
  auto cert = nsstest::ReadPem(Pki("client.crt"));
  for (auto [d, name] : {std::pair{dgstSHA1, "SHA1"}, {dgstSHA256, "SHA256"}, {dgstSHA512, "SHA512"}}) {
    const std::string sig = Sign(ssl, data, d);
    EXPECT_EQ(sig.size(), 256u);
    EXPECT_TRUE(nsstest::VerifiesWith(cert.get(), data, sig, name)) << name;
    EXPECT_TRUE(ssl.ValidarHash(std::string_view(data), d, sig, true));
    EXPECT_FALSE(ssl.ValidarHash(std::string_view(data + "x"), d, sig, true));
  }
  // Digests alone, and a digest found inside the expected bytes.
  EXPECT_EQ(ssl.CalcHash(std::string_view("abc"), dgstSHA256, outHexa),
            "BA7816BF8F01CFEA414140DE5DAE2223B00361A396177A9CB410FF61F20015AD");
  // The providers know SHA as SHA-1.
  EXPECT_EQ(ssl.CalcHash(std::string_view("abc"), dgstSHA, outHexa), "A9993E364706816ABA3E25717850C26C9CD0D89D");
  EXPECT_TRUE(ssl.ValidarHash(std::string_view("abc"), dgstMD5,
                              "xx" + ssl.CalcHash(std::string_view("abc"), dgstMD5, outBinary) + "yy"));
  try {
    ssl.CalcHash(std::string_view("abc"), dgstRMD160, outHexa);
    FAIL();
  } catch (const ETrivoDFeException& e) {
    EXPECT_STREQ(e.what(), "Digest dgstRMD160 não suportado em TDFeWinCrypt");
  }
}

TEST_F(WinCryptTest, PublicCertificateVerifiesSignatures) {
  ssl.SetNumeroSerie(nsstest::OpenSSLSerial("client"));
  const std::string data = "conteudo assinado";
  const std::string sig = Sign(ssl, data);

  TDFeSSL verifier;
  verifier.SetSSLCryptLib(cryWinCrypt);
  auto pem = nsstest::ReadPem(Pki("client.crt"));
  ASSERT_TRUE(verifier.CarregarCertificadoPublico(platform::Base64Encode(nsstest::DerOf(pem.get()))));
  EXPECT_EQ(verifier.DadosCertificado().CNPJ, "12345678000195");
  EXPECT_TRUE(verifier.ValidarHash(std::string_view(data), dgstSHA256, sig, true));
  std::string bad = sig;
  bad[10] ^= 1;
  EXPECT_FALSE(verifier.ValidarHash(std::string_view(data), dgstSHA256, bad, true));
  EXPECT_FALSE(verifier.CarregarCertificadoPublico(platform::Base64Encode("not a certificate")));
}

TEST_F(WinCryptTest, TokenKeySignsWithTheRightPinOnly) {
  const std::string serial = nsstest::OpenSSLSerial("cpf");
  auto cert = nsstest::ReadPem(Pki("cpf.crt"));
  const std::string data = "assinado no token";

  ssl.SetNumeroSerie(serial);
  ssl.SetSenha(nsstest::kTokenPin);
  EXPECT_EQ(ssl.CertTipo(), tpcA3);
  EXPECT_EQ(ssl.CertCNPJ(), "12345678909");
  EXPECT_TRUE(nsstest::VerifiesWith(cert.get(), data, Sign(ssl, data), "SHA256"));
  // A token's key never leaves it.
  EXPECT_THROW(ssl.SSLCryptClass().CertPFXData(), ETrivoDFeExceptionNoPrivateKey);
  // Unloading logs out: without a PIN the key cannot be reached any more, which the load
  // itself reports.
  ssl.DescarregarCertificado();
  ssl.SetSenha("");
  EXPECT_EQ(testsupport::MessageOf<ETrivoDFeException>([&] { ssl.CarregarCertificado(); }),
            "O recipiente da chave não pôde ser aberto");
  EXPECT_FALSE(ssl.CertificadoLido());
  EXPECT_EQ(ssl.DadosCertificado().NumeroSerie, "");

  ssl.SetSenha("0000");
  try {
    ssl.CarregarCertificado();
    FAIL();
  } catch (const ETrivoDFeException& e) {
    EXPECT_STREQ(e.what(), "O cartão não pode ser acessado porque o PIN errado foi apresentado.");
  }
  EXPECT_EQ(ssl.Senha(), "");  // not presented again by itself
  EXPECT_FALSE(ssl.CertificadoLido());

  ssl.SetSenha(nsstest::kTokenPin);
  EXPECT_TRUE(nsstest::VerifiesWith(cert.get(), data, Sign(ssl, data), "SHA256"));
}

TEST(NssPin, TokenErrorsMapToTheCardTexts) {
  struct Case {
    int error;
    bool raise;
    const char* text;  // null: passes
  } cases[] = {
      {0, true, nullptr},
      {SEC_ERROR_NO_TOKEN, true, nullptr},
      {SEC_ERROR_BAD_PASSWORD, false, "O cartão não pode ser acessado porque o PIN errado foi apresentado."},
      {SEC_ERROR_LOCKED_PASSWORD, false,
       "O cartão não pode ser acessado porque o número máximo de tentativas de entrada de PIN foi atingido"},
      {SEC_ERROR_IO, false, nullptr},
      {SEC_ERROR_IO, true, "Falha ao Definir PIN do Certificado. Erro: FFFFE000"},
  };
  for (const auto& c : cases) {
    if (c.text == nullptr) {
      EXPECT_NO_THROW(nss::CheckPinError(c.error, c.raise)) << c.error;
      continue;
    }
    try {
      nss::CheckPinError(c.error, c.raise);
      ADD_FAILURE() << c.error;
    } catch (const ETrivoDFeException& e) {
      EXPECT_STREQ(e.what(), c.text);
    }
  }
}

TEST_F(WinCryptTest, LoadsPkcs12DataAndRejectsBadData) {
  const std::string p12 = testsupport::ReadFile(Pki("client.p12"));
  ssl.SetDadosPFX(p12);
  ssl.SetSenha("1234");
  EXPECT_EQ(ssl.CertCNPJ(), "12345678000195");
  EXPECT_EQ(ssl.CertTipo(), tpcA1);
  auto cert = nsstest::ReadPem(Pki("client.crt"));
  EXPECT_TRUE(nsstest::VerifiesWith(cert.get(), "x", Sign(ssl, "x"), "SHA256"));
  EXPECT_EQ(ssl.SSLCryptClass().CertPFXData(), p12);

  struct Case {
    std::string data, password, text;
  } cases[] = {
      {p12, "4321", "PFXDataToCertContextWinApi: Senha informada está errada"},
      {"not pkcs12", "1234", "PFXDataToCertContextWinApi: DadosPFX informado não são válidos"},
  };
  for (const auto& c : cases) {
    ssl.SetDadosPFX(c.data);
    ssl.SetSenha(c.password);
    try {
      ssl.CarregarCertificado();
      ADD_FAILURE() << c.text;
    } catch (const ETrivoDFeException& e) {
      EXPECT_EQ(e.what(), c.text);
    }
  }

  // Files exported by older systems use RC2 and 3DES.
  const std::string dir = testsupport::MakeTempDir("legacy-p12");
  ASSERT_EQ(testsupport::RunCommand("openssl pkcs12 -export -legacy -inkey " + Pki("client.key") + " -in " +
                                    Pki("client.crt") + " -passout pass:1234 -out " + dir + "/old.p12"),
            0);
  ssl.SetDadosPFX(testsupport::ReadFile(dir + "/old.p12"));
  ssl.SetSenha("1234");
  EXPECT_EQ(ssl.CertCNPJ(), "12345678000195");
}

TEST_F(WinCryptTest, SignaturesKeepTheModulusLengthWithALeadingZero) {
  // A 2050-bit modulus starts with byte 02 or 03, so about every third signature starts with 00.
  EVP_PKEY* key = EVP_RSA_gen(2050);
  X509* x = X509_new();
  ASN1_INTEGER_set(X509_get_serialNumber(x), 9);
  X509_gmtime_adj(X509_getm_notBefore(x), 0);
  X509_gmtime_adj(X509_getm_notAfter(x), 3600);
  X509_NAME_add_entry_by_txt(X509_get_subject_name(x), "CN", MBSTRING_UTF8,
                             reinterpret_cast<const unsigned char*>("LONGO:12345678000195"), -1, -1, 0);
  X509_set_issuer_name(x, X509_get_subject_name(x));
  X509_set_pubkey(x, key);
  X509_sign(x, key, EVP_sha256());
  PKCS12* p12 = PKCS12_create("1234", nullptr, key, x, nullptr, 0, 0, 0, 0, 0);
  unsigned char* der = nullptr;
  const int len = i2d_PKCS12(p12, &der);
  ssl.SetDadosPFX(std::string(reinterpret_cast<char*>(der), static_cast<std::size_t>(len)));
  ssl.SetSenha("1234");
  OPENSSL_free(der);
  PKCS12_free(p12);
  EVP_PKEY_free(key);

  bool zeroInicial = false;
  for (int i = 0; i < 64 && !zeroInicial; ++i) {
    const std::string msg = "mensagem " + std::to_string(i);
    const std::string sig = Sign(ssl, msg);
    ASSERT_EQ(sig.size(), 257u);
    if (sig[0] != '\0') continue;
    zeroInicial = true;
    EXPECT_TRUE(nsstest::VerifiesWith(x, msg, sig, "SHA256"));
    EXPECT_TRUE(ssl.ValidarHash(std::string_view(msg), dgstSHA256, sig, true));
  }
  EXPECT_TRUE(zeroInicial);
  X509_free(x);
}

TEST_F(WinCryptTest, ExportsADatabaseKeyAsPkcs12WithItsChain) {
  ssl.SetNumeroSerie(nsstest::OpenSSLSerial("client"));
  ssl.SetSenha("segredo");
  const std::string pfx = ssl.SSLCryptClass().CertPFXData();
  const std::string dir = testsupport::MakeTempDir("export-p12");
  testsupport::WriteFile(dir + "/out.p12", pfx);
  std::string out;
  ASSERT_EQ(testsupport::RunCommand("openssl pkcs12 -in " + dir + "/out.p12 -passin pass:segredo -nodes", &out), 0)
      << out;
  EXPECT_NE(out.find("PRIVATE KEY"), std::string::npos);
  EXPECT_NE(out.find("CN = EMPRESA TESTE LTDA:12345678000195"), std::string::npos) << out;
  EXPECT_NE(out.find("subject=C = BR, O = Nembo Teste, CN = Nembo Teste AC"), std::string::npos) << out;

  // The export loads back as PKCS#12 data.
  TDFeSSL other;
  other.SetSSLCryptLib(cryWinCrypt);
  other.SetDadosPFX(pfx);
  other.SetSenha("segredo");
  EXPECT_EQ(other.CertNumeroSerie(), nsstest::OpenSSLSerial("client"));
}

TEST_F(WinCryptTest, SignedEventIsAcceptedByXmlsec1WithDatabaseAndTokenKeys) {
  ssl.SetSSLXmlSignLib(xsLibXml2);
  ssl.SetSSLDgst(dgstSHA256);
  const std::string dir = testsupport::MakeTempDir("nss-xmlsec");
  for (auto [name, pin] : {std::pair{"client", ""}, {"cpf", nsstest::kTokenPin}}) {
    SCOPED_TRACE(name);
    ssl.SetNumeroSerie(nsstest::OpenSSLSerial(name));
    ssl.SetSenha(pin);
    const std::string signed_ =
        ssl.Assinar(ssltest::EventoS1000(true), "eSocial", "evtInfoEmpregador", "", "", "", "ID");
    const std::string file = dir + "/" + name + ".xml";
    testsupport::WriteFile(file, signed_);
    std::string out;
    EXPECT_EQ(testsupport::RunCommand("xmlsec1 --verify --trusted-pem " + Pki("ca.crt") + " " + file, &out), 0)
        << out << signed_;
    std::string msg;
    EXPECT_TRUE(ssl.Validar(signed_, ssltest::Schemas() + "evtInfoEmpregador-v_S_01_03_00.xsd", msg)) << msg;
  }
}

// Certificates made here with openssl, read as public certificates.
TEST_F(WinCryptTest, TaxNumberSerialAndNamesOfIssuedCertificates) {
  const std::string dir = testsupport::MakeTempDir("nss-fields");
  struct Case {
    std::string subject, san, serial;
    std::string subjectName, razao, cnpj, serialText;
  } cases[] = {
      // No colon in the common name: the CNPJ comes from the 2.16.76.1.3.3 entry.
      {"/C=BR/O=Grupo\\, Filial/CN=EMPRESA SEM DOIS PONTOS", "otherName:2.16.76.1.3.3;OCTETSTRING:11222333000181",
       "0x0A51", "C=BR, O=\"Grupo, Filial\", CN=EMPRESA SEM DOIS PONTOS", "EMPRESA SEM DOIS PONTOS", "11222333000181",
       "0A51"},
      // A personal certificate: the CPF at characters 9 to 19 of the 2.16.76.1.3.1 entry,
      // whatever string type holds it.
      {"/C=BR/CN=FULANO DE TAL",
       "otherName:2.16.76.1.3.1;PRINTABLESTRING:0101198012345678909000000000000000000000000000000SSPSP", "0x80A1",
       "C=BR, CN=FULANO DE TAL", "FULANO DE TAL", "12345678909", "0080A1"},
      {"/C=BR/CN=FULANO DE TAL", "otherName:2.16.76.1.3.1;UTF8:0101198012345678909", "0x01", "C=BR, CN=FULANO DE TAL",
       "FULANO DE TAL", "12345678909", "01"},
      // The common name wins over the extension.
      {"/CN=EMPRESA TESTE LTDA:12345678000195", "otherName:2.16.76.1.3.3;OCTETSTRING:11222333000181", "0x7F",
       "CN=EMPRESA TESTE LTDA:12345678000195", "EMPRESA TESTE LTDA", "12345678000195", "7F"},
  };
  int n = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.subject);
    const std::string file = dir + "/c" + std::to_string(++n) + ".der";
    std::string out;
    ASSERT_EQ(testsupport::RunCommand("openssl req -x509 -key " + Pki("client.key") + " -days 30 -outform DER -out " +
                                          file + " -set_serial " + c.serial + " -subj '" + c.subject +
                                          "' -addext 'subjectAltName=" + c.san + "'",
                                      &out),
              0)
        << out;
    ASSERT_TRUE(ssl.CarregarCertificadoPublico(platform::Base64Encode(testsupport::ReadFile(file))));
    const auto& d = ssl.DadosCertificado();
    EXPECT_EQ(d.SubjectName(), c.subjectName);
    EXPECT_EQ(d.RazaoSocial, c.razao);
    EXPECT_EQ(d.CNPJ, c.cnpj);
    EXPECT_EQ(d.NumeroSerie, c.serialText);
    EXPECT_EQ(d.Tipo, tpcDesconhecido);
  }
}

TEST(NssDatabase, UserDatabaseLocation) {
  const std::string home = testsupport::MakeTempDir("nss-home");
  const std::string oldHome = std::getenv("HOME") ? std::getenv("HOME") : "";
  setenv("HOME", home.c_str(), 1);
  unsetenv("NEMBO_NSS_DB");
  EXPECT_EQ(nss::UserDatabaseLocation(), "sql:" + home + "/.pki/nssdb");
  std::filesystem::create_directories(home + "/.local/share/pki/nssdb");
  EXPECT_EQ(nss::UserDatabaseLocation(), "sql:" + home + "/.local/share/pki/nssdb");
  std::filesystem::create_directories(home + "/.pki/nssdb");
  EXPECT_EQ(nss::UserDatabaseLocation(), "sql:" + home + "/.pki/nssdb");
  setenv("NEMBO_NSS_DB", "sql:/elsewhere", 1);
  EXPECT_EQ(nss::UserDatabaseLocation(), "sql:/elsewhere");
  EXPECT_EQ(nss::LocalMachineDatabaseLocation(), "sql:/etc/pki/nssdb");
  setenv("HOME", oldHome.c_str(), 1);
}

TEST_F(WinCryptTest, VersionNamesTheLibrary) { EXPECT_EQ(ssl.SSLCryptClass().Versao().rfind("libnss3.so 3.", 0), 0u); }

}  // namespace
