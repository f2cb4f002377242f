#include "dfe/http_request.h"

#include <cstdlib>
#include <fstream>
#include <vector>

#include "dfe/ssl_backends.h"
#include "platform/date_time.h"
#include "platform/hex.h"
#include "platform/strings.h"
#include "platform/text_encoding.h"

namespace dfe {

using platform::Trim;
using platform::UpperCase;

namespace {

struct TErrorText {
  std::uint32_t Code;
  const char* Text;
};

// Texts of the codes this layer reports; the platform's message table, where the Windows
// interfaces would have theirs.
constexpr TErrorText kErrorTexts[] = {
    {12002, "TimeOut de Requisição"},
    {12007, "O nome do servidor não pode ser resolvido"},
    {12029, "Conexão com o Servidor falhou"},
    {12030, "A conexão com o servidor foi redefinida ou encerrada, ou um protocolo SSL incompatível foi encontrado"},
    {12031, "A conexão com o servidor foi redefinida"},
    {12045, "Certificado raiz não é confiável pelo provedor de confiança"},
    {12057, "Revogação do Certificado não pode ser verificada porque o servidor de revogação está offline"},
    {12157, "Erro relacionado ao Canal Seguro"},
    {12175, "Um ou mais erros foram encontrados no certificado Secure Sockets Layer (SSL) enviado pelo servidor"},
    {12185,
     "O contexto para o certificado de cliente SSL não tem uma chave privada associada a ele. O certificado "
     "de cliente pode ter sido importado para o computador sem a chave privada"},
    {12186, "Falha ao obter a Chave Privada do Certificado para comunicação segura"},
};

// protocol, host, port (default by protocol) and path with query.
void SplitURL(const std::string& url, std::string& prot, std::string& host, std::string& port, std::string& uri) {
  std::string rest = url;
  prot = "http";
  auto sep = rest.find("://");
  if (sep != std::string::npos) {
    prot = platform::LowerCase(rest.substr(0, sep));
    rest = rest.substr(sep + 3);
  } else if (rest.rfind("//", 0) == 0) {
    rest = rest.substr(2);
  }
  auto slash = rest.find_first_of("/?#");
  std::string authority = rest.substr(0, slash);
  uri = slash == std::string::npos ? "/" : rest.substr(slash);
  if (auto hash = uri.find('#'); hash != std::string::npos) uri.erase(hash);
  if (uri.empty() || uri[0] != '/') uri = "/" + uri;
  if (auto at = authority.rfind('@'); at != std::string::npos) authority = authority.substr(at + 1);
  port.clear();
  if (!authority.empty() && authority[0] == '[') {  // IPv6 literal
    auto close = authority.find(']');
    host = authority.substr(0, close == std::string::npos ? std::string::npos : close + 1);
    if (close != std::string::npos && close + 1 < authority.size() && authority[close + 1] == ':')
      port = authority.substr(close + 2);
  } else {
    auto colon = authority.find(':');
    host = authority.substr(0, colon);
    if (colon != std::string::npos) port = authority.substr(colon + 1);
  }
  if (port.empty()) port = platform::SameText(prot, "https") ? "443" : "80";
}

// "%XX" escapes of an address part decoded; a "%" not followed by two hexadecimal digits stays.
std::string DecodificarPercentual(std::string_view s) {
  using platform::HexDigitValue;
  std::string out;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '%' && i + 2 < s.size() && HexDigitValue(s[i + 1]) >= 0 && HexDigitValue(s[i + 2]) >= 0) {
      out += static_cast<char>(HexDigitValue(s[i + 1]) * 16 + HexDigitValue(s[i + 2]));
      i += 2;
    } else {
      out += s[i];
    }
  }
  return out;
}

// First line beginning with the name replaced, else appended.
void SetHeaderLine(THttpHeader& h, const std::string& name, const std::string& value) {
  std::string line = name + ": " + value;
  for (auto& l : h.Lines)
    if (l.compare(0, name.size(), name) == 0) {
      l = line;
      return;
    }
  h.Lines.push_back(line);
}

}  // namespace

TTrivoWinReqResp::TTrivoWinReqResp() { Clear(); }

TTrivoWinReqResp::~TTrivoWinReqResp() = default;

void TTrivoWinReqResp::Clear() {
  Data.clear();
  FHeaderReq.Clear();
  FHeaderResp.Clear();
  TimeOut = 10000;
  FMethod = "GET";
  MimeType = "text/html";
  Charsets = "utf-8";
  SOAPAction.clear();
  CertContext = nullptr;
  CertPFXData.clear();
  CertPFXPassword.clear();
  EncodeDataToUTF8 = false;
  SSLType = LT_all;
  FRedirections = 0;
  FHttpResultCode = 0;
  FInternalErrorCode = 0;
}

void TTrivoWinReqResp::SetMethod(const std::string& value) {
  if (value != FMethod) FMethod = UpperCase(value);
}

void TTrivoWinReqResp::SetURL(const std::string& value) {
  if (value == FURL) return;
  FProt.clear();
  FHost.clear();
  FPort.clear();
  FURL = value;
  SplitURL(FURL, FProt, FHost, FPort, FURI);
}

std::uint16_t TTrivoWinReqResp::PortNumber() const {
  int n = platform::StrToIntDef(FPort, 0);
  if (n > 0 && n <= 65535) return static_cast<std::uint16_t>(n);
  return UseSSL() ? 443 : 80;
}

std::string TTrivoWinReqResp::ProxyHostAndPort() const {
  std::string s = ProxyHost;
  if (platform::StrToIntDef(ProxyPort, 0) != 0) s += ":" + ProxyPort;
  return s;
}

bool TTrivoWinReqResp::UseSSL() const { return UpperCase(FProt) == "HTTPS"; }

bool TTrivoWinReqResp::UseCertificate() const { return UseSSL() && (CertContext != nullptr || !CertPFXData.empty()); }

std::string TTrivoWinReqResp::GetWinInetError(std::uint32_t errorCode) const {
  std::string text;
  for (const auto& e : kErrorTexts)
    if (e.Code == errorCode) text = e.Text;
  if (errorCode != 0) text = std::to_string(errorCode) + " - " + text;
  if (!text.empty()) text = "Erro: " + text;
  return text;
}

std::string TTrivoWinReqResp::DescricaoUltimoErro() const {
  std::string descricao = GetWinInetError(static_cast<std::uint32_t>(FInternalErrorCode));
  if (!FDetalheErro.empty()) descricao += (descricao.empty() ? "" : ". ") + FDetalheErro;
  return descricao;
}

void TTrivoWinReqResp::AbortCheck() const {
  if (!IsSessionOpen() || FAbortado) throw ETrivoWinReqResp("Conexão foi abortada");
}

void TTrivoWinReqResp::Trace(const std::string& line) const {
  if (LogFile.empty()) return;
  std::ofstream out(LogFile, std::ios::binary | std::ios::app);
  if (out) out << platform::FormatDateTime("hh:nn:ss:zzz", platform::Now()) << " - " << line << "\r\n";
}

void TTrivoWinReqResp::UpdateErrorCodes() {
  FInternalErrorCode = static_cast<int>(FLastError.load());
  FHttpResultCode = QueryHttpResultCode();
}

void TTrivoWinReqResp::Fail(const char* message) {
  UpdateErrorCodes();
  // A step that failed because the handles were closed under it was aborted.
  if (FAbortado) throw ETrivoWinReqResp("Conexão foi abortada");
  throw ETrivoWinReqResp(platform::StringReplace(message, "%s", DescricaoUltimoErro()));
}

void TTrivoWinReqResp::ResetState() {
  CloseHandles();
  FHeaderResp.Clear();
  FRedirections = 0;
  FAbortado = false;
  FLastError = 0;
  FDetalheErro.clear();
}

bool TTrivoWinReqResp::OpenConnectionHandle() {
  AbortCheck();
  return true;
}

bool TTrivoWinReqResp::OpenRequestHandle() {
  AbortCheck();
  return true;
}

bool TTrivoWinReqResp::SetHeaderReq() {
  if (!LogFile.empty()) Trace("  SetHeaderReq:\r\n" + HeaderText());
  AbortCheck();
  return FRequestOpen;
}

bool TTrivoWinReqResp::SendData(const std::string& body) {
  Trace("  SendData: " + std::to_string(body.size()) + " bytes\r\n" + body);
  AbortCheck();
  return FRequestOpen;
}

bool TTrivoWinReqResp::ReceiveResponse() {
  Trace("  ReceiveResponse");
  AbortCheck();
  return FRequestOpen;
}

long TTrivoWinReqResp::ReadData(char*, long size) {
  Trace("  ReadData, BufferSize: " + std::to_string(size));
  AbortCheck();
  return FRequestOpen ? 0 : -1;
}

bool TTrivoWinReqResp::SetConnectionTimeOut() {
  Trace("  SetConnectionTimeOut " + std::to_string(TimeOut));
  AbortCheck();
  return FSessionOpen;
}

bool TTrivoWinReqResp::SetConnectionSSL() {
  Trace(std::string("  SetConnectionSSL, UseSSL: ") + (UseSSL() ? "True" : "False"));
  AbortCheck();
  return FSessionOpen;
}

bool TTrivoWinReqResp::SetConnectionCertificate() {
  Trace(std::string("  SetConnectionCertificate, UseSSL: ") + (UseSSL() ? "True" : "False"));
  AbortCheck();
  return FRequestOpen;
}

bool TTrivoWinReqResp::SetConnectionSecurityFlags() {
  Trace(std::string("  SetConnectionSecurityFlags, UseSSL: ") + (UseSSL() ? "True" : "False"));
  AbortCheck();
  return FRequestOpen;
}

bool TTrivoWinReqResp::SetProxyUser() {
  Trace("  SetProxyUser, User: " + ProxyUser);
  AbortCheck();
  return FRequestOpen;
}

void TTrivoWinReqResp::Abortar() {
  FAbortado = true;
  CloseHandles();
}

std::string TTrivoWinReqResp::HeaderText() {
  std::string host = FHost;
  bool defaultPort = (FPort == "80" && !UseSSL()) || (FPort == "443" && UseSSL());
  if (!defaultPort) host += ":" + FPort;
  // Host is the first line, and only once however often the text is built.
  std::erase_if(FHeaderReq.Lines, [](const std::string& l) { return l.rfind("Host:", 0) == 0; });
  FHeaderReq.Lines.insert(FHeaderReq.Lines.begin(), "Host: " + host);
  if (!MimeType.empty())
    SetHeaderLine(FHeaderReq, "Content-Type", MimeType + (Charsets.empty() ? "" : "; charset=" + Charsets));
  if (!Charsets.empty()) SetHeaderLine(FHeaderReq, "Accept-Charset", Charsets);
  if (!SOAPAction.empty())
    SetHeaderLine(FHeaderReq, "SOAPAction", "\"" + platform::StringReplace(SOAPAction, "\"", "\"\"") + "\"");
  return FHeaderReq.Text();
}

void TTrivoWinReqResp::Execute(const std::string& dataToPost, std::string& aResp) {
  Data = dataToPost;
  SetMethod("POST");
  Execute(aResp);
}

void TTrivoWinReqResp::Execute(std::string& resp) {
  ResetState();
  try {
    OpenSession();
    OpenConnection();
    OpenRequest();
    for (;;) {
      Send();
      Receive(resp);
      UpdateErrorCodes();
      if (!FollowRedirection()) break;
      // The new location may be another host or port: it gets a connection and request of its
      // own (the session, with its proxy, stays).
      AbortCheck();
      CloseHandles();
      OpenSession();
      OpenConnection();
      OpenRequest();
    }
  } catch (...) {
    CloseHandles();
    throw;
  }
  CloseHandles();
}

void TTrivoWinReqResp::OpenSession() {
  Trace("OpenSession, URL: " + FURL + ", Proxy: " + ProxyHostAndPort());
  CheckProxyParams();
  if (!OpenSessionHandle()) Fail("Falha abrindo Sessão HTTP. %s");
  if (!SetConnectionTimeOut()) Fail("Falha ajustando Timeout da Conexão. %s");
  if (!SetConnectionSSL()) Fail("Falha ajustando SSL. %s");
}

void TTrivoWinReqResp::CheckProxyParams() {
  if (ProxyHost.empty()) FindIEProxy();
  Trace("  CheckProxyParams: " + ProxyHostAndPort());
}

// The user's system proxy: on this platform, the proxy variables of the environment.
void TTrivoWinReqResp::FindIEProxy() {
  std::vector<const char*> names = {"https_proxy", "HTTPS_PROXY"};
  if (!UseSSL()) names = {"http_proxy", "HTTP_PROXY"};
  names.push_back("all_proxy");
  names.push_back("ALL_PROXY");
  std::string text;
  for (const char* n : names)
    if (const char* v = std::getenv(n); v && *v) {
      text = v;
      break;
    }
  if (text.empty()) return;
  if (auto sep = text.find("://"); sep != std::string::npos) text = text.substr(sep + 3);
  if (auto slash = text.find('/'); slash != std::string::npos) text.erase(slash);
  // Credentials in the variable ("user:password@host:port") answer the proxy, unless the
  // settings name a user of their own.
  if (auto at = text.rfind('@'); at != std::string::npos) {
    const std::string credenciais = text.substr(0, at);
    text = text.substr(at + 1);
    if (Trim(ProxyUser).empty()) {
      const auto colon = credenciais.find(':');
      ProxyUser = DecodificarPercentual(credenciais.substr(0, colon));
      ProxyPass = colon == std::string::npos ? std::string() : DecodificarPercentual(credenciais.substr(colon + 1));
    }
  }
  Trace("  FindIEProxy: " + text);
  auto colon = text.find(':');
  ProxyHost = text.substr(0, colon);
  if (colon != std::string::npos) ProxyPort = text.substr(colon + 1);
}

void TTrivoWinReqResp::OpenConnection() {
  Trace("OpenConnection, Port: " + FPort + ", Host: " + FHost);
  if (!OpenConnectionHandle()) Fail("Falha abrindo Conexão HTTP. %s");
}

void TTrivoWinReqResp::OpenRequest() {
  Trace("OpenRequest, Method: " + FMethod + ", URI: " + FURI + ", UseSSL: " + (UseSSL() ? "True" : "False"));
  if (!OpenRequestHandle()) Fail("Falha abrindo Requisição HTTP. %s");
  if (!SetConnectionCertificate()) Fail("Falha ajustando certificado na Conexão. %s");
  if (!SetConnectionSecurityFlags()) Fail("Falha ajustando parâmetros de segurança na Conexão. %s");
  if (!SetProxyUser()) Fail("Falha ajustando Usuário no Proxy. %s");
}

void TTrivoWinReqResp::Send() {
  Trace("Send");
  if (!SetHeaderReq()) Fail("Falha ajustando o Cabeçalho da Requisição. %s");
  std::string body = EncodeDataToUTF8 ? platform::EnsureUtf8(Data) : Data;
  if (!SendData(body)) Fail("Falha Enviando a Requisição. %s");
  FHeaderReq.Clear();
}

void TTrivoWinReqResp::Receive(std::string& resp) {
  Trace("Receive");
  if (!ReceiveResponse()) Fail("Falha ao Receber Resposta. %s");
  if (!LogFile.empty()) {
    std::string text = FHeaderResp.Text();
    Trace("  Response Header: " + std::to_string(text.size()) + " bytes\r\n" + text);
  }
  // Each response replaces the previous one: a redirection's body must not linger under a
  // shorter final body.
  resp.clear();
  std::vector<char> buffer(32768);
  for (;;) {
    long n = ReadData(buffer.data(), static_cast<long>(buffer.size()));
    if (n < 0) Fail("Falha ao Ler Dados da Resposta. %s");
    Trace("  BytesRead: " + std::to_string(n));
    if (n == 0) break;
    resp.append(buffer.data(), static_cast<std::size_t>(n));
  }
  if (!LogFile.empty() && !resp.empty()) Trace("  Response Data: " + std::to_string(resp.size()) + " bytes\r\n" + resp);
}

bool TTrivoWinReqResp::FollowRedirection() {
  int s = FHttpResultCode;
  if ((s == 301 || s == 302 || s == 303 || s == 307) && FRedirections < 10) {
    AdjustForRedirection();
    return true;
  }
  return false;
}

void TTrivoWinReqResp::AdjustForRedirection() {
  ++FRedirections;
  Trace("AdjustForRedirection - " + std::to_string(FRedirections));
  std::string location = FHeaderResp.GetHeaderValue("Location");
  if (auto semi = location.find(';'); semi != std::string::npos) location.erase(semi);
  location = Trim(location);
  Trace("  Location: " + location);
  if (location.rfind("//", 0) == 0) {
    SetURL(FProt + ":" + location);  // same scheme as the current address
  } else if (location.find("://") != std::string::npos || platform::StartsText("www.", location)) {
    SetURL(location);
  } else {
    std::string origin = FProt + "://" + FHost + ":" + FPort;
    if (!location.empty() && location[0] == '/') {
      SetURL(origin + location);  // an absolute path replaces the whole path
    } else {
      std::string dir = FURI.substr(0, FURI.find_first_of("?#"));
      SetURL(origin + dir.substr(0, dir.rfind('/') + 1) + location);
    }
  }
  int status = FHttpResultCode;
  Data.clear();
  FHeaderReq.Clear();
  FHeaderResp.Clear();
  MimeType = "text/html";
  if ((FMethod != "GET" && status == 303) || (FMethod == "POST" && (status == 301 || status == 302))) FMethod = "GET";
}

void AplicarCertificadoCliente(TDFeSSL& ssl, TTrivoWinReqResp& req) {
  req.CertContext = ssl.CertContextWinApi();
  if (!req.CertContext) {
    req.CertPFXData = ssl.SSLCryptClass().CertPFXData();
    req.CertPFXPassword = ssl.Senha();
  }
}

void ExecutarTroca(TDFeSSLHttpClass& backEnd, TTrivoWinReqResp& req, const std::function<void()>& troca) {
  auto copiarResultados = [&] {
    backEnd.HTTPResultCode = req.HttpResultCode();
    backEnd.InternalErrorCode = req.InternalErrorCode();
  };
  try {
    troca();
  } catch (...) {
    copiarResultados();
    throw;
  }
  copiarResultados();
  backEnd.HeaderResp.SetText(req.HeaderResp().Text());
}

}  // namespace dfe
