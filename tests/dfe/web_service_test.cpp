#include "dfe/web_service.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "dfe/component_base.h"
#include "dfe/configuration.h"
#include "dfe/exceptions.h"
#include "platform/base64.h"
#include "platform/date_time.h"
#include "support/https_peer.h"
#include "support/message_of.h"
#include "support/peer.h"

using namespace dfe;
namespace fs = std::filesystem;
using testsupport::MakeTempDir;
using testsupport::MessageOf;
using testsupport::PkiDir;
using testsupport::ReadFile;
using testsupport::WriteFile;

namespace {

const char kDecl[] = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>";

// A service of its own: asks for one identifier and reads the code of the reply's result.
class TServicoTeste : public TDFeWebService {
 public:
  explicit TServicoTeste(TTrivoDFe* owner) : TDFeWebService(owner) {
    FPArqEnv = "ped-teste";
    FPArqResp = "resp-teste";
  }
  std::string url = "https://127.0.0.1:1/ws";
  std::string acao = "urn:teste/Consultar";
  std::string dados = "<consultar><id>42</id></consultar>";
  std::string mime;
  bool falharLeitura = false;
  std::string codigo;
  std::vector<std::string> respostasVistas;

  void SemArquivos() { FPArqEnv.clear(); }

 protected:
  void DefinirURL() override { FPURL = url; }
  void DefinirServicoEAction() override {
    FPServico = "urn:teste";
    FPSoapAction = acao;
    FPMimeType = mime;
  }
  void DefinirDadosMsg() override { FPDadosMsg = dados; }
  std::string GerarVersaoDadosSoap() override { return "<versaoDados>1.00</versaoDados>"; }
  bool TratarResposta() override {
    respostasVistas.push_back(FPRetornoWS);
    auto i = FPRetornoWS.find("<resultado>");
    auto f = FPRetornoWS.find("</resultado>");
    if (i != std::string::npos && f != std::string::npos) FPRetWS = FPRetornoWS.substr(i, f + 12 - i);
    auto c = FPRetWS.find("<codigo>");
    codigo = c == std::string::npos ? "" : FPRetWS.substr(c + 8, FPRetWS.find('<', c + 8) - c - 8);
    if (falharLeitura) throw ETrivoDFeException("Resposta ilegível");
    ExigirResposta();
    return codigo == "100";
  }
  std::string TextoResumoResposta() override { return "Codigo: " + codigo; }
  std::string TextoErroTransmissao(const std::exception&) override { return "Falha no serviço de teste"; }
};

const char kResposta[] =
    "<soap:Envelope xmlns:soap=\"http://www.w3.org/2003/05/soap-envelope\"><soap:Body>"
    "<resultado><codigo>100</codigo><texto>ok</texto></resultado></soap:Body></soap:Envelope>";

std::string EnvelopeEsperado(const std::string& dados) {
  return "<soap12:Envelope xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
         "xmlns:xsd=\"http://www.w3.org/2001/XMLSchema\" "
         "xmlns:soap12=\"http://www.w3.org/2003/05/soap-envelope\">"
         "<soap12:Header><nfeCabecMsg xmlns=\"urn:teste\"><cUF>35</cUF>"
         "<versaoDados>1.00</versaoDados></nfeCabecMsg></soap12:Header>"
         "<soap12:Body><nfeDadosMsg xmlns=\"urn:teste\">" +
         dados + "</nfeDadosMsg></soap12:Body></soap12:Envelope>";
}

struct Ambiente {
  std::string dir = MakeTempDir("dfews");
  std::unique_ptr<TTrivoDFe> dfe = TTrivoDFe::Criar();
  std::vector<std::string> log;

  // pfx: a certificate of the test PKI; none for tests that never reach the network (making
  // sure the PKI exists starts a process, which adds up over a suite run test by test).
  explicit Ambiente(const std::string& pfx = "") {
    auto& cfg = dfe->Configuracoes();
    cfg.Geral->SetSSLCryptLib(cryOpenSSL);
    cfg.Geral->SetSSLHttpLib(httpWinHttp);
    if (!pfx.empty()) {
      cfg.Certificados->SetArquivoPFX(PkiDir() + "/" + pfx);
      cfg.Certificados->SetSenha("1234");
    }
    cfg.WebServices->SetSalvar(true);
    cfg.WebServices->SetTimeOut(4000);
    cfg.Arquivos->SetPathSalvar(dir + "/Docs");
    dfe->OnGerarLog = [this](const std::string& linha, bool& tratado) {
      log.push_back(linha);
      tratado = false;
    };
  }
  std::vector<std::string> Arquivos() const {
    std::vector<std::string> nomes;
    if (!fs::exists(dir + "/Docs")) return nomes;
    for (const auto& e : fs::directory_iterator(dir + "/Docs")) {
      std::string n = e.path().filename().string();
      nomes.push_back(n.substr(n.find('-') + 1));  // without the time prefix
    }
    std::sort(nomes.begin(), nomes.end());
    return nomes;
  }
  std::string Arquivo(const std::string& sufixo) const {
    for (const auto& e : fs::directory_iterator(dir + "/Docs")) {
      std::string n = e.path().filename().string();
      if (n.size() == 14 + 1 + sufixo.size() && n.compare(15, std::string::npos, sufixo) == 0)
        return ReadFile(e.path().string());
    }
    return "(missing " + sufixo + ")";
  }
};

std::vector<nlohmann::json> Registros(const std::string& arquivo) {
  std::vector<nlohmann::json> r;
  std::istringstream in(fs::exists(arquivo) ? ReadFile(arquivo) : "");
  for (std::string linha; std::getline(in, linha);)
    if (!linha.empty()) r.push_back(nlohmann::json::parse(linha));
  return r;
}

std::string Cabecalho(const nlohmann::json& registro, const std::string& nome) {
  for (const auto& h : registro["headers"])
    if (h[0].get<std::string>() == nome) return h[1].get<std::string>();
  return "(none)";
}

}  // namespace

TEST(WebService, ExecutarOverTlsWithAClientCertificate) {
  Ambiente a("client.p12");
  testhttp::HttpsPeer servidor;
  servidor.Script(nlohmann::json::array({{{"status", 200}, {"body", kResposta}}}));
  const std::string registro = servidor.record;
  TServicoTeste s(a.dfe.get());
  s.url = servidor.Url("/ws/consulta");

  ASSERT_TRUE(s.Executar());
  EXPECT_EQ(s.RetornoWS(), kResposta);
  EXPECT_EQ(s.RetWS(), "<resultado><codigo>100</codigo><texto>ok</texto></resultado>");
  EXPECT_EQ(s.EnvelopeSoap(), kDecl + EnvelopeEsperado(s.dados));

  auto recebidos = Registros(registro);
  ASSERT_EQ(recebidos.size(), 1u);
  EXPECT_EQ(recebidos[0]["method"], "POST");
  EXPECT_EQ(recebidos[0]["path"], "/ws/consulta");
  EXPECT_NE(recebidos[0]["client"].get<std::string>().find("EMPRESA TESTE LTDA"), std::string::npos);
  EXPECT_EQ(Cabecalho(recebidos[0], "SOAPAction"), "\"urn:teste/Consultar\"");
  auto corpo = platform::Base64Decode(recebidos[0]["body"].get<std::string>());
  ASSERT_TRUE(corpo);
  EXPECT_EQ(*corpo, s.EnvelopeSoap());

  EXPECT_EQ(a.Arquivos(),
            (std::vector<std::string>{"ped-teste-soap.xml", "ped-teste.xml", "resp-teste-soap.xml", "resp-teste.xml"}));
  EXPECT_EQ(a.Arquivo("ped-teste.xml"), kDecl + s.dados);
  EXPECT_EQ(a.Arquivo("ped-teste-soap.xml"), s.EnvelopeSoap());
  EXPECT_EQ(a.Arquivo("resp-teste.xml"), kDecl + s.RetWS());
  EXPECT_EQ(a.Arquivo("resp-teste-soap.xml"), kDecl + std::string(kResposta));
  EXPECT_EQ(a.log, (std::vector<std::string>{"Inicio TServicoTeste", "Codigo: 100"}));
}

TEST(WebService, ExpiredCertificateStopsTheCallAfterTheRequestFiles) {
  Ambiente a("expired.p12");
  // The transmission hook stands in for the network: the check comes before any way of sending.
  int envios = 0;
  a.dfe->OnTransmit = [&](const std::string&, const std::string&, const std::string&, const std::string&,
                          std::string& resposta, std::int32_t&, std::int32_t&) {
    ++envios;
    resposta = kResposta;
  };
  TServicoTeste s(a.dfe.get());

  // 2021-01-01T00:00:00Z, shown in local time
  std::string venc = platform::FormatDateTime("dd/mm/yyyy", platform::FromTimeT(1609459200));
  EXPECT_EQ(MessageOf<ETrivoDFeException>([&] { s.Executar(); }),
            "Falha no serviço de teste\r\nData de Validade do Certificado já expirou: " + venc);
  EXPECT_EQ(envios, 0);
  EXPECT_EQ(a.Arquivos(), (std::vector<std::string>{"ped-teste-soap.xml", "ped-teste.xml"}));

  // Without the check the call goes out.
  a.dfe->Configuracoes().Certificados->SetVerificarValidade(false);
  EXPECT_TRUE(s.Executar());
  EXPECT_EQ(envios, 1);

  // A certificate named only by an address is not checked either: the call goes out.
  a.dfe->Configuracoes().Certificados->SetVerificarValidade(true);
  a.dfe->Configuracoes().Certificados->SetArquivoPFX("");
  a.dfe->Configuracoes().Certificados->SetURLPFX("https://127.0.0.1:1/cert.pfx");
  EXPECT_TRUE(s.Executar());
}

TEST(WebService, TransportFailureReachesTheCallerWithTheServiceText) {
  Ambiente a("client.p12");
  TServicoTeste s(a.dfe.get());
  s.url = "https://127.0.0.1:1/ws";  // nothing listens there
  std::string msg = MessageOf<ETrivoDFeException>([&] { s.Executar(); });
  const std::string inicio = "Falha no serviço de teste\r\n";
  ASSERT_EQ(msg.compare(0, inicio.size(), inicio), 0) << msg;
  EXPECT_GT(msg.size(), inicio.size());
  EXPECT_EQ(a.log.back(), "ERRO: " + msg);
}

namespace {

// Runs the service with OnTransmit standing in for the network.
struct Simulado : Ambiente {
  std::vector<std::string> envelopes, acoes;
  int falhasRestantes = 0;
  Simulado() {
    dfe->OnTransmit = [this](const std::string& dados, const std::string&, const std::string& acao, const std::string&,
                             std::string& resposta, std::int32_t& status, std::int32_t& interno) {
      envelopes.push_back(dados);
      acoes.push_back(acao);
      if (falhasRestantes-- > 0) {
        interno = 12029;
        return;
      }
      status = 200;
      resposta = kResposta;
    };
  }
};

}  // namespace

TEST(WebService, EnvelopeDeclarationAndSoapAction) {
  struct Case {
    const char* acao;
    const char* dados;
    const char* mime;
    bool declaracao;
  } cases[] = {
      {"urn:teste/Consultar", "<consultar/>", "", true},
      {"*", "<consultar/>", "application/soap+xml", true},
      {"urn:a", "<evt><Signature xmlns=\"http://www.w3.org/2000/09/xmldsig#\"/></evt>", "", false},
      {"urn:a", "<consultar/>", "application/json", false},
  };
  for (const auto& k : cases) {
    Simulado a;
    TServicoTeste s(a.dfe.get());
    s.acao = k.acao;
    s.dados = k.dados;
    s.mime = k.mime;
    ASSERT_TRUE(s.Executar()) << k.acao;
    ASSERT_EQ(a.envelopes.size(), 1u);
    EXPECT_EQ(a.envelopes[0], (k.declaracao ? kDecl : "") + EnvelopeEsperado(k.dados)) << k.dados;
    EXPECT_EQ(a.acoes[0], std::string(k.acao) == "*" ? "" : k.acao);
  }
}

TEST(WebService, PreparationErrorsComeBeforeAnyFile) {
  Simulado a;
  TServicoTeste s(a.dfe.get());
  s.acao = "";
  EXPECT_EQ(MessageOf<ETrivoDFeException>([&] { s.Executar(); }), "SoapAction não definido para: TServicoTeste");
  s.acao = "urn:a";
  s.url = "";
  EXPECT_EQ(MessageOf<ETrivoDFeException>([&] { s.Executar(); }), "URL não definida para: TServicoTeste");
  EXPECT_TRUE(a.Arquivos().empty());
  EXPECT_TRUE(a.envelopes.empty());

  TDFeWebService base(a.dfe.get());
  EXPECT_EQ(MessageOf<ETrivoDFeException>([&] { base.Executar(); }),
            "DefinirURL não implementado para: TDFeWebService");
}

TEST(WebService, RetryHookDecidesAttempts) {
  Simulado a;
  a.falhasRestantes = 5;
  int chamadas = 0;
  a.dfe->OnTransmitError = [&](std::int32_t, std::int32_t interno, const std::string&, const std::string&,
                               const std::string&, bool& retentar, bool&) {
    EXPECT_EQ(interno, 12029);
    retentar = ++chamadas < 3;
  };
  TServicoTeste s(a.dfe.get());
  EXPECT_EQ(MessageOf<ETrivoDFeException>([&] { s.Executar(); }), "Falha no serviço de teste\r\nErro ao Transmitir");
  EXPECT_EQ(a.envelopes.size(), 3u);

  // Retry twice, then succeed.
  Simulado b;
  b.falhasRestantes = 2;
  b.dfe->OnTransmitError = [](std::int32_t, std::int32_t, const std::string&, const std::string&, const std::string&,
                              bool& retentar, bool&) { retentar = true; };
  TServicoTeste t(b.dfe.get());
  EXPECT_TRUE(t.Executar());
  EXPECT_EQ(b.envelopes.size(), 3u);
  EXPECT_EQ(t.codigo, "100");
}

TEST(WebService, HandledTransmissionErrorGoesOnWithAnEmptyReply) {
  Simulado a;
  a.falhasRestantes = 1;
  a.dfe->OnTransmitError = [](std::int32_t, std::int32_t, const std::string&, const std::string&, const std::string&,
                              bool&, bool& tratado) { tratado = true; };
  TServicoTeste s(a.dfe.get());
  EXPECT_EQ(MessageOf<ETrivoDFeException>([&] { s.Executar(); }),
            "Falha no serviço de teste\r\nErro ao obter resposta do webservice.");
  EXPECT_EQ(s.respostasVistas, std::vector<std::string>{""});

  // A reply without the result part: the whole reply follows the text.
  a.dfe->OnTransmit = [](const std::string&, const std::string&, const std::string&, const std::string&,
                         std::string& resposta, std::int32_t&, std::int32_t&) { resposta = "<outro/>"; };
  EXPECT_EQ(MessageOf<ETrivoDFeException>([&] { s.Executar(); }),
            "Falha no serviço de teste\r\nErro ao obter resposta do webservice.\r\n<outro/>");
}

namespace {

class TServicoAssinado : public TServicoTeste {
 public:
  using TServicoTeste::TServicoTeste;
  void Assinar(const std::string& msgErro) {
    AssinarDadosMsg("<evt/>", "eSocial", "evtX", msgErro, "Signature", "xmlns:ds", "IdSig");
  }
};

}  // namespace

TEST(WebService, SigningTheBodyPassesTheTextsOnAndWrapsItsError) {
  Simulado a;
  TServicoAssinado s(a.dfe.get());
  std::vector<std::string> vistos;
  a.dfe->SetOnAntesDeAssinar([&](std::string& xml, const std::string& doc, const std::string& inf,
                                 const std::string& sig, const std::string& ns, const std::string& id) {
    vistos = {xml, doc, inf, sig, ns, id};
    xml = "<assinado/>";
  });
  s.Assinar("");
  EXPECT_EQ(vistos, (std::vector<std::string>{"<evt/>", "eSocial", "evtX", "Signature", "xmlns:ds", "IdSig"}));
  EXPECT_EQ(s.DadosMsg(), "<assinado/>");

  // No signing library configured: the caller's text, CR LF and the cause.
  a.dfe->SetOnAntesDeAssinar(nullptr);
  const std::string causa = "TDFeSSLXmlSignClass.Assinar, não implementado";
  EXPECT_EQ(MessageOf<ETrivoDFeException>([&] { s.Assinar("Falha ao assinar"); }), "Falha ao assinar\r\n" + causa);
  EXPECT_EQ(a.log.back(), "ERRO: Falha ao assinar\r\n" + causa);
  EXPECT_EQ(MessageOf<ETrivoDFeException>([&] { s.Assinar(""); }), causa);
}

TEST(WebService, ReplyErrorStillSavesReplyFilesAndLogsTheSummary) {
  Simulado a;
  TServicoTeste s(a.dfe.get());
  s.falharLeitura = true;
  EXPECT_EQ(MessageOf<ETrivoDFeException>([&] { s.Executar(); }), "Falha no serviço de teste\r\nResposta ilegível");
  EXPECT_EQ(a.Arquivos(),
            (std::vector<std::string>{"ped-teste-soap.xml", "ped-teste.xml", "resp-teste-soap.xml", "resp-teste.xml"}));
  EXPECT_EQ(a.log, (std::vector<std::string>{"Inicio TServicoTeste", "Codigo: 100",
                                             "ERRO: Falha no serviço de teste\r\nResposta ilegível"}));

  // A hook that handles errors turns the failure into false.
  a.dfe->OnGerarLog = [](const std::string&, bool& tratado) { tratado = true; };
  EXPECT_FALSE(s.Executar());
}

TEST(WebService, FileNamesStayInsideTheSaveFolder) {
  Simulado a;
  struct Servico : TServicoTeste {
    using TServicoTeste::TServicoTeste;
    Servico(TTrivoDFe* o) : TServicoTeste(o) {
      FPArqEnv = "../../fora";
      FPArqResp = "a/b";
    }
    std::string PrefixoNomeArquivo() override { return "../20261211"; }
  } s(a.dfe.get());
  ASSERT_TRUE(s.Executar());
  std::vector<std::string> nomes;
  for (const auto& e : fs::directory_iterator(a.dir + "/Docs")) nomes.push_back(e.path().filename().string());
  std::sort(nomes.begin(), nomes.end());
  EXPECT_EQ(nomes, (std::vector<std::string>{".._20261211-.._.._fora-soap.xml", ".._20261211-.._.._fora.xml",
                                             ".._20261211-a_b-soap.xml", ".._20261211-a_b.xml"}));

  Simulado b;
  TServicoTeste t(b.dfe.get());
  t.SemArquivos();
  ASSERT_TRUE(t.Executar());
  EXPECT_EQ(b.Arquivos(), (std::vector<std::string>{"resp-teste-soap.xml", "resp-teste.xml"}));
}

namespace {

struct IntegradorTeste : TTrivoIntegrador {
  std::vector<std::string> respostaPronta;
  std::vector<std::pair<std::string, std::string>> parametrosVistos;
  void EnviarEAguardar() override {
    parametrosVistos = Parametros;
    Resposta = respostaPronta;
  }
};

}  // namespace

TEST(WebService, IntegratorCarriesTheEnvelopeAndItsAnswerIsTheReply) {
  const std::string resultado = "<resultado><codigo>100</codigo></resultado>";
  struct Case {
    std::vector<std::string> resposta;
    const char* erro;  // nullptr: success
  } cases[] = {
      {{}, "Falha no serviço de teste\r\nResposta do Integrador inválida"},
      {{"1", "Erro do integrador"}, "Falha no serviço de teste\r\nErro do integrador"},
      {{"1", "2", "3", "4", "5", platform::Base64Encode(resultado)}, nullptr},
      {{"1", "2", "3", "4", "5", resultado}, nullptr},
  };
  for (const auto& k : cases) {
    Ambiente a;
    IntegradorTeste integrador;
    integrador.respostaPronta = k.resposta;
    a.dfe->SetIntegrador(&integrador);
    TServicoTeste s(a.dfe.get());
    if (k.erro) {
      EXPECT_EQ(MessageOf<ETrivoDFeException>([&] { s.Executar(); }), k.erro);
    } else {
      EXPECT_TRUE(s.Executar());
      EXPECT_EQ(s.RetornoWS(), resultado);
    }
    ASSERT_EQ(integrador.parametrosVistos.size(), 3u);
    EXPECT_EQ(integrador.Parametro("versaoDados"), "");
    EXPECT_EQ(integrador.Parametro("cUF"), "35");
    EXPECT_EQ(platform::Base64Decode(integrador.Parametro("dados")).value_or(""), s.EnvelopeSoap());
    a.dfe->SetIntegrador(nullptr);
  }
}

TEST(WebService, WriterOptionsComeFromTheOwnersSettings) {
  Simulado a;
  auto& cfg = a.dfe->Configuracoes();
  cfg.Geral->SetRetirarAcentos(false);
  cfg.Geral->SetIdentarXML(true);
  cfg.Geral->SetFormatoAlerta("%TAG%: %MSG%");
  cfg.WebServices->SetQuebradeLinha(";");
  cfg.WebServices->TimeZoneConf.ModoDeteccao = tzManual;
  cfg.WebServices->TimeZoneConf.TimeZoneStr = "-03:00";
  TServicoTeste s(a.dfe.get());
  TGeradorOpcoes o;
  s.CopiarOpcoesGerador(o);
  EXPECT_FALSE(o.RetirarAcentos);
  EXPECT_TRUE(o.RetirarEspacos);
  EXPECT_TRUE(o.IdentarXML);
  EXPECT_EQ(o.FormatoAlerta, "%TAG%: %MSG%");
  EXPECT_EQ(o.QuebraLinha, ";");
  EXPECT_EQ(TimeZoneConfGlobal().TimeZoneStr, "-03:00");
  DefinirTimeZoneConfGlobal(TTimeZoneConf());
}
