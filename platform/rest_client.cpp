#include "platform/rest_client.h"

#include <curl/curl.h>

#include <cstdlib>
#include <memory>
#include <mutex>

#include "platform/curl_handles.h"
#include "platform/strings.h"

namespace platform {

namespace {

// The body as libcurl hands it over, decoded, so that a small compressed body that inflates
// without end is stopped too.
struct BodySink {
  HttpResponse& Response;
  bool OverLimit = false;
  // A body sent as it is, of a length the headers give: room for it is made once, so that the
  // body does not take up to three times its size while it grows.
  std::size_t DeclaredLength = 0;
  bool Encoded = false;
};

std::size_t OnBody(char* data, std::size_t size, std::size_t n, void* user) {
  auto* sink = static_cast<BodySink*>(user);
  std::string& body = sink->Response.Body;
  if (size * n > kMaxResponseBodyLength - body.size()) {
    sink->OverLimit = true;
    return 0;  // ends the transfer
  }
  if (body.empty() && !sink->Encoded && sink->DeclaredLength <= kMaxResponseBodyLength)
    body.reserve(sink->DeclaredLength);
  body.append(data, size * n);
  return size * n;
}

std::size_t OnHeader(char* data, std::size_t size, std::size_t n, void* user) {
  auto* sink = static_cast<BodySink*>(user);
  HttpResponse* r = &sink->Response;
  std::string line = TrimRight(std::string_view(data, size * n));
  if (StartsText("HTTP/", line)) {
    // A new status line (after 100 Continue, say) starts a new set of headers.
    auto parts = line.find(' ');
    auto reasonAt = parts == std::string::npos ? std::string::npos : line.find(' ', parts + 1);
    r->Reason = reasonAt == std::string::npos ? std::string() : Trim(line.substr(reasonAt + 1));
    r->ContentType.clear();
    sink->DeclaredLength = 0;
    sink->Encoded = false;
  } else if (StartsText("content-type:", line)) {
    r->ContentType = Trim(line.substr(13));
  } else if (StartsText("content-length:", line)) {
    sink->DeclaredLength = static_cast<std::size_t>(std::strtoull(Trim(line.substr(15)).c_str(), nullptr, 10));
  } else if (StartsText("content-encoding:", line) || StartsText("transfer-encoding:", line)) {
    sink->Encoded = true;
  }
  return size * n;
}

}  // namespace

HttpResponse HttpsPost(const HttpRequest& request) {
  CurlEasy curl = NewCurlEasy();
  if (!curl) throw EHttpTransport("HTTP client could not be created");
  CURL* c = curl.get();

  CurlHeaderList headers;
  auto add = [&headers](const std::string& line) {
    if (!headers.Append(line)) throw EHttpTransport("out of memory building HTTP headers");
  };
  for (const auto& h : request.Headers) {
    // "Name;" is how libcurl sends a header with an empty value.
    add(h.Value.empty() ? h.Name + ";" : h.Name + ": " + h.Value);
  }
  // Keep libcurl from adding a form content type to a bodiless POST, and from waiting on
  // 100-continue.
  if (!request.Body) add("Content-Type:");
  add("Expect:");

  HttpResponse response;
  BodySink sink{response};
  char error[CURL_ERROR_SIZE] = {0};
  curl_easy_setopt(c, CURLOPT_URL, request.Url.c_str());
  curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "https");
  curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(c, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_1));
  curl_easy_setopt(c, CURLOPT_POST, 1L);
  static const std::string noBody;
  const std::string& body = request.Body ? *request.Body : noBody;
  curl_easy_setopt(c, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(body.size()));
  curl_easy_setopt(c, CURLOPT_POSTFIELDS, body.data());
  curl_easy_setopt(c, CURLOPT_HTTPHEADER, headers.get());
  curl_easy_setopt(c, CURLOPT_USERAGENT, request.UserAgent.c_str());
  curl_easy_setopt(c, CURLOPT_ACCEPT_ENCODING, "gzip, deflate");
  curl_easy_setopt(c, CURLOPT_TIMEOUT_MS, request.TimeoutMs);
  curl_easy_setopt(c, CURLOPT_FOLLOWLOCATION, 0L);
  curl_easy_setopt(c, CURLOPT_SSL_VERIFYPEER, 1L);
  curl_easy_setopt(c, CURLOPT_SSL_VERIFYHOST, 2L);
  curl_easy_setopt(c, CURLOPT_CAPATH, kSystemCaFolder);
  if (const char* extra = std::getenv("SSL_CERT_FILE"); extra && *extra) curl_easy_setopt(c, CURLOPT_CAINFO, extra);
  curl_easy_setopt(c, CURLOPT_ERRORBUFFER, error);
  curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, OnBody);
  curl_easy_setopt(c, CURLOPT_WRITEDATA, &sink);
  curl_easy_setopt(c, CURLOPT_HEADERFUNCTION, OnHeader);
  curl_easy_setopt(c, CURLOPT_HEADERDATA, &sink);

  CURLcode rc = curl_easy_perform(c);
  if (sink.OverLimit) throw EHttpTransport(ReplyOverLimitText(request.Url));
  if (rc != CURLE_OK) {
    std::string detail = error[0] ? error : curl_easy_strerror(rc);
    throw EHttpTransport("HTTP request to " + request.Url + " failed: " + detail);
  }
  curl_easy_getinfo(c, CURLINFO_RESPONSE_CODE, &response.Status);
  return response;
}

bool AnnouncesOverLimit(std::string_view headerLine) {
  constexpr std::string_view kName = "content-length:";
  if (!StartsText(kName, headerLine)) return false;
  const std::string value = Trim(headerLine.substr(kName.size()));
  std::size_t length = 0;
  for (char c : value) {
    if (c < '0' || c > '9') return false;
    if (length > kMaxResponseBodyLength) return true;
    length = length * 10 + static_cast<std::size_t>(c - '0');
  }
  return length > kMaxResponseBodyLength;
}

std::string ReplyOverLimitText(const std::string& url) {
  return "Resposta de " + url + " maior que o limite de " + std::to_string(kMaxResponseBodyLength >> 20) + " MiB";
}

}  // namespace platform
