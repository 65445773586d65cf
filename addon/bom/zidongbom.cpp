// BOM update dialog: Apply adds each selected body to the parts list and updates it.
#include "bom/zidongbom.hpp"

#include <uf.h>
#include <uf_obj.h>
#include <uf_plist.h>
#include <uf_tabnot.h>
#include <uf_view.h>

#include "host/block_values.h"
#include "host/dialog_framework.h"
#include "host/uf_session.h"

using namespace NXOpen;
using namespace NXOpen::BlockStyler;

Session* zidongbom::theSession = nullptr;
UI* zidongbom::theUI = nullptr;

namespace {

constexpr int kTabularNoteType = 165;
constexpr int kPartsListSubtype = 11;

}  // namespace

tag_t find_parts_list() {
  kzt::UfSession uf;
  tag_t object = NULL_TAG;
  while (UF_VIEW_cycle_objects(NULL_TAG, UF_VIEW_VISIBLE_OBJECTS, &object) == 0 && object != NULL_TAG) {
    int type = 0, subtype = 0;
    UF_OBJ_ask_type_and_subtype(object, &type, &subtype);
    if (type != kTabularNoteType) continue;
    tag_t note = NULL_TAG;
    if (UF_TABNOT_ask_tabular_note_of_section(object, &note) != 0 || note == NULL_TAG) continue;
    UF_OBJ_ask_type_and_subtype(note, &type, &subtype);
    if (type == kTabularNoteType && subtype == kPartsListSubtype) return note;
  }
  return NULL_TAG;
}

zidongbom::zidongbom() {
  theSession = Session::GetSession();
  theUI = UI::GetUI();
  theDialogFile = "zidong-bom.dlx";
  theBlockDialog = kzt::create_dialog(theUI, theDialogFile, this);
}

zidongbom::~zidongbom() {
  delete theBlockDialog;
  theBlockDialog = nullptr;
}

int zidongbom::Show() { return kzt::show_dialog(theBlockDialog); }

void zidongbom::initialize_cb() {
  CompositeBlock* top = theBlockDialog->TopBlock();
  group0 = kzt::find_block<Group>(top, "group0");
  selection0 = kzt::find_block<SelectObject>(top, "selection0");
  group01 = kzt::find_block<Group>(top, "group01");
  expression0 = kzt::find_block<ExpressionBlock>(top, "expression0");
  kzt::set_solid_body_filter(selection0);
}

void zidongbom::dialogShown_cb() {}

int zidongbom::apply_cb() {
  return kzt::guarded([&] {
    const std::vector<tag_t> bodies = kzt::get_selected(selection0);
    // Read as the dialog always has; what it was meant for is not settled.
    [[maybe_unused]] const int count = static_cast<int>(expression0->Value()->Value());
    kzt::UfSession uf;
    const tag_t list = find_parts_list();
    if (list == NULL_TAG) return 0;
    for (tag_t body : bodies) {
      UF_PLIST_add_object(list, false, body);  // a body the list refuses is skipped
      UF_PLIST_update(list);
    }
    return 0;
  }, 1);
}

int zidongbom::ok_cb() { return kzt::ok_through_apply(this); }

int zidongbom::update_cb(UIBlock*) { return 0; }

PropertyList* zidongbom::GetBlockProperties(const char* blockID) { return theBlockDialog->GetBlockProperties(blockID); }

int launch_zidongbom() { return kzt::launch_dialog<zidongbom>(); }
