// The display commands through their menu actions: the layers of a layer-mode sheet,
// the background toggle, the transparency toggle of picked bodies, the part's folder.
#include <string>

#include <gtest/gtest.h>

#include <uf.h>
#include <uf_disp.h>
#include <uf_layer.h>

#include "addon/host/tests/journal_fixture.h"
#include "host/display_commands.h"
#include "platform/assemblies/occurrence.h"
#include "platform/assemblies/occurrences.h"
#include "platform/files/part_file.h"
#include "platform/drafting/sheets.h"
#include "platform/text/host_path.h"

using namespace platform;

namespace {

class DisplayCommands : public kzt_test::CommandTest {
protected:
  void SetUp() override {
    CommandTest::SetUp();
    part = &session().NewPart(ToHostPath(folder) + "\\frame.prt");
    session().SetDisplayed(part);
  }
  int Status(int layer) {
    int status = 0;
    UF_initialize();
    UF_LAYER_ask_status(layer, &status);
    UF_terminate();
    return status;
  }
  // Shows the layers of a sheet made current last, after `others` were made.
  void ShowLayersOf(const std::string& current, std::initializer_list<const char*> others = {"115-FRAME-2"}) {
    for (const char* name : others) drafting::AddSheet(*part, name, 420, 297);
    drafting::AddSheet(*part, current, 420, 297);
    Run(u8"action tuceng_xianshi\n");
  }
  std::array<double, 3> Background() {
    std::array<double, 3> rgb{};
    UF_initialize();
    UF_DISP_ask_color(0, UF_DISP_rgb_model, nullptr, rgb.data());
    UF_terminate();
    return rgb;
  }
  void SetBackground(std::array<double, 3> rgb) {
    UF_initialize();
    UF_DISP_set_color(0, UF_DISP_rgb_model, nullptr, rgb.data());
    UF_terminate();
  }
  Part* part = nullptr;
};

constexpr int kWork = UF_LAYER_WORK_LAYER, kSelectable = UF_LAYER_ACTIVE_LAYER, kInvisible = UF_LAYER_INACTIVE_LAYER;

}  // namespace

TEST_F(DisplayCommands, AGroupStartSheetShowsItsBandOfFifteenLayers) {
  ShowLayersOf("130-FRAME-3");
  EXPECT_EQ(Status(130), kWork);
  for (int layer = 131; layer <= 144; ++layer) EXPECT_EQ(Status(layer), kSelectable) << layer;
  for (int layer : {1, 90, 100, 129, 145, 200, 256}) EXPECT_EQ(Status(layer), kInvisible) << layer;
  EXPECT_EQ(Status(171), kSelectable);
}

TEST_F(DisplayCommands, AnotherLayerNumberShowsThatLayerOnly) {
  ShowLayersOf("131-A-3-2");
  EXPECT_EQ(Status(131), kWork);
  for (int layer : {1, 90, 130, 132, 144, 145}) EXPECT_EQ(Status(layer), kInvisible) << layer;
  EXPECT_EQ(Status(171), kSelectable);
}

TEST_F(DisplayCommands, TheFirstBandStartsAtLayer100) {
  ShowLayersOf("100-BASE-1");
  EXPECT_EQ(Status(100), kWork);
  EXPECT_EQ(Status(114), kSelectable);
  EXPECT_EQ(Status(115), kInvisible);
}

TEST_F(DisplayCommands, ASheetWithoutLayerNumberShowsEveryBandAndTheArrangementLayer) {
  ShowLayersOf("总图");
  EXPECT_EQ(Status(171), kWork) << "no layer of the sheet's own: 171 stays the work layer";
  for (int layer : {90, 100, 170, 172, 255}) EXPECT_EQ(Status(layer), kSelectable) << layer;
  for (int layer : {1, 89, 91, 99, 256}) EXPECT_EQ(Status(layer), kInvisible) << layer;
  EXPECT_EQ(kzt::sheet_layer_number("12abc-x"), 12) << "the leading digits";
  EXPECT_EQ(kzt::sheet_layer_number("x12-y"), 0);
  EXPECT_EQ(kzt::sheet_layer_number("145"), 145) << "the whole name without -";
}

TEST_F(DisplayCommands, ComponentModeSheetsLeaveTheLayersAlone) {
  UF_initialize();
  UF_LAYER_set_status(5, UF_LAYER_WORK_LAYER);
  UF_LAYER_set_status(200, UF_LAYER_INACTIVE_LAYER);
  UF_terminate();
  ShowLayersOf("000-1-A", {"000-2-B"});
  EXPECT_EQ(Status(5), kWork);
  EXPECT_EQ(Status(200), kInvisible);
  EXPECT_EQ(Status(130), kSelectable);
}

TEST_F(DisplayCommands, TheBackgroundTurnsWhiteFromBlackAndBlackFromAnythingElse) {
  SetBackground({0, 0, 0});
  Run(u8"action baijin_heibai\n");
  EXPECT_EQ(Background(), (std::array<double, 3>{1, 1, 1}));
  Run(u8"action baijin_heibai\n");
  EXPECT_EQ(Background(), (std::array<double, 3>{0, 0, 0}));
  SetBackground({0.5, 0.5, 0.5});
  Run(u8"action baijin_heibai\n");
  EXPECT_EQ(Background(), (std::array<double, 3>{0, 0, 0})) << "grey becomes black";
  SetBackground({0, 0, 0.01});
  Run(u8"action baijin_heibai\n");
  EXPECT_EQ(Background(), (std::array<double, 3>{0, 0, 0})) << "only exact black becomes white";
}

TEST_F(DisplayCommands, TransparencyTogglesBetweenOpaqueAndNinetyFivePercent) {
  Body& faint = fabdoc_test::AddBox(*part, 0, 0, 0, 10, 10, 10);
  faint.name = "FAINT";
  Body& solid = fabdoc_test::AddBox(*part, 50, 0, 0, 10, 10, 10);
  solid.name = "SOLID";
  session().EditDisplay(faint).translucency = 40;
  session().EditDisplay(faint).highlighted = true;
  Run(u8"action yanse_touming\n  pick body:FAINT body:SOLID\n");
  EXPECT_EQ(session().DisplayOf(faint).translucency, 0);
  EXPECT_EQ(session().DisplayOf(solid).translucency, 95);
  EXPECT_FALSE(session().DisplayOf(faint).highlighted);
  Run(u8"action yanse_touming\n  pick body:SOLID\n");
  EXPECT_EQ(session().DisplayOf(solid).translucency, 0);
  Run(u8"action yanse_touming\n  pick cancel\n");
  EXPECT_EQ(session().DisplayOf(solid).translucency, 0) << "nothing picked, nothing changes";
}

TEST_F(DisplayCommands, AnAssemblyBodyTurnsTranslucentWhereTheUserSeesItAndBackAgain) {
  Part& base = session().NewPart(ToHostPath(folder) + "\\P-BASE-1.prt");
  Body& prototype = fabdoc_test::AddBox(base, 0, 0, 0, 100, 50, 20);
  prototype.name = "base";
  files::SavePart(base, base.path);
  fabdoc_test::AddInstance(*part, base.path, "P-BASE-1");
  auto occurrenceShown = [&]() -> Object& {
    for (Object* o : occurrences().AllOccurrences(*part))
      if (dynamic_cast<BodyOccurrence*>(o)) return *o;
    throw std::runtime_error("no body occurrence");
  };
  Object& picked = occurrenceShown();
  Run(u8"action yanse_touming\n  pick body:P-BASE-1/base\n");
  EXPECT_EQ(session().DisplayOf(picked).translucency, 95) << "what the user looks at";
  EXPECT_EQ(session().DisplayOf(prototype).translucency, 95) << "and the component's part";
  Run(u8"action yanse_touming\n  pick body:P-BASE-1/base\n");
  EXPECT_EQ(session().DisplayOf(picked).translucency, 0);
  EXPECT_EQ(session().DisplayOf(prototype).translucency, 0);
  // An occurrence coloured on its own (as the attribute writer colours them) follows too,
  // and the assembly keeps what the user saw.
  session().EditDisplay(picked).color = kRedColor;
  Run(u8"action yanse_touming\n  pick body:P-BASE-1/base\n");
  EXPECT_EQ(session().DisplayOf(picked).translucency, 95);
  files::SavePart(base, base.path);
  files::SavePart(*part, part->path);
  const std::string assembly = part->path;
  session().Reset();
  part = &files::OpenPart(assembly);
  const Display& reopened = session().DisplayOf(occurrenceShown());
  EXPECT_EQ(reopened.translucency, 95);
  EXPECT_EQ(reopened.color, kRedColor);
}

TEST_F(DisplayCommands, ThePartsFolderGoesToTheShell) {
  unsetenv("DISPLAY");
  unsetenv("WAYLAND_DISPLAY");
  const std::string out = RunCapturing(u8"action wrod_lujin\n");
  EXPECT_NE(out.find("shell: open " + folder + "\n"), std::string::npos) << out;
  char buffer[64];
  EXPECT_STREQ(kzt::part_folder("\\a\\b\\c.prt", buffer, sizeof buffer), "\\a\\b");
  EXPECT_STREQ(kzt::part_folder("c.prt", buffer, sizeof buffer), "");
}
