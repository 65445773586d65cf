#pragma once
// Runs a risky piece of reading in a short-lived child process first, so that a reader
// that crashes, hangs or eats memory on hostile bytes takes down the child, not the host.
#include <cstddef>
#include <functional>
#include <optional>
#include <string>

namespace platform::files {

struct IsolationLimits {
  unsigned seconds = 10;                   // wall-clock budget of the child
  unsigned processorSeconds = 0;           // processor-time budget, 0 for none: a loop is
                                           // caught however busy the machine is
  std::size_t extraMemory = 1ull << 30;    // address space the child may add to what it has
};

// Runs `check` in a forked child. It returns an empty string when the input is sound,
// otherwise why not. Returns nothing when the child said the input is sound, else the
// reason: the child's own, or how it died (signal, time, memory).
std::optional<std::string> FailureInIsolation(const std::function<std::string()>& check,
                                              const IsolationLimits& limits = {});

// The same, for work whose result the host wants rather than redoes: `work` fills
// `result` in the child, and on success those bytes arrive in `handedBack`. They come
// from a child that read hostile input: the caller reads them as such.
std::optional<std::string> FailureInIsolation(const std::function<std::string(std::string& result)>& work,
                                              std::string& handedBack, const IsolationLimits& limits = {});

// The same for `count` items checked in order, `checkItem(i)` in the child, while this
// process calls `useItem(i)` for each item as soon as the child has passed it: the two
// overlap. Items are used in order and only after their check; on a failure no further
// item is used and the reason is returned (the items used so far are the caller's to
// drop). An exception from `useItem` stops the child and goes to the caller. On a
// failure `failedItem`, when given, is the item the child refused or died on.
std::optional<std::string> UseItemsCheckedInIsolation(std::size_t count,
                                                      const std::function<std::string(std::size_t)>& checkItem,
                                                      const std::function<void(std::size_t)>& useItem,
                                                      const IsolationLimits& limits = {},
                                                      std::size_t* failedItem = nullptr);

}  // namespace platform::files
