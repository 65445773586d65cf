// Fills the title block of the sheet on screen.
#pragma once
#include <string>

namespace kzt {

// Replaces the placeholder cells of every tabular note visible in the work view.
void 标题栏设置(const std::string& material, const std::string& numberSuffix, const std::string& drawingName,
               const std::string& quantity, const std::string& total);

}  // namespace kzt
