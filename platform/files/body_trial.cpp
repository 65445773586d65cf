#include "platform/files/body_trial.h"

#include <algorithm>
#include <cmath>

#include <BRep_Tool.hxx>
#include <Geom2d_Curve.hxx>
#include <Geom_Curve.hxx>
#include <Standard_Failure.hxx>
#include <TopExp.hxx>
#include <TopExp_Explorer.hxx>
#include <TopTools_IndexedMapOfShape.hxx>
#include <TopoDS.hxx>
#include <TopoDS_Face.hxx>
#include <TopoDS_Vertex.hxx>

#include "platform/base/host_error.h"
#include "platform/geometry/caught_error.h"
#include "platform/geometry/body.h"
#include "platform/geometry/sheet_metal/sheet_side.h"
#include "platform/files/shape_sanity.h"
#include "platform/files/shape_section.h"

namespace platform::files {

namespace {

// The depth the unfold's probe is tried at; any depth takes the same path through the
// classifiers, and these are what a damaged face crashes or hangs.
constexpr double kProbeDepth = 1.0;

bool Finite(const std::array<double, 3>& v) {
  return std::isfinite(v[0]) && std::isfinite(v[1]) && std::isfinite(v[2]);
}

// The reader accepts values the writer cannot store as they were (a direction whose
// length overflows is read as one of zero length): a body that would not open again
// once saved is refused now, while the file that holds it is still whole.
std::string WriteBackFault(const TopoDS_Shape& shape) {
  try {
    const auto again = ReadShapePiece(WriteShapePiece(shape), kFirstFormatWithPiecePerBody);
    if (again.size() != 1) return "it does not read back as written";
    if (std::string fault = TopologyFault(again.front()); !fault.empty())
      return "written back it reads as " + fault;
  } catch (const Standard_Failure& e) {
    return std::string("it cannot be written back as read (") + FailureText(e) + ")";
  }
  return {};
}

// Every edge starts at one vertex and ends at one (the same one when closed), each on
// the edge's curve, and every edge but a degenerated one has a curve in space. The measurements pass edges that break this; the hidden-line
// outliner dies on an edge without both ends, and draws a curve that strays from its
// vertices as a figure far larger than the body, for minutes.
std::string EdgeFault(const TopoDS_Shape& shape) {
  // Far above any tolerance a modeller writes: only a damaged curve is this far off.
  constexpr double kToleranceFactor = 1000, kLeastGapMm = 0.1;
  TopTools_IndexedMapOfShape edges;
  TopExp::MapShapes(shape, TopAbs_EDGE, edges);
  for (int i = 1; i <= edges.Extent(); ++i) {
    const TopoDS_Edge& edge = TopoDS::Edge(edges(i));
    TopoDS_Vertex start, end;
    TopExp::Vertices(edge, start, end);
    if (start.IsNull() || end.IsNull()) return "edge " + std::to_string(i) + " lacks a start or an end";
    if (BRep_Tool::Degenerated(edge)) continue;
    double first = 0, last = 0;
    const Handle(Geom_Curve) curve = BRep_Tool::Curve(edge, first, last);
    // The modeller's distances take an edge's curve for granted (a null one is a SIGSEGV
    // in the attribute writer's thickness measurement); the writer always stores one.
    if (curve.IsNull()) return "edge " + std::to_string(i) + " has no 3D curve";
    if (!std::isfinite(first) || !std::isfinite(last))
      return "edge " + std::to_string(i) + " has no finite range";
    for (const auto& [vertex, at] : {std::pair{start, first}, std::pair{end, last}}) {
      const double gap = BRep_Tool::Pnt(vertex).Distance(curve->Value(at));
      const double tolerance = std::max(BRep_Tool::Tolerance(vertex), BRep_Tool::Tolerance(edge));
      if (!(gap <= std::max(kToleranceFactor * tolerance, kLeastGapMm)))
        return "edge " + std::to_string(i) + " does not pass through its vertices";
    }
  }
  return {};
}

// Each edge's curve on each of its faces: the unfold's probe classifies points of a face
// against its boundary through these, and loops without end on one whose values are not
// numbers or lie far outside any part.
std::string FaceCurveFault(const TopoDS_Shape& shape) {
  // Far beyond any surface's parameters in a part, in millimetres or radians.
  constexpr double kLargestParameter = 1e12;
  auto sane = [](double v) { return std::isfinite(v) && std::abs(v) <= kLargestParameter; };
  TopTools_IndexedMapOfShape faces, edges;
  TopExp::MapShapes(shape, TopAbs_FACE, faces);
  TopExp::MapShapes(shape, TopAbs_EDGE, edges);
  for (int f = 1; f <= faces.Extent(); ++f) {
    const TopoDS_Face& face = TopoDS::Face(faces(f));
    for (TopExp_Explorer it(face, TopAbs_EDGE); it.More(); it.Next()) {
      const TopoDS_Edge& edge = TopoDS::Edge(it.Current());
      double first = 0, last = 0;
      const Handle(Geom2d_Curve) curve = BRep_Tool::CurveOnSurface(edge, face, first, last);
      if (curve.IsNull()) continue;  // a plane's is made when asked
      const std::string which = "edge " + std::to_string(edges.FindIndex(edge)) + " on face " + std::to_string(f);
      if (!sane(first) || !sane(last)) return which + " has no finite range on the face";
      for (const double at : {first, 0.5 * (first + last), last}) {
        const gp_Pnt2d p = curve->Value(at);
        if (!sane(p.X()) || !sane(p.Y())) return which + " has a curve on the face that is not a number or far out of range";
      }
    }
  }
  return {};
}

// Measurements a host error answers (no geometry, no normal where probed) are the
// host's to report; only the modeller failing, or figures that are not numbers, count.
std::string MeasurementFault(const TopoDS_Shape& shape, MassProperties* measured) {
  try {
    const MassProperties mass = ComputeMassProperties(shape, kSteelDensity);
    if (!std::isfinite(mass.volume) || !std::isfinite(mass.area) || !Finite(mass.centroid))
      return "its volume or area is not a number";
    if (measured) *measured = mass;
    try {
      const Box box = ComputeAxisBox(shape);
      if (!Finite(box.min) || !Finite(box.max)) return "its bounding box is not finite";
    } catch (const HostError&) {
    }
    TopTools_IndexedMapOfShape faces, edges;
    TopExp::MapShapes(shape, TopAbs_FACE, faces);
    TopExp::MapShapes(shape, TopAbs_EDGE, edges);
    // One probe, from the first face: each probe classifies against every face, so a
    // probe per face would cost more than everything else here together.
    if (faces.Extent() > 0) {
      try {
        sheet_metal::ThicknessHolds(shape, TopoDS::Face(faces(1)), kProbeDepth);
      } catch (const HostError&) {
      }
    }
  } catch (const Standard_Failure& e) {
    return std::string("measuring it failed (") + FailureText(e) + ")";
  }
  return {};
}

}  // namespace

std::string BodyTrialFault(const TopoDS_Shape& shape, MassProperties* measured) {
  if (shape.IsNull()) return {};
  if (std::string fault = TopologyFault(shape); !fault.empty()) return fault;
  if (std::string fault = WriteBackFault(shape); !fault.empty()) return fault;
  try {
    if (std::string fault = EdgeFault(shape); !fault.empty()) return fault;
    if (std::string fault = FaceCurveFault(shape); !fault.empty()) return fault;
  } catch (const Standard_Failure& e) {
    return std::string("its edges cannot be read (") + FailureText(e) + ")";
  }
  return MeasurementFault(shape, measured);
}

}  // namespace platform::files
