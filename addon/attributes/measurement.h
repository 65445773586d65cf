// Measuring bodies: volume and mass, areas, the largest face, face and edge counts
// through the solid modeller; the work coordinate system on the largest face; the
// envelope (extents along the body's own axes and the wall or plate thickness).
#pragma once
#include <string>

#include <uf_defs.h>

namespace kzt {

// The accuracy every measurement asks for. 得到体积 raises it to its floor of 0.99,
// so volumes and masses are evaluated at 0.99; 得到面积 uses it as it is.
inline constexpr double kMeasureAccuracy = 0.95;

// Volume (mm^3) and mass (g); volume 0 and mass untouched for a tag without a body.
// The accuracy is clamped to 0.99..1.0.
void 得到体积(tag_t body, double accuracy, double& volume, double& mass);
// Below this a solid has no volume worth the name (a cube of 0.1 mm): some systems write
// a collapsed solid where a body was deleted or failed to rebuild. No stock fits it.
inline constexpr double kNoVolume = 1e-3;  // mm^3
// The message refusing stock for such a body, naming it; empty when the body has volume.
std::string no_volume_refusal(tag_t body);

// Area of a face (mm^2); 0 for a zero tag. The accuracy is clamped to 0.9..1.0.
void 得到面积(tag_t face, double accuracy, double& area);
// The first face of largest area; NULL_TAG for a body without faces.
tag_t 求体的最大面积(tag_t body);
// Face or edge count of the body; both return 1 when there is none or no body.
int 得到体的面数量(tag_t body, int& count);
int 获得体所有边(tag_t body, int& count);

// Makes a coordinate system on the face the work one: X the face's normal (or axis),
// Y along its longest straight edge.
void 设置坐标到最大面最长边(tag_t face);

// Extents of a body along its own axes, smallest first, and its plate or wall thickness
// (the smallest non-zero distance from its largest face to a parallel face of the same
// kind; 0 when there is none). The work coordinate system is restored afterwards.
// A temporary copy of the work coordinate system, to make it the work one again later.
tag_t copy_of_work_csys();

struct BodyExtents {
  double d0 = 0, d1 = 0, d2 = 0;
  double thickness = 0;
};
BodyExtents measure_extents(tag_t body);
// The exact extents of a body along the work coordinate system, smallest first.
void extents_along_work_csys(tag_t body, double& d0, double& d1, double& d2);

}  // namespace kzt
