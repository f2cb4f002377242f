#include "esocial/configuration_esocial.h"

namespace esocial {

using platform::TIniFile;

TGeralConfeSocial::TGeralConfeSocial(dfe::TConfiguracoes& AOwner) : dfe::TGeralConf(AOwner) {}

void TGeralConfeSocial::Assign(const TGeralConfeSocial& o) {
  dfe::TGeralConf::Assign(o);
  SetVersaoDF(o.FVersaoDF);
  SetIdTransmissor(o.FIdTransmissor);
  SetIdEmpregador(o.FIdEmpregador);
  SetTipoEmpregador(o.FTipoEmpregador);
}

void TGeralConfeSocial::GravarIni(TIniFile& AIni) const {
  dfe::TGeralConf::GravarIni(AIni);
  const std::string& s = FConfiguracoes.SessaoIni;
  if (s.empty()) return;
  AIni.WriteInteger(s, "VersaoDF", FVersaoDF);
  AIni.WriteString(s, "IdTransmissor", FIdTransmissor);
  AIni.WriteString(s, "IdEmpregador", FIdEmpregador);
  AIni.WriteInteger(s, "TipoEmpregador", FTipoEmpregador);
}

void TGeralConfeSocial::LerIni(const TIniFile& AIni) {
  dfe::TGeralConf::LerIni(AIni);
  const std::string& s = FConfiguracoes.SessaoIni;
  if (s.empty()) return;
  // An ordinal outside the enumeration is kept as read.
  SetVersaoDF(static_cast<TVersaoeSocial>(AIni.ReadInteger(s, "VersaoDF", FVersaoDF)));
  FIdTransmissor = AIni.ReadString(s, "IdTransmissor", FIdTransmissor);
  FIdEmpregador = AIni.ReadString(s, "IdEmpregador", FIdEmpregador);
  SetTipoEmpregador(static_cast<TEmpregador>(AIni.ReadInteger(s, "TipoEmpregador", FTipoEmpregador)));
}

TArquivosConfeSocial::TArquivosConfeSocial(dfe::TConfiguracoes& AOwner) : dfe::TArquivosConf(AOwner) {}

void TArquivosConfeSocial::Assign(const TArquivosConfeSocial& o) {
  dfe::TArquivosConf::Assign(o);
  SetEmissaoPatheSocial(o.FEmissaoPatheSocial);
  SetPatheSocial(o.FPatheSocial);
}

void TArquivosConfeSocial::GravarIni(TIniFile& AIni) {
  dfe::TArquivosConf::GravarIni(AIni);
  const std::string& s = FConfiguracoes.SessaoIni;
  if (s.empty()) return;
  AIni.WriteBool(s, "EmissaoPatheSocial", FEmissaoPatheSocial);
  AIni.WriteString(s, "PatheSocial", FPatheSocial);
}

void TArquivosConfeSocial::LerIni(const TIniFile& AIni) {
  dfe::TArquivosConf::LerIni(AIni);
  const std::string& s = FConfiguracoes.SessaoIni;
  if (s.empty()) return;
  FEmissaoPatheSocial = AIni.ReadBool(s, "EmissaoPatheSocial", FEmissaoPatheSocial);
  FPatheSocial = AIni.ReadString(s, "PatheSocial", FPatheSocial);
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
  WebServices->SetResourceName("TrivoeSocialServicos");
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
