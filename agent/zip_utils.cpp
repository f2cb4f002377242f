#include "agent/zip_utils.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
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
#include "platform/termination.h"
#include "platform/text_encoding.h"

namespace fs = std::filesystem;

namespace agent {

namespace {

// Serialises the building of archives across threads; unpacking needs no lock.
std::mutex& CreateLock() {
  static std::mutex lock;
  return lock;
}

std::string LibzipText(int code) {
  zip_error_t error;
  zip_error_init_with_code(&error, code);
  std::string text = zip_error_strerror(&error);
  zip_error_fini(&error);
  return text;
}

std::string LibzipText(zip_error_t* error) { return zip_error_strerror(error); }

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

std::uint64_t LittleEndian(std::string_view d, std::size_t at, int bytes) {
  std::uint64_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(d[at + i]);
  return v;
}

bool HasSignature(std::string_view d, std::uint64_t at, std::uint32_t sig) {
  return at <= d.size() && d.size() - at >= 4 && LittleEndian(d, at, 4) == sig;
}

std::optional<std::vector<std::string_view>> WalkCentralDirectory(std::string_view d, std::uint64_t offset,
                                                                  std::uint64_t count) {
  std::vector<std::string_view> names;
  std::uint64_t at = offset;
  for (std::uint64_t i = 0; i < count; ++i) {
    if (!HasSignature(d, at, 0x02014b50) || d.size() - at < 46) return std::nullopt;
    std::uint64_t nameLen = LittleEndian(d, at + 28, 2), extraLen = LittleEndian(d, at + 30, 2),
                  commentLen = LittleEndian(d, at + 32, 2);
    std::uint64_t total = 46 + nameLen + extraLen + commentLen;
    if (d.size() - at < total) return std::nullopt;
    names.push_back(d.substr(at + 46, nameLen));
    at += total;
  }
  return names;
}

std::optional<std::vector<std::string_view>> StoredNames(std::string_view d) {
  if (d.size() < 22) return std::nullopt;
  std::size_t lowest = d.size() - 22 > 0xFFFF ? d.size() - 22 - 0xFFFF : 0;
  for (std::size_t pos = d.size() - 22 + 1; pos-- > lowest;) {
    if (!HasSignature(d, pos, 0x06054b50)) continue;
    std::uint64_t count = LittleEndian(d, pos + 10, 2), size = LittleEndian(d, pos + 12, 4),
                  offset = LittleEndian(d, pos + 16, 4);
    if ((count == 0xFFFF || size == 0xFFFFFFFF || offset == 0xFFFFFFFF) && pos >= 20 &&
        HasSignature(d, pos - 20, 0x07064b50)) {
      std::uint64_t at64 = LittleEndian(d, pos - 20 + 8, 8);
      if (!HasSignature(d, at64, 0x06064b50) || d.size() - at64 < 56) continue;
      count = LittleEndian(d, at64 + 32, 8);
      offset = LittleEndian(d, at64 + 48, 8);
    }
    if (auto names = WalkCentralDirectory(d, offset, count)) return names;
  }
  return std::nullopt;
}

// ---- name checks -------------------------------------------------------------------------

// In the bytes as stored and in the name libzip hands out, which may come from a Unicode path
// field instead: the name that is used must be checked too.
bool HasControlCharacter(std::string_view stored, std::string_view name) {
  return platform::HasControlChar(stored) || platform::HasControlChar(name) || platform::HasC1ControlChar(name);
}

std::string WithEscapedControls(std::string_view s) {
  static constexpr char hex[] = "0123456789ABCDEF";
  std::string out;
  for (unsigned char c : s) {
    if (platform::IsControlChar(c)) {
      out += "\\x";
      out += hex[c >> 4];
      out += hex[c & 15];
    } else {
      out += static_cast<char>(c);
    }
  }
  return out;
}

// The name as it can be shown in a message: control bytes as \xNN; a long one cut short.
std::string PrintableName(std::string_view stored, std::string_view name) {
  constexpr std::size_t kShown = 120;
  bool fromStored = platform::HasControlChar(stored);
  std::string_view text = fromStored ? stored : name;
  std::string shown = WithEscapedControls(platform::Utf8Prefix(text, kShown));
  if (fromStored) shown = platform::EnsureUtf8(shown);
  return text.size() > kShown ? shown + "..." : shown;
}

// Length as Windows counts it: UTF-16 code units.
std::size_t WindowsLength(std::string_view s) {
  std::size_t n = 0;
  for (unsigned char c : s)
    if ((c & 0xC0) != 0x80) n += c >= 0xF0 ? 2 : 1;
  return n;
}

struct PathNode;

struct Entry {
  zip_uint64_t Index = 0;
  std::string Name;                // as stored (encoding guessed), matched against name lists
  std::vector<std::string> Parts;  // path components below the target folder
  bool IsFolder = false;
  std::optional<std::time_t> MTime;
  std::uint64_t Size = 0;  // as declared
  PathNode* Node = nullptr;
};

// Splits a name at '/' and '\' into components that stay below the target folder, or
// returns false when the name is rooted, starts with a drive letter or climbs with "..".
bool SplitSafeName(const std::string& name, std::vector<std::string>& parts, bool& isFolder) {
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

bool IsSymbolicLink(zip_t* za, zip_uint64_t index) {
  zip_uint8_t opsys = 0;
  zip_uint32_t attributes = 0;
  if (zip_file_get_external_attributes(za, index, 0, &opsys, &attributes) != 0) return false;
  return ((attributes >> 16) & S_IFMT) == S_IFLNK;
}

std::string Mebibytes(std::uint64_t bytes) { return std::to_string(bytes >> 20) + " MiB"; }

// Every entry, checked; throws naming the first entry that must not be written. The length of
// the path an entry would get is checked first: it bounds the cost of every other check.
std::vector<Entry> CheckedEntries(zip_t* za, std::string_view data, const std::string& folder) {
  zip_int64_t count = zip_get_num_entries(za, 0);
  if (count > static_cast<zip_int64_t>(kMaxZipEntries))
    throw std::runtime_error("Arquivo compactado com mais de " + std::to_string(kMaxZipEntries) + " entradas");
  auto stored = StoredNames(data);
  if (!stored || static_cast<zip_int64_t>(stored->size()) != count)
    throw std::runtime_error("Arquivo compactado inconsistente: diretório central ilegível");
  const std::size_t folderLength = WindowsLength(folder) + 1;
  std::vector<Entry> entries;
  entries.reserve(static_cast<std::size_t>(count));
  for (zip_int64_t i = 0; i < count; ++i) {
    Entry e;
    e.Index = static_cast<zip_uint64_t>(i);
    const char* name = zip_get_name(za, e.Index, ZIP_FL_ENC_GUESS);
    if (!name) throw std::runtime_error(zip_strerror(za));
    e.Name = name;
    std::string_view raw = (*stored)[e.Index];
    if (folderLength + WindowsLength(e.Name) > kMaxZipTargetPath)
      throw std::runtime_error("Nome de entrada longo demais no arquivo compactado (o caminho passaria de " +
                               std::to_string(kMaxZipTargetPath) + " caracteres): \"" + PrintableName(raw, e.Name) +
                               "\"");
    if (HasControlCharacter(raw, e.Name) || !SplitSafeName(e.Name, e.Parts, e.IsFolder))
      throw std::runtime_error("Nome de entrada não permitido no arquivo compactado: \"" + PrintableName(raw, e.Name) +
                               "\"");
    if (IsSymbolicLink(za, e.Index))
      throw std::runtime_error("Link simbólico não permitido no arquivo compactado: \"" + e.Name + "\"");
    zip_stat_t st;
    zip_stat_init(&st);
    if (zip_stat_index(za, e.Index, 0, &st) == 0) {
      if (st.valid & ZIP_STAT_MTIME) e.MTime = st.mtime;
      if (st.valid & ZIP_STAT_SIZE) e.Size = st.size;
    }
    if (!e.IsFolder && e.Size > kMaxZipEntryLength)
      throw std::runtime_error("Entrada \"" + e.Name + "\" maior que o limite de " + Mebibytes(kMaxZipEntryLength) +
                               " descompactados");
    entries.push_back(std::move(e));
  }
  return entries;
}

void MakeFolders(const fs::path& folder) {
  std::error_code ec;
  fs::create_directories(folder, ec);
  if (ec) throw std::runtime_error("Não foi possível criar a pasta " + folder.string() + ": " + ec.message());
}

std::runtime_error WriteError(const fs::path& path, int err) {
  return std::runtime_error("Não foi possível gravar o arquivo " + path.string() + ": " + std::strerror(err));
}

// ---- where the entries go ------------------------------------------------------------
// Nothing may be written outside the target folder, and an archive that cannot be unpacked
// whole is refused before anything is written. So the entries' paths are checked against
// each other and against what the folder already holds, and the writing itself follows no
// symbolic link below the target folder.

// The form under which two names count as the same: file systems and Windows programs may
// fold letter case and Unicode normalisation.
std::string Folded(const std::string& name) {
  UErrorCode status = U_ZERO_ERROR;
  const icu::Normalizer2* nfkcCasefold = icu::Normalizer2::getNFKCCasefoldInstance(status);
  if (U_FAILURE(status)) return platform::LowerCase(name);
  icu::UnicodeString text = nfkcCasefold->normalize(icu::UnicodeString::fromUTF8(name), status);
  if (U_FAILURE(status)) return platform::LowerCase(name);
  std::string out;
  return text.toUTF8String(out);
}

std::runtime_error Refusal(const std::string& why) {
  return std::runtime_error("Arquivo compactado não pode ser descompactado com segurança: " + why);
}

std::string InQuotes(const std::string& text) { return "\"" + text + "\""; }

// The entries' paths as one tree, each component once under its folded name, so no check
// copies every prefix of every path.
struct PathNode {
  std::string Name;  // as in the archive
  bool IsFolder = false;
  PathNode* Parent = nullptr;
  std::map<std::string, std::unique_ptr<PathNode>> Children;  // by folded name
  std::string OnDisk;                                         // the name it is written under
  bool Exists = false;
};

// The path down to node, as in the archive or as on disk.
std::vector<std::string> PathOf(const PathNode* node, bool onDisk) {
  std::vector<std::string> parts;
  for (; node && node->Parent; node = node->Parent) parts.push_back(onDisk ? node->OnDisk : node->Name);
  std::reverse(parts.begin(), parts.end());
  return parts;
}

// Adds the entry's path; refuses two paths that differ only in case or normalisation, and a
// path that is a file in one entry and a folder in another.
void AddToTree(PathNode& root, Entry& e) {
  PathNode* at = &root;
  for (std::size_t i = 0; i < e.Parts.size(); ++i) {
    bool isFolder = i + 1 < e.Parts.size() || e.IsFolder;
    auto [it, added] = at->Children.try_emplace(Folded(e.Parts[i]));
    if (added) {
      it->second = std::make_unique<PathNode>();
      it->second->Name = e.Parts[i];
      it->second->IsFolder = isFolder;
      it->second->Parent = at;
    }
    PathNode* node = it->second.get();
    if (!added) {
      std::vector<std::string> mine = PathOf(at, false);
      mine.push_back(e.Parts[i]);
      std::string exact = platform::Join(mine, "/");
      if (node->Name != e.Parts[i])
        throw Refusal(InQuotes(platform::Join(PathOf(node, false), "/")) + " e " + InQuotes(exact) +
                      " só diferem em maiúsculas ou acentos");
      if (node->IsFolder != isFolder) throw Refusal(InQuotes(exact) + " é arquivo e pasta ao mesmo tempo");
    }
    at = node;
  }
  e.Node = at;
}

// The names in existing folders by their folded form, each folder read once.
using FolderIndex = std::map<std::string, std::multimap<std::string, std::string>>;

// The one name in folder that folds like name; empty when there is none.
std::string SameNameIgnoringCase(FolderIndex& index, const fs::path& folder, const std::string& name,
                                 const std::string& shown) {
  auto [names, added] = index.try_emplace(folder.string());
  if (added) {
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
      std::string other = it->path().filename().string();
      names->second.emplace(Folded(other), other);
    }
  }
  auto [first, last] = names->second.equal_range(Folded(name));
  if (first == last) return "";
  if (std::next(first) != last) throw Refusal(InQuotes(shown) + " corresponde a mais de um nome existente");
  return first->second;
}

// Finds each path of the tree on disk, once: a component that exists under another letter
// case is taken with its existing name, as Windows would. Refuses a path that passes through a
// symbolic link, or that needs a folder where a file is or the reverse.
void ResolveOnDisk(PathNode& node, const fs::path& at, FolderIndex& index) {
  for (auto& [key, child] : node.Children) {
    PathNode& c = *child;
    c.OnDisk = c.Name;
    if (node.Exists) {
      struct stat st {};
      std::string shown = platform::PathWithSlash(at.string()) + c.Name;
      c.Exists = ::lstat((at / c.Name).c_str(), &st) == 0;
      if (!c.Exists) {
        if (errno != ENOENT && errno != ENOTDIR) throw WriteError(at / c.Name, errno);
        std::string other = SameNameIgnoringCase(index, at, c.Name, shown);
        c.Exists = !other.empty() && ::lstat((at / other).c_str(), &st) == 0;
        if (c.Exists) c.OnDisk = other;
      }
      if (c.Exists) {
        shown = platform::PathWithSlash(at.string()) + c.OnDisk;
        if (S_ISLNK(st.st_mode)) throw Refusal(InQuotes(shown) + " é um link simbólico");
        if (c.IsFolder && !S_ISDIR(st.st_mode)) throw Refusal(InQuotes(shown) + " existe e não é uma pasta");
        if (!c.IsFolder && !S_ISREG(st.st_mode)) throw Refusal(InQuotes(shown) + " existe e não é um arquivo comum");
      }
    }
    ResolveOnDisk(c, at / c.OnDisk, index);
  }
}

// What the entries will take on disk: within the limit, and free on the folder's file system.
void CheckRoom(const std::vector<Entry*>& entries, const fs::path& base) {
  std::uint64_t total = 0;
  for (const Entry* e : entries)
    if (!e->IsFolder) total += e->Size;
  if (total > kMaxZipTotalLength)
    throw std::runtime_error("Conteúdo do arquivo compactado maior que o limite de " + Mebibytes(kMaxZipTotalLength) +
                             ": " + std::to_string(total) + " bytes descompactados");
  fs::path at = base;
  struct statvfs fsInfo {};
  while (::statvfs(at.c_str(), &fsInfo) != 0) {
    if (at == at.parent_path() || at.parent_path().empty()) return;
    at = at.parent_path();
  }
  std::uint64_t available = static_cast<std::uint64_t>(fsInfo.f_bavail) * fsInfo.f_frsize;
  if (total > available)
    throw std::runtime_error("Espaço livre insuficiente em " + base.string() + ": " + std::to_string(total) +
                             " bytes necessários, " + std::to_string(available) + " disponíveis");
}

// ---- writing -----------------------------------------------------------------------------

class Fd {
 public:
  explicit Fd(int fd = -1) : FFd(fd) {}
  Fd(Fd&& other) noexcept : FFd(std::exchange(other.FFd, -1)) {}
  Fd& operator=(Fd&& other) noexcept {
    std::swap(FFd, other.FFd);
    return *this;
  }
  ~Fd() {
    if (FFd >= 0) ::close(FFd);
  }
  int Get() const { return FFd; }
  int Release() { return std::exchange(FFd, -1); }

 private:
  int FFd;
};

void WriteAll(int fd, const char* data, std::size_t size, const fs::path& target) {
  while (size > 0) {
    ssize_t n = ::write(fd, data, size);
    if (n < 0) {
      if (errno == EINTR) continue;
      throw WriteError(target, errno);
    }
    data += n;
    size -= static_cast<std::size_t>(n);
  }
}

// A staging folder is ".nembo-<32 hex digits>.tmp" in the target folder, locked (flock) by the
// process that writes into it for as long as it lives: one found unlocked was left by a
// process that was killed.
constexpr std::string_view kStagingPrefix = ".nembo-", kStagingSuffix = ".tmp";

std::string StagingName() {
  return std::string(kStagingPrefix) + platform::NewGuidText() + std::string(kStagingSuffix);
}

bool IsStagingName(std::string_view name) {
  if (name.size() != kStagingPrefix.size() + 32 + kStagingSuffix.size() || !name.starts_with(kStagingPrefix) ||
      !name.ends_with(kStagingSuffix))
    return false;
  for (char c : name.substr(kStagingPrefix.size(), 32))
    if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'))) return false;
  return true;
}

// Removes the staging folders of unpackings that were killed; one in use is left alone.
// Best effort: a folder that cannot be removed costs only its room.
void RemoveStaleStaging(const fs::path& base) {
  std::error_code ec;
  for (fs::directory_iterator it(base, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (!IsStagingName(name)) continue;
    const int fd = ::open(it->path().c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) continue;
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
      std::error_code removal;
      fs::remove_all(it->path(), removal);
    }
    ::close(fd);
  }
}

// One unpacking, all or nothing. Every file is first written to a staging folder inside the
// target folder (so on the same file system); only when all are there are they moved into
// place. Each move and each folder made is recorded; unless Commit() is reached, they are
// undone in reverse order, the files that were replaced are put back and the staging folder
// goes, leaving the target folder as it was. SIGTERM or SIGINT while files are staged stops
// the unpacking the same way before the process ends.
class Unpacking {
 public:
  explicit Unpacking(fs::path base) : FBase(std::move(base)) {}
  Unpacking(const Unpacking&) = delete;
  Unpacking& operator=(const Unpacking&) = delete;
  ~Unpacking() {
    if (!FCommitted)
      for (auto step = FSteps.rbegin(); step != FSteps.rend(); ++step) Undo(*step);
    if (!FStaging.empty()) {
      std::error_code ec;
      fs::remove_all(FStaging, ec);
    }
    if (!FCommitted)
      for (auto step = FSteps.rbegin(); step != FSteps.rend(); ++step)
        if (step->Folder) ::rmdir(step->Target.c_str());
  }

  // Makes the target folder when missing, and the staging folder in it.
  void Begin() {
    std::vector<fs::path> missing;
    std::error_code ec;
    for (fs::path p = FBase; !p.empty() && !fs::exists(p, ec); p = p.parent_path()) {
      missing.push_back(p);
      if (p == p.parent_path()) break;
    }
    for (auto p = missing.rbegin(); p != missing.rend(); ++p) {
      if (::mkdir(p->c_str(), 0777) != 0 && errno != EEXIST)
        throw std::runtime_error("Não foi possível criar a pasta " + p->string() + ": " + std::strerror(errno));
      FSteps.push_back({*p, "", "", true});
    }
    RemoveStaleStaging(FBase);
    // Another unpacking's clean-up may take the new folder for a stale one before it is
    // locked: a folder that is gone once the lock is held is made anew.
    for (;;) {
      fs::path staging = FBase / StagingName();
      if (::mkdir(staging.c_str(), 0700) != 0) throw WriteError(staging, errno);
      FStaging = staging;
      FStagingFd = Fd(::open(FStaging.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
      if (FStagingFd.Get() < 0) throw WriteError(FStaging, errno);
      if (::flock(FStagingFd.Get(), LOCK_EX) != 0) throw WriteError(FStaging, errno);
      struct stat held {
      }, named{};
      if (::fstat(FStagingFd.Get(), &held) == 0 && ::lstat(FStaging.c_str(), &named) == 0 &&
          held.st_dev == named.st_dev && held.st_ino == named.st_ino)
        return;
      FStagingFd = Fd();
      FStaging.clear();
    }
  }

  // Writes the entry's data to the staging folder, never more than its declared size.
  void Stage(zip_t* za, const Entry& e, const fs::path& target) {
    std::string staged = std::to_string(e.Index);
    Fd fd(::openat(FStagingFd.Get(), staged.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
    if (fd.Get() < 0) throw WriteError(target, errno);
    std::unique_ptr<zip_file_t, EntryCloser> zf(zip_fopen_index(za, e.Index, 0));
    if (!zf) throw std::runtime_error(e.Name + ": " + zip_strerror(za));
    std::vector<char> buffer(64 * 1024);
    std::uint64_t written = 0;
    for (;;) {
      if (platform::TDeferredTermination::Requested()) throw std::runtime_error("Descompactação interrompida");
      zip_int64_t n = zip_fread(zf.get(), buffer.data(), buffer.size());
      if (n < 0) throw std::runtime_error(e.Name + ": " + zip_file_strerror(zf.get()));
      if (n == 0) break;
      written += static_cast<std::uint64_t>(n);
      // libzip reads on past a size that lies.
      if (written > e.Size) throw std::runtime_error("Entrada \"" + e.Name + "\" maior que o tamanho declarado");
      WriteAll(fd.Get(), buffer.data(), static_cast<std::size_t>(n), target);
    }
    if (::fsync(fd.Get()) != 0) throw WriteError(target, errno);
    if (e.MTime) {
      timespec times[2] = {{0, UTIME_NOW}, {*e.MTime, 0}};
      if (::futimens(fd.Get(), times) != 0) throw WriteError(target, errno);
    }
    if (::close(fd.Release()) != 0) throw WriteError(target, errno);
  }

  // Opens (creating when missing) the first count folders of parts below the target folder,
  // never through a symbolic link.
  Fd Folders(const std::vector<std::string>& parts, std::size_t count) {
    Fd fd(::open(FBase.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.Get() < 0) throw WriteError(FBase, errno);
    fs::path at = FBase;
    for (std::size_t i = 0; i < count; ++i) {
      at /= parts[i];
      if (::mkdirat(fd.Get(), parts[i].c_str(), 0777) == 0)
        FSteps.push_back({at, "", "", true});
      else if (errno != EEXIST)
        throw WriteError(at, errno);
      Fd next(::openat(fd.Get(), parts[i].c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
      if (next.Get() < 0) throw WriteError(at, errno);
      fd = std::move(next);
    }
    return fd;
  }

  // Moves the staged file into place. A file it replaces is kept in the staging folder (a
  // second link to it, or the file itself where links cannot be made) until the end.
  void Place(const Entry& e, const std::vector<std::string>& parts, const fs::path& target) {
    Fd dir = Folders(parts, parts.size() - 1);
    const char* name = parts.back().c_str();
    Step step{target, "", "", false};
    struct stat st {};
    if (::fstatat(dir.Get(), name, &st, AT_SYMLINK_NOFOLLOW) == 0) {
      std::string kept = "kept-" + std::to_string(e.Index);
      if (::linkat(dir.Get(), name, FStagingFd.Get(), kept.c_str(), 0) != 0 &&
          ::renameat(dir.Get(), name, FStagingFd.Get(), kept.c_str()) != 0)
        throw WriteError(target, errno);
      step.Kept = kept;
    } else if (errno != ENOENT) {
      throw WriteError(target, errno);
    }
    FSteps.push_back(step);
    std::string staged = std::to_string(e.Index);
    if (::renameat(FStagingFd.Get(), staged.c_str(), dir.Get(), name) != 0) throw WriteError(target, errno);
    FSteps.back().Staged = staged;
  }

  void Commit() { FCommitted = true; }

 private:
  struct Step {
    fs::path Target;
    std::string Staged;  // a file moved into place from the staging folder
    std::string Kept;    // the file it replaced, kept in the staging folder
    bool Folder;         // a folder made
  };

  // Best effort: there is no one left to tell of a failure here.
  void Undo(const Step& step) {
    if (step.Folder) return;  // once the staging folder is gone
    if (!step.Kept.empty())
      ::renameat(FStagingFd.Get(), step.Kept.c_str(), AT_FDCWD, step.Target.c_str());
    else if (!step.Staged.empty())
      ::renameat(AT_FDCWD, step.Target.c_str(), FStagingFd.Get(), step.Staged.c_str());
  }

  fs::path FBase;
  fs::path FStaging;
  Fd FStagingFd;
  std::vector<Step> FSteps;
  bool FCommitted = false;
};

void Extract(std::string_view data, const std::string& folder, const std::vector<std::string>& fileNames) {
  // An empty body is no archive, though libzip would take it as an empty one.
  if (data.empty()) throw std::runtime_error(LibzipText(ZIP_ER_NOZIP));
  zip_error_t error;
  zip_error_init(&error);
  zip_source_t* source = zip_source_buffer_create(data.data(), data.size(), 0, &error);
  if (!source) {
    std::string text = LibzipText(&error);
    zip_error_fini(&error);
    throw std::runtime_error(text);
  }
  Archive za(zip_open_from_source(source, ZIP_RDONLY, &error));
  if (!za) {
    zip_source_free(source);
    std::string text = LibzipText(&error);
    zip_error_fini(&error);
    throw std::runtime_error(text);
  }
  zip_error_fini(&error);

  std::vector<Entry> entries = CheckedEntries(za.get(), data, folder);
  std::vector<Entry*> wanted;
  for (Entry& e : entries)
    if (fileNames.empty() || std::find(fileNames.begin(), fileNames.end(), e.Name) != fileNames.end())
      wanted.push_back(&e);
  if (wanted.empty()) return;
  PathNode root;
  for (Entry* e : wanted) AddToTree(root, *e);
  fs::path base(folder);
  FolderIndex index;
  root.Exists = true;
  ResolveOnDisk(root, base, index);
  CheckRoom(wanted, base);

  // Declared first, so it ends last: the process ends by a signal only once the unpacking is undone.
  platform::TDeferredTermination deferred;
  Unpacking unpacking(base);
  unpacking.Begin();
  auto targetOf = [&base](const std::vector<std::string>& parts) {
    fs::path target = base;
    for (const auto& part : parts) target /= part;
    return target;
  };
  for (const Entry* e : wanted)
    if (!e->IsFolder) unpacking.Stage(za.get(), *e, targetOf(PathOf(e->Node, true)));
  for (const Entry* e : wanted) {
    std::vector<std::string> parts = PathOf(e->Node, true);
    if (e->IsFolder)
      unpacking.Folders(parts, parts.size());
    else
      unpacking.Place(*e, parts, targetOf(parts));
  }
  unpacking.Commit();
}

TBytes ReadWholeStream(std::istream& in) {
  in.clear();
  in.seekg(0, std::ios::beg);
  in.clear();
  return TBytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string LastComponent(const std::string& path) {
  std::size_t at = path.find_last_of("/\\");
  return at == std::string::npos ? path : path.substr(at + 1);
}

// Adds content as entryName (deflated, replacing an entry of that name) and writes the archive.
void AddToArchive(const std::string& zipPath, const TBytes& content, const std::string& entryName, int openFlags) {
  int code = 0;
  Archive za(zip_open(zipPath.c_str(), openFlags, &code));
  if (!za) throw std::runtime_error(zipPath + ": " + LibzipText(code));
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
  Extract(ReadWholeStream(*zipStream), folder, fileNames);
}

void TZipUtils::ExtractFilesTo(const TBytes& zipBytes, const std::string& folder,
                               const std::vector<std::string>& fileNames) {
  Extract(zipBytes, folder, fileNames);
}

void TZipUtils::ExtractFilesTo(const TBytes& zipBytes, const std::string& folder) { Extract(zipBytes, folder, {}); }

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
  MakeFolders(folder);
  return folder;
}

void TZipUtils::CreateZipFile(const std::string& path, const TBytes& content) {
  std::lock_guard<std::mutex> guard(CreateLock());
  AddToArchive(path + ".zip", content, LastComponent(path), ZIP_CREATE | ZIP_TRUNCATE);
}

void TZipUtils::CreateZipFile(const std::string& zipPath, const TBytes& content, const std::string& entryName) {
  std::lock_guard<std::mutex> guard(CreateLock());
  fs::path parent = fs::path(zipPath).parent_path();
  if (!parent.empty()) MakeFolders(parent);
  AddToArchive(zipPath, content, entryName, ZIP_CREATE);
}

void TZipUtils::AddFileToZip(const std::string& zipPath, const TBytes& content, const std::string& entryName) {
  AddToArchive(zipPath, content, entryName, 0);
}

void TZipUtils::DeleteDirectory(const std::string& folder) {
  std::error_code ec;
  fs::remove_all(folder, ec);
}

std::unique_ptr<std::istream> TZipUtils::BytesToStream(const TBytes& bytes) {
  return std::make_unique<std::istringstream>(bytes, std::ios::in | std::ios::binary);
}

}  // namespace agent
