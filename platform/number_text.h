#pragma once
// Numbers to and from text, independent of the locale.
#include <string>
#include <string_view>

namespace platform {

// The value rounded to `decimals` places (halves away from zero, on the number's shortest
// decimal form, so 2.675 gives 2.68), with exactly that many decimal digits, `separator`
// between the parts and no digit grouping. Infinity and NaN give false.
bool TryFormatFixed(double value, int decimals, char separator, std::string& out);
// Shortest text that reads back as the same value, in plain decimal form with "." as
// separator, never an exponent ("2.5", "3", "1000000", "0.0000001").
std::string FloatToText(double value);
// Whole-text reading of a number with "." or "," as its one decimal separator, blanks
// around it allowed; false for anything else (infinity and NaN included).
bool TryTextToFloat(std::string_view text, double& out);

}  // namespace platform
