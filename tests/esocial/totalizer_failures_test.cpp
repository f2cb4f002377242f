// What every totalizer reader does with a text it cannot read: one table over the readers,
// each case made from the reader's valid fixture.
#include <gtest/gtest.h>

#include <string>

#include "esocial/totalizers/s5012_reader.h"
#include "esocial/totalizers/s5013_reader.h"
#include "esocial/totalizers/s5501_reader.h"
#include "esocial/totalizers/s5503_reader.h"
#include "platform/strings.h"
#include "totalizer_fixtures.h"

using namespace esocial;

namespace {

// What one reading left in a new content object.
struct TLeitura {
  bool resultado;
  TVersaoeSocial versao;
  std::string id;
};

template <class TConteudo>
TLeitura Ler(const std::string& Xml) {
  TConteudo conteudo;
  const bool resultado = esocialtest::LerXMLDe(conteudo, Xml);
  return {resultado, conteudo.VersaoDF(), conteudo.Id()};
}

struct TTotalizador {
  const char* fixture;
  const char* raiz;
  TLeitura (*ler)(const std::string&);
  bool comVersao;  // false: the reader takes no version, so no namespace stops it
};

const TTotalizador kTotalizadores[] = {
    {"s5012.xml", "evtIrrf", &Ler<s5012::TEvtIrrf>, true},
    {"s5013.xml", "evtFGTS", &Ler<s5013::TEvtFGTS>, true},
    {"s5501.xml", "evtTribProcTrab", &Ler<s5501::TEvtTribProcTrab>, false},
    {"s5503.xml", "evtFGTSProcTrab", &Ler<s5503::TevtFGTSProcTrab>, true},
};

}  // namespace

TEST(TotalizerReaders, NoRootOrNoVersionGivesFalseWithNothingRead) {
  for (const auto& t : kTotalizadores) {
    SCOPED_TRACE(t.raiz);
    const std::string valido = esocialtest::FixtureValida(t.fixture, t.raiz);
    const TLeitura lido = t.ler(valido);
    ASSERT_TRUE(lido.resultado);
    ASSERT_FALSE(lido.id.empty());
    // The Id is read right after the root: without it nothing of the groups was read.
    const TLeitura nada{false, t.comVersao ? veS01_03_00 : ve02_04_01, ""};
    const TLeitura semVersao = t.comVersao ? TLeitura{false, ve02_04_01, ""} : lido;
    struct Caso {
      const char* nome;
      std::string xml;
      TLeitura esperada;
    };
    for (const auto& caso :
         {Caso{"no root", esocialtest::SemElemento(valido, t.raiz), nada},
          Caso{"unknown version", platform::StringReplace(valido, "v_S_01_03_00", "v_S_01_09_00"), semVersao},
          Caso{"single-quoted namespace", esocialtest::NamespaceEntreAspasSimples(valido), semVersao}}) {
      const TLeitura l = t.ler(caso.xml);
      EXPECT_EQ(l.resultado, caso.esperada.resultado) << caso.nome;
      EXPECT_EQ(l.versao, caso.esperada.versao) << caso.nome;
      EXPECT_EQ(l.id, caso.esperada.id) << caso.nome;
    }
  }
}
