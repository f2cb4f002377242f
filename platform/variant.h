#pragma once
// A value of one of a few kinds (empty, text, integer, floating-point, boolean, date-time),
// converted on demand to the kind a caller asks for. Conversions that cannot be made
// raise EConvertError.
#include <concepts>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "platform/convert_error.h"
#include "platform/date_time.h"

namespace platform {

class Variant {
 public:
  enum class Kind { Empty, Text, Integer, Float, Boolean, DateTime };

  Variant() = default;
  Variant(std::string v) : FValue(std::move(v)) {}
  Variant(std::string_view v) : FValue(std::string(v)) {}
  Variant(const char* v) : FValue(std::string(v ? v : "")) {}
  Variant(char c) : FValue(std::string(1, c)) {}  // a character is text, not a number
  Variant(bool v) : FValue(v) {}
  template <std::integral T>
  requires(!std::same_as<T, bool> && !std::same_as<T, char>) Variant(T v) : FValue(static_cast<std::int64_t>(v)) {}
  template <std::floating_point T>
  Variant(T v) : FValue(static_cast<double>(v)) {}
  static Variant FromDateTime(TDateTime dt) {
    Variant v;
    v.FValue = DateTimeValue{dt};
    return v;
  }

  Kind ValueKind() const { return static_cast<Kind>(FValue.index()); }
  bool IsEmpty() const { return ValueKind() == Kind::Empty; }

  // Empty gives ""; numbers in the shortest form with "."; booleans "True"/"False";
  // date-times dd/mm/yyyy, followed by hh:nn:ss when the time is not midnight.
  std::string AsString() const;
  // Text is read whole (blanks around it allowed); floating-point is rounded; empty is 0.
  std::int64_t AsInt64() const;
  int AsInteger() const;  // also raises when the value does not fit 32 bits
  // Text with "." or "," as separator; empty is 0.
  double AsFloat() const;
  // Numbers are days since 1899-12-30; text is yyyy-mm-dd[Thh:nn[:ss]] or
  // dd/mm/yyyy[ hh:nn[:ss]]; empty is 0.
  TDateTime AsDateTime() const;
  // Text "true"/"false" in any letter case, or a number (not 0 is true); empty is false.
  bool AsBoolean() const;

 private:
  struct DateTimeValue {
    TDateTime Value;
  };
  std::variant<std::monostate, std::string, std::int64_t, double, bool, DateTimeValue> FValue;
};

}  // namespace platform
