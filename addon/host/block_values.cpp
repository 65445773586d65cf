// Block values through property lists; each list is the caller's to delete.
#include "host/block_values.h"

#include <cstdio>
#include <memory>

#include <NXOpen/BlockStyler_PropertyList.hxx>
#include <NXOpen/Selection.hxx>
#include <NXOpen/TaggedObject.hxx>

namespace kzt {

using NXOpen::BlockStyler::PropertyList;
using NXOpen::BlockStyler::UIBlock;

namespace {
std::unique_ptr<PropertyList> Properties(UIBlock* block) {
  return std::unique_ptr<PropertyList>(block->GetProperties());
}
}  // namespace

std::string get_text(UIBlock* block) { return Properties(block)->GetString("Value").GetLocaleText(); }

void set_text(UIBlock* block, const std::string& text) { Properties(block)->SetString("Value", text); }

void set_count(UIBlock* block, size_t count) {
  char text[32];
  std::snprintf(text, sizeof text, "%d", static_cast<int>(count));
  set_text(block, text);
}

bool get_toggle(UIBlock* block) { return Properties(block)->GetLogical("Value"); }

void set_toggle(UIBlock* block, bool on) { Properties(block)->SetLogical("Value", on); }

int get_enum(UIBlock* block) { return Properties(block)->GetEnum("Value"); }

std::vector<int> get_colors(UIBlock* block) { return Properties(block)->GetIntegerVector("Value"); }

std::vector<tag_t> get_selected(UIBlock* block) {
  std::vector<tag_t> tags;
  for (NXOpen::TaggedObject* object : Properties(block)->GetTaggedObjectVector("SelectedObjects"))
    tags.push_back(object->Tag());
  return tags;
}

void set_shown(UIBlock* block, bool shown) { Properties(block)->SetLogical("Show", shown); }

void set_solid_body_filter(UIBlock* block) {
  std::vector<NXOpen::Selection::MaskTriple> masks{NXOpen::Selection::MaskTriple(70, 0, 36)};
  Properties(block)->SetSelectionFilter("SelectionFilter",
                                        NXOpen::Selection::SelectionActionClearAndEnableSpecific, masks);
}

}  // namespace kzt
