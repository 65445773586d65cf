// Files written by other CAD programs (tests/real-step, README there): each arrives with
// its assembly and placements, and the load check's complaints about values the file
// leaves unset are listed, not taken for damage. The figures are checked against the
// translator's own flat reading of the same file, which knows nothing of our parts.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <vector>

#include <BRepBndLib.hxx>
#include <Bnd_Box.hxx>
#include <STEPControl_Reader.hxx>
#include <TopExp_Explorer.hxx>

#include "platform/assemblies/located_shape.h"
#include "platform/base/host_error.h"
#include "platform/geometry/body.h"
#include "platform/files/step_export.h"
#include "platform/files/part_file.h"
#include "platform/files/save_part_as.h"
#include "platform/files/step_import.h"
#include "platform/files/step_support.h"
#include "platform/text/host_path.h"
#include "tests/support/test_model.h"

using namespace platform;
namespace fs = std::filesystem;

namespace {

fs::path RealStepFile(const std::string& name) {
  const char* source = std::getenv("FABDOC_SOURCE_DIR");
  return fs::path(source ? source : ".") / "platform/files/tests/real-step" / name;
}

std::string ReadText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

size_t Count(const std::string& text, const std::regex& what) {
  return static_cast<size_t>(std::distance(std::sregex_iterator(text.begin(), text.end(), what), std::sregex_iterator()));
}

// What the translator makes of the file read flat: every solid placed in the world.
struct FlatReading {
  int solids = 0;
  Bnd_Box box;
};

FlatReading ReadFlat(const fs::path& path) {
  files::QuietTranslator quiet;
  STEPControl_Reader reader;
  FlatReading flat;
  if (reader.ReadFile(path.c_str()) != IFSelect_RetDone) return flat;
  reader.TransferRoots();
  const TopoDS_Shape shape = reader.OneShape();
  for (TopExp_Explorer e(shape, TopAbs_SOLID); e.More(); e.Next()) ++flat.solids;
  BRepBndLib::Add(shape, flat.box);
  return flat;
}

// The imported product walked from its root: solids as placed, their box, the components.
struct Assembled {
  int solids = 0, components = 0;
  Bnd_Box box;
};

void Walk(const Part& part, const gp_Trsf& placement, Assembled& into) {
  for (const auto& object : part.Objects())
    if (const auto* body = dynamic_cast<const Body*>(object.get())) {
      const TopoDS_Shape placed = body->Shape().Moved(TopLoc_Location(placement));
      for (TopExp_Explorer e(placed, TopAbs_SOLID); e.More(); e.Next()) ++into.solids;
      BRepBndLib::Add(placed, into.box);
    }
  for (const Instance& instance : part.Instances()) {
    ++into.components;
    const Part* child = Session::Get().FindPartByPath(instance.partPath);
    ASSERT_NE(child, nullptr) << instance.partPath;
    Walk(*child, placement * ToTrsf(instance.transform), into);
  }
}

void ExpectSameBox(const Bnd_Box& ours, const Bnd_Box& theirs, const std::string& file) {
  ASSERT_FALSE(ours.IsVoid()) << file;
  double a[6], b[6];
  ours.Get(a[0], a[1], a[2], a[3], a[4], a[5]);
  theirs.Get(b[0], b[1], b[2], b[3], b[4], b[5]);
  // Boxes of curved faces are loose by up to a few tolerances; placements off by a
  // component's size are not.
  const double slack = 1e-3 * std::sqrt(theirs.SquareExtent()) + 0.1;
  for (int i = 0; i < 6; ++i) EXPECT_NEAR(a[i], b[i], slack) << file << " corner value " << i;
}

}  // namespace

class RealStep : public fabdoc_test::SessionTest {
protected:
  std::string dir = fabdoc_test::FreshDir("real-step");
};

TEST_F(RealStep, FilesOfOtherSystemsArriveWithTheirAssemblyPlacementsAndWarnings) {
  // Autodesk's exporter leaves the name of every placement unset
  // (ITEM_DEFINED_TRANSFORMATION($,$,...)); the ACIS one that of its presentation.
  for (const char* name : {"autodesk-compression.step", "acis-barb.stp", "acis-hex-nipple.stp"}) {
    session().Reset();
    const fs::path path = RealStepFile(name);
    const std::string text = ReadText(path);
    ASSERT_FALSE(text.empty()) << path;
    const FlatReading flat = ReadFlat(path);
    ASSERT_GT(flat.solids, 0) << name;

    const files::StepImport in = files::ReadStep(ToHostPath(path.string()), ToHostPath(dir + "/" + name));
    EXPECT_TRUE(in.skipped.empty()) << name;
    Assembled assembled;
    Walk(*in.root, gp_Trsf(), assembled);
    EXPECT_EQ(assembled.solids, flat.solids) << name;
    // One component for each usage the file lists.
    EXPECT_EQ(static_cast<size_t>(assembled.components),
              Count(text, std::regex(R"(=\s*NEXT_ASSEMBLY_USAGE_OCCURRENCE\s*\()"))) << name;
    ExpectSameBox(assembled.box, flat.box, name);

    EXPECT_TRUE(in.warnings.empty()) << name << ": no solid of it is without volume";
    ASSERT_FALSE(in.checkWarnings.empty()) << name << ": the load check's complaints are listed";
    for (const auto& warning : in.checkWarnings)
      EXPECT_TRUE(std::regex_search(warning, std::regex(R"(^line \d+: #\d+: Parameter .*not a)"))) << warning;
  }
}

TEST_F(RealStep, UpYTurnsEveryPartSoTheAssemblyStandsOnZ) {
  // A Y-up system's up is our Z: a point (x, y, z) of the file lands at (x, -z, y),
  // in the assembly as a whole and in each part on its own (sub-assembly sheets).
  files::ExportStep(fabdoc_test::AddFrameAssembly(dir), ToHostPath(dir + "/top.step"));
  session().Reset();
  const std::string file = ToHostPath(dir + "/top.step");
  auto boxes = [&](files::UpAxis up, const std::string& into) {
    session().Reset();
    const files::StepImport in = files::ReadStep(file, ToHostPath(dir + "/" + into), files::DamagedStep::Refuse, up);
    Assembled whole;
    Walk(*in.root, gp_Trsf(), whole);
    std::vector<Bnd_Box> each{whole.box};
    for (const Part* part : in.parts) {
      Assembled alone;
      for (const auto& object : part->Objects())
        if (const auto* body = dynamic_cast<const Body*>(object.get())) BRepBndLib::Add(body->Shape(), alone.box);
      if (!alone.box.IsVoid()) each.push_back(alone.box);
    }
    return each;
  };
  const auto asWritten = boxes(files::UpAxis::Z, "z");
  const auto turned = boxes(files::UpAxis::Y, "y");
  ASSERT_EQ(asWritten.size(), 3u) << "the whole, frame.prt and top.prt";
  ASSERT_EQ(turned.size(), asWritten.size());
  for (size_t i = 0; i < asWritten.size(); ++i) {
    double x0, y0, z0, x1, y1, z1;
    asWritten[i].Get(x0, y0, z0, x1, y1, z1);
    Bnd_Box expected;
    expected.Update(x0, -z1, y0, x1, -z0, y1);
    ExpectSameBox(turned[i], expected, "box " + std::to_string(i));
  }
}

namespace {

// The file with one coordinate of one point written as 2^63.
std::string WithHugeCoordinate(const std::string& text, int point, int coordinate) {
  const std::regex entity("#" + std::to_string(point) + R"(=CARTESIAN_POINT\('[^']*',\(([^,]*),([^,]*),([^)]*)\))");
  std::smatch found;
  EXPECT_TRUE(std::regex_search(text, found, entity)) << "#" << point;
  const auto at = found.position(coordinate + 1);
  return text.substr(0, at) + "9223372036854775808." + text.substr(at + found.length(coordinate + 1));
}

}  // namespace

// One coordinate of a real file set to 9223372036854775808: a point the body's faces
// need makes a body nothing can measure, refused naming it and why; a point the
// translator does without leaves a part that opens, measures, saves and opens again.
TEST_F(RealStep, ACoordinateOfTwoToTheSixtyThirdIsRefusedNamingTheBodyOrImportsWhole) {
  const std::string text = ReadText(RealStepFile("acis-barb.stp"));
  // The sound file first: its body is trusted now, and the damaged copy must be tried anew.
  files::ReadStep(ToHostPath(RealStepFile("acis-barb.stp").string()), ToHostPath(dir + "/sound"));
  session().Reset();
  const std::string refused = dir + "/huge-211.stp";
  std::ofstream(refused, std::ios::binary) << WithHugeCoordinate(text, 211, 2);
  try {
    files::ReadStep(ToHostPath(refused), ToHostPath(dir + "/refused"));
    ADD_FAILURE() << "imported";
  } catch (const HostError& e) {
    const std::string what = e.what();
    EXPECT_EQ(what.rfind(refused + ": body \"LUMP1\" of product \"PRODUCT_NAME_1\": ", 0), 0u) << what;
    EXPECT_EQ(what.find("()"), std::string::npos) << "the reason is given: " << what;
  }
  EXPECT_TRUE(session().Parts().empty());

  const std::string imported = dir + "/huge-1.stp";
  std::ofstream(imported, std::ios::binary) << WithHugeCoordinate(text, 1, 1);
  fs::create_directories(dir + "/imported");
  const auto written = files::ImportStep(ToHostPath(imported), ToHostPath(dir + "/imported")).written;
  ASSERT_EQ(written.size(), 1u);
  session().Reset();
  auto volume = [](const Part& part) {
    const auto& body = dynamic_cast<const Body&>(*part.Objects().at(0));
    return body.Mass().volume;
  };
  Part& part = files::OpenPart(written.front());
  const double before = volume(part);
  EXPECT_GT(before, 0);
  const std::string again = ToHostPath(dir + "/imported/again.prt");
  files::SavePartAs(part, again);
  session().Reset();
  EXPECT_DOUBLE_EQ(volume(files::OpenPart(again)), before);
}

// A stray quote makes the text's statements run together while the translator still
// reads them one by one, and names an entity the text around it hid; a loop of references
// kills the translator before any check names one. Damage the fuzz runs made in this file.
TEST_F(RealStep, EveryRefusalOfADamagedFileNamesTheLineOfTheEntityItNames) {
  const std::string good = ReadText(RealStepFile("acis-barb.stp"));
  auto damaged = [&](const std::string& from, const std::string& to) {
    std::string text = good;
    const size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
  };
  const std::vector<std::pair<std::string, std::string>> files = {
      {"type.stp", damaged("#7=VECTOR(", "#7=V'ECTOR(")},  // the next entity is hidden
      {"name.stp", damaged("#623=VECTOR('VEC17'", "#623=VECTOR(''VEC17'")},  // one far on
      {"number.stp", damaged("#468=CARTESIAN_POINT('',(2.54425872449323E+001,-1.349375E+",
                             "#468=CARTESIAN_POINT('',(2.54425872449323E+001,-1.349375E+'")},  // the rest
      // An edge made of itself: the translator recursed until its stack ran out.
      {"loop.stp", damaged("#74=ORIENTED_EDGE('COEDGE13',*,*,#73,", "#74=ORIENTED_EDGE('COEDGE13',*,*,#74,")},
  };
  const std::regex named(R"(line (\d+): #(\d+): )");
  for (const auto& [name, text] : files) {
    const std::string local = dir + "/" + name;
    std::ofstream(local, std::ios::binary) << text;
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    for (const auto mode : {files::DamagedStep::Refuse, files::DamagedStep::ImportSoundPart}) {
      std::vector<std::string> said;
      try {
        said = files::ReadStep(ToHostPath(local), ToHostPath(dir + "/in"), mode).skipped;
        EXPECT_EQ(mode, files::DamagedStep::ImportSoundPart) << name << " was imported whole";
      } catch (const HostError& e) {
        said.push_back(e.what());
        EXPECT_EQ(said.back().rfind(local + ": damaged STEP file, line ", 0), 0u) << said.back();
      }
      ASSERT_FALSE(said.empty()) << name;
      for (const std::string& what : said) {
        std::smatch match;
        ASSERT_TRUE(std::regex_search(what, match, named)) << what;
        const size_t line = std::stoul(match[1].str());
        ASSERT_TRUE(line >= 1 && line <= lines.size()) << what;
        EXPECT_TRUE(lines[line - 1].starts_with("#" + match[2].str() + "="))
            << what << "\nline " << line << ": " << lines[line - 1];
      }
      session().Reset();
    }
  }
}
