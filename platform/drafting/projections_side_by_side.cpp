#include "platform/drafting/projections_side_by_side.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
#include <thread>

namespace platform::drafting {

namespace {

// Runs every projection of `batch` on up to `threads` threads.
void PerformOnThreads(const std::vector<HiddenLineProjection*>& batch, unsigned threads) {
  std::atomic<size_t> next{0};
  std::exception_ptr failure;
  std::mutex failureLock;
  auto perform = [&](size_t i) {
    try {
      batch[i]->Perform();
    } catch (...) {
      const std::lock_guard lock(failureLock);
      if (!failure) failure = std::current_exception();
    }
  };
  auto work = [&] {
    for (size_t i = next++; i < batch.size(); i = next++) perform(i);
  };
  // OCCT sets up some of its statics on first use without a lock; two threads meeting
  // there leave one copy unowned. The process's first shared projection runs alone.
  static std::once_flag firstAlone;
  if (threads > 1 && !batch.empty()) std::call_once(firstAlone, [&] { perform(next++); });
  std::vector<std::thread> helpers;
  for (unsigned t = 1; t < threads; ++t) helpers.emplace_back(work);
  work();
  for (std::thread& helper : helpers) helper.join();
  if (failure) std::rethrow_exception(failure);
}

}  // namespace

void PerformSideBySide(const std::vector<HiddenLineProjection*>& projections) {
  std::vector<HiddenLineProjection*> together, alone;
  for (HiddenLineProjection* projection : projections)
    (projection->RunsAlongsideOthers() ? together : alone).push_back(projection);
  const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
  PerformOnThreads(together, static_cast<unsigned>(std::min<size_t>(cores, together.size())));
  PerformOnThreads(alone, 1);
}

}  // namespace platform::drafting
