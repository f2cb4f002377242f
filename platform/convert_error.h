#pragma once
// The conversion error raised when a text or a variant does not hold the number, date or
// time that was asked of it.
#include <stdexcept>

namespace platform {

class EConvertError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace platform
