#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdlib>

#include "dfe/ssl.h"
#include "dfe/ssl_http_openssl.h"
#include "dfe/ssl_http_soap.h"
#include "dfe/ssl_http_winhttp.h"
#include "nss_test_db.h"
#include "platform/base64.h"
#include "platform/rest_client.h"
#include "support/https_peer.h"

using namespace dfe;
using testhttp::HeaderValues;
using testhttp::HttpsPeer;

namespace {

class SslHttp : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* v : {"https_proxy", "HTTPS_PROXY", "http_proxy", "HTTP_PROXY", "all_proxy", "ALL_PROXY"})
      unsetenv(v);
    ssl.UseCertificateHTTP = false;  // these stand-ins take no client certificate
  }
  std::string Send(const std::string& body, const std::string& url, const std::string& mime = "",
                   bool validate = true) {
    try {
      return ssl.Enviar(body, url, "urn:acao", mime, "Bearer t", validate);
    } catch (const ETrivoDFeException& e) {
      return std::string("ERRO ") + e.what();
    }
  }
  TDFeSSL ssl;
};

std::string Body(const nlohmann::json& req) { return platform::Base64Decode(req["body"].get<std::string>()).value(); }

// A loopback address of this process's own whose port 80 it may take (that needs privileges);
// empty when it may not.
std::string EnderecoComPorta80() {
  const auto pid = static_cast<unsigned>(getpid());
  const std::string endereco = "127.80." + std::to_string((pid >> 8) & 0xFF) + "." + std::to_string((pid & 0xFF) | 1);
  const int fd = socket(AF_INET, SOCK_STREAM, 0);
  if (fd < 0) return {};
  sockaddr_in sa{};
  sa.sin_family = AF_INET;
  sa.sin_port = htons(80);
  inet_pton(AF_INET, endereco.c_str(), &sa.sin_addr);
  const int um = 1;
  setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &um, sizeof um);
  const bool livre = bind(fd, reinterpret_cast<const sockaddr*>(&sa), sizeof sa) == 0;
  close(fd);
  return livre ? endereco : std::string();
}

int Autorizados(const HttpsPeer& peer) {
  const std::string record = peer.ProxyRecord();
  int n = 0;
  for (auto p = record.find("\"authorized\": true"); p != std::string::npos;
       p = record.find("\"authorized\": true", p + 1))
    ++n;
  return n;
}

}  // namespace

TEST_F(SslHttp, WinHttpBackEndSendsTheFacadeRequest) {
  HttpsPeer peer({"--no-client-cert"});
  ssl.SetSSLHttpLib(httpWinHttp);
  ASSERT_NE(dynamic_cast<TDFeHttpWinHttp*>(&ssl.SSLHttpClass()), nullptr);
  EXPECT_EQ(Send("<env/>", peer.Url()), "<ok/>");
  EXPECT_EQ(ssl.HTTPResultCode(), 200);
  const auto q = peer.Requests().at(0);
  EXPECT_EQ(q["tls"], "TLSv1.2");
  EXPECT_EQ(Body(q), "<env/>");
  // The facade's default media type already names the character set, and gets it once more.
  EXPECT_EQ(HeaderValues(q, "Content-Type"),
            std::vector<std::string>{"application/soap+xml; charset=utf-8; charset=utf-8"});
  EXPECT_EQ(HeaderValues(q, "SOAPAction"), std::vector<std::string>{"\"urn:acao\""});
  EXPECT_EQ(HeaderValues(q, "Authorization"), std::vector<std::string>{"Bearer t"});
  EXPECT_EQ(HeaderValues(q, "User-Agent"), std::vector<std::string>{"WinHTTP Trivo/1.0"});
  EXPECT_EQ(ssl.SSLHttpClass().HeaderResp.GetHeaderValue("Content-Length"), "5");

  ssl.SetSSLHttpLib(httpWinINet);
  EXPECT_EQ(Send("", peer.Url(), "text/xml"), "<ok/>");
  const auto g = peer.Requests().at(1);
  EXPECT_EQ(g["method"], "GET");
  EXPECT_EQ(HeaderValues(g, "User-Agent"), std::vector<std::string>{"WinINet Trivo/1.0"});
  EXPECT_EQ(HeaderValues(g, "Content-Type"), std::vector<std::string>{"text/xml; charset=utf-8"});
}

TEST_F(SslHttp, StatusesOutside200To202GiveTheFacadeErrorText) {
  HttpsPeer peer({"--no-client-cert"});
  nlohmann::json script = nlohmann::json::array();
  for (int s : {200, 201, 202, 203, 404, 500})
    script.push_back({{"path", "/" + std::to_string(s)}, {"status", s}, {"body", "<r" + std::to_string(s) + "/>"}});
  peer.Script(script);
  ssl.SetSSLHttpLib(httpWinHttp);
  for (int s : {200, 201, 202, 203, 404, 500}) {
    std::string url = peer.Url("/" + std::to_string(s));
    std::string body = "<r" + std::to_string(s) + "/>";
    std::string want = s >= 200 && s <= 202 ? body
                                            : "ERRO Erro Interno: 0\r\nErro HTTP: " + std::to_string(s) +
                                                  "\r\nURL: " + url + "\r\n\r\n" + body;
    EXPECT_EQ(Send("<x/>", url), want) << s;
  }
  EXPECT_EQ(Send("<x/>", peer.Url("/500"), "", false), "<r500/>");

  // A transport failure carries the codes and the request's error text.
  EXPECT_EQ(Send("<x/>", "https://127.0.0.1:1/ws"),
            "ERRO Erro Interno: 12029\r\nErro HTTP: 0\r\nURL: https://127.0.0.1:1/ws\r\n"
            "Erro: 12029 - Conexão com o Servidor falhou\r\n");
}

TEST_F(SslHttp, OpenSslBackEndSendsAsItsOwnClient) {
  HttpsPeer peer({"--no-client-cert"});
  peer.Script({{{"path", "/mover"}, {"status", 302}, {"headers", {{"Location", "/outro"}}}}});
  ssl.SetSSLHttpLib(httpOpenSSL);
  ASSERT_NE(dynamic_cast<TDFeHttpOpenSSL*>(&ssl.SSLHttpClass()), nullptr);
  EXPECT_EQ(Send("<env/>", peer.Url(), "text/xml"), "<ok/>");
  const auto q = peer.Requests().at(0);
  EXPECT_EQ(HeaderValues(q, "Host"), std::vector<std::string>{"127.0.0.1"});  // no port
  EXPECT_EQ(HeaderValues(q, "User-Agent"), std::vector<std::string>{"Synapse OpenSSL Trivo/1.0"});
  EXPECT_EQ(HeaderValues(q, "Content-Type"), std::vector<std::string>{"text/xml"});
  EXPECT_EQ(HeaderValues(q, "SOAPAction"), std::vector<std::string>{"\"urn:acao\""});
  EXPECT_EQ(HeaderValues(q, "Authorization"), std::vector<std::string>{"Bearer t"});
  EXPECT_EQ(q["tls"], "TLSv1.2");

  // Redirections are the caller's business here.
  EXPECT_EQ(Send("<env/>", peer.Url("/mover"), "", false), "<ok/>");
  EXPECT_EQ(ssl.HTTPResultCode(), 302);
  EXPECT_EQ(peer.Requests().size(), 2u);

  ssl.SetSSLType(LT_SSLv3);
  std::string err = Send("<env/>", peer.Url());
  EXPECT_NE(err.find(", não suporta LT_SSLv3"), std::string::npos) << err;
  EXPECT_EQ(err.rfind("ERRO Erro Interno: 0\r\nErro HTTP: 0\r\n", 0), 0u) << err;
  EXPECT_EQ(ssl.SSLHttpClass().LastErrorDesc().rfind("OpenSSL 3", 0), 0u);

  ssl.SetSSLType(LT_TLSv1_2);
  err = Send("<env/>", "https://127.0.0.1:1/ws");
  // The socket's error code and description.
  EXPECT_EQ(err.rfind("ERRO Erro Interno: 111\r\nErro HTTP: 0\r\nURL: https://127.0.0.1:1/ws\r\n", 0), 0u) << err;
  EXPECT_NE(err.find("onnect"), std::string::npos) << err;
}

TEST_F(SslHttp, SoapRuntimeBackEndReportsTheRealStatus) {
  HttpsPeer peer({"--no-client-cert"});
  peer.Script({{{"status", 500}, {"body", "<soap:Fault/>"}}});
  ssl.SetSSLHttpLib(httpIndy);
  auto* indy = dynamic_cast<TDFeHttpIndy*>(&ssl.SSLHttpClass());
  ASSERT_NE(indy, nullptr);
  EXPECT_EQ(Send("<env/>", peer.Url(), "text/xml", false), "<soap:Fault/>");
  EXPECT_EQ(ssl.HTTPResultCode(), 500);
  const auto q = peer.Requests().at(0);
  EXPECT_EQ(q["method"], "POST");
  EXPECT_EQ(HeaderValues(q, "Content-Type"), std::vector<std::string>{"text/xml"});
  EXPECT_TRUE(HeaderValues(q, "Accept-Charset").empty());
  EXPECT_EQ(HeaderValues(q, "SOAPAction"), std::vector<std::string>{"\"urn:acao\""});

  ssl.ProxyHost = "proxy.local";
  indy->PrepararRequisicao();
  EXPECT_EQ(indy->ProxyTexto(), "proxy.local:");
}

TEST_F(SslHttp, ClientCertificateFromPkcs12DataOnEveryBackEnd) {
  HttpsPeer peer;
  ssl.UseCertificateHTTP = true;
  ssl.SetSSLCryptLib(cryOpenSSL);
  ssl.SetDadosPFX(testsupport::ReadFile(testsupport::PkiDir() + "/client.p12"));
  ssl.SetSenha("1234");
  for (TSSLHttpLib lib : {httpWinHttp, httpWinINet, httpOpenSSL, httpIndy}) {
    ssl.SetSSLHttpLib(lib);
    EXPECT_EQ(Send("<env/>", peer.Url(), "text/xml"), "<ok/>") << lib;
    EXPECT_NE(peer.Requests().back()["client"].get<std::string>().find("12345678000195"), std::string::npos);
  }
  EXPECT_EQ(peer.Requests().size(), 4u);

  ssl.UseCertificateHTTP = false;  // no certificate presented: the service refuses the handshake
  ssl.SetSSLHttpLib(httpWinHttp);
  EXPECT_EQ(Send("<env/>", peer.Url()).rfind("ERRO Erro Interno: 12", 0), 0u);
  EXPECT_EQ(peer.Requests().size(), 4u);
}

TEST_F(SslHttp, ClientCertificateFromTheStoreWithItsKeyWhereItLives) {
  nsstest::UseTestDatabase();
  HttpsPeer peer;
  ssl.UseCertificateHTTP = true;
  ssl.SetSSLCryptLib(cryWinCrypt);
  ssl.SetSSLHttpLib(httpWinHttp);
  struct Case {
    const char* cert;
    const char* pin;  // the token's PIN; empty for a software key
    const char* subject;
  };
  const Case cases[] = {{"client", "", "EMPRESA TESTE LTDA:12345678000195"},
                        {"cpf", "4321", "FULANO DE TAL:12345678909"}};
  for (const auto& c : cases) {
    ssl.SetNumeroSerie(nsstest::OpenSSLSerial(c.cert));
    ssl.SetSenha(c.pin);
    EXPECT_EQ(Send("<env/>", peer.Url()), "<ok/>") << c.cert;
    EXPECT_NE(peer.Requests().back()["client"].get<std::string>().find(c.subject), std::string::npos) << c.cert;
    EXPECT_EQ(peer.Requests().back()["tls"], "TLSv1.2");
  }
}

TEST_F(SslHttp, ClientCertificateGoesWithTheIssuersItsSourceHolds) {
  // The stand-in trusts the test CA alone: a certificate issued by the intermediate is taken
  // only when the intermediate comes with it. A database of its own holds that certificate
  // as pk12util imports it, with its key and its issuers.
  const std::string p12 = testsupport::PkiDir() + "/inter-client.p12";
  const std::string db = "sql:" + testsupport::MakeTempDir("nssdb-cadeia");
  ASSERT_EQ(testsupport::RunCommand("certutil -N -d " + db + " --empty-password"), 0);
  ASSERT_EQ(testsupport::RunCommand("pk12util -i " + p12 + " -d " + db + " -W 1234"), 0);
  setenv("NEMBO_NSS_DB", db.c_str(), 1);
  HttpsPeer peer;
  ssl.UseCertificateHTTP = true;
  struct Case {
    const char* what;
    TSSLCryptLib crypt;
    bool store;  // the certificate from the database, else from the PKCS#12 data
    TSSLHttpLib http;
  };
  const Case cases[] = {
      {"OpenSSL back end, WinHTTP", cryOpenSSL, false, httpWinHttp},
      {"OpenSSL back end, OpenSSL client", cryOpenSSL, false, httpOpenSSL},
      {"store back end with PKCS#12 data, WinHTTP", cryWinCrypt, false, httpWinHttp},
      {"store back end, WinHTTP", cryWinCrypt, true, httpWinHttp},
      {"store back end, WinINet", cryWinCrypt, true, httpWinINet},
      {"store back end, OpenSSL client", cryWinCrypt, true, httpOpenSSL},
  };
  for (const auto& c : cases) {
    ssl.SetSSLCryptLib(c.crypt);
    if (c.store)
      ssl.SetNumeroSerie(nsstest::OpenSSLSerial("inter-client"));
    else
      ssl.SetDadosPFX(testsupport::ReadFile(p12));
    ssl.SetSenha(c.store ? "" : "1234");
    ssl.SetSSLHttpLib(c.http);
    const auto antes = peer.Requests().size();
    EXPECT_EQ(Send("<env/>", peer.Url()), "<ok/>") << c.what;
    ASSERT_EQ(peer.Requests().size(), antes + 1) << c.what;
    const auto q = peer.Requests().back();
    EXPECT_NE(q["client"].get<std::string>().find("EMPRESA FILIAL LTDA:11222333000181"), std::string::npos) << c.what;
    EXPECT_NE(q["issuer"].get<std::string>().find("commonName=Nembo Teste AC Intermediaria"), std::string::npos)
        << c.what << " " << q["issuer"];
  }
}

TEST_F(SslHttp, ProxyWithoutPortIsReachedOnPort80WithItsCredentials) {
  const std::string proxy = EnderecoComPorta80();
  if (proxy.empty()) GTEST_SKIP() << "port 80 of a loopback address cannot be taken here";
  HttpsPeer peer({"--no-client-cert", "--proxy", "--proxy-user", "usuario", "--proxy-password", "s@nha:1",
                  "--proxy-listen", proxy + ":80"});
  // The proxy variable of the environment carries the credentials escaped; the settings carry
  // them as they are. Neither names a port.
  const std::string variavel = "http://usuario:s%40nha%3A1@" + proxy;
  struct Case {
    const char* what;
    TSSLHttpLib lib;  // httpNone: the REST client
    bool ambiente;
  };
  const Case cases[] = {
      {"WinHTTP, environment", httpWinHttp, true}, {"WinINet, environment", httpWinINet, true},
      {"WinHTTP, settings", httpWinHttp, false},   {"OpenSSL, settings", httpOpenSSL, false},
      {"SOAP, settings", httpIndy, false},         {"REST client, environment", httpNone, true},
  };
  for (const auto& c : cases) {
    const int antes = Autorizados(peer);
    TDFeSSL facade;
    facade.UseCertificateHTTP = false;
    if (c.ambiente) {
      setenv("https_proxy", variavel.c_str(), 1);
    } else {
      facade.ProxyHost = proxy;
      facade.ProxyUser = "usuario";
      facade.ProxyPass = "s@nha:1";
    }
    std::string resposta;
    if (c.lib == httpNone) {
      setenv("SSL_CERT_FILE", (testsupport::PkiDir() + "/ca.crt").c_str(), 1);
      platform::HttpRequest pedido;
      pedido.Url = peer.Url();
      pedido.Body = "<env/>";
      resposta = platform::HttpsPost(pedido).Body;
      unsetenv("SSL_CERT_FILE");
    } else {
      facade.SetSSLHttpLib(c.lib);
      try {
        resposta = facade.Enviar("<env/>", peer.Url(), "urn:acao", "text/xml");
      } catch (const ETrivoDFeException& e) {
        resposta = e.what();
      }
    }
    unsetenv("https_proxy");
    EXPECT_EQ(resposta, "<ok/>") << c.what;
    EXPECT_GT(Autorizados(peer), antes) << c.what << "\n" << peer.ProxyRecord();
  }
  EXPECT_EQ(peer.Requests().size(), std::size(cases));
}

// What a hostile server can do to each kind of back end: a certificate that does not verify is
// refused before anything is sent (an expired one is accepted), an endless reply stops at the
// reply limit, and a reply dripped a byte at a time ends with the time-out.
TEST_F(SslHttp, EveryBackEndVerifiesTheServerAndBoundsTheReply) {
  HttpsPeer autoassinado({"--no-client-cert", "--server-cert", "server-selfsigned"});
  HttpsPeer vencido({"--no-client-cert", "--server-cert", "server-expired"});
  // The limits hold over plain HTTP as well, and a quarter GiB passes there without the cost of TLS.
  HttpsPeer hostil({"--plain", "--lifetime", "300"});
  auto url = [&](const std::string& caminho) {
    return "http://127.0.0.1:" + std::to_string(hostil.peer->Port()) + caminho;
  };
  hostil.Script({{{"path", "/sem-fim"}, {"endless", true}},
                 {{"path", "/anunciado"}, {"endless", true}, {"length", std::uint64_t{1} << 40}},
                 {{"path", "/gotas"}, {"body", "<ok/>"}, {"drip", 1}}});
  struct Case {
    TSSLHttpLib lib;
    const char* tempoEsgotado;  // the time-out's text
  } cases[] = {{httpWinHttp, "Erro: 12002 - TimeOut de Requisição"}, {httpOpenSSL, "Operation timed out"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.lib);
    ssl.SetSSLHttpLib(c.lib);
    ssl.TimeOut = 120000;
    std::string err = Send("<env/>", autoassinado.Url());
    EXPECT_NE(err.find("Certificado do servidor 127.0.0.1 recusado: self-signed certificate (CN=127.0.0.1"),
              std::string::npos)
        << err;
    EXPECT_EQ(Send("<env/>", vencido.Url()), "<ok/>");

    // Without a length the reply is cut where it passes the limit; announced, it is refused at once.
    for (const char* caminho : {"/sem-fim", "/anunciado"}) {
      err = Send("<env/>", url(caminho));
      EXPECT_NE(err.find(platform::ReplyOverLimitText(url(caminho))), std::string::npos) << err.substr(0, 300);
    }

    ssl.TimeOut = 1500;
    err = Send("<env/>", url("/gotas"));
    EXPECT_NE(err.find(c.tempoEsgotado), std::string::npos) << err;
  }
  EXPECT_TRUE(autoassinado.Requests().empty());
  EXPECT_EQ(vencido.Requests().size(), 2u);
}
