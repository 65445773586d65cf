// The 200 simple solids the drafting benchmarks draw: the parts of a welded frame
// (plates, plates with four holes, square tubes, pipes, angles), 300 mm long and more.
#pragma once
#include <stdexcept>
#include <vector>

#include <BRepAlgoAPI_Cut.hxx>
#include <BRepPrimAPI_MakeBox.hxx>
#include <BRepPrimAPI_MakeCylinder.hxx>
#include <TopoDS_Shape.hxx>

namespace fabdoc_bench {

constexpr int kSolids = 200;

inline TopoDS_Shape Block(double dx, double dy, double dz, double x = 0, double y = 0, double z = 0) {
  return BRepPrimAPI_MakeBox(gp_Pnt(x, y, z), dx, dy, dz).Shape();
}

inline TopoDS_Shape Cut(const TopoDS_Shape& a, const TopoDS_Shape& b) {
  BRepAlgoAPI_Cut cut(a, b);
  if (!cut.IsDone()) throw std::runtime_error("bench solid: cut failed");
  return cut.Shape();
}

inline TopoDS_Shape Solid(int i) {
  const double length = 300 + 7 * i;
  switch (i % 5) {
    case 0: return Block(length, 100 + i % 7 * 10, 10);
    case 1: {
      TopoDS_Shape plate = Block(length, 120, 12);
      for (double x : {30.0, length - 30})
        for (double y : {30.0, 90.0})
          plate = Cut(plate, BRepPrimAPI_MakeCylinder(gp_Ax2(gp_Pnt(x, y, -1), gp::DZ()), 9, 14).Shape());
      return plate;
    }
    case 2: return Cut(Block(60, 60, length), Block(50, 50, length + 2, 5, 5, -1));
    case 3: return Cut(BRepPrimAPI_MakeCylinder(gp_Ax2(gp::Origin(), gp::DX()), 30, length).Shape(),
                       BRepPrimAPI_MakeCylinder(gp_Ax2(gp_Pnt(-1, 0, 0), gp::DX()), 26, length + 2).Shape());
    default: return Cut(Block(length, 50, 50), Block(length + 2, 45, 45, -1, 5, 5));
  }
}

inline const std::vector<TopoDS_Shape>& Solids() {
  static const std::vector<TopoDS_Shape> solids = [] {
    std::vector<TopoDS_Shape> all;
    for (int i = 0; i < kSolids; ++i) all.push_back(Solid(i));
    return all;
  }();
  return solids;
}

// Where solid i sits in the product: a grid of 1.2 m cells, 15 across, 4 deep.
inline gp_Vec ProductPlace(int i) { return gp_Vec(1200.0 * (i % 15), 400.0 * (i / 15 % 4), 600.0 * (i / 60)); }

}  // namespace fabdoc_bench
