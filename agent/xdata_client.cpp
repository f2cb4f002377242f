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
  explicit ReplyText(const std::string& body) : body_(body) {
    if (!platform::IsValidUtf8(body_)) converted_ = platform::EnsureUtf8(body_);
  }
  std::string_view view() const { return converted_ ? std::string_view(*converted_) : std::string_view(body_); }

 private:
  const std::string& body_;
  std::optional<std::string> converted_;
};

json parseReply(const platform::HttpResponse& r) {
  try {
    return ParseJsonText(ReplyText(r.body).view());
  } catch (const std::exception& e) {
    throw std::runtime_error(std::string("JSON: reply could not be read: ") + e.what());
  }
}

class TEsocialLoteServiceProxy : public IEsocialLoteService {
 public:
  explicit TEsocialLoteServiceProxy(TXDataClient& client) : client_(client) {}

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
    if (r.status == 404 || r.status == 204) return nullptr;
    return TDtoJsonReader(client_).ReadLote(parseReply(r));
  }

  std::vector<TEsocialLoteXmlDTO*> GetLotesGerados() override {
    auto r = Call("GetLotesGerados", std::nullopt, false);
    if (r.status == 204) return {};
    json reply = parseReply(r);
    if (!reply.is_object() || !reply.contains("value"))
      throw std::runtime_error("JSON: reply holds no member \"value\"");
    return TDtoJsonReader(client_).ReadLoteList(reply["value"]);
  }

  void ProcessarLoteEnviado(TEsocialLoteXmlDTO* LoteDTO) override {
    Call("ProcessarLoteEnviado", LoteJson(LoteDTO), false);
  }

  void GerarXmlEventosLote() override { Call("GerarXmlEventosLote", std::nullopt, false); }

 private:
  platform::HttpResponse Call(const char* op, const std::optional<std::string>& body, bool notFoundIsEmpty) {
    return client_.Post("EsocialLoteService", op, body, notFoundIsEmpty);
  }
  TXDataClient& client_;
};

class TSfArquivoServiceProxy : public ISfArquivoService {
 public:
  explicit TSfArquivoServiceProxy(TXDataClient& client) : client_(client) {}

  std::string DownloadFileSagres(const std::string& ArquivoId) override {
    platform::JsonWriter out;
    out.BeginObject().Key("ArquivoId").String(ArquivoId).EndObject();
    auto r = client_.Post("SfArquivoService", "DownloadFileSagres", out.Text(), false);
    if (r.status == 204) return {};
    return std::move(r.body);
  }

 private:
  TXDataClient& client_;
};

}  // namespace

std::string ApiBaseAddress() {
  std::string base = NEMBO_API_URL_DEFAULT;
  if (const char* env = std::getenv("NEMBO_API_URL"); env && *env) base = env;
  while (!base.empty() && base.back() == '/') base.pop_back();
  return base + "/empresa";
}

TXDataClient::TXDataClient(std::string baseUrl) : uri_(std::move(baseUrl)) {}
TXDataClient::~TXDataClient() = default;

void TXDataClient::SetAuthorization(std::string token, std::string slug) {
  token_ = std::move(token);
  slug_ = std::move(slug);
}

template <>
IEsocialLoteService& TXDataClient::Service<IEsocialLoteService>() {
  if (!lote_) lote_ = std::make_unique<TEsocialLoteServiceProxy>(*this);
  return *lote_;
}

template <>
ISfArquivoService& TXDataClient::Service<ISfArquivoService>() {
  if (!arquivo_) arquivo_ = std::make_unique<TSfArquivoServiceProxy>(*this);
  return *arquivo_;
}

platform::HttpResponse TXDataClient::Post(const std::string& route, const std::string& operation,
                                          const std::optional<std::string>& body, bool notFoundIsEmpty) {
  platform::HttpRequest req;
  req.url = uri_;
  if (req.url.empty() || req.url.back() != '/') req.url += '/';
  req.url += route + "/" + operation + "/";
  req.headers.push_back({"XData-ExpandLevel", "3"});
  if (body) req.headers.push_back({"content-type", "application/json"});
  if (token_) {
    req.headers.push_back({"Authorization", "Bearer " + *token_});
    req.headers.push_back({"tenant_id", slug_});
  }
  req.body = body;
  req.timeoutMs = kTimeoutMs;
  req.userAgent = kUserAgent;
  platform::HttpResponse r = platform::HttpsPost(req);
  bool accepted = r.status == 200 || r.status == 201 || r.status == 204 || (r.status == 404 && notFoundIsEmpty);
  if (!accepted) throw EXDataClientRequestException(XDataErrorText(req.url, r));
  return r;
}

std::string XDataErrorText(const std::string& uri, const platform::HttpResponse& r) {
  std::string text = "XData server request error.\r\nUri: " + uri + "\r\nStatus code: " + std::to_string(r.status);
  // No more of the text than a reply can carry is kept: an error body may be huge.
  auto cut = [](std::string_view piece) { return std::string(platform::Utf8Prefix(piece, kMaxReplyLength)); };
  std::string code, message, details;
  auto str = [&cut](const json& j) {
    return j.is_string() ? cut(j.get_ref<const std::string&>()) : j.is_null() ? "" : cut(j.dump());
  };
  std::string type = platform::LowerCase(r.contentType);
  if (type == "application/json") {
    json j;
    try {
      j = ParseJsonText(ReplyText(r.body).view());
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
    message = r.body.empty() ? r.reason : platform::EnsureUtf8(platform::Utf8Prefix(r.body, kMaxReplyLength));
  } else {
    message = r.reason;
  }
  if (!code.empty()) text += "\r\nError Code: " + code;
  if (!message.empty()) text += "\r\n" + message;
  return cut(text + details);
}

}  // namespace agent
