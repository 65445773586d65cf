// The cells of the tabular notes shown in the work view (the title block of the sheet on
// screen), walked note by note, row by row, column by column.
#pragma once
#include <functional>
#include <string>

#include <uf_defs.h>

namespace kzt {

void for_each_work_view_cell(const std::function<void(tag_t cell, const std::string& text)>& visit);

}  // namespace kzt
