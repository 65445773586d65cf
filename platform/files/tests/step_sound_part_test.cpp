// Importing the sound part of a damaged STEP file, when asked: the products and
// components whose entities are all sound arrive whole, the rest is listed by name and
// entity, and by default the same files are still refused whole.
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/base/host_error.h"
#include "platform/files/step_entities.h"
#include "platform/files/step_export.h"
#include "platform/files/step_import.h"
#include "platform/files/step_sound_part.h"
#include "platform/geometry/body.h"
#include "platform/text/host_path.h"
#include "tests/support/test_model.h"

using namespace platform;
namespace fs = std::filesystem;

namespace {

std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void WriteText(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

// Points the first reference after `anchor` (the first from `from` on) at an entity that
// is not there; gives the 1-based line of the damaged statement.
int BreakReferenceAfter(std::string& text, const std::string& anchor, size_t from = 0) {
  const size_t at = text.find(anchor, from);
  EXPECT_NE(at, std::string::npos) << anchor;
  if (at == std::string::npos) return 0;
  const size_t ref = text.find('#', at + anchor.size());
  size_t end = ref + 1;
  while (std::isdigit(static_cast<unsigned char>(text[end]))) ++end;
  text.replace(ref, end - ref, "#999999");
  return 1 + static_cast<int>(std::count(text.begin(), text.begin() + static_cast<long>(at), '\n'));
}

std::vector<std::string> BodyNames(const Part& part) {
  std::vector<std::string> names;
  for (const auto& object : part.Objects())
    if (dynamic_cast<const Body*>(object.get())) names.push_back(object->name);
  return names;
}

}  // namespace

class StepSoundPart : public fabdoc_test::SessionTest {
protected:
  std::string dir = fabdoc_test::FreshDir("step-sound-part");
  std::string Host(const std::string& relative) { return ToHostPath(dir + "/" + relative); }

  std::string Assembly() {
    files::ExportStep(fabdoc_test::AddFrameAssembly(dir), Host("top.step"));
    session().Reset();
    return ReadText(dir + "/top.step");
  }

  files::StepImport ImportSound(const std::string& text, const std::string& name) {
    WriteText(dir + "/" + name, text);
    return files::ReadStep(Host(name), Host(name + "-in"), files::DamagedStep::ImportSoundPart);
  }

  void ExpectRefusedByDefault(const std::string& name) {
    EXPECT_THROW(files::ReadStep(Host(name), Host(name + "-whole")), HostError) << name;
    EXPECT_TRUE(session().Parts().empty());
  }
};

TEST_F(StepSoundPart, ADamagedComponentProductIsSkippedByNameAndTheRestArrivesWhole) {
  std::string text = Assembly();
  const int line = BreakReferenceAfter(text, "MANIFOLD_SOLID_BREP('tube',");
  WriteText(dir + "/tube.step", text);
  ExpectRefusedByDefault("tube.step");

  const files::StepImport in = ImportSound(text, "tube.step");
  ASSERT_NE(in.root, nullptr);
  EXPECT_EQ(HostFileStem(in.root->path), "top");
  EXPECT_TRUE(in.root->Instances().empty()) << "both instances of the damaged frame are left out";
  EXPECT_EQ(BodyNames(*in.root), std::vector<std::string>{"pipe"});
  const auto& pipe = dynamic_cast<const Body&>(*in.root->Objects()[0]);
  EXPECT_NEAR(pipe.Mass().volume, M_PI / 4 * (48 * 48 - 41 * 41) * 300, 1e-3 * pipe.Mass().volume);
  ASSERT_EQ(in.skipped.size(), 1u);
  EXPECT_NE(in.skipped[0].find("product \"frame\""), std::string::npos) << in.skipped[0];
  EXPECT_NE(in.skipped[0].find("line " + std::to_string(line) + ": #"), std::string::npos) << in.skipped[0];
  EXPECT_TRUE(std::none_of(in.parts.begin(), in.parts.end(),
                           [](const Part* p) { return HostFileStem(p->path) == "frame"; }));
}

TEST_F(StepSoundPart, ADamagedBodyOfTheTopKeepsTheComponentsWithTheirPlacements) {
  std::string text = Assembly();
  BreakReferenceAfter(text, "MANIFOLD_SOLID_BREP('pipe',");
  const files::StepImport in = ImportSound(text, "pipe.step");
  ASSERT_NE(in.root, nullptr);
  EXPECT_TRUE(BodyNames(*in.root).empty());
  ASSERT_EQ(in.root->Instances().size(), 2u);
  EXPECT_EQ(in.root->Instances()[0].instanceName, "FRAME-1");
  EXPECT_EQ(in.root->Instances()[1].instanceName, "FRAME-2");
  EXPECT_NEAR(in.root->Instances()[1].transform.Apply({0, 0, 0})[0], 300.0, 1e-9);
  const Part* frame = session().FindPartByPath(in.root->Instances()[0].partPath);
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(BodyNames(*frame), (std::vector<std::string>{"plate", "tube"}));
  EXPECT_EQ(dynamic_cast<const Body&>(*frame->Objects()[1]).display.color, 6) << "colours of sound bodies stay";
  ASSERT_EQ(in.skipped.size(), 1u);
  EXPECT_NE(in.skipped[0].find("top (bodies)"), std::string::npos) << in.skipped[0];
}

TEST_F(StepSoundPart, ABrokenPlacementLeavesOutThatComponentOnly) {
  // Damaged where it says what it places, the placement takes its component along.
  {
    std::string text = Assembly();
    const size_t last = text.rfind("CONTEXT_DEPENDENT_SHAPE_REPRESENTATION(");
    ASSERT_NE(last, std::string::npos);
    const size_t second = text.find(',', last) + 1;
    BreakReferenceAfter(text, ",", second - 1);
    const files::StepImport in = ImportSound(text, "usage.step");
    ASSERT_NE(in.root, nullptr);
    EXPECT_EQ(in.root->Instances().size() + BodyNames(*in.root).size(), 2u) << "three components, one left out";
    ASSERT_FALSE(in.skipped.empty());
    EXPECT_EQ(in.skipped[0].rfind("component \"", 0), 0u) << in.skipped[0];
    session().Reset();
  }
  std::string text = Assembly();
  // The last placement written; whichever component it places, only that one goes.
  const size_t last = text.rfind("ITEM_DEFINED_TRANSFORMATION(");
  ASSERT_NE(last, std::string::npos);
  BreakReferenceAfter(text, "ITEM_DEFINED_TRANSFORMATION(", last);
  const files::StepImport in = ImportSound(text, "placement.step");
  ASSERT_NE(in.root, nullptr);
  EXPECT_EQ(in.root->Instances().size() + BodyNames(*in.root).size(), 2u) << "three components, one left out";
  ASSERT_EQ(in.skipped.size(), 1u);
  EXPECT_EQ(in.skipped[0].rfind("component \"", 0), 0u) << in.skipped[0];
}

TEST_F(StepSoundPart, NothingSoundIsRefusedWholeAndASoundFileSkipsNothing) {
  const std::string good = Assembly();
  // Every solid loses its shell: the top assembly is left with nothing to hold.
  std::string text = good;
  for (const char* solid : {"plate", "tube", "pipe"})
    BreakReferenceAfter(text, std::string("MANIFOLD_SOLID_BREP('") + solid + "',");
  WriteText(dir + "/units.step", text);
  try {
    files::ReadStep(Host("units.step"), Host("units-in"), files::DamagedStep::ImportSoundPart);
    FAIL() << "a file without any sound product was imported";
  } catch (const HostError& e) {
    EXPECT_NE(std::string(e.what()).find(dir + "/units.step"), std::string::npos) << e.what();
    EXPECT_NE(std::string(e.what()).find("no product in it is sound"), std::string::npos) << e.what();
  }
  EXPECT_TRUE(session().Parts().empty());

  const files::StepImport in = ImportSound(good, "good.step");
  EXPECT_TRUE(in.skipped.empty());
  EXPECT_EQ(in.root->Instances().size(), 2u);
  EXPECT_EQ(BodyNames(*in.root), std::vector<std::string>{"pipe"});
}

TEST_F(StepSoundPart, FilesThatCrashedTheTranslatorGiveTheirSoundPartOrAClearRefusal) {
  const char* source = std::getenv("FABDOC_SOURCE_DIR");
  ASSERT_NE(source, nullptr);
  int imported = 0;
  for (const auto& entry : fs::directory_iterator(fs::path(source) / "platform/files/tests/corpus/step")) {
    const std::string local = dir + "/" + entry.path().filename().string();
    fs::copy_file(entry.path(), local, fs::copy_options::overwrite_existing);
    session().Reset();
    try {
      const files::StepImport in =
          files::ReadStep(ToHostPath(local), Host(entry.path().stem().string()), files::DamagedStep::ImportSoundPart);
      EXPECT_FALSE(in.skipped.empty()) << local << ": a damaged file imported as if whole";
      ++imported;
    } catch (const HostError& e) {
      EXPECT_NE(std::string(e.what()).find(local), std::string::npos) << e.what();
      EXPECT_TRUE(session().Parts().empty()) << local;
    }
  }
  EXPECT_GT(imported, 0) << "no damaged file had a sound part";
}

TEST(StepEntities, StatementsReferencesAndTheirFaultsAreRead) {
  const std::string text =
      "ISO-10303-21;\nHEADER;\nFILE_NAME('a;b');\nENDSEC;\nDATA;\n"
      "#1=PRODUCT('p-1','plate ''A''','',(#2));\n"
      "#2=PRODUCT_CONTEXT('',#3,'mechanical');\n"
      "#4=( LENGTH_UNIT() NAMED_UNIT(*) SI_UNIT(.MILLI.,.METRE.) );\n"
      "#5=SHELL(#6,(#1,#2);\n"
      "#5=SHELL((#1));\n"
      "junk;\n"
      "#7=LINE('',#1,#2) x;\n"
      "x\ny;\n"
      "#8=LINE('',#1234567890123456789012,#2);\n"
      "ENDSEC;\nEND-ISO-10303-21;\n";
  const auto e = files::ParseStepEntities(text);
  ASSERT_TRUE(e.has_value());
  EXPECT_EQ(e->head.substr(e->head.size() - 5), "DATA;");
  EXPECT_EQ(e->tail, "ENDSEC;\nEND-ISO-10303-21;\n");
  ASSERT_EQ(e->byId.size(), 6u);
  EXPECT_EQ(e->byId.at(8).fault, "a reference number too long to be one");
  EXPECT_EQ(e->byId.at(1).line, 6);
  EXPECT_EQ(e->Strings(1), (std::vector<std::string>{"p-1", "plate 'A'", ""}));
  ASSERT_EQ(e->byId.at(1).references.size(), 1u);
  EXPECT_TRUE(e->byId.at(1).references[0].inAggregate);
  ASSERT_EQ(e->byId.at(2).references.size(), 1u);
  EXPECT_FALSE(e->byId.at(2).references[0].inAggregate);
  EXPECT_TRUE(e->IsA(4, "SI_UNIT") && e->IsA(4, "LENGTH_UNIT"));
  EXPECT_FALSE(e->byId.at(4).fault.has_value());
  ASSERT_TRUE(e->byId.at(5).fault.has_value());
  EXPECT_NE(e->byId.at(5).fault->find("defined twice"), std::string::npos);
  ASSERT_TRUE(e->byId.at(7).fault.has_value());
  EXPECT_EQ(*e->byId.at(7).fault, "text after the end of the entity");
  ASSERT_EQ(e->strays.size(), 2u);
  EXPECT_EQ(e->strays[0], "line 11: \"junk\"");
  EXPECT_EQ(e->strays[1], "line 13: \"x y\"") << "quoted on one line";
  EXPECT_FALSE(files::ParseStepEntities("ISO-10303-21;\nHEADER;\nENDSEC;\n").has_value());
}

TEST(StepEntities, TheSoundPartKeepsColoursOfSoundItemsOnly) {
  // Two products, one with a missing point; a presentation list styles both.
  const std::string text =
      "ISO-10303-21;\nHEADER;\nENDSEC;\nDATA;\n"
      "#1=PRODUCT('a','a','',());\n#2=PRODUCT_DEFINITION_FORMATION('','',#1);\n"
      "#3=PRODUCT_DEFINITION('','',#2,#9);\n#4=PRODUCT_DEFINITION_SHAPE('','',#3);\n"
      "#5=SHAPE_DEFINITION_REPRESENTATION(#4,#6);\n#6=SHAPE_REPRESENTATION('',(#7),#9);\n"
      "#7=CARTESIAN_POINT('',(0.,0.,0.));\n"
      "#11=PRODUCT('b','b','',());\n#12=PRODUCT_DEFINITION_FORMATION('','',#11);\n"
      "#13=PRODUCT_DEFINITION('','',#12,#9);\n#14=PRODUCT_DEFINITION_SHAPE('','',#13);\n"
      "#15=SHAPE_DEFINITION_REPRESENTATION(#14,#16);\n#16=SHAPE_REPRESENTATION('',(#17),#9);\n"
      "#17=VERTEX_POINT('',#99);\n"
      "#9=PRODUCT_DEFINITION_CONTEXT('',#10,'design');\n#10=APPLICATION_CONTEXT('x');\n"
      "#20=STYLED_ITEM('',(),#7);\n#21=STYLED_ITEM('',(),#17);\n"
      "#22=MECHANICAL_DESIGN_GEOMETRIC_PRESENTATION_REPRESENTATION('',(#20,#21),#9);\n"
      "ENDSEC;\nEND-ISO-10303-21;\n";
  const auto e = files::ParseStepEntities(text);
  ASSERT_TRUE(e.has_value());
  const files::SoundStepPart part = files::SoundPartOf(*e, {});
  EXPECT_EQ(part.keptProducts, std::vector<long>{3});
  ASSERT_EQ(part.skipped.size(), 1u);
  EXPECT_EQ(part.skipped[0], "product \"b\", line 18: #17: unresolved reference #99");
  EXPECT_NE(part.text.find("#22=MECHANICAL_DESIGN_GEOMETRIC_PRESENTATION_REPRESENTATION('',(#20),#9);"),
            std::string::npos)
      << part.text;
  for (const char* gone : {"#11=", "#13=", "#16=", "#17=", "#21="})
    EXPECT_EQ(part.text.find(gone), std::string::npos) << gone;
  for (const char* kept : {"#1=", "#3=", "#5=", "#7=", "#9=", "#10=", "#20="})
    EXPECT_NE(part.text.find(kept), std::string::npos) << kept;
}

TEST(StepEntities, ALoopOfReferencesIsFoundWhateverItsLengthAndAChainIsNone) {
  auto loopIn = [](const std::string& data) {
    return files::ReferenceLoop(*files::ParseStepEntities("ISO-10303-21;\nHEADER;\nENDSEC;\nDATA;\n" + data + "ENDSEC;\n"));
  };
  EXPECT_EQ(loopIn("#1=A(#2,#3);\n#2=B(#3);\n#3=C(#9);\n"), std::vector<long>{}) << "shared, missing: no loop";
  EXPECT_EQ(loopIn("#1=A(#2);\n#2=B(#3,#5);\n#3=C(#4);\n#4=D((#2));\n#5=E();\n"), (std::vector<long>{2, 3, 4, 2}));
  std::string chain;  // deeper than any stack of calls would go
  for (int i = 1; i < 100000; ++i) chain += "#" + std::to_string(i) + "=A(#" + std::to_string(i + 1) + ");\n";
  EXPECT_EQ(loopIn(chain), std::vector<long>{});
  EXPECT_EQ(loopIn(chain + "#100000=A(#1);\n").size(), 100001u);
}
