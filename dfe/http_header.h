#pragma once
// HTTP header list: one line a header, "Name: value".
#include <string>
#include <string_view>
#include <vector>

namespace dfe {

class THttpHeader {
 public:
  // Replaces the first header of that name (exact case) or appends one.
  void AddHeader(std::string_view name, std::string_view value);
  // Value of the first header of that name (letter case ignored); empty when none.
  std::string GetHeaderValue(std::string_view name) const;
  // Replaces the lines by those of a header block ("\r\n" or "\n" separated; blank lines dropped).
  void SetText(std::string_view text);
  std::string Text() const;  // every line followed by "\r\n"
  void Clear() { Lines.clear(); }
  int Count() const { return static_cast<int>(Lines.size()); }

  std::vector<std::string> Lines;
};

}  // namespace dfe
