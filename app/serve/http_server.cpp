// The server's threads and the Beast calls. Connections are few (a browser or two and
// the tests), so a thread per connection keeps the code plain; the session behind the
// handler is serialized by its own host thread anyway. Blocking socket calls have no
// timeout of their own: a watchdog shuts down the socket of a connection whose read or
// write outlives its deadline, which wakes the blocked call with an error.
#include "app/serve/http_server.h"

#include <sys/socket.h>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <list>
#include <mutex>
#include <stdexcept>
#include <thread>

#include <boost/asio/ip/tcp.hpp>
#include <boost/beast/core.hpp>
#include <boost/beast/http.hpp>
#include <boost/beast/websocket.hpp>

#include "app/serve/request_queue.h"

namespace fabdoc::app::serve {
namespace {

namespace asio = boost::asio;
namespace beast = boost::beast;
namespace http = beast::http;
namespace websocket = beast::websocket;
using tcp = asio::ip::tcp;

constexpr std::size_t kMaxBodyBytes = 16 * 1024 * 1024;

using Clock = std::chrono::steady_clock;

// A connection's thread and its socket. The socket closes only when the connection is
// reaped, under the server's lock, so the watchdog never shuts down a reused descriptor.
struct Connection {
  std::unique_ptr<tcp::socket> socket;
  int fd = -1;
  std::thread thread;
  std::atomic<bool> done{false};
  std::atomic<Clock::rep> deadline{0};  // 0: none; else when the watchdog ends it

  void Arm(std::chrono::milliseconds timeout) { deadline = (Clock::now() + timeout).time_since_epoch().count(); }
  void Disarm() { deadline = 0; }
};

// What waits to be pushed to one WebSocket client; its connection's thread sends it.
struct WebSocketClient {
  std::mutex mutex;
  std::condition_variable wake;
  std::deque<std::string> queue;
  bool dropped = false;

  void Drop() {
    std::lock_guard lock(mutex);
    dropped = true;
    wake.notify_all();
  }
};

std::string ErrorJson(const std::string& message) { return ErrorReply(message).dump(); }

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

std::string UrlDecode(const std::string& text, bool query) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%') {
      const int hi = i + 2 < text.size() ? HexDigit(text[i + 1]) : -1;
      const int lo = i + 2 < text.size() ? HexDigit(text[i + 2]) : -1;
      if (hi < 0 || lo < 0) throw std::invalid_argument("malformed %-escape in \"" + text + "\"");
      if (hi == 0 && lo == 0) throw std::invalid_argument("a NUL (%00) in \"" + text + "\"");
      out += static_cast<char>(hi * 16 + lo);
      i += 2;
    } else {
      out += query && text[i] == '+' ? ' ' : text[i];
    }
  }
  return out;
}

std::string QueryValue(const std::string& query, const std::string& name) {
  size_t start = 0;
  while (start <= query.size()) {
    const size_t end = std::min(query.find('&', start), query.size());
    const std::string pair = query.substr(start, end - start);
    const size_t eq = pair.find('=');
    if (UrlDecode(pair.substr(0, eq), true) == name)
      return eq == std::string::npos ? "" : UrlDecode(pair.substr(eq + 1), true);
    start = end + 1;
  }
  return "";
}

struct HttpServer::Impl {
  asio::io_context io;
  tcp::acceptor acceptor{io};
  Handler handler;
  HttpLimits limits;
  unsigned short port = 0;
  std::thread acceptThread, watchdogThread;
  mutable std::mutex mutex;  // guards connections and clients
  std::condition_variable stopWake;
  std::list<Connection> connections;
  std::deque<std::shared_ptr<WebSocketClient>> clients;  // oldest first
  std::atomic<bool> stopping{false};

  void AcceptLoop() {
    while (!stopping) {
      tcp::socket socket(io);
      beast::error_code ec;
      acceptor.accept(socket, ec);
      if (stopping) return;
      if (ec) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));  // out of descriptors: let some close
        continue;
      }
      std::lock_guard lock(mutex);
      ReapFinished();
      if (connections.size() >= limits.maxConnections) continue;  // the socket closes here
      Connection& connection = connections.emplace_back();
      connection.fd = socket.native_handle();
      connection.socket = std::make_unique<tcp::socket>(std::move(socket));
      connection.thread = std::thread([this, &connection] {
        Serve(connection);
        connection.done = true;
      });
    }
  }

  // Under the lock.
  void ReapFinished() {
    for (auto it = connections.begin(); it != connections.end();) {
      if (it->done) {
        it->thread.join();
        it = connections.erase(it);
      } else {
        ++it;
      }
    }
  }

  void Watchdog() {
    std::unique_lock lock(mutex);
    while (!stopping) {
      stopWake.wait_for(lock, std::chrono::milliseconds(100));
      const Clock::rep now = Clock::now().time_since_epoch().count();
      for (Connection& connection : connections) {
        const Clock::rep deadline = connection.deadline;
        if (deadline != 0 && now > deadline) {
          connection.deadline = 0;
          ::shutdown(connection.fd, SHUT_RDWR);
        }
      }
      ReapFinished();
    }
  }

  void Serve(Connection& connection) {
    tcp::socket& socket = *connection.socket;
    beast::flat_buffer buffer;
    for (;;) {
      http::request_parser<http::string_body> parser;
      parser.body_limit(kMaxBodyBytes);
      beast::error_code ec;
      connection.Arm(limits.readTimeout);
      http::read(socket, buffer, parser, ec);
      connection.Disarm();
      if (ec == http::error::end_of_stream || ec == asio::error::eof || ec == asio::error::connection_reset ||
          ec == asio::error::operation_aborted || ec == asio::error::bad_descriptor || ec == asio::error::shut_down ||
          stopping)
        return;
      if (ec) {
        connection.Arm(limits.writeTimeout);
        Reply(socket, {400, "application/json; charset=utf-8", ErrorJson("malformed HTTP request: " + ec.message())},
              false);
        return;
      }
      http::request<http::string_body> request = parser.release();
      HttpRequest r;
      r.method = std::string(request.method_string());
      r.host = std::string(request[http::field::host]);
      r.origin = std::string(request[http::field::origin]);
      r.contentType = std::string(request[http::field::content_type]);
      r.cookie = std::string(request[http::field::cookie]);
      r.authorization = std::string(request[http::field::authorization]);
      r.upgrade = websocket::is_upgrade(request);
      r.port = port;
      const std::string target(request.target());
      const size_t question = target.find('?');
      HttpResponse response;
      try {
        r.path = UrlDecode(target.substr(0, question), false);
        r.query = question == std::string::npos ? "" : target.substr(question + 1);
        r.body = std::move(request.body());
        response = handler(r);
      } catch (const std::exception& e) {
        response = {400, "application/json; charset=utf-8", ErrorJson(std::string("bad request: ") + e.what())};
      }
      if (r.upgrade && response.status == 101) return ServeWebSocket(connection, request);
      connection.Arm(limits.writeTimeout);
      const bool sent = Reply(socket, response, request.keep_alive() && !r.upgrade);
      connection.Disarm();
      if (!sent || !request.keep_alive() || r.upgrade) return;
    }
  }

  // The connection's thread sends what is queued for the client until it is dropped.
  void ServeWebSocket(Connection& connection, const http::request<http::string_body>& request) {
    auto client = std::make_shared<WebSocketClient>();
    {
      // Registered before the handshake: a change right after it is not missed.
      std::lock_guard lock(mutex);
      clients.push_back(client);
      if (clients.size() > limits.maxWebSockets) {
        clients.front()->Drop();
        clients.pop_front();
      }
    }
    websocket::stream<tcp::socket&> stream(*connection.socket);
    beast::error_code ec;
    connection.Arm(limits.writeTimeout);
    stream.accept(request, ec);
    connection.Disarm();
    stream.text(true);
    while (!ec && !stopping) {
      std::string text;
      {
        std::unique_lock lock(client->mutex);
        client->wake.wait(lock, [&] { return client->dropped || !client->queue.empty(); });
        if (client->dropped) break;
        text = std::move(client->queue.front());
        client->queue.pop_front();
      }
      connection.Arm(limits.writeTimeout);
      stream.write(asio::buffer(text), ec);
      connection.Disarm();
    }
    std::lock_guard lock(mutex);
    std::erase(clients, client);
  }

  static bool Reply(tcp::socket& socket, const HttpResponse& r, bool keepAlive) {
    http::response<http::string_body> response{static_cast<http::status>(r.status), 11};
    response.set(http::field::content_type, r.contentType);
    response.set(http::field::cache_control, "no-store");
    for (const auto& [name, value] : r.headers) response.set(name, value);
    response.keep_alive(keepAlive);
    response.body() = r.body;
    response.prepare_payload();
    beast::error_code ec;
    http::write(socket, response, ec);
    if (!keepAlive) socket.shutdown(tcp::socket::shutdown_send, ec);
    return !ec;
  }
};

HttpServer::HttpServer(const std::string& host, unsigned short port, Handler handler, HttpLimits limits)
    : HttpServer(host, port, limits) {
  Serve(std::move(handler));
}

HttpServer::HttpServer(const std::string& host, unsigned short port, HttpLimits limits)
    : impl_(std::make_unique<Impl>()) {
  impl_->limits = limits;
  beast::error_code ec;
  const auto address = asio::ip::make_address(host, ec);
  if (ec) throw std::runtime_error("\"" + host + "\" is not an IP address to listen on");
  const tcp::endpoint endpoint(address, port);
  impl_->acceptor.open(endpoint.protocol(), ec);
  if (!ec) impl_->acceptor.set_option(asio::socket_base::reuse_address(true), ec);
  if (!ec) impl_->acceptor.bind(endpoint, ec);
  if (!ec) impl_->acceptor.listen(asio::socket_base::max_listen_connections, ec);
  if (ec) throw std::runtime_error("cannot listen on " + host + ":" + std::to_string(port) + ": " + ec.message());
  impl_->port = impl_->acceptor.local_endpoint(ec).port();
}

void HttpServer::Serve(Handler handler) {
  impl_->handler = std::move(handler);
  impl_->acceptThread = std::thread([this] { impl_->AcceptLoop(); });
  impl_->watchdogThread = std::thread([this] { impl_->Watchdog(); });
}

HttpServer::~HttpServer() {
  impl_->stopping = true;
  if (!impl_->acceptThread.joinable()) return;  // never served
  beast::error_code ec;
  // A blocking accept does not notice a close: wake it with a connection of our own.
  tcp::endpoint endpoint = impl_->acceptor.local_endpoint(ec);
  if (endpoint.address().is_unspecified())
    endpoint.address(endpoint.address().is_v6() ? asio::ip::address(asio::ip::address_v6::loopback())
                                                : asio::ip::address(asio::ip::address_v4::loopback()));
  {
    tcp::socket wake(impl_->io);
    wake.connect(endpoint, ec);
  }
  impl_->acceptThread.join();
  impl_->acceptor.close(ec);
  {
    std::lock_guard lock(impl_->mutex);
    impl_->stopWake.notify_all();
  }
  impl_->watchdogThread.join();
  // Shutting a socket down wakes a thread blocked reading or writing it; dropping a client
  // wakes its thread waiting for pushes. A thread inside the handler finishes its request.
  std::list<Connection> connections;
  {
    std::lock_guard lock(impl_->mutex);
    for (auto& connection : impl_->connections) ::shutdown(connection.fd, SHUT_RDWR);
    for (auto& client : impl_->clients) client->Drop();
    connections.splice(connections.end(), impl_->connections);
  }
  for (auto& connection : connections) connection.thread.join();
}

unsigned short HttpServer::Port() const { return impl_->port; }

std::string HttpServer::Address() const {
  beast::error_code ec;
  return impl_->acceptor.local_endpoint(ec).address().to_string();
}

void HttpServer::Broadcast(const std::string& text) {
  std::lock_guard lock(impl_->mutex);
  for (auto& client : impl_->clients) {
    std::lock_guard clientLock(client->mutex);
    if (client->queue.size() >= impl_->limits.maxQueuedPushes) client->dropped = true;  // too far behind
    else client->queue.push_back(text);
    client->wake.notify_all();
  }
}

std::size_t HttpServer::OpenConnections() const {
  std::lock_guard lock(impl_->mutex);
  std::size_t open = 0;
  for (const auto& connection : impl_->connections) open += connection.done ? 0 : 1;
  return open;
}

}  // namespace fabdoc::app::serve
