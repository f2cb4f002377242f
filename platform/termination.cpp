#include "platform/termination.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <mutex>

namespace platform {

namespace {

// Lock-free, so the handler may touch them.
std::atomic<int> gOpen{0};
std::atomic<int> gSignal{0};

void EndBy(int sig) {
  std::signal(sig, SIG_DFL);
  std::raise(sig);
}

extern "C" void OnTermination(int sig) {
  const int savedErrno = errno;
  gSignal.store(sig);
  // Checked after the note: a scope closing meanwhile either sees the note or is already gone.
  if (gOpen.load() == 0) EndBy(sig);
  errno = savedErrno;
}

void InstallOnce() {
  static std::once_flag once;
  std::call_once(once, [] {
    for (int sig : {SIGTERM, SIGINT}) {
      struct sigaction old {};
      if (sigaction(sig, nullptr, &old) != 0 || old.sa_handler == SIG_IGN) continue;
      struct sigaction action {};
      action.sa_handler = &OnTermination;
      sigemptyset(&action.sa_mask);
      action.sa_flags = SA_RESTART;  // the reads and writes under way go on
      sigaction(sig, &action, nullptr);
    }
  });
}

}  // namespace

TDeferredTermination::TDeferredTermination() {
  gOpen.fetch_add(1);
  InstallOnce();
}

TDeferredTermination::~TDeferredTermination() {
  if (gOpen.fetch_sub(1) == 1)
    if (const int sig = gSignal.load(); sig != 0) EndBy(sig);
}

bool TDeferredTermination::Requested() { return gSignal.load() != 0; }

}  // namespace platform
