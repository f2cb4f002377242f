#include "agent/zip_utils.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unicode/normalizer2.h>
#include <unicode/unistr.h>
#include <unistd.h>
#include <zip.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <iterator>
#include <map>
#include <mutex>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string_view>
#include <system_error>
#include <utility>

#include "platform/files.h"
#include "platform/strings.h"
#include "platform/text_encoding.h"

namespace fs = std::filesystem;

namespace agent {

namespace {

// Serialises the building of archives across threads; unpacking needs no lock.
std::mutex& createLock() {
  static std::mutex lock;
  return lock;
}

std::string libzipText(int code) {
  zip_error_t error;
  zip_error_init_with_code(&error, code);
  std::string text = zip_error_strerror(&error);
  zip_error_fini(&error);
  return text;
}

std::string libzipText(zip_error_t* error) { return zip_error_strerror(error); }

struct ArchiveCloser {
  void operator()(zip_t* za) const { zip_discard(za); }
};
using Archive = std::unique_ptr<zip_t, ArchiveCloser>;

struct EntryCloser {
  void operator()(zip_file_t* zf) const { zip_fclose(zf); }
};

// ---- stored names ------------------------------------------------------------------------
// libzip hands names out as C strings and, when guessing their encoding, shows control bytes
// (NUL included) as printable characters; the checks need the bytes as stored, so the central
// directory is walked here as well.

std::uint64_t le(std::string_view d, std::size_t at, int bytes) {
  std::uint64_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(d[at + i]);
  return v;
}

bool hasSignature(std::string_view d, std::uint64_t at, std::uint32_t sig) {
  return at <= d.size() && d.size() - at >= 4 && le(d, at, 4) == sig;
}

std::optional<std::vector<std::string>> walkCentralDirectory(std::string_view d, std::uint64_t offset,
                                                             std::uint64_t count) {
  std::vector<std::string> names;
  std::uint64_t at = offset;
  for (std::uint64_t i = 0; i < count; ++i) {
    if (!hasSignature(d, at, 0x02014b50) || d.size() - at < 46) return std::nullopt;
    std::uint64_t nameLen = le(d, at + 28, 2), extraLen = le(d, at + 30, 2), commentLen = le(d, at + 32, 2);
    std::uint64_t total = 46 + nameLen + extraLen + commentLen;
    if (d.size() - at < total) return std::nullopt;
    names.emplace_back(d.substr(at + 46, nameLen));
    at += total;
  }
  return names;
}

std::optional<std::vector<std::string>> storedNames(std::string_view d) {
  if (d.size() < 22) return std::nullopt;
  std::size_t lowest = d.size() - 22 > 0xFFFF ? d.size() - 22 - 0xFFFF : 0;
  for (std::size_t pos = d.size() - 22 + 1; pos-- > lowest;) {
    if (!hasSignature(d, pos, 0x06054b50)) continue;
    std::uint64_t count = le(d, pos + 10, 2), size = le(d, pos + 12, 4), offset = le(d, pos + 16, 4);
    if ((count == 0xFFFF || size == 0xFFFFFFFF || offset == 0xFFFFFFFF) && pos >= 20 &&
        hasSignature(d, pos - 20, 0x07064b50)) {
      std::uint64_t at64 = le(d, pos - 20 + 8, 8);
      if (!hasSignature(d, at64, 0x06064b50) || d.size() - at64 < 56) continue;
      count = le(d, at64 + 32, 8);
      offset = le(d, at64 + 48, 8);
    }
    if (auto names = walkCentralDirectory(d, offset, count)) return names;
  }
  return std::nullopt;
}

// ---- name checks -------------------------------------------------------------------------

bool isControl(unsigned char c) { return c < 0x20 || c == 0x7F; }

bool hasControlCharacter(std::string_view stored, std::string_view name) {
  for (unsigned char c : stored)
    if (isControl(c)) return true;
  // U+0080..U+009F in UTF-8.
  for (std::size_t i = 0; i + 1 < name.size(); ++i)
    if (static_cast<unsigned char>(name[i]) == 0xC2 && static_cast<unsigned char>(name[i + 1]) >= 0x80 &&
        static_cast<unsigned char>(name[i + 1]) <= 0x9F)
      return true;
  return false;
}

// The name as it can be shown in a message: control bytes as \xNN.
std::string printableName(std::string_view stored, std::string_view name) {
  bool plain = true;
  for (unsigned char c : stored) plain = plain && !isControl(c);
  if (plain) return std::string(name);
  std::string out;
  static constexpr char hex[] = "0123456789ABCDEF";
  for (unsigned char c : stored) {
    if (isControl(c)) {
      out += "\\x";
      out += hex[c >> 4];
      out += hex[c & 15];
    } else {
      out += static_cast<char>(c);
    }
  }
  return platform::EnsureUtf8(out);
}

struct Entry {
  zip_uint64_t index = 0;
  std::string name;                // as stored (encoding guessed), matched against name lists
  std::vector<std::string> parts;  // path components below the target folder
  bool isFolder = false;
  std::optional<std::time_t> mtime;
};

// Splits a name at '/' and '\' into components that stay below the target folder, or
// returns false when the name is rooted, starts with a drive letter or climbs with "..".
bool splitSafeName(const std::string& name, std::vector<std::string>& parts, bool& isFolder) {
  if (name.empty() || name[0] == '/' || name[0] == '\\') return false;
  if (name.size() >= 2 && name[1] == ':' && ((name[0] >= 'A' && name[0] <= 'Z') || (name[0] >= 'a' && name[0] <= 'z')))
    return false;
  std::string part;
  for (std::size_t i = 0; i <= name.size(); ++i) {
    if (i == name.size() || name[i] == '/' || name[i] == '\\') {
      if (part == "..") return false;
      if (!part.empty() && part != ".") parts.push_back(part);
      part.clear();
    } else {
      part += name[i];
    }
  }
  isFolder = name.back() == '/' || name.back() == '\\';
  return isFolder || !parts.empty();
}

bool isSymbolicLink(zip_t* za, zip_uint64_t index) {
  zip_uint8_t opsys = 0;
  zip_uint32_t attributes = 0;
  if (zip_file_get_external_attributes(za, index, 0, &opsys, &attributes) != 0) return false;
  return ((attributes >> 16) & S_IFMT) == S_IFLNK;
}

// Every entry, checked; throws naming the first entry that must not be written.
std::vector<Entry> checkedEntries(zip_t* za, std::string_view data) {
  zip_int64_t count = zip_get_num_entries(za, 0);
  auto stored = storedNames(data);
  if (!stored || static_cast<zip_int64_t>(stored->size()) != count)
    throw std::runtime_error("Arquivo compactado inconsistente: diretório central ilegível");
  std::vector<Entry> entries;
  for (zip_int64_t i = 0; i < count; ++i) {
    Entry e;
    e.index = static_cast<zip_uint64_t>(i);
    const char* name = zip_get_name(za, e.index, ZIP_FL_ENC_GUESS);
    if (!name) throw std::runtime_error(zip_strerror(za));
    e.name = name;
    const std::string& raw = (*stored)[e.index];
    if (hasControlCharacter(raw, e.name) || !splitSafeName(e.name, e.parts, e.isFolder))
      throw std::runtime_error("Nome de entrada não permitido no arquivo compactado: \"" + printableName(raw, e.name) +
                               "\"");
    if (isSymbolicLink(za, e.index))
      throw std::runtime_error("Link simbólico não permitido no arquivo compactado: \"" + e.name + "\"");
    zip_stat_t st;
    zip_stat_init(&st);
    if (zip_stat_index(za, e.index, 0, &st) == 0 && (st.valid & ZIP_STAT_MTIME)) e.mtime = st.mtime;
    entries.push_back(std::move(e));
  }
  return entries;
}

void makeFolders(const fs::path& folder) {
  std::error_code ec;
  fs::create_directories(folder, ec);
  if (ec) throw std::runtime_error("Não foi possível criar a pasta " + folder.string() + ": " + ec.message());
}

std::runtime_error writeError(const fs::path& path, int err) {
  return std::runtime_error("Não foi possível gravar o arquivo " + path.string() + ": " + std::strerror(err));
}

// ---- where the entries go ------------------------------------------------------------
// Nothing may be written outside the target folder, and an archive that cannot be unpacked
// whole is refused before anything is written. So the entries' paths are checked against
// each other and against what the folder already holds, and the writing itself follows no
// symbolic link below the target folder.

// The form under which two names count as the same: file systems and Windows programs may
// fold letter case and Unicode normalisation.
std::string folded(const std::string& name) {
  UErrorCode status = U_ZERO_ERROR;
  const icu::Normalizer2* nfkcCasefold = icu::Normalizer2::getNFKCCasefoldInstance(status);
  if (U_FAILURE(status)) return platform::LowerCase(name);
  icu::UnicodeString text = nfkcCasefold->normalize(icu::UnicodeString::fromUTF8(name), status);
  if (U_FAILURE(status)) return platform::LowerCase(name);
  std::string out;
  return text.toUTF8String(out);
}

std::runtime_error refusal(const std::string& why) {
  return std::runtime_error("Arquivo compactado não pode ser descompactado com segurança: " + why);
}

std::string inQuotes(const std::string& text) { return "\"" + text + "\""; }

// Two entries whose paths differ only in case or normalisation, or a path that is a file
// in one entry and a folder in another.
void checkPathsAgree(const std::vector<const Entry*>& entries) {
  struct Seen {
    std::string exact;
    bool isFolder;
  };
  std::map<std::string, Seen> seen;
  for (const Entry* e : entries) {
    std::string exact, key;
    for (std::size_t i = 0; i < e->parts.size(); ++i) {
      exact += (i ? "/" : "") + e->parts[i];
      key += "/" + folded(e->parts[i]);
      bool isFolder = i + 1 < e->parts.size() || e->isFolder;
      auto [it, added] = seen.emplace(key, Seen{exact, isFolder});
      if (added) continue;
      if (it->second.exact != exact)
        throw refusal(inQuotes(it->second.exact) + " e " + inQuotes(exact) + " só diferem em maiúsculas ou acentos");
      if (it->second.isFolder != isFolder) throw refusal(inQuotes(exact) + " é arquivo e pasta ao mesmo tempo");
    }
  }
}

// The names in existing folders by their folded form, each folder read once.
using FolderIndex = std::map<std::string, std::multimap<std::string, std::string>>;

// The one name in folder that folds like name; empty when there is none.
std::string sameNameIgnoringCase(FolderIndex& index, const fs::path& folder, const std::string& name,
                                 const std::string& shown) {
  auto [names, added] = index.try_emplace(folder.string());
  if (added) {
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
      std::string other = it->path().filename().string();
      names->second.emplace(folded(other), other);
    }
  }
  auto [first, last] = names->second.equal_range(folded(name));
  if (first == last) return "";
  if (std::next(first) != last) throw refusal(inQuotes(shown) + " corresponde a mais de um nome existente");
  return first->second;
}

// The entry's path below the target folder as it will be written: a component that exists
// under another letter case is taken with its existing name, as Windows would. Refuses a path
// that passes through a symbolic link, or that needs a folder where a file is or the reverse.
std::vector<std::string> resolvedPath(FolderIndex& index, const fs::path& base, const Entry& e) {
  std::vector<std::string> out;
  fs::path at = base;
  bool exists = true;
  for (std::size_t i = 0; i < e.parts.size(); ++i) {
    std::string name = e.parts[i];
    bool wantFolder = i + 1 < e.parts.size() || e.isFolder;
    if (exists) {
      struct stat st {};
      std::string shown = platform::PathWithSlash(at.string()) + name;
      if (::lstat((at / name).c_str(), &st) != 0) {
        if (errno != ENOENT && errno != ENOTDIR) throw writeError(at / name, errno);
        name = sameNameIgnoringCase(index, at, name, shown);
        exists = !name.empty() && ::lstat((at / name).c_str(), &st) == 0;
        if (!exists) name = e.parts[i];
      }
      if (exists) {
        shown = platform::PathWithSlash(at.string()) + name;
        if (S_ISLNK(st.st_mode)) throw refusal(inQuotes(shown) + " é um link simbólico");
        if (wantFolder && !S_ISDIR(st.st_mode)) throw refusal(inQuotes(shown) + " existe e não é uma pasta");
        if (!wantFolder && !S_ISREG(st.st_mode)) throw refusal(inQuotes(shown) + " existe e não é um arquivo comum");
      }
    }
    out.push_back(name);
    at /= name;
  }
  return out;
}

// ---- writing -----------------------------------------------------------------------------

class Fd {
 public:
  explicit Fd(int fd = -1) : fd_(fd) {}
  Fd(Fd&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
  Fd& operator=(Fd&& other) noexcept {
    std::swap(fd_, other.fd_);
    return *this;
  }
  ~Fd() {
    if (fd_ >= 0) ::close(fd_);
  }
  int get() const { return fd_; }
  int release() { return std::exchange(fd_, -1); }

 private:
  int fd_;
};

// Opens (creating when missing) the folders below base, never through a symbolic link.
Fd openFolders(const fs::path& base, const std::vector<std::string>& parts, std::size_t count) {
  Fd fd(::open(base.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (fd.get() < 0) throw writeError(base, errno);
  fs::path at = base;
  for (std::size_t i = 0; i < count; ++i) {
    at /= parts[i];
    if (::mkdirat(fd.get(), parts[i].c_str(), 0777) != 0 && errno != EEXIST) throw writeError(at, errno);
    Fd next(::openat(fd.get(), parts[i].c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (next.get() < 0) throw writeError(at, errno);
    fd = std::move(next);
  }
  return fd;
}

void writeAll(int fd, const char* data, std::size_t size, const fs::path& target) {
  while (size > 0) {
    ssize_t n = ::write(fd, data, size);
    if (n < 0) {
      if (errno == EINTR) continue;
      throw writeError(target, errno);
    }
    data += n;
    size -= static_cast<std::size_t>(n);
  }
}

// Writes the entry under a temporary name beside its target and renames it into place, so a
// failure half-way leaves the previous file as it was.
void extractFile(zip_t* za, const Entry& e, const fs::path& base, const std::vector<std::string>& parts) {
  fs::path target = base;
  for (const auto& part : parts) target /= part;
  Fd dir = openFolders(base, parts, parts.size() - 1);
  std::string temp = ".nembo-" + platform::NewGuidText() + ".tmp";

  Fd fd(::openat(dir.get(), temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
  if (fd.get() < 0) throw writeError(target, errno);
  try {
    std::unique_ptr<zip_file_t, EntryCloser> zf(zip_fopen_index(za, e.index, 0));
    if (!zf) throw std::runtime_error(e.name + ": " + zip_strerror(za));
    std::vector<char> buffer(64 * 1024);
    for (;;) {
      zip_int64_t n = zip_fread(zf.get(), buffer.data(), buffer.size());
      if (n < 0) throw std::runtime_error(e.name + ": " + zip_file_strerror(zf.get()));
      if (n == 0) break;
      writeAll(fd.get(), buffer.data(), static_cast<std::size_t>(n), target);
    }
    if (::fsync(fd.get()) != 0) throw writeError(target, errno);
    if (e.mtime) {
      timespec times[2] = {{0, UTIME_NOW}, {*e.mtime, 0}};
      if (::futimens(fd.get(), times) != 0) throw writeError(target, errno);
    }
    if (::close(fd.release()) != 0) throw writeError(target, errno);
    if (::renameat(dir.get(), temp.c_str(), dir.get(), parts.back().c_str()) != 0) throw writeError(target, errno);
  } catch (...) {
    fd = Fd();
    ::unlinkat(dir.get(), temp.c_str(), 0);
    throw;
  }
}

void extract(const TBytes& data, const std::string& folder, const std::vector<std::string>& fileNames) {
  // An empty body is no archive, though libzip would take it as an empty one.
  if (data.empty()) throw std::runtime_error(libzipText(ZIP_ER_NOZIP));
  zip_error_t error;
  zip_error_init(&error);
  zip_source_t* source = zip_source_buffer_create(data.data(), data.size(), 0, &error);
  if (!source) {
    std::string text = libzipText(&error);
    zip_error_fini(&error);
    throw std::runtime_error(text);
  }
  Archive za(zip_open_from_source(source, ZIP_RDONLY, &error));
  if (!za) {
    zip_source_free(source);
    std::string text = libzipText(&error);
    zip_error_fini(&error);
    throw std::runtime_error(text);
  }
  zip_error_fini(&error);

  std::vector<Entry> entries = checkedEntries(za.get(), data);
  std::vector<const Entry*> wanted;
  for (const Entry& e : entries)
    if (fileNames.empty() || std::find(fileNames.begin(), fileNames.end(), e.name) != fileNames.end())
      wanted.push_back(&e);
  checkPathsAgree(wanted);
  fs::path base(folder);
  std::vector<std::vector<std::string>> paths;
  FolderIndex index;
  for (const Entry* e : wanted) paths.push_back(resolvedPath(index, base, *e));

  if (!wanted.empty()) makeFolders(base);
  for (std::size_t i = 0; i < wanted.size(); ++i) {
    if (wanted[i]->isFolder)
      openFolders(base, paths[i], paths[i].size());
    else
      extractFile(za.get(), *wanted[i], base, paths[i]);
  }
}

TBytes readWholeStream(std::istream& in) {
  in.clear();
  in.seekg(0, std::ios::beg);
  in.clear();
  return TBytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string lastComponent(const std::string& path) {
  std::size_t at = path.find_last_of("/\\");
  return at == std::string::npos ? path : path.substr(at + 1);
}

// Adds content as entryName (deflated, replacing an entry of that name) and writes the archive.
void addToArchive(const std::string& zipPath, const TBytes& content, const std::string& entryName, int openFlags) {
  int code = 0;
  Archive za(zip_open(zipPath.c_str(), openFlags, &code));
  if (!za) throw std::runtime_error(zipPath + ": " + libzipText(code));
  zip_source_t* source = zip_source_buffer(za.get(), content.data(), content.size(), 0);
  if (!source) throw std::runtime_error(zipPath + ": " + zip_strerror(za.get()));
  zip_int64_t index = zip_file_add(za.get(), entryName.c_str(), source, ZIP_FL_OVERWRITE | ZIP_FL_ENC_UTF_8);
  if (index < 0) {
    zip_source_free(source);
    throw std::runtime_error(zipPath + ": " + zip_strerror(za.get()));
  }
  if (zip_set_file_compression(za.get(), static_cast<zip_uint64_t>(index), ZIP_CM_DEFLATE, 0) != 0)
    throw std::runtime_error(zipPath + ": " + zip_strerror(za.get()));
  if (zip_close(za.get()) != 0) throw std::runtime_error(zipPath + ": " + zip_strerror(za.get()));
  za.release();  // zip_close freed it
}

}  // namespace

void TZipUtils::ExtractFilesTo(std::istream* zipStream, const std::string& folder) {
  ExtractFilesTo(zipStream, folder, {});
}

void TZipUtils::ExtractFilesTo(std::istream* zipStream, const std::string& folder,
                               const std::vector<std::string>& fileNames) {
  if (!zipStream) return;
  extract(readWholeStream(*zipStream), folder, fileNames);
}

void TZipUtils::ExtractFilesTo(const TBytes& zipBytes, const std::string& folder,
                               const std::vector<std::string>& fileNames) {
  extract(zipBytes, folder, fileNames);
}

void TZipUtils::ExtractFilesTo(const TBytes& zipBytes, const std::string& folder) { extract(zipBytes, folder, {}); }

std::string TZipUtils::GetPathExtractedFiles(std::istream* zipStream, const std::vector<std::string>& fileNames) {
  std::string folder = CreateTempPath();
  ExtractFilesTo(zipStream, folder, fileNames);
  return folder;
}

std::string TZipUtils::GetPathExtractedFiles(const TBytes& zipBytes, const std::vector<std::string>& fileNames) {
  std::string folder = CreateTempPath();
  ExtractFilesTo(zipBytes, folder, fileNames);
  return folder;
}

std::string TZipUtils::CreateTempPath() {
  std::string guid = platform::UpperCase(platform::NewGuidText());
  std::error_code ec;
  fs::path temp = fs::temp_directory_path(ec);
  std::string folder =
      ec ? platform::ProgramFolder() + "TMP/" + guid : platform::PathWithSlash(temp.string()) + guid + "/";
  makeFolders(folder);
  return folder;
}

void TZipUtils::CreateZipFile(const std::string& path, const TBytes& content) {
  std::lock_guard<std::mutex> guard(createLock());
  addToArchive(path + ".zip", content, lastComponent(path), ZIP_CREATE | ZIP_TRUNCATE);
}

void TZipUtils::CreateZipFile(const std::string& zipPath, const TBytes& content, const std::string& entryName) {
  std::lock_guard<std::mutex> guard(createLock());
  fs::path parent = fs::path(zipPath).parent_path();
  if (!parent.empty()) makeFolders(parent);
  addToArchive(zipPath, content, entryName, ZIP_CREATE);
}

void TZipUtils::AddFileToZip(const std::string& zipPath, const TBytes& content, const std::string& entryName) {
  addToArchive(zipPath, content, entryName, 0);
}

void TZipUtils::DeleteDirectory(const std::string& folder) {
  std::error_code ec;
  fs::remove_all(folder, ec);
}

std::unique_ptr<std::istream> TZipUtils::BytesToStream(const TBytes& bytes) {
  return std::make_unique<std::istringstream>(bytes, std::ios::in | std::ios::binary);
}

}  // namespace agent
