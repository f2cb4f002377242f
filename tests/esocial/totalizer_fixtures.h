#pragma once
// Shared by the totalizer reader tests: the documents kept under fixtures/, checked against
// the official schema of their root before a test reads them, and the rows of a table of the
// values a reading must give.
#include <gtest/gtest.h>

#include <concepts>
#include <string>
#include <utility>
#include <vector>

#include "platform/number_text.h"

namespace esocialtest {

// The text of fixtures/<Nome> with a placeholder signature, as the government signs its
// totalizers; a test failure when it is not valid against the official S-1.03 schema of its
// root Raiz.
std::string FixtureValida(const std::string& Nome, const std::string& Raiz);

// Valido with the element Tag renamed, so that a reader finds none.
std::string SemElemento(const std::string& Valido, const std::string& Tag);
// Valido with its namespace in single quotes: a text no version can be read from.
std::string NamespaceEntreAspasSimples(const std::string& Valido);

// Conteudo, a totalizer's content, reads Xml as the reader's setter has it read a new text;
// LerXML's result. The content holds the text whatever the result.
template <class TConteudo>
bool LerXMLDe(TConteudo& Conteudo, const std::string& Xml) {
  Conteudo.Leitor().Arquivo = Xml;
  const bool lido = Conteudo.LerXML();
  EXPECT_EQ(Conteudo.XML(), Xml);
  return lido;
}

// A row of an expected-value table: the field's path, the value read as text (numbers in
// their shortest form; a coded field through its ToStr conversion) and the text expected.
struct TValorEsperado {
  template <class T>
  TValorEsperado(std::string ACampo, const T& ALido, std::string AEsperado)
      : Campo(std::move(ACampo)), Lido(Texto(ALido)), Esperado(std::move(AEsperado)) {}

  std::string Campo, Lido, Esperado;

 private:
  static std::string Texto(const std::string& v) { return v; }
  static std::string Texto(const char* v) { return v; }
  static std::string Texto(double v) { return platform::FloatToText(v); }
  template <std::integral T>
  static std::string Texto(T v) {
    return std::to_string(v);
  }
};

// Each row's value read equals its value expected (a failure names the field).
void ConfereValores(const std::vector<TValorEsperado>& Valores);

// The setter's rule on a new reader of type TLeitor: an empty text reads nothing, and Doc
// assigned twice is read once. Itens counts the items that a reading of Doc adds.
template <class TLeitor, class FItens>
void ConfereLeituraUnica(const std::string& Doc, FItens Itens) {
  TLeitor leitor;
  leitor.SetXml("");
  EXPECT_EQ(leitor.Xml(), "");
  EXPECT_EQ(Itens(leitor), 0);
  leitor.SetXml(Doc);
  const int lidos = Itens(leitor);
  EXPECT_GT(lidos, 0);
  leitor.SetXml(Doc);
  EXPECT_EQ(Itens(leitor), lidos);
}

}  // namespace esocialtest
