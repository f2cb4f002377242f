// The host over pipes in place of the standard streams, with test commands.
#include "agent/native_host.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <memory>
#include <string>

#include "agent/test_command.h"
#include "support/peer.h"

using namespace agent;
using agenttest::Gate;
using agenttest::TestCommand;

namespace {

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

}  // namespace
