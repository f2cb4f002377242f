#pragma once
// File-system helpers: the program's folder, the user's Documents folder, temporary
// names, and the case-insensitive lookup that stands in for a case-insensitive file system.
#include <filesystem>
#include <string>
#include <string_view>

namespace platform {

// Folder of the running executable, with a trailing '/'.
std::string ProgramFolder();
// $XDG_DOCUMENTS_DIR, else DOCUMENTS of ~/.config/user-dirs.dirs, else ~/Documents; created
// when missing. No trailing '/'.
std::filesystem::path DocumentsFolder();
// The path itself when it exists; else an entry of the same folder whose name matches
// case-insensitively; else the path unchanged.
std::filesystem::path FindFileIgnoringCase(const std::filesystem::path& path);
// Adds a trailing '/' when missing (empty stays empty).
std::string PathWithSlash(std::string_view path);
// 32 hex digits from 16 random bytes.
std::string NewGuidText();
// Whole file as bytes; throws std::runtime_error naming the file when it cannot be read.
std::string ReadFileBytes(const std::filesystem::path& path);
// Writes through a temporary name in the same folder and renames it into place.
void WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

}  // namespace platform
