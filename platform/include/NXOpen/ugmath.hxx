// Points, vectors and matrices of the host's object interface.
#pragma once

namespace NXOpen {

struct Point3d {
  double X, Y, Z;
  Point3d() : X(0), Y(0), Z(0) {}
  Point3d(double x, double y, double z) : X(x), Y(y), Z(z) {}
};

struct Vector3d {
  double X, Y, Z;
  Vector3d() : X(0), Y(0), Z(0) {}
  Vector3d(double x, double y, double z) : X(x), Y(y), Z(z) {}
};

struct Point2d {
  double X, Y;
  Point2d() : X(0), Y(0) {}
  Point2d(double x, double y) : X(x), Y(y) {}
};

struct Matrix3x3 {
  double Xx, Xy, Xz, Yx, Yy, Yz, Zx, Zy, Zz;
};

}  // namespace NXOpen
