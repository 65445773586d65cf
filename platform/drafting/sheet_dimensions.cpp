#include "platform/drafting/sheet_dimensions.h"

#include <algorithm>
#include <cmath>

#include "platform/base/host_error.h"
#include "platform/drafting/assembly_dimensions.h"
#include "platform/drafting/hole_table_place.h"
#include "platform/drafting/part_dimensions.h"
#include "platform/drafting/part_mark_placement.h"
#include "platform/drafting/part_mark_targets.h"
#include "platform/drafting/sheet_annotations.h"
#include "platform/drafting/sheet_drawing_of.h"
#include "platform/drafting/sheets.h"
#include "platform/drafting/view_content.h"
#include "platform/drafting/view_frame.h"
#include "platform/objects/session.h"
#include "platform/text/gbk.h"

namespace platform::drafting {

namespace {

constexpr double kFrameInsetMm = 5;  // a sheet without a drawn frame keeps this margin
constexpr double kMiddleAboveBaseline = 0.38, kTopAboveBaseline = 0.88, kDescent = 0.2;

std::string SheetName(const DrawingSheet& sheet) { return "sheet \"" + text::ToUtf8Lossy(sheet.name) + "\""; }

Box2 TextBoxOf(const SheetText& t) {
  const double width = TextWidth(t.utf8, t.heightMm);
  const int index = static_cast<int>(t.anchor);
  const double left = t.position.x - width * (index % 3) / 2.0;
  const double above[] = {kTopAboveBaseline, kMiddleAboveBaseline, 0};
  const double baseline = t.position.y - above[index / 3] * t.heightMm;
  Box2 box;
  box.Add(Point2{left, baseline - kDescent * t.heightMm});
  box.Add(Point2{left + width, baseline + t.heightMm});
  return box;
}

bool Within(const Box2& inner, const Box2& outer) {
  return inner.xmin >= outer.xmin && inner.xmax <= outer.xmax && inner.ymin >= outer.ymin && inner.ymax <= outer.ymax;
}

void Refuse(const DrawingSheet& sheet, HostStatus status, const std::string& why) {
  throw HostError(status, SheetName(sheet) + ": " + why + "; its dimensions were left as they were");
}

std::string Listed(const std::vector<std::string>& items) {
  std::string list;
  for (const std::string& item : items) list += (list.empty() ? "" : ", ") + item;
  return list;
}

// An assembly sheet: overall sizes and member positions placed first, then the part
// marks beyond them; refused whole when anything finds no room, overlaps or crosses.
SheetDimensionsResult DimensionAssemblySheet(DrawingSheet& sheet, const std::vector<DraftingView*>& views) {
  std::vector<Object*> shown;
  for (DraftingView* view : views)
    for (Object* body : ShownBodies(*view))
      if (std::find(shown.begin(), shown.end(), body) == shown.end()) shown.push_back(body);
  const std::vector<ViewFrame> frames = FramesOf(sheet);
  const MarkTargets targets = FindMarkTargets(sheet, shown, frames);
  const std::vector<Proposal> proposals = ProposeAssemblyDimensions(shown, frames, !targets.subAssemblies);
  const SheetObstacles obstacles = ObstaclesOf(sheet);
  const Placement placement = PlaceInStrips(proposals, obstacles);
  const MarkPlacement marks = PlaceMarks(targets.targets, obstacles, placement.placed);
  std::vector<std::string> unplaced = placement.unplaced;
  unplaced.insert(unplaced.end(), targets.unseen.begin(), targets.unseen.end());
  unplaced.insert(unplaced.end(), marks.unplaced.begin(), marks.unplaced.end());
  if (!unplaced.empty()) Refuse(sheet, HostStatus::InvalidArgument, "no room for " + Listed(unplaced));
  std::vector<PlacedDimension> all = placement.placed;
  for (const PlacedMark& mark : marks.placed) {
    Proposal named;
    named.text = mark.target.text;
    all.push_back({named, mark.drawn});
  }
  std::vector<std::string> problems = CheckPlacement(all, obstacles);
  for (const std::string& crossing : CrossingLeaders(marks.placed)) problems.push_back(crossing);
  if (!problems.empty()) Refuse(sheet, HostStatus::InvalidArgument, "dimensions would overlap: " + problems.front());

  ReplaceAutomaticAnnotations(sheet, placement.placed, marks.placed, {});
  std::string note;
  if (!targets.unmarked.empty()) note = "no part mark for " + Listed(targets.unmarked) + ", not numbered yet";
  return {static_cast<int>(placement.placed.size()), static_cast<int>(marks.placed.size()), note};
}

// A part sheet: its sizes, hole positions and diameters placed, with the fall-backs for
// holes that find no room; refused whole when anything still finds none or overlaps.
SheetDimensionsResult DimensionPartSheet(DrawingSheet& sheet, Object& body) {
  const SheetObstacles obstacles = ObstaclesOf(sheet);
  HoleFallbacks fallbacks;
  PartProposals proposals = ProposePartDimensions(sheet, body);
  Placement placement = PlaceInStrips(proposals.dimensions, obstacles);
  // Hole positions with no room beside the view that shows the holes round go to the
  // next view that shows their direction.
  const auto unplaced = [&](const Proposal& p) {
    return std::find(placement.unplaced.begin(), placement.unplaced.end(), p.what) != placement.unplaced.end();
  };
  for (const Proposal& p : proposals.dimensions)
    if (p.positionsAxis >= 0 && unplaced(p)) fallbacks.elsewhere.insert({p.viewPid, p.positionsAxis});
  if (!fallbacks.elsewhere.empty()) {
    proposals = ProposePartDimensions(sheet, body, fallbacks);
    placement = PlaceInStrips(proposals.dimensions, obstacles);
  }
  // Whatever still finds no room (hole positions, or a size crowded out by them) makes
  // room: the holes of every view showing them go into tables.
  if (!placement.unplaced.empty())
    for (const Proposal& p : proposals.dimensions)
      if (p.holesView) fallbacks.tabled.insert(p.holesView);
  if (!fallbacks.tabled.empty()) {
    proposals = ProposePartDimensions(sheet, body, fallbacks);
    placement = PlaceInStrips(proposals.dimensions, obstacles);
  }
  std::vector<HoleTableGrid> tables;
  std::vector<Box2> tableBoxes;
  for (const TabledHoles& holes : proposals.tables) {
    HoleTableGrid table = MakeHoleTable(holes);
    if (!PlaceHoleTable(table, obstacles, placement.placed, tableBoxes)) {
      placement.unplaced.push_back("a hole table of " + std::to_string(table.holes) + " holes (" +
                                   std::to_string(table.Rows() - 1) + " rows)");
      continue;
    }
    tableBoxes.push_back(table.Box());
    tables.push_back(std::move(table));
  }
  if (!placement.unplaced.empty()) Refuse(sheet, HostStatus::InvalidArgument, "no room for " + Listed(placement.unplaced));
  std::vector<PlacedDimension> all = placement.placed;
  for (const Box2& box : tableBoxes) {
    PlacedDimension table;
    table.proposal.text = "hole table";
    table.drawn.textBox = box;
    all.push_back(table);
  }
  const std::vector<std::string> problems = CheckPlacement(all, obstacles);
  if (!problems.empty()) Refuse(sheet, HostStatus::InvalidArgument, "dimensions would overlap: " + problems.front());

  ReplaceAutomaticAnnotations(sheet, placement.placed, {}, tables);
  return {static_cast<int>(placement.placed.size()), 0, "", static_cast<int>(tables.size())};
}

}  // namespace

SheetObstacles ObstaclesOf(const DrawingSheet& sheet) {
  SheetObstacles o;
  // The border: thick lines running most of the sheet (not the centring marks crossing it).
  const double border = 0.5 * std::min(sheet.width, sheet.height);
  for (const FrameCurve& c : sheet.frame)
    if (c.thick && !c.IsArc() && std::hypot(c.x2 - c.x1, c.y2 - c.y1) >= border) {
      o.frame.Add(Point2{c.x1, c.y1});
      o.frame.Add(Point2{c.x2, c.y2});
    }
  if (o.frame.empty) {
    o.frame.Add(Point2{kFrameInsetMm, kFrameInsetMm});
    o.frame.Add(Point2{sheet.width - kFrameInsetMm, sheet.height - kFrameInsetMm});
  }
  for (const TabularNote* note : NotesOf(sheet)) {
    double right = note->position[0], bottom = note->position[1];
    for (double w : note->columnWidths) right += w;
    for (double h : note->rowHeights) bottom -= h;
    Box2 box;
    box.Add(Point2{note->position[0], note->position[1]});
    box.Add(Point2{right, bottom});
    o.blocked.push_back(box);
  }
  SheetDrawing drawn = DrawingOf(sheet);
  const size_t tables = o.blocked.size();
  for (const SheetText& t : drawn.texts) {
    if (t.utf8.empty()) continue;
    const Box2 box = TextBoxOf(t);
    bool inTable = false;
    for (size_t i = 0; i < tables && !inTable; ++i) inTable = Within(box, o.blocked[i]) || t.maxWidthMm > 0;
    if (!inTable) o.blocked.push_back(box);
  }
  for (const DraftingView* view : ViewsOf(sheet)) {
    if (!view->content || view->content->box.empty) continue;
    const Point2 origin = OriginForCentre(*view->content, {view->center[0], view->center[1]});
    const Box2& b = view->content->box;
    Box2 box;
    box.Add(Point2{origin.x + b.xmin, origin.y + b.ymin});
    box.Add(Point2{origin.x + b.xmax, origin.y + b.ymax});
    o.views.push_back(box);
    o.viewPids.push_back(view->pid);
  }
  return o;
}

SheetDimensionsResult DimensionSheet(DrawingSheet& sheet) {
  const std::vector<DraftingView*> views = ViewsOf(sheet);
  if (views.empty()) Refuse(sheet, HostStatus::NoGeometry, "it has no views to dimension");
  for (DraftingView* view : views)
    if (!view->content)
      Refuse(sheet, HostStatus::NoGeometry,
             "view " + text::ToUtf8Lossy(view->name) + " was never updated, so it draws nothing to dimension");
  UpdateOutOfDateViews(sheet);

  // A part sheet shows one body in every view; an assembly sheet more, and gets part marks.
  Object* body = nullptr;
  bool assembly = false;
  for (DraftingView* view : views) {
    const std::vector<Object*> shown = ShownBodies(*view);
    if (shown.size() != 1 || (body && shown.front() != body)) assembly = true;
    if (!shown.empty()) body = shown.front();
  }
  if (assembly) return DimensionAssemblySheet(sheet, views);
  return DimensionPartSheet(sheet, *body);
}

}  // namespace platform::drafting
