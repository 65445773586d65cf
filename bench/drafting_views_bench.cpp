// Drawing views of a 200-part product: four first-angle views (front, top below it, left
// to its right, isometric) of each solid on its own page, and the same four views of all
// 200 together (the general-arrangement sheet), exact against polygonal hidden lines.
#include <algorithm>
#include <cmath>
#include <ctime>
#include <stdexcept>
#include <thread>
#include <vector>

#include <BRepBndLib.hxx>
#include <Bnd_Box.hxx>
#include <TopExp_Explorer.hxx>
#include <benchmark/benchmark.h>

#include "bench/bench_solids.h"
#include "platform/drafting/hidden_line_projection.h"

namespace {

using namespace platform::drafting;

using fabdoc_bench::kSolids;
using fabdoc_bench::Solids;
const char* const kPageViews[] = {"Front", "Top", "Left", "Isometric"};

// The A4 part-sheet scale for a body of these extents (210 x 297, reserves 90 and 155).
double PageScale(const TopoDS_Shape& shape) {
  Bnd_Box box;
  BRepBndLib::Add(shape, box);
  double x0, y0, z0, x1, y1, z1;
  box.Get(x0, y0, z0, x1, y1, z1);
  const double wx = (x1 - x0) + (y1 - y0), hy = (y1 - y0) + (z1 - z0);
  const double t1 = 210 / (wx + 90 * wx / 210), t2 = 297 / (hy + 155 * hy / 297);
  return (t2 > t1 ? t1 : t2) / 1.2;
}

// CPU seconds of the whole process, all threads: the machine is shared, so wall time
// alone says little.
double ProcessCpuSeconds() {
  timespec now;
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return now.tv_sec + now.tv_nsec * 1e-9;
}

size_t ProjectPage(const std::vector<PlacedBody>& bodies, double scale, HlrMethod method) {
  size_t curves = 0;
  for (const char* view : kPageViews) {
    const double viewScale = std::string_view(view) == "Isometric" ? 0.3 * scale : scale;
    HiddenLineProjection projection(bodies, StandardModelView(view), viewScale, method);
    if (!projection.Perform()) throw std::runtime_error(projection.Failure());
    curves += projection.Content().visible.size() + projection.Content().hidden.size();
  }
  return curves;
}

void PagesOfSolids(benchmark::State& state) {
  const int threads = static_cast<int>(state.range(0));
  const auto& solids = Solids();
  const double cpuBefore = ProcessCpuSeconds();
  for (auto _ : state) {
    std::vector<size_t> curves(threads, 0);
    std::vector<std::thread> workers;
    for (int t = 0; t < threads; ++t)
      workers.emplace_back([&, t] {
        for (int i = t; i < kSolids; i += threads)
          curves[t] += ProjectPage({{solids[i], gp_Trsf()}}, PageScale(solids[i]), HlrMethod::Automatic);
      });
    for (auto& worker : workers) worker.join();
    benchmark::DoNotOptimize(curves);
  }
  state.counters["cpu_s"] = (ProcessCpuSeconds() - cpuBefore) / state.iterations();
  state.counters["pages"] = kSolids;
  state.counters["ms_per_page"] = benchmark::Counter(kSolids, benchmark::Counter::kIsIterationInvariantRate |
                                                                 benchmark::Counter::kInvert);
}
BENCHMARK(PagesOfSolids)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// The four views of each page of one kind of solid (i % 5: plate, plate with holes,
// square tube, pipe, angle), by one algorithm: 40 pages, each solid meshed afresh.
void PagesOfOneKind(benchmark::State& state) {
  const int kind = static_cast<int>(state.range(0));
  const auto method = static_cast<HlrMethod>(state.range(1));
  std::vector<TopoDS_Shape> fresh;
  for (int i = kind; i < kSolids; i += 5) fresh.push_back(fabdoc_bench::Solid(i));
  const double cpuBefore = ProcessCpuSeconds();
  for (auto _ : state)
    for (const TopoDS_Shape& shape : fresh)
      benchmark::DoNotOptimize(ProjectPage({{shape, gp_Trsf()}}, PageScale(shape), method));
  state.counters["cpu_ms_per_page"] = (ProcessCpuSeconds() - cpuBefore) * 1000 / state.iterations() / fresh.size();
  const char* const kinds[] = {"plate", "plate with holes", "square tube", "pipe", "angle"};
  state.SetLabel(std::string(kinds[kind]) + (method == HlrMethod::Exact ? ", exact" : ", polygonal"));
}
BENCHMARK(PagesOfOneKind)
    ->ArgsProduct({{0, 1, 2, 3, 4}, {static_cast<int>(HlrMethod::Exact), static_cast<int>(HlrMethod::Polygonal)}})
    ->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

// The first n solids laid out as a product: a grid of 1.2 m cells.
std::vector<PlacedBody> Product(int n) {
  const auto& solids = Solids();
  std::vector<PlacedBody> bodies;
  for (int i = 0; i < n; ++i) {
    gp_Trsf placement;
    placement.SetTranslation(fabdoc_bench::ProductPlace(i));
    bodies.push_back({solids[i], placement});
  }
  return bodies;
}

void GeneralArrangement(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const auto method = static_cast<HlrMethod>(state.range(1));
  const std::vector<PlacedBody> bodies = Product(n);
  const double cpuBefore = ProcessCpuSeconds();
  for (auto _ : state) benchmark::DoNotOptimize(ProjectPage(bodies, 0.02, method));
  state.counters["cpu_s"] = (ProcessCpuSeconds() - cpuBefore) / state.iterations();
  int faces = 0;
  for (const PlacedBody& body : bodies)
    for (TopExp_Explorer it(body.shape, TopAbs_FACE); it.More(); it.Next()) ++faces;
  state.counters["faces"] = faces;
  state.SetLabel(method == HlrMethod::Exact ? "exact" : method == HlrMethod::Polygonal ? "polygonal" : "automatic");
}
BENCHMARK(GeneralArrangement)
    ->ArgsProduct({{25, 50, 100, 200}, {static_cast<int>(HlrMethod::Exact), static_cast<int>(HlrMethod::Polygonal)}})
    ->Args({200, static_cast<int>(HlrMethod::Automatic)})
    ->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
