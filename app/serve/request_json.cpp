#include "app/serve/request_json.h"

#include <stdexcept>

namespace fabdoc::app::serve {

using nlohmann::json;

namespace {

constexpr size_t kBriefChars = 60;

// The journal refuses a carriage return inside a line, and a NUL would cut a path short.
void CheckText(const std::string& text) {
  if (text.find('\r') != std::string::npos || text.find('\0') != std::string::npos)
    throw std::invalid_argument("the text " + Brief(json(text)) +
                                " holds a carriage return or NUL, which a journal line cannot hold");
}

}  // namespace

json ParseRequestJson(const std::string& text) {
  // The callback sees each container as it opens, before its content is read.
  const json::parser_callback_t limits = [](int depth, json::parse_event_t event, json& parsed) {
    if ((event == json::parse_event_t::object_start || event == json::parse_event_t::array_start) &&
        depth >= kMaxRequestDepth)
      throw std::invalid_argument("the request nests deeper than " + std::to_string(kMaxRequestDepth) +
                                  " levels; nothing was done");
    if ((event == json::parse_event_t::key || event == json::parse_event_t::value) && parsed.is_string())
      CheckText(parsed.get_ref<const std::string&>());
    return true;
  };
  try {
    return json::parse(text, limits);
  } catch (const json::parse_error& e) {
    throw std::invalid_argument(std::string("the request is not JSON: ") + e.what());
  }
}

std::string Brief(const json& value) {
  std::string text = value.dump(-1, ' ', false, json::error_handler_t::replace);
  if (text.size() > kBriefChars) text = text.substr(0, kBriefChars) + "...";
  return text;
}

}  // namespace fabdoc::app::serve
