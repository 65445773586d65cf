// Attribute inheritance: the six texts of the last body read by Apply or OK.
#include "attributes/shuxin_jichen.hpp"

#include "host/attribute_vocabulary.h"
#include "host/block_values.h"
#include "host/dialog_framework.h"
#include "host/message.h"
#include "host/object_attributes.h"

using namespace NXOpen;
using namespace NXOpen::BlockStyler;

Session* shuxin_jichen::theSession = nullptr;
UI* shuxin_jichen::theUI = nullptr;

shuxin_jichen::shuxin_jichen() {
  theSession = Session::GetSession();
  theUI = UI::GetUI();
  theDialogFile = "shuxin_jichen.dlx";
  theBlockDialog = kzt::create_dialog(theUI, theDialogFile, this);
}

shuxin_jichen::~shuxin_jichen() {
  delete theBlockDialog;
  theBlockDialog = nullptr;
}

int shuxin_jichen::Show() { return kzt::show_dialog(theBlockDialog); }

void shuxin_jichen::initialize_cb() {
  CompositeBlock* top = theBlockDialog->TopBlock();
  group0 = kzt::find_block<Group>(top, "group0");
  selection0 = kzt::find_block<SelectObject>(top, "selection0");
  kzt::set_solid_body_filter(selection0);
}

void shuxin_jichen::dialogShown_cb() {}

int shuxin_jichen::apply_cb() {
  return kzt::guarded([&] {
    const std::vector<tag_t> selected = kzt::get_selected(selection0);
    if (selected.empty()) {
      // Nothing to read from: refused as the attribute writer refuses it.
      kzt::show_message("请选择体!");
      return 0;
    }
    return 读写体的属性(selected[0], DB_PART_NAME, DB_PART_NO, suling, MATERIALS, REMARK, guige);
  }, 1);
}

int shuxin_jichen::ok_cb() { return kzt::ok_through_apply(this); }

int shuxin_jichen::update_cb(UIBlock* block) { return 0; }

int shuxin_jichen::读写体的属性(tag_t body, std::string& partName, std::string& partNo, std::string& stockSpec,
                                std::string& material, std::string& remark, std::string& stockType) {
  partName = kzt::得到体的属性(body, kzt::kPartName);
  partNo = kzt::得到体的属性(body, kzt::kPartNo);
  stockSpec = kzt::得到体的属性(body, kzt::kStockSpec);
  material = kzt::得到体的属性(body, kzt::kMaterial);
  remark = kzt::得到体的属性(body, kzt::kRemark);
  stockType = kzt::得到体的属性(body, kzt::kStockType);
  return 0;
}

PropertyList* shuxin_jichen::GetBlockProperties(const char* blockID) {
  return theBlockDialog->GetBlockProperties(blockID);
}
