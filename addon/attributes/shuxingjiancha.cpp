// Attribute check dialog: the check on every selection change and on Apply.
#include "attributes/shuxingjiancha.hpp"

#include <algorithm>
#include <cstdio>

#include <uf.h>
#include <uf_obj.h>

#include "attributes/attribute_check.h"
#include "host/block_values.h"
#include "host/dialog_framework.h"
#include "host/message.h"
#include "host/uf_session.h"

using namespace NXOpen;
using namespace NXOpen::BlockStyler;

Session* shuxingjiancha::theSession = nullptr;
UI* shuxingjiancha::theUI = nullptr;

namespace {

bool IsBlanked(tag_t body) {
  UF_OBJ_disp_props_t props{};
  if (UF_OBJ_ask_display_properties(body, &props) != 0) return false;
  return props.blank_status == UF_OBJ_BLANKED;
}

// Shows the bodies in the picker's colour (its first entry; none keeps their colour).
void ShowInColour(const std::vector<tag_t>& bodies, const std::vector<int>& colours) {
  for (tag_t body : bodies) {
    if (!colours.empty()) UF_OBJ_set_color(body, colours[0]);
    UF_OBJ_set_blank_status(body, UF_OBJ_NOT_BLANKED);
  }
}

}  // namespace

shuxingjiancha::shuxingjiancha() {
  theSession = Session::GetSession();
  theUI = UI::GetUI();
  theDialogFile = "shuxingjiancha.dlx";
  theBlockDialog = kzt::create_dialog(theUI, theDialogFile, this);
}

shuxingjiancha::~shuxingjiancha() {
  delete theBlockDialog;
  theBlockDialog = nullptr;
}

int shuxingjiancha::Show() { return kzt::show_dialog(theBlockDialog); }

void shuxingjiancha::initialize_cb() {
  CompositeBlock* top = theBlockDialog->TopBlock();
  group = kzt::find_block<Group>(top, "group");
  blockxuanzhe = kzt::find_block<SelectObject>(top, "blockxuanzhe");
  group0 = kzt::find_block<Group>(top, "group0");
  blockwu = kzt::find_block<StringBlock>(top, "blockwu");
  blockgai = kzt::find_block<StringBlock>(top, "blockgai");
  separator01 = kzt::find_block<Separator>(top, "separator01");
  group2 = kzt::find_block<Group>(top, "group2");
  blocktoggle_wu = kzt::find_block<Toggle>(top, "blocktoggle_wu");
  colorPicker_wu = kzt::find_block<ObjectColorPicker>(top, "colorPicker_wu");
  separator011 = kzt::find_block<Separator>(top, "separator011");
  separator0111 = kzt::find_block<Separator>(top, "separator0111");
  blocktoggle_gai = kzt::find_block<Toggle>(top, "blocktoggle_gai");
  colorPicker_gai = kzt::find_block<ObjectColorPicker>(top, "colorPicker_gai");
  blockbutton0 = kzt::find_block<Button>(top, "blockbutton0");
  kzt::set_solid_body_filter(blockxuanzhe);
}

void shuxingjiancha::dialogShown_cb() {}

void shuxingjiancha::ShowDeselected(const std::vector<tag_t>& selected) {
  for (auto it = hiddenByCheck.begin(); it != hiddenByCheck.end();) {
    if (std::find(selected.begin(), selected.end(), *it) != selected.end()) {
      ++it;
      continue;
    }
    UF_OBJ_set_blank_status(*it, UF_OBJ_NOT_BLANKED);
    it = hiddenByCheck.erase(it);
  }
}

void shuxingjiancha::wu() {
  kzt::UfSession uf;
  const std::vector<tag_t> selected = kzt::get_selected(blockxuanzhe);
  ShowDeselected(selected);
  for (tag_t body : selected) {
    if (!IsBlanked(body)) hiddenByCheck.insert(body);
    UF_OBJ_set_blank_status(body, UF_OBJ_BLANKED);
  }
  const kzt::AttributeCheck check = kzt::check_attributes(selected);
  kzt::set_count(blockgai, check.changed_bodies.size());
  kzt::set_count(blockwu, check.bodies_without_attributes.size());
  const std::vector<int> changedColour = kzt::get_colors(colorPicker_gai);
  const std::vector<int> withoutColour = kzt::get_colors(colorPicker_wu);
  if (kzt::get_toggle(blocktoggle_wu)) ShowInColour(check.bodies_without_attributes, withoutColour);
  if (kzt::get_toggle(blocktoggle_gai)) ShowInColour(check.changed_bodies, changedColour);
}

int shuxingjiancha::apply_cb() {
  return kzt::guarded([&] {
    if (kzt::get_selected(blockxuanzhe).empty()) {
      kzt::show_message("请选择体!");
      return 1;
    }
    wu();
    return 0;
  }, 1);
}

int shuxingjiancha::update_cb(UIBlock* block) {
  return kzt::guarded([&] {
    if (block == blockxuanzhe) wu();
    return 0;
  }, 0);
}

PropertyList* shuxingjiancha::GetBlockProperties(const char* blockID) {
  return theBlockDialog->GetBlockProperties(blockID);
}

int launch_shuxingjiancha() { return kzt::launch_dialog<shuxingjiancha>(); }
