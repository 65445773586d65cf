// A small HTTP/1.1 and WebSocket server on Boost.Beast: one thread accepts, one thread
// serves each connection, one watchdog ends connections that outlive their deadlines.
// HTTP requests go to one handler; WebSocket clients (/ws) only listen: the server pushes
// text to all of them through a bounded queue each, so a client that stops reading is
// dropped instead of holding up the sender.
#pragma once
#include <chrono>
#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace fabdoc::app::serve {

struct HttpRequest {
  std::string method;  // "GET", "POST", ...
  std::string path;    // decoded, without the query
  std::string query;   // raw, after '?'
  std::string body;
  // Header values the gate and the API read; "" when absent.
  std::string host, origin, contentType, cookie, authorization;
  bool upgrade = false;     // a WebSocket handshake: answer 101 to accept it
  unsigned short port = 0;  // the port the server listens on
};

struct HttpResponse {
  int status = 200;
  std::string contentType = "application/json; charset=utf-8";
  std::string body;
  std::vector<std::pair<std::string, std::string>> headers = {};  // more header fields
};

struct HttpLimits {
  std::chrono::milliseconds readTimeout{10000};   // to receive a whole request (its headers above all)
  std::chrono::milliseconds writeTimeout{10000};  // to send a reply or one push
  std::size_t maxConnections = 64;                // open at once, WebSocket clients included
  std::size_t maxWebSockets = 16;                 // beyond this the oldest client is dropped
  std::size_t maxQueuedPushes = 64;               // a client further behind is dropped
};

class HttpServer {
public:
  using Handler = std::function<HttpResponse(const HttpRequest&)>;
  // Binds host:port (port 0: any free port); throws std::runtime_error naming the address.
  // Connections wait in the queue of the listening socket until Serve() is called.
  HttpServer(const std::string& host, unsigned short port, HttpLimits limits = {});
  // Binds and serves at once.
  HttpServer(const std::string& host, unsigned short port, Handler handler, HttpLimits limits = {});
  void Serve(Handler handler);
  // Stops serving and closes every connection; waits only for handlers already running.
  ~HttpServer();

  unsigned short Port() const;
  std::string Address() const;  // the address bound, e.g. "127.0.0.1"
  // Queues `text` for every WebSocket client and returns at once; never blocks on a client.
  void Broadcast(const std::string& text);
  std::size_t OpenConnections() const;  // for tests: connections served now

private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

// Percent-decoding of a URL component ('+' is a space in a query); throws
// std::invalid_argument for a malformed escape or a NUL, which no path or value may hold.
std::string UrlDecode(const std::string& text, bool query);
// The decoded value of NAME in a query string, or "" when absent.
std::string QueryValue(const std::string& query, const std::string& name);

}  // namespace fabdoc::app::serve
