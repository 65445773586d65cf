// The content of a drawing view: the hidden-line projection of a set of bodies, each at
// its placement, along a model view at a scale. Visible and hidden edges are kept apart;
// sharp edges and the outlines of curved faces are drawn, tangent edges are not.
// Construct, Perform, then read; readers throw before a successful Perform.
#pragma once
#include <string>
#include <vector>

#include <TopoDS_Compound.hxx>
#include <TopoDS_Shape.hxx>
#include <gp_Ax2.hxx>
#include <gp_Trsf.hxx>

#include "platform/drafting/model_views.h"
#include "platform/drafting/view_curves.h"

namespace platform::drafting {

struct PlacedBody {
  TopoDS_Shape shape;
  gp_Trsf placement;  // where the body sits in the view's model space (assembly placement)
};

enum class HlrMethod {
  Automatic,  // exact up to kExactFaceLimit faces in the view, polygonal above
  Exact,      // HLRBRep_Algo on the B-rep: exact lines, arcs and outlines
  Polygonal,  // HLRBRep_PolyAlgo on a mesh: fast, every curve a chain of segments
};

// Above this many faces over all bodies of a view the exact algorithm, whose time grows
// faster than the number of faces, gives way to the polygonal one: about 50 simple parts,
// whose four views take 0.3 s exact (docs/drafting.md has the figures).
inline constexpr int kExactFaceLimit = 400;

// What Automatic resolves to for these bodies.
HlrMethod ChooseHlrMethod(const std::vector<PlacedBody>& bodies);

// The polygonal algorithm meshes the bodies' shapes in place, and the exact algorithm's
// outliner (run for bodies with curved faces) writes to their edges and vertices and to
// OCCT's own statics: only exact projections of bodies whose faces are all planar may run
// at the same time as others, and polygonal ones with each other once the shapes are
// meshed (MeshShapes).
class HiddenLineProjection {
public:
  // Throws HostError(InvalidArgument) when the scale is not a positive number. Automatic
  // is resolved here, from the bodies' faces. Keeps what it needs of `view`.
  HiddenLineProjection(std::vector<PlacedBody> bodies, const ModelView& view, double scale,
                       HlrMethod method = HlrMethod::Automatic);

  // False when no body has a face, or when the modeller fails (Failure() says why).
  bool Perform();
  bool IsDone() const { return done_; }
  const std::string& Failure() const { return failure_; }

  const ViewContent& Content() const;  // in sheet mm, the model origin projected at 0,0
  HlrMethod MethodUsed() const;        // Exact or Polygonal
  HlrMethod Method() const { return method_; }  // what Perform() will use, Exact or Polygonal
  // Perform() only reads the shapes and touches no shared state: it may run on any thread.
  bool RunsAlongsideOthers() const;
  // Polygonal: meshes the shapes now as Perform() would (several threads), nothing else.
  // Perform() then only reads the meshes, so polygonal projections whose shapes are
  // meshed for the same fineness may run at the same time.
  void MeshShapes();
  double MeshDeflection() const;  // the chord a polygonal projection meshes to, model units

private:
  void RequireDone(const char* method) const;
  void ProjectExact();
  void ProjectPolygonal();

  std::vector<PlacedBody> bodies_;
  std::vector<bool> planar_;  // per body: every face planar, so no outline to look for
  TopoDS_Compound polygonalInput_;  // the placed bodies in one compound, made by MeshShapes
  std::string viewName_;  // for messages
  gp_Ax2 frame_;          // the view's projection frame
  double scale_;
  HlrMethod method_;
  bool done_ = false;
  std::string failure_;
  ViewContent content_;
};

}  // namespace platform::drafting
