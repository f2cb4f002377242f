#include "dfe/xml_reader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "dfe/exceptions.h"
#include "dfe/xml_writer.h"
#include "platform/convert_error.h"
#include "platform/files.h"

using namespace dfe;
using platform::Variant;

namespace {

const char* kReply =
    "<?xml version=\"1.0\"?><eSocial><retornoEnvioLoteEventos>"
    "<status><cdResposta>201</cdResposta><descResposta>Lote recebido</descResposta>"
    "<ocorrencias><ocorrencia><codigo>1</codigo><descricao>primeira</descricao></ocorrencia>"
    "<ocorrencia><codigo>2</codigo><descricao>segunda</descricao></ocorrencia></ocorrencias></status>"
    "<dadosRecepcaoLote><protocoloEnvio>1.2.3</protocoloEnvio></dadosRecepcaoLote>"
    "</retornoEnvioLoteEventos></eSocial>";

TLeitor WithGroup(const std::string& grupo) {
  TLeitor l;
  l.Grupo = grupo;
  return l;
}

platform::TDateTime At(int y, int m, int d, int h = 0, int n = 0, int s = 0) {
  return platform::EncodeDateTime({y, m, d, h, n, s, 0});
}

}  // namespace

TEST(XmlReader, ExtractionLevels) {
  TLeitor l;
  l.Arquivo = kReply;
  EXPECT_EQ(l.rExtrai(1, "retornoEnvioLoteEventos").substr(0, 33), "<retornoEnvioLoteEventos><status>");
  EXPECT_EQ(l.rExtrai(2, " status "), l.Grupo);
  EXPECT_EQ(l.rCampo(tcInt, "cdResposta").AsInteger(), 201);
  l.rExtrai(3, "ocorrencias");
  std::string second = l.rExtrai(4, "ocorrencia", "", 2);
  EXPECT_EQ(second, "<ocorrencia><codigo>2</codigo><descricao>segunda</descricao></ocorrencia>");
  EXPECT_EQ(l.rCampo(tcStr, "descricao").AsString(), "segunda");
  EXPECT_EQ(l.rExtrai(4, "ocorrencia", "", 3), "");
  EXPECT_EQ(l.Grupo, "");

  // A miss leaves the level's stored text: level 3 is still "status", so level 3 below
  // searches inside it, not inside the missing element.
  l.rExtrai(2, "status");
  EXPECT_EQ(l.rExtrai(2, "naoExiste"), "");
  EXPECT_EQ(l.rExtrai(3, "ocorrencias").substr(0, 13), "<ocorrencias>");
  // And level 1 still holds the whole reply for its siblings.
  l.rExtrai(2, "dadosRecepcaoLote");
  EXPECT_EQ(l.rCampo(tcStr, "protocoloEnvio").AsString(), "1.2.3");

  // Start tags with attributes; tag names compared exactly here.
  l.Arquivo = "<eSocial><evtInfo Id=\"ID1\"><a>1</a></evtInfo><x>  </x></eSocial>";
  EXPECT_EQ(l.rExtrai(1, "evtInfo"), "<evtInfo Id=\"ID1\"><a>1</a></evtInfo>");
  EXPECT_EQ(l.rExtrai(1, "EVTINFO"), "");
  EXPECT_EQ(l.rExtrai(1, "x"), "<x>  </x>");

  for (int bad : {0, -1, 11, 1000}) EXPECT_THROW(l.rExtrai(bad, "a"), ETrivoException) << bad;

  // Attributes may begin on the next line or after a tab; a longer name is another element.
  for (const char* blank : {" ", "\t", "\r\n", "\n"}) {
    l.Arquivo = std::string("<r><eSocialX>0</eSocialX><eSocial") + blank + "xmlns=\"n\"><a>1</a></eSocial></r>";
    EXPECT_EQ(l.rExtrai(1, "eSocial").substr(0, 8), "<eSocial") << blank;
    EXPECT_EQ(l.rCampo(tcInt, "a").AsInteger(), 1) << blank;
  }
}

// A walk gives what rExtrai gives item by item, reading the text once; an item never holds
// the next one's text, also when its end tag carries a prefix.
TEST(XmlReader, AWalkGivesTheItemsOneAfterAnother) {
  struct Case {
    const char* name;
    std::string doc;
    std::vector<std::string> items;
  };
  const Case cases[] = {
      {"plain items",
       "<r><a>1</a> <a x='2'>2</a>\n<a\tx='3'/>x</a><b>4</b></r>",
       {"<a>1</a>", "<a x='2'>2</a>", "<a\tx='3'/>x</a>"}},
      {"none", "<r><b>1</b></r>", {}},
      {"no end tag: the tag's length", "<a>1", {"<a>"}},
      {"end tags with a prefix", "<a><a><a>1</a:x>2</a:x>", {"<a><a><a>1</a:"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TLeitor l;
    l.Arquivo = c.doc;
    std::vector<std::string> walked, extracted;
    for (TLeitor::TPercurso itens = l.rPercorre(1, "a");;) {
      const std::string item = l.rExtraiProximo(itens);
      if (item.empty()) break;
      EXPECT_EQ(l.Grupo, item);
      EXPECT_EQ(c.doc.substr(l.PosicaoNivel(1), item.size()), item);
      walked.push_back(item);
    }
    EXPECT_EQ(l.Grupo, "");
    for (int n = 1; n <= 5; ++n)
      if (std::string item = l.rExtrai(1, "a", "", n); !item.empty()) extracted.push_back(item);
    EXPECT_EQ(walked, c.items);
    EXPECT_EQ(extracted, c.items);
  }

  // A walk goes on over the text it began with; levels keep theirs when Arquivo changes.
  TLeitor l;
  l.Arquivo = kReply;
  l.rExtrai(1, "retornoEnvioLoteEventos");
  l.rExtrai(2, "status");
  l.rExtrai(3, "ocorrencias");
  TLeitor::TPercurso itens = l.rPercorre(4, "ocorrencia");
  l.Arquivo = "<outro/>";
  EXPECT_EQ(l.rExtraiProximo(itens).substr(0, 24), "<ocorrencia><codigo>1</c");
  EXPECT_EQ(l.PosicaoNivel(4), std::string(kReply).find("<ocorrencia>"));
  EXPECT_EQ(l.rExtrai(2, "dadosRecepcaoLote").substr(0, 19), "<dadosRecepcaoLote>");
  EXPECT_EQ(l.PosicaoNivel(2), std::string(kReply).find("<dadosRecepcaoLote>"));
  EXPECT_EQ(l.PosicaoNivel(5), std::string::npos);
}

TEST(XmlReader, FieldsAreFoundInAnyLetterCaseAndAfterAttributes) {
  auto l = WithGroup(
      "<ideEmpregador><TPINSC>1</TPINSC><NrInsc>12345678</NrInsc>"
      "<nome tipo=\"x\"> Fulano </nome><sub><a>child</a></sub><b>before</b><stop/><c>after</c>"
      "<vazio/></ideEmpregador>");
  EXPECT_EQ(l.rCampo(tcStr, "tpInsc").AsString(), "1");
  EXPECT_EQ(l.rCampo(tcStr, "nrInsc").AsString(), "12345678");
  EXPECT_EQ(l.rCampo(tcStr, "nome").AsString(), "Fulano");
  EXPECT_EQ(l.rCampo(tcStr, "a").AsString(), "child");
  EXPECT_EQ(l.rCampo(tcStr, "ausente").AsString(), "");
  EXPECT_EQ(l.rCampo(tcStr, "vazio").AsString(), "");
  EXPECT_EQ(l.rCampo(tcInt, "ausente").AsInteger(), 0);
  // A stop tag limits the search.
  EXPECT_EQ(l.rCampo(tcStr, "b", "c").AsString(), "before");
  EXPECT_EQ(l.rCampo(tcStr, "c", "b").AsString(), "");
  EXPECT_EQ(l.rCampo(tcStr, "c", "naoExiste").AsString(), "after");
}

TEST(XmlReader, ConversionsByFormat) {
  auto read = [](TpcnTipoCampo t, const std::string& content) {
    return WithGroup("<g><f>" + content + "</f></g>").rCampo(t, "f");
  };
  struct IntCase {
    TpcnTipoCampo t;
    const char* in;
    std::int64_t want;
  };
  const IntCase ints[] = {
      {tcInt, "-15", -15},      {tcInt, "15", 15},
      {tcInt, " 1.234 ", 1234}, {tcInt, "", 0},
      {tcInt, "abc", 0},        {tcInt, "-", 0},
      {tcInt, "3000000000", 0}, {tcInt64, "3000000000", 3000000000},
      {tcInt64, "-9", -9},      {tcInt64, "99999999999999999999", 0},
  };
  for (const auto& c : ints) EXPECT_EQ(read(c.t, c.in).AsInt64(), c.want) << c.in;

  struct DateCase {
    TpcnTipoCampo t;
    const char* in;
    platform::TDateTime want;
  };
  const DateCase dates[] = {
      {tcDat, "2024-03-05", At(2024, 3, 5)},
      {tcDat, "2024-03-5", At(2024, 3, 5)},
      {tcDat, "", 0},
      {tcDatCFe, "20240305", At(2024, 3, 5)},
      {tcDatVcto, "05/03/2024", At(2024, 3, 5)},
      {tcDatBol, "05032024", At(2024, 3, 5)},
      {tcDatVcto, "05/03/24", At(24, 3, 5)},
      {tcDatHor, "2024-03-05T14:07:09-03:00", At(2024, 3, 5, 14, 7, 9)},
      {tcDatHor, "2024-03-05T14:07:09.123Z", At(2024, 3, 5, 14, 7, 9)},
      {tcDatHor, "2024-03-05T14:07", At(2024, 3, 5, 14, 7, 0)},
      {tcDatHor, "05/03/2024 14:07", At(2024, 3, 5, 14, 7, 0)},
      {tcDatHor, "05/03/2024T14:07:09", At(2024, 3, 5, 14, 7, 9)},
      {tcDatHor, "05/03/202414:07:09", At(2024, 3, 5, 14, 7, 9)},
      {tcDatHor, "", 0},
      {tcDatHorCFe, "20240305140709", At(2024, 3, 5, 14, 7, 9)},
      {tcHor, "14:07:09", platform::EncodeTime(14, 7, 9, 0)},
      {tcHorCFe, "140709", platform::EncodeTime(14, 7, 9, 0)},
      {tcHor, "14:07:9", platform::EncodeTime(14, 7, 9, 0)},
  };
  for (const auto& c : dates) EXPECT_DOUBLE_EQ(read(c.t, c.in).AsDateTime(), c.want) << c.in;
  for (const char* bad : {"2024-02-30", "2024-3-5", "2024-03-", "abcd-ef-gh"})
    EXPECT_THROW(read(tcDat, bad), platform::EConvertError) << bad;
  for (const char* bad : {"2024-03-05", "2024-03-05T25:00:00", "05/03/2024"})
    EXPECT_THROW(read(tcDatHor, bad), platform::EConvertError) << bad;
  EXPECT_THROW(read(tcHor, "14h07"), platform::EConvertError);

  struct DecCase {
    TpcnTipoCampo t;
    const char* in;
    double want;
  };
  const DecCase decimals[] = {
      {tcDe2, "1234.56", 1234.56},
      {tcDe2, "1234,56", 1234.56},
      {tcDe2, "1.234,56", 1234.56},
      {tcDe2, "1,234.56", 1234.56},
      {tcDe2, "-0,5", -0.5},
      {tcDe2, "", 0},
      {tcDe2, "abc", 0},
      {tcDe1, "2.5", 2.5},
      {tcDe10, "0.0000000001", 1e-10},
  };
  for (const auto& c : decimals) EXPECT_DOUBLE_EQ(read(c.t, c.in).AsFloat(), c.want) << c.in;

  TLeitor implied = WithGroup("<f>12345</f><g>5</g><h>-12345</h><i>1x</i><j></j>");
  implied.FloatIsIntString = true;
  EXPECT_DOUBLE_EQ(implied.rCampo(tcDe2, "f").AsFloat(), 123.45);
  EXPECT_DOUBLE_EQ(implied.rCampo(tcDe3, "g").AsFloat(), 0.005);
  EXPECT_DOUBLE_EQ(implied.rCampo(tcDe2, "h").AsFloat(), -123.45);
  EXPECT_DOUBLE_EQ(implied.rCampo(tcDe2, "j").AsFloat(), 0);
  EXPECT_THROW(implied.rCampo(tcDe2, "i"), platform::EConvertError);
  // Each decimal format puts the separator before its own number of digits.
  implied.Grupo = "<v>12345678901</v>";
  const std::pair<TpcnTipoCampo, double> implicit[] = {
      {tcDe1, 1234567890.1}, {tcDe2, 123456789.01}, {tcDe3, 12345678.901}, {tcDe4, 1234567.8901}, {tcDe5, 123456.78901},
      {tcDe6, 12345.678901}, {tcDe7, 1234.5678901}, {tcDe8, 123.45678901}, {tcDe10, 1.2345678901}};
  for (auto [t, want] : implicit) EXPECT_DOUBLE_EQ(implied.rCampo(t, "v").AsFloat(), want) << t;

  for (auto t : {tcBoolStr, tcStrOrig, tcNumStr}) {
    try {
      WithGroup("<g><ativo>true</ativo></g>").rCampo(t, "ativo");
      ADD_FAILURE() << t;
    } catch (const std::runtime_error& e) {
      EXPECT_STREQ(e.what(), "Tag <ATIVO> com conteúdo inválido. true");
    }
  }
}

TEST(XmlReader, EntitiesAndCData) {
  struct Case {
    const char* in;
    const char* want;
  };
  const Case cases[] = {
      {"a &amp; b &lt;c&gt; &quot;d&quot; &#39;e&#39;", "a & b <c> \"d\" 'e'"},
      {"&amp;lt;", "<"},
      {"caf&#xE9;", "café"},
      {"caf&#xC3A9;", "café"},
      {"&#x41;&#x41;-&#x42", "AA-B"},
      {"&#xZZ;", "ZZ"},
      {"&#x4;", "4"},
      {"&#x26;#x41;", "A"},
      {"<![CDATA[ a &amp; <b> ]]>", "a &amp; <b>"},
      {"<![CDATA[ open", "open"},
      {"  spaced  ", "spaced"},
  };
  for (const auto& c : cases) EXPECT_EQ(DecodificarConteudoXml(c.in), c.want) << c.in;

  auto l = WithGroup("<g><s><![CDATA[x &amp; <y>]]></s><e>a &amp; b</e></g>");
  EXPECT_EQ(l.rCampo(tcStr, "e").AsString(), "a & b");
  EXPECT_EQ(l.rCampo(tcEsp, "e").AsString(), "a &amp; b");
  // The first end tag found is the CDATA's own: a CDATA holding markup is cut there.
  EXPECT_EQ(WithGroup("<s><![CDATA[x &amp; y]]></s>").rCampo(tcStr, "s").AsString(), "x &amp; y");
}

TEST(XmlReader, Attributes) {
  auto l = WithGroup(
      "<eSocial><evtA Id='ID1' versao=\"1\"><ideEvento Id=\"ID2\" x = \"sp\"/></evtA>"
      "<b t=\"&lt;&#39;\"/><c u=\"open/><d v=\"\"/></eSocial>");
  EXPECT_EQ(l.rAtributo("Id").AsString(), "ID1");
  EXPECT_EQ(l.rAtributo("Id=").AsString(), "ID1");
  EXPECT_EQ(l.rAtributo("Id", "ideEvento").AsString(), "ID2");
  EXPECT_EQ(l.rAtributo("versao", "evtA").AsString(), "1");
  EXPECT_EQ(l.rAtributo("x").AsString(), "sp");
  EXPECT_EQ(l.rAtributo("t").AsString(), "<'");
  EXPECT_EQ(l.rAtributo("v").AsString(), "");
  EXPECT_EQ(l.rAtributo("ausente").AsString(), "");
  EXPECT_EQ(l.rAtributo("  ").AsString(), "");
  EXPECT_EQ(WithGroup("<a Id=\"open").rAtributo("Id").AsString(), "");
  EXPECT_EQ(WithGroup("<a Id=").rAtributo("Id").AsString(), "");
}

TEST(XmlReader, TaxNumberGroupsAndFiles) {
  EXPECT_EQ(WithGroup("<a><CNPJ>11222333000181</CNPJ><CPF>1</CPF></a>").rCampoCNPJCPF(), "11222333000181");
  EXPECT_EQ(WithGroup("<a><CNPJ> </CNPJ><cpf>12345678909</cpf></a>").rCampoCNPJCPF(), "12345678909");

  TLeitor l;
  EXPECT_EQ(l.PosLast("ab", "abcabcab"), 7u);
  EXPECT_EQ(l.PosLast("aa", "aaa"), 2u);
  EXPECT_EQ(l.PosLast("x", "abc"), 0u);
  EXPECT_EQ(l.PosLast("", "abc"), 0u);

  l.Arquivo = "doc";
  l.GroupRestore(true);
  EXPECT_EQ(l.Grupo, "doc");
  l.Grupo = "g1";
  l.GroupStore();
  l.Grupo = "g2";
  l.GroupStore();
  l.Grupo = "other";
  l.GroupRestore(false);
  EXPECT_EQ(l.Grupo, "g2");
  l.GroupRestore(true);
  l.GroupRestore(true);
  EXPECT_EQ(l.Grupo, "g1");
  l.GroupRestore(true);
  EXPECT_EQ(l.Grupo, "doc");

  std::istringstream in("<a>1</a>");
  EXPECT_TRUE(l.CarregarArquivo(in));
  EXPECT_EQ(l.Arquivo, "<a>1</a>");

  namespace fs = std::filesystem;
  fs::path file = fs::temp_directory_path() / ("nembo-reader-" + platform::NewGuidText() + ".xml");
  std::ofstream(file, std::ios::binary) << "\xEF\xBB\xBF<a>\n<b>\xC3\xA9</b></a>";
  EXPECT_TRUE(l.CarregarArquivo(file.string()));
  fs::remove(file);
  EXPECT_EQ(l.Arquivo, "<a>\r\n<b>é</b></a>\r\n");
  EXPECT_THROW(l.CarregarArquivo(file.string()), std::runtime_error);
}

TEST(XmlReader, MalformedInputNeverReadsPastTheText) {
  const char* docs[] = {
      "",
      "<",
      "</",
      "<a",
      "<a>",
      "<a></",
      "<a></a",
      "</a>",
      "<a>x</a><",
      "<a Id=\"",
      "<a Id='x",
      "<a><![CDATA[x",
      "<a><![CDATA[x</a>",
      "<a>&#x",
      "<a>&#x4",
      "<a>&#x41</a",
      "<a:b>x</a:b",
      "<a><a><a></a>",
      "<a>\xff\xfe</a>",
  };
  for (const char* doc : docs) {
    TLeitor l;
    l.Arquivo = doc;
    for (int item : {1, 2, 1000000}) {
      l.rExtrai(1, "a", "", item);
      l.rExtrai(2, "a");
      l.rExtrai(10, "a");
    }
    l.Grupo = doc;
    for (auto t : {tcStr, tcEsp, tcInt, tcInt64, tcDe2}) EXPECT_NO_THROW(l.rCampo(t, "a")) << doc;
    EXPECT_NO_THROW(l.rCampo(tcStr, "a", "b")) << doc;
    EXPECT_NO_THROW(l.rAtributo("Id", "a")) << doc;
    EXPECT_NO_THROW(l.rCampoCNPJCPF()) << doc;
  }
}

TEST(XmlReader, ReadsBackWhatTheWriterWrote) {
  TGerador g;
  g.Opcoes.IdentarXML = true;
  g.wGrupo("eSocial xmlns=\"http://example.test/evt/evtInfoEmpregador/v_S_01_03_00\"", "", false);
  g.wGrupo("evtInfoEmpregador Id=\"ID1112223330000002024030514070900001\"");
  g.wGrupo("ideEvento");
  g.wCampo(tcInt, "", "tpAmb", 1, 1, 1, 2);
  g.wCampo(tcStr, "", "verProc", 1, 20, 1, "nembo 1.0 & <beta>");
  g.wGrupo("/ideEvento");
  g.wGrupo("ideEmpregador");
  g.wCampo(tcInt, "", "tpInsc", 1, 1, 1, 1);
  g.wCampo(tcStr, "", "nrInsc", 8, 8, 1, "11222333");
  g.wGrupo("/ideEmpregador");
  g.wGrupo("infoCadastro");
  g.wCampo(tcDat, "", "iniValid", 10, 10, 1, Variant::FromDateTime(At(2024, 3, 1)));
  g.wCampo(tcDatHor, "", "dhProc", 19, 19, 1, Variant::FromDateTime(At(2024, 3, 5, 14, 7, 9)));
  g.wCampo(tcDe2, "", "aliqRat", 1, 7, 1, 1234.5);
  g.wCampo(tcDe4, "", "fap", 1, 6, 1, 0.5);
  g.wCampo(tcInt64, "", "nrRecibo", 1, 20, 1, std::int64_t{1234567890123});
  g.wCampo(tcStr, "", "nmRazao", 1, 100, 1, "Padaria São João  Ltda");
  g.wCampo(tcStr, "", "opcional", 1, 10, 0, "");
  g.wGrupo("/infoCadastro");
  g.wGrupo("/evtInfoEmpregador");
  g.wGrupo("/eSocial", "", false);
  EXPECT_TRUE(g.ListaDeAlertas.empty()) << g.ListaDeAlertas.front();

  TLeitor l;
  l.Arquivo = g.ArquivoFormatoXML;
  ASSERT_NE(l.rExtrai(1, "evtInfoEmpregador"), "");
  EXPECT_EQ(l.rAtributo("Id").AsString(), "ID1112223330000002024030514070900001");
  l.rExtrai(2, "ideEvento");
  EXPECT_EQ(l.rCampo(tcInt, "tpAmb").AsInteger(), 2);
  EXPECT_EQ(l.rCampo(tcStr, "verProc").AsString(), "nembo 1.0 & <beta>");
  l.rExtrai(2, "ideEmpregador");
  EXPECT_EQ(l.rCampo(tcInt, "tpInsc").AsInteger(), 1);
  EXPECT_EQ(l.rCampo(tcStr, "nrInsc").AsString(), "11222333");
  l.rExtrai(2, "infoCadastro");
  EXPECT_EQ(l.rCampo(tcDat, "iniValid").AsDateTime(), At(2024, 3, 1));
  EXPECT_EQ(l.rCampo(tcDatHor, "dhProc").AsDateTime(), At(2024, 3, 5, 14, 7, 9));
  EXPECT_DOUBLE_EQ(l.rCampo(tcDe2, "aliqRat").AsFloat(), 1234.5);
  EXPECT_DOUBLE_EQ(l.rCampo(tcDe4, "fap").AsFloat(), 0.5);
  EXPECT_EQ(l.rCampo(tcInt64, "nrRecibo").AsInt64(), 1234567890123);
  EXPECT_EQ(l.rCampo(tcStr, "nmRazao").AsString(), "Padaria Sao Joao Ltda");
  EXPECT_EQ(l.rCampo(tcStr, "opcional").AsString(), "");
}
