#include "platform/text_file.h"

#include <iterator>

#include "platform/files.h"
#include "platform/text_encoding.h"

namespace platform {

namespace {

std::string Utf16ToUtf8(std::string_view b, bool bigEndian) {
  std::string out;
  auto unit = [&](std::size_t i) -> std::uint32_t {
    auto hi = static_cast<unsigned char>(b[bigEndian ? i : i + 1]);
    auto lo = static_cast<unsigned char>(b[bigEndian ? i + 1 : i]);
    return (static_cast<std::uint32_t>(hi) << 8) | lo;
  };
  std::size_t i = 0;
  while (i + 1 < b.size()) {
    std::uint32_t u = unit(i);
    i += 2;
    if (u >= 0xD800 && u < 0xDC00 && i + 1 < b.size()) {
      std::uint32_t lo = unit(i);
      if (lo >= 0xDC00 && lo < 0xE000) {
        i += 2;
        u = 0x10000 + ((u - 0xD800) << 10) + (lo - 0xDC00);
      }
    }
    out += CodePointToUtf8(u);
  }
  return out;
}

}  // namespace

std::string TextBytesToCrLfLines(std::string_view bytes) {
  std::string text;
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
    text = EnsureUtf8(bytes.substr(3));
  else if (bytes.substr(0, 2) == "\xFF\xFE")
    text = Utf16ToUtf8(bytes.substr(2), false);
  else if (bytes.substr(0, 2) == "\xFE\xFF")
    text = Utf16ToUtf8(bytes.substr(2), true);
  else
    text = EnsureUtf8(bytes);

  std::string out;
  out.reserve(text.size() + text.size() / 16 + 2);
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '\r' || c == '\n') {
      out += "\r\n";
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      out += c;
    }
  }
  if (!out.empty() && (out.size() < 2 || out.compare(out.size() - 2, 2, "\r\n") != 0)) out += "\r\n";
  return out;
}

std::string LoadTextFileCrLf(const std::filesystem::path& path) { return TextBytesToCrLfLines(ReadFileBytes(path)); }

std::string StreamTextFromStart(std::istream& stream) {
  stream.clear();
  stream.seekg(0);
  return EnsureUtf8(std::string(std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()));
}

}  // namespace platform
