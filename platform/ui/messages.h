// Where the host's messages go when it runs headless. Every text here is host text
// (GBK) and is printed as UTF-8:
//   uc1601 message box     stdout  "message: <text>"
//   error box (NXMessageBox)stdout "error box: <title>: <text>"
//   listing window         stdout  "listing: <line>"   (one per completed line)
//   status line            stderr  "status: <text>"
//   system log             stderr  "syslog: <line>"
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace platform::ui {

struct ShownMessage {
  std::string kind;  // "message", "error box", "listing", "status", "syslog"
  std::string text;  // UTF-8
};

void ShowMessage(std::string_view gbkText);
void ShowErrorBox(std::string_view gbkTitle, std::string_view gbkText);
void WriteListing(std::string_view gbkText);
void SetStatus(std::string_view gbkText);
void WriteSyslog(std::string_view gbkText);

// Everything shown so far in this session, oldest first (for journals' expect lines).
const std::vector<ShownMessage>& History();
void ClearHistory();

}  // namespace platform::ui
