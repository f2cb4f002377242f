#pragma once
// The libcurl plumbing every HTTP client shares: the library's global initialisation, once per
// process before the first handle, and handles that free themselves.
#include <curl/curl.h>

#include <memory>
#include <string>

namespace platform {

// The system's store of trusted certificate authorities (hashed names, as OpenSSL looks them up).
inline constexpr const char* kSystemCaFolder = "/etc/ssl/certs";

void CurlGlobalInit();

struct CurlEasyDeleter {
  void operator()(CURL* c) const { curl_easy_cleanup(c); }
};
using CurlEasy = std::unique_ptr<CURL, CurlEasyDeleter>;

// A new easy handle, after the global initialisation; null when libcurl cannot make one. A
// proxy given without a port, in the settings or in the environment, is reached on port 80.
CurlEasy NewCurlEasy();

// A list of request header lines.
class CurlHeaderList {
 public:
  // False, leaving the list as it was, when libcurl runs out of memory.
  bool Append(const std::string& line);
  curl_slist* get() const { return FList.get(); }

 private:
  struct Deleter {
    void operator()(curl_slist* l) const { curl_slist_free_all(l); }
  };
  std::unique_ptr<curl_slist, Deleter> FList;
};

}  // namespace platform
