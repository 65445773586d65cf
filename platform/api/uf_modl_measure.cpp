// uf_modl.h, measurements between and along: the exact box along a coordinate system
// and the minimum distance between two objects.
#include <uf_modl.h>

#include "platform/api/guard.h"
#include "platform/api/topology.h"
#include "platform/api/wcs.h"
#include "platform/geometry/exact_box.h"
#include "platform/geometry/min_distance.h"

using namespace platform;
using namespace platform::api;

extern "C" {

int UF_MODL_ask_bounding_box_exact(tag_t object, tag_t csys, double min_corner[3], double directions[3][3],
                                   double distances[3]) {
  return Guard("UF_MODL_ask_bounding_box_exact", [&] {
    Need(min_corner, "min_corner");
    Need(directions, "directions");
    Need(distances, "distances");
    std::fill(min_corner, min_corner + 3, 0.0);
    std::fill(distances, distances + 3, 0.0);
    for (int i = 0; i < 3; ++i) std::fill(directions[i], directions[i] + 3, 0.0);
    const CoordinateSystem& along = csys == NULL_TAG
                                        ? WorkCsysOf(WorkPart())
                                        : Session::Get().RequireAs<CoordinateSystem>(csys, "a coordinate system");
    const Frame frame = along.AsFrame();
    const Box box = ExactBoxInFrame(ReportedShape(Live(object)), frame);
    // The corner goes back from the frame's coordinates to absolute ones.
    for (int k = 0; k < 3; ++k) {
      min_corner[k] = frame.origin[k];
      for (int axis = 0; axis < 3; ++axis) min_corner[k] += box.min[axis] * frame.axes[axis][k];
    }
    const auto size = box.Size();
    for (int axis = 0; axis < 3; ++axis) {
      std::copy(frame.axes[axis].begin(), frame.axes[axis].end(), directions[axis]);
      distances[axis] = size[axis];
    }
  });
}

int UF_MODL_ask_minimum_dist(tag_t obj1, tag_t obj2, int guess1_given, double guess1[3], int guess2_given,
                             double guess2[3], double* min_dist, double pt_on_obj1[3], double pt_on_obj2[3]) {
  return Guard("UF_MODL_ask_minimum_dist", [&] {
    Need(min_dist, "min_dist");
    Need(pt_on_obj1, "pt_on_obj1");
    Need(pt_on_obj2, "pt_on_obj2");
    *min_dist = 0;
    std::fill(pt_on_obj1, pt_on_obj1 + 3, 0.0);
    std::fill(pt_on_obj2, pt_on_obj2 + 3, 0.0);
    if (guess1_given) Need(guess1, "guess1");
    if (guess2_given) Need(guess2, "guess2");
    MinDistance distance(ReportedShape(Live(obj1)), ReportedShape(Live(obj2)));
    if (!distance.Perform())
      throw HostError(HostStatus::NoGeometry, "no minimum distance between " + TagText(obj1) + " and " + TagText(obj2));
    *min_dist = distance.Value();
    const auto a = distance.PointOnA();
    const auto b = distance.PointOnB();
    std::copy(a.begin(), a.end(), pt_on_obj1);
    std::copy(b.begin(), b.end(), pt_on_obj2);
  });
}

}  // extern "C"
