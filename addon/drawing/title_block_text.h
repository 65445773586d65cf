// The title block's placeholders: a cell whose text holds one of them is replaced
// whole by the sheet's value.
#pragma once
#include <optional>
#include <string>

namespace kzt {

// The five values, in the order the title-block routine takes them.
struct TitleBlockValues {
  std::string material;
  std::string numberSuffix;
  std::string drawingName;
  std::string quantity;
  std::string total;
};

// The new text of a cell, or nothing when it holds no placeholder. Placeholders are
// tested in the order 定义材料, 定义后图号, 定义数量, 定义总数, 定义图纸名称; the
// first found decides.
std::optional<std::string> title_block_replacement(const std::string& cellText, const TitleBlockValues& values);

}  // namespace kzt
