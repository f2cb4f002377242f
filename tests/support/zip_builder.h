#pragma once
// Builds zip archives in tests with libzip, including entries no well-behaved tool writes:
// symbolic links, climbing or rooted names, and (by patching the bytes) names holding NUL;
// and looks at what unpacking left behind.
#include <sys/stat.h>
#include <zip.h>

#include <cstdio>
#include <ctime>
#include <filesystem>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "support/peer.h"

namespace testsupport {

struct ZipEntry {
  std::string name;
  std::string data;
  std::optional<std::time_t> mtime = std::nullopt;
  bool symlink = false;
  bool stored = false;  // no compression, so tests can find and damage the data
};

// An archive without entries: the end-of-central-directory record alone.
inline std::string EmptyZip() { return std::string("PK\x05\x06", 4) + std::string(18, '\0'); }

// '#' in a name becomes NUL in the archive.
inline std::string BuildZip(const std::vector<ZipEntry>& entries) {
  if (entries.empty()) return EmptyZip();
  std::string path = MakeTempDir("zipbuild") + "/a.zip";
  int code = 0;
  zip_t* za = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &code);
  if (!za) throw std::runtime_error("zip_open failed");
  for (const auto& e : entries) {
    zip_source_t* src = zip_source_buffer(za, e.data.data(), e.data.size(), 0);
    zip_int64_t i = zip_file_add(za, e.name.c_str(), src, ZIP_FL_ENC_RAW);
    if (i < 0) throw std::runtime_error(std::string("zip_file_add: ") + zip_strerror(za));
    auto idx = static_cast<zip_uint64_t>(i);
    if (e.mtime) zip_file_set_mtime(za, idx, *e.mtime, 0);
    if (e.symlink) zip_file_set_external_attributes(za, idx, 0, ZIP_OPSYS_UNIX, (S_IFLNK | 0777u) << 16);
    if (e.stored) zip_set_file_compression(za, idx, ZIP_CM_STORE, 0);
  }
  if (zip_close(za) != 0) throw std::runtime_error(std::string("zip_close: ") + zip_strerror(za));
  std::string bytes = ReadFile(path);
  std::remove(path.c_str());
  for (const auto& e : entries) {
    if (e.name.find('#') == std::string::npos) continue;
    std::string nul = e.name;
    for (auto& c : nul)
      if (c == '#') c = '\0';
    for (auto at = bytes.find(e.name); at != std::string::npos; at = bytes.find(e.name, at + 1))
      bytes.replace(at, nul.size(), nul);
  }
  return bytes;
}

// Every path below root, relative; folders with a trailing '/'.
inline std::set<std::string> Tree(const std::string& root) {
  std::set<std::string> out;
  for (auto& e : std::filesystem::recursive_directory_iterator(root)) {
    std::string rel = std::filesystem::relative(e.path(), root).string();
    out.insert(e.is_directory() ? rel + "/" : rel);
  }
  return out;
}

inline std::time_t MTime(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) throw std::runtime_error("stat failed: " + path);
  return st.st_mtime;
}

// 2021-03-04 05:06:08 local time: even seconds, as DOS times keep them.
inline std::time_t SomeTime() {
  std::tm tm{};
  tm.tm_year = 121, tm.tm_mon = 2, tm.tm_mday = 4, tm.tm_hour = 5, tm.tm_min = 6, tm.tm_sec = 8;
  tm.tm_isdst = -1;
  return std::mktime(&tm);
}

}  // namespace testsupport
