#pragma once
// The message of the exception a call raises, for tests that compare the texts.
#include <exception>
#include <string>

namespace testsupport {

// What MessageOf gives when the call raises nothing.
inline constexpr const char* kNoError = "(no error)";

// The message of the E the call raises, or kNoError; an exception of another type reaches
// the test and fails it.
template <class E = std::exception, class F>
std::string MessageOf(F&& call) {
  try {
    call();
  } catch (const E& e) {
    return e.what();
  }
  return kNoError;
}

}  // namespace testsupport
