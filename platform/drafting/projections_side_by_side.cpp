#include "platform/drafting/projections_side_by_side.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
#include <thread>

namespace platform::drafting {

namespace {

// Runs every projection of `batch` on up to `threads` threads; the first one alone when
// `first` is given and not yet spent.
void PerformOnThreads(const std::vector<HiddenLineProjection*>& batch, unsigned threads, std::once_flag* first) {
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
  if (first && threads > 1 && !batch.empty()) std::call_once(*first, [&] { perform(next++); });
  std::vector<std::thread> helpers;
  for (unsigned t = 1; t < threads; ++t) helpers.emplace_back(work);
  work();
  for (std::thread& helper : helpers) helper.join();
  if (failure) std::rethrow_exception(failure);
}

unsigned Threads(size_t projections) {
  // Asked once: the answer is read from the system's files each time.
  static const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
  return static_cast<unsigned>(std::min<size_t>(cores, projections));
}

}  // namespace

void PerformSideBySide(const std::vector<HiddenLineProjection*>& projections) {
  // The exact algorithm sets up some of OCCT's statics on first use without a lock; two
  // threads meeting there leave one copy unowned, so the process's first one runs alone.
  // Helgrind finds no such thing in the polygonal algorithm over meshed shapes.
  static std::once_flag firstExact;
  std::vector<HiddenLineProjection*> together, alone;
  for (HiddenLineProjection* projection : projections)
    (projection->RunsAlongsideOthers() ? together : alone).push_back(projection);
  PerformOnThreads(together, Threads(together.size()), &firstExact);
  // The rest in their order; a run of polygonal projections at one fineness (the views
  // of a general-arrangement sheet) shares the cores once its shapes are meshed.
  for (size_t i = 0; i < alone.size();) {
    size_t end = i + 1;
    if (alone[i]->Method() == HlrMethod::Polygonal)
      while (end < alone.size() && alone[end]->Method() == HlrMethod::Polygonal &&
             alone[end]->MeshDeflection() == alone[i]->MeshDeflection())
        ++end;
    const std::vector<HiddenLineProjection*> run(alone.begin() + i, alone.begin() + end);
    for (HiddenLineProjection* projection : run) projection->MeshShapes();
    PerformOnThreads(run, Threads(run.size()), nullptr);
    i = end;
  }
}

}  // namespace platform::drafting
