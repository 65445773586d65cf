// The server's threads and the Beast calls. Connections are few (a browser or two and
// the tests), so a thread per connection keeps the code plain; the session behind the
// handler is serialized by its own host thread anyway.
#include "app/serve/http_server.h"

#include "app/serve/request_queue.h"

#include <boost/asio/ip/tcp.hpp>
#include <boost/beast/core.hpp>
#include <boost/beast/http.hpp>
#include <boost/beast/websocket.hpp>
#include <stdexcept>
#include <vector>

namespace fabdoc::app::serve {
namespace {

namespace asio = boost::asio;
namespace beast = boost::beast;
namespace http = beast::http;
namespace websocket = beast::websocket;
using tcp = asio::ip::tcp;

constexpr std::size_t kMaxBodyBytes = 16 * 1024 * 1024;

struct Connection {
  std::shared_ptr<tcp::socket> socket;
  std::thread thread;
  std::atomic<bool> done{false};
};

struct WebSocketClient {
  std::mutex mutex;
  websocket::stream<tcp::socket> stream;
  explicit WebSocketClient(tcp::socket socket) : stream(std::move(socket)) {}
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
  std::thread acceptThread;
  std::mutex mutex;  // guards connections and clients
  std::list<Connection> connections;
  std::vector<std::shared_ptr<WebSocketClient>> clients;
  std::atomic<bool> stopping{false};

  void AcceptLoop() {
    while (!stopping) {
      auto socket = std::make_shared<tcp::socket>(io);
      beast::error_code ec;
      acceptor.accept(*socket, ec);
      if (stopping) return;
      if (ec) continue;
      std::lock_guard lock(mutex);
      ReapFinished();
      Connection& connection = connections.emplace_back();
      connection.socket = socket;
      connection.thread = std::thread([this, &connection] {
        Serve(*connection.socket);
        connection.done = true;
      });
    }
  }

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

  void Serve(tcp::socket& socket) {
    beast::flat_buffer buffer;
    for (;;) {
      http::request_parser<http::string_body> parser;
      parser.body_limit(kMaxBodyBytes);
      beast::error_code ec;
      http::read(socket, buffer, parser, ec);
      if (ec == http::error::end_of_stream || ec == asio::error::eof || ec == asio::error::connection_reset ||
          ec == asio::error::operation_aborted || ec == asio::error::bad_descriptor)
        return;
      if (ec) {
        Reply(socket, 400, "application/json; charset=utf-8", ErrorJson("malformed HTTP request: " + ec.message()),
              false);
        return;
      }
      http::request<http::string_body> request = parser.release();
      if (websocket::is_upgrade(request)) {
        if (std::string(request.target()) != "/ws") {
          Reply(socket, 404, "application/json; charset=utf-8", ErrorJson("the WebSocket is at /ws"), false);
          return;
        }
        auto client = std::make_shared<WebSocketClient>(std::move(socket));
        // Registered before any broadcast can run: a change right after the handshake is not missed.
        std::lock_guard lock(mutex);
        client->stream.accept(request, ec);
        if (ec) return;
        clients.push_back(client);
        return;  // the client only listens; Broadcast writes to it
      }
      HttpRequest r;
      r.method = std::string(request.method_string());
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
      if (!Reply(socket, response.status, response.contentType, response.body, request.keep_alive())) return;
      if (!request.keep_alive()) return;
    }
  }

  static bool Reply(tcp::socket& socket, int status, const std::string& type, const std::string& body,
                    bool keepAlive) {
    http::response<http::string_body> response{static_cast<http::status>(status), 11};
    response.set(http::field::content_type, type);
    response.set(http::field::cache_control, "no-store");
    response.keep_alive(keepAlive);
    response.body() = body;
    response.prepare_payload();
    beast::error_code ec;
    http::write(socket, response, ec);
    if (!keepAlive) socket.shutdown(tcp::socket::shutdown_send, ec);
    return !ec;
  }
};

HttpServer::HttpServer(const std::string& host, unsigned short port, Handler handler)
    : impl_(std::make_unique<Impl>()) {
  impl_->handler = std::move(handler);
  beast::error_code ec;
  const auto address = asio::ip::make_address(host, ec);
  if (ec) throw std::runtime_error("\"" + host + "\" is not an IP address to listen on");
  const tcp::endpoint endpoint(address, port);
  impl_->acceptor.open(endpoint.protocol(), ec);
  if (!ec) impl_->acceptor.set_option(asio::socket_base::reuse_address(true), ec);
  if (!ec) impl_->acceptor.bind(endpoint, ec);
  if (!ec) impl_->acceptor.listen(asio::socket_base::max_listen_connections, ec);
  if (ec) throw std::runtime_error("cannot listen on " + host + ":" + std::to_string(port) + ": " + ec.message());
  impl_->acceptThread = std::thread([this] { impl_->AcceptLoop(); });
}

HttpServer::~HttpServer() {
  impl_->stopping = true;
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
  // Connection threads may wait for the lock: take their list out, then close and join.
  std::list<Connection> connections;
  std::vector<std::shared_ptr<WebSocketClient>> clients;
  {
    std::lock_guard lock(impl_->mutex);
    connections.splice(connections.end(), impl_->connections);
    clients.swap(impl_->clients);
  }
  // Shutting down wakes a thread blocked reading the socket; it closes when destroyed.
  for (auto& connection : connections) connection.socket->shutdown(tcp::socket::shutdown_both, ec);
  for (auto& connection : connections) connection.thread.join();
  for (auto& client : clients) {
    std::lock_guard clientLock(client->mutex);
    beast::get_lowest_layer(client->stream).close(ec);
  }
}

unsigned short HttpServer::Port() const {
  beast::error_code ec;
  return impl_->acceptor.local_endpoint(ec).port();
}

std::string HttpServer::Address() const {
  beast::error_code ec;
  return impl_->acceptor.local_endpoint(ec).address().to_string();
}

void HttpServer::Broadcast(const std::string& text) {
  std::vector<std::shared_ptr<WebSocketClient>> clients;
  {
    std::lock_guard lock(impl_->mutex);
    clients = impl_->clients;
  }
  std::vector<std::shared_ptr<WebSocketClient>> gone;
  for (auto& client : clients) {
    std::lock_guard clientLock(client->mutex);
    beast::error_code ec;
    client->stream.text(true);
    client->stream.write(asio::buffer(text), ec);
    if (ec) gone.push_back(client);
  }
  if (gone.empty()) return;
  std::lock_guard lock(impl_->mutex);
  std::erase_if(impl_->clients, [&](const auto& c) { return std::find(gone.begin(), gone.end(), c) != gone.end(); });
}

}  // namespace fabdoc::app::serve
