// Attribute removal and restore dialog: notices on the toggles, the work on Apply.
#include "attributes/delete_attr.hpp"

#include "attributes/attribute_removal.h"
#include "host/block_values.h"
#include "host/dialog_framework.h"
#include "host/message.h"

using namespace NXOpen;
using namespace NXOpen::BlockStyler;

Session* delete_attr::theSession = nullptr;
UI* delete_attr::theUI = nullptr;

delete_attr::delete_attr() {
  theSession = Session::GetSession();
  theUI = UI::GetUI();
  theDialogFile = "delete_attr.dlx";
  theBlockDialog = kzt::create_dialog(theUI, theDialogFile, this);
}

delete_attr::~delete_attr() {
  delete theBlockDialog;
  theBlockDialog = nullptr;
}

int delete_attr::Show() { return kzt::show_dialog(theBlockDialog); }

void delete_attr::initialize_cb() {
  CompositeBlock* top = theBlockDialog->TopBlock();
  group0 = kzt::find_block<Group>(top, "group0");
  selection0 = kzt::find_block<SelectObject>(top, "selection0");
  toggle_qian = kzt::find_block<Toggle>(top, "toggle_qian");
  toggle_delete = kzt::find_block<Toggle>(top, "toggle_delete");
}

void delete_attr::dialogShown_cb() {
  kzt::guarded([&] {
    kzt::set_toggle(toggle_qian, false);
    kzt::set_toggle(toggle_delete, false);
    return 0;
  }, 0);
}

void delete_attr::删除属性(std::vector<tag_t> objects) { kzt::remove_all_attributes(objects); }

void delete_attr::所有图号() {
  // Collected afresh: bodies of an earlier restore may have lost their remark since.
  bodies = kzt::made_to_drawing_bodies_to_layer_1();
}

void delete_attr::图号还原(std::vector<tag_t> list) { kzt::reset_drawing_numbers(list); }

void delete_attr::删除图纸页() { kzt::delete_drawing_sheets(); }

int delete_attr::apply_cb() {
  return kzt::guarded([&] {
    const std::vector<tag_t> selected = kzt::get_selected(selection0);
    const bool removing = kzt::get_toggle(toggle_delete);
    if (removing && selected.empty()) {
      kzt::show_message("请选择体!");
      return 1;
    }
    if (removing) 删除属性(selected);
    if (kzt::get_toggle(toggle_qian)) {
      所有图号();
      图号还原(bodies);
      删除图纸页();
    }
    return 0;
  }, 1);
}

int delete_attr::ok_cb() { return kzt::ok_through_apply(this); }

int delete_attr::update_cb(UIBlock* block) {
  return kzt::guarded([&] {
    if (block == selection0 && kzt::get_toggle(toggle_delete)) kzt::show_message("请确认是否删除属性?");
    if (block == toggle_qian && kzt::get_toggle(toggle_qian))
      kzt::show_message("请确认是否恢复出图前状态?\n恢复后将所有图号设为原始图号,\n且删除生成好的图纸!");
    return 0;
  }, 0);
}

PropertyList* delete_attr::GetBlockProperties(const char* blockID) {
  return theBlockDialog->GetBlockProperties(blockID);
}

int launch_delete_attr() { return kzt::launch_dialog<delete_attr>(); }
