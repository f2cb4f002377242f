#include "platform/strings.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <limits>

namespace platform {

namespace {
char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }
char UpperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }
bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }
}  // namespace

std::string Copy(std::string_view s, long long index, long long count) {
  if (index < 1) index = 1;
  if (count <= 0 || index > static_cast<long long>(s.size())) return {};
  auto start = static_cast<std::size_t>(index - 1);
  auto avail = s.size() - start;
  auto n = static_cast<std::size_t>(std::min<long long>(count, static_cast<long long>(avail)));
  return std::string(s.substr(start, n));
}

std::size_t Pos(std::string_view sub, std::string_view s, std::size_t start) {
  if (sub.empty() || start == 0 || start > s.size()) return 0;
  auto p = s.find(sub, start - 1);
  return p == std::string_view::npos ? 0 : p + 1;
}

std::string TrimLeft(std::string_view s) {
  std::size_t i = 0;
  while (i < s.size() && IsBlank(s[i])) ++i;
  return std::string(s.substr(i));
}

std::string TrimRight(std::string_view s) {
  std::size_t n = s.size();
  while (n > 0 && IsBlank(s[n - 1])) --n;
  return std::string(s.substr(0, n));
}

std::string Trim(std::string_view s) { return TrimLeft(TrimRight(s)); }

std::string UpperCase(std::string_view s) {
  std::string r(s);
  std::transform(r.begin(), r.end(), r.begin(), UpperAscii);
  return r;
}

std::string LowerCase(std::string_view s) {
  std::string r(s);
  std::transform(r.begin(), r.end(), r.begin(), LowerAscii);
  return r;
}

bool SameText(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  return true;
}

bool StartsText(std::string_view prefix, std::string_view s) {
  return s.size() >= prefix.size() && SameText(s.substr(0, prefix.size()), prefix);
}

bool EndsText(std::string_view suffix, std::string_view s) {
  return s.size() >= suffix.size() && SameText(s.substr(s.size() - suffix.size()), suffix);
}

bool ContainsText(std::string_view s, std::string_view sub) {
  return LowerCase(s).find(LowerCase(sub)) != std::string::npos;
}

std::string StringReplace(std::string_view s, std::string_view from, std::string_view to, bool all, bool ignoreCase) {
  if (from.empty()) return std::string(s);
  std::string hay = ignoreCase ? LowerCase(s) : std::string(s);
  std::string needle = ignoreCase ? LowerCase(from) : std::string(from);
  std::string out;
  std::size_t i = 0;
  while (i <= s.size()) {
    auto p = hay.find(needle, i);
    if (p == std::string::npos) break;
    out.append(s.substr(i, p - i));
    out.append(to);
    i = p + from.size();
    if (!all) break;
  }
  if (i < s.size()) out.append(s.substr(i));
  return out;
}

std::vector<std::string> Split(std::string_view s, char sep) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (;;) {
    auto p = s.find(sep, start);
    if (p == std::string_view::npos) {
      parts.emplace_back(s.substr(start));
      return parts;
    }
    parts.emplace_back(s.substr(start, p - start));
    start = p + 1;
  }
}

std::string Join(const std::vector<std::string>& parts, std::string_view sep) {
  std::string out;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    if (i) out.append(sep);
    out.append(parts[i]);
  }
  return out;
}

bool TryStrToInt64(std::string_view s, std::int64_t& out) {
  std::string_view digits = s;
  if (!digits.empty() && digits.front() == '+') {
    digits.remove_prefix(1);
    if (digits.empty() || !std::isdigit(static_cast<unsigned char>(digits.front()))) return false;
  }
  std::int64_t v = 0;
  auto last = digits.data() + digits.size();
  auto [ptr, ec] = std::from_chars(digits.data(), last, v);
  if (digits.empty() || ec != std::errc() || ptr != last) return false;
  out = v;
  return true;
}

std::int64_t StrToInt64Def(std::string_view s, std::int64_t def) {
  std::int64_t v;
  return TryStrToInt64(s, v) ? v : def;
}

int StrToIntDef(std::string_view s, int def) {
  std::int64_t v;
  if (!TryStrToInt64(s, v) || v < std::numeric_limits<int>::min() || v > std::numeric_limits<int>::max()) return def;
  return static_cast<int>(v);
}

}  // namespace platform
