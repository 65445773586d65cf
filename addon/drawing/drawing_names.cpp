// File-name parsing of drawing production. Splits are byte-wise at "-", which is never
// the trail byte of a GBK character.
#include "drawing/drawing_names.h"

#include "host/drawing_numbers.h"

namespace kzt {

namespace {

// The text before and after the last hyphen; `found` false when there is none.
struct Split {
  std::string before;
  std::string after;
  bool found = false;
};

Split split_last_hyphen(const std::string& text) {
  const auto at = text.rfind('-');
  if (at == std::string::npos) return {text, "", false};
  return {text.substr(0, at), text.substr(at + 1), true};
}

// The text after the last hyphen, or all of it when it has none.
std::string last_segment(const std::string& text) {
  const Split s = split_last_hyphen(text);
  return s.found ? s.after : s.before;
}

bool is_gbk_lead(unsigned char c) { return c >= 0x81 && c <= 0xFE; }

}  // namespace

bool is_all_digits(const std::string& text) {
  return 得到字符数字个数(text) == static_cast<int>(text.size());
}

ParsedName parse_subassembly_name(const std::string& fileName, const std::string& path) {
  ParsedName r;
  r.path = path;
  r.fileName = fileName;
  const Split tail = split_last_hyphen(fileName);
  const std::string last = tail.found ? tail.after : fileName;
  r.number = is_all_digits(last) ? last : "";
  r.name = tail.found ? last_segment(tail.before) : "";
  r.sheetName = r.number + "-0组件-" + r.name;
  return r;
}

ParsedName parse_part_name(const std::string& fileName, const std::string& path) {
  ParsedName r;
  r.path = path;
  r.fileName = fileName;
  const Split tail = split_last_hyphen(fileName);
  if (!tail.found) return r;
  const Split head = split_last_hyphen(tail.before);
  const std::string middle = head.found ? head.after : head.before;
  if (is_all_digits(middle)) {
    // NAME-G-N: G is the number of the component the part was split from.
    r.number = middle + "-" + tail.after;
    r.name = head.found ? last_segment(head.before) : "";
    r.sheetName = r.number + "-" + r.name;
  } else {
    r.number = tail.after;
    r.name = middle;
    r.sheetName = "000-" + tail.after + "-" + middle;
  }
  return r;
}

std::string replace_product_prefix(const std::string& prefix, const std::string& number) {
  const auto hyphen = number.find('-');
  if (hyphen == std::string::npos) return "";
  const std::string suffix = number.substr(hyphen + 1);
  const size_t limit = hyphen + 20;
  size_t end = 0;
  while (end < suffix.size()) {
    const size_t width = is_gbk_lead(static_cast<unsigned char>(suffix[end])) ? 2 : 1;
    if (end + width > limit) break;
    end += width;
  }
  return prefix + "-" + suffix.substr(0, end);
}

}  // namespace kzt
