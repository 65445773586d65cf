// The child reports on a pipe: one '+' per item it passed, then either nothing (all
// passed) or '!' and why the item after the last '+' is refused.
#include "platform/files/isolated_run.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <exception>
#include <fstream>
#include <new>
#include <sys/mman.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <Standard_Failure.hxx>
#include <Standard_OutOfMemory.hxx>

#include "platform/files/write_all.h"
#include "platform/geometry/caught_error.h"

#if defined(__SANITIZE_ADDRESS__)
#define FABDOC_ADDRESS_SANITIZER 1
#endif

namespace platform::files {

namespace {

#ifndef FABDOC_ADDRESS_SANITIZER
std::size_t AddressSpaceInUse() {
  std::ifstream statm("/proc/self/statm");
  std::size_t pages = 0;
  statm >> pages;
  return pages * static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
}
#endif

constexpr const char* kTooMuchMemory = "reading it needs more memory than any sound file would";

// One line of text, whatever the reader put in its message.
std::string OneLine(std::string text) {
  for (char& c : text)
    if (c == '\n' || c == '\r') c = ' ';
  const auto first = text.find_first_not_of(' ');
  return first == std::string::npos ? std::string() : text.substr(first, text.find_last_not_of(' ') + 1 - first);
}

// Why `check` refused its item, or empty; what it throws counts as a refusal.
std::string Checked(const std::function<std::string(std::size_t)>& check, std::size_t item) {
  std::string why;
  try {
    why = check(item);
  } catch (const std::bad_alloc&) {
    why = kTooMuchMemory;
  } catch (const Standard_OutOfMemory&) {
    why = kTooMuchMemory;
  } catch (const Standard_Failure& e) {
    why = FailureText(e);
  } catch (const std::exception& e) {
    why = e.what();
  } catch (...) {
    why = "the reader failed";
  }
  return why;
}

[[noreturn]] void RunChild(int fd, std::size_t count, const std::function<std::string(std::size_t)>& check,
                           const IsolationLimits& limits, pid_t host) {
  // A host that dies (killed, crashed) takes its reader along: it would otherwise go on
  // alone for the rest of its budget, minutes for a large file.
  ::prctl(PR_SET_PDEATHSIG, SIGKILL);
  if (::getppid() != host) ::_exit(1);  // the host died before the line above
  ::alarm(limits.seconds);
  if (limits.processorSeconds > 0) {
    // The hard limit a second later: at an equal one the kernel sends SIGKILL, not
    // SIGXCPU, and a child out of time would be reported as crashed.
    const rlimit processor{limits.processorSeconds, limits.processorSeconds + 1};
    ::setrlimit(RLIMIT_CPU, &processor);
  }
#ifndef FABDOC_ADDRESS_SANITIZER
  // The address sanitizer reserves terabytes of shadow memory up front: under it any
  // limit would stop every child, so a sanitizer build relies on the time budget alone.
  const rlim_t cap = AddressSpaceInUse() + limits.extraMemory;
  const rlimit limit{cap, cap};
  ::setrlimit(RLIMIT_AS, &limit);
#endif
  for (std::size_t item = 0; item < count; ++item) {
    if (std::string why = OneLine(Checked(check, item)); !why.empty()) {
      WriteAll(fd, "!" + why);
      break;
    }
    if (!WriteAll(fd, "+")) break;  // the host stopped listening
  }
  ::close(fd);
  ::_exit(0);  // no destructors or atexit handlers of the host in the child
}

constexpr const char* kCannotStart = "cannot start a reader process (";

// Reads the child's report as it comes; knows how many items passed and whether it ended.
class Report {
public:
  explicit Report(int fd) : fd_(fd) {}
  std::size_t Passed() const { return passed_; }
  bool Ended() const { return ended_; }
  const std::optional<std::string>& Refusal() const { return refusal_; }
  // Blocks until more is known.
  void Next() {
    char buf[512];
    const ssize_t n = ::read(fd_, buf, sizeof buf);
    if (n < 0 && errno == EINTR) return;
    if (n <= 0) {
      ended_ = true;
      return;
    }
    for (ssize_t i = 0; i < n; ++i) {
      if (refusal_) refusal_->push_back(buf[i]);
      else if (buf[i] == '+') ++passed_;
      else refusal_ = std::string(buf + i + 1, buf + n), i = n;
    }
  }

private:
  int fd_;
  std::size_t passed_ = 0;
  bool ended_ = false;
  std::optional<std::string> refusal_;
};

// How the child ended, as a reason; nothing for a clean exit.
std::optional<std::string> Death(int status, const IsolationLimits& limits) {
  if (WIFEXITED(status) && WEXITSTATUS(status) == 0) return std::nullopt;
  if (WIFSIGNALED(status)) {
    const int sig = WTERMSIG(status);
    if (sig == SIGALRM) return "reading it did not finish in " + std::to_string(limits.seconds) + " s";
    if (sig == SIGXCPU && limits.processorSeconds > 0)
      return "reading it took more than " + std::to_string(limits.processorSeconds) + " s of processor time";
    return std::string("the reader crashed on it (") + ::strsignal(sig) + ")";
  }
  return std::string("the reader stopped on it");
}

// Kills and reaps the child when the host leaves early (a failure or an exception).
struct ChildGuard {
  pid_t pid;
  int fd;
  int status = 0;
  bool reaped = false;
  int Wait() {
    ::close(fd);
    fd = -1;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    reaped = true;
    return status;
  }
  ~ChildGuard() {
    if (reaped) return;
    ::kill(pid, SIGKILL);
    Wait();
  }
};

}  // namespace

std::optional<std::string> UseItemsCheckedInIsolation(std::size_t count,
                                                      const std::function<std::string(std::size_t)>& checkItem,
                                                      const std::function<void(std::size_t)>& useItem,
                                                      const IsolationLimits& limits, std::size_t* failedItem) {
  if (count == 0) return std::nullopt;
  int fds[2];
  if (::pipe(fds) != 0) return std::string(kCannotStart) + std::strerror(errno) + ")";
  const pid_t host = ::getpid();
  const pid_t child = ::fork();
  if (child < 0) {
    ::close(fds[0]);
    ::close(fds[1]);
    return std::string(kCannotStart) + std::strerror(errno) + ")";
  }
  if (child == 0) {
    ::close(fds[0]);
    RunChild(fds[1], count, checkItem, limits, host);
  }
  ::close(fds[1]);
  ChildGuard guard{child, fds[0]};
  Report report(fds[0]);
  std::size_t used = 0;
  while (used < count && !report.Refusal()) {
    if (used < report.Passed()) useItem(used++);
    else if (report.Ended()) break;
    else report.Next();
  }
  while (!report.Ended()) report.Next();  // the rest of a refusal, or the end
  const int status = guard.Wait();
  if (failedItem) *failedItem = report.Passed();
  if (report.Refusal()) return report.Refusal()->empty() ? std::string("the reader failed") : *report.Refusal();
  if (auto death = Death(status, limits)) return death;
  if (used < count) return std::string("the reader stopped on it");
  return std::nullopt;
}

std::optional<std::string> FailureInIsolation(const std::function<std::string()>& check,
                                              const IsolationLimits& limits) {
  return UseItemsCheckedInIsolation(
      1, [&](std::size_t) { return check(); }, [](std::size_t) {}, limits);
}

std::optional<std::string> FailureInIsolation(const std::function<std::string(std::string& result)>& work,
                                              std::string& handedBack, const IsolationLimits& limits) {
  // Memory, not a file: nothing is left behind, whatever kills either process. The
  // child's writes move the offset both share; the host reads from the start.
  const int fd = ::memfd_create("fabdoc-handed-back", MFD_CLOEXEC);
  if (fd < 0) return std::string(kCannotStart) + std::strerror(errno) + ")";
  auto check = [&] {
    std::string result;
    std::string why = work(result);
    if (why.empty() && !WriteAll(fd, result)) why = std::string("cannot hand the result back (") + std::strerror(errno) + ")";
    return why;
  };
  auto failure = FailureInIsolation(check, limits);
  if (!failure) {
    struct stat status;
    if (::fstat(fd, &status) != 0) failure = std::string("cannot read the result back (") + std::strerror(errno) + ")";
    else {
      handedBack.resize(static_cast<std::size_t>(status.st_size));
      std::size_t done = 0;
      while (done < handedBack.size()) {
        const ssize_t n = ::pread(fd, handedBack.data() + done, handedBack.size() - done, static_cast<off_t>(done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        done += static_cast<std::size_t>(n);
      }
      if (done != handedBack.size()) failure = "cannot read the result back";
    }
  }
  ::close(fd);
  return failure;
}

}  // namespace platform::files
