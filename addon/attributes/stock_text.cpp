// Stock texts: parsing and formatting of envelopes, specifications, materials, remarks.
#include "attributes/stock_text.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "host/attribute_vocabulary.h"
#include "host/gbk_text.h"

namespace kzt {

namespace {

// A decimal number from the leading characters of a text; 0 when it begins otherwise.
double leading_number(const std::string& text) { return std::strtod(text.c_str(), nullptr); }

std::string between(const std::string& text, std::string::size_type from, std::string::size_type to) {
  if (from == std::string::npos || to == std::string::npos || to < from) return std::string();
  return text.substr(from, to - from);
}

template <class... Args>
std::string format(const char* pattern, Args... args) {
  char buffer[256];
  std::snprintf(buffer, sizeof buffer, pattern, args...);
  return buffer;
}

// How far the thickness (one decimal) and the smallest extent (whole millimetres) of one
// envelope can lie apart when both measure the same thing: half of each print's step.
constexpr double kSameMeasureGap = 0.5 + 0.05 + 1e-9;

// Plate and flat-bar thickness: the one-decimal thickness where it is the smallest extent,
// otherwise (a pocket, no parallel face) the smallest extent as printed.
double sheet_thickness(const Envelope& e) { return std::fabs(e.t - e.d0) <= kSameMeasureGap ? e.t : e.d0; }

bool is_one_of(const std::string& type, std::initializer_list<const char*> names) {
  for (const char* name : names)
    if (type == name) return true;
  return false;
}

}  // namespace

StockType parse_stock_type(const std::string& text) {
  const auto first = text.find(',');
  if (first == std::string::npos) return {text, text};
  const auto last = text.rfind(',');
  StockType result;
  result.type = text.substr(0, first);
  result.middle = first == last ? text.substr(first + 1) : between(text, first + 1, last);
  return result;
}

Envelope parse_envelope(const std::string& text) {
  Envelope e;
  const auto comma = text.find(',');
  const auto firstDash = text.find('-');
  const auto lastDash = text.rfind('-');
  const auto lastComma = text.rfind(',');
  e.d0 = leading_number(text.substr(0, comma));
  if (comma != std::string::npos) e.d1 = leading_number(between(text, comma + 1, firstDash));
  if (firstDash != std::string::npos) e.d2 = leading_number(between(text, firstDash + 1, lastDash));
  if (lastDash != std::string::npos) e.t = leading_number(between(text, lastDash + 1, lastComma));
  if (lastComma != std::string::npos) e.m = leading_number(text.substr(lastComma + 1, 50));
  return e;
}

Extents parse_extents(const std::string& text) {
  Extents e;
  const auto comma = text.find(',');
  const auto dash = text.find('-');
  e.e0 = leading_number(text.substr(0, comma));
  if (comma != std::string::npos) e.e1 = leading_number(between(text, comma + 1, dash));
  if (dash != std::string::npos) e.e2 = leading_number(text.substr(dash + 1, 50));
  return e;
}

std::string format_envelope(double d0, double d1, double d2, double t, double mass) {
  return format("%.0f,%.0f-%.0f-%.1f,%0.1f", d0, d1, d2, t, mass);
}

std::string format_bent_envelope(double d0, double d1, double d2, double t, double mass) {
  return format("%.1f,%.0f-%.0f-%.1f,%0.1f", d0, d1, d2, t, mass);
}

std::string format_extents(double d0, double d1, double d2) { return format("%.0f,%.0f-%.0f", d0, d1, d2); }

std::string stock_specification(const std::string& stockType, const std::string& envelope) {
  if (stockType.empty()) return std::string();
  const StockType st = parse_stock_type(stockType);
  // A text that starts with a comma names no stock type: nothing to format.
  if (st.type.empty()) return std::string();
  const Envelope e = parse_envelope(envelope);
  const char* type = st.type.c_str();
  if (is_one_of(st.type, {"方管", "矩形管", "角钢"}))
    return format("%s(%.0fX%.0fX%.1f-%.0f)", type, e.d1, e.d0, e.t, e.d2);
  if (is_one_of(st.type, {"无缝钢管", "焊管"})) return format("%s(Φ%.0fX%.1f-%.0f)", type, e.d0, e.t, e.d2);
  if (st.type == "钢板") return format("%s(%0.1fX%.0fX%.0f)", type, sheet_thickness(e), e.d1, e.d2);
  if (st.type == "扁钢") return format("%s(%0.1fX%.0f-%.0f)", type, sheet_thickness(e), e.d1, e.d2);
  if (st.type == "圆钢") {
    // Bent at both ends: the stretched length of the bar.
    const double length = st.middle == "两边折弯" ? e.d2 + 2 * e.d0 - 4 * e.t : e.d2;
    return format("%s(Φ%.0f-%.0f)", type, e.d0, length);
  }
  return format("%s(%.0fX%.0fX%.0f)", type, e.d0, e.d1, e.d2);
}

std::string material_for(const std::string& stockType) {
  const std::string type = parse_stock_type(stockType).type;
  if (is_one_of(type, {"方管", "矩形管", "钢板", "扁钢", "圆钢", "无缝钢管", "角钢", "焊管", "ZW24钢板网"}))
    return "Q235";
  return type;
}

std::string remark_for(const std::string& partNo, const std::string& stockType, const Extents& solid,
                       const Envelope& flat, bool& unfoldFailed) {
  unfoldFailed = false;
  if (partNo.compare(0, 2, "GB") == 0) return kBoughtOut;
  if (!partNo.empty()) return kMadeToDrawing;
  const double e0 = solid.e0, e1 = solid.e1, e2 = solid.e2;
  if (contains_gbk(stockType, "扁钢,折弯")) {
    // A bent flat bar is named by its leg height, the middle extent of the bent body.
    if (contains_gbk(stockType, "一")) return format("一边折弯%0.0f外包(%.0fX%.0f)", e1, e1, e2);
    if (contains_gbk(stockType, "二")) return format("两边折弯%0.0f外包(%.0fX%.0f)", e1, e1, e2);
    return format("折弯%0.0f外包(%.0fX%.0f)", e1, e1, e2);
  }
  if (contains_gbk(stockType, "钢板,折弯")) {
    if (contains_gbk(stockType, "一")) return format("一边折弯%0.0f外包(%.0fX%.0f)", e0, e1, e2);
    if (contains_gbk(stockType, "二")) return format("二边折弯%0.0f外包(%.0fX%.0f)", e0, e1, e2);
    if (contains_gbk(stockType, "三")) return format("三边折弯%0.0f外包(%.0fX%.0f)", e0, e1, e2);
    if (contains_gbk(stockType, "四")) return format("四边折弯%0.0f外包(%.0fX%.0f)", e0, e1, e2);
    // Both sides come from whole-millimetre texts, so equality is exact.
    if (flat.d2 == e2 && flat.d1 == e1) {
      unfoldFailed = true;
      return std::string();
    }
    return format("折弯%0.0f外包(%.0fX%.0f)", e0, e1, e2);
  }
  return std::string();
}

}  // namespace kzt
