// The file the writer lays out, what it refuses, and how it replaces files.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>

#include "platform/dwg/crc.h"
#include "platform/dwg/dwg_writer.h"
#include "platform/dwg/extents.h"
#include "platform/dwg/tests/sample_sheet.h"
#include "platform/base/host_error.h"

using namespace platform::dwg;
namespace fs = std::filesystem;

namespace {

uint32_t ReadRL(const std::vector<uint8_t>& b, size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<uint32_t>(b[at + 3]) << 24;
}

uint16_t ReadRS(const std::vector<uint8_t>& b, size_t at) { return static_cast<uint16_t>(b[at] | b[at + 1] << 8); }

struct Section {
  uint32_t address, size;
};

// The three section locators of the file header: header variables, classes, object map.
std::vector<Section> Locators(const std::vector<uint8_t>& file) {
  std::vector<Section> s;
  for (uint32_t i = 0; i < ReadRL(file, 0x15); ++i) s.push_back({ReadRL(file, 0x1A + 9 * i), ReadRL(file, 0x1E + 9 * i)});
  return s;
}

// Walks the object map pages; returns the number of (handle, address) pairs and
// checks each page's big-endian checksum.
int CountMappedObjects(const std::vector<uint8_t>& file, const Section& map) {
  size_t at = map.address;
  int pairs = 0;
  for (;;) {
    const size_t pageSize = file[at] << 8 | file[at + 1];
    const uint16_t stored = static_cast<uint16_t>(file[at + pageSize] << 8 | file[at + pageSize + 1]);
    EXPECT_EQ(Crc16(kCrcSeed, file.data() + at, pageSize), stored) << "object map page at " << at;
    EXPECT_LE(pageSize, 2040u);
    if (pageSize == 2) break;
    for (size_t p = at + 2; p < at + pageSize;) {
      while (file[p] & 0x80) ++p;  // handle offset
      ++p;
      while (file[p] & 0x80) ++p;  // address offset
      ++p;
      ++pairs;
    }
    at += pageSize + 2;
  }
  EXPECT_EQ(at + 4, static_cast<size_t>(map.address) + map.size);
  return pairs;
}

std::vector<uint8_t> ReadFile(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

fs::path TempDir(const std::string& name) {
  fs::path dir = fs::temp_directory_path() / ("fabdoc-dwg-" + name);
  fs::remove_all(dir);
  fs::create_directories(dir);
  return dir;
}

}  // namespace

TEST(DwgFileLayout, HeaderSectionsAndChecksumsAreWhereTheLocatorsSay) {
  const std::vector<uint8_t> file = EncodeDwg(dwg_test::TitleBlockSheet());
  EXPECT_EQ(std::string(file.begin(), file.begin() + 6), "AC1015");
  EXPECT_EQ(ReadRS(file, 0x13), 31) << "code page number of simplified Chinese (GBK)";
  const std::vector<Section> sections = Locators(file);
  ASSERT_EQ(sections.size(), 3u);
  const size_t crcAt = 0x19 + 9 * sections.size();
  EXPECT_EQ(ReadRS(file, crcAt), Crc16(kCrcSeed, file.data(), crcAt));
  EXPECT_EQ(sections[0].address, crcAt + 2 + 16) << "header variables follow the file header";
  // Each framed section: sentinel, size, data, checksum over size and data, sentinel.
  for (int i = 0; i < 2; ++i) {
    const Section& s = sections[i];
    const uint32_t dataSize = ReadRL(file, s.address + 16);
    EXPECT_EQ(dataSize + 38, s.size);
    EXPECT_EQ(ReadRS(file, s.address + 20 + dataSize), Crc16(kCrcSeed, file.data() + s.address + 16, dataSize + 4));
    for (int k = 0; k < 16; ++k)
      EXPECT_EQ(static_cast<uint8_t>(~file[s.address + k]), file[s.address + s.size - 16 + k]) << "end sentinel inverts the begin";
  }
  EXPECT_EQ(sections[2].address + sections[2].size, file.size()) << "the object map ends the file";
}

TEST(DwgFileLayout, ObjectMapListsEveryObjectAcrossPages) {
  // Fixed objects: 10 table controls, 3 dictionaries, ByBlock, ByLayer, Continuous,
  // layer 0, 2 text styles, 1 dimension style, 1 application id, 2 block records with
  // their begin and end markers (4): 10 + 3 + 3 + 1 + 2 + 1 + 1 + 2 + 4 = 27; plus one
  // linetype per other pattern used and one record per layer.
  constexpr int kFixedObjects = 27;
  const Drawing small = dwg_test::TitleBlockSheet();
  const int smallExtra = 2 /* DASHED, CENTER */ + static_cast<int>(small.layers.size());
  std::vector<uint8_t> file = EncodeDwg(small);
  EXPECT_EQ(CountMappedObjects(file, Locators(file)[2]), kFixedObjects + smallExtra + static_cast<int>(small.entities.size()));
  // 2,000 entities need several 2 kB pages.
  const Drawing large = dwg_test::ManyEntitiesSheet(2000);
  file = EncodeDwg(large);
  EXPECT_EQ(CountMappedObjects(file, Locators(file)[2]), kFixedObjects + smallExtra + 2000);
  EXPECT_GT(Locators(file)[2].size, 2u * 2040) << "the map spans three pages or more";
}

TEST(DwgExtents, CoverArcsThroughTheirQuadrantsAndTextsByPosition) {
  Drawing d;
  d.sheetWidthMm = 100;
  d.sheetHeightMm = 100;
  d.layers = {{"a", 7, Linetype::Continuous}};
  // An arc from 270 to 90 degrees through 0: rightmost point at x = 10 + 5.
  d.entities = {{"a", Arc{{10, 10}, 5, 270, 90}}, {"a", Text{{-3, 40}, 2, "x"}}};
  Extents e = DrawingExtents(d);
  EXPECT_DOUBLE_EQ(e.min.x, -3);
  EXPECT_DOUBLE_EQ(e.min.y, 5);
  EXPECT_DOUBLE_EQ(e.max.x, 15);
  EXPECT_DOUBLE_EQ(e.max.y, 40);
  d.entities = {};
  e = DrawingExtents(d);
  EXPECT_DOUBLE_EQ(e.max.x, 100) << "an empty sheet reports the sheet";
}

TEST(DwgValidation, BadDrawingsAreRefusedNamingWhatIsWrong) {
  auto refuses = [](Drawing d, const std::string& expected) {
    try {
      EncodeDwg(d);
      ADD_FAILURE() << "accepted a drawing that should fail with: " << expected;
    } catch (const std::invalid_argument& e) {
      EXPECT_NE(std::string(e.what()).find(expected), std::string::npos) << e.what();
    }
  };
  const Drawing good = dwg_test::TitleBlockSheet();
  Drawing d = good;
  d.sheetWidthMm = 0;
  refuses(d, "sheet size");
  d = good;
  d.layers.push_back({"轮廓", 3, Linetype::Continuous});
  refuses(d, "layer \"轮廓\" is given twice");
  d = good;
  d.layers[0].colour = 256;
  refuses(d, "colour 256");
  d = good;
  d.entities.push_back({"剖面线", Line{{0, 0}, {1, 1}}});
  refuses(d, "on layer \"剖面线\": no such layer");
  d = good;
  d.entities.push_back({"轮廓", Circle{{0, 0}, 0}});
  refuses(d, "radius");
  d = good;
  d.entities.push_back({"轮廓", Polyline{{{1, 1}}, false}});
  refuses(d, "needs two or more");
  d = good;
  d.entities.push_back({"文字", Text{{0, 0}, 3.5, "Größe"}});
  refuses(d, "cannot be written in GBK");
  d = good;
  d.entities.push_back({"轮廓", Line{{0, std::nan("")}, {1, 1}}});
  refuses(d, "not a number");
}

TEST(DwgFileWrite, ReplacesWholeFilesAndLeavesNothingOnFailure) {
  const fs::path dir = TempDir("write");
  const fs::path target = dir / "总装图.dwg";
  WriteDwgFile(dwg_test::TitleBlockSheet(), target.string());
  const std::vector<uint8_t> first = ReadFile(target);
  ASSERT_GT(first.size(), 1000u);
  // A second write replaces the file with the new drawing.
  Drawing bigger = dwg_test::ManyEntitiesSheet(100);
  WriteDwgFile(bigger, target.string());
  const std::vector<uint8_t> second = ReadFile(target);
  EXPECT_GT(second.size(), first.size());
  // A bad drawing fails before the file is touched.
  Drawing bad = bigger;
  bad.entities.push_back({"无此图层", Line{}});
  EXPECT_THROW(WriteDwgFile(bad, target.string()), std::invalid_argument);
  EXPECT_EQ(ReadFile(target), second);
  // A folder that does not exist: a host file error naming the file, and no file.
  const fs::path missing = dir / "无此目录" / "a.dwg";
  try {
    WriteDwgFile(bigger, missing.string());
    ADD_FAILURE() << "wrote into a missing folder";
  } catch (const platform::HostError& e) {
    EXPECT_EQ(e.Status(), platform::HostStatus::FileError);
    EXPECT_NE(std::string(e.what()).find("a.dwg"), std::string::npos) << e.what();
  }
  EXPECT_FALSE(fs::exists(missing));
  int files = 0;
  for (const auto& entry : fs::directory_iterator(dir)) files += entry.is_regular_file();
  EXPECT_EQ(files, 1) << "no temporary file is left beside the target";
}
