// Placeholder matching of the title block, on GBK character boundaries.
#include "drawing/title_block_text.h"

#include "host/gbk_text.h"

namespace kzt {

std::optional<std::string> title_block_replacement(const std::string& cellText, const TitleBlockValues& v) {
  const std::pair<const char*, const std::string*> placeholders[] = {
      {"定义材料", &v.material}, {"定义后图号", &v.numberSuffix}, {"定义数量", &v.quantity},
      {"定义总数", &v.total},    {"定义图纸名称", &v.drawingName},
  };
  for (const auto& [placeholder, value] : placeholders)
    if (contains_gbk(cellText, placeholder)) return *value;
  return std::nullopt;
}

}  // namespace kzt
