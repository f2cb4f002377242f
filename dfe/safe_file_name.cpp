#include "dfe/safe_file_name.h"

namespace dfe {

std::string SafeFileNamePart(std::string_view part) {
  std::string out;
  out.reserve(part.size());
  bool onlyDots = true;
  for (unsigned char c : part) {
    bool keep =
        (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '.' || c == '-' || c == '_';
    out += keep ? static_cast<char>(c) : '_';
    if (c != '.') onlyDots = false;
  }
  if (onlyDots) out.assign(out.size(), '_');
  return out;
}

}  // namespace dfe
