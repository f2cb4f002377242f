#pragma once
// Text helpers of the component pack: accents, digits, zero padding, the "declares UTF-8"
// test. Lengths and widths count characters (UTF-8 code points), not bytes.
#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

// Accented Latin letters (letters with a diacritic) become their plain letters; every other
// character outside printable ASCII, except backspace, line feed and carriage return, becomes
// a blank: ligatures, "ß", "ª" and "º" included. Bytes that are not UTF-8 are taken as
// Windows-1252 first.
std::string RemoverAcentos(std::string_view s);
// The digits of the text, in order.
std::string SomenteDigitos(std::string_view s);
// The same, appended to destino.
void AcrescentarDigitos(std::string& destino, std::string_view s);
// True when the text is not empty and holds ASCII digits only.
bool TemSomenteDigitos(std::string_view s);
// The integer's digits padded on the left with zeros to `largura`; a longer number keeps
// its first `largura` digits. A negative number gets "-" in front of its padded digits.
std::string InteiroComZeros(std::int64_t valor, int largura);
// True when, within the first 50 characters in lower case, "encoding" occurs and
// "utf-8" occurs after it.
bool DeclaraUTF8(std::string_view xml);

// Number of characters (code points) of a UTF-8 text; stray bytes count one each.
std::size_t Utf8Length(std::string_view s);
// The text padded on the left with `c` to `width` characters; longer texts stay unchanged.
std::string PadLeft(std::string_view s, std::size_t width, char c = '0');

}  // namespace platform
