#include "dfe/http_request.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <thread>

#include "platform/base64.h"
#include "support/https_peer.h"
#include "support/message_of.h"
#include "support/peer.h"

using namespace dfe;
using testhttp::HeaderValues;
using testhttp::HttpsPeer;

namespace {

std::string Pkcs12(const std::string& name) {
  return testsupport::ReadFile(testsupport::PkiDir() + "/" + name + ".p12");
}

void UsePkcs12(TTrivoWinReqResp& r, const std::string& name = "client") {
  r.CertPFXData = Pkcs12(name);
  r.CertPFXPassword = "1234";
}

std::string Body(const nlohmann::json& req) { return platform::Base64Decode(req["body"].get<std::string>()).value(); }

std::string ErrorOf(TTrivoWinReqResp& r) {
  std::string resp;
  return testsupport::MessageOf<ETrivoWinReqResp>([&] { r.Execute(resp); });
}

class HttpRequest : public ::testing::Test {
 protected:
  // The loopback stand-ins must be reached directly, whatever proxy the machine has.
  void SetUp() override {
    for (const char* v : {"https_proxy", "HTTPS_PROXY", "http_proxy", "HTTP_PROXY", "all_proxy", "ALL_PROXY"})
      unsetenv(v);
  }
};

}  // namespace

TEST_F(HttpRequest, PostsExactHeadersAndBodyWithPkcs12ClientCertificate) {
  HttpsPeer peer;
  std::string log = peer.dir + "/trace.log";
  TTrivoWinHTTPReqResp r;
  r.LogFile = log;  // tracing on must not send the Host line twice
  r.SetURL(peer.Url("/servico/ws.svc?x=1"));
  r.MimeType = "text/xml";
  r.SOAPAction = "urn:a\"b";
  r.SSLType = LT_TLSv1_2;
  r.HeaderReq().AddHeader("Authorization", "Bearer abc");
  UsePkcs12(r);
  std::string resp = "stale content longer than the reply";
  // Above 1 KiB, where a client would otherwise ask for "Expect: 100-continue".
  const std::string corpo = std::string("<a>\xc3\xa9\0z</a>", 11) + std::string(2000, ' ');
  r.Execute(corpo, resp);

  EXPECT_EQ(resp, "<ok/>");
  EXPECT_EQ(r.HttpResultCode(), 200);
  EXPECT_EQ(r.HeaderResp().GetHeaderValue("Content-Type"), "text/xml; charset=utf-8");
  EXPECT_EQ(r.HeaderReq().Count(), 0);
  auto reqs = peer.Requests();
  ASSERT_EQ(reqs.size(), 1u);
  const auto& q = reqs[0];
  EXPECT_EQ(q["method"], "POST");
  EXPECT_EQ(q["path"], "/servico/ws.svc?x=1");
  EXPECT_EQ(q["tls"], "TLSv1.2");
  EXPECT_NE(q["client"].get<std::string>().find("EMPRESA TESTE LTDA:12345678000195"), std::string::npos);
  EXPECT_EQ(Body(q), corpo);
  std::vector<std::string> names;
  for (const auto& h : q["headers"]) names.push_back(h[0]);
  EXPECT_EQ(names, (std::vector<std::string>{"Host", "User-Agent", "Authorization", "Content-Type", "Accept-Charset",
                                             "SOAPAction", "Content-Length"}));
  EXPECT_EQ(HeaderValues(q, "Host"), std::vector<std::string>{"127.0.0.1:" + std::to_string(peer.peer->Port())});
  EXPECT_EQ(HeaderValues(q, "Content-Type"), std::vector<std::string>{"text/xml; charset=utf-8"});
  EXPECT_EQ(HeaderValues(q, "Accept-Charset"), std::vector<std::string>{"utf-8"});
  EXPECT_EQ(HeaderValues(q, "SOAPAction"), std::vector<std::string>{"\"urn:a\"\"b\""});
  EXPECT_EQ(HeaderValues(q, "User-Agent"), std::vector<std::string>{"WinHTTP Trivo/1.0"});
  EXPECT_EQ(HeaderValues(q, "Content-Length"), std::vector<std::string>{"2011"});
  std::string trace = testsupport::ReadFile(log);
  EXPECT_NE(trace.find("OpenSession, URL: " + peer.Url("/servico/ws.svc?x=1")), std::string::npos);
  EXPECT_NE(trace.find("  Response Data: 5 bytes\r\n<ok/>"), std::string::npos);
}

TEST_F(HttpRequest, TheTwoClassesKeepTheirAgentAndTlsChoice) {
  HttpsPeer peer;
  struct Case {
    bool winInet;
    TSSLType ssl;
    const char* agent;
    const char* tls;
  };
  const Case cases[] = {
      {false, LT_all, "WinHTTP Trivo/1.0", "TLSv1.2"},  // all: up to TLS 1.2, not 1.3
      {false, LT_TLSv1_3, "WinHTTP Trivo/1.0", "TLSv1.3"},
      {true, LT_TLSv1_2, "WinINet Trivo/1.0", "TLSv1.3"},  // WinINet leaves the versions to the library
  };
  for (const auto& c : cases) {
    std::unique_ptr<TTrivoWinReqResp> r;
    if (c.winInet)
      r = std::make_unique<TTrivoWinINetReqResp>();
    else
      r = std::make_unique<TTrivoWinHTTPReqResp>();
    r->SetURL(peer.Url());
    r->SSLType = c.ssl;
    UsePkcs12(*r);
    std::string resp;
    r->Execute(resp);  // GET without a body
    auto q = peer.Requests().back();
    EXPECT_EQ(q["method"], "GET");
    EXPECT_EQ(HeaderValues(q, "User-Agent"), std::vector<std::string>{c.agent});
    EXPECT_EQ(q["tls"], c.tls) << c.agent << " " << c.ssl;
    EXPECT_TRUE(HeaderValues(q, "Content-Length").empty());
  }
}

TEST_F(HttpRequest, RefusedHandshakesFailTheSend) {
  HttpsPeer peer({"--second", "tls13-only"});
  const std::string tls13 = HttpsPeer::UrlOn(peer.SecondPort(), "/ws");
  struct Case {
    std::string url;
    const char* cert;  // empty: none
    TSSLType ssl;
  };
  const Case cases[] = {
      {peer.Url(), "", LT_TLSv1_2},       // no client certificate
      {peer.Url(), "rogue", LT_TLSv1_2},  // a client certificate of another CA
      {tls13, "client", LT_TLSv1_2},      // TLS 1.2 only against a TLS 1.3 only server
  };
  for (const auto& c : cases) {
    TTrivoWinHTTPReqResp r;
    r.SetURL(c.url);
    r.SSLType = c.ssl;
    if (*c.cert) UsePkcs12(r, c.cert);
    std::string err = ErrorOf(r);
    EXPECT_TRUE(err.rfind("Falha Enviando a Requisição. Erro: 12", 0) == 0 ||
                err.rfind("Falha ao Receber Resposta. Erro: 12", 0) == 0)
        << err;
  }
  EXPECT_TRUE(peer.Requests().empty());
  TTrivoWinHTTPReqResp r;
  r.SetURL(tls13);
  r.SSLType = LT_TLSv1_3;
  UsePkcs12(r);
  std::string resp;
  r.Execute(resp);
  EXPECT_EQ(peer.Requests(peer.SecondPort()).at(0)["tls"], "TLSv1.3");
}

// The server's certificate is verified inside the handshake, chain and name, against the system
// store, the carried root and NEMBO_ESOCIAL_CA_FILE; a refused server gets no request, and the
// message names the host and the reason. An expired certificate is still accepted.
TEST_F(HttpRequest, ServerCertificatesAreVerifiedChainAndName) {
  const std::string ca = testsupport::PkiDir() + "/ca.crt";
  const std::string semCertificado = testsupport::MakeTempDir("ca-vazio") + "/vazio.pem";
  testsupport::WriteFile(semCertificado, "-----BEGIN NADA-----\n");
  const std::string recusa =
      "Falha Enviando a Requisição. Erro: 12175 - Um ou mais erros foram encontrados no certificado Secure Sockets "
      "Layer (SSL) enviado pelo servidor. Certificado do servidor ";
  const std::string semArquivo =
      "Falha ajustando parâmetros de segurança na Conexão. Arquivo de autoridades "
      "confiáveis de NEMBO_ESOCIAL_CA_FILE inválido: ";
  struct Case {
    const char* what;
    const char* cert;     // the stand-in's server certificate
    std::string host;     // the address names the server so
    std::string caFile;   // NEMBO_ESOCIAL_CA_FILE; empty: unset
    std::string failure;  // empty: accepted
  } cases[] = {
      {"the test CA's server", "server", "127.0.0.1", ca, ""},
      {"the same by name", "server", "localhost", ca, ""},
      {"an expired server", "server-expired", "127.0.0.1", ca, ""},
      {"a self-signed server", "server-selfsigned", "127.0.0.1", ca,
       recusa + "127.0.0.1 recusado: self-signed certificate (CN=127.0.0.1,O=Nembo Teste,C=BR)"},
      {"another host's certificate, by address", "server-wronghost", "127.0.0.1", ca,
       recusa + "127.0.0.1 recusado: IP address mismatch (CN=outro.servico.invalido,O=Nembo Teste,C=BR)"},
      {"another host's certificate, by name", "server-wronghost", "localhost", ca,
       recusa + "localhost recusado: hostname mismatch (CN=outro.servico.invalido,O=Nembo Teste,C=BR)"},
      {"the test CA not trusted", "server", "127.0.0.1", "",
       recusa +
           "127.0.0.1 recusado: self-signed certificate in certificate chain (CN=Nembo Teste AC,O=Nembo Teste,C=BR)"},
      {"a trust file that is not there", "server", "127.0.0.1", "/nao/existe.pem",
       semArquivo + "/nao/existe.pem (não pode ser lido)"},
      {"a trust file without certificates", "server", "127.0.0.1", semCertificado,
       semArquivo + semCertificado + " (nenhum certificado)"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    HttpsPeer peer({"--server-cert", c.cert});
    if (c.caFile.empty())
      unsetenv("NEMBO_ESOCIAL_CA_FILE");
    else
      setenv("NEMBO_ESOCIAL_CA_FILE", c.caFile.c_str(), 1);
    TTrivoWinHTTPReqResp r;
    r.SetURL("https://" + c.host + ":" + std::to_string(peer.peer->Port()) + "/ws");
    r.SSLType = LT_TLSv1_2;
    UsePkcs12(r);
    if (c.failure.empty()) {
      std::string resp;
      r.Execute(resp);
      EXPECT_EQ(resp, "<ok/>");
      EXPECT_EQ(peer.Requests().size(), 1u);
    } else {
      EXPECT_EQ(ErrorOf(r), c.failure);
      EXPECT_TRUE(peer.Requests().empty());
    }
  }
  setenv("NEMBO_ESOCIAL_CA_FILE", ca.c_str(), 1);
}

TEST_F(HttpRequest, RedirectionsGoToTheNewLocationWithTheMethodRules) {
  HttpsPeer peer({"--second", "same"});  // the new location is the second listener's port
  const int target = peer.SecondPort();
  struct Case {
    int status;
    const char* method;
    const char* expectedMethod;
  };
  const Case cases[] = {
      {301, "POST", "GET"}, {302, "POST", "GET"}, {303, "PUT", "GET"}, {307, "POST", "POST"}, {302, "PUT", "PUT"},
  };
  nlohmann::json script = nlohmann::json::array();
  for (const auto& c : cases)
    script.push_back({{"path", "/" + std::to_string(c.status)},
                      {"status", c.status},
                      {"headers", {{"Location", HttpsPeer::UrlOn(target, "/novo/lugar") + "; x"}}},
                      {"body", std::string(100, 'r')}});
  peer.Script(script);
  for (const auto& c : cases) {
    std::size_t before = peer.Requests(target).size();
    TTrivoWinHTTPReqResp r;
    r.SetURL(peer.Url("/" + std::to_string(c.status)));
    r.SetMethod(c.method);
    r.MimeType = "text/xml";
    r.Data = "<corpo/>";
    UsePkcs12(r);
    std::string resp;
    r.Execute(resp);
    EXPECT_EQ(resp, "<ok/>");  // the redirection's longer body does not linger
    EXPECT_EQ(r.HttpResultCode(), 200);
    EXPECT_EQ(r.URL(), HttpsPeer::UrlOn(target, "/novo/lugar"));
    auto reqs = peer.Requests(target);
    ASSERT_EQ(reqs.size(), before + 1) << c.status;
    const auto& q = reqs.back();
    EXPECT_EQ(q["method"], c.expectedMethod) << c.status << " " << c.method;
    EXPECT_EQ(q["path"], "/novo/lugar");
    EXPECT_EQ(Body(q), "");
    EXPECT_EQ(HeaderValues(q, "Host"), std::vector<std::string>{"127.0.0.1:" + std::to_string(target)});
    EXPECT_EQ(HeaderValues(q, "Content-Type"), std::vector<std::string>{"text/html; charset=utf-8"});
  }
}

TEST_F(HttpRequest, RelativeLocationsAndTheRedirectionLimit) {
  HttpsPeer peer;
  peer.Script({{{"status", 302}, {"headers", {{"Location", "proximo?p=1"}}}},
               {{"status", 302}, {"headers", {{"Location", "/raiz"}}}},
               {{"status", 307}, {"headers", {{"Location", "/laco"}}}}});
  TTrivoWinHTTPReqResp r;
  r.SetURL(peer.Url("/a/b/inicio"));
  UsePkcs12(r);
  std::string resp;
  r.Execute(resp);
  auto reqs = peer.Requests();
  ASSERT_EQ(reqs.size(), 11u);  // the first request and 10 redirections; the eleventh status is the result
  EXPECT_EQ(r.HttpResultCode(), 307);
  EXPECT_EQ(reqs[1]["path"], "/a/b/proximo?p=1");
  EXPECT_EQ(reqs[2]["path"], "/raiz");
  EXPECT_EQ(reqs[10]["path"], "/laco");
}

TEST_F(HttpRequest, StatusErrorsAreNoFailure) {
  HttpsPeer peer;
  peer.Script({{{"status", 500}, {"body", "<falha/>"}}, {{"path", "/cortado"}, {"body", "<parcial"}, {"cut", true}}});
  TTrivoWinINetReqResp r;
  r.SetURL(peer.Url());
  UsePkcs12(r);
  std::string resp;
  r.Execute("x", resp);
  EXPECT_EQ(r.HttpResultCode(), 500);
  EXPECT_EQ(resp, "<falha/>");
  EXPECT_EQ(r.HeaderResp().Lines.at(0).rfind("HTTP/1.", 0), 0u);

  // A body that breaks off is a failure, never a short reply taken as whole.
  r.SetURL(peer.Url("/cortado"));
  EXPECT_EQ(ErrorOf(r),
            "Falha ao Ler Dados da Resposta. Erro: 12030 - A conexão com o servidor foi redefinida ou "
            "encerrada, ou um protocolo SSL incompatível foi encontrado");
}

TEST_F(HttpRequest, StallTimesOutAndAbortStopsTheExchange) {
  // Over plain HTTP the request sits in the socket before the stand-in is even scheduled, so the
  // time-out always falls while waiting for the reply, however loaded the machine. The stand-in
  // stalls beyond the test's own time limit: a time-out or an abort that does not stop the
  // exchange hangs the test instead of passing it.
  HttpsPeer peer({"--plain", "--lifetime", "600"});
  peer.Script({{{"stall", true}}});
  TTrivoWinHTTPReqResp r;
  r.SetURL("http://127.0.0.1:" + std::to_string(peer.peer->Port()) + "/ws");
  r.TimeOut = 700;
  EXPECT_EQ(ErrorOf(r), "Falha ao Receber Resposta. Erro: 12002 - TimeOut de Requisição");

  r.TimeOut = 600000;
  std::atomic<bool> done{false};
  std::thread aborter([&] {
    while (!done && !peer.WaitRequests(2)) {
    }
    if (!done) r.Abortar();
  });
  EXPECT_EQ(ErrorOf(r), "Conexão foi abortada");
  done = true;
  aborter.join();
}

TEST_F(HttpRequest, ProxyWithBasicAuthenticationCarriesTheRequest) {
  HttpsPeer peer({"--proxy", "--proxy-user", "usuario", "--proxy-password", "segredo"});
  TTrivoWinHTTPReqResp r;
  r.SetURL(peer.Url());
  r.ProxyHost = "127.0.0.1";
  r.ProxyPort = std::to_string(peer.ProxyPort());
  r.ProxyUser = "usuario";
  r.ProxyPass = "segredo";
  UsePkcs12(r);
  std::string resp;
  r.Execute("<x/>", resp);
  EXPECT_EQ(resp, "<ok/>");
  ASSERT_EQ(peer.Requests().size(), 1u);
  std::string record = peer.ProxyRecord();
  EXPECT_NE(record.find("\"target\": \"127.0.0.1:" + std::to_string(peer.peer->Port()) + "\", \"authorized\": true"),
            std::string::npos)
      << record;

  r.ProxyPass = "errada";
  EXPECT_NE(ErrorOf(r).rfind("Falha", 0), std::string::npos);
  EXPECT_EQ(peer.Requests().size(), 1u);
}

TEST_F(HttpRequest, ConnectionFailuresCarryTheirCodeAndText) {
  TTrivoWinHTTPReqResp r;
  r.SetURL("https://127.0.0.1:1/ws");  // nothing listens there
  EXPECT_EQ(ErrorOf(r), "Falha Enviando a Requisição. Erro: 12029 - Conexão com o Servidor falhou");
  EXPECT_EQ(r.InternalErrorCode(), 12029);
  r.SSLType = LT_SSLv3;
  EXPECT_EQ(ErrorOf(r), "Falha ajustando SSL. Erro: 12157 - Erro relacionado ao Canal Seguro");
  EXPECT_EQ(r.GetWinInetError(12002), "Erro: 12002 - TimeOut de Requisição");
  EXPECT_EQ(r.GetWinInetError(99), "Erro: 99 - ");
  EXPECT_EQ(r.GetWinInetError(12185),
            "Erro: 12185 - O contexto para o certificado de cliente SSL não tem uma chave privada associada a ele. "
            "O certificado de cliente pode ter sido importado para o computador sem a chave privada");
  EXPECT_EQ(r.GetWinInetError(0), "");
}

namespace {
struct Probe : TTrivoWinHTTPReqResp {
  using TTrivoWinReqResp::HeaderText;
};
}  // namespace

TEST_F(HttpRequest, AddressSplittingAndHostLine) {
  struct Case {
    const char* url;
    const char *host, *port, *uri, *hostLine;
  };
  const Case cases[] = {
      {"https://h.gov.br/a/b?c=1", "h.gov.br", "443", "/a/b?c=1", "Host: h.gov.br"},
      {"https://h.gov.br:8443/a", "h.gov.br", "8443", "/a", "Host: h.gov.br:8443"},
      {"http://h.gov.br:443", "h.gov.br", "443", "/", "Host: h.gov.br:443"},
      {"http://h.gov.br", "h.gov.br", "80", "/", "Host: h.gov.br"},
  };
  for (const auto& c : cases) {
    Probe r;
    r.SetURL(c.url);
    EXPECT_EQ(r.Host(), c.host);
    EXPECT_EQ(r.Port(), c.port);
    EXPECT_EQ(r.URI(), c.uri);
    r.HeaderText();
    EXPECT_EQ(r.HeaderText().substr(0, r.HeaderText().find("\r\n")), c.hostLine);
    EXPECT_EQ(r.HeaderReq().Lines.size(), 3u);  // Host once, Content-Type, Accept-Charset
  }
  Probe r;
  r.SetMethod("post");
  EXPECT_EQ(r.Method(), "POST");
  r.ProxyHost = "p";
  r.ProxyPort = "0";
  EXPECT_EQ(r.ProxyHostAndPort(), "p");
  r.ProxyPort = "3128";
  EXPECT_EQ(r.ProxyHostAndPort(), "p:3128");
}

TEST_F(HttpRequest, SystemProxyIsUsedWhenNoneIsConfiguredLocalhostBypassed) {
  HttpsPeer peer({"--proxy"});
  setenv("https_proxy", ("http://127.0.0.1:" + std::to_string(peer.ProxyPort()) + "/").c_str(), 1);
  std::string port = std::to_string(peer.peer->Port());
  for (const char* host : {"127.0.0.1", "localhost"}) {
    TTrivoWinHTTPReqResp r;
    r.SetURL(std::string("https://") + host + ":" + port + "/ws");
    UsePkcs12(r);
    std::string resp;
    r.Execute(resp);
    EXPECT_EQ(resp, "<ok/>") << host;
    EXPECT_EQ(r.ProxyHostAndPort(), "127.0.0.1:" + std::to_string(peer.ProxyPort()));
  }
  unsetenv("https_proxy");
  std::string record = peer.ProxyRecord();
  EXPECT_NE(record.find("\"target\": \"127.0.0.1:" + port + "\""), std::string::npos) << record;
  EXPECT_EQ(record.find("localhost"), std::string::npos) << record;
  EXPECT_EQ(peer.Requests().size(), 2u);
}
