#include "platform/base64.h"

#include <array>

namespace platform {

namespace {
constexpr char kStd[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr char kUrl[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_";

constexpr std::array<signed char, 256> MakeReverse() {
  std::array<signed char, 256> r{};
  for (auto& v : r) v = -1;
  for (int i = 0; i < 64; ++i) {
    r[static_cast<unsigned char>(kStd[i])] = static_cast<signed char>(i);
    r[static_cast<unsigned char>(kUrl[i])] = static_cast<signed char>(i);
  }
  return r;
}
constexpr auto kReverse = MakeReverse();
}  // namespace

std::string Base64Encode(std::string_view bytes, bool url, bool pad) {
  const char* alphabet = url ? kUrl : kStd;
  std::string out;
  out.reserve((bytes.size() + 2) / 3 * 4);
  std::size_t i = 0;
  for (; i + 2 < bytes.size(); i += 3) {
    unsigned v = (static_cast<unsigned char>(bytes[i]) << 16) | (static_cast<unsigned char>(bytes[i + 1]) << 8) |
                 static_cast<unsigned char>(bytes[i + 2]);
    out += alphabet[(v >> 18) & 63];
    out += alphabet[(v >> 12) & 63];
    out += alphabet[(v >> 6) & 63];
    out += alphabet[v & 63];
  }
  std::size_t rest = bytes.size() - i;
  if (rest) {
    unsigned v = static_cast<unsigned char>(bytes[i]) << 16;
    if (rest == 2) v |= static_cast<unsigned char>(bytes[i + 1]) << 8;
    out += alphabet[(v >> 18) & 63];
    out += alphabet[(v >> 12) & 63];
    if (rest == 2) out += alphabet[(v >> 6) & 63];
    if (pad) out.append(rest == 1 ? "==" : "=");
  }
  return out;
}

std::optional<std::string> Base64Decode(std::string_view text) {
  std::string out;
  unsigned acc = 0;
  int bits = 0;
  bool padding = false;
  for (char c : text) {
    if (c == '\r' || c == '\n' || c == ' ' || c == '\t') continue;
    if (c == '=') {
      padding = true;
      continue;
    }
    int v = kReverse[static_cast<unsigned char>(c)];
    if (v < 0 || padding) return std::nullopt;
    acc = (acc << 6) | static_cast<unsigned>(v);
    bits += 6;
    if (bits >= 8) {
      bits -= 8;
      out += static_cast<char>((acc >> bits) & 0xFF);
    }
  }
  // A single leftover character carries fewer than 8 bits: not Base64.
  if (bits >= 6) return std::nullopt;
  return out;
}

}  // namespace platform
