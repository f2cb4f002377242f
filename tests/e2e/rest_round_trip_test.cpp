// The agent's REST client through the real binary, over HTTPS to the fake API. It needs a
// command that calls the API; until the SAGRES unpack command is listed these tests skip.
#include <gtest/gtest.h>

#include "agent/command_types.h"
#include "agent/fake_api_fixture.h"
#include "e2e/agent_process.h"
#include "platform/base64.h"

namespace {

const std::string kType = "descompactar_sagres_validador_";

struct RestE2E : ::testing::Test {
  void SetUp() override {
    bool listed = false;
    for (const auto& t : agent::CommandTypes()) listed = listed || t.Name == kType;
    if (!listed) GTEST_SKIP() << "no command type that calls the API is listed yet";
    api = std::make_unique<testsupport::FakeApi>();
    api->Route("/empresa/SfArquivoService/DownloadFileSagres/",
               {{"status", 404}, {"content_type", "text/plain"}, {"body", "sem arquivo"}});
  }
  std::map<std::string, std::string> Env() {
    return {{"XDG_DOCUMENTS_DIR", docs},
            {"HOME", home},
            {"NEMBO_DRIVE_C", home},
            {"NEMBO_API_URL", api->Url()},
            {"SSL_CERT_FILE", testsupport::PkiDir() + "/ca.crt"}};
  }
  static std::string Request(const std::string& id, const std::string& token) {
    nlohmann::json j = {
        {"command_id", id}, {"command_type", kType + "1.7"}, {"token", token}, {"protocolo", "2024/123-05"}};
    return e2e::Frame(j.dump());
  }

  std::unique_ptr<testsupport::FakeApi> api;
  std::string docs = testsupport::MakeTempDir("nembo-docs");
  std::string home = testsupport::MakeTempDir("nembo-home");
  std::string token = "h." + platform::Base64Encode(R"({"empresa":{"slug":"acme"}})", true, false) + ".s";
};

TEST_F(RestE2E, EveryRequestCarriesTheTokenAndTheSlug) {
  auto r = e2e::RunAgent(Request("arq-1", token), Env());
  EXPECT_EQ(r.ExitCode, 0);
  auto requests = api->Requests();
  ASSERT_EQ(requests.size(), 1u) << r.Output;
  EXPECT_EQ(requests[0].Path, "/empresa/SfArquivoService/DownloadFileSagres/");
  EXPECT_EQ(requests[0].Body, R"({"ArquivoId":"arq-1"})");
  EXPECT_EQ(*requests[0].Header("Authorization"), "Bearer " + token);
  EXPECT_EQ(*requests[0].Header("tenant_id"), "acme");
  EXPECT_NE(r.Output.find("\"success\":false"), std::string::npos) << r.Output;
}

TEST_F(RestE2E, ControlCharactersInTheTokenOrSlugNeverReachAHeader) {
  std::string badSlug = "h." + platform::Base64Encode(R"({"empresa":{"slug":"a\r\nX-Evil: 1"}})") + ".s";
  for (const std::string& t : {token + "\r\nX-Evil: 1", badSlug}) {
    auto r = e2e::RunAgent(Request("arq-2", t), Env());
    nlohmann::json reply = nlohmann::json::parse(r.Output.substr(4));
    EXPECT_EQ(reply["message"], "Erro ao processar o comando. command_id: arq-2, command_type: " + kType + "1.7");
    EXPECT_EQ(reply["description"], "Invalid token");
  }
  EXPECT_TRUE(api->Requests().empty());
}

TEST_F(RestE2E, ASecondRequestDoesNotCutTheRunningCommandShort) {
  // A slow API keeps the first command busy while the second request arrives.
  api->Route("/empresa/SfArquivoService/DownloadFileSagres/", {{"status", 404}, {"delay", 0.5}});
  auto r = e2e::RunAgent(Request("arq-3", token) + Request("arq-4", token), Env());
  EXPECT_EQ(r.ExitCode, 0);
  // One reply only; the first command still reached the API before the process ended.
  EXPECT_EQ(r.Output, e2e::Frame(R"({"command_id":"arq-4","success":false,"message":"Mensagem inválida",)"
                                 R"("description":"Já existe um comando em execução"})"));
  auto requests = api->Requests();
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0].Body, R"({"ArquivoId":"arq-3"})");
}

}  // namespace
