#include "tests/support/dwg_readers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include "platform/dwg/extents.h"

namespace dwg_test {

namespace fs = std::filesystem;
using nlohmann::json;
using namespace platform::dwg;

namespace {

fs::path ReadersDir() {
  const char* source = std::getenv("FABDOC_SOURCE_DIR");
  return fs::path(source ? source : FABDOC_TEST_SOURCE_DIR) / "tests" / "readers";
}

// As a reader shows them: "%%c" is the diameter sign.
std::vector<std::string> WrittenTexts(const Drawing& drawing) {
  std::vector<std::string> texts;
  for (const Entity& e : drawing.entities)
    if (const auto* t = std::get_if<Text>(&e.geometry)) {
      std::string shown = t->utf8;
      for (size_t at; (at = shown.find("%%c")) != std::string::npos;) shown.replace(at, 3, "⌀");
      texts.push_back(shown);
    }
  std::sort(texts.begin(), texts.end());
  return texts;
}

std::vector<std::string> ReadTexts(const json& summary) {
  std::vector<std::string> texts;
  for (const json& t : summary["texts"]) texts.push_back(t["text"]);
  std::sort(texts.begin(), texts.end());
  return texts;
}

}  // namespace

namespace {

// What a command prints; its summary is the last line.
json LastLineOf(const std::string& command) {
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) throw std::runtime_error("cannot run " + command);
  std::string out;
  std::array<char, 4096> buffer;
  size_t n;
  while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0) out.append(buffer.data(), n);
  const int status = pclose(pipe);
  if (status != 0) throw std::runtime_error(command + " failed with status " + std::to_string(status) + ": " + out);
  while (!out.empty() && out.back() == '\n') out.pop_back();
  return json::parse(out.substr(out.rfind('\n') + 1));
}

}  // namespace

json Read(const std::string& script, const fs::path& file) {
  const fs::path dir = ReadersDir();
  if (!fs::exists(dir / "node_modules"))
    throw std::runtime_error("the DWG readers are not installed: run scripts/setup.sh (npm ci in " + dir.string() + ")");
  return LastLineOf("node '" + (dir / script).string() + "' '" + file.string() + "' 2>/dev/null");
}

json ReadDxf(const fs::path& file) {
  const char* python = std::getenv("FABDOC_PYTHON");
  return LastLineOf(std::string(python ? python : "/usr/bin/python3") + " '" +
                    (ReadersDir() / "read_dxf_ezdxf.py").string() + "' '" + file.string() + "'");
}

std::map<std::string, std::map<std::string, int>> CountsByLayer(const Drawing& drawing) {
  std::map<std::string, std::map<std::string, int>> counts;
  for (const Entity& e : drawing.entities) {
    const char* names[] = {"LINE", "ARC", "CIRCLE", "LWPOLYLINE", "TEXT", "SOLID", "DIMENSION"};
    ++counts[e.layer][names[e.geometry.index()]];
  }
  return counts;
}

void ExpectSameDrawing(const json& read, const Drawing& written) {
  const std::string who = read["reader"];
  ASSERT_TRUE(read["ok"]) << who << ": " << read.dump();
  EXPECT_FALSE(read["critical"]) << who;
  EXPECT_TRUE(read["errors"].empty()) << who << " reported " << read["errors"].dump();
  using Counts = std::map<std::string, std::map<std::string, int>>;
  const Counts counts = read["countsByLayer"].get<Counts>();
  EXPECT_EQ(counts, CountsByLayer(written)) << who;
  EXPECT_EQ(ReadTexts(read), WrittenTexts(written)) << who;
  if (written.entities.empty()) return;
  const Extents e = DrawingExtents(written);
  ASSERT_FALSE(read["extents"].is_null()) << who;
  EXPECT_NEAR(read["extents"]["min"][0].get<double>(), e.min.x, 1e-9) << who;
  EXPECT_NEAR(read["extents"]["min"][1].get<double>(), e.min.y, 1e-9) << who;
  EXPECT_NEAR(read["extents"]["max"][0].get<double>(), e.max.x, 1e-9) << who;
  EXPECT_NEAR(read["extents"]["max"][1].get<double>(), e.max.y, 1e-9) << who;
  std::map<std::string, int> colours;
  for (const json& l : read["layers"]) colours[l["name"]] = l["colour"];
  for (const Layer& l : written.layers) EXPECT_EQ(colours[l.name], l.colour) << who << " layer " << l.name;
}

void ExpectBothReadersAgree(const fs::path& file, const Drawing& written) {
  for (const char* script : kReaderScripts) ExpectSameDrawing(Read(script, file), written);
}

}  // namespace dwg_test
