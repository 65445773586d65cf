// Reading dialog files: layout, initial values, and refusal of bad files.
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/base/host_error.h"
#include "platform/text/gbk.h"
#include "platform/ui/dialog_file.h"
#include "tests/support/test_model.h"

using namespace platform;
using namespace platform::ui;

namespace {

std::string Write(const std::string& dir, const std::string& name, const std::string& text) {
  std::string path = dir + "/" + name;
  std::ofstream(path) << text;
  return path;
}

// The message of the HostError that `f` throws, or "" when it throws none.
template <class F> std::string ErrorOf(F f) {
  try {
    f();
  } catch (const HostError& e) {
    return e.what();
  }
  return "";
}

}  // namespace

TEST(DialogFile, ReadsNestedBlocksWithInitialValuesAndDefaults) {
  const std::string dir = fabdoc_test::FreshDir("dlx-good");
  const std::string path = Write(dir, "zj.dlx", R"(<?xml version="1.0" encoding="UTF-8"?>
<dialog title="组件">
  <block id="group0" kind="Group" label="类型">
    <block id="enum0" kind="Enumeration" Value="单实体">
      <member>多实体</member>
      <member>单实体</member>
    </block>
    <block id="selection0" kind="SelectObject" MaximumScope="3"/>
  </block>
  <block id="toggle0" kind="Toggle" Value="true" Show="false"/>
  <block id="moldno" kind="StringBlock"/>
  <block id="colorPicker0" kind="ObjectColorPicker" Value="186, 5"/>
  <block id="manip0" kind="SpecifyOrientation" Origin="1,2,3.5"/>
</dialog>)");
  auto dialog = ReadDialogFile(path);
  EXPECT_EQ(dialog->FileName(), "zj.dlx");
  EXPECT_EQ(dialog->Title(), text::ToGbk("组件"));
  // File order, depth first, with the group holding its two blocks.
  std::vector<std::string> ids;
  for (Block* b : dialog->AllBlocks()) ids.push_back(b->id);
  EXPECT_EQ(ids, (std::vector<std::string>{"group0", "enum0", "selection0", "toggle0", "moldno",
                                           "colorPicker0", "manip0"}));
  Block& group = dialog->Require("group0");
  ASSERT_EQ(group.children.size(), 2u);
  EXPECT_EQ(dialog->Require("enum0").parent, &group);
  EXPECT_EQ(std::get<std::string>(group.Get("Label").value), text::ToGbk("类型"));

  // An enumeration's Value may name a member: "单实体" is the second one.
  const Property& mode = dialog->Require("enum0").Get("Value");
  EXPECT_EQ(mode.members, (std::vector<std::string>{text::ToGbk("多实体"), text::ToGbk("单实体")}));
  EXPECT_EQ(std::get<int>(mode.value), 1);
  EXPECT_EQ(std::get<int>(dialog->Require("selection0").Get("MaximumScope").value), 3);
  EXPECT_TRUE(std::get<bool>(dialog->Require("toggle0").Get("Value").value));
  EXPECT_FALSE(dialog->Require("toggle0").Usable()) << "Show=false hides it";
  EXPECT_EQ(std::get<std::string>(dialog->Require("moldno").Get("Value").value), "");
  EXPECT_EQ(std::get<std::vector<int>>(dialog->Require("colorPicker0").Get("Value").value),
            (std::vector<int>{186, 5}));
  const Block& manip = dialog->Require("manip0");
  EXPECT_EQ(std::get<Vec3>(manip.Get("Origin").value), (Vec3{1, 2, 3.5}));
  EXPECT_EQ(std::get<Vec3>(manip.Get("XAxis").value), (Vec3{1, 0, 0})) << "unset: the kind's default";
}

TEST(DialogFile, RefusesBadFilesNamingFileAndLine) {
  const std::string dir = fabdoc_test::FreshDir("dlx-bad");
  auto read = [&](const std::string& text) {
    const std::string path = Write(dir, "bad.dlx", text);
    return ErrorOf([&] { ReadDialogFile(path); });
  };
  const std::string file = dir + "/bad.dlx";

  std::string e = read("<dialog>\n  <block id=\"a\" kind=\"Toggle\">\n</dialog>\n");
  EXPECT_NE(e.find(file + ":3: not a valid dialog file: malformed XML"), std::string::npos) << e;

  e = read("<dialog>\n<block id=\"a\" kind=\"Slider\"/>\n</dialog>");
  EXPECT_NE(e.find(file + ":2:"), std::string::npos) << e;
  EXPECT_NE(e.find("unknown kind \"Slider\""), std::string::npos) << e;

  e = read("<dialog>\n<block id=\"a\" kind=\"Toggle\"/>\n<block id=\"g\" kind=\"Group\">\n"
           "  <block id=\"a\" kind=\"Button\"/>\n</block>\n</dialog>");
  EXPECT_NE(e.find(file + ":4:"), std::string::npos) << e;
  EXPECT_NE(e.find("duplicate block id \"a\" (first defined on line 2)"), std::string::npos) << e;

  e = read("<dialog><block id=\"t\" kind=\"Toggle\" Value=\"yes\"/></dialog>");
  EXPECT_NE(e.find("\"yes\" is not a logical"), std::string::npos) << e;
  e = read("<dialog><block id=\"t\" kind=\"Toggle\" Path=\"x\"/></dialog>");
  EXPECT_NE(e.find("has no property \"Path\""), std::string::npos) << e;
  e = read("<dialog><block id=\"b\" kind=\"Button\"><block id=\"c\" kind=\"Label\"/></block></dialog>");
  EXPECT_NE(e.find("holds no blocks"), std::string::npos) << e;
  e = read("<dialog><block kind=\"Label\"/></dialog>");
  EXPECT_NE(e.find("without an id"), std::string::npos) << e;
  e = read("<layout/>");
  EXPECT_NE(e.find("not <dialog>"), std::string::npos) << e;
  e = read("<dialog><block id=\"e\" kind=\"Enumeration\" Value=\"2\"><member>a</member></block></dialog>");
  EXPECT_NE(e.find("no member 2"), std::string::npos) << e;

  e = ErrorOf([&] { ReadDialogFile(dir + "/missing.dlx"); });
  EXPECT_NE(e.find(dir + "/missing.dlx: cannot read"), std::string::npos) << e;
}

TEST(DialogFile, IsFoundByNameInTheDialogPathThenTheApplicationFolders) {
  const std::string app = fabdoc_test::FreshDir("dlx-app");
  const std::string own = fabdoc_test::FreshDir("dlx-own");
  Write(app, "a.dlx", "<dialog/>");
  Write(app, "b.dlx", "<dialog/>");
  Write(own, "b.dlx", "<dialog/>");
  SetDialogFolders({app});
  unsetenv("FABDOC_DIALOG_PATH");
  EXPECT_EQ(FindDialogFile("a.dlx"), app + "/a.dlx");
  EXPECT_EQ(FindDialogFile("a"), app + "/a.dlx") << "the extension is optional";
  EXPECT_EQ(FindDialogFile("b.dlx"), app + "/b.dlx");
  setenv("FABDOC_DIALOG_PATH", ("/nonexistent:" + own).c_str(), 1);
  EXPECT_EQ(FindDialogFile("b.dlx"), own + "/b.dlx") << "FABDOC_DIALOG_PATH comes first";
  const std::string e = ErrorOf([&] { FindDialogFile("zujian.dlx"); });
  EXPECT_NE(e.find("dialog file zujian.dlx not found"), std::string::npos) << e;
  EXPECT_NE(e.find(app), std::string::npos) << "names the folders searched: " << e;
  unsetenv("FABDOC_DIALOG_PATH");
  SetDialogFolders({});
}

TEST(DialogFile, TheShippedTwoPointToolFileHasTheBlocksItsDialogLooksUp) {
  const char* source = std::getenv("FABDOC_SOURCE_DIR");
  ASSERT_NE(source, nullptr);
  auto dialog = ReadDialogFile(std::string(source) + "/addon/dialogs/TWO_CYL_tool.dlx");
  const std::pair<const char*, const char*> expected[] = {
      {"group0", "Group"}, {"point0", "SpecifyPoint"}, {"point01", "SpecifyPoint"},
      {"group", "Group"}, {"expression0", "ExpressionBlock"}};
  for (const auto& [id, kind] : expected) EXPECT_EQ(dialog->Require(id).kind, kind) << id;
  EXPECT_GT(std::get<double>(dialog->Require("expression0").Get("Value").value), 0)
      << "a usable default diameter";
}
