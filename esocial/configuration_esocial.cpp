#include "esocial/configuration_esocial.h"

#include "dfe/configuration_fields.h"

namespace esocial {

using platform::TIniFile;

TGeralConfeSocial::TGeralConfeSocial(dfe::TConfiguracoes& AOwner) : dfe::TGeralConf(AOwner) {}

template <class V>
void TGeralConfeSocial::Campos(V&& v) {
  using G = TGeralConfeSocial;
  using enum dfe::campos::TSecao;
  // The numbers are kept as read, even outside their enumerations.
  v(Sessao, "VersaoDF", dfe::campos::Inteiro, &G::FVersaoDF, &G::SetVersaoDF);
  v(Sessao, "IdTransmissor", dfe::campos::Texto, &G::FIdTransmissor, &G::SetIdTransmissor);
  v(Sessao, "IdEmpregador", dfe::campos::Texto, &G::FIdEmpregador, &G::SetIdEmpregador);
  v(Sessao, "TipoEmpregador", dfe::campos::Inteiro, &G::FTipoEmpregador, &G::SetTipoEmpregador);
}

void TGeralConfeSocial::Assign(const TGeralConfeSocial& o) {
  dfe::TGeralConf::Assign(o);
  Campos(dfe::campos::TCopia(*this, o));
}

void TGeralConfeSocial::GravarIni(TIniFile& AIni) const {
  dfe::TGeralConf::GravarIni(AIni);
  Campos(dfe::campos::TGravacao(*this, AIni));
}

void TGeralConfeSocial::LerIni(const TIniFile& AIni) {
  dfe::TGeralConf::LerIni(AIni);
  Campos(dfe::campos::TLeitura(*this, AIni));
}

TArquivosConfeSocial::TArquivosConfeSocial(dfe::TConfiguracoes& AOwner) : dfe::TArquivosConf(AOwner) {}

template <class V>
void TArquivosConfeSocial::Campos(V&& v) {
  using G = TArquivosConfeSocial;
  using enum dfe::campos::TSecao;
  v(Sessao, "EmissaoPatheSocial", dfe::campos::Bool, &G::FEmissaoPatheSocial, &G::SetEmissaoPatheSocial);
  v(Sessao, "PatheSocial", dfe::campos::Texto, &G::FPatheSocial, &G::SetPatheSocial);
}

void TArquivosConfeSocial::Assign(const TArquivosConfeSocial& o) {
  dfe::TArquivosConf::Assign(o);
  Campos(dfe::campos::TCopia(*this, o));
}

void TArquivosConfeSocial::GravarIni(TIniFile& AIni) {
  dfe::TArquivosConf::GravarIni(AIni);
  Campos(dfe::campos::TGravacao(*this, AIni));
}

void TArquivosConfeSocial::LerIni(const TIniFile& AIni) {
  dfe::TArquivosConf::LerIni(AIni);
  Campos(dfe::campos::TLeitura(*this, AIni));
}

std::string TArquivosConfeSocial::GetPatheSocial(platform::TDateTime Data, const std::string& CNPJ) {
  return GetPath(FPatheSocial, "eSocial", CNPJ, "", Data, "eSocial");
}

void TConfiguracoeseSocial::Criar() {
  // The base constructor made the base groups; the eSocial ones replace them.
  dfe::TConfiguracoes::Geral = InstanciarGeralConf();
  dfe::TConfiguracoes::Geral->SetName("GeralConf");
  dfe::TConfiguracoes::Arquivos = InstanciarArquivosConf();
  dfe::TConfiguracoes::Arquivos->SetName("ArquivosConf");
  Geral = static_cast<TGeralConfeSocial*>(dfe::TConfiguracoes::Geral.get());
  Arquivos = static_cast<TArquivosConfeSocial*>(dfe::TConfiguracoes::Arquivos.get());
  SessaoIni = "eSocial";
  WebServices->SetResourceName(kRecursoServicoseSocial);
}

std::unique_ptr<dfe::TGeralConf> TConfiguracoeseSocial::InstanciarGeralConf() {
  return std::make_unique<TGeralConfeSocial>(*this);
}

std::unique_ptr<dfe::TArquivosConf> TConfiguracoeseSocial::InstanciarArquivosConf() {
  return std::make_unique<TArquivosConfeSocial>(*this);
}

void TConfiguracoeseSocial::Assign(const TConfiguracoeseSocial& o) {
  Geral->Assign(*o.Geral);
  WebServices->Assign(*o.WebServices);
  Certificados->Assign(*o.Certificados);
  Arquivos->Assign(*o.Arquivos);
}

}  // namespace esocial
