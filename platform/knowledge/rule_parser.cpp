#include "platform/knowledge/rule_parser.h"

#include <cctype>
#include <charconv>
#include <strings.h>

namespace platform::knowledge {

namespace {

// Deeper lists or calls than this are refused rather than risking the stack.
constexpr int kMaxNesting = 64;

bool IsNameStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
bool IsNameChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }
bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

class Parser {
public:
  explicit Parser(std::string_view text) : text_(text) {}

  Expression Whole() {
    Expression e = Any(0);
    SkipSpace();
    if (at_ < text_.size()) Fail("unexpected \"" + std::string(1, text_[at_]) + "\" after the value");
    return e;
  }

private:
  [[noreturn]] void Fail(const std::string& what) const { throw SyntaxError(at_ + 1, what); }

  void SkipSpace() {
    while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\t' || text_[at_] == '\r' || text_[at_] == '\n'))
      ++at_;
  }

  bool Take(char c) {
    SkipSpace();
    if (at_ < text_.size() && text_[at_] == c) {
      ++at_;
      return true;
    }
    return false;
  }

  Expression Any(int depth) {
    if (depth > kMaxNesting) Fail("lists or calls nested deeper than " + std::to_string(kMaxNesting));
    SkipSpace();
    if (at_ == text_.size()) Fail("a value is missing");
    const char c = text_[at_];
    if (c == '"') return Literal(String());
    if (IsDigit(c) || c == '-' || c == '+') return Literal(Number());
    if (c == '{') {
      ++at_;
      Expression list;
      list.kind = Expression::Kind::List;
      list.items = Items('}', depth);
      return list;
    }
    if (IsNameStart(c)) return Word(depth);
    Fail("unexpected \"" + std::string(1, c) + "\"");
  }

  static Expression Literal(Value v) {
    Expression e;
    e.literal = std::move(v);
    return e;
  }

  // Items up to `close`, separated by commas; the opening bracket is already taken.
  std::vector<Expression> Items(char close, int depth) {
    std::vector<Expression> items;
    if (Take(close)) return items;
    while (true) {
      items.push_back(Any(depth + 1));
      if (Take(close)) return items;
      if (!Take(',')) Fail(std::string("expected \",\" or \"") + close + "\"");
    }
  }

  Value String() {
    ++at_;  // the opening quote
    std::string out;
    while (at_ < text_.size()) {
      const char c = text_[at_++];
      if (c == '"') return Value{out};
      // Only a quote or a backslash is escaped; any other backslash is itself, so that
      // Windows paths written without escapes keep their separators.
      if (c == '\\' && at_ < text_.size() && (text_[at_] == '"' || text_[at_] == '\\')) {
        out += text_[at_++];
        continue;
      }
      out += c;
    }
    Fail("the string has no closing quote");
  }

  Value Number() {
    const size_t start = at_;
    if (text_[at_] == '-' || text_[at_] == '+') ++at_;
    if (at_ == text_.size() || !IsDigit(text_[at_])) Fail("a digit must follow the sign");
    bool whole = true;
    while (at_ < text_.size() && IsDigit(text_[at_])) ++at_;
    if (at_ < text_.size() && text_[at_] == '.') {
      whole = false;
      ++at_;
      if (at_ == text_.size() || !IsDigit(text_[at_])) Fail("a digit must follow the decimal point");
      while (at_ < text_.size() && IsDigit(text_[at_])) ++at_;
    }
    if (at_ < text_.size() && (text_[at_] == 'e' || text_[at_] == 'E')) {
      whole = false;
      ++at_;
      if (at_ < text_.size() && (text_[at_] == '-' || text_[at_] == '+')) ++at_;
      if (at_ == text_.size() || !IsDigit(text_[at_])) Fail("a digit must follow the exponent");
      while (at_ < text_.size() && IsDigit(text_[at_])) ++at_;
    }
    if (at_ < text_.size() && IsNameChar(text_[at_])) Fail("a number runs into a name");
    const char* first = text_.data() + start + (text_[start] == '+' ? 1 : 0);
    const char* last = text_.data() + at_;
    if (whole) {
      std::int64_t n = 0;
      if (std::from_chars(first, last, n).ec != std::errc()) Fail("the whole number is too large");
      return Value{n};
    }
    double x = 0;
    if (std::from_chars(first, last, x).ec != std::errc()) Fail("the number is out of range");
    return Value{x};
  }

  Expression Word(int depth) {
    const size_t start = at_;
    while (at_ < text_.size() && IsNameChar(text_[at_])) ++at_;
    std::string word(text_.substr(start, at_ - start));
    if (at_ < text_.size() && text_[at_] == ':') {  // a reference: no space before the colon
      ++at_;
      Expression e;
      e.kind = Expression::Kind::Reference;
      e.name = std::move(word);
      return e;
    }
    if (Take('(')) {
      Expression e;
      e.kind = Expression::Kind::Call;
      e.name = std::move(word);
      e.items = Items(')', depth);
      return e;
    }
    if (strcasecmp(word.c_str(), "true") == 0) return Literal(Value{true});
    if (strcasecmp(word.c_str(), "false") == 0) return Literal(Value{false});
    return Literal(Value{Name{std::move(word)}});
  }

  std::string_view text_;
  size_t at_ = 0;
};

}  // namespace

Expression ParseRule(std::string_view text) { return Parser(text).Whole(); }

}  // namespace platform::knowledge
