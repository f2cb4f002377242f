#include "esocial/event_container.h"

#include <filesystem>
#include <optional>
#include <set>
#include <system_error>

#include "dfe/xml_reader.h"
#include "esocial/event_base.h"
#include "esocial/trivo_esocial.h"
#include "platform/strings.h"
#include "platform/text_file.h"
#include "platform/xml_text.h"

namespace esocial {

namespace {

bool EmBranco(char c) { return static_cast<unsigned char>(c) <= ' '; }

std::string_view Aparado(std::string_view Texto) {
  while (!Texto.empty() && EmBranco(Texto.front())) Texto.remove_prefix(1);
  while (!Texto.empty() && EmBranco(Texto.back())) Texto.remove_suffix(1);
  return Texto;
}

// The content of the first element Tag (letter case ignored), as a view; empty when none.
std::string_view ConteudoDe(std::string_view Texto, std::string_view Tag) {
  const std::optional<platform::TPosicaoTag> p = platform::PosicaoTag(Texto, Tag);
  return p ? Texto.substr(p->InicioConteudo, p->FimConteudo - p->InicioConteudo) : std::string_view();
}

}  // namespace

std::vector<std::string_view> CortarDocumentoseSocial(std::string_view Texto) {
  constexpr std::string_view kFim = "</eSocial>";
  std::vector<std::string_view> documentos;
  std::size_t inicio = 0;
  for (std::size_t fim = Texto.find(kFim); fim != std::string_view::npos; fim = Texto.find(kFim, inicio)) {
    documentos.push_back(Texto.substr(inicio, fim + kFim.size() - inicio));
    inicio = fim + kFim.size();
    while (inicio < Texto.size() && EmBranco(Texto[inicio])) ++inicio;
  }
  return documentos;
}

std::vector<std::string_view> CortarDocumentos(std::string_view Texto) {
  if (Texto.find("<envioLoteEventos") == std::string_view::npos) return CortarDocumentoseSocial(Texto);
  constexpr std::string_view kFimEvento = "</evento>";
  const std::string_view texto = ConteudoDe(ConteudoDe(Texto, "envioLoteEventos"), "eventos");
  dfe::TBuscaAdiante evento("<evento Id="), fimEvento{std::string(kFimEvento)};
  std::vector<std::string_view> documentos;
  for (std::size_t inicio = 0; evento.Proximo(texto, inicio) != std::string_view::npos;) {
    std::string_view bloco;
    const std::size_t fim = fimEvento.Proximo(texto, inicio);
    if (fim == std::string_view::npos) {
      // No closing tag left: eight characters make a block, and the text goes on after them.
      bloco = texto.substr(inicio, 8);
      inicio += bloco.size();
    } else {
      bloco = Aparado(texto.substr(inicio, fim + kFimEvento.size() - inicio));
      inicio = fim + kFimEvento.size();
      while (inicio < texto.size() && EmBranco(texto[inicio])) ++inicio;
    }
    const std::optional<platform::TPosicaoTag> eSocial = platform::PosicaoTag(bloco, "eSocial");
    documentos.push_back(eSocial ? bloco.substr(eSocial->Inicio, eSocial->Fim - eSocial->Inicio) : std::string_view());
  }
  return documentos;
}

TEventos::TEventos(TTrivoeSocial& AOwner)
    : FTrivoeSocial(AOwner),
      FIniciais(std::make_unique<TIniciais>(FTrivoeSocial)),
      FTabelas(std::make_unique<TTabelas>(FTrivoeSocial)),
      FNaoPeriodicos(std::make_unique<TNaoPeriodicos>(FTrivoeSocial)),
      FPeriodicos(std::make_unique<TPeriodicos>(FTrivoeSocial)),
      FGerados(std::make_unique<TGeradosCollection>()) {}

TEventos::~TEventos() = default;

std::vector<TGrupoEventos*> TEventos::Grupos() const {
  return {FIniciais.get(), FTabelas.get(), FNaoPeriodicos.get(), FPeriodicos.get()};
}

int TEventos::Count() const {
  int n = 0;
  for (TGrupoEventos* g : Grupos()) n += g->Count();
  return n;
}

void TEventos::Clear() {
  for (TGrupoEventos* g : Grupos()) g->Clear();
  FGerados->Clear();
}

bool TEventos::LoadFromStream(std::istream& AStream) { return LoadFromString(platform::StreamTextFromStart(AStream)); }

bool TEventos::LoadFromString(const std::string& AXMLString) {
  bool result = false;
  for (const std::string_view documento : CortarDocumentos(AXMLString)) {
    const std::string xml(documento);
    result = CarregarDocumento([&xml](TGrupoEventos& g) { return g.LoadFromString(xml); });
  }
  return result;
}

bool TEventos::LoadFromFile(const std::string& CaminhoArquivo, bool ArqXML) {
  const std::string texto = platform::LoadTextFileCrLf(CaminhoArquivo);
  return ArqXML ? LoadFromString(texto) : LoadFromStringINI(texto);
}

bool TEventos::LoadFromStringINI(const std::string& AINIString) {
  return CarregarDocumento([&](TGrupoEventos& g) { return g.LoadFromIni(AINIString); });
}

bool TEventos::LoadFromIni(const std::string& AIniString) { return LoadFromFile(AIniString, false); }

bool TEventos::CarregarDocumento(const std::function<bool(TGrupoEventos&)>& CarregarNoGrupo) {
  const std::vector<TGrupoEventos*> grupos = Grupos();
  // Lists only grow by appending, so their counts mark what this document adds.
  std::vector<int> marca;
  for (TGrupoEventos* g : grupos)
    for (int i = 0; i < g->QuantidadeListas(); ++i) marca.push_back(g->Lista(i).Count());
  bool result = false;
  try {
    // A group that fails removes its own event; the others hold nothing new.
    for (TGrupoEventos* g : grupos) result = CarregarNoGrupo(*g) || result;
    if (FTrivoeSocial.Configuracoes().Arquivos->Salvar()) SalvarNovosEAlterados();
  } catch (...) {
    std::size_t lista = 0;
    for (TGrupoEventos* g : grupos)
      for (int i = 0; i < g->QuantidadeListas(); ++i, ++lista) {
        TeSocialCollection& l = g->Lista(i);
        while (l.Count() > marca[lista]) l.Delete(l.Count() - 1);
      }
    throw;
  }
  return result;
}

void TEventos::SaveToFiles() {
  FGerados->Clear();
  for (TGrupoEventos* g : Grupos()) g->SaveToFiles();
}

void TEventos::SalvarNovosEAlterados() {
  // The files written now, by their place in the new Gerados.
  struct TEscrito {
    const TeSocialCollectionItem* Item;
    int Posicao;
    int Anterior;  // the last save's entry of the same file; -1: a new file
    std::string PathNome, idEvento;
  };
  std::vector<TEscrito> escritos;
  // The last save's entries come in the same order, with only the new events between them.
  int cursor = 0, posicao = 0;
  try {
    for (TGrupoEventos* g : Grupos())
      g->ArquivosDosEventos([&](const TeSocialCollectionItem& item, const std::string& nome, std::string_view digitos) {
        const TeSocialEvento& evento = item.Evento();
        int anterior = -1;
        if (cursor < FGerados->Count() && FGerados->GetItem(cursor).PathNome == nome) {
          const TGeradosCollectionItem& salvo = FGerados->GetItem(cursor);
          anterior = cursor++;
          const bool mesmoDocumento =
              (salvo.VersaoXML != 0 && salvo.VersaoXML == evento.VersaoXML()) || salvo.XML == evento.XML();
          if (salvo.TipoEvento == item.TipoEvento() && mesmoDocumento) {
            ++posicao;
            return;
          }
        }
        evento.SaveToFile(nome);
        escritos.push_back({&item, posicao++, anterior, nome, std::string(digitos)});
      });
  } catch (...) {
    // Of the files written, those no entry of the last save names are new.
    std::set<std::string> anteriores;
    for (int i = 0; i < FGerados->Count(); ++i) anteriores.insert(FGerados->GetItem(i).PathNome);
    for (const TEscrito& e : escritos)
      if (e.Anterior < 0 && !anteriores.count(e.PathNome)) {
        std::error_code ec;
        std::filesystem::remove(e.PathNome + ".xml", ec);
      }
    throw;
  }
  // The entries matched are the first ones, in order. Those after them went unmatched (events
  // no longer held, a new folder): their events, if still held, were written as new.
  while (FGerados->Count() > cursor) FGerados->Delete(FGerados->Count() - 1);
  // New entries go in between, changed ones are filled anew in place.
  for (TEscrito& e : escritos) {
    TGeradosCollectionItem& gerado = e.Anterior >= 0 ? FGerados->GetItem(e.Posicao) : FGerados->Insert(e.Posicao);
    const TeSocialEvento& evento = e.Item->Evento();
    gerado.TipoEvento = e.Item->TipoEvento();
    gerado.PathNome = std::move(e.PathNome);
    gerado.XML = evento.XML();
    gerado.idEvento = std::move(e.idEvento);
    gerado.VersaoXML = evento.VersaoXML();
  }
}

void TEventos::CopiarTipoEmpregador() { FTipoEmpregador = FTrivoeSocial.Configuracoes().Geral->TipoEmpregador(); }

void TEventos::Gerar() {
  CopiarTipoEmpregador();
  for (TGrupoEventos* g : Grupos()) g->Gerar();
}

void TEventos::Assinar() {
  CopiarTipoEmpregador();
  for (TGrupoEventos* g : Grupos()) g->Assinar();
}

void TEventos::Validar() {
  CopiarTipoEmpregador();
  for (TGrupoEventos* g : Grupos()) g->Validar();
}

void TEventos::GerarXMLs() {
  Gerar();
  Assinar();
  Validar();
}

}  // namespace esocial
