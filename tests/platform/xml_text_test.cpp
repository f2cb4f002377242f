#include "platform/xml_text.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

using namespace platform;

namespace {

const char kNs[] = "urn:certo";

}  // namespace

// The namespace in scope where a start tag begins, as declarations give it; a place where no
// start tag begins, or a prefix declared nowhere, has none.
TEST(XmlText, TheNamespaceOfAnElementIsTheOneInScopeAtItsStartTag) {
  struct Case {
    const char* name;
    std::string text;
    std::string at;  // the text at the position asked
    std::optional<std::string> ns;
  };
  const Case cases[] = {
      {"its own default", "<e xmlns=\"urn:certo\"><r>1</r></e>", "<e ", kNs},
      {"inherited default", "<e xmlns='urn:certo'><x><r>1</r></x></e>", "<r>", kNs},
      {"a prefix declared above", "<s:E xmlns:s=\"urn:s\" xmlns:a=\"urn:certo\"><a:r/></s:E>", "<a:r", kNs},
      {"its own prefix", "<a:r xmlns:a=\"urn:certo\"/>", "<a:r", kNs},
      {"a closer declaration wins", "<e xmlns=\"urn:outro\"><x xmlns=\"urn:certo\"><r/></x></e>", "<r/>", kNs},
      {"a closed element's declaration is gone", "<e><x xmlns=\"urn:outro\"></x><r/></e>", "<r/>", ""},
      {"an empty element's declaration is gone", "<e><x xmlns=\"urn:outro\"/><r/></e>", "<r/>", ""},
      {"no declaration", "<e><r/></e>", "<r/>", ""},
      {"quotes hide markup", "<e a=\"<r xmlns='urn:x'>\" xmlns=\"urn:certo\"><r/></e>", "<r/>", kNs},
      {"after a comment, CDATA and a declaration",
       "<?xml version=\"1.0\"?><!-- <x xmlns='urn:x'> --><e xmlns=\"urn:certo\"><![CDATA[<x>]]><r/></e>", "<r/>", kNs},
      {"a prefix declared nowhere", "<e><b:r/></e>", "<b:r", std::nullopt},
      {"inside a comment", "<e xmlns=\"urn:certo\"><!-- <r/> --></e>", "<r/>", std::nullopt},
      {"inside an attribute value", "<e xmlns=\"urn:certo\" a=\"<r/>\"/>", "<r/>", std::nullopt},
      {"inside text", "<e xmlns=\"urn:certo\">a<b</e>", "<b", std::nullopt},
      {"a tag that never ends", "<e xmlns=\"urn:certo\"", "<e", std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::size_t at = c.text.rfind(c.at);
    ASSERT_NE(at, std::string::npos);
    EXPECT_EQ(NameSpaceNaPosicao(c.text, at), c.ns);
  }
  EXPECT_EQ(NameSpaceNaPosicao("<e/>", 9), std::nullopt);
}

TEST(XmlText, WhereAnElementStands) {
  const std::string text = "<r><eSocialX/><ESOCIAL\r\nId='1'>a</esocial></r>";
  const std::optional<TPosicaoTag> p = PosicaoTag(text, "eSocial");
  ASSERT_TRUE(p);
  EXPECT_EQ(text.substr(p->Inicio, p->Fim - p->Inicio), "<ESOCIAL\r\nId='1'>a</esocial>");
  EXPECT_EQ(text.substr(p->InicioConteudo, p->FimConteudo - p->InicioConteudo), "a");
  EXPECT_EQ(ExtrairConteudoTag(text, "eSocial"), "a");
  EXPECT_FALSE(PosicaoTag("<eSocial>a", "eSocial"));
  EXPECT_FALSE(PosicaoTag("<eSocial", "eSocial"));
  EXPECT_FALSE(PosicaoTag(text, ""));
}
