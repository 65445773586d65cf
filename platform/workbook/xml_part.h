// Reading and writing the workbook's XML parts with one set of options.
#pragma once
#include <string>

#include <pugixml.hpp>

namespace platform::workbook {

// Parses `xml` into `document`; throws WorkbookError(NotAWorkbook) naming `part`.
void ParsePart(pugi::xml_document& document, const std::string& xml, const std::string& part);
std::string PartText(const pugi::xml_document& document);
// Puts `text` into element `t`, preserving spaces at its ends.
void SetTextElement(pugi::xml_node t, const std::string& text);

}  // namespace platform::workbook
