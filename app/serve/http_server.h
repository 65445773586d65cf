// A small HTTP/1.1 and WebSocket server on Boost.Beast: one thread accepts, one thread
// serves each connection. HTTP requests go to one handler; WebSocket clients (/ws) only
// listen: the server pushes text to all of them.
#pragma once
#include <atomic>
#include <functional>
#include <list>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

namespace fabdoc::app::serve {

struct HttpRequest {
  std::string method;  // "GET", "POST", ...
  std::string path;    // decoded, without the query
  std::string query;   // raw, after '?'
  std::string body;
};

struct HttpResponse {
  int status = 200;
  std::string contentType = "application/json; charset=utf-8";
  std::string body;
};

class HttpServer {
public:
  using Handler = std::function<HttpResponse(const HttpRequest&)>;
  // Binds host:port (port 0: any free port); throws std::runtime_error naming the address.
  HttpServer(const std::string& host, unsigned short port, Handler handler);
  ~HttpServer();  // stops serving and closes every connection

  unsigned short Port() const;
  std::string Address() const;  // the address bound, e.g. "127.0.0.1"
  // Sends `text` to every WebSocket client; clients that are gone are dropped.
  void Broadcast(const std::string& text);

private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

// Percent-decoding of a URL component ('+' is a space in a query); throws
// std::invalid_argument for a malformed escape.
std::string UrlDecode(const std::string& text, bool query);
// The decoded value of NAME in a query string, or "" when absent.
std::string QueryValue(const std::string& query, const std::string& name);

}  // namespace fabdoc::app::serve
