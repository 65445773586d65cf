// uf_curve.h: centroids of edges.
#include <uf_curve.h>

#include "platform/api/guard.h"
#include "platform/api/topology.h"
#include "platform/geometry/topology_geometry.h"

using namespace platform;
using namespace platform::api;

extern "C" {

int UF_CURVE_ask_centroid(tag_t curve_id, double centroid[3]) {
  return Guard("UF_CURVE_ask_centroid", [&] {
    Need(centroid, "centroid");
    std::fill(centroid, centroid + 3, 0.0);
    const Vec3 c = CentroidOfEdge(ReportedTopology(Live(curve_id), kSolidEdgeSubtype, "an edge"));
    std::copy(c.begin(), c.end(), centroid);
  });
}

}  // extern "C"
