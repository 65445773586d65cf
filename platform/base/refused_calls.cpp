#include "platform/base/refused_calls.h"

#include <atomic>
#include <map>

#include "platform/base/host_error.h"

namespace platform {

namespace {

struct Refusal {
  std::string function;
  int nth = 0;
  std::map<std::string, int> seen;
};

std::atomic<Refusal*> armed{nullptr};

}  // namespace

void RefuseHostCall(const std::string& function, int nth) {
  StopRefusingHostCalls();
  armed.store(new Refusal{function, nth, {}});
}

void StopRefusingHostCalls() { delete armed.exchange(nullptr); }

std::map<std::string, int> HostCallsSeen() {
  Refusal* refusal = armed.load();
  return refusal ? refusal->seen : std::map<std::string, int>{};
}

void CheckHostCall(const char* function) {
  Refusal* refusal = armed.load(std::memory_order_relaxed);
  if (!refusal) return;
  const int count = ++refusal->seen[function];
  if (function == refusal->function && count == refusal->nth)
    throw HostError(HostStatus::ModellingFailed, std::string(function) + " was refused (on purpose, for a test)");
}

}  // namespace platform
