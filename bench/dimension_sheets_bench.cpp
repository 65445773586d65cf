// Automatic dimensions on every sheet of a 200-part product: one A4 sheet per part laid
// out as the drawing command lays it out (front, the views below and right of it, the
// isometric view; the part's own layer), and the A3 general-arrangement sheet, its one
// view of all the parts inside the frame. The views are updated first and not timed; the
// timed run is the dimensioning command over all 201 sheets (features from the B-rep,
// placement, the fall-backs and hole tables, the check), three times.
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>

#include <BRepBndLib.hxx>
#include <Bnd_Box.hxx>

#include "bench/bench_solids.h"
#include "bench/support/process_clock.h"
#include "platform/drafting/dimension_run.h"
#include "platform/drafting/sheets.h"
#include "platform/drafting/tests/part_sheet_fixture.h"
#include "platform/drafting/view_content.h"
#include "platform/drafting/views.h"
#include "platform/files/sheet_template.h"
#include "platform/geometry/body.h"
#include "platform/objects/session.h"
#include "platform/text/gbk.h"
#include "platform/text/host_path.h"

namespace {

using namespace platform;
using fabdoc_bench::CpuSeconds;
namespace fs = std::filesystem;

constexpr int kParts = 200;

}  // namespace

int main(int argc, char** argv) {
  const fs::path templates = fs::path(argc > 1 ? argv[1] : FABDOC_SHEET_TEMPLATES);
  Part& part = Session::Get().NewPart(ToHostPath((fs::temp_directory_path() / "dimension-bench.prt").string()));
  const std::string a4 = ToHostPath((templates / "A4_nj.prt").string());
  for (int i = 0; i < kParts; ++i) {
    gp_Trsf place;
    place.SetTranslation(fabdoc_bench::ProductPlace(i));
    const TopoDS_Shape shape = fabdoc_bench::Solid(i).Moved(TopLoc_Location(place));
    auto body = std::make_unique<Body>(shape);
    body->display.layer = 2 + i;
    part.Add(std::move(body));
    Bnd_Box box;
    BRepBndLib::AddOptimal(shape, box, false, false);
    double x0, y0, z0, x1, y1, z1;
    box.Get(x0, y0, z0, x1, y1, z1);
    const fabdoc_test::PartSheetLayout layout = fabdoc_test::LayoutForExtents(x1 - x0, y1 - y0, z1 - z0);
    DrawingSheet& sheet = drafting::AddSheetFromTemplate(part, a4, "P-" + std::to_string(i + 1));
    LayerMask mask{};
    mask[1 + i] = true;
    DraftingView& front = drafting::ImportView(sheet, "Front", layout.scale, layout.front);
    drafting::SetLayerMask(front, mask);
    drafting::AddProjectedView(front, drafting::ProjectionDirection::Below, layout.lower);
    drafting::AddProjectedView(front, drafting::ProjectionDirection::Right, layout.right);
    DraftingView& iso = drafting::ImportView(sheet, "Isometric", 0.3 * layout.scale, {layout.right[0], layout.lower[1]});
    drafting::SetLayerMask(iso, mask);
  }
  DrawingSheet& ga = drafting::AddSheetFromTemplate(part, ToHostPath((templates / "A3_zong.prt").string()),
                                                    text::ToGbk("P-总装-0"));
  drafting::ImportView(ga, "Front", 0.01, {205, 180});
  for (DrawingSheet* sheet : drafting::SheetsOf(part)) drafting::UpdateOutOfDateViews(*sheet);

  for (int run = 0; run < 3; ++run) {
    const auto start = std::chrono::steady_clock::now();
    const double cpu = CpuSeconds();
    const drafting::DimensionRunReport report = drafting::DimensionSheets(part, {});
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    int dimensions = 0, tables = 0;
    for (DrawingSheet* sheet : drafting::SheetsOf(part)) {
      dimensions += drafting::DimensionsOf(*sheet).size();
      tables += drafting::HoleTablesOf(*sheet).size();
    }
    std::printf("run %d: %zu sheets, %d dimensioned, %zu failed, %d dimensions, %d hole tables: %.3f s wall, %.3f s CPU\n",
                run + 1, drafting::SheetsOf(part).size(), report.changed, report.failed.size(), dimensions, tables, wall,
                CpuSeconds() - cpu);
    for (const std::string& failure : report.failed) std::printf("  %s\n", failure.c_str());
  }
  return 0;
}
