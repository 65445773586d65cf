#include "platform/workbook/xml_part.h"

#include <cctype>
#include <sstream>

#include "platform/workbook/workbook_error.h"

namespace platform::workbook {

void ParsePart(pugi::xml_document& document, const std::string& xml, const std::string& part) {
  const pugi::xml_parse_result result =
      document.load_buffer(xml.data(), xml.size(), pugi::parse_default | pugi::parse_declaration | pugi::parse_ws_pcdata_single);
  if (!result)
    throw WorkbookError(WorkbookProblem::NotAWorkbook,
                        "part " + part + " is not readable XML (" + result.description() + " at byte " +
                            std::to_string(result.offset) + ")");
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
