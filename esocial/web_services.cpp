#include "esocial/web_services.h"

#include <filesystem>
#include <optional>
#include <string_view>
#include <utility>

#include "dfe/exceptions.h"
#include "dfe/safe_file_name.h"
#include "dfe/services_ini.h"
#include "esocial/identifier_query.h"
#include "esocial/totalizers/totalizer_registry.h"
#include "platform/date_time.h"
#include "platform/files.h"
#include "platform/strings.h"
#include "platform/text_encoding.h"
#include "platform/text_utils.h"
#include "platform/xml_text.h"

namespace esocial {

namespace {

const std::string kRaiz(kNameSpaceRaizeSocial);

constexpr TDescricaoServico kEnvioLote{LayEnvioLoteEventos,
                                       stEnvLoteEventos,
                                       "env-lot",
                                       "rec",
                                       "/servicos/empregador/lote/eventos/envio/v1_1_0",
                                       "EnviarLoteEventos",
                                       "loteEventos",
                                       eseEnvioLote,
                                       eseRetornoLote,
                                       "/schema/lote/eventos/envio/retornoEnvio/v1_1_0"};
constexpr TDescricaoServico kConsultaLote{
    LayConsultaLoteEventos,
    stConsultaLote,
    "ped-sit",
    "sit",
    "/servicos/empregador/lote/eventos/envio/consulta/retornoProcessamento/v1_1_0",
    "ConsultarLoteEventos",
    "consulta",
    eseEnvioConsulta,
    eseRetornoConsulta,
    "/schema/lote/eventos/envio/retornoProcessamento/v1_3_0"};
constexpr TDescricaoServico kConsultaIdentEventos{LayConsultaIdentEventos,
                                                  stConsultaIdentEvt,
                                                  "ped-con",
                                                  "con",
                                                  "/servicos/empregador/consulta/identificadores-eventos/v1_0_0",
                                                  "ConsultarIdentificadoresEventos",
                                                  "consultaEventos",
                                                  eseEnvioConsultaIdentEvt,
                                                  eseRetornoConsultaIdentEvt,
                                                  "/schema/consulta/identificadores-eventos/retorno/v1_0_0"};
constexpr TDescricaoServico kDownloadEventos{LayDownloadEventos,
                                             stDownloadEvt,
                                             "ped-dow",
                                             "dow",
                                             "/servicos/empregador/download/solicitacao/v1_0_0",
                                             "SolicitarDownloadEventos",
                                             "solicitacao",
                                             eseEnvioDownloadEvt,
                                             eseRetornoDownloadEvt,
                                             "/schema/download/solicitacao/retorno/v1_0_0"};

// The escapes a reply's escaped content is freed of, in this order: "&amp;" first, so that a
// value escaped twice ("&amp;lt;") also comes back as its character.
constexpr std::pair<std::string_view, std::string_view> kEscapes[] = {
    {"&amp;", "&"},    {"&lt;", "<"},     {"&gt;", ">"},     {"&quot;", "\""},  {"&#39;", "'"},    {"&#45;", "-"},
    {"&aacute;", "á"}, {"&Aacute;", "Á"}, {"&acirc;", "â"},  {"&Acirc;", "Â"},  {"&atilde;", "ã"}, {"&Atilde;", "Ã"},
    {"&agrave;", "à"}, {"&Agrave;", "À"}, {"&eacute;", "é"}, {"&Eacute;", "É"}, {"&ecirc;", "ê"},  {"&Ecirc;", "Ê"},
    {"&iacute;", "í"}, {"&Iacute;", "Í"}, {"&oacute;", "ó"}, {"&Oacute;", "Ó"}, {"&otilde;", "õ"}, {"&Otilde;", "Õ"},
    {"&ocirc;", "ô"},  {"&Ocirc;", "Ô"},  {"&uacute;", "ú"}, {"&Uacute;", "Ú"}, {"&uuml;", "ü"},   {"&Uuml;", "Ü"},
    {"&ccedil;", "ç"}, {"&Ccedil;", "Ç"}, {"&apos;", "'"},
};

bool Branco(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Where the first element named Nome with a namespace prefix stands ("<a:Nome ...>" up to
// "</a:Nome>"), the name's letter case counting; none when there is none.
std::optional<platform::TPosicaoTag> PosicaoComPrefixo(const std::string& Texto, const std::string& Nome) {
  const std::string procurado = ":" + Nome;
  for (std::size_t p = Texto.find(procurado); p != std::string::npos; p = Texto.find(procurado, p + 1)) {
    const std::size_t depois = p + procurado.size();
    if (depois >= Texto.size() || !(Branco(Texto[depois]) || Texto[depois] == '>')) continue;
    // The prefix runs back to the "<" over name characters only.
    std::size_t abre = p;
    while (abre > 0 && std::string_view(" \t\r\n/<>\"'").find(Texto[abre - 1]) == std::string_view::npos) --abre;
    if (abre == 0 || abre == p || Texto[abre - 1] != '<') continue;
    const std::string prefixo = Texto.substr(abre, p - abre);
    const std::size_t fimAbertura = Texto.find('>', depois);
    if (fimAbertura == std::string::npos) return std::nullopt;
    const std::string fechamento = "</" + prefixo + procurado + ">";
    const std::size_t fecha = Texto.find(fechamento, fimAbertura + 1);
    if (fecha == std::string::npos) return std::nullopt;
    return platform::TPosicaoTag{abre - 1, fimAbertura + 1, fecha, fecha + fechamento.size()};
  }
  return std::nullopt;
}

// The name of the element whose start tag begins at Posicao.
std::string_view NomeDoElemento(std::string_view Texto, std::size_t Posicao) {
  std::size_t fim = Posicao + 1;
  while (fim < Texto.size() && !Branco(Texto[fim]) && Texto[fim] != '>' && Texto[fim] != '/') ++fim;
  return Texto.substr(Posicao + 1, fim - Posicao - 1);
}

// A reply element outside the namespace its contract gives it is no reply of the service.
void ExigirNameSpace(std::string_view Texto, std::size_t Posicao, const std::string& NameSpace) {
  if (platform::NameSpaceNaPosicao(Texto, Posicao) == NameSpace) return;
  throw dfe::ETrivoDFeException("O elemento " + std::string(NomeDoElemento(Texto, Posicao)) +
                                " da resposta não está no namespace " + NameSpace);
}

// The reply document the reader gets out of the result's content: literal XML unchanged,
// escaped text (its first non-blank character "&") freed of its escapes.
std::string DocumentoDaResposta(const std::string& RetWS) {
  const std::size_t primeiro = RetWS.find_first_not_of(" \t\r\n");
  if (primeiro == std::string::npos || RetWS[primeiro] != '&') return RetWS;
  std::string texto = platform::EnsureUtf8(RetWS);
  for (const auto& [escape, caractere] : kEscapes) texto = platform::StringReplace(texto, escape, caractere);
  return texto;
}

// The envelope's namespace declarations: a blank, the SOAP 1.1 envelope's, two blanks and the
// service's as v1.
std::string AtributosEnvelope(const std::string& NameSpace) {
  return " xmlns:soap=\"http://schemas.xmlsoap.org/soap/envelope/\"  xmlns:v1=\"" + NameSpace + "\"";
}

std::string MesAno(platform::TDateTime Data) { return platform::FormatDateTime("mm-yyyy", Data); }

// An identifier holds 34 digits; far more would make a name the file system refuses (255 bytes).
constexpr std::size_t kMaxDigitosNoNome = 200;

// A value out of a reply as a message shows it: quoted, and cut short when long.
std::string Citado(const std::string& Valor) {
  constexpr std::size_t kMostrado = 100;
  const std::string texto = platform::EnsureUtf8(Valor);
  const std::string_view inicio = platform::Utf8Prefix(texto, kMostrado);
  return "\"" + std::string(inicio) + (inicio.size() < texto.size() ? "...\"" : "\"");
}

}  // namespace

std::string NomeArquivoTotalizador(const std::string& IdEvento, const std::string& Tipo, std::string& Motivo) {
  Motivo.clear();
  const std::string digitos = platform::SomenteDigitos(IdEvento);
  if (!TotalizadorConhecido(Tipo))
    Motivo = "Totalizador do evento " + Citado(IdEvento) + " não salvo: tipo " + Citado(Tipo) + " desconhecido";
  else if (digitos.empty())
    Motivo = "Totalizador " + Tipo + " do evento " + Citado(IdEvento) + " não salvo: identificador sem dígitos";
  else if (digitos.size() > kMaxDigitosNoNome)
    Motivo = "Totalizador " + Tipo + " do evento " + Citado(IdEvento) + " não salvo: identificador longo demais";
  return Motivo.empty() ? digitos + "-" + Tipo + ".xml" : std::string();
}

// ---- common steps ---------------------------------------------------------------------------

TeSocialWebService::TeSocialWebService(TTrivoeSocial& AOwner, const TDescricaoServico& ADescricao)
    : dfe::TDFeWebService(&AOwner),
      FTrivoeSocial(AOwner),
      FPConfiguracoeseSocial(AOwner.Configuracoes()),
      FDescricao(ADescricao) {
  FPSoapVersion = "soap";
  FPHeaderElement = "Header";
  FPBodyElement = "Body";
  FPMimeType = "text/xml";
  FPSoapEnvelopeAtributtes = AtributosEnvelope(kRaiz + kEnvioLote.NameSpace);
  TeSocialWebService::Clear();
}

void TeSocialWebService::Clear() {
  dfe::TDFeWebService::Clear();
  FPathNome.clear();
  FTrivoeSocial.SSL().UseCertificateHTTP = true;
  FPLayout = FDescricao.Layout;
  FPStatus = FDescricao.Status;
  FPArqEnv = FDescricao.ArqEnv;
  FPArqResp = FDescricao.ArqResp;
}

std::string TeSocialWebService::NameSpaceServico() const { return kRaiz + FDescricao.NameSpace; }

void TeSocialWebService::DefinirServicoEAction() {
  FPServico = NameSpaceServico() + "/Servico" + FDescricao.Servico + "/" + Operacao();
  FPSoapAction = platform::Trim(FPServico);
}

void TeSocialWebService::MontarEnvelopeSoap() {
  FPSoapEnvelopeAtributtes = AtributosEnvelope(kRaiz + FDescricao.NameSpace);
  const std::string& v = FPSoapVersion;
  const std::string operacao = Operacao(), involucro = Involucro();
  FPEnvelopeSoap = "<" + v + ":Envelope " + FPSoapEnvelopeAtributtes + "><" + v + ":Body><v1:" + operacao +
                   "><v1:" + involucro + ">" + FPDadosMsg + "</v1:" + involucro + "></v1:" + operacao + "></" + v +
                   ":Body></" + v + ":Envelope>";
}

void TeSocialWebService::PrepararServico() {
  dfe::TDFeWebService::PrepararServico();
  FTrivoeSocial.SetStatus(FPStatus);
}

void TeSocialWebService::EncerrarServico() { FTrivoeSocial.SetStatus(stIdle); }

void TeSocialWebService::DefinirURL() {
  FPVersaoServico.clear();
  FPURL.clear();
  double versao = 0;
  FTrivoeSocial.LerServicoDeParams(FPLayout, versao, FPURL);
  FPVersaoServico = dfe::FormatVersion00(versao);
}

std::string TeSocialWebService::GerarVersaoDadosSoap() {
  if (FPVersaoServico.empty()) FPVersaoServico = "v2.1.0";
  return {};
}

std::string TeSocialWebService::PrefixoNomeArquivo() {
  const std::string fim = "-" + FPArqResp + ".xml";
  const std::string prefixo =
      FPathNome.empty()
          ? NovoPrefixo()
          : platform::Copy(FPathNome, 1, static_cast<long long>(FPathNome.size()) - static_cast<long long>(fim.size()));
  FPathNome = prefixo + fim;
  return prefixo;
}

std::string TeSocialWebService::NovoPrefixo() { return PrefixoLivre(dfe::TDFeWebService::PrefixoNomeArquivo()); }

std::string TeSocialWebService::PrefixoLivre(const std::string& Prefixo) const {
  const std::string pasta = platform::PathWithSlash(FPConfiguracoeseSocial.Arquivos->PathSalvar());
  auto ocupado = [&](const std::string& prefixo) {
    std::error_code ec;
    for (const std::string* arq : {&FPArqEnv, &FPArqResp})
      for (const char* sufixo : {".xml", "-soap.xml"})
        if (!arq->empty() && std::filesystem::exists(pasta + dfe::NomeArquivoServico(prefixo, *arq, sufixo), ec))
          return true;
    return false;
  };
  std::string prefixo = Prefixo;
  for (int n = 2; ocupado(prefixo); ++n) prefixo = Prefixo + "_" + std::to_string(n);
  return prefixo;
}

void TeSocialWebService::LerResposta(dfe::TLeitor& Leitor, const std::function<bool()>& LerXml) {
  const std::string elemento = Operacao() + "Result";
  std::optional<platform::TPosicaoTag> resultado = platform::PosicaoTag(FPRetornoWS, elemento);
  if (!resultado) resultado = PosicaoComPrefixo(FPRetornoWS, elemento);
  FPRetWS = resultado
                ? FPRetornoWS.substr(resultado->InicioConteudo, resultado->FimConteudo - resultado->InicioConteudo)
                : std::string();
  Leitor.Arquivo = DocumentoDaResposta(FPRetWS);
  const bool lida = LerXml();
  Notificar(FPRetWS, FDescricao.Retorno);
  // A reply the reader cannot take is no answer: empty records must not pass for one.
  if (!lida || !resultado) throw dfe::ETrivoDFeException(TextoSemResposta());
  ExigirNameSpace(FPRetornoWS, resultado->Inicio, platform::Trim(NameSpaceServico()));
  // The document read: inside the envelope when it came as XML, alone when it came escaped.
  const std::size_t raiz = Leitor.PosicaoNivel(1);
  const std::string nameSpaceResposta = kRaiz + FDescricao.NameSpaceResposta;
  if (Leitor.Arquivo == FPRetWS)
    ExigirNameSpace(FPRetornoWS, resultado->InicioConteudo + raiz, nameSpaceResposta);
  else
    ExigirNameSpace(Leitor.Arquivo, raiz, nameSpaceResposta);
}

void TeSocialWebService::NotificarEnvio() const { Notificar(FPDadosMsg, FDescricao.Envio); }

void TeSocialWebService::Notificar(const std::string& AXML, TeSocialEventos ATipo) const {
  if (FTrivoeSocial.OnTransmissaoEventos) FTrivoeSocial.OnTransmissaoEventos(AXML, ATipo);
}

void TeSocialWebService::GravarDocumentoResposta(const std::string& NomeArquivo, const std::string& XML) const {
  // The owner's Gravar takes a folder in front of a name: a value out of a reply must not be one.
  if (FPConfiguracoeseSocial.Arquivos->Salvar())
    FTrivoeSocial.Gravar(dfe::SafeFileNamePart(NomeArquivo), XML, FPConfiguracoeseSocial.Arquivos->PathSalvar(), true);
}

void TeSocialWebService::AssinarEValidar(const std::string& infElement, const std::string& Schema) {
  FPDadosMsg = FTrivoeSocial.SSL().Assinar(FPDadosMsg, "eSocial", infElement, "", "", "", "ID");
  std::string erro;
  if (!FTrivoeSocial.SSL().Validar(FPDadosMsg, FPConfiguracoeseSocial.Arquivos->PathSchemas() + Schema, erro))
    throw dfe::ETrivoeSocialException(erro);
}

std::string TeSocialWebService::Resumo(const TStatus& Status, const std::string* versaoAplic,
                                       platform::TDateTime dhRecepcao) const {
  std::string texto = "Versão Layout: " + VersaoeSocialToStr(FPConfiguracoeseSocial.Geral->VersaoDF()) +
                      " \r\nAmbiente: " + std::to_string(FPConfiguracoeseSocial.WebServices->AmbienteCodigo()) +
                      " \r\n";
  if (versaoAplic) texto += "Versão Aplicativo: " + *versaoAplic + " \r\n";
  texto +=
      "Status Código: " + std::to_string(Status.cdResposta) + " \r\nStatus Descrição: " + Status.descResposta + " \r\n";
  if (versaoAplic)
    texto += "Recebimento: " +
             (dhRecepcao == 0 ? std::string() : platform::FormatDateTime("dd/mm/yyyy hh:nn:ss", dhRecepcao)) + " \r\n";
  return texto;
}

// ---- batch send -----------------------------------------------------------------------------

TEnvioLote::TEnvioLote(TTrivoeSocial& AOwner)
    : TeSocialWebService(AOwner, kEnvioLote), FLote(std::make_unique<TLoteEventos>(AOwner)) {
  TEnvioLote::Clear();
}

void TEnvioLote::Clear() {
  TeSocialWebService::Clear();
  FVersao.clear();
  FRetEnvioLote = std::make_unique<TRetEnvioLote>();
}

std::string TEnvioLote::NameSpaceServico() const { return FTrivoeSocial.GetNameSpaceURI(); }

void TEnvioLote::DefinirDadosMsg() {
  const TGeralConfeSocial& geral = *FPConfiguracoeseSocial.Geral;
  const TEmpregador tipo = geral.TipoEmpregador();
  FLote->IdeEmpregador.TpInsc = geral.IdEmpregador().size() == 14 || tipo != tePessoaFisica ? tiCNPJ : tiCPF;
  FLote->IdeEmpregador.NrInsc = geral.IdEmpregador();
  FLote->IdeEmpregador.OrgaoPublico = tipo == tePessoaFisica || tipo == teOrgaoPublicoExecutivoFederal ||
                                      tipo == teOrgaoPublicoLegislativoFederal ||
                                      tipo == teOrgaoPublicoJudiciarioFederal || tipo == teOrgaoPublicoAutonomoFederal;
  FLote->IdeTransmissor.TpInsc = geral.IdTransmissor().size() == 14 ? tiCNPJ : tiCPF;
  FLote->IdeTransmissor.NrInsc = geral.IdTransmissor();
  FLote->GerarXML(FGrupo);
  FPDadosMsg = FLote->XML();
  NotificarEnvio();
}

bool TEnvioLote::TratarResposta() {
  LerResposta(FRetEnvioLote->Leitor, [this] { return FRetEnvioLote->LerXml(); });
  return true;
}

std::string TEnvioLote::TextoResumoResposta() {
  const TRetEnvioLote& r = *FRetEnvioLote;
  return Resumo(r.Status, &r.DadosRecLote.versaoAplicRecepcao, r.DadosRecLote.dhRecepcao);
}

std::string TEnvioLote::TextoErroTransmissao(const std::exception&) {
  return "WebService: " + FPServico + "\r\n- Inativo ou Inoperante tente novamente.";
}

bool TEnvioLote::GerarLote(std::uint8_t AGrupo, bool ASalvar) {
  try {
    FGrupo = AGrupo;
    DefinirDadosMsg();
    if (TemIntegrador()) AjustarParametrosIntegrador();
    MontarEnvelopeSoap();
    if (ASalvar) GravarArquivosEnvio();
    return true;
  } catch (const std::exception& e) {
    DispararExcecao(TextoErroTransmissao(e), &e);
    return false;
  }
}

// ---- batch query ----------------------------------------------------------------------------

TConsultaLote::TConsultaLote(TTrivoeSocial& AOwner) : TeSocialWebService(AOwner, kConsultaLote) {
  TConsultaLote::Clear();
}

void TConsultaLote::Clear() {
  TeSocialWebService::Clear();
  FRetConsultaLote = std::make_unique<TRetConsultaLote>();
  FTotalizadoresNaoGravados.clear();
}

void TConsultaLote::DefinirDadosMsg() {
  FPDadosMsg =
      "<eSocial xmlns=\"" + kRaiz +
      "/schema/lote/eventos/envio/consulta/retornoProcessamento/v1_0_0\"><consultaLoteEventos><protocoloEnvio>" +
      platform::EscaparTextoXml(FProtocolo) + "</protocoloEnvio></consultaLoteEventos></eSocial>";
  NotificarEnvio();
}

bool TConsultaLote::TratarResposta() {
  LerResposta(FRetConsultaLote->Leitor, [this] { return FRetConsultaLote->LerXml(); });
  GravarTotalizadores();
  return true;
}

void TConsultaLote::GravarTotalizadores() {
  FTotalizadoresNaoGravados.clear();
  const TRetEventosCollection& eventos = FRetConsultaLote->RetEventos;
  for (int i = 0; i < eventos.Count(); ++i) {
    const TRetEventosCollectionItem& evento = eventos.GetItem(i);
    for (int j = 0; j < evento.tot.Count(); ++j) {
      const TtotCollectionItem& tot = evento.tot.GetItem(j);
      if (tot.XML.empty()) continue;
      std::string motivo;
      const std::string nome = NomeArquivoTotalizador(evento.Id, tot.tipo, motivo);
      if (nome.empty())
        FTotalizadoresNaoGravados.push_back(motivo);
      else
        GravarDocumentoResposta(nome, tot.XML);
    }
  }
}

std::string TConsultaLote::TextoResumoResposta() {
  const TRetConsultaLote& r = *FRetConsultaLote;
  return Resumo(r.Status, &r.DadosRecLote.versaoAplicRecepcao, r.DadosRecLote.dhRecepcao);
}

std::string TConsultaLote::NovoPrefixo() { return FProtocolo.empty() ? TeSocialWebService::NovoPrefixo() : FProtocolo; }

// ---- identifier query -----------------------------------------------------------------------

TConsultaIdentEventos::TConsultaIdentEventos(TTrivoeSocial& AOwner)
    : TeSocialWebService(AOwner, kConsultaIdentEventos) {
  TConsultaIdentEventos::Clear();
}

void TConsultaIdentEventos::Clear() {
  TeSocialWebService::Clear();
  FRetConsultaIdentEvt = std::make_unique<TRetConsultaIdentEvt>();
}

void TConsultaIdentEventos::DefinirDadosMsg() {
  TConsultaIdentEvt pedido;
  pedido.SoapEnvelope =
      kRaiz + "/schema/consulta/identificadores-eventos/" + platform::LowerCase(FmetodoConsulta) + "/v1_0_0";
  pedido.tipoConsulta = tipoConsulta;
  pedido.tpInsc = TpInscToStr(Cnpj.size() == 14 ? tiCNPJ : tiCPF);
  pedido.nrInsc = Cnpj.size() == 14 ? Cnpj.substr(0, 8) : Cnpj;
  pedido.TipoEvento = Evento;
  pedido.perApur = platform::FormatDateTime("yyyy-mm", PerApur);
  pedido.chEvt = chEvt;
  pedido.dtIni = dtIni;
  pedido.dtFim = dtFim;
  pedido.cpfTrab = cpfTrab;
  CopiarOpcoesGerador(pedido.Gerador.Opcoes);
  pedido.GerarXML();
  FPDadosMsg = pedido.Gerador.ArquivoFormatoXML;
  AssinarEValidar("consultaIdentificadoresEvts", "ConsultaIdentificadoresEventos" + FmetodoConsulta + "-v1_0_0.xsd");
  NotificarEnvio();
}

bool TConsultaIdentEventos::TratarResposta() {
  LerResposta(FRetConsultaIdentEvt->Leitor, [this] { return FRetConsultaIdentEvt->LerXml(); });
  const TRetIdentEvtsCollection& ids = FRetConsultaIdentEvt->RetIdentEvts;
  for (int i = 0; i < ids.Count(); ++i)
    GravarDocumentoResposta(
        platform::SomenteDigitos(ids.GetItem(i).Id) + "-" + TipoEventoToStr(Evento) + Cnpj + MesAno(PerApur) + ".xml",
        FPRetWS);
  return true;
}

std::string TConsultaIdentEventos::TextoResumoResposta() { return Resumo(FRetConsultaIdentEvt->Status); }

std::string TConsultaIdentEventos::NovoPrefixo() {
  return PrefixoLivre(TipoEventoToStr(Evento) + "-" + Cnpj + "-" + MesAno(PerApur) + "-" +
                      dfe::TDFeWebService::PrefixoNomeArquivo());
}

// ---- event download -------------------------------------------------------------------------

TDownloadEventos::TDownloadEventos(TTrivoeSocial& AOwner) : TeSocialWebService(AOwner, kDownloadEventos) {
  TDownloadEventos::Clear();
}

void TDownloadEventos::Clear() {
  TeSocialWebService::Clear();
  FRetDownloadEvt = std::make_unique<TRetDownloadEvt>();
}

void TDownloadEventos::DefinirDadosMsg() {
  const bool raiz = Cnpj.size() == 14;
  const std::string nrInsc = raiz ? Cnpj.substr(0, 8) : Cnpj;
  const bool porId = !PorID.empty();
  const std::string tipo = porId ? "id" : "nrRecibo";
  const std::string pedido =
      porId ? "<solicDownloadEvtsPorId><id>" + platform::EscaparTextoXml(PorID) + "</id></solicDownloadEvtsPorId>"
            : "<solicDownloadEventosPorNrRecibo><nrRec>" + platform::EscaparTextoXml(PorNrRecibo) +
                  "</nrRec></solicDownloadEventosPorNrRecibo>";
  FPDadosMsg = "<eSocial xmlns=\"" + kRaiz + "/schema/download/solicitacao/" + tipo +
               "/v1_0_0\"><download><ideEmpregador><tpInsc>" + TpInscToStr(raiz ? tiCNPJ : tiCPF) +
               "</tpInsc><nrInsc>" + platform::EscaparTextoXml(nrInsc) + "</nrInsc></ideEmpregador>" + pedido +
               "</download></eSocial>";
  AssinarEValidar("eSocial", porId ? "SolicitacaoDownloadEventosPorId-v1_0_0.xsd"
                                   : "SolicitacaoDownloadEventosPorNrRecibo-v1_0_0.xsd");
  NotificarEnvio();
}

bool TDownloadEventos::TratarResposta() {
  LerResposta(FRetDownloadEvt->Leitor, [this] { return FRetDownloadEvt->LerXml(); });
  const TArquivoCollection& arquivos = FRetDownloadEvt->Arquivo;
  for (int i = 0; i < arquivos.Count(); ++i) {
    const TArquivoCollectionItem& a = arquivos.GetItem(i);
    if (!a.XML.empty())
      GravarDocumentoResposta((a.nrRec.empty() ? platform::SomenteDigitos(a.Id) : a.nrRec) + "-down.xml", a.XML);
  }
  return true;
}

std::string TDownloadEventos::TextoResumoResposta() { return Resumo(FRetDownloadEvt->Status); }

// ---- the four together ----------------------------------------------------------------------

TWebServices::TWebServices(TTrivoeSocial& AOwner)
    : FTrivoeSocial(AOwner),
      FEnvioLote(std::make_unique<TEnvioLote>(AOwner)),
      FConsultaLote(std::make_unique<TConsultaLote>(AOwner)),
      FConsultaIdentEventos(std::make_unique<TConsultaIdentEventos>(AOwner)),
      FDownloadEventos(std::make_unique<TDownloadEventos>(AOwner)) {}

TWebServices::~TWebServices() {
  FEnvioLote.reset();
  FConsultaLote.reset();
  FConsultaIdentEventos.reset();
  FDownloadEventos.reset();
}

bool TWebServices::Executar(TeSocialWebService& Servico) {
  if (Servico.Executar()) return true;
  FTrivoeSocial.GerarException(Servico.Msg());
  // The log hook took the error: the call still failed, and must not read as done.
  return false;
}

bool TWebServices::Envia(std::uint8_t grupo) {
  FEnvioLote->Clear();
  FEnvioLote->SetGrupo(grupo);
  return Executar(*FEnvioLote);
}

bool TWebServices::GeraLote(std::uint8_t grupo, bool save) {
  bool tratado = false;
  FTrivoeSocial.FazerLog("Inicio TWebServices", tratado);
  return FEnvioLote->GerarLote(grupo, save);
}

bool TWebServices::Consultar(const std::string& AProtocolo) {
  FConsultaLote->Clear();
  FConsultaLote->SetProtocolo(AProtocolo);
  return Executar(*FConsultaLote);
}

bool TWebServices::ConsultarIdentificadores(tpConsulta Tipo, const std::string& Metodo) {
  FConsultaIdentEventos->tipoConsulta = Tipo;
  FConsultaIdentEventos->FmetodoConsulta = Metodo;
  return Executar(*FConsultaIdentEventos);
}

bool TWebServices::ConsultaIdentificadoresEventosEmpregador(const std::string& CnpjEstab, TTipoEvento tpEvt,
                                                            platform::TDateTime PerApur) {
  TConsultaIdentEventos& s = *FConsultaIdentEventos;
  s.Clear();
  s.Cnpj = CnpjEstab;
  s.Evento = tpEvt;
  s.PerApur = PerApur;
  return ConsultarIdentificadores(tcEmpregador, "Empregador");
}

bool TWebServices::ConsultaIdentificadoresEventosTabela(const std::string& CnpjEstab, TTipoEvento tpEvt,
                                                        const std::string& AchEvt, platform::TDateTime AdtIni,
                                                        platform::TDateTime AdtFim) {
  TConsultaIdentEventos& s = *FConsultaIdentEventos;
  s.Clear();
  s.Cnpj = CnpjEstab;
  s.Evento = tpEvt;
  s.chEvt = AchEvt;
  s.dtIni = AdtIni;
  s.dtFim = AdtFim;
  return ConsultarIdentificadores(tcTabela, "Tabela");
}

bool TWebServices::ConsultaIdentificadoresEventosTrabalhador(const std::string& CnpjEstab, const std::string& AcpfTrab,
                                                             platform::TDateTime AdtIni, platform::TDateTime AdtFim) {
  TConsultaIdentEventos& s = *FConsultaIdentEventos;
  s.Clear();
  s.Cnpj = CnpjEstab;
  s.cpfTrab = AcpfTrab;
  s.dtIni = AdtIni;
  s.dtFim = AdtFim;
  return ConsultarIdentificadores(tcTrabalhador, "Trabalhador");
}

bool TWebServices::DownloadEvento(const std::string& ACnpjEmpr, const std::string& APorID,
                                  const std::string& APorNrRecibo) {
  TDownloadEventos& s = *FDownloadEventos;
  s.Clear();
  s.Cnpj = ACnpjEmpr;
  s.PorID = platform::Trim(APorID);
  s.PorNrRecibo = platform::Trim(APorNrRecibo);
  // Chosen on the trimmed identifier, as the request's body is: an identifier of blanks must
  // not name the by-identifier operation over a by-receipt request.
  s.TipoDownload = s.PorID.empty() ? "PorNrRecibo" : "PorId";
  return Executar(s);
}

}  // namespace esocial
