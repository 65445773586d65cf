#include "app/serve/request_gate.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <stdexcept>

#include <boost/asio/ip/address.hpp>

#include "app/serve/request_json.h"
#include "app/serve/request_queue.h"

namespace fabdoc::app::serve {
namespace {

constexpr size_t kTokenBytes = 32;

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
  return text;
}

// Compares without stopping at the first difference, so that timing tells nothing.
bool SameSecret(const std::string& offered, const std::string& token) {
  if (token.empty() || offered.size() != token.size()) return false;
  unsigned char differ = 0;
  for (size_t i = 0; i < token.size(); ++i) differ |= static_cast<unsigned char>(offered[i] ^ token[i]);
  return differ == 0;
}

// The media type of a Content-Type value, without parameters, in lower case.
std::string MediaType(const std::string& contentType) {
  std::string type = Lower(contentType.substr(0, contentType.find(';')));
  type.erase(type.find_last_not_of(" \t") + 1);
  type.erase(0, type.find_first_not_of(" \t"));
  return type;
}

std::optional<boost::asio::ip::address> IpAddress(std::string name) {
  if (name.size() > 2 && name.front() == '[' && name.back() == ']') name = name.substr(1, name.size() - 2);
  boost::system::error_code ec;
  const auto address = boost::asio::ip::make_address(name, ec);
  if (ec) return std::nullopt;
  return address;
}

// "name:port" or "[v6]:port" split; the port is 80 when absent.
std::optional<std::pair<std::string, unsigned>> SplitHost(const std::string& host) {
  const size_t colon = host.rfind(':');
  const bool hasPort = colon != std::string::npos && host.find(']', colon) == std::string::npos;
  std::string name = hasPort ? host.substr(0, colon) : host;
  if (name.empty()) return std::nullopt;
  unsigned port = 80;
  if (hasPort) {
    const std::string digits = host.substr(colon + 1);
    if (digits.empty() || digits.size() > 5 || !std::all_of(digits.begin(), digits.end(), ::isdigit)) return std::nullopt;
    port = static_cast<unsigned>(std::stoul(digits));
  }
  return std::pair{Lower(name), port};
}

HttpResponse Refusal(int status, const std::string& message) { return {status, kJson, ErrorReply(message).dump()}; }

// What a person who opens the bare address sees.
HttpResponse AskForToken() {
  return {401, "text/html; charset=utf-8",
          "<!DOCTYPE html><meta charset=\"utf-8\"><title>fabdoc</title>"
          "<p>Open the address that <code>fabdoc serve</code> printed when it started: it ends in "
          "<code>/?token=...</code>.</p>"};
}

}  // namespace

RequestGate::RequestGate(std::string token, std::string listenAddress)
    : token_(std::move(token)), listenAddress_(Lower(std::move(listenAddress))) {}

std::string RequestGate::NewToken() {
  std::ifstream random("/dev/urandom", std::ios::binary);
  unsigned char bytes[kTokenBytes];
  if (!random.read(reinterpret_cast<char*>(bytes), sizeof bytes))
    throw std::runtime_error("cannot read /dev/urandom for the session's token");
  static const char* hex = "0123456789abcdef";
  std::string token;
  for (unsigned char b : bytes) token += std::string{hex[b >> 4], hex[b & 15]};
  return token;
}

void RequestGate::CheckToken(const std::string& token) {
  const bool plain = std::all_of(token.begin(), token.end(), [](unsigned char c) {
    return std::isalnum(c) || c == '-' || c == '_' || c == '.' || c == '~';
  });
  if (token.size() < 16 || token.size() > 256 || !plain)
    throw std::invalid_argument("a token is 16 to 256 letters, digits, '-', '_', '.' or '~'");
}

std::string RequestGate::CookieName(unsigned short port) { return "fabdoc_token_" + std::to_string(port); }

std::string RequestGate::Address(unsigned short port) const {
  std::string host = listenAddress_;
  if (const auto ip = IpAddress(host)) {
    if (ip->is_unspecified()) host = ip->is_v6() ? "[::1]" : "127.0.0.1";
    else if (ip->is_v6()) host = "[" + ip->to_string() + "]";
  }
  return "http://" + host + ":" + std::to_string(port) + "/?token=" + token_;
}

bool RequestGate::HostAllowed(const std::string& host, unsigned short port) const {
  const auto split = SplitHost(host);
  if (!split || split->second != port) return false;
  const std::string& name = split->first;
  if (name == "127.0.0.1" || name == "localhost" || name == "[::1]") return true;
  const auto ip = IpAddress(name);
  const auto listening = IpAddress(listenAddress_);
  if (!ip) return name == listenAddress_;
  if (listening && listening->is_unspecified()) return true;  // every address of the machine; a name could be rebound
  return listening && *ip == *listening;
}

bool RequestGate::Authorized(const HttpRequest& request) const {
  const std::string bearer = "Bearer ";
  if (request.authorization.rfind(bearer, 0) == 0 && SameSecret(request.authorization.substr(bearer.size()), token_))
    return true;
  const std::string name = CookieName(request.port) + "=";
  size_t at = 0;
  while (at < request.cookie.size()) {
    const size_t end = std::min(request.cookie.find(';', at), request.cookie.size());
    std::string pair = request.cookie.substr(at, end - at);
    pair.erase(0, pair.find_first_not_of(' '));
    if (pair.rfind(name, 0) == 0 && SameSecret(pair.substr(name.size()), token_)) return true;
    at = end + 1;
  }
  return false;
}

std::optional<HttpResponse> RequestGate::Check(const HttpRequest& r) const {
  if (!HostAllowed(r.host, r.port))
    return Refusal(403, "this server answers only to its own address (127.0.0.1, localhost or [::1] and its port), "
                        "not to Host \"" + r.host + "\"");
  const bool changes = r.method != "GET" || r.upgrade;
  if (changes && !r.origin.empty() && Lower(r.origin) != "http://" + Lower(r.host))
    return Refusal(403, "changes are taken only from this server's own page, not from " + r.origin);
  if (r.method == "GET" && r.path == "/" && !r.upgrade) {
    const std::string offered = QueryValue(r.query, "token");
    if (!offered.empty()) {
      if (!SameSecret(offered, token_)) return AskForToken();
      return HttpResponse{303, "text/plain; charset=utf-8", "",
                          {{"Location", "/"},
                           {"Set-Cookie", CookieName(r.port) + "=" + token_ + "; HttpOnly; SameSite=Strict; Path=/"}}};
    }
  }
  if (!Authorized(r))
    return r.path == "/" ? AskForToken()
                         : Refusal(401, "the session's token is missing: open the address fabdoc serve printed, or "
                                        "send \"Authorization: Bearer TOKEN\"");
  if (r.method == "POST" && MediaType(r.contentType) != "application/json")
    return Refusal(415, "changes are sent as JSON (Content-Type: application/json), not \"" + r.contentType + "\"");
  return std::nullopt;
}

}  // namespace fabdoc::app::serve
