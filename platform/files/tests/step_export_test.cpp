// STEP export: what goes out comes back in the same (structure, geometry, names,
// colours, layers, placements), and a file that cannot be written is refused.
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>

#include <BRepPrimAPI_MakeBox.hxx>
#include <gp_Ax1.hxx>
#include <gp_Trsf.hxx>

#include "platform/files/part_file.h"
#include "platform/files/step_export.h"
#include "platform/files/step_import.h"
#include "platform/files/step_support.h"
#include "platform/text/gbk.h"
#include "platform/text/host_path.h"
#include "tests/support/test_model.h"

using namespace platform;
using fabdoc_test::AddBox;
using fabdoc_test::AddPipe;
using fabdoc_test::AddRectTube;
namespace fs = std::filesystem;

namespace {

std::string Gbk(const char* utf8) { return text::ToGbk(utf8); }

struct BodyFacts {
  std::string name;
  double volume;
  std::array<double, 3> centroid;
  int color;
  int layer;
};

std::vector<BodyFacts> FactsOf(const Part& part) {
  std::vector<BodyFacts> facts;
  for (const auto& object : part.Objects())
    if (const auto* body = dynamic_cast<const Body*>(object.get()))
      facts.push_back({body->name, body->Mass().volume, body->Mass().centroid, body->display.color,
                       body->display.layer});
  return facts;
}

Transform RotationZ(double degrees, double x, double y, double z) {
  gp_Trsf trsf;
  trsf.SetRotation(gp_Ax1(gp_Pnt(0, 0, 0), gp_Dir(0, 0, 1)), degrees * M_PI / 180);
  Transform t;
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) t.rotation[i * 3 + j] = trsf.Value(i + 1, j + 1);
  t.translation = {x, y, z};
  return t;
}

void ExpectSameTransform(const Transform& a, const Transform& b, const std::string& what) {
  for (int i = 0; i < 9; ++i) EXPECT_NEAR(a.rotation[i], b.rotation[i], 1e-9) << what << " rotation " << i;
  for (int i = 0; i < 3; ++i) EXPECT_NEAR(a.translation[i], b.translation[i], 1e-9) << what << " translation " << i;
}

}  // namespace

class StepExport : public fabdoc_test::SessionTest {
protected:
  std::string dir = fabdoc_test::FreshDir("step-export");
  std::string Host(const std::string& relative) { return ToHostPath(dir + "/" + relative); }
};

TEST_F(StepExport, RoundTripKeepsStructureGeometryNamesColoursLayersAndPlacements) {
  // A two-level product: an assembly with its own body, a multi-body part used twice
  // (once turned 90 degrees about Z) and a single-body part.
  Part& frame = session().NewPart(Host("机架-1.prt"));
  Body& plate = AddBox(frame, 1.5, 2.25, -3, 2, 100, 300, Gbk("底板"));
  plate.display.color = 186;
  plate.display.layer = 171;
  Body& tube = AddRectTube(frame, 80, 40, 3, 900, Gbk("横梁"));
  tube.display.color = 31;
  Body& pipe = AddPipe(frame, 48, 3.5, 600, Gbk("无缝管"));
  // A shape carrying a location of its own must come back where it was.
  gp_Trsf shift;
  shift.SetTranslation(gp_Vec(250, -40, 75));
  pipe.SetShape(pipe.Shape().Moved(TopLoc_Location(shift)));
  Part& handle = session().NewPart(Host("把手-4.prt"));
  AddBox(handle, 0, 0, 0, 12, 12, 300, Gbk("把手"));
  Part& top = session().NewPart(Host("总装-0.prt"));
  Body& base = AddBox(top, -500, -500, -20, 1000, 1000, 20, Gbk("地台"));
  base.display.color = 6;

  const Transform turned = RotationZ(90, 1200, 0, 0);
  const Transform raised = Transform::Translation(425, 650, 900);
  Instance a;
  a.partPath = frame.path;
  a.name = a.instanceName = Gbk("机架-1");
  a.transform = Transform::Identity();
  top.AddInstance(a);
  Instance b = a;
  b.pid = 0;
  b.instanceName = Gbk("机架-1副本");
  b.transform = turned;
  top.AddInstance(b);
  Instance c;
  c.partPath = handle.path;
  c.name = c.instanceName = Gbk("把手-4");
  c.transform = raised;
  top.AddInstance(c);

  const auto frameFacts = FactsOf(frame);
  const auto handleFacts = FactsOf(handle);
  const auto topFacts = FactsOf(top);
  const std::string step = Host("总装.step");
  files::ExportStep(top, step);

  session().Reset();
  fs::create_directories(dir + "/in");
  files::StepImport in = files::ReadStep(step, Host("in"));
  ASSERT_NE(in.root, nullptr);
  EXPECT_TRUE(in.notes.empty());
  // One part per product, root first; the assembly's own bodies fold back into it.
  ASSERT_EQ(in.parts.size(), 3u);
  EXPECT_EQ(in.root, in.parts[0]);
  EXPECT_TRUE(SameHostPath(in.root->path, Host("in/总装-0.prt")));

  auto check = [](const Part& part, const std::vector<BodyFacts>& expected, const std::string& what) {
    const auto got = FactsOf(part);
    ASSERT_EQ(got.size(), expected.size()) << what;
    for (size_t i = 0; i < got.size(); ++i) {
      const std::string name = text::ToUtf8Lossy(expected[i].name);
      EXPECT_EQ(got[i].name, expected[i].name) << what << " body " << i;
      EXPECT_NEAR(got[i].volume, expected[i].volume, 1e-6 * expected[i].volume) << what << " " << name;
      for (int k = 0; k < 3; ++k) EXPECT_NEAR(got[i].centroid[k], expected[i].centroid[k], 1e-6) << name;
      EXPECT_EQ(got[i].color, expected[i].color) << what << " " << name;
      EXPECT_EQ(got[i].layer, expected[i].layer) << what << " " << name;
    }
  };
  check(*in.root, topFacts, "assembly");

  const auto& instances = in.root->Instances();
  ASSERT_EQ(instances.size(), 3u);
  EXPECT_EQ(instances[0].instanceName, Gbk("机架-1"));
  EXPECT_EQ(instances[1].instanceName, Gbk("机架-1副本"));
  EXPECT_EQ(instances[2].instanceName, Gbk("把手-4"));
  EXPECT_EQ(instances[0].name, Gbk("机架-1"));
  EXPECT_EQ(instances[2].name, Gbk("把手-4"));
  EXPECT_EQ(instances[0].partPath, instances[1].partPath) << "one part used twice stays one part";
  EXPECT_TRUE(SameHostPath(instances[0].partPath, Host("in/机架-1.prt")));
  EXPECT_TRUE(SameHostPath(instances[2].partPath, Host("in/把手-4.prt")));
  ExpectSameTransform(instances[0].transform, Transform::Identity(), "first frame");
  ExpectSameTransform(instances[1].transform, turned, "turned frame");
  ExpectSameTransform(instances[2].transform, raised, "handle");

  Part* frameIn = session().FindPartByPath(instances[0].partPath);
  Part* handleIn = session().FindPartByPath(instances[2].partPath);
  ASSERT_TRUE(frameIn && handleIn);
  check(*frameIn, frameFacts, "frame");
  check(*handleIn, handleFacts, "handle");
}

TEST_F(StepExport, ProductNamesAreMadeUniqueAndComponentsAreOpenedFromTheirFiles) {
  // Two parts of the same file name in different folders, and one that is only on disk.
  fs::create_directories(dir + "/a");
  fs::create_directories(dir + "/b");
  Part& first = session().NewPart(Host("a/件.prt"));
  AddBox(first, 0, 0, 0, 10, 10, 10, "A");
  Part& second = session().NewPart(Host("b/件.prt"));
  AddBox(second, 0, 0, 0, 20, 20, 20, "B");
  Part& onDisk = session().NewPart(Host("disk.prt"));
  AddBox(onDisk, 0, 0, 0, 5, 6, 7, "C");
  files::SavePart(onDisk, onDisk.path);
  session().ClosePart(onDisk);
  Part& top = session().NewPart(Host("top.prt"));
  for (const char* child : {"a/件.prt", "b/件.prt", "disk.prt"}) {
    Instance i;
    i.partPath = Host(child);
    i.name = i.instanceName = HostFileStem(i.partPath);
    top.AddInstance(i);
  }
  files::ExportStep(top, Host("top.step"));

  session().Reset();
  fs::create_directories(dir + "/in");
  files::StepImport in = files::ReadStep(Host("top.step"), Host("in"));
  ASSERT_EQ(in.parts.size(), 4u);
  const auto& instances = in.root->Instances();
  ASSERT_EQ(instances.size(), 3u);
  EXPECT_EQ(HostFileStem(instances[0].partPath), Gbk("件"));
  EXPECT_EQ(HostFileStem(instances[1].partPath), Gbk("件_2"));
  EXPECT_EQ(HostFileStem(instances[2].partPath), "disk");
  // The parts are told apart by their geometry: 10^3, 20^3 and 5*6*7 mm^3.
  const double volumes[] = {1000, 8000, 210};
  for (int i = 0; i < 3; ++i) {
    Part* part = session().FindPartByPath(instances[i].partPath);
    ASSERT_NE(part, nullptr);
    ASSERT_EQ(part->Objects().size(), 1u);
    EXPECT_NEAR(dynamic_cast<Body&>(*part->Objects()[0]).Mass().volume, volumes[i], 1e-6);
  }
}

TEST_F(StepExport, RefusesAnUnwritableFolderAndAMissingComponentAndKeepsTheOldFile) {
  Part& part = session().NewPart(Host("p.prt"));
  AddBox(part, 0, 0, 0, 10, 10, 10, "A");

  // A folder below a plain file cannot exist, whoever runs the test.
  std::ofstream(dir + "/plain") << "x";
  try {
    files::ExportStep(part, Host("plain/out.step"));
    FAIL() << "export into a folder below a file succeeded";
  } catch (const HostError& e) {
    EXPECT_NE(std::string(e.what()).find("plain/out.step"), std::string::npos) << e.what();
  }

  const std::string out = dir + "/out.step";
  std::ofstream(out) << "previous";
  Instance missing;
  missing.partPath = Host("gone.prt");
  missing.name = missing.instanceName = "gone";
  part.AddInstance(missing);
  try {
    files::ExportStep(part, ToHostPath(out));
    FAIL() << "export with a missing component part succeeded";
  } catch (const HostError& e) {
    EXPECT_NE(std::string(e.what()).find("gone.prt"), std::string::npos) << e.what();
  }
  std::ifstream in(out);
  std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_EQ(content, "previous");

  // A part that contains itself cannot be written as a tree.
  part.RemoveInstance(part.Instances().front().pid);
  Instance self;
  self.partPath = part.path;
  self.name = self.instanceName = "p";
  part.AddInstance(self);
  EXPECT_THROW(files::ExportStep(part, ToHostPath(out)), HostError);
}

TEST_F(StepExport, NamesInOtherScriptsGoOutEscapedAndComeBackTheSame) {
  Part& plate = session().NewPart(Host("钢板.prt"));
  Body& body = AddBox(plate, 0, 0, 0, 200, 100, 8, Gbk("钢板"));
  body.display.color = 186;
  body.display.layer = 12;
  Part& top = session().NewPart(Host("机架.prt"));
  for (const char* name : {"机架-3", "钢板"}) {
    Instance instance;
    instance.partPath = plate.path;
    instance.name = Gbk("钢板");
    instance.instanceName = Gbk(name);
    instance.transform = Transform::Translation(instance.instanceName == Gbk("钢板") ? 500 : 0, 0, 0);
    top.AddInstance(instance);
  }
  files::ExportStep(top, Host("机架.step"));
  session().Reset();

  std::ifstream file(dir + "/机架.step", std::ios::binary);
  const std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  EXPECT_TRUE(std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
      << "a STEP file is ASCII";
  // 机架-3: U+673A U+67B6, then ASCII again.
  EXPECT_NE(text.find("'\\X2\\673A67B6\\X0\\-3'"), std::string::npos);

  files::StepImport in = files::ReadStep(Host("机架.step"), Host("in"));
  ASSERT_EQ(in.root->Instances().size(), 2u);
  EXPECT_EQ(in.root->Instances()[0].instanceName, Gbk("机架-3"));
  EXPECT_EQ(in.root->Instances()[1].instanceName, Gbk("钢板"));
  EXPECT_TRUE(SameHostPath(in.root->Instances()[0].partPath, Host("in/钢板.prt")));
  Part* plateIn = session().FindPartByPath(in.root->Instances()[0].partPath);
  ASSERT_NE(plateIn, nullptr);
  const auto facts = FactsOf(*plateIn);
  ASSERT_EQ(facts.size(), 1u);
  EXPECT_EQ(facts[0].name, Gbk("钢板"));
  EXPECT_EQ(facts[0].color, 186);
  EXPECT_EQ(facts[0].layer, 12);

  // Latin-1 escapes as other systems write them.
  session().Reset();
  std::string other = text;
  other.replace(other.find("'\\X2\\673A67B6\\X0\\-3'"), 20, "'Caf\\S\\i-\\X\\E9'");
  std::ofstream(dir + "/other.step", std::ios::binary) << other;
  files::StepImport latin = files::ReadStep(Host("other.step"), Host("in2"));
  ASSERT_EQ(latin.root->Instances().size(), 2u);
  EXPECT_EQ(text::ToUtf8(latin.root->Instances()[0].instanceName), "Café-é");
}

TEST(StepText, EscapesGoOutAndComeBackForEveryScript) {
  using files::EscapeNonAscii;
  using files::UnescapeStepString;
  EXPECT_EQ(EscapeNonAscii("机架-3"), "\\X2\\673A67B6\\X0\\-3");
  EXPECT_EQ(EscapeNonAscii("plain 'text'"), "plain 'text'");
  // Beyond the basic plane (U+20000), then a basic one: two escapes.
  EXPECT_EQ(EscapeNonAscii("\xF0\xA0\x80\x80" "钢"), "\\X4\\00020000\\X0\\\\X2\\94A2\\X0\\");
  EXPECT_EQ(EscapeNonAscii("a\xFF" "b"), "a\\X\\FFb") << "a stray byte stays a byte";
  for (const char* name : {"机架-3", "钢板", "Café", "\xF0\xA0\x80\x80" "钢", "x"})
    EXPECT_EQ(UnescapeStepString(EscapeNonAscii(name)), name);
  EXPECT_EQ(UnescapeStepString("Caf\\S\\i"), "Café");
  EXPECT_EQ(UnescapeStepString("Caf\\X\\E9"), "Café");
  EXPECT_EQ(UnescapeStepString("\\PA\\a\\\\b''c"), "a\\b'c");
  EXPECT_EQ(UnescapeStepString("\\X2\\673A\\X0\\"), "机");
}
