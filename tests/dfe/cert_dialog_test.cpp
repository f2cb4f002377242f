// Choosing a certificate: NEMBO_CERT_SERIAL, a zenity dialog (a stand-in on PATH), or nothing.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <nlohmann/json.hpp>

#include "dfe/ssl.h"
#include "nss_test_db.h"
#include "support/message_of.h"
#include "support/peer.h"

using namespace dfe;

namespace {

class CertDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    nsstest::UseTestDatabase();
    unsetenv("NEMBO_CERT_SERIAL");
    unsetenv("WAYLAND_DISPLAY");
    unsetenv("ZENITY_ANSWER");
    dir = testsupport::MakeTempDir("zenity");
    std::filesystem::create_symlink(std::string(NEMBO_PEERS_DIR) + "/zenity", dir + "/zenity");
    setenv("PATH", (dir + ":" + std::getenv("PATH")).c_str(), 1);
    setenv("DISPLAY", ":99", 1);
    record = dir + "/record.json";
    setenv("ZENITY_RECORD", record.c_str(), 1);
    ssl.SetSSLCryptLib(cryWinCrypt);
  }

  nlohmann::json Record() const { return nlohmann::json::parse(testsupport::ReadFile(record)); }

  std::string dir, record;
  TDFeSSL ssl;
};

TEST_F(CertDialogTest, DialogListsTheStoreAndLoadsTheChosenCertificate) {
  const std::string client = nsstest::OpenSSLSerial("client");
  setenv("ZENITY_ANSWER", client.c_str(), 1);
  EXPECT_EQ(ssl.SelecionarCertificado(), client);
  EXPECT_TRUE(ssl.CertificadoLido());
  EXPECT_EQ(ssl.CertCNPJ(), "12345678000195");
  EXPECT_EQ(ssl.NumeroSerie(), client);

  const auto rec = Record();
  const auto args = rec["args"].get<std::vector<std::string>>();
  auto has = [&](const std::string& a) { return std::find(args.begin(), args.end(), a) != args.end(); };
  EXPECT_TRUE(has("--list"));
  EXPECT_TRUE(has("--title=Selecione um Certificado"));
  EXPECT_TRUE(has("--text=Selecione o Certificado que deseja utilizar:"));
  for (const char* name : {"client", "expired", "cpf"}) EXPECT_TRUE(has(nsstest::OpenSSLSerial(name))) << name;
  EXPECT_TRUE(has("EMPRESA TESTE LTDA"));
  EXPECT_TRUE(has("01/01/2021") || has("31/12/2020"));  // the expired one, in local time
  // The native-messaging pipes stay with the host.
  EXPECT_EQ(rec["stdin"], "/dev/null");
  char own[256] = {};
  ASSERT_GT(readlink("/proc/self/fd/1", own, sizeof own - 1), 0);
  EXPECT_EQ(rec["stdout"].get<std::string>().rfind("pipe:", 0), 0u);
  EXPECT_NE(rec["stdout"], std::string(own));
}

TEST_F(CertDialogTest, CancelOrNoDesktopChoosesNothing) {
  const std::string client = nsstest::OpenSSLSerial("client");
  ssl.SetNumeroSerie(client);
  EXPECT_EQ(ssl.SelecionarCertificado(), "");  // the stand-in cancels without an answer
  EXPECT_TRUE(std::filesystem::exists(record));
  EXPECT_FALSE(ssl.CertificadoLido());
  EXPECT_EQ(ssl.NumeroSerie(), client);

  std::filesystem::remove(record);
  unsetenv("DISPLAY");
  setenv("ZENITY_ANSWER", client.c_str(), 1);
  EXPECT_EQ(ssl.SelecionarCertificado(), "");
  EXPECT_FALSE(std::filesystem::exists(record));
  EXPECT_FALSE(ssl.CertificadoLido());
}

TEST_F(CertDialogTest, TokenPinIsAskedAtLoadWhenNoneIsConfigured) {
  ssl.SetNumeroSerie(nsstest::OpenSSLSerial("cpf"));
  // A wrong PIN shows when the certificate is loaded, after the user's three tries.
  setenv("ZENITY_ANSWER", "0000", 1);
  EXPECT_EQ(testsupport::MessageOf<ETrivoDFeException>([&] { ssl.CarregarCertificado(); }),
            "O cartão não pode ser acessado porque o PIN errado foi apresentado.");
  EXPECT_FALSE(ssl.CertificadoLido());
  auto args = Record()["args"].get<std::vector<std::string>>();
  EXPECT_NE(std::find(args.begin(), args.end(), "--hide-text"), args.end());
  EXPECT_NE(std::find(args.begin(), args.end(), "--text=PIN incorreto. Digite o PIN de NemboToken:"), args.end());

  setenv("ZENITY_ANSWER", nsstest::kTokenPin, 1);
  EXPECT_EQ(ssl.CertTipo(), tpcA3);
  args = Record()["args"].get<std::vector<std::string>>();
  EXPECT_NE(std::find(args.begin(), args.end(), "--text=Digite o PIN de NemboToken:"), args.end());
  // Signing uses the key reached at load: no further question.
  std::filesystem::remove(record);
  const std::string data = "dados";
  auto cert = nsstest::ReadPem(testsupport::PkiDir() + "/cpf.crt");
  EXPECT_TRUE(nsstest::VerifiesWith(cert.get(), data, ssl.CalcHash(std::string_view(data), dgstSHA256, outBinary, true),
                                    "SHA256"));
  EXPECT_FALSE(std::filesystem::exists(record));
}

TEST_F(CertDialogTest, SerialFromTheEnvironmentNeedsNoDialog) {
  setenv("NEMBO_CERT_SERIAL", " 0a 51", 1);
  EXPECT_EQ(ssl.SelecionarCertificado(), "0A51");
  EXPECT_FALSE(std::filesystem::exists(record));
  EXPECT_EQ(ssl.CertCNPJ(), "11222333000181");

  setenv("NEMBO_CERT_SERIAL", "FFFF", 1);
  try {
    ssl.SelecionarCertificado();
    FAIL();
  } catch (const ETrivoDFeException& e) {
    EXPECT_STREQ(e.what(), "Certificado Série: \"FFFF\", não encontrado!");
  }
}

}  // namespace
