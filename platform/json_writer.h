#pragma once
// Compact JSON writer for output whose exact form matters (member order, escapes).
// Strings: quote and backslash escaped, \b \t \n \f \r for those controls, other controls
// below 32 as \u with four upper-case hex digits; "/" and non-ASCII text pass unchanged.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

std::string JsonEscape(std::string_view text);  // without the surrounding quotes

class JsonWriter {
 public:
  JsonWriter& BeginObject();
  JsonWriter& EndObject();
  JsonWriter& BeginArray();
  JsonWriter& EndArray();
  JsonWriter& Key(std::string_view name);
  JsonWriter& String(std::string_view value);
  JsonWriter& Int(std::int64_t value);
  JsonWriter& Bool(bool value);
  JsonWriter& Null();

  const std::string& Text() const { return FOut; }

 private:
  void BeforeValue();

  std::string FOut;
  // One entry per open container: whether it already holds an element.
  std::vector<bool> FFilled;
  bool FAfterKey = false;
};

}  // namespace platform
