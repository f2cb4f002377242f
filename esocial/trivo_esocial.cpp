#include "esocial/trivo_esocial.h"

#include "esocial/event_container.h"

namespace esocial {

TTrivoeSocial::TTrivoeSocial(dfe::TTrivoComponent* AOwner) : dfe::TTrivoDFe(AOwner) {}

// The container goes before the base part, whose configuration and facade its events use.
TTrivoeSocial::~TTrivoeSocial() { FEventos.reset(); }

void TTrivoeSocial::Create() {
  dfe::TTrivoDFe::Create();
  SSL().SetSSLDgst(dfe::dgstSHA256);
  FEventos = std::make_unique<TEventos>(*this);
}

TConfiguracoeseSocial& TTrivoeSocial::Configuracoes() const {
  return static_cast<TConfiguracoeseSocial&>(dfe::TTrivoDFe::Configuracoes());
}

std::string TTrivoeSocial::GetNomeModeloDFe() { return "eSocial"; }

std::unique_ptr<dfe::TConfiguracoes> TTrivoeSocial::InstanciarConfiguracoes() {
  return std::make_unique<TConfiguracoeseSocial>(this);
}

}  // namespace esocial
