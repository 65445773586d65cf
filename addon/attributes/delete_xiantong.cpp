// Duplicate bodies dialog: classification on every selection change and on Apply.
#include "attributes/delete_xiantong.hpp"

#include <cstdio>

#include <uf.h>
#include <uf_assem.h>
#include <uf_obj.h>
#include <uf_object_types.h>
#include <uf_part.h>

#include "attributes/duplicates.h"
#include "host/block_values.h"
#include "host/dialog_framework.h"
#include "host/uf_session.h"

using namespace NXOpen;
using namespace NXOpen::BlockStyler;

Session* delete_xiantong::theSession = nullptr;
UI* delete_xiantong::theUI = nullptr;

namespace {

// Components are hidden while the bodies are classified, then shown again.
void set_components_blanked(int status) {
  tag_t component = NULL_TAG;
  while ((component = UF_OBJ_cycle_objs_in_part(UF_PART_ask_display_part(), UF_component_type, component)) !=
         NULL_TAG)
    UF_OBJ_set_blank_status(component, status);
}

}  // namespace

delete_xiantong::delete_xiantong() {
  theSession = Session::GetSession();
  theUI = UI::GetUI();
  theDialogFile = "delete_xiantong.dlx";
  theBlockDialog = kzt::create_dialog(theUI, theDialogFile, this);
}

delete_xiantong::~delete_xiantong() {
  delete theBlockDialog;
  theBlockDialog = nullptr;
}

int delete_xiantong::Show() { return kzt::show_dialog(theBlockDialog); }

void delete_xiantong::initialize_cb() {
  CompositeBlock* top = theBlockDialog->TopBlock();
  group = kzt::find_block<Group>(top, "group");
  blockxuanzhe = kzt::find_block<SelectObject>(top, "blockxuanzhe");
  group0 = kzt::find_block<Group>(top, "group0");
  zongsu = kzt::find_block<StringBlock>(top, "zongsu");
  chongdie = kzt::find_block<StringBlock>(top, "chongdie");
  separator0 = kzt::find_block<Separator>(top, "separator0");
  group2 = kzt::find_block<Group>(top, "group2");
  blocktoggle0 = kzt::find_block<Toggle>(top, "blocktoggle0");
  blocktoggle_debei = kzt::find_block<Toggle>(top, "blocktoggle_debei");
  colorPicker0 = kzt::find_block<ObjectColorPicker>(top, "colorPicker0");
  kzt::set_solid_body_filter(blockxuanzhe);
  kzt::UfSession uf;
  UF_ASSEM_set_work_part(UF_PART_ask_display_part());
}

void delete_xiantong::dialogShown_cb() {}

void delete_xiantong::得到选择体的信息() {
  kzt::UfSession uf;
  set_components_blanked(UF_OBJ_BLANKED);
  unique_bodies.clear();
  duplicate_bodies.clear();
  const std::vector<tag_t> selected = kzt::get_selected(blockxuanzhe);
  if (!selected.empty()) {
    kzt::KeyClassification classes = kzt::classify_by_key(selected);
    unique_bodies = std::move(classes.unique);
    duplicate_bodies = std::move(classes.duplicate);
    kzt::set_count(zongsu, unique_bodies.size());
    kzt::set_count(chongdie, duplicate_bodies.size());
  }
  set_components_blanked(UF_OBJ_NOT_BLANKED);
}

int delete_xiantong::apply_cb() {
  return kzt::guarded([&] {
    得到选择体的信息();
    const std::vector<int> colors = kzt::get_colors(colorPicker0);
    kzt::UfSession uf;
    if (kzt::get_toggle(blocktoggle_debei))
      for (tag_t body : duplicate_bodies) UF_OBJ_delete_object(body);
    if (kzt::get_toggle(blocktoggle0))
      for (tag_t body : duplicate_bodies) {
        UF_OBJ_set_blank_status(body, UF_OBJ_BLANKED);
        if (!colors.empty()) UF_OBJ_set_color(body, colors[0]);
      }
    return 0;
  }, 1);
}

int delete_xiantong::update_cb(UIBlock* block) {
  return kzt::guarded([&] {
    if (block == blockxuanzhe) 得到选择体的信息();
    return 0;
  }, 0);
}

int delete_xiantong::cancel_cb() {
  kzt::host_part_cleanup();
  return 0;
}

PropertyList* delete_xiantong::GetBlockProperties(const char* blockID) {
  return theBlockDialog->GetBlockProperties(blockID);
}

int launch_delete_xiantong() { return kzt::launch_dialog<delete_xiantong>(); }
