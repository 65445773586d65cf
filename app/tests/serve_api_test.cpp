// The browser's JSON API over a loopback socket: a real server on 127.0.0.1, a real host
// thread, a part on disk, and a dialog of a menu action driven line by line.
#include <filesystem>
#include <fstream>
#include <sstream>

#include <boost/asio/connect.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/beast/core.hpp>
#include <boost/beast/http.hpp>
#include <boost/beast/websocket.hpp>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "app/journal/journal.h"
#include "app/journal/runner.h"
#include "app/serve/api.h"
#include "app/serve/body_meshes.h"
#include "app/serve/browser_session.h"
#include "app/serve/http_server.h"
#include "platform/files/part_file.h"
#include "platform/objects/color_table.h"
#include "platform/objects/display.h"
#include "platform/text/host_path.h"
#include "platform/ui/dialog_file.h"
#include "platform/ui/menu_bar.h"
#include "tests/support/test_model.h"

namespace {

namespace fs = std::filesystem;
namespace beast = boost::beast;
namespace http = beast::http;
using tcp = boost::asio::ip::tcp;
using nlohmann::json;
using namespace fabdoc::app;

struct Reply {
  int status;
  std::string body;
  json Json() const { return json::parse(body); }
};

Reply Http(unsigned short port, const std::string& method, const std::string& target, const std::string& body = "") {
  boost::asio::io_context io;
  tcp::socket socket(io);
  socket.connect({boost::asio::ip::make_address("127.0.0.1"), port});
  http::request<http::string_body> request{http::string_to_verb(method), target, 11};
  request.set(http::field::host, "127.0.0.1");
  request.body() = body;
  request.prepare_payload();
  http::write(socket, request);
  beast::flat_buffer buffer;
  http::response<http::string_body> response;
  http::read(socket, buffer, response);
  return {static_cast<int>(response.result_int()), response.body()};
}

// The probe action's dialog: a body selection, a text and a whole number.
const char* kProbeDialog = R"(<?xml version="1.0" encoding="UTF-8"?>
<dialog title="探针">
  <block id="pick0" kind="SelectObject" label="实体"/>
  <block id="name0" kind="StringBlock" label="名称"/>
  <block id="count0" kind="IntegerBlock" label="数量" Value="3"/>
</dialog>
)";

// The probe paints the picked bodies red on Apply and leaves them as they were otherwise.
void RegisterProbe(const std::string& dialogFile) {
  platform::ui::AddActions({{"probe", [dialogFile] {
                               auto dialog = platform::ui::ReadDialogFile(dialogFile);
                               platform::ui::Dialog* d = dialog.get();
                               d->apply = [d] {
                                 auto& session = platform::Session::Get();
                                 for (platform::Tag tag : std::get<std::vector<platform::Tag>>(
                                          d->Require("pick0").Get("SelectedObjects").value))
                                   session.EditDisplay(session.Require(tag)).color = platform::kRedColor;
                                 return 0;
                               };
                               dialog->Show();
                               return 0;
                             }}});
}

class ServeApi : public fabdoc_test::SessionTest {
protected:
  void SetUp() override {
    SessionTest::SetUp();
    folder = fs::path(fabdoc_test::FreshDir("serve_api"));
    // Two plates, 100 x 50 x 8 mm at the origin and 300 x 20 x 10 mm beside it.
    platform::Part& part = session().NewPart(platform::ToAbsoluteHostPath((folder / "frame.prt").string()));
    fabdoc_test::AddBox(part, 0, 0, 0, 100, 50, 8, "PLATE");
    fabdoc_test::AddBox(part, 200, 0, 0, 300, 20, 10, "BAR");
    platform::files::SavePart(part, part.path);
    session().Reset();
    std::ofstream(folder / "probe.dlx") << kProbeDialog;
    serve::BrowserSessionOptions options;
    options.folder = folder.string();
    options.recordPath = (folder / "recorded.journal").string();
    options.startHost = [this] { RegisterProbe((folder / "probe.dlx").string()); };
    options.changed = [this](std::uint64_t revision) {
      if (server) server->Broadcast(json{{"event", "changed"}, {"revision", revision}}.dump());
    };
    browser = std::make_unique<serve::BrowserSession>(options);
    api = std::make_unique<serve::Api>(*browser, serve::ApiFolders{folder / "page", {folder}});
    server = std::make_unique<serve::HttpServer>("127.0.0.1", 0, [this](const serve::HttpRequest& r) {
      return api->Answer(r);
    });
    port = server->Port();
  }
  void TearDown() override {
    server.reset();
    api.reset();
    browser.reset();
    platform::ui::ClearMenuBar();
    SessionTest::TearDown();
  }

  Reply Post(const std::string& what, const json& body = json::object()) {
    return Http(port, "POST", "/api/" + what, body.dump());
  }
  json State() { return Http(port, "GET", "/api/state").Json(); }
  json Meshes() { return Http(port, "GET", "/api/meshes").Json(); }
  std::vector<std::uint64_t> BodyTags() {
    std::vector<std::uint64_t> tags;
    const json meshes = Meshes();
    for (const auto& body : meshes["bodies"]) tags.push_back(body["tag"]);
    return tags;
  }
  json Block(const json& state, const std::string& id) {
    for (const auto& block : state["dialogs"].back()["blocks"])
      if (block["id"] == id) return block;
    return nullptr;
  }

  fs::path folder;
  std::unique_ptr<serve::BrowserSession> browser;
  std::unique_ptr<serve::Api> api;
  std::unique_ptr<serve::HttpServer> server;
  unsigned short port = 0;
};

TEST_F(ServeApi, OpensThePartAndShowsItsBodiesMeshedInTheirColours) {
  ASSERT_EQ(Post("open", {{"path", "frame.prt"}}).status, 200);
  EXPECT_EQ(State()["part"], (folder / "frame.prt").string());
  const json tree = Http(port, "GET", "/api/tree").Json();
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
  Reply opened = Post("action", {{"name", "probe"}});
  ASSERT_EQ(opened.status, 200) << opened.body;
  json state = opened.Json()["state"];
  ASSERT_EQ(state["dialogs"].size(), 1u);
  EXPECT_EQ(state["dialogs"][0]["title"], "探针");
  EXPECT_EQ(Block(state, "count0")["properties"]["Value"]["value"], 3);

  Reply picked = Post("select", {{"block", "pick0"}, {"tags", {tags[1]}}});
  ASSERT_EQ(picked.status, 200) << picked.body;
  EXPECT_EQ(Block(picked.Json()["state"], "pick0")["properties"]["SelectedObjects"]["value"][0]["name"], "BAR");
  ASSERT_EQ(Post("set", {{"block", "name0"}, {"value", "横梁 \"B\""}}).status, 200);
  // A value of the wrong type is refused naming the block and the type; the value stays.
  Reply wrong = Post("set", {{"block", "count0"}, {"value", "four"}});
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
  auto error = [](const Reply& r) { return r.Json()["error"].get<std::string>(); };

  Reply malformed = Http(port, "POST", "/api/open", "{\"path\": ");
  EXPECT_EQ(malformed.status, 400);
  EXPECT_NE(error(malformed).find("not JSON"), std::string::npos);
  EXPECT_EQ(Http(port, "POST", "/api/open", "[1,2]").status, 400);
  Reply missing = Post("open", json::object());
  EXPECT_EQ(missing.status, 400);
  EXPECT_NE(error(missing).find("lacks \"path\""), std::string::npos);
  Reply outside = Post("open", {{"path", "../elsewhere.prt"}});
  EXPECT_EQ(outside.status, 403);
  EXPECT_NE(error(outside).find("outside the folders"), std::string::npos);
  EXPECT_EQ(Post("save-as", {{"path", "/tmp/stolen.prt"}}).status, 403);
  EXPECT_FALSE(fs::exists("/tmp/stolen.prt"));
  EXPECT_EQ(Post("open", {{"path", "probe.dlx"}}).status, 400);
  EXPECT_EQ(Http(port, "GET", "/api/file?path=/etc/passwd").status, 403);
  EXPECT_EQ(Http(port, "GET", "/api/file?path=..%2F..%2Fetc%2Fpasswd").status, 403);
  EXPECT_EQ(Http(port, "GET", "/page/../../../etc/passwd").status, 403);
  EXPECT_EQ(Http(port, "GET", "/api/file?path=probe.dlx").status, 200);
  Reply unknown = Post("action", {{"name", "no_such_action"}});
  EXPECT_EQ(unknown.status, 422);
  EXPECT_NE(error(unknown).find("no menu action is named \"no_such_action\""), std::string::npos);
  Reply noDialog = Post("apply");
  EXPECT_EQ(noDialog.status, 422);
  EXPECT_NE(error(noDialog).find("no dialog is open"), std::string::npos);
  EXPECT_EQ(Post("select", {{"block", "pick0"}, {"tags", {"x"}}}).status, 422);
  EXPECT_EQ(Post("set", {{"block", "a b"}, {"value", 1}}).status, 400);
  EXPECT_EQ(Http(port, "DELETE", "/api/state").status, 405);
  EXPECT_EQ(Post("frobnicate").status, 404);

  const json after = State();
  EXPECT_EQ(after["part"], before["part"]);
  EXPECT_EQ(after["dialogs"], before["dialogs"]);
  EXPECT_EQ(Meshes()["bodies"].size(), 2u);
}

TEST_F(ServeApi, ListensOnLoopbackOnlyAndTellsWebSocketClientsOfEachChange) {
  EXPECT_EQ(server->Address(), "127.0.0.1");
  EXPECT_THROW(serve::HttpServer("localhost-or-anything", 0, {}), std::runtime_error);

  boost::asio::io_context io;
  beast::websocket::stream<tcp::socket> ws(io);
  ws.next_layer().connect({boost::asio::ip::make_address("127.0.0.1"), port});
  ws.handshake("127.0.0.1", "/ws");
  ASSERT_EQ(Post("open", {{"path", "frame.prt"}}).status, 200);
  beast::flat_buffer buffer;
  ws.read(buffer);
  const json event = json::parse(beast::buffers_to_string(buffer.data()));
  EXPECT_EQ(event["event"], "changed");
  EXPECT_EQ(event["revision"], State()["revision"]);
}

}  // namespace
