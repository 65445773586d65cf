// `fabdoc serve [PART] [--port N] [--host ADDRESS] [--record FILE] [--startup DIR]`: the
// host in a web browser. Serves the page and the JSON API on 127.0.0.1 (unless --host
// says otherwise) until interrupted.
#include <pthread.h>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <string>

#include "app/commands.h"
#include "app/host_startup.h"
#include "app/serve/api.h"
#include "app/serve/browser_session.h"
#include "app/serve/http_server.h"
#include "platform/text/host_environment.h"

namespace fabdoc::app {
namespace {

namespace fs = std::filesystem;

struct ServeRequest {
  std::string part, host = "127.0.0.1", record, startupDir;
  unsigned short port = 8080;
};

ServeRequest ParseServe(const Args& args) {
  ServeRequest r;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--port" || arg == "--host" || arg == "--record" || arg == "--startup") {
      if (i + 1 == args.size()) throw UsageError(arg + " needs a value");
      const std::string& value = args[++i];
      if (arg == "--port") {
        size_t end = 0;
        int port = -1;
        try {
          port = std::stoi(value, &end);
        } catch (const std::exception&) {
        }
        if (end != value.size() || port < 0 || port > 65535)
          throw UsageError("--port takes a port number 0..65535, not \"" + value + "\"");
        r.port = static_cast<unsigned short>(port);
      } else if (arg == "--host") {
        r.host = value;
      } else if (arg == "--record") {
        r.record = value;
      } else {
        r.startupDir = value;
      }
    } else if (r.part.empty()) {
      r.part = arg;
    } else {
      throw UsageError("serve takes one part file, got also \"" + arg + "\"");
    }
  }
  return r;
}

// Blocks SIGINT and SIGTERM in this thread and the threads it starts, so that
// WaitForStop() receives them.
sigset_t BlockStopSignals() {
  sigset_t signals;
  sigemptyset(&signals);
  sigaddset(&signals, SIGINT);
  sigaddset(&signals, SIGTERM);
  pthread_sigmask(SIG_BLOCK, &signals, nullptr);
  return signals;
}

}  // namespace

int ServeCommand(const Args& args) {
  const ServeRequest r = ParseServe(args);
  const sigset_t stopSignals = BlockStopSignals();
  const fs::path folder = r.part.empty() ? fs::current_path() : fs::absolute(r.part).parent_path();
  const std::string startupDir = r.startupDir.empty() ? DefaultStartupDir() : r.startupDir;
  const fs::path page = fs::path(startupDir).parent_path() / "serve";
  if (!fs::exists(page / "index.html") || !fs::exists(page / "three.module.js"))
    throw std::runtime_error("the page of fabdoc serve is not in " + page.string() +
                             ": this build was made without it (scripts/main-job.sh leaves it out); "
                             "scripts/setup.sh or scripts/test.sh builds it");

  std::unique_ptr<serve::HttpServer> server;
  serve::BrowserSessionOptions options;
  options.folder = folder.string();
  options.recordPath = r.record;
  options.startHost = [startupDir] { StartHost(startupDir); };
  options.changed = [&server](std::uint64_t revision) {
    if (server) server->Broadcast(R"({"event":"changed","revision":)" + std::to_string(revision) + "}");
  };
  serve::BrowserSession session(options);
  serve::Api api(session, {page, {folder, fs::path(platform::ExportBaseDir())}});
  if (!r.part.empty()) {
    auto reply = api.Answer({"POST", "/api/open", "", nlohmann::json{{"path", fs::path(r.part).filename().string()}}.dump()});
    if (reply.status != 200) throw std::runtime_error(r.part + ": " + reply.body);
  }
  server = std::make_unique<serve::HttpServer>(r.host, r.port,
                                               [&api](const serve::HttpRequest& request) { return api.Answer(request); });
  std::printf("fabdoc serve: http://%s:%u/\n", server->Address().c_str(), server->Port());
  std::fflush(stdout);
  int signal = 0;
  sigwait(&stopSignals, &signal);
  server.reset();
  return 0;
}

}  // namespace fabdoc::app
