// DWG files of every sheet of a 200-part product: one A4 sheet per part (front, top,
// left and isometric views of that part's layer) and one A3 general-arrangement sheet of
// all 200, each flattened, converted and written as the translator does. Prints the
// seconds per sheet (views already updated; the hidden-line projection is timed apart)
// and the file sizes.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <numeric>
#include <vector>

#include "bench/bench_solids.h"
#include "bench/support/process_clock.h"
#include "platform/drafting/sheets.h"
#include "platform/drafting/view_content.h"
#include "platform/drafting/views.h"
#include "platform/dwg/dwg_writer.h"
#include "platform/dwg/sheet_dwg.h"
#include "platform/files/sheet_template.h"
#include "platform/geometry/body.h"
#include "platform/drafting/sheet_drawing_of.h"
#include "platform/objects/session.h"
#include "platform/text/gbk.h"
#include "platform/text/host_path.h"

namespace {

using namespace platform;
using fabdoc_bench::CpuSeconds;
namespace fs = std::filesystem;

constexpr int kParts = 200;

double Seconds(std::chrono::steady_clock::time_point since) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

}  // namespace

int main(int argc, char** argv) {
  const fs::path templates = fs::path(argc > 1 ? argv[1] : FABDOC_SHEET_TEMPLATES);
  const fs::path out = fs::temp_directory_path() / "fabdoc-dwg-sheets-bench";
  fs::remove_all(out);
  fs::create_directories(out);

  Part& part = Session::Get().NewPart(ToHostPath((out / "product.prt").string()));
  for (int i = 0; i < kParts; ++i) {
    gp_Trsf place;
    place.SetTranslation(fabdoc_bench::ProductPlace(i));
    auto body = std::make_unique<Body>(fabdoc_bench::Solid(i).Moved(TopLoc_Location(place)));
    body->display.layer = 2 + i;
    part.Add(std::move(body));
  }
  std::vector<DrawingSheet*> sheets;
  const std::string a4 = ToHostPath((templates / "A4_nj.prt").string());
  const std::string a3 = ToHostPath((templates / "A3_zong.prt").string());
  for (int i = 0; i < kParts; ++i) {
    DrawingSheet& sheet = drafting::AddSheetFromTemplate(part, a4, "P-" + std::to_string(i + 1));
    LayerMask mask{};
    mask[1 + i] = true;
    const char* views[] = {"Front", "Top", "Left", "Isometric"};
    const drafting::SheetPoint at[] = {{70, 211}, {70, 120}, {160, 211}, {160, 120}};
    for (int v = 0; v < 4; ++v) {
      DraftingView& view = drafting::ImportView(sheet, views[v], v == 3 ? 0.05 : 0.15, at[v]);
      drafting::SetLayerMask(view, mask);
    }
    sheets.push_back(&sheet);
  }
  DrawingSheet& ga = drafting::AddSheetFromTemplate(part, a3, text::ToGbk("P-总装-0"));
  const drafting::SheetPoint gaAt[] = {{110, 220}, {110, 110}, {300, 220}, {300, 110}};
  const char* gaViews[] = {"Front", "Top", "Left", "Isometric"};
  for (int v = 0; v < 4; ++v) drafting::ImportView(ga, gaViews[v], v == 3 ? 0.006 : 0.01, gaAt[v]);
  sheets.push_back(&ga);

  auto start = std::chrono::steady_clock::now();
  double cpu = CpuSeconds();
  for (DrawingSheet* sheet : sheets) drafting::UpdateOutOfDateViews(*sheet);
  std::printf("hidden-line views of %zu sheets: %.2f s wall, %.2f s CPU\n", sheets.size(), Seconds(start),
              CpuSeconds() - cpu);

  std::vector<double> partSeconds, partSizes;
  double gaSeconds = 0, gaSize = 0;
  size_t gaEntities = 0;
  start = std::chrono::steady_clock::now();
  cpu = CpuSeconds();
  for (DrawingSheet* sheet : sheets) {
    const auto t0 = std::chrono::steady_clock::now();
    const dwg::Drawing drawing = dwg::SheetToDwg(drafting::DrawingOf(*sheet));
    const fs::path file = out / fs::path(text::ToUtf8(sheet->name) + ".dwg");
    dwg::WriteDwgFile(drawing, file.string());
    const double seconds = Seconds(t0), size = static_cast<double>(fs::file_size(file));
    if (sheet == &ga) {
      gaSeconds = seconds, gaSize = size, gaEntities = drawing.entities.size();
    } else {
      partSeconds.push_back(seconds), partSizes.push_back(size);
    }
  }
  const double total = Seconds(start), totalCpu = CpuSeconds() - cpu;
  std::sort(partSeconds.begin(), partSeconds.end());
  std::sort(partSizes.begin(), partSizes.end());
  const auto median = [](const std::vector<double>& v) { return v[v.size() / 2]; };
  std::printf("DWG of %zu sheets: %.2f s wall, %.2f s CPU, %.1f ms a sheet\n", sheets.size(), total, totalCpu,
              1000 * total / sheets.size());
  std::printf("part sheets: %.1f / %.1f / %.1f ms (min / median / max), %.1f / %.1f / %.1f KB\n",
              1000 * partSeconds.front(), 1000 * median(partSeconds), 1000 * partSeconds.back(),
              partSizes.front() / 1024, median(partSizes) / 1024, partSizes.back() / 1024);
  std::printf("general arrangement: %.1f ms, %.1f KB, %zu entities\n", 1000 * gaSeconds, gaSize / 1024, gaEntities);
  std::printf("all files: %.1f MB in %s\n", std::accumulate(partSizes.begin(), partSizes.end(), gaSize) / 1048576,
              out.c_str());
  return 0;
}
