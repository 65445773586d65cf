// Attribute removal and restore on an assembly with drawing sheets: what removal takes,
// what the restore puts back, in which order, and a removal with nothing selected.
// Journal text is UTF-8; literals here are GBK.
#include "addon/host/tests/journal_fixture.h"
#include "host/attribute_vocabulary.h"
#include "platform/assemblies/occurrence.h"
#include "platform/drafting/sheets.h"
#include "platform/files/part_file.h"
#include "platform/text/host_path.h"

using namespace platform;
using fabdoc_test::AddBox;

class AttributeRemoval : public kzt_test::CommandTest {
protected:
  // 总装-0 holds 板 (made to drawing, layer 120, numbered) and 外购 (bought-out) of its
  // own, and component 机架-1 on layer 171 whose part holds 立柱 (made to drawing) and
  // 横梁 (no remark); the assembly has two drawing sheets.
  void SetUp() override {
    CommandTest::SetUp();
    frame = &session().NewPart(HostPath("机架-1.prt"));
    post = &Numbered(AddBox(*frame, 0, 0, 0, 50, 50, 1200, "立柱"), "A-1-1", kzt::kMadeToDrawing);
    post->attributes.Set("FOO", "bar");
    beam = &AddBox(*frame, 0, 0, 1200, 900, 80, 40, "横梁");
    beam->attributes.Set(kzt::kPartNo, "A-1-2");
    files::SavePart(*frame, frame->path);
    root = &session().NewPart(HostPath("总装-0.prt"));
    plate = &Numbered(AddBox(*root, 0, 0, -10, 500, 500, 10, "板"), "A-2", kzt::kMadeToDrawing);
    plate->display.layer = 120;
    bought = &Numbered(AddBox(*root, 600, 0, 0, 20, 20, 20, "外购"), "GB-5782", kzt::kBoughtOut);
    bought->display.layer = 120;
    fabdoc_test::AddInstance(*root, frame->path, "机架-1").layer = kzt::kReservedLayer;
    files::SavePart(*root, root->path);
    session().SetDisplayed(root);
    drafting::AddSheet(*root, "A-2", 297, 210);
    drafting::AddSheet(*root, "A-1-1", 297, 210);
  }
  Body& Numbered(Body& body, const std::string& number, const std::string& remark) {
    body.attributes.Set(kzt::kPartName, body.name);
    body.attributes.Set(kzt::kPartNo, number);
    body.attributes.Set(kzt::kRemark, remark);
    return body;
  }
  ComponentOccurrence& Frame() { return *occurrences().Children(occurrences().RootOccurrence(*root)).front(); }
  // The occurrence of the prototype body in 机架-1.
  Object& OccurrenceOf(Body& prototype) {
    for (Object* o : occurrences().AllOccurrences(*root))
      if (o->Prototype() == &prototype) return *o;
    throw std::runtime_error("no occurrence");
  }
  static std::string Attribute(Object& object, const char* title) {
    const std::string* value = Session::Get().FindAttribute(object, title);
    return value ? *value : std::string("<none>");
  }
  int LayerOf(Object& object) { return session().DisplayOf(object).layer; }
  size_t SheetCount() { return drafting::SheetsOf(*root).size(); }
  Part *frame = nullptr, *root = nullptr;
  Body *post = nullptr, *beam = nullptr, *plate = nullptr, *bought = nullptr;
};

TEST_F(AttributeRemoval, RemovalTakesEveryAttributeOfTheSelectionAndOfPrototypes) {
  Run(u8R"J(
action delete_attr
  set toggle_delete true
  select selection0 body:机架-1/立柱 body:板
  expect message "请确认是否删除属性?"
  ok
)J");
  EXPECT_EQ(Attribute(*post, "FOO"), "<none>") << "not only the add-on's own titles";
  EXPECT_EQ(Attribute(*post, kzt::kPartNo), "<none>") << "the prototype lost its attributes";
  EXPECT_EQ(Attribute(OccurrenceOf(*post), kzt::kPartNo), "<none>") << "and so did the occurrence";
  EXPECT_EQ(Attribute(*plate, kzt::kRemark), "<none>");
  EXPECT_EQ(Attribute(*beam, kzt::kPartNo), "A-1-2") << "not selected";
  EXPECT_EQ(Attribute(*bought, kzt::kPartNo), "GB-5782");
  EXPECT_EQ(SheetCount(), 2u) << "no restore asked for";
  EXPECT_EQ(LayerOf(*plate), 120);
}

TEST_F(AttributeRemoval, RestoreResetsMadeToDrawingNumbersMovesLayersAndDeletesSheets) {
  Run(u8R"J(
action delete_attr
  set toggle_qian true
  expect message "请确认是否恢复出图前状态?\n恢复后将所有图号设为原始图号,\n且删除生成好的图纸!"
  ok
)J");
  EXPECT_EQ(Attribute(*plate, kzt::kPartNo), "1");
  EXPECT_EQ(Attribute(*post, kzt::kPartNo), "1") << "prototype";
  EXPECT_EQ(Attribute(OccurrenceOf(*post), kzt::kPartNo), "1") << "occurrence";
  EXPECT_EQ(Attribute(*beam, kzt::kPartNo), "A-1-2") << "not made to drawing";
  EXPECT_EQ(Attribute(*bought, kzt::kPartNo), "GB-5782");
  EXPECT_EQ(LayerOf(*plate), 1);
  EXPECT_EQ(LayerOf(*bought), 120) << "only made-to-drawing bodies move";
  EXPECT_EQ(LayerOf(Frame()), 1) << "the component of a body goes back to layer 1";
  EXPECT_EQ(SheetCount(), 0u);
  EXPECT_EQ(Attribute(*plate, kzt::kRemark), kzt::kMadeToDrawing) << "nothing else is touched";
}

TEST_F(AttributeRemoval, RestoreWithoutMadeToDrawingBodiesStillMovesComponentsAndDeletesSheets) {
  plate->attributes.Set(kzt::kRemark, kzt::kBoughtOut);
  post->attributes.Set(kzt::kRemark, "");
  Run(u8R"J(
action delete_attr
  set toggle_qian true
  apply
  cancel
)J");
  EXPECT_EQ(Attribute(*plate, kzt::kPartNo), "A-2");
  EXPECT_EQ(Attribute(*post, kzt::kPartNo), "A-1-1");
  EXPECT_EQ(LayerOf(*plate), 120);
  EXPECT_EQ(LayerOf(Frame()), 1);
  EXPECT_EQ(SheetCount(), 0u);
}

TEST_F(AttributeRemoval, BothTogglesRemoveFirstThenRestore) {
  // 板 is selected: its remark goes first, so the restore no longer finds it.
  Run(u8R"J(
action delete_attr
  set toggle_qian true
  set toggle_delete true
  select selection0 body:板
  ok
)J");
  EXPECT_EQ(Attribute(*plate, kzt::kPartNo), "<none>") << "removed, not reset to 1";
  EXPECT_EQ(LayerOf(*plate), 120);
  EXPECT_EQ(Attribute(*post, kzt::kPartNo), "1");
  EXPECT_EQ(SheetCount(), 0u);
}

TEST_F(AttributeRemoval, ASecondRestoreDoesNotWriteBackNumbersOfBodiesStrippedSince) {
  // The first Apply restores 板; the second strips it and restores again: the restore
  // works from the bodies made to drawing now, not from those of the first Apply.
  Run(u8R"J(
action delete_attr
  set toggle_qian true
  apply
  set toggle_delete true
  select selection0 body:板
  apply
  cancel
)J");
  EXPECT_EQ(Attribute(*plate, kzt::kPartNo), "<none>");
  EXPECT_EQ(Attribute(*plate, kzt::kRemark), "<none>");
  EXPECT_EQ(Attribute(*post, kzt::kPartNo), "1");
}

TEST_F(AttributeRemoval, RemovalWithNothingSelectedSaysSoAndChangesNothing) {
  root->modified = false;
  Run(u8R"J(
action delete_attr
  set toggle_delete true
  set toggle_qian true
  ok
  expect message "请选择体!"
  cancel
)J");
  EXPECT_EQ(Attribute(*plate, kzt::kPartNo), "A-2");
  EXPECT_EQ(Attribute(*post, kzt::kPartNo), "A-1-1");
  EXPECT_EQ(LayerOf(*plate), 120);
  EXPECT_EQ(LayerOf(Frame()), kzt::kReservedLayer);
  EXPECT_EQ(SheetCount(), 2u);
  EXPECT_FALSE(root->modified);
}
