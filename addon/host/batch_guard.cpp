// Restoring the host's state at the end of a batch.
#include "host/batch_guard.h"

#include <exception>

#include <uf_abort.h>
#include <uf_assem.h>
#include <uf_part.h>

#include "host/progress_bar.h"

namespace kzt {

BatchGuard::BatchGuard(RestoreWorkPart restore)
    : progress_(progress_create()), restore_(restore), exceptionsAtStart_(std::uncaught_exceptions()) {}

BatchGuard::~BatchGuard() {
  progress_delete(progress_);
  finish_batch_display();
  if (abortEnabled_) UF_ABORT_disable_abort();
  const bool failed = std::uncaught_exceptions() > exceptionsAtStart_;
  if (restore_ == RestoreWorkPart::Always || failed) UF_ASSEM_set_work_part(UF_PART_ask_display_part());
}

void BatchGuard::enable_abort() {
  UF_ABORT_clear_abort();
  UF_ABORT_enable_abort();
  abortEnabled_ = true;
}

}  // namespace kzt
