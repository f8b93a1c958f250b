#include "cli/held_interruptions.h"

#include <pthread.h>

#include <array>

namespace soatnoma::cli {
namespace {

constexpr std::array kInterruptions = {SIGINT, SIGTERM, SIGHUP};

}  // namespace

HeldInterruptions::HeldInterruptions() {
  sigemptyset(&held_);
  for (const int signal : kInterruptions) sigaddset(&held_, signal);
  pthread_sigmask(SIG_BLOCK, &held_, &previous_);
}

HeldInterruptions::~HeldInterruptions() { pthread_sigmask(SIG_SETMASK, &previous_, nullptr); }

bool HeldInterruptions::Requested() const {
  sigset_t pending;
  sigemptyset(&pending);
  if (sigpending(&pending) != 0) return false;
  for (const int signal : kInterruptions) {
    if (sigismember(&pending, signal) == 1 && sigismember(&previous_, signal) != 1) return true;
  }
  return false;
}

}  // namespace soatnoma::cli
