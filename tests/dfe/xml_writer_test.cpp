#include "dfe/xml_writer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/convert_error.h"
#include "platform/files.h"
#include "support/peer.h"

using namespace dfe;
using platform::Variant;

namespace {

platform::TDateTime At(int y, int m, int d, int h = 0, int n = 0, int s = 0, int ms = 0) {
  return platform::EncodeDateTime({y, m, d, h, n, s, ms});
}
Variant Date(platform::TDateTime dt) { return Variant::FromDateTime(dt); }

// One field written into a fresh writer whose alert lines are the bare messages.
struct Written {
  std::string xml;
  std::string alerts;
};
Written Write(TpcnTipoCampo tipo, int min, int max, int occ, const Variant& v, TGeradorOpcoes o = {}) {
  TGerador g;
  g.Opcoes = o;
  g.Opcoes.FormatoAlerta = "%MSG%";
  g.wCampo(tipo, "X01", "f", min, max, occ, v);
  std::string alerts;
  for (const auto& a : g.ListaDeAlertas) alerts += (alerts.empty() ? "" : "|") + a;
  return {g.ArquivoFormatoXML, alerts};
}

}  // namespace

TEST(XmlWriter, EveryFieldFormat) {
  const std::string longText(61, 'x');
  struct Case {
    const char* what;
    TpcnTipoCampo tipo;
    int min, max, occ;
    Variant v;
    const char* xml;
    std::string alerts;
  };
  const Case cases[] = {
      {"str trimmed", tcStr, 1, 10, 1, "  abc  ", "<f>abc</f>", ""},
      {"str optional empty", tcStr, 1, 10, 0, "", "", ""},
      {"str required empty", tcStr, 1, 10, 1, "", "<f/>", "Nenhum valor informado"},
      {"str required empty min 0", tcStr, 0, 10, 1, Variant(), "<f/>", ""},
      {"str over 1 behaves as optional", tcStr, 1, 10, 2, "", "", ""},
      {"str too long", tcStr, 1, 60, 1, longText, "", "Tamanho maior que o máximo permitido [" + longText + "]"},
      {"str too short", tcStr, 3, 10, 1, "ab", "<f>ab</f>", "Tamanho menor que o mínimo permitido [ab]"},
      {"str counts characters", tcStr, 1, 4, 1, "ação", "<f>acao</f>", ""},
      {"str from integer", tcStr, 1, 10, 1, 42, "<f>42</f>", ""},
      {"str from large float", tcStr, 1, 10, 1, 1e6, "<f>1000000</f>", ""},
      {"str from small float", tcStr, 1, 10, 1, 1e-7, "<f>0.0000001</f>", ""},
      {"strorig untrimmed size", tcStrOrig, 1, 2, 1, " a ", "<f>a</f>", "Tamanho maior que o máximo permitido [ a ]"},
      {"numstr padded", tcNumStr, 5, 5, 1, " 42 ", "<f>00042</f>", ""},
      {"numstr optional empty", tcNumStr, 5, 5, 0, "", "", ""},
      {"esp digits", tcEsp, 1, 5, 1, "123", "<f>123</f>", ""},
      {"esp not digits", tcEsp, 1, 5, 1, "12a", "<f>12a</f>", "Conteúdo inválido"},
      {"esp optional empty", tcEsp, 1, 5, 0, "", "", "Conteúdo inválido"},
      {"int required zero", tcInt, 1, 3, 1, 0, "<f>0</f>", ""},
      {"int optional zero", tcInt, 1, 3, 0, 0, "", ""},
      {"int optional zero padded", tcInt, 3, 3, 0, 0, "", ""},
      {"int padded", tcInt, 3, 3, 1, 7, "<f>007</f>", ""},
      {"int negative", tcInt, 1, 5, 1, -15, "<f>-15</f>", ""},
      {"int negative padded", tcInt, 4, 4, 1, "-5", "<f>-005</f>", ""},
      {"int from text", tcInt, 1, 5, 1, " 12", "<f>12</f>", ""},
      {"int from whole float", tcInt, 1, 10, 1, 1e6, "<f>1000000</f>", ""},
      {"int from fractional float", tcInt, 1, 10, 1, 2.5, "<f>0</f>", ""},
      {"int64 from whole float", tcInt64, 1, 20, 1, 1e15, "<f>1000000000000000</f>", ""},
      {"int unreadable", tcInt, 1, 5, 1, "abc", "<f>0</f>", ""},
      {"int beyond 32 bits", tcInt, 1, 12, 1, "3000000000", "<f>0</f>", ""},
      {"int64 beyond 32 bits", tcInt64, 1, 12, 1, "3000000000", "<f>3000000000</f>", ""},
      {"int too long", tcInt, 1, 2, 1, 123, "<f>123</f>", "Tamanho maior que o máximo permitido [123]"},
      {"dat", tcDat, 10, 10, 1, Date(At(2024, 3, 5)), "<f>2024-03-05</f>", ""},
      {"dat zero optional", tcDat, 10, 10, 0, Date(0), "", ""},
      {"dat zero required", tcDat, 10, 10, 1, 0.0, "<f/>", "Nenhum valor informado"},
      {"dat from text", tcDat, 10, 10, 1, "2024-03-05", "<f>2024-03-05</f>", ""},
      {"datcfe", tcDatCFe, 8, 8, 1, Date(At(2024, 3, 5)), "<f>20240305</f>", ""},
      {"datvcto", tcDatVcto, 10, 10, 1, Date(At(2024, 3, 5)), "<f>05/03/2024</f>", ""},
      {"datbol", tcDatBol, 8, 8, 1, Date(At(2024, 3, 5)), "<f>05032024</f>", ""},
      {"dathor drops milliseconds", tcDatHor, 19, 19, 1, Date(At(2024, 3, 5, 14, 7, 9, 900)),
       "<f>2024-03-05T14:07:09</f>", ""},
      {"dathor zero date", tcDatHor, 19, 19, 0, Date(platform::EncodeTime(10, 0, 0, 0)), "", ""},
      {"dathorcfe", tcDatHorCFe, 14, 14, 1, Date(At(2024, 3, 5, 14, 7, 9)), "<f>20240305140709</f>", ""},
      {"hor", tcHor, 8, 8, 1, Date(At(2024, 3, 5, 14, 7, 9)), "<f>14:07:09</f>", ""},
      {"hor midnight", tcHor, 8, 8, 0, Date(At(2024, 3, 5)), "", ""},
      {"horcfe", tcHorCFe, 6, 6, 1, Date(platform::EncodeTime(9, 5, 1, 0)), "<f>090501</f>", ""},
      {"boolstr true", tcBoolStr, 4, 5, 0, true, "<f>true</f>", ""},
      {"boolstr false never empty", tcBoolStr, 4, 5, 0, false, "<f>false</f>", ""},
      {"de1", tcDe1, 1, 5, 1, 2.25, "<f>2.3</f>", ""},
      {"de2", tcDe2, 1, 5, 1, 2.5, "<f>2.50</f>", ""},
      {"de2 grouping-free", tcDe2, 1, 15, 1, 1234.5, "<f>1234.50</f>", ""},
      {"de2 from text", tcDe2, 1, 15, 1, "1,5", "<f>1.50</f>", ""},
      {"de2 unreadable", tcDe2, 1, 15, 1, "abc", "<f>0.00</f>", ""},
      {"de2 optional zero", tcDe2, 1, 15, 0, 0.0, "", ""},
      {"de2 required zero", tcDe2, 1, 15, 1, 0, "<f>0.00</f>", ""},
      {"de2 padded to min + 1", tcDe2, 5, 15, 1, 2.5, "<f>002.50</f>", ""},
      {"de2 separator counts", tcDe2, 1, 6, 1, 12345.5, "<f>12345.50</f>",
       "Tamanho maior que o máximo permitido [12345.5]"},
      {"de3", tcDe3, 1, 9, 1, 1.2345, "<f>1.235</f>", ""},
      {"de4", tcDe4, 1, 9, 1, 0.1, "<f>0.1000</f>", ""},
      {"de5", tcDe5, 1, 9, 1, -1.5, "<f>-1.50000</f>", ""},
      {"de6", tcDe6, 1, 9, 1, 1, "<f>1.000000</f>", ""},
      {"de7", tcDe7, 1, 9, 1, 0.5, "<f>0.5000000</f>", ""},
      {"de8", tcDe8, 1, 11, 1, 0.123456789, "<f>0.12345679</f>", ""},
      {"de10", tcDe10, 1, 12, 1, 0.1, "<f>0.1000000000</f>", ""},
  };
  for (const auto& c : cases) {
    auto w = Write(c.tipo, c.min, c.max, c.occ, c.v);
    if (c.what != std::string("str too long"))
      EXPECT_EQ(w.xml, c.xml) << c.what;
    else
      EXPECT_EQ(w.xml, "<f>" + longText + "</f>") << c.what;
    EXPECT_EQ(w.alerts, c.alerts) << c.what;
  }
  EXPECT_THROW(Write(tcDat, 10, 10, 1, "not a date"), platform::EConvertError);
  EXPECT_THROW(Write(tcHor, 8, 8, 1, ""), platform::EConvertError);
  EXPECT_EQ(Write(tcInt, 1, 1, -1, 5).xml, "");  // negative occurrence suppresses the field
}

TEST(XmlWriter, DecimalOptions) {
  TGeradorOpcoes suprimir;
  suprimir.SuprimirDecimais = true;
  // Whole values lose their decimals; other values keep only the decimals they need.
  EXPECT_EQ(Write(tcDe2, 1, 3, 1, 2.5, suprimir).xml, "<f>2.5</f>");
  EXPECT_EQ(Write(tcDe2, 1, 3, 1, 3.0, suprimir).xml, "<f>3</f>");
  EXPECT_EQ(Write(tcDe2, 1, 3, 1, 2.999, suprimir).xml, "<f>3</f>");
  EXPECT_EQ(Write(tcDe4, 1, 6, 1, 1.25, suprimir).xml, "<f>1.25</f>");
  // Without the extra character for the separator the limit is the bare max.
  EXPECT_EQ(Write(tcDe2, 1, 3, 1, 12.5, suprimir).alerts, "Tamanho maior que o máximo permitido [12.5]");

  TGeradorOpcoes comma;
  comma.DecimalChar = ',';
  EXPECT_EQ(Write(tcDe2, 1, 5, 1, 2.5, comma).xml, "<f>2,50</f>");
  EXPECT_EQ(Write(tcDe2, 1, 5, 1, "x", comma).xml, "<f>0.00</f>");

  // Digits after the allowed decimals are reported; normal formatting never leaves any, so
  // only a separator that is also a digit shows the alert.
  TGeradorOpcoes zero;
  zero.DecimalChar = '0';
  EXPECT_EQ(Write(tcDe2, 1, 9, 1, 1000.5, zero).alerts, "Numero máximo de casas decimais permitidas 2");
}

TEST(XmlWriter, EmptyElementForms) {
  TGerador g;
  g.wCampo(tcStr, "", "a", 0, 5, 1, "", "", true, "x=\"1\"");
  g.Opcoes.TagVaziaNoFormatoResumido = false;
  g.wCampo(tcStr, "", "b", 0, 5, 1, "", "", true, "y=\"2\"");
  g.wCampo(tcStr, "", "c", 0, 5, 1, "v", "", true, "z=\"3\"");
  EXPECT_EQ(g.ArquivoFormatoXML, "<a x=\"1\"/><b y=\"2\"></b><c z=\"3\">v</c>");

  TGerador indented;
  indented.Opcoes.IdentarXML = true;
  indented.wGrupo("g");
  indented.wCampo(tcStr, "", "a", 0, 5, 1, "", "", true, "x=\"1\"");  // no attribute in this form
  indented.Opcoes.TagVaziaNoFormatoResumido = false;
  indented.wCampo(tcStr, "", "b", 0, 5, 1, "");
  indented.wCampo(tcStr, "", "c", 0, 5, 1, "v", "", true, "z=\"3\"");
  indented.wGrupo("/g");
  EXPECT_EQ(indented.ArquivoFormatoXML, "<g>\r\n   <a/>\r\n   <b></b>\r\n   <c z=\"3\">v</c>\r\n</g>\r\n");
  EXPECT_EQ(indented.Opcoes.NivelIdentacao, 0);
}

TEST(XmlWriter, TextFilter) {
  struct Case {
    const char* in;
    bool espacos, acentos;
    const char* quebra;
    const char* out;
  };
  const Case cases[] = {
      {"a  &  b", true, true, "", "a &amp; b"},
      {"a  &  b", false, true, "", "a  &amp;  b"},
      {"<x a=\"1\" b='2'>", true, true, "", "&lt;x a=&quot;1&quot; b=&#39;2&#39;&gt;"},
      {"Ação\tnº", true, true, "", "Acao n"},
      {"1ª Cia. Straße", true, true, "", "1 Cia. Stra e"},
      {"Ação", true, false, "", "Ação"},
      {"l1\r\nl2\rl3\nl4", true, true, "", "l1l2l3l4"},
      {"l1\r\nl2\rl3", true, true, "\n", "l1\nl2\nl3"},
      {"l1\r\nl2", true, true, ";", "l1;l2"},
      {"  \r\n  ", true, true, ";", ""},
      {"caf\xe9", true, false, "", "café"},
      // Control characters XML has no place for are dropped, with or without accent removal.
      {"a\bb\x01"
       "c\x1f\td",
       false, false, "", "abc\td"},
      {"a\bb\x01"
       "c\td",
       false, true, "", "ab c d"},
  };
  for (const auto& c : cases) EXPECT_EQ(PrepararTextoParaXml(c.in, c.espacos, c.acentos, c.quebra), c.out) << c.in;

  // ParseTextoXML false embeds the content as it stands.
  TGerador g;
  g.wCampo(tcStr, "", "a", 0, 50, 1, "<b>x  y</b>", "", false);
  EXPECT_EQ(g.ArquivoFormatoXML, "<a><b>x  y</b></a>");
}

// Elements whose data are attributes: values filtered and formatted as in element form, the
// locale aside; an element without children stays on one line, so that indentation puts no
// text into an element of empty content.
TEST(XmlWriter, AttributeElements) {
  for (bool acentos : {true, false}) {
    TGerador g;
    g.Opcoes.RetirarAcentos = acentos;
    TAtributos a(g.Opcoes);
    a.Texto("t", " A&\"<B>' Ação ").Valor("v", 1234.5).Valor("q", 2.25, 1).Valor("n", -0.5);
    a.Data("d", At(2024, 1, 15)).Inteiro("i", 42);
    g.wElementoAtributos("e", a);
    EXPECT_EQ(g.ArquivoFormatoXML, std::string("<e t=\"A&amp;&quot;&lt;B&gt;&#39; ") + (acentos ? "Acao" : "Ação") +
                                       "\" v=\"1234.50\" q=\"2.3\" n=\"-0.50\" d=\"2024-01-15\" i=\"42\"></e>");
  }

  TGerador g;
  g.Opcoes.IdentarXML = true;
  g.wGrupo("g");
  g.wGrupoAtributos("p", TAtributos(g.Opcoes).Texto("a", "1"));
  g.wElementoAtributos("c", TAtributos(g.Opcoes).Valor("b", 0));
  g.wElementoAtributos("c", TAtributos(g.Opcoes));
  g.wGrupo("/p");
  g.wGrupo("/g");
  EXPECT_EQ(g.ArquivoFormatoXML,
            "<g>\r\n   <p a=\"1\">\r\n      <c b=\"0.00\"></c>\r\n      <c></c>\r\n   </p>\r\n</g>\r\n");
  EXPECT_EQ(g.TagNivel(), "");
  EXPECT_EQ(g.Opcoes.NivelIdentacao, 0);

  TAtributos semData(g.Opcoes);
  EXPECT_THROW(semData.Data("d", 1e9), platform::EConvertError);
}

TEST(XmlWriter, GroupsPathAndAlertPattern) {
  TGerador g;
  g.Opcoes.IdentarXML = true;
  g.wGrupo("evtInfoEmpregador Id=\"ID1\"");
  EXPECT_EQ(g.Opcoes.NivelIdentacao, 1);
  g.wGrupo("ideEvento");
  g.wCampo(tcStr, "A01", "tpAmb", 1, 1, 1, "", " Ambiente ");
  g.wGrupo("/ideEvento");
  g.wGrupo("detVerbas");
  g.wGrupo("x");
  g.wGrupo("/detVerbas");
  g.wCampo(tcStr, "A02", "nrInsc", 1, 2, 1, "123");
  g.wGrupo("/evtInfoEmpregador");
  EXPECT_EQ(g.Opcoes.NivelIdentacao, 1);  // closed "x" never: the level stays one up
  EXPECT_EQ(g.ArquivoFormatoXML,
            "<evtInfoEmpregador Id=\"ID1\">\r\n"
            "   <ideEvento>\r\n"
            "      <tpAmb/>\r\n"
            "   </ideEvento>\r\n"
            "   <detVerbas>\r\n"
            "      <x>\r\n"
            "      </detVerbas>\r\n"
            "      <nrInsc>123</nrInsc>\r\n"
            "   </evtInfoEmpregador>\r\n");
  ASSERT_EQ(g.ListaDeAlertas.size(), 2u);
  EXPECT_EQ(g.ListaDeAlertas[0], "TAG:<evtInfoEmpregador><ideEvento> ID:A01/tpAmb(Ambiente) - Nenhum valor informado.");
  // Closing a "det" group cuts the path before it.
  EXPECT_EQ(g.ListaDeAlertas[1],
            "TAG:<evtInfoEmpregador> ID:A02/nrInsc() - Tamanho maior que o máximo permitido [123].");
  EXPECT_EQ(g.TagNivel(), "");

  TGerador p;
  p.Prefixo = "ns:";
  p.wGrupo("g");
  p.wCampo(tcStr, "", "a", 0, 1, 1, "v");
  p.wGrupo("/g");
  p.wAlerta("", "", "", "  ");  // blank messages are not alerts
  EXPECT_EQ(p.ArquivoFormatoXML, "<ns:g><ns:a>v</ns:a></ns:g>");
  EXPECT_TRUE(p.ListaDeAlertas.empty());
  EXPECT_EQ(p.TagNivel(), "");
}

// The path holds element names only, so a group opened with attributes leaves it when it closes
// (thousands of invoices would otherwise pile up in it), and a closing tag ends the innermost
// group of its name.
TEST(XmlWriter, GroupPathHoldsElementNames) {
  TGerador g;
  g.wGrupo("a");
  g.wGrupo("nfs serie=\"1\" nrDocto=\"2\"");
  g.wGrupo("a");
  EXPECT_EQ(g.TagNivel(), "<a><nfs><a>");
  g.wGrupo("/a");
  EXPECT_EQ(g.TagNivel(), "<a><nfs>");
  g.wGrupo("/nfs");
  EXPECT_EQ(g.TagNivel(), "<a>");
  EXPECT_EQ(g.ArquivoFormatoXML, "<a><nfs serie=\"1\" nrDocto=\"2\"><a></a></nfs>");
}

TEST(XmlWriter, SomenteValidarWritesNothingButAlertsTheSame) {
  auto run = [](bool validar) {
    TGerador g;
    g.Opcoes.SomenteValidar = validar;
    g.wCampo(tcStr, "1", "a", 1, 2, 1, "");
    g.wCampo(tcStr, "2", "b", 1, 2, 1, "long");
    g.wCampo(tcEsp, "3", "c", 1, 2, 1, "x");
    g.wCampoCNPJCPF("4", "5", "123");
    return g;
  };
  auto normal = run(false), validar = run(true);
  EXPECT_EQ(validar.ArquivoFormatoXML, "");
  EXPECT_FALSE(normal.ArquivoFormatoXML.empty());
  EXPECT_EQ(validar.ListaDeAlertas, normal.ListaDeAlertas);
  EXPECT_GE(normal.ListaDeAlertas.size(), 3u);
}

TEST(XmlWriter, TaxNumberFields) {
  struct Case {
    const char* number;
    bool obrigatorio, zeros;
    const char* xml;
    std::string alerts;
  };
  const Case cases[] = {
      {"11.222.333/0001-81", true, true, "<CNPJ>11222333000181</CNPJ>", ""},
      {"123.456.789-09", true, true, "<CPF>12345678909</CPF>", ""},
      {"191", true, true, "<CPF>00000000191</CPF>", ""},
      {"191", true, false, "<CPF>191</CPF>", "CPF: Conteúdo inválido|CNPJ-CPF: Conteúdo inválido"},
      {"12345678900", true, true, "<CPF>12345678900</CPF>", "CPF: Conteúdo inválido"},
      {"1000137", true, true, "<CPF>00001000137</CPF>", "CPF: Conteúdo inválido"},
      {"123456789012", true, true, "<CNPJ>00123456789012</CNPJ>", "CNPJ: Conteúdo inválido"},
      {"", true, true, "<CNPJ>00000000000000</CNPJ>", "CNPJ: Conteúdo inválido"},
      {"", false, true, "", ""},
      {"", true, false, "<CNPJ/>", ""},
      {"123456789012345", true, true, "<CNPJ>123456789012345</CNPJ>",
       "CNPJ: Tamanho maior que o máximo permitido [123456789012345]|CNPJ: Conteúdo inválido|CNPJ-CPF: Conteúdo "
       "inválido"},
  };
  for (const auto& c : cases) {
    TGerador g;
    g.Opcoes.FormatoAlerta = "%TAG%: %MSG%";
    g.wCampoCNPJCPF("I1", "I2", c.number, c.obrigatorio, c.zeros);
    std::string alerts;
    for (const auto& a : g.ListaDeAlertas) alerts += (alerts.empty() ? "" : "|") + a;
    EXPECT_EQ(g.ArquivoFormatoXML, c.xml) << c.number;
    EXPECT_EQ(alerts, c.alerts) << c.number;
  }

  TGerador g;
  g.Opcoes.FormatoAlerta = "%ID%/%TAG%(%DESCRICAO%) %MSG%";
  g.wCampoCNPJ("C1", "11222333000181", 1058, true);
  g.wCampoCNPJ("C2", "11222333000182", 1058, true);
  g.wCampoCNPJ("C3", "123", 1600, true);
  g.wCampoCPF("C4", "529.982.247-25", 1058, true);
  g.wCampoCPF("C5", "529.982.247-24", 1058, true);
  g.wCampoCPF("C6", "1", 1600, true);
  EXPECT_EQ(g.ArquivoFormatoXML,
            "<CNPJ>11222333000181</CNPJ><CNPJ>11222333000182</CNPJ><CNPJ/><CPF>52998224725</CPF>"
            "<CPF>52998224724</CPF><CPF/>");
  EXPECT_EQ(g.ListaDeAlertas,
            (std::vector<std::string>{"C2/CNPJ(CNPJ(MF)) Conteúdo inválido", "C5/CPF(CPF) Conteúdo inválido"}));
}

TEST(XmlWriter, FixedLayoutTextOutput) {
  TGerador g;
  g.LayoutArquivoTXT = {"<A>A|VERSAO\xC2\xA8|ID\xC2\xA8", "<B>NOTA|NUM\xC2\xA8", "<C>UNUSED|X\xC2\xA8"};
  g.wGrupo("a versao=\"1.0\"", "A");
  g.wCampo(tcStr, "", "ID", 0, 9, 1, "abc");
  g.wGrupo("/a", "");
  g.gtNivel("B");
  g.gtCampo("num", "42");
  g.gtAjustarRegistros("X");
  EXPECT_EQ(g.ArquivoFormatoTXT, "A|1.0|abc\rNOTa|42\r");
}

TEST(XmlWriter, SalvarArquivoWritesTheChosenText) {
  namespace fs = std::filesystem;
  std::string dir = (fs::temp_directory_path() / ("nembo-writer-" + platform::NewGuidText())).string();
  fs::create_directories(dir);
  TGerador g;
  g.wCampo(tcStr, "", "a", 0, 5, 1, "é");
  EXPECT_TRUE(g.SalvarArquivo(dir + "/out.xml"));
  EXPECT_EQ(testsupport::ReadFile(dir + "/out.xml"), "<a>e</a>\r\n");
  EXPECT_TRUE(g.SalvarArquivo(dir + "/out.txt", fgTXT));
  EXPECT_EQ(testsupport::ReadFile(dir + "/out.txt"), "\r\n");
  EXPECT_ANY_THROW(g.SalvarArquivo(dir + "/missing/dir/out.xml"));
  fs::remove_all(dir);
}
