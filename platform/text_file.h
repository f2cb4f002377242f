#pragma once
// Loading a text file the way a string list loads one: a byte-order mark decides the
// encoding (UTF-8, UTF-16 LE or BE), else the bytes are UTF-8 (Windows-1252 where they are
// not valid UTF-8); the result is UTF-8 with every line ended by CR LF.
#include <filesystem>
#include <istream>
#include <string>
#include <string_view>

namespace platform {

// Throws std::runtime_error naming the file when it cannot be read.
std::string LoadTextFileCrLf(const std::filesystem::path& path);
// The same conversion of bytes already in memory.
std::string TextBytesToCrLfLines(std::string_view bytes);
// The whole stream from its start, whatever its position, as UTF-8 text (bytes that are not
// UTF-8 read as Windows-1252); line breaks are kept as they are.
std::string StreamTextFromStart(std::istream& stream);

}  // namespace platform
