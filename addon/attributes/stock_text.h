// The texts of stock measurement: envelope texts, stock type parsing, the stock
// specification formats, the material rule and the remark rules. Pure text work on
// GBK strings, apart from the measuring itself.
#pragma once
#include <string>

namespace kzt {

// "type,middle...,last": type = before the first comma (all when none); middle = between
// the first and the last comma (after the comma when there is one; all when none).
struct StockType {
  std::string type;
  std::string middle;
};
StockType parse_stock_type(const std::string& text);

// The five numbers of an envelope text "d0,d1-d2-t,m".
struct Envelope {
  double d0 = 0, d1 = 0, d2 = 0, t = 0, m = 0;
};
Envelope parse_envelope(const std::string& text);
// The three extents of a solid envelope "e0,e1-e2"; zeros when the text is empty.
struct Extents {
  double e0 = 0, e1 = 0, e2 = 0;
};
Extents parse_extents(const std::string& text);

std::string format_envelope(double d0, double d1, double d2, double t, double mass);
std::string format_bent_envelope(double d0, double d1, double d2, double t, double mass);
std::string format_extents(double d0, double d1, double d2);

// The stock specification for a stock type text and an envelope text; "" for an empty
// stock type, or one whose type part is empty.
std::string stock_specification(const std::string& stockType, const std::string& envelope);
// "Q235" for the steel stock types, else the type text itself.
std::string material_for(const std::string& stockType);

// The remark for a drawing number and stock type. `solid` is the unbent body's envelope
// and `flat` the measured (for bent parts: unfolded) envelope. Sets `unfoldFailed` when a
// bent plate's flat blank came out the size of the bent body.
std::string remark_for(const std::string& partNo, const std::string& stockType, const Extents& solid,
                       const Envelope& flat, bool& unfoldFailed);

}  // namespace kzt
