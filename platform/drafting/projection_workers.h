// Exact view projections computed in worker processes forked from this one, one per
// core: OCCT's outliner keeps statics, so threads of one process cannot share that work,
// while each process has its own. A worker finds the bodies in its own copy of the
// session (by tag and geometry revision), projects, and hands the curves back as a
// compact binary stream (content_stream.h). A job a worker cannot do (a body made or
// changed after the fork, a modeller failure, a worker that died) comes back as failed,
// never as an empty view: the caller then projects it itself.
#pragma once
#include <array>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "platform/drafting/view_curves.h"
#include "platform/objects/tag.h"
#include "platform/objects/transform.h"

namespace platform::drafting {

// A view's projection as a worker sees it.
struct ProjectionJob {
  struct PlacedTag {
    Tag body = kNullTag;  // a Body of the session
    int revision = 0;     // its geometry revision when the job was made
    Transform placement;
  };
  std::vector<PlacedTag> bodies;
  std::array<double, 9> orientation{};  // the view's X, Y and Z in model directions, as rows
  double scale = 1;
};

// One job's outcome: the content, or why the worker could not give it.
struct ProjectionOutcome {
  std::optional<ViewContent> content;
  std::string failure;
};

class ProjectionWorkers {
public:
  // `count` workers, forked at the first Submit (so they see the session as it is then).
  explicit ProjectionWorkers(int count);
  ~ProjectionWorkers();  // workers told to stop and waited for; jobs not yet back are lost
  ProjectionWorkers(const ProjectionWorkers&) = delete;
  ProjectionWorkers& operator=(const ProjectionWorkers&) = delete;

  // A ticket for Wait; 0 when there are no workers (none asked for, or all died).
  std::uint64_t Submit(const ProjectionJob& job);
  // Blocks until the job is back (or its worker gone).
  ProjectionOutcome Wait(std::uint64_t ticket);

  // The workers' process ids (none before the first Submit).
  std::vector<int> WorkerPids();

  // One per core, or FABDOC_PROJECTION_WORKERS when set (0: none); none on one core.
  static int DefaultCount();

private:
  struct Worker;
  void Start();
  void Serve();  // the thread that feeds the workers and collects what they send back
  void Wake();
  void WorkerEnded(Worker& worker, const std::string& why);

  int count_;
  bool started_ = false;
  std::vector<std::unique_ptr<Worker>> workers_;
  int wake_[2] = {-1, -1};
  std::thread server_;
  std::mutex mutex_;
  std::condition_variable arrived_;
  bool stopping_ = false;
  std::uint64_t nextTicket_ = 1;
  std::deque<std::pair<std::uint64_t, std::string>> queue_;  // ticket, encoded job
  std::map<std::uint64_t, ProjectionOutcome> done_;
};

// Run in a worker: the job's projection, as the stream a worker answers with.
std::string ProjectEncodedJob(const std::string& job);

}  // namespace platform::drafting
