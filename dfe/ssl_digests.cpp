#include "dfe/ssl_digests.h"

namespace dfe {

namespace {

// clang-format off
constexpr TLinhaDigest kDigests[] = {
    {dgstMD2, "dgstMD2", "md2", "", ""},
    {dgstMD4, "dgstMD4", "md4", "", ""},
    {dgstMD5, "dgstMD5", "md5", "", ""},
    {dgstRMD160, "dgstRMD160", "rmd160", "", ""},
    {dgstSHA, "dgstSHA", "sha", "", ""},
    {dgstSHA1, "dgstSHA1", "sha1", "http://www.w3.org/2000/09/xmldsig#rsa-sha1", "http://www.w3.org/2000/09/xmldsig#sha1"},
    {dgstSHA256, "dgstSHA256", "sha256", "http://www.w3.org/2001/04/xmldsig-more#rsa-sha256", "http://www.w3.org/2001/04/xmlenc#sha256"},
    {dgstSHA512, "dgstSHA512", "sha512", "http://www.w3.org/2001/04/xmldsig-more#rsa-sha512", "http://www.w3.org/2001/04/xmlenc#sha512"},
};
// clang-format on

constexpr bool NaOrdemDaEnumeracao() {
  for (std::size_t i = 0; i < std::size(kDigests); ++i)
    if (kDigests[i].Digest != static_cast<TSSLDgst>(i)) return false;
  return true;
}
static_assert(NaOrdemDaEnumeracao() && std::size(kDigests) == dgstSHA512 + 1);

}  // namespace

std::span<const TLinhaDigest> TabelaDigests() { return kDigests; }

const TLinhaDigest* LinhaDigest(TSSLDgst digest) {
  auto i = static_cast<std::size_t>(digest);
  return i < std::size(kDigests) ? &kDigests[i] : nullptr;
}

}  // namespace dfe
