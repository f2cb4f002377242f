#include "platform/files.h"

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <mutex>
#include <random>
#include <stdexcept>
#include <system_error>

#include "platform/strings.h"

namespace fs = std::filesystem;

namespace platform {

std::string ProgramFolder() {
  std::error_code ec;
  fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  if (ec) return "./";
  return PathWithSlash(exe.parent_path().string());
}

namespace {

std::string HomeFolder() {
  const char* home = std::getenv("HOME");
  return home && *home ? home : "/tmp";
}

// DOCUMENTS entry of user-dirs.dirs: XDG_DOCUMENTS_DIR="$HOME/Documentos".
std::string DocumentsFromUserDirs() {
  const char* cfg = std::getenv("XDG_CONFIG_HOME");
  fs::path file = (cfg && *cfg ? fs::path(cfg) : fs::path(HomeFolder()) / ".config") / "user-dirs.dirs";
  std::ifstream in(file);
  std::string line;
  while (std::getline(in, line)) {
    line = Trim(line);
    if (!StartsText("XDG_DOCUMENTS_DIR=", line)) continue;
    std::string value = line.substr(18);
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') value = value.substr(1, value.size() - 2);
    if (StartsText("$HOME", value)) value = HomeFolder() + value.substr(5);
    return value;
  }
  return {};
}

}  // namespace

fs::path DocumentsFolder() {
  std::string dir;
  if (const char* env = std::getenv("XDG_DOCUMENTS_DIR"); env && *env) dir = env;
  if (dir.empty()) dir = DocumentsFromUserDirs();
  if (dir.empty()) dir = HomeFolder() + "/Documents";
  std::error_code ec;
  fs::create_directories(dir, ec);
  return fs::path(dir);
}

fs::path FindFileIgnoringCase(const fs::path& path) {
  std::error_code ec;
  if (fs::exists(path, ec)) return path;
  fs::path dir = path.has_parent_path() ? path.parent_path() : fs::path(".");
  std::string name = path.filename().string();
  for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    if (SameText(it->path().filename().string(), name)) return it->path();
  }
  return path;
}

std::string PathWithSlash(std::string_view path) {
  std::string p(path);
  if (!p.empty() && p.back() != '/') p += '/';
  return p;
}

std::string NewGuidText() {
  // Opening the system's source costs more than drawing from it: once per process, shared by
  // the threads under a lock.
  static std::random_device source;
  static std::mutex lock;
  std::uint32_t words[4];
  {
    std::lock_guard<std::mutex> guard(lock);
    for (std::uint32_t& w : words) w = static_cast<std::uint32_t>(source());
  }
  static constexpr char hex[] = "0123456789abcdef";
  std::string out;
  out.reserve(32);
  for (std::uint32_t w : words)
    for (int shift = 28; shift >= 0; shift -= 4) out += hex[(w >> shift) & 15];
  return out;
}

std::string ReadFileBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("Cannot open file " + path.string());
  std::string data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) throw std::runtime_error("Cannot read file " + path.string());
  return data;
}

void WriteFileAtomically(const fs::path& path, std::string_view bytes) {
  fs::path tmp = path;
  tmp += ".tmp-" + NewGuidText();
  {
    std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    if (!out) {
      std::error_code ec;
      fs::remove(tmp, ec);
      throw std::runtime_error("Cannot write file " + path.string());
    }
  }
  std::error_code ec;
  fs::rename(tmp, path, ec);
  if (ec) {
    fs::remove(tmp, ec);
    throw std::runtime_error("Cannot write file " + path.string());
  }
}

}  // namespace platform
