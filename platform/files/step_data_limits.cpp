#include "platform/files/step_data_limits.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <string_view>
#include <vector>

namespace platform::files {

std::optional<std::string> UnreadableStepData(const std::string& text, std::size_t limit, std::size_t depth) {
  const size_t data = text.find("DATA;");
  if (data == std::string::npos) return std::nullopt;
  int line = 1;
  for (size_t i = 0; i < data; ++i) line += text[i] == '\n';
  std::vector<std::size_t> values;  // of each list open at this point
  std::string entity;               // "#ID" of the statement being read
  int entityLine = line;
  bool statementStart = true;
  for (size_t i = data + 5; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\n') {
      ++line;
    } else if (c == '\'' || c == '"') {  // a string ('' inside it included) or binary holds no values
      for (++i; i < text.size() && text[i] != c; ++i) line += text[i] == '\n';
    } else if (c == '/' && i + 1 < text.size() && text[i + 1] == '*') {
      for (i += 2; i + 1 < text.size() && !(text[i] == '*' && text[i + 1] == '/'); ++i) line += text[i] == '\n';
      ++i;
    } else if (c == ';') {
      values.clear();
      statementStart = true;
    } else if (c == '#') {
      size_t end = i + 1;
      while (end < text.size() && std::isdigit(static_cast<unsigned char>(text[end]))) ++end;
      if (statementStart) entity = text.substr(i, end - i), entityLine = line;
      statementStart = false;
      i = end - 1;
    } else if (std::isdigit(static_cast<unsigned char>(c)) ||
               ((c == '-' || c == '+' || c == '.') && i + 1 < text.size() &&
                (std::isdigit(static_cast<unsigned char>(text[i + 1])) || text[i + 1] == '.'))) {
      size_t end = i + 1;
      while (end < text.size() && (std::isdigit(static_cast<unsigned char>(text[end])) ||
                                   std::string_view(".Ee+-").find(text[end]) != std::string_view::npos))
        ++end;
      const std::string number = text.substr(i, end - i);
      if (const double value = std::strtod(number.c_str(), nullptr); !(std::fabs(value) <= kLargestStepValue))
        return "line " + std::to_string(entityLine) + ": " + entity + ": the value " + number +
               " is too large for any geometry (its square is not a number)";
      statementStart = false;
      i = end - 1;
    } else if (c == '(') {
      values.push_back(1);
      if (values.size() > depth)
        return "line " + std::to_string(entityLine) + ": " + entity + ": lists nested more than " +
               std::to_string(depth) + " deep, which the import does not read";
    } else if (c == ')') {
      if (!values.empty()) values.pop_back();
    } else if (c == ',' && !values.empty() && ++values.back() > limit) {
      return "line " + std::to_string(entityLine) + ": " + entity + ": a list of more than " + std::to_string(limit) +
             " values, which the import does not read (the translator's time grows with the square of a list's "
             "length)";
    } else if (!std::isspace(static_cast<unsigned char>(c))) {
      statementStart = false;
    }
  }
  return std::nullopt;
}

}  // namespace platform::files
