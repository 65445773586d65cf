// Who may use the server. Every request must name this server in its Host header (a page
// whose name was made to point at 127.0.0.1 is refused), changes and WebSocket handshakes
// must come from the server's own origin as JSON (another web site's page cannot send
// them), and everything but the landing address needs the session's secret token, as a
// cookie set by the landing address or as "Authorization: Bearer TOKEN".
#pragma once
#include <optional>
#include <string>

#include "app/serve/http_server.h"

namespace fabdoc::app::serve {

class RequestGate {
public:
  // `listenAddress`: the address given with --host ("127.0.0.1" by default).
  RequestGate(std::string token, std::string listenAddress);

  // The answer to a request that may not go on (400, 401, 403, 415), or to the landing
  // address "/?token=TOKEN" (a redirect to "/" setting the cookie); nullopt when the
  // request goes on to the API.
  std::optional<HttpResponse> Check(const HttpRequest& request) const;

  // The page address to open, token included, as the server prints it.
  std::string Address(unsigned short port) const;
  static std::string CookieName(unsigned short port);
  // 32 random bytes from the kernel, as hex.
  static std::string NewToken();
  // Throws std::invalid_argument unless `token` can be a token: 16 to 256 characters of
  // letters, digits, '-', '_', '.' and '~' (they need no escaping in an address or a cookie).
  static void CheckToken(const std::string& token);

private:
  bool HostAllowed(const std::string& host, unsigned short port) const;
  bool Authorized(const HttpRequest& request) const;

  std::string token_;
  std::string listenAddress_;
};

}  // namespace fabdoc::app::serve
