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

const char kReplyNotRead[] = "JSON: reply could not be read: ";

// A reply's body through a reader of its objects, neither copied nor parsed into a tree: text
// that is too deep, too large in values or malformed is the reply's read error; what the reader
// raises about the objects passes as it is.
template <class Read>
auto ReadReply(const platform::HttpResponse& r, Read read) {
  try {
    CheckJsonShape(r.Body);
    return read(std::string_view(r.Body));
  } catch (const nlohmann::json::exception& e) {
    throw std::runtime_error(kReplyNotRead + std::string(e.what()));
  } catch (const EJsonShape& e) {
    throw std::runtime_error(kReplyNotRead + std::string(e.what()));
  }
}

// The error forms of a refused reply, read as the parser goes, keeping no more than the error
// text can carry: {"error": {"code", "message", "errors": [{"code", "message"}, ...]}} or
// {"error": "...", "error_description": ...}. A string value is taken as it is, null as nothing,
// any other value as its JSON text; of repeated members the last counts, as in a parsed object.
class ErrorReplySax {
 public:
  // What the text gave; only meaningful once it was read whole.
  void Result(std::string& code, std::string& message, std::string& details) const {
    if (FError == ErrorKind::Object) {
      code = FCode.Text;
      message = FMessage.Text;
      details = FDetails;
    } else if (FError == ErrorKind::String) {
      code = FErrorString;
      message = FDescription.Text;
    }
  }

  bool null() { return Scalar("null", nullptr); }
  bool boolean(bool b) { return Scalar(b ? "true" : "false", nullptr); }
  bool number_integer(std::int64_t i) { return Scalar(std::to_string(i), nullptr); }
  bool number_unsigned(std::uint64_t u) { return Scalar(std::to_string(u), nullptr); }
  bool number_float(double d, const std::string&) { return Scalar(json(d).dump(), nullptr); }
  bool string(std::string& s) { return Scalar({}, &s); }
  bool binary(json::binary_t&) { return Scalar("null", nullptr); }
  bool start_object(std::size_t) { return Open(true); }
  bool start_array(std::size_t) { return Open(false); }
  bool key(std::string& k) {
    Frame& f = FFrames.back();
    f.Next = Part::Skip;
    if (f.Role == Part::Root) {
      if (k == "error") f.Next = Part::Error;
      if (k == "error_description") f.Next = Render(FDescription);
    } else if (f.Role == Part::Error) {
      if (k == "code") f.Next = Render(FCode);
      if (k == "message") f.Next = Render(FMessage);
      if (k == "errors") f.Next = Part::Errors;
    } else if (f.Role == Part::Item) {
      if (k == "code") f.Next = Render(FItemCode);
      if (k == "message") f.Next = Render(FItemMessage);
    } else if (f.Role == Part::Rendering) {
      if (f.Count++ > 0) FRendered->Append(",");
      FRendered->Append(json(k).dump() + ":");
      f.Next = Part::Rendering;
    }
    return true;
  }
  bool end_object() { return Close('}'); }
  bool end_array() { return Close(']'); }
  template <class Exception>
  bool parse_error(std::size_t, const std::string&, const Exception& ex) {
    throw ex;
  }

 private:
  // What a value is to the error text: Render starts a value of its own, Rendering is a part of
  // one.
  enum class Part { Skip, Root, Error, Errors, Item, Render, Rendering };
  enum class ErrorKind { None, Object, String };
  struct Value {
    std::string Text;
    void Append(std::string_view piece) {
      if (Text.size() <= kMaxReplyLength) Text += piece;
    }
  };
  struct Frame {
    Part Role;
    bool Object;
    Part Next = Part::Skip;  // an object's current member
    int Count = 0;           // members or elements rendered
  };

  Part Render(Value& v) {
    FRendered = &v;
    return Part::Render;
  }

  Part Take() {
    if (FFrames.empty()) return std::exchange(FAtRoot, false) ? Part::Root : Part::Skip;
    Frame& f = FFrames.back();
    if (f.Role == Part::Errors) return Part::Item;
    if (f.Role == Part::Rendering && !f.Object) {
      if (f.Count++ > 0) FRendered->Append(",");
      return Part::Rendering;
    }
    if (f.Role == Part::Skip || !f.Object) return Part::Skip;
    return std::exchange(f.Next, Part::Skip);
  }

  bool Scalar(const std::string& text, std::string* s) {
    switch (Take()) {
      case Part::Error:
        FError = s ? ErrorKind::String : ErrorKind::None;
        if (s) FErrorString = platform::Utf8Prefix(*s, kMaxReplyLength);
        break;
      case Part::Errors:
        FDetails.clear();
        break;
      case Part::Render:
        FRendered->Text = s ? std::string(platform::Utf8Prefix(*s, kMaxReplyLength)) : text == "null" ? "" : text;
        break;
      case Part::Rendering:
        FRendered->Append(s ? json(*s).dump() : text);
        break;
      default:
        break;
    }
    return true;
  }

  bool Open(bool object) {
    Part role = Take();
    switch (role) {
      case Part::Root:
        break;
      case Part::Error:
        FError = object ? ErrorKind::Object : ErrorKind::None;
        FCode = FMessage = Value{};
        FDetails.clear();
        break;
      case Part::Errors:
        FDetails.clear();
        break;
      case Part::Item:
        FItemCode = FItemMessage = Value{};
        break;
      case Part::Render:
        FRendered->Text.clear();
        FRenderFrom = FFrames.size();
        role = Part::Rendering;
        [[fallthrough]];
      case Part::Rendering:
        FRendered->Append(object ? "{" : "[");
        break;
      default:
        break;
    }
    // Only objects hold what is looked for, but the errors list.
    const bool kept = role == Part::Rendering || (role == Part::Errors ? !object : object);
    FFrames.push_back({kept ? role : Part::Skip, object});
    return true;
  }

  bool Close(char closing) {
    const Frame f = FFrames.back();
    FFrames.pop_back();
    if (f.Role == Part::Rendering) {
      FRendered->Append(std::string_view(&closing, 1));
      if (FFrames.size() == FRenderFrom) FRendered->Text = platform::Utf8Prefix(FRendered->Text, kMaxReplyLength);
    } else if (f.Role == Part::Item && FDetails.size() <= kMaxReplyLength) {
      FDetails += "\r\n" + FItemCode.Text + ": " + FItemMessage.Text;
    }
    return true;
  }

  std::vector<Frame> FFrames;
  bool FAtRoot = true;
  ErrorKind FError = ErrorKind::None;
  Value FCode, FMessage, FDescription, FItemCode, FItemMessage;
  std::string FErrorString, FDetails;
  Value* FRendered = nullptr;
  std::size_t FRenderFrom = 0;
};

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
    return ReadReply(r, [this](std::string_view text) { return TDtoJsonReader(FClient).ReadLote(text); });
  }

  std::vector<TEsocialLoteXmlDTO*> GetLotesGerados() override {
    auto r = Call("GetLotesGerados", std::nullopt, false);
    if (r.Status == 204) return {};
    return ReadReply(r, [this](std::string_view text) { return TDtoJsonReader(FClient).ReadLoteList(text); });
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
  std::string type = platform::LowerCase(r.ContentType);
  if (type == "application/json") {
    try {
      CheckJsonShape(r.Body);
      ErrorReplySax sax;
      ParseJsonSax(r.Body, sax);
      sax.Result(code, message, details);
    } catch (const std::exception&) {
      // An unreadable error body adds no code or message.
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
