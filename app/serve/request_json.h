// The JSON of a request, read with limits: what a page sends is a small object, so deep
// nesting and texts a journal line cannot hold are refused before anything is built.
#pragma once
#include <string>

#include <nlohmann/json.hpp>

namespace fabdoc::app::serve {

// The content type of every JSON answer.
constexpr const char* kJson = "application/json; charset=utf-8";

// Nesting deeper than this is refused; the API's deepest request is two levels.
constexpr int kMaxRequestDepth = 64;

// The parsed body; throws std::invalid_argument saying what is wrong (not JSON, nested
// deeper than kMaxRequestDepth, a text holding a carriage return or NUL).
nlohmann::json ParseRequestJson(const std::string& text);

// A value as an error message quotes it: its JSON, cut short after a few dozen characters.
std::string Brief(const nlohmann::json& value);

}  // namespace fabdoc::app::serve
