#include "esocial/event_container.h"

#include <filesystem>
#include <optional>
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
  TGeradosCollection anteriores;
  bool salvando = false;
  bool result = false;
  try {
    // A group that fails removes its own event; the others hold nothing new.
    for (TGrupoEventos* g : grupos) result = CarregarNoGrupo(*g) || result;
    if (FTrivoeSocial.Configuracoes().Arquivos->Salvar()) {
      salvando = true;
      anteriores.Swap(*FGerados);
      SaveToFiles();
    }
  } catch (...) {
    // Gerados lists the events in group and list order as far as the save got: the entries of
    // the new events name the files written for them.
    std::size_t k = 0, lista = 0;
    for (TGrupoEventos* g : grupos)
      for (int i = 0; i < g->QuantidadeListas(); ++i, ++lista) {
        TeSocialCollection& l = g->Lista(i);
        for (int j = 0; j < l.Count(); ++j, ++k)
          if (salvando && j >= marca[lista] && k < static_cast<std::size_t>(FGerados->Count())) {
            std::error_code ec;
            std::filesystem::remove(FGerados->GetItem(static_cast<int>(k)).PathNome + ".xml", ec);
          }
        while (l.Count() > marca[lista]) l.Delete(l.Count() - 1);
      }
    if (salvando) FGerados->Swap(anteriores);
    throw;
  }
  return result;
}

void TEventos::SaveToFiles() {
  FGerados->Clear();
  for (TGrupoEventos* g : Grupos()) g->SaveToFiles();
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
