#include "dfe/http_header.h"

#include "platform/strings.h"

namespace dfe {

void THttpHeader::AddHeader(std::string_view name, std::string_view value) {
  std::string line(name);
  line += ": ";
  line += value;
  // The first line of that name (letter case counts) is replaced; a longer name that merely
  // starts with it ("X-Token" for "X") is another header.
  for (auto& existing : Lines) {
    if (existing.compare(0, name.size(), name) != 0) continue;
    auto rest = existing.find_first_not_of(" \t", name.size());
    if (rest != std::string::npos && existing[rest] == ':') {
      existing = std::move(line);
      return;
    }
  }
  Lines.push_back(std::move(line));
}

std::string THttpHeader::GetHeaderValue(std::string_view name) const {
  for (const auto& line : Lines) {
    auto colon = line.find(':');
    if (colon == std::string::npos) continue;
    if (platform::SameText(platform::Trim(std::string_view(line).substr(0, colon)), name))
      return platform::Trim(std::string_view(line).substr(colon + 1));
  }
  return {};
}

void THttpHeader::SetText(std::string_view text) {
  Lines.clear();
  std::string current;
  for (char c : text) {
    if (c == '\r' || c == '\n') {
      if (!current.empty()) Lines.push_back(std::move(current));
      current.clear();
    } else {
      current += c;
    }
  }
  if (!current.empty()) Lines.push_back(std::move(current));
}

std::string THttpHeader::Text() const {
  std::string out;
  for (const auto& line : Lines) {
    out += line;
    out += "\r\n";
  }
  return out;
}

}  // namespace dfe
