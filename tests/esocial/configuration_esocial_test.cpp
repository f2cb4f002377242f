#include "esocial/configuration_esocial.h"

#include <gtest/gtest.h>

#include "platform/files.h"
#include "support/peer.h"

using namespace esocial;
using platform::TIniFile;

namespace {

struct Componente {
  dfe::TDFeSSL ssl;
  dfe::TDFeSSL& SSL() { return ssl; }
  std::string GetNomeModeloDFe() { return "eSocial"; }
};

}  // namespace

TEST(ConfiguracoeseSocial, Defaults) {
  Componente comp;
  TConfiguracoeseSocial c(&comp);
  EXPECT_EQ(c.SessaoIni, "eSocial");
  EXPECT_EQ(c.WebServices->ResourceName(), "TrivoeSocialServicos");
  EXPECT_EQ(c.Arquivos->IniServicos(), platform::ProgramFolder() + "TrivoeSocialServicos.ini");
  EXPECT_EQ(c.Geral->VersaoDF(), veS01_02_00);
  EXPECT_EQ(c.Geral->TipoEmpregador(), tePessoaJuridica);
  EXPECT_EQ(c.Geral->IdEmpregador() + c.Geral->IdTransmissor(), "");
  EXPECT_FALSE(c.Arquivos->EmissaoPatheSocial());
  EXPECT_EQ(c.Arquivos->PatheSocial(), "");
  // The base view reaches the same groups.
  dfe::TConfiguracoes& base = c;
  EXPECT_EQ(base.Geral.get(), c.Geral);
  EXPECT_EQ(base.Arquivos.get(), c.Arquivos);
  EXPECT_EQ(base.Geral->Name(), "GeralConf");
}

TEST(ConfiguracoeseSocial, IniKeysAfterTheBaseOnes) {
  Componente comp;
  TConfiguracoeseSocial c(&comp);
  TIniFile ini;
  ini.LoadFromText("[eSocial]\nVersaoDF=6\nTipoEmpregador=99\n");
  c.SetName("x");
  c.Geral->SetIdEmpregador("12345678");
  c.LerIni(ini);
  EXPECT_EQ(c.Geral->VersaoDF(), veS01_03_00);
  EXPECT_EQ(static_cast<int>(c.Geral->TipoEmpregador()), 99);  // kept as read
  EXPECT_EQ(c.Geral->IdEmpregador(), "12345678");              // missing key: current value

  c.Geral->SetTipoEmpregador(teOrgaoPublico);
  c.Geral->SetIdTransmissor("12345678000195");
  c.Arquivos->SetEmissaoPatheSocial(true);
  c.Arquivos->SetPatheSocial("/tmp/es");
  TIniFile out;
  c.GravarIni(out);
  auto keys = out.ReadSection("eSocial");
  ASSERT_GE(keys.size(), 6u);
  EXPECT_EQ(std::vector<std::string>(keys.begin(), keys.begin() + 1), std::vector<std::string>{"FormaEmissao"});
  auto pos = [&](const std::string& k) { return std::find(keys.begin(), keys.end(), k) - keys.begin(); };
  EXPECT_LT(pos("FormatoAlerta"), pos("VersaoDF"));
  EXPECT_EQ(pos("IdTransmissor"), pos("VersaoDF") + 1);
  EXPECT_EQ(pos("IdEmpregador"), pos("VersaoDF") + 2);
  EXPECT_EQ(pos("TipoEmpregador"), pos("VersaoDF") + 3);
  EXPECT_LT(pos("Download.SepararPorNome"), pos("EmissaoPatheSocial"));

  Componente comp2;
  TConfiguracoeseSocial d(&comp2);
  d.LerIni(out);
  EXPECT_EQ(d.Geral->VersaoDF(), veS01_03_00);
  EXPECT_EQ(d.Geral->TipoEmpregador(), teOrgaoPublico);
  EXPECT_EQ(d.Geral->IdTransmissor(), "12345678000195");
  EXPECT_EQ(d.Geral->IdEmpregador(), "12345678");
  EXPECT_TRUE(d.Arquivos->EmissaoPatheSocial());
  EXPECT_EQ(d.Arquivos->PatheSocial(), "/tmp/es");
}

TEST(ConfiguracoeseSocial, AssignAndEventFolder) {
  std::string dir = testsupport::MakeTempDir("esocial-conf");
  Componente c1, c2;
  TConfiguracoeseSocial a(&c1), b(&c2);
  a.Geral->SetVersaoDF(veS01_03_00);
  a.Geral->SetIdEmpregador("12345678");
  a.Arquivos->SetPathSalvar(dir);
  a.Arquivos->SetSepararPorCNPJ(true);
  a.WebServices->SetProxyHost("p");
  a.RespTec->CSRT = "nao copiado";
  a.SessaoIni = "Outra";
  b.Assign(a);
  EXPECT_EQ(b.Geral->VersaoDF(), veS01_03_00);
  EXPECT_EQ(b.Geral->IdEmpregador(), "12345678");
  EXPECT_EQ(c2.ssl.ProxyHost, "p");
  EXPECT_EQ(b.RespTec->CSRT, "");
  EXPECT_EQ(b.SessaoIni, "eSocial");

  EXPECT_EQ(b.Arquivos->GetPatheSocial(0, "12.345.678/0001-95"), dir + "/12345678000195");
  Componente c3;
  TConfiguracoeseSocial e(&c3);
  e.Arquivos->SetPathSalvar(dir);
  e.Arquivos->SetPatheSocial(dir + "/eventos");
  e.Arquivos->SetAdicionarLiteral(true);
  e.Arquivos->SetSepararPorModelo(true);
  EXPECT_EQ(e.Arquivos->GetPatheSocial(0, ""), dir + "/eventos/eSocial");
  EXPECT_TRUE(std::filesystem::is_directory(dir + "/eventos/eSocial"));
}
