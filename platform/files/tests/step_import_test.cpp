// STEP import: files from other systems (several top products, encoded and foreign
// names) become parts, and bad input is refused whole, naming the file.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include <BRepPrimAPI_MakeBox.hxx>
#include <BRepPrimAPI_MakeCylinder.hxx>
#include <STEPControl_Writer.hxx>

#include "platform/files/part_file.h"
#include "platform/files/step_export.h"
#include "platform/files/step_import.h"
#include "platform/files/step_data_limits.h"
#include "platform/files/step_support.h"
#include "platform/text/gbk.h"
#include "platform/text/host_path.h"
#include "tests/support/test_model.h"

using namespace platform;
using fabdoc_test::AddBox;
namespace fs = std::filesystem;

namespace {

std::string Gbk(const char* utf8) { return text::ToGbk(utf8); }

std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void WriteText(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

// The names as some systems write them: raw, not escaped.
std::string WithRawNames(std::string text, std::initializer_list<const char*> names) {
  for (const char* name : names) {
    const std::string escaped = files::EscapeNonAscii(name);
    for (size_t at = text.find(escaped); at != std::string::npos; at = text.find(escaped, at))
      text.replace(at, escaped.size(), name);
  }
  return text;
}

void Replace(std::string& text, const std::string& from, const std::string& to) {
  const size_t at = text.find(from);
  ASSERT_NE(at, std::string::npos) << from;
  text.replace(at, from.size(), to);
}

}  // namespace

class StepImport : public fabdoc_test::SessionTest {
protected:
  std::string dir = fabdoc_test::FreshDir("step-import");
  std::string Host(const std::string& relative) { return ToHostPath(dir + "/" + relative); }

  // One part with the bodies 底板 and 立柱, written as STEP by our own export.
  std::string WriteTwoBodyStep() {
    Part& part = session().NewPart(Host("样件.prt"));
    AddBox(part, 0, 0, 0, 10, 20, 30, Gbk("底板"));
    AddBox(part, 50, 0, 0, 5, 5, 5, Gbk("立柱"));
    files::ExportStep(part, Host("src.step"));
    session().Reset();
    return dir + "/src.step";
  }

  void ExpectRefused(const std::string& local, const std::string& why) {
    try {
      files::ReadStep(ToHostPath(local), Host(""));
      ADD_FAILURE() << local << " was read";
    } catch (const HostError& e) {
      EXPECT_NE(std::string(e.what()).find(local), std::string::npos) << e.what();
      EXPECT_NE(std::string(e.what()).find(why), std::string::npos) << e.what();
    }
    EXPECT_TRUE(session().Parts().empty()) << "nothing half-read stays open";
  }
};

TEST_F(StepImport, RefusesMissingEmptyFolderNonStepAndDamagedFilesWhole) {
  ExpectRefused(dir + "/none.step", "no such file");
  fs::create_directories(dir + "/folder.step");
  ExpectRefused(dir + "/folder.step", "folder");
  WriteText(dir + "/empty.step", "");
  ExpectRefused(dir + "/empty.step", "empty");
  WriteText(dir + "/text.step", "solid cube\nfacet normal 0 0 1\n");
  ExpectRefused(dir + "/text.step", "not a STEP file");
  // The right header but nothing after it.
  WriteText(dir + "/cut.step", "ISO-10303-21;\nHEADER;\nFILE_DESCRIPTION(('x'),'2;1');\n");
  ExpectRefused(dir + "/cut.step", "cut.step");
  // A good file cut in half loses its geometry.
  const std::string good = ReadText(WriteTwoBodyStep());
  WriteText(dir + "/half.step", good.substr(0, good.size() / 2));
  ExpectRefused(dir + "/half.step", "half.step");
}

TEST_F(StepImport, RefusesToReplaceAPartThatIsOpen) {
  const std::string step = WriteTwoBodyStep();
  Part& open = session().NewPart(Host("in/样件.prt"));
  try {
    files::ReadStep(ToHostPath(step), Host("in"));
    FAIL() << "import over an open part succeeded";
  } catch (const HostError& e) {
    EXPECT_NE(std::string(e.what()).find("already open"), std::string::npos) << e.what();
  }
  ASSERT_EQ(session().Parts().size(), 1u);
  EXPECT_EQ(session().Parts()[0].get(), &open);
}

TEST_F(StepImport, NamesEncodedTheStandardWayOrWithoutGbkFormArrive) {
  std::string text = ReadText(WriteTwoBodyStep());
  // 立柱 stays escaped the standard way (\X2\...\X0\); 底板 is written raw in UTF-8.
  Replace(text, files::EscapeNonAscii("MANIFOLD_SOLID_BREP('底板'"), "MANIFOLD_SOLID_BREP('底板'");
  // A product name with a character GBK lacks (Hangul U+D55C).
  Replace(text, files::EscapeNonAscii("PRODUCT('样件','样件'"), "PRODUCT('样件한','样件한'");
  WriteText(dir + "/names.step", text);

  files::StepImport in = files::ReadStep(Host("names.step"), Host(""));
  ASSERT_EQ(in.parts.size(), 1u);
  EXPECT_EQ(HostFileStem(in.root->path), Gbk("样件_"));
  ASSERT_EQ(in.notes.size(), 1u);
  EXPECT_NE(in.notes[0].find("样件한"), std::string::npos) << in.notes[0];
  ASSERT_EQ(in.root->Objects().size(), 2u);
  EXPECT_EQ(in.root->Objects()[0]->name, Gbk("底板"));
  EXPECT_EQ(in.root->Objects()[1]->name, Gbk("立柱"));
}

TEST_F(StepImport, AFileWrittenInGbkKeepsItsNames) {
  // Some Chinese systems write the whole file in their code page.
  WriteText(dir + "/gbk.step", Gbk(WithRawNames(ReadText(WriteTwoBodyStep()), {"底板", "立柱", "样件"}).c_str()));
  files::StepImport in = files::ReadStep(Host("gbk.step"), Host(""));
  EXPECT_EQ(HostFileStem(in.root->path), Gbk("样件"));
  ASSERT_EQ(in.root->Objects().size(), 2u);
  EXPECT_EQ(in.root->Objects()[0]->name, Gbk("底板"));
  EXPECT_EQ(in.root->Objects()[1]->name, Gbk("立柱"));
  EXPECT_TRUE(in.notes.empty());
}

TEST_F(StepImport, SeveralTopProductsGoUnderAnAssemblyNamedAfterTheFile) {
  // A plain translator writes each shape as a top product with no names or colours.
  {
    files::QuietTranslator quiet;
    STEPControl_Writer writer;
    writer.Transfer(BRepPrimAPI_MakeBox(10, 20, 30).Shape(), STEPControl_AsIs);
    writer.Transfer(BRepPrimAPI_MakeCylinder(5, 40).Shape(), STEPControl_AsIs);
    ASSERT_EQ(writer.Write((dir + "/零件.stp").c_str()), IFSelect_RetDone);
  }
  fs::create_directories(dir + "/out");
  const auto written = files::ImportStep(Host("零件.stp"), Host("out")).written;
  ASSERT_EQ(written.size(), 3u);
  EXPECT_TRUE(SameHostPath(written[0], Host("out/零件.prt")));
  for (const auto& path : written) EXPECT_TRUE(fs::exists(ToLocalPath(path))) << path;

  Part& root = *session().FindPartByPath(written[0]);
  ASSERT_EQ(root.Instances().size(), 2u);
  // Both top products carry the writer's default name; the second file gets a suffix.
  EXPECT_NE(root.Instances()[0].partPath, root.Instances()[1].partPath);
  double volumes[2];
  for (int i = 0; i < 2; ++i) {
    std::unique_ptr<Part> part = files::ReadPart(root.Instances()[i].partPath);
    ASSERT_EQ(part->Objects().size(), 1u);
    const auto& body = dynamic_cast<const Body&>(*part->Objects()[0]);
    EXPECT_EQ(body.display.color, kDefaultBodyColor);
    EXPECT_EQ(body.display.layer, 1);
    volumes[i] = body.Mass().volume;
  }
  // 10 x 20 x 30 box; cylinder r 5, h 40: pi * 25 * 40.
  EXPECT_NEAR(volumes[0], 6000, 1e-6);
  EXPECT_NEAR(volumes[1], M_PI * 25 * 40, 1e-6);
}

TEST(StepNames, PartFileStemsKeepGbkAndDropWhatWindowsForbids) {
  EXPECT_EQ(files::PartFileStem(Gbk("P-机架-1")), Gbk("P-机架-1"));
  EXPECT_EQ(files::PartFileStem("a/b\\c:d*e?f\"g<h>i|j"), "a_b_c_d_e_f_g_h_i_j");
  EXPECT_EQ(files::PartFileStem(" frame. "), "frame");
  EXPECT_EQ(files::PartFileStem(""), "part");
  EXPECT_EQ(files::PartFileStem("..."), "part");
  // 0x5C is also a GBK trail byte (U+76F6 is 0xB1 0x5C): the character stays whole.
  EXPECT_EQ(files::PartFileStem("\xB1\x5C"), "\xB1\x5C");
  EXPECT_EQ(files::PartFileStem("tab\there"), "tab_here");
}

TEST_F(StepImport, ABrokenReferenceIsRefusedNamingTheFileTheLineAndTheEntity) {
  std::string text = ReadText(WriteTwoBodyStep());
  // The solid 底板 points at a shell that is not in the file.
  const size_t solid = text.find(files::EscapeNonAscii("MANIFOLD_SOLID_BREP('底板',#"));
  ASSERT_NE(solid, std::string::npos);
  const size_t ref = text.find('#', solid);
  const size_t end = text.find(')', ref);
  text.replace(ref, end - ref, "#999999");
  const size_t lineStart = text.rfind('\n', solid) + 1;
  const std::string id = text.substr(lineStart, text.find(' ', lineStart) - lineStart);
  const int line = 1 + static_cast<int>(std::count(text.begin(), text.begin() + static_cast<long>(solid), '\n'));
  WriteText(dir + "/broken.step", text);
  try {
    files::ReadStep(Host("broken.step"), Host(""));
    FAIL() << "a file with a broken reference was imported";
  } catch (const HostError& e) {
    const std::string what = e.what();
    EXPECT_NE(what.find(dir + "/broken.step"), std::string::npos) << what;
    EXPECT_NE(what.find("line " + std::to_string(line) + ": " + id + ":"), std::string::npos) << what;
  }
  EXPECT_TRUE(session().Parts().empty());
}

TEST_F(StepImport, InstancesWithoutARealNameAreCalledAfterTheirProductRealNamesStay) {
  Part& frame = session().NewPart(Host("机架.prt"));
  AddBox(frame, 0, 0, 0, 10, 20, 30, Gbk("底板"));
  Part& top = session().NewPart(Host("总装.prt"));
  const char* names[] = {"LEFT-1", "=>[0:1:1:2]", "NAUO7", " "};
  for (int i = 0; i < 4; ++i) {
    Instance instance;
    instance.partPath = frame.path;
    instance.name = Gbk("机架");
    instance.instanceName = Gbk(names[i]);
    instance.transform = Transform::Translation(100.0 * i, 0, 0);
    top.AddInstance(instance);
  }
  files::ExportStep(top, Host("总装.step"));
  session().Reset();
  // An id with a blank name, as another system writes it.
  std::string text = ReadText(dir + "/总装.step");
  const size_t blank = text.find("',' ','");
  ASSERT_NE(blank, std::string::npos);
  const size_t id = text.rfind("('", blank) + 2;
  text.replace(id, blank - id, "NAUO4");
  WriteText(dir + "/总装.step", text);

  files::StepImport in = files::ReadStep(Host("总装.step"), Host("in"));
  ASSERT_EQ(in.root->Instances().size(), 4u);
  std::vector<std::string> got;
  for (const auto& instance : in.root->Instances()) got.push_back(text::ToUtf8(instance.instanceName));
  EXPECT_EQ(got, (std::vector<std::string>{"LEFT-1", "机架", "机架", "机架"}));
}

TEST_F(StepImport, AValueLeftUnsetIsAWarningAWrongValueStillRefusesTheFile) {
  const std::string good = ReadText(WriteTwoBodyStep());
  // The name of a placement-free representation left unset, as some exporters write it.
  const std::regex named(R"(\bSHAPE_REPRESENTATION\('[^']*')");
  ASSERT_TRUE(std::regex_search(good, named));
  const std::string unset = std::regex_replace(good, named, "SHAPE_REPRESENTATION($", std::regex_constants::format_first_only);
  WriteText(dir + "/unset.step", unset);
  const files::StepImport in = files::ReadStep(Host("unset.step"), Host("unset"));
  EXPECT_EQ(in.root->Objects().size(), 2u);
  ASSERT_EQ(in.checkWarnings.size(), 1u);
  EXPECT_NE(in.checkWarnings[0].find("not a quoted String"), std::string::npos) << in.checkWarnings[0];
  session().Reset();

  // A coordinate that is not a number moves geometry: that file is damaged.
  std::string wrong = good;
  const size_t point = wrong.find("CARTESIAN_POINT('',(");
  ASSERT_NE(point, std::string::npos);
  wrong.insert(point + std::string("CARTESIAN_POINT('',(").size(), "x");
  WriteText(dir + "/wrong.step", wrong);
  EXPECT_THROW(files::ReadStep(Host("wrong.step"), Host("wrong")), HostError);
  EXPECT_TRUE(session().Parts().empty());
}

TEST_F(StepImport, ASolidWithoutVolumeIsWarnedOfByName) {
  Part& part = session().NewPart(Host("薄片.prt"));
  AddBox(part, 0, 0, 0, 10, 20, 30, Gbk("底板"));
  // 3 mm long, a hundredth of a micron across: nothing anyone can cut.
  AddBox(part, 0, 0, 0, 3, 1e-5, 1e-5, Gbk("残体"));
  files::ExportStep(part, Host("thin.step"));
  session().Reset();
  // Imported again, its bodies are trusted and not tried: they are still measured.
  for (const char* time : {"first", "again"}) {
    const files::StepImport in = files::ReadStep(Host("thin.step"), Host("thin"));
    EXPECT_EQ(in.root->Objects().size(), 2u) << "the body is kept for the user to look at";
    ASSERT_EQ(in.warnings.size(), 1u) << time;
    EXPECT_NE(in.warnings[0].find("残体"), std::string::npos) << in.warnings[0];
    EXPECT_NE(in.warnings[0].find("without volume"), std::string::npos) << in.warnings[0];
    session().Reset();
  }
}

// The translator's time grows with the square of a list's length: a million references
// in one entity would keep it busy for an hour before the budget refused the file.
TEST_F(StepImport, AListLongerOrDeeperThanAnyRealFileHoldsIsRefusedBeforeTheTranslatorReadsIt) {
  // What counts, with a limit of 3: values of one list, the entity's own attributes
  // included; never commas or parentheses in strings or comments, nor the header's.
  const std::string head = "ISO-10303-21;\nHEADER;\nFILE_NAME('a',(1,2,3,4,5));\nENDSEC;\nDATA;\n";
  const std::string fits =
      "#1=A('x,y,z,(w)',(1.,2.,3.),(#2,#3));\n#2=B(/* 1,2,3,4 */ 1,(2,3),4);\n#3=C(('a','b','c'),('d'));\n";
  EXPECT_EQ(files::UnreadableStepData(head + fits + "ENDSEC;\n", 3), std::nullopt);
  EXPECT_EQ(files::UnreadableStepData(head + fits + "#4=D(1,2);\n#5=E((1,\n2,\n3,4));\n", 3),
            "line 10: #5: a list of more than 3 values, which the import does not read (the translator's time grows "
            "with the square of a list's length)");
  EXPECT_EQ(files::UnreadableStepData(head + "#6=F(1,2,\n(3),4);\n", 3)->substr(0, 13), "line 6: #6: a");
  EXPECT_EQ(files::UnreadableStepData(head + "#7=G((((1))));\n", 3, 4), std::nullopt);
  // Values whose square overflows, and what only looks like one.
  EXPECT_EQ(files::UnreadableStepData(head + "#1=P('1E999',\"9999\",(2.E100,-1.E150,.T.),#99999999999999,AXIS2_3D);\n"),
            std::nullopt);
  EXPECT_EQ(files::UnreadableStepData(head + "#1=P('',(0.,\n1.E308));\n"),
            "line 6: #1: the value 1.E308 is too large for any geometry (its square is not a number)");
  EXPECT_EQ(files::UnreadableStepData(head + "#2=P('',(0.,-2.E151));\n")->substr(0, 29), "line 6: #2: the value -2.E151");
  EXPECT_EQ(files::UnreadableStepData(head + "#7=G((((1))));\n#8=H(((((2)))));\n", 3, 4),
            "line 7: #8: lists nested more than 4 deep, which the import does not read");

  // A file as damage makes it: one entity's reference repeated past the limit.
  std::string text = ReadText(WriteTwoBodyStep());
  const size_t at = text.find("#8 = PRODUCT_CONTEXT('',#2");
  ASSERT_NE(at, std::string::npos);
  std::string many;
  for (size_t i = 0; i < files::kMostValuesInOneStepList; ++i) many += ",#2";
  text.insert(at + std::string("#8 = PRODUCT_CONTEXT('',#2").size(), many);
  const int line = 1 + static_cast<int>(std::count(text.begin(), text.begin() + static_cast<long>(at), '\n'));
  WriteText(dir + "/long.step", text);
  for (const auto mode : {files::DamagedStep::Refuse, files::DamagedStep::ImportSoundPart}) {
    try {
      files::ReadStep(Host("long.step"), Host("long"), mode);
      ADD_FAILURE() << "imported";
    } catch (const HostError& e) {
      EXPECT_EQ(std::string(e.what()).rfind(dir + "/long.step: line " + std::to_string(line) + ": #8: a list of more than 100000 values", 0), 0u)
          << e.what();
    }
    EXPECT_TRUE(session().Parts().empty());
  }
}
