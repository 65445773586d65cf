#include "platform/geometry/tight_box.h"

#include <cmath>
#include <vector>

#include <BRepAdaptor_Surface.hxx>
#include <BRepBndLib.hxx>
#include <BRepTools.hxx>
#include <BRepTopAdaptor_FClass2d.hxx>
#include <BRep_Tool.hxx>
#include <ElSLib.hxx>
#include <TopExp_Explorer.hxx>
#include <TopoDS.hxx>
#include <TopoDS_Face.hxx>
#include <gp_Pnt2d.hxx>
#include <gp_Sphere.hxx>
#include <gp_Torus.hxx>

namespace platform {

namespace {

// Parameters are classified this close to the face's boundary.
constexpr double kUvTolerance = 1e-9;

// A surface point that may bound the face, by its parameters.
struct Candidate {
  double u, v;
};

// The parameter moved by whole periods into [first, first + period).
double IntoPeriod(double value, double first, double period) {
  return value - period * std::floor((value - first) / period);
}

class CurvedFace {
public:
  CurvedFace(const TopoDS_Face& face, const BRepAdaptor_Surface& surface)
      : face_(face), surface_(surface), classifier_(face, kUvTolerance) {
    BRepTools::UVBounds(face, u0_, u1_, v0_, v1_);
  }

  // Adds the candidate's point when it lies on the face (parameters taken into the
  // face's period first). False when no period of it is on the face.
  bool AddIfInside(Candidate c, Bnd_Box& box) {
    const double u = surface_.IsUPeriodic() ? IntoPeriod(c.u, u0_, surface_.UPeriod()) : c.u;
    const double v = surface_.IsVPeriodic() ? IntoPeriod(c.v, v0_, surface_.VPeriod()) : c.v;
    if (u > u1_ || v > v1_) return false;
    if (classifier_.Perform(gp_Pnt2d(u, v)) == TopAbs_OUT) return false;
    box.Add(surface_.Value(u, v));
    return true;
  }
  double V0() const { return v0_; }
  double V1() const { return v1_; }
  double U0() const { return u0_; }
  double U1() const { return u1_; }

private:
  const TopoDS_Face& face_;
  const BRepAdaptor_Surface& surface_;
  BRepTopAdaptor_FClass2d classifier_;
  double u0_ = 0, u1_ = 0, v0_ = 0, v1_ = 0;
};

const gp_Dir kAxes[3] = {gp::DX(), gp::DY(), gp::DZ()};

// Interior extremes of x, y and z on a sphere: the centre plus and minus the radius.
bool SphereExtremes(const gp_Sphere& sphere, CurvedFace& face, Bnd_Box& box) {
  for (const gp_Dir& d : kAxes)
    for (double sign : {1.0, -1.0}) {
      const gp_Pnt p = sphere.Location().Translated(gp_Vec(d) * (sign * sphere.Radius()));
      double u = 0, v = 0;
      ElSLib::Parameters(sphere, p, u, v);
      face.AddIfInside({u, v}, box);
    }
  return true;
}

// Interior extremes of x, y and z on a torus P(u, v) = C + (R + r cos v)(cos u X + sin u Y)
// + r sin v Z. With a = d.X, b = d.Y, c = d.Z the coordinate d.P is stationary where
// tan u = b / a and tan v = c / (a cos u + b sin u): four points per axis. Along an axis
// parallel to the torus' own (a = b = 0) it is extreme on the whole circles v = ±pi/2; a
// point of such a circle on the face gives the extreme, and when none is found the face
// is left to the modeller (false).
bool TorusExtremes(const gp_Torus& torus, CurvedFace& face, Bnd_Box& box) {
  const double R = torus.MajorRadius(), r = torus.MinorRadius();
  if (R < r) return false;  // a spindle torus has stationary points of its own
  const gp_Ax3& frame = torus.Position();
  for (const gp_Dir& d : kAxes) {
    const double a = d.Dot(frame.XDirection()), b = d.Dot(frame.YDirection()), c = d.Dot(frame.Direction());
    if (std::hypot(a, b) < 1e-12) {
      for (double v : {M_PI / 2, -M_PI / 2}) {
        const double vIn = IntoPeriod(v, face.V0(), 2 * M_PI);
        if (vIn > face.V1()) continue;  // the circle misses the face's parameter range
        bool found = false;
        constexpr int kSamples = 16;
        for (int k = 0; k <= kSamples && !found; ++k)
          found = face.AddIfInside({face.U0() + (face.U1() - face.U0()) * k / kSamples, vIn}, box);
        if (!found) return false;
      }
      continue;
    }
    for (double uShift : {0.0, M_PI}) {
      const double u = std::atan2(b, a) + uShift;
      const double w = a * std::cos(u) + b * std::sin(u);
      for (double vShift : {0.0, M_PI}) face.AddIfInside({u, std::atan2(c, w) + vShift}, box);
    }
  }
  return true;
}

// The face's tight box from its edges and inner extremes; false to leave it to the modeller.
bool AddCurvedFace(const TopoDS_Face& face, Bnd_Box& box) {
  const BRepAdaptor_Surface surface(face);
  const GeomAbs_SurfaceType type = surface.GetType();
  if (type != GeomAbs_Torus && type != GeomAbs_Sphere) return false;
  Bnd_Box faceBox;
  CurvedFace curved(face, surface);
  const bool done = type == GeomAbs_Torus ? TorusExtremes(surface.Torus(), curved, faceBox)
                                          : SphereExtremes(surface.Sphere(), curved, faceBox);
  if (!done) return false;
  for (TopExp_Explorer edge(face, TopAbs_EDGE); edge.More(); edge.Next())
    BRepBndLib::AddOptimal(edge.Current(), faceBox, false, false);
  if (faceBox.IsVoid()) return false;
  box.Add(faceBox);
  return true;
}

}  // namespace

void AddTightBox(const TopoDS_Shape& shape, Bnd_Box& box) {
  bool hasFaces = false;
  std::vector<TopoDS_Face> others;
  for (TopExp_Explorer e(shape, TopAbs_FACE); e.More(); e.Next()) {
    hasFaces = true;
    const TopoDS_Face& face = TopoDS::Face(e.Current());
    if (!AddCurvedFace(face, box)) BRepBndLib::AddOptimal(face, box, false, false);
  }
  // Edges and vertices outside faces, or a shape without faces: as the modeller bounds them.
  if (!hasFaces) {
    BRepBndLib::AddOptimal(shape, box, false, false);
    return;
  }
  for (TopExp_Explorer e(shape, TopAbs_EDGE, TopAbs_FACE); e.More(); e.Next())
    BRepBndLib::AddOptimal(e.Current(), box, false, false);
  for (TopExp_Explorer e(shape, TopAbs_VERTEX, TopAbs_EDGE); e.More(); e.Next())
    BRepBndLib::AddOptimal(e.Current(), box, false, false);
}

}  // namespace platform
