#include "platform/files/shape_sanity.h"

#include <cmath>
#include <cstring>
#include <deque>
#include <unordered_map>
#include <vector>

#include <BRep_TEdge.hxx>
#include <BRep_Tool.hxx>
#include <TopoDS.hxx>
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

// The bits of an enumeration as the reader stored them: a value outside the
// enumeration must not be compared as the enumeration.
template <class Enum>
unsigned RawValue(Enum value) {
  static_assert(sizeof(Enum) == sizeof(unsigned));
  unsigned raw;
  std::memcpy(&raw, &value, sizeof raw);
  return raw;
}

// Where a shape keeps its orientation, found by comparing two shapes that differ only in
// it. A value the reader stored outside the enumeration is read there as bits: loading
// it as the enumeration, which every copy of the shape does, is undefined behaviour.
std::size_t OrientationOffset() {
  static const std::size_t offset = [] {
    static_assert(sizeof(TopAbs_Orientation) == sizeof(unsigned));
    TopoDS_Shape forward, external;
    forward.Orientation(TopAbs_FORWARD);
    external.Orientation(TopAbs_EXTERNAL);
    const auto* a = reinterpret_cast<const unsigned char*>(&forward);
    const auto* b = reinterpret_cast<const unsigned char*>(&external);
    std::size_t at = 0;
    while (at + sizeof(unsigned) < sizeof(TopoDS_Shape) && a[at] == b[at]) ++at;
    return at;
  }();
  return offset;
}

unsigned RawOrientation(const TopoDS_Shape& shape) {
  unsigned raw;
  std::memcpy(&raw, reinterpret_cast<const unsigned char*>(&shape) + OrientationOffset(), sizeof raw);
  return raw;
}

// Checks one shape as it is referenced (orientation, kind), not its content. Call it
// before the shape is copied.
std::string ReferenceFault(const TopoDS_Shape& shape) {
  if (shape.TShape().IsNull()) return "a missing sub-shape";
  if (RawOrientation(shape) > RawValue(TopAbs_EXTERNAL)) return "a bad orientation";
  if (RawValue(shape.ShapeType()) > RawValue(TopAbs_VERTEX)) return "a bad shape type";
  if (!KindAgrees(shape)) return "a sub-shape of the wrong kind";
  return {};
}

bool Finite(const gp_XYZ& p) { return std::isfinite(p.X()) && std::isfinite(p.Y()) && std::isfinite(p.Z()); }

// What a measurement meets, walking as OCCT's explorers do: orientations and locations
// composed from the root down, every path (not every shape once), a vertex's point and a
// face's surface as placed.
std::string PlacedFault(const TopoDS_Shape& root) {
  std::deque<TopoDS_Iterator> stack;
  stack.emplace_back(root, true, true);
  while (!stack.empty()) {
    TopoDS_Iterator& top = stack.back();
    if (!top.More()) {
      stack.pop_back();
      continue;
    }
    if (std::string fault = ReferenceFault(top.Value()); !fault.empty()) return fault;
    const TopoDS_Shape child = top.Value();
    top.Next();
    if (!Finite(child.Location().Transformation().TranslationPart())) return "a bad placement";
    if (child.ShapeType() == TopAbs_VERTEX && !Finite(BRep_Tool::Pnt(TopoDS::Vertex(child)).XYZ()))
      return "a vertex without a point";
    if (child.ShapeType() == TopAbs_FACE && BRep_Tool::Surface(TopoDS::Face(child)).IsNull())
      return "a face without a surface";
    stack.emplace_back(child, true, true);
  }
  return {};
}

// Each shape once, as stored: every sub-shape present and of a kind its parent may hold,
// nothing containing itself.
std::string StructureFault(const TopoDS_Shape& root) {
  if (root.IsNull()) return "no shape";
  if (std::string fault = ReferenceFault(root); !fault.empty()) return fault;
  // Depth first; a shape met again while it is still open contains itself.
  enum class State { Open, Done };
  std::unordered_map<const TopoDS_TShape*, State> state;
  // An iterator holds its current sub-shape, not yet checked: frames are made in place
  // and never moved (a deque), since copying that sub-shape loads its orientation.
  struct Frame {
    explicit Frame(const TopoDS_Shape& s) : shape(s), children(s, false, false) {}
    TopoDS_Shape shape;
    TopoDS_Iterator children;
  };
  std::deque<Frame> stack;
  auto enter = [&](const TopoDS_Shape& shape) {
    state[shape.TShape().get()] = State::Open;
    // Orientations and locations are not composed here: a bad one is refused first.
    stack.emplace_back(shape);
  };
  enter(root);
  while (!stack.empty()) {
    Frame& top = stack.back();
    if (!top.children.More()) {
      state[top.shape.TShape().get()] = State::Done;
      stack.pop_back();
      continue;
    }
    if (std::string fault = ReferenceFault(top.children.Value()); !fault.empty()) return fault;
    const TopoDS_Shape child = top.children.Value();
    top.children.Next();
    if (!MayContain(top.shape.ShapeType(), child.ShapeType())) return "a sub-shape that cannot sit in its parent";
    auto it = state.find(child.TShape().get());
    if (it == state.end()) enter(child);
    else if (it->second == State::Open) return "a shape that contains itself";
  }
  return {};
}

}  // namespace

std::string TopologyFault(const TopoDS_Shape& root) {
  if (std::string fault = StructureFault(root); !fault.empty()) return fault;
  return PlacedFault(root);  // only once no path can loop
}

}  // namespace platform::files
