// The shape section: a stream per body (format 3), the single compound of format 2
// still read, and lengths that do not add up refused before any B-rep is read.
#include <filesystem>
#include <fstream>
#include <sstream>

#include <BRep_Builder.hxx>
#include <BinTools.hxx>
#include <TopoDS_Compound.hxx>
#include <zlib.h>

#include "platform/base/host_error.h"
#include "platform/files/part_file.h"
#include "platform/geometry/body.h"
#include "platform/files/shape_section.h"
#include "platform/text/host_path.h"
#include "tests/support/test_model.h"

using namespace platform;
using namespace platform::files;

namespace {

std::string FileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

std::uint64_t U64At(const std::string& b, size_t at) {
  std::uint64_t v = 0;
  for (int i = 0; i < 8; ++i) v |= std::uint64_t(static_cast<unsigned char>(b[at + i])) << (8 * i);
  return v;
}

std::string U64(std::uint64_t v) {
  std::string out;
  for (int i = 0; i < 8; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xff));
  return out;
}

// A part file with another version and shape section, its checksum made right.
std::string Rebuilt(const std::string& file, int version, const std::string& section) {
  const size_t descAt = file.find('\n') + 1;
  std::string out = "FABDOC-PART " + std::to_string(version) + "\n" +
                    file.substr(descAt, 8 + U64At(file, descAt)) + U64(section.size()) + section;
  const std::uint32_t crc = crc32(0, reinterpret_cast<const Bytef*>(out.data()), out.size());
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((crc >> (8 * i)) & 0xff));
  return out + "END\n";
}

std::string SectionOf(const std::string& file) {
  const size_t descAt = file.find('\n') + 1;
  const size_t lenAt = descAt + 8 + U64At(file, descAt);
  return file.substr(lenAt + 8, U64At(file, lenAt));
}

double Volume(const Part& part, size_t index) {
  size_t i = 0;
  for (const auto& object : part.Objects())
    if (auto* body = dynamic_cast<const Body*>(object.get()); body && i++ == index) return body->Mass().volume;
  return -1;
}

}  // namespace

class ShapeSection : public fabdoc_test::SessionTest {
protected:
  std::string dir = fabdoc_test::FreshDir("shape-section");
  std::string saved = dir + "/three.prt";
  void SetUp() override {
    fabdoc_test::SessionTest::SetUp();
    Part& part = session().NewPart(ToHostPath(saved));
    fabdoc_test::AddBox(part, 0, 0, 0, 100, 50, 8, "plate");
    fabdoc_test::AddPipe(part, 48, 3.5, 300, "pipe");
    fabdoc_test::AddBox(part, 0, 0, 0, 10, 20, 30, "block");
    SavePart(part, part.path);
    session().Reset();
  }
  std::string Write(const std::string& name, const std::string& bytes) {
    const std::string path = dir + "/" + name;
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
    return path;
  }
};

TEST_F(ShapeSection, EachBodyIsAStreamOfItsOwnInOrder) {
  const std::string file = FileBytes(saved);
  EXPECT_EQ(file.substr(0, 14), "FABDOC-PART 4\n");
  const std::string section = SectionOf(file);
  const auto pieces = ShapeSectionPieces(section, 3);
  ASSERT_TRUE(pieces);
  ASSERT_EQ(pieces->size(), 3u);
  const auto block = ReadShapePiece((*pieces)[2], 3);
  ASSERT_EQ(block.size(), 1u);
  Body read(block[0]);
  EXPECT_NEAR(read.Mass().volume, 10.0 * 20 * 30, 1e-6);
}

TEST_F(ShapeSection, AFormatTwoFileWithOneCompoundStillOpens) {
  const std::string file = FileBytes(saved);
  const std::string section = SectionOf(file);
  const auto pieces = ShapeSectionPieces(section, 3);
  ASSERT_TRUE(pieces);
  BRep_Builder builder;
  TopoDS_Compound compound;
  builder.MakeCompound(compound);
  for (const auto piece : *pieces) builder.Add(compound, ReadShapePiece(piece, 3).at(0));
  std::ostringstream stream(std::ios::binary);
  BinTools::Write(compound, stream, false, false, BinTools_FormatVersion_CURRENT);
  const std::string old = Write("old.prt", Rebuilt(file, 2, stream.str()));

  Part& part = OpenPart(ToHostPath(old));
  EXPECT_NEAR(Volume(part, 0), 100.0 * 50 * 8, 1e-6);
  EXPECT_NEAR(Volume(part, 2), 10.0 * 20 * 30, 1e-6);
  EXPECT_GT(Volume(part, 1), 0);
}

TEST_F(ShapeSection, LengthsThatDoNotAddUpAreRefusedNamingTheFile) {
  const std::string file = FileBytes(saved);
  std::string section = SectionOf(file);
  const std::string past = U64(section.size());  // the first body claims more than there is
  std::string tooLong = section;
  tooLong.replace(0, 8, past);
  std::string dangling = section + std::string("\x05\x00\x00", 3);  // a length cut short
  for (const auto& [name, bytes] : {std::pair{"long.prt", tooLong}, std::pair{"cut.prt", dangling}}) {
    const std::string path = Write(name, Rebuilt(file, 3, bytes));
    try {
      OpenPart(ToHostPath(path));
      ADD_FAILURE() << name << " was opened";
    } catch (const HostError& e) {
      EXPECT_EQ(e.Status(), HostStatus::BadPartFile);
      EXPECT_NE(std::string(e.what()).find(path), std::string::npos) << e.what();
      EXPECT_NE(std::string(e.what()).find("bad shape lengths"), std::string::npos) << e.what();
    }
    EXPECT_TRUE(session().Parts().empty()) << name;
  }
}
