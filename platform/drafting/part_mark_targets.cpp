#include "platform/drafting/part_mark_targets.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <unordered_map>

#include <BRepAdaptor_Curve.hxx>
#include <GeomAbs_CurveType.hxx>
#include <TopExp_Explorer.hxx>
#include <TopoDS.hxx>

#include "platform/assemblies/located_shape.h"
#include "platform/assemblies/occurrence.h"
#include "platform/objects/part.h"
#include "platform/objects/session.h"
#include "platform/text/gbk.h"

namespace platform::drafting {

namespace {

constexpr double kOnCurveMm = 0.2;      // sheet mm: a point this near a drawn curve lies on it
constexpr double kOtherPartMm = 0.5;    // sheet mm: an edge of another part this near makes it ambiguous
constexpr double kCellMm = 5;           // grid cell of the segment index
constexpr double kLaterViewMm = 15;     // a later view must offer a leader this much shorter
constexpr double kSamples[] = {0.5, 0.3, 0.7};

struct Segment {
  Point2 a, b;
  int owner = -1;
};

double Distance(Point2 p, const Segment& s) {
  const double dx = s.b.x - s.a.x, dy = s.b.y - s.a.y, length2 = dx * dx + dy * dy;
  double t = length2 > 0 ? ((p.x - s.a.x) * dx + (p.y - s.a.y) * dy) / length2 : 0;
  t = std::clamp(t, 0.0, 1.0);
  return std::hypot(p.x - (s.a.x + t * dx), p.y - (s.a.y + t * dy));
}

// Segments bucketed by the grid cells their boxes cover, for "is anything near here".
class SegmentGrid {
public:
  void Add(const Segment& s) {
    const size_t index = segments_.size();
    segments_.push_back(s);
    for (long i = Cell(std::min(s.a.x, s.b.x)); i <= Cell(std::max(s.a.x, s.b.x)); ++i)
      for (long j = Cell(std::min(s.a.y, s.b.y)); j <= Cell(std::max(s.a.y, s.b.y)); ++j) cells_[Key(i, j)].push_back(index);
  }
  // True when a segment within `reach` of p passes the filter.
  template <class Filter>
  bool Near(Point2 p, double reach, Filter filter) const {
    for (long i = Cell(p.x - reach); i <= Cell(p.x + reach); ++i)
      for (long j = Cell(p.y - reach); j <= Cell(p.y + reach); ++j) {
        const auto it = cells_.find(Key(i, j));
        if (it == cells_.end()) continue;
        for (size_t index : it->second)
          if (filter(segments_[index]) && Distance(p, segments_[index]) <= reach) return true;
      }
    return false;
  }

private:
  static long Cell(double v) { return static_cast<long>(std::floor(v / kCellMm)); }
  static long long Key(long i, long j) { return (static_cast<long long>(i) << 32) ^ (j & 0xffffffffLL); }
  std::vector<Segment> segments_;
  std::unordered_map<long long, std::vector<size_t>> cells_;
};

void AddCurve(SegmentGrid& grid, const Curve2& curve, Point2 origin) {
  const auto at = [&](Point2 p) { return Point2{p.x + origin.x, p.y + origin.y}; };
  if (const auto* line = std::get_if<Line2>(&curve)) {
    grid.Add({at(line->start), at(line->end)});
  } else if (const auto* arc = std::get_if<Arc2>(&curve)) {
    const double span = arc->endAngle - arc->startAngle;
    const int pieces = std::clamp(static_cast<int>(std::ceil(span * arc->radius)), 8, 64);
    for (int i = 0; i < pieces; ++i)
      grid.Add({at(arc->PointAt(arc->startAngle + span * i / pieces)),
                at(arc->PointAt(arc->startAngle + span * (i + 1) / pieces))});
  } else {
    const auto& points = std::get<Polyline2>(curve).points;
    for (size_t i = 1; i < points.size(); ++i) grid.Add({at(points[i - 1]), at(points[i])});
  }
}

// A body's edges as the view draws them, each as points along it (ends included).
std::vector<std::vector<Point2>> ProjectedEdges(const TopoDS_Shape& shape, const ViewFrame& f) {
  std::vector<std::vector<Point2>> edges;
  for (TopExp_Explorer it(shape, TopAbs_EDGE); it.More(); it.Next()) {
    const TopoDS_Edge& edge = TopoDS::Edge(it.Current());
    BRepAdaptor_Curve curve(edge);
    const double u0 = curve.FirstParameter(), u1 = curve.LastParameter();
    const int pieces = curve.GetType() == GeomAbs_Line ? 1 : 12;
    std::vector<Point2> points;
    for (int i = 0; i <= pieces; ++i) points.push_back(f.At(curve.Value(u0 + (u1 - u0) * i / pieces)));
    edges.push_back(std::move(points));
  }
  return edges;
}

Point2 Along(const std::vector<Point2>& points, double share) {
  if (points.size() == 2)
    return {points[0].x + share * (points[1].x - points[0].x), points[0].y + share * (points[1].y - points[0].y)};
  return points[std::min(points.size() - 1, static_cast<size_t>(std::lround(share * (points.size() - 1))))];
}

// The component occurrences from the shown part's root down to the body (the root left out).
std::vector<Tag> PathOf(Object& body) {
  std::vector<Tag> path;
  const auto* occurrence = dynamic_cast<BodyOccurrence*>(&body);
  for (Tag tag = occurrence ? occurrence->component : kNullTag; tag != kNullTag;) {
    const auto* component = Session::Get().FindAs<ComponentOccurrence>(tag);
    if (!component || component->parent == kNullTag) break;
    path.push_back(tag);
    tag = component->parent;
  }
  std::reverse(path.begin(), path.end());
  return path;
}

std::string Attribute(Object& object, const char* title) {
  const std::string* value = Session::Get().FindAttribute(object, title);
  return value ? *value : "";
}

struct Item {
  std::string number, name;  // GBK
  std::vector<Object*> bodies;
  bool subAssembly = false;
};

// The members of the deepest assembly holding every shown body, by drawing number.
std::vector<Item> ItemsOf(const std::vector<Object*>& shown) {
  std::vector<std::vector<Tag>> paths;
  for (Object* body : shown) paths.push_back(PathOf(*body));
  size_t depth = 0;
  while (!paths.empty() && std::all_of(paths.begin(), paths.end(), [&](const std::vector<Tag>& p) {
    return p.size() > depth && p[depth] == paths.front()[depth];
  }))
    ++depth;
  std::map<Tag, int> bodiesUnder;
  for (const auto& path : paths)
    if (path.size() > depth) ++bodiesUnder[path[depth]];
  std::vector<Item> items;
  std::map<std::string, size_t> byKey;
  for (size_t i = 0; i < shown.size(); ++i) {
    Object* holder = shown[i];
    const bool subAssembly = paths[i].size() > depth && bodiesUnder[paths[i][depth]] > 1;
    if (subAssembly) holder = Session::Get().Find(paths[i][depth]);
    const std::string number = Attribute(*holder, "DB_PART_NO");
    // Parts without a number stay apart from each other, keyed by their holder.
    const std::string key = number.empty() ? "#" + std::to_string(holder->GetTag()) : number;
    auto [it, fresh] = byKey.try_emplace(key, items.size());
    if (fresh) items.push_back({number, Attribute(*holder, "DB_PART_NAME"), {}, subAssembly});
    items[it->second].bodies.push_back(shown[i]);
  }
  return items;
}

std::vector<Side> SidesNearest(Point2 p, const Box2& box) {
  std::vector<std::pair<double, Side>> by = {
      {p.y - box.ymin, Side::Bottom}, {box.ymax - p.y, Side::Top}, {p.x - box.xmin, Side::Left}, {box.xmax - p.x, Side::Right}};
  std::stable_sort(by.begin(), by.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<Side> sides;
  for (const auto& [distance, side] : by) sides.push_back(side);
  return sides;
}

Box2 SheetBoxOf(const ViewFrame& f) {
  const Box2& b = f.view->content->box;
  Box2 box;
  box.Add(Point2{b.xmin + f.origin.x, b.ymin + f.origin.y});
  box.Add(Point2{b.xmax + f.origin.x, b.ymax + f.origin.y});
  return box;
}

double ToBoundary(Point2 p, const Box2& box) {
  return std::min({p.x - box.xmin, box.xmax - p.x, p.y - box.ymin, box.ymax - p.y});
}

}  // namespace

std::string DrawingNumberSuffix(const std::string& number, const std::string& productPrefix) {
  const size_t hyphen = number.find('-');
  if (hyphen == std::string::npos) return "";
  if (!productPrefix.empty() && number.size() > productPrefix.size() + 1 &&
      number.compare(0, productPrefix.size() + 1, productPrefix + "-") == 0)
    return number.substr(productPrefix.size() + 1);
  return number.substr(hyphen + 1);
}

MarkTargets FindMarkTargets(const DrawingSheet& sheet, const std::vector<Object*>& shown,
                            const std::vector<ViewFrame>& frames) {
  MarkTargets result;
  const std::vector<Item> items = ItemsOf(shown);
  for (const Item& item : items) result.subAssemblies = result.subAssemblies || item.subAssembly;
  const std::string* prefix = sheet.owner->attributes.Find("DB_PART_NO");
  std::vector<TopoDS_Shape> shapes;
  for (Object* body : shown) shapes.push_back(LocatedShape(*body));
  std::map<Object*, size_t> shapeOf;
  for (size_t i = 0; i < shown.size(); ++i) shapeOf[shown[i]] = i;

  struct Best {
    double score = 1e300;
    Point2 tip;
  };
  // Per part and view, the visible point nearest the view's outline.
  std::vector<std::vector<Best>> best(items.size(), std::vector<Best>(frames.size()));
  for (size_t fi = 0; fi < frames.size(); ++fi) {
    const ViewFrame& f = frames[fi];
    SegmentGrid visible, edges;
    for (const Curve2& curve : f.view->content->visible) AddCurve(visible, curve, f.origin);
    const Box2 box = SheetBoxOf(f);
    std::vector<std::vector<std::vector<Point2>>> projected(items.size());
    for (size_t i = 0; i < items.size(); ++i)
      for (Object* body : items[i].bodies)
        for (auto& edge : ProjectedEdges(shapes[shapeOf[body]], f)) {
          for (size_t k = 1; k < edge.size(); ++k) edges.Add({edge[k - 1], edge[k], static_cast<int>(i)});
          projected[i].push_back(std::move(edge));
        }
    for (size_t i = 0; i < items.size(); ++i)
      for (const auto& edge : projected[i])
        for (double share : kSamples) {
          const Point2 p = Along(edge, share);
          if (!visible.Near(p, kOnCurveMm, [](const Segment&) { return true; })) continue;
          const int mine = static_cast<int>(i);
          if (edges.Near(p, kOtherPartMm, [mine](const Segment& s) { return s.owner != mine; })) continue;
          const double score = ToBoundary(p, box) + kLaterViewMm * static_cast<double>(fi);
          if (score < best[i][fi].score) best[i][fi] = {score, p};
        }
  }
  for (size_t i = 0; i < items.size(); ++i) {
    const Item& item = items[i];
    const std::string suffix = DrawingNumberSuffix(item.number, prefix ? *prefix : "");
    const std::string name = text::ToUtf8Lossy(item.name.empty() ? "body" : item.name);
    if (suffix.empty()) {
      result.unmarked.push_back(name + (item.number.empty() ? " (no drawing number)"
                                                           : " (number " + text::ToUtf8Lossy(item.number) + ")"));
      continue;
    }
    std::vector<size_t> views;
    for (size_t fi = 0; fi < frames.size(); ++fi)
      if (best[i][fi].score < 1e300) views.push_back(fi);
    if (views.empty()) {
      result.unseen.push_back("part mark " + text::ToUtf8Lossy(suffix) + " (" + name + "): no view shows an edge of it");
      continue;
    }
    std::stable_sort(views.begin(), views.end(), [&](size_t a, size_t b) { return best[i][a].score < best[i][b].score; });
    MarkTarget target{text::ToUtf8Lossy(suffix), text::ToUtf8Lossy(item.number), name, {}};
    for (size_t fi : views)
      target.tips.push_back({frames[fi].view->pid, best[i][fi].tip, SidesNearest(best[i][fi].tip, SheetBoxOf(frames[fi]))});
    result.targets.push_back(std::move(target));
  }
  return result;
}

}  // namespace platform::drafting
