// Routes of the JSON API (docs/serve.md). A request that is malformed, names a file
// outside the allowed folders or a value of the wrong type is refused before any line
// runs: the reply is {"ok": false, "error": ...} and the session is as it was.
#include "app/serve/api.h"

#include <unistd.h>

#include <fstream>
#include <limits>
#include <optional>
#include <map>
#include <sstream>

#include "app/info/part_report.h"
#include "app/journal/selectors.h"
#include "app/serve/allowed_paths.h"
#include "app/serve/dialog_json.h"
#include "app/serve/request_json.h"
#include "platform/drafting/drafting_view.h"
#include "platform/drafting/sheet_drawing_of.h"
#include "platform/drafting/sheet_renderer.h"
#include "platform/drafting/sheets.h"
#include "platform/objects/session.h"
#include "platform/text/gbk.h"
#include "platform/text/host_path.h"
#include "platform/ui/menu_bar.h"

namespace fabdoc::app::serve {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;


HttpResponse JsonResponse(int status, const json& body) { return {status, kJson, body.dump()}; }
HttpResponse Refused(int status, const std::string& message) { return JsonResponse(status, ErrorReply(message)); }

const json& Field(const json& body, const char* name) {
  if (!body.contains(name)) throw std::invalid_argument(std::string("the request lacks \"") + name + "\"");
  return body.at(name);
}

std::string Text(const json& body, const char* name) {
  const json& value = Field(body, name);
  if (!value.is_string() || value.get<std::string>().empty())
    throw std::invalid_argument(std::string("\"") + name + "\" must be a non-empty text, not " + Brief(value));
  return value.get<std::string>();
}

// Block ids and property names are letters, digits and '_' (the dialog file's rule).
std::string Identifier(const json& body, const char* name) {
  std::string id = Text(body, name);
  for (char c : id)
    if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_')
      throw std::invalid_argument(std::string("\"") + name + "\" is not a block or property name: \"" + id + "\"");
  return id;
}

// Object tags are 32-bit; a larger number would wrap to another object's tag.
std::vector<platform::Tag> Tags(const json& body) {
  const json& tags = Field(body, "tags");
  if (!tags.is_array()) throw std::invalid_argument("\"tags\" must be a list of object tags");
  std::vector<platform::Tag> out;
  for (const json& tag : tags) {
    if (!tag.is_number_unsigned() || tag.get<std::uint64_t>() > std::numeric_limits<platform::Tag>::max())
      throw std::invalid_argument("\"tags\" holds " + Brief(tag) + ", not a tag");
    out.push_back(tag.get<platform::Tag>());
  }
  return out;
}

std::vector<journal::Token> Selectors(const std::vector<platform::Tag>& tags) {
  std::vector<journal::Token> tokens;
  for (platform::Tag tag : tags) tokens.push_back(Quoted(journal::SelectorFor(tag)));
  if (tokens.empty()) tokens.push_back(Bare("none"));
  return tokens;
}

std::string NodePath(const json& body) {
  const json& node = Field(body, "node");
  if (!node.is_array() || node.empty()) throw std::invalid_argument("\"node\" must be a list of node texts");
  std::string path = "node:";
  for (const json& text : node) {
    if (!text.is_string() || text.get<std::string>().find('/') != std::string::npos)
      throw std::invalid_argument("\"node\" holds " + Brief(text) + ", not a node text");
    path += (path.size() > 5 ? "/" : "") + text.get<std::string>();
  }
  return path;
}

std::string ContentType(const fs::path& path) {
  static const std::map<std::string, std::string> types = {
      {".html", "text/html; charset=utf-8"}, {".js", "text/javascript; charset=utf-8"},
      {".mjs", "text/javascript; charset=utf-8"}, {".css", "text/css; charset=utf-8"},
      {".svg", "image/svg+xml"}, {".png", "image/png"}, {".jpg", "image/jpeg"}, {".jpeg", "image/jpeg"},
      {".bmp", "image/bmp"}, {".gif", "image/gif"}, {".json", kJson}};
  auto it = types.find(path.extension().string());
  return it == types.end() ? "application/octet-stream" : it->second;
}

// Percent-encoding for a header's file name (RFC 5987).
std::string UrlEncode(const std::string& text) {
  static const char* hex = "0123456789ABCDEF";
  std::string out;
  for (unsigned char c : text) {
    if (std::isalnum(c) || c == '.' || c == '-' || c == '_') out += static_cast<char>(c);
    else out += std::string{'%', hex[c >> 4], hex[c & 15]};
  }
  return out;
}

HttpResponse ReadFileResponse(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in || fs::is_directory(path)) return Refused(404, path.string() + " is not a file that can be read");
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return {200, ContentType(path), bytes.str()};
}

platform::Part& Displayed() {
  platform::Part* part = platform::Session::Get().Displayed();
  if (!part) throw std::runtime_error("no part is open");
  return *part;
}

}  // namespace

Api::Api(BrowserSession& session, ApiFolders folders) : session_(session), folders_(std::move(folders)) {}

HttpResponse Api::Answer(const HttpRequest& request) {
  try {
    if (request.upgrade) return request.path == "/ws" ? HttpResponse{101, "", ""} : Refused(404, "the WebSocket is at /ws");
    if (request.method == "GET") return Get(request);
    if (request.method != "POST") return Refused(405, request.method + " is not used here; GET reads, POST acts");
    if (request.path.rfind("/api/", 0) != 0) return Refused(404, "no such action: " + request.path);
    const json body = request.body.empty() ? json::object() : ParseRequestJson(request.body);
    if (!body.is_object()) return Refused(400, "the request must be a JSON object, not " + Brief(body));
    return Post(request.path.substr(5), body);
  } catch (const PathRefused& e) {
    return Refused(403, e.what());
  } catch (const std::invalid_argument& e) {
    return Refused(400, e.what());
  }
}

HttpResponse Api::Get(const HttpRequest& request) {
  const std::string& path = request.path;
  if (path == "/") return Page("index.html");
  if (path.rfind("/page/", 0) == 0) return Page(path.substr(6));
  if (path == "/api/state") return Read([this] { return session_.State(); });
  if (path == "/api/messages") return Read([this] { return session_.Messages(); });
  if (path == "/api/sheets.pdf") return SheetsPdf();
  if (path == "/api/tree")
    return Read([] { return platform::Session::Get().Displayed() ? PartReport(Displayed()) : json(); });
  if (path == "/api/meshes") return Read([this] { return meshes_.Describe(journal::DisplayedBodies()); });
  if (path == "/api/sheets")
    return Read([] {
      json sheets = json::array();
      // A sheet is picked through one of its views, as in the host's selection dialog.
      std::map<std::uint32_t, platform::Tag> firstView;
      for (const auto& object : Displayed().Objects())
        if (auto* view = dynamic_cast<platform::DraftingView*>(object.get()); view && view->sheetPid)
          firstView.emplace(view->sheetPid, view->GetTag());
      for (platform::DrawingSheet* sheet : platform::drafting::SheetsOf(Displayed())) {
        const auto view = firstView.find(sheet->pid);
        sheets.push_back({{"tag", sheet->GetTag()},
                          {"name", platform::text::ToUtf8Lossy(sheet->name)},
                          {"pick", view == firstView.end() ? json() : json(view->second)}});
      }
      return sheets;
    });
  if (path == "/api/sheet.svg") return SheetSvg(QueryValue(request.query, "name"));
  if (path == "/api/file") {
    HttpResponse file = File(QueryValue(request.query, "path"));
    if (QueryValue(request.query, "download") == "1" && file.status == 200) {
      const std::string name = fs::path(QueryValue(request.query, "path")).filename().string();
      file.contentType = "application/octet-stream";
      file.headers.push_back({"Content-Disposition", "attachment; filename*=UTF-8''" + UrlEncode(name)});
    }
    return file;
  }
  return Refused(404, "nothing is served at " + path);
}

HttpResponse Api::Page(const std::string& name) {
  const fs::path file = AllowedPath({folders_.page}, name);
  return ReadFileResponse(file);
}

HttpResponse Api::File(const std::string& userPath) { return ReadFileResponse(AllowedPath(folders_.files, userPath)); }

HttpResponse Api::SheetSvg(const std::string& name) {
  if (name.empty()) return Refused(400, "name the sheet: /api/sheet.svg?name=NAME");
  json reply = session_.Query([&] {
    platform::DrawingSheet* sheet = platform::drafting::FindSheet(Displayed(), platform::text::ToGbk(name));
    if (!sheet) throw std::runtime_error("the part has no sheet named \"" + name + "\"");
    const fs::path file = fs::temp_directory_path() / ("fabdoc-serve-" + std::to_string(::getpid()) + ".svg");
    platform::drafting::RenderSvg(platform::drafting::DrawingOf(*sheet), file.string());
    std::ifstream in(file, std::ios::binary);
    std::ostringstream svg;
    svg << in.rdbuf();
    fs::remove(file);
    return json{{"ok", true}, {"svg", svg.str()}};
  });
  if (!reply.value("ok", false)) return JsonResponse(404, reply);
  return {200, "image/svg+xml", reply["svg"].get<std::string>()};
}

HttpResponse Api::SheetsPdf() {
  json reply = session_.Query([&] {
    std::vector<platform::drafting::SheetDrawing> drawings;
    for (platform::DrawingSheet* sheet : platform::drafting::SheetsOf(Displayed()))
      drawings.push_back(platform::drafting::DrawingOf(*sheet));
    if (drawings.empty()) throw std::runtime_error("the part has no sheets");
    const fs::path file = fs::temp_directory_path() / ("fabdoc-serve-" + std::to_string(::getpid()) + ".pdf");
    platform::drafting::RenderPdf(drawings, file.string());
    std::ifstream in(file, std::ios::binary);
    std::ostringstream pdf;
    pdf << in.rdbuf();
    fs::remove(file);
    const std::string bytes = pdf.str();
    return json{{"ok", true}, {"name", fs::path(platform::ToLocalPath(Displayed().path)).stem().string() + ".pdf"},
                {"pdf", json::binary_t(std::vector<std::uint8_t>(bytes.begin(), bytes.end()))}};
  });
  if (!reply.value("ok", false)) return JsonResponse(404, reply);
  const auto& bytes = reply["pdf"].get_binary();
  return {200, "application/pdf", std::string(bytes.begin(), bytes.end()),
          {{"Content-Disposition", "attachment; filename*=UTF-8''" + UrlEncode(reply["name"].get<std::string>())}}};
}

HttpResponse Api::Read(std::function<json()> query) {
  json reply = session_.Query(std::move(query));
  const bool failed = reply.is_object() && reply.contains("ok") && !reply["ok"].get<bool>();
  return JsonResponse(failed ? 422 : 200, reply);
}

HttpResponse Api::Line(std::function<journal::Line()> makeLine) {
  json reply = session_.Do(std::move(makeLine));
  return JsonResponse(reply.value("ok", false) ? 200 : 422, reply);
}

std::string Api::PartPath(const std::string& userPath) const {
  const fs::path file = AllowedPath({folders_.files.at(0)}, userPath);
  if (file.extension() != ".prt") throw std::invalid_argument(userPath + " is not a part file (.prt)");
  return fs::relative(file, fs::weakly_canonical(folders_.files.at(0))).string();
}

HttpResponse Api::Post(const std::string& what, const json& body) {
  if (what == "open") {
    const std::string path = PartPath(Text(body, "path"));
    return Line([path] { return MakeLine("open", {Quoted(path)}); });
  }
  if (what == "save-as") {
    const std::string path = PartPath(Text(body, "path"));
    return Line([path] { return MakeLine("save as", {Quoted(path)}); });
  }
  if (what == "save") return Line([] { return MakeLine("save"); });
  if (what == "dimension") return Line([] { return MakeLine("dimension"); });
  if (what == "save-all") return Line([] { return MakeLine("save all"); });
  if (what == "action") {
    const std::string name = Text(body, "name");
    return Line([name] {
      if (!platform::ui::HasAction(name)) throw std::invalid_argument("no menu action is named \"" + name + "\"");
      return MakeLine("action", {Quoted(name)});
    });
  }
  if (what == "apply" || what == "ok" || what == "cancel")
    return Line([this, what] {
      session_.ActiveDialog();
      return MakeLine(what);
    });
  if (what == "set") {
    const std::string block = Identifier(body, "block");
    const std::string property = body.contains("property") ? Identifier(body, "property") : "";
    const json value = Field(body, "value");
    return Line([this, block, property, value] {
      platform::ui::Block& b = session_.ActiveDialog().Require(block);
      const std::string name = property.empty() ? b.MainProperty() : property;
      if (name.empty()) throw std::invalid_argument("block \"" + block + "\" (" + b.kind + ") has no value to set");
      std::vector<journal::Token> args = {Bare(property.empty() ? block : block + "." + property)};
      for (auto& token : ValueTokens(b, name, value)) args.push_back(token);
      return MakeLine("set", args);
    });
  }
  if (what == "select") {
    const std::string block = Identifier(body, "block");
    const std::optional<std::string> node = body.contains("node") ? std::optional(NodePath(body)) : std::nullopt;
    const std::vector<platform::Tag> tags = node ? std::vector<platform::Tag>{} : Tags(body);
    return Line([this, block, node, tags] {
      session_.ActiveDialog().Require(block);
      std::vector<journal::Token> args = {Bare(block)};
      if (node) args.push_back(Quoted(*node));
      else for (auto& token : Selectors(tags)) args.push_back(token);
      return MakeLine("select", args);
    });
  }
  if (what == "press") {
    const std::string block = Identifier(body, "block");
    return Line([this, block] {
      session_.ActiveDialog().Require(block);
      return MakeLine("press", {Bare(block)});
    });
  }
  if (what == "menu") {
    const std::string block = Identifier(body, "block");
    const std::string item = Text(body, "item");
    const json request = body;
    return Line([this, block, item, request] {
      session_.ActiveDialog().Require(block);
      std::vector<journal::Token> args = {Bare(block), Quoted(item)};
      if (request.contains("node")) args.push_back(Quoted(NodePath(request)));
      return MakeLine("menu", args);
    });
  }
  if (what == "pick") {
    const bool cancel = body.contains("cancel") && body["cancel"] == true;
    const std::vector<platform::Tag> tags = cancel ? std::vector<platform::Tag>{} : Tags(body);
    return Line([cancel, tags] {
      return MakeLine("pick", cancel ? std::vector<journal::Token>{Bare("cancel")} : Selectors(tags));
    });
  }
  return Refused(404, "no such action: /api/" + what);
}

}  // namespace fabdoc::app::serve
