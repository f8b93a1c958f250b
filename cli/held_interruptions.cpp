#include "cli/held_interruptions.h"

#include <pthread.h>

#include <array>
#include <ctime>

namespace soatnoma::cli {
namespace {

constexpr std::array kInterruptions = {SIGINT, SIGTERM, SIGHUP};

bool IsIgnored(int signal) {
  struct sigaction action {};
  return sigaction(signal, nullptr, &action) == 0 && action.sa_handler == SIG_IGN;
}

}  // namespace

HeldInterruptions::HeldInterruptions() {
  sigemptyset(&held_);
  // A blocked signal stays pending even when it is ignored, and would count as a request.
  for (const int signal : kInterruptions) {
    if (!IsIgnored(signal)) sigaddset(&held_, signal);
  }
  pthread_sigmask(SIG_BLOCK, &held_, &previous_);
}

HeldInterruptions::~HeldInterruptions() { pthread_sigmask(SIG_SETMASK, &previous_, nullptr); }

bool HeldInterruptions::Requested() const {
  sigset_t pending;
  sigemptyset(&pending);
  if (sigpending(&pending) != 0) return false;
  for (const int signal : kInterruptions) {
    if (sigismember(&held_, signal) == 1 && sigismember(&pending, signal) == 1 &&
        sigismember(&previous_, signal) != 1) {
      return true;
    }
  }
  return false;
}

void HeldInterruptions::Forget() {
  sigset_t waiting;
  sigemptyset(&waiting);
  for (const int signal : kInterruptions) {
    if (sigismember(&previous_, signal) != 1 && sigismember(&held_, signal) == 1) sigaddset(&waiting, signal);
  }
  const timespec now{0, 0};
  while (sigtimedwait(&waiting, nullptr, &now) > 0) {
  }
}

}  // namespace soatnoma::cli
