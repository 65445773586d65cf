// Texts of this DWG version are bytes in one code page named in the file header.
// Drawings here are Chinese, so the writer uses ANSI_936 (GBK) for every string.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace platform::dwg {

// The file header's number for simplified Chinese. Both independent readers decode
// number 31 as GBK (ANSI_936); one of them reads 39, the number some tables give
// ANSI_936, as a Western code page.
constexpr uint16_t kCodePageChinese = 31;

// UTF-8 to the drawing's code page; throws std::invalid_argument naming `what`
// when the text is not UTF-8 or has a character GBK cannot hold.
std::string ToDrawingCodePage(std::string_view utf8, std::string_view what);

// A text as drawn: the diameter sign ⌀, which GBK lacks, becomes the control code
// %%c that CAD programs draw as ⌀; the rest as ToDrawingCodePage.
std::string ToDrawingText(std::string_view utf8, std::string_view what);

}  // namespace platform::dwg
