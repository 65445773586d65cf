// Part files: a save and reload keeps everything; anything else is refused whole.
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <utility>

#include <BRepTools.hxx>
#include <TopExp.hxx>
#include <TopTools_IndexedMapOfShape.hxx>
#include <TopoDS.hxx>
#include <BRep_Tool.hxx>

#include "platform/assemblies/occurrence.h"
#include "platform/drafting/drawing.h"
#include "platform/files/part_file.h"
#include "platform/files/save_part_as.h"
#include "platform/geometry/feature.h"
#include "platform/text/gbk.h"
#include "platform/text/host_path.h"
#include "tests/support/test_model.h"

using namespace platform;
using fabdoc_test::AddBox;
using fabdoc_test::AddPipe;
namespace fs = std::filesystem;

namespace {

std::string Gbk(const char* utf8) { return text::ToGbk(utf8); }

std::string HostPathIn(const std::string& dir, const char* utf8Name) {
  return ToHostPath(dir + "/" + utf8Name);
}

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
}

// Every vertex of a shape, in map order: equal lists mean the geometry came back exactly.
std::vector<gp_Pnt> Vertices(const TopoDS_Shape& shape) {
  TopTools_IndexedMapOfShape map;
  TopExp::MapShapes(shape, TopAbs_VERTEX, map);
  std::vector<gp_Pnt> points;
  for (int i = 1; i <= map.Extent(); ++i) points.push_back(BRep_Tool::Pnt(TopoDS::Vertex(map(i))));
  return points;
}

}  // namespace

class PartFile : public fabdoc_test::SessionTest {
protected:
  std::string dir = fabdoc_test::FreshDir("part-file");
  // root placing leaf (one box), both saved: the assembly a save-as renames under.
  std::pair<Part*, Part*> SavedLeafInRoot(const char* leafName, const char* rootName) {
    Part& leaf = session().NewPart(HostPathIn(dir, leafName));
    AddBox(leaf, 0, 0, 0, 10, 20, 30);
    files::SavePart(leaf, leaf.path);
    Part& root = session().NewPart(HostPathIn(dir, rootName));
    Instance inst;
    inst.partPath = leaf.path;
    inst.instanceName = inst.name = HostFileStem(leaf.path);
    root.AddInstance(inst);
    files::SavePart(root, root.path);
    return {&leaf, &root};
  }
};

TEST_F(PartFile, SaveAndReloadKeepsBodiesTextDisplayAndDrafting) {
  const std::string path = HostPathIn(dir, "机架-1.prt");
  Part& part = session().NewPart(path);
  part.attributes.Set("DB_PART_NAME", Gbk("机架"));
  Body& plate = AddBox(part, 1.5, 2.25, -3, 2, 100, 300, Gbk("底板"));
  plate.attributes.Set("DB_PART_NAME", Gbk("底板"));
  plate.attributes.Set("suling", Gbk("钢板(2.0X100X300)"));
  plate.display = {171, 186, true, 40, false};
  Body& pipe = AddPipe(part, 48, 3.5, 600, "pipe");
  pipe.density = 7.85e-3;
  auto feature = std::make_unique<Feature>();
  feature->kind = "CYLINDER";
  feature->bodyPids = {pipe.pid};
  feature->parameters["diameter"] = "48";
  part.Add(std::move(feature));
  auto sheet = std::make_unique<DrawingSheet>();
  sheet->name = Gbk("底板-1");
  sheet->scale = 5;
  auto& sheetRef = part.Add(std::move(sheet));
  auto note = std::make_unique<TabularNote>();
  note->sheetPid = sheetRef.pid;
  note->Resize(2, 2, 8, 30);
  note->cells = {Gbk("名称"), "A", "", Gbk("数量")};
  part.Add(std::move(note));
  const auto plateVertices = Vertices(plate.Shape());
  const double pipeVolume = pipe.Mass().volume;

  files::SavePart(part, path);
  session().Reset();
  Part& back = files::OpenPart(path);

  ASSERT_EQ(back.Objects().size(), 5u);  // plate, pipe, feature, sheet, note
  auto* plate2 = dynamic_cast<Body*>(back.Objects()[0].get());
  auto* pipe2 = dynamic_cast<Body*>(back.Objects()[1].get());
  ASSERT_TRUE(plate2 && pipe2);
  EXPECT_EQ(plate2->name, Gbk("底板"));
  EXPECT_EQ(*plate2->attributes.Find("suling"), Gbk("钢板(2.0X100X300)"));
  EXPECT_EQ(plate2->display, (Display{171, 186, true, 40, false}));
  const auto vertices = Vertices(plate2->Shape());
  ASSERT_EQ(vertices.size(), plateVertices.size());
  for (size_t i = 0; i < vertices.size(); ++i)
    EXPECT_EQ(vertices[i].Distance(plateVertices[i]), 0.0) << "vertex " << i << " moved";
  EXPECT_DOUBLE_EQ(pipe2->Mass().volume, pipeVolume);
  EXPECT_DOUBLE_EQ(pipe2->density, 7.85e-3);
  EXPECT_EQ(*back.attributes.Find("DB_PART_NAME"), Gbk("机架"));
  auto* feature2 = dynamic_cast<Feature*>(back.Objects()[2].get());
  ASSERT_TRUE(feature2);
  EXPECT_EQ(feature2->bodyPids, std::vector<std::uint32_t>{pipe2->pid});
  auto* sheet2 = dynamic_cast<DrawingSheet*>(back.Objects()[3].get());
  auto* note2 = dynamic_cast<TabularNote*>(back.Objects()[4].get());
  ASSERT_TRUE(sheet2 && note2);
  EXPECT_EQ(sheet2->name, Gbk("底板-1"));
  EXPECT_EQ(sheet2->scale, 5);
  EXPECT_EQ(note2->Cell(1, 1), Gbk("数量"));
  EXPECT_EQ(note2->sheetPid, sheet2->pid);
  EXPECT_FALSE(back.modified);
  // New objects never reuse an id of the file.
  Body& extra = AddBox(back, 0, 0, 0, 1, 1, 1);
  for (const auto& o : back.Objects()) {
    if (o.get() == &extra) continue;
    EXPECT_NE(o->pid, extra.pid);
  }
}

TEST_F(PartFile, AssemblyKeepsComponentsTransformsAndOccurrenceData) {
  const std::string leafPath = HostPathIn(dir, "底座-2.prt");
  const std::string rootPath = HostPathIn(dir, "总装-0.prt");
  Part& leaf = session().NewPart(leafPath);
  AddBox(leaf, 0, 0, 0, 10, 20, 30, "B");
  files::SavePart(leaf, leafPath);
  Part& root = session().NewPart(rootPath);
  Instance inst;
  inst.partPath = leafPath;
  inst.instanceName = Gbk("底座-2");
  inst.name = Gbk("底座-2");
  inst.layer = 5;
  inst.transform.rotation = {0, -1, 0, 1, 0, 0, 0, 0, 1};
  inst.transform.translation = {100, 0, 50};
  root.AddInstance(inst);
  auto occs = occurrences().AllOccurrences(root);
  ASSERT_EQ(occs.size(), 2u);
  occs[1]->attributes.Set("DB_PART_NO", "P-1");
  session().EditDisplay(*occs[1]).color = 186;
  files::SavePart(root, rootPath);

  session().Reset();
  Part& back = files::OpenPart(rootPath);
  ASSERT_NE(session().FindPartByPath(leafPath), nullptr) << "the component part opens with it";
  ASSERT_EQ(back.Instances().size(), 1u);
  EXPECT_EQ(back.Instances()[0].transform, inst.transform);
  EXPECT_EQ(back.Instances()[0].instanceName, Gbk("底座-2"));
  auto occs2 = occurrences().AllOccurrences(back);
  ASSERT_EQ(occs2.size(), 2u);
  EXPECT_EQ(occs2[0]->display.layer, 5);
  EXPECT_EQ(*occs2[1]->attributes.Find("DB_PART_NO"), "P-1");
  EXPECT_EQ(session().DisplayOf(*occs2[1]).color, 186);
  auto* proto = dynamic_cast<Body*>(&session().Prototype(*occs2[1]));
  ASSERT_TRUE(proto);
  EXPECT_EQ(proto->attributes.Find("DB_PART_NO"), nullptr) << "occurrence data stays on the occurrence";
}

TEST_F(PartFile, MovedProductFolderStillFindsItsComponents) {
  Part& leaf = session().NewPart(HostPathIn(dir, "a/leaf.prt"));
  fs::create_directories(dir + "/a");
  AddBox(leaf, 0, 0, 0, 1, 1, 1);
  files::SavePart(leaf, leaf.path);
  Part& root = session().NewPart(HostPathIn(dir, "a/root.prt"));
  Instance inst;
  inst.partPath = leaf.path;
  root.AddInstance(inst);
  files::SavePart(root, root.path);
  session().Reset();
  fs::rename(dir + "/a", dir + "/b");
  Part& back = files::OpenPart(HostPathIn(dir, "b/root.prt"));
  EXPECT_TRUE(SameHostPath(back.Instances()[0].partPath, HostPathIn(dir, "b/leaf.prt")));
  EXPECT_EQ(occurrences().AllOccurrences(back).size(), 2u);
}

TEST_F(PartFile, SaveAsRenamesThePartForEveryAssemblyThatPlacesIt) {
  auto [leafPart, rootPart] = SavedLeafInRoot("leaf-1.prt", "root.prt");
  Part& leaf = *leafPart;
  Part& root = *rootPart;
  auto* shown = dynamic_cast<ComponentOccurrence*>(occurrences().AllOccurrences(root).at(0));
  ASSERT_NE(shown, nullptr);

  files::SavePartAs(leaf, HostPathIn(dir, "BF-leaf-1.prt"));
  EXPECT_EQ(leaf.path, HostPathIn(dir, "BF-leaf-1.prt"));
  EXPECT_TRUE(fs::exists(dir + "/BF-leaf-1.prt"));
  EXPECT_TRUE(fs::exists(dir + "/leaf-1.prt")) << "the old file is the caller's to delete";
  EXPECT_EQ(root.Instances()[0].partPath, leaf.path) << "the assembly refers to the new name";
  EXPECT_EQ(shown->partPath, leaf.path);
  EXPECT_EQ(shown->part, &leaf);
  EXPECT_TRUE(root.modified) << "so that its next save records the new name";
  EXPECT_EQ(session().FindPartByPath(HostPathIn(dir, "bf-LEAF-1.PRT")), &leaf) << "found by its new name, any case";
  EXPECT_EQ(session().FindPartByPath(HostPathIn(dir, "leaf-1.prt")), nullptr) << "no longer by its old one";
  EXPECT_EQ(files::ReadPart(root.path)->Instances()[0].partPath, HostPathIn(dir, "leaf-1.prt"))
      << "the file on disk changes only when the assembly is saved";

  files::SavePart(root, root.path);
  fs::remove(dir + "/leaf-1.prt");
  session().Reset();
  std::vector<std::string> notes;
  Part& back = files::OpenPart(HostPathIn(dir, "root.prt"), &notes);
  EXPECT_TRUE(notes.empty()) << notes.at(0);
  auto occs = occurrences().AllOccurrences(back);
  ASSERT_EQ(occs.size(), 2u) << "the component and its body";
  ASSERT_NE(dynamic_cast<ComponentOccurrence*>(occs[0])->part, nullptr);
  EXPECT_EQ(HostFileName(dynamic_cast<ComponentOccurrence*>(occs[0])->part->path), "BF-leaf-1.prt");
}

TEST_F(PartFile, SaveAsOntoAReadOnlyFileIsRefusedAndNothingChanges) {
  auto [leafPart, rootPart] = SavedLeafInRoot("leaf.prt", "root.prt");
  Part& leaf = *leafPart;
  Part& root = *rootPart;
  WriteBytes(dir + "/taken.prt", "someone else's");
  ::chmod((dir + "/taken.prt").c_str(), 0444);
  try {
    files::SavePartAs(leaf, HostPathIn(dir, "taken.prt"));
    ADD_FAILURE() << "a read-only file was replaced";
  } catch (const HostError& e) {
    EXPECT_NE(std::string(e.what()).find("read-only"), std::string::npos) << e.what();
    EXPECT_NE(std::string(e.what()).find("taken.prt"), std::string::npos) << e.what();
  }
  EXPECT_EQ(ReadBytes(dir + "/taken.prt"), "someone else's");
  EXPECT_EQ(leaf.path, HostPathIn(dir, "leaf.prt"));
  EXPECT_EQ(session().FindPartByPath(leaf.path), &leaf) << "found by the name it kept";
  EXPECT_EQ(session().FindPartByPath(HostPathIn(dir, "taken.prt")), nullptr);
  EXPECT_EQ(root.Instances()[0].partPath, leaf.path);
  EXPECT_FALSE(root.modified);
  // A plain save over a read-only file is refused the same way.
  ::chmod((dir + "/leaf.prt").c_str(), 0444);
  EXPECT_THROW(files::SavePart(leaf, leaf.path), HostError);
  ::chmod((dir + "/leaf.prt").c_str(), 0644);
  ::chmod((dir + "/taken.prt").c_str(), 0644);
}

TEST_F(PartFile, SaveAsIntoAnotherFolderKeepsFindingComponentsWhereTheyAre) {
  fs::create_directories(dir + "/a");
  fs::create_directories(dir + "/b");
  Part& root = *SavedLeafInRoot("a/leaf.prt", "a/root.prt").second;
  files::SavePartAs(root, HostPathIn(dir, "b/root.prt"));
  // Recorded beside a/root.prt, the leaf would be looked for as b/leaf.prt.
  EXPECT_TRUE(SameHostPath(files::ReadPart(HostPathIn(dir, "b/root.prt"))->Instances()[0].partPath,
                           HostPathIn(dir, "a/leaf.prt")));
}

TEST_F(PartFile, MissingComponentFileStillOpensTheAssembly) {
  Part& root = session().NewPart(HostPathIn(dir, "root.prt"));
  Instance inst;
  inst.partPath = HostPathIn(dir, "gone.prt");
  root.AddInstance(inst);
  files::SavePart(root, root.path);
  session().Reset();
  std::vector<std::string> notes;
  Part& back = files::OpenPart(HostPathIn(dir, "root.prt"), &notes);
  ASSERT_EQ(notes.size(), 1u);
  EXPECT_NE(notes[0].find("gone.prt"), std::string::npos) << notes[0];
  auto occs = occurrences().AllOccurrences(back);
  ASSERT_EQ(occs.size(), 1u);
  EXPECT_EQ(dynamic_cast<ComponentOccurrence*>(occs[0])->part, nullptr);
}

TEST_F(PartFile, RefusesWhatIsNotAnIntactPartFileAndLoadsNothing) {
  const std::string good = dir + "/good.prt";
  Part& part = session().NewPart(ToHostPath(good));
  AddBox(part, 0, 0, 0, 10, 10, 10, "A");
  files::SavePart(part, part.path);
  session().Reset();
  const std::string bytes = ReadBytes(good);

  struct Case {
    const char* name;
    std::string content;
    const char* expected;
  };
  std::string flipped = bytes;
  flipped[bytes.size() / 2] ^= 0x40;
  std::string newer = bytes;
  newer.replace(12, 1, "9");
  const std::vector<Case> cases = {
      {"zip.prt", std::string("PK\x03\x04 some zip", 13), "not a fabdoc .prt file (header \"PK\\x03\\x04"},
      {"empty.prt", "", "not a fabdoc .prt file"},
      {"half.prt", bytes.substr(0, bytes.size() / 2), "truncated"},
      {"short.prt", bytes.substr(0, bytes.size() - 1), "truncated"},
      {"flipped.prt", flipped, "checksum"},
      {"newer.prt", newer, "newer version"},
  };
  for (const auto& c : cases) {
    const std::string path = dir + "/" + c.name;
    WriteBytes(path, c.content);
    try {
      files::OpenPart(ToHostPath(path));
      ADD_FAILURE() << c.name << " was accepted";
    } catch (const HostError& e) {
      EXPECT_EQ(e.Status(), HostStatus::BadPartFile) << c.name;
      EXPECT_NE(std::string(e.what()).find(path), std::string::npos) << "names the file: " << e.what();
      EXPECT_NE(std::string(e.what()).find(c.expected), std::string::npos) << e.what();
    }
    EXPECT_TRUE(session().Parts().empty()) << c.name << " left a part in the session";
  }
  try {
    files::OpenPart(ToHostPath(dir + "/nothing.prt"));
    ADD_FAILURE() << "a missing file was accepted";
  } catch (const HostError& e) {
    EXPECT_EQ(e.Status(), HostStatus::FileError);
    EXPECT_NE(std::string(e.what()).find("does not exist"), std::string::npos);
  }
}

TEST_F(PartFile, FailedSaveLeavesThePreviousFileAndNoLitter) {
  const std::string path = dir + "/keep.prt";
  Part& part = session().NewPart(ToHostPath(path));
  AddBox(part, 0, 0, 0, 10, 10, 10, "A");
  files::SavePart(part, part.path);
  const std::string before = ReadBytes(path);

  // An object kind the file cannot hold makes the save fail before anything is written.
  struct Alien : Object {
    Alien() : Object(999, 0) {}
  };
  part.Add(std::make_unique<Alien>());
  EXPECT_THROW(files::SavePart(part, part.path), HostError);
  EXPECT_EQ(ReadBytes(path), before);

  // A target that cannot be replaced (a folder stands there) fails after writing.
  fs::create_directories(dir + "/blocked.prt/x");
  Part& other = session().NewPart(ToHostPath(dir + "/blocked.prt"));
  AddBox(other, 0, 0, 0, 1, 1, 1);
  EXPECT_THROW(files::SavePart(other, other.path), HostError);
  // A folder that does not exist is named in the error.
  try {
    files::SavePart(other, ToHostPath(dir + "/no/such/folder/x.prt"));
    ADD_FAILURE();
  } catch (const HostError& e) {
    EXPECT_NE(std::string(e.what()).find("does not exist"), std::string::npos) << e.what();
  }
  for (const auto& entry : fs::directory_iterator(dir))
    EXPECT_EQ(entry.path().filename().string().find(".tmp-"), std::string::npos)
        << "temporary file left behind: " << entry.path();
}
