#include "platform/text_encoding.h"

namespace platform {

namespace {

// Length of the valid UTF-8 sequence at s[i], or 0.
std::size_t Utf8SequenceLength(std::string_view s, std::size_t i) {
  auto b = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
  unsigned char c = b(i);
  if (c < 0x80) return 1;
  std::size_t n;
  std::uint32_t cp;
  if (c >= 0xC2 && c <= 0xDF) {
    n = 2;
    cp = c & 0x1F;
  } else if (c >= 0xE0 && c <= 0xEF) {
    n = 3;
    cp = c & 0x0F;
  } else if (c >= 0xF0 && c <= 0xF4) {
    n = 4;
    cp = c & 0x07;
  } else
    return 0;
  if (i + n > s.size()) return 0;
  for (std::size_t k = 1; k < n; ++k) {
    if ((b(i + k) & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (b(i + k) & 0x3F);
  }
  if ((n == 3 && cp < 0x800) || (n == 4 && (cp < 0x10000 || cp > 0x10FFFF)) || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  return n;
}

constexpr std::uint16_t kCp1252High[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                           0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                           0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                           0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

}  // namespace

bool IsValidUtf8(std::string_view s) {
  for (std::size_t i = 0; i < s.size();) {
    std::size_t n = Utf8SequenceLength(s, i);
    if (!n) return false;
    i += n;
  }
  return true;
}

std::string_view Utf8Prefix(std::string_view s, std::size_t maxBytes) {
  if (s.size() <= maxBytes) return s;
  std::size_t cut = maxBytes;
  // A sequence has at most three continuation bytes; stray ones further back are not ours.
  for (int k = 0; k < 3 && cut > 0 && (static_cast<unsigned char>(s[cut]) & 0xC0) == 0x80; ++k) --cut;
  return s.substr(0, cut);
}

namespace {

// The UTF-8 bytes of a code point into out; their count.
std::size_t CodePointBytes(std::uint32_t cp, char* out) {
  if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) cp = 0xFFFD;
  if (cp < 0x80) {
    out[0] = static_cast<char>(cp);
    return 1;
  }
  if (cp < 0x800) {
    out[0] = static_cast<char>(0xC0 | (cp >> 6));
    out[1] = static_cast<char>(0x80 | (cp & 0x3F));
    return 2;
  }
  if (cp < 0x10000) {
    out[0] = static_cast<char>(0xE0 | (cp >> 12));
    out[1] = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out[2] = static_cast<char>(0x80 | (cp & 0x3F));
    return 3;
  }
  out[0] = static_cast<char>(0xF0 | (cp >> 18));
  out[1] = static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
  out[2] = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
  out[3] = static_cast<char>(0x80 | (cp & 0x3F));
  return 4;
}

std::uint32_t Win1252CodePoint(unsigned char b) { return b >= 0x80 && b < 0xA0 ? kCp1252High[b - 0x80] : b; }

}  // namespace

std::string CodePointToUtf8(std::uint32_t cp) {
  char bytes[4];
  return std::string(bytes, CodePointBytes(cp, bytes));
}

std::string Win1252ByteToUtf8(unsigned char b) { return CodePointToUtf8(Win1252CodePoint(b)); }

std::size_t EnsuredUtf8Step(std::string_view s, std::size_t i, char* out, std::size_t& outLength) {
  if (std::size_t n = Utf8SequenceLength(s, i)) {
    s.copy(out, n, i);
    outLength = n;
    return n;
  }
  outLength = CodePointBytes(Win1252CodePoint(static_cast<unsigned char>(s[i])), out);
  return 1;
}

bool IsControlChar(unsigned char c) { return c < 0x20 || c == 0x7F; }

bool HasControlChar(std::string_view s) {
  for (char c : s)
    if (IsControlChar(static_cast<unsigned char>(c))) return true;
  return false;
}

bool HasC1ControlChar(std::string_view s) {
  for (std::size_t i = 0; i + 1 < s.size(); ++i)
    if (static_cast<unsigned char>(s[i]) == 0xC2 && static_cast<unsigned char>(s[i + 1]) >= 0x80 &&
        static_cast<unsigned char>(s[i + 1]) <= 0x9F)
      return true;
  return false;
}

std::string EnsureUtf8(std::string_view s) {
  if (IsValidUtf8(s)) return std::string(s);
  std::string out;
  out.reserve(s.size() + s.size() / 4);
  char bytes[4];
  for (std::size_t i = 0; i < s.size();) {
    std::size_t n = 0;
    i += EnsuredUtf8Step(s, i, bytes, n);
    out.append(bytes, n);
  }
  return out;
}

}  // namespace platform
