// Drawing-number rewrite dialog: reads the old and new leading segments, then rewrites.
#include "assembly/tuhao_xiegai.hpp"

#include "assembly/drawing_number_rewrite.h"
#include "host/block_values.h"
#include "host/dialog_framework.h"
#include "host/message.h"

using namespace NXOpen;
using namespace NXOpen::BlockStyler;

Session* tuhao_xiegai::theSession = nullptr;
UI* tuhao_xiegai::theUI = nullptr;

tuhao_xiegai::tuhao_xiegai() {
  theSession = Session::GetSession();
  theUI = UI::GetUI();
  theDialogFile = "tuhao_xiegai.dlx";
  theBlockDialog = kzt::create_dialog(theUI, theDialogFile, this);
}

tuhao_xiegai::~tuhao_xiegai() {
  delete theBlockDialog;
  theBlockDialog = nullptr;
}

int tuhao_xiegai::Show() { return kzt::show_dialog(theBlockDialog); }

void tuhao_xiegai::initialize_cb() {
  CompositeBlock* top = theBlockDialog->TopBlock();
  stringss_qian = kzt::find_block<StringBlock>(top, "stringss_qian");
  stringss_hou = kzt::find_block<StringBlock>(top, "stringss_hou");
}

void tuhao_xiegai::dialogShown_cb() {
  kzt::guarded([&] {
    kzt::set_text(stringss_qian, "空");
    kzt::set_text(stringss_hou, "");
    return 0;
  }, 0);
}

void tuhao_xiegai::nj_tuhao(const std::string& from, const std::string& to) { kzt::rewrite_drawing_numbers(from, to); }

void tuhao_xiegai::bj_tuhao() { kzt::mark_components_from_names(); }

int tuhao_xiegai::apply_cb() {
  return kzt::guarded([&] {
    oldText = kzt::get_text(stringss_qian);
    newText = kzt::get_text(stringss_hou);
    // Refused texts change nothing and leave the dialog open to correct them.
    if (const std::string fault = kzt::rewrite_input_fault(oldText, newText); !fault.empty()) {
      kzt::show_message(fault);
      return 1;
    }
    nj_tuhao(oldText, newText);
    bj_tuhao();
    return 0;
  }, 1);
}

int tuhao_xiegai::ok_cb() { return kzt::ok_through_apply(this); }

int tuhao_xiegai::update_cb(UIBlock*) { return 0; }

PropertyList* tuhao_xiegai::GetBlockProperties(const char* blockID) {
  return theBlockDialog->GetBlockProperties(blockID);
}

int launch_tuhao_xiegai() { return kzt::launch_dialog<tuhao_xiegai>(); }
