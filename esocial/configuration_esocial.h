#pragma once
// The eSocial component's configuration: the DFe configuration with a general group that adds
// the layout version and the employer's and transmitter's identities, and a files group that
// adds the eSocial event folder.
#include <string>

#include "dfe/configuration.h"
#include "esocial/event_types.h"
#include "esocial/layout_enums.h"

namespace esocial {

// The name of the services INI: the text the component carries, and the file of that name
// with ".ini" in the program's folder that replaces it.
inline constexpr char kRecursoServicoseSocial[] = "TrivoeSocialServicos";

class TGeralConfeSocial : public dfe::TGeralConf {
 public:
  explicit TGeralConfeSocial(dfe::TConfiguracoes& AOwner);

  using dfe::TGeralConf::Assign;
  void Assign(const TGeralConfeSocial& DeGeralConfeSocial);
  void GravarIni(platform::TIniFile& AIni) const override;
  void LerIni(const platform::TIniFile& AIni) override;

  TVersaoeSocial VersaoDF() const { return FVersaoDF; }
  void SetVersaoDF(TVersaoeSocial AValue) { FVersaoDF = AValue; }
  const std::string& IdEmpregador() const { return FIdEmpregador; }
  void SetIdEmpregador(const std::string& AValue) { FIdEmpregador = AValue; }
  const std::string& IdTransmissor() const { return FIdTransmissor; }
  void SetIdTransmissor(const std::string& AValue) { FIdTransmissor = AValue; }
  TEmpregador TipoEmpregador() const { return FTipoEmpregador; }
  void SetTipoEmpregador(TEmpregador AValue) { FTipoEmpregador = AValue; }

 private:
  // The settings this group adds, each once (dfe/configuration_fields.h).
  template <class V>
  static void Campos(V&& v);

  TVersaoeSocial FVersaoDF = veS01_02_00;
  std::string FIdEmpregador, FIdTransmissor;
  TEmpregador FTipoEmpregador = tePessoaJuridica;
};

class TArquivosConfeSocial : public dfe::TArquivosConf {
 public:
  explicit TArquivosConfeSocial(dfe::TConfiguracoes& AOwner);

  using dfe::TArquivosConf::Assign;
  void Assign(const TArquivosConfeSocial& DeArquivosConfeSocial);
  void GravarIni(platform::TIniFile& AIni) override;
  void LerIni(const platform::TIniFile& AIni) override;
  // The folder of the event files of an employer for a date, created when missing.
  std::string GetPatheSocial(platform::TDateTime Data, const std::string& CNPJ = "");

  bool EmissaoPatheSocial() const { return FEmissaoPatheSocial; }
  void SetEmissaoPatheSocial(bool AValue) { FEmissaoPatheSocial = AValue; }
  // Base folder of the event files; empty means the save folder.
  const std::string& PatheSocial() const { return FPatheSocial; }
  void SetPatheSocial(const std::string& AValue) { FPatheSocial = AValue; }

 private:
  // The settings this group adds, each once (dfe/configuration_fields.h).
  template <class V>
  static void Campos(V&& v);

  bool FEmissaoPatheSocial = false;
  std::string FPatheSocial;
};

class TConfiguracoeseSocial : public dfe::TConfiguracoes {
 public:
  TConfiguracoeseSocial() : TConfiguracoeseSocial(nullptr) {}
  explicit TConfiguracoeseSocial(std::nullptr_t) : dfe::TConfiguracoes(nullptr) { Criar(); }
  // AOwner: the eSocial component.
  template <class TDono>
  explicit TConfiguracoeseSocial(TDono* AOwner) : dfe::TConfiguracoes(AOwner) {
    Criar();
  }

  using dfe::TConfiguracoes::Assign;
  // Copies the general, web-services, certificate and file groups (not RespTec nor SessaoIni).
  void Assign(const TConfiguracoeseSocial& DeConfiguracoeseSocial);

  // Typed views of the groups the eSocial configuration replaces (owned by the base's members
  // of the same names).
  TGeralConfeSocial* Geral = nullptr;
  TArquivosConfeSocial* Arquivos = nullptr;

 protected:
  std::unique_ptr<dfe::TGeralConf> InstanciarGeralConf() override;
  std::unique_ptr<dfe::TArquivosConf> InstanciarArquivosConf() override;

 private:
  void Criar();
};

}  // namespace esocial
