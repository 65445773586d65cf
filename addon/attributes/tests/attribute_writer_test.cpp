// The attribute writer on the example product: measured envelopes, stock specifications,
// remarks, and Apply reaching every identical body. Journal text is UTF-8 (u8 literals);
// the add-on's literals here are GBK.
#include <algorithm>
#include <fstream>
#include <string>

#include <BRepPrimAPI_MakeBox.hxx>

#include "addon/host/tests/journal_fixture.h"
#include "app/example/product.h"
#include "platform/assemblies/occurrence.h"
#include "platform/geometry/body.h"
#include "platform/text/host_path.h"
#include "tests/support/test_model.h"

using namespace platform;

namespace {

// Attribute text of an object (GBK, like the literals here), following an occurrence
// to its prototype.
std::string AttributeText(Object& object, const char* title) {
  const std::string* value = Session::Get().FindAttribute(object, title);
  return value ? *value : std::string("<none>");
}

}  // namespace

class AttributeWriter : public kzt_test::CommandTest {
protected:
  void SetUp() override {
    CommandTest::SetUp();
    parts = fabdoc::app::example::BuildProduct(fabdoc::app::example::FrameProduct(), ToHostPath(folder));
    session().SetDisplayed(parts.front());
  }
  // The occurrence bodies of the assembly whose prototype is named `name`.
  std::vector<Object*> BodiesNamed(const char* name) {
    std::vector<Object*> found;
    for (Object* o : occurrences().AllOccurrences(*parts.front()))
      if (o->Type() == kSolidType && session().NameOf(*o) == name) found.push_back(o);
    return found;
  }
  std::vector<Part*> parts;
};

TEST_F(AttributeWriter, StraightStockIsMeasuredAlongItsOwnAxes) {
  // Envelope "d0,d1-d2-t,mass": extents smallest first, wall or plate thickness, mass in g
  // at 7.8 g/cm^3 (volumes in docs/example-product.md).
  Run(u8R"J(
action attrV2
  select blockxuanzhe body:P-底座-2/盖板#1
  expect blockRiqi "2,100-300-2.0,468.0"
  set blockgunge "钢板"
  expect blocksuling "钢板(2.0X100X300)"
  expect blockCaiLiao "Q235"
  select blockxuanzhe body:P-机架-1/立柱#1
  expect blockRiqi "50,50-1200-2.0,3594.2"
  set blockgunge "方管"
  expect blocksuling "方管(50X50X2.0-1200)"
  select blockxuanzhe body:P-机架-1/横梁#1
  set blockgunge "矩形管"
  expect blocksuling "矩形管(80X40X3.0-900)"
  select blockxuanzhe body:P-机架-1/横档
  set blockgunge "角钢"
  expect blocksuling "角钢(50X50X5.0-700)"
  select blockxuanzhe body:P-底座-2/压条
  set blockgunge "扁钢"
  expect blocksuling "扁钢(8.0X50-600)"
  select blockxuanzhe body:P-底座-2/拉杆
  set blockgunge "圆钢"
  expect blocksuling "圆钢(Φ30-500)"
  select blockxuanzhe body:P-底座-2/焊管
  set blockgunge "焊管"
  expect blocksuling "焊管(Φ60X3.0-800)"
  select blockxuanzhe body:P-底座-2/无缝管
  set blockgunge "无缝钢管"
  expect blocksuling "无缝钢管(Φ48X3.5-600)"
  cancel
)J");
}

TEST_F(AttributeWriter, BentPlateIsMeasuredOnItsFlatBlank) {
  // Flat length = flats + bends x (pi/2)(r + 0.33 t):
  //   one bend, t = r = 3, flats 100 + 150:          250 + 6.27 = 256.3
  //   two bends, t = r = 3, flats 60 + 200 + 60:     320 + 12.53 = 332.5
  //   four bends, t = r = 2, flats 20+50+120+50+20:   260 + 16.71 = 276.7
  //   bent flat bar, t = r = 8, flats 150 + 300:      450 + 16.71 = 466.7, width 50
  Run(u8R"J(
action attrV2
  select blockxuanzhe body:P-护罩-3/角板
  set blockgunge "钢板,折弯,一"
  expect blockRiqi "3.0,256-300-3.0,1804.6"
  select blockxuanzhe body:P-护罩-3/槽板
  set blockgunge "钢板,折弯,二"
  expect blockRiqi "3.0,333-400-3.0,3127.5"
  select blockxuanzhe body:P-护罩-3/C型板
  set blockgunge "钢板,折弯,四"
  expect blockRiqi "2.0,277-600-2.0,2610.0"
  select blockxuanzhe body:P-护罩-3/弯扁钢
  set blockgunge "扁钢,折弯,一"
  expect blockRiqi "8.0,50-467-8.0,1462.8"
  cancel
)J");
  // The measurement leaves nothing behind: no linked body, no flat solid, no features.
  EXPECT_TRUE(parts.front()->Objects().empty()) << "the assembly holds no bodies of its own";
  for (Part* part : parts)
    for (const auto& object : part->Objects()) EXPECT_EQ(object->Type(), kSolidType);
}

TEST_F(AttributeWriter, RemarkFollowsDrawingNumberAndBend) {
  // The bent body's own extents: 角板 106 x 156 x 300 (first number e0 = 106).
  Run(u8R"J(
action attrV2
  select blockxuanzhe body:P-护罩-3/角板
  set blockgunge "钢板,折弯,一"
  expect blockbeizhu "一边折弯106外包(156X300)"
  set blockPartNo "GB/T 5782"
  expect blockbeizhu "外购件"
  set blockPartNo "P-3-1"
  expect blockbeizhu "按图制作"
  set blockPartNo ""
  set blockgunge "钢板"
  expect blockbeizhu ""
  cancel
)J");
}

TEST_F(AttributeWriter, ApplyWritesEveryIdenticalBodyOnPrototypeAndOccurrence) {
  // Three 盖板 plates: two in P-底座-2, one in P-护罩-3 (another component).
  auto plates = BodiesNamed("盖板");
  ASSERT_EQ(plates.size(), 3u);
  const std::string out = RunCapturing(u8R"J(
action attrV2
  select blockxuanzhe body:P-底座-2/盖板#1
  set blockgunge "钢板"
  set blockPartName "盖板"
  set blockPartNo "P-2-5"
  set colorPicker0 31
  apply
  cancel
)J");
  for (Object* plate : plates) {
    Object& prototype = session().Prototype(*plate);
    for (Object* target : {plate, &prototype}) {
      EXPECT_EQ(AttributeText(*target, "DB_PART_NAME"), "盖板");
      EXPECT_EQ(AttributeText(*target, "DB_PART_NO"), "P-2-5");
      EXPECT_EQ(AttributeText(*target, "suling"), "钢板(2.0X100X300)");
      EXPECT_EQ(AttributeText(*target, "MATERIALS"), "Q235");
      EXPECT_EQ(AttributeText(*target, "REMARK"), "按图制作");
      EXPECT_EQ(AttributeText(*target, "DATE"), "2,100-300-2.0,468.0");
      EXPECT_EQ(AttributeText(*target, "guige"), "钢板");
    }
    EXPECT_EQ(plate->attributes.Find("DB_PART_NO") != nullptr, true) << "the occurrence has its own copy";
    EXPECT_EQ(session().DisplayOf(*plate).color, 31);
    EXPECT_EQ(prototype.display.color, 31);
  }
  EXPECT_EQ(out.find("message:"), std::string::npos) << "no coincident copy among the plates: " << out;
  // Other bodies are untouched.
  for (Object* column : BodiesNamed("立柱")) EXPECT_EQ(AttributeText(*column, "DB_PART_NO"), "<none>");
}

TEST_F(AttributeWriter, ABodyWhoseShapeChangedAfterMeasuringIsNoLongerIdentical) {
  auto run = [&](const char8_t* partNo) {
    std::u8string journal = u8R"J(
action attrV2
  select blockxuanzhe body:P-底座-2/盖板#1
  set blockgunge "钢板"
  set blockPartName "盖板"
  set blockPartNo ")J";
    journal += partNo;
    journal += u8"\"\n  apply\n  cancel\n";
    Run(journal.c_str());
  };
  run(u8"P-2-5");  // every body measured once
  auto plates = BodiesNamed("盖板");
  ASSERT_EQ(plates.size(), 3u);
  auto guard = std::find_if(plates.begin(), plates.end(), [&](Object* p) {
    return HostFileStem(session().Prototype(*p).owner->path) == "P-护罩-3";
  });
  ASSERT_NE(guard, plates.end());
  // The same faces and edges, 3 mm thick instead of 2: no longer the same part.
  auto& body = dynamic_cast<Body&>(session().Prototype(**guard));
  const Box before = body.AxisBox();
  auto size = before.Size();
  *std::min_element(size.begin(), size.end()) += 1;
  body.SetShape(BRepPrimAPI_MakeBox(gp_Pnt(before.min[0], before.min[1], before.min[2]), size[0], size[1], size[2]).Shape());
  run(u8"P-2-6");
  for (Object* plate : plates)
    EXPECT_EQ(AttributeText(*plate, "DB_PART_NO"), plate == *guard ? "P-2-5" : "P-2-6");
}

TEST_F(AttributeWriter, CoincidentCopyIsColouredRedAndReported) {
  const std::string out = RunCapturing(u8R"J(
action attrV2
  select blockxuanzhe body:P-机架-1/立柱#1
  set blockgunge "方管"
  set blockPartName "立柱"
  apply
  expect message "找到 1 个重复体,颜色已设置为红色,请手工删除!!"
  cancel
)J");
  auto columns = BodiesNamed("立柱");
  ASSERT_EQ(columns.size(), 5u);
  int red = 0;
  for (Object* column : columns) {
    EXPECT_EQ(AttributeText(*column, "DB_PART_NAME"), "立柱");
    if (session().DisplayOf(*column).color == 186) ++red;
  }
  EXPECT_EQ(red, 1) << "only the copy on top of the first column";
}

TEST_F(AttributeWriter, PartModeWritesFourPartAttributesAndNoBody) {
  Run(u8R"J(
action attrV2
  set blockleixing 0
  set blockPartName "总装"
  set blockPartNo "P-0"
  set blockCaiLiao "Q235"
  set blockbeizhu "按图制作"
  apply
  cancel
)J");
  const Part& assembly = *parts.front();
  EXPECT_EQ(*assembly.attributes.Find("DB_PART_NAME"), "总装");
  EXPECT_EQ(assembly.attributes.Entries().size(), 4u) << "no suling, DATE or guige on the part";
  for (Object* o : occurrences().AllOccurrences(*parts.front()))
    EXPECT_TRUE(o->attributes.Empty());
}

TEST_F(AttributeWriter, ApplyWithNothingSelectedIsRefused) {
  const std::string out = RunCapturing(u8R"J(
action attrV2
  set blockPartName "X"
  apply
  expect message "请选择体!"
  cancel
)J");
  for (Part* part : parts)
    for (const auto& o : part->Objects()) EXPECT_TRUE(o->attributes.Empty());
}

TEST_F(AttributeWriter, InheritanceCopiesSixTextsAndClosingWithoutApplyEmptiesThem) {
  Object& source = *BodiesNamed("底板").front();
  Object& proto = session().Prototype(source);
  proto.attributes.Set("DB_PART_NAME", "底板");
  proto.attributes.Set("DATE", "1,2-3-4.0,5.0");
  Run(u8R"J(
action attrV2
  set blockPartNo "P-9"
  set blockCaiLiao "Q345"
  press jicheng
    select selection0 body:P-底座-2/底板
    ok
  expect blockPartName "底板"
  expect blockPartNo ""
  expect blockCaiLiao ""
  set blockRiqi "kept"
  press jicheng
    cancel
  expect blockPartName ""
  expect blockRiqi "kept"
  cancel
)J");
}

TEST_F(AttributeWriter, RepeatedPartNameIsWarnedButNotBlocked) {
  for (Object* o : BodiesNamed("底板")) session().Prototype(*o).attributes.Set("DB_PART_NAME", "底板");
  const std::string out = RunCapturing(u8R"J(
action attrV2
  set blockPartName "底板"
  expect message "警告:\n底板\n已存在,请重新输入"
  expect blockPartName "底板"
  set blockPartName "新名称"
  cancel
)J");
  EXPECT_EQ(out.find(text::ToUtf8("新名称")), std::string::npos) << "a new name is not warned about";
}

TEST_F(AttributeWriter, ReferenceListsAreShownLineByLineOrReportedMissing) {
  // The shipped notes list: every line of the file, in order, in the listing window.
  const std::string notesPath = std::string(FABDOC_TEST_SOURCE_DIR) + "/data/kzt-1/bom/" + text::ToUtf8("注意事项.dat");
  std::ifstream notes(notesPath);
  int lines = 0;
  for (std::string line; std::getline(notes, line);) ++lines;
  ASSERT_GT(lines, 2);
  Run(u8R"J(
action attrV2
  press blockbutton0
  cancel
)J");
  EXPECT_EQ(static_cast<int>(Shown("listing").size()), lines);

  setenv("UGII_BASE_DIR", fabdoc_test::FreshDir("no-data").c_str(), 1);
  Run(u8R"J(
action attrV2
  press button0
  expect message "数据库文件不存在"
  cancel
)J");
  unsetenv("UGII_BASE_DIR");
}

TEST_F(AttributeWriter, ThinPlateAndFlatBarKeepTheirThicknessDecimal) {
  // 1.5 x 200 x 200 and 2.5 x 40 x 600 are both 60000 mm^3, 468.0 g. The envelope prints
  // the smallest extent to whole millimetres (both 2) and the thickness with one decimal.
  Part& sheets = session().NewPart(ToHostPath(folder) + "\\sheets.prt");
  fabdoc_test::AddBox(sheets, 0, 0, 0, 200, 200, 1.5, "薄板");
  fabdoc_test::AddBox(sheets, 0, 300, 0, 600, 40, 2.5, "薄扁钢");
  fabdoc_test::AddBox(sheets, 0, 400, 0, 300, 100, 2, "盖板");
  session().SetDisplayed(&sheets);
  Run(u8R"J(
action attrV2
  select blockxuanzhe body:薄板
  expect blockRiqi "2,200-200-1.5,468.0"
  set blockgunge "钢板"
  expect blocksuling "钢板(1.5X200X200)"
  select blockxuanzhe body:薄扁钢
  expect blockRiqi "2,40-600-2.5,468.0"
  set blockgunge "扁钢"
  expect blocksuling "扁钢(2.5X40-600)"
  select blockxuanzhe body:盖板
  set blockgunge "钢板"
  expect blocksuling "钢板(2.0X100X300)"
  cancel
)J");
}

TEST_F(AttributeWriter, StockTypeWithoutABodyProposesNothing) {
  // Nothing selected, nothing measured: the fields keep what they hold, and no failed
  // unfolding is reported. The drawing number still gives its remark.
  const std::string out = RunCapturing(u8R"J(
action attrV2
  set blocksuling "钢板(3.0X100X100)"
  set blockbeizhu "已有备注"
  set blockCaiLiao "Q345"
  set blockgunge "钢板,折弯,一"
  expect blocksuling "钢板(3.0X100X100)"
  expect blockbeizhu "已有备注"
  expect blockCaiLiao "Q345"
  set blockgunge "钢板,折弯"
  expect blockbeizhu "已有备注"
  set blockPartNo ""
  expect blockbeizhu "已有备注"
  set blockPartNo "GB/T 5782"
  expect blockbeizhu "外购件"
  cancel
)J");
  EXPECT_EQ(out.find(Utf8("未展开成功")), std::string::npos) << out;
}

TEST_F(AttributeWriter, ASolidWithoutVolumeGetsNoStockAndApplyWritesNothing) {
  // What one exporter left of a deleted body: 3 mm long, a hundredth of a micron across.
  Part& base = *session().FindPartByFileName("P-底座-2.prt");
  fabdoc_test::AddBox(base, 0, 0, 0, 3, 1e-5, 1e-5, "残体");
  Run(u8R"J(
action attrV2
  select blockxuanzhe body:P-底座-2/残体
  set blockgunge "扁钢"
  expect blocksuling ""
  set blockPartName "残体"
  apply
  cancel
)J");
  const auto messages = Shown("message");
  ASSERT_EQ(messages.size(), 2u) << "once for the stock type, once for Apply";
  for (const std::string& message : messages) {
    EXPECT_NE(message.find(Utf8("残体")), std::string::npos) << message;
    EXPECT_NE(message.find(Utf8("没有体积")), std::string::npos) << message;
  }
  for (Object* o : BodiesNamed("残体")) {
    EXPECT_TRUE(o->attributes.Empty());
    EXPECT_TRUE(session().Prototype(*o).attributes.Empty());
  }
}
