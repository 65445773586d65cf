// What the browser asks of the host thread, in arrival order: queries answered between
// lines, and journal lines made on the host thread from what is on screen.
#pragma once
#include <condition_variable>
#include <deque>
#include <functional>
#include <future>
#include <mutex>
#include <optional>

#include <nlohmann/json.hpp>

#include "app/journal/journal.h"

namespace fabdoc::app::serve {

struct HostRequest {
  std::function<nlohmann::json()> query;         // set for a query
  std::function<journal::Line()> makeLine;       // set for a line; throws when it cannot be made
  std::promise<nlohmann::json> reply;
};

class RequestQueue {
public:
  void Push(HostRequest request);
  // The next request, or nullopt once Close() was called and nothing is left.
  std::optional<HostRequest> Take();
  // Wakes Take() for good; requests waiting or pushed afterwards are answered with an error.
  void Close();

private:
  std::mutex mutex_;
  std::condition_variable ready_;
  std::deque<HostRequest> requests_;
  bool closed_ = false;
};

// The reply of a request that was refused before it reached the session.
nlohmann::json ErrorReply(const std::string& message);

}  // namespace fabdoc::app::serve
