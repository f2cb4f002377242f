#pragma once
// What the event unit tests share: an event written and its document assigned as a batch
// assigns it (signed, validated against its schema, the signature checked by xmlsec1), a
// signed document loaded through a component's container, INI input written from a map of
// sections so that a case changes only the keys it is about, the identification of the events
// about a worker's bond, and the cases all their XML readers share.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "esocial/configuration_esocial.h"
#include "esocial/event_base.h"
#include "esocial/event_collection.h"
#include "esocial/event_container.h"
#include "esocial/event_types.h"
#include "support/esocial/esocial_test_support.h"
#include "support/message_of.h"

namespace esocialtest {

// The Id the tests give their events, so that documents of the same fields are equal.
inline constexpr const char* kIdEvento = "ID1123456780000002023031012000000001";

// The list of a type in the component's container.
esocial::TeSocialCollection& ListaDoTipo(const TComponente& C, esocial::TTipoEvento Tipo);

// The kind of employer whose events a list holds: the helpers below set their components up
// as one. The test file of an individual employer's event specialises it.
template <class TLista>
inline constexpr esocial::TEmpregador kTipoEmpregador = esocial::tePessoaJuridica;

template <class TLista>
TComponente NovoComponenteDe(bool comCertificado = true) {
  return NovoComponente(comCertificado, kTipoEmpregador<TLista>);
}

// Loads Xml through the container (as the agent does: its LerXML runs) and returns the event
// made for it.
template <class TLista>
typename TLista::TEventoDaLista& Carregar(TComponente& C, const std::string& Xml) {
  C.Eventos().LoadFromString(Xml);
  auto& lista = static_cast<TLista&>(ListaDoTipo(C, TLista::TipoDaLista));
  return lista.GetItem(lista.Count() - 1).Evento();
}

// Xml with the first De replaced by Para; the test fails when there is none.
std::string Trocar(std::string Xml, const std::string& De, const std::string& Para);
// Xml without its first element Grupo.
std::string SemGrupo(const std::string& Xml, const std::string& Grupo);

// INI input: section, key, value.
using TIni = std::map<std::string, std::map<std::string, std::string>>;
std::string TextoIni(const TIni& Ini);

// The identification of a bond event: kIdEvento, the employer, one worker's bond.
template <class TEvento>
void Identificar(TEvento& Evento) {
  Evento.Id = kIdEvento;
  Evento.IdeEvento.VerProc = "NEMBO 1.0";
  Evento.IdeEmpregador.NrInsc = kEmpregador;
  Evento.IdeVinculo = {"12345678909", "", "M-001", 101};
}
// The same as the INI sections of an event whose root is Raiz.
TIni IniIdentificacao(const std::string& Raiz);

// The writer's alert lines are one per expected text, each holding its text, in order.
void VerificarAlertas(const std::vector<std::string>& Alertas, const std::vector<std::string>& Esperados);

// C set to the layout Versao, validating against that layout's own schema folder.
void UsarLeiaute(TComponente& C, esocial::TVersaoeSocial Versao);

// One valid document of the list's event under the layout Versao, the whole road: written from
// the fields Preencher sets (raising the alerts that hold Alertas, one each, in order), signed,
// valid against its schema and accepted by xmlsec1; Ini, the same fields as INI input, writes it
// again; loaded through a container as the agent loads it, it reads back (LerXML) into an event
// that writes it again, or, for an event without an XML reader, is kept as it was signed.
template <class TLista>
void VerificarDocumentoValido(const std::function<void(typename TLista::TEventoDaLista&)>& Preencher, const TIni& Ini,
                              const std::vector<std::string>& Alertas = {},
                              esocial::TVersaoeSocial Versao = esocial::veS01_03_00) {
  TComponente c = NovoComponenteDe<TLista>();
  UsarLeiaute(c, Versao);
  auto& lista = static_cast<TLista&>(ListaDoTipo(c, TLista::TipoDaLista));
  auto& campos = lista.New().Evento();
  Preencher(campos);
  campos.GerarXML();
  const std::string escrito = campos.XML();
  campos.SetXML(escrito);
  std::string saida;
  EXPECT_TRUE(Xmlsec1Aceita(campos.XML(), &saida)) << saida;
  VerificarAlertas(campos.Gerador().ListaDeAlertas, Alertas);

  auto& doIni = lista.New().Evento();
  EXPECT_TRUE(doIni.LerArqIni(TextoIni(Ini)));
  doIni.GerarXML();
  EXPECT_EQ(doIni.XML(), escrito);

  TComponente outro = NovoComponenteDe<TLista>(false);
  UsarLeiaute(outro, Versao);
  auto& lido = Carregar<TLista>(outro, campos.XML());
  if constexpr (requires(typename TLista::TEventoDaLista & e) { e.LerXML(); }) {
    lido.GerarXML();
    EXPECT_EQ(lido.XML(), escrito);
  } else {
    EXPECT_EQ(lido.XML(), campos.XML());
  }
}

// A valid document of a test file's event: what it changes in the file's base fields and base
// INI input, and the alerts its writing raises.
template <class TEvento>
struct TDocumentoValido {
  const char* nome;
  std::function<void(TEvento&)> campos;
  std::function<void(TIni&)> ini;
  std::vector<std::string> alertas;
};

// VerificarDocumentoValido for each document over the base fields and INI input, under the
// layout Versao.
template <class TLista>
void VerificarDocumentosValidos(const std::function<void(typename TLista::TEventoDaLista&)>& Preencher,
                                const TIni& IniBase,
                                const std::vector<TDocumentoValido<typename TLista::TEventoDaLista>>& Documentos,
                                esocial::TVersaoeSocial Versao = esocial::veS01_03_00) {
  for (const auto& d : Documentos) {
    SCOPED_TRACE(d.nome);
    TIni ini = IniBase;
    d.ini(ini);
    VerificarDocumentoValido<TLista>(
        [&](typename TLista::TEventoDaLista& e) {
          Preencher(e);
          d.campos(e);
        },
        ini, d.alertas, Versao);
  }
}

// A case of a test file's INI reader: the change to the base INI input, part of the message
// LerArqIni raises (testsupport::kNoError when nothing is; empty when not looked at) and what
// the event holds after it. VerificarCasosIni reads them under the layout Versao.
template <class TEvento>
struct TCasoIni {
  const char* nome;
  std::function<void(TIni&)> mudar;
  std::string erro;
  std::function<void(TEvento&)> verificar;
};

template <class TLista>
void VerificarCasosIni(const TIni& IniBase, const std::vector<TCasoIni<typename TLista::TEventoDaLista>>& Casos,
                       esocial::TVersaoeSocial Versao = esocial::veS01_03_00) {
  for (const auto& caso : Casos) {
    SCOPED_TRACE(caso.nome);
    TComponente c = NovoComponenteDe<TLista>();
    UsarLeiaute(c, Versao);
    auto& e = static_cast<TLista&>(ListaDoTipo(c, TLista::TipoDaLista)).New().Evento();
    TIni ini = IniBase;
    caso.mudar(ini);
    EXPECT_THAT(testsupport::MessageOf([&] { e.LerArqIni(TextoIni(ini)); }), ::testing::HasSubstr(caso.erro));
    caso.verificar(e);
  }
}

// What the schema of the layout Versao says of the document Evento writes under it, signed:
// the validator's message, or testsupport::kNoError. The 2.5 layout's schemas sit beside the
// S-1.03 ones, S-1.0 to S-1.2 in folders of their own. C, which holds the event, is left set to
// that layout.
std::string ErroNoEsquema(TComponente& C, esocial::TeSocialEvento& Evento, esocial::TVersaoeSocial Versao);

// The document GerarXML writes, unsigned.
inline std::string Escrito(esocial::TeSocialEvento& Evento) {
  Evento.GerarXML();
  return Evento.XML();
}

// A new event of the list in C, which is set to the layout Versao.
template <class TLista>
typename TLista::TEventoDaLista& NovoEvento(TComponente& C, esocial::TVersaoeSocial Versao) {
  C.eSocial->Configuracoes().Geral->SetVersaoDF(Versao);
  return static_cast<TLista&>(ListaDoTipo(C, TLista::TipoDaLista)).New().Evento();
}

// The folder of the official schemas of the layout Versao: S-1.03 and 2.5 at the top, S-1.00
// to S-1.02 each in a folder of its own.
std::string SchemasDoLeiaute(esocial::TVersaoeSocial Versao);

// The event of the list written under the layout Versao from the fields Preencher sets, signed
// and valid against that layout's official schema, the signature accepted by xmlsec1; returns
// the written document. It signs by the event's element name, so it serves the layouts under
// which the event matrix does not know the event (2.5 for most periodic events).
template <class TLista>
std::string VerificarValidoNoLeiaute(esocial::TVersaoeSocial Versao,
                                     const std::function<void(typename TLista::TEventoDaLista&)>& Preencher) {
  TComponente c = NovoComponenteDe<TLista>();
  c.eSocial->Configuracoes().Arquivos->SetPathSchemas(SchemasDoLeiaute(Versao));
  auto& e = NovoEvento<TLista>(c, Versao);
  Preencher(e);
  e.GerarXML();
  const std::string escrito = e.XML();
  const std::string assinado =
      e.Assinar(escrito, esocial::TipoEventoToEventoString(TLista::TipoDaLista, esocial::veS01_03_00));
  EXPECT_EQ(testsupport::MessageOf(
                [&] { e.Validar(esocial::TipoEventoToeSocialSchema(TLista::TipoDaLista, esocial::veS01_03_00)); }),
            testsupport::kNoError);
  std::string saida;
  EXPECT_TRUE(Xmlsec1Aceita(assinado, &saida)) << saida;
  return escrito;
}

// A case of a test file's writer under one layout: the change to the file's base fields, the
// texts the document holds and does not hold, and the alerts its writing raises, one each in
// order.
template <class TEvento>
struct TCasoLeiaute {
  const char* nome;
  esocial::TVersaoeSocial versao;
  std::function<void(TEvento&)> mudar;
  std::vector<std::string> escritos, ausentes, alertas;
};

template <class TLista>
void VerificarCasosLeiaute(const std::function<void(typename TLista::TEventoDaLista&)>& Preencher,
                           const std::vector<TCasoLeiaute<typename TLista::TEventoDaLista>>& Casos) {
  for (const auto& caso : Casos) {
    SCOPED_TRACE(caso.nome);
    TComponente c = NovoComponenteDe<TLista>(false);
    auto& e = NovoEvento<TLista>(c, caso.versao);
    Preencher(e);
    caso.mudar(e);
    e.GerarXML();
    for (const std::string& texto : caso.escritos) EXPECT_THAT(e.XML(), ::testing::HasSubstr(texto));
    for (const std::string& texto : caso.ausentes) EXPECT_THAT(e.XML(), ::testing::Not(::testing::HasSubstr(texto)));
    VerificarAlertas(e.Gerador().ListaDeAlertas, caso.alertas);
  }
}

// What every bond event's LerXML does, on Xml, a valid document of the event with the body
// group Corpo holding the date element whose start tag is TagData: without the root it returns false and reads
// nothing; with the root but without Corpo it returns true with the identification read; a
// malformed date raises, and the container keeps no event for the document. CorpoLido tells
// whether an event holds anything of the body.
template <class TLista>
void VerificarLeiturasComuns(const std::string& Xml, const std::string& Corpo, const std::string& TagData,
                             const std::function<bool(const typename TLista::TEventoDaLista&)>& CorpoLido) {
  using TEvento = typename TLista::TEventoDaLista;
  TComponente c = NovoComponente(false);
  auto& lista = static_cast<TLista&>(ListaDoTipo(c, TLista::TipoDaLista));
  {
    SCOPED_TRACE("without the root");
    const std::size_t inicio = Xml.rfind('<', Xml.find(" Id=\""));
    const std::string nome = Xml.substr(inicio + 1, Xml.find(' ', inicio) - inicio - 1);
    TEvento& e = lista.New().Evento();
    e.SetXML(
        ComAssinaturaFicticia(Trocar(Trocar(Xml, "<" + nome + " ", "<evtOutro "), "</" + nome + ">", "</evtOutro>")));
    EXPECT_FALSE(e.LerXML());
    EXPECT_EQ(e.IdeEmpregador.NrInsc, "");
    EXPECT_EQ(e.IdeVinculo.cpfTrab, "");
    EXPECT_FALSE(CorpoLido(e));
  }
  {
    SCOPED_TRACE("without " + Corpo);
    TEvento& e = lista.New().Evento();
    e.SetXML(ComAssinaturaFicticia(SemGrupo(Xml, Corpo)));
    EXPECT_TRUE(e.LerXML());
    EXPECT_EQ(e.IdeEmpregador.NrInsc, std::string(kEmpregador).substr(0, 8));
    EXPECT_EQ(e.IdeVinculo.cpfTrab, "12345678909");
    EXPECT_EQ(e.IdeVinculo.matricula, "M-001");
    EXPECT_EQ(e.IdeVinculo.codCateg, 101);
    EXPECT_FALSE(CorpoLido(e));
  }
  {
    SCOPED_TRACE("a malformed date");
    TComponente outro = NovoComponente(false);
    std::string documento = Xml;
    documento.replace(Xml.find(TagData) + TagData.size(), 10, "2023-02-30");
    EXPECT_THAT(testsupport::MessageOf([&] { outro.Eventos().LoadFromString(ComAssinaturaFicticia(documento)); }),
                ::testing::HasSubstr("2023-02-30"));
    EXPECT_EQ(outro.Eventos().Count(), 0);
  }
}

}  // namespace esocialtest
