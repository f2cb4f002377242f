#pragma once
// Zip archives over libzip: unpacking into a folder (the SAGRES command's use), and the
// small helpers to build archives and scratch folders.
#include <cstddef>
#include <cstdint>
#include <istream>
#include <memory>
#include <string>
#include <vector>

namespace agent {

// Raw bytes, held in a std::string as everywhere else in the project.
using TBytes = std::string;

// What one archive may put on disk.
constexpr std::size_t kMaxZipEntries = 65535;
constexpr std::uint64_t kMaxZipEntryLength = std::uint64_t{512} << 20;
constexpr std::uint64_t kMaxZipTotalLength = std::uint64_t{1} << 30;
// Characters of the path an entry gets, the folder included. The validator is a Windows
// program, whose paths end at 260 characters with the terminating NUL.
constexpr std::size_t kMaxZipTargetPath = 259;

class TZipUtils {
 public:
  TZipUtils() = delete;

  // Unpacks every entry (or, with a non-empty list, the entries whose stored names are in
  // it) into folder, all or nothing. Every entry is checked before anything is written: an
  // archive holding a name whose path would be too long, could land outside folder or holds
  // a control character, a symbolic link, an entry over the size limits (or over its own
  // declared size while it is read), or more than the file system has free, is refused
  // whole. The files are written to a staging folder inside folder first and moved into
  // place only when all of them are there, keeping each entry's modification time; on any
  // failure, and on SIGTERM or SIGINT meanwhile (the process then ends by it), folder is left
  // as it was. Staging folders that killed unpackings left in folder are removed first. A null
  // stream does nothing.
  static void ExtractFilesTo(std::istream* zipStream, const std::string& folder);
  static void ExtractFilesTo(std::istream* zipStream, const std::string& folder,
                             const std::vector<std::string>& fileNames);
  static void ExtractFilesTo(const TBytes& zipBytes, const std::string& folder,
                             const std::vector<std::string>& fileNames);
  static void ExtractFilesTo(const TBytes& zipBytes, const std::string& folder);

  // Unpacks into a new temporary folder and returns it.
  static std::string GetPathExtractedFiles(std::istream* zipStream, const std::vector<std::string>& fileNames = {});
  static std::string GetPathExtractedFiles(const TBytes& zipBytes, const std::vector<std::string>& fileNames = {});

  // A new folder named by a GUID under the system's temporary folder, with a trailing '/'.
  static std::string CreateTempPath();

  // Creates (or empties) path + ".zip" holding content as one entry named after the last
  // component of path.
  static void CreateZipFile(const std::string& path, const TBytes& content);
  // Creates the archive's folder and the archive when missing, then adds content.
  static void CreateZipFile(const std::string& zipPath, const TBytes& content, const std::string& entryName);
  // Adds content to an existing archive, deflated; an entry of the same name is replaced.
  static void AddFileToZip(const std::string& zipPath, const TBytes& content, const std::string& entryName);

  // Removes folder and everything in it; failures are ignored.
  static void DeleteDirectory(const std::string& folder);

  static std::unique_ptr<std::istream> BytesToStream(const TBytes& bytes);
};

}  // namespace agent
