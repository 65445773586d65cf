// Journal parsing: the line tree built from indentation, and errors that name the line.
#include <gtest/gtest.h>

#include "app/journal/journal.h"

using namespace fabdoc::app::journal;

namespace {

std::string ParseError(const std::string& text) {
  try {
    ParseJournal(text, "j.jnl", "/tmp");
  } catch (const JournalError& e) {
    return e.what();
  }
  return "";
}

}  // namespace

TEST(JournalParse, IndentedLinesBecomeChildrenOfTheLineAbove) {
  const Journal j = ParseJournal(
      "# comment\n"
      "open \"a b.prt\"\n"
      "\n"
      "action attrV2\n"
      "  set blockPartName \"底板 \\\"A\\\"\"\n"
      "  press jicheng\n"
      "    select selection0 body:P1 body:P2\n"
      "    ok\n"
      "  expect message \"警告:\\n底板\"\n"
      "  cancel\n"
      "save as out.prt\n",
      "j.jnl", "/tmp");
  ASSERT_EQ(j.lines.size(), 3u);
  EXPECT_EQ(j.lines[0].command, "open");
  EXPECT_EQ(j.lines[0].args[0].text, "a b.prt");
  const Line& action = j.lines[1];
  EXPECT_EQ(action.number, 4);
  ASSERT_EQ(action.children.size(), 4u);
  EXPECT_EQ(action.children[0].args[1].text, "底板 \"A\"");
  EXPECT_TRUE(action.children[0].args[1].quoted);
  const Line& press = action.children[1];
  EXPECT_EQ(press.command, "press");
  ASSERT_EQ(press.children.size(), 2u);
  EXPECT_EQ(press.children[0].args.size(), 3u);
  EXPECT_EQ(press.children[1].command, "ok");
  EXPECT_EQ(press.children[1].number, 8);
  EXPECT_EQ(action.children[2].command, "expect message");
  EXPECT_EQ(action.children[2].args[0].text, "警告:\n底板");
  EXPECT_EQ(action.children[3].command, "cancel") << "back one level after the nested lines";
  EXPECT_EQ(j.lines[2].command, "save as");
  EXPECT_EQ(j.lines[2].args[0].text, "out.prt");
}

TEST(JournalParse, WrongLinesAreRefusedWithTheirNumber) {
  EXPECT_EQ(ParseError("open a.prt\nfrobnicate x\n"), "j.jnl:2: unknown command \"frobnicate\"");
  EXPECT_EQ(ParseError("action a\n    ok\n  cancel\n"), "j.jnl:3: the indentation matches no enclosing line");
  EXPECT_EQ(ParseError("action a\n\tok\n"), "j.jnl:2: indent with spaces, not tabs");
  EXPECT_EQ(ParseError("open a.prt\n  ok\n"), "j.jnl:2: \"open\" (line 1) takes no indented lines");
  EXPECT_EQ(ParseError("\nopen\n"), "j.jnl:2: \"open\" takes 1 argument(s), not 0");
  EXPECT_EQ(ParseError("action a\n  set x\n"), "j.jnl:2: \"set\" takes at least 2 argument(s), not 1");
  EXPECT_EQ(ParseError("action a\n  set x \"open\n"), "j.jnl:2: unterminated \"text\"");
  EXPECT_EQ(ParseError("open \"\xb5\xd7\".prt\n"), "j.jnl:1: the line is not UTF-8 text");
  EXPECT_EQ(ParseError("action a\n  print b\n    ok\n"), "j.jnl:3: \"print\" (line 2) takes no indented lines");
  EXPECT_EQ(ParseError("save everything\n"), "j.jnl:1: \"save\" takes 0 argument(s), not 1");
  // Found by the journal fuzz driver: written again, the line lost its last argument.
  EXPECT_EQ(ParseError("action a\n  set x \r   \n"), "j.jnl:2: a carriage return inside the line");
  EXPECT_EQ(ParseError("open a.prt\r\nsave\r\n"), "") << "a line may end in CR LF";
}
