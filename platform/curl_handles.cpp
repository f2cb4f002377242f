#include "platform/curl_handles.h"

#include <mutex>

namespace platform {

void CurlGlobalInit() {
  static std::once_flag once;
  std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

CurlEasy NewCurlEasy() {
  CurlGlobalInit();
  CurlEasy easy(curl_easy_init());
  // A proxy named without a port listens on 80, as the system's HTTP interfaces take it; libcurl
  // would go to 1080.
  if (easy) curl_easy_setopt(easy.get(), CURLOPT_PROXYPORT, 80L);
  return easy;
}

bool CurlHeaderList::Append(const std::string& line) {
  curl_slist* next = curl_slist_append(FList.get(), line.c_str());
  if (next == nullptr) return false;
  // The list grew in place: the old head is the new one's start.
  FList.release();
  FList.reset(next);
  return true;
}

}  // namespace platform
