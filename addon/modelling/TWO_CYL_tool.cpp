// Two-point tool: the axis runs from the first point to the second, the height is
// their distance, the diameter is typed.
#include "modelling/TWO_CYL_tool.hpp"

#include <cmath>
#include <cstdio>

#include <uf.h>
#include <uf_modl.h>
#include <uf_ui.h>

#include "host/dialog_framework.h"
#include "host/message.h"
#include "host/uf_session.h"

using namespace NXOpen;
using namespace NXOpen::BlockStyler;

Session* TWO_CYL_tool::theSession = nullptr;
UI* TWO_CYL_tool::theUI = nullptr;

TWO_CYL_tool::TWO_CYL_tool() {
  theSession = Session::GetSession();
  theUI = UI::GetUI();
  theDialogFile = "TWO_CYL_tool.dlx";
  theBlockDialog = kzt::create_dialog(theUI, theDialogFile, this);
}

TWO_CYL_tool::~TWO_CYL_tool() {
  delete theBlockDialog;
  theBlockDialog = nullptr;
}

int TWO_CYL_tool::Show() { return kzt::show_dialog(theBlockDialog); }

void TWO_CYL_tool::initialize_cb() {
  CompositeBlock* top = theBlockDialog->TopBlock();
  group0 = kzt::find_block<Group>(top, "group0");
  point0 = kzt::find_block<SpecifyPoint>(top, "point0");
  point01 = kzt::find_block<SpecifyPoint>(top, "point01");
  group = kzt::find_block<Group>(top, "group");
  expression0 = kzt::find_block<ExpressionBlock>(top, "expression0");
}

void TWO_CYL_tool::dialogShown_cb() {}

int TWO_CYL_tool::apply_cb() {
  return kzt::guarded([&] {
    kzt::UfSession uf;
    const Point3d p1 = point0->Point();
    const Point3d p2 = point01->Point();
    const double diameter = expression0->Value()->Value();
    const double length = std::sqrt((p2.X - p1.X) * (p2.X - p1.X) + (p2.Y - p1.Y) * (p2.Y - p1.Y) +
                                    (p2.Z - p1.Z) * (p2.Z - p1.Z));
    char heightText[64], diameterText[64];
    std::snprintf(heightText, sizeof heightText, "%f", length);
    std::snprintf(diameterText, sizeof diameterText, "%f", diameter);
    double tolerance = 0;
    UF_MODL_ask_distance_tolerance(&tolerance);
    if (tolerance > length) {
      kzt::show_message("选择的两点小于建模公差，请重新选择");
      return 0;
    }
    double origin[3] = {p1.X, p1.Y, p1.Z};
    double direction[3] = {p2.X - p1.X, p2.Y - p1.Y, p2.Z - p1.Z};
    tag_t cylinder = NULL_TAG;
    char doing[200];
    std::snprintf(doing, sizeof doing, "圆柱未能创建 (直径 %s, 高 %s):", diameterText, heightText);
    kzt::report_host_failure(doing, UF_MODL_create_cyl1(UF_NULLSIGN, origin, heightText, diameterText, direction, &cylinder));
    return 0;
  }, 1);
}

int TWO_CYL_tool::ok_cb() { return kzt::ok_through_apply(this); }

int TWO_CYL_tool::update_cb(UIBlock* block) { return 0; }

PropertyList* TWO_CYL_tool::GetBlockProperties(const char* blockID) {
  return theBlockDialog->GetBlockProperties(blockID);
}

int launch_TWO_CYL_tool() { return kzt::launch_dialog<TWO_CYL_tool>(); }
