#include "platform/ui/messages.h"

#include <cstdio>

#include "platform/text/gbk.h"

namespace platform::ui {
namespace {

std::vector<ShownMessage>& Log() {
  static std::vector<ShownMessage> log;
  return log;
}

// Pieces written to the listing window or the log wait until their line is complete.
std::string& PendingLine(const char* kind) {
  static std::string listing, syslog;
  return std::string_view(kind) == "listing" ? listing : syslog;
}

void Emit(FILE* stream, const char* kind, const std::string& utf8) {
  std::fprintf(stream, "%s: %s\n", kind, utf8.c_str());
  std::fflush(stream);
  Log().push_back({kind, utf8});
}

void EmitLines(FILE* stream, const char* kind, std::string_view gbkText) {
  std::string& pending = PendingLine(kind);
  pending += text::ToUtf8Lossy(gbkText);
  size_t nl;
  while ((nl = pending.find('\n')) != std::string::npos) {
    Emit(stream, kind, pending.substr(0, nl));
    pending.erase(0, nl + 1);
  }
}

}  // namespace

void ShowMessage(std::string_view gbkText) { Emit(stdout, "message", text::ToUtf8Lossy(gbkText)); }

void ShowErrorBox(std::string_view gbkTitle, std::string_view gbkText) {
  Emit(stdout, "error box", text::ToUtf8Lossy(gbkTitle) + ": " + text::ToUtf8Lossy(gbkText));
}

void WriteListing(std::string_view gbkText) { EmitLines(stdout, "listing", gbkText); }
void SetStatus(std::string_view gbkText) { Emit(stderr, "status", text::ToUtf8Lossy(gbkText)); }
void WriteSyslog(std::string_view gbkText) { EmitLines(stderr, "syslog", gbkText); }

const std::vector<ShownMessage>& History() { return Log(); }
void ClearHistory() { Log().clear(); }

}  // namespace platform::ui
