#include "esocial/event_container.h"

#include <filesystem>
#include <system_error>

#include "esocial/event_base.h"
#include "esocial/trivo_esocial.h"
#include "platform/strings.h"
#include "platform/text_file.h"
#include "platform/xml_text.h"

namespace esocial {

std::vector<std::string> CortarDocumentoseSocial(std::string_view Texto) {
  constexpr std::string_view kFim = "</eSocial>";
  std::vector<std::string> documentos;
  std::string texto(Texto);
  for (std::size_t fim = texto.find(kFim); fim != std::string::npos; fim = texto.find(kFim)) {
    const std::size_t depois = fim + kFim.size();
    documentos.push_back(texto.substr(0, depois));
    texto = platform::Trim(std::string_view(texto).substr(depois));
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
  auto carregarXML = [](const std::string& documento) {
    return [&documento](TGrupoEventos& g) { return g.LoadFromString(documento); };
  };
  bool result = false;
  if (AXMLString.find("<envioLoteEventos") != std::string::npos) {
    std::string texto =
        platform::ExtrairConteudoTag(platform::ExtrairConteudoTag(AXMLString, "envioLoteEventos"), "eventos");
    while (texto.find("<evento Id=") != std::string::npos) {
      std::string bloco;
      const std::size_t fim = texto.find("</evento>");
      if (fim == std::string::npos) {
        bloco = platform::Copy(texto, 1, 8);
        texto = platform::Copy(texto, 9, static_cast<long long>(texto.size()));
      } else {
        const std::size_t depois = fim + std::string_view("</evento>").size();
        bloco = platform::Trim(std::string_view(texto).substr(0, depois));
        texto = platform::Trim(std::string_view(texto).substr(depois));
      }
      const std::string documento = platform::ExtrairConteudoTag(bloco, "eSocial", true);
      result = CarregarDocumento(carregarXML(documento));
    }
  } else {
    for (const std::string& documento : CortarDocumentoseSocial(AXMLString))
      result = CarregarDocumento(carregarXML(documento));
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
