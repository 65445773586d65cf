#include "platform/files/shape_sanity.h"

#include <unordered_map>
#include <vector>

#include <BRep_TEdge.hxx>
#include <BRep_TFace.hxx>
#include <BRep_TVertex.hxx>
#include <TopoDS_Iterator.hxx>
#include <TopoDS_TShape.hxx>

namespace platform::files {

namespace {

bool MayContain(TopAbs_ShapeEnum parent, TopAbs_ShapeEnum child) {
  switch (parent) {
    case TopAbs_COMPOUND: return true;
    case TopAbs_COMPSOLID: return child == TopAbs_SOLID;
    case TopAbs_SOLID: return child == TopAbs_SHELL || child == TopAbs_FACE || child == TopAbs_EDGE || child == TopAbs_VERTEX;
    case TopAbs_SHELL: return child == TopAbs_FACE;
    case TopAbs_FACE: return child == TopAbs_WIRE || child == TopAbs_EDGE || child == TopAbs_VERTEX;
    case TopAbs_WIRE: return child == TopAbs_EDGE;
    case TopAbs_EDGE: return child == TopAbs_VERTEX;
    default: return false;
  }
}

// The kind of the TShape must agree with the type it claims (a face's data is a TFace).
bool KindAgrees(const TopoDS_Shape& shape) {
  const Handle(TopoDS_TShape)& t = shape.TShape();
  switch (shape.ShapeType()) {
    case TopAbs_FACE: return !Handle(BRep_TFace)::DownCast(t).IsNull();
    case TopAbs_EDGE: return !Handle(BRep_TEdge)::DownCast(t).IsNull();
    case TopAbs_VERTEX: return !Handle(BRep_TVertex)::DownCast(t).IsNull();
    default: return true;
  }
}

}  // namespace

// Checks one shape as it is referenced (orientation, kind), not its content.
std::string ReferenceFault(const TopoDS_Shape& shape) {
  if (shape.TShape().IsNull()) return "a missing sub-shape";
  // As numbers: the reader stores whatever byte the file holds.
  if (static_cast<unsigned>(shape.Orientation()) > static_cast<unsigned>(TopAbs_EXTERNAL))
    return "a bad orientation";
  if (static_cast<unsigned>(shape.ShapeType()) > static_cast<unsigned>(TopAbs_VERTEX)) return "a bad shape type";
  if (!KindAgrees(shape)) return "a sub-shape of the wrong kind";
  return {};
}

std::string TopologyFault(const TopoDS_Shape& root) {
  if (root.IsNull()) return "no shape";
  if (std::string fault = ReferenceFault(root); !fault.empty()) return fault;
  // Depth first; a shape met again while it is still open contains itself.
  enum class State { Open, Done };
  std::unordered_map<const TopoDS_TShape*, State> state;
  struct Frame {
    TopoDS_Shape shape;
    TopoDS_Iterator children;
  };
  std::vector<Frame> stack;
  auto enter = [&](const TopoDS_Shape& shape) {
    state[shape.TShape().get()] = State::Open;
    // Orientations and locations are not composed here: a bad one is refused first.
    stack.push_back({shape, TopoDS_Iterator(shape, false, false)});
  };
  enter(root);
  while (!stack.empty()) {
    Frame& top = stack.back();
    if (!top.children.More()) {
      state[top.shape.TShape().get()] = State::Done;
      stack.pop_back();
      continue;
    }
    const TopoDS_Shape child = top.children.Value();
    top.children.Next();
    if (std::string fault = ReferenceFault(child); !fault.empty()) return fault;
    if (!MayContain(top.shape.ShapeType(), child.ShapeType())) return "a sub-shape that cannot sit in its parent";
    auto it = state.find(child.TShape().get());
    if (it == state.end()) enter(child);
    else if (it->second == State::Open) return "a shape that contains itself";
  }
  return {};
}

}  // namespace platform::files
