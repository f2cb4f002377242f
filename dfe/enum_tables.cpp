#include "dfe/enum_tables.h"

#include "platform/strings.h"

namespace dfe {

std::string EnumPorPosicaoToStr(int ordinal, CodeList codes) {
  if (ordinal < 0 || static_cast<std::size_t>(ordinal) >= codes.size()) return {};
  return std::string(codes[static_cast<std::size_t>(ordinal)]);
}

int StrToEnumPorPosicao(bool& ok, std::string_view s, CodeList codes) {
  ok = false;
  for (std::size_t i = 0; i < codes.size(); ++i) {
    if (platform::SameText(s, codes[i])) {
      ok = true;
      return static_cast<int>(i);
    }
  }
  return 0;
}

std::string EnumPorValorToStr(int ordinal, CodeList codes, OrdinalList values) {
  std::string result;
  std::size_t n = std::min(codes.size(), values.size());
  for (std::size_t i = 0; i < n; ++i)
    if (values[i] == ordinal) result = codes[i];
  return result;
}

int StrToEnumPorValor(bool& ok, std::string_view s, CodeList codes, OrdinalList values) {
  constexpr int kNone = -1;
  int result = kNone;
  std::size_t n = std::min(codes.size(), values.size());
  for (std::size_t i = 0; i < n; ++i)
    if (platform::SameText(s, codes[i])) result = values[i];
  ok = result != kNone;
  if (!ok) result = values.empty() ? 0 : values[0];
  return result;
}

}  // namespace dfe
