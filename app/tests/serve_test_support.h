// What the tests of `fabdoc serve` share: a real server on a loopback port over a real
// host thread, with the gate in front as `fabdoc serve` puts it, a two-plate part on disk
// and a probe action whose dialog paints picked bodies red; and plain HTTP calls.
#pragma once
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "app/serve/api.h"
#include "app/serve/browser_session.h"
#include "app/serve/http_server.h"
#include "app/serve/request_gate.h"
#include "tests/support/test_model.h"

namespace fabdoc_test {

struct HttpReply {
  int status = 0;
  std::string body;
  std::string location, setCookie;  // header fields the tests read
  nlohmann::json Json() const { return nlohmann::json::parse(body); }
};

// Header fields of a request; an empty one is left out.
struct HttpHeaders {
  std::string host, origin, contentType, authorization, cookie;
};

// A WebSocket client that listens to the server's pushes.
class PushListener {
public:
  PushListener();
  ~PushListener();
  // The handshake at /ws with `headers`; false when the server refused it.
  bool Connect(unsigned short port, const HttpHeaders& headers);
  std::string Read();  // the next push; blocks until one comes

private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

HttpReply HttpCall(unsigned short port, const std::string& method, const std::string& target, const std::string& body,
                   const HttpHeaders& headers);

class ServeTest : public SessionTest {
protected:
  static constexpr const char* kToken = "test-token-0123456789abcdef";

  void SetUp() override;
  void TearDown() override;
  // Starts the server; a test may change `limits` first.
  void StartServer();

  // What the page sends: its own Host and Origin, JSON, the token.
  HttpHeaders PageHeaders() const;
  HttpReply Http(const std::string& method, const std::string& target, const std::string& body = "");
  HttpReply Post(const std::string& what, const nlohmann::json& body = nlohmann::json::object());
  nlohmann::json State();
  nlohmann::json Meshes();
  std::vector<std::uint64_t> BodyTags();
  static nlohmann::json Block(const nlohmann::json& state, const std::string& id);

  std::filesystem::path folder;
  fabdoc::app::serve::HttpLimits limits;
  std::unique_ptr<fabdoc::app::serve::BrowserSession> browser;
  std::unique_ptr<fabdoc::app::serve::Api> api;
  std::unique_ptr<fabdoc::app::serve::RequestGate> gate;
  std::unique_ptr<fabdoc::app::serve::HttpServer> server;
  unsigned short port = 0;
};

}  // namespace fabdoc_test
