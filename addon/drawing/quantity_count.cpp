#include "drawing/quantity_count.h"

#include "drawing/numbering.h"
#include "host/attribute_vocabulary.h"
#include "host/assembly_walks.h"
#include "host/object_attributes.h"
#include "host/uf_session.h"

namespace kzt {

void QuantityCount::Of(tag_t body, tag_t component, int& quantity, int& total) {
  const UfSession uf;
  const std::string name = 得到体的属性(body, kPartName);
  const auto& under = names_under(component);
  const auto found = under.find(name);
  quantity = found == under.end() ? 0 : found->second;
  total = total_named(name);
}

const std::map<std::string, int>& QuantityCount::names_under(tag_t component) {
  const auto known = namesUnder_.find(component);
  if (known != namesUnder_.end()) return known->second;
  std::vector<tag_t> bodies;
  得到组件下所有的实体(component, bodies, ComponentBodies::Deep);
  std::map<std::string, int>& counts = namesUnder_[component];
  for (tag_t b : bodies) ++counts[得到体的属性(b, kPartName)];
  return counts;
}

int QuantityCount::total_named(const std::string& name) {
  const auto known = totals_.find(name);
  if (known != totals_.end()) return known->second;
  if (!workPartByName_) workPartByName_ = 工作部件实体按名称();
  const auto named = workPartByName_->find(name);
  const int total = named == workPartByName_->end() ? 0 : 找重叠体(named->second);
  totals_[name] = total;
  return total;
}

}  // namespace kzt
