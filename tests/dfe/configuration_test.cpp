#include "dfe/configuration.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/base64.h"
#include "platform/files.h"
#include "platform/xor_cipher.h"
#include "support/message_of.h"
#include "support/peer.h"

using namespace dfe;
using platform::TIniFile;
using testsupport::kNoError;
using testsupport::MessageOf;

namespace {

// Stands for the DFe component that owns a configuration.
struct Componente {
  TDFeSSL ssl;
  std::string modelo = "NFe";
  TDFeSSL& SSL() { return ssl; }
  std::string GetNomeModeloDFe() { return modelo; }
};

}  // namespace

TEST(Configuracoes, DefaultsOfEveryGroup) {
  Componente comp;
  TConfiguracoes c(&comp);
  const TGeralConf& g = *c.Geral;
  EXPECT_EQ(g.SSLLib(), libNone);
  EXPECT_EQ(g.SSLCryptLib(), cryNone);
  EXPECT_EQ(g.SSLHttpLib(), httpNone);
  EXPECT_EQ(g.SSLXmlSignLib(), xsNone);
  EXPECT_EQ(g.FormaEmissao(), teNormal);
  EXPECT_EQ(g.FormaEmissaoCodigo(), 1);
  EXPECT_TRUE(g.Salvar() && g.ExibirErroSchema() && g.RetirarAcentos() && g.RetirarEspacos() && g.ValidarDigest());
  EXPECT_FALSE(g.IdentarXML());
  EXPECT_EQ(g.FormatoAlerta(), "TAG:%TAGNIVEL% ID:%ID%/%TAG%(%DESCRICAO%) - %MSG%.");

  const TWebServicesConf& w = *c.WebServices;
  EXPECT_EQ(w.UF(), "SP");
  EXPECT_EQ(w.UFCodigo(), 35);
  EXPECT_EQ(w.Ambiente(), taHomologacao);
  EXPECT_EQ(w.AmbienteCodigo(), 2);
  EXPECT_FALSE(w.Visualizar() || w.AjustaAguardaConsultaRet() || w.Salvar() || w.TimeOutPorThread());
  EXPECT_EQ(w.ProxyHost() + w.ProxyPort() + w.ProxyUser() + w.ProxyPass(), "");
  EXPECT_EQ(w.AguardarConsultaRet(), 0u);
  EXPECT_EQ(w.Tentativas(), 5);
  EXPECT_EQ(w.IntervaloTentativas(), 1000u);
  EXPECT_EQ(w.TimeOut(), 5000);
  EXPECT_EQ(w.QuebradeLinha(), "|");
  EXPECT_EQ(w.SSLType(), LT_TLSv1_2);
  EXPECT_EQ(w.ResourceName(), "TrivoServicos");
  EXPECT_EQ(w.TimeZoneConf.ModoDeteccao, tzSistema);

  const TCertificadosConf& ce = *c.Certificados;
  EXPECT_EQ(ce.URLPFX() + ce.ArquivoPFX() + ce.DadosPFX() + ce.NumeroSerie() + ce.Senha(), "");
  EXPECT_TRUE(ce.VerificarValidade());

  TArquivosConf& a = *c.Arquivos;
  EXPECT_EQ(a.PathSalvar(), platform::ProgramFolder() + "Docs/");
  EXPECT_EQ(a.PathSchemas(), platform::ProgramFolder() + "Schemas/");
  EXPECT_EQ(a.IniServicos(), platform::ProgramFolder() + "TrivoServicos.ini");
  EXPECT_TRUE(a.Salvar());
  EXPECT_FALSE(a.AdicionarLiteral() || a.SepararPorCNPJ() || a.SepararPorIE() || a.SepararPorModelo() ||
               a.SepararPorAno() || a.SepararPorMes() || a.SepararPorDia());
  EXPECT_EQ(a.OrdenacaoPath.Count(), 0);
  EXPECT_EQ(a.DownloadDFe.PathDownload, "");
  EXPECT_EQ(c.RespTec->IdCSRT, 0);
  EXPECT_EQ(c.SessaoIni, "");
  EXPECT_EQ(c.Geral->Name(), "GeralConf");
  EXPECT_EQ(c.RespTec->Name(), "RespTecConf");

  TConfiguracoes semDono;  // no owner: the paths have no defaults
  EXPECT_EQ(semDono.Arquivos->PathSalvar(), "");
  semDono.Arquivos->SetPathSalvar("  /tmp/x ");
  EXPECT_EQ(semDono.Arquivos->PathSalvar(), "/tmp/x/");
}

TEST(Configuracoes, SettersNormaliseTheirValues) {
  TConfiguracoes c;
  auto& w = *c.WebServices;
  w.SetUF("sp");
  EXPECT_EQ(w.UF(), "SP");
  w.SetUF("RJ");
  EXPECT_EQ(w.UFCodigo(), 33);
  w.SetUF("XX");
  EXPECT_EQ(w.UF(), "RJ");
  w.SetTentativas(0);
  EXPECT_EQ(w.Tentativas(), 5);
  w.SetIntervaloTentativas(10);
  EXPECT_EQ(w.IntervaloTentativas(), 1000u);
  c.Geral->SetFormatoAlerta("sem campos");
  EXPECT_EQ(c.Geral->FormatoAlerta(), "TAG:%TAGNIVEL% ID:%ID%/%TAG%(%DESCRICAO%) - %MSG%.");
  c.Geral->SetFormatoAlerta("%MSG%!");
  EXPECT_EQ(c.Geral->FormatoAlerta(), "%MSG%!");
  auto& a = *c.Arquivos;
  a.SetSepararPorDia(true);
  EXPECT_TRUE(a.SepararPorMes());
  a.SetSepararPorMes(false);
  EXPECT_FALSE(a.SepararPorDia());
  c.Certificados->SetNumeroSerie(" 0a 1b2C ");
  EXPECT_EQ(c.Certificados->NumeroSerie(), "0A1B2C");
  c.Certificados->SetSenha("segredo");
  EXPECT_EQ(c.Certificados->Senha(), "segredo");
}

TEST(Configuracoes, SettingsArePushedIntoTheFacade) {
  Componente comp;
  TConfiguracoes c(&comp);
  TDFeSSL& ssl = comp.ssl;
  auto& w = *c.WebServices;
  w.SetProxyHost("proxy");
  w.SetProxyPort("3128");
  w.SetProxyUser("u");
  w.SetProxyPass("p");
  w.SetTimeOut(1234);
  w.SetTimeOutPorThread(true);
  w.SetSSLType(LT_TLSv1_3);
  EXPECT_EQ(ssl.ProxyHost + ssl.ProxyPort + ssl.ProxyUser + ssl.ProxyPass, "proxy3128up");
  EXPECT_EQ(ssl.TimeOut, 1234);
  EXPECT_TRUE(ssl.TimeOutPorThread);
  EXPECT_EQ(ssl.SSLType(), LT_TLSv1_3);
  auto& ce = *c.Certificados;
  ce.SetNumeroSerie("ab cd");
  EXPECT_EQ(ssl.NumeroSerie(), "ABCD");
  ce.SetSenha("1234");
  EXPECT_EQ(ssl.Senha(), "1234");
  ce.SetDadosPFX("pfx");
  EXPECT_EQ(ssl.DadosPFX(), "pfx");

  // Library sets and their recomputation.
  auto& g = *c.Geral;
  g.SetSSLLib(libOpenSSL);
  EXPECT_EQ(ssl.SSLCryptLib(), cryOpenSSL);
  EXPECT_EQ(ssl.SSLHttpLib(), httpOpenSSL);
  EXPECT_EQ(ssl.SSLXmlSignLib(), xsLibXml2);
  g.SetSSLHttpLib(httpWinHttp);
  EXPECT_EQ(g.SSLLib(), libCustom);
  g.SetSSLHttpLib(httpOpenSSL);
  EXPECT_EQ(g.SSLLib(), libOpenSSL);
  g.SetSSLLib(libCustom);
  EXPECT_EQ(g.SSLLib(), libCustom);
  EXPECT_EQ(g.SSLCryptLib(), cryOpenSSL);
  g.SetSSLLib(libNone);
  EXPECT_EQ(ssl.SSLHttpLib(), httpNone);

  // A library the facade refuses leaves the configuration as it was.
  EXPECT_NE(MessageOf([&] { g.SetSSLXmlSignLib(xsMsXml); }), kNoError);
  EXPECT_EQ(g.SSLXmlSignLib(), xsNone);
  EXPECT_NE(MessageOf([&] { g.SetSSLLib(libCapicom); }), kNoError);
  EXPECT_EQ(g.SSLLib(), libNone);
  EXPECT_EQ(g.SSLCryptLib(), cryNone);
}

TEST(Configuracoes, IniRoundTripWithAndWithoutSection) {
  Componente comp;
  auto escrever = [&](TConfiguracoes& c) {
    c.Geral->SetSSLLib(libOpenSSL);
    c.Geral->SetFormaEmissao(teContingencia);
    c.Geral->SetSalvar(false);
    c.Geral->SetIdentarXML(true);
    auto& w = *c.WebServices;
    w.SetUF("MG");
    w.SetAmbiente(taProducao);
    w.SetProxyHost("proxy.local");
    w.SetProxyPort("8080");
    w.SetProxyUser("usuario");
    w.SetProxyPass("senha-proxy");
    w.SetTimeOut(7000);
    w.SetTentativas(9);
    w.SetIntervaloTentativas(2500);
    w.SetSalvar(true);
    w.SetSSLType(LT_TLSv1_1);
    w.SetQuebradeLinha(";");
    w.TimeZoneConf.ModoDeteccao = tzManual;
    w.TimeZoneConf.TimeZoneStr = "-03:00";
    auto& ce = *c.Certificados;
    ce.SetArquivoPFX("/tmp/cert.pfx");
    ce.SetDadosPFX(std::string("\x30\x82\x00\xff", 4));
    ce.SetSenha("1234");
    ce.SetVerificarValidade(false);
    auto& a = *c.Arquivos;
    a.SetPathSalvar("/tmp/salvar");
    a.SetSepararPorCNPJ(true);
    a.SetSepararPorDia(true);
    a.DownloadDFe.PathDownload = "/tmp/down";
    c.RespTec->IdCSRT = 3;
    c.RespTec->CSRT = "abc";
  };

  TConfiguracoes semSecao(&comp);
  escrever(semSecao);
  TIniFile ini;
  semSecao.GravarIni(ini);
  EXPECT_EQ(ini.ReadSections(), (std::vector<std::string>{"DFe", "Proxy"}));
  EXPECT_EQ(ini.ReadString("DFe", "Senha", ""), platform::Base64Encode("1234"));  // no key: plain Base64
  EXPECT_EQ(ini.ReadString("Proxy", "Senha", ""),
            platform::Base64Encode(platform::XorComChaveCiclica("senha-proxy", "proxy.local")));
  {  // read back without a section: the shared keys arrive, the section's settings keep their values
    Componente outro;
    TConfiguracoes lido(&outro);
    lido.LerIni(ini);
    EXPECT_EQ(lido.Geral->SSLLib(), libOpenSSL);
    EXPECT_EQ(lido.WebServices->UF(), "MG");
    EXPECT_EQ(lido.WebServices->ProxyPass(), "senha-proxy");
    EXPECT_EQ(outro.ssl.ProxyHost, "proxy.local");
    EXPECT_EQ(lido.Certificados->Senha(), "1234");
    EXPECT_EQ(lido.Certificados->DadosPFX(), std::string("\x30\x82\x00\xff", 4));
    EXPECT_EQ(lido.WebServices->TimeOut(), 5000);
    EXPECT_EQ(lido.WebServices->Ambiente(), taHomologacao);
    EXPECT_TRUE(lido.Geral->Salvar());
    EXPECT_EQ(lido.Arquivos->PathSalvar(), platform::ProgramFolder() + "Docs/");
    EXPECT_EQ(lido.RespTec->IdCSRT, 0);
  }

  for (const char* chave : {"", "k3y"}) {
    Componente comp1, comp2;
    TConfiguracoes a(&comp1), b(&comp2);
    a.SessaoIni = b.SessaoIni = "Sessao";
    a.ChaveCryptINI = b.ChaveCryptINI = chave;
    escrever(a);
    TIniFile f;
    a.GravarIni(f);
    std::string dir = testsupport::MakeTempDir("conf");
    f.SaveToFile(dir + "/c.ini");
    TIniFile lido(dir + "/c.ini");
    b.LerIni(lido);
    EXPECT_EQ(b.Geral->SSLLib(), libOpenSSL);
    EXPECT_EQ(comp2.ssl.SSLHttpLib(), httpOpenSSL);  // read through the setters
    EXPECT_EQ(b.Geral->FormaEmissao(), teContingencia);
    EXPECT_FALSE(b.Geral->Salvar());
    EXPECT_TRUE(b.Geral->IdentarXML());
    EXPECT_EQ(b.WebServices->UF(), "MG");
    EXPECT_EQ(b.WebServices->UFCodigo(), 31);
    EXPECT_EQ(b.WebServices->Ambiente(), taProducao);
    EXPECT_EQ(b.WebServices->ProxyPass(), "senha-proxy");
    EXPECT_EQ(comp2.ssl.ProxyPass, "senha-proxy");
    EXPECT_EQ(b.WebServices->TimeOut(), 7000);
    EXPECT_EQ(b.WebServices->Tentativas(), 9);
    EXPECT_EQ(b.WebServices->IntervaloTentativas(), 2500u);
    EXPECT_TRUE(b.WebServices->Salvar());
    EXPECT_EQ(b.WebServices->SSLType(), LT_TLSv1_1);
    EXPECT_EQ(b.WebServices->QuebradeLinha(), ";");
    EXPECT_EQ(b.WebServices->TimeZoneConf.TimeZoneStr, "-03:00");
    EXPECT_EQ(b.WebServices->TimeZoneConf.ModoDeteccao, tzManual);
    EXPECT_EQ(b.Certificados->ArquivoPFX(), "/tmp/cert.pfx");
    EXPECT_EQ(b.Certificados->DadosPFX(), std::string("\x30\x82\x00\xff", 4));
    EXPECT_EQ(b.Certificados->Senha(), "1234");
    EXPECT_FALSE(b.Certificados->VerificarValidade());
    EXPECT_EQ(b.Arquivos->PathSalvar(), "/tmp/salvar/");
    EXPECT_TRUE(b.Arquivos->SepararPorCNPJ());
    EXPECT_TRUE(b.Arquivos->SepararPorDia());
    EXPECT_TRUE(b.Arquivos->SepararPorMes());
    EXPECT_EQ(b.Arquivos->DownloadDFe.PathDownload, "/tmp/down");
    EXPECT_EQ(b.RespTec->IdCSRT, 3);
    EXPECT_EQ(b.RespTec->CSRT, "abc");
    // What was read writes back key for key, in the same order.
    TIniFile deNovo;
    b.GravarIni(deNovo);
    EXPECT_EQ(deNovo.ToText(), f.ToText());
    if (*chave) {
      EXPECT_NE(f.ReadString("DFe", "Senha", ""), platform::Base64Encode("1234"));
    }
  }

  // A missing key keeps the current value.
  TConfiguracoes c(&comp);
  c.WebServices->SetTimeOut(4321);
  TIniFile vazio;
  c.LerIni(vazio);
  EXPECT_EQ(c.WebServices->TimeOut(), 4321);
}

TEST(Configuracoes, AssignCopiesEveryGroupThroughTheSetters) {
  Componente c1, c2;
  TConfiguracoes a(&c1), b(&c2);
  a.WebServices->SetProxyHost("p");
  a.Certificados->SetNumeroSerie("01");
  a.Arquivos->OrdenacaoPath.Add().Item = opModelo;
  b.Arquivos->OrdenacaoPath.Add().Item = opCNPJ;
  b.Assign(a);
  EXPECT_EQ(c2.ssl.ProxyHost, "p");
  EXPECT_EQ(c2.ssl.NumeroSerie(), "01");
  ASSERT_EQ(b.Arquivos->OrdenacaoPath.Count(), 1);
  EXPECT_EQ(b.Arquivos->OrdenacaoPath.Items(0).Item, opModelo);
  EXPECT_EQ(b.Arquivos->OrdenacaoPath.Items(0).GetDisplayName(), "Modelo");
}

TEST(Configuracoes, DocumentFolders) {
  std::string dir = testsupport::MakeTempDir("pastas");
  Componente comp;
  comp.ssl.SetSSLCryptLib(cryOpenSSL);
  comp.ssl.SetDadosPFX(testsupport::ReadFile(testsupport::PkiDir() + "/client.p12"));
  comp.ssl.SetSenha("1234");
  platform::TDateTime data = 0;
  ASSERT_TRUE(platform::TryEncodeDate(2025, 3, 7, data));

  {  // the CNPJ from the certificate, then the order fixed by the first call
    TConfiguracoes c(&comp);
    c.Arquivos->SetPathSalvar(dir);
    c.Arquivos->SetSepararPorCNPJ(true);
    EXPECT_EQ(c.Arquivos->GetPath("", "", "", "", data), dir + "/12345678000195");
    EXPECT_TRUE(std::filesystem::is_directory(dir + "/12345678000195"));
    c.Arquivos->SetSepararPorModelo(true);
    EXPECT_EQ(c.Arquivos->GetPath("", "", "11.222.333/0001-81", "", data), dir + "/11222333000181");
  }
  struct Caso {
    bool ano, mes, dia, literal, modelo;
    const char* base;
    const char* literalTexto;
    const char* esperado;
  };
  const Caso casos[] = {
      {false, false, true, false, false, "", "", "/202503/07"},
      {true, true, true, false, false, "", "", "/2025/03/07"},
      {true, false, false, false, false, "", "", "/2025"},
      {false, false, false, true, false, "/Down", "Down", "/Down"},  // the base already ends with it
      {false, false, false, true, false, "/x", "Down", "/x/Down"},
      {false, false, false, false, true, "", "", "/NFe"},     // the owner's model name
      {false, false, false, false, false, "/y/", "", "/y/"},  // nothing added: the base unchanged
  };
  for (const auto& k : casos) {
    TConfiguracoes c(&comp);
    c.Arquivos->SetPathSalvar(dir);
    c.Arquivos->SetSepararPorAno(k.ano);
    c.Arquivos->SetSepararPorMes(k.mes);
    c.Arquivos->SetSepararPorDia(k.dia);
    c.Arquivos->SetAdicionarLiteral(k.literal);
    c.Arquivos->SetSepararPorModelo(k.modelo);
    std::string base = *k.base ? dir + k.base : "";
    EXPECT_EQ(c.Arquivos->GetPath(base, k.literalTexto, "", "", data), dir + k.esperado) << k.esperado;
  }
  TConfiguracoes c(&comp);
  c.Arquivos->SetPathSalvar(dir);
  EXPECT_EQ(c.Arquivos->GetPathDownload("Empresa X/Y", "", "", data), dir + "/");
  c.Arquivos->DownloadDFe.SepararPorNome = true;
  c.Arquivos->SetAdicionarLiteral(true);
  EXPECT_EQ(c.Arquivos->GetPathDownload("Empresa X/Y", "", "", data), dir + "/EmpresaXY/Down");
  // The event folder: the literal "Evento", then the event type's text as a part of its own.
  std::string evento = c.Arquivos->GetPathDownloadEvento(teCCe, "Empresa X/Y", "", "", data);
  EXPECT_EQ(evento, dir + "/EmpresaXY/Evento/" + TipoEventoDFeToStr(teCCe));
  EXPECT_TRUE(std::filesystem::is_directory(evento));
}

TEST(Configuracoes, ServicesParams) {
  std::string dir = testsupport::MakeTempDir("params");
  Componente comp;
  TConfiguracoes c(&comp);
  EXPECT_EQ(MessageOf([&] { c.LerParams(dir + "/nada.ini"); }),
            "Arquivo de Parâmetro não encontrado: " + dir + "/nada.ini");
  testsupport::WriteFile(dir + "/p.ini", "[A]\r\nx=1\r\n");
  c.LerParams(dir + "/p.ini");
  EXPECT_EQ(c.WebServices->Params, (std::vector<std::string>{"[A]", "x=1"}));

  // The services INI file of the configured name (found ignoring letter case), else the
  // compiled-in text of the resource.
  c.Arquivos->SetIniServicos(dir + "/TrivoServicos.ini");
  DefinirLeitorRecurso([](std::string_view nome) { return "[" + std::string(nome) + "]\nembutido=1\n"; });
  c.WebServices->LerParams();
  EXPECT_EQ(c.WebServices->Params, (std::vector<std::string>{"[TrivoServicos]", "embutido=1"}));
  testsupport::WriteFile(dir + "/trivoservicos.INI", "[Arquivo]\n");
  c.WebServices->LerParams();
  EXPECT_EQ(c.WebServices->Params, (std::vector<std::string>{"[Arquivo]"}));
  DefinirLeitorRecurso(nullptr);
}
