// What `fabdoc info` reports of bodies it cannot measure: a body without geometry (the
// format allows one) is listed without figures, and a body the modeller fails on stops
// the report with an error naming the file and the body, never an abort.
#include <cstdlib>
#include <filesystem>

#include <gtest/gtest.h>

#include "app/info/part_report.h"
#include "platform/base/host_error.h"
#include "platform/geometry/body.h"
#include "tests/support/test_model.h"
#include "tests/support/unchecked_shapes.h"

using namespace platform;

class PartReportOfDamagedBodies : public fabdoc_test::SessionTest {};

TEST_F(PartReportOfDamagedBodies, ABodyWithoutGeometryIsListedWithoutFigures) {
  Part& part = session().NewPart("\\t\\frame.prt");
  fabdoc_test::AddBox(part, 0, 0, 0, 100, 50, 8, "plate");
  auto empty = std::make_unique<Body>();
  empty->name = "empty";
  part.Add(std::move(empty));
  const auto report = fabdoc::app::PartReport(part);
  ASSERT_EQ(report["bodies"].size(), 2u);
  EXPECT_NEAR(report["bodies"][0]["volume"].get<double>(), 100 * 50 * 8, 1e-6);
  EXPECT_TRUE(report["bodies"][1]["volume"].is_null());
  EXPECT_TRUE(report["bodies"][1]["box"].is_null());
  EXPECT_EQ(report["bodies"][1]["faces"], 0);
  const std::string text = fabdoc::app::PartReportText(report);
  EXPECT_NE(text.find("\"empty\" layer 1 colour"), std::string::npos) << text;
  EXPECT_NE(text.find("no geometry"), std::string::npos) << text;
}

TEST_F(PartReportOfDamagedBodies, AModellerFailureNamesTheFileAndTheBody) {
  const char* source = std::getenv("FABDOC_SOURCE_DIR") ? std::getenv("FABDOC_SOURCE_DIR") : FABDOC_TEST_SOURCE_DIR;
  // Bodies that aborted `info` with an uncaught Standard_ConstructionError.
  const auto shapes = fabdoc_test::UncheckedShapes(std::filesystem::path(source) /
                                                   "platform/files/tests/corpus/measured/abort-336.prt");
  Part& part = session().NewPart("\\t\\abort.prt");
  for (const TopoDS_Shape& shape : shapes) fabdoc_test::AddBox(part, 0, 0, 0, 1, 1, 1, "damaged").SetShape(shape);
  try {
    fabdoc::app::PartReport(part);
    ADD_FAILURE() << "every body was measured";
  } catch (const HostError& e) {
    const std::string what = e.what();
    EXPECT_NE(what.find("abort.prt: body "), std::string::npos) << what;
    EXPECT_NE(what.find("\"damaged\": the modeller failed: "), std::string::npos) << what;
  }
}
