#pragma once
// Shared by the totalizer reader tests: the documents they read (fixture files of
// tests/esocial/fixtures, the government's replies read in place, small documents of layout
// S-1.03 that its schema accepts) and the expected-value tables, whose rows compare what a
// reader filled with what the document holds, both as text.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "esocial/replies_batch_consult.h"
#include "platform/date_time.h"

namespace esocialtest {

// The text of a fixture file of tests/esocial/fixtures.
std::string Fixture(const std::string& nome);
// Fixture(nome), with a test failure when it is not valid against the schema of its root raiz.
std::string FixtureValida(const std::string& nome, const std::string& raiz);
// xml with every element tag renamed, so that a reader finds none.
std::string SemElemento(const std::string& xml, const std::string& tag);
// xml with its namespace in single quotes: a text no version can be read from.
std::string NamespaceEntreAspasSimples(const std::string& xml);

// Conteudo, a totalizer's content, reads xml as the reader's setter has it read a new text;
// LerXML's result. The content holds the text whatever the result.
template <class TConteudo>
bool LerXMLDe(TConteudo& Conteudo, const std::string& xml) {
  Conteudo.Leitor().Arquivo = xml;
  const bool lido = Conteudo.LerXML();
  EXPECT_EQ(Conteudo.XML(), xml);
  return lido;
}
// The text of a reply of the shared samples, by its path under gov-replies.
std::string Amostra(const std::string& nome);
// The reader that the batch reply kept as the sample nome holds for the tot of the tipo in its
// first event, reached as a real reply reaches it; null when the reply does not read or has no
// such tot of that reader.
template <class TLeitor>
std::shared_ptr<TLeitor> TotalizadorDaAmostra(const std::string& nome, const std::string& tipo) {
  esocial::TRetConsultaLote r;
  r.Leitor.Arquivo = Amostra(nome);
  if (!r.LerXml() || r.RetEventos.Count() == 0) return nullptr;
  const esocial::TtotCollection& tots = r.RetEventos.GetItem(0).tot;
  for (int i = 0; i < tots.Count(); ++i) {
    const auto& evento = tots.GetItem(i).Evento;
    if (tots.GetItem(i).tipo != tipo || !evento) continue;
    auto* leitor = dynamic_cast<TLeitor*>(&evento->GetEvento());
    return leitor ? std::shared_ptr<TLeitor>(evento, leitor) : nullptr;
  }
  return nullptr;
}
// A totalizer document of layout S-1.03 with a placeholder signature: Evento with Raiz.
std::string Totalizador(const std::string& raiz, const std::vector<std::string>& grupos);

// One row of an expected-value table.
struct TValorLido {
  std::string campo, lido, esperado;
};

// What was read, as text: numbers as their shortest form ("1234.5"), dates as yyyy-mm-dd,
// enumerations as their ordinal (the expected column gives the enumerator).
inline std::string Txt(const std::string& v) { return v; }
std::string Txt(std::int64_t v);
inline std::string Txt(int v) { return Txt(static_cast<std::int64_t>(v)); }
std::string Txt(double v);
template <class E>
requires std::is_enum_v<E> std::string Txt(E v) { return Txt(static_cast<int>(v)); }
std::string Dia(platform::TDateTime v);

}  // namespace esocialtest
