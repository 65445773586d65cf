#include "app/serve/request_queue.h"

namespace fabdoc::app::serve {

nlohmann::json ErrorReply(const std::string& message) { return {{"ok", false}, {"error", message}}; }

void RequestQueue::Push(HostRequest request) {
  {
    std::lock_guard lock(mutex_);
    if (!closed_) {
      requests_.push_back(std::move(request));
      ready_.notify_one();
      return;
    }
  }
  request.reply.set_value(ErrorReply("the session is closing"));
}

std::optional<HostRequest> RequestQueue::Take() {
  std::unique_lock lock(mutex_);
  ready_.wait(lock, [&] { return closed_ || !requests_.empty(); });
  if (requests_.empty()) return std::nullopt;
  HostRequest request = std::move(requests_.front());
  requests_.pop_front();
  return request;
}

void RequestQueue::Close() {
  std::deque<HostRequest> unanswered;
  {
    std::lock_guard lock(mutex_);
    closed_ = true;
    unanswered.swap(requests_);
    ready_.notify_all();
  }
  for (auto& request : unanswered) request.reply.set_value(ErrorReply("the session is closing"));
}

}  // namespace fabdoc::app::serve
