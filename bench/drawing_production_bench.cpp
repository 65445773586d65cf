// Drawing production on a 200-part product: the `drawing` command in component mode
// (200 A4 part sheets and the general-arrangement sheet, four views each), and the
// general-arrangement sheet alone. Each part is one of the simple solids of a welded
// frame in a component part of its own, as the component dialog leaves them. The
// component mode also runs on 2,000 parts (the solids again, further along the grid):
// the cost and the memory a part sheet should not grow with the product.
// FABDOC_BENCH_KEEP=DIR keeps the product of the last component-mode run in DIR.
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>

#include <sys/resource.h>
#include <unistd.h>

#include <BRepBuilderAPI_Copy.hxx>
#include <benchmark/benchmark.h>

#include "drawing/sheet_scale.h"
#include "drawing/sheet_views.h"
#include "app/journal/journal.h"
#include "app/journal/runner.h"
#include "bench/bench_solids.h"
#include "bench/support/scratch_dir.h"
#include "platform/drafting/sheets.h"
#include "platform/files/part_file.h"
#include "platform/geometry/body.h"
#include "platform/objects/session.h"
#include "platform/text/host_path.h"
#include <uf.h>
#include <uf_assem.h>
#include <uf_draw.h>
#include <uf_part.h>

extern "C" void ufsta(char* param, int* retcode, int paramLen);

using namespace platform;
namespace fs = std::filesystem;

namespace {

double Seconds(const timeval& t) { return t.tv_sec + t.tv_usec * 1e-6; }

// Processor seconds of this process, and of the children it waited for (the workers
// that project views).
double OwnCpuSeconds() {
  timespec now;
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return now.tv_sec + now.tv_nsec * 1e-9;
}
double ChildrenCpuSeconds() {
  rusage children{};
  getrusage(RUSAGE_CHILDREN, &children);
  return Seconds(children.ru_utime) + Seconds(children.ru_stime);
}
double ProcessCpuSeconds() { return OwnCpuSeconds() + ChildrenCpuSeconds(); }

long ResidentBytes() {
  long pages = 0, resident = 0;
  if (std::FILE* statm = std::fopen("/proc/self/statm", "r")) {
    if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2) resident = 0;
    std::fclose(statm);
  }
  return resident * sysconf(_SC_PAGESIZE);
}

// P-0.prt over P-S<i>-<i>.prt, i = 1 .. parts, each holding solid (i - 1) mod 200 made
// to drawing.
Part& MakeProduct(const fs::path& dir, int parts = fabdoc_bench::kSolids) {
  Session::Get().Reset();
  fs::remove_all(dir);
  fs::create_directories(dir);
  const std::string folder = ToHostPath(dir.string());
  Part& root = Session::Get().NewPart(folder + "\\P-0.prt");
  for (int i = 1; i <= parts; ++i) {
    const std::string stem = "P-S" + std::to_string(i) + "-" + std::to_string(i);
    Part& part = Session::Get().NewPart(folder + "\\" + stem + ".prt");
    // A copy without the meshes an earlier run left on the solid, as a product read
    // from its files has none.
    auto body = std::make_unique<Body>(BRepBuilderAPI_Copy(fabdoc_bench::Solids()[(i - 1) % fabdoc_bench::kSolids]).Shape());
    body->name = "S" + std::to_string(i);
    body->attributes.Set("DB_PART_NAME", body->name);
    body->attributes.Set("DB_PART_NO", "1");
    body->attributes.Set("REMARK", "按图制作");  // GBK: this file is compiled like the add-on
    body->attributes.Set("suling", "钢板(10X100X300)");
    body->attributes.Set("MATERIALS", "Q235");
    part.Add(std::move(body));
    files::SavePart(part, part.path);
    Instance inst;
    inst.partPath = part.path;
    inst.instanceName = inst.name = stem;
    const gp_Vec at = fabdoc_bench::ProductPlace(i - 1);
    inst.transform = Transform::Translation(at.X(), at.Y(), at.Z());
    root.AddInstance(inst);
  }
  files::SavePart(root, root.path);
  Session::Get().SetDisplayed(&root);
  return root;
}

void StartAddOn() {
  setenv("FABDOC_DIALOG_PATH", FABDOC_BENCH_DIALOGS, 1);
  int rc = 0;
  ufsta(nullptr, &rc, 0);
}

void ComponentModeSheets(benchmark::State& state) {
  StartAddOn();
  const fabdoc_bench::ScratchDir scratch("fabdoc-bench-drawings");
  const fs::path& dir = scratch.path();
  double cpu = 0, workers = 0;
  size_t sheets = 0;
  long grown = 0;
  for (auto _ : state) {
    state.PauseTiming();
    Part& root = MakeProduct(dir, static_cast<int>(state.range(0)));
    const auto journal = fabdoc::app::journal::ParseJournal(
        "action drawing\n  set tuhao \"XJ\"\n  set ming \"BENCH\"\n  apply\n  cancel\n", (dir / "j").string(),
        dir.string());
    std::FILE* sink = std::fopen("/dev/null", "w");
    fabdoc::app::journal::Runner runner(journal, sink);
    state.ResumeTiming();
    const long resident = ResidentBytes();
    const double before = ProcessCpuSeconds(), childrenBefore = ChildrenCpuSeconds();
    runner.Run();
    cpu += ProcessCpuSeconds() - before;
    workers += ChildrenCpuSeconds() - childrenBefore;
    grown += ResidentBytes() - resident;
    std::fclose(sink);
    sheets = drafting::SheetsOf(root).size();
    if (const char* keep = std::getenv("FABDOC_BENCH_KEEP")) {
      state.PauseTiming();
      files::SavePart(root, root.path);
      fs::remove_all(keep);
      fs::copy(dir, keep, fs::copy_options::recursive);
      state.ResumeTiming();
    }
  }
  state.counters["cpu_s"] = cpu / state.iterations();
  state.counters["sheets"] = static_cast<double>(sheets);
  state.counters["workers_cpu_s"] = workers / state.iterations();
  state.counters["cpu_ms_a_sheet"] = 1e3 * cpu / state.iterations() / static_cast<double>(sheets);
  state.counters["kb_a_sheet"] = grown / 1024.0 / state.iterations() / static_cast<double>(sheets);
  Session::Get().Reset();
}
BENCHMARK(ComponentModeSheets)->Arg(200)->Arg(2000)->Unit(benchmark::kSecond)->UseRealTime()->Iterations(1);

void GeneralArrangementSheet(benchmark::State& state) {
  StartAddOn();
  const fabdoc_bench::ScratchDir scratch("fabdoc-bench-drawings");
  const fs::path& dir = scratch.path();
  double cpu = 0;
  for (auto _ : state) {
    state.PauseTiming();
    MakeProduct(dir, static_cast<int>(state.range(0)));
    UF_initialize();
    UF_ASSEM_set_work_part(UF_PART_ask_display_part());
    char path[MAX_FSPEC_BUFSIZE] = "";
    UF_PART_ask_part_name(UF_PART_ask_display_part(), path);
    state.ResumeTiming();
    const double before = ProcessCpuSeconds();
    kzt::DrawingState drawing;
    double scale = 0;
    kzt::A3总图比例设置(drawing, UF_ASSEM_ask_work_part(), scale);
    kzt::创建图纸页(drawing, {"", "-ooo", "000-0-总图", "1", "1", "", scale, "\\kzt-1\\bom\\A3_zong.prt"}, path, "P-0");
    tag_t sheet = NULL_TAG;
    UF_DRAW_ask_current_drawing(&sheet);
    UF_DRAW_upd_out_of_date_views(sheet);  // the reduced isometric view
    cpu += ProcessCpuSeconds() - before;
    UF_terminate();
  }
  state.counters["cpu_s"] = cpu / state.iterations();
  Session::Get().Reset();
}
// Its cost grows with the product (meshing and hiding every body), so it is measured
// apart: the component mode's cost a part sheet is the run's less this, over its part sheets.
BENCHMARK(GeneralArrangementSheet)->Arg(200)->Arg(2000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
