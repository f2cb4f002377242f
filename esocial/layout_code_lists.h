#pragma once
// Code lists shared by several enumerations, and the pieces the conversion units share.
#include <array>
#include <cstddef>
#include <iterator>
#include <string_view>

#include "dfe/enum_tables.h"

namespace esocial {

inline constexpr std::string_view Codigos1a2[] = {"1", "2"};
inline constexpr std::string_view Codigos1a3[] = {"1", "2", "3"};
inline constexpr std::string_view Codigos1a4[] = {"1", "2", "3", "4"};
inline constexpr std::string_view Codigos1a5[] = {"1", "2", "3", "4", "5"};
inline constexpr std::string_view Codigos1a6[] = {"1", "2", "3", "4", "5", "6"};
inline constexpr std::string_view Codigos1a7[] = {"1", "2", "3", "4", "5", "6", "7"};
inline constexpr std::string_view Codigos0a1[] = {"0", "1"};
inline constexpr std::string_view Codigos0a2[] = {"0", "1", "2"};
inline constexpr std::string_view Codigos0a3[] = {"0", "1", "2", "3"};

// 0, 1, ... N-1: the value list of a by-value table whose codes follow the ordinals.
template <std::size_t N>
inline constexpr std::array<int, N> Ordinais = [] {
  std::array<int, N> values{};
  for (std::size_t i = 0; i < N; ++i) values[i] = static_cast<int>(i);
  return values;
}();

// Index of the first entry equal to s (case-sensitive). A text equal to none raises
// dfe::ETrivoException "Valor string inválido para <typeName>: <s>".
int StrToEnumExato(std::string_view s, dfe::CodeList codes, std::string_view typeName);

}  // namespace esocial
