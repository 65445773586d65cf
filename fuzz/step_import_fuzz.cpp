// Seeded line damage to a small assembly STEP written by the export (a broken entity
// reference, a stray quote or parenthesis, a deleted or repeated line), fed to the import;
// the parts of an accepted file are written and worked out as a user would (part_workout.h).
//   step_import_fuzz RUNS CRASH_DIR [SEED [raw]]
// "raw" hands the file straight to OCCT's translator (read and transfer, no checks), as
// the import did before: that finds the files for the corpus.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <vector>

#include <STEPCAFControl_Reader.hxx>
#include <TDocStd_Document.hxx>
#include <XCAFApp_Application.hxx>

#include "fuzz/part_workout.h"
#include "fuzz/supervisor.h"
#include "platform/files/step_support.h"
#include "platform/base/host_error.h"
#include "platform/files/step_export.h"
#include "platform/files/step_import.h"
#include "platform/text/host_path.h"
#include "tests/support/test_model.h"

using namespace platform;
namespace fs = std::filesystem;

namespace {

std::string SeedFile(const std::string& dir) {
  Session::Get().Reset();
  Part& top = fabdoc_test::AddFrameAssembly(dir);
  files::ExportStep(top, ToHostPath(dir + "/seed.step"));
  Session::Get().Reset();
  std::ifstream in(dir + "/seed.step", std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::string Damage(const std::vector<std::string>& seed, std::uint64_t n, std::uint64_t salt) {
  std::mt19937_64 rng(n * 0x9E3779B97F4A7C15ull ^ salt);
  std::vector<std::string> lines = seed;
  size_t first = 0, last = lines.size();
  for (size_t i = 0; i < lines.size(); ++i) {
    if (lines[i] == "DATA;") first = i + 1;
    if (lines[i] == "ENDSEC;" && first && i >= first) last = i;
  }
  const int damages = 1 + static_cast<int>(rng() % 4);
  for (int d = 0; d < damages && last > first; ++d) {
    const size_t i = first + rng() % (last - first);
    std::string& line = lines[i];
    switch (rng() % 5) {
      case 0: {  // a reference to an entity that is not there, or to another one
        std::vector<size_t> refs;
        for (size_t at = line.find('#', 1); at != std::string::npos; at = line.find('#', at + 1)) refs.push_back(at);
        if (refs.empty()) break;
        size_t at = refs[rng() % refs.size()] + 1;
        size_t end = at;
        while (end < line.size() && std::isdigit(static_cast<unsigned char>(line[end]))) ++end;
        line.replace(at, end - at, std::to_string(rng() % 2 ? 90000 + rng() % 1000 : 1 + rng() % (last - first)));
        break;
      }
      case 1: line.insert(rng() % (line.size() + 1), "'"); break;
      case 2: line.insert(rng() % (line.size() + 1), rng() % 2 ? "(" : ")"); break;
      case 3:
        lines.erase(lines.begin() + static_cast<long>(i));
        --last;
        break;
      default: {
        const std::string copy = line;
        lines.insert(lines.begin() + static_cast<long>(i), copy);
        ++last;
      }
    }
  }
  std::string out;
  for (const auto& line : lines) out += line + "\n";
  return out;
}

fuzz::Outcome TranslateRaw(const std::string& path) {
  STEPCAFControl_Reader reader;
  if (reader.ReadFile(path.c_str()) != IFSelect_RetDone) return fuzz::Outcome::Refused;
  Handle(TDocStd_Document) doc;
  XCAFApp_Application::GetApplication()->NewDocument("MDTV-XCAF", doc);
  try {
    const bool done = reader.Transfer(doc);
    XCAFApp_Application::GetApplication()->Close(doc);
    return done ? fuzz::Outcome::Accepted : fuzz::Outcome::Refused;
  } catch (const Standard_Failure&) {
    return fuzz::Outcome::Refused;
  }
}

}  // namespace

int main(int argc, char** argv) {
  const bool one = argc == 3 && std::string(argv[1]) == "--one";  // a kept case again, in this process
  fuzz::FuzzArgs args;
  if (!one && !fuzz::ParseArgs(argc, argv, args)) return 2;
  const std::uint64_t salt = args.salt;
  const bool raw = args.raw;
  const std::string work = fuzz::WorkFolder("fabdoc-fuzz-step");
  const std::string casePath = work + "/case.step";
  files::QuietTranslator quiet;
  auto run = [&](const std::string& bytes) {
    std::ofstream(casePath, std::ios::binary | std::ios::trunc) << bytes;
    if (raw) return TranslateRaw(casePath);
    Session::Get().Reset();
    fuzz::StartAddOn();
    const std::string folder = work + "/in";
    fs::remove_all(folder);
    fs::create_directories(folder);
    std::vector<std::string> written;
    try {
      written = files::ImportStep(ToHostPath(casePath), ToHostPath(folder)).written;
    } catch (const HostError&) {
      Session::Get().Reset();
      return fuzz::Outcome::Refused;
    }
    // The top part first: opening it opens the others as its components.
    try {
      fuzz::WorkOutPart(ToLocalPath(written.front()), folder);
    } catch (const HostError& e) {
      std::fprintf(stderr, "an imported part does not open: %s\n", e.what());
      std::abort();
    }
    Session::Get().Reset();
    return fuzz::Outcome::Accepted;
  };
  if (one) {
    std::ifstream in(argv[2], std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const bool imported = run(bytes) == fuzz::Outcome::Accepted;
    std::fprintf(stderr, imported ? "imported, opened, measured, given attributes, drawn, saved and opened again\n"
                                  : "refused\n");
    fs::remove_all(work);
    return 0;
  }
  const auto seed = Lines(SeedFile(work));
  const auto figures = fuzz::RunCases(args.runs, [&](std::uint64_t n) { return Damage(seed, n, salt); }, run, args.crashDir,
                                      "step", "step");
  fs::remove_all(work);
  return fuzz::Report("STEP import", figures);
}
