#pragma once
// Text to date-time by a fixed pattern, read by position.
#include <string_view>

#include "platform/date_time.h"

namespace platform {

// Pattern letters: yyyy (or yy, taken as 2000 + yy), mm (month; minutes right after hh), dd,
// hh, nn, ss, zzz; every other pattern character stands for one character of the text,
// whatever it is. Each part is the text at its pattern's positions read as a decimal integer,
// so a text that ends inside a part gives a shorter one. Parts the pattern does not name keep
// the zero date and midnight. A part that is missing or not a number, or an impossible date
// or time, raises EConvertError.
TDateTime TextoParaDataHoraComFormato(std::string_view texto, std::string_view formato);

}  // namespace platform
