#include "platform/date_text.h"

#include "platform/convert_error.h"
#include "platform/strings.h"

namespace platform {

TDateTime TextoParaDataHoraComFormato(std::string_view texto, std::string_view formato) {
  DateTimeParts p;
  auto fail = [&]() -> void {
    throw EConvertError("'" + std::string(texto) + "' is not a valid date and time for '" + std::string(formato) + "'");
  };
  auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; };
  bool lastWasHour = false;
  std::size_t i = 0;
  while (i < formato.size()) {
    char c = lower(formato[i]);
    std::size_t run = 1;
    while (i + run < formato.size() && lower(formato[i + run]) == c) ++run;
    int* target = nullptr;
    std::size_t width = run;
    switch (c) {
      case 'y':
        target = &p.Year;
        break;
      case 'm':
        target = lastWasHour ? &p.Minute : &p.Month;
        break;
      case 'd':
        target = &p.Day;
        break;
      case 'h':
        target = &p.Hour;
        break;
      case 'n':
        target = &p.Minute;
        break;
      case 's':
        target = &p.Second;
        break;
      case 'z':
        target = &p.Millisecond;
        break;
      default:
        break;
    }
    if (target) {
      std::int64_t v = 0;
      std::string part = Copy(texto, static_cast<long long>(i) + 1, static_cast<long long>(width));
      // The part's positions are read as one decimal integer: a text that ends early leaves a
      // shorter part ("2024-03-5" is the 5th), a missing one fails.
      if (part.empty() || !TryStrToInt64(part, v) || v < 0 || v > 9999) fail();
      *target = static_cast<int>(v);
      if (c == 'y' && width <= 2) p.Year += 2000;
    }
    if (c == 'h')
      lastWasHour = true;
    else if (c != ':' && c != ' ')
      lastWasHour = false;
    i += run;
  }
  TDateTime out;
  if (!TryEncodeDateTime(p, out)) fail();
  return out;
}

}  // namespace platform
