// What a drawing view shows and draws: the bodies on its visible layers (component
// bodies at their assembly placement), their hidden-line projection computed on update
// and kept until the geometry, the layers or the view change.
#pragma once
#include <array>
#include <memory>
#include <optional>
#include <vector>

#include "platform/drafting/drawing.h"
#include "platform/drafting/projection_workers.h"
#include "platform/objects/part.h"

namespace platform::drafting {

// The part a view shows: its own for model and imported views, the model part for base
// views and their projections. HostError(NotFound) naming the part when it is not open.
Part& ShownPart(const DraftingView& view);
// Every body and body occurrence of that part that is not blanked and lies on a layer the
// view shows (all layers without a mask), or lies in a component on such a layer.
std::vector<Object*> ShownBodies(const DraftingView& view);

// Changed since its content was computed (or never computed).
bool IsOutOfDate(DraftingView& view);
// Computes the content again. HostError naming the view and its sheet when it shows no
// body any more (its bodies were deleted or lie on hidden layers) or the projection
// fails; the view keeps what it drew before. A view whose last bodies were erased from
// it draws nothing.
void UpdateView(DraftingView& view);
// Every out-of-date view of the sheet; a view that fails does not stop the others, the
// first failure is thrown once all were tried.
void UpdateOutOfDateViews(DrawingSheet& sheet);

// Stores the content a worker process computed for the view, waiting for it if need
// be; nothing when none is pending. A projection the worker could not give is made
// here; if that fails too the view stays out of date and keeps what it drew, and the
// failure is kept for WorkerProjections::Finish.
void Settle(const DraftingView& view);

// While one is alive, the exact projections of updated views are computed by worker
// processes (one per core) while this process goes on: an update returns once its
// views are handed over, and each view is settled when it is next read or updated, or
// at the latest by Finish. Polygonal projections are made here as before: they mesh the
// shapes, and later views reuse those meshes.
class WorkerProjections {
public:
  explicit WorkerProjections(int workers = ProjectionWorkers::DefaultCount());
  ~WorkerProjections();  // settles what is pending, then stops the workers
  WorkerProjections(const WorkerProjections&) = delete;
  WorkerProjections& operator=(const WorkerProjections&) = delete;
  // Settles every pending view; HostError naming the views that could not be projected.
  void Finish();
  std::vector<int> WorkerPids() { return workers_ ? workers_->WorkerPids() : std::vector<int>{}; }

private:
  std::unique_ptr<ProjectionWorkers> workers_;
};

// What the view draws, for reports: counts of visible and hidden curves and their
// extent on the sheet [xmin, ymin, xmax, ymax] (none before the first update). The
// content is drawn centred on the view's centre.
struct DrawnExtent {
  int visible = 0, hidden = 0;
  std::optional<std::array<double, 4>> box;
};
DrawnExtent DrawnExtentOf(const DraftingView& view);

}  // namespace platform::drafting
