#include "platform/drafting/view_content.h"

#include <functional>

#include "platform/assemblies/occurrence.h"
#include "platform/assemblies/occurrences.h"
#include "platform/drafting/hidden_line_projection.h"
#include "platform/drafting/sheet_drawing.h"
#include "platform/drafting/sheets.h"
#include "platform/drafting/view_edits.h"
#include "platform/assemblies/located_shape.h"
#include "platform/base/host_error.h"
#include "platform/objects/session.h"
#include "platform/text/gbk.h"

namespace platform::drafting {

namespace {

std::string Named(const DraftingView& view) {
  std::string what = "view \"" + text::ToUtf8Lossy(view.name) + "\"";
  if (view.owner && view.kind != ViewKind::Model)
    if (auto* sheet = dynamic_cast<DrawingSheet*>(view.owner->FindByPid(view.sheetPid)))
      what += " on sheet \"" + text::ToUtf8Lossy(sheet->name) + "\"";
  return what;
}

bool Shows(const DraftingView& view, Object& body) {
  const Display& display = Session::Get().DisplayOf(body);
  if (display.blanked || IsErased(view, body)) return false;
  return !view.layers || (display.layer >= 1 && display.layer <= kLayerCount && (*view.layers)[display.layer - 1]);
}

void Mix(std::size_t& seed, std::size_t value) { seed ^= value + 0x9e3779b97f4a7c15ull + (seed << 6) + (seed >> 2); }
void MixDouble(std::size_t& seed, double value) { Mix(seed, std::hash<double>()(value)); }

// A digest of everything the content depends on.
std::size_t InputsOf(const DraftingView& view, const std::vector<Object*>& bodies) {
  std::size_t seed = 0;
  for (double v : view.orientation) MixDouble(seed, v);
  MixDouble(seed, view.scale);
  for (Object* object : bodies) {
    Mix(seed, object->GetTag());
    Mix(seed, static_cast<std::size_t>(BodyOf(*object).Revision()));
    const Transform placement = PlacementOf(*object);
    for (double v : placement.rotation) MixDouble(seed, v);
    for (double v : placement.translation) MixDouble(seed, v);
  }
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
  throw HostError(HostStatus::NotFound, Named(view) + " shows part " + text::ToUtf8Lossy(view.modelPartPath) +
                                            ", which is not open");
}

std::vector<Object*> ShownBodies(const DraftingView& view) {
  Part& part = ShownPart(view);
  std::vector<Object*> bodies;
  for (const auto& object : part.Objects())
    if (auto* body = dynamic_cast<Body*>(object.get()); body && Shows(view, *body)) bodies.push_back(body);
  for (Object* object : Occurrences::Get().AllOccurrences(part))
    if (dynamic_cast<BodyOccurrence*>(object) && Shows(view, *object)) bodies.push_back(object);
  return bodies;
}

bool IsOutOfDate(DraftingView& view) {
  if (view.outOfDate || !view.content) return true;
  std::vector<Object*> bodies;
  try {
    bodies = ShownBodies(view);
  } catch (const HostError&) {
    return true;  // its part is gone: updating it will say so
  }
  const std::size_t inputs = InputsOf(view, bodies);
  if (!view.contentInputs) view.contentInputs = inputs;  // loaded content shows the model as loaded
  return *view.contentInputs != inputs;
}

void UpdateView(DraftingView& view) {
  const std::vector<Object*> bodies = ShownBodies(view);
  if (bodies.empty() && !view.erased.empty()) {
    // Every body it would show was erased from it: the user asked for an empty view.
    view.content = std::make_shared<const ViewContent>();
    view.contentInputs = InputsOf(view, bodies);
    view.outOfDate = false;
    view.owner->modified = true;
    return;
  }
  if (bodies.empty())
    throw HostError(HostStatus::NoGeometry, Named(view) + " shows no body: the bodies it showed were deleted or "
                                                          "lie on layers it hides");
  std::vector<PlacedBody> placed;
  for (Object* object : bodies) placed.push_back({BodyOf(*object).Shape(), ToTrsf(PlacementOf(*object))});
  const ModelView direction = Direction(view);
  HiddenLineProjection projection(std::move(placed), direction, view.scale);
  if (!projection.Perform())
    throw HostError(HostStatus::ModellingFailed, Named(view) + " could not be projected: " + projection.Failure());
  view.content = std::make_shared<const ViewContent>(projection.Content());
  view.contentInputs = InputsOf(view, bodies);
  view.outOfDate = false;
  view.owner->modified = true;
}

void UpdateOutOfDateViews(DrawingSheet& sheet) {
  std::optional<HostError> first;
  for (DraftingView* view : ViewsOf(sheet)) {
    if (!IsOutOfDate(*view)) continue;
    try {
      UpdateView(*view);
    } catch (const HostError& e) {
      if (!first) first = e;
    }
  }
  if (first) throw *first;
}

DrawnExtent DrawnExtentOf(const DraftingView& view) {
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
