// Parsing and printing block values in the journal's syntax.
#include "app/journal/values.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <stdexcept>

#include "app/journal/selectors.h"
#include "platform/objects/session.h"
#include "platform/text/gbk.h"

namespace fabdoc::app::journal {
namespace {

using platform::ui::PropertyType;
using platform::ui::PropertyValue;

std::string Joined(const std::vector<Token>& tokens) {
  std::string text;
  for (const auto& t : tokens) text += (text.empty() ? "" : " ") + t.text;
  return text;
}

double Number(const std::string& text) {
  char* end = nullptr;
  errno = 0;
  double v = std::strtod(text.c_str(), &end);
  if (text.empty() || end != text.c_str() + text.size() || errno != 0 || !std::isfinite(v))
    throw std::runtime_error("\"" + text + "\" is not a number");
  return v;
}

int Integer(const std::string& text) {
  int v = 0;
  auto [p, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
  if (text.empty() || ec != std::errc() || p != text.data() + text.size())
    throw std::runtime_error("\"" + text + "\" is not a whole number");
  return v;
}

std::vector<std::string> Commas(const std::string& text) {
  std::vector<std::string> parts;
  std::stringstream in(text);
  for (std::string part; std::getline(in, part, ',');) {
    part.erase(0, part.find_first_not_of(' '));
    part.erase(part.find_last_not_of(' ') + 1);
    parts.push_back(part);
  }
  return parts;
}

std::string Quoted(const std::string& gbk) {
  std::string out = "\"";
  for (char c : platform::text::ToUtf8Lossy(gbk)) {
    if (c == '"' || c == '\\') out += '\\';
    if (c == '\n') out += "\\n";
    else out += c;
  }
  return out + "\"";
}

std::string Num(double v) {
  char text[64];
  std::snprintf(text, sizeof text, "%.10g", v);
  return text;
}

bool Near(double a, double b) { return std::fabs(a - b) <= 1e-9 * std::max(1.0, std::fabs(b)); }

}  // namespace

PropertyValue ParseValue(const platform::ui::Property& property, const std::vector<Token>& tokens) {
  const std::string text = Joined(tokens);
  const bool single = tokens.size() == 1;
  switch (property.type) {
    case PropertyType::Logical:
      if (single && text == "true") return true;
      if (single && text == "false") return false;
      throw std::runtime_error("expected true or false, not " + text);
    case PropertyType::Integer:
      return Integer(text);
    case PropertyType::Enum: {
      if (single && !tokens[0].quoted) return Integer(text);
      const std::string gbk = platform::text::ToGbk(text);
      for (size_t i = 0; i < property.members.size(); ++i)
        if (property.members[i] == gbk) return static_cast<int>(i);
      throw std::runtime_error("the enumeration has no member \"" + text + "\"");
    }
    case PropertyType::Double:
      return Number(text);
    case PropertyType::String:
      if (!single || !tokens[0].quoted) throw std::runtime_error("text values go in double quotes");
      return platform::text::ToGbk(text);
    case PropertyType::Strings: {
      std::vector<std::string> values;
      for (const auto& t : tokens) values.push_back(platform::text::ToGbk(t.text));
      return values;
    }
    case PropertyType::Point:
    case PropertyType::Vector: {
      auto parts = Commas(text);
      if (parts.size() != 3) throw std::runtime_error("expected x,y,z, not " + text);
      return platform::ui::Vec3{Number(parts[0]), Number(parts[1]), Number(parts[2])};
    }
    case PropertyType::Integers: {
      std::vector<int> values;
      for (const auto& part : Commas(text)) values.push_back(Integer(part));
      return values;
    }
    case PropertyType::Objects: {
      std::vector<platform::Tag> tags;
      if (single && text == "none") return tags;
      for (const auto& t : tokens)
        for (platform::Tag tag : ResolveSelector(t.text)) tags.push_back(tag);
      return tags;
    }
  }
  throw std::runtime_error("unknown property type");
}

std::string FormatValue(const platform::ui::Property& property) {
  const PropertyValue& v = property.value;
  switch (property.type) {
    case PropertyType::Logical: return std::get<bool>(v) ? "true" : "false";
    case PropertyType::Integer: return std::to_string(std::get<int>(v));
    case PropertyType::Enum: {
      const int i = std::get<int>(v);
      std::string text = std::to_string(i);
      if (i >= 0 && i < static_cast<int>(property.members.size())) text += " " + Quoted(property.members[i]);
      return text;
    }
    case PropertyType::Double: return Num(std::get<double>(v));
    case PropertyType::String: return Quoted(std::get<std::string>(v));
    case PropertyType::Strings: {
      std::string text;
      for (const auto& s : std::get<std::vector<std::string>>(v)) text += (text.empty() ? "" : " ") + Quoted(s);
      return text;
    }
    case PropertyType::Point:
    case PropertyType::Vector: {
      const auto& p = std::get<platform::ui::Vec3>(v);
      return Num(p[0]) + "," + Num(p[1]) + "," + Num(p[2]);
    }
    case PropertyType::Integers: {
      std::string text;
      for (int i : std::get<std::vector<int>>(v)) text += (text.empty() ? "" : ",") + std::to_string(i);
      return text;
    }
    case PropertyType::Objects: {
      std::string text;
      for (platform::Tag tag : std::get<std::vector<platform::Tag>>(v)) {
        platform::Object* object = platform::Session::Get().Find(tag);
        text += text.empty() ? "[" : ", ";
        text += object ? Quoted(platform::Session::Get().NameOf(*object)) : std::string("(deleted)");
        text += " (tag " + std::to_string(tag) + ")";
      }
      return text.empty() ? "[]" : text + "]";
    }
  }
  return "?";
}

bool SameValue(const platform::ui::Property& property, const PropertyValue& expected) {
  if (property.type == PropertyType::Double) return Near(std::get<double>(property.value), std::get<double>(expected));
  if (property.type == PropertyType::Point || property.type == PropertyType::Vector) {
    const auto& a = std::get<platform::ui::Vec3>(property.value);
    const auto& b = std::get<platform::ui::Vec3>(expected);
    return Near(a[0], b[0]) && Near(a[1], b[1]) && Near(a[2], b[2]);
  }
  return property.value == expected;
}

}  // namespace fabdoc::app::journal
