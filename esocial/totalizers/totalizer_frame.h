#pragma once
// The frame every totalizer reader is built on. A reader module (s5001_reader.h is one) has:
//
//   namespace esocial::s5001 {
//   class TEvtBasesTrab : public totalizers::TConteudoTotalizador {   // the content class
//    public:
//     TEvtBasesTrab() : TConteudoTotalizador("evtBasesTrab") {}
//     ... the groups of the layout ...
//    protected:
//     void LerGrupos(const TLeituraTags& x) override;   // the reading order, after the Id
//   };
//   class TS5001 : public totalizers::TLeitorTotalizador<TEvtBasesTrab, teS5001> {
//    public:
//     TEvtBasesTrab& EvtBasesTrab() { return Conteudo(); }
//   };
//   }
//
// and one row in totalizer_registry.cpp. Assigning a document to the reader's Xml reads it:
// the layout version from the namespace path "/evt/" + root + "/", the root at level 1, its Id,
// then the reader's groups with the root's children at level 2. A reading that fails (unknown
// version, missing root, a code that must be exact) returns false and keeps what it read.
#include <string>
#include <string_view>

#include "dfe/xml_reader.h"
#include "esocial/event_collection.h"
#include "esocial/event_types.h"
#include "esocial/tag_reading.h"

namespace esocial {
class TIdeEvento5;
class TIdeEmpregador;
}  // namespace esocial

namespace esocial::totalizers {

class TConteudoTotalizador {
 public:
  virtual ~TConteudoTotalizador() = default;
  TConteudoTotalizador(const TConteudoTotalizador&) = delete;
  TConteudoTotalizador& operator=(const TConteudoTotalizador&) = delete;

  // The reader over the document; LerXML reads its Arquivo.
  dfe::TLeitor& Leitor() { return FLeitor; }
  // The root element's Id attribute.
  const std::string& Id() const { return FId; }
  // The document last read.
  const std::string& XML() const { return FXML; }
  // The layout version of the document's namespace; ve02_04_01 until one is read.
  TVersaoeSocial VersaoDF() const { return FVersaoDF; }

  // Reads Leitor().Arquivo into the content, adding to what an earlier reading filled (lists
  // grow, single values found are overwritten). True when the reading reached its end; false
  // for an unknown version (nothing read), a missing root or any error on the way (what was
  // read before it stays). Never raises.
  bool LerXML();

 protected:
  // Raiz: the root element, whose name also sits in the namespace path. ComVersao: false for
  // a reader that takes no version from the namespace (VersaoDF stays ve02_04_01 and an
  // unknown namespace does not stop the reading).
  explicit TConteudoTotalizador(std::string_view Raiz, bool ComVersao = true);
  // The reader's groups in document order; the root is the current group and level 1.
  virtual void LerGrupos(const TLeituraTags& x) = 0;

 private:
  std::string FRaiz;
  bool FComVersao;
  dfe::TLeitor FLeitor;
  std::string FId;
  std::string FXML;
  TVersaoeSocial FVersaoDF = ve02_04_01;
};

// The identification groups that head the totalizers, at level 2, each read when found:
// ideEvento with nrRecArqBase, IndApuracao and perApur; ideEmpregador with tpInsc and nrInsc.
void LerIdeEvento(const TLeituraTags& x, TIdeEvento5& IdeEvento);
void LerIdeEmpregador(const TLeituraTags& x, TIdeEmpregador& IdeEmpregador);

// The Xml setter of every reader: a text that differs from the one held (exact comparison)
// is kept and read; the same text again reads nothing.
void AtribuirXml(TConteudoTotalizador& Conteudo, const std::string& Value);

// A reader: the reference-counted totalizer event that a batch consultation reply holds
// (through std::shared_ptr<IEventoeSocial>), owning its content.
template <class TConteudo, TTipoEvento Tipo>
class TLeitorTotalizador : public IEventoeSocial {
 public:
  std::string Xml() const override { return FConteudo.XML(); }
  void SetXml(const std::string& Value) override { AtribuirXml(FConteudo, Value); }
  TTipoEvento TipoEvento() const override { return Tipo; }

 protected:
  TConteudo& Conteudo() { return FConteudo; }
  const TConteudo& Conteudo() const { return FConteudo; }

 private:
  TConteudo FConteudo;
};

}  // namespace esocial::totalizers
