// Journal parsing: comments, indentation, quoting, and each command's arguments.
#include "app/journal/journal.h"

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "platform/text/gbk.h"

namespace fabdoc::app::journal {
namespace {

struct Rule {
  int minArgs, maxArgs;  // -1: any number
  bool mayHaveChildren;
};

// Commands of two words come first so that "save as" is not read as "save".
const std::map<std::string, Rule>& Rules() {
  static const std::map<std::string, Rule> rules = {
      {"open", {1, 1, false}},  {"new", {1, 1, false}},     {"save", {0, 0, false}},
      {"save all", {0, 0, false}}, {"save as", {1, 1, false}}, {"close all", {0, 0, false}},
      {"display", {1, 1, false}}, {"action", {1, 1, true}},  {"set", {2, -1, true}},
      {"select", {2, -1, true}}, {"press", {1, 1, true}},    {"print", {1, 1, false}},
      {"expect", {2, -1, false}}, {"expect message", {1, 1, false}}, {"apply", {0, 0, true}},
      {"ok", {0, 0, true}},      {"cancel", {0, 0, true}},   {"pick", {1, -1, false}},
      {"menu", {2, 3, true}},    {"dimension", {0, -1, false}},
  };
  return rules;
}

std::vector<Token> Tokenize(const std::string& text, const std::string& path, int number) {
  std::vector<Token> tokens;
  size_t i = 0;
  while (i < text.size()) {
    if (text[i] == ' ') {
      ++i;
      continue;
    }
    Token token;
    if (text[i] == '"') {
      token.quoted = true;
      ++i;
      bool closed = false;
      while (i < text.size()) {
        char c = text[i++];
        if (c == '"') {
          closed = true;
          break;
        }
        if (c == '\\' && i < text.size()) {
          char e = text[i++];
          token.text += e == 'n' ? '\n' : e == 't' ? '\t' : e;
        } else {
          token.text += c;
        }
      }
      if (!closed) throw JournalError(path, number, "unterminated \"text\"");
      if (i < text.size() && text[i] != ' ')
        throw JournalError(path, number, "a quoted text must be followed by a space");
    } else {
      while (i < text.size() && text[i] != ' ') token.text += text[i++];
    }
    tokens.push_back(token);
  }
  return tokens;
}

}  // namespace

bool IsDialogCommand(const std::string& command) {
  return command == "set" || command == "select" || command == "press" || command == "print" ||
         command == "menu" ||
         command == "expect" || command == "apply" || command == "ok" || command == "cancel";
}

Journal ParseJournal(const std::string& text, const std::string& path, const std::string& folder) {
  Journal journal{path, folder, {}};
  // Open lines by indentation: each entry is (indent, the list new siblings join).
  std::vector<std::pair<int, std::vector<Line>*>> open = {{-1, &journal.lines}};
  std::istringstream in(text);
  std::string raw;
  for (int number = 1; std::getline(in, raw); ++number) {
    if (!raw.empty() && raw.back() == '\r') raw.pop_back();
    // Only as a line end: elsewhere it would be lost when the line is written again.
    if (raw.find('\r') != std::string::npos) throw JournalError(path, number, "a carriage return inside the line");
    if (!platform::text::IsValidUtf8(raw)) throw JournalError(path, number, "the line is not UTF-8 text");
    size_t indent = raw.find_first_not_of(' ');
    if (indent == std::string::npos || raw[indent] == '#') continue;
    if (raw[indent] == '\t') throw JournalError(path, number, "indent with spaces, not tabs");

    std::vector<Token> tokens = Tokenize(raw.substr(indent), path, number);
    Line line;
    line.number = number;
    line.indent = static_cast<int>(indent);
    line.command = tokens[0].quoted ? "\"" + tokens[0].text + "\"" : tokens[0].text;
    size_t first = 1;
    if (tokens.size() > 1 && !tokens[1].quoted &&
        Rules().count(line.command + " " + tokens[1].text)) {
      line.command += " " + tokens[1].text;
      first = 2;
    }
    auto rule = Rules().find(line.command);
    if (rule == Rules().end()) throw JournalError(path, number, "unknown command \"" + line.command + "\"");
    line.args.assign(tokens.begin() + first, tokens.end());
    const int n = static_cast<int>(line.args.size());
    if (n < rule->second.minArgs || (rule->second.maxArgs >= 0 && n > rule->second.maxArgs))
      throw JournalError(path, number, "\"" + line.command + "\" takes " +
                                           (rule->second.maxArgs == rule->second.minArgs
                                                ? std::to_string(rule->second.minArgs)
                                                : "at least " + std::to_string(rule->second.minArgs)) +
                                           " argument(s), not " + std::to_string(n));

    while (line.indent <= open.back().first) open.pop_back();
    std::vector<Line>& siblings = *open.back().second;
    if (!siblings.empty() && siblings.back().indent != line.indent)
      throw JournalError(path, number, "the indentation matches no enclosing line");
    if (open.size() > 1) {
      // open[open.size() - 2] holds the parent line as its last entry.
      const Line& parent = open[open.size() - 2].second->back();
      if (!Rules().at(parent.command).mayHaveChildren)
        throw JournalError(path, number, "\"" + parent.command + "\" (line " + std::to_string(parent.number) +
                                             ") takes no indented lines");
    }
    siblings.push_back(std::move(line));
    open.push_back({siblings.back().indent, &siblings.back().children});
  }
  return journal;
}

std::string FormatLine(const Line& line, int depth) {
  std::string text(2 * depth, ' ');
  text += line.command;
  for (const Token& token : line.args) {
    text += ' ';
    if (!token.quoted) {
      text += token.text;
      continue;
    }
    text += '"';
    for (char c : token.text) {
      if (c == '\n') text += "\\n";
      else if (c == '\t') text += "\\t";
      else if (c == '"' || c == '\\') text += std::string("\\") + c;
      else text += c;
    }
    text += '"';
  }
  return text;
}

Journal ReadJournal(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw JournalError(path, 0, "cannot read the journal");
  std::ostringstream text;
  text << in.rdbuf();
  namespace fs = std::filesystem;
  std::string folder = fs::absolute(fs::path(path)).parent_path().string();
  return ParseJournal(text.str(), path, folder);
}

}  // namespace fabdoc::app::journal
