#include "bom/bom_rows.h"

#include <algorithm>

#include "host/attribute_vocabulary.h"
#include "host/gbk_text.h"
#include "host/object_attributes.h"

namespace kzt {

BomRows gather_bom_rows(const std::vector<tag_t>& bodies, bool merge) {
  BomRows rows;
  for (tag_t body : bodies) {
    const std::string name = 得到体的属性(body, kPartName);
    rows.all_names.push_back(name);
    const bool seen = std::find(rows.kept_names.begin(), rows.kept_names.end(), name) != rows.kept_names.end();
    if (merge && seen) continue;
    rows.kept_names.push_back(name);
    rows.kept_bodies.push_back(body);
  }
  return rows;
}

int count_of_name(const BomRows& rows, const std::string& name) {
  return static_cast<int>(std::count(rows.all_names.begin(), rows.all_names.end(), name));
}

int stock_kind_code(const std::string& stockSpec) {
  static const char* const kKinds[] = {"",     "方管", "矩形管", "钢板", "扁钢", "无缝钢管", "圆钢",
                                       "角钢", "ZW24钢板网", "EVA板40°", "PP板", "PU板", "ABS板", "PU软管"};
  const std::string kind = stockSpec.substr(0, find_gbk(stockSpec, "("));
  for (size_t i = 0; i < std::size(kKinds); ++i)
    if (kind == kKinds[i]) return static_cast<int>(i) + 1;
  return 15;
}

}  // namespace kzt
