#pragma once
// Builds zip archives in tests with libzip, including entries no well-behaved tool writes:
// symbolic links, climbing or rooted names, and (by patching the bytes) names holding NUL or
// a Unicode path field that names the entry otherwise; archives written byte by byte (names
// of any bytes, zeros of any declared size); and looks at what unpacking left behind.
#include <sys/stat.h>
#include <zip.h>
#include <zlib.h>

#include <cstdint>
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
  std::string Name;
  std::string Data;
  std::optional<std::time_t> MTime = std::nullopt;
  bool Symlink = false;
  bool Stored = false;  // no compression, so tests can find and damage the data
  // The name a Unicode path field gives the entry in place of the stored one.
  std::optional<std::string> UnicodeName = std::nullopt;
};

// An archive without entries: the end-of-central-directory record alone.
inline std::string EmptyZip() { return std::string("PK\x05\x06", 4) + std::string(18, '\0'); }

inline constexpr zip_uint16_t kStandInId = 0xAA55;

// '#' in a name becomes NUL in the archive.
inline std::string BuildZip(const std::vector<ZipEntry>& entries) {
  if (entries.empty()) return EmptyZip();
  std::string path = MakeTempDir("zipbuild") + "/a.zip";
  int code = 0;
  zip_t* za = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &code);
  if (!za) throw std::runtime_error("zip_open failed");
  for (const auto& e : entries) {
    zip_source_t* src = zip_source_buffer(za, e.Data.data(), e.Data.size(), 0);
    zip_int64_t i = zip_file_add(za, e.Name.c_str(), src, ZIP_FL_ENC_RAW);
    if (i < 0) throw std::runtime_error(std::string("zip_file_add: ") + zip_strerror(za));
    auto idx = static_cast<zip_uint64_t>(i);
    if (e.MTime) zip_file_set_mtime(za, idx, *e.MTime, 0);
    if (e.Symlink) zip_file_set_external_attributes(za, idx, 0, ZIP_OPSYS_UNIX, (S_IFLNK | 0777u) << 16);
    if (e.Stored) zip_set_file_compression(za, idx, ZIP_CM_STORE, 0);
    if (e.UnicodeName) {
      // libzip will not write this field itself: it goes in under a stand-in id, patched below.
      std::string field(1, '\x01');
      auto crc = static_cast<std::uint32_t>(crc32(0, reinterpret_cast<const Bytef*>(e.Name.data()), e.Name.size()));
      for (int k = 0; k < 4; ++k) field += static_cast<char>((crc >> (8 * k)) & 0xFF);
      field += *e.UnicodeName;
      zip_file_extra_field_set(za, idx, kStandInId, ZIP_EXTRA_FIELD_NEW,
                               reinterpret_cast<const zip_uint8_t*>(field.data()),
                               static_cast<zip_uint16_t>(field.size()), ZIP_FL_CENTRAL | ZIP_FL_LOCAL);
    }
  }
  if (zip_close(za) != 0) throw std::runtime_error(std::string("zip_close: ") + zip_strerror(za));
  std::string bytes = ReadFile(path);
  std::remove(path.c_str());
  for (const auto& e : entries) {
    if (!e.UnicodeName) continue;
    std::string standIn = std::string("\x55\xAA", 2) + static_cast<char>((5 + e.UnicodeName->size()) & 0xFF) +
                          static_cast<char>((5 + e.UnicodeName->size()) >> 8) + '\x01';
    for (auto at = bytes.find(standIn); at != std::string::npos; at = bytes.find(standIn, at + 1))
      bytes.replace(at, 2, "\x75\x70");  // 0x7075: the Unicode path field
  }
  for (const auto& e : entries) {
    if (e.Name.find('#') == std::string::npos) continue;
    std::string nul = e.Name;
    for (auto& c : nul)
      if (c == '#') c = '\0';
    for (auto at = bytes.find(e.Name); at != std::string::npos; at = bytes.find(e.Name, at + 1))
      bytes.replace(at, nul.size(), nul);
  }
  return bytes;
}

struct RawEntry {
  std::string Name;                                      // as stored, any bytes
  std::uint32_t Mebibytes = 0;                           // of zeros, deflated; with none, stored holds the data
  std::optional<std::uint32_t> Declared = std::nullopt;  // the size the headers give, when not the true one
  std::string Stored = "";
};

// An archive written byte by byte, without libzip: names of any bytes, stored data, or zeros of
// any size. One deflated MiB of zeros is a few hundred bytes that can be repeated, so an entry
// of GiBs takes a few MiB and no time to build.
inline std::string BuildRawZip(const std::vector<RawEntry>& entries) {
  static const std::string mib(1 << 20, '\0');
  static const std::string chunk = [] {
    z_stream z{};
    deflateInit2(&z, 9, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY);
    std::string out(4096, '\0');
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(mib.data()));
    z.avail_in = static_cast<uInt>(mib.size());
    z.next_out = reinterpret_cast<Bytef*>(out.data());
    z.avail_out = static_cast<uInt>(out.size());
    deflate(&z, Z_FULL_FLUSH);  // after a full flush nothing refers back: the bytes can repeat
    out.resize(out.size() - z.avail_out);
    deflateEnd(&z);
    return out;
  }();
  static const uLong mibCrc = crc32(0, reinterpret_cast<const Bytef*>(mib.data()), static_cast<uInt>(mib.size()));

  auto le = [](std::string& out, std::uint64_t v, int n) {
    for (int i = 0; i < n; ++i) out += static_cast<char>((v >> (8 * i)) & 0xFF);
  };
  std::string body, central;
  for (const auto& e : entries) {
    const bool zeros = e.Mebibytes > 0;
    uLong crc = crc32(0, reinterpret_cast<const Bytef*>(e.Stored.data()), static_cast<uInt>(e.Stored.size()));
    for (std::uint32_t i = 0; i < e.Mebibytes; ++i) crc = crc32_combine(crc, mibCrc, 1 << 20);
    std::uint64_t size = zeros ? std::uint64_t{e.Mebibytes} << 20 : e.Stored.size();
    std::uint32_t declared = e.Declared ? *e.Declared : static_cast<std::uint32_t>(size);
    std::uint64_t packed = zeros ? chunk.size() * e.Mebibytes + 2 : e.Stored.size();
    auto header = [&](std::string& out, bool local, std::uint64_t offset) {
      le(out, local ? 0x04034b50 : 0x02014b50, 4);
      if (!local) le(out, 20, 2);  // made by
      le(out, 20, 2);              // needed
      le(out, 0, 2);               // flags
      le(out, zeros ? 8 : 0, 2);   // deflated or stored
      le(out, 0, 2);               // time
      le(out, 0x21, 2);            // 1980-01-01
      le(out, crc, 4);
      le(out, packed, 4);
      le(out, declared, 4);
      le(out, e.Name.size(), 2);
      le(out, 0, 2);  // extra
      if (!local) {
        out.append(10, '\0');  // comment, disk, attributes
        le(out, offset, 4);
      }
      out += e.Name;
    };
    header(central, false, body.size());
    header(body, true, 0);
    if (zeros) {
      for (std::uint32_t i = 0; i < e.Mebibytes; ++i) body += chunk;
      body += std::string("\x03\x00", 2);  // the last, empty block
    } else {
      body += e.Stored;
    }
  }
  std::string end;
  const bool zip64 = entries.size() >= 0xFFFF;  // the count no longer fits the plain end record
  if (zip64) {
    le(end, 0x06064b50, 4);
    le(end, 44, 8);
    le(end, 45, 2), le(end, 45, 2), le(end, 0, 8);  // versions, disks
    le(end, entries.size(), 8), le(end, entries.size(), 8);
    le(end, central.size(), 8), le(end, body.size(), 8);
    le(end, 0x07064b50, 4), le(end, 0, 4), le(end, body.size() + central.size(), 8), le(end, 1, 4);
  }
  le(end, 0x06054b50, 4);
  le(end, 0, 4);
  le(end, zip64 ? 0xFFFF : entries.size(), 2);
  le(end, zip64 ? 0xFFFF : entries.size(), 2);
  le(end, central.size(), 4);
  le(end, body.size(), 4);
  le(end, 0, 2);
  return body + central + end;
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
