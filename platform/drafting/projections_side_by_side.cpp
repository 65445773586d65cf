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
  auto work = [&] {
    for (size_t i = next++; i < batch.size(); i = next++) {
      try {
        batch[i]->Perform();
      } catch (...) {
        const std::lock_guard lock(failureLock);
        if (!failure) failure = std::current_exception();
      }
    }
  };
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
