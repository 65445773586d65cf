// The flat solid: the developed faces extruded by the thickness towards the material
// and fused into one solid, coplanar faces merged.
#include <BRepAlgoAPI_Fuse.hxx>
#include <BRepGProp.hxx>
#include <BRepPrimAPI_MakePrism.hxx>
#include <GProp_GProps.hxx>
#include <ShapeUpgrade_UnifySameDomain.hxx>
#include <TopExp_Explorer.hxx>
#include <TopTools_ListOfShape.hxx>

#include "platform/base/host_error.h"
#include "platform/geometry/sheet_metal/flat_pattern.h"
#include "platform/geometry/sheet_metal/sheet_side.h"

namespace platform::sheet_metal {

namespace {

TopoDS_Shape Slab(const TopoDS_Face& face, const gp_Vec& depth) {
  BRepPrimAPI_MakePrism prism(face, depth);
  TopoDS_Shape slab = prism.Shape();
  GProp_GProps props;
  BRepGProp::VolumeProperties(slab, props);
  // A face wound against the extrusion gives an inside-out slab.
  if (props.Mass() < 0) slab.Reverse();
  return slab;
}

}  // namespace

FlatPattern Unfold(const TopoDS_Shape& body, const TopoDS_Face& stationary, const std::string& bodyLabel) {
  FlatPattern pattern = Develop(body, stationary, bodyLabel);
  const gp_Vec depth = gp_Vec(OutwardNormal(stationary, PointOnFace(stationary)).Reversed()) * pattern.thickness;

  TopTools_ListOfShape first, rest;
  for (const TopoDS_Face& face : pattern.faces) (first.IsEmpty() ? first : rest).Append(Slab(face, depth));
  TopoDS_Shape fused = first.First();
  if (!rest.IsEmpty()) {
    BRepAlgoAPI_Fuse fuse;
    fuse.SetArguments(first);
    fuse.SetTools(rest);
    fuse.Build();
    if (!fuse.IsDone() || fuse.HasErrors())
      throw HostError(HostStatus::ModellingFailed, bodyLabel + ": the modeller could not fuse the unfolded faces");
    fused = fuse.Shape();
  }
  ShapeUpgrade_UnifySameDomain unify(fused, true, true, false);
  unify.Build();

  int solids = 0;
  for (TopExp_Explorer e(unify.Shape(), TopAbs_SOLID); e.More(); e.Next()) {
    if (++solids == 1) pattern.solid = e.Current();
  }
  if (solids != 1)
    throw HostError(HostStatus::ModellingFailed, bodyLabel + ": the unfolded faces make " + std::to_string(solids) +
                                                     " solids instead of one (the flat pattern overlaps itself or falls apart)");
  return pattern;
}

}  // namespace platform::sheet_metal
