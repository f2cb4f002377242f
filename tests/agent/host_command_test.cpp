// The host and the command base with a test command, over pipes in place of the standard
// streams.
#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <condition_variable>
#include <filesystem>
#include <mutex>
#include <thread>

#include "agent/command_base.h"
#include "agent/command_types.h"
#include "agent/fake_api_fixture.h"
#include "agent/native_host.h"
#include "platform/base64.h"

using namespace agent;

namespace {

// A gate a test command waits at until the test opens it.
struct Gate {
  std::mutex m;
  std::condition_variable cv;
  bool open = false;
  void Open() {
    std::lock_guard<std::mutex> l(m);
    open = true;
    cv.notify_all();
  }
  void Wait() {
    std::unique_lock<std::mutex> l(m);
    cv.wait(l, [this] { return open; });
  }
};

class TestCommand : public TComunicacaoEsocial {
 public:
  using Work = std::function<void(TestCommand&)>;
  TestCommand(const TAppMessage& m, TCommandCallback cb, Work validate, Work work)
      : TComunicacaoEsocial(m, std::move(cb)), validate_(std::move(validate)), work_(std::move(work)) {}
  using TComunicacaoEsocial::CreateXDataClient;
  using TComunicacaoEsocial::SetError;
  using TComunicacaoEsocial::SetSuccess;
  std::atomic<bool> executed{false};

 protected:
  void Validate() override {
    if (validate_) validate_(*this);
  }
  void Execute() override {
    executed = true;
    if (work_) work_(*this);
  }

 private:
  Work validate_, work_;
};

TAppMessage Request(const std::string& id = "c1", const std::string& token = "") {
  return TAppMessage{id, "teste_1.7", token, std::nullopt};
}

struct Results {
  std::mutex m;
  std::condition_variable cv;
  std::vector<TCallbackParams> got;
  std::thread::id thread;
  TCommandCallback Callback() {
    return [this](const TCallbackParams& p) {
      std::lock_guard<std::mutex> l(m);
      got.push_back(p);
      thread = std::this_thread::get_id();
      cv.notify_all();
    };
  }
};

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

// ---- the host ----------------------------------------------------------------------------

struct HostFixture : ::testing::Test {
  int in[2], out[2];
  std::unique_ptr<platform::FrameChannel> channel;
  std::string docs = testsupport::MakeTempDir("nembo-docs");

  HostFixture() {
    EXPECT_EQ(pipe(in), 0);
    EXPECT_EQ(pipe(out), 0);
    channel = std::make_unique<platform::FrameChannel>(in[0], out[1]);
    setenv("XDG_DOCUMENTS_DIR", docs.c_str(), 1);
  }
  ~HostFixture() override {
    for (int fd : {in[0], in[1], out[0], out[1]})
      if (fd >= 0) close(fd);
  }
  void Send(const std::string& body) {
    std::uint32_t n = static_cast<std::uint32_t>(body.size());
    std::string frame(reinterpret_cast<const char*>(&n), 4);
    frame += body;
    ASSERT_EQ(write(in[1], frame.data(), frame.size()), static_cast<ssize_t>(frame.size()));
  }
  void CloseInput() {
    close(in[1]);
    in[1] = -1;
  }
  // Everything written, once the writing end is closed.
  std::string Output() {
    close(out[1]);
    out[1] = -1;
    std::string all;
    char buf[4096];
    ssize_t n;
    while ((n = read(out[0], buf, sizeof buf)) > 0) all.append(buf, static_cast<std::size_t>(n));
    return all;
  }
  static std::string Frame(const std::string& body) {
    std::uint32_t n = static_cast<std::uint32_t>(body.size());
    return std::string(reinterpret_cast<const char*>(&n), 4) + body;
  }
};

TEST_F(HostFixture, TheCommandsReplyEndsTheLoopWhileInputStaysOpen) {
  TNativeMessagingHost host(*channel, [](const TAppMessage& m, TCommandCallback cb) {
    return std::make_unique<TestCommand>(m, std::move(cb), nullptr,
                                         [](TestCommand& c) { c.SetSuccess("SUCCESS_TESTE", "ok \"1\""); });
  });
  Send(R"({"command_id":"a1","command_type":"t","token":"k"})");
  host.Listen();
  host.WaitForCommands();
  EXPECT_EQ(Output(),
            Frame(R"({"command_id":"a1","success":true,"message":"SUCCESS_TESTE","description":"ok \"1\""})"));
}

TEST_F(HostFixture, ASecondRequestIsRefusedAndTheRunningCommandStillFinishesSilently) {
  Gate gate;
  std::atomic<bool> finished{false};
  TNativeMessagingHost host(*channel, [&](const TAppMessage& m, TCommandCallback cb) {
    return std::make_unique<TestCommand>(m, std::move(cb), nullptr, [&](TestCommand& c) {
      gate.Wait();
      finished = true;
      c.SetSuccess("SUCCESS_TESTE", "tarde");
    });
  });
  Send(R"({"command_id":"a1","command_type":"t"})");
  Send(R"({"command_id":"a2","command_type":"t"})");
  host.Listen();  // returns after its own reply; the command still waits at the gate
  EXPECT_FALSE(finished);
  gate.Open();
  host.WaitForCommands();
  EXPECT_TRUE(finished);
  EXPECT_EQ(Output(), Frame(R"({"command_id":"a2","success":false,"message":"Mensagem inválida",)"
                            R"("description":"Já existe um comando em execução"})"));
}

TEST_F(HostFixture, EndOfInputWaitsForTheRunningCommandsReply) {
  Gate gate;
  TNativeMessagingHost host(*channel, [&](const TAppMessage& m, TCommandCallback cb) {
    return std::make_unique<TestCommand>(m, std::move(cb), nullptr, [&](TestCommand& c) {
      gate.Wait();
      c.SetError("ERRO_TESTE", "x");
    });
  });
  Send(R"({"command_id":"a1","command_type":"t"})");
  CloseInput();
  host.Listen();
  gate.Open();
  host.WaitForCommands();
  EXPECT_EQ(Output(), Frame(R"({"command_id":"a1","success":false,"message":"ERRO_TESTE","description":"x"})"));
}

TEST_F(HostFixture, AFailedStartWritesTheErrorFileAndReplies) {
  TNativeMessagingHost host(*channel, [](const TAppMessage&, TCommandCallback) -> std::unique_ptr<TComunicacaoEsocial> {
    throw std::runtime_error("sem memória");
  });
  Send(R"({"command_id":"a1","command_type":"tipo\\x"})");
  host.Listen();
  host.WaitForCommands();
  EXPECT_EQ(Output(),
            Frame(R"({"command_id":"a1","success":false,"message":"Mensagem inválida","description":"sem memória"})"));
  auto it = std::filesystem::directory_iterator(docs);
  ASSERT_NE(it, std::filesystem::directory_iterator());
  EXPECT_EQ(it->path().filename().string().rfind("NemboAgenteError_tipo_x_", 0), 0u);
  EXPECT_EQ(testsupport::ReadFile(it->path().string()), "sem memória\r\n");
}

TEST_F(HostFixture, AnErrorFileHoldsOneLineWhateverTheCommandType) {
  TNativeMessagingHost host(*channel);
  Send(R"({"command_id":"a1","command_type":"x\r\ny\rz\n"})");
  host.Listen();
  Output();
  auto it = std::filesystem::directory_iterator(docs);
  ASSERT_NE(it, std::filesystem::directory_iterator());
  EXPECT_EQ(testsupport::ReadFile(it->path().string()), "Comando inválido: x  y z \r\n");
}

TEST_F(HostFixture, ABodyCutShortByTheEndOfInputIsNoFrame) {
  bool created = false;
  TNativeMessagingHost host(*channel, [&](const TAppMessage& m, TCommandCallback cb) {
    created = true;
    return std::make_unique<TestCommand>(m, std::move(cb), nullptr, nullptr);
  });
  std::string body = R"({"command_id":"a1","command_type":"t"})";
  std::string frame = Frame(body + "    ");  // four bytes more announced than sent
  ASSERT_EQ(write(in[1], frame.data(), frame.size() - 4), static_cast<ssize_t>(frame.size() - 4));
  CloseInput();
  host.Listen();
  host.WaitForCommands();
  EXPECT_FALSE(created);
  EXPECT_EQ(Output(), "");
}

TEST_F(HostFixture, ConcurrentWritersLeaveOneWholeFrame) {
  std::vector<std::thread> writers;
  std::atomic<int> written{0};
  for (int i = 0; i < 8; ++i)
    writers.emplace_back([&, i] {
      if (channel->WriteFrame(std::string(20000, static_cast<char>('a' + i)))) ++written;
    });
  for (auto& t : writers) t.join();
  EXPECT_EQ(written, 1);
  std::string all = Output();
  ASSERT_EQ(all.size(), 20004u);
  EXPECT_EQ(all.find_first_not_of(all[4], 4), std::string::npos);
}

TEST(CommandTypes, OnlyListedTypesAreKnown) {
  Results r;
  TAppMessage m = Request();
  for (const auto& t : CommandTypes()) {
    m.command_type = std::string(t.name) + "1.6";
    EXPECT_THROW(CreateCommand(m, r.Callback(), "1.7"), std::runtime_error);
  }
  m.command_type = "qualquer";
  try {
    CreateCommand(m, r.Callback(), "1.7");
    ADD_FAILURE();
  } catch (const std::runtime_error& e) {
    EXPECT_STREQ(e.what(), "Comando inválido: qualquer");
  }
}

}  // namespace
