// The command base with a test command: its worker, its result, and the REST client it makes.
#include "agent/command_base.h"

#include <gtest/gtest.h>

#include <thread>

#include "agent/fake_api_fixture.h"
#include "agent/test_command.h"
#include "platform/base64.h"

using namespace agent;
using agenttest::Request;
using agenttest::Results;
using agenttest::TestCommand;

namespace {

TEST(CommandBase, RunsOnItsWorkerAndReportsTheLastResultOnce) {
  Results r;
  TestCommand cmd(Request(), r.Callback(), nullptr, [](TestCommand& c) {
    c.SetError("ERRO", "primeiro");
    c.SetSuccess("SUCCESS_TESTE", "feito");
  });
  cmd.Start();
  cmd.WaitFor();
  ASSERT_EQ(r.got.size(), 1u);
  EXPECT_NE(r.thread, std::this_thread::get_id());
  EXPECT_EQ(r.got[0].CommandId(), "c1");
  EXPECT_TRUE(r.got[0].Success());
  EXPECT_EQ(r.got[0].Message(), "SUCCESS_TESTE");
  EXPECT_EQ(r.got[0].Description(), "feito");
}

TEST(CommandBase, UncaughtErrorsGiveTheGenericMessage) {
  struct Case {
    TestCommand::Work validate, work;
    bool executes;
  } cases[] = {
      {nullptr, [](TestCommand&) { throw std::runtime_error("falhou no trabalho"); }, true},
      {[](TestCommand&) { throw std::runtime_error("falhou no trabalho"); }, nullptr, false},
  };
  for (auto& c : cases) {
    Results r;
    TestCommand cmd(Request("7"), r.Callback(), c.validate, c.work);
    cmd.Start();
    cmd.WaitFor();
    EXPECT_EQ(cmd.executed, c.executes);
    ASSERT_EQ(r.got.size(), 1u);
    EXPECT_FALSE(r.got[0].Success());
    EXPECT_EQ(r.got[0].Message(), "Erro ao processar o comando. command_id: 7, command_type: teste_1.7");
    EXPECT_EQ(r.got[0].Description(), "falhou no trabalho");
  }
}

TEST(CommandBase, RestClientCarriesTokenAndSlugOnEveryRequest) {
  testsupport::FakeApi api;
  api.Route("/empresa/EsocialLoteService/GetLotesGerados/",
            {{"status", 200}, {"json", {{"value", nlohmann::json::array()}}}});
  api.Route("/empresa/EsocialLoteService/GerarXmlEventosLote/", {{"status", 204}});
  std::string token = "x." + platform::Base64Encode(R"({"empresa":{"slug":"loja-1"}})", true, false) + ".y";
  Results r;
  TestCommand cmd(Request("c", token), r.Callback(), nullptr, [](TestCommand& c) {
    auto client = c.CreateXDataClient();
    auto& service = client->Service<IEsocialLoteService>();
    service.GerarXmlEventosLote();
    service.GetLotesGerados();
    c.SetSuccess("OK", "");
  });
  cmd.Start();
  cmd.WaitFor();
  ASSERT_EQ(r.got.size(), 1u);
  EXPECT_EQ(r.got[0].Message(), "OK") << r.got[0].Description();
  auto requests = api.Requests();
  ASSERT_EQ(requests.size(), 2u);
  for (const auto& q : requests) {
    EXPECT_EQ(*q.Header("Authorization"), "Bearer " + token);
    EXPECT_EQ(*q.Header("tenant_id"), "loja-1");
  }
}

TEST(CommandBase, AnUnreadableTokenStopsBeforeAnyRequest) {
  testsupport::FakeApi api;
  std::string payload = platform::Base64Encode(R"({"empresa":{"slug":"ok"}})");
  for (std::string token : {"x." + payload, "x." + payload + ".y\n", "x." + payload + ".\x7f"}) {
    Results r;
    TestCommand cmd(Request("c", token), r.Callback(), nullptr, [](TestCommand& c) {
      auto client = c.CreateXDataClient();
      client->Service<IEsocialLoteService>().GerarXmlEventosLote();
    });
    cmd.Start();
    cmd.WaitFor();
    ASSERT_EQ(r.got.size(), 1u);
    EXPECT_EQ(r.got[0].Description(), "Invalid token");
  }
  EXPECT_TRUE(api.Requests().empty());
}

}  // namespace
