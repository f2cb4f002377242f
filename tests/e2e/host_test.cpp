// The agent as a browser runs it: frames through its pipes, replies byte for byte.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "e2e/agent_process.h"
#include "support/peer.h"

namespace fs = std::filesystem;
using e2e::Frame;
using e2e::LengthBytes;

namespace {

struct HostE2E : ::testing::Test {
  std::string docs = testsupport::MakeTempDir("nembo-docs");
  std::string home = testsupport::MakeTempDir("nembo-home");
  std::map<std::string, std::string> env{{"XDG_DOCUMENTS_DIR", docs}, {"HOME", home}};

  std::vector<fs::path> ErrorFiles() const {
    std::vector<fs::path> files;
    for (const auto& e : fs::directory_iterator(docs)) files.push_back(e.path());
    return files;
  }
};

std::string Invalid(const std::string& id, const std::string& description) {
  return R"({"command_id":")" + id + R"(","success":false,"message":"Mensagem inválida","description":")" +
         description + R"("})";
}

TEST_F(HostE2E, NullRequestGetsTheExactReply) {
  auto r = e2e::RunAgent(Frame("null"), env);
  const std::string body = R"({"command_id":"","success":false,"message":"Mensagem inválida","description":""})";
  ASSERT_EQ(body.size(), 81u);
  EXPECT_EQ(r.Output, std::string("\x51\0\0\0", 4) + body);
  EXPECT_EQ(r.ExitCode, 0);
  EXPECT_TRUE(ErrorFiles().empty());
}

TEST_F(HostE2E, UnknownTypeGetsTheExactReplyAndAnErrorFile) {
  auto r = e2e::RunAgent(Frame(R"({"command_id":"42","command_type":"x","token":"t"})"), env);
  const std::string body = Invalid("42", "Comando inválido: x");
  ASSERT_EQ(body.size(), 103u);
  EXPECT_EQ(r.Output, std::string("\x67\0\0\0", 4) + body);
  EXPECT_EQ(r.ExitCode, 0);

  auto files = ErrorFiles();
  ASSERT_EQ(files.size(), 1u);
  std::string name = files[0].filename().string();
  // NemboAgenteError_x_yyyy-mm-dd_hhnnss.zzz.txt
  ASSERT_EQ(name.size(), std::string("NemboAgenteError_x_2025-01-14_093005.120.txt").size()) << name;
  EXPECT_EQ(name.substr(0, 19), "NemboAgenteError_x_");
  EXPECT_EQ(name[23], '-');
  EXPECT_EQ(name[29], '_');
  EXPECT_EQ(name[36], '.');
  EXPECT_EQ(name.substr(40), ".txt");
  EXPECT_EQ(testsupport::ReadFile(files[0].string()), "Comando inválido: x\r\n");
}

TEST_F(HostE2E, EscapesInTheReplyAndASafeErrorFileName) {
  // quote, backslash, tab, U+0001, é and "/" in the command type, echoed in the description.
  auto r = e2e::RunAgent(Frame(R"({"command_id":"7","command_type":"a\"b\\c\td\u0001eé/../f"})"), env);
  EXPECT_EQ(r.Output, Frame(Invalid("7", R"(Comando inválido: a\"b\\c\td\u0001eé/../f)")));

  auto files = ErrorFiles();
  ASSERT_EQ(files.size(), 1u);
  std::string name = files[0].filename().string();
  EXPECT_EQ(name.substr(0, 34), "NemboAgenteError_a_b_c_d_eé_.._f_") << name;
  // UTF-8, not a lossy code page.
  EXPECT_EQ(testsupport::ReadFile(files[0].string()),
            "Comando inválido: a\"b\\c\td\x01"
            "eé/../f\r\n");
}

TEST_F(HostE2E, AVeryLongCommandTypeStillLandsInTheDocumentsFolder) {
  std::string type;
  for (int i = 0; i < 300; ++i) type += "é/";
  auto r = e2e::RunAgent(Frame(R"({"command_id":"1","command_type":")" + type + R"("})"), env);
  EXPECT_EQ(r.Output, Frame(Invalid("1", "Comando inválido: " + type)));
  auto files = ErrorFiles();
  ASSERT_EQ(files.size(), 1u);
  EXPECT_LE(files[0].filename().string().size(), 255u);
  EXPECT_EQ(testsupport::ReadFile(files[0].string()), "Comando inválido: " + type + "\r\n");
}

TEST_F(HostE2E, ZeroAndNegativeLengthsAreSkipped) {
  auto r = e2e::RunAgent(LengthBytes(0) + LengthBytes(-1) + LengthBytes(INT32_MIN) + Frame("null"), env);
  EXPECT_EQ(r.Output, Frame(Invalid("", "")));
  EXPECT_EQ(r.ExitCode, 0);
}

TEST_F(HostE2E, ABodyArrivingInPiecesIsReadWhole) {
  e2e::AgentProcess agent(env);
  std::string body = R"({"command_id":"abc","command_type":"nada"})";
  agent.Write(LengthBytes(static_cast<std::int32_t>(body.size())).substr(0, 2));
  std::this_thread::sleep_for(std::chrono::milliseconds(30));
  agent.Write(LengthBytes(static_cast<std::int32_t>(body.size())).substr(2) + body.substr(0, 10));
  std::this_thread::sleep_for(std::chrono::milliseconds(30));
  agent.Write(body.substr(10));
  auto reply = agent.ReadFrame();
  ASSERT_TRUE(reply);
  EXPECT_EQ(*reply, Invalid("abc", "Comando inválido: nada"));
  agent.CloseInput();
  EXPECT_EQ(agent.Wait(), 0);
}

TEST_F(HostE2E, AnOversizeFrameIsDrainedAndRefused) {
  const std::int32_t size = 16 * 1024 * 1024 + 1;
  std::string input = LengthBytes(size) + std::string(static_cast<std::size_t>(size), '{') + Frame("null");
  auto r = e2e::RunAgent(input, env);
  // Refused without parsing; the frame after it is not read.
  EXPECT_EQ(r.Output, Frame(Invalid("", "Mensagem maior que o limite de 16 MiB")));
  EXPECT_EQ(r.ExitCode, 0);
}

TEST_F(HostE2E, AHugeDeclaredLengthIsRefusedWithoutWaitingForIt) {
  // 2 GiB announced, a few bytes sent, then input ends: no allocation of the declared size.
  auto r = e2e::RunAgent(LengthBytes(INT32_MAX) + "{\"command_id\":", env);
  EXPECT_EQ(r.Output, Frame(Invalid("", "Mensagem maior que o limite de 16 MiB")));
  EXPECT_EQ(r.ExitCode, 0);
}

TEST_F(HostE2E, RequestsThatStartNoCommand) {
  struct Case {
    std::string request, reply;
  } cases[] = {
      {R"({"command_id":"","command_type":"transmitir_eventos_1.7"})",
       Invalid("", "Identificador do comando não pode ser vazio")},
      {R"({"command_type":"transmitir_eventos_1.7"})", Invalid("", "Identificador do comando não pode ser vazio")},
      // Member names are matched exactly.
      {R"({"Command_Id":"5","COMMAND_TYPE":"transmitir_eventos_1.7"})",
       Invalid("", "Identificador do comando não pode ser vazio")},
      {R"({"command_id":"5","command_type":"Transmitir_eventos_1.7"})",
       Invalid("5", "Comando inválido: Transmitir_eventos_1.7")},
      {R"({"command_id":"5","command_type":"transmitir_eventos_1.6"})",
       Invalid("5", "Comando inválido: transmitir_eventos_1.6")},
      {R"({"command_id":"5","command_type":"transmitir_eventos_"})",
       Invalid("5", "Comando inválido: transmitir_eventos_")},
      // Bytes that are not UTF-8 become U+FFFD.
      {"{\"command_id\":\"5\",\"command_type\":\"x\xff\"}", Invalid("5", "Comando inválido: x\xEF\xBF\xBD")},
  };
  for (const auto& c : cases) {
    auto r = e2e::RunAgent(Frame(c.request), env);
    EXPECT_EQ(r.Output, Frame(c.reply)) << c.request;
    EXPECT_EQ(r.ExitCode, 0);
  }
}

TEST_F(HostE2E, UnreadableRequestsGetTheParserText) {
  for (std::string request : {"{", "[1]", R"({"command_id":42})", R"({"command_id":null})",
                              R"({"command_id":"1","protocolo":7})", "\"text\""}) {
    e2e::AgentProcess agent(env);
    agent.Write(Frame(request));
    auto reply = agent.ReadFrame();
    ASSERT_TRUE(reply) << request;
    EXPECT_EQ(reply->rfind(R"({"command_id":"","success":false,"message":"Mensagem inválida","description":")", 0), 0u)
        << *reply;
    EXPECT_NE(*reply, Invalid("", "")) << request;
    agent.CloseInput();
    EXPECT_EQ(agent.Wait(), 0);
  }
  EXPECT_TRUE(ErrorFiles().empty());
}

TEST_F(HostE2E, EndOfInputWithNothingRunningEndsAtOnce) {
  for (std::string input : {std::string(), std::string("\x05\0", 2), LengthBytes(0)}) {
    auto r = e2e::RunAgent(input, env);
    EXPECT_EQ(r.Output, "");
    EXPECT_EQ(r.ExitCode, 0);
  }
}

TEST_F(HostE2E, AfterTheReplyNoFurtherFrameIsRead) {
  // The browser keeps its end open: the process still ends once it has replied.
  e2e::AgentProcess agent(env);
  agent.Write(Frame("null") + Frame(R"({"command_id":"9","command_type":"x"})"));
  auto reply = agent.ReadFrame();
  ASSERT_TRUE(reply);
  EXPECT_EQ(*reply, Invalid("", ""));
  EXPECT_EQ(agent.Wait(), 0);
  EXPECT_EQ(agent.ReadRest(), "");
  EXPECT_TRUE(ErrorFiles().empty());
}

TEST_F(HostE2E, NothingButFramesReachesStandardOutput) {
  // A log file is registered but never written; stdout carries exactly one frame.
  auto r = e2e::RunAgent(Frame(R"({"command_id":"1","command_type":"y"})"), env);
  EXPECT_EQ(r.Output, Frame(Invalid("1", "Comando inválido: y")));
  // The agent runs in this process's folder.
  EXPECT_FALSE(fs::exists("native.app.nembo.log"));
}

}  // namespace

namespace {

TEST(HostE2ELastResort, AnErrorFileThatCannotBeWrittenGivesTheLastResortReply) {
  std::string home = testsupport::MakeTempDir("nembo-home");
  std::string notAFolder = home + "/documentos";
  testsupport::WriteFile(notAFolder, "");
  auto r = e2e::RunAgent(Frame(R"({"command_id":"42","command_type":"x"})"),
                         {{"XDG_DOCUMENTS_DIR", notAFolder}, {"HOME", home}});
  EXPECT_EQ(r.ExitCode, 0);
  const std::string head = R"({"command_id":"","success":false,"message":"Erro inesperado","description":")";
  ASSERT_GT(r.Output.size(), 4u);
  EXPECT_EQ(r.Output.substr(4, head.size()), head) << r.Output;
  EXPECT_NE(r.Output.find("std::runtime_error: Cannot write file "), std::string::npos) << r.Output;
}

}  // namespace
