#pragma once
// The REST client of the company API: every operation is a POST to
// <base>/<contract>/<operation>/ with JSON bodies; status handling and error texts follow
// the API's error forms. The client owns every DTO it returns.
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>

#include "agent/dto.h"
#include "agent/rest_contracts.h"
#include "platform/rest_client.h"

namespace agent {

// A reply status the call does not accept; the text lists status, code and messages.
class EXDataClientRequestException : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class TXDataClient : public TDtoOwner {
 public:
  explicit TXDataClient(std::string baseUrl = {});
  ~TXDataClient();
  TXDataClient(const TXDataClient&) = delete;
  TXDataClient& operator=(const TXDataClient&) = delete;

  const std::string& Uri() const { return FUri; }
  void SetUri(std::string uri) { FUri = std::move(uri); }
  // The sending-request handler: "Authorization: Bearer <token>" and "tenant_id: <slug>".
  void SetAuthorization(std::string token, std::string slug);

  // Proxies of the contracts; they live as long as the client.
  template <class Contract>
  Contract& Service();

  // One call: POST to <base>/<route>/<operation>/. Throws EXDataClientRequestException for a
  // status other than 200, 201, 204 and 404, and for 404 unless notFoundIsEmpty.
  platform::HttpResponse Post(const std::string& route, const std::string& operation,
                              const std::optional<std::string>& body, bool notFoundIsEmpty);

 private:
  std::string FUri;
  std::optional<std::string> FToken;
  std::string FSlug;
  std::unique_ptr<IEsocialLoteService> FLote;
  std::unique_ptr<ISfArquivoService> FArquivo;
};

template <>
IEsocialLoteService& TXDataClient::Service<IEsocialLoteService>();
template <>
ISfArquivoService& TXDataClient::Service<ISfArquivoService>();

// The API's base address: NEMBO_API_URL, else the compiled-in default, followed by "/empresa".
std::string ApiBaseAddress();

// Builds the error text of a refused reply.
std::string XDataErrorText(const std::string& uri, const platform::HttpResponse& response);

}  // namespace agent
