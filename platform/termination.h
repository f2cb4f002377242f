#pragma once
// SIGTERM and SIGINT end the process at once, as they do by default, except while work that must
// tidy up after itself runs under a TDeferredTermination: then they are only noted, the work
// sees Requested() and stops, and when the last such scope ends the process ends by the signal
// that came, as it would have at once. A signal the process inherited as ignored stays ignored.
namespace platform {

class TDeferredTermination {
 public:
  TDeferredTermination();
  // Ends the process by the signal that came meanwhile, when this was the last scope open.
  ~TDeferredTermination();
  TDeferredTermination(const TDeferredTermination&) = delete;
  TDeferredTermination& operator=(const TDeferredTermination&) = delete;

  // Whether SIGTERM or SIGINT came while a scope was open.
  static bool Requested();
};

}  // namespace platform
