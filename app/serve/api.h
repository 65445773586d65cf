// The JSON API and the page's files over one browser session. Reading requests (GET) are
// answered on the host thread between lines; every change (POST) is a journal line.
#pragma once
#include <filesystem>
#include <string>
#include <vector>

#include "app/serve/body_meshes.h"
#include "app/serve/browser_session.h"
#include "app/serve/http_server.h"

namespace fabdoc::app::serve {

struct ApiFolders {
  std::filesystem::path page;                // the page's own files
  std::vector<std::filesystem::path> files;  // what the page may open, save and show; [0] the part's folder
};

class Api {
public:
  Api(BrowserSession& session, ApiFolders folders);
  HttpResponse Answer(const HttpRequest& request);

private:
  HttpResponse Get(const HttpRequest& request);
  HttpResponse Post(const std::string& what, const nlohmann::json& body);
  HttpResponse Page(const std::string& name);
  HttpResponse File(const std::string& userPath);
  HttpResponse SheetSvg(const std::string& name);
  HttpResponse SheetsPdf();
  HttpResponse Line(std::function<journal::Line()> makeLine);
  HttpResponse Read(std::function<nlohmann::json()> query);
  // The journal's path for a part file the page names: relative to the part's folder.
  std::string PartPath(const std::string& userPath) const;

  BrowserSession& session_;
  ApiFolders folders_;
  BodyMeshes meshes_;  // used on the host thread only
};

}  // namespace fabdoc::app::serve
