#include "platform/files/step_list_length.h"

#include <cctype>
#include <vector>

namespace platform::files {

std::optional<std::string> UnreadableStepList(const std::string& text, std::size_t limit, std::size_t depth) {
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
    } else if (c == '\'') {  // a string, '' inside it included, holds no values
      for (++i; i < text.size() && text[i] != '\''; ++i) line += text[i] == '\n';
    } else if (c == '/' && i + 1 < text.size() && text[i + 1] == '*') {
      for (i += 2; i + 1 < text.size() && !(text[i] == '*' && text[i + 1] == '/'); ++i) line += text[i] == '\n';
      ++i;
    } else if (c == ';') {
      values.clear();
      statementStart = true;
    } else if (c == '#' && statementStart) {
      size_t end = i + 1;
      while (end < text.size() && std::isdigit(static_cast<unsigned char>(text[end]))) ++end;
      entity = text.substr(i, end - i);
      entityLine = line;
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
