// The OpenSSL cryptography back end: certificate data from PKCS#12, tax numbers from the
// ICP-Brasil otherNames, validity in local time, signatures and their checks.
#include "dfe/ssl_crypt_openssl.h"

#include <gtest/gtest.h>
#include <openssl/evp.h>
#include <openssl/rsa.h>
#include <openssl/x509.h>

#include <cstdlib>
#include <ctime>
#include <sstream>

#include "platform/base64.h"
#include "platform/date_time.h"
#include "platform/strings.h"
#include "ssl_test_support.h"
#include "support/message_of.h"
#include "support/peer.h"

namespace {

using namespace dfe;
using testsupport::MessageOf;
using testsupport::PkiDir;
using testsupport::RunCommand;

// Runs with a fixed local zone (UTC-3, no daylight saving) and restores the previous one.
class ZonaFixa {
 public:
  ZonaFixa() {
    const char* tz = std::getenv("TZ");
    FHavia = tz != nullptr;
    if (FHavia) FAnterior = tz;
    setenv("TZ", "<-03>3", 1);
    tzset();
  }
  ~ZonaFixa() {
    if (FHavia)
      setenv("TZ", FAnterior.c_str(), 1);
    else
      unsetenv("TZ");
    tzset();
  }

 private:
  bool FHavia = false;
  std::string FAnterior;
};

// Certificates whose common name carries no tax number, made once with openssl: the number
// is only in the subject alternative name, as an octet string.
const std::string& CertificadosOutroNome() {
  static const std::string dir = [] {
    std::string d = testsupport::MakeTempDir("nembo-othername");
    auto fazer = [&](const std::string& nome, const std::string& cn, const std::string& san) {
      std::string saida;
      int rc = RunCommand("cd " + d + " && openssl req -x509 -newkey rsa:2048 -nodes -keyout " + nome + ".key -out " +
                              nome + ".crt -days 30 -subj '/C=BR/O=ICP-Brasil/CN=" + cn +
                              "' -addext 'subjectAltName=" + san + "' && openssl pkcs12 -export -inkey " + nome +
                              ".key -in " + nome + ".crt -out " + nome + ".p12 -passout pass:1234",
                          &saida);
      if (rc != 0) throw std::runtime_error(saida);
    };
    fazer("empresa", "EMPRESA SEM NUMERO NO NOME", "otherName:2.16.76.1.3.3;OCTETSTRING:11222333000181");
    fazer("pessoa", "FULANO SEM NUMERO NO NOME",
          "otherName:2.16.76.1.3.1;OCTETSTRING:0101198012345678909000000000000000000000000000000SSPSP");
    return d;
  }();
  return dir;
}

std::unique_ptr<TDFeSSL> Facade(const std::string& caminhoP12, const std::string& senha = "1234") {
  auto ssl = std::make_unique<TDFeSSL>();
  ssl->SetSSLCryptLib(cryOpenSSL);
  ssl->SetDadosPFX(testsupport::ReadFile(caminhoP12));
  ssl->SetSenha(senha);
  return ssl;
}

TEST(OpenSSLBackEnd, CertificateDataFromPkcs12) {
  ZonaFixa zona;
  auto ssl = Facade(PkiDir() + "/client.p12");
  std::string serial;
  RunCommand("openssl x509 -in " + PkiDir() + "/client.crt -noout -serial", &serial);
  std::string thumb;
  RunCommand("openssl x509 -in " + PkiDir() + "/client.crt -noout -fingerprint -sha1", &thumb);
  EXPECT_EQ("serial=" + ssl->CertNumeroSerie(), platform::Trim(serial));
  EXPECT_EQ(platform::StringReplace(platform::Trim(thumb), ":", ""),
            "sha1 Fingerprint=" + ssl->DadosCertificado().ThumbPrint);
  EXPECT_EQ(ssl->CertSubjectName(), "C=BR, O=ICP-Brasil, CN=EMPRESA TESTE LTDA:12345678000195");
  EXPECT_EQ(ssl->CertIssuerName(), "C=BR, O=Nembo Teste, CN=Nembo Teste AC");
  EXPECT_EQ(ssl->CertCertificadora(), "Nembo Teste AC");
  EXPECT_EQ(ssl->CertRazaoSocial(), "EMPRESA TESTE LTDA");
  EXPECT_EQ(ssl->CertCNPJ(), "12345678000195");
  EXPECT_EQ(ssl->CertTipo(), tpcA1);
  EXPECT_TRUE(ssl->CertDataVenc() > platform::Now());
  EXPECT_TRUE(ssl->DadosCertificado().DataInicioValidade < platform::Now());
  std::string pem = testsupport::ReadFile(PkiDir() + "/client.crt");
  EXPECT_NE(platform::StringReplace(pem, "\n", "").find(ssl->DadosCertificado().DERBase64), std::string::npos);
  EXPECT_TRUE(platform::StartsText("OpenSSL 3", ssl->SSLCryptClass().Versao()));
}

TEST(OpenSSLBackEnd, TaxNumberFromTheIcpBrasilOtherNames) {
  auto empresa = Facade(CertificadosOutroNome() + "/empresa.p12");
  EXPECT_EQ(empresa->CertRazaoSocial(), "EMPRESA SEM NUMERO NO NOME");
  EXPECT_EQ(empresa->CertCNPJ(), "11222333000181");
  auto pessoa = Facade(CertificadosOutroNome() + "/pessoa.p12");
  EXPECT_EQ(pessoa->CertCNPJ(), "12345678909");
  // The shared test PKI's own otherName certificate (its CN also carries the CPF).
  EXPECT_EQ(Facade(PkiDir() + "/cpf.p12")->CertCNPJ(), "12345678909");
}

TEST(OpenSSLBackEnd, ValidityInLocalTime) {
  ZonaFixa zona;
  // notAfter 210101000000Z: midnight UTC is 21:00 of the day before at UTC-3.
  auto vencido = Facade(PkiDir() + "/expired.p12");
  EXPECT_DOUBLE_EQ(vencido->CertDataVenc(), platform::EncodeDateTime({2020, 12, 31, 21, 0, 0, 0}));
  EXPECT_DOUBLE_EQ(vencido->DadosCertificado().DataInicioValidade,
                   platform::EncodeDateTime({2019, 12, 31, 21, 0, 0, 0}));

  // Two-digit years: 50..99 are 19xx, 00..49 are 20xx.
  struct Caso {
    const char* utc;
    platform::DateTimeParts local;
  };
  for (const auto& c :
       {Caso{"250115235959Z", {2025, 1, 15, 20, 59, 59, 0}}, Caso{"991231235959Z", {1999, 12, 31, 20, 59, 59, 0}},
        Caso{"500101030000Z", {1950, 1, 1, 0, 0, 0, 0}}}) {
    EVP_PKEY* chave = EVP_RSA_gen(1024);
    X509* x = X509_new();
    ASN1_INTEGER_set(X509_get_serialNumber(x), 7);
    ASN1_TIME_set_string(X509_getm_notBefore(x), "000101000000Z");
    ASN1_TIME_set_string(X509_getm_notAfter(x), c.utc);
    X509_NAME_add_entry_by_txt(X509_get_subject_name(x), "CN", MBSTRING_UTF8,
                               reinterpret_cast<const unsigned char*>("DATA"), -1, -1, 0);
    X509_set_issuer_name(x, X509_get_subject_name(x));
    X509_set_pubkey(x, chave);
    X509_sign(x, chave, EVP_sha256());
    unsigned char* der = nullptr;
    int n = i2d_X509(x, &der);
    std::string b64 = platform::Base64Encode(std::string(reinterpret_cast<char*>(der), static_cast<std::size_t>(n)));
    OPENSSL_free(der);
    X509_free(x);
    EVP_PKEY_free(chave);

    TDFeSSL ssl;
    ssl.SetSSLCryptLib(cryOpenSSL);
    ASSERT_TRUE(ssl.CarregarCertificadoPublico(b64));
    EXPECT_DOUBLE_EQ(ssl.DadosCertificado().DataVenc, platform::EncodeDateTime(c.local)) << c.utc;
    EXPECT_DOUBLE_EQ(ssl.DadosCertificado().DataInicioValidade, platform::EncodeDateTime({1999, 12, 31, 21, 0, 0, 0}));
  }
}

TEST(OpenSSLBackEnd, Pkcs12Failures) {
  const std::string prefixo = "Erro ao ler informações do Certificado.\r\nProvavelmente a senha está errada\r\nError: ";
  std::string senhaErrada = MessageOf([] { Facade(PkiDir() + "/client.p12", "errada")->CarregarCertificado(); });
  EXPECT_TRUE(platform::StartsText(prefixo, senhaErrada)) << senhaErrada;
  EXPECT_NE(senhaErrada.find("mac verify failure"), std::string::npos) << senhaErrada;
  TDFeSSL ssl;
  ssl.SetSSLCryptLib(cryOpenSSL);
  ssl.SetDadosPFX("isto não é PKCS#12");
  std::string naoPkcs12 = MessageOf([&] { ssl.CarregarCertificado(); });
  EXPECT_TRUE(platform::StartsText(prefixo, naoPkcs12)) << naoPkcs12;
  EXPECT_NE(naoPkcs12.find("asn1"), std::string::npos) << naoPkcs12;
  EXPECT_FALSE(ssl.CertificadoLido());
  EXPECT_FALSE(ssl.CarregarCertificadoPublico(platform::Base64Encode("lixo")));
  EXPECT_FALSE(ssl.CarregarCertificadoPublico(""));

  ssl.SetArquivoPFX("/nao/existe.p12");
  EXPECT_EQ(MessageOf([&] { ssl.CarregarCertificado(); }), "Arquivo: /nao/existe.p12 não encontrado");
  ssl.SetArquivoPFX(PkiDir() + "/client.p12");
  ssl.SetSenha("1234");
  EXPECT_EQ(ssl.CertCNPJ(), "12345678000195");
}

TEST(OpenSSLBackEnd, SignaturesAreAlwaysAsLongAsTheModulus) {
  auto ssl = Facade(PkiDir() + "/client.p12");
  bool zeroInicial = false;
  for (int i = 0; i < 4000 && !zeroInicial; ++i) {
    const std::string msg = "mensagem " + std::to_string(i);
    std::string assinatura = ssl->CalcHash(std::string_view(msg), dgstSHA256, outBinary, true);
    ASSERT_EQ(assinatura.size(), 256u);
    if (assinatura[0] == '\0') {
      zeroInicial = true;
      EXPECT_TRUE(ssl->ValidarHash(std::string_view(msg), dgstSHA256, assinatura, true));
    }
  }
  EXPECT_TRUE(zeroInicial);

  std::string assinatura = ssl->CalcHash(std::string_view("abc"), dgstSHA512, outBinary, true);
  EXPECT_TRUE(ssl->ValidarHash(std::string_view("abc"), dgstSHA512, assinatura, true));
  EXPECT_FALSE(ssl->ValidarHash(std::string_view("abd"), dgstSHA512, assinatura, true));
  // Checked with the public certificate alone, as a verifier does.
  TDFeSSL publico;
  publico.SetSSLCryptLib(cryOpenSSL);
  ASSERT_TRUE(publico.CarregarCertificadoPublico(ssl->DadosCertificado().DERBase64));
  EXPECT_TRUE(publico.ValidarHash(std::string_view("abc"), dgstSHA512, assinatura, true));
}

TEST(OpenSSLBackEnd, EmptyStreamGivesTheDigestOfNoBytes) {
  TDFeSSL ssl;
  ssl.SetSSLCryptLib(cryOpenSSL);
  std::istringstream vazio;
  EXPECT_EQ(platform::Base64Encode(ssl.SSLCryptClass().CalcHash(vazio, dgstSHA256, false)),
            "47DEQpj8HBSa+/TImW+5JCeuQeRkm5NMpJWZG3hSuFU=");
}

TEST(OpenSSLBackEnd, ClientCertificateContextForHttps) {
  auto ssl = Facade(PkiDir() + "/client.p12");
  const TCertContext* ctx = ssl->CertContextWinApi();
  ASSERT_NE(ctx, nullptr);
  EXPECT_NE(ctx->Certificado, nullptr);
  EXPECT_NE(ctx->ChavePrivada, nullptr);
  EXPECT_TRUE(ssl->CertificadoLido());
}

}  // namespace
