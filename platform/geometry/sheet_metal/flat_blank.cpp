// The developed faces fused into one planar face, read as loops of 2D curves in the
// stationary face's plane, then turned so that the longest straight edge runs along X.
#include "platform/geometry/sheet_metal/flat_blank.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include <BRepAdaptor_Curve.hxx>
#include <BRepAdaptor_Surface.hxx>
#include <BRepBuilderAPI_Sewing.hxx>
#include <BRepGProp.hxx>
#include <BRepTools.hxx>
#include <BRep_Tool.hxx>
#include <ElSLib.hxx>
#include <GCPnts_QuasiUniformDeflection.hxx>
#include <GProp_GProps.hxx>
#include <ShapeUpgrade_UnifySameDomain.hxx>
#include <TopExp.hxx>
#include <TopExp_Explorer.hxx>
#include <TopoDS.hxx>
#include <TopoDS_Face.hxx>
#include <TopoDS_Wire.hxx>
#include <gp_Pln.hxx>

#include "platform/base/host_error.h"
#include "platform/geometry/sheet_metal/flat_pattern.h"

namespace platform::sheet_metal {

namespace {

constexpr double kChordMm = 0.01;  // polyline deviation from a curve that is not a line or circle

[[noreturn]] void RefuseBlank(const std::string& label, const std::string& why) {
  throw HostError(HostStatus::ModellingFailed, label + ": no flat blank: " + why);
}

TopoDS_Face LargestPlanarFace(const TopoDS_Shape& body) {
  TopoDS_Face best;
  double bestArea = 0;
  for (TopExp_Explorer it(body, TopAbs_FACE); it.More(); it.Next()) {
    const TopoDS_Face face = TopoDS::Face(it.Current());
    if (BRepAdaptor_Surface(face).GetType() != GeomAbs_Plane) continue;
    GProp_GProps props;
    BRepGProp::SurfaceProperties(face, props);
    if (props.Mass() > bestArea + 1e-9) {
      bestArea = props.Mass();
      best = face;
    }
  }
  return best;
}

// The developed faces as one face: bends and walls share their bend lines.
TopoDS_Face FusedBlank(const FlatPattern& pattern, const std::string& label) {
  TopoDS_Shape blank = pattern.faces.front();
  if (pattern.faces.size() > 1) {
    BRepBuilderAPI_Sewing sewing(1e-4);
    for (const TopoDS_Face& face : pattern.faces) sewing.Add(face);
    sewing.Perform();
    ShapeUpgrade_UnifySameDomain unify(sewing.SewedShape(), true, true, true);
    unify.Build();
    blank = unify.Shape();
  }
  TopoDS_Face face;
  int count = 0;
  for (TopExp_Explorer it(blank, TopAbs_FACE); it.More(); it.Next(), ++count) face = TopoDS::Face(it.Current());
  if (count != 1) RefuseBlank(label, "its developed faces make " + std::to_string(count) + " pieces, not one");
  return face;
}

class PlaneReader {
public:
  explicit PlaneReader(const gp_Pln& plane) : plane_(plane) {}

  BlankPoint At(const gp_Pnt& p) const {
    double u, v;
    ElSLib::Parameters(plane_, p, u, v);
    return {u, v};
  }

  BlankLoop Loop(const TopoDS_Wire& wire) const {
    BlankLoop loop;
    for (TopExp_Explorer it(wire, TopAbs_EDGE); it.More(); it.Next()) loop.push_back(Curve(TopoDS::Edge(it.Current())));
    return loop;
  }

private:
  BlankCurve Curve(const TopoDS_Edge& edge) const {
    BRepAdaptor_Curve curve(edge);
    const double first = curve.FirstParameter(), last = curve.LastParameter();
    if (curve.GetType() == GeomAbs_Line) return BlankLine{At(curve.Value(first)), At(curve.Value(last))};
    if (curve.GetType() == GeomAbs_Circle) {
      const gp_Circ circle = curve.Circle();
      BlankArc arc{At(circle.Location()), circle.Radius()};
      if (BRep_Tool::IsClosed(edge) || last - first >= 2 * std::numbers::pi - 1e-9) {
        arc.full = true;
        return arc;
      }
      auto angle = [&](double t) {
        const BlankPoint p = At(curve.Value(t));
        return std::atan2(p.y - arc.centre.y, p.x - arc.centre.x) * 180 / std::numbers::pi;
      };
      // Counter-clockwise in the plane: from whichever end the middle follows.
      const double a0 = angle(first), am = angle((first + last) / 2), a1 = angle(last);
      auto sweep = [](double from, double to) { return std::fmod(to - from + 720.0, 360.0); };
      const bool forward = sweep(a0, am) < sweep(a0, a1);
      arc.startDeg = forward ? a0 : a1;
      arc.endDeg = forward ? a1 : a0;
      return arc;
    }
    BlankPolyline polyline;
    GCPnts_QuasiUniformDeflection points(curve, kChordMm);
    if (!points.IsDone()) polyline.points = {At(curve.Value(first)), At(curve.Value(last))};
    for (int i = 1; points.IsDone() && i <= points.NbPoints(); ++i) polyline.points.push_back(At(points.Value(i)));
    return polyline;
  }

  gp_Pln plane_;
};

double Length(const BlankLine& line) { return std::hypot(line.end.x - line.start.x, line.end.y - line.start.y); }

// Rotation about 0,0 by `angle` then a shift, applied to every point of the blank.
struct Placement {
  double c = 1, s = 0, dx = 0, dy = 0;
  BlankPoint operator()(BlankPoint p) const { return {c * p.x - s * p.y + dx, s * p.x + c * p.y + dy}; }
};

void Transform(BlankCurve& curve, const Placement& place, double turnDeg) {
  std::visit(
      [&](auto& c) {
        using T = std::decay_t<decltype(c)>;
        if constexpr (std::is_same_v<T, BlankLine>) {
          c.start = place(c.start);
          c.end = place(c.end);
        } else if constexpr (std::is_same_v<T, BlankArc>) {
          c.centre = place(c.centre);
          c.startDeg += turnDeg;
          c.endDeg += turnDeg;
        } else {
          for (BlankPoint& p : c.points) p = place(p);
        }
      },
      curve);
}

void Extend(const BlankCurve& curve, double& xmin, double& ymin, double& xmax, double& ymax) {
  auto add = [&](BlankPoint p) {
    xmin = std::min(xmin, p.x), ymin = std::min(ymin, p.y), xmax = std::max(xmax, p.x), ymax = std::max(ymax, p.y);
  };
  if (const auto* line = std::get_if<BlankLine>(&curve)) {
    add(line->start), add(line->end);
  } else if (const auto* arc = std::get_if<BlankArc>(&curve)) {
    const double from = arc->full ? 0 : arc->startDeg;
    double to = arc->full ? 360 : arc->endDeg;
    while (to < from) to += 360;
    auto at = [&](double deg) {
      const double r = deg * std::numbers::pi / 180;
      return BlankPoint{arc->centre.x + arc->radius * std::cos(r), arc->centre.y + arc->radius * std::sin(r)};
    };
    add(at(from)), add(at(to));
    for (double q = std::ceil(from / 90) * 90; q < to; q += 90) add(at(q));  // quadrant points inside the sweep
  } else {
    for (BlankPoint p : std::get<BlankPolyline>(curve).points) add(p);
  }
}

// Turns the blank so its longest straight outer edge runs along +X, its extent from 0,0.
void Settle(FlatBlank& blank) {
  const BlankLine* longest = nullptr;
  for (const BlankCurve& c : blank.outer)
    if (const auto* line = std::get_if<BlankLine>(&c); line && (!longest || Length(*line) > Length(*longest)))
      longest = line;
  const double turn = longest ? -std::atan2(longest->end.y - longest->start.y, longest->end.x - longest->start.x) : 0;
  Placement place{std::cos(turn), std::sin(turn)};
  const double turnDeg = turn * 180 / std::numbers::pi;
  auto all = [&](auto&& f) {
    for (BlankCurve& c : blank.outer) f(c);
    for (BlankLoop& hole : blank.holes)
      for (BlankCurve& c : hole) f(c);
  };
  all([&](BlankCurve& c) { Transform(c, place, turnDeg); });
  for (BlankBend& b : blank.bends) b.line = {place(b.line.start), place(b.line.end)};
  double xmin = 1e300, ymin = 1e300, xmax = -1e300, ymax = -1e300;
  for (const BlankCurve& c : blank.outer) Extend(c, xmin, ymin, xmax, ymax);
  const Placement shift{1, 0, -xmin, -ymin};
  all([&](BlankCurve& c) { Transform(c, shift, 0); });
  for (BlankBend& b : blank.bends) b.line = {shift(b.line.start), shift(b.line.end)};
  blank.width = xmax - xmin;
  blank.height = ymax - ymin;
}

// The line halfway across a developed strip, between its two edges that are bend lines.
BlankLine MiddleOfStrip(const TopoDS_Face& strip, const PlaneReader& reader) {
  std::vector<BlankLine> sides;
  for (TopExp_Explorer it(strip, TopAbs_EDGE); it.More(); it.Next()) {
    BRepAdaptor_Curve curve(TopoDS::Edge(it.Current()));
    sides.push_back({reader.At(curve.Value(curve.FirstParameter())), reader.At(curve.Value(curve.LastParameter()))});
  }
  // The strip was made a, b, b + across, a + across: sides 0 and 2 are the bend lines.
  const BlankLine& a = sides.at(0);
  const BlankLine& b = sides.at(2);
  auto mid = [](BlankPoint p, BlankPoint q) { return BlankPoint{(p.x + q.x) / 2, (p.y + q.y) / 2}; };
  return {mid(a.start, b.end), mid(a.end, b.start)};
}

}  // namespace

FlatBlank DevelopBlank(const TopoDS_Shape& body, const std::string& label) {
  const TopoDS_Face stationary = LargestPlanarFace(body);
  if (stationary.IsNull()) RefuseBlank(label, "it has no planar face");
  const FlatPattern pattern = Develop(body, stationary, label);
  const gp_Pln plane = BRepAdaptor_Surface(stationary).Plane();
  const PlaneReader reader(plane);
  const TopoDS_Face face = FusedBlank(pattern, label);

  FlatBlank blank;
  blank.thickness = pattern.thickness;
  const TopoDS_Wire outer = BRepTools::OuterWire(face);
  blank.outer = reader.Loop(outer);
  for (TopExp_Explorer it(face, TopAbs_WIRE); it.More(); it.Next())
    if (!it.Current().IsSame(outer)) blank.holes.push_back(reader.Loop(TopoDS::Wire(it.Current())));
  for (const Bend& bend : pattern.bends)
    blank.bends.push_back({MiddleOfStrip(pattern.faces.at(bend.strip), reader), bend.angle * 180 / std::numbers::pi,
                           bend.innerRadius});
  Settle(blank);
  return blank;
}

}  // namespace platform::sheet_metal
