// The browser's JSON API over a loopback socket: a real server on 127.0.0.1, a real host
// thread, a part on disk, and a dialog of a menu action driven line by line.
#include <filesystem>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "app/journal/journal.h"
#include "app/journal/runner.h"
#include "app/serve/body_meshes.h"
#include "app/tests/serve_test_support.h"
#include "platform/files/part_file.h"
#include "platform/objects/color_table.h"
#include "platform/objects/display.h"
#include "platform/text/host_path.h"

namespace {

namespace fs = std::filesystem;
using nlohmann::json;
using namespace fabdoc::app;
using fabdoc_test::HttpReply;

class ServeApi : public fabdoc_test::ServeTest {
protected:
  void SetUp() override {
    ServeTest::SetUp();
    StartServer();
  }
};

TEST_F(ServeApi, OpensThePartAndShowsItsBodiesMeshedInTheirColours) {
  ASSERT_EQ(Post("open", {{"path", "frame.prt"}}).status, 200);
  EXPECT_EQ(State()["part"], (folder / "frame.prt").string());
  const json tree = Http("GET", "/api/tree").Json();
  ASSERT_EQ(tree["bodies"].size(), 2u);
  EXPECT_EQ(tree["bodies"][0]["name"], "PLATE");
  EXPECT_EQ(tree["bodies"][1]["color"], platform::kDefaultBodyColor);

  const json meshes = Meshes();
  ASSERT_EQ(meshes["bodies"].size(), 2u);
  const auto grey = platform::ColorRgb(platform::kDefaultBodyColor);
  for (int i = 0; i < 2; ++i) {
    const json& body = meshes["bodies"][i];
    EXPECT_EQ(body["color"], json(grey));
    const json& mesh = meshes["meshes"][body["mesh"].get<std::string>()];
    // A box: six planar faces of two triangles each.
    EXPECT_EQ(mesh["indices"].size(), 6u * 2u * 3u);
    // Every vertex lies on the box: the plate's corners are (0,0,0) and (100,50,8), the bar's
    // (200,0,0) and (500,20,10); the matrix places the mesh (here it is the identity).
    const std::array<double, 6> box = i == 0 ? std::array<double, 6>{0, 0, 0, 100, 50, 8}
                                              : std::array<double, 6>{200, 0, 0, 500, 20, 10};
    const json& m = body["matrix"];
    const auto& p = mesh["positions"];
    double lo[3] = {1e9, 1e9, 1e9}, hi[3] = {-1e9, -1e9, -1e9};
    for (size_t v = 0; v + 2 < p.size(); v += 3)
      for (int k = 0; k < 3; ++k) {
        const double x = m[4 * k].get<double>() * p[v].get<double>() + m[4 * k + 1].get<double>() * p[v + 1].get<double>() +
                         m[4 * k + 2].get<double>() * p[v + 2].get<double>() + m[4 * k + 3].get<double>();
        lo[k] = std::min(lo[k], x);
        hi[k] = std::max(hi[k], x);
      }
    for (int k = 0; k < 3; ++k) {
      EXPECT_NEAR(lo[k], box[k], 1e-4) << "body " << i << " axis " << k;
      EXPECT_NEAR(hi[k], box[3 + k], 1e-4) << "body " << i << " axis " << k;
    }
  }
}

TEST_F(ServeApi, MeshesAreMadeOncePerShapeUntilTheShapeChanges) {
  platform::Part& part = session().NewPart("\\t\\meshes.prt");
  platform::Body& plate = fabdoc_test::AddBox(part, 0, 0, 0, 10, 10, 1, "A");
  session().SetDisplayed(&part);
  serve::BodyMeshes meshes;
  const std::vector<platform::Tag> tags = {plate.GetTag()};
  meshes.Describe(tags);
  meshes.Describe(tags);
  EXPECT_EQ(meshes.MeshesMade(), 1u);
  platform::Body& cube = fabdoc_test::AddBox(part, 0, 0, 0, 5, 5, 5);
  plate.SetShape(cube.Shape());
  const json described = meshes.Describe(tags);
  EXPECT_EQ(meshes.MeshesMade(), 2u);
  EXPECT_EQ(described["meshes"].size(), 1u);
}

TEST_F(ServeApi, DialogLinesRunAsJournalLinesAndAreRecordedAsAJournal) {
  ASSERT_EQ(Post("open", {{"path", "frame.prt"}}).status, 200);
  const auto tags = BodyTags();
  ASSERT_EQ(tags.size(), 2u);
  HttpReply opened = Post("action", {{"name", "probe"}});
  ASSERT_EQ(opened.status, 200) << opened.body;
  json state = opened.Json()["state"];
  ASSERT_EQ(state["dialogs"].size(), 1u);
  EXPECT_EQ(state["dialogs"][0]["title"], "探针");
  EXPECT_EQ(Block(state, "count0")["properties"]["Value"]["value"], 3);

  HttpReply picked = Post("select", {{"block", "pick0"}, {"tags", {tags[1]}}});
  ASSERT_EQ(picked.status, 200) << picked.body;
  EXPECT_EQ(Block(picked.Json()["state"], "pick0")["properties"]["SelectedObjects"]["value"][0]["name"], "BAR");
  ASSERT_EQ(Post("set", {{"block", "name0"}, {"value", "横梁 \"B\""}}).status, 200);
  // A value of the wrong type is refused naming the block and the type; the value stays.
  HttpReply wrong = Post("set", {{"block", "count0"}, {"value", "four"}});
  EXPECT_EQ(wrong.status, 422);
  EXPECT_NE(wrong.Json()["error"].get<std::string>().find("\"count0\" property \"Value\" takes a integer"),
            std::string::npos)
      << wrong.body;
  EXPECT_EQ(Block(State(), "count0")["properties"]["Value"]["value"], 3);
  EXPECT_EQ(Post("set", {{"block", "nope0"}, {"value", 1}}).status, 422);
  ASSERT_EQ(Post("set", {{"block", "count0"}, {"value", 4}}).status, 200);

  ASSERT_EQ(Post("apply").status, 200);
  const json painted = Meshes()["bodies"];
  EXPECT_EQ(painted[0]["color"], json(platform::ColorRgb(platform::kDefaultBodyColor)));
  EXPECT_EQ(painted[1]["color"], json(platform::ColorRgb(platform::kRedColor)));
  ASSERT_EQ(Post("cancel").status, 200);
  EXPECT_TRUE(State()["dialogs"].empty());
  ASSERT_EQ(Post("save-as", {{"path", "painted.prt"}}).status, 200);

  // The journal holds what was done, refused lines left out, and replays to the same part.
  std::ifstream in(folder / "recorded.journal");
  std::stringstream text;
  text << in.rdbuf();
  EXPECT_EQ(text.str(),
            "# What was done in the browser (fabdoc serve); fabdoc run replays it.\n"
            "open \"frame.prt\"\n"
            "action \"probe\"\n"
            "  select pick0 \"body:BAR\"\n"
            "  set name0 \"横梁 \\\"B\\\"\"\n"
            "  set count0 4\n"
            "  apply\n"
            "  cancel\n"
            "save as \"painted.prt\"\n");
  browser.reset();  // the host thread stops; the session is this thread's again
  session().Reset();
  fs::remove(folder / "painted.prt");
  const journal::Journal recorded = journal::ReadJournal((folder / "recorded.journal").string());
  journal::Runner(recorded).Run();
  platform::Part& replayed = platform::files::OpenPart(platform::ToAbsoluteHostPath((folder / "painted.prt").string()));
  std::vector<int> colors;
  for (const auto& object : replayed.Objects())
    if (object->Type() == platform::kSolidType) colors.push_back(session().DisplayOf(*object).color);
  EXPECT_EQ(colors, (std::vector<int>{platform::kDefaultBodyColor, platform::kRedColor}));
}

TEST_F(ServeApi, BadRequestsAreRefusedWithAClearErrorAndChangeNothing) {
  ASSERT_EQ(Post("open", {{"path", "frame.prt"}}).status, 200);
  const json before = State();
  auto error = [](const HttpReply& r) { return r.Json()["error"].get<std::string>(); };

  HttpReply malformed = Http("POST", "/api/open", "{\"path\": ");
  EXPECT_EQ(malformed.status, 400);
  EXPECT_NE(error(malformed).find("not JSON"), std::string::npos);
  EXPECT_EQ(Http("POST", "/api/open", "[1,2]").status, 400);
  HttpReply missing = Post("open", json::object());
  EXPECT_EQ(missing.status, 400);
  EXPECT_NE(error(missing).find("lacks \"path\""), std::string::npos);
  HttpReply outside = Post("open", {{"path", "../elsewhere.prt"}});
  EXPECT_EQ(outside.status, 403);
  EXPECT_NE(error(outside).find("outside the folders"), std::string::npos);
  EXPECT_EQ(Post("save-as", {{"path", "/tmp/stolen.prt"}}).status, 403);
  EXPECT_FALSE(fs::exists("/tmp/stolen.prt"));
  EXPECT_EQ(Post("open", {{"path", "probe.dlx"}}).status, 400);
  EXPECT_EQ(Http("GET", "/api/file?path=/etc/passwd").status, 403);
  EXPECT_EQ(Http("GET", "/api/file?path=..%2F..%2Fetc%2Fpasswd").status, 403);
  EXPECT_EQ(Http("GET", "/page/../../../etc/passwd").status, 403);
  EXPECT_EQ(Http("GET", "/api/file?path=probe.dlx").status, 200);
  HttpReply unknown = Post("action", {{"name", "no_such_action"}});
  EXPECT_EQ(unknown.status, 422);
  EXPECT_NE(error(unknown).find("no menu action is named \"no_such_action\""), std::string::npos);
  HttpReply noDialog = Post("apply");
  EXPECT_EQ(noDialog.status, 422);
  EXPECT_NE(error(noDialog).find("no dialog is open"), std::string::npos);
  EXPECT_EQ(Post("select", {{"block", "pick0"}, {"tags", {"x"}}}).status, 400);
  EXPECT_EQ(Post("set", {{"block", "a b"}, {"value", 1}}).status, 400);
  EXPECT_EQ(Http("DELETE", "/api/state").status, 405);
  EXPECT_EQ(Post("frobnicate").status, 404);

  const json after = State();
  EXPECT_EQ(after["part"], before["part"]);
  EXPECT_EQ(after["dialogs"], before["dialogs"]);
  EXPECT_EQ(Meshes()["bodies"].size(), 2u);
}

TEST_F(ServeApi, ListensOnLoopbackOnlyAndTellsWebSocketClientsOfEachChange) {
  EXPECT_EQ(server->Address(), "127.0.0.1");
  EXPECT_THROW(serve::HttpServer("localhost-or-anything", 0), std::runtime_error);

  fabdoc_test::PushListener listener;
  ASSERT_TRUE(listener.Connect(port, PageHeaders()));
  ASSERT_EQ(Post("open", {{"path", "frame.prt"}}).status, 200);
  const json event = json::parse(listener.Read());
  EXPECT_EQ(event["event"], "changed");
  EXPECT_EQ(event["revision"], State()["revision"]);
}

}  // namespace

namespace {

TEST_F(ServeApi, FilesADialogWritesLandBesideThePartAreOfferedAndNothingLeavesTheFolder) {
  ASSERT_EQ(Post("open", {{"path", "frame.prt"}}).status, 200);
  const fs::path outside = fs::path(fabdoc_test::FreshDir("serve_outside"));
  ASSERT_EQ(Post("action", {{"name", "probe"}}).status, 200);
  // The host's ".\" is the part's folder, whatever the server's working folder.
  ASSERT_EQ(Post("set", {{"block", "name0"}, {"value", ".\\list.xlsx"}}).status, 200);
  const HttpReply written = Post("apply");
  ASSERT_EQ(written.status, 200) << written.body;
  EXPECT_EQ(written.Json()["files"], json::array({"list.xlsx"}));
  EXPECT_TRUE(fs::exists(folder / "list.xlsx"));
  EXPECT_EQ(Http("GET", "/api/file?download=1&path=list.xlsx").body, "probe");
  // Out of the folder, as an absolute path and in the host's "..\" form: refused and said.
  for (const std::string& path :
       {platform::ToHostPath((outside / "a.xlsx").string()), std::string("..\\") + outside.filename().string() + "\\b.xlsx"}) {
    ASSERT_EQ(Post("set", {{"block", "name0"}, {"value", path}}).status, 200);
    const HttpReply refused = Post("apply");
    EXPECT_EQ(refused.Json()["files"], json::array());
    const std::string shown = refused.Json()["messages"].dump();
    EXPECT_NE(shown.find("outside the folder this session may write in"), std::string::npos) << shown;
  }
  EXPECT_TRUE(fs::is_empty(outside));
  ASSERT_EQ(Post("cancel").status, 200);
  // The log holds it all, oldest first, for a page opened later.
  const json log = Http("GET", "/api/messages").Json();
  std::vector<std::string> kinds;
  for (const json& entry : log) kinds.push_back(entry["kind"]);
  EXPECT_EQ(kinds, (std::vector<std::string>{"file", "error box", "error box"})) << log.dump();
  // Every action has a label; one the page does not know shows its name.
  EXPECT_EQ(State()["labels"]["probe"], "probe");
}

}  // namespace
