#pragma once
// Zip archives over libzip: unpacking into a folder (the SAGRES command's use), and the
// small helpers to build archives and scratch folders.
#include <istream>
#include <memory>
#include <string>
#include <vector>

namespace agent {

// Raw bytes, held in a std::string as everywhere else in the project.
using TBytes = std::string;

class TZipUtils {
 public:
  TZipUtils() = delete;

  // Unpacks every entry (or, with a non-empty list, the entries whose stored names are in
  // it) into folder. Every entry's name is checked before anything is written: an archive
  // holding a name that could land outside folder, a control character or a symbolic
  // link is refused whole. Each file is written under a temporary name in its own folder
  // and renamed into place, keeping the entry's modification time. A null stream does
  // nothing.
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
