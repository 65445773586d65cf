// Helpers shared by STEP import and export.
#include "platform/files/step_support.h"

#include <algorithm>
#include <optional>
#include <utility>

#include <Message.hxx>
#include <Message_Messenger.hxx>
#include <TCollection_AsciiString.hxx>
#include <STEPCAFControl_Controller.hxx>
#include <STEPControl_Controller.hxx>
#include <XCAFApp_Application.hxx>
#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

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

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// The code point of the UTF-8 sequence at `at` and its length; nothing for a bad one.
std::optional<std::pair<char32_t, size_t>> DecodeUtf8(std::string_view s, size_t at) {
  const auto lead = static_cast<unsigned char>(s[at]);
  const size_t n = Utf8Length(lead);
  if (n == 1 || lead >= 0xF8 || at + n > s.size()) return std::nullopt;
  char32_t c = lead & (0x7F >> n);
  for (size_t i = 1; i < n; ++i) {
    const auto next = static_cast<unsigned char>(s[at + i]);
    if ((next & 0xC0) != 0x80) return std::nullopt;
    c = (c << 6) | (next & 0x3F);
  }
  return std::make_pair(c, n);
}

std::string Hex(unsigned value, int digits) {
  static const char* kDigits = "0123456789ABCDEF";
  std::string out(static_cast<size_t>(digits), '0');
  for (int i = digits - 1; i >= 0; --i, value >>= 4) out[static_cast<size_t>(i)] = kDigits[value & 0xF];
  return out;
}

// Reads `digits` hex digits at `at`; nothing when they are not all there.
std::optional<char32_t> ReadHex(std::string_view s, size_t at, size_t digits) {
  if (at + digits > s.size()) return std::nullopt;
  char32_t value = 0;
  for (size_t i = 0; i < digits; ++i) {
    const char c = s[at + i];
    const int d = c >= '0' && c <= '9' ? c - '0' : c >= 'A' && c <= 'F' ? c - 'A' + 10 : c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
    if (d < 0) return std::nullopt;
    value = value * 16 + static_cast<char32_t>(d);
  }
  return value;
}

}  // namespace

std::string EscapeNonAscii(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  size_t openDigits = 0;  // hex digits per character of the escape now open; 0 for none
  auto close = [&] {
    if (openDigits) out += "\\X0\\";
    openDigits = 0;
  };
  for (size_t i = 0; i < utf8.size();) {
    if (static_cast<unsigned char>(utf8[i]) < 0x80) {
      close();
      out += utf8[i++];
      continue;
    }
    const auto decoded = DecodeUtf8(utf8, i);
    if (!decoded) {
      close();
      out += "\\X\\" + Hex(static_cast<unsigned char>(utf8[i++]), 2);
      continue;
    }
    const size_t digits = decoded->first > 0xFFFF ? 8 : 4;
    if (openDigits != digits) {
      close();
      out += digits == 8 ? "\\X4\\" : "\\X2\\";
      openDigits = digits;
    }
    out += Hex(static_cast<unsigned>(decoded->first), static_cast<int>(digits));
    i += decoded->second;
  }
  close();
  return out;
}

std::string UnescapeStepString(std::string_view s) {
  std::string out;
  for (size_t i = 0; i < s.size();) {
    if (s[i] == '\'' && i + 1 < s.size() && s[i + 1] == '\'') {
      out += '\'';
      i += 2;
      continue;
    }
    if (s[i] != '\\') {
      out += s[i++];
      continue;
    }
    const std::string_view rest = s.substr(i);
    if (rest.starts_with("\\\\")) {
      out += '\\';
      i += 2;
    } else if (rest.starts_with("\\S\\") && rest.size() > 3) {
      AppendUtf8(out, static_cast<char32_t>(static_cast<unsigned char>(rest[3]) + 0x80));
      i += 4;
    } else if (rest.size() > 3 && rest[1] == 'P' && rest[3] == '\\') {
      i += 4;
    } else if (rest.starts_with("\\X\\") && ReadHex(rest, 3, 2)) {
      AppendUtf8(out, *ReadHex(rest, 3, 2));
      i += 5;
    } else if (rest.starts_with("\\X2\\") || rest.starts_with("\\X4\\")) {
      const size_t digits = rest[2] == '2' ? 4 : 8;
      size_t at = 4;
      while (auto c = ReadHex(rest, at, digits)) {
        AppendUtf8(out, *c);
        at += digits;
      }
      if (rest.substr(at).starts_with("\\X0\\")) at += 4;
      i += at;
    } else {
      out += s[i++];
    }
  }
  return out;
}

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

void SetUpTranslators() {
  static const bool done = [] {
    // OCCT keeps the translators' parameters, editors and drivers in tables it never
    // frees; the leak checker looks away while they are made, and only then.
#if defined(__SANITIZE_ADDRESS__)
    __lsan::ScopedDisabler leaksOfTheTables;
#endif
    STEPControl_Controller::Init();
    STEPCAFControl_Controller::Init();
    XCAFApp_Application::GetApplication();
    return true;
  }();
  (void)done;
}

XcafDocument::XcafDocument() {
  SetUpTranslators();
  XCAFApp_Application::GetApplication()->NewDocument("MDTV-XCAF", doc_);
}

XcafDocument::~XcafDocument() {
  if (doc_.IsNull()) return;
  // Layer and assembly links hold each other (father and child); forgetting the
  // attributes unlinks them, so the document's memory goes with it.
  doc_->Main().Root().ForgetAllAttributes(Standard_True);
  XCAFApp_Application::GetApplication()->Close(doc_);
}

QuietTranslator::QuietTranslator() {
  SetUpTranslators();
  saved_ = Message::DefaultMessenger()->Printers();
  Message::DefaultMessenger()->ChangePrinters().Clear();
}

QuietTranslator::~QuietTranslator() { Message::DefaultMessenger()->ChangePrinters() = saved_; }

}  // namespace platform::files
