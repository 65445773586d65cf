// Host text files and the drawing list: a GBK notes file read line by line as the
// attribute writer shows it, a missing file named in the failure, sheets in order.
#include <uf.h>
#include <uf_cfi.h>
#include <uf_draw.h>

#include <filesystem>
#include <fstream>

#include "tests/support/api_fixture.h"
#include "platform/drafting/drawing.h"
#include "platform/text/host_path.h"

using namespace platform;
using namespace fabdoc_test;

class TextFiles : public ApiTest {
protected:
  void SetUp() override {
    ApiTest::SetUp();
    local = FreshDir("text");
    host = ToHostPath(local);
  }
  std::string local, host;
};

TEST_F(TextFiles, ThreeGbkLinesReadBackThenTheEnd) {
  // Written as on Windows (CRLF) under a GBK-named file; each line comes back as its GBK bytes.
  const std::vector<std::string> lines = {Gbk("注意事项:"), Gbk("1. 未注倒角 C1"), ""};
  {
    std::ofstream out(local + "/注意事项.dat", std::ios::binary);
    for (const auto& line : lines) out << line << "\r\n";
  }
  const std::string path = host + "\\" + Gbk("注意事项.dat");
  int status = -1;
  ASSERT_EQ(UF_CFI_ask_file_exist(path.c_str(), &status), 0);
  EXPECT_EQ(status, 0);
  const int channel = uc4504(path.c_str(), 1, 87);
  ASSERT_GT(channel, 0);
  std::vector<std::string> read;
  char* line = nullptr;
  int length = 0;
  while ((length = uc4514a(channel, &line)) >= 0) {
    read.emplace_back(line, length);
    UF_free(line);
  }
  EXPECT_EQ(length, -1);
  EXPECT_EQ(line, nullptr);
  EXPECT_EQ(read, lines);
  EXPECT_EQ(uc4540(channel, 0), 0);
  EXPECT_TRUE(std::filesystem::exists(local + "/注意事项.dat"));
  EXPECT_LT(uc4514a(channel, &line), -1) << "a closed channel is not the end of a file";
}

TEST_F(TextFiles, MissingFileFailsNamingIt) {
  const std::string path = host + "\\" + Gbk("紧固件常用规格.dat");
  int status = -1;
  ASSERT_EQ(UF_CFI_ask_file_exist(path.c_str(), &status), 0);
  EXPECT_EQ(status, 1);
  const int channel = uc4504(path.c_str(), 1, 87);
  ASSERT_LT(channel, 0);
  char message[133];
  UF_get_fail_message(-channel, message);
  EXPECT_NE(std::string(message).find(Gbk("紧固件常用规格.dat")), std::string::npos) << "names the file";
  EXPECT_LT(uc4504(path.c_str(), 1, 88), 0) << "only text files";
  EXPECT_LT(uc4504(path.c_str(), 9, 87), 0) << "unknown mode";
}

TEST_F(TextFiles, WrittenLinesReadBack) {
  const std::string path = host + "\\out.txt";
  const int channel = uc4504(path.c_str(), 2, 87);
  ASSERT_GT(channel, 0);
  EXPECT_EQ(uc4524(channel, Gbk("第一行").c_str()), 0);
  EXPECT_EQ(uc4524(channel, "two"), 0);
  ASSERT_EQ(uc4540(channel, 0), 0);
  EXPECT_LT(uc4504(path.c_str(), 2, 87), 0) << "mode 2 will not overwrite";
  const int reading = uc4504(path.c_str(), 1, 87);
  char* line = nullptr;
  ASSERT_EQ(uc4514a(reading, &line), 6);
  EXPECT_EQ(std::string(line), Gbk("第一行"));
  UF_free(line);
  ASSERT_EQ(uc4514a(reading, &line), 3);
  UF_free(line);
  EXPECT_EQ(uc4540(reading, 1), 0);
  EXPECT_FALSE(std::filesystem::exists(local + "/out.txt")) << "option 1 deletes";
}

TEST_F(TextFiles, DrawingsOfTheWorkPartInCreationOrder) {
  Part& part = session().NewPart("\\p\\a.prt");
  session().SetDisplayed(&part);
  int count = -1;
  tag_t* sheets = nullptr;
  ASSERT_EQ(UF_DRAW_ask_drawings(&count, &sheets), 0);
  EXPECT_EQ(count, 0);
  EXPECT_EQ(sheets, nullptr);
  std::vector<tag_t> made;
  for (const char* name : {"A-001", "A-002", "B-001"}) {
    auto sheet = std::make_unique<DrawingSheet>();
    sheet->name = name;
    made.push_back(part.Add(std::move(sheet)).GetTag());
    AddBox(part, 0, 0, 0, 1, 1, 1);  // other objects in between are not sheets
  }
  ASSERT_EQ(UF_DRAW_ask_drawings(&count, &sheets), 0);
  ASSERT_EQ(count, 3);
  EXPECT_EQ(std::vector<tag_t>(sheets, sheets + count), made);
  UF_free(sheets);
  session().SetDisplayed(&session().NewPart("\\p\\b.prt"));
  ASSERT_EQ(UF_DRAW_ask_drawings(&count, &sheets), 0);
  EXPECT_EQ(count, 0) << "another work part has its own";
}
