#include "app/tests/serve_test_support.h"

#include <fstream>

#include <boost/asio/ip/tcp.hpp>
#include <boost/beast/core.hpp>
#include <boost/beast/http.hpp>
#include <boost/beast/websocket.hpp>

#include "platform/base/host_error.h"
#include "platform/files/atomic_file.h"
#include "platform/files/part_file.h"
#include "platform/objects/color_table.h"
#include "platform/objects/display.h"
#include "platform/text/host_path.h"
#include "platform/ui/dialog_file.h"
#include "platform/ui/menu_bar.h"

namespace fabdoc_test {
namespace {

namespace fs = std::filesystem;
namespace beast = boost::beast;
namespace http = beast::http;
using tcp = boost::asio::ip::tcp;
using nlohmann::json;
using namespace fabdoc::app;

// The probe action's dialog: a body selection, a text and a whole number.
const char* kProbeDialog = R"(<?xml version="1.0" encoding="UTF-8"?>
<dialog title="探针">
  <block id="pick0" kind="SelectObject" label="实体"/>
  <block id="name0" kind="StringBlock" label="名称"/>
  <block id="count0" kind="IntegerBlock" label="数量" Value="3"/>
</dialog>
)";

// The probe paints the picked bodies red on Apply and leaves them as they were otherwise;
// with a text in name0 it also writes a file of that (host) path, as a dialog's folder field does.
void RegisterProbe(const std::string& dialogFile) {
  platform::ui::AddActions({{"probe", [dialogFile] {
                               auto dialog = platform::ui::ReadDialogFile(dialogFile);
                               platform::ui::Dialog* d = dialog.get();
                               d->apply = [d] {
                                 auto& session = platform::Session::Get();
                                 for (platform::Tag tag : std::get<std::vector<platform::Tag>>(
                                          d->Require("pick0").Get("SelectedObjects").value))
                                   session.EditDisplay(session.Require(tag)).color = platform::kRedColor;
                                 const std::string file = std::get<std::string>(d->Require("name0").Get("Value").value);
                                 if (!file.empty()) {
                                   try {
                                     platform::files::WriteFileAtomically(platform::ToLocalPath(file), file,
                                                                          [](std::ostream& out) { out << "probe"; });
                                   } catch (const platform::HostError&) {
                                     // refused: the host said so; the dialog goes on
                                   }
                                 }
                                 return 0;
                               };
                               dialog->Show();
                               return 0;
                             }}});
}

}  // namespace

struct PushListener::Impl {
  boost::asio::io_context io;
  beast::websocket::stream<tcp::socket> stream{io};
};

PushListener::PushListener() : impl_(std::make_unique<Impl>()) {}
PushListener::~PushListener() = default;

bool PushListener::Connect(unsigned short port, const HttpHeaders& headers) {
  impl_->stream.next_layer().connect({boost::asio::ip::make_address("127.0.0.1"), port});
  impl_->stream.set_option(beast::websocket::stream_base::decorator([headers](beast::websocket::request_type& request) {
    if (!headers.origin.empty()) request.set(http::field::origin, headers.origin);
    if (!headers.authorization.empty()) request.set(http::field::authorization, headers.authorization);
    if (!headers.cookie.empty()) request.set(http::field::cookie, headers.cookie);
  }));
  beast::error_code ec;
  impl_->stream.handshake(headers.host, "/ws", ec);
  return !ec;
}

std::string PushListener::Read() {
  beast::flat_buffer buffer;
  impl_->stream.read(buffer);
  return beast::buffers_to_string(buffer.data());
}

HttpReply HttpCall(unsigned short port, const std::string& method, const std::string& target, const std::string& body,
                   const HttpHeaders& headers) {
  boost::asio::io_context io;
  tcp::socket socket(io);
  socket.connect({boost::asio::ip::make_address("127.0.0.1"), port});
  http::request<http::string_body> request{http::string_to_verb(method), target, 11};
  if (!headers.host.empty()) request.set(http::field::host, headers.host);
  if (!headers.origin.empty()) request.set(http::field::origin, headers.origin);
  if (!headers.contentType.empty()) request.set(http::field::content_type, headers.contentType);
  if (!headers.authorization.empty()) request.set(http::field::authorization, headers.authorization);
  if (!headers.cookie.empty()) request.set(http::field::cookie, headers.cookie);
  request.body() = body;
  request.prepare_payload();
  http::write(socket, request);
  beast::flat_buffer buffer;
  http::response<http::string_body> response;
  http::read(socket, buffer, response);
  return {static_cast<int>(response.result_int()), response.body(), std::string(response[http::field::location]),
          std::string(response[http::field::set_cookie])};
}

void ServeTest::SetUp() {
  SessionTest::SetUp();
  folder = fs::path(FreshDir("serve_api"));
  // Two plates, 100 x 50 x 8 mm at the origin and 300 x 20 x 10 mm beside it.
  platform::Part& part = session().NewPart(platform::ToAbsoluteHostPath((folder / "frame.prt").string()));
  AddBox(part, 0, 0, 0, 100, 50, 8, "PLATE");
  AddBox(part, 200, 0, 0, 300, 20, 10, "BAR");
  platform::files::SavePart(part, part.path);
  session().Reset();
  std::ofstream(folder / "probe.dlx") << kProbeDialog;
}

void ServeTest::StartServer() {
  serve::BrowserSessionOptions options;
  options.folder = folder.string();
  options.recordPath = (folder / "recorded.journal").string();
  options.startHost = [this] { RegisterProbe((folder / "probe.dlx").string()); };
  options.changed = [this](std::uint64_t revision) {
    if (server) server->Broadcast(json{{"event", "changed"}, {"revision", revision}}.dump());
  };
  browser = std::make_unique<serve::BrowserSession>(options);
  api = std::make_unique<serve::Api>(*browser, serve::ApiFolders{folder / "page", {folder}});
  gate = std::make_unique<serve::RequestGate>(kToken, "127.0.0.1");
  server = std::make_unique<serve::HttpServer>(
      "127.0.0.1", 0,
      [this](const serve::HttpRequest& r) {
        if (auto refusal = gate->Check(r)) return *refusal;
        return api->Answer(r);
      },
      limits);
  port = server->Port();
}

void ServeTest::TearDown() {
  server.reset();
  api.reset();
  browser.reset();
  platform::ui::ClearMenuBar();
  SessionTest::TearDown();
}

HttpHeaders ServeTest::PageHeaders() const {
  const std::string host = "127.0.0.1:" + std::to_string(port);
  return {host, "http://" + host, "application/json", std::string("Bearer ") + kToken, ""};
}

HttpReply ServeTest::Http(const std::string& method, const std::string& target, const std::string& body) {
  return HttpCall(port, method, target, body, PageHeaders());
}

HttpReply ServeTest::Post(const std::string& what, const json& body) { return Http("POST", "/api/" + what, body.dump()); }
json ServeTest::State() { return Http("GET", "/api/state").Json(); }
json ServeTest::Meshes() { return Http("GET", "/api/meshes").Json(); }

std::vector<std::uint64_t> ServeTest::BodyTags() {
  std::vector<std::uint64_t> tags;
  const json meshes = Meshes();
  for (const auto& body : meshes["bodies"]) tags.push_back(body["tag"]);
  return tags;
}

json ServeTest::Block(const json& state, const std::string& id) {
  for (const auto& block : state["dialogs"].back()["blocks"])
    if (block["id"] == id) return block;
  return nullptr;
}

}  // namespace fabdoc_test
