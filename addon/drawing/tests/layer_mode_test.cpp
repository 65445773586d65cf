// Layer mode through the drawing dialog on assemblies whose bodies got their attributes
// from the attribute writer: bands, numbers, sheets, masks and what each view shows;
// bands that cannot be laid out stop the run before anything changes.
#include <string>
#include <vector>

#include <uf_layer.h>
#include <uf_obj.h>

#include "addon/drawing/tests/layer_fixture.h"
#include "drawing/layer_parts.h"

using namespace kzt_test;

namespace {

// P-FRAME-2 holds parts numbered 1 and 3 (under an old prefix) and two new parts A and
// B; P-装配-3 holds a new part C and a part D met on two identical bodies; P-HANDLE is a
// single-body component without a number. Volumes differ, so only D1 and D2 are twins.
class LayerModeProduct : public LayerDrawings {
protected:
  void SetUp() override {
    LayerDrawings::SetUp();
    AddComponent("P-FRAME-2",
                 {{"B1", 0, 100, 50, 20, "BASE", "OLD-2-1"},
                  {"B3", 200, 120, 60, 25, "RIB", "OLD-2-3"},
                  {"NA", 400, 140, 70, 10, "A"},
                  {"NB", 600, 160, 40, 12, "B"}},
                 0);
    AddComponent("P-装配-3", {{"C1", 0, 80, 80, 10, "C"}, {"D1", 200, 60, 30, 8, "D"}, {"D2", 300, 60, 30, 8, ""}},
                 1000);
    AddComponent("P-HANDLE", {{"K", 0, 30, 30, 30, ""}}, 2000);
    Finish();
  }
};

}  // namespace

TEST_F(LayerModeProduct, NewPartsTakeTheFreeNumbersAndTheLayersOfTheirComponentsBand) {
  RunLayerMode();
  // Component 2: L0 = 100 + 15 (2 - 1) = 115. Numbered parts 1 and 3 leave 2 and 4 free.
  EXPECT_EQ(LayerOf(ComponentNamed("P-FRAME-2")), 115);
  EXPECT_EQ(NumberOf(Occurrence("P-FRAME-2", "NA")), "XJ01-2-2");
  EXPECT_EQ(LayerOf(Occurrence("P-FRAME-2", "NA")), 117);
  EXPECT_EQ(NumberOf(Occurrence("P-FRAME-2", "NB")), "XJ01-2-4");
  EXPECT_EQ(LayerOf(Occurrence("P-FRAME-2", "NB")), 119);
  EXPECT_EQ(NumberOf(Occurrence("P-FRAME-2", "B1")), "XJ01-2-1") << "old prefix replaced, suffix kept";
  EXPECT_EQ(LayerOf(Occurrence("P-FRAME-2", "B1")), 116);
  EXPECT_EQ(LayerOf(Occurrence("P-FRAME-2", "B3")), 118);
  // The prototype carries the number too: the part file keeps it.
  Object& na = Occurrence("P-FRAME-2", "NA");
  EXPECT_EQ(kzt::得到体的属性(dynamic_cast<BodyOccurrence&>(na).prototype, kzt::kPartNo), "XJ01-2-2");
  // 装配 component 3: L0 = 130, numbers prefix-n.
  EXPECT_EQ(LayerOf(ComponentNamed("P-装配-3")), 130);
  EXPECT_EQ(NumberOf(Occurrence("P-装配-3", "C1")), "XJ01-1");
  EXPECT_EQ(LayerOf(Occurrence("P-装配-3", "C1")), 131);
  EXPECT_EQ(NumberOf(Occurrence("P-装配-3", "D1")), "XJ01-2");
  EXPECT_EQ(NumberOf(Occurrence("P-装配-3", "D2")), "XJ01-2") << "the number spreads to the twin";
  EXPECT_EQ(LayerOf(Occurrence("P-装配-3", "D1")), 132);
  EXPECT_EQ(LayerOf(Occurrence("P-装配-3", "D2")), 130) << "the twin sits on the component's layer";
  // A component on layer 1 without a number waits on layer 90.
  EXPECT_EQ(LayerOf(ComponentNamed("P-HANDLE")), 90);
  // Layers that received a sheet, 90 and 171 end selectable; the work layer stays.
  UF_initialize();
  for (int layer : {90, 171, 115, 116, 117, 118, 119, 131, 132}) {
    int status = 0;
    UF_LAYER_ask_status(layer, &status);
    EXPECT_EQ(status, UF_LAYER_ACTIVE_LAYER) << layer;
  }
  int work = 0;
  UF_LAYER_ask_work_layer(&work);
  EXPECT_EQ(work, 1);
  UF_terminate();
}

TEST_F(LayerModeProduct, SheetsComeInComponentOrderNamedByLayerNameAndNumber) {
  RunLayerMode();
  EXPECT_EQ(kzt::sheet_names(), (std::vector<std::string>{"115-FRAME-2", "117-A-2-2", "119-B-2-4", "116-BASE-2-1",
                                                          "118-RIB-2-3", "131-C-1", "132-D-2", "0-总图-000"}))
      << "the 装配 component has no sheet of its own";
  const auto a = CellTexts("117-A-2-2");
  EXPECT_TRUE(Has(a, "-2-2")) << "number suffix from the first hyphen on";
  EXPECT_TRUE(Has(a, "A"));
  const auto b = CellTexts("119-B-2-4");
  EXPECT_TRUE(Has(b, "-2-4"));
  const auto frame = CellTexts("115-FRAME-2");
  EXPECT_TRUE(Has(frame, "FRAME"));
  EXPECT_TRUE(Has(frame, "-2"));
  const auto whole = CellTexts("0-总图-000");
  EXPECT_TRUE(Has(whole, "OOO"));
}

TEST_F(LayerModeProduct, APrefixWithAHyphenShiftsSheetNamesAndSuffixes) {
  // Names and suffixes take the number from its first hyphen on: XJ-01-2-2 gives -01-2-2.
  Run(u8R"J(
action drawing
  set tuhao "XJ-01"
  apply
  expect message "图层模式"
  cancel
)J");
  EXPECT_EQ(NumberOf(Occurrence("P-FRAME-2", "NA")), "XJ-01-2-2");
  const auto names = kzt::sheet_names();
  EXPECT_NE(std::find(names.begin(), names.end(), "117-A-01-2-2"), names.end());
  EXPECT_TRUE(Has(CellTexts("117-A-01-2-2"), "-01-2-2"));
}

TEST_F(LayerModeProduct, APartNameMetTwiceTakesOneNumberAndOneSheetOfQuantityTwo) {
  RunLayerMode();
  const auto names = kzt::sheet_names();
  EXPECT_EQ(std::count_if(names.begin(), names.end(), [](const std::string& n) { return n.find("-D-") != n.npos; }),
            1);
  // C is met once: quantity and total 1. D is met twice in its component and in the product.
  const auto c = CellTexts("131-C-1");
  EXPECT_TRUE(Has(c, "1"));
  EXPECT_FALSE(Has(c, "2"));
  const auto d = CellTexts("132-D-2");
  EXPECT_TRUE(Has(d, "2")) << "quantity and total";
  EXPECT_FALSE(Has(d, "1"));
}

TEST_F(LayerModeProduct, EachViewShowsOnlyWhatItsLayersHold) {
  RunLayerMode();
  for (const DraftingView* view : drafting::ViewsOf(SheetNamed("0-总图-000"))) {
    std::vector<int> expected{90};
    for (int l : Range(100, 249)) expected.push_back(l);
    EXPECT_EQ(MaskOf(*view), expected) << view->name;
  }
  for (const DraftingView* view : drafting::ViewsOf(SheetNamed("115-FRAME-2")))
    EXPECT_EQ(MaskOf(*view), Range(115, 129)) << view->name;
  for (const DraftingView* view : drafting::ViewsOf(SheetNamed("117-A-2-2")))
    EXPECT_EQ(MaskOf(*view), std::vector<int>{117}) << view->name;

  const Tag b1 = Occurrence("P-FRAME-2", "B1").GetTag(), b3 = Occurrence("P-FRAME-2", "B3").GetTag();
  const Tag na = Occurrence("P-FRAME-2", "NA").GetTag(), nb = Occurrence("P-FRAME-2", "NB").GetTag();
  const Tag c1 = Occurrence("P-装配-3", "C1").GetTag(), d1 = Occurrence("P-装配-3", "D1").GetTag();
  const Tag d2 = Occurrence("P-装配-3", "D2").GetTag();
  EXPECT_EQ(ShownBy("117-A-2-2"), std::set<Tag>{na});
  EXPECT_EQ(ShownBy("116-BASE-2-1"), std::set<Tag>{b1});
  EXPECT_EQ(ShownBy("115-FRAME-2"), (std::set<Tag>{b1, b3, na, nb}));
  EXPECT_EQ(ShownBy("132-D-2"), std::set<Tag>{d1}) << "one body of the part, not its twin";
  const Tag k = Occurrence("P-HANDLE", "K").GetTag();
  EXPECT_EQ(ShownBy("0-总图-000"), (std::set<Tag>{b1, b3, na, nb, c1, d1, d2, k}))
      << "the handle waits on layer 90 with its body on layer 1: the component shows whole";
  for (const DrawingSheet* sheet : drafting::SheetsOf(*root))
    for (const DraftingView* view : drafting::ViewsOf(*sheet))
      EXPECT_GT(drafting::DrawnExtentOf(*view).visible, 0) << text::ToUtf8(sheet->name) << " " << view->name;
}

TEST_F(LayerModeProduct, ASecondRunAddsNoSheetAndKeepsTheNumbers) {
  RunLayerMode();
  const auto before = kzt::sheet_names();
  RunLayerMode();
  EXPECT_EQ(kzt::sheet_names(), before);
  EXPECT_EQ(NumberOf(Occurrence("P-FRAME-2", "NA")), "XJ01-2-2");
  EXPECT_EQ(LayerOf(Occurrence("P-FRAME-2", "NB")), 119);
  EXPECT_EQ(LayerOf(Occurrence("P-装配-3", "D2")), 130) << "a twin on the component's layer is no numbered part";
  EXPECT_EQ(ShownBy("132-D-2"), std::set<Tag>{Occurrence("P-装配-3", "D1").GetTag()});
}

namespace {

// P-FRAME-2 (x 0 to 850) holds two parts and a bought-out motor and is placed twice, the
// second time at x = 900; P-STD, standard parts without a number, holds a bolt and a nut
// at x = 1,750 to 2,030. Layer mode moves P-FRAME-2's first occurrence to its band and
// the second one and P-STD to layer 90; none of their bodies but the parts' leave layer 1.
class LayerModeWholeProduct : public LayerDrawings {
protected:
  void SetUp() override {
    LayerDrawings::SetUp();
    AddComponent("P-FRAME-2",
                 {{"BEAM", 0, 600, 60, 40, "BEAM"}, {"LEG", 0, 60, 60, 500, "LEG"}, {"MOTOR", 650, 200, 150, 150, ""}},
                 0);
    Place("P-FRAME-2", 900);
    AddComponent("P-STD", {{"BOLT", 0, 20, 20, 120, ""}, {"NUT", 200, 80, 30, 30, ""}}, 1750);
    for (const auto& object : session().FindPartByPath(HostPath("P-FRAME-2.prt"))->Objects())
      if (object->name == "MOTOR") object->attributes.Set(kzt::kRemark, "外购件");
    Finish();
  }
};

}  // namespace

TEST_F(LayerModeWholeProduct, TheGeneralArrangementShowsEveryOccurrenceAndBoughtOutPart) {
  RunLayerMode();
  ASSERT_TRUE(Shown("error box").empty());
  std::set<Tag> everyBody;
  for (Object* o : occurrences().AllOccurrences(*root))
    if (dynamic_cast<BodyOccurrence*>(o)) everyBody.insert(o->GetTag());
  ASSERT_EQ(everyBody.size(), 8u) << "three bodies in each frame, two standard parts";
  EXPECT_EQ(ShownBy("0-总图-000"), everyBody);
  // The front view draws the product from x = 0 to 2,030 mm at the view's scale.
  const DraftingView& front = *drafting::ViewsOf(SheetNamed("0-总图-000"))[0];
  const auto box = drafting::DrawnExtentOf(front).box;
  ASSERT_TRUE(box);
  EXPECT_NEAR(((*box)[2] - (*box)[0]) / front.scale, 2030, 0.5) << "the whole product, not 600 mm of one frame";
  // The component sheet shows the whole first frame, bought-out motor included; a part
  // sheet its one body. The frame's total counts both occurrences.
  EXPECT_EQ(ShownBy("115-FRAME-2").size(), 3u);
  EXPECT_EQ(ShownBy("116-BEAM-2-1").size(), 1u);
  EXPECT_TRUE(Has(CellTexts("115-FRAME-2"), "2"));
}

TEST_F(LayerModeProduct, NumberedPartsAreThoseOffTheComponentsLayerAndNewPartsOnePerName) {
  UF_initialize();
  UF_ASSEM_set_work_part(UF_PART_ask_display_part());
  kzt::DrawingState state;
  kzt::批量修改零件图号_图层出图(state, "XJ01", "产品");
  const tag_t frame = ComponentNamed("P-FRAME-2").GetTag();
  std::vector<tag_t> numbered, fresh;
  // Component and bodies on layer 1: nothing counts as numbered for it yet.
  kzt::得到出过图的数组b及未出过图的数组a(state, frame, numbered, fresh);
  EXPECT_TRUE(numbered.empty());
  EXPECT_EQ(fresh, (std::vector<tag_t>{Occurrence("P-FRAME-2", "NA").GetTag(), Occurrence("P-FRAME-2", "NB").GetTag()}));
  EXPECT_EQ(state.component_part_names, (std::vector<std::string>{"BASE", "RIB", "A", "B"}));
  // Once the component waits on layer 90, its numbered parts on layer 1 count.
  UF_OBJ_set_layer(frame, 90);
  kzt::得到出过图的数组b及未出过图的数组a(state, frame, numbered, fresh);
  EXPECT_EQ(numbered,
            (std::vector<tag_t>{Occurrence("P-FRAME-2", "B1").GetTag(), Occurrence("P-FRAME-2", "B3").GetTag()}));
  // The twin D2 is a second body of a name already met: one new part D.
  const tag_t assembly = ComponentNamed("P-装配-3").GetTag();
  kzt::得到出过图的数组b及未出过图的数组a(state, assembly, numbered, fresh);
  EXPECT_EQ(fresh, (std::vector<tag_t>{Occurrence("P-装配-3", "C1").GetTag(), Occurrence("P-装配-3", "D1").GetTag()}));
  std::vector<std::string> names;
  std::vector<tag_t> tags;
  kzt::得到所有出图的数组zong_tag_ys(names, tags);
  EXPECT_EQ(names.size(), 7u) << "every made-to-drawing body, twins included";
  EXPECT_EQ(std::count(names.begin(), names.end(), "D"), 2);
  EXPECT_EQ(names.size(), tags.size());
  UF_terminate();
}

// ---- bands that cannot be laid out: one message naming the component and the
// number, and the model left exactly as it was.

namespace {

class LayerModeRefusal : public LayerDrawings {
protected:
  // Pieces NEW0.. of distinct volumes, each a new part of its own name.
  static std::vector<Piece> NewParts(int count) {
    std::vector<Piece> pieces;
    for (int i = 0; i < count; ++i)
      pieces.push_back({"N" + std::to_string(i), 100.0 * i, 20.0 + 10 * i, 20, 5, "P" + std::to_string(i)});
    return pieces;
  }
  // Runs layer mode and returns the messages (UTF-8) shown after "图层模式".
  std::vector<std::string> RefusedRun() {
    platform::ui::ClearHistory();
    Run(u8R"J(
action drawing
  set tuhao "XJ01"
  apply
  cancel
)J");
    auto shown = Shown("message");
    EXPECT_FALSE(shown.empty());
    if (!shown.empty()) {
      EXPECT_EQ(shown.front(), Utf8("图层模式"));
    }
    return std::vector<std::string>(shown.begin() + (shown.empty() ? 0 : 1), shown.end());
  }
  // One message after "图层模式", holding every fragment (GBK) given.
  void ExpectRefusalSaying(const std::vector<std::string>& fragments) {
    const auto messages = RefusedRun();
    ASSERT_EQ(messages.size(), 1u);
    for (const std::string& fragment : fragments)
      EXPECT_NE(messages[0].find(Utf8(fragment)), std::string::npos) << messages[0];
  }
  void ExpectUntouched(const std::string& stem, int bodies) {
    EXPECT_TRUE(kzt::sheet_names().empty());
    EXPECT_EQ(LayerOf(ComponentNamed(stem)), 1);
    for (int i = 0; i < bodies; ++i) {
      Object& body = Occurrence(stem, "N" + std::to_string(i));
      EXPECT_EQ(LayerOf(body), 1);
      EXPECT_EQ(NumberOf(body), "1");
    }
  }
};

}  // namespace

TEST_F(LayerModeRefusal, AComponentWhoseBandLiesBeyondLayer256ChangesNothing) {
  // Component 12: L0 = 100 + 15 x 11 = 265.
  AddComponent("P-FRAME-2", NewParts(2), 0);
  AddComponent("P-BIG-12", {{"X", 0, 50, 50, 50, "X"}, {"Y", 100, 60, 50, 50, "Y"}}, 3000);
  Finish();
  ExpectRefusalSaying({"P-BIG-12", "265"});
  ExpectUntouched("P-FRAME-2", 2);
  EXPECT_EQ(LayerOf(ComponentNamed("P-BIG-12")), 1);
}

TEST_F(LayerModeRefusal, APartNumberOf15WouldLandInTheNextBandAndChangesNothing) {
  // Used {0} gives free numbers 1..21: the fifteenth new part would get 15, layer 115 + 15.
  AddComponent("P-FRAME-2", NewParts(15), 0);
  Finish();
  ExpectRefusalSaying({"P-FRAME-2", "零件图号 15"});
  ExpectUntouched("P-FRAME-2", 15);
}

TEST_F(LayerModeRefusal, MoreNewPartsThanFreeNumbersChangesNothing) {
  // Used {0}: free numbers 1 to 0 + 1 + 20 = 21, one short for 22 new parts.
  AddComponent("P-FRAME-2", NewParts(22), 0);
  Finish();
  ExpectRefusalSaying({"P-FRAME-2", "新零件 22 个, 空闲图号只有 21 个"});
  ExpectUntouched("P-FRAME-2", 22);
}

TEST_F(LayerModeRefusal, APartNameWithASlashOrBackslashIsNamedAndNoSheetIsLeftRunAfterRun) {
  // New parts 1 and 2 of component 2 would be sheets 116-A/B-2-1 and 117-C\D-2-2: names
  // the host refuses, which left sheets named SHT1, SHT2, ... one more every run.
  AddComponent("P-FRAME-2",
               {{"N0", 0, 50, 50, 50, "A/B"}, {"N1", 100, 60, 50, 50, "C\\\\D"}, {"N2", 200, 70, 50, 50, "E"}}, 0);
  Finish();
  ASSERT_EQ(NumberOf(Occurrence("P-FRAME-2", "N1")), "1");
  ASSERT_EQ(kzt::得到体的属性(Occurrence("P-FRAME-2", "N1").GetTag(), kzt::kPartName), "C\\D");
  for (int run = 0; run < 2; ++run) {
    ExpectRefusalSaying({"P-FRAME-2", "116-A/B-2-1", "117-C\\D-2-2"});
    ExpectUntouched("P-FRAME-2", 3);
  }
}

TEST_F(LayerModeRefusal, EveryFailingComponentIsNamedInTheOneMessage) {
  AddComponent("P-FRAME-2", NewParts(15), 0);
  AddComponent("P-BIG-12", {{"X", 0, 50, 50, 50, "X"}, {"Y", 100, 60, 50, 50, "Y"}}, 3000);
  Finish();
  ExpectRefusalSaying({"P-FRAME-2", "P-BIG-12"});
}

TEST_F(LayerModeRefusal, NothingMadeToDrawingIsSaidAndChangesNothing) {
  AddComponent("P-FRAME-2", {{"N0", 0, 50, 50, 50, ""}, {"N1", 100, 60, 50, 50, ""}}, 0);
  Finish();
  ExpectRefusalSaying({"没有按图制作的实体"});
  EXPECT_TRUE(kzt::sheet_names().empty());
  EXPECT_EQ(LayerOf(ComponentNamed("P-FRAME-2")), 1);
}

TEST_F(LayerDrawings, AGeneralArrangementThatShowsNothingIsAnErrorAndLeavesNoSheet) {
  // Bodies of the work part itself never leave their layer, so layers 90 and 100..249
  // hold nothing to draw.
  MakeToDrawing(AddBox(*root, 0, 0, 0, 100, 50, 20, "SOLO"), "SOLO");
  Finish();
  RunLayerMode();
  const auto boxes = Shown("error box");
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_NE(boxes[0].find("shows no body"), std::string::npos) << boxes[0];
  EXPECT_TRUE(kzt::sheet_names().empty()) << "no empty sheet left behind";
}
