// Helpers shared by STEP import and export.
#include "platform/files/step_support.h"

#include <algorithm>

#include <Message.hxx>
#include <Message_Messenger.hxx>
#include <TCollection_AsciiString.hxx>
#include <XCAFApp_Application.hxx>

#include "platform/base/host_error.h"
#include "platform/text/gbk.h"

namespace platform::files {

namespace {

// Length of the UTF-8 sequence that starts with `lead` (1 for a stray byte).
size_t Utf8Length(unsigned char lead) {
  if (lead >= 0xF0) return 4;
  if (lead >= 0xE0) return 3;
  if (lead >= 0xC0) return 2;
  return 1;
}

}  // namespace

std::string StepTextToHost(std::string_view bytes, bool* replaced) {
  if (!text::IsValidUtf8(bytes)) {
    // Some systems write their own code page; GBK bytes are already host text.
    try {
      text::ToUtf8(bytes);
      return std::string(bytes);
    } catch (const HostError&) {
      if (replaced) *replaced = true;
      return text::ToGbk(text::ToUtf8Lossy(bytes));
    }
  }
  try {
    return text::ToGbk(bytes);
  } catch (const HostError&) {
  }
  // One character at a time, so that only those without a GBK form are lost.
  std::string out;
  for (size_t i = 0; i < bytes.size();) {
    const size_t n = std::min(Utf8Length(static_cast<unsigned char>(bytes[i])), bytes.size() - i);
    try {
      out += text::ToGbk(bytes.substr(i, n));
    } catch (const HostError&) {
      out += '_';
      if (replaced) *replaced = true;
    }
    i += n;
  }
  return out;
}

std::string ExtendedToUtf8(const TCollection_ExtendedString& text) {
  return TCollection_AsciiString(text).ToCString();
}

TCollection_ExtendedString HostToExtended(std::string_view gbk) {
  return TCollection_ExtendedString(text::ToUtf8(gbk).c_str(), true);
}

XcafDocument::XcafDocument() { XCAFApp_Application::GetApplication()->NewDocument("MDTV-XCAF", doc_); }

XcafDocument::~XcafDocument() {
  if (!doc_.IsNull()) XCAFApp_Application::GetApplication()->Close(doc_);
}

QuietTranslator::QuietTranslator() {
  saved_ = Message::DefaultMessenger()->Printers();
  Message::DefaultMessenger()->ChangePrinters().Clear();
}

QuietTranslator::~QuietTranslator() { Message::DefaultMessenger()->ChangePrinters() = saved_; }

}  // namespace platform::files
