#include "platform/ini.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "support/peer.h"

using platform::TIniFile;

TEST(Ini, CaseInsensitiveNamesKeepFileOrder) {
  TIniFile ini;
  ini.LoadFromText("; comment\r\n[DFe]\r\nUF = RJ\r\nSenha=abc=\r\n\r\n[Proxy]\nServidor=p\n[dfe]\nuf=SP\nNovo=1\n");
  EXPECT_EQ(ini.ReadSections(), (std::vector<std::string>{"DFe", "Proxy"}));
  EXPECT_EQ(ini.ReadString("DFE", "uF", "x"), "SP");  // a repeated section merges, later value wins
  EXPECT_EQ(ini.ReadString("dfe", "SENHA", "x"), "abc=");
  EXPECT_EQ(ini.ReadSection("DFe"), (std::vector<std::string>{"UF", "Senha", "Novo"}));
  ini.WriteString("proxy", "SERVIDOR", "q");
  ini.WriteString("Novo", "k", "v");
  EXPECT_EQ(ini.ToText(), "[DFe]\nUF=SP\nSenha=abc=\nNovo=1\n\n[Proxy]\nServidor=q\n\n[Novo]\nk=v\n");
  ini.DeleteKey("dfe", "senha");
  ini.EraseSection("PROXY");
  EXPECT_FALSE(ini.ValueExists("DFe", "Senha"));
  EXPECT_FALSE(ini.SectionExists("Proxy"));
  EXPECT_EQ(ini.ReadString("Proxy", "Servidor", "def"), "def");
}

TEST(Ini, TypedValuesAndDefaults) {
  TIniFile ini;
  ini.LoadFromText("[s]\nn=-42\nbad=4x\nt=true\nf=0\nnum=7\nword=yes\nr=1,5\n");
  EXPECT_EQ(ini.ReadInteger("s", "n", 0), -42);
  EXPECT_EQ(ini.ReadInteger("s", "bad", 9), 9);
  EXPECT_EQ(ini.ReadInteger("s", "none", 3), 3);
  EXPECT_TRUE(ini.ReadBool("s", "t", false));
  EXPECT_FALSE(ini.ReadBool("s", "f", true));
  EXPECT_TRUE(ini.ReadBool("s", "num", false));
  EXPECT_TRUE(ini.ReadBool("s", "word", true));
  EXPECT_FALSE(ini.ReadBool("s", "word", false));
  EXPECT_DOUBLE_EQ(ini.ReadFloat("s", "r", 0), 1.5);
  ini.WriteFloat("s", "pi", 0.1 + 0.2);
  EXPECT_EQ(ini.ReadFloat("s", "pi", 0), 0.1 + 0.2);
  ini.WriteBool("s", "b", true);
  EXPECT_EQ(ini.ReadString("s", "b", ""), "1");
}

TEST(Ini, RefusesTextThatWouldChangeTheFileStructure) {
  TIniFile ini;
  EXPECT_THROW(ini.WriteString("s", "k", "a\r\n[x]\nk=v"), std::invalid_argument);
  EXPECT_THROW(ini.WriteString("s]", "k", "v"), std::invalid_argument);
  EXPECT_THROW(ini.WriteString("s", "a=b", "v"), std::invalid_argument);
  EXPECT_THROW(ini.WriteString("s", " ", "v"), std::invalid_argument);
  EXPECT_FALSE(ini.SectionExists("s"));
}

TEST(Ini, FileRoundTrip) {
  std::string dir = testsupport::MakeTempDir("ini");
  std::string file = dir + "/conf.ini";
  TIniFile missing(file);
  EXPECT_TRUE(missing.ReadSections().empty());
  missing.WriteString("eSocial", "PathSalvar", "/tmp/a b/");
  missing.WriteInteger("eSocial", "VersaoDF", 6);
  missing.UpdateFile();
  TIniFile again(file);
  EXPECT_EQ(again.ReadString("ESOCIAL", "pathsalvar", ""), "/tmp/a b/");
  EXPECT_EQ(again.ReadInteger("eSocial", "VersaoDF", 0), 6);
  EXPECT_THROW(TIniFile().LoadFromFile(dir + "/none.ini"), std::runtime_error);
}
