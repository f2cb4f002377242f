#pragma once
// HTTPS POST over libcurl for the REST API. The server certificate is always verified,
// against the system store plus the CA file named by SSL_CERT_FILE when it is set. Only
// https is allowed; redirects are not followed; gzip and deflate reply bodies are decoded.
#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace platform {

// The most a reply body may hold once decoded; a longer one fails the request as it arrives.
constexpr std::size_t kMaxResponseBodyLength = std::size_t{256} << 20;

struct HttpHeader {
  std::string name;
  std::string value;
};

struct HttpRequest {
  std::string url;
  std::vector<HttpHeader> headers;  // sent in this order, names as given
  std::optional<std::string> body;  // no body: no content-type is sent either
  long timeoutMs = 60000;
  std::string userAgent;
};

struct HttpResponse {
  long status = 0;
  std::string reason;       // from the status line
  std::string contentType;  // whole header value, as received
  std::string body;         // decoded when the content encoding was gzip or deflate
};

// Connection, TLS and time-out failures, and a reply body over kMaxResponseBodyLength.
class EHttpTransport : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

HttpResponse HttpsPost(const HttpRequest& request);

}  // namespace platform
