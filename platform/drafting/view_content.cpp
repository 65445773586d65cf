#include "platform/drafting/view_content.h"

#include <functional>
#include <memory>

#include "platform/assemblies/occurrence.h"
#include "platform/assemblies/occurrences.h"
#include "platform/drafting/hidden_line_projection.h"
#include "platform/drafting/projections_side_by_side.h"
#include "platform/drafting/rescaled_content.h"
#include "platform/drafting/sheet_drawing.h"
#include "platform/drafting/sheets.h"
#include "platform/drafting/view_edits.h"
#include "platform/assemblies/located_shape.h"
#include "platform/geometry/body.h"
#include "platform/base/host_error.h"
#include "platform/objects/session.h"
#include "platform/text/gbk.h"
#include "platform/text/shown_path.h"

namespace platform::drafting {

namespace {

std::string Named(const DraftingView& view) {
  std::string what = "view \"" + text::ToUtf8Lossy(view.name) + "\"";
  if (view.owner && view.kind != ViewKind::Model)
    if (auto* sheet = dynamic_cast<DrawingSheet*>(view.owner->FindByPid(view.sheetPid)))
      what += " on sheet \"" + text::ToUtf8Lossy(sheet->name) + "\"";
  return what;
}

bool OnShownLayer(const DraftingView& view, int layer) {
  return layer >= 1 && layer <= kLayerCount && (*view.layers)[layer - 1];
}

// A component on a shown layer shows whole, whatever layers its bodies lie on: a
// component is moved to a layer to show or hide it (layer mode's waiting layer 90 holds
// components whose bodies never leave layer 1). Bodies on a shown layer show too, so a
// part's own layer still shows that body alone.
bool InShownComponent(const DraftingView& view, const Object& body) {
  const auto* occurrence = dynamic_cast<const BodyOccurrence*>(&body);
  if (!occurrence) return false;
  const Session& session = Session::Get();
  for (Tag tag = occurrence->component; tag != kNullTag;) {
    auto* component = session.FindAs<ComponentOccurrence>(tag);
    if (!component || !component->IsOccurrence()) return false;  // the root part shows by its bodies only
    if (OnShownLayer(view, session.DisplayOf(*component).layer)) return true;
    tag = component->parent;
  }
  return false;
}

bool Shows(const DraftingView& view, Object& body) {
  const Display& display = Session::Get().DisplayOf(body);
  if (display.blanked || IsErased(view, body)) return false;
  return !view.layers || OnShownLayer(view, display.layer) || InShownComponent(view, body);
}

void Mix(std::size_t& seed, std::size_t value) { seed ^= value + 0x9e3779b97f4a7c15ull + (seed << 6) + (seed >> 2); }
void MixDouble(std::size_t& seed, double value) { Mix(seed, std::hash<double>()(value)); }

// A digest of what the content's shape depends on: everything but the scale.
std::size_t GeometryOf(const DraftingView& view, const std::vector<Object*>& bodies) {
  std::size_t seed = 0;
  for (double v : view.orientation) MixDouble(seed, v);
  for (Object* object : bodies) {
    Mix(seed, object->GetTag());
    Mix(seed, static_cast<std::size_t>(BodyOf(*object).Revision()));
    const Transform placement = PlacementOf(*object);
    for (double v : placement.rotation) MixDouble(seed, v);
    for (double v : placement.translation) MixDouble(seed, v);
  }
  return seed;
}

// A digest of everything the content depends on.
std::size_t InputsOf(std::size_t geometry, double scale) {
  std::size_t seed = geometry;
  MixDouble(seed, scale);
  return seed;
}

ModelView Direction(const DraftingView& view) {
  const auto& o = view.orientation;
  return ModelView{"", gp_Dir(o[6], o[7], o[8]), gp_Dir(o[0], o[1], o[2])};
}

}  // namespace

Part& ShownPart(const DraftingView& view) {
  if (view.modelPartPath.empty()) return *view.owner;
  if (Part* part = Session::Get().FindPartByPath(view.modelPartPath)) return *part;
  throw HostError(HostStatus::NotFound, Named(view) + " shows part " + ShownPath(view.modelPartPath) +
                                            ", which is not open");
}

std::vector<Object*> ShownBodies(const DraftingView& view) {
  Part& part = ShownPart(view);
  std::vector<Object*> bodies;
  for (Object* object : part.ObjectsOfType(kSolidType))
    if (auto* body = dynamic_cast<Body*>(object); body && Shows(view, *body)) bodies.push_back(body);
  for (Object* object : Occurrences::Get().AllOccurrences(part))
    if (dynamic_cast<BodyOccurrence*>(object) && Shows(view, *object)) bodies.push_back(object);
  return bodies;
}

bool IsOutOfDate(DraftingView& view) {
  Settle(view);
  if (view.outOfDate || !view.content) return true;
  std::vector<Object*> bodies;
  try {
    bodies = ShownBodies(view);
  } catch (const HostError&) {
    return true;  // its part is gone: updating it will say so
  }
  const std::size_t inputs = InputsOf(GeometryOf(view, bodies), view.scale);
  if (!view.contentInputs) view.contentInputs = inputs;  // loaded content shows the model as loaded
  return *view.contentInputs != inputs;
}

// A view's projection handed to a worker, with what it takes to make it here instead.
struct PendingContent {
  std::uint64_t ticket = 0;
  ProjectedFrom from;
  std::vector<PlacedBody> placed;
  ModelView direction;
};

namespace {

// The workers of the live WorkerProjections, the views handed to them since it began,
// and the views that could be projected neither there nor here.
ProjectionWorkers* activeWorkers = nullptr;
std::vector<Tag> handedOver;
std::vector<std::string> unprojected;

// One view's update: what it shows, read on this thread, and the projection (or the
// reduction of what it drew) that will draw it, here or in a worker.
struct Update {
  DraftingView* view;
  std::vector<Object*> bodies;
  ProjectedFrom from;
  ModelView direction;
  std::unique_ptr<HiddenLineProjection> projection;
  std::shared_ptr<const ViewContent> content;
  bool projected = false;  // the content is a projection of `from` (or a reduction of one)
  std::shared_ptr<PendingContent> pending;
};

// Hands an exact projection to the workers; false when there are none to take it.
bool HandOver(Update& update, const std::vector<PlacedBody>& placed) {
  if (!activeWorkers || update.projection->Method() != HlrMethod::Exact) return false;
  ProjectionJob job;
  for (Object* object : update.bodies) {
    const Body& body = BodyOf(*object);
    job.bodies.push_back({body.GetTag(), body.Revision(), PlacementOf(*object)});
  }
  job.orientation = update.view->orientation;
  job.scale = update.view->scale;
  const std::uint64_t ticket = activeWorkers->Submit(job);
  if (ticket == 0) return false;
  update.pending = std::make_shared<PendingContent>(PendingContent{ticket, update.from, placed, update.direction});
  update.projection.reset();
  return true;
}

// A reduction of the view's own projection, when its scale is all that changed.
std::shared_ptr<const ViewContent> RescaledIfOnlyTheScaleChanged(const DraftingView& view, const ProjectedFrom& now) {
  const std::optional<ProjectedFrom>& was = view.projectedFrom;
  if (!view.content || !was || was->geometry != now.geometry || !(now.scale <= was->scale)) return nullptr;
  return std::make_shared<const ViewContent>(Rescaled(*view.content, now.scale / was->scale));
}

Update Prepare(DraftingView& view) {
  Settle(view);
  Update update{&view, ShownBodies(view), {}, {}, nullptr, nullptr, false, nullptr};
  if (update.bodies.empty() && !view.erased.empty()) {
    // Every body it would show was erased from it: the user asked for an empty view.
    update.from = {GeometryOf(view, update.bodies), view.scale};
    update.content = std::make_shared<const ViewContent>();
    return update;
  }
  if (update.bodies.empty())
    throw HostError(HostStatus::NoGeometry, Named(view) + " shows no body: the bodies it showed were deleted or "
                                                          "lie on layers it hides");
  update.from = {GeometryOf(view, update.bodies), view.scale};
  update.content = RescaledIfOnlyTheScaleChanged(view, update.from);
  update.projected = update.content != nullptr;
  if (update.content) return update;
  std::vector<PlacedBody> placed;
  for (Object* object : update.bodies) placed.push_back({BodyOf(*object).Shape(), ToTrsf(PlacementOf(*object))});
  update.direction = Direction(view);
  update.projection = std::make_unique<HiddenLineProjection>(placed, update.direction, view.scale);
  HandOver(update, placed);
  return update;
}

void Commit(Update& update) {
  DraftingView& view = *update.view;
  if (update.projection) {
    if (!update.projection->IsDone())
      throw HostError(HostStatus::ModellingFailed,
                      Named(view) + " could not be projected: " + update.projection->Failure());
    update.content = std::make_shared<const ViewContent>(update.projection->Content());
    update.projected = true;
  }
  view.outOfDate = false;
  view.owner->modified = true;
  if (update.pending) {
    // Stored when settled; a change made meanwhile marks the view out of date again.
    view.pending = update.pending;
    handedOver.push_back(view.GetTag());
    return;
  }
  view.content = update.content;
  view.projectedFrom = update.projected ? std::optional(update.from) : std::nullopt;
  view.contentInputs = InputsOf(update.from.geometry, update.from.scale);
}

// Prepares every view (in order), projects them side by side, then stores each result in
// order; a view that fails keeps what it drew, and the first failure is thrown at the end.
void UpdateViews(const std::vector<DraftingView*>& views) {
  std::optional<HostError> first;
  std::vector<Update> updates;
  for (DraftingView* view : views) {
    try {
      updates.push_back(Prepare(*view));
    } catch (const HostError& e) {
      if (!first) first = e;
    }
  }
  std::vector<HiddenLineProjection*> projections;
  for (Update& update : updates)
    if (update.projection) projections.push_back(update.projection.get());
  PerformSideBySide(projections);
  for (Update& update : updates) {
    try {
      Commit(update);
    } catch (const HostError& e) {
      if (!first) first = e;
    }
  }
  if (first) throw *first;
}

}  // namespace

void UpdateView(DraftingView& view) { UpdateViews({&view}); }

void UpdateOutOfDateViews(DrawingSheet& sheet) {
  std::vector<DraftingView*> outOfDate;
  for (DraftingView* view : ViewsOf(sheet))
    if (IsOutOfDate(*view)) outOfDate.push_back(view);
  UpdateViews(outOfDate);
}

void Settle(const DraftingView& shown) {
  if (!shown.pending) return;
  // The content was decided when the view was updated: storing it changes what the view
  // holds, not what it shows.
  auto& view = const_cast<DraftingView&>(shown);
  const std::shared_ptr<PendingContent> pending = std::move(view.pending);
  view.pending.reset();
  ProjectionOutcome outcome = activeWorkers ? activeWorkers->Wait(pending->ticket) : ProjectionOutcome{};
  if (!outcome.content) {
    HiddenLineProjection here(pending->placed, pending->direction, pending->from.scale);
    if (!here.Perform()) {
      view.outOfDate = true;
      unprojected.push_back(Named(view) + " could not be projected: " + here.Failure());
      return;
    }
    outcome.content = here.Content();
  }
  view.content = std::make_shared<const ViewContent>(std::move(*outcome.content));
  view.projectedFrom = pending->from;
  view.contentInputs = InputsOf(pending->from.geometry, pending->from.scale);
}

namespace {

void SettleHandedOver() {
  for (Tag tag : handedOver)
    if (auto* view = Session::Get().FindAs<DraftingView>(tag)) Settle(*view);
  handedOver.clear();
}

}  // namespace

WorkerProjections::WorkerProjections(int workers) {
  if (activeWorkers || workers <= 0) return;  // the outer one serves
  workers_ = std::make_unique<ProjectionWorkers>(workers);
  activeWorkers = workers_.get();
}

WorkerProjections::~WorkerProjections() {
  if (!workers_) return;
  SettleHandedOver();
  unprojected.clear();
  activeWorkers = nullptr;
}

void WorkerProjections::Finish() {
  if (!workers_) return;
  SettleHandedOver();
  if (unprojected.empty()) return;
  std::string message = unprojected.front();
  if (unprojected.size() > 1) message += " (and " + std::to_string(unprojected.size() - 1) + " more views)";
  unprojected.clear();
  throw HostError(HostStatus::ModellingFailed, message);
}

DrawnExtent DrawnExtentOf(const DraftingView& view) {
  Settle(view);
  DrawnExtent extent;
  if (!view.content) return extent;
  extent.visible = static_cast<int>(view.content->visible.size());
  extent.hidden = static_cast<int>(view.content->hidden.size());
  const Box2& box = view.content->box;
  if (!box.empty) {
    const Point2 origin = OriginForCentre(*view.content, {view.center[0], view.center[1]});
    extent.box = std::array<double, 4>{box.xmin + origin.x, box.ymin + origin.y, box.xmax + origin.x, box.ymax + origin.y};
  }
  return extent;
}

}  // namespace platform::drafting
