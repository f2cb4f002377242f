#include "dfe/configuration.h"

#include <cctype>
#include <filesystem>
#include <stdexcept>

#include "dfe/exceptions.h"
#include "dfe/xml_writer.h"
#include "platform/base64.h"
#include "platform/files.h"
#include "platform/strings.h"
#include "platform/text_encoding.h"
#include "platform/text_utils.h"
#include "platform/xor_cipher.h"

namespace dfe {

using platform::TIniFile;

namespace {

struct TLinhaSSLLib {
  TSSLLib lib;
  TSSLCryptLib crypt;
  TSSLHttpLib http;
  TSSLXmlSignLib sign;
};
constexpr TLinhaSSLLib kSSLLibs[] = {
    {libNone, cryNone, httpNone, xsNone},
    {libOpenSSL, cryOpenSSL, httpOpenSSL, xsLibXml2},
    {libCapicom, cryCapicom, httpWinINet, xsMsXmlCapicom},
    {libCapicomSoap, cryCapicom, httpIndy, xsMsXmlCapicom},
    {libWinCrypt, cryWinCrypt, httpWinHttp, xsLibXml2},
};

// An ordinal from the INI, kept only when it names a value of the enumeration.
template <class E>
E LerOrdinal(const TIniFile& ini, const std::string& secao, const char* chave, E atual, int ultimo) {
  std::int64_t v = ini.ReadInteger(secao, chave, static_cast<int>(atual));
  return v >= 0 && v <= ultimo ? static_cast<E>(v) : atual;
}

// The lines of a services INI's bytes (LF or CR LF; bytes that are not UTF-8 read as
// Windows-1252), without the empty item a final line break would leave.
std::vector<std::string> LinhasDoTexto(const std::string& bytes) {
  std::vector<std::string> linhas;
  for (auto& linha : platform::Split(platform::EnsureUtf8(bytes), '\n')) {
    if (!linha.empty() && linha.back() == '\r') linha.pop_back();
    linhas.push_back(linha);
  }
  if (!linhas.empty() && linhas.back().empty()) linhas.pop_back();
  return linhas;
}

}  // namespace

// ---- groups ------------------------------------------------------------------------------

TDFeSSL* TGrupoConf::SSL() const { return FConfiguracoes.SSL(); }

TGeralConf::TGeralConf(TConfiguracoes& AOwner) : TGrupoConf(AOwner) {}

int TGeralConf::FormaEmissaoCodigo() const { return platform::StrToIntDef(TipoEmissaoToStr(FFormaEmissao), 0); }

std::string TGeralConf::FormatoAlerta() const {
  for (const char* campo : {"%TAGNIVEL%", "%TAG%", "%ID%", "%MSG%", "%DESCRICAO%"})
    if (FFormatoAlerta.find(campo) != std::string::npos) return FFormatoAlerta;
  return kFormatoAlertaPadrao;
}

void TGeralConf::SetSSLLib(TSSLLib AValue) {
  struct TGuarda {
    bool& flag;
    ~TGuarda() { flag = false; }
  } guarda{FDefinindoSSLLib};
  FDefinindoSSLLib = true;
  for (const auto& l : kSSLLibs)
    if (l.lib == AValue) {
      SetSSLCryptLib(l.crypt);
      SetSSLHttpLib(l.http);
      SetSSLXmlSignLib(l.sign);
    }
  FSSLLib = AValue;
}

void TGeralConf::AtualizarSSLLib() {
  if (FDefinindoSSLLib) return;
  FSSLLib = libCustom;
  for (const auto& l : kSSLLibs)
    if (l.crypt == FSSLCryptLib && l.http == FSSLHttpLib && l.sign == FSSLXmlSignLib) FSSLLib = l.lib;
}

void TGeralConf::SetSSLCryptLib(TSSLCryptLib AValue) {
  if (AValue == FSSLCryptLib) return;
  if (TDFeSSL* ssl = SSL()) ssl->SetSSLCryptLib(AValue);  // may refuse: the value then stays
  FSSLCryptLib = AValue;
  AtualizarSSLLib();
}

void TGeralConf::SetSSLHttpLib(TSSLHttpLib AValue) {
  if (AValue == FSSLHttpLib) return;
  if (TDFeSSL* ssl = SSL()) ssl->SetSSLHttpLib(AValue);
  FSSLHttpLib = AValue;
  AtualizarSSLLib();
}

void TGeralConf::SetSSLXmlSignLib(TSSLXmlSignLib AValue) {
  if (AValue == FSSLXmlSignLib) return;
  if (TDFeSSL* ssl = SSL()) ssl->SetSSLXmlSignLib(AValue);
  FSSLXmlSignLib = AValue;
  AtualizarSSLLib();
}

void TGeralConf::Assign(const TGeralConf& o) {
  SetSSLCryptLib(o.FSSLCryptLib);
  SetSSLHttpLib(o.FSSLHttpLib);
  SetSSLXmlSignLib(o.FSSLXmlSignLib);
  FSSLLib = o.FSSLLib;
  SetFormaEmissao(o.FFormaEmissao);
  SetSalvar(o.FSalvar);
  SetExibirErroSchema(o.FExibirErroSchema);
  SetFormatoAlerta(o.FFormatoAlerta);
  SetRetirarAcentos(o.FRetirarAcentos);
  SetRetirarEspacos(o.FRetirarEspacos);
  SetIdentarXML(o.FIdentarXML);
  SetValidarDigest(o.FValidarDigest);
}

void TGeralConf::GravarIni(TIniFile& AIni) const {
  AIni.WriteInteger("DFe", "SSLCryptLib", FSSLCryptLib);
  AIni.WriteInteger("DFe", "SSLHttpLib", FSSLHttpLib);
  AIni.WriteInteger("DFe", "SSLXmlSignLib", FSSLXmlSignLib);
  const std::string& s = FConfiguracoes.SessaoIni;
  if (s.empty()) return;
  AIni.WriteInteger(s, "FormaEmissao", FFormaEmissao);
  AIni.WriteBool(s, "SalvarGer", FSalvar);
  AIni.WriteBool(s, "ExibirErroSchema", FExibirErroSchema);
  AIni.WriteBool(s, "RetirarAcentos", FRetirarAcentos);
  AIni.WriteBool(s, "RetirarEspacos", FRetirarEspacos);
  AIni.WriteBool(s, "IdentarXML", FIdentarXML);
  AIni.WriteBool(s, "ValidarDigest", FValidarDigest);
  AIni.WriteString(s, "FormatoAlerta", FormatoAlerta());
}

void TGeralConf::LerIni(const TIniFile& AIni) {
  SetSSLCryptLib(LerOrdinal(AIni, "DFe", "SSLCryptLib", FSSLCryptLib, cryWinCrypt));
  SetSSLHttpLib(LerOrdinal(AIni, "DFe", "SSLHttpLib", FSSLHttpLib, httpIndy));
  SetSSLXmlSignLib(LerOrdinal(AIni, "DFe", "SSLXmlSignLib", FSSLXmlSignLib, xsLibXml2));
  const std::string& s = FConfiguracoes.SessaoIni;
  if (s.empty()) return;
  FFormaEmissao = LerOrdinal(AIni, s, "FormaEmissao", FFormaEmissao, teOffLine);
  FSalvar = AIni.ReadBool(s, "SalvarGer", FSalvar);
  FExibirErroSchema = AIni.ReadBool(s, "ExibirErroSchema", FExibirErroSchema);
  FRetirarAcentos = AIni.ReadBool(s, "RetirarAcentos", FRetirarAcentos);
  FRetirarEspacos = AIni.ReadBool(s, "RetirarEspacos", FRetirarEspacos);
  FIdentarXML = AIni.ReadBool(s, "IdentarXML", FIdentarXML);
  FValidarDigest = AIni.ReadBool(s, "ValidarDigest", FValidarDigest);
  FFormatoAlerta = AIni.ReadString(s, "FormatoAlerta", FormatoAlerta());
}

TWebServicesConf::TWebServicesConf(TConfiguracoes& AOwner) : TGrupoConf(AOwner) {}

void TWebServicesConf::SetUF(const std::string& AValue) {
  int codigo = 0;
  if (!CodigoDaSiglaUF(AValue, codigo)) return;
  FUF = AValue;
  FUFCodigo = codigo;
}

void TWebServicesConf::SetProxyHost(const std::string& AValue) {
  if (AValue == FProxyHost) return;
  FProxyHost = AValue;
  if (TDFeSSL* ssl = SSL()) ssl->ProxyHost = AValue;
}

void TWebServicesConf::SetProxyPort(const std::string& AValue) {
  if (AValue == FProxyPort) return;
  FProxyPort = AValue;
  if (TDFeSSL* ssl = SSL()) ssl->ProxyPort = AValue;
}

void TWebServicesConf::SetProxyUser(const std::string& AValue) {
  if (AValue == FProxyUser) return;
  FProxyUser = AValue;
  if (TDFeSSL* ssl = SSL()) ssl->ProxyUser = AValue;
}

void TWebServicesConf::SetProxyPass(const std::string& AValue) {
  if (AValue == FProxyPass) return;
  FProxyPass = AValue;
  if (TDFeSSL* ssl = SSL()) ssl->ProxyPass = AValue;
}

void TWebServicesConf::SetTimeOut(int AValue) {
  if (AValue == FTimeOut) return;
  FTimeOut = AValue;
  if (TDFeSSL* ssl = SSL()) ssl->TimeOut = AValue;
}

void TWebServicesConf::SetTimeOutPorThread(bool AValue) {
  if (AValue == FTimeOutPorThread) return;
  FTimeOutPorThread = AValue;
  if (TDFeSSL* ssl = SSL()) ssl->TimeOutPorThread = AValue;
}

void TWebServicesConf::SetSSLType(TSSLType AValue) {
  if (AValue == FSSLType) return;
  FSSLType = AValue;
  if (TDFeSSL* ssl = SSL()) ssl->SetSSLType(AValue);
}

std::string TWebServicesConf::LerArquivoParams() {
  std::string nome = platform::Trim(FConfiguracoes.Arquivos->IniServicos());
  if (nome.empty()) return {};
  std::filesystem::path arquivo = platform::FindFileIgnoringCase(nome);
  std::error_code ec;
  if (!std::filesystem::is_regular_file(arquivo, ec)) return {};
  return platform::ReadFileBytes(arquivo);
}

namespace {
TLeitorRecurso& LeitorRecurso() {
  static TLeitorRecurso leitor = nullptr;
  return leitor;
}
}  // namespace

void DefinirLeitorRecurso(TLeitorRecurso leitor) { LeitorRecurso() = leitor; }

std::string TWebServicesConf::LerRecursoParams() {
  if (!LeitorRecurso()) throw ETrivoDFeException("Recurso " + FResourceName + " não encontrado");
  return LeitorRecurso()(FResourceName);
}

void TWebServicesConf::LerParams() {
  std::string texto = LerArquivoParams();
  if (texto.empty()) texto = LerRecursoParams();
  Params = LinhasDoTexto(texto);
}

void TWebServicesConf::Assign(const TWebServicesConf& o) {
  SetUF(o.FUF);
  SetAmbiente(o.FAmbiente);
  SetVisualizar(o.FVisualizar);
  SetProxyHost(o.FProxyHost);
  SetProxyPort(o.FProxyPort);
  SetProxyUser(o.FProxyUser);
  SetProxyPass(o.FProxyPass);
  SetAguardarConsultaRet(o.FAguardarConsultaRet);
  SetTentativas(o.FTentativas);
  SetIntervaloTentativas(o.FIntervaloTentativas);
  SetAjustaAguardaConsultaRet(o.FAjustaAguardaConsultaRet);
  SetSalvar(o.FSalvar);
  Params = o.Params;
  SetTimeOut(o.FTimeOut);
  SetTimeOutPorThread(o.FTimeOutPorThread);
  SetQuebradeLinha(o.FQuebradeLinha);
  TimeZoneConf.Assign(o.TimeZoneConf);
  SetSSLType(o.FSSLType);
  SetResourceName(o.FResourceName);
}

namespace {
// The proxy password is masked with ChaveCryptINI, or with the proxy host when there is none.
std::string ChaveProxy(const TConfiguracoes& c, const std::string& host) {
  return platform::Trim(c.ChaveCryptINI).empty() ? host : c.ChaveCryptINI;
}
}  // namespace

void TWebServicesConf::GravarIni(TIniFile& AIni) const {
  AIni.WriteString("DFe", "UF", FUF);
  AIni.WriteInteger("DFe", "TimeZone.Modo", TimeZoneConf.ModoDeteccao);
  AIni.WriteString("DFe", "TimeZone.Str", TimeZoneConf.TimeZoneStr);
  AIni.WriteString("Proxy", "Servidor", FProxyHost);
  AIni.WriteString("Proxy", "Porta", FProxyPort);
  AIni.WriteString("Proxy", "Usuario", FProxyUser);
  AIni.WriteString(
      "Proxy", "Senha",
      platform::Base64Encode(platform::XorComChaveCiclica(FProxyPass, ChaveProxy(FConfiguracoes, FProxyHost))));
  const std::string& s = FConfiguracoes.SessaoIni;
  if (s.empty()) return;
  AIni.WriteInteger(s, "Ambiente", FAmbiente);
  AIni.WriteBool(s, "SalvarWS", FSalvar);
  AIni.WriteInteger(s, "Timeout", FTimeOut);
  AIni.WriteBool(s, "TimeoutPorThread", FTimeOutPorThread);
  AIni.WriteBool(s, "Visualizar", FVisualizar);
  AIni.WriteBool(s, "AjustaAguardaConsultaRet", FAjustaAguardaConsultaRet);
  AIni.WriteInteger(s, "AguardarConsultaRet", FAguardarConsultaRet);
  AIni.WriteInteger(s, "IntervaloTentativas", FIntervaloTentativas);
  AIni.WriteInteger(s, "Tentativas", FTentativas);
  AIni.WriteInteger(s, "SSLType", FSSLType);
  AIni.WriteString(s, "QuebradeLinha", FQuebradeLinha);
}

void TWebServicesConf::LerIni(const TIniFile& AIni) {
  SetUF(AIni.ReadString("DFe", "UF", FUF));
  TimeZoneConf.ModoDeteccao = LerOrdinal(AIni, "DFe", "TimeZone.Modo", TimeZoneConf.ModoDeteccao, tzManual);
  TimeZoneConf.TimeZoneStr = AIni.ReadString("DFe", "TimeZone.Str", TimeZoneConf.TimeZoneStr);
  SetProxyHost(AIni.ReadString("Proxy", "Servidor", FProxyHost));
  SetProxyPort(AIni.ReadString("Proxy", "Porta", FProxyPort));
  SetProxyUser(AIni.ReadString("Proxy", "Usuario", FProxyUser));
  if (AIni.ValueExists("Proxy", "Senha"))
    if (auto b = platform::Base64Decode(AIni.ReadString("Proxy", "Senha", "")))
      SetProxyPass(platform::XorComChaveCiclica(*b, ChaveProxy(FConfiguracoes, FProxyHost)));
  const std::string& s = FConfiguracoes.SessaoIni;
  if (s.empty()) return;
  SetAmbiente(LerOrdinal(AIni, s, "Ambiente", FAmbiente, taHomologacao));
  SetSalvar(AIni.ReadBool(s, "SalvarWS", FSalvar));
  SetTimeOut(static_cast<int>(AIni.ReadInteger(s, "Timeout", FTimeOut)));
  SetTimeOutPorThread(AIni.ReadBool(s, "TimeoutPorThread", FTimeOutPorThread));
  SetVisualizar(AIni.ReadBool(s, "Visualizar", FVisualizar));
  SetAjustaAguardaConsultaRet(AIni.ReadBool(s, "AjustaAguardaConsultaRet", FAjustaAguardaConsultaRet));
  SetAguardarConsultaRet(static_cast<std::uint32_t>(AIni.ReadInteger(s, "AguardarConsultaRet", FAguardarConsultaRet)));
  SetIntervaloTentativas(static_cast<std::uint32_t>(AIni.ReadInteger(s, "IntervaloTentativas", FIntervaloTentativas)));
  SetTentativas(static_cast<int>(AIni.ReadInteger(s, "Tentativas", FTentativas)));
  SetSSLType(LerOrdinal(AIni, s, "SSLType", FSSLType, LT_SSHv2));
  SetQuebradeLinha(AIni.ReadString(s, "QuebradeLinha", FQuebradeLinha));
}

TCertificadosConf::TCertificadosConf(TConfiguracoes& AOwner) : TGrupoConf(AOwner) {}

void TCertificadosConf::SetURLPFX(const std::string& AValue) {
  if (AValue == FURLPFX) return;
  FURLPFX = AValue;
  if (TDFeSSL* ssl = SSL()) ssl->SetURLPFX(AValue);
}

void TCertificadosConf::SetArquivoPFX(const std::string& AValue) {
  if (AValue == FArquivoPFX) return;
  FArquivoPFX = AValue;
  if (TDFeSSL* ssl = SSL()) ssl->SetArquivoPFX(AValue);
}

void TCertificadosConf::SetDadosPFX(const std::string& AValue) {
  if (AValue == FDadosPFX) return;
  FDadosPFX = AValue;
  if (TDFeSSL* ssl = SSL()) ssl->SetDadosPFX(AValue);
}

void TCertificadosConf::SetNumeroSerie(const std::string& AValue) {
  std::string v = platform::UpperCase(platform::Trim(platform::StringReplace(AValue, " ", "")));
  if (v == FNumeroSerie) return;
  FNumeroSerie = v;
  if (TDFeSSL* ssl = SSL()) ssl->SetNumeroSerie(v);
}

std::string TCertificadosConf::Senha() const { return FSenha.Valor(); }

void TCertificadosConf::SetSenha(const std::string& AValue) {
  if (!FSenha.Definir(AValue)) return;
  if (TDFeSSL* ssl = SSL()) ssl->SetSenha(AValue);
}

void TCertificadosConf::Assign(const TCertificadosConf& o) {
  SetURLPFX(o.FURLPFX);
  SetArquivoPFX(o.FArquivoPFX);
  SetDadosPFX(o.FDadosPFX);
  SetNumeroSerie(o.FNumeroSerie);
  SetSenha(o.Senha());
  SetVerificarValidade(o.FVerificarValidade);
}

void TCertificadosConf::GravarIni(TIniFile& AIni) const {
  AIni.WriteString("DFe", "URLPFX", FURLPFX);
  AIni.WriteString("DFe", "ArquivoPFX", FArquivoPFX);
  AIni.WriteString("DFe", "NumeroSerie", FNumeroSerie);
  AIni.WriteBool("DFe", "VerificarValidade", FVerificarValidade);
  AIni.WriteString("DFe", "DadosPFX", platform::Base64Encode(FDadosPFX));
  AIni.WriteString("DFe", "Senha",
                   platform::Base64Encode(platform::XorComChaveCiclica(Senha(), FConfiguracoes.ChaveCryptINI)));
}

void TCertificadosConf::LerIni(const TIniFile& AIni) {
  SetURLPFX(AIni.ReadString("DFe", "URLPFX", FURLPFX));
  SetArquivoPFX(AIni.ReadString("DFe", "ArquivoPFX", FArquivoPFX));
  SetNumeroSerie(AIni.ReadString("DFe", "NumeroSerie", FNumeroSerie));
  SetVerificarValidade(AIni.ReadBool("DFe", "VerificarValidade", FVerificarValidade));
  if (AIni.ValueExists("DFe", "DadosPFX"))
    if (auto b = platform::Base64Decode(AIni.ReadString("DFe", "DadosPFX", ""))) SetDadosPFX(*b);
  if (AIni.ValueExists("DFe", "Senha"))
    if (auto b = platform::Base64Decode(AIni.ReadString("DFe", "Senha", "")))
      SetSenha(platform::XorComChaveCiclica(*b, FConfiguracoes.ChaveCryptINI));
}

std::string TOrdenacaoPathItem::GetDisplayName() const {
  switch (Item) {
    case opNenhum:
      return "(nenhum)";
    case opCNPJ:
      return "CNPJ";
    case opModelo:
      return "Modelo";
    case opData:
      return "Data";
    case opLiteral:
      return "Literal";
    default:
      return {};
  }
}

TOrdenacaoPathItem& TOrdenacaoPath::Add() {
  FItems.push_back(std::make_unique<TOrdenacaoPathItem>());
  return *FItems.back();
}

TOrdenacaoPathItem& TOrdenacaoPath::Items(int Index) const {
  if (Index < 0 || Index >= Count())
    throw std::out_of_range("Índice da lista fora dos limites (" + std::to_string(Index) + ")");
  return *FItems[static_cast<std::size_t>(Index)];
}

TArquivosConf::TArquivosConf(TConfiguracoes& AOwner) : TGrupoConf(AOwner) {}

void TArquivosConf::SetSepararPorMes(bool AValue) {
  FSepararPorMes = AValue;
  if (!AValue) FSepararPorDia = false;
}

void TArquivosConf::SetSepararPorDia(bool AValue) {
  FSepararPorDia = AValue;
  if (AValue) FSepararPorMes = true;
}

std::string TArquivosConf::Padrao(std::string& valor, const std::string& padrao, bool pasta) {
  if (valor.empty() && FConfiguracoes.TemDono()) valor = padrao;
  if (!pasta) return valor;
  return platform::PathWithSlash(platform::Trim(valor));
}

std::string TArquivosConf::PathSalvar() { return Padrao(FPathSalvar, platform::ProgramFolder() + "Docs", true); }

std::string TArquivosConf::PathSchemas() { return Padrao(FPathSchemas, platform::ProgramFolder() + "Schemas", true); }

std::string TArquivosConf::IniServicos() {
  return Padrao(FIniServicos, platform::ProgramFolder() + FConfiguracoes.WebServices->ResourceName() + ".ini", false);
}

void TArquivosConf::Assign(const TArquivosConf& o) {
  SetPathSalvar(o.FPathSalvar);
  SetPathSchemas(o.FPathSchemas);
  SetIniServicos(o.FIniServicos);
  SetSalvar(o.FSalvar);
  SetAdicionarLiteral(o.FAdicionarLiteral);
  SetSepararPorCNPJ(o.FSepararPorCNPJ);
  SetSepararPorIE(o.FSepararPorIE);
  SetSepararPorModelo(o.FSepararPorModelo);
  SetSepararPorAno(o.FSepararPorAno);
  SetSepararPorMes(o.FSepararPorMes);
  SetSepararPorDia(o.FSepararPorDia);
  OrdenacaoPath.Clear();
  for (int i = 0; i < o.OrdenacaoPath.Count(); ++i) OrdenacaoPath.Add().Assign(o.OrdenacaoPath.Items(i));
  DownloadDFe.Assign(o.DownloadDFe);
}

void TArquivosConf::GravarIni(TIniFile& AIni) {
  const std::string& s = FConfiguracoes.SessaoIni;
  if (s.empty()) return;
  AIni.WriteString(s, "PathSalvar", PathSalvar());
  AIni.WriteString(s, "PathSchemas", PathSchemas());
  AIni.WriteString(s, "IniServicos", IniServicos());
  AIni.WriteBool(s, "SalvarArq", FSalvar);
  AIni.WriteBool(s, "AdicionarLiteral", FAdicionarLiteral);
  AIni.WriteBool(s, "SepararPorCNPJ", FSepararPorCNPJ);
  AIni.WriteBool(s, "SepararPorIE", FSepararPorIE);
  AIni.WriteBool(s, "SepararPorModelo", FSepararPorModelo);
  AIni.WriteBool(s, "SepararPorAno", FSepararPorAno);
  AIni.WriteBool(s, "SepararPorMes", FSepararPorMes);
  AIni.WriteBool(s, "SepararPorDia", FSepararPorDia);
  AIni.WriteString(s, "Download.PathDownload", DownloadDFe.PathDownload);
  AIni.WriteBool(s, "Download.SepararPorNome", DownloadDFe.SepararPorNome);
}

void TArquivosConf::LerIni(const TIniFile& AIni) {
  const std::string& s = FConfiguracoes.SessaoIni;
  if (s.empty()) return;
  SetPathSalvar(AIni.ReadString(s, "PathSalvar", PathSalvar()));
  SetPathSchemas(AIni.ReadString(s, "PathSchemas", PathSchemas()));
  SetIniServicos(AIni.ReadString(s, "IniServicos", IniServicos()));
  SetSalvar(AIni.ReadBool(s, "SalvarArq", FSalvar));
  SetAdicionarLiteral(AIni.ReadBool(s, "AdicionarLiteral", FAdicionarLiteral));
  SetSepararPorCNPJ(AIni.ReadBool(s, "SepararPorCNPJ", FSepararPorCNPJ));
  SetSepararPorIE(AIni.ReadBool(s, "SepararPorIE", FSepararPorIE));
  SetSepararPorModelo(AIni.ReadBool(s, "SepararPorModelo", FSepararPorModelo));
  SetSepararPorAno(AIni.ReadBool(s, "SepararPorAno", FSepararPorAno));
  SetSepararPorMes(AIni.ReadBool(s, "SepararPorMes", FSepararPorMes));
  SetSepararPorDia(AIni.ReadBool(s, "SepararPorDia", FSepararPorDia));
  DownloadDFe.PathDownload = AIni.ReadString(s, "Download.PathDownload", DownloadDFe.PathDownload);
  DownloadDFe.SepararPorNome = AIni.ReadBool(s, "Download.SepararPorNome", DownloadDFe.SepararPorNome);
}

std::string TArquivosConf::GetPath(const std::string& APath, const std::string& ALiteral, const std::string& CNPJ,
                                   const std::string& IE, platform::TDateTime Data, const std::string& ModeloDescr) {
  std::string dir = APath.empty() ? PathSalvar() : APath;
  if (OrdenacaoPath.Count() == 0) {
    if (FSepararPorCNPJ) OrdenacaoPath.Add().Item = opCNPJ;
    if (FSepararPorIE) OrdenacaoPath.Add().Item = opIE;
    if (FSepararPorModelo) OrdenacaoPath.Add().Item = opModelo;
    if (FSepararPorAno || FSepararPorMes || FSepararPorDia) OrdenacaoPath.Add().Item = opData;
    if (FAdicionarLiteral) OrdenacaoPath.Add().Item = opLiteral;
  }
  const std::string base = dir;
  for (int i = 0; i < OrdenacaoPath.Count(); ++i) {
    dir = platform::PathWithSlash(dir);
    switch (OrdenacaoPath.Items(i).Item) {
      case opCNPJ: {
        std::string d = platform::SomenteDigitos(CNPJ);
        if (d.empty() && FConfiguracoes.TemDono()) d = platform::SomenteDigitos(SSL()->CertCNPJ());
        dir += d;
        break;
      }
      case opModelo: {
        std::string m = ModeloDescr.empty() ? FConfiguracoes.NomeModeloDFe() : ModeloDescr;
        dir += m;
        break;
      }
      case opData: {
        auto p = platform::DecodeDateTime(Data == 0 ? platform::Now() : Data);
        auto dois = [](int n) { return platform::InteiroComZeros(n, 2); };
        if (FSepararPorAno) dir += platform::InteiroComZeros(p.year, 4);
        if (FSepararPorMes) {
          if (FSepararPorAno)
            dir = platform::PathWithSlash(dir) + dois(p.month);
          else
            dir += platform::InteiroComZeros(p.year, 4) + dois(p.month);
          if (FSepararPorDia) dir = platform::PathWithSlash(dir) + dois(p.day);
        }
        break;
      }
      case opLiteral: {
        std::string sem = dir.substr(0, dir.size() - 1);
        if (!ALiteral.empty() && !sem.ends_with(ALiteral)) dir += ALiteral;
        break;
      }
      case opIE:
        dir += platform::SomenteDigitos(IE);
        break;
      case opNenhum:
        break;
    }
  }
  // As built: the base unchanged when no part was added, else without a '/' after the last part.
  if (dir != base && platform::PathWithSlash(dir) != platform::PathWithSlash(base))
    while (dir.size() > 1 && dir.back() == '/') dir.pop_back();
  else
    dir = base;
  if (!dir.empty()) std::filesystem::create_directories(dir);
  return dir;
}

std::string TArquivosConf::BaseDownload(const std::string& xNome) {
  if (DownloadDFe.PathDownload.empty()) DownloadDFe.PathDownload = PathSalvar();
  std::string dir = DownloadDFe.PathDownload;
  if (DownloadDFe.SepararPorNome && !xNome.empty()) {
    std::string nome;
    for (char c : xNome)
      if (std::isalnum(static_cast<unsigned char>(c))) nome += c;
    dir = platform::PathWithSlash(dir) + nome;
  }
  return dir;
}

std::string TArquivosConf::GetPathDownload(const std::string& xNome, const std::string& CNPJ, const std::string& IE,
                                           platform::TDateTime Data) {
  return GetPath(BaseDownload(xNome), "Down", CNPJ, IE, Data);
}

std::string TArquivosConf::GetPathDownloadEvento(TpcnTpEvento tipoEvento, const std::string& xNome,
                                                 const std::string& CNPJ, const std::string& IE,
                                                 platform::TDateTime Data) {
  std::string dir = GetPath(BaseDownload(xNome), "Evento", CNPJ, IE, Data);
  if (FAdicionarLiteral) dir = platform::PathWithSlash(dir) + TipoEventoDFeToStr(tipoEvento);
  std::filesystem::create_directories(dir);
  return dir;
}

void TRespTecConf::Assign(const TRespTecConf& o) {
  IdCSRT = o.IdCSRT;
  CSRT = o.CSRT;
}

void TRespTecConf::GravarIni(TIniFile& AIni) const {
  const std::string& s = FConfiguracoes.SessaoIni;
  if (s.empty()) return;
  AIni.WriteInteger(s, "IdCSRT", IdCSRT);
  AIni.WriteString(s, "CSRT", CSRT);
}

void TRespTecConf::LerIni(const TIniFile& AIni) {
  const std::string& s = FConfiguracoes.SessaoIni;
  if (s.empty()) return;
  IdCSRT = static_cast<int>(AIni.ReadInteger(s, "IdCSRT", IdCSRT));
  CSRT = AIni.ReadString(s, "CSRT", CSRT);
}

// ---- root --------------------------------------------------------------------------------

TConfiguracoes::TConfiguracoes(std::unique_ptr<TDonoConfiguracoes> dono) : FDono(std::move(dono)) {
  Geral = InstanciarGeralConf();
  Geral->SetName("GeralConf");
  WebServices = InstanciarWebServicesConf();
  WebServices->SetName("WebServicesConf");
  Certificados = InstanciarCertificadosConf();
  Certificados->SetName("CertificadosConf");
  Arquivos = InstanciarArquivosConf();
  Arquivos->SetName("ArquivosConf");
  RespTec = InstanciarRespTecConf();
  RespTec->SetName("RespTecConf");
}

TConfiguracoes::~TConfiguracoes() = default;

std::unique_ptr<TGeralConf> TConfiguracoes::InstanciarGeralConf() { return std::make_unique<TGeralConf>(*this); }
std::unique_ptr<TWebServicesConf> TConfiguracoes::InstanciarWebServicesConf() {
  return std::make_unique<TWebServicesConf>(*this);
}
std::unique_ptr<TCertificadosConf> TConfiguracoes::InstanciarCertificadosConf() {
  return std::make_unique<TCertificadosConf>(*this);
}
std::unique_ptr<TArquivosConf> TConfiguracoes::InstanciarArquivosConf() {
  return std::make_unique<TArquivosConf>(*this);
}
std::unique_ptr<TRespTecConf> TConfiguracoes::InstanciarRespTecConf() { return std::make_unique<TRespTecConf>(*this); }

void TConfiguracoes::Assign(const TConfiguracoes& o) {
  Geral->Assign(*o.Geral);
  WebServices->Assign(*o.WebServices);
  Certificados->Assign(*o.Certificados);
  Arquivos->Assign(*o.Arquivos);
  RespTec->Assign(*o.RespTec);
}

void TConfiguracoes::GravarIni(TIniFile& AIni) {
  Geral->GravarIni(AIni);
  WebServices->GravarIni(AIni);
  Certificados->GravarIni(AIni);
  Arquivos->GravarIni(AIni);
  RespTec->GravarIni(AIni);
}

void TConfiguracoes::LerIni(const TIniFile& AIni) {
  Geral->LerIni(AIni);
  WebServices->LerIni(AIni);
  Certificados->LerIni(AIni);
  Arquivos->LerIni(AIni);
  RespTec->LerIni(AIni);
}

void TConfiguracoes::LerParams(const std::string& NomeArqParams) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(NomeArqParams, ec))
    throw ETrivoDFeException("Arquivo de Parâmetro não encontrado: " + NomeArqParams);
  WebServices->Params = LinhasDoTexto(platform::ReadFileBytes(NomeArqParams));
}

}  // namespace dfe
