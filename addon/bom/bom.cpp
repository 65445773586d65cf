// BOM export dialog: the source of bodies, the output folder and the merge toggle; Apply
// gathers the bodies and writes the workbook.
#include "bom/bom.hpp"

#include <uf.h>
#include <uf_assem.h>
#include <uf_part.h>

#include "bom/bom_rows.h"
#include "bom/bom_workbook.h"
#include "host/block_values.h"
#include "host/dialog_framework.h"
#include "host/assembly_walks.h"
#include "host/uf_session.h"

using namespace NXOpen;
using namespace NXOpen::BlockStyler;

Session* bom::theSession = nullptr;
UI* bom::theUI = nullptr;

bom::bom() {
  theSession = Session::GetSession();
  theUI = UI::GetUI();
  theDialogFile = "bom.dlx";
  theBlockDialog = kzt::create_dialog(theUI, theDialogFile, this);
}

bom::~bom() {
  delete theBlockDialog;
  theBlockDialog = nullptr;
}

int bom::Show() { return kzt::show_dialog(theBlockDialog); }

void bom::initialize_cb() {
  CompositeBlock* top = theBlockDialog->TopBlock();
  group1 = kzt::find_block<Group>(top, "group1");
  enum0 = kzt::find_block<Enumeration>(top, "enum0");
  group2 = kzt::find_block<Group>(top, "group2");
  selection0 = kzt::find_block<SelectObject>(top, "selection0");
  label0 = kzt::find_block<Label>(top, "label0");
  filepath = kzt::find_block<FolderSelection>(top, "filepath");
  group3 = kzt::find_block<Group>(top, "group3");
  toggle0 = kzt::find_block<Toggle>(top, "toggle0");
  kzt::set_solid_body_filter(selection0);
}

void bom::show_selection_for_source() { kzt::set_shown(selection0, kzt::get_enum(enum0) == 0); }

void bom::dialogShown_cb() {
  kzt::guarded([&] {
    show_selection_for_source();
    return 0;
  }, 0);
}

void bom::AA() {
  kzt::UfSession uf;
  std::vector<tag_t> bodies;
  if (kzt::get_enum(enum0) == 0) bodies = kzt::get_selected(selection0);
  else kzt::得到工作所有的体(UF_ASSEM_ask_work_part(), bodies);
  const bool merge = kzt::get_toggle(toggle0);
  const kzt::BomRows rows = kzt::gather_bom_rows(bodies, merge);

  char partName[MAX_FSPEC_BUFSIZE] = "";
  UF_PART_ask_part_name(UF_ASSEM_ask_work_part(), partName);
  const std::string folder = filepath->Path().GetLocaleText();
  kzt::write_bom_workbook(kzt::bom_files(folder, partName), rows, merge);
}

int bom::apply_cb() {
  return kzt::guarded([&] {
    AA();
    return 0;
  }, 1);
}

int bom::ok_cb() { return kzt::ok_through_apply(this); }

int bom::update_cb(UIBlock* block) {
  return kzt::guarded([&] {
    if (block == enum0) show_selection_for_source();
    return 0;
  }, 0);
}

PropertyList* bom::GetBlockProperties(const char* blockID) { return theBlockDialog->GetBlockProperties(blockID); }

int launch_bom() { return kzt::launch_dialog<bom>(); }
