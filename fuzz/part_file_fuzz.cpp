// Seeded mutations of a part file's B-rep section, checksum recomputed, fed to the
// part-file reader; each part it accepts is worked out as a user would (part_workout.h).
//   part_file_fuzz RUNS CRASH_DIR [SEED [raw]]
// "raw" hands the shape section straight to OCCT's reader, as part files were read
// before they were read in a child process first: that finds the files for the corpus.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include <BRepGProp.hxx>
#include <GProp_GProps.hxx>
#include <zlib.h>

#include "fuzz/part_workout.h"
#include "fuzz/supervisor.h"
#include "platform/base/host_error.h"
#include "platform/files/part_file.h"
#include "platform/files/shape_section.h"
#include "platform/text/host_path.h"
#include "tests/support/test_model.h"

using namespace platform;
namespace fs = std::filesystem;

namespace {

std::uint64_t U64At(const std::string& b, size_t at) {
  std::uint64_t v = 0;
  for (int i = 0; i < 8; ++i) v |= std::uint64_t(static_cast<unsigned char>(b[at + i])) << (8 * i);
  return v;
}

void PutU64At(std::string& b, size_t at, std::uint64_t v) {
  for (int i = 0; i < 8; ++i) b[at + i] = static_cast<char>((v >> (8 * i)) & 0xff);
}

std::string SeedFile(const std::string& dir) {
  Session::Get().Reset();
  const std::string path = ToHostPath(dir + "/seed.prt");
  Part& part = Session::Get().NewPart(path);
  fabdoc_test::AddBox(part, 0, 0, 0, 100, 50, 8, "plate");
  fabdoc_test::AddRectTube(part, 50, 30, 3, 400, "tube");
  fabdoc_test::AddPipe(part, 48, 3.5, 300, "pipe");
  fabdoc_test::AddCylinder(part, 200, 0, 0, 20, 60, "bar");
  files::SavePart(part, path);
  Session::Get().Reset();
  std::ifstream in(dir + "/seed.prt", std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// Changes bytes of the shape section only (the rest is checked before it), keeps the
// section length right and recomputes the checksum.
std::string Mutate(const std::string& seed, std::uint64_t n, std::uint64_t salt) {
  std::mt19937_64 rng(n * 0x9E3779B97F4A7C15ull ^ salt);
  const size_t eol = seed.find('\n');
  const size_t descAt = eol + 1;
  const size_t shapeLenAt = descAt + 8 + U64At(seed, descAt);
  const size_t shapeAt = shapeLenAt + 8;
  std::string head = seed.substr(0, shapeAt);
  std::string shapes = seed.substr(shapeAt, seed.size() - shapeAt - 8);
  const int edits = 1 + static_cast<int>(rng() % 6);
  for (int e = 0; e < edits && !shapes.empty(); ++e) {
    const size_t at = rng() % shapes.size();
    switch (rng() % 8) {
      case 0: shapes[at] = static_cast<char>(shapes[at] ^ (1 << (rng() % 8))); break;
      case 1: shapes[at] = static_cast<char>(rng()); break;
      case 2: shapes[at] = "\x00\xff\x7f\x80\x01\xfe"[rng() % 6]; break;
      case 3: {  // a 4-byte count or index made large, negative or zero
        static const std::uint32_t values[] = {0, 1, 0x7fffffff, 0xffffffff, 0x80000000, 65536, 1000000};
        const std::uint32_t v = values[rng() % 7];
        for (int i = 0; i < 4 && at + i < shapes.size(); ++i) shapes[at + i] = static_cast<char>(v >> (8 * i));
        break;
      }
      case 4: shapes.erase(at, 1 + rng() % 16); break;
      case 5: shapes.insert(at, std::string(1 + rng() % 16, static_cast<char>(rng()))); break;
      case 6: {  // a piece repeated
        const size_t len = std::min<size_t>(1 + rng() % 64, shapes.size() - at);
        shapes.insert(rng() % shapes.size(), shapes.substr(at, len));
        break;
      }
      default: {  // a double made extreme
        static const double values[] = {1e308, -1e308, 0.0, 1e-308, 1e18, -1.0};
        const double v = values[rng() % 6];
        if (at + 8 <= shapes.size()) std::memcpy(&shapes[at], &v, 8);
      }
    }
  }
  PutU64At(head, shapeLenAt, shapes.size());
  std::string out = head + shapes;
  const std::uint32_t crc = crc32(0, reinterpret_cast<const Bytef*>(out.data()), out.size());
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((crc >> (8 * i)) & 0xff));
  return out + "END\n";
}

// What the reader did with the shape section before: OCCT's read of each body, then the
// measurement, with no check in between.
fuzz::Outcome ReadRaw(const std::string& bytes) {
  const size_t descAt = bytes.find('\n') + 1;
  const size_t shapeAt = descAt + 8 + U64At(bytes, descAt) + 8;
  const std::string section = bytes.substr(shapeAt, bytes.size() - shapeAt - 8);
  const auto pieces = files::ShapeSectionPieces(section, files::kFirstFormatWithPiecePerBody);
  if (!pieces) return fuzz::Outcome::Refused;  // the reader checks the lengths itself
  try {
    for (const auto piece : *pieces)
      for (const TopoDS_Shape& shape : files::ReadShapePiece(piece, files::kFirstFormatWithPiecePerBody)) {
        GProp_GProps props;
        BRepGProp::VolumeProperties(shape, props);
      }
    return fuzz::Outcome::Accepted;
  } catch (const Standard_Failure&) {
    return fuzz::Outcome::Refused;
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[1]) == "--one") {  // a kept case again, in this process
    std::ifstream in(argv[2], std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::string copy = (fs::temp_directory_path() / "fabdoc-fuzz-one.prt").string();
    std::ofstream(copy, std::ios::binary | std::ios::trunc) << bytes;
    fuzz::StartAddOn();
    try {
      fuzz::WorkOutPart(copy, fs::temp_directory_path().string());
      std::fprintf(stderr, "opened, measured, given attributes, drawn, saved and opened again\n");
    } catch (const HostError& e) {
      std::fprintf(stderr, "refused: %s\n", e.what());
    }
    return 0;
  }
  fuzz::FuzzArgs args;
  if (!fuzz::ParseArgs(argc, argv, args)) return 2;
  const std::uint64_t salt = args.salt;
  const bool raw = args.raw;
  const std::string work = fuzz::WorkFolder("fabdoc-fuzz-part");
  const std::string seed = SeedFile(work);
  const std::string casePath = work + "/case.prt";
  auto run = [&](const std::string& bytes) {
    if (raw) return ReadRaw(bytes);
    std::ofstream(casePath, std::ios::binary | std::ios::trunc) << bytes;
    fuzz::StartAddOn();
    try {
      fuzz::WorkOutPart(casePath, work);
      return fuzz::Outcome::Accepted;
    } catch (const HostError&) {
      return fuzz::Outcome::Refused;
    }
  };
  const auto figures = fuzz::RunCases(args.runs, [&](std::uint64_t n) { return Mutate(seed, n, salt); }, run, args.crashDir,
                                      "part", "prt");
  fs::remove_all(work);
  return fuzz::Report("part-file reader", figures);
}
