#pragma once
// The digest choices as OpenSSL and XML-DSig name them: one row per digest, read both ways.
#include <span>
#include <string_view>

#include "dfe/ssl.h"

namespace dfe {

struct TLinhaDigest {
  TSSLDgst Digest;
  std::string_view Nome;              // the value name, as messages write it
  std::string_view NomeOpenSSL;       // the name OpenSSL looks the digest up by
  std::string_view MetodoAssinatura;  // the XML-DSig SignatureMethod algorithm; empty when none
  std::string_view MetodoDigest;      // the XML-DSig DigestMethod algorithm; empty when none
};

// Every row, in the order of the enumeration.
std::span<const TLinhaDigest> TabelaDigests();
// The digest's row; null for a value outside the enumeration.
const TLinhaDigest* LinhaDigest(TSSLDgst digest);

}  // namespace dfe
