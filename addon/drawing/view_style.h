// The isometric view of a sheet and its display style.
#pragma once
#include <string>

#include <uf_defs.h>

// Hidden lines font 0 and shading rendering style 0, through one view-settings builder.
void set_view_style(tag_t view);
// The last view of the sheet whose name holds "Isometric" in any case: the host names
// drawing views in capitals ("ISOMETRIC@4"). NULL_TAG when none does.
tag_t find_isometric_view(tag_t sheet);

namespace kzt {

// ASCII letters compared without case; other bytes (GBK) exactly.
bool contains_ignoring_case(const std::string& text, const std::string& word);

}  // namespace kzt
