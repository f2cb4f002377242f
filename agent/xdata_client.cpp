#include "agent/xdata_client.h"

#include <cstdlib>
#include <nlohmann/json.hpp>
#include <optional>

#include "agent/dto_json.h"
#include "agent/json_text.h"
#include "agent/native_messaging.h"
#include "platform/strings.h"
#include "platform/text_encoding.h"

#ifndef NEMBO_API_URL_DEFAULT
#define NEMBO_API_URL_DEFAULT "https://localhost"
#endif

namespace agent {

namespace {

using nlohmann::json;

constexpr const char* kUserAgent = "TMS Http/1.0";
constexpr long kTimeoutMs = 60000;

// A reply body read as text: bytes that are not UTF-8 are taken as Windows-1252. A valid body
// is not copied.
class ReplyText {
 public:
  explicit ReplyText(const std::string& body) : FBody(body) {
    if (!platform::IsValidUtf8(FBody)) FConverted = platform::EnsureUtf8(FBody);
  }
  std::string_view View() const { return FConverted ? std::string_view(*FConverted) : std::string_view(FBody); }

 private:
  const std::string& FBody;
  std::optional<std::string> FConverted;
};

json ParseReply(const platform::HttpResponse& r) {
  try {
    return ParseJsonText(ReplyText(r.Body).View());
  } catch (const std::exception& e) {
    throw std::runtime_error(std::string("JSON: reply could not be read: ") + e.what());
  }
}

class TEsocialLoteServiceProxy : public IEsocialLoteService {
 public:
  explicit TEsocialLoteServiceProxy(TXDataClient& client) : FClient(client) {}

  void AtualizarLotes(const std::vector<TEsocialLoteXmlDTO*>& Lotes, bool Consulta) override {
    platform::JsonWriter out;
    TDtoJsonWriter dtos(out);
    out.BeginObject().Key("Lotes");
    dtos.WriteList(Lotes);
    out.Key("Consulta").Bool(Consulta).EndObject();
    Call("AtualizarLotes", out.Text(), false);
  }

  void AtualizarLote(TEsocialLoteXmlDTO* EsocialLoteXmlDTO, bool Consulta, std::uint16_t Control) override {
    platform::JsonWriter out;
    TDtoJsonWriter dtos(out);
    out.BeginObject().Key("EsocialLoteXmlDTO");
    dtos.Write(EsocialLoteXmlDTO);
    out.Key("Consulta").Bool(Consulta).Key("Control").Int(Control).EndObject();
    Call("AtualizarLote", out.Text(), false);
  }

  TEsocialLoteXmlDTO* GetLotePorProtocolo(const std::string& IdProtocolo) override {
    platform::JsonWriter out;
    out.BeginObject().Key("IdProtocolo").String(IdProtocolo).EndObject();
    auto r = Call("GetLotePorProtocolo", out.Text(), true);
    if (r.Status == 404 || r.Status == 204) return nullptr;
    return TDtoJsonReader(FClient).ReadLote(ParseReply(r));
  }

  std::vector<TEsocialLoteXmlDTO*> GetLotesGerados() override {
    auto r = Call("GetLotesGerados", std::nullopt, false);
    if (r.Status == 204) return {};
    json reply = ParseReply(r);
    if (!reply.is_object() || !reply.contains("value"))
      throw std::runtime_error("JSON: reply holds no member \"value\"");
    return TDtoJsonReader(FClient).ReadLoteList(reply["value"]);
  }

  void ProcessarLoteEnviado(TEsocialLoteXmlDTO* LoteDTO) override {
    Call("ProcessarLoteEnviado", LoteJson(LoteDTO), false);
  }

  void GerarXmlEventosLote() override { Call("GerarXmlEventosLote", std::nullopt, false); }

 private:
  platform::HttpResponse Call(const char* op, const std::optional<std::string>& body, bool notFoundIsEmpty) {
    return FClient.Post("EsocialLoteService", op, body, notFoundIsEmpty);
  }
  TXDataClient& FClient;
};

class TSfArquivoServiceProxy : public ISfArquivoService {
 public:
  explicit TSfArquivoServiceProxy(TXDataClient& client) : FClient(client) {}

  std::string DownloadFileSagres(const std::string& ArquivoId) override {
    platform::JsonWriter out;
    out.BeginObject().Key("ArquivoId").String(ArquivoId).EndObject();
    auto r = FClient.Post("SfArquivoService", "DownloadFileSagres", out.Text(), false);
    if (r.Status == 204) return {};
    return std::move(r.Body);
  }

 private:
  TXDataClient& FClient;
};

}  // namespace

std::string ApiBaseAddress() {
  std::string base = NEMBO_API_URL_DEFAULT;
  if (const char* env = std::getenv("NEMBO_API_URL"); env && *env) base = env;
  while (!base.empty() && base.back() == '/') base.pop_back();
  return base + "/empresa";
}

TXDataClient::TXDataClient(std::string baseUrl) : FUri(std::move(baseUrl)) {}
TXDataClient::~TXDataClient() = default;

void TXDataClient::SetAuthorization(std::string token, std::string slug) {
  FToken = std::move(token);
  FSlug = std::move(slug);
}

template <>
IEsocialLoteService& TXDataClient::Service<IEsocialLoteService>() {
  if (!FLote) FLote = std::make_unique<TEsocialLoteServiceProxy>(*this);
  return *FLote;
}

template <>
ISfArquivoService& TXDataClient::Service<ISfArquivoService>() {
  if (!FArquivo) FArquivo = std::make_unique<TSfArquivoServiceProxy>(*this);
  return *FArquivo;
}

platform::HttpResponse TXDataClient::Post(const std::string& route, const std::string& operation,
                                          const std::optional<std::string>& body, bool notFoundIsEmpty) {
  platform::HttpRequest req;
  req.Url = FUri;
  if (req.Url.empty() || req.Url.back() != '/') req.Url += '/';
  req.Url += route + "/" + operation + "/";
  req.Headers.push_back({"XData-ExpandLevel", "3"});
  if (body) req.Headers.push_back({"content-type", "application/json"});
  if (FToken) {
    req.Headers.push_back({"Authorization", "Bearer " + *FToken});
    req.Headers.push_back({"tenant_id", FSlug});
  }
  req.Body = body;
  req.TimeoutMs = kTimeoutMs;
  req.UserAgent = kUserAgent;
  platform::HttpResponse r = platform::HttpsPost(req);
  bool accepted = r.Status == 200 || r.Status == 201 || r.Status == 204 || (r.Status == 404 && notFoundIsEmpty);
  if (!accepted) throw EXDataClientRequestException(XDataErrorText(req.Url, r));
  return r;
}

std::string XDataErrorText(const std::string& uri, const platform::HttpResponse& r) {
  std::string text = "XData server request error.\r\nUri: " + uri + "\r\nStatus code: " + std::to_string(r.Status);
  // No more of the text than a reply can carry is kept: an error body may be huge.
  auto cut = [](std::string_view piece) { return std::string(platform::Utf8Prefix(piece, kMaxReplyLength)); };
  std::string code, message, details;
  auto str = [&cut](const json& j) {
    return j.is_string() ? cut(j.get_ref<const std::string&>()) : j.is_null() ? "" : cut(j.dump());
  };
  std::string type = platform::LowerCase(r.ContentType);
  if (type == "application/json") {
    json j;
    try {
      j = ParseJsonText(ReplyText(r.Body).View());
    } catch (const std::exception&) {
      // An unreadable error body adds no code or message.
    }
    if (j.is_object() && j.contains("error")) {
      const json& e = j["error"];
      if (e.is_object()) {
        if (e.contains("code")) code = str(e["code"]);
        if (e.contains("message")) message = str(e["message"]);
        if (e.contains("errors") && e["errors"].is_array()) {
          for (const auto& d : e["errors"]) {
            if (details.size() > kMaxReplyLength) break;
            if (!d.is_object()) continue;
            details += "\r\n" + (d.contains("code") ? str(d["code"]) : "") + ": " +
                       (d.contains("message") ? str(d["message"]) : "");
          }
        }
      } else if (e.is_string()) {
        code = str(e);
        if (j.contains("error_description")) message = str(j["error_description"]);
      }
    }
  } else if (type == "text/plain") {
    message = r.Body.empty() ? r.Reason : platform::EnsureUtf8(platform::Utf8Prefix(r.Body, kMaxReplyLength));
  } else {
    message = r.Reason;
  }
  if (!code.empty()) text += "\r\nError Code: " + code;
  if (!message.empty()) text += "\r\n" + message;
  return cut(text + details);
}

}  // namespace agent
