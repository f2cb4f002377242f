// The eSocial component: its defaults, the services INI it carries and the one in the
// program's folder, its schema names and version texts, its status while a call runs, and
// building a batch without sending it.
#include "esocial/trivo_esocial.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "dfe/exceptions.h"
#include "dfe/services_ini.h"
#include "esocial/event_container.h"
#include "esocial/web_services.h"
#include "platform/files.h"
#include "platform/strings.h"
#include "support/esocial/esocial_test_support.h"
#include "support/message_of.h"
#include "support/peer.h"

using namespace esocial;
using testsupport::kNoError;
using testsupport::MessageOf;

namespace {

std::string Endereco(TTrivoeSocial& c, TLayOut servico, double* versao = nullptr) {
  double v = 0;
  std::string url;
  c.LerServicoDeParams(servico, v, url);
  if (versao) *versao = v;
  return url;
}

}  // namespace

TEST(TrivoeSocial, ANewComponent) {
  auto c = dfe::TTrivoDFe::Criar<TTrivoeSocial>();
  EXPECT_EQ(c->SSL().SSLDgst(), dfe::dgstSHA256);
  EXPECT_EQ(c->Eventos().Count(), 0);
  EXPECT_EQ(c->Status(), stIdle);
  EXPECT_EQ(c->Configuracoes().Geral->VersaoDF(), veS01_02_00);
  EXPECT_EQ(c->Configuracoes().WebServices->Ambiente(), dfe::taHomologacao);
  EXPECT_EQ(c->GetNameSpaceURI(), " http://www.esocial.gov.br/servicos/empregador/lote/eventos/envio/v1_1_0");
  EXPECT_EQ(c->WebServices().EnvioLote().Status(), stEnvLoteEventos);
  EXPECT_EQ(&c->WebServices().TrivoeSocial(), c.get());
}

// The addresses the component carries, by environment; the version comes back as the layout's.
TEST(TrivoeSocial, TheCarriedServicesIniBySection) {
  const std::string restrita = "https://webservices.producaorestrita.esocial.gov.br/servicos/empregador/";
  struct Caso {
    dfe::TpcnTipoAmbiente ambiente;
    TLayOut servico;
    std::string url;
  } casos[] = {
      {dfe::taHomologacao, LayEnvioLoteEventos, restrita + "enviarloteeventos/WsEnviarLoteEventos.svc"},
      {dfe::taHomologacao, LayConsultaLoteEventos, restrita + "consultarloteeventos/WsConsultarLoteEventos.svc"},
      {dfe::taHomologacao, LayConsultaIdentEventos, restrita + "dwlcirurgico/WsConsultarIdentificadoresEventos.svc"},
      {dfe::taHomologacao, LayDownloadEventos, restrita + "dwlcirurgico/WsSolicitarDownloadEventos.svc"},
      {dfe::taProducao, LayEnvioLoteEventos,
       "https://webservices.envio.esocial.gov.br/servicos/empregador/enviarloteeventos/WsEnviarLoteEventos.svc"},
      {dfe::taProducao, LayConsultaLoteEventos,
       "https://webservices.consulta.esocial.gov.br/servicos/empregador/consultarloteeventos/"
       "WsConsultarLoteEventos.svc"},
      {dfe::taProducao, LayConsultaIdentEventos,
       "https://webservices.download.esocial.gov.br/servicos/empregador/dwlcirurgico/"
       "WsConsultarIdentificadoresEventos.svc"},
      {dfe::taProducao, LayDownloadEventos,
       "https://webservices.download.esocial.gov.br/servicos/empregador/dwlcirurgico/WsSolicitarDownloadEventos.svc"},
  };
  for (const Caso& k : casos) {
    auto c = dfe::TTrivoDFe::Criar<TTrivoeSocial>();
    // Not the file in the program's folder, which another test writes.
    c->Configuracoes().Arquivos->SetIniServicos(testsupport::MakeTempDir("nembo-ini") + "/nenhum.ini");
    c->Configuracoes().WebServices->SetAmbiente(k.ambiente);
    c->Configuracoes().Geral->SetVersaoDF(veS01_03_00);
    double versao = 0;
    EXPECT_EQ(Endereco(*c, k.servico, &versao), k.url);
    EXPECT_DOUBLE_EQ(versao, 10.3);
  }

  const std::string texto = dfe::EmbeddedServicesIni(kRecursoServicoseSocial);
  EXPECT_EQ(texto.substr(0, texto.find("\r\n")), ";;;;;;;;;;;;;; ENDERECOS DO eSocial ;;;;;;;;;;;;;;;;");
  EXPECT_EQ(platform::StringReplace(texto, "\r\n", "").find('\n'), std::string::npos);
  EXPECT_FALSE(platform::EndsText("\n", texto));
}

TEST(TrivoeSocial, AServicesIniInTheProgramsFolderReplacesTheCarriedOne) {
  // Gone again when the test ends, however it ends.
  struct TArquivoTemporario {
    std::string nome = platform::ProgramFolder() + kRecursoServicoseSocial + ".ini";
    ~TArquivoTemporario() { std::filesystem::remove(nome); }
  } arquivo;
  testsupport::WriteFile(arquivo.nome, "[eSocial_H]\r\nEnviarLoteEventos=https://127.0.0.1:9/envio\r\n");
  auto c = dfe::TTrivoDFe::Criar<TTrivoeSocial>();
  EXPECT_EQ(Endereco(*c, LayEnvioLoteEventos), "https://127.0.0.1:9/envio");
  // A key the file lacks gives no address, and the call stops there.
  EXPECT_EQ(Endereco(*c, LayConsultaLoteEventos), "");
  EXPECT_EQ(MessageOf([&] { c->Consultar("1"); }), "URL não definida para: TConsultaLote");
}

TEST(TrivoeSocial, SchemaNamesAndVersionTexts) {
  auto c = dfe::TTrivoDFe::Criar<TTrivoeSocial>();
  const std::pair<const char*, const char*> schemas[] = {
      {"consultarloteeventos", "ConsultaLoteEventos"},
      {"EnviarLoteEventos", "EnvioLoteEventos"},
      {"ConsultarIdentificadoresEventos", "ConsultaIdentEventos"},
      {"DownloadEventos", "DownloadEventos"},
      {"EnviarLote", ""},
  };
  for (const auto& [servico, schema] : schemas) EXPECT_EQ(c->NomeSchemaDoServico(servico), schema) << servico;

  const std::pair<double, const char*> versoes[] = {
      {2.0401, "2_0_4"}, {2.05, "2_0_5"}, {10.0, "_S_01_0_0"}, {10.3, "_S_01_3_0"}, {0, ""}, {-1, ""},
  };
  for (const auto& [numero, texto] : versoes) EXPECT_EQ(c->VersaoNumeroParaTexto(numero), texto) << numero;
  const std::pair<const char*, double> textos[] = {{"2_0_4", 2.04}, {"1", 1.0}, {"", 0}, {"1_2_3_4", 1.23}, {"x", 0}};
  for (const auto& [texto, numero] : textos) EXPECT_DOUBLE_EQ(c->VersaoTextoParaNumero(texto), numero) << texto;
}

TEST(TrivoeSocial, StatusWhileACallRunsAndAfterIt) {
  auto c = esocialtest::NovoComponente();
  c.eSocial->Configuracoes().Geral->SetIdTransmissor("12345678000195");
  esocialtest::ApontarServicos(c, "https://127.0.0.1:1");
  ASSERT_TRUE(c.Eventos().LoadFromString(esocialtest::EventoS1000()));
  std::vector<TStatusTrivoeSocial> mudancas;
  c.eSocial->OnStatusChange = [&](dfe::TTrivoDFe*) { mudancas.push_back(c.eSocial->Status()); };

  c.eSocial->SetStatus(stIdle);
  EXPECT_TRUE(mudancas.empty());
  c.eSocial->SetStatus(stDownloadEvt);
  c.eSocial->SetStatus(stDownloadEvt);
  c.eSocial->SetStatus(stIdle);
  EXPECT_EQ(mudancas, (std::vector<TStatusTrivoeSocial>{stDownloadEvt, stIdle}));

  struct Caso {
    bool consulta;
    bool falha;
    TStatusTrivoeSocial durante;
  } casos[] = {{false, false, stEnvLoteEventos}, {false, true, stEnvLoteEventos}, {true, true, stConsultaLote}};
  for (const Caso& k : casos) {
    mudancas.clear();
    std::vector<TStatusTrivoeSocial> durante;
    c.eSocial->OnTransmit = [&](const std::string&, const std::string&, const std::string&, const std::string&,
                                std::string&, std::int32_t&, std::int32_t& interno) {
      durante.push_back(c.eSocial->Status());
      if (k.falha) interno = 12029;
    };
    // Without a failure the reply is empty, which is no answer either.
    EXPECT_NE(MessageOf([&] { k.consulta ? c.eSocial->Consultar("P") : c.eSocial->Enviar(1); }), kNoError);
    EXPECT_EQ(durante, std::vector<TStatusTrivoeSocial>{k.durante});
    EXPECT_EQ(mudancas, (std::vector<TStatusTrivoeSocial>{k.durante, stIdle}));
    EXPECT_EQ(c.eSocial->Status(), stIdle);
  }
}

TEST(TrivoeSocial, GerarLoteBuildsAndSavesWithoutSending) {
  auto c = esocialtest::NovoComponente();
  auto& conf = c.eSocial->Configuracoes();
  conf.Geral->SetIdTransmissor("12345678000195");
  conf.WebServices->SetSalvar(true);
  ASSERT_TRUE(c.Eventos().LoadFromString(esocialtest::EventoS3000()));
  int envios = 0;
  c.eSocial->OnTransmit = [&](const std::string&, const std::string&, const std::string&, const std::string&,
                              std::string&, std::int32_t&, std::int32_t&) { ++envios; };

  ASSERT_TRUE(c.eSocial->GerarLote(2, true));
  EXPECT_EQ(envios, 0);
  const TEnvioLote& envio = c.eSocial->WebServices().EnvioLote();
  EXPECT_NE(envio.DadosMsg().find("<envioLoteEventos grupo=\"2\">"), std::string::npos);
  EXPECT_NE(envio.EnvelopeSoap().find("<v1:EnviarLoteEventos><v1:loteEventos>" + envio.DadosMsg()), std::string::npos);
  std::vector<std::string> arquivos = esocialtest::Arquivos(c.pastaSalvar);
  arquivos.erase(std::remove(arquivos.begin(), arquivos.end(), esocialtest::kEmpregador), arquivos.end());
  ASSERT_EQ(arquivos.size(), 2u);
  EXPECT_TRUE(platform::EndsText("-env-lot-soap.xml", arquivos[0])) << arquivos[0];
  EXPECT_TRUE(platform::EndsText("-env-lot.xml", arquivos[1])) << arquivos[1];
  EXPECT_EQ(testsupport::ReadFile(c.pastaSalvar + "/" + arquivos[0]),
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>" + envio.EnvelopeSoap());

  // Without saving nothing more is written; an invalid batch raises with the send's text.
  ASSERT_TRUE(c.eSocial->GerarLote(2, false));
  EXPECT_EQ(esocialtest::Arquivos(c.pastaSalvar).size(), 3u);
  conf.Geral->SetIdTransmissor("");
  const std::string msg = MessageOf([&] { c.eSocial->GerarLote(2, true); });
  EXPECT_NE(msg.find("- Inativo ou Inoperante tente novamente.\r\nHouve erro na validação do Lote: "),
            std::string::npos)
      << msg;
  EXPECT_EQ(envios, 0);
}
