#pragma once
// The framework's exceptions: they carry only their message text.
#include <stdexcept>
#include <string>

namespace dfe {

class ETrivoException : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class ETrivoDFeException : public ETrivoException {
 public:
  explicit ETrivoDFeException(const std::string& msg) : ETrivoException(msg) {}
  // The second argument only tells the two constructors apart; it is ignored.
  ETrivoDFeException(const std::string& msg, int /*dummy*/) : ETrivoException(msg) {}
};

class ETrivoDFeExceptionNoPrivateKey : public ETrivoDFeException {
 public:
  using ETrivoDFeException::ETrivoDFeException;
};

class ETrivoeSocialException : public ETrivoDFeException {
 public:
  using ETrivoDFeException::ETrivoDFeException;
};

}  // namespace dfe
