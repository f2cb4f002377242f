// Hostile input through the real binary against the fake API: every case gets its clear reply
// within the browsers' frame limit (or, for a frame cut short, none), memory stays bounded and
// the import folder is left as it was. Peak memory is printed per case, not asserted.
#include <gtest/gtest.h>

#include <cstdio>
#include <nlohmann/json.hpp>
#include <set>
#include <string>

#include "agent/fake_api_fixture.h"
#include "agent/native_messaging.h"
#include "agent/zip_utils.h"
#include "e2e/agent_process.h"
#include "platform/base64.h"
#include "platform/rest_client.h"
#include "support/peer.h"
#include "support/zip_builder.h"

namespace {

using nlohmann::json;
using testsupport::BuildZip;
using testsupport::Tree;

const char kRoute[] = "/empresa/SfArquivoService/DownloadFileSagres/";

std::string Token() { return "h." + platform::Base64Encode(R"({"empresa":{"slug":"acme"}})", true, false) + ".s"; }

std::string SagresRequest(const std::string& id = "arq-1") {
  return json{{"command_id", id},
              {"command_type", "descompactar_sagres_validador_1.7"},
              {"token", Token()},
              {"protocolo", "2024/123-05"}}
      .dump();
}

json Archive(const std::string& bytes) {
  return {{"status", 200}, {"content_type", "application/zip"}, {"body_base64", platform::Base64Encode(bytes)}};
}

TEST(HostileInput, EachGetsAClearBoundedReplyAndTheFolderStaysAsItWas) {
  testsupport::FakeApi api;
  std::string home = testsupport::MakeTempDir("nembo-home");
  std::string drive = testsupport::MakeTempDir("drive_c");
  std::string folder = drive + "/ValidadorSagres123/2024/importacao/5/folha";
  std::filesystem::create_directories(folder);
  testsupport::WriteFile(folder + "/folha.txt", "last month");
  const std::set<std::string> before = Tree(drive);
  const std::map<std::string, std::string> env = {
      {"HOME", home}, {"XDG_DOCUMENTS_DIR", home + "/docs"}, {"NEMBO_DRIVE_C", drive}};

  const std::string overCap =
      "maior que o limite de " + std::to_string(platform::kMaxResponseBodyLength >> 20) + " MiB";
  std::string deep;
  while (deep.size() < 65533) deep += "a/";
  std::string data(5000, 'A');
  std::string corrupt = BuildZip({{"a.txt", "a"}, {"folha.txt", "new"}, {"z.txt", data, std::nullopt, false, true}});
  corrupt[corrupt.find(data) + 2500] = 'B';
  const std::string sagres = SagresRequest();

  struct Case {
    const char* what;
    json reply;           // the download's reply; null: the API is not reached
    std::string input;    // the frames sent
    std::string message;  // of the reply; empty: no reply at all
    std::string detail;   // a part of the description
    bool fillsTheReply = false;
  } cases[] = {
      {"a body over the cap",
       {{"generate", {{"bytes", platform::kMaxResponseBodyLength + 1}}}},
       e2e::Frame(sagres),
       "ERROR_UNZIP_FILE",
       overCap},
      {"a gzip bomb",
       {{"encoding", "gzip"}, {"generate", {{"bytes", 2048LL << 20}}}},
       e2e::Frame(sagres),
       "ERROR_UNZIP_FILE",
       overCap},
      {"an endless body", {{"generate", json::object()}}, e2e::Frame(sagres), "ERROR_UNZIP_FILE", overCap},
      {"a zip bomb", Archive(testsupport::BuildRawZip({{"folha.txt", 2048}})), e2e::Frame(sagres),
       "DESCOMPACTAR_ARQUIVO", "maior que o limite de 512 MiB"},
      {"a zip bomb that lies about its size", Archive(testsupport::BuildRawZip({{"a", 1}, {"folha.txt", 64, 100}})),
       e2e::Frame(sagres), "DESCOMPACTAR_ARQUIVO", "maior que o tamanho declarado"},
      {"a deep name", Archive(BuildZip({{"a.txt", "a"}, {deep, "x"}})), e2e::Frame(sagres), "DESCOMPACTAR_ARQUIVO",
       "longo demais"},
      {"a name over the path limit",
       Archive(BuildZip({{"a.txt", "a"}, {std::string(agent::kMaxZipTargetPath - folder.size(), 'n'), "x"}})),
       e2e::Frame(sagres), "DESCOMPACTAR_ARQUIVO", "longo demais"},
      {"a corrupt entry after good ones", Archive(corrupt), e2e::Frame(sagres), "DESCOMPACTAR_ARQUIVO",
       "z.txt: CRC error"},
      {"a control character in the Unicode name field",
       Archive(BuildZip({{"a.txt", "a"}, {"b.txt", "b", std::nullopt, false, false, "b\r\n.txt"}})), e2e::Frame(sagres),
       "DESCOMPACTAR_ARQUIVO", "\"b\\x0D\\x0A.txt\""},
      {"a truncated frame", nullptr, e2e::Frame(sagres).substr(0, sagres.size()), "", ""},
      {"an over-long command_id", nullptr,
       e2e::Frame(SagresRequest(std::string(agent::kMaxCommandTextLength + 1, 'i'))), "Mensagem inválida",
       "member \"command_id\" is longer than 1024 bytes"},
      {"a huge API error text",
       {{"status", 500}, {"content_type", "text/plain"}, {"generate", {{"text", "erro ção\t"}, {"bytes", 100 << 20}}}},
       e2e::Frame(sagres),
       "ERROR_UNZIP_FILE",
       "\r\nStatus code: 500\r\nerro ção\terro ção",
       true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    std::size_t requests = api.Requests().size();
    api.Route(kRoute, c.reply.is_null() ? Archive(BuildZip({{"folha.txt", "not to be written"}})) : c.reply);

    e2e::RunResult r = e2e::RunAgent(c.input, env, std::chrono::seconds(120));

    std::printf("[ memory   ] %-48s peak RSS %ld MiB\n", c.what, r.PeakRssKiB / 1024);
    EXPECT_EQ(r.ExitCode, 0);
    EXPECT_EQ(Tree(drive), before);
    EXPECT_EQ(testsupport::ReadFile(folder + "/folha.txt"), "last month");
    EXPECT_EQ(api.Requests().size(), requests + (c.reply.is_null() ? 0 : 1));
    if (c.message.empty()) {
      EXPECT_EQ(r.Output, "");
      continue;
    }
    ASSERT_GE(r.Output.size(), 4u);
    std::string body = r.Output.substr(4);
    EXPECT_EQ(r.Output, e2e::Frame(body));  // one whole frame
    EXPECT_LE(body.size(), agent::kMaxReplyLength);
    if (c.fillsTheReply) {
      EXPECT_GT(body.size(), agent::kMaxReplyLength - 6);
    }
    json reply = json::parse(body);
    EXPECT_EQ(reply["success"], false);
    EXPECT_EQ(reply["message"], c.message);
    EXPECT_NE(reply["description"].get<std::string>().find(c.detail), std::string::npos)
        << reply["description"].get<std::string>().substr(0, 300);
  }
}

// A reply of millions of tiny objects from the API: refused as it is read, with a clear reply,
// its objects never all made. Peak memory is printed, not asserted.
TEST(HostileInput, AReplyOfMillionsOfTinyObjectsIsRefusedAsItIsRead) {
  testsupport::FakeApi api;
  std::string home = testsupport::MakeTempDir("nembo-home");
  std::string body = R"({"value":[{"EventosPendentesXmlDTO":[{})";
  while (body.size() < (std::size_t{12} << 20)) body += ",{}";
  body += "]}]}";
  api.Route("/empresa/EsocialLoteService/GetLotesGerados/",
            {{"status", 200}, {"content_type", "application/json"}, {"body", body}});
  const std::string request =
      json{{"command_id", "t-1"}, {"command_type", "transmitir_eventos_1.7"}, {"token", Token()}}.dump();

  e2e::RunResult r = e2e::RunAgent(e2e::Frame(request), {{"HOME", home}, {"XDG_DOCUMENTS_DIR", home + "/docs"}},
                                   std::chrono::seconds(120));

  std::printf("[ memory   ] %-48s peak RSS %ld MiB\n", "12 MiB of empty event objects", r.PeakRssKiB / 1024);
  EXPECT_EQ(r.ExitCode, 0);
  ASSERT_GE(r.Output.size(), 4u);
  json reply = json::parse(r.Output.substr(4));
  EXPECT_EQ(reply["message"], "ERROR_LOTE");
  EXPECT_NE(reply["description"].get<std::string>().find("would take more than"), std::string::npos)
      << reply["description"];
}

}  // namespace
