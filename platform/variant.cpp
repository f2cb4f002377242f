#include "platform/variant.h"

#include <cmath>
#include <limits>

#include "platform/number_text.h"
#include "platform/strings.h"

namespace platform {

namespace {

[[noreturn]] void CannotConvert(const std::string& text, const char* to) {
  throw EConvertError("'" + text + "' is not a valid " + to);
}

bool ReadPart(std::string_view s, std::size_t pos, std::size_t len, int& out) {
  std::int64_t v;
  if (!TryStrToInt64(Copy(s, static_cast<long long>(pos), static_cast<long long>(len)), v) || v < 0 || v > 9999)
    return false;
  out = static_cast<int>(v);
  return true;
}

// yyyy-mm-dd[Thh:nn[:ss]] or dd/mm/yyyy[ hh:nn[:ss]]; the separators are checked.
bool TryTextToDateTime(std::string_view text, TDateTime& out) {
  std::string s = Trim(text);
  DateTimeParts p;
  std::size_t timeAt;
  if (s.size() >= 10 && s[4] == '-' && s[7] == '-') {
    if (!ReadPart(s, 1, 4, p.Year) || !ReadPart(s, 6, 2, p.Month) || !ReadPart(s, 9, 2, p.Day)) return false;
    timeAt = 10;
    if (s.size() > 10 && s[10] != 'T' && s[10] != ' ') return false;
  } else if (s.size() >= 10 && s[2] == '/' && s[5] == '/') {
    if (!ReadPart(s, 1, 2, p.Day) || !ReadPart(s, 4, 2, p.Month) || !ReadPart(s, 7, 4, p.Year)) return false;
    timeAt = 10;
    if (s.size() > 10 && s[10] != ' ') return false;
  } else {
    return false;
  }
  if (s.size() > timeAt) {
    std::string t = s.substr(timeAt + 1);
    if (t.size() != 5 && t.size() != 8) return false;
    if (t[2] != ':' || (t.size() == 8 && t[5] != ':')) return false;
    if (!ReadPart(t, 1, 2, p.Hour) || !ReadPart(t, 4, 2, p.Minute)) return false;
    if (t.size() == 8 && !ReadPart(t, 7, 2, p.Second)) return false;
  }
  return TryEncodeDateTime(p, out);
}

}  // namespace

std::string Variant::AsString() const {
  switch (ValueKind()) {
    case Kind::Empty:
      return {};
    case Kind::Text:
      return std::get<std::string>(FValue);
    case Kind::Integer:
      return std::to_string(std::get<std::int64_t>(FValue));
    case Kind::Float:
      return FloatToText(std::get<double>(FValue));
    case Kind::Boolean:
      return std::get<bool>(FValue) ? "True" : "False";
    case Kind::DateTime: {
      TDateTime dt = std::get<DateTimeValue>(FValue).Value;
      return TimeOf(dt) == 0 ? FormatDateTime("dd/mm/yyyy", dt) : FormatDateTime("dd/mm/yyyy hh:nn:ss", dt);
    }
  }
  return {};
}

std::int64_t Variant::AsInt64() const {
  switch (ValueKind()) {
    case Kind::Empty:
      return 0;
    case Kind::Text: {
      const auto& s = std::get<std::string>(FValue);
      std::int64_t v;
      if (!TryStrToInt64(Trim(s), v)) CannotConvert(s, "integer value");
      return v;
    }
    case Kind::Integer:
      return std::get<std::int64_t>(FValue);
    case Kind::Boolean:
      return std::get<bool>(FValue) ? 1 : 0;
    case Kind::Float:
    case Kind::DateTime: {
      double d = AsFloat();
      if (!std::isfinite(d) || std::fabs(d) >= 9.2e18) CannotConvert(FloatToText(d), "integer value");
      return std::llround(d);
    }
  }
  return 0;
}

int Variant::AsInteger() const {
  std::int64_t v = AsInt64();
  if (v < std::numeric_limits<int>::min() || v > std::numeric_limits<int>::max())
    CannotConvert(std::to_string(v), "32-bit integer value");
  return static_cast<int>(v);
}

double Variant::AsFloat() const {
  switch (ValueKind()) {
    case Kind::Empty:
      return 0;
    case Kind::Text: {
      const auto& s = std::get<std::string>(FValue);
      double v;
      if (!TryTextToFloat(s, v)) CannotConvert(s, "floating point value");
      return v;
    }
    case Kind::Integer:
      return static_cast<double>(std::get<std::int64_t>(FValue));
    case Kind::Float:
      return std::get<double>(FValue);
    case Kind::Boolean:
      return std::get<bool>(FValue) ? 1 : 0;
    case Kind::DateTime:
      return std::get<DateTimeValue>(FValue).Value;
  }
  return 0;
}

TDateTime Variant::AsDateTime() const {
  if (ValueKind() == Kind::Text) {
    const auto& s = std::get<std::string>(FValue);
    TDateTime dt;
    if (!TryTextToDateTime(s, dt)) CannotConvert(s, "date and time");
    return dt;
  }
  double d = AsFloat();
  // Outside years 1 to 9999 there is no calendar date.
  if (!std::isfinite(d) || d < -693593.0 || d >= 2958466.0) CannotConvert(FloatToText(d), "date and time");
  return d;
}

bool Variant::AsBoolean() const {
  if (ValueKind() == Kind::Text) {
    const auto& s = std::get<std::string>(FValue);
    std::string t = Trim(s);
    if (SameText(t, "true")) return true;
    if (SameText(t, "false")) return false;
    double v;
    if (!TryTextToFloat(t, v)) CannotConvert(s, "boolean value");
    return v != 0;
  }
  return AsFloat() != 0;
}

}  // namespace platform
