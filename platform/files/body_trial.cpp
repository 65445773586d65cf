#include "platform/files/body_trial.h"

#include <cmath>

#include <Standard_Failure.hxx>
#include <TopExp.hxx>
#include <TopExp_Explorer.hxx>
#include <TopTools_IndexedMapOfShape.hxx>
#include <TopoDS.hxx>

#include "platform/base/host_error.h"
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
    return std::string("it cannot be written back as read (") + e.GetMessageString() + ")";
  }
  return {};
}

// Measurements a host error answers (no geometry, no normal where probed) are the
// host's to report; only the modeller failing, or figures that are not numbers, count.
std::string MeasurementFault(const TopoDS_Shape& shape) {
  try {
    const MassProperties mass = ComputeMassProperties(shape, kSteelDensity);
    if (!std::isfinite(mass.volume) || !std::isfinite(mass.area) || !Finite(mass.centroid))
      return "its volume or area is not a number";
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
    return std::string("measuring it failed (") + e.GetMessageString() + ")";
  }
  return {};
}

}  // namespace

std::string BodyTrialFault(const TopoDS_Shape& shape) {
  if (shape.IsNull()) return {};
  if (std::string fault = TopologyFault(shape); !fault.empty()) return fault;
  if (std::string fault = WriteBackFault(shape); !fault.empty()) return fault;
  return MeasurementFault(shape);
}

}  // namespace platform::files
