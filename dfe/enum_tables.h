#pragma once
// The two table-driven conversion families on which every coded enumeration is built.
// A table is a constant list of code texts (and, by value, a parallel list of ordinals);
// ordinals travel as plain integers.
#include <span>
#include <string>
#include <string_view>

namespace dfe {

using CodeList = std::span<const std::string_view>;
using OrdinalList = std::span<const int>;

// Entry `ordinal` of the list; the empty text for an ordinal outside it.
std::string EnumPorPosicaoToStr(int ordinal, CodeList codes);
// Index of the first entry equal to s ignoring letter case; 0 and ok false when none is.
int StrToEnumPorPosicao(bool& ok, std::string_view s, CodeList codes);
// Code of the last entry whose ordinal equals `ordinal`; the empty text when none does.
std::string EnumPorValorToStr(int ordinal, CodeList codes, OrdinalList values);
// Ordinal of the last entry whose code equals s ignoring letter case; the first listed
// ordinal and ok false when none does.
int StrToEnumPorValor(bool& ok, std::string_view s, CodeList codes, OrdinalList values);

// Typed front ends for enumerations.
template <typename E>
std::string EnumToStr(E value, CodeList codes) {
  return EnumPorPosicaoToStr(static_cast<int>(value), codes);
}
template <typename E>
E StrToEnum(bool& ok, std::string_view s, CodeList codes) {
  return static_cast<E>(StrToEnumPorPosicao(ok, s, codes));
}
template <typename E>
std::string EnumToStr(E value, CodeList codes, OrdinalList values) {
  return EnumPorValorToStr(static_cast<int>(value), codes, values);
}
template <typename E>
E StrToEnum(bool& ok, std::string_view s, CodeList codes, OrdinalList values) {
  return static_cast<E>(StrToEnumPorValor(ok, s, codes, values));
}

}  // namespace dfe
