#pragma once
// The eSocial component: a document component whose configuration is the eSocial one, which
// signs with SHA-256 and owns the event container.
#include <memory>
#include <string>
#include <string_view>

#include "dfe/component_base.h"
#include "esocial/configuration_esocial.h"

namespace esocial {

// The common base address of the government's eSocial namespaces, SOAP actions and service
// paths; the event namespaces are this, "/schema/evt/", the event element and the version.
inline constexpr std::string_view kNameSpaceRaizeSocial = "http://www.esocial.gov.br";

class TEventos;

class TTrivoeSocial : public dfe::TTrivoDFe {
 public:
  // Make it with dfe::TTrivoDFe::Criar<TTrivoeSocial>(), which runs the creation steps.
  explicit TTrivoeSocial(dfe::TTrivoComponent* AOwner = nullptr);
  ~TTrivoeSocial() override;

  TConfiguracoeseSocial& Configuracoes() const;
  TEventos& Eventos() const { return *FEventos; }

  std::string GetNomeModeloDFe() override;

 protected:
  void Create() override;
  std::unique_ptr<dfe::TConfiguracoes> InstanciarConfiguracoes() override;

 private:
  friend class dfe::TTrivoDFe;
  std::unique_ptr<TEventos> FEventos;
};

}  // namespace esocial
