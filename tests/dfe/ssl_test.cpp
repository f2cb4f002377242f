// The security facade: back-end switching, certificate sources, password, hashing, signing
// hooks and the (timed) send path over a test double of the HTTP back end.
#include "dfe/ssl.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <sstream>
#include <thread>

#include "dfe/signature_utils.h"
#include "dfe/ssl_backends.h"
#include "platform/hex.h"
#include "platform/strings.h"
#include "ssl_test_support.h"
#include "support/message_of.h"
#include "support/peer.h"

namespace {

using namespace dfe;
using testsupport::kNoError;
using testsupport::MessageOf;

TEST(SSLFacade, BackEndSwitchingAndItsRefusals) {
  TDFeSSL ssl;
  EXPECT_EQ(ssl.SSLCryptLib(), cryNone);
  EXPECT_EQ(ssl.SSLCryptClass().ClassName(), "TDFeSSLCryptClass");
  EXPECT_EQ(MessageOf([&] { ssl.CertCNPJ(); }), "DadosPFX, ArquivoPFX, URLPFX ou NumeroSerie não especificados !");
  ssl.SetNumeroSerie("01");
  EXPECT_EQ(MessageOf([&] { ssl.CertCNPJ(); }),
            "\"CarregarCertificadoDeNumeroSerie\" não suportado em: TDFeSSLCryptClass");
  EXPECT_EQ(MessageOf([&] { ssl.Assinar("<a/>", "", ""); }), "TDFeSSLXmlSignClass.Assinar, não implementado");

  ssl.SetSSLXmlSignLib(xsLibXml2);
  struct Caso {
    TSSLXmlSignLib lib;
    std::string texto;
  };
  for (const auto& c : {Caso{xsMsXml, "Suporte a \"xsMsXml\" foi desativado por compilação {$DEFINE DFE_SEM_MSXML}"},
                        Caso{xsXmlSec,
                             "Suporte a \"xsXmlSec\" foi desativado por compilação {$DEFINE "
                             "DFE_SEM_OPENSSL} ou {$DEFINE DFE_SEM_XMLSEC}"},
                        Caso{xsMsXmlCapicom,
                             "Suporte a \"xsMsXmlCapicom\" disponível apenas em MSWINDOWS, e sem a "
                             "diretiva de compilação {$DEFINE DFE_SEM_MSXML}"}}) {
    EXPECT_EQ(MessageOf([&] { ssl.SetSSLXmlSignLib(c.lib); }), c.texto);
    EXPECT_EQ(ssl.SSLXmlSignLib(), xsLibXml2);
    EXPECT_EQ(ssl.SSLXmlSignClass().ClassName(), "TDFeSSLXmlSignLibXml2");
  }
  EXPECT_EQ(MessageOf([&] { ssl.SetSSLCryptLib(cryCapicom); }),
            "Suporte a libCapicom foi desativado por compilação {$DEFINE DFE_SEM_CAPICOM}");
  EXPECT_EQ(ssl.SSLCryptLib(), cryNone);

  // The same choice again keeps the back end and its loaded certificate.
  ssl.SetSSLCryptLib(cryOpenSSL);
  ssl.SetDadosPFX(testsupport::ReadFile(testsupport::PkiDir() + "/client.p12"));
  ssl.SetSenha("1234");
  ssl.CarregarCertificado();
  TDFeSSLCryptClass* antes = &ssl.SSLCryptClass();
  ssl.SetSSLCryptLib(cryOpenSSL);
  EXPECT_EQ(&ssl.SSLCryptClass(), antes);
  EXPECT_TRUE(ssl.CertificadoLido());
  ssl.SetSSLCryptLib(cryNone);
  EXPECT_FALSE(ssl.CertificadoLido());

  // Every setting goes back to its value after creation.
  ssl.SetSSLDgst(dgstSHA256);
  ssl.SetSSLType(LT_TLSv1_3);
  ssl.SetStoreName("Root");
  ssl.ProxyHost = "proxy";
  ssl.TimeOut = 1;
  ssl.UseCertificateHTTP = false;
  ssl.AntesDeAssinar = [](std::string&, const std::string&, const std::string&, const std::string&, const std::string&,
                          const std::string&) {};
  ssl.Clear();
  EXPECT_EQ(ssl.SSLXmlSignLib(), xsNone);
  EXPECT_EQ(ssl.SSLDgst(), dgstSHA1);
  EXPECT_EQ(ssl.SSLType(), LT_TLSv1_2);
  EXPECT_EQ(ssl.StoreName(), "My");
  EXPECT_EQ(ssl.ProxyHost, "");
  EXPECT_EQ(ssl.TimeOut, 5000);
  EXPECT_TRUE(ssl.UseCertificateHTTP);
  EXPECT_FALSE(ssl.AntesDeAssinar);
}

TEST(SSLFacade, CertificateSourcesExcludeEachOther) {
  TDFeSSL ssl;
  ssl.SetURLPFX("http://x/c.pfx");
  ssl.SetArquivoPFX("/tmp/c.pfx");  // the download's cache: the address stays
  EXPECT_EQ(ssl.URLPFX(), "http://x/c.pfx");
  ssl.SetDadosPFX("dados");
  EXPECT_EQ(ssl.URLPFX(), "");
  EXPECT_EQ(ssl.ArquivoPFX(), "");
  ssl.SetNumeroSerie("  0a 1b cd  ");
  EXPECT_EQ(ssl.NumeroSerie(), "0A1BCD");
  EXPECT_EQ(ssl.DadosPFX(), "");
  ssl.SetArquivoPFX("/tmp/c.pfx");
  EXPECT_EQ(ssl.NumeroSerie(), "");
  ssl.SetNumeroSerie("");  // an empty value clears nothing else
  EXPECT_EQ(ssl.ArquivoPFX(), "/tmp/c.pfx");
}

TEST(SSLFacade, PasswordIsMaskedAndReloadsOnlyWhenChanged) {
  auto ssl = ssltest::FacadeComCertificado();
  EXPECT_EQ(ssl->Senha(), "1234");
  ssl->CarregarCertificado();
  ASSERT_TRUE(ssl->CertificadoLido());
  ssl->SetSenha("1234");
  EXPECT_TRUE(ssl->CertificadoLido());
  ssl->SetSenha("errada");
  EXPECT_FALSE(ssl->CertificadoLido());
  EXPECT_EQ(ssl->Senha(), "errada");
  EXPECT_TRUE(platform::StartsText("Erro ao ler informações do Certificado.\r\nProvavelmente a senha está errada\r\n",
                                   MessageOf([&] { ssl->CarregarCertificado(); })));
  EXPECT_FALSE(ssl->CertificadoLido());
}

TEST(SSLFacade, DigestsInTheirThreeForms) {
  auto ssl = ssltest::FacadeComCertificado();
  EXPECT_EQ(ssl->CalcHash(std::string_view("abc"), dgstSHA256, outHexa),
            "BA7816BF8F01CFEA414140DE5DAE2223B00361A396177A9CB410FF61F20015AD");
  EXPECT_EQ(ssl->CalcHash(std::string_view("abc"), dgstSHA256, outBase64),
            "ungWv48Bz+pBQUDeXa4iI7ADYaOWF3qctBD/YfIAFa0=");
  EXPECT_EQ(platform::BytesToHex(ssl->CalcHash(std::string_view("abc"), dgstSHA1, outBinary)),
            "A9993E364706816ABA3E25717850C26C9CD0D89D");
  EXPECT_EQ(ssl->CalcHash(std::vector<std::string>{"a", "b"}, dgstMD5),
            ssl->CalcHash(std::string_view("a\r\nb\r\n"), dgstMD5));
  EXPECT_EQ(MessageOf([&] { ssl->CalcHash(std::string_view(""), dgstSHA256); }), "Stream vazio");
  EXPECT_EQ(MessageOf([&] { ssl->CalcHash(static_cast<std::istream*>(nullptr), dgstSHA256); }), "Stream inválido");
  EXPECT_EQ(MessageOf([&] { ssl->ValidarHash(std::string_view("abc"), dgstSHA256, ""); }), "Hash vazio");
  EXPECT_TRUE(platform::StartsText("Erro ao carregar Digest: sha\r\n",
                                   MessageOf([&] { ssl->CalcHash(std::string_view("abc"), dgstSHA); })));

  // A digest check passes when the digest lies anywhere within the bytes given.
  std::string digest = ssl->CalcHash(std::string_view("abc"), dgstSHA256, outBinary);
  EXPECT_TRUE(ssl->ValidarHash(std::string_view("abc"), dgstSHA256, "xx" + digest + "yy"));
  EXPECT_FALSE(ssl->ValidarHash(std::string_view("abd"), dgstSHA256, digest));
}

TEST(SSLFacade, HmacFollowsRfc4231) {
  auto ssl = ssltest::FacadeComCertificado();
  const std::string k1(20, '\x0b'), k6(131, '\xaa');
  const std::string m1 = "Hi There", m6 = "Test Using Larger Than Block-Size Key - Hash Key First";
  struct Caso {
    TSSLDgst dgst;
    const std::string& chave;
    const std::string& msg;
    std::string hex;
  };
  for (const auto& c : {
           Caso{dgstSHA256, k1, m1, "b0344c61d8db38535ca8afceaf0bf12b881dc200c9833da726e9376c2e32cff7"},
           Caso{dgstSHA256, k6, m6, "60e431591ee0b67f0d8a26aacbf5b77f8e0bc6213728c5140546040f0ee37f54"},
           Caso{dgstSHA512, k1, m1,
                "87aa7cdea5ef619d4ff0b4241a1d6cb02379f4e2ce4ec2787ad0b30545e17cdedaa833b7d6b8a702038b274eaea3f4e4"
                "be9d914eeb61f1702e696c203a126854"},
           Caso{dgstSHA512, k6, m6,
                "80b24263c7c1a3ebb71493c1dd7be8b49b46d1f41b4aeec1121b013783f8f3526b56d037e05f2598bd0fd2215d6a1e52"
                "95e64f73f63f0aec8b915a985d786598"},
           Caso{dgstSHA1, k6, m6, "90d0dace1c1bdc957339307803160335bde6df2b"},
       }) {
    EXPECT_EQ(platform::LowerCase(platform::BytesToHex(ssl->CalcHMAC(c.msg, c.chave, c.dgst))), c.hex)
        << SSLDgstToStr(c.dgst);
  }
}

TEST(SSLFacade, SubjectAndIssuerDerivations) {
  struct Caso {
    std::string subject, razao, cnpj;
  };
  for (const auto& c : {
           Caso{"C=BR, O=ICP-Brasil, CN=EMPRESA TESTE LTDA:12345678000195, OU=RFB", "EMPRESA TESTE LTDA",
                "12345678000195"},
           Caso{"C=BR, CN=EMPRESA SEM DOIS PONTOS, OU=X", "EMPRESA SEM DOIS PONTOS", ""},
           Caso{"CN=FULANO:12345678909", "FULANO", "12345678909"},
           Caso{"CN=EMPRESA:12345678000100", "EMPRESA", ""},  // check digits wrong
           Caso{"O=SEM NOME COMUM", "", ""},
       }) {
    TDadosCertificado d;
    d.SetSubjectName(c.subject);
    EXPECT_EQ(d.RazaoSocial, c.razao) << c.subject;
    EXPECT_EQ(d.CNPJ, c.cnpj) << c.subject;
  }
  TDadosCertificado d;
  d.SetIssuerName("C=BR, O=ICP-Brasil, CN=AC SOLUTI Multipla v5 RFB, OU=x");
  EXPECT_EQ(d.Certificadora, "AC SOLUTI Multipla v5");
  d.SetIssuerName("C=BR, CN=Nembo Teste AC, O=x");
  EXPECT_EQ(d.Certificadora, "Nembo Teste AC");
}

TEST(SSLFacade, DocumentCnpjMustBelongToTheCertificateCompany) {
  auto ssl = ssltest::FacadeComCertificado();  // CNPJ 12345678000195
  EXPECT_NO_THROW(ssl->ValidarCNPJCertificado("12.345.678/0002-76"));
  EXPECT_NO_THROW(ssl->ValidarCNPJCertificado("123456789"));  // other lengths pass unchecked
  EXPECT_EQ(MessageOf([&] { ssl->ValidarCNPJCertificado("11222333000181"); }),
            "O CNPJ do Documento é diferente do CNPJ do Certificado Digital");
  EXPECT_EQ(MessageOf([&] { ssl->ValidarCNPJCertificado("12345678000100"); }),
            "Erro CNPJ Documento: Dígito verificador do CNPJ inválido");
}

TEST(SSLFacade, HandlerBeforeSigning) {
  auto ssl = ssltest::FacadeComCertificado();
  const std::string xml = ssltest::EventoS1000(false);
  ssl->AntesDeAssinar = [](std::string&, const std::string&, const std::string&, const std::string&, const std::string&,
                           const std::string&) {};
  EXPECT_TRUE(XmlContemAssinatura(ssl->Assinar(xml, "eSocial", "evtInfoEmpregador", "", "", "", "ID")));
  ssl->AntesDeAssinar = [](std::string& texto, const std::string& docElement, const std::string&, const std::string&,
                           const std::string&, const std::string&) { texto = "<trocado de=\"" + docElement + "\"/>"; };
  EXPECT_EQ(ssl->Assinar(xml, "eSocial", "evtInfoEmpregador"), "<trocado de=\"eSocial\"/>");
}

TEST(SSLFacade, DeclarationKeptAsTheCallerWroteIt) {
  auto ssl = ssltest::FacadeComCertificado();
  std::string xml = ssltest::EventoS1000(false);
  xml = platform::StringReplace(xml, "encoding=\"UTF-8\"", "encoding='utf-8'");
  std::string assinado = ssl->Assinar(xml, "eSocial", "evtInfoEmpregador", "", "", "", "ID");
  EXPECT_TRUE(platform::StartsText("<?xml version=\"1.0\" encoding='utf-8'?><eSocial", assinado))
      << assinado.substr(0, 80);
}

TEST(SSLFacade, SignatureAlgorithmOfASignedText) {
  TDFeSSL ssl;
  auto& signer = ssl.SSLXmlSignClass();
  auto texto = [](const std::string& alg) {
    return "<SignedInfo><SignatureMethod Algorithm=\"" + alg +
           "\" /><Reference URI=\"\"><Transforms><Transform "
           "Algorithm=\"http://www.w3.org/2000/09/xmldsig#enveloped-signature\" /></Transforms>";
  };
  EXPECT_EQ(signer.DigestDaAssinatura(texto("http://www.w3.org/2001/04/xmldsig-more#rsa-sha256")), dgstSHA256);
  EXPECT_EQ(signer.DigestDaAssinatura(texto("http://www.w3.org/2000/09/xmldsig#rsa-sha1")), dgstSHA1);
  EXPECT_EQ(signer.DigestDaAssinatura(texto("http://www.w3.org/2001/04/xmldsig-more#RSA-SHA512")), dgstSHA512);
  EXPECT_EQ(MessageOf([&] { signer.DigestDaAssinatura(texto("http://www.w3.org/2001/04/xmldsig-more#rsa-md5")); }),
            "Digest Algorithm, \"rsa-md5\" não suportado");
  EXPECT_EQ(MessageOf([&] { signer.DigestDaAssinatura("<a/>"); }),
            "Não foi possivel recuperar o \"Digest Algorithm\" do XML");
}

// ---- Sending, over a test double of the HTTP back end ----

struct EstadoDuble {
  std::mutex m;
  std::condition_variable cv;
  bool bloquear = false, liberar = false, ignorarAbort = false;
  int status = 200;
  std::string resposta = "<ok/>";
  int execucoes = 0, simultaneas = 0, maxSimultaneas = 0, abortos = 0;
  std::string ultimoMetodo, ultimaURL, ultimoCorpo, ultimoMime, ultimaAcao, ultimosCabecalhos;

  void Reiniciar() {
    std::lock_guard l(m);
    bloquear = liberar = ignorarAbort = false;
    status = 200;
    resposta = "<ok/>";
    execucoes = simultaneas = maxSimultaneas = abortos = 0;
  }
  void Liberar() {
    std::lock_guard l(m);
    liberar = true;
    cv.notify_all();
  }
  bool EsperarExecucoes(int n) {
    std::unique_lock l(m);
    return cv.wait_for(l, std::chrono::seconds(5), [&] { return simultaneas >= n; });
  }
};
EstadoDuble gDuble;

class HttpDuble : public TDFeSSLHttpClass {
 public:
  using TDFeSSLHttpClass::TDFeSSLHttpClass;
  std::string ClassName() const override { return "HttpDuble"; }
  void Execute() override {
    PrepararRequisicao();
    std::unique_lock l(gDuble.m);
    ++gDuble.execucoes;
    gDuble.maxSimultaneas = std::max(gDuble.maxSimultaneas, ++gDuble.simultaneas);
    gDuble.ultimoMetodo = Method;
    gDuble.ultimaURL = URL;
    gDuble.ultimoCorpo = DataReq;
    gDuble.ultimoMime = MimeType;
    gDuble.ultimaAcao = SoapAction;
    gDuble.ultimosCabecalhos = HeaderReq.Text();
    gDuble.cv.notify_all();
    gDuble.cv.wait(l, [&] { return !gDuble.bloquear || gDuble.liberar || FAbortado; });
    --gDuble.simultaneas;
    if (FAbortado) {
      HTTPResultCode = 0;
      InternalErrorCode = 12017;
      return;
    }
    HTTPResultCode = gDuble.status;
    DataResp = gDuble.resposta;
  }
  void Abortar() override {
    std::lock_guard l(gDuble.m);
    ++gDuble.abortos;
    if (!gDuble.ignorarAbort) FAbortado = true;
    gDuble.cv.notify_all();
  }
  std::string LastErrorDesc() override { return FAbortado ? "abortado" : ""; }

 private:
  bool FAbortado = false;  // guarded by gDuble.m
};

class SSLFacadeEnvio : public ::testing::Test {
 protected:
  void SetUp() override {
    gDuble.Reiniciar();
    ssl.UseCertificateHTTP = false;
    ssl.DefinirSSLHttpClass(&CriarBackEnd<HttpDuble, TDFeSSLHttpClass>);
  }
  void TearDown() override { gDuble.Liberar(); }
  TDFeSSL ssl;
};

TEST_F(SSLFacadeEnvio, DirectSendChecksTheStatusWhenAsked) {
  EXPECT_EQ(ssl.Enviar("<env/>", "https://h/ws", "acao", "", "Bearer t"), "<ok/>");
  EXPECT_EQ(gDuble.ultimoMetodo, "POST");
  EXPECT_EQ(gDuble.ultimoCorpo, "<env/>");
  EXPECT_EQ(gDuble.ultimoMime, "application/soap+xml; charset=utf-8");
  EXPECT_EQ(gDuble.ultimaAcao, "acao");
  EXPECT_EQ(gDuble.ultimosCabecalhos, "Authorization: Bearer t\r\n");
  for (int status : {199, 200, 201, 202, 203}) {
    gDuble.status = status;
    gDuble.resposta = "corpo";
    const bool passa = status >= 200 && status <= 202;
    std::string msg = MessageOf([&] { ssl.Enviar("<env/>", "https://h/ws", ""); });
    if (passa)
      EXPECT_EQ(msg, kNoError) << status;
    else
      EXPECT_EQ(msg, "Erro Interno: 0\r\nErro HTTP: " + std::to_string(status) + "\r\nURL: https://h/ws\r\n\r\ncorpo");
    EXPECT_NO_THROW(ssl.Enviar("<env/>", "https://h/ws", "", "", "", false));
  }
  EXPECT_EQ(ssl.Enviar("", "https://h/x", "", "", "", false), "corpo");
  EXPECT_EQ(gDuble.ultimoMetodo, "GET");
}

TEST_F(SSLFacadeEnvio, TimedSendAnswersFromItsThread) {
  ssl.TimeOutPorThread = true;
  EXPECT_EQ(ssl.Enviar("<env/>", "https://h/ws", "acao", "text/xml", "Bearer t", false), "<ok/>");
  EXPECT_EQ(gDuble.ultimosCabecalhos, "");  // never an Authorization header on this path
  EXPECT_EQ(gDuble.ultimoMime, "text/xml");
  gDuble.status = 500;
  EXPECT_EQ(MessageOf([&] { ssl.Enviar("<env/>", "https://h/ws", "", "", "", false); }),
            "Erro na thread de envio: Erro Interno: 0\r\nErro HTTP: 500\r\nURL: https://h/ws\r\n\r\n<ok/>");
  EXPECT_EQ(MessageOf([&] { ssl.Enviar("", "https://h/ws", ""); }), "TDFeSendThread, parâmetros inválidos");
}

TEST_F(SSLFacadeEnvio, AbandonedTimedSendIsAbortedAndOutlivedSafely) {
  ssl.TimeOutPorThread = true;
  ssl.TimeOut = 999;  // no whole second to wait
  gDuble.bloquear = true;
  auto inicio = std::chrono::steady_clock::now();
  EXPECT_EQ(MessageOf([&] { ssl.Enviar("<env/>", "https://h/ws", ""); }),
            "Timeout - Não foi possível obter a resposta do servidor");
  EXPECT_LT(std::chrono::steady_clock::now() - inicio, std::chrono::seconds(1));
  // Abandoned while running, the exchange was asked to stop; the next send goes through.
  {
    std::lock_guard l(gDuble.m);  // the abandoned thread may still read it
    gDuble.bloquear = false;
  }
  ssl.TimeOut = 3000;
  EXPECT_EQ(ssl.Enviar("<env/>", "https://h/ws", ""), "<ok/>");
}

TEST_F(SSLFacadeEnvio, AbandonedSendStillHoldsTheLockAndTheFacadeWaitsForIt) {
  ssl.TimeOutPorThread = true;
  ssl.TimeOut = 1000;  // one second: the exchange has surely started when it is abandoned
  gDuble.bloquear = true;
  gDuble.ignorarAbort = true;  // a back end that cannot stop at once
  EXPECT_EQ(MessageOf([&] { ssl.Enviar("<env/>", "https://h/ws", ""); }),
            "Timeout - Não foi possível obter a resposta do servidor");
  ASSERT_TRUE(gDuble.EsperarExecucoes(1));

  // A direct send waits for the lock the abandoned send still holds.
  std::atomic<bool> terminou{false};
  std::thread direto([&] {
    ssl.TimeOutPorThread = false;
    ssl.Enviar("<env/>", "https://h/ws", "", "", "", false);
    terminou = true;
  });
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  EXPECT_FALSE(terminou);
  gDuble.Liberar();
  direto.join();
  EXPECT_TRUE(terminou);
  std::lock_guard l(gDuble.m);
  EXPECT_EQ(gDuble.maxSimultaneas, 1);
  EXPECT_EQ(gDuble.execucoes, 2);
  EXPECT_EQ(gDuble.abortos, 1);
}

TEST(SSLFacadeEnvioFim, FacadeDestroyedWhileAnAbandonedSendRuns) {
  gDuble.Reiniciar();
  gDuble.bloquear = true;
  {
    TDFeSSL ssl;
    ssl.UseCertificateHTTP = false;
    ssl.DefinirSSLHttpClass(&CriarBackEnd<HttpDuble, TDFeSSLHttpClass>);
    ssl.TimeOutPorThread = true;
    ssl.TimeOut = 0;
    EXPECT_EQ(MessageOf([&] { ssl.Enviar("<env/>", "https://h/ws", ""); }),
              "Timeout - Não foi possível obter a resposta do servidor");
  }
  gDuble.Liberar();
  SUCCEED();
}

}  // namespace

namespace {

TEST_F(SSLFacadeEnvio, CertificateDownloadedFromAnAddressIsCachedInItsFile) {
  ssl.SetSSLCryptLib(cryOpenSSL);
  ssl.UseCertificateHTTP = true;
  const std::string cache = testsupport::MakeTempDir("nembo-pfx") + "/sub/cert.pfx";
  const std::string pfx = testsupport::ReadFile(testsupport::PkiDir() + "/client.p12");
  gDuble.resposta = pfx;
  ssl.SetURLPFX("http://h/cert.pfx");
  ssl.SetArquivoPFX(cache);
  ssl.SetSenha("1234");
  EXPECT_EQ(ssl.CertCNPJ(), "12345678000195");
  EXPECT_EQ(gDuble.ultimoMetodo, "GET");
  EXPECT_EQ(gDuble.ultimaURL, "http://h/cert.pfx");
  EXPECT_TRUE(ssl.UseCertificateHTTP);  // restored after the download
  EXPECT_EQ(testsupport::ReadFile(cache), pfx);

  // A cached certificate that is far from expiring is used without asking the address.
  TDFeSSL outro;
  outro.SetSSLCryptLib(cryOpenSSL);
  outro.DefinirSSLHttpClass(&CriarBackEnd<HttpDuble, TDFeSSLHttpClass>);
  outro.SetURLPFX("http://h/cert.pfx");
  outro.SetArquivoPFX(cache);
  outro.SetSenha("1234");
  gDuble.Reiniciar();
  EXPECT_EQ(outro.CertCNPJ(), "12345678000195");
  EXPECT_EQ(gDuble.execucoes, 0);

  TDFeSSL semCache;
  semCache.SetSSLCryptLib(cryOpenSSL);
  semCache.DefinirSSLHttpClass(&CriarBackEnd<HttpDuble, TDFeSSLHttpClass>);
  semCache.SetURLPFX("http://h/x.pfx");
  gDuble.status = 404;
  EXPECT_EQ(MessageOf([&] { semCache.CarregarCertificado(); }),
            "Http erro 404, baixando Certificado de http://h/x.pfx");
  gDuble.status = 200;
  gDuble.resposta = "lixo";
  EXPECT_EQ(MessageOf([&] { semCache.CarregarCertificado(); }), "Certificado obtido de http://h/x.pfx é inválido");
}

}  // namespace
