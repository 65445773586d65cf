// A journal: the lines of a `fabdoc run` script, parsed into a tree by indentation
// (docs/journal.md). Parsing checks every line before anything runs.
#pragma once
#include <stdexcept>
#include <string>
#include <vector>

namespace fabdoc::app::journal {

struct Token {
  std::string text;     // UTF-8, quotes removed and escapes resolved
  bool quoted = false;
};

struct Line {
  int number = 0;
  int indent = 0;
  std::string command;          // "open", "save as", "expect message", "set", ...
  std::vector<Token> args;
  std::vector<Line> children;   // the lines indented under this one
};

struct Journal {
  std::string path;    // as given, for messages
  std::string folder;  // relative paths in the journal are taken from here
  std::vector<Line> lines;
};

// A failing journal line: what() is "JOURNAL:LINE: message".
class JournalError : public std::runtime_error {
public:
  JournalError(const std::string& journal, int line, const std::string& message)
      : std::runtime_error(journal + ":" + std::to_string(line) + ": " + message), line_(line) {}
  int LineNumber() const { return line_; }

private:
  int line_;
};

Journal ParseJournal(const std::string& text, const std::string& path, const std::string& folder);
// Reads and parses a journal file; throws JournalError (line 0) when it cannot be read.
Journal ReadJournal(const std::string& path);

// The line as a journal holds it, indented by two spaces per level; reading it back gives
// the same command and arguments.
std::string FormatLine(const Line& line, int depth);

// True for the commands that drive an open dialog (set, select, press, print, expect,
// apply, ok, cancel).
bool IsDialogCommand(const std::string& command);

}  // namespace fabdoc::app::journal
