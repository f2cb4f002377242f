#pragma once
// The configuration of a DFe component: general settings, web services, certificates, files
// and technical responsible. The settings that concern the security facade are pushed into the
// owning component's facade as they change. The whole can be written to and read from an INI.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "dfe/field_conversions.h"
#include "dfe/masked_password.h"
#include "dfe/ssl.h"
#include "platform/date_time.h"
#include "platform/ini.h"

namespace dfe {

class TConfiguracoes;

// What the configuration reaches of the component that owns it. Made from the owner by the
// configuration's constructor; the calls are made only when a setting needs them, so the
// owner's facade may be created after its configuration.
struct TDonoConfiguracoes {
  std::function<TDFeSSL&()> SSL;
  std::function<std::string()> NomeModeloDFe;
};

// The program's compiled-in resource texts (the services INIs) by name; the component base
// installs its reader. Without one, reading a resource fails as a missing resource.
using TLeitorRecurso = std::string (*)(std::string_view nome);
void DefinirLeitorRecurso(TLeitorRecurso leitor);

// Base of the five groups: the root they belong to, and a component name.
class TGrupoConf {
 public:
  explicit TGrupoConf(TConfiguracoes& AOwner) : FConfiguracoes(AOwner) {}
  virtual ~TGrupoConf() = default;
  TGrupoConf(const TGrupoConf&) = delete;
  TGrupoConf& operator=(const TGrupoConf&) = delete;

  const std::string& Name() const { return FName; }
  void SetName(const std::string& value) { FName = value; }
  TConfiguracoes& Configuracoes() const { return FConfiguracoes; }

 protected:
  // The owner's facade, or null when the configuration has no owner.
  TDFeSSL* SSL() const;
  // Stores a changed value and pushes it into the owner's facade.
  template <class T, class Empurrar>
  void Atualizar(T& campo, const T& valor, Empurrar empurrar) {
    if (valor == campo) return;
    campo = valor;
    if (TDFeSSL* ssl = SSL()) empurrar(*ssl, valor);
  }
  TConfiguracoes& FConfiguracoes;
  std::string FName;
};

class TGeralConf : public TGrupoConf {
 public:
  explicit TGeralConf(TConfiguracoes& AOwner);

  virtual void Assign(const TGeralConf& DeGeralConf);
  virtual void GravarIni(platform::TIniFile& AIni) const;
  virtual void LerIni(const platform::TIniFile& AIni);

  TSSLLib SSLLib() const { return FSSLLib; }
  void SetSSLLib(TSSLLib AValue);
  TSSLCryptLib SSLCryptLib() const { return FSSLCryptLib; }
  void SetSSLCryptLib(TSSLCryptLib AValue);
  TSSLHttpLib SSLHttpLib() const { return FSSLHttpLib; }
  void SetSSLHttpLib(TSSLHttpLib AValue);
  TSSLXmlSignLib SSLXmlSignLib() const { return FSSLXmlSignLib; }
  void SetSSLXmlSignLib(TSSLXmlSignLib AValue);

  TpcnTipoEmissao FormaEmissao() const { return FFormaEmissao; }
  void SetFormaEmissao(TpcnTipoEmissao AValue) { FFormaEmissao = AValue; }
  int FormaEmissaoCodigo() const;
  bool Salvar() const { return FSalvar; }
  void SetSalvar(bool AValue) { FSalvar = AValue; }
  bool ExibirErroSchema() const { return FExibirErroSchema; }
  void SetExibirErroSchema(bool AValue) { FExibirErroSchema = AValue; }
  // The default pattern while the stored one is empty or names none of its fields.
  std::string FormatoAlerta() const;
  void SetFormatoAlerta(const std::string& AValue) { FFormatoAlerta = AValue; }
  bool RetirarAcentos() const { return FRetirarAcentos; }
  void SetRetirarAcentos(bool AValue) { FRetirarAcentos = AValue; }
  bool RetirarEspacos() const { return FRetirarEspacos; }
  void SetRetirarEspacos(bool AValue) { FRetirarEspacos = AValue; }
  bool IdentarXML() const { return FIdentarXML; }
  void SetIdentarXML(bool AValue) { FIdentarXML = AValue; }
  bool ValidarDigest() const { return FValidarDigest; }
  void SetValidarDigest(bool AValue) { FValidarDigest = AValue; }

 private:
  // The settings, each once, for Assign, GravarIni and LerIni (dfe/configuration_fields.h).
  template <class V>
  static void Campos(V&& v);

  void AtualizarSSLLib();

  TSSLLib FSSLLib = libNone;
  TSSLCryptLib FSSLCryptLib = cryNone;
  TSSLHttpLib FSSLHttpLib = httpNone;
  TSSLXmlSignLib FSSLXmlSignLib = xsNone;
  bool FDefinindoSSLLib = false;
  TpcnTipoEmissao FFormaEmissao = teNormal;
  bool FSalvar = true;
  bool FExibirErroSchema = true;
  std::string FFormatoAlerta;
  bool FRetirarAcentos = true;
  bool FRetirarEspacos = true;
  bool FIdentarXML = false;
  bool FValidarDigest = true;
};

enum TTimeZoneModoDeteccao : int { tzSistema, tzPCN, tzManual };

// The pack's time-zone settings.
class TTimeZoneConf {
 public:
  void Assign(const TTimeZoneConf& Source) {
    ModoDeteccao = Source.ModoDeteccao;
    TimeZoneStr = Source.TimeZoneStr;
  }
  TTimeZoneModoDeteccao ModoDeteccao = tzSistema;
  std::string TimeZoneStr;
};

class TWebServicesConf : public TGrupoConf {
 public:
  explicit TWebServicesConf(TConfiguracoes& AOwner);

  // Bytes of the services INI file named by Arquivos.IniServicos; empty when there is none.
  virtual std::string LerArquivoParams();
  // Text of the services INI compiled into the program under ResourceName.
  virtual std::string LerRecursoParams();
  virtual void Assign(const TWebServicesConf& DeWebServicesConf);
  virtual void GravarIni(platform::TIniFile& AIni) const;
  virtual void LerIni(const platform::TIniFile& AIni);
  // Fills Params with the services INI: the file, else the compiled-in text.
  virtual void LerParams();

  const std::string& UF() const { return FUF; }
  // Only one of the 27 state abbreviations (exact case) is taken; anything else is ignored.
  void SetUF(const std::string& AValue);
  int UFCodigo() const { return FUFCodigo; }
  TpcnTipoAmbiente Ambiente() const { return FAmbiente; }
  void SetAmbiente(TpcnTipoAmbiente AValue) { FAmbiente = AValue; }
  int AmbienteCodigo() const { return FAmbiente == taProducao ? 1 : 2; }
  bool Visualizar() const { return FVisualizar; }
  void SetVisualizar(bool AValue) { FVisualizar = AValue; }
  const std::string& ProxyHost() const { return FProxyHost; }
  void SetProxyHost(const std::string& AValue);
  const std::string& ProxyPort() const { return FProxyPort; }
  void SetProxyPort(const std::string& AValue);
  const std::string& ProxyUser() const { return FProxyUser; }
  void SetProxyUser(const std::string& AValue);
  const std::string& ProxyPass() const { return FProxyPass; }
  void SetProxyPass(const std::string& AValue);
  std::uint32_t AguardarConsultaRet() const { return FAguardarConsultaRet; }
  void SetAguardarConsultaRet(std::uint32_t AValue) { FAguardarConsultaRet = AValue; }
  int Tentativas() const { return FTentativas; }
  void SetTentativas(int AValue) { FTentativas = AValue <= 0 ? 5 : AValue; }
  std::uint32_t IntervaloTentativas() const { return FIntervaloTentativas; }
  void SetIntervaloTentativas(std::uint32_t AValue) { FIntervaloTentativas = AValue < 1000 ? 1000 : AValue; }
  bool AjustaAguardaConsultaRet() const { return FAjustaAguardaConsultaRet; }
  void SetAjustaAguardaConsultaRet(bool AValue) { FAjustaAguardaConsultaRet = AValue; }
  bool Salvar() const { return FSalvar; }
  void SetSalvar(bool AValue) { FSalvar = AValue; }
  int TimeOut() const { return FTimeOut; }
  void SetTimeOut(int AValue);
  bool TimeOutPorThread() const { return FTimeOutPorThread; }
  void SetTimeOutPorThread(bool AValue);
  const std::string& QuebradeLinha() const { return FQuebradeLinha; }
  void SetQuebradeLinha(const std::string& AValue) { FQuebradeLinha = AValue; }
  TSSLType SSLType() const { return FSSLType; }
  void SetSSLType(TSSLType AValue);
  const std::string& ResourceName() const { return FResourceName; }
  void SetResourceName(const std::string& AValue) { FResourceName = AValue; }

  std::vector<std::string> Params;  // the services INI text, one line an item
  TTimeZoneConf TimeZoneConf;

 private:
  // The settings, each once, for Assign, GravarIni and LerIni (dfe/configuration_fields.h).
  template <class V>
  static void Campos(V&& v);

  std::string FUF = "SP";
  int FUFCodigo = 35;
  TpcnTipoAmbiente FAmbiente = taHomologacao;
  bool FVisualizar = false;
  std::string FProxyHost, FProxyPort, FProxyUser, FProxyPass;
  std::uint32_t FAguardarConsultaRet = 0;
  int FTentativas = 5;
  std::uint32_t FIntervaloTentativas = 1000;
  bool FAjustaAguardaConsultaRet = false;
  bool FSalvar = false;
  int FTimeOut = 5000;
  bool FTimeOutPorThread = false;
  std::string FQuebradeLinha = "|";
  TSSLType FSSLType = LT_TLSv1_2;
  std::string FResourceName = "TrivoServicos";
};

class TCertificadosConf : public TGrupoConf {
 public:
  explicit TCertificadosConf(TConfiguracoes& AOwner);

  virtual void Assign(const TCertificadosConf& DeCertificadosConf);
  virtual void GravarIni(platform::TIniFile& AIni) const;
  virtual void LerIni(const platform::TIniFile& AIni);

  const std::string& URLPFX() const { return FURLPFX; }
  void SetURLPFX(const std::string& AValue);
  const std::string& ArquivoPFX() const { return FArquivoPFX; }
  void SetArquivoPFX(const std::string& AValue);
  const std::string& DadosPFX() const { return FDadosPFX; }
  void SetDadosPFX(const std::string& AValue);
  const std::string& NumeroSerie() const { return FNumeroSerie; }
  // Stored without blanks, in upper case.
  void SetNumeroSerie(const std::string& AValue);
  // Held masked in memory.
  std::string Senha() const;
  void SetSenha(const std::string& AValue);
  bool VerificarValidade() const { return FVerificarValidade; }
  void SetVerificarValidade(bool AValue) { FVerificarValidade = AValue; }

 private:
  // The settings, each once, for Assign, GravarIni and LerIni (dfe/configuration_fields.h).
  template <class V>
  static void Campos(V&& v);

  std::string FURLPFX, FArquivoPFX, FDadosPFX, FNumeroSerie;
  TSenhaMascarada FSenha;
  bool FVerificarValidade = true;
};

enum TTagOrdenacaoPath : int { opNenhum, opCNPJ, opModelo, opData, opLiteral, opIE };

class TOrdenacaoPathItem {
 public:
  void Assign(const TOrdenacaoPathItem& Source) { Item = Source.Item; }
  // "(nenhum)", "CNPJ", "Modelo", "Data", "Literal"; empty for opIE.
  std::string GetDisplayName() const;
  TTagOrdenacaoPath Item = opNenhum;
};

// Explicit order of the parts of a document's folder.
class TOrdenacaoPath {
 public:
  TOrdenacaoPathItem& Add();
  TOrdenacaoPathItem& Items(int Index) const;  // std::out_of_range outside the list
  int Count() const { return static_cast<int>(FItems.size()); }
  void Clear() { FItems.clear(); }

 private:
  std::vector<std::unique_ptr<TOrdenacaoPathItem>> FItems;
};

class TDownloadConf {
 public:
  void Assign(const TDownloadConf& Source) {
    PathDownload = Source.PathDownload;
    SepararPorNome = Source.SepararPorNome;
  }
  std::string PathDownload;
  bool SepararPorNome = false;
};

class TArquivosConf : public TGrupoConf {
 public:
  explicit TArquivosConf(TConfiguracoes& AOwner);

  virtual void Assign(const TArquivosConf& DeArquivosConf);
  virtual void GravarIni(platform::TIniFile& AIni);
  virtual void LerIni(const platform::TIniFile& AIni);
  // The folder of a document, created when missing.
  virtual std::string GetPath(const std::string& APath, const std::string& ALiteral, const std::string& CNPJ = "",
                              const std::string& IE = "", platform::TDateTime Data = 0,
                              const std::string& ModeloDescr = "");
  std::string GetPathDownload(const std::string& xNome = "", const std::string& CNPJ = "", const std::string& IE = "",
                              platform::TDateTime Data = 0);
  std::string GetPathDownloadEvento(TpcnTpEvento tipoEvento, const std::string& xNome = "",
                                    const std::string& CNPJ = "", const std::string& IE = "",
                                    platform::TDateTime Data = 0);

  // The three paths take their defaults (in the program's folder) when read while empty and
  // the configuration has an owner. The two folders are read trimmed and with a final '/'.
  std::string PathSalvar();
  void SetPathSalvar(const std::string& AValue) { FPathSalvar = AValue; }
  std::string PathSchemas();
  void SetPathSchemas(const std::string& AValue) { FPathSchemas = AValue; }
  std::string IniServicos();
  void SetIniServicos(const std::string& AValue) { FIniServicos = AValue; }
  bool Salvar() const { return FSalvar; }
  void SetSalvar(bool AValue) { FSalvar = AValue; }
  bool AdicionarLiteral() const { return FAdicionarLiteral; }
  void SetAdicionarLiteral(bool AValue) { FAdicionarLiteral = AValue; }
  bool SepararPorCNPJ() const { return FSepararPorCNPJ; }
  void SetSepararPorCNPJ(bool AValue) { FSepararPorCNPJ = AValue; }
  bool SepararPorIE() const { return FSepararPorIE; }
  void SetSepararPorIE(bool AValue) { FSepararPorIE = AValue; }
  bool SepararPorModelo() const { return FSepararPorModelo; }
  void SetSepararPorModelo(bool AValue) { FSepararPorModelo = AValue; }
  bool SepararPorAno() const { return FSepararPorAno; }
  void SetSepararPorAno(bool AValue) { FSepararPorAno = AValue; }
  bool SepararPorMes() const { return FSepararPorMes; }
  void SetSepararPorMes(bool AValue);  // false also clears SepararPorDia
  bool SepararPorDia() const { return FSepararPorDia; }
  void SetSepararPorDia(bool AValue);  // true also sets SepararPorMes

  TOrdenacaoPath OrdenacaoPath;
  TDownloadConf DownloadDFe;

 private:
  // The settings, each once, for Assign, GravarIni and LerIni (dfe/configuration_fields.h).
  template <class V>
  static void Campos(V&& v);

  std::string Padrao(std::string& valor, const std::string& padrao, bool pasta);
  // PathDownload (the save folder when empty), then the name's letters and digits when the
  // download folders are divided by name.
  std::string BaseDownload(const std::string& xNome);

  std::string FPathSalvar, FPathSchemas, FIniServicos;
  bool FSalvar = true;
  bool FAdicionarLiteral = false;
  bool FSepararPorCNPJ = false, FSepararPorIE = false, FSepararPorModelo = false;
  bool FSepararPorAno = false, FSepararPorMes = false, FSepararPorDia = false;
};

class TRespTecConf : public TGrupoConf {
 public:
  explicit TRespTecConf(TConfiguracoes& AOwner) : TGrupoConf(AOwner) {}

  virtual void Assign(const TRespTecConf& DeRespTecConf);
  virtual void GravarIni(platform::TIniFile& AIni) const;
  virtual void LerIni(const platform::TIniFile& AIni);

  int IdCSRT = 0;
  std::string CSRT;

 private:
  // The settings, each once, for Assign, GravarIni and LerIni (dfe/configuration_fields.h).
  template <class V>
  static void Campos(V&& v);
};

class TConfiguracoes {
 public:
  // Without an owner nothing is pushed anywhere and the paths have no defaults.
  TConfiguracoes() : TConfiguracoes(nullptr) {}
  explicit TConfiguracoes(std::nullptr_t) : TConfiguracoes(std::unique_ptr<TDonoConfiguracoes>()) {}
  // AOwner: the DFe component (anything with SSL() and GetNomeModeloDFe()).
  template <class TDono>
  explicit TConfiguracoes(TDono* AOwner) : TConfiguracoes(Dono(AOwner)) {}
  // Create, then SessaoIni := ASessaoIni.
  template <class TDono>
  static std::unique_ptr<TConfiguracoes> CreateNomearSessao(TDono* AOwner, const std::string& ASessaoIni) {
    auto c = std::make_unique<TConfiguracoes>(AOwner);
    c->SessaoIni = ASessaoIni;
    return c;
  }
  virtual ~TConfiguracoes();
  TConfiguracoes(const TConfiguracoes&) = delete;
  TConfiguracoes& operator=(const TConfiguracoes&) = delete;

  virtual void Assign(const TConfiguracoes& DeConfiguracoes);
  virtual void GravarIni(platform::TIniFile& AIni);
  virtual void LerIni(const platform::TIniFile& AIni);
  // The file's lines become WebServices.Params.
  void LerParams(const std::string& NomeArqParams);

  const std::string& Name() const { return FName; }
  void SetName(const std::string& value) { FName = value; }
  bool TemDono() const { return FDono != nullptr; }
  // The owner's facade; null without an owner.
  TDFeSSL* SSL() const { return FDono ? &FDono->SSL() : nullptr; }
  std::string NomeModeloDFe() const { return FDono ? FDono->NomeModeloDFe() : std::string(); }

  std::unique_ptr<TGeralConf> Geral;
  std::unique_ptr<TWebServicesConf> WebServices;
  std::unique_ptr<TCertificadosConf> Certificados;
  std::unique_ptr<TArquivosConf> Arquivos;
  std::unique_ptr<TRespTecConf> RespTec;
  std::string SessaoIni;
  std::string ChaveCryptINI;

 protected:
  explicit TConfiguracoes(std::unique_ptr<TDonoConfiguracoes> dono);
  // Group factories; a derived root replaces the groups it specialises.
  virtual std::unique_ptr<TGeralConf> InstanciarGeralConf();
  virtual std::unique_ptr<TWebServicesConf> InstanciarWebServicesConf();
  virtual std::unique_ptr<TCertificadosConf> InstanciarCertificadosConf();
  virtual std::unique_ptr<TArquivosConf> InstanciarArquivosConf();
  virtual std::unique_ptr<TRespTecConf> InstanciarRespTecConf();

  template <class TDono>
  static std::unique_ptr<TDonoConfiguracoes> Dono(TDono* AOwner) {
    if (!AOwner) return nullptr;
    auto d = std::make_unique<TDonoConfiguracoes>();
    d->SSL = [AOwner]() -> TDFeSSL& { return AOwner->SSL(); };
    d->NomeModeloDFe = [AOwner] { return AOwner->GetNomeModeloDFe(); };
    return d;
  }

 private:
  std::unique_ptr<TDonoConfiguracoes> FDono;
  std::string FName;
};

}  // namespace dfe
