#include "esocial/event_groups.h"

#include "esocial/event_base.h"
#include "esocial/event_container.h"
#include "esocial/trivo_esocial.h"
#include "platform/date_time.h"
#include "platform/files.h"
#include "platform/strings.h"
#include "platform/text_utils.h"

namespace esocial {

TGrupoEventos::TGrupoEventos(TTrivoeSocial& AOwner, TTipoGrupo AGrupo) : FTrivoeSocial(AOwner) {
  for (const TRegistroEvento& registro : RegistroEventos())
    if (registro.Grupo == AGrupo) FListas.push_back({&registro, registro.CriarLista(&AOwner)});
}

TGrupoEventos::~TGrupoEventos() = default;

TConfiguracoeseSocial& TGrupoEventos::Configuracoes() const { return FTrivoeSocial.Configuracoes(); }

void TGrupoEventos::Clear() {
  for (auto& l : FListas) l.Lista->Clear();
}

int TGrupoEventos::Count() const {
  int n = 0;
  for (const auto& l : FListas) n += l.Lista->Count();
  return n;
}

const TGrupoEventos::TListaDoGrupo* TGrupoEventos::DoTipo(TTipoEvento Tipo) const {
  for (const auto& l : FListas)
    if (l.Registro->Tipo == Tipo) return &l;
  return nullptr;
}

TeSocialCollection* TGrupoEventos::ListaDoTipo(TTipoEvento Tipo) const {
  const TListaDoGrupo* l = DoTipo(Tipo);
  return l ? l->Lista.get() : nullptr;
}

bool TGrupoEventos::Carregar(TTipoEvento Tipo,
                             const std::function<void(TeSocialEvento&, const TRegistroEvento&)>& CarregarEvento) {
  if (const TListaDoGrupo* l = DoTipo(Tipo)) {
    TeSocialCollection& lista = *l->Lista;
    TeSocialEvento& evento = lista.NovoItemEvento().Evento();
    try {
      CarregarEvento(evento, *l->Registro);
    } catch (...) {
      // An event whose load failed is not held: it would be saved and batched as it stood.
      lista.Delete(lista.Count() - 1);
      throw;
    }
  }
  return Count() > 0;
}

bool TGrupoEventos::LoadFromString(const std::string& AXMLString) {
  bool ok = false;
  const TTipoEvento tipo = XMLToTipoEvento(ok, AXMLString, Configuracoes().Geral->VersaoDF());
  return Carregar(tipo, [&](TeSocialEvento& evento, const TRegistroEvento& registro) {
    evento.SetXML(AXMLString);
    if (registro.LerXML) registro.LerXML(evento);
  });
}

bool TGrupoEventos::LoadFromIni(const std::string& AIniString) {
  bool ok = false;
  const TTipoEvento tipo = IniToTipoEvento(ok, AIniString, Configuracoes().Geral->VersaoDF());
  return Carregar(tipo, [&](TeSocialEvento& evento, const TRegistroEvento&) { evento.LerArqIni(AIniString); });
}

void TGrupoEventos::ArquivosDosEventos(const TVisitaArquivo& Visitar) const {
  if (Count() == 0) return;
  TConfiguracoeseSocial& conf = Configuracoes();
  const std::string pasta = platform::PathWithSlash(
      platform::Trim(conf.Arquivos->GetPatheSocial(platform::Now(), conf.Geral->IdEmpregador())));
  // One buffer for every name: the container walks all held events at each load.
  std::string nome;
  for (const auto& l : FListas) {
    const std::string codigo = "-" + TipoEventoToStr(l.Registro->Tipo) + "-";
    for (int i = 0; i < l.Lista->Count(); ++i) {
      const TeSocialCollectionItem& item = l.Lista->ItemEvento(i);
      nome = pasta;
      platform::AcrescentarDigitos(nome, item.Evento().Id);
      const std::size_t fimDigitos = nome.size();
      nome += codigo;
      nome += std::to_string(i);
      Visitar(item, nome, std::string_view(nome).substr(pasta.size(), fimDigitos - pasta.size()));
    }
  }
}

void TGrupoEventos::SaveToFiles() {
  TGeradosCollection& gerados = FTrivoeSocial.Eventos().Gerados();
  ArquivosDosEventos([&](const TeSocialCollectionItem& item, const std::string& nome, std::string_view digitos) {
    item.Evento().SaveToFile(nome);
    TGeradosCollectionItem& gerado = gerados.New();
    gerado.TipoEvento = item.TipoEvento();
    gerado.PathNome = nome;
    gerado.XML = item.Evento().XML();
    gerado.idEvento = digitos;
    gerado.VersaoXML = item.Evento().VersaoXML();
  });
}

void TGrupoEventos::Gerar() {
  for (const auto& l : FListas)
    for (int i = 0; i < l.Lista->Count(); ++i) l.Lista->ItemEvento(i).Evento().GerarXML();
}

void TGrupoEventos::Assinar() {
  for (const auto& l : FListas)
    for (int i = 0; i < l.Lista->Count(); ++i) {
      TeSocialEvento& evento = l.Lista->ItemEvento(i).Evento();
      evento.SetXML(evento.Assinar(evento.XML(), std::string(l.Registro->ElementoAssinado)));
    }
}

void TGrupoEventos::Validar() {
  for (const auto& l : FListas)
    for (int i = 0; i < l.Lista->Count(); ++i) l.Lista->ItemEvento(i).Evento().Validar(l.Registro->Schema);
}

}  // namespace esocial
