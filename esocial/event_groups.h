#pragma once
// The four event groups: initial events (S-1000, S-1005), table events (S-1010 to S-1080),
// non-periodic events (S-2190 to S-3500) and periodic events (S-1200 to S-1300). A group holds
// one list per event type (the rows of esocial/events/event_registry.h). It recognises an
// incoming document's type, adds the event to the list of that type and assigns the document
// (which signs and validates an unsigned one); it saves its events as files, recording each
// in the container's Gerados; and it generates, signs and validates all its events.
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "esocial/event_collection.h"
#include "esocial/events/event_registry.h"

namespace esocial {

class TTrivoeSocial;
class TConfiguracoeseSocial;

// The unit list classes the typed accessors return (declared in their unit headers).
// clang-format off
namespace s1000 { class TS1000Collection; }
namespace s1005 { class TS1005Collection; }
namespace s1010 { class TS1010Collection; }
namespace s1020 { class TS1020Collection; }
namespace s1030 { class TS1030Collection; }
namespace s1035 { class TS1035Collection; }
namespace s1040 { class TS1040Collection; }
namespace s1050 { class TS1050Collection; }
namespace s1060 { class TS1060Collection; }
namespace s1070 { class TS1070Collection; }
namespace s1080 { class TS1080Collection; }
namespace s1200 { class TS1200Collection; }
namespace s1202 { class TS1202Collection; }
namespace s1207 { class TS1207Collection; }
namespace s1210 { class TS1210Collection; }
namespace s1220 { class TS1220Collection; }
namespace s1250 { class TS1250Collection; }
namespace s1260 { class TS1260Collection; }
namespace s1270 { class TS1270Collection; }
namespace s1280 { class TS1280Collection; }
namespace s1295 { class TS1295Collection; }
namespace s1298 { class TS1298Collection; }
namespace s1299 { class TS1299Collection; }
namespace s1300 { class TS1300Collection; }
namespace s2190 { class TS2190Collection; }
namespace s2200 { class TS2200Collection; }
namespace s2205 { class TS2205Collection; }
namespace s2206 { class TS2206Collection; }
namespace s2210 { class TS2210Collection; }
namespace s2220 { class TS2220Collection; }
namespace s2221 { class TS2221Collection; }
namespace s2230 { class TS2230Collection; }
namespace s2231 { class TS2231Collection; }
namespace s2240 { class TS2240Collection; }
namespace s2245 { class TS2245Collection; }
namespace s2250 { class TS2250Collection; }
namespace s2260 { class TS2260Collection; }
namespace s2298 { class TS2298Collection; }
namespace s2299 { class TS2299Collection; }
namespace s2300 { class TS2300Collection; }
namespace s2306 { class TS2306Collection; }
namespace s2399 { class TS2399Collection; }
namespace s2400 { class TS2400Collection; }
namespace s2405 { class TS2405Collection; }
namespace s2410 { class TS2410Collection; }
namespace s2416 { class TS2416Collection; }
namespace s2418 { class TS2418Collection; }
namespace s2420 { class TS2420Collection; }
namespace s2500 { class TS2500Collection; }
namespace s2501 { class TS2501Collection; }
namespace s2555 { class TS2555Collection; }
namespace s3000 { class TS3000Collection; }
namespace s3500 { class TS3500Collection; }
// clang-format on

class TGrupoEventos {
 public:
  // Makes every list of the group for the component.
  TGrupoEventos(TTrivoeSocial& AOwner, TTipoGrupo AGrupo);
  virtual ~TGrupoEventos();
  TGrupoEventos(const TGrupoEventos&) = delete;
  TGrupoEventos& operator=(const TGrupoEventos&) = delete;

  // Frees every event of every list.
  void Clear();
  // Events held in all the group's lists.
  int Count() const;
  // For a document of one of the group's types under the configured version: adds an event to
  // its list and assigns the document (S-1010, S-1060, S-2200, S-2210, S-2220 and S-2240 then
  // read it into their fields). A failure removes that event before it goes on. Returns
  // whether the group holds any event.
  bool LoadFromString(const std::string& AXMLString);
  // The same for event INI text (or an INI file name): the type named by its first section,
  // then the event's LerArqIni.
  bool LoadFromIni(const std::string& AIniString);
  // Writes every event to the employer's eSocial folder as
  // <Id digits>-<event code>-<index in its list>.xml and appends its entry to Gerados.
  void SaveToFiles();
  // Each event in list order with the name SaveToFiles gives its file (without ".xml") and the
  // digits of its Id, both valid during the call; nothing is written.
  using TVisitaArquivo =
      std::function<void(const TeSocialCollectionItem& Item, const std::string& PathNome, std::string_view idEvento)>;
  void ArquivosDosEventos(const TVisitaArquivo& Visitar) const;
  void Gerar();
  void Assinar();
  void Validar();

  // The group's lists in order, with their rows.
  int QuantidadeListas() const { return static_cast<int>(FListas.size()); }
  TeSocialCollection& Lista(int Index) const { return *FListas.at(static_cast<std::size_t>(Index)).Lista; }
  const TRegistroEvento& Registro(int Index) const { return *FListas.at(static_cast<std::size_t>(Index)).Registro; }
  // The list of a type; null for a type the group does not hold.
  TeSocialCollection* ListaDoTipo(TTipoEvento Tipo) const;

 protected:
  template <class TLista>
  TLista& ListaTipada() const {
    return static_cast<TLista&>(*ListaDoTipo(TLista::TipoDaLista));
  }

 private:
  struct TListaDoGrupo {
    const TRegistroEvento* Registro;
    std::unique_ptr<TeSocialCollection> Lista;
  };
  const TListaDoGrupo* DoTipo(TTipoEvento Tipo) const;
  TConfiguracoeseSocial& Configuracoes() const;
  // Adds an event to the type's list and runs Carregar on it; a failure removes the event.
  bool Carregar(TTipoEvento Tipo, const std::function<void(TeSocialEvento&, const TRegistroEvento&)>& CarregarEvento);

  TTrivoeSocial& FTrivoeSocial;
  std::vector<TListaDoGrupo> FListas;
};

class TIniciais : public TGrupoEventos {
 public:
  explicit TIniciais(TTrivoeSocial& AOwner) : TGrupoEventos(AOwner, TTipoGrupo::Iniciais) {}
  s1000::TS1000Collection& S1000() const;
  s1005::TS1005Collection& S1005() const;
};

class TTabelas : public TGrupoEventos {
 public:
  explicit TTabelas(TTrivoeSocial& AOwner) : TGrupoEventos(AOwner, TTipoGrupo::Tabelas) {}
  s1010::TS1010Collection& S1010() const;
  s1020::TS1020Collection& S1020() const;
  s1030::TS1030Collection& S1030() const;
  s1035::TS1035Collection& S1035() const;
  s1040::TS1040Collection& S1040() const;
  s1050::TS1050Collection& S1050() const;
  s1060::TS1060Collection& S1060() const;
  s1070::TS1070Collection& S1070() const;
  s1080::TS1080Collection& S1080() const;
};

class TNaoPeriodicos : public TGrupoEventos {
 public:
  explicit TNaoPeriodicos(TTrivoeSocial& AOwner) : TGrupoEventos(AOwner, TTipoGrupo::NaoPeriodicos) {}
  s2190::TS2190Collection& S2190() const;
  s2200::TS2200Collection& S2200() const;
  s2205::TS2205Collection& S2205() const;
  s2206::TS2206Collection& S2206() const;
  s2210::TS2210Collection& S2210() const;
  s2220::TS2220Collection& S2220() const;
  s2221::TS2221Collection& S2221() const;
  s2230::TS2230Collection& S2230() const;
  s2231::TS2231Collection& S2231() const;
  s2240::TS2240Collection& S2240() const;
  s2245::TS2245Collection& S2245() const;
  s2250::TS2250Collection& S2250() const;
  s2260::TS2260Collection& S2260() const;
  s2298::TS2298Collection& S2298() const;
  s2299::TS2299Collection& S2299() const;
  s2300::TS2300Collection& S2300() const;
  s2306::TS2306Collection& S2306() const;
  s2399::TS2399Collection& S2399() const;
  s2400::TS2400Collection& S2400() const;
  s2405::TS2405Collection& S2405() const;
  s2410::TS2410Collection& S2410() const;
  s2416::TS2416Collection& S2416() const;
  s2418::TS2418Collection& S2418() const;
  s2420::TS2420Collection& S2420() const;
  s2500::TS2500Collection& S2500() const;
  s2501::TS2501Collection& S2501() const;
  s2555::TS2555Collection& S2555() const;
  s3000::TS3000Collection& S3000() const;
  s3500::TS3500Collection& S3500() const;
};

class TPeriodicos : public TGrupoEventos {
 public:
  explicit TPeriodicos(TTrivoeSocial& AOwner) : TGrupoEventos(AOwner, TTipoGrupo::Periodicos) {}
  s1200::TS1200Collection& S1200() const;
  s1202::TS1202Collection& S1202() const;
  s1207::TS1207Collection& S1207() const;
  s1210::TS1210Collection& S1210() const;
  s1220::TS1220Collection& S1220() const;
  s1250::TS1250Collection& S1250() const;
  s1260::TS1260Collection& S1260() const;
  s1270::TS1270Collection& S1270() const;
  s1280::TS1280Collection& S1280() const;
  s1295::TS1295Collection& S1295() const;
  s1298::TS1298Collection& S1298() const;
  s1299::TS1299Collection& S1299() const;
  s1300::TS1300Collection& S1300() const;
};

}  // namespace esocial
