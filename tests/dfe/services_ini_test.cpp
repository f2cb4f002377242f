#include "dfe/services_ini.h"

#include <gtest/gtest.h>

#include <string>

#include "dfe/exceptions.h"
#include "dfe/safe_file_name.h"
#include "platform/ini.h"

using namespace dfe;

namespace {

platform::TIniFile Ini(const char* text) {
  platform::TIniFile ini;
  ini.LoadFromText(text);
  return ini;
}

struct KeyCase {
  const char* name;
  const char* section;
  double asked;
  const char* url;
  double found;
};

}  // namespace

TEST(ServicesIni, VersionedKeys) {
  auto ini =
      Ini("[Plain]\nEnviarLoteEventos=plain\n"
          "[Many]\nX=plain\nX_1.00=one\nX_3.00=three\nx_2.00=two\nX_2,00=two-again\nX_1.75=\nXY_2.40=other\n"
          "[Exact]\nX_2.50=exact\nX_2.00=two\n"
          "[Odd]\nX_abc=bad\nX=plain\n");
  const KeyCase cases[] = {
      // only the plain key: found, version becomes 0
      {"EnviarLoteEventos", "Plain", 1.0, "plain", 0},
      {"ENVIARLOTEEVENTOS", "plain", 0, "plain", 0},
      // highest not above the version asked; the first among equals; empty values skipped
      {"X", "Many", 2.5, "two", 2.0},
      {"X", "Many", 1.8, "one", 1.0},
      {"x", "MANY", 9, "three", 3.0},
      {"X", "Many", 0.5, "plain", 0},
      {"X", "Many", 0, "plain", 0},
      {"X", "Exact", 2.5, "exact", 2.5},
      {"X", "Odd", 4, "plain", 0},
      // a missing section: empty address, version unchanged
      {"X", "Nowhere", 1.5, "", 1.5},
  };
  for (const auto& c : cases) {
    double v = c.asked;
    std::string url = "stale";
    LerChaveServico(ini, c.section, c.name, v, url);
    EXPECT_EQ(url, c.url) << c.section << " " << c.name << " " << c.asked;
    EXPECT_DOUBLE_EQ(v, c.found) << c.section << " " << c.name << " " << c.asked;
  }
}

TEST(ServicesIni, RedirectionFollowsUsarAndFillsWsdlAndAction) {
  auto ini =
      Ini("[NFe_SP_P]\nUsar=NFe_AN_P\n"
          "[NFe_AN_P]\nWSDL=Wsdl\nSoapAction=Acoes\nConsulta_1.00=https://an/consulta\n"
          "[Wsdl]\nConsulta_1.00=urn:ns\n"
          "[Acoes]\nConsulta_1.00=urn:ns/Consultar\n");
  auto r = LerServicoComRedirecionamento(ini, "NFe_SP_P", "Consulta", 1.0, "TrivoServicos");
  EXPECT_EQ(r.URL, "https://an/consulta");
  EXPECT_EQ(r.Servico, "urn:ns");
  EXPECT_EQ(r.SoapAction, "urn:ns/Consultar");
  EXPECT_EQ(r.Secao, "NFe_AN_P");
}

TEST(ServicesIni, RedirectionErrors) {
  struct Case {
    const char* text;
    const char* section;
    const char* message;
  } cases[] = {
      {"[A]\nUsar=B\n[B]\nUsar=C\n[C]\nUsar=a\n", "A",
       "Redirecionamento circular detectado: Sessão \"a\" no arquivo \"Res\""},
      {"[A]\nUsar=A\n", "A", "Redirecionamento circular detectado: Sessão \"A\" no arquivo \"Res\""},
      {"[A]\nUsar=B\n", "A", "Sessão \"B\", não encontrada no arquivo \"Res\""},
      {"[A]\nOutro=x\n", "A", "URL para o serviço \"Srv\" não encontrada na sessão \"A\" no arquivo \"Res\""},
      {"", "A", "Sessão \"A\", não encontrada no arquivo \"Res\""},
  };
  for (const auto& c : cases) {
    auto ini = Ini(c.text);
    try {
      LerServicoComRedirecionamento(ini, c.section, "Srv", 1.0, "Res");
      ADD_FAILURE() << c.text;
    } catch (const ETrivoDFeException& e) {
      EXPECT_EQ(std::string(e.what()), c.message);
    }
  }
}

TEST(ServicesIni, SectionsThatContainEachOthersNamesAreNotARevisit) {
  // "eSocial_P" occurs inside "eSocial_PR" and "X_eSocial_P" as text: still three sections.
  auto ini = Ini("[eSocial_PR]\nUsar=X_eSocial_P\n[X_eSocial_P]\nUsar=eSocial_P\n[eSocial_P]\nSrv=https://ok\n");
  auto r = LerServicoComRedirecionamento(ini, "eSocial_PR", "Srv", 0, "Res");
  EXPECT_EQ(r.URL, "https://ok");
  auto back = Ini("[eSocial_P]\nUsar=eSocial_PR\n[eSocial_PR]\nSrv=https://pr\n");
  EXPECT_EQ(LerServicoComRedirecionamento(back, "eSocial_P", "Srv", 0, "Res").URL, "https://pr");
}

TEST(ServicesIni, EmbeddedTextsByName) {
  RegisterEmbeddedServicesIni("TesteServicos", "[S]\nk=v\n");
  EXPECT_EQ(EmbeddedServicesIni("testeservicos"), "[S]\nk=v\n");
  try {
    EmbeddedServicesIni("NoSuchResource");
    ADD_FAILURE();
  } catch (const ETrivoDFeException& e) {
    EXPECT_STREQ(e.what(), "Recurso NoSuchResource não encontrado");
  }
}

TEST(SafeFileName, KeepsOnlyNameCharacters) {
  const std::pair<const char*, const char*> cases[] = {
      {"20261211-env-lot", "20261211-env-lot"},
      {"ID1.2_3", "ID1.2_3"},
      {"../../etc/passwd", ".._.._etc_passwd"},
      {"..", "__"},
      {".", "_"},
      {"a\\b c:\x01", "a_b_c__"},
      {"S\xC3\xA3o", "S__o"},
      {"", ""},
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(SafeFileNamePart(in), out) << in;
}
