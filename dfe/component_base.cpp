#include "dfe/component_base.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "dfe/configuration.h"
#include "dfe/exceptions.h"
#include "dfe/safe_file_name.h"
#include "dfe/services_ini.h"
#include "dfe/ssl.h"
#include "dfe/xml_declaration.h"
#include "platform/files.h"
#include "platform/strings.h"
#include "platform/text_encoding.h"
#include "platform/text_utils.h"

namespace fs = std::filesystem;

namespace dfe {

// ---- pack components --------------------------------------------------------------------

TTrivoComponent::~TTrivoComponent() {
  // Each side forgets the other before the notice, so a notice never reaches a freed object.
  std::vector<TTrivoComponent*> notified;
  notified.swap(FNotified);
  for (TTrivoComponent* c : notified) {
    auto& theirs = c->FNotified;
    theirs.erase(std::remove(theirs.begin(), theirs.end(), this), theirs.end());
    c->ReferenceNotice(this);
  }
}

void TTrivoComponent::FreeNotification(TTrivoComponent* AComponent) {
  if (!AComponent || AComponent == this) return;
  if (std::find(FNotified.begin(), FNotified.end(), AComponent) == FNotified.end()) FNotified.push_back(AComponent);
  auto& theirs = AComponent->FNotified;
  if (std::find(theirs.begin(), theirs.end(), this) == theirs.end()) theirs.push_back(this);
}

void TTrivoComponent::RemoveFreeNotification(TTrivoComponent* AComponent) {
  if (!AComponent) return;
  FNotified.erase(std::remove(FNotified.begin(), FNotified.end(), AComponent), FNotified.end());
  auto& theirs = AComponent->FNotified;
  theirs.erase(std::remove(theirs.begin(), theirs.end(), this), theirs.end());
}

void TTrivoMail::Clear() {
  Para.clear();
  CC.clear();
  BCC.clear();
  ReplyTo.clear();
  Subject.clear();
  Body.clear();
  AltBody.clear();
  Anexos.clear();
}

void TTrivoMail::Send() { throw ETrivoDFeException("Envio de e-mail não disponível nesta plataforma"); }

void TTrivoIntegrador::SetParametro(const std::string& nome, const std::string& valor) {
  for (auto& [n, v] : Parametros)
    if (platform::SameText(n, nome)) {
      v = valor;
      return;
    }
  Parametros.emplace_back(nome, valor);
}

std::string TTrivoIntegrador::Parametro(const std::string& nome) const {
  for (const auto& [n, v] : Parametros)
    if (platform::SameText(n, nome)) return v;
  return {};
}

// ---- the component ------------------------------------------------------------------------

TTrivoDFe::TTrivoDFe(TTrivoComponent* AOwner) : TTrivoComponent(AOwner) {}

void TTrivoDFe::Create() {
  FPSeparadorVersaoSchema = "_v";
  DefinirLeitorRecurso(&EmbeddedServicesIni);
  FPConfiguracoes = InstanciarConfiguracoes();
  FPConfiguracoes->SetName("Configuracoes");
  FMAIL = nullptr;
  FIntegrador = nullptr;
  FSSL = std::make_unique<TDFeSSL>();
  FListaDeSchemas.clear();
  FPathSchemas.clear();

  auto& cert = *FPConfiguracoes->Certificados;
  auto& ws = *FPConfiguracoes->WebServices;
  auto& geral = *FPConfiguracoes->Geral;
  FSSL->SetURLPFX(cert.URLPFX());
  FSSL->SetArquivoPFX(cert.ArquivoPFX());
  FSSL->SetDadosPFX(cert.DadosPFX());
  FSSL->NameSpaceURI = GetNameSpaceURI();
  FSSL->SetNumeroSerie(cert.NumeroSerie());
  FSSL->SetSenha(cert.Senha());
  FSSL->ProxyHost = ws.ProxyHost();
  FSSL->ProxyPass = ws.ProxyPass();
  FSSL->ProxyPort = ws.ProxyPort();
  FSSL->ProxyUser = ws.ProxyUser();
  FSSL->TimeOut = ws.TimeOut();
  FSSL->TimeOutPorThread = ws.TimeOutPorThread();
  FSSL->SetSSLCryptLib(geral.SSLCryptLib());
  FSSL->SetSSLHttpLib(geral.SSLHttpLib());
  FSSL->SetSSLXmlSignLib(geral.SSLXmlSignLib());

  OnGerarLog = nullptr;
  OnTransmit = nullptr;
  OnTransmitError = nullptr;
  FPIniParams = std::make_unique<platform::TIniFile>();
  FPIniParamsCarregado = false;
}

TTrivoDFe::~TTrivoDFe() {
  SetMAIL(nullptr);
  SetIntegrador(nullptr);
  FSSL.reset();
  FListaDeSchemas.clear();
  FPConfiguracoes.reset();
  FPIniParams.reset();
}

std::unique_ptr<TConfiguracoes> TTrivoDFe::InstanciarConfiguracoes() { return std::make_unique<TConfiguracoes>(this); }

void TTrivoDFe::SetMAIL(TTrivoMail* AValue) {
  if (AValue == FMAIL) return;
  if (FMAIL) FMAIL->RemoveFreeNotification(this);
  FMAIL = AValue;
  if (AValue) AValue->FreeNotification(this);
}

void TTrivoDFe::SetIntegrador(TTrivoIntegrador* AValue) {
  if (AValue == FIntegrador) return;
  if (FIntegrador) FIntegrador->RemoveFreeNotification(this);
  FIntegrador = AValue;
  if (AValue) AValue->FreeNotification(this);
}

void TTrivoDFe::ReferenceNotice(TTrivoComponent* AComponent) {
  TTrivoComponent::ReferenceNotice(AComponent);
  // The notice comes from the base destructor, where the class of the component going away
  // can no longer be told: only attached components send it, so identity decides.
  if (FMAIL && AComponent == FMAIL)
    FMAIL = nullptr;
  else if (FIntegrador && AComponent == FIntegrador)
    FIntegrador = nullptr;
}

TDFeSSLAntesDeAssinar TTrivoDFe::OnAntesDeAssinar() const { return FSSL->AntesDeAssinar; }

void TTrivoDFe::SetOnAntesDeAssinar(TDFeSSLAntesDeAssinar AValue) { FSSL->AntesDeAssinar = std::move(AValue); }

std::string TTrivoDFe::GetNomeModeloDFe() { return {}; }
std::string TTrivoDFe::GetNameSpaceURI() { return {}; }
std::string TTrivoDFe::NomeSchemaDoServico(const std::string&) { return {}; }

// ---- services INI ------------------------------------------------------------------------

void TTrivoDFe::CarregarParamsServicos(bool ApenasSeNaoLido) {
  if (ApenasSeNaoLido && FPIniParamsCarregado) return;
  auto& ws = *FPConfiguracoes->WebServices;
  if (ws.Params.empty()) ws.LerParams();
  FPIniParams->LoadFromText(platform::Join(ws.Params, "\n"));
  FPIniParamsCarregado = true;
}

void TTrivoDFe::LerServicoChaveDeParams(const std::string& NomeSessao, const std::string& NomeServico, double& Versao,
                                        std::string& URL) {
  URL.clear();
  CarregarParamsServicos(true);
  LerChaveServico(*FPIniParams, NomeSessao, NomeServico, Versao, URL);
}

void TTrivoDFe::LerDeParams(const std::string& NomeSessao, const std::string& NomeServico, double& Versao,
                            std::string& Servico) {
  LerServicoChaveDeParams(NomeSessao, NomeServico, Versao, Servico);
}

void TTrivoDFe::LerServicoDeParams(const std::string& ModeloDFe, const std::string& UF, TpcnTipoAmbiente TipoAmbiente,
                                   const std::string& NomeServico, double& Versao, std::string& URL) {
  std::string servico, soapAction;
  LerServicoDeParams(ModeloDFe, UF, TipoAmbiente, NomeServico, Versao, URL, servico, soapAction);
}

void TTrivoDFe::LerServicoDeParams(const std::string& ModeloDFe, const std::string& UF, TpcnTipoAmbiente TipoAmbiente,
                                   const std::string& NomeServico, double& Versao, std::string& URL,
                                   std::string& Servico, std::string& SoapAction) {
  if (ModeloDFe.empty()) throw ETrivoDFeException("ModeloDFe não pode ser vazio");
  if (UF.empty()) throw ETrivoDFeException("UF não pode ser vazia");
  CarregarParamsServicos(true);

  std::string secao = ModeloDFe + "_" + UF + "_" + (TipoAmbiente == taProducao ? "P" : "H");
  TServicoLocalizado r = LerServicoComRedirecionamento(*FPIniParams, secao, NomeServico, Versao,
                                                       FPConfiguracoes->WebServices->ResourceName());
  URL = r.URL;
  Servico = r.Servico;
  SoapAction = r.SoapAction;

  double versaoTrabalho = r.Versao;
  std::string schema = NomeSchemaDoServico(NomeServico);
  if (!schema.empty()) {
    double v = Versao;
    LocalizarArquivoSchema(schema, v);
    if (v > 0) versaoTrabalho = v;
  }
  if (versaoTrabalho > 0) Versao = versaoTrabalho;
}

double TTrivoDFe::LerVersaoDeParams(const std::string& ModeloDFe, const std::string& UF, TpcnTipoAmbiente TipoAmbiente,
                                    const std::string& NomeServico, double VersaoBase) {
  double versao = VersaoBase;
  std::string url;
  LerServicoDeParams(ModeloDFe, UF, TipoAmbiente, NomeServico, versao, url);
  return versao;
}

std::string TTrivoDFe::LerURLDeParams(const std::string& ModeloDFe, const std::string& UF,
                                      TpcnTipoAmbiente TipoAmbiente, const std::string& NomeServico,
                                      double VersaoBase) {
  double versao = VersaoBase;
  std::string url;
  LerServicoDeParams(ModeloDFe, UF, TipoAmbiente, NomeServico, versao, url);
  return url;
}

// ---- schema files ------------------------------------------------------------------------

std::string TTrivoDFe::VersaoDoNomeSchema(const std::string& NomeArquivo) {
  std::size_t p = NomeArquivo.find(FPSeparadorVersaoSchema);
  if (p == std::string::npos) return {};
  p += FPSeparadorVersaoSchema.size();
  std::size_t fim = platform::LowerCase(NomeArquivo).find(".xsd", p);
  return NomeArquivo.substr(p, fim == std::string::npos ? std::string::npos : fim - p);
}

std::string TTrivoDFe::VersaoNumeroParaTexto(double Versao) {
  return Versao > 0 ? FormatVersion00(Versao) : std::string();
}

double TTrivoDFe::VersaoTextoParaNumero(const std::string& Texto) { return ParseVersionNumber(Texto); }

namespace {

// Bare names of the folder's ".xsd" files (extension in any letter case), sorted ignoring
// letter case. A folder spelled in another letter case is found too.
std::vector<std::string> ListarSchemas(const std::string& pasta, std::string& pastaReal) {
  std::vector<std::string> lista;
  std::error_code ec;
  fs::path dir(pasta);
  if (dir.filename().empty()) dir = dir.parent_path();
  if (!fs::is_directory(dir, ec)) dir = platform::FindFileIgnoringCase(dir);
  pastaReal = fs::is_directory(dir, ec) ? platform::PathWithSlash(dir.string()) : pasta;
  for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    if (!it->is_regular_file(ec)) continue;
    std::string nome = it->path().filename().string();
    if (nome.size() > 4 && platform::EndsText(".xsd", nome)) lista.push_back(nome);
  }
  std::stable_sort(lista.begin(), lista.end(), [](const std::string& a, const std::string& b) {
    return platform::LowerCase(a) < platform::LowerCase(b);
  });
  return lista;
}

}  // namespace

std::string TTrivoDFe::LocalizarArquivoSchema(const std::string& NomeSchema, double& Versao) {
  if (NomeSchema.empty()) return {};

  double achada = 0;
  const std::string pastaConfig = FPConfiguracoes->Arquivos->PathSchemas();
  if (FPathSchemas != pastaConfig) {
    FListaDeSchemas.clear();
    FPathSchemas = pastaConfig;
  }
  if (FListaDeSchemas.empty()) {
    FListaDeSchemas = ListarSchemas(FPathSchemas, FPastaSchemasReal);
    if (FListaDeSchemas.empty())
      throw ETrivoDFeException("Nenhum arquivo de Schema encontrado na pasta: \r\n" + pastaConfig);
  }

  std::string procurado = NomeSchema;
  if (Versao > 0) procurado += FPSeparadorVersaoSchema + VersaoNumeroParaTexto(Versao);
  procurado += ".xsd";

  std::string resultado;
  for (const std::string& nome : FListaDeSchemas)
    if (platform::SameText(nome, procurado)) {
      resultado = nome;
      achada = Versao;
      break;
    }

  if (resultado.empty() && Versao > 0) {
    // Names in the exact letter case first; stems spelled in another case on disk after.
    const std::string prefixo = NomeSchema + FPSeparadorVersaoSchema;
    for (bool ignorarCaixa : {false, true}) {
      for (const std::string& nome : FListaDeSchemas) {
        bool casa = ignorarCaixa ? platform::StartsText(prefixo, nome) : nome.compare(0, prefixo.size(), prefixo) == 0;
        if (!casa) continue;
        double v = VersaoTextoParaNumero(VersaoDoNomeSchema(nome));
        if (v > 0 && v > achada && v <= Versao) {
          achada = v;
          resultado = nome;
        }
      }
      if (!resultado.empty()) break;
    }
  }

  Versao = achada;
  return resultado.empty() ? resultado : FPastaSchemasReal + resultado;
}

// ---- files, log and errors ---------------------------------------------------------------

bool TTrivoDFe::Gravar(const std::string& NomeArquivo, const std::string& ConteudoXML, const std::string& aPath,
                       bool ConteudoEhUTF8) {
  try {
    std::size_t barra = NomeArquivo.rfind('/');
    std::string arquivo = barra == std::string::npos ? NomeArquivo : NomeArquivo.substr(barra + 1);
    std::string pasta = barra == std::string::npos ? std::string() : NomeArquivo.substr(0, barra + 1);
    if (arquivo.empty()) throw ETrivoDFeException("Nome de arquivo não informado");
    // Callers name a folder by an absolute path; anything else is a name that may carry data
    // from a reply (an identifier, a protocol number) and must stay a name inside the folder.
    if (!pasta.empty() && pasta.front() != '/') {
      arquivo = NomeArquivo;
      pasta.clear();
    }
    arquivo = SafeFileNamePart(arquivo);

    if (pasta.empty()) pasta = aPath;
    if (pasta.empty()) pasta = FPConfiguracoes->Arquivos->PathSalvar();
    pasta = platform::PathWithSlash(pasta);

    std::string conteudo = platform::StringReplace(ConteudoXML, "<-><->", "");
    if (ConteudoEhUTF8) {
      if (!platform::DeclaraUTF8(conteudo)) conteudo = kDeclaracaoUTF8 + conteudo;
    } else if (!platform::DeclaraUTF8(conteudo)) {
      // A declaration naming another encoding would be a second, contradicting one.
      conteudo = kDeclaracaoUTF8 + platform::EnsureUtf8(SemDeclaracaoInicial(conteudo));
    }

    fs::create_directories(pasta);
    platform::WriteFileAtomically(pasta + arquivo, conteudo);
    return true;
  } catch (const std::exception& e) {
    GerarException("Erro ao salvar.", &e);
    return false;
  }
}

void TTrivoDFe::FazerLog(const std::string& Msg, bool& Tratado) {
  Tratado = false;
  if (!Msg.empty() && OnGerarLog) OnGerarLog(Msg, Tratado);
}

void TTrivoDFe::GerarException(const std::string& Msg, const std::exception* E) {
  std::string texto = Msg;
  if (E) texto += std::string("\r\n") + E->what();
  bool tratado = false;
  FazerLog("ERRO: " + texto, tratado);
  if (!tratado) throw ETrivoDFeException(texto);
}

// ---- mail --------------------------------------------------------------------------------

void TTrivoDFe::EnviarEmail(const std::string& sPara, const std::string& sAssunto,
                            const std::vector<std::string>* sMensagem, const std::vector<std::string>* sCC,
                            const std::vector<std::string>* Anexos, const std::string* StreamNFe,
                            const std::string& NomeArq, const std::vector<std::string>* sReplyTo,
                            const std::vector<std::string>* sBCC) {
  if (!FMAIL) throw ETrivoDFeException("Componente TrivoMail não associado");
  FMAIL->Clear();
  FMAIL->AddAddress(sPara);
  FMAIL->Subject = sAssunto;
  if (sMensagem) {
    FMAIL->Body = *sMensagem;
    std::string texto = platform::Join(*sMensagem, "\r\n"), semTags;
    bool dentro = false;
    for (char c : texto) {
      if (c == '<')
        dentro = true;
      else if (c == '>' && dentro)
        dentro = false;
      else if (!dentro)
        semTags += c;
    }
    FMAIL->AltBody = semTags;
  }
  FMAIL->ClearAttachments();
  if (StreamNFe) FMAIL->AddAttachment(*StreamNFe, NomeArq);
  if (Anexos)
    for (const auto& a : *Anexos) FMAIL->AddAttachmentFile(a);
  if (sCC)
    for (const auto& a : *sCC) FMAIL->AddCC(a);
  if (sBCC)
    for (const auto& a : *sBCC) FMAIL->AddBCC(a);
  if (sReplyTo)
    for (const auto& a : *sReplyTo) FMAIL->AddReplyTo(a);
  FMAIL->Send();
}

}  // namespace dfe
