#pragma once
// HTTPS POST over libcurl for the REST API. The server certificate is always verified,
// against the system store plus the CA file named by SSL_CERT_FILE when it is set. Only
// https is allowed; redirects are not followed; gzip and deflate reply bodies are decoded.
#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// The most a reply body may hold once decoded; a longer one fails the request as it arrives.
constexpr std::size_t kMaxResponseBodyLength = std::size_t{256} << 20;

struct HttpHeader {
  std::string Name;
  std::string Value;
};

struct HttpRequest {
  std::string Url;
  std::vector<HttpHeader> Headers;  // sent in this order, names as given
  std::optional<std::string> Body;  // no body: no content-type is sent either
  long TimeoutMs = 60000;
  std::string UserAgent;
};

struct HttpResponse {
  long Status = 0;
  std::string Reason;       // from the status line
  std::string ContentType;  // whole header value, as received
  std::string Body;         // decoded when the content encoding was gzip or deflate
};

// Connection, TLS and time-out failures, and a reply body over kMaxResponseBodyLength.
class EHttpTransport : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

HttpResponse HttpsPost(const HttpRequest& request);

// The failure of a reply from url that went over kMaxResponseBodyLength.
std::string ReplyOverLimitText(const std::string& url);
// Whether a response header line announces a body over kMaxResponseBodyLength: such a reply is
// refused before its body comes.
bool AnnouncesOverLimit(std::string_view headerLine);

}  // namespace platform
