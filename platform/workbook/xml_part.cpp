#include "platform/workbook/xml_part.h"

#include <algorithm>
#include <cctype>
#include <sstream>
#include <string_view>
#include <vector>

#include "platform/workbook/workbook_error.h"

namespace platform::workbook {

namespace {

// Where `text` stops being UTF-8 made of characters XML allows, or npos. Surrogates,
// overlong forms and control characters other than tab, line feed and carriage return
// are not allowed.
std::size_t FirstNonXmlCharacter(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    std::size_t length = 0;
    char32_t c = 0;
    if (lead < 0x80) length = 1, c = lead;
    else if (lead >= 0xC2 && lead <= 0xDF) length = 2, c = lead & 0x1F;
    else if (lead >= 0xE0 && lead <= 0xEF) length = 3, c = lead & 0x0F;
    else if (lead >= 0xF0 && lead <= 0xF4) length = 4, c = lead & 0x07;
    else return i;
    if (i + length > text.size()) return i;
    for (std::size_t k = 1; k < length; ++k) {
      if ((byte(i + k) & 0xC0) != 0x80) return i;
      c = (c << 6) | (byte(i + k) & 0x3F);
    }
    const bool shortest = length == 1 || (length == 2 && c >= 0x80) || (length == 3 && c >= 0x800) ||
                          (length == 4 && c >= 0x10000 && c <= 0x10FFFF);
    const bool allowed = c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) ||
                         (c >= 0xE000 && c <= 0xFFFD) || c >= 0x10000;
    if (!shortest || !allowed) return i;
    i += length;
  }
  return std::string_view::npos;
}

std::string_view PrefixOf(std::string_view name) {
  const auto colon = name.find(':');
  return colon == std::string_view::npos ? std::string_view() : name.substr(0, colon);
}

// What an XML reader refuses and pugixml lets through: characters XML does not allow
// (also as references, "&#xD800;"), a prefix no enclosing element declares, an
// attribute given twice. Empty when there is none.
std::string WellFormednessFault(const pugi::xml_document& document) {
  std::vector<std::string_view> declared{"xml", "xmlns"};
  struct Frame {
    pugi::xml_node node;
    std::size_t declaredBefore;
  };
  std::vector<Frame> stack;
  for (pugi::xml_node child = document.first_child(); child; child = child.next_sibling())
    stack.push_back({child, declared.size()});
  auto inScope = [&](std::string_view prefix) {
    return prefix.empty() || std::find(declared.rbegin(), declared.rend(), prefix) != declared.rend();
  };
  while (!stack.empty()) {
    const Frame frame = stack.back();
    stack.pop_back();
    declared.resize(frame.declaredBefore);
    const pugi::xml_node node = frame.node;
    if (FirstNonXmlCharacter(node.value()) != std::string_view::npos) return "a character XML does not allow";
    if (node.type() != pugi::node_element) continue;
    std::vector<std::string_view> names;
    for (pugi::xml_attribute a = node.first_attribute(); a; a = a.next_attribute()) {
      const std::string_view name = a.name();
      if (name.starts_with("xmlns:")) declared.push_back(name.substr(6));
      if (FirstNonXmlCharacter(a.value()) != std::string_view::npos) return "a character XML does not allow";
      if (std::find(names.begin(), names.end(), name) != names.end())
        return "attribute " + std::string(name) + " given twice";
      names.push_back(name);
    }
    for (std::string_view name : names)
      if (!inScope(PrefixOf(name))) return "undeclared prefix in " + std::string(name);
    if (!inScope(PrefixOf(node.name()))) return "undeclared prefix in " + std::string(node.name());
    // Children in reverse, so that they come off the stack in order under this scope.
    for (pugi::xml_node child = node.last_child(); child; child = child.previous_sibling())
      stack.push_back({child, declared.size()});
  }
  return {};
}

}  // namespace

void ParsePart(pugi::xml_document& document, const std::string& xml, const std::string& part) {
  auto refuse = [&](const std::string& why) {
    throw WorkbookError(WorkbookProblem::NotAWorkbook, "part " + part + " is not readable XML (" + why + ")");
  };
  std::string_view bytes(xml);
  if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
  if (const auto at = FirstNonXmlCharacter(bytes); at != std::string_view::npos)
    refuse("not UTF-8 text, or a character XML does not allow, at byte " + std::to_string(at + xml.size() - bytes.size()));
  const pugi::xml_parse_result result =
      document.load_buffer(xml.data(), xml.size(), pugi::parse_default | pugi::parse_declaration | pugi::parse_ws_pcdata_single);
  if (!result) refuse(std::string(result.description()) + " at byte " + std::to_string(result.offset));
  if (std::string fault = WellFormednessFault(document); !fault.empty()) refuse(fault);
}

std::string PartText(const pugi::xml_document& document) {
  std::ostringstream out;
  document.save(out, "", pugi::format_raw, pugi::encoding_utf8);
  return out.str();
}

void SetTextElement(pugi::xml_node t, const std::string& text) {
  t.remove_children();
  t.remove_attribute("xml:space");
  const bool edgeSpace = !text.empty() && (std::isspace(static_cast<unsigned char>(text.front())) ||
                                           std::isspace(static_cast<unsigned char>(text.back())));
  if (edgeSpace) t.append_attribute("xml:space") = "preserve";
  t.text().set(text.c_str());
}

}  // namespace platform::workbook
