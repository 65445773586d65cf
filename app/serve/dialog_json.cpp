// Dialog blocks to JSON (host text is GBK, the page's UTF-8) and JSON values to journal tokens.
#include "app/serve/dialog_json.h"

#include <cmath>
#include <cstdio>
#include <stdexcept>

#include "app/serve/request_json.h"
#include "platform/objects/color_table.h"
#include "platform/objects/session.h"
#include "platform/text/gbk.h"

namespace fabdoc::app::serve {
namespace {

using nlohmann::json;
using platform::ui::PropertyType;
using platform::text::ToUtf8Lossy;

json ValueJson(const platform::ui::Property& property) {
  const auto& v = property.value;
  switch (property.type) {
    case PropertyType::Logical: return std::get<bool>(v);
    case PropertyType::Integer:
    case PropertyType::Enum: return std::get<int>(v);
    case PropertyType::Double: return std::get<double>(v);
    case PropertyType::String: return ToUtf8Lossy(std::get<std::string>(v));
    case PropertyType::Strings: {
      json texts = json::array();
      for (const auto& s : std::get<std::vector<std::string>>(v)) texts.push_back(ToUtf8Lossy(s));
      return texts;
    }
    case PropertyType::Point:
    case PropertyType::Vector: return std::get<platform::ui::Vec3>(v);
    case PropertyType::Integers: return std::get<std::vector<int>>(v);
    case PropertyType::Objects: {
      json objects = json::array();
      for (platform::Tag tag : std::get<std::vector<platform::Tag>>(v)) {
        platform::Object* object = platform::Session::Get().Find(tag);
        objects.push_back({{"tag", tag}, {"name", object ? ToUtf8Lossy(platform::Session::Get().NameOf(*object)) : ""}});
      }
      return objects;
    }
  }
  return nullptr;
}

json BlockJson(platform::ui::Block& block) {
  json properties = json::object();
  for (const auto& [name, property] : block.properties) {
    json p = {{"type", platform::ui::PropertyTypeName(property.type)}, {"value", ValueJson(property)}};
    if (!property.members.empty()) {
      json members = json::array();
      for (const auto& m : property.members) members.push_back(ToUtf8Lossy(m));
      p["members"] = members;
    }
    properties[name] = p;
  }
  json children = json::array();
  for (auto& child : block.children) children.push_back(BlockJson(*child));
  json out = {{"id", block.id},
              {"kind", block.kind},
              {"label", ToUtf8Lossy(std::get<std::string>(block.Get("Label").value))},
              {"shown", std::get<bool>(block.Get("Show").value)},
              {"enabled", std::get<bool>(block.Get("Enable").value)},
              {"usable", block.Usable()},
              {"main", block.MainProperty()},
              {"properties", properties},
              {"children", children}};
  if (block.describe) out["tree"] = block.describe();
  if (block.chooseMenuItem) out["menu"] = true;
  // A colour index means little to a person: the page shows the colour and its name.
  if (block.kind == "ObjectColorPicker") {
    json colors = json::array();
    for (int index : std::get<std::vector<int>>(block.Get("Value").value))
      if (index >= 1 && index <= 216)
        colors.push_back({{"index", index}, {"name", platform::ColorName(index)}, {"rgb", platform::ColorRgb(index)}});
    out["colors"] = colors;
  }
  return out;
}

[[noreturn]] void WrongType(const platform::ui::Block& block, const std::string& property,
                            const platform::ui::Property& p, const json& value) {
  throw std::invalid_argument("block \"" + block.id + "\" property \"" + property + "\" takes a " +
                              platform::ui::PropertyTypeName(p.type) + ", not " + Brief(value));
}

std::string Number(double v) {
  char text[40];
  std::snprintf(text, sizeof text, "%.17g", v);
  return text;
}

}  // namespace

json DialogJson(platform::ui::Dialog& dialog) {
  json blocks = json::array();
  for (auto& block : dialog.Top().children) blocks.push_back(BlockJson(*block));
  return {{"file", dialog.FileName()}, {"title", ToUtf8Lossy(dialog.Title())}, {"blocks", blocks}};
}

std::vector<journal::Token> ValueTokens(const platform::ui::Block& block, const std::string& property,
                                        const json& value) {
  const platform::ui::Property& p = block.Get(property);
  switch (p.type) {
    case PropertyType::Logical:
      if (!value.is_boolean()) WrongType(block, property, p, value);
      return {{value.get<bool>() ? "true" : "false", false}};
    case PropertyType::Integer:
      if (!value.is_number_integer()) WrongType(block, property, p, value);
      return {{std::to_string(value.get<long long>()), false}};
    case PropertyType::Enum:
      if (value.is_number_integer()) return {{std::to_string(value.get<long long>()), false}};
      if (value.is_string()) return {{value.get<std::string>(), true}};
      WrongType(block, property, p, value);
    case PropertyType::Double:
      if (!value.is_number() || !std::isfinite(value.get<double>())) WrongType(block, property, p, value);
      return {{Number(value.get<double>()), false}};
    case PropertyType::String:
      if (!value.is_string()) WrongType(block, property, p, value);
      return {{value.get<std::string>(), true}};
    case PropertyType::Strings: {
      if (!value.is_array()) WrongType(block, property, p, value);
      std::vector<journal::Token> tokens;
      for (const auto& item : value) {
        if (!item.is_string()) WrongType(block, property, p, value);
        tokens.push_back({item.get<std::string>(), true});
      }
      return tokens;
    }
    case PropertyType::Point:
    case PropertyType::Vector: {
      if (!value.is_array() || value.size() != 3) WrongType(block, property, p, value);
      std::string text;
      for (const auto& item : value) {
        if (!item.is_number() || !std::isfinite(item.get<double>())) WrongType(block, property, p, value);
        text += (text.empty() ? "" : ",") + Number(item.get<double>());
      }
      return {{text, false}};
    }
    case PropertyType::Integers: {
      if (!value.is_array() || value.empty()) WrongType(block, property, p, value);
      std::string text;
      for (const auto& item : value) {
        if (!item.is_number_integer()) WrongType(block, property, p, value);
        text += (text.empty() ? "" : ",") + std::to_string(item.get<long long>());
      }
      return {{text, false}};
    }
    case PropertyType::Objects:
      throw std::invalid_argument("block \"" + block.id + "\" takes a selection: pick objects for it");
  }
  WrongType(block, property, p, value);
}

}  // namespace fabdoc::app::serve
