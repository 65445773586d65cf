// Files that once crashed or hung a reader (found by the drivers in fuzz/), each refused
// cleanly with an error naming it, and the session left as it was.
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/base/host_error.h"
#include "platform/geometry/body.h"
#include "platform/files/part_file.h"
#include "platform/files/step_import.h"
#include "platform/text/host_path.h"
#include "tests/support/test_model.h"
#include "tests/support/unchecked_shapes.h"

using namespace platform;
namespace fs = std::filesystem;

namespace {

std::vector<fs::path> Corpus(const char* kind) {
  const char* source = std::getenv("FABDOC_SOURCE_DIR");
  std::vector<fs::path> files;
  if (!source) return files;
  for (const auto& entry : fs::directory_iterator(fs::path(source) / "platform/files/tests/corpus" / kind))
    if (entry.is_regular_file()) files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  return files;
}

// A copy under a name the error must repeat.
std::string CopyAs(const fs::path& from, const std::string& dir, const std::string& name) {
  const std::string to = dir + "/" + name;
  fs::copy_file(from, to, fs::copy_options::overwrite_existing);
  return to;
}

}  // namespace

class DamagedFiles : public fabdoc_test::SessionTest {
protected:
  std::string dir = fabdoc_test::FreshDir("damaged-files");

  // Each file of the corpus, copied under a name the error must repeat, is refused
  // naming a body (and `why`, when given), and nothing is left open.
  void ExpectEachRefusedNamingTheBody(const char* kind, size_t count, const std::string& prefix,
                                      const std::string& why) {
    const auto corpus = Corpus(kind);
    ASSERT_EQ(corpus.size(), count) << "FABDOC_SOURCE_DIR must point at the sources";
    for (const auto& file : corpus) {
      const std::string local = CopyAs(file, dir, prefix + file.filename().string());
      try {
        files::OpenPart(ToHostPath(local));
        ADD_FAILURE() << file << " was opened";
      } catch (const HostError& e) {
        const std::string what = e.what();
        EXPECT_EQ(e.Status(), HostStatus::BadPartFile) << what;
        EXPECT_EQ(what.rfind(local + ": damaged shapes (body ", 0), 0u) << what;
        EXPECT_NE(what.find(why), std::string::npos) << what;
      }
      EXPECT_TRUE(session().Parts().empty()) << file;
    }
  }
};

TEST_F(DamagedFiles, PartFilesThatCrashedTheShapeReaderAreRefusedNamingThem) {
  const auto corpus = Corpus("part");
  ASSERT_GE(corpus.size(), 5u) << "FABDOC_SOURCE_DIR must point at the sources";
  for (const auto& file : corpus) {
    const std::string local = CopyAs(file, dir, "损坏-" + file.filename().string());
    try {
      files::OpenPart(ToHostPath(local));
      ADD_FAILURE() << file << " was opened";
    } catch (const HostError& e) {
      EXPECT_EQ(e.Status(), HostStatus::BadPartFile) << file << ": " << e.what();
      EXPECT_NE(std::string(e.what()).find(local), std::string::npos) << e.what();
      EXPECT_NE(std::string(e.what()).find("damaged shapes"), std::string::npos) << e.what();
    }
    EXPECT_TRUE(session().Parts().empty()) << file;
  }
}

TEST_F(DamagedFiles, StepFilesThatCrashedTheTranslatorAreRefusedNamingThemAndAnEntity) {
  const auto corpus = Corpus("step");
  ASSERT_GE(corpus.size(), 3u) << "FABDOC_SOURCE_DIR must point at the sources";
  for (const auto& file : corpus) {
    const std::string local = CopyAs(file, dir, file.filename().string());
    try {
      files::ReadStep(ToHostPath(local), ToHostPath(dir + "/in"));
      ADD_FAILURE() << file << " was imported";
    } catch (const HostError& e) {
      EXPECT_NE(std::string(e.what()).find(local), std::string::npos) << e.what();
    }
    EXPECT_TRUE(session().Parts().empty()) << file;
  }
}

// Files whose bodies the reader passed and whose first measurement then crashed (SIGSEGV),
// aborted (an uncaught modeller exception) or ran for minutes: now each body is measured
// in the reader's child, so the file is refused naming the body, and nothing is open.
TEST_F(DamagedFiles, BodiesThatCrashOrHangAMeasurementAreRefusedNamingTheBody) {
  ExpectEachRefusedNamingTheBody("measured", 3, "量-", "");
}

// Files whose bodies measured, saved and opened again, and then crashed the hidden-line
// outliner (an edge without both ends) or drew for minutes (a curve far from its
// vertices, a figure millions of kilometres across) when a view was drawn: refused on
// open naming the body and what is wrong with its edge.
TEST_F(DamagedFiles, BodiesThatCrashOrHangADrawingAreRefusedNamingTheBodyAndTheEdge) {
  ExpectEachRefusedNamingTheBody("drawn", 7, "图-", ": edge ");
}

// Files whose edges' curves on a face held values that are not numbers or lay far out of
// range: they passed the measurements and kept the unfold's probe classifying points of a
// face until the reader's budget ran out. Refused at once, naming the body and the edge.
TEST_F(DamagedFiles, CurvesOnAFaceThatAreNotNumbersAreRefusedBeforeTheProbe) {
  ExpectEachRefusedNamingTheBody("probed", 3, "探-", " has a curve on the face that is not a number or far out of range");
}

// A plate with an edge that has no curve in space passed every measurement of one body;
// the attribute writer's thickness, a distance between two of its faces, then died on it.
TEST_F(DamagedFiles, AnEdgeWithoutACurveInSpaceIsRefusedBeforeADistanceMeetsIt) {
  ExpectEachRefusedNamingTheBody("distance", 1, "距-", "\"plate\" (id 1): edge 10 has no 3D curve");
}

namespace {

std::string Bytes(const std::string& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

}  // namespace

// One byte of a product's part made a curve's direction overflow: the old reader took it
// as a direction of length zero, the writer stored that, and the saved file never opened
// again. Now the reader refuses it, and a save whose file would not open again leaves
// the previous file as it was.
TEST_F(DamagedFiles, ABodyTheWriterCannotStoreIsRefusedOnOpenAndNeverReplacesAFile) {
  const char* source = std::getenv("FABDOC_SOURCE_DIR");
  ASSERT_NE(source, nullptr);
  const fs::path damaged = fs::path(source) / "platform/files/tests/corpus/resave-loses.prt";
  const std::string local = CopyAs(damaged, dir, "resave-loses.prt");
  try {
    files::OpenPart(ToHostPath(local));
    ADD_FAILURE() << "the damaged part was opened";
  } catch (const HostError& e) {
    EXPECT_EQ(std::string(e.what()).rfind(local + ": damaged shapes (body ", 0), 0u) << e.what();
    EXPECT_NE(std::string(e.what()).find("written back"), std::string::npos) << e.what();
  }
  EXPECT_TRUE(session().Parts().empty());

  // A sound part saved once; then its body is given the damaged shapes and saved again.
  const std::string target = dir + "/frame.prt";
  Part& part = session().NewPart(ToHostPath(target));
  fabdoc_test::AddBox(part, 0, 0, 0, 100, 50, 8, "plate");
  files::SavePart(part, part.path);
  const std::string before = Bytes(target);
  for (const TopoDS_Shape& shape : fabdoc_test::UncheckedShapes(damaged)) fabdoc_test::AddBox(part, 0, 0, 0, 1, 1, 1).SetShape(shape);
  try {
    files::SavePart(part, part.path);
    ADD_FAILURE() << "a part that would not open again was saved";
  } catch (const HostError& e) {
    const std::string what = e.what();
    EXPECT_NE(what.find("does not open again"), std::string::npos) << what;
    EXPECT_NE(what.find("the previous file is unchanged"), std::string::npos) << what;
  }
  EXPECT_EQ(Bytes(target), before);
  for (const auto& entry : fs::directory_iterator(dir))
    EXPECT_EQ(entry.path().filename().string().find(".tmp-"), std::string::npos) << entry.path();
  session().Reset();
  Part& reopened = files::OpenPart(ToHostPath(target));
  ASSERT_EQ(reopened.Objects().size(), 1u);
  EXPECT_NEAR(dynamic_cast<Body&>(*reopened.Objects().front()).Mass().volume, 100 * 50 * 8, 1e-6);
}
