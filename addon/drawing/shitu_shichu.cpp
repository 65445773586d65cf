// View erase and shading dialog: the work on Apply, one body at a time in selection order.
#include "drawing/shitu_shichu.hpp"

#include <memory>
#include <vector>

#include <NXOpen/BasePart.hxx>
#include <NXOpen/ColorManager.hxx>
#include <NXOpen/DisplayableObject.hxx>
#include <NXOpen/NXObjectManager.hxx>
#include <NXOpen/Part.hxx>
#include <NXOpen/PartCollection.hxx>
#include <NXOpen/Selection.hxx>
#include <NXOpen/View.hxx>
#include <NXOpen/ViewDependentDisplayManager.hxx>
#include <uf.h>
#include <uf_draw.h>
#include <uf_obj.h>
#include <uf_view.h>

#include "host/block_values.h"
#include "host/dialog_framework.h"
#include "host/message.h"
#include "host/uf_session.h"

using namespace NXOpen;
using namespace NXOpen::BlockStyler;

Session* shitu_shichu::theSession = nullptr;
UI* shitu_shichu::theUI = nullptr;

namespace {

constexpr int kErase = 0;
constexpr int kShade = 1;
constexpr int kRemoveAll = 2;
constexpr int kViewSubtypes = 15;
constexpr int kTransparency = 95;

// Every kind of view: the triples (60, s, 0) for s = 0 .. 14.
void set_view_filter(UIBlock* block) {
  std::vector<Selection::MaskTriple> masks;
  for (int subtype = 0; subtype < kViewSubtypes; ++subtype) masks.emplace_back(60, subtype, 0);
  std::unique_ptr<PropertyList> properties(block->GetProperties());
  properties->SetSelectionFilter("SelectionFilter", Selection::SelectionActionClearAndEnableSpecific, masks);
}

void set_maximum_scope(UIBlock* block) {
  std::unique_ptr<PropertyList> properties(block->GetProperties());
  properties->SetEnum("MaximumScope", 3);
}

View* view_of(tag_t view) { return dynamic_cast<View*>(NXObjectManager::Get(view)); }

void update_view(tag_t view) {
  const kzt::UfSession uf;
  tag_t sheet = NULL_TAG;
  UF_DRAW_ask_current_drawing(&sheet);
  UF_DRAW_update_one_view(sheet, view);
}

}  // namespace

shitu_shichu::shitu_shichu() {
  theSession = Session::GetSession();
  theUI = UI::GetUI();
  theDialogFile = "shitu_shichu.dlx";
  theBlockDialog = kzt::create_dialog(theUI, theDialogFile, this);
}

shitu_shichu::~shitu_shichu() {
  delete theBlockDialog;
  theBlockDialog = nullptr;
}

int shitu_shichu::Show() { return kzt::show_dialog(theBlockDialog); }

void shitu_shichu::initialize_cb() {
  CompositeBlock* top = theBlockDialog->TopBlock();
  group0 = kzt::find_block<Group>(top, "group0");
  shitu = kzt::find_block<SelectObject>(top, "shitu");
  group01 = kzt::find_block<Group>(top, "group01");
  boy = kzt::find_block<SelectObject>(top, "boy");
  group011 = kzt::find_block<Group>(top, "group011");
  enum0 = kzt::find_block<Enumeration>(top, "enum0");
  set_maximum_scope(shitu);
  set_maximum_scope(boy);
  kzt::set_solid_body_filter(boy);
  set_view_filter(shitu);
}

void shitu_shichu::dialogShown_cb() {}

void shitu_shichu::擦出对象(tag_t view, tag_t object) {
  const kzt::UfSession uf;
  char name[UF_OBJ_NAME_BUFSIZE] = "";
  UF_OBJ_ask_name(view, name);
  uc6400(name, object);
}

void shitu_shichu::编辑着色及透明(tag_t view, tag_t object) {
  View* shown = view_of(view);
  auto* body = dynamic_cast<DisplayableObject*>(NXObjectManager::Get(object));
  Part* work = theSession->Parts()->Work();
  if (!shown || !body || !work) return;
  NXColor* cyan = work->Colors()->Find("Cyan");
  const std::vector<DisplayableObject*> objects{body};
  shown->DependentDisplay()->ApplyShadeEdit(cyan, static_cast<ViewDependentDisplayManager::PartialShading>(1),
                                            static_cast<ViewDependentDisplayManager::Translucency>(2), kTransparency,
                                            objects);
  theSession->CleanUpFacetedFacesAndEdges();
}

void shitu_shichu::取消所有擦除(tag_t view) {
  if (View* shown = view_of(view)) shown->DependentDisplay()->RemoveAllEdits();
}

int shitu_shichu::apply_cb() {
  return kzt::guarded([&] {
    const std::vector<tag_t> views = kzt::get_selected(shitu);
    const std::vector<tag_t> bodies = kzt::get_selected(boy);
    if (views.empty()) {
      kzt::show_message("请选择视图");
      return 0;
    }
    const tag_t view = views.front();
    for (tag_t body : bodies) {
      const int operation = kzt::get_enum(enum0);
      if (operation == kErase) 擦出对象(view, body);
      if (operation == kShade) 编辑着色及透明(view, body);
    }
    update_view(view);
    if (kzt::get_enum(enum0) == kRemoveAll) {
      取消所有擦除(view);
      // The view's drawing is computed, not redrawn by the display: once more, so that
      // the bodies come back at once.
      update_view(view);
    }
    return 0;
  }, 1);
}

int shitu_shichu::ok_cb() { return kzt::ok_through_apply(this); }

int shitu_shichu::update_cb(UIBlock*) { return 0; }

PropertyList* shitu_shichu::GetBlockProperties(const char* blockID) {
  return theBlockDialog->GetBlockProperties(blockID);
}

int launch_shitu_shichu() { return kzt::launch_dialog<shitu_shichu>(); }
