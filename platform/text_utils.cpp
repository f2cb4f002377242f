#include "platform/text_utils.h"

#include "platform/strings.h"
#include "platform/text_encoding.h"

namespace platform {

namespace {

// Plain letters of the Latin letters with a diacritic in U+00C0 to U+017F (Unicode's "letter
// X with ..."); an empty entry is no such letter (a ligature, eth, thorn, sharp s, kra, eng,
// dotless i, long s, a sign) and becomes a blank.
constexpr const char* kPlainLatin[] = {
    "A", "A", "A", "A", "A", "A", "",  "C", "E", "E", "E", "E", "I", "I", "I", "I",  // C0
    "",  "N", "O", "O", "O", "O", "O", "",  "O", "U", "U", "U", "U", "Y", "",  "",   // D0
    "a", "a", "a", "a", "a", "a", "",  "c", "e", "e", "e", "e", "i", "i", "i", "i",  // E0
    "",  "n", "o", "o", "o", "o", "o", "",  "o", "u", "u", "u", "u", "y", "",  "y",  // F0
    "A", "a", "A", "a", "A", "a", "C", "c", "C", "c", "C", "c", "C", "c", "D", "d",  // 100
    "D", "d", "E", "e", "E", "e", "E", "e", "E", "e", "E", "e", "G", "g", "G", "g",  // 110
    "G", "g", "G", "g", "H", "h", "H", "h", "I", "i", "I", "i", "I", "i", "I", "i",  // 120
    "I", "",  "",  "",  "J", "j", "K", "k", "",  "L", "l", "L", "l", "L", "l", "L",  // 130
    "l", "L", "l", "N", "n", "N", "n", "N", "n", "",  "",  "",  "O", "o", "O", "o",  // 140
    "O", "o", "",  "",  "R", "r", "R", "r", "R", "r", "S", "s", "S", "s", "S", "s",  // 150
    "S", "s", "T", "t", "T", "t", "T", "t", "U", "u", "U", "u", "U", "u", "U", "u",  // 160
    "U", "u", "U", "u", "W", "w", "Y", "y", "Y", "Z", "z", "Z", "z", "Z", "z", "",   // 170
};

// Decodes the code point at s[i] of a valid UTF-8 text and advances i.
std::uint32_t NextCodePoint(std::string_view s, std::size_t& i) {
  auto b = static_cast<unsigned char>(s[i]);
  int extra = b < 0x80 ? 0 : b < 0xE0 ? 1 : b < 0xF0 ? 2 : 3;
  std::uint32_t cp = extra == 0 ? b : extra == 1 ? (b & 0x1Fu) : extra == 2 ? (b & 0x0Fu) : (b & 0x07u);
  ++i;
  for (int k = 0; k < extra && i < s.size(); ++k, ++i) cp = (cp << 6) | (static_cast<unsigned char>(s[i]) & 0x3Fu);
  return cp;
}

}  // namespace

std::string RemoverAcentos(std::string_view input) {
  std::string s = EnsureUtf8(input);
  std::string out;
  out.reserve(s.size());
  std::size_t i = 0;
  while (i < s.size()) {
    std::uint32_t cp = NextCodePoint(s, i);
    if ((cp >= 0x20 && cp < 0x7F) || cp == '\b' || cp == '\n' || cp == '\r') {
      out += static_cast<char>(cp);
    } else if (cp >= 0xC0 && cp < 0x180 && *kPlainLatin[cp - 0xC0]) {
      out += kPlainLatin[cp - 0xC0];
    } else {
      out += ' ';
    }
  }
  return out;
}

void AcrescentarDigitos(std::string& destino, std::string_view s) {
  auto digito = [](char c) { return c >= '0' && c <= '9'; };
  // By runs: an identifier is one run behind its prefix.
  for (std::size_t i = 0; i < s.size();) {
    if (!digito(s[i])) {
      ++i;
      continue;
    }
    std::size_t fim = i + 1;
    while (fim < s.size() && digito(s[fim])) ++fim;
    destino.append(s, i, fim - i);
    i = fim;
  }
}

std::string SomenteDigitos(std::string_view s) {
  std::string out;
  AcrescentarDigitos(out, s);
  return out;
}

bool TemSomenteDigitos(std::string_view s) {
  if (s.empty()) return false;
  for (char c : s)
    if (c < '0' || c > '9') return false;
  return true;
}

std::string InteiroComZeros(std::int64_t valor, int largura) {
  // Through unsigned so that the lowest 64-bit value has a magnitude too.
  std::uint64_t magnitude = valor < 0 ? 0 - static_cast<std::uint64_t>(valor) : static_cast<std::uint64_t>(valor);
  std::string digits = std::to_string(magnitude);
  if (largura > 0) {
    auto w = static_cast<std::size_t>(largura);
    digits = digits.size() < w ? std::string(w - digits.size(), '0') + digits : digits.substr(0, w);
  }
  return valor < 0 ? "-" + digits : digits;
}

bool DeclaraUTF8(std::string_view xml) {
  std::size_t i = 0, chars = 0;
  while (i < xml.size() && chars < 50) {
    auto b = static_cast<unsigned char>(xml[i]);
    ++i;
    while (b >= 0xC0 && i < xml.size() && (static_cast<unsigned char>(xml[i]) & 0xC0) == 0x80) ++i;
    ++chars;
  }
  std::string head = LowerCase(xml.substr(0, i));
  auto enc = head.find("encoding");
  return enc != std::string::npos && head.find("utf-8", enc + 8) != std::string::npos;
}

std::size_t Utf8Length(std::string_view s) {
  if (!IsValidUtf8(s)) return Utf8Length(EnsureUtf8(s));
  std::size_t n = 0;
  for (char c : s)
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
  return n;
}

std::string PadLeft(std::string_view s, std::size_t width, char c) {
  std::size_t len = Utf8Length(s);
  if (len >= width) return std::string(s);
  return std::string(width - len, c) + std::string(s);
}

}  // namespace platform
