#include "platform/drafting/views.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "platform/drafting/model_views.h"
#include "platform/drafting/sheets.h"
#include "platform/drafting/view_edits.h"
#include "platform/drafting/view_orientation.h"
#include "platform/base/host_error.h"
#include "platform/objects/session.h"
#include "platform/text/gbk.h"
#include "platform/text/host_path.h"
#include "platform/text/shown_path.h"

namespace platform::drafting {

namespace {

std::string Shown(const std::string& gbk) { return "\"" + text::ToUtf8Lossy(gbk) + "\""; }

// Drawing views are named after what they show and numbered through the part, as
// "FRONT@1", "ORTHO@2".
std::string NextViewName(const Part& part, std::string stem) {
  std::transform(stem.begin(), stem.end(), stem.begin(), [](unsigned char c) { return std::toupper(c); });
  return stem + "@" + std::to_string(part.HighestViewNumber() + 1);
}

void CheckScale(double scale, const std::string& what) {
  if (!(scale > 0) || !std::isfinite(scale))
    throw HostError(HostStatus::InvalidArgument, what + ": scale " + std::to_string(scale) + " is not above 0");
}

DraftingView& PlaceView(DrawingSheet& sheet, std::unique_ptr<DraftingView> view, double scale, SheetPoint center) {
  CheckScale(scale, "view of " + view->modelView + " on sheet " + Shown(sheet.name));
  view->sheetPid = sheet.pid;
  view->scale = scale;
  view->center = center;
  view->outOfDate = true;
  return static_cast<DraftingView&>(sheet.owner->Add(std::move(view)));
}

}  // namespace

std::vector<DraftingView*> ModelViewsOf(Part& part) {
  std::vector<DraftingView*> views;
  // Files of the first format version stored model views among the part's objects.
  for (Object* object : part.ObjectsOfType(kViewType))
    if (auto* view = dynamic_cast<DraftingView*>(object); view && view->kind == ViewKind::Model) views.push_back(view);
  if (!views.empty()) return views;
  for (const auto& object : part.SessionObjects())
    if (auto* view = dynamic_cast<DraftingView*>(object.get())) views.push_back(view);
  if (!views.empty()) return views;
  for (const ModelView& standard : StandardModelViews()) {
    auto view = std::make_unique<DraftingView>(ViewKind::Model);
    view->name = std::string(standard.name);
    view->modelView = view->name;
    view->orientation = OrientationOf(view->name);
    view->outOfDate = false;
    views.push_back(&static_cast<DraftingView&>(part.AddSessionObject(std::move(view))));
  }
  return views;
}

DraftingView& ModelViewOf(Part& part, const std::string& name) {
  for (DraftingView* view : ModelViewsOf(part))
    if (view->name == name) return *view;
  throw HostError(HostStatus::NotFound,
                  "part " + ShownPath(part.path) + " has no model view named " + Shown(name));
}

DraftingView& AddBaseView(DrawingSheet& sheet, Part& modelPart, const std::string& modelView, double scale,
                          SheetPoint center) {
  const DraftingView& source = ModelViewOf(modelPart, modelView);
  auto view = std::make_unique<DraftingView>(ViewKind::Base);
  view->name = NextViewName(*sheet.owner, modelView);
  view->modelView = modelView;
  view->modelPartPath = modelPart.path;
  view->orientation = source.orientation;
  return PlaceView(sheet, std::move(view), scale, center);
}

DraftingView& ImportView(DrawingSheet& sheet, const std::string& modelView, double scale, SheetPoint center) {
  const DraftingView& source = ModelViewOf(*sheet.owner, modelView);
  auto view = std::make_unique<DraftingView>(ViewKind::Imported);
  view->name = NextViewName(*sheet.owner, modelView);
  view->modelView = modelView;
  view->orientation = source.orientation;
  return PlaceView(sheet, std::move(view), scale, center);
}

DraftingView& AddProjectedView(DraftingView& parent, ProjectionDirection direction, SheetPoint reference) {
  DrawingSheet& sheet = SheetOf(parent);
  const double dx = reference[0] - parent.center[0], dy = reference[1] - parent.center[1];
  if (direction == ProjectionDirection::Infer) {
    if (dx == 0 && dy == 0)
      throw HostError(HostStatus::InvalidArgument, "a projected view of " + Shown(parent.name) +
                                                        " needs a reference point away from its centre");
    direction = std::abs(dx) >= std::abs(dy) ? (dx > 0 ? ProjectionDirection::Right : ProjectionDirection::Left)
                                             : (dy > 0 ? ProjectionDirection::Above : ProjectionDirection::Below);
  }
  const int code = static_cast<int>(direction);
  auto view = std::make_unique<DraftingView>(ViewKind::Projected);
  view->orientation = FirstAngleProjection(parent.orientation, code);
  view->name = NextViewName(*sheet.owner, "ORTHO");
  view->modelView = ModelViewNamed(view->orientation);
  view->modelPartPath = parent.modelPartPath;
  view->parentPid = parent.pid;
  view->projection = code;
  view->layers = parent.layers;
  // Aligned with the parent: only the coordinate across the projection line is free.
  const bool vertical = direction == ProjectionDirection::Above || direction == ProjectionDirection::Below;
  const SheetPoint center = vertical ? SheetPoint{parent.center[0], reference[1]} : SheetPoint{reference[0], parent.center[1]};
  return PlaceView(sheet, std::move(view), parent.scale, center);
}

void SetViewScale(DraftingView& view, double scale) {
  CheckScale(scale, "view " + Shown(view.name));
  if (scale == view.scale) return;  // the same scale draws the same content
  view.scale = scale;
  MarkViewChanged(view);
}

void MoveView(DraftingView& view, SheetPoint center) {
  view.center = center;
  if (view.owner) view.owner->modified = true;  // the content only moves with it
}

void SetLayerMask(DraftingView& view, std::optional<LayerMask> mask) {
  view.layers = mask;
  MarkViewChanged(view);
}

DraftingView* FindDrawingView(const Part& part, const std::string& name) {
  for (const DrawingSheet* sheet : SheetsOf(part))
    for (Object* object : part.ObjectsOfType(kViewType, sheet->pid))
      if (object->name == name) return dynamic_cast<DraftingView*>(object);
  return nullptr;
}

DraftingView& NeedDrawingView(Object& object) {
  auto* view = dynamic_cast<DraftingView*>(&object);
  if (!view || view->kind == ViewKind::Model)
    throw HostError(HostStatus::WrongObjectType, "object " + std::to_string(object.GetTag()) + " is not a drawing view");
  return *view;
}

}  // namespace platform::drafting

namespace platform {

void FollowRenamedModelPart(const std::string& oldPath, const std::string& newPath) {
  for (const auto& holder : Session::Get().Parts())
    for (const auto& object : holder->Objects())
      if (auto* view = dynamic_cast<DraftingView*>(object.get());
          view && !view->modelPartPath.empty() && SameHostPath(view->modelPartPath, oldPath)) {
        view->modelPartPath = newPath;
        holder->modified = true;
      }
}

}  // namespace platform
