// `fabdoc serve [PART] [--port N] [--host ADDRESS] [--token TOKEN] [--record FILE]
// [--startup DIR]`: the host in a web browser. Serves the page and the JSON API on
// 127.0.0.1 (unless --host says otherwise) until interrupted; the address it prints first
// carries the session's token, without which nothing is served.
#include <pthread.h>

#include <boost/asio/ip/address.hpp>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <mutex>
#include <string>

#include "app/commands.h"
#include "app/host_startup.h"
#include "app/serve/api.h"
#include "app/serve/browser_session.h"
#include "app/serve/http_server.h"
#include "app/serve/progress_watch.h"
#include "app/serve/request_gate.h"
#include "platform/text/host_environment.h"

namespace fabdoc::app {
namespace {

namespace fs = std::filesystem;

struct ServeRequest {
  std::string part, host = "127.0.0.1", token, record, startupDir;
  unsigned short port = 8080;
};

ServeRequest ParseServe(const Args& args) {
  ServeRequest r;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--port" || arg == "--host" || arg == "--token" || arg == "--record" || arg == "--startup") {
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
      } else if (arg == "--token") {
        try {
          serve::RequestGate::CheckToken(value);
        } catch (const std::invalid_argument& e) {
          throw UsageError(std::string("--token: ") + e.what());
        }
        r.token = value;
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

// Pushes from the host thread to the page's WebSocket clients while the server is there.
class Pushes {
public:
  void Attach(serve::HttpServer* server) {
    std::lock_guard lock(mutex_);
    server_ = server;
  }
  void Send(const std::string& text) {
    std::lock_guard lock(mutex_);
    if (server_) server_->Broadcast(text);  // queues only: never waits for a client
  }

private:
  std::mutex mutex_;
  serve::HttpServer* server_ = nullptr;
};

}  // namespace

int ServeCommand(const Args& args) {
  const ServeRequest r = ParseServe(args);
  const sigset_t stopSignals = BlockStopSignals();
  const fs::path folder = r.part.empty() ? fs::current_path() : fs::absolute(r.part).parent_path();
  const std::string startupDir = fs::absolute(r.startupDir.empty() ? DefaultStartupDir() : r.startupDir).string();
  const std::string record = r.record.empty() ? "" : fs::absolute(r.record).string();
  const fs::path page = fs::path(startupDir).parent_path() / "serve";
  if (!fs::exists(page / "index.html") || !fs::exists(page / "three.module.js"))
    throw std::runtime_error("the page of fabdoc serve is not in " + page.string() +
                             ": this build was made without it (scripts/main-job.sh leaves it out); "
                             "scripts/setup.sh or scripts/test.sh builds it");

  // The address comes first on standard output, before anything the host prints: the
  // socket listens now, and connections wait until the session is ready to serve them.
  const std::string listenAddress = r.host == "localhost" ? "127.0.0.1" : r.host;  // the gate accepts the name
  const serve::RequestGate gate(r.token.empty() ? serve::RequestGate::NewToken() : r.token, r.host);
  auto server = std::make_unique<serve::HttpServer>(listenAddress, r.port);
  std::printf("%s\n", gate.Address(server->Port()).c_str());
  std::fflush(stdout);
  if (boost::asio::ip::make_address(listenAddress).is_unspecified())
    std::fprintf(stderr, "fabdoc serve: listening on %s: the page is reachable from the network, protected by the "
                         "token only\n", listenAddress.c_str());

  Pushes pushes;
  serve::BrowserSessionOptions options;
  options.folder = folder.string();
  options.recordPath = record;
  options.startHost = [startupDir] { StartHost(startupDir); };
  options.changed = [&pushes](std::uint64_t revision) {
    pushes.Send(R"({"event":"changed","revision":)" + std::to_string(revision) + "}");
  };
  serve::WatchProgress((fs::path(platform::ExportBaseDir()) / "NXBIN" / "libdisp.dll").string(),
                       [&pushes](const nlohmann::json& progress) { pushes.Send(progress.dump()); });
  serve::BrowserSession session(options);
  serve::Api api(session, {page, {folder, fs::path(platform::ExportBaseDir())}});
  if (!r.part.empty()) {
    serve::HttpRequest open;
    open.method = "POST";
    open.path = "/api/open";
    open.body = nlohmann::json{{"path", fs::path(r.part).filename().string()}}.dump();
    auto reply = api.Answer(open);
    if (reply.status != 200) throw std::runtime_error(r.part + ": " + reply.body);
  }
  // From here nothing throws before the server stops: its threads use the session and the API.
  pushes.Attach(server.get());
  server->Serve([&api, &gate](const serve::HttpRequest& request) {
    if (auto refusal = gate.Check(request)) return *refusal;
    return api.Answer(request);
  });
  int signal = 0;
  sigwait(&stopSignals, &signal);
  pushes.Attach(nullptr);
  server.reset();  // before the session and the API its threads use
  return 0;
}

}  // namespace fabdoc::app
