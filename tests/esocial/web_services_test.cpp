// The eSocial SOAP services against the SOAP stand-in over TLS with the client certificate:
// envelopes as the WSDLs give them, the replies read into their records, the files of each
// call, and how failures reach the caller.
#include "esocial/web_services.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <nlohmann/json.hpp>
#include <optional>
#include <regex>
#include <string>
#include <vector>

#include "dfe/exceptions.h"
#include "esocial/event_container.h"
#include "esocial/totalizers/s5001_reader.h"
#include "platform/base64.h"
#include "platform/date_time.h"
#include "platform/strings.h"
#include "support/esocial/esocial_test_support.h"
#include "support/https_peer.h"
#include "support/message_of.h"
#include "support/peer.h"

using namespace esocial;
using nlohmann::json;
using testsupport::kNoError;
using testsupport::MessageOf;
namespace fs = std::filesystem;

namespace {

const std::string kDecl = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>";
const std::string kNsEnvio = "http://www.esocial.gov.br/servicos/empregador/lote/eventos/envio/v1_1_0";
const std::string kNsConsulta =
    "http://www.esocial.gov.br/servicos/empregador/lote/eventos/envio/consulta/retornoProcessamento/v1_1_0";
const std::string kAcaoEnvio = kNsEnvio + "/ServicoEnviarLoteEventos/EnviarLoteEventos";
const std::string kAcaoConsulta = kNsConsulta + "/ServicoConsultarLoteEventos/ConsultarLoteEventos";
const std::string kErroEnvio = "WebService:  " + kAcaoEnvio + "\r\n- Inativo ou Inoperante tente novamente.\r\n";
const std::string kSemResposta = "Erro ao obter resposta do webservice.\r\n";

std::string Amostra(const std::string& nome) {
  return testsupport::ReadFile(std::string(NEMBO_TEST_DATA_DIR) + "/gov-replies/" + nome);
}

std::string Corpo(const json& pedido) {
  auto corpo = platform::Base64Decode(pedido["body"].get<std::string>());
  return corpo ? *corpo : "(not Base64)";
}

// The component as the agent sets it, with one signed event and the services INI pointing at
// the SOAP stand-in.
struct TServicos {
  testhttp::HttpsPeer soap{{"--samples", std::string(NEMBO_TEST_DATA_DIR)}, "soap_server.py"};
  esocialtest::TComponente c = esocialtest::NovoComponente();
  std::vector<std::string> log;

  explicit TServicos(const std::vector<std::string>& semUrl = {}) {
    auto& conf = c.eSocial->Configuracoes();
    conf.Geral->SetIdTransmissor("12345678000195");
    conf.Geral->SetSSLHttpLib(dfe::httpWinHttp);
    esocialtest::ApontarServicos(c, "https://127.0.0.1:" + std::to_string(soap.peer->Port()), semUrl);
    c.eSocial->OnGerarLog = [this](const std::string& linha, bool&) { log.push_back(linha); };
    EXPECT_TRUE(c.Eventos().LoadFromString(esocialtest::EventoS1000()));
  }
  TWebServices& ws() const { return c.eSocial->WebServices(); }
  // The files of the save folder (the employer's folder of event files left out).
  std::vector<std::string> Arquivos() const {
    std::vector<std::string> nomes;
    for (const std::string& n : esocialtest::Arquivos(c.pastaSalvar))
      if (n != esocialtest::kEmpregador) nomes.push_back(n);
    return nomes;
  }
  std::string Arquivo(const std::string& nome) const { return testsupport::ReadFile(c.pastaSalvar + "/" + nome); }
};

// The call's files: "<14-digit stamp>-<arq>.xml", one prefix for request and reply.
void EsperarArquivosDeUmaChamada(const std::vector<std::string>& arquivos, const std::vector<std::string>& arqs) {
  ASSERT_EQ(arquivos.size(), arqs.size());
  const std::string prefixo = arquivos.empty() ? "" : arquivos[0].substr(0, 14);
  EXPECT_TRUE(std::regex_match(prefixo, std::regex("[0-9]{14}"))) << prefixo;
  std::vector<std::string> esperados;
  for (const std::string& arq : arqs) esperados.push_back(prefixo + "-" + arq + ".xml");
  std::sort(esperados.begin(), esperados.end());
  EXPECT_EQ(arquivos, esperados);
}

}  // namespace

TEST(SoapServices, SendReachesTheServiceAndReadsBothWholeReplies) {
  TServicos s;
  s.soap.Script({{kAcaoEnvio,
                  {{{"sample", "gov-replies/sped-esocial-258-EnviarLoteEventosResponse-201.xml"}},
                   {{"sample", "gov-replies/tst-labs-302-EnviarLoteEventosResponse-404-148.xml"}}}}});

  ASSERT_TRUE(s.c.eSocial->Enviar(1));
  const TRetEnvioLote& r = s.ws().EnvioLote().RetEnvioLote();
  EXPECT_EQ(r.Status.cdResposta, 201);
  EXPECT_EQ(r.Status.descResposta, "Lote Recebido com Sucesso.");
  EXPECT_EQ(r.DadosRecLote.Protocolo, "1.1.201905.0000000000536967394");
  EXPECT_EQ(r.DadosRecLote.versaoAplicRecepcao, "0.1.0-A0352");

  auto pedidos = s.soap.Requests();
  ASSERT_EQ(pedidos.size(), 1u);
  const json& p = pedidos[0];
  EXPECT_EQ(p["path"], "/servicos/empregador/enviarloteeventos/WsEnviarLoteEventos.svc");
  EXPECT_EQ(p["tls"], "TLSv1.2");
  EXPECT_NE(p["client"].get<std::string>().find("EMPRESA TESTE LTDA"), std::string::npos) << p["client"];
  EXPECT_EQ(p["body_path"], json({"{" + kNsEnvio + "}EnviarLoteEventos", "{" + kNsEnvio + "}loteEventos",
                                  "{http://www.esocial.gov.br/schema/lote/eventos/envio/v1_1_1}eSocial"}))
      << p.dump();
  EXPECT_EQ(testhttp::HeaderValues(p, "SOAPAction"), std::vector<std::string>{"\"" + kAcaoEnvio + "\""});
  EXPECT_EQ(testhttp::HeaderValues(p, "Content-Type"), std::vector<std::string>{"text/xml; charset=utf-8"});
  // Signed events travel without a declaration in front of the envelope.
  const std::string corpo = Corpo(p);
  EXPECT_EQ(corpo, "<soap:Envelope  xmlns:soap=\"http://schemas.xmlsoap.org/soap/envelope/\"  xmlns:v1=\"" + kNsEnvio +
                       "\"><soap:Body><v1:EnviarLoteEventos><v1:loteEventos>" + s.ws().EnvioLote().DadosMsg() +
                       "</v1:loteEventos></v1:EnviarLoteEventos></soap:Body></soap:Envelope>");

  const std::vector<std::string> arquivos = s.Arquivos();
  EsperarArquivosDeUmaChamada(arquivos, {"env-lot", "rec"});
  EXPECT_EQ(s.Arquivo(arquivos[0]), kDecl + s.ws().EnvioLote().DadosMsg());
  EXPECT_EQ(s.Arquivo(arquivos[1]), kDecl + s.ws().EnvioLote().RetWS());
  EXPECT_EQ(s.log.back(),
            "Versão Layout: v_S_01_03_00 \r\nAmbiente: 2 \r\nVersão Aplicativo: 0.1.0-A0352 \r\nStatus Código: 201 "
            "\r\nStatus Descrição: Lote Recebido com Sucesso. \r\nRecebimento: 23/05/2019 18:10:29 \r\n");

  // The service's refusal is an answer like any other.
  ASSERT_TRUE(s.c.eSocial->Enviar(1));
  const TRetEnvioLote& recusa = s.ws().EnvioLote().RetEnvioLote();
  EXPECT_EQ(recusa.Status.cdResposta, 404);
  EXPECT_EQ(recusa.Status.descResposta, "Lote Incorreto - Erro Certificado.");
  ASSERT_EQ(recusa.Status.Ocorrencias.Count(), 1);
  EXPECT_EQ(recusa.Status.Ocorrencias.GetItem(0).Codigo, 148);
  EXPECT_EQ(recusa.DadosRecLote.Protocolo, "");
  EXPECT_EQ(s.Arquivos().size(), 4u);
}

TEST(SoapServices, ConsultSendsAValidQueryAndSavesEachTotalizer) {
  TServicos s;
  s.soap.Script(
      {{kAcaoConsulta, {{"sample", "gov-replies/retorno-processamento/s5001-2servidores.xml"}, {"wrap", true}}}});
  std::vector<TeSocialEventos> avisos;
  s.c.eSocial->OnTransmissaoEventos = [&](const std::string&, TeSocialEventos tipo) { avisos.push_back(tipo); };
  const std::string protocolo = "1.2.201810.0000000000023823303";

  ASSERT_TRUE(s.c.eSocial->Consultar(protocolo));
  EXPECT_EQ(avisos, (std::vector<TeSocialEventos>{eseEnvioConsulta, eseRetornoConsulta}));

  auto pedidos = s.soap.Requests();
  ASSERT_EQ(pedidos.size(), 1u);
  const std::string esquema =
      "http://www.esocial.gov.br/schema/lote/eventos/envio/consulta/retornoProcessamento/v1_0_0";
  EXPECT_EQ(pedidos[0]["body_path"], json({"{" + kNsConsulta + "}ConsultarLoteEventos", "{" + kNsConsulta + "}consulta",
                                           "{" + esquema + "}eSocial"}))
      << pedidos[0].dump();
  const std::string consulta = "<eSocial xmlns=\"" + esquema + "\"><consultaLoteEventos><protocoloEnvio>" + protocolo +
                               "</protocoloEnvio></consultaLoteEventos></eSocial>";
  EXPECT_EQ(Corpo(pedidos[0]), kDecl +
                                   "<soap:Envelope  xmlns:soap=\"http://schemas.xmlsoap.org/soap/envelope/\"  "
                                   "xmlns:v1=\"" +
                                   kNsConsulta + "\"><soap:Body><v1:ConsultarLoteEventos><v1:consulta>" + consulta +
                                   "</v1:consulta></v1:ConsultarLoteEventos></soap:Body></soap:Envelope>");
  std::string erro;
  EXPECT_TRUE(s.c.eSocial->SSL().Validar(consulta, esocialtest::Schemas() + "ConsultaLoteEventos-v1_0_0.xsd", erro))
      << erro;

  const TRetConsultaLote& r = s.ws().ConsultaLote().RetConsultaLote();
  EXPECT_EQ(r.Status.cdResposta, 201);
  ASSERT_EQ(r.RetEventos.Count(), 2);
  const std::string id1 = "ID1005099680001482018101613340600014", id2 = "ID1005099680001482018101613340600015";
  // Named by the identifiers' digits.
  EXPECT_EQ(s.Arquivos(), (std::vector<std::string>{protocolo + "-ped-sit.xml", protocolo + "-sit.xml",
                                                    id1.substr(2) + "-S5001.xml", id2.substr(2) + "-S5001.xml"}));
  EXPECT_EQ(s.Arquivo(protocolo + "-ped-sit.xml"), kDecl + consulta);
  EXPECT_EQ(s.Arquivo(id2.substr(2) + "-S5001.xml"), kDecl + r.RetEventos.GetItem(1).tot.GetItem(0).XML);
  const auto* s5001 = dynamic_cast<const s5001::TS5001*>(r.RetEventos.GetItem(1).tot.GetItem(0).Evento.get());
  ASSERT_NE(s5001, nullptr);
}

// Identifiers and types out of a reply name one file each inside the save folder, or none: an
// absolute identifier or a type holding a path never reaches another folder.
TEST(SoapServices, TotalizerNamesComeFromDigitsAndKnownTypesOnly) {
  esocialtest::TComponente c = esocialtest::NovoComponente(false);
  const std::string docs = c.pastaSalvar + "/Docs";
  c.eSocial->Configuracoes().Arquivos->SetPathSalvar(docs);
  const std::string vitima = c.pastaSalvar + "/x/existing-victim.xml";
  fs::create_directories(c.pastaSalvar + "/x");
  testsupport::WriteFile(vitima, "keep");
  const std::string absoluto = c.pastaSalvar + "/x/existing";
  const std::string id = "ID1005099680001482018102512542400006";
  struct Caso {
    std::string id, tipo;
    std::string arquivo;  // in Docs; empty: not saved
    std::string motivo;   // of a totalizer not saved
  } casos[] = {
      {id, "S5001", id.substr(2) + "-S5001.xml", ""},
      {"../../" + id, "S5002", id.substr(2) + "-S5002.xml", ""},
      {absoluto, "victim", "", "Totalizador do evento \"" + absoluto + "\" não salvo: tipo \"victim\" desconhecido"},
      {id, "b/name", "", "Totalizador do evento \"" + id + "\" não salvo: tipo \"b/name\" desconhecido"},
      {id, "../S5001", "", "Totalizador do evento \"" + id + "\" não salvo: tipo \"../S5001\" desconhecido"},
      {"/ID/x", "S5003", "", "Totalizador S5003 do evento \"/ID/x\" não salvo: identificador sem dígitos"},
      {"ID" + std::string(201, '7'), "S5001", "",
       "Totalizador S5001 do evento \"ID" + std::string(98, '7') + "...\" não salvo: identificador longo demais"},
      {std::string(300, 'x'), "zz", "",
       "Totalizador do evento \"" + std::string(100, 'x') + "...\" não salvo: tipo \"zz\" desconhecido"},
  };
  std::string resposta =
      "<retornoProcessamentoLoteEventos><status><cdResposta>201</cdResposta></status><retornoEventos>";
  for (const Caso& k : casos)
    resposta += "<evento Id=\"" + k.id + "\"><tot tipo=\"" + k.tipo + "\"><eSocial><t>" + k.tipo +
                "</t></eSocial></tot></evento>";
  resposta += "</retornoEventos></retornoProcessamentoLoteEventos>";
  TConsultaLote& consulta = c.eSocial->WebServices().ConsultaLote();
  consulta.RetConsultaLote().Leitor.Arquivo = resposta;
  ASSERT_TRUE(consulta.RetConsultaLote().LerXml());

  consulta.GravarTotalizadores();

  std::vector<std::string> arquivos, motivos;
  for (const Caso& k : casos) {
    if (!k.arquivo.empty()) arquivos.push_back(k.arquivo);
    if (!k.motivo.empty()) motivos.push_back(k.motivo);
  }
  std::sort(arquivos.begin(), arquivos.end());
  EXPECT_EQ(esocialtest::Arquivos(docs), arquivos);
  EXPECT_EQ(consulta.TotalizadoresNaoGravados(), motivos);
  EXPECT_EQ(testsupport::ReadFile(vitima), "keep");
  for (const auto& f : fs::recursive_directory_iterator(c.pastaSalvar))
    if (f.is_regular_file() && f.path() != vitima) {
      EXPECT_EQ(f.path().parent_path(), fs::path(docs)) << f.path();
    }
}

// A protocol from outside stays text in the query and a name inside the save folder.
TEST(SoapServices, AProtocolIsEscapedAndNamesNoOtherFolder) {
  TServicos s;
  s.soap.Script({{kAcaoConsulta,
                  {{"sample", "gov-replies/retorno-processamento/aguardando-processamento.xml"}, {"wrap", true}}}});
  s.c.eSocial->Configuracoes().Arquivos->SetPathSalvar(s.c.pastaSalvar + "/Docs");

  ASSERT_TRUE(s.c.eSocial->Consultar("../x<&y"));
  auto pedidos = s.soap.Requests();
  ASSERT_EQ(pedidos.size(), 1u);
  EXPECT_FALSE(pedidos[0].contains("xml_error")) << pedidos[0].dump();
  EXPECT_NE(Corpo(pedidos[0]).find("<protocoloEnvio>../x&lt;&amp;y</protocoloEnvio>"), std::string::npos);
  EXPECT_EQ(s.Arquivos(), std::vector<std::string>{"Docs"});
  EXPECT_EQ(esocialtest::Arquivos(s.c.pastaSalvar + "/Docs"),
            (std::vector<std::string>{".._x__y-ped-sit.xml", ".._x__y-sit.xml"}));
  EXPECT_EQ(s.ws().ConsultaLote().RetConsultaLote().Status.cdResposta, 101);
}

TEST(SoapServices, FailuresReachTheCallerWithTheirTexts) {
  const std::string semResultado =
      "<s:Envelope xmlns:s=\"http://schemas.xmlsoap.org/soap/envelope/\"><s:Body><EnviarLoteEventosResponse "
      "xmlns=\"" +
      kNsEnvio + "\"/></s:Body></s:Envelope>";
  struct Caso {
    const char* nome;
    bool consulta;  // otherwise a send
    json roteiro;   // null: nothing listens
    std::vector<std::string> semUrl;
    std::string inicio;  // of the message
    std::string contem;
    std::vector<std::string> arquivos;  // the saved files' names after the call's prefix
  } casos[] = {
      {"nothing listening", false, nullptr, {}, kErroEnvio, "127.0.0.1", {"env-lot"}},
      {"a SOAP fault with HTTP 500",
       false,
       {{kAcaoEnvio, {{"fault", "Falha interna do serviço"}}}},
       {},
       kErroEnvio + "Erro Interno: 0\r\nErro HTTP: 500\r\nURL: https://127.0.0.1:",
       "Falha interna do serviço",
       {"env-lot"}},
      {"an empty address", false, json::object(), {"EnviarLoteEventos"}, "URL não definida para: TEnvioLote", "", {}},
      {"a reply without the result element",
       false,
       {{kAcaoEnvio, {{"body", semResultado}}}},
       {},
       kErroEnvio + kSemResposta + semResultado,
       "",
       {"env-lot", "rec"}},
      {"a result without the reply's root",
       false,
       {{kAcaoEnvio, {{"body", "<outro>x</outro>"}, {"wrap", true}}}},
       {},
       kErroEnvio + kSemResposta + "<s:Envelope",
       "<EnviarLoteEventosResult><outro>x</outro></EnviarLoteEventosResult>",
       {"env-lot", "rec"}},
      {"a query reply without the result element",
       true,
       {{kAcaoConsulta, {{"body", "<s:Envelope><s:Body/></s:Envelope>"}}}},
       {},
       "\r\n" + kSemResposta + "<s:Envelope><s:Body/></s:Envelope>",
       "",
       {"ped-sit", "sit"}},
  };
  for (const Caso& k : casos) {
    SCOPED_TRACE(k.nome);
    TServicos s(k.semUrl);
    if (k.roteiro.is_null()) {
      const int porta = s.soap.peer->Port();
      s.soap.peer->Stop();
      esocialtest::ApontarServicos(s.c, "https://127.0.0.1:" + std::to_string(porta));
    } else {
      s.soap.Script(k.roteiro);
    }
    std::string msg;
    try {
      k.consulta ? s.c.eSocial->Consultar("P") : s.c.eSocial->Enviar(1);
    } catch (const dfe::ETrivoDFeException& e) {
      msg = e.what();
    }
    EXPECT_EQ(msg.substr(0, k.inicio.size()), k.inicio) << msg;
    EXPECT_NE(msg.find(k.contem), std::string::npos) << msg;
    EXPECT_EQ(s.c.eSocial->Status(), stIdle);
    // What follows the call's prefix in each file name.
    std::vector<std::string> arquivos;
    for (const std::string& n : s.Arquivos()) arquivos.push_back(n.substr(n.find('-') + 1, n.size() - n.find('-') - 5));
    EXPECT_EQ(arquivos, k.arquivos);
  }
}

// Literal content reaches the reader as it stands, so an escaped value inside a totalizer stays
// escaped in its saved file; escaped content is freed of one level of escapes and then of the
// next, as the service's decoding does (a value escaped twice comes back as its character).
TEST(SoapServices, LiteralAndEscapedRepliesReachTheRecord) {
  const std::string original = "<nrRecArqBase>1.2.0000000000249099392</nrRecArqBase>";
  std::string resposta = Amostra("retorno-processamento/s5001-1servidor.xml");
  resposta.replace(resposta.find(original), original.size(), "<nrRecArqBase>1.2.0&amp;1&lt;2</nrRecArqBase>");
  struct Caso {
    bool escapado;
    std::string valor;
  } casos[] = {
      {false, "<nrRecArqBase>1.2.0&amp;1&lt;2</nrRecArqBase>"},
      {true, "<nrRecArqBase>1.2.0&amp;1<2</nrRecArqBase>"},
  };
  for (const Caso& k : casos) {
    SCOPED_TRACE(k.escapado ? "escaped" : "literal");
    TServicos s;
    s.soap.Script({{kAcaoConsulta, {{"body", resposta}, {"wrap", true}, {"escape", k.escapado}}}});
    ASSERT_TRUE(s.c.eSocial->Consultar("1.2.201810.0000000000028967773"));
    const TConsultaLote& consulta = s.ws().ConsultaLote();
    EXPECT_EQ(consulta.RetWS().find("&lt;retornoProcessamentoLoteEventos&gt;") != std::string::npos, k.escapado);
    const TRetConsultaLote& r = consulta.RetConsultaLote();
    EXPECT_EQ(r.Status.cdResposta, 201);
    EXPECT_EQ(r.DadosRecLote.Protocolo, "1.2.201810.0000000000028967773");
    ASSERT_EQ(r.RetEventos.Count(), 1);
    EXPECT_EQ(r.RetEventos.GetItem(0).Recibo.nrRecibo, "1.2.0000000000249099392");
    ASSERT_EQ(r.RetEventos.GetItem(0).tot.Count(), 1);
    const std::string& tot = r.RetEventos.GetItem(0).tot.GetItem(0).XML;
    EXPECT_NE(tot.find(k.valor), std::string::npos) << tot;
    EXPECT_EQ(s.Arquivo(r.RetEventos.GetItem(0).Id.substr(2) + "-S5001.xml"), kDecl + tot);
  }
}

namespace {

// The component with the network replaced by OnTransmit, which answers Resposta and keeps
// what was sent.
struct TSimulado {
  esocialtest::TComponente c = esocialtest::NovoComponente();
  std::string resposta;
  std::vector<std::string> envelopes, acoes;
  TSimulado() {
    c.eSocial->Configuracoes().Geral->SetIdTransmissor("12345678000195");
    esocialtest::ApontarServicos(c, "https://127.0.0.1:1");
    c.eSocial->OnTransmit = [this](const std::string& dados, const std::string&, const std::string& acao,
                                   const std::string&, std::string& r, std::int32_t& status, std::int32_t&) {
      envelopes.push_back(dados);
      acoes.push_back(acao);
      r = resposta;
      status = 200;
    };
    EXPECT_TRUE(c.Eventos().LoadFromString(esocialtest::EventoS1000()));
  }
  std::vector<std::string> Arquivos() const {
    std::vector<std::string> nomes;
    for (const std::string& n : esocialtest::Arquivos(c.pastaSalvar))
      if (n != esocialtest::kEmpregador) nomes.push_back(n);
    return nomes;
  }
};

}  // namespace

// A log hook that takes the error lines keeps the exception back, but the call still failed.
TEST(SoapServices, AnErrorTheLogHookTookIsNoSuccess) {
  const std::pair<const char*, std::function<bool(TTrivoeSocial&)>> chamadas[] = {
      {"send", [](TTrivoeSocial& c) { return c.Enviar(1); }},
      {"batch query", [](TTrivoeSocial& c) { return c.Consultar("P"); }},
  };
  for (const auto& [nome, chamadaDoCaso] : chamadas) {
    SCOPED_TRACE(nome);
    const auto& chamada = chamadaDoCaso;  // a lambda cannot capture a structured binding under clang 14
    TSimulado s;                          // its reply is empty: no answer
    std::vector<std::string> erros;
    s.c.eSocial->OnGerarLog = [&](const std::string& linha, bool& tratado) {
      if (linha.rfind("ERRO: ", 0) != 0) return;
      erros.push_back(linha);
      tratado = true;
    };
    bool resultado = true;
    ASSERT_EQ(MessageOf([&] { resultado = chamada(*s.c.eSocial); }), kNoError);
    EXPECT_FALSE(resultado);
    ASSERT_FALSE(erros.empty());
    EXPECT_NE(erros[0].find("Erro ao obter resposta do webservice."), std::string::npos) << erros[0];
  }
}

TEST(SoapServices, TheResultElementIsFoundByItsWholeName) {
  const std::string documento = Amostra("Batch_Response.xml");
  const std::string protocolo = "1.1.202109.0000000000011111111";
  std::string duasVezes = documento;
  duasVezes.replace(duasVezes.find("Lote Recebido"), 4, "&lt;A&gt;");
  auto escapado = [](std::string t) {
    t = platform::StringReplace(t, "&", "&amp;");
    t = platform::StringReplace(t, "<", "&lt;");
    return platform::StringReplace(t, ">", "&gt;");
  };
  const std::string nsResposta = "http://www.esocial.gov.br/schema/lote/eventos/envio/retornoEnvio/v1_1_0";
  const std::string outroNs = platform::StringReplace(documento, nsResposta, nsResposta + "x");
  const std::string semNs = platform::StringReplace(documento, "xmlns=\"" + nsResposta + "\"", "");
  const std::string foraDoNs = "O elemento EnviarLoteEventosResult da resposta não está no namespace " + kNsEnvio;
  const std::string respostaForaDoNs =
      "O elemento retornoEnvioLoteEventos da resposta não está no namespace " + nsResposta;
  struct Caso {
    const char* nome;
    std::string resultado;
    std::string descResposta;  // empty: the call fails with erro
    std::string erro = "";
  } casos[] = {
      {"prefixed", "<a:EnviarLoteEventosResult>" + documento + "</a:EnviarLoteEventosResult>",
       "Lote Recebido com Sucesso."},
      {"other letter case", "<enviarloteeventosresult>" + documento + "</ENVIARLOTEEVENTOSRESULT>",
       "Lote Recebido com Sucesso."},
      {"a longer name first",
       "<EnviarLoteEventosResultado>x</EnviarLoteEventosResultado><EnviarLoteEventosResult>" + documento +
           "</EnviarLoteEventosResult>",
       "Lote Recebido com Sucesso."},
      {"line break and tab after the name",
       "<EnviarLoteEventosResult\r\n\txmlns=\"" + kNsEnvio + "\">" + documento + "</EnviarLoteEventosResult>",
       "Lote Recebido com Sucesso."},
      {"prefixed, tab after the name", "<a:EnviarLoteEventosResult\t>" + documento + "</a:EnviarLoteEventosResult>",
       "Lote Recebido com Sucesso."},
      {"escaped, with a value escaped twice",
       "<EnviarLoteEventosResult>\r\n  " + escapado(duasVezes) + "</EnviarLoteEventosResult>",
       "<A> Recebido com Sucesso."},
      // What the contract does not put there is no reply of the service.
      {"the result element in another namespace",
       "<EnviarLoteEventosResult xmlns=\"urn:x\">" + documento + "</EnviarLoteEventosResult>", "", foraDoNs},
      {"the result element under a prefix declared nowhere",
       "<b:EnviarLoteEventosResult>" + documento + "</b:EnviarLoteEventosResult>", "",
       "O elemento b:EnviarLoteEventosResult da resposta não está no namespace " + kNsEnvio},
      {"the first result element inside a comment",
       "<!-- <EnviarLoteEventosResult>" + documento + "</EnviarLoteEventosResult> --><EnviarLoteEventosResult>" +
           documento + "</EnviarLoteEventosResult>",
       "", foraDoNs},
      {"the document in another namespace", "<EnviarLoteEventosResult>" + outroNs + "</EnviarLoteEventosResult>", "",
       respostaForaDoNs},
      {"the document in the envelope's namespace", "<EnviarLoteEventosResult>" + semNs + "</EnviarLoteEventosResult>",
       "", respostaForaDoNs},
      {"the document escaped, in another namespace",
       "<EnviarLoteEventosResult>" + escapado(outroNs) + "</EnviarLoteEventosResult>", "", respostaForaDoNs},
  };
  for (const Caso& k : casos) {
    SCOPED_TRACE(k.nome);
    TSimulado s;
    s.resposta = "<s:Envelope xmlns:s=\"http://schemas.xmlsoap.org/soap/envelope/\" xmlns:a=\"" + kNsEnvio +
                 "\"><s:Body><EnviarLoteEventosResponse xmlns=\"" + kNsEnvio + "\">" + k.resultado +
                 "</EnviarLoteEventosResponse></s:Body></s:Envelope>";
    if (!k.erro.empty()) {
      EXPECT_EQ(MessageOf([&] { s.c.eSocial->Enviar(2); }), kErroEnvio + k.erro);
      continue;
    }
    ASSERT_EQ(MessageOf([&] { s.c.eSocial->Enviar(2); }), kNoError);
    const TRetEnvioLote& r = s.c.eSocial->WebServices().EnvioLote().RetEnvioLote();
    EXPECT_EQ(r.DadosRecLote.Protocolo, protocolo);
    EXPECT_EQ(r.Status.descResposta, k.descResposta);
  }
}

// Every call's files keep their own names, however many calls share a second and whatever
// files an earlier call left: here one already stands for each of the coming seconds.
TEST(SoapServices, TwoSendsInOneSecondLeaveFourFiles) {
  TSimulado s;
  s.resposta = Amostra("sped-esocial-258-EnviarLoteEventosResponse-201.xml");
  std::vector<std::string> anteriores;
  const platform::TDateTime agora = platform::Now();
  for (int i = 0; i < 60; ++i) {
    const std::string nome = platform::FormatDateTime("yyyymmddhhnnss", agora + i / 86400.0) + "-env-lot.xml";
    testsupport::WriteFile(s.c.pastaSalvar + "/" + nome, "anterior");
    anteriores.push_back(nome);
  }
  ASSERT_TRUE(s.c.eSocial->Enviar(1));
  ASSERT_TRUE(s.c.eSocial->Enviar(1));

  std::vector<std::string> novos;
  for (const std::string& n : s.Arquivos())
    if (std::find(anteriores.begin(), anteriores.end(), n) != anteriores.end())
      EXPECT_EQ(testsupport::ReadFile(s.c.pastaSalvar + "/" + n), "anterior") << n;
    else
      novos.push_back(n);
  ASSERT_EQ(novos.size(), 4u) << ::testing::PrintToString(novos);
  // Two calls, each with its request and reply under one prefix that starts with the stamp.
  std::vector<std::string> prefixos;
  for (const std::string& n : novos) {
    EXPECT_TRUE(std::regex_match(n, std::regex("[0-9]{14}_[0-9]+-(env-lot|rec)\\.xml"))) << n;
    prefixos.push_back(n.substr(0, n.find('-')));
  }
  EXPECT_EQ(prefixos[0], prefixos[1]);
  EXPECT_EQ(prefixos[2], prefixos[3]);
  EXPECT_NE(prefixos[0], prefixos[2]);
}

// The identifier query and the download: their envelopes, their signed requests (which their
// schemas took before sending), their replies read and saved.
TEST(SoapServices, IdentifierQueryAndDownload) {
  const std::string id = "ID1123456780000002025010112000000001";
  auto resultado = [](const std::string& operacao, const std::string& ns, const std::string& documento) {
    return "<s:Envelope xmlns:s=\"http://schemas.xmlsoap.org/soap/envelope/\"><s:Body><" + operacao +
           "Response xmlns=\"" + ns + "\"><" + operacao + "Result>" + documento + "</" + operacao + "Result></" +
           operacao + "Response></s:Body></s:Envelope>";
  };
  const std::string status = "<status><cdResposta>200</cdResposta><descResposta>ok</descResposta></status>";
  const std::string evento = "<eSocial xmlns=\"urn:evt\"><evtInfoEmpregador Id=\"" + id + "\"/></eSocial>";
  const std::string descarga =
      "<eSocial xmlns=\"http://www.esocial.gov.br/schema/download/solicitacao/retorno/v1_0_0\"><download>" + status +
      "<retornoSolicDownloadEvts><arquivos><arquivo>" + status + "<evt Id=\"" + id + "\">" + evento +
      "</evt><rec nrRec=\"1.1.1\"><recibo/></rec></arquivo></arquivos>"
      "</retornoSolicDownloadEvts></download></eSocial>";
  struct Caso {
    const char* nome;
    std::function<bool(TTrivoeSocial&)> chamada;
    std::string operacao, namespaceV1, involucro, resposta;
    std::vector<std::string> documentos;  // the files of the reply's documents
    std::string prefixo, arq;             // the start of the call's prefix; the reply file's part
  } casos[] = {
      {"identifiers of an employer",
       [](TTrivoeSocial& c) {
         return c.ConsultaIdentificadoresEventosEmpregador("12345678000195", teS1200, platform::EncodeDate(2024, 5, 1));
       },
       "ConsultarIdentificadoresEventosEmpregador",
       "http://www.esocial.gov.br/servicos/empregador/consulta/identificadores-eventos/v1_0_0",
       "consultaEventosEmpregador",
       "<eSocial xmlns=\"http://www.esocial.gov.br/schema/consulta/identificadores-eventos/retorno/v1_0_0\">"
       "<retornoConsultaIdentificadoresEvts>" +
           status +
           "<retornoIdentificadoresEvts><qtdeTotEvtsConsulta>1</qtdeTotEvtsConsulta><identificadoresEvts>"
           "<identificadorEvt><id>" +
           id +
           "</id><nrRec>1.1.1</nrRec></identificadorEvt></identificadoresEvts></retornoIdentificadoresEvts>"
           "</retornoConsultaIdentificadoresEvts></eSocial>",
       {id.substr(2) + "-S-120012345678000195" + "05-2024.xml"},
       "S-1200-12345678000195-05-2024-",
       "con"},
      {"download by receipt",
       [](TTrivoeSocial& c) { return c.DownloadEventos("12345678000195", "", " 1.1.1 "); },
       "SolicitarDownloadEventosPorNrRecibo",
       "http://www.esocial.gov.br/servicos/empregador/download/solicitacao/v1_0_0",
       "solicitacao",
       descarga,
       {"1.1.1-down.xml"},
       "",
       "dow"},
      // An identifier of blanks is no identifier: the operation follows the request it carries.
      {"download by receipt, the identifier blank",
       [](TTrivoeSocial& c) { return c.DownloadEventos("12345678000195", "  ", "1.1.1"); },
       "SolicitarDownloadEventosPorNrRecibo",
       "http://www.esocial.gov.br/servicos/empregador/download/solicitacao/v1_0_0",
       "solicitacao",
       descarga,
       {"1.1.1-down.xml"},
       "",
       "dow"},
  };
  for (const Caso& k : casos) {
    SCOPED_TRACE(k.nome);
    TSimulado s;
    s.resposta = resultado(k.operacao, k.namespaceV1, k.resposta);
    ASSERT_EQ(MessageOf([&] { k.chamada(*s.c.eSocial); }), kNoError);
    ASSERT_EQ(s.acoes.size(), 1u);
    EXPECT_EQ(s.acoes[0],
              k.namespaceV1 + "/Servico" + k.operacao.substr(0, k.operacao.find("Eventos") + 7) + "/" + k.operacao);
    const std::string& envelope = s.envelopes[0];
    const std::string inicio = "<soap:Envelope  xmlns:soap=\"http://schemas.xmlsoap.org/soap/envelope/\"  xmlns:v1=\"" +
                               k.namespaceV1 + "\"><soap:Body><v1:" + k.operacao + "><v1:" + k.involucro + "><eSocial";
    EXPECT_EQ(envelope.substr(0, inicio.size()), inicio) << envelope;
    const std::size_t corpo = envelope.find("<eSocial");
    const std::string pedido = envelope.substr(corpo, envelope.find("</v1:" + k.involucro) - corpo);
    std::string saida;
    EXPECT_TRUE(esocialtest::Xmlsec1Aceita(pedido, &saida)) << saida;

    std::vector<std::string> arquivos = s.Arquivos();
    for (const std::string& a : k.documentos) {
      auto it = std::find(arquivos.begin(), arquivos.end(), a);
      ASSERT_NE(it, arquivos.end()) << a;
      arquivos.erase(it);
    }
    // The request and reply files under one prefix: what the call names, then the stamp.
    ASSERT_EQ(arquivos.size(), 2u);
    const std::string prefixo = arquivos[0].substr(0, arquivos[0].size() - k.arq.size() - 5);
    EXPECT_EQ(arquivos, (std::vector<std::string>{prefixo + "-" + k.arq + ".xml", prefixo + "-ped-" + k.arq + ".xml"}));
    EXPECT_TRUE(std::regex_match(prefixo, std::regex(k.prefixo + "[0-9]{14}"))) << prefixo;
  }
}

// Values from outside stay text in the requests: the schemas refuse them, so nothing goes out,
// but the documents built from them are well formed.
TEST(SoapServices, OutsideValuesStayTextInTheRequests) {
  struct Caso {
    const char* nome;
    std::function<void(TTrivoeSocial&)> chamada;
    std::function<std::string(TTrivoeSocial&)> documento;
    std::vector<std::string> trechos;
  } casos[] = {
      {"the batch's employer and transmitter",
       [](TTrivoeSocial& c) {
         c.Configuracoes().Geral->SetTipoEmpregador(tePessoaFisica);
         c.Configuracoes().Geral->SetIdEmpregador("1<&2");
         c.Configuracoes().Geral->SetIdTransmissor("3>\"4");
         c.Enviar(1);
       },
       [](TTrivoeSocial& c) { return c.WebServices().EnvioLote().Lote().XML(); },
       {"<ideEmpregador><tpInsc>2</tpInsc><nrInsc>1&lt;&amp;2</nrInsc>", "<nrInsc>3&gt;&quot;4</nrInsc>"}},
      {"a download by identifier",
       [](TTrivoeSocial& c) { c.DownloadEventos("12345678000195", "ID<&", ""); },
       [](TTrivoeSocial& c) { return c.WebServices().DownloadEventos().DadosMsg(); },
       {"<id>ID&lt;&amp;</id>"}},
      {"a download by receipt",
       [](TTrivoeSocial& c) { c.DownloadEventos("1<&", "", "1.1<&"); },
       [](TTrivoeSocial& c) { return c.WebServices().DownloadEventos().DadosMsg(); },
       {"<nrInsc>1&lt;&amp;</nrInsc>", "<nrRec>1.1&lt;&amp;</nrRec>"}},
  };
  for (const Caso& k : casos) {
    SCOPED_TRACE(k.nome);
    TSimulado s;
    EXPECT_NE(MessageOf([&] { k.chamada(*s.c.eSocial); }), kNoError);
    EXPECT_TRUE(s.envelopes.empty());
    const std::string documento = k.documento(*s.c.eSocial);
    for (const std::string& trecho : k.trechos) EXPECT_NE(documento.find(trecho), std::string::npos) << documento;
  }
}
