// uf_csys.h: matrices, temporary coordinate systems and the work coordinate system.
#include <uf_csys.h>

#include <map>

#include "platform/api/guard.h"
#include "platform/api/session_objects.h"
#include "platform/api/wcs.h"

using namespace platform;
using namespace platform::api;

namespace platform::api {

OrientationMatrix& NewMatrix(Part& part, const std::array<double, 9>& rows) {
  CheckOrientation(rows);
  auto matrix = std::make_unique<OrientationMatrix>();
  matrix->owner = &part;
  matrix->values = rows;
  return Keep(std::move(matrix));
}

CoordinateSystem& WorkCsysOf(Part& part) {
  static std::map<Tag, Tag> wcsOfPart;  // tags are never reused: a stale entry resolves to nothing
  Session& session = Session::Get();
  if (auto it = wcsOfPart.find(part.GetTag()); it != wcsOfPart.end())
    if (auto* wcs = session.FindAs<CoordinateSystem>(it->second)) return *wcs;
  auto wcs = std::make_unique<CoordinateSystem>(kWorkCsysSubtype);
  wcs->owner = &part;
  wcs->matrix = NewMatrix(part, wcs->axes).GetTag();
  CoordinateSystem& kept = Keep(std::move(wcs));
  wcsOfPart[part.GetTag()] = kept.GetTag();
  return kept;
}

}  // namespace platform::api

namespace {

CoordinateSystem& NeedCsys(tag_t tag) {
  return Session::Get().RequireAs<CoordinateSystem>(tag, "a coordinate system");
}

}  // namespace

extern "C" {

int UF_CSYS_ask_wcs(tag_t* wcs_id) {
  return Guard("UF_CSYS_ask_wcs", [&] {
    Need(wcs_id, "wcs_id");
    *wcs_id = NULL_TAG;
    *wcs_id = WorkCsysOf(WorkPart()).GetTag();
  });
}

int UF_CSYS_set_wcs(tag_t wcs_id) {
  return Guard("UF_CSYS_set_wcs", [&] {
    const CoordinateSystem& source = NeedCsys(wcs_id);
    CoordinateSystem& wcs = WorkCsysOf(WorkPart());
    if (&wcs == &source) return;
    wcs.origin = source.origin;
    wcs.axes = source.axes;
    wcs.matrix = source.matrix;
  });
}

int UF_CSYS_ask_csys_info(tag_t csys_id, tag_t* matrix_id, double csys_origin[3]) {
  return Guard("UF_CSYS_ask_csys_info", [&] {
    Need(matrix_id, "matrix_id");
    Need(csys_origin, "csys_origin");
    *matrix_id = NULL_TAG;
    CoordinateSystem& csys = NeedCsys(csys_id);
    // The matrix it was made with may have gone with its part; give it a fresh one.
    if (!Session::Get().FindAs<OrientationMatrix>(csys.matrix))
      csys.matrix = NewMatrix(OwningPart(csys), csys.axes).GetTag();
    *matrix_id = csys.matrix;
    std::copy(csys.origin.begin(), csys.origin.end(), csys_origin);
  });
}

int UF_CSYS_ask_matrix_values(tag_t matrix_id, double matrix_values[9]) {
  return Guard("UF_CSYS_ask_matrix_values", [&] {
    Need(matrix_values, "matrix_values");
    const auto& matrix = Session::Get().RequireAs<OrientationMatrix>(matrix_id, "a matrix");
    std::copy(matrix.values.begin(), matrix.values.end(), matrix_values);
  });
}

int UF_CSYS_create_matrix(const double matrix_values[9], tag_t* matrix_id) {
  return Guard("UF_CSYS_create_matrix", [&] {
    Need(matrix_id, "matrix_id");
    *matrix_id = NULL_TAG;
    Need(matrix_values, "matrix_values");
    std::array<double, 9> rows;
    std::copy(matrix_values, matrix_values + 9, rows.begin());
    *matrix_id = NewMatrix(WorkPart(), rows).GetTag();
  });
}

int UF_CSYS_create_temp_csys(const double csys_origin[3], tag_t matrix_id, tag_t* csys_id) {
  return Guard("UF_CSYS_create_temp_csys", [&] {
    Need(csys_id, "csys_id");
    *csys_id = NULL_TAG;
    Need(csys_origin, "csys_origin");
    const auto& matrix = Session::Get().RequireAs<OrientationMatrix>(matrix_id, "a matrix");
    auto csys = std::make_unique<CoordinateSystem>();
    csys->owner = &WorkPart();
    std::copy(csys_origin, csys_origin + 3, csys->origin.begin());
    csys->axes = matrix.values;
    csys->matrix = matrix_id;
    *csys_id = Keep(std::move(csys)).GetTag();
  });
}

}  // extern "C"
