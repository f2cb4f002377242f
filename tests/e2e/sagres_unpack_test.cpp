// The SAGRES unpack command as the browser runs it: the scripted browser starts the agent,
// the fake API serves an archive built here, and the validator's import folder lives under a
// drive C: of the test's own.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "platform/base64.h"
#include "support/peer.h"
#include "support/zip_builder.h"

namespace fs = std::filesystem;
using nlohmann::json;
using testsupport::BuildZip;
using testsupport::MTime;
using testsupport::ReadFile;
using testsupport::SomeTime;
using testsupport::Tree;
using testsupport::WriteFile;

namespace {

const char kRoute[] = "/empresa/SfArquivoService/DownloadFileSagres/";
const char kType[] = "descompactar_sagres_validador_1.7";

std::string Token() {
  return "eyJhbGciOiJub25lIn0." + platform::Base64Encode(R"({"empresa":{"slug":"acme"}})", true, false) + ".sig";
}

std::string ShellQuote(const std::string& s) {
  std::string out = "'";
  for (char c : s) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return out + "'";
}

struct Reply {
  json body;
  std::string exit;
};

struct SagresE2E : ::testing::Test {
  std::string work = testsupport::MakeTempDir("sagres");
  std::string drive = testsupport::MakeTempDir("drive_c");
  std::string script = work + "/script.json";
  std::string record = work + "/record.jsonl";
  std::string folder = drive + "/ValidadorSagres123/2024/importacao/5/folha";
  testsupport::Peer api{"fake_api.py",
                        {"--pki", testsupport::PkiDir(), "--script", script, "--record", record, "--lifetime", "120"}};

  // The downloads are answered with these bodies in turn, the last one repeating.
  void ServeBodies(const std::vector<std::string>& bodies) {
    json replies = json::array();
    for (const auto& bytes : bodies)
      replies.push_back(json{{"status", 200},
                             {"content_type", "application/octet-stream"},
                             {"body_base64", platform::Base64Encode(bytes)}});
    WriteFile(script, json{{"routes", {{kRoute, replies}}}}.dump());
  }
  void ServeBody(const std::string& bytes) { ServeBodies({bytes}); }

  // Each request through an agent of its own, all from one scripted browser (Python starts
  // slowly); the reply frame and the agent's exit line of each.
  std::vector<Reply> RunRequests(const std::vector<json>& requests) {
    std::string command =
        "cd " + ShellQuote(work) + " && env" + " NEMBO_API_URL=https://127.0.0.1:" + std::to_string(api.Port()) +
        " SSL_CERT_FILE=" + ShellQuote(testsupport::PkiDir() + "/ca.crt") + " NEMBO_DRIVE_C=" + ShellQuote(drive) +
        " HOME=" + ShellQuote(work) + " XDG_DOCUMENTS_DIR=" + ShellQuote(work + "/docs") + " " + testsupport::Python() +
        " " + ShellQuote(std::string(NEMBO_PEERS_DIR) + "/scripted_browser.py") + " " + ShellQuote(NEMBO_AGENT_BIN) +
        " --timeout 10";
    for (std::size_t i = 0; i < requests.size(); ++i)
      command += (i ? " --next" : "") + std::string(" --request ") + ShellQuote(requests[i].dump());
    std::string out;
    testsupport::RunCommand(command, &out);
    std::vector<Reply> replies;
    Reply r;
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);) {
      if (line.rfind("REPLY ", 0) == 0) r.body = json::parse(line.substr(6));
      if (line.rfind("EXIT ", 0) == 0 || line == "TIMEOUT") {
        r.exit = line;
        replies.push_back(std::exchange(r, Reply{}));
      }
    }
    EXPECT_EQ(replies.size(), requests.size()) << out;
    for (const Reply& reply : replies) EXPECT_EQ(reply.exit, "EXIT 0") << out;
    replies.resize(requests.size());
    return replies;
  }
  Reply RunRequest(const json& request) { return RunRequests({request})[0]; }

  static json Request(const std::string& protocolo, const std::string& id = "arq-7") {
    return json{{"command_id", id}, {"command_type", kType}, {"token", Token()}, {"protocolo", protocolo}};
  }
  Reply Run(const std::string& protocolo) { return RunRequest(Request(protocolo)); }

  std::vector<json> Requests() {
    std::vector<json> out;
    std::ifstream in(record);
    for (std::string line; std::getline(in, line);) out.push_back(json::parse(line));
    return out;
  }
};

json Expected(const std::string& id, bool success, const std::string& message, const std::string& description) {
  return json{{"command_id", id}, {"success", success}, {"message", message}, {"description", description}};
}

}  // namespace

TEST_F(SagresE2E, UnpacksIntoTheImportFolder) {
  fs::create_directories(folder);
  WriteFile(folder + "/folha.txt", "last month's payroll, longer than this month's");
  WriteFile(folder + "/other.txt", "untouched");
  ServeBody(BuildZip({
      {"vazio/", ""},
      {"servidores/2024/lista.csv", "nome;cpf\n", SomeTime()},
      {"folha.txt", "this month", SomeTime() + 60},
  }));

  Reply r = Run("2024/123-05");

  EXPECT_EQ(r.body, Expected("arq-7", true, "SUCCESS_DOWNLOAD_FILE", "Arquivo baixado com sucesso"));
  EXPECT_EQ(Tree(folder), (std::set<std::string>{"vazio/", "servidores/", "servidores/2024/",
                                                 "servidores/2024/lista.csv", "folha.txt", "other.txt"}));
  EXPECT_EQ(ReadFile(folder + "/servidores/2024/lista.csv"), "nome;cpf\n");
  EXPECT_EQ(ReadFile(folder + "/folha.txt"), "this month");
  EXPECT_EQ(ReadFile(folder + "/other.txt"), "untouched");
  EXPECT_EQ(MTime(folder + "/servidores/2024/lista.csv"), SomeTime());
  EXPECT_EQ(MTime(folder + "/folha.txt"), SomeTime() + 60);

  auto requests = Requests();
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0]["method"], "POST");
  EXPECT_EQ(requests[0]["path"], kRoute);
  EXPECT_EQ(json::parse(requests[0]["body"].get<std::string>()), json({{"ArquivoId", "arq-7"}}));
  std::set<std::string> headers;
  for (const auto& h : requests[0]["headers"]) headers.insert(h[0].get<std::string>() + ": " + h[1].get<std::string>());
  EXPECT_TRUE(headers.count("Authorization: Bearer " + Token()));
  EXPECT_TRUE(headers.count("tenant_id: acme"));
}

TEST_F(SagresE2E, FindsTheImportFolderWhateverItsLetterCase) {
  std::string other = drive + "/validadorsagres123/2024/Importacao/5/FOLHA";
  fs::create_directories(other);
  ServeBody(BuildZip({{"a.txt", "a"}}));

  EXPECT_EQ(Run("2024/123-5").body["message"], "SUCCESS_DOWNLOAD_FILE");
  EXPECT_EQ(Tree(drive + "/validadorsagres123"),
            (std::set<std::string>{"2024/", "2024/Importacao/", "2024/Importacao/5/", "2024/Importacao/5/FOLHA/",
                                   "2024/Importacao/5/FOLHA/a.txt"}));
}

TEST_F(SagresE2E, AnEmptyArchiveSucceedsAndAMissingFolderIsNotCreated) {
  fs::create_directories(folder);
  const std::set<std::string> before = Tree(drive);
  ServeBodies({testsupport::EmptyZip(), BuildZip({{"a.txt", "a"}})});
  std::string missing = drive + "/ValidadorSagres124/2024/importacao/5/folha";

  auto replies = RunRequests({Request("2024/123-05"), Request("2024/124-05")});

  EXPECT_EQ(replies[0].body, Expected("arq-7", true, "SUCCESS_DOWNLOAD_FILE", "Arquivo baixado com sucesso"));
  EXPECT_EQ(replies[1].body, Expected("arq-7", false, "UNKNOWN_PATH", "Caminho não encontrado: " + missing));
  EXPECT_EQ(Tree(drive), before);
}

TEST_F(SagresE2E, DownloadOrProtocoloFailuresAreUnzipErrors) {
  fs::create_directories(folder);
  // The first download is answered 404, the others with an archive.
  json notFound = {{"status", 404}, {"content_type", "text/plain"}, {"body", "no such file"}};
  json archive = {{"status", 200},
                  {"content_type", "application/octet-stream"},
                  {"body_base64", platform::Base64Encode(BuildZip({{"a.txt", "a"}}))}};
  WriteFile(script, json{{"routes", {{kRoute, {notFound, archive}}}}}.dump());
  // One case per rule: the parts' form, each kind of refused part, and the number.
  const std::pair<std::string, std::string> cases[] = {
      {"2024", "Protocolo inválido: 2024"},
      {"2024/123", "Protocolo inválido: 2024/123"},
      {"2024/-5", "Protocolo inválido: 2024/-5"},
      {"./123-5", "Protocolo inválido: ./123-5"},
      {"2024/..-5", "Protocolo inválido: 2024/..-5"},
      {"..\\x/123-5", "Protocolo inválido: ..\\x/123-5"},
      {"2024/1\x01-5", "Protocolo inválido: 2024/1\x01-5"},
      {"2024/123-x", "'x' não é um número inteiro válido"},
      {"2024/123-2147483648", "'2147483648' não é um número inteiro válido"},
  };
  std::vector<json> requests{
      Request("2024/123-05"), json{{"command_id", "arq-7"}, {"command_type", kType}, {"token", Token()}},
      json{{"command_id", "arq-7"}, {"command_type", kType}, {"token", Token()}, {"protocolo", nullptr}}};
  for (const auto& c : cases) requests.push_back(Request(c.first));

  auto replies = RunRequests(requests);

  Reply r = replies[0];
  EXPECT_EQ(r.body["message"], "ERROR_UNZIP_FILE");
  EXPECT_EQ(r.body["success"], false);
  EXPECT_EQ(r.body["description"].get<std::string>().rfind("XData server request error.\r\nUri: https://127.0.0.1:", 0),
            0u)
      << r.body;
  EXPECT_NE(r.body["description"].get<std::string>().find(std::string(kRoute) + "\r\nStatus code: 404"),
            std::string::npos);

  EXPECT_EQ(replies[1].body, Expected("arq-7", false, "ERROR_UNZIP_FILE", "Protocolo não informado"));
  EXPECT_EQ(replies[2].body, Expected("arq-7", false, "ERROR_UNZIP_FILE", "Protocolo não informado"));
  for (std::size_t i = 0; i < std::size(cases); ++i)
    EXPECT_EQ(replies[3 + i].body, Expected("arq-7", false, "ERROR_UNZIP_FILE", cases[i].second)) << cases[i].first;
  // The download comes first, as the API expects; nothing reached the import folder.
  EXPECT_EQ(Requests().size(), 12u);
  EXPECT_TRUE(Tree(folder).empty());
}

TEST_F(SagresE2E, ArchivesThatCannotBeUnpackedSafelyWriteNothing) {
  fs::create_directories(folder);
  WriteFile(folder + "/keep.txt", "kept");
  std::string outside = testsupport::MakeTempDir("outside");
  fs::create_directory_symlink(outside, folder + "/saida");
  const std::set<std::string> before = Tree(drive);
  struct Case {
    std::string body;
    std::string description;
  } cases[] = {
      {"this is not a zip archive", "Erro ao descompactar arquivo: Not a zip archive"},
      {BuildZip({{"ok.txt", "1"}, {"../x", "x"}}),
       "Erro ao descompactar arquivo: Nome de entrada não permitido no arquivo compactado: \"../x\""},
      {BuildZip({{"ok.txt", "1"}, {"/abs", "x"}}),
       "Erro ao descompactar arquivo: Nome de entrada não permitido no arquivo compactado: \"/abs\""},
      {BuildZip({{"ok.txt", "1"}, {"..\\x", "x"}}),
       "Erro ao descompactar arquivo: Nome de entrada não permitido no arquivo compactado: \"..\\x\""},
      {BuildZip({{"ok.txt", "1"}, {"C:x", "x"}}),
       "Erro ao descompactar arquivo: Nome de entrada não permitido no arquivo compactado: \"C:x\""},
      {BuildZip({{"ok.txt", "1"}, {"link", "../../../../..", std::nullopt, true}}),
       "Erro ao descompactar arquivo: Link simbólico não permitido no arquivo compactado: \"link\""},
      {BuildZip({{"ok.txt", "1"}, {"saida/x.txt", "x"}}),
       "Erro ao descompactar arquivo: Arquivo compactado não pode ser descompactado com segurança: \"" + folder +
           "/saida\" é um link simbólico"},
  };
  std::vector<std::string> bodies;
  for (const auto& c : cases) bodies.push_back(c.body);
  ServeBodies(bodies);

  auto replies = RunRequests(std::vector<json>(std::size(cases), Request("2024/123-05")));

  // Unpacking removes nothing, so whatever any of the runs wrote would still be there.
  for (std::size_t i = 0; i < std::size(cases); ++i)
    EXPECT_EQ(replies[i].body, Expected("arq-7", false, "DESCOMPACTAR_ARQUIVO", cases[i].description));
  EXPECT_EQ(Tree(drive), before);
  EXPECT_EQ(ReadFile(folder + "/keep.txt"), "kept");
  EXPECT_FALSE(fs::exists("/abs"));
  EXPECT_TRUE(Tree(outside).empty());
}

TEST_F(SagresE2E, AnUnreadableTokenStopsBeforeTheDownload) {
  fs::create_directories(folder);
  ServeBody(BuildZip({{"a.txt", "a"}}));
  Reply r = RunRequest(
      json{{"command_id", "arq-7"}, {"command_type", kType}, {"token", "a.b"}, {"protocolo", "2024/123-05"}});
  EXPECT_EQ(r.body, Expected("arq-7", false,
                             "Erro ao processar o comando. command_id: arq-7, command_type: " + std::string(kType),
                             "Invalid token"));
  EXPECT_TRUE(Requests().empty());
  EXPECT_TRUE(Tree(folder).empty());
}
