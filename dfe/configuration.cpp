#include "dfe/configuration.h"

#include <cctype>
#include <filesystem>
#include <stdexcept>

#include "dfe/configuration_fields.h"
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
  TSSLLib Lib;
  TSSLCryptLib Crypt;
  TSSLHttpLib Http;
  TSSLXmlSignLib Sign;
};
constexpr TLinhaSSLLib kSSLLibs[] = {
    {libNone, cryNone, httpNone, xsNone},
    {libOpenSSL, cryOpenSSL, httpOpenSSL, xsLibXml2},
    {libCapicom, cryCapicom, httpWinINet, xsMsXmlCapicom},
    {libCapicomSoap, cryCapicom, httpIndy, xsMsXmlCapicom},
    {libWinCrypt, cryWinCrypt, httpWinHttp, xsLibXml2},
};

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
    bool& FFlag;
    ~TGuarda() { FFlag = false; }
  } guarda{FDefinindoSSLLib};
  FDefinindoSSLLib = true;
  for (const auto& l : kSSLLibs)
    if (l.Lib == AValue) {
      SetSSLCryptLib(l.Crypt);
      SetSSLHttpLib(l.Http);
      SetSSLXmlSignLib(l.Sign);
    }
  FSSLLib = AValue;
}

void TGeralConf::AtualizarSSLLib() {
  if (FDefinindoSSLLib) return;
  FSSLLib = libCustom;
  for (const auto& l : kSSLLibs)
    if (l.Crypt == FSSLCryptLib && l.Http == FSSLHttpLib && l.Sign == FSSLXmlSignLib) FSSLLib = l.Lib;
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

template <class V>
void TGeralConf::Campos(V&& v) {
  using G = TGeralConf;
  using enum campos::TSecao;
  v(DFe, "SSLCryptLib", campos::Ordinal(cryWinCrypt), &G::FSSLCryptLib, &G::SetSSLCryptLib);
  v(DFe, "SSLHttpLib", campos::Ordinal(httpIndy), &G::FSSLHttpLib, &G::SetSSLHttpLib);
  v(DFe, "SSLXmlSignLib", campos::Ordinal(xsLibXml2), &G::FSSLXmlSignLib, &G::SetSSLXmlSignLib);
  v.Copia(&G::FSSLLib, nullptr);  // after the three, which recompute it
  v(Sessao, "FormaEmissao", campos::Ordinal(teOffLine), &G::FFormaEmissao, &G::SetFormaEmissao);
  v(Sessao, "SalvarGer", campos::Bool, &G::FSalvar, &G::SetSalvar);
  v(Sessao, "ExibirErroSchema", campos::Bool, &G::FExibirErroSchema, &G::SetExibirErroSchema);
  v(Sessao, "RetirarAcentos", campos::Bool, &G::FRetirarAcentos, &G::SetRetirarAcentos);
  v(Sessao, "RetirarEspacos", campos::Bool, &G::FRetirarEspacos, &G::SetRetirarEspacos);
  v(Sessao, "IdentarXML", campos::Bool, &G::FIdentarXML, &G::SetIdentarXML);
  v(Sessao, "ValidarDigest", campos::Bool, &G::FValidarDigest, &G::SetValidarDigest);
  v(Sessao, "FormatoAlerta", campos::Texto, &G::FFormatoAlerta, &G::SetFormatoAlerta, &G::FormatoAlerta);
}

void TGeralConf::Assign(const TGeralConf& o) { Campos(campos::TCopia(*this, o)); }

void TGeralConf::GravarIni(TIniFile& AIni) const { Campos(campos::TGravacao(*this, AIni)); }

void TGeralConf::LerIni(const TIniFile& AIni) { Campos(campos::TLeitura(*this, AIni)); }

TWebServicesConf::TWebServicesConf(TConfiguracoes& AOwner) : TGrupoConf(AOwner) {}

void TWebServicesConf::SetUF(const std::string& AValue) {
  int codigo = 0;
  if (!CodigoDaSiglaUF(AValue, codigo)) return;
  FUF = AValue;
  FUFCodigo = codigo;
}

void TWebServicesConf::SetProxyHost(const std::string& AValue) {
  Atualizar(FProxyHost, AValue, [](TDFeSSL& ssl, const auto& valor) { ssl.ProxyHost = valor; });
}

void TWebServicesConf::SetProxyPort(const std::string& AValue) {
  Atualizar(FProxyPort, AValue, [](TDFeSSL& ssl, const auto& valor) { ssl.ProxyPort = valor; });
}

void TWebServicesConf::SetProxyUser(const std::string& AValue) {
  Atualizar(FProxyUser, AValue, [](TDFeSSL& ssl, const auto& valor) { ssl.ProxyUser = valor; });
}

void TWebServicesConf::SetProxyPass(const std::string& AValue) {
  Atualizar(FProxyPass, AValue, [](TDFeSSL& ssl, const auto& valor) { ssl.ProxyPass = valor; });
}

void TWebServicesConf::SetTimeOut(int AValue) {
  Atualizar(FTimeOut, AValue, [](TDFeSSL& ssl, const auto& valor) { ssl.TimeOut = valor; });
}

void TWebServicesConf::SetTimeOutPorThread(bool AValue) {
  Atualizar(FTimeOutPorThread, AValue, [](TDFeSSL& ssl, const auto& valor) { ssl.TimeOutPorThread = valor; });
}

void TWebServicesConf::SetSSLType(TSSLType AValue) {
  Atualizar(FSSLType, AValue, [](TDFeSSL& ssl, const auto& valor) { ssl.SetSSLType(valor); });
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

namespace {
// The proxy password is masked with ChaveCryptINI, or with the proxy host when there is none.
std::string ChaveProxy(const TConfiguracoes& c, const std::string& host) {
  return platform::Trim(c.ChaveCryptINI).empty() ? host : c.ChaveCryptINI;
}
}  // namespace

template <class V>
void TWebServicesConf::Campos(V&& v) {
  using G = TWebServicesConf;
  using enum campos::TSecao;
  auto modoFuso = [](auto& g) -> auto& { return g.TimeZoneConf.ModoDeteccao; };
  auto textoFuso = [](auto& g) -> auto& { return g.TimeZoneConf.TimeZoneStr; };
  v(DFe, "UF", campos::Texto, &G::FUF, &G::SetUF);
  v(DFe, "TimeZone.Modo", campos::Ordinal(tzManual), modoFuso, nullptr);
  v(DFe, "TimeZone.Str", campos::Texto, textoFuso, nullptr);
  v(Proxy, "Servidor", campos::Texto, &G::FProxyHost, &G::SetProxyHost);
  v(Proxy, "Porta", campos::Texto, &G::FProxyPort, &G::SetProxyPort);
  v(Proxy, "Usuario", campos::Texto, &G::FProxyUser, &G::SetProxyUser);
  // After the host: without ChaveCryptINI the host just read is its mask.
  v(Proxy, "Senha", campos::Base64([](const G& g) { return ChaveProxy(g.FConfiguracoes, g.FProxyHost); }),
    &G::FProxyPass, &G::SetProxyPass);
  v(Sessao, "Ambiente", campos::Ordinal(taHomologacao), &G::FAmbiente, &G::SetAmbiente);
  v(Sessao, "SalvarWS", campos::Bool, &G::FSalvar, &G::SetSalvar);
  v(Sessao, "Timeout", campos::Inteiro, &G::FTimeOut, &G::SetTimeOut);
  v(Sessao, "TimeoutPorThread", campos::Bool, &G::FTimeOutPorThread, &G::SetTimeOutPorThread);
  v(Sessao, "Visualizar", campos::Bool, &G::FVisualizar, &G::SetVisualizar);
  v(Sessao, "AjustaAguardaConsultaRet", campos::Bool, &G::FAjustaAguardaConsultaRet, &G::SetAjustaAguardaConsultaRet);
  v(Sessao, "AguardarConsultaRet", campos::Inteiro, &G::FAguardarConsultaRet, &G::SetAguardarConsultaRet);
  v(Sessao, "IntervaloTentativas", campos::Inteiro, &G::FIntervaloTentativas, &G::SetIntervaloTentativas);
  v(Sessao, "Tentativas", campos::Inteiro, &G::FTentativas, &G::SetTentativas);
  v(Sessao, "SSLType", campos::Ordinal(LT_SSHv2), &G::FSSLType, &G::SetSSLType);
  v(Sessao, "QuebradeLinha", campos::Texto, &G::FQuebradeLinha, &G::SetQuebradeLinha);
  v.Copia(&G::Params, nullptr);
  v.Copia(&G::FResourceName, &G::SetResourceName);
}

void TWebServicesConf::Assign(const TWebServicesConf& o) { Campos(campos::TCopia(*this, o)); }

void TWebServicesConf::GravarIni(TIniFile& AIni) const { Campos(campos::TGravacao(*this, AIni)); }

void TWebServicesConf::LerIni(const TIniFile& AIni) { Campos(campos::TLeitura(*this, AIni)); }

TCertificadosConf::TCertificadosConf(TConfiguracoes& AOwner) : TGrupoConf(AOwner) {}

void TCertificadosConf::SetURLPFX(const std::string& AValue) {
  Atualizar(FURLPFX, AValue, [](TDFeSSL& ssl, const auto& valor) { ssl.SetURLPFX(valor); });
}

void TCertificadosConf::SetArquivoPFX(const std::string& AValue) {
  Atualizar(FArquivoPFX, AValue, [](TDFeSSL& ssl, const auto& valor) { ssl.SetArquivoPFX(valor); });
}

void TCertificadosConf::SetDadosPFX(const std::string& AValue) {
  Atualizar(FDadosPFX, AValue, [](TDFeSSL& ssl, const auto& valor) { ssl.SetDadosPFX(valor); });
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

template <class V>
void TCertificadosConf::Campos(V&& v) {
  using G = TCertificadosConf;
  using enum campos::TSecao;
  v(DFe, "URLPFX", campos::Texto, &G::FURLPFX, &G::SetURLPFX);
  v(DFe, "ArquivoPFX", campos::Texto, &G::FArquivoPFX, &G::SetArquivoPFX);
  v(DFe, "NumeroSerie", campos::Texto, &G::FNumeroSerie, &G::SetNumeroSerie);
  v(DFe, "VerificarValidade", campos::Bool, &G::FVerificarValidade, &G::SetVerificarValidade);
  v(DFe, "DadosPFX", campos::Base64([](const G&) { return std::string(); }), &G::FDadosPFX, &G::SetDadosPFX);
  v(DFe, "Senha", campos::Base64([](const G& g) { return g.FConfiguracoes.ChaveCryptINI; }), &G::Senha, &G::SetSenha);
}

void TCertificadosConf::Assign(const TCertificadosConf& o) { Campos(campos::TCopia(*this, o)); }

void TCertificadosConf::GravarIni(TIniFile& AIni) const { Campos(campos::TGravacao(*this, AIni)); }

void TCertificadosConf::LerIni(const TIniFile& AIni) { Campos(campos::TLeitura(*this, AIni)); }

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

template <class V>
void TArquivosConf::Campos(V&& v) {
  using G = TArquivosConf;
  using enum campos::TSecao;
  auto pastaDownload = [](auto& g) -> auto& { return g.DownloadDFe.PathDownload; };
  auto separarDownload = [](auto& g) -> auto& { return g.DownloadDFe.SepararPorNome; };
  // The paths go to the INI as read, so with their defaults.
  v(Sessao, "PathSalvar", campos::Texto, &G::FPathSalvar, &G::SetPathSalvar, &G::PathSalvar);
  v(Sessao, "PathSchemas", campos::Texto, &G::FPathSchemas, &G::SetPathSchemas, &G::PathSchemas);
  v(Sessao, "IniServicos", campos::Texto, &G::FIniServicos, &G::SetIniServicos, &G::IniServicos);
  v(Sessao, "SalvarArq", campos::Bool, &G::FSalvar, &G::SetSalvar);
  v(Sessao, "AdicionarLiteral", campos::Bool, &G::FAdicionarLiteral, &G::SetAdicionarLiteral);
  v(Sessao, "SepararPorCNPJ", campos::Bool, &G::FSepararPorCNPJ, &G::SetSepararPorCNPJ);
  v(Sessao, "SepararPorIE", campos::Bool, &G::FSepararPorIE, &G::SetSepararPorIE);
  v(Sessao, "SepararPorModelo", campos::Bool, &G::FSepararPorModelo, &G::SetSepararPorModelo);
  v(Sessao, "SepararPorAno", campos::Bool, &G::FSepararPorAno, &G::SetSepararPorAno);
  v(Sessao, "SepararPorMes", campos::Bool, &G::FSepararPorMes, &G::SetSepararPorMes);
  v(Sessao, "SepararPorDia", campos::Bool, &G::FSepararPorDia, &G::SetSepararPorDia);
  v(Sessao, "Download.PathDownload", campos::Texto, pastaDownload, nullptr);
  v(Sessao, "Download.SepararPorNome", campos::Bool, separarDownload, nullptr);
  v.Copia(&G::OrdenacaoPath, [](G& g, const TOrdenacaoPath& outra) {
    g.OrdenacaoPath.Clear();
    for (int i = 0; i < outra.Count(); ++i) g.OrdenacaoPath.Add().Assign(outra.Items(i));
  });
}

void TArquivosConf::Assign(const TArquivosConf& o) { Campos(campos::TCopia(*this, o)); }

void TArquivosConf::GravarIni(TIniFile& AIni) { Campos(campos::TGravacao(*this, AIni)); }

void TArquivosConf::LerIni(const TIniFile& AIni) { Campos(campos::TLeitura(*this, AIni)); }

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
        if (FSepararPorAno) dir += platform::InteiroComZeros(p.Year, 4);
        if (FSepararPorMes) {
          if (FSepararPorAno)
            dir = platform::PathWithSlash(dir) + dois(p.Month);
          else
            dir += platform::InteiroComZeros(p.Year, 4) + dois(p.Month);
          if (FSepararPorDia) dir = platform::PathWithSlash(dir) + dois(p.Day);
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

template <class V>
void TRespTecConf::Campos(V&& v) {
  using G = TRespTecConf;
  using enum campos::TSecao;
  v(Sessao, "IdCSRT", campos::Inteiro, &G::IdCSRT, nullptr);
  v(Sessao, "CSRT", campos::Texto, &G::CSRT, nullptr);
}

void TRespTecConf::Assign(const TRespTecConf& o) { Campos(campos::TCopia(*this, o)); }

void TRespTecConf::GravarIni(TIniFile& AIni) const { Campos(campos::TGravacao(*this, AIni)); }

void TRespTecConf::LerIni(const TIniFile& AIni) { Campos(campos::TLeitura(*this, AIni)); }

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
