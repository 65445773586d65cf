#include "platform/drafting/projection_workers.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <algorithm>

#include <Standard_Failure.hxx>

#include "platform/assemblies/located_shape.h"
#include "platform/drafting/content_stream.h"
#include "platform/drafting/hidden_line_projection.h"
#include "platform/geometry/body.h"
#include "platform/objects/session.h"

namespace platform::drafting {

namespace {

// Jobs handed to one worker ahead of its answers: enough to keep it busy while this
// process is busy elsewhere, few enough that a worker's death loses little.
constexpr std::size_t kJobsInFlight = 4;
constexpr std::uint32_t kFrameLimit = 1u << 30;
constexpr int kWorkerLimit = 64;

std::string Framed(const std::string& payload) {
  const auto size = static_cast<std::uint32_t>(payload.size());
  std::string frame(reinterpret_cast<const char*>(&size), sizeof size);
  return frame + payload;
}

// Worker side, blocking: false at the end of the stream or on an error.
bool ReadAll(int fd, char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t n = read(fd, data, size);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    data += n;
    size -= static_cast<std::size_t>(n);
  }
  return true;
}

bool SendAll(int fd, const std::string& bytes) {
  std::size_t at = 0;
  while (at < bytes.size()) {
    const ssize_t n = send(fd, bytes.data() + at, bytes.size() - at, MSG_NOSIGNAL);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    at += static_cast<std::size_t>(n);
  }
  return true;
}

[[noreturn]] void RunWorker(int fd) {
  prctl(PR_SET_PDEATHSIG, SIGKILL);  // never outlive the process it works for
  for (;;) {
    std::uint32_t size = 0;
    if (!ReadAll(fd, reinterpret_cast<char*>(&size), sizeof size) || size > kFrameLimit) _exit(0);
    std::string job(size, '\0');
    if (!ReadAll(fd, job.data(), size)) _exit(0);
    if (!SendAll(fd, Framed(ProjectEncodedJob(job)))) _exit(0);
  }
}

std::string EncodeJob(std::uint64_t ticket, const ProjectionJob& job) {
  StreamWriter out;
  out.U64(ticket);
  out.F64(job.scale);
  for (double v : job.orientation) out.F64(v);
  out.U32(static_cast<std::uint32_t>(job.bodies.size()));
  for (const auto& body : job.bodies) {
    out.U32(body.body);
    out.U64(static_cast<std::uint64_t>(static_cast<std::int64_t>(body.revision)));
    for (double v : body.placement.rotation) out.F64(v);
    for (double v : body.placement.translation) out.F64(v);
  }
  return out.Take();
}

std::string Answer(std::uint64_t ticket, const ViewContent* content, const std::string& failure) {
  StreamWriter out;
  out.U64(ticket);
  out.U8(content ? 1 : 0);
  if (content) WriteContent(out, *content);
  else out.Text(failure);
  return out.Take();
}

std::string Ended(pid_t pid) {
  int status = 0;
  std::string why = "projection worker " + std::to_string(pid);
  if (waitpid(pid, &status, 0) != pid) return why + " was lost";
  if (WIFSIGNALED(status)) return why + " was ended by signal " + std::to_string(WTERMSIG(status));
  return why + " stopped (exit status " + std::to_string(WEXITSTATUS(status)) + ")";
}

}  // namespace

std::string ProjectEncodedJob(const std::string& encoded) {
  std::uint64_t ticket = 0;
  try {
    StreamReader in(encoded);
    ticket = in.U64();
    const double scale = in.F64();
    std::array<double, 9> o{};
    for (double& v : o) v = in.F64();
    const std::uint32_t count = in.Count(4 + 8 + 12 * 8);
    std::vector<PlacedBody> placed;
    for (std::uint32_t i = 0; i < count; ++i) {
      const Tag tag = in.U32();
      const auto revision = static_cast<int>(static_cast<std::int64_t>(in.U64()));
      Transform placement;
      for (double& v : placement.rotation) v = in.F64();
      for (double& v : placement.translation) v = in.F64();
      auto* body = Session::Get().FindAs<Body>(tag);
      if (!body || body->Revision() != revision)
        return Answer(ticket, nullptr, "body " + std::to_string(tag) + " was made or changed after the worker started");
      placed.push_back({body->Shape(), ToTrsf(placement)});
    }
    if (!in.AtEnd()) throw StreamError("projection job: bytes after its end");
    const ModelView view{"", gp_Dir(o[6], o[7], o[8]), gp_Dir(o[0], o[1], o[2])};
    HiddenLineProjection projection(std::move(placed), view, scale, HlrMethod::Exact);
    if (!projection.Perform()) return Answer(ticket, nullptr, projection.Failure());
    return Answer(ticket, &projection.Content(), "");
  } catch (const Standard_Failure& e) {
    return Answer(ticket, nullptr, std::string("the modeller failed: ") + e.GetMessageString());
  } catch (const std::exception& e) {
    return Answer(ticket, nullptr, e.what());
  }
}

struct ProjectionWorkers::Worker {
  pid_t pid = -1;
  int fd = -1;
  std::string outbox, inbox;
  std::deque<std::uint64_t> inFlight;
};

ProjectionWorkers::ProjectionWorkers(int count) : count_(std::clamp(count, 0, kWorkerLimit)) {}

int ProjectionWorkers::DefaultCount() {
  if (const char* set = std::getenv("FABDOC_PROJECTION_WORKERS")) return std::clamp(std::atoi(set), 0, kWorkerLimit);
  const unsigned cores = std::thread::hardware_concurrency();
  return cores >= 2 ? static_cast<int>(std::min<unsigned>(cores, kWorkerLimit)) : 0;
}

void ProjectionWorkers::Start() {
  started_ = true;
  for (int i = 0; i < count_; ++i) {
    int ends[2];
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0) break;
    const pid_t pid = fork();
    if (pid < 0) {
      close(ends[0]);
      close(ends[1]);
      break;
    }
    if (pid == 0) {
      close(ends[0]);
      for (const auto& other : workers_) close(other->fd);
      RunWorker(ends[1]);
    }
    close(ends[1]);
    auto worker = std::make_unique<Worker>();
    worker->pid = pid;
    worker->fd = ends[0];
    workers_.push_back(std::move(worker));
  }
  if (workers_.empty()) return;
  if (pipe2(wake_, O_CLOEXEC | O_NONBLOCK) != 0) {
    for (auto& worker : workers_) {
      close(worker->fd);
      Ended(worker->pid);
    }
    workers_.clear();
    return;
  }
  server_ = std::thread([this] { Serve(); });
}

ProjectionWorkers::~ProjectionWorkers() {
  if (!server_.joinable()) return;
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  Wake();
  server_.join();
  for (auto& worker : workers_)
    if (worker->fd >= 0) {
      close(worker->fd);  // the worker reads the end of its stream and leaves
      Ended(worker->pid);
    }
  close(wake_[0]);
  close(wake_[1]);
}

void ProjectionWorkers::Wake() {
  const char byte = 1;
  [[maybe_unused]] const ssize_t n = write(wake_[1], &byte, 1);  // a full pipe wakes it as well
}

std::uint64_t ProjectionWorkers::Submit(const ProjectionJob& job) {
  if (!started_) Start();
  std::lock_guard lock(mutex_);
  bool anyAlive = false;
  for (const auto& worker : workers_) anyAlive = anyAlive || worker->fd >= 0;
  if (!anyAlive) return 0;
  const std::uint64_t ticket = nextTicket_++;
  queue_.emplace_back(ticket, EncodeJob(ticket, job));
  Wake();
  return ticket;
}

std::vector<int> ProjectionWorkers::WorkerPids() {
  std::lock_guard lock(mutex_);
  std::vector<int> pids;
  for (const auto& worker : workers_)
    if (worker->fd >= 0) pids.push_back(worker->pid);
  return pids;
}

ProjectionOutcome ProjectionWorkers::Wait(std::uint64_t ticket) {
  if (ticket == 0) return {std::nullopt, "no projection worker"};
  std::unique_lock lock(mutex_);
  arrived_.wait(lock, [&] { return done_.count(ticket) > 0; });
  ProjectionOutcome outcome = std::move(done_.at(ticket));
  done_.erase(ticket);
  return outcome;
}

// Called with the lock held.
void ProjectionWorkers::WorkerEnded(Worker& worker, const std::string& why) {
  close(worker.fd);
  worker.fd = -1;
  const std::string reason = why.empty() ? Ended(worker.pid) : why;
  for (std::uint64_t ticket : worker.inFlight) done_[ticket] = {std::nullopt, reason};
  worker.inFlight.clear();
  bool anyAlive = false;
  for (const auto& other : workers_) anyAlive = anyAlive || other->fd >= 0;
  if (!anyAlive) {
    for (const auto& [ticket, job] : queue_) done_[ticket] = {std::nullopt, reason};
    queue_.clear();
  }
  arrived_.notify_all();
}

void ProjectionWorkers::Serve() {
  std::vector<pollfd> fds;
  std::vector<Worker*> polled;
  char buffer[1 << 16];
  for (;;) {
    fds.assign(1, pollfd{wake_[0], POLLIN, 0});
    polled.clear();
    {
      std::lock_guard lock(mutex_);
      if (stopping_) return;
      // Each job to the least busy worker: a sheet's views come together and are waited
      // for together, so they must not all queue behind one worker.
      while (!queue_.empty()) {
        Worker* idlest = nullptr;
        for (auto& worker : workers_)
          if (worker->fd >= 0 && (!idlest || worker->inFlight.size() < idlest->inFlight.size())) idlest = worker.get();
        if (!idlest || idlest->inFlight.size() >= kJobsInFlight) break;
        idlest->outbox += Framed(queue_.front().second);
        idlest->inFlight.push_back(queue_.front().first);
        queue_.pop_front();
      }
      for (auto& worker : workers_) {
        if (worker->fd < 0) continue;
        fds.push_back({worker->fd, static_cast<short>(POLLIN | (worker->outbox.empty() ? 0 : POLLOUT)), 0});
        polled.push_back(worker.get());
      }
    }
    if (poll(fds.data(), fds.size(), -1) < 0 && errno != EINTR) {
      std::lock_guard lock(mutex_);
      for (Worker* worker : polled) {
        kill(worker->pid, SIGKILL);
        WorkerEnded(*worker, "");
      }
      return;
    }
    if (fds[0].revents & POLLIN)
      while (read(wake_[0], buffer, sizeof buffer) > 0) {
      }
    std::lock_guard lock(mutex_);
    for (std::size_t i = 0; i < polled.size(); ++i) {
      Worker& worker = *polled[i];
      const short events = fds[i + 1].revents;
      if (events & POLLOUT) {
        const ssize_t n = send(worker.fd, worker.outbox.data(), worker.outbox.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
        if (n > 0) worker.outbox.erase(0, static_cast<std::size_t>(n));
      }
      if (!(events & (POLLIN | POLLHUP | POLLERR))) continue;
      const ssize_t n = recv(worker.fd, buffer, sizeof buffer, MSG_DONTWAIT);
      if (n < 0 && (errno == EAGAIN || errno == EINTR)) continue;
      if (n <= 0) {
        WorkerEnded(worker, "");
        continue;
      }
      worker.inbox.append(buffer, static_cast<std::size_t>(n));
      std::uint32_t size = 0;
      while (worker.inbox.size() >= sizeof size) {
        std::memcpy(&size, worker.inbox.data(), sizeof size);
        if (worker.inbox.size() < sizeof size + size) break;
        const std::string_view answer(worker.inbox.data() + sizeof size, size);
        try {
          StreamReader in(answer);
          const std::uint64_t ticket = in.U64();
          if (worker.inFlight.empty() || worker.inFlight.front() != ticket)
            throw StreamError("an answer to a job it was not given");
          ProjectionOutcome outcome;
          if (in.U8()) outcome.content = ReadContent(in);
          else outcome.failure = in.Text();
          if (!in.AtEnd()) throw StreamError("bytes after an answer");
          worker.inFlight.pop_front();
          done_[ticket] = std::move(outcome);
        } catch (const StreamError& e) {
          kill(worker.pid, SIGKILL);
          WorkerEnded(worker, "projection worker " + std::to_string(worker.pid) + " sent a damaged answer (" +
                                  e.what() + ")");
          Ended(worker.pid);
          break;
        }
        worker.inbox.erase(0, sizeof size + size);
      }
      arrived_.notify_all();
    }
  }
}

}  // namespace platform::drafting
