#include "platform/number_text.h"

#include <charconv>
#include <cmath>

#include "platform/strings.h"

namespace platform {

bool TryFormatFixed(double value, int decimals, char separator, std::string& out) {
  if (!std::isfinite(value)) return false;
  if (decimals < 0) decimals = 0;
  char buf[512];
  auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::fixed);
  if (res.ec != std::errc()) return false;
  std::string text(buf, res.ptr);
  auto dot = text.find('.');
  std::string whole = dot == std::string::npos ? text : text.substr(0, dot);
  std::string frac = dot == std::string::npos ? std::string() : text.substr(dot + 1);
  auto n = static_cast<std::size_t>(decimals);
  bool roundUp = frac.size() > n && frac[n] >= '5';
  frac.resize(n, '0');
  std::string digits = whole + frac;
  if (roundUp) {
    std::size_t i = digits.size();
    while (i > 0 && digits[i - 1] == '9') digits[--i] = '0';
    if (i == 0)
      digits.insert(digits.begin(), '1');
    else
      ++digits[i - 1];
  }
  std::string intPart = digits.substr(0, digits.size() - n);
  std::string result = intPart;
  if (n > 0) {
    result += separator;
    result += digits.substr(digits.size() - n);
  }
  bool zero = digits.find_first_not_of('0') == std::string::npos;
  out = (value < 0 && !zero) ? "-" + result : result;
  return true;
}

std::string FloatToText(double value) {
  // Room for the longest fixed form: the smallest subnormal has 323 zeros after the point.
  char buf[400];
  auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed);
  return std::string(buf, res.ptr);
}

bool TryTextToFloat(std::string_view text, double& out) {
  std::string s = Trim(text);
  if (!s.empty() && s[0] == '+') s.erase(0, 1);
  if (s.empty()) return false;
  std::size_t start = s[0] == '-' ? 1 : 0;
  if (start >= s.size() || !((s[start] >= '0' && s[start] <= '9') || s[start] == '.' || s[start] == ',')) return false;
  if (s.find('.') != std::string::npos && s.find(',') != std::string::npos) return false;
  for (char& c : s)
    if (c == ',') c = '.';
  double v = 0;
  auto res = std::from_chars(s.data(), s.data() + s.size(), v);
  if (res.ec != std::errc() || res.ptr != s.data() + s.size() || !std::isfinite(v)) return false;
  out = v;
  return true;
}

}  // namespace platform
