// Reading and writing dialog block values through their property lists, written once
// for every dialog class. Texts are locale (GBK) text.
#pragma once
#include <string>
#include <vector>

#include <NXOpen/BlockStyler_UIBlock.hxx>
#include <uf_defs.h>

namespace kzt {

std::string get_text(NXOpen::BlockStyler::UIBlock* block);        // "Value" of a string block
void set_text(NXOpen::BlockStyler::UIBlock* block, const std::string& text);
void set_count(NXOpen::BlockStyler::UIBlock* block, size_t count);  // a count as text
bool get_toggle(NXOpen::BlockStyler::UIBlock* block);             // "Value" of a toggle
void set_toggle(NXOpen::BlockStyler::UIBlock* block, bool on);
int get_enum(NXOpen::BlockStyler::UIBlock* block);                // "Value" of an enumeration
std::vector<int> get_colors(NXOpen::BlockStyler::UIBlock* block); // "Value" of a colour picker
// "SelectedObjects" of a selection block, as tags, in selection order.
std::vector<tag_t> get_selected(NXOpen::BlockStyler::UIBlock* block);
void set_shown(NXOpen::BlockStyler::UIBlock* block, bool shown);  // "Show"
// Solid bodies only: the triple (70, 0, 36) with the clear-and-enable-specific action.
void set_solid_body_filter(NXOpen::BlockStyler::UIBlock* block);

}  // namespace kzt
