// Display through the C interface: layers and their statuses, object colour, blank
// status, translucency, highlight, and the colour table.
#include <uf.h>
#include <uf_assem.h>
#include <uf_disp.h>
#include <uf_layer.h>
#include <uf_obj.h>

#include "tests/support/api_fixture.h"

using namespace platform;
using namespace fabdoc_test;

namespace {
UF_OBJ_disp_props_t PropsOf(tag_t object) {
  UF_OBJ_disp_props_t props{};
  EXPECT_EQ(UF_OBJ_ask_display_properties(object, &props), 0);
  return props;
}

int Status(int layer) {
  int status = 0;
  EXPECT_EQ(UF_LAYER_ask_status(layer, &status), 0);
  return status;
}
}  // namespace

class DisplayCalls : public ApiTest {};

TEST_F(DisplayCalls, LayerStatusesKeepExactlyOneWorkLayer) {
  auto t = MakeThreeLevels();
  int work = 0;
  ASSERT_EQ(UF_LAYER_ask_work_layer(&work), 0);
  EXPECT_EQ(work, 1);
  EXPECT_EQ(Status(1), UF_LAYER_WORK_LAYER);
  EXPECT_EQ(Status(256), UF_LAYER_ACTIVE_LAYER);

  // The layer display command: 171 work, every other invisible, a band selectable.
  ASSERT_EQ(UF_LAYER_set_status(171, UF_LAYER_WORK_LAYER), 0);
  EXPECT_EQ(Status(1), UF_LAYER_ACTIVE_LAYER) << "the old work layer becomes selectable";
  ASSERT_EQ(UF_LAYER_set_all_but_work(UF_LAYER_INACTIVE_LAYER), 0);
  for (int layer = 130; layer <= 144; ++layer) UF_LAYER_set_status(layer, UF_LAYER_ACTIVE_LAYER);
  ASSERT_EQ(UF_LAYER_set_status(130, UF_LAYER_WORK_LAYER), 0);
  UF_LAYER_set_status(171, UF_LAYER_ACTIVE_LAYER);
  int works = 0;
  for (int layer = 1; layer <= 256; ++layer) works += Status(layer) == UF_LAYER_WORK_LAYER;
  EXPECT_EQ(works, 1);
  EXPECT_EQ(Status(130), UF_LAYER_WORK_LAYER);
  EXPECT_EQ(Status(144), UF_LAYER_ACTIVE_LAYER);
  EXPECT_EQ(Status(145), UF_LAYER_INACTIVE_LAYER);
  EXPECT_EQ(Status(171), UF_LAYER_ACTIVE_LAYER);

  EXPECT_NE(UF_LAYER_set_status(130, UF_LAYER_INACTIVE_LAYER), 0) << "the work layer stays the work layer";
  EXPECT_NE(UF_LAYER_set_status(0, UF_LAYER_ACTIVE_LAYER), 0);
  EXPECT_NE(UF_LAYER_set_status(257, UF_LAYER_ACTIVE_LAYER), 0);
  EXPECT_NE(UF_LAYER_set_all_but_work(UF_LAYER_WORK_LAYER), 0);

  // Layers belong to the part: another work part has its own.
  ASSERT_EQ(UF_ASSEM_set_work_part(t.leaf->GetTag()), 0);
  UF_LAYER_ask_work_layer(&work);
  EXPECT_EQ(work, 1);
}

TEST_F(DisplayCalls, ObjectsAreCycledByLayer) {
  auto t = MakeThreeLevels();
  Body& onBand = AddBox(*t.root, 0, 0, 0, 1, 1, 1, "band");
  ASSERT_EQ(UF_OBJ_set_layer(onBand.GetTag(), 130), 0);
  tag_t found = NULL_TAG;
  ASSERT_EQ(UF_LAYER_cycle_by_layer(130, &found), 0);
  EXPECT_EQ(found, onBand.GetTag());
  ASSERT_EQ(UF_LAYER_cycle_by_layer(130, &found), 0);
  EXPECT_EQ(found, NULL_TAG);
}

TEST_F(DisplayCalls, LayerColourBlankAndTranslucencyOfObjectsAndOccurrences) {
  auto t = MakeThreeLevels();
  const tag_t plate = t.plate->GetTag();
  ASSERT_EQ(UF_OBJ_set_layer(plate, 171), 0);
  ASSERT_EQ(UF_OBJ_set_color(plate, 186), 0);
  ASSERT_EQ(UF_OBJ_set_blank_status(plate, UF_OBJ_BLANKED), 0);
  ASSERT_EQ(UF_OBJ_set_translucency(plate, 40), 0);
  auto props = PropsOf(plate);
  EXPECT_EQ(props.layer, 171);
  EXPECT_EQ(props.color, 186);
  EXPECT_EQ(props.blank_status, UF_OBJ_BLANKED);

  // The occurrence shows the prototype's display until it is given its own.
  tag_t comp = NULL_TAG;
  UF_OBJ_cycle_by_name_and_type(t.root->GetTag(), "LEAF2", UF_component_type, false, &comp);
  const tag_t occ = UF_ASSEM_find_occurrence(comp, plate);
  EXPECT_EQ(PropsOf(occ).color, 186);
  int translucency = -1;
  UF_OBJ_ask_translucency(occ, &translucency);
  EXPECT_EQ(translucency, 40);

  // The one-click transparency rule: 40 becomes 0, 0 becomes 95.
  ASSERT_EQ(UF_OBJ_set_translucency(occ, translucency == 0 ? 95 : 0), 0);
  UF_OBJ_ask_translucency(occ, &translucency);
  EXPECT_EQ(translucency, 0);
  UF_OBJ_ask_translucency(plate, &translucency);
  EXPECT_EQ(translucency, 40) << "the prototype keeps its own";
  UF_OBJ_set_color(plate, 31);
  EXPECT_EQ(PropsOf(occ).color, 186) << "the occurrence's display is now its own";

  EXPECT_NE(UF_OBJ_set_translucency(plate, 101), 0);
  EXPECT_NE(UF_OBJ_set_color(plate, 0), 0);
  EXPECT_NE(UF_OBJ_set_color(plate, 217), 0);
  EXPECT_NE(UF_OBJ_set_layer(plate, 257), 0);
  EXPECT_NE(UF_OBJ_set_blank_status(plate, 2), 0);
  EXPECT_NE(UF_OBJ_set_layer(t.root->GetTag(), 5), 0) << "a part has no display";
}

TEST_F(DisplayCalls, HighlightIsSetAndCleared) {
  auto t = MakeThreeLevels();
  ASSERT_EQ(UF_DISP_set_highlight(t.frame->GetTag(), 1), 0);
  EXPECT_TRUE(PropsOf(t.frame->GetTag()).highlight_status);
  ASSERT_EQ(UF_DISP_set_highlight(t.frame->GetTag(), 0), 0);
  EXPECT_FALSE(PropsOf(t.frame->GetTag()).highlight_status);

  // An occurrence's highlight is its own and leaves it following its prototype's display.
  tag_t comp = NULL_TAG;
  UF_OBJ_cycle_by_name_and_type(t.root->GetTag(), "LEAF2", UF_component_type, false, &comp);
  const tag_t plate = t.plate->GetTag(), occ = UF_ASSEM_find_occurrence(comp, plate);
  ASSERT_EQ(UF_DISP_set_highlight(occ, 1), 0);
  EXPECT_TRUE(PropsOf(occ).highlight_status);
  EXPECT_FALSE(PropsOf(plate).highlight_status);
  ASSERT_EQ(UF_DISP_set_highlight(occ, 0), 0);
  UF_OBJ_set_translucency(plate, 95);
  UF_OBJ_set_color(plate, 31);
  int translucency = 0;
  UF_OBJ_ask_translucency(occ, &translucency);
  EXPECT_EQ(translucency, 95);
  EXPECT_EQ(PropsOf(occ).color, 31);
  // Once it has a display of its own, its highlight stays what it was set to.
  UF_DISP_set_highlight(occ, 1);
  UF_OBJ_set_color(occ, 186);
  EXPECT_TRUE(PropsOf(occ).highlight_status);
}

TEST_F(DisplayCalls, ColourTableHasNamedStandardColoursAndABackground) {
  char* name = nullptr;
  double rgb[3];
  ASSERT_EQ(UF_DISP_ask_color(186, UF_DISP_rgb_model, &name, rgb), 0);
  EXPECT_STREQ(name, "Red");
  UF_free(name);
  EXPECT_EQ(rgb[0], 1.0);
  EXPECT_EQ(rgb[1], 0.0);
  EXPECT_EQ(rgb[2], 0.0);
  int cyan = 0;
  double cyanRgb[3] = {0, 1, 1};
  ASSERT_EQ(UF_DISP_ask_closest_color(UF_DISP_rgb_model, cyanRgb, UF_DISP_CCM_EUCLIDEAN_DISTANCE, &cyan), 0);
  ASSERT_EQ(UF_DISP_ask_color(cyan, UF_DISP_rgb_model, &name, rgb), 0);
  EXPECT_STREQ(name, "Cyan");
  UF_free(name);
  int count = 0;
  UF_DISP_ask_color_count(&count);
  EXPECT_EQ(count, 217);
  EXPECT_NE(UF_DISP_ask_color(217, UF_DISP_rgb_model, &name, rgb), 0);

  // HSV of red: hue 0, full saturation and value.
  double hsv[3];
  ASSERT_EQ(UF_DISP_ask_color(186, UF_DISP_hsv_model, nullptr, hsv), 0);
  EXPECT_DOUBLE_EQ(hsv[0], 0);
  EXPECT_DOUBLE_EQ(hsv[1], 1);
  EXPECT_DOUBLE_EQ(hsv[2], 1);
}

TEST_F(DisplayCalls, BackgroundTogglesBetweenBlackAndWhite) {
  // As the background command: exactly black becomes white, anything else black.
  auto toggle = [] {
    double rgb[3];
    UF_DISP_ask_color(UF_DISP_BACKGROUND_COLOR, UF_DISP_rgb_model, nullptr, rgb);
    const double next = rgb[0] == 0.0 && rgb[1] == 0.0 && rgb[2] == 0.0 ? 1.0 : 0.0;
    const double values[3] = {next, next, next};
    EXPECT_EQ(UF_DISP_set_color(UF_DISP_BACKGROUND_COLOR, UF_DISP_rgb_model, nullptr, values), 0);
    EXPECT_EQ(UF_DISP_load_color_table(), 0);
    UF_DISP_ask_color(UF_DISP_BACKGROUND_COLOR, UF_DISP_rgb_model, nullptr, rgb);
    return rgb[0];
  };
  EXPECT_EQ(toggle(), 1.0);
  EXPECT_EQ(toggle(), 0.0);
  const double grey[3] = {0.5, 0.5, 0.5};
  UF_DISP_set_color(UF_DISP_BACKGROUND_COLOR, UF_DISP_rgb_model, nullptr, grey);
  EXPECT_EQ(toggle(), 0.0);
  const double bad[3] = {1.5, 0, 0};
  EXPECT_NE(UF_DISP_set_color(1, UF_DISP_rgb_model, nullptr, bad), 0);
}
