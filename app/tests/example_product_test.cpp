// The example frame: every stock kind with the documented size, the identical and
// coincident bodies, the reference layer and the component layout, all measured on
// the geometry that was built (and on the files that were written).
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <map>

#include <BRepAdaptor_Surface.hxx>
#include <BRepCheck_Analyzer.hxx>
#include <TopExp_Explorer.hxx>
#include <TopoDS.hxx>
#include <gtest/gtest.h>

#include "app/example/product.h"
#include "platform/files/part_file.h"
#include "platform/geometry/body.h"
#include "platform/objects/session.h"
#include "platform/text/gbk.h"
#include "platform/text/host_path.h"

using namespace fabdoc::app::example;
using platform::Body;
using platform::Part;
namespace fs = std::filesystem;

namespace {

std::string Gbk(const char* utf8) { return platform::text::ToGbk(utf8); }

std::vector<Body*> BodiesNamed(const Part& part, const char* utf8) {
  std::vector<Body*> found;
  for (const auto& object : part.Objects())
    if (auto* body = dynamic_cast<Body*>(object.get()); body && body->name == Gbk(utf8)) found.push_back(body);
  return found;
}

Body& OnlyBody(const Part& part, const char* utf8) {
  auto found = BodiesNamed(part, utf8);
  if (found.size() != 1) throw std::runtime_error(std::string(utf8) + ": expected one body");
  return *found[0];
}

std::array<double, 3> SortedSize(const Body& body) {
  auto size = body.AxisBox().Size();
  std::sort(size.begin(), size.end());
  return size;
}

void ExpectSize(const Body& body, std::array<double, 3> expected, const std::string& what) {
  std::sort(expected.begin(), expected.end());
  const auto got = SortedSize(body);
  for (int i = 0; i < 3; ++i) EXPECT_NEAR(got[i], expected[i], 1e-6) << what << " extent " << i;
}

// Counts of the body's face kinds: walls must be planes and bends cylinders, as pressed.
std::map<GeomAbs_SurfaceType, int> FaceKinds(const Body& body) {
  std::map<GeomAbs_SurfaceType, int> kinds;
  for (TopExp_Explorer f(body.Shape(), TopAbs_FACE); f.More(); f.Next())
    ++kinds[BRepAdaptor_Surface(TopoDS::Face(f.Current())).GetType()];
  return kinds;
}

class ExampleProduct : public ::testing::Test {
protected:
  void SetUp() override {
    platform::Session::Get().Reset();
    parts = BuildProduct(FrameProduct(), "\\example");
  }
  void TearDown() override { platform::Session::Get().Reset(); }

  Part& Component(const char* utf8) {
    for (Part* part : parts)
      if (platform::HostFileStem(part->path) == Gbk(utf8)) return *part;
    throw std::runtime_error(std::string(utf8) + ": no such component");
  }

  std::vector<Part*> parts;
};

}  // namespace

TEST_F(ExampleProduct, AssemblyHoldsTheNumberedComponentsPlacedAndSomeTurned) {
  ASSERT_EQ(parts.size(), 5u);
  EXPECT_EQ(parts[0]->path, Gbk("\\example\\P-总装-0.prt"));
  const auto& instances = parts[0]->Instances();
  ASSERT_EQ(instances.size(), 4u);
  const char* names[] = {"P-机架-1", "P-底座-2", "P-护罩-3", "P-把手-4"};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(instances[i].name, Gbk(names[i]));
    EXPECT_EQ(instances[i].instanceName, Gbk(names[i]));
    EXPECT_EQ(instances[i].partPath, parts[i + 1]->path);
  }
  EXPECT_TRUE(instances[0].transform.IsIdentity());
  // The base turns a quarter about Z: its X axis becomes the assembly's Y axis.
  const auto x = instances[1].transform.ApplyToVector({1, 0, 0});
  EXPECT_NEAR(x[0], 0, 1e-12);
  EXPECT_NEAR(x[1], 1, 1e-12);
  EXPECT_NEAR(instances[1].transform.translation[0], 2000, 1e-12);
  // The handle turns a quarter about X: its Z axis points along -Y.
  const auto z = instances[3].transform.ApplyToVector({0, 0, 1});
  EXPECT_NEAR(z[1], -1, 1e-12);
  // Multi-body components, and exactly one single-body component.
  EXPECT_GT(Component("P-机架-1").Objects().size(), 1u);
  EXPECT_GT(Component("P-底座-2").Objects().size(), 1u);
  EXPECT_GT(Component("P-护罩-3").Objects().size(), 1u);
  EXPECT_EQ(Component("P-把手-4").Objects().size(), 1u);
}

TEST_F(ExampleProduct, StraightStockHasTheDocumentedSections) {
  Part& frame = Component("P-机架-1");
  Part& base = Component("P-底座-2");
  // Square tube 50x50 wall 2: (50^2 - 46^2) x 1200.
  for (Body* column : BodiesNamed(frame, "立柱")) {
    EXPECT_NEAR(column->Mass().volume, (50 * 50 - 46 * 46) * 1200.0, 1e-6);
    ExpectSize(*column, {50, 50, 1200}, "立柱");
  }
  // Rectangular tube 80x40 wall 3: (80*40 - 74*34) x 900.
  for (Body* beam : BodiesNamed(frame, "横梁")) {
    EXPECT_NEAR(beam->Mass().volume, (80 * 40 - 74 * 34) * 900.0, 1e-6);
    ExpectSize(*beam, {40, 80, 900}, "横梁");
  }
  // Angle 50x50x5: two legs sharing a 5x5 corner, 5 x (50 + 50 - 5) x 700.
  EXPECT_NEAR(OnlyBody(frame, "横档").Mass().volume, 5 * (50 + 50 - 5) * 700.0, 1e-6);
  ExpectSize(OnlyBody(frame, "横档"), {50, 50, 700}, "横档");
  EXPECT_NEAR(OnlyBody(base, "底板").Mass().volume, 10 * 200 * 400.0, 1e-6);
  for (Body* cover : BodiesNamed(base, "盖板")) ExpectSize(*cover, {2, 100, 300}, "盖板");
  EXPECT_NEAR(OnlyBody(base, "压条").Mass().volume, 8 * 50 * 600.0, 1e-6);
  ExpectSize(OnlyBody(base, "压条"), {8, 50, 600}, "压条");
  // Round bar d30 x 500; pipes pi/4 (D^2 - d^2) L.
  EXPECT_NEAR(OnlyBody(base, "拉杆").Mass().volume, M_PI / 4 * 30 * 30 * 500, 1e-6);
  EXPECT_NEAR(OnlyBody(base, "无缝管").Mass().volume, M_PI / 4 * (48 * 48 - 41 * 41) * 600, 1e-6);
  ExpectSize(OnlyBody(base, "无缝管"), {48, 48, 600}, "无缝管");
  EXPECT_NEAR(OnlyBody(base, "焊管").Mass().volume, M_PI / 4 * (60 * 60 - 54 * 54) * 800, 1e-6);
  ExpectSize(OnlyBody(base, "焊管"), {60, 60, 800}, "焊管");
}

TEST_F(ExampleProduct, BentPartsArePlanarWallsJoinedByCylindricalBends) {
  Part& guard = Component("P-护罩-3");
  // Volume = t x width x mid-line length; the mid-line runs through every bend at
  // r + t/2, so each 90-degree bend adds (r + t/2) pi/2.
  struct Case {
    const char* name;
    double t, r, width, flats;
    int bends;
    std::array<double, 3> envelope;  // outer leg = flat + (r + t) per bend it meets
  };
  const Case cases[] = {
      {"角板", 3, 3, 300, 100 + 150, 1, {100 + 6, 150 + 6, 300}},
      {"槽板", 3, 3, 400, 60 + 200 + 60, 2, {60 + 6, 200 + 12, 400}},
      {"卷边板", 2, 2, 500, 20 + 50 + 150 + 50, 3, {150 + 8, 50 + 8, 500}},
      {"C型板", 2, 2, 600, 20 + 50 + 120 + 50 + 20, 4, {120 + 8, 50 + 8, 600}},
      {"弯扁钢", 8, 8, 50, 150 + 300, 1, {150 + 16, 300 + 16, 50}},
  };
  for (const Case& c : cases) {
    Body& body = OnlyBody(guard, c.name);
    const double midLine = c.flats + c.bends * (c.r + c.t / 2) * M_PI / 2;
    EXPECT_NEAR(body.Mass().volume, c.t * c.width * midLine, 1e-6 * body.Mass().volume) << c.name;
    ExpectSize(body, c.envelope, c.name);
    const auto kinds = FaceKinds(body);
    EXPECT_EQ(kinds.size(), 2u) << c.name << ": only planes and cylinders";
    EXPECT_EQ(kinds.count(GeomAbs_Cylinder) ? kinds.at(GeomAbs_Cylinder) : 0, 2 * c.bends) << c.name;
  }
  // The handle: d12 bar, inner radius 12, flats 60 + 300 + 60, two bends at 18.
  Body& handle = OnlyBody(Component("P-把手-4"), "把手");
  EXPECT_NEAR(handle.Mass().volume, M_PI / 4 * 144 * (420 + 2 * 18 * M_PI / 2), 1e-6 * handle.Mass().volume);
  ExpectSize(handle, {12, 60 + 18 + 6, 300 + 2 * 18 + 12}, "把手");
}

TEST_F(ExampleProduct, RepeatsCoincidentCopyAndReferenceLayerAreWhereDocumented) {
  Part& frame = Component("P-机架-1");
  auto columns = BodiesNamed(frame, "立柱");
  ASSERT_EQ(columns.size(), 5u);
  // Exactly one pair of columns occupies the same box; the others stand apart.
  int coincident = 0;
  for (size_t i = 0; i < columns.size(); ++i)
    for (size_t j = i + 1; j < columns.size(); ++j) {
      const auto a = columns[i]->AxisBox(), b = columns[j]->AxisBox();
      bool same = true;
      for (int k = 0; k < 3; ++k) same = same && std::abs(a.min[k] - b.min[k]) < 1e-6 && std::abs(a.max[k] - b.max[k]) < 1e-6;
      if (same) {
        ++coincident;
        EXPECT_EQ(columns[i]->FaceCount(), columns[j]->FaceCount());
        EXPECT_NEAR(columns[i]->Mass().volume, columns[j]->Mass().volume, 1e-9);
      }
    }
  EXPECT_EQ(coincident, 1);
  EXPECT_EQ(BodiesNamed(frame, "横梁").size(), 2u);
  // The cover plate repeats in two components: same shape, other places.
  auto baseCovers = BodiesNamed(Component("P-底座-2"), "盖板");
  auto guardCovers = BodiesNamed(Component("P-护罩-3"), "盖板");
  ASSERT_EQ(baseCovers.size(), 2u);
  ASSERT_EQ(guardCovers.size(), 1u);
  EXPECT_EQ(guardCovers[0]->FaceCount(), baseCovers[0]->FaceCount());
  EXPECT_NEAR(guardCovers[0]->Mass().volume, 2 * 100 * 300.0, 1e-6);
  EXPECT_NE(baseCovers[0]->AxisBox().min, baseCovers[1]->AxisBox().min);

  // One body of the whole product is on layer 171: the reference block.
  int onReferenceLayer = 0;
  for (Part* part : parts)
    for (const auto& object : part->Objects())
      if (object->display.layer == 171) {
        ++onReferenceLayer;
        EXPECT_EQ(object->name, Gbk("辅助块"));
      }
  EXPECT_EQ(onReferenceLayer, 1);
}

TEST_F(ExampleProduct, NamesAreUniqueInEachPartExceptIdenticalRepeats) {
  for (Part* part : parts) {
    std::map<std::string, std::vector<Body*>> byName;
    for (const auto& object : part->Objects())
      if (auto* body = dynamic_cast<Body*>(object.get())) byName[body->name].push_back(body);
    for (const auto& [name, bodies] : byName) {
      EXPECT_FALSE(name.empty());
      for (Body* other : bodies) {
        EXPECT_EQ(other->FaceCount(), bodies[0]->FaceCount()) << platform::text::ToUtf8(name);
        EXPECT_NEAR(other->Mass().volume, bodies[0]->Mass().volume, 1e-6) << platform::text::ToUtf8(name);
      }
    }
  }
}

TEST_F(ExampleProduct, EveryBodyIsOneValidSolid) {
  for (Part* part : parts)
    for (const auto& object : part->Objects()) {
      auto* body = dynamic_cast<Body*>(object.get());
      ASSERT_NE(body, nullptr);
      const std::string name = platform::text::ToUtf8(body->name);
      EXPECT_TRUE(BRepCheck_Analyzer(body->Shape()).IsValid()) << name;
      EXPECT_EQ(body->BodyType(), platform::kSolidBodyType) << name;
      int solids = 0;
      for (TopExp_Explorer s(body->Shape(), TopAbs_SOLID); s.More(); s.Next()) ++solids;
      EXPECT_EQ(solids, 1) << name;
      EXPECT_GT(body->Mass().volume, 0) << name;
    }
}

TEST(ExampleProductFiles, WrittenFilesReadBackWithTheirBodiesAndRefuseAnOpenPart) {
  platform::Session::Get().Reset();
  const fs::path dir = fs::temp_directory_path() / "fabdoc-tests" / ("example-" + std::to_string(::getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir);
  const auto written = WriteProduct(FrameProduct(), dir.string());
  ASSERT_EQ(written.size(), 5u);
  EXPECT_EQ(fs::path(written[0]).filename().string(), "P-总装-0.prt");
  size_t bodies = 0;
  for (size_t i = 1; i < written.size(); ++i)
    bodies += platform::files::ReadPart(platform::ToHostPath(written[i]))->Objects().size();
  size_t expected = 0;
  for (const auto& component : FrameProduct().components) expected += component.bodies.size();
  EXPECT_EQ(bodies, expected);
  // Writing again while the parts are open would make a second part of the same file.
  EXPECT_THROW(WriteProduct(FrameProduct(), dir.string()), platform::HostError);
  platform::Session::Get().Reset();
}
