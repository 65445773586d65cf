// Layer-mode band rules; pure text and number work, no host calls.
#include "drawing/layer_bands.h"

#include <cstdio>

#include "assembly/component_names.h"

namespace kzt {

namespace {

std::string format(const char* pattern, const std::string& file, long long a, long long b = 0) {
  char text[512];
  std::snprintf(text, sizeof text, pattern, file.c_str(), a, b);
  return text;
}

}  // namespace

long long band_first_layer(long long componentNumber) {
  return kFirstBandLayer + kBandWidth * (componentNumber - 1);
}

int part_number_of(const std::string& drawingNumber) { return leading_value(tail_after_dash(drawingNumber)); }

bool number_belongs_to(const std::string& drawingNumber, const std::string& componentTail) {
  if (!componentTail.empty() && drawingNumber.find(componentTail) != std::string::npos) return true;
  const auto last = drawingNumber.rfind('-');
  return last != std::string::npos && drawingNumber.substr(0, last).find('-') == std::string::npos;
}

std::string band_problem(const BandCheck& c) {
  const long long first = band_first_layer(c.componentNumber);
  if (first < 1 || first > kHighestLayer)
    return format("组件 %s: 组件号 %lld 的图层 %lld 超出图层范围 1-256", c.fileName, c.componentNumber, first);
  if (c.newParts > c.freeNumbers)
    return format("组件 %s: 新零件 %lld 个, 空闲图号只有 %lld 个", c.fileName, c.newParts, c.freeNumbers);
  for (int n : c.partNumbers)
    if (n >= kBandWidth)
      return format("组件 %s: 零件图号 %lld 达到 15 或以上, 其图层 %lld 属于下一组件", c.fileName, n, first + n);
  for (int n : c.partNumbers)
    if (first + n > kHighestLayer)
      return format("组件 %s: 零件图号 %lld 的图层 %lld 超出图层范围 1-256", c.fileName, n, first + n);
  return "";
}

}  // namespace kzt
