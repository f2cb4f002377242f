#include "agent/sagres_command.h"

#include <pwd.h>
#include <sys/types.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <vector>

#include "agent/zip_utils.h"
#include "platform/files.h"
#include "platform/strings.h"
#include "platform/text_encoding.h"

namespace agent {

namespace {

std::string Env(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

std::string HomeFolder() {
  std::string home = Env("HOME");
  if (home.empty())
    if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_dir) home = pw->pw_dir;
  return home;
}

std::string WithoutTrailingSlashes(std::string path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

// A text that is to become one path component.
bool IsSafeComponent(const std::string& part) {
  if (part.empty() || part == "." || part == "..") return false;
  if (platform::HasControlChar(part) || platform::HasC1ControlChar(part)) return false;
  return part.find_first_of("/\\") == std::string::npos;
}

int PlainInt32(const std::string& text) {
  std::uint64_t value = 0;
  bool ok = !text.empty();
  for (char c : text) {
    if (c < '0' || c > '9' || value > 0x7FFFFFFF) {
      ok = false;
      break;
    }
    value = value * 10 + static_cast<unsigned>(c - '0');
  }
  if (!ok || value > 0x7FFFFFFF) throw std::runtime_error("'" + text + "' não é um número inteiro válido");
  return static_cast<int>(value);
}

// The folder as the Windows side would find it: each component below drive C: matched
// regardless of letter case when the exact name is missing.
std::filesystem::path ExistingFolderIgnoringCase(const std::string& folder) {
  std::string drive = DriveCFolder();
  std::filesystem::path path(drive);
  for (const auto& part : platform::Split(folder.substr(drive.size() + 1), '/'))
    path = platform::FindFileIgnoringCase(path / part);
  return path;
}

}  // namespace

void TDescompactarSagresValidador::Execute() {
  std::unique_ptr<TXDataClient> client = CreateXDataClient();
  ISfArquivoService& service = client->Service<ISfArquivoService>();
  try {
    std::string archive = service.DownloadFileSagres(FAppMessage.command_id);
    if (!FAppMessage.protocolo) throw std::runtime_error("Protocolo não informado");
    Descompactar(archive, *FAppMessage.protocolo);
  } catch (const std::exception& e) {
    SetError("ERROR_UNZIP_FILE", e.what());
  }
}

void TDescompactarSagresValidador::Descompactar(const std::string& archive, const std::string& protocolo) {
  std::string folder = SagresImportFolder(protocolo);
  try {
    std::error_code ec;
    std::filesystem::path target = ExistingFolderIgnoringCase(folder);
    if (std::filesystem::is_directory(target, ec)) {
      // Straight from the downloaded bytes: a stream over them would be a second copy.
      TZipUtils::ExtractFilesTo(archive, target.string());
      SetSuccess("SUCCESS_DOWNLOAD_FILE", "Arquivo baixado com sucesso");
    } else {
      SetError("UNKNOWN_PATH", "Caminho não encontrado: " + folder);
    }
  } catch (const std::exception& e) {
    SetError("DESCOMPACTAR_ARQUIVO", "Erro ao descompactar arquivo: " + std::string(e.what()));
  }
}

std::string DriveCFolder() {
  std::string drive = Env("NEMBO_DRIVE_C");
  if (drive.empty()) {
    std::string prefix = Env("WINEPREFIX");
    if (prefix.empty()) prefix = HomeFolder() + "/.wine";
    drive = WithoutTrailingSlashes(prefix) + "/drive_c";
  }
  return WithoutTrailingSlashes(drive);
}

std::string SagresImportFolder(const std::string& protocolo) {
  std::vector<std::string> parts = platform::Split(protocolo, '/');
  if (parts.size() < 2) throw std::runtime_error("Protocolo inválido: " + protocolo);
  std::vector<std::string> second = platform::Split(parts[1], '-');
  if (second.size() < 2) throw std::runtime_error("Protocolo inválido: " + protocolo);
  const std::string& a = parts[0];
  const std::string& b = second[0];
  if (!IsSafeComponent(a) || !IsSafeComponent(b)) throw std::runtime_error("Protocolo inválido: " + protocolo);
  int n = PlainInt32(second[1]);
  return DriveCFolder() + "/ValidadorSagres" + b + "/" + a + "/importacao/" + std::to_string(n) + "/folha";
}

}  // namespace agent
