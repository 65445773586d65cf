// Projection pipeline:
//  1. place every body (a located copy of its shape, no geometry copied);
//  2. choose the algorithm by the number of faces (exact below kExactFaceLimit);
//  3. run OCCT's hidden-line removal along the view frame;
//  4. read visible and hidden sharp edges and outlines, scaled, as sheet curves;
//  5. draw repeated curves once, drop hidden stretches lying under visible ones, and
//     measure the extent.
#include "platform/drafting/hidden_line_projection.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <unordered_set>

#include <BRepAdaptor_Surface.hxx>
#include <BRep_Builder.hxx>
#include <BRep_Tool.hxx>
#include <HLRAlgo_Projector.hxx>
#include <HLRBRep_Algo.hxx>
#include <HLRBRep_HLRToShape.hxx>
#include <HLRBRep_PolyAlgo.hxx>
#include <HLRTopoBRep_OutLiner.hxx>
#include <OSD_Parallel.hxx>
#include <Poly_Triangulation.hxx>
#include <Standard_Failure.hxx>
#include <TopExp_Explorer.hxx>
#include <TopLoc_Location.hxx>
#include <TopoDS.hxx>

#include "platform/drafting/edges_to_curves.h"
#include "platform/drafting/hidden_under_visible.h"
#include "platform/drafting/mesh_for_drawing.h"
#include "platform/drafting/polygonal_segments.h"
#include "platform/base/host_error.h"

namespace platform::drafting {

namespace {

// Mesh fineness for the polygonal algorithm: chord error on the sheet, in mm.
constexpr double kMeshChordMm = 0.05;
constexpr double kMeshAngle = 0.5;  // radians

int CountFaces(const TopoDS_Shape& shape) {
  int faces = 0;
  for (TopExp_Explorer it(shape, TopAbs_FACE); it.More(); it.Next()) ++faces;
  return faces;
}

bool AllFacesPlanar(const TopoDS_Shape& shape) {
  for (TopExp_Explorer it(shape, TopAbs_FACE); it.More(); it.Next())
    if (BRepAdaptor_Surface(TopoDS::Face(it.Current()), false).GetType() != GeomAbs_Plane) return false;
  return true;
}

TopoDS_Shape Placed(const PlacedBody& body) {
  return body.shape.Moved(TopLoc_Location(body.placement));
}

// True when every face already carries a mesh at least as fine as `deflection`. The
// mesher would keep such a mesh as it is, but only after a walk over the whole shape
// that costs a sixth of meshing it afresh, in every later view.
bool MeshedFinely(const TopoDS_Shape& shape, double deflection) {
  bool anyFace = false;
  for (TopExp_Explorer it(shape, TopAbs_FACE); it.More(); it.Next()) {
    TopLoc_Location location;
    const Handle(Poly_Triangulation)& mesh = BRep_Tool::Triangulation(TopoDS::Face(it.Current()), location);
    if (mesh.IsNull() || !(mesh->Deflection() <= deflection)) return false;
    anyFace = true;
  }
  return anyFace;
}

// Meshes each distinct shape once, the shapes side by side: meshing is most of the
// polygonal algorithm's time on a first view. The mesh stays on the shape, so later views
// (and bodies placed several times) reuse it.
void MeshOnce(const std::vector<PlacedBody>& bodies, double deflection) {
  std::vector<TopoDS_Shape> shapes;
  std::unordered_set<const TopoDS_TShape*> seen;
  for (const PlacedBody& body : bodies)
    if (!body.shape.IsNull() && seen.insert(body.shape.TShape().get()).second &&
        !MeshedFinely(body.shape, deflection))
      shapes.push_back(body.shape);
  if (shapes.empty()) return;
  OSD_Parallel::For(0, static_cast<int>(shapes.size()), [&](int i) {
    MeshForDrawing(shapes[i], deflection, kMeshAngle);
  });
}

}  // namespace

HlrMethod ChooseHlrMethod(const std::vector<PlacedBody>& bodies) {
  int faces = 0;
  for (const PlacedBody& body : bodies) {
    faces += CountFaces(body.shape);
    if (faces > kExactFaceLimit) return HlrMethod::Polygonal;
  }
  return HlrMethod::Exact;
}

HiddenLineProjection::HiddenLineProjection(std::vector<PlacedBody> bodies, const ModelView& view,
                                           double scale, HlrMethod method)
    : bodies_(std::move(bodies)), viewName_(view.name), frame_(view.Frame()), scale_(scale), method_(method) {
  if (!(scale > 0) || !std::isfinite(scale))
    throw HostError(HostStatus::InvalidArgument,
                    "view scale " + std::to_string(scale) + " of model view \"" +
                        std::string(view.name) + "\" is not a positive number");
  if (method_ == HlrMethod::Automatic) method_ = ChooseHlrMethod(bodies_);
  for (const PlacedBody& body : bodies_) planar_.push_back(AllFacesPlanar(body.shape));
}

bool HiddenLineProjection::RunsAlongsideOthers() const {
  return method_ == HlrMethod::Exact && std::find(planar_.begin(), planar_.end(), false) == planar_.end();
}

bool HiddenLineProjection::Perform() {
  done_ = false;
  failure_.clear();
  content_ = ViewContent{};
  bool anyFace = false;
  for (const PlacedBody& body : bodies_) anyFace = anyFace || (!body.shape.IsNull() && CountFaces(body.shape) > 0);
  if (!anyFace) {
    failure_ = "nothing to project in model view \"" + viewName_ + "\": no body with faces";
    return false;
  }
  try {
    if (method_ == HlrMethod::Exact)
      ProjectExact();
    else
      ProjectPolygonal();
  } catch (const Standard_Failure& failure) {
    failure_ = "hidden-line projection of model view \"" + viewName_ +
               "\" failed in the modeller: " + failure.GetMessageString();
    return false;
  }
  DrawAsSeen(content_);
  done_ = true;
  return true;
}

void HiddenLineProjection::ProjectExact() {
  Handle(HLRBRep_Algo) algo = new HLRBRep_Algo();
  for (size_t i = 0; i < bodies_.size(); ++i) {
    const PlacedBody& body = bodies_[i];
    if (body.shape.IsNull()) continue;
    const TopoDS_Shape placed = Placed(body);
    // A plane has no outline of its own: the outliner, most of the exact algorithm's
    // time on simple parts, would only copy such a body.
    if (planar_[i])
      algo->Load(new HLRTopoBRep_OutLiner(placed, placed));
    else
      algo->Add(placed);
  }
  algo->Projector(HLRAlgo_Projector(frame_));
  algo->Update();
  algo->Hide();
  HLRBRep_HLRToShape result(algo);
  AppendCurves(result.VCompound(), scale_, content_.visible);
  AppendCurves(result.OutLineVCompound(), scale_, content_.visible);
  AppendCurves(result.HCompound(), scale_, content_.hidden);
  AppendCurves(result.OutLineHCompound(), scale_, content_.hidden);
}

void HiddenLineProjection::MeshShapes() {
  if (method_ != HlrMethod::Polygonal) return;
  MeshOnce(bodies_, MeshDeflection());
  // Putting a shape into a compound marks the shape itself as no longer free to edit.
  // The algorithm would put each body into a compound of its own, on whatever thread it
  // runs; given one compound made here, it only marks that one.
  if (polygonalInput_.IsNull()) {
    BRep_Builder builder;
    builder.MakeCompound(polygonalInput_);
    for (const PlacedBody& body : bodies_)
      if (!body.shape.IsNull()) builder.Add(polygonalInput_, Placed(body));
  }
}

double HiddenLineProjection::MeshDeflection() const { return kMeshChordMm / scale_; }

void HiddenLineProjection::ProjectPolygonal() {
  MeshShapes();
  Handle(HLRBRep_PolyAlgo) algo = new HLRBRep_PolyAlgo();
  algo->Load(polygonalInput_);
  algo->Projector(HLRAlgo_Projector(frame_));
  algo->Update();
  AppendPolygonalSegments(algo, scale_, content_);
  // A curved face's outline comes from its mesh, up to a chord off the exact outline: a
  // hidden outline under a visible edge can lie that far from it (a pipe lying on a plate).
  content_.coincidenceMm = kMeshChordMm;
}

void HiddenLineProjection::RequireDone(const char* method) const {
  if (!done_)
    throw std::logic_error(std::string("HiddenLineProjection::") + method + " called before a successful Perform()");
}

const ViewContent& HiddenLineProjection::Content() const {
  RequireDone("Content");
  return content_;
}

HlrMethod HiddenLineProjection::MethodUsed() const {
  RequireDone("MethodUsed");
  return method_;
}

}  // namespace platform::drafting
