#pragma once
// Ctrl+C, a closed terminal or a request to terminate while a long batch is writing: the
// signals are held back while the batch runs and looked at after every teacher, so that
// the batch stops, removes its unfinished file, and only then lets the signal end the
// program as it would have. A signal the caller chose to ignore (nohup, a background job
// without Ctrl+C) stays ignored.

#include <signal.h>

namespace soatnoma::cli {

class HeldInterruptions {
 public:
  // Holds SIGINT, SIGTERM and SIGHUP, those not ignored, for this thread and the threads
  // it starts afterwards.
  HeldInterruptions();
  HeldInterruptions(const HeldInterruptions&) = delete;
  HeldInterruptions& operator=(const HeldInterruptions&) = delete;
  // Lets them through again: one that arrived meanwhile takes its usual effect now.
  ~HeldInterruptions();

  // Whether one of them has arrived.
  bool Requested() const;
  // Lets go of those that arrived too late to stop the work: it is done and stays done.
  void Forget();

 private:
  sigset_t held_{};
  sigset_t previous_{};
};

}  // namespace soatnoma::cli
