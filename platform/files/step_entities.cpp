#include "platform/files/step_entities.h"

#include <algorithm>
#include <cctype>

namespace platform::files {

namespace {

bool IsSpace(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }
bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }
bool IsNameChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '-'; }

std::string Trimmed(const std::string& s) {
  const auto first = std::find_if_not(s.begin(), s.end(), IsSpace);
  const auto last = std::find_if_not(s.rbegin(), s.rend(), IsSpace).base();
  return first < last ? std::string(first, last) : std::string();
}

// Entity numbers longer than this are not numbers any file uses.
constexpr size_t kMaxIdDigits = 15;

// Where "#digits =" begins in `s`, or npos.
size_t EntityStart(const std::string& s) {
  for (size_t at = s.find('#'); at != std::string::npos; at = s.find('#', at + 1)) {
    size_t i = at + 1;
    while (i < s.size() && IsDigit(s[i])) ++i;
    if (i == at + 1 || i - at - 1 > kMaxIdDigits) continue;
    while (i < s.size() && IsSpace(s[i])) ++i;
    if (i < s.size() && s[i] == '=') return at;
  }
  return std::string::npos;
}

// Types, references and soundness of the part after '='.
void ReadBody(const std::string& body, StepEntity& entity) {
  const bool complex = !body.empty() && body[0] == '(';
  if (body.empty() || (!complex && !std::isalpha(static_cast<unsigned char>(body[0])))) {
    entity.fault = "no entity type after '='";
    return;
  }
  const int attributeDepth = complex ? 2 : 1;
  int depth = 0;
  bool closed = false;  // the entity's own parameter list has ended
  std::string name;
  for (size_t i = 0; i < body.size(); ++i) {
    const char c = body[i];
    if (closed && !IsSpace(c)) {
      entity.fault = "text after the end of the entity";
      return;
    }
    if (c == '\'') {
      const size_t end = body.find('\'', i + 1);
      if (end == std::string::npos) {
        entity.fault = "a string that is never closed";
        return;
      }
      // '' inside a string is a quote: the scan resumes after the pair.
      i = end;
      while (i + 1 < body.size() && body[i + 1] == '\'') {
        const size_t next = body.find('\'', i + 2);
        if (next == std::string::npos) {
          entity.fault = "a string that is never closed";
          return;
        }
        i = next;
      }
      continue;
    }
    if (IsNameChar(c) && (depth == 0 || (complex && depth == 1))) {
      name += c;
      continue;
    }
    if (c == '(') {
      if (!name.empty()) entity.types.push_back(name);
      name.clear();
      ++depth;
    } else if (c == ')') {
      if (--depth < 0) {
        entity.fault = "a ')' without its '('";
        return;
      }
      if (depth == 0) closed = true;
    } else if (c == '#' && i + 1 < body.size() && IsDigit(body[i + 1])) {
      size_t end = i + 1;
      while (end < body.size() && IsDigit(body[end])) ++end;
      if (end - i - 1 > kMaxIdDigits) {
        entity.fault = "a reference number too long to be one";
        return;
      }
      entity.references.push_back({std::stol(body.substr(i + 1, end - i - 1)), depth > attributeDepth});
      i = end - 1;
    }
  }
  if (depth != 0) entity.fault = "a '(' that is never closed";
  else if (entity.types.empty()) entity.fault = "no entity type";
}

// The beginning of some text, on one line, to quote in a message.
std::string Excerpt(const std::string& text) {
  std::string out = text.substr(0, 40);
  for (char& c : out)
    if (c == '\n' || c == '\r' || c == '\t') c = ' ';
  return out;
}

}  // namespace

bool StepEntities::IsA(long id, const char* type) const {
  const auto it = byId.find(id);
  return it != byId.end() && std::find(it->second.types.begin(), it->second.types.end(), type) != it->second.types.end();
}

std::vector<std::string> StepEntities::Strings(long id) const {
  std::vector<std::string> strings;
  const auto it = byId.find(id);
  if (it == byId.end()) return strings;
  const std::string& s = it->second.statement;
  for (size_t i = s.find('='); i < s.size(); ++i) {
    if (s[i] != '\'') continue;
    std::string value;
    for (++i; i < s.size(); ++i) {
      if (s[i] != '\'') {
        value += s[i];
      } else if (i + 1 < s.size() && s[i + 1] == '\'') {
        value += '\'';
        ++i;
      } else {
        break;
      }
    }
    strings.push_back(value);
  }
  return strings;
}

std::vector<std::vector<std::string>> StepParameters(const std::string& statement) {
  std::vector<std::vector<std::string>> parts;
  const size_t equals = statement.find('=');
  if (equals == std::string::npos) return parts;
  const std::string body = Trimmed(statement.substr(equals + 1));
  const int listDepth = !body.empty() && body[0] == '(' ? 2 : 1;  // depth of the attributes
  int depth = 0;
  std::string value;
  for (size_t i = 0; i < body.size(); ++i) {
    const char c = body[i];
    if (c == '\'') {  // strings are copied whole, '' included
      size_t end = i;
      do end = body.find('\'', end + 1);
      while (end != std::string::npos && end + 1 < body.size() && body[end + 1] == '\'' && ++end);
      if (end == std::string::npos) end = body.size() - 1;
      if (depth >= listDepth) value += body.substr(i, end + 1 - i);
      i = end;
      continue;
    }
    if (c == '(') {
      if (++depth == listDepth) {
        parts.emplace_back();
        value.clear();
        continue;
      }
    } else if (c == ')') {
      if (depth-- == listDepth) {
        if (!parts.empty()) parts.back().push_back(Trimmed(value));
        continue;
      }
    } else if (c == ',' && depth == listDepth) {
      if (!parts.empty()) parts.back().push_back(Trimmed(value));
      value.clear();
      continue;
    }
    if (depth >= listDepth) value += c;
  }
  return parts;
}

std::optional<StepEntities> ParseStepEntities(const std::string& text) {
  const size_t headerEnd = text.find("ENDSEC;");
  const size_t data = headerEnd == std::string::npos ? std::string::npos : text.find("DATA;", headerEnd);
  if (data == std::string::npos) return std::nullopt;
  StepEntities result;
  result.head = text.substr(0, data + 5);
  int line = 1 + static_cast<int>(std::count(text.begin(), text.begin() + static_cast<long>(data), '\n'));
  size_t start = data + 5;
  bool inString = false, inComment = false;
  for (size_t i = start; i < text.size(); ++i) {
    const char c = text[i];
    if (inComment) {
      if (c == '*' && i + 1 < text.size() && text[i + 1] == '/') inComment = false, ++i;
      continue;
    }
    if (c == '\'') inString = !inString;
    if (inString || c != ';') {
      if (!inString && c == '/' && i + 1 < text.size() && text[i + 1] == '*') inComment = true;
      continue;
    }
    const std::string raw = text.substr(start, i + 1 - start);
    const std::string statement = Trimmed(raw.substr(0, raw.size() - 1));
    const int firstLine = line + static_cast<int>(std::count(raw.begin(), raw.begin() + static_cast<long>(raw.find_first_not_of(" \t\r\n")), '\n'));
    if (statement == "ENDSEC") {
      result.tail = text.substr(start + raw.find("ENDSEC"));
      return result;
    }
    line += static_cast<int>(std::count(raw.begin(), raw.end(), '\n'));
    start = i + 1;
    const size_t at = EntityStart(statement);
    if (at == std::string::npos) {
      if (!statement.empty())
        result.strays.push_back("line " + std::to_string(firstLine) + ": \"" + Excerpt(statement) + "\"");
      continue;
    }
    StepEntity entity;
    entity.line = firstLine + static_cast<int>(std::count(statement.begin(), statement.begin() + static_cast<long>(at), '\n'));
    size_t digits = at + 1;
    while (digits < statement.size() && IsDigit(statement[digits])) ++digits;
    entity.id = std::stol(statement.substr(at + 1, digits - at - 1));
    entity.statement = statement.substr(at) + ";";
    ReadBody(Trimmed(statement.substr(statement.find('=', digits) + 1)), entity);
    if (at > 0 && !entity.fault) entity.fault = "stray text before the entity";
    if (auto [it, fresh] = result.byId.try_emplace(entity.id, entity); !fresh)
      it->second.fault = "#" + std::to_string(entity.id) + " is defined twice (also on line " +
                         std::to_string(entity.line) + ")";
  }
  // The data never ends: whatever was left is not an entity.
  const std::string rest = Trimmed(text.substr(std::min(start, text.size())));
  if (!rest.empty()) result.strays.push_back("line " + std::to_string(line) + ": \"" + Excerpt(rest) + "\"");
  result.tail = "ENDSEC;\nEND-ISO-10303-21;\n";
  return result;
}

std::vector<long> ReferenceLoop(const StepEntities& entities) {
  enum class Mark { New, Open, Done };
  std::map<long, Mark> marks;
  // Depth first without recursion: a chain of a million references must not exhaust the stack.
  std::vector<std::pair<long, size_t>> path;  // entity, next reference to follow
  for (const auto& [root, unused] : entities.byId) {
    if (marks[root] != Mark::New) continue;
    path.push_back({root, 0});
    marks[root] = Mark::Open;
    while (!path.empty()) {
      auto& [id, next] = path.back();
      const auto& references = entities.byId.at(id).references;
      if (next == references.size()) {
        marks[id] = Mark::Done;
        path.pop_back();
        continue;
      }
      const long to = references[next++].id;
      if (!entities.Has(to)) continue;
      Mark& mark = marks[to];
      if (mark == Mark::Open) {
        std::vector<long> loop;
        auto from = std::find_if(path.begin(), path.end(), [&](const auto& step) { return step.first == to; });
        for (; from != path.end(); ++from) loop.push_back(from->first);
        loop.push_back(to);
        return loop;
      }
      if (mark == Mark::New) {
        mark = Mark::Open;
        path.push_back({to, 0});
      }
    }
  }
  return {};
}

int DefinitionLine(const std::string& text, long id) {
  const std::string label = "#" + std::to_string(id);
  for (size_t at = text.find(label); at != std::string::npos; at = text.find(label, at + 1)) {
    size_t after = at + label.size();
    if (after < text.size() && IsDigit(text[after])) continue;  // #12 in #123
    while (after < text.size() && IsSpace(text[after])) ++after;
    if (after == text.size() || text[after] != '=') continue;
    if (at > 0 && !IsSpace(text[at - 1]) && text[at - 1] != ';') continue;
    return 1 + static_cast<int>(std::count(text.begin(), text.begin() + static_cast<long>(at), '\n'));
  }
  return 0;
}

}  // namespace platform::files
