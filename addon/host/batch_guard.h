// A long batch's hold on the host: the C interface, the progress bar and, where the
// batch lets the user abort, the abort request. However the batch ends, by return or
// by an exception, the bar is removed and the work view fitted, aborting is disabled
// and the displayed part is made the work part again, in the host's order.
#pragma once
#include "host/uf_session.h"

namespace kzt {

class BatchGuard {
public:
  // Always: the batch ends with the displayed part as the work part. OnFailure: only
  // when an exception ends it (the batch restores it itself where it should).
  enum class RestoreWorkPart { Always, OnFailure };

  // Initialises the C interface and creates the bar (not shown yet).
  explicit BatchGuard(RestoreWorkPart restore);
  ~BatchGuard();
  BatchGuard(const BatchGuard&) = delete;
  BatchGuard& operator=(const BatchGuard&) = delete;

  long progress() const { return progress_; }
  // Clears a pending abort request and lets the user abort until the guard ends.
  void enable_abort();

private:
  UfSession uf_;  // first made, last closed
  long progress_ = 0;
  RestoreWorkPart restore_;
  int exceptionsAtStart_ = 0;
  bool abortEnabled_ = false;
};

}  // namespace kzt
