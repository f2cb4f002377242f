#include "esocial/trivo_esocial.h"

#include <string>

#include "dfe/services_ini.h"
#include "esocial/event_container.h"
#include "esocial/web_services.h"
#include "platform/strings.h"

namespace esocial {

// The services INI the component carries (TrivoeSocialServicos.ini, compiled in): the
// government's addresses of the four services in restricted production (eSocial_H) and
// production (eSocial_P). The same file is installed beside the program.
extern const std::string_view kServicosIni;

TTrivoeSocial::TTrivoeSocial(dfe::TTrivoComponent* AOwner) : dfe::TTrivoDFe(AOwner) {}

// The container and the services go before the base part, whose configuration and facade
// they use.
TTrivoeSocial::~TTrivoeSocial() {
  FEventos.reset();
  FWebServices.reset();
}

void TTrivoeSocial::Create() {
  dfe::RegisterEmbeddedServicesIni(kRecursoServicoseSocial, kServicosIni);
  dfe::TTrivoDFe::Create();
  SSL().SetSSLDgst(dfe::dgstSHA256);
  FEventos = std::make_unique<TEventos>(*this);
  FWebServices = std::make_unique<TWebServices>(*this);
}

TConfiguracoeseSocial& TTrivoeSocial::Configuracoes() const {
  return static_cast<TConfiguracoeseSocial&>(dfe::TTrivoDFe::Configuracoes());
}

std::unique_ptr<dfe::TConfiguracoes> TTrivoeSocial::InstanciarConfiguracoes() {
  return std::make_unique<TConfiguracoeseSocial>(this);
}

void TTrivoeSocial::SetStatus(TStatusTrivoeSocial stNewStatus) {
  if (stNewStatus == FStatus) return;
  FStatus = stNewStatus;
  if (OnStatusChange) OnStatusChange(this);
}

// ---- operations -----------------------------------------------------------------------------

bool TTrivoeSocial::Enviar(std::uint8_t AGrupo) {
  FWebServices->EnvioLote().Clear();
  return FWebServices->Envia(AGrupo);
}

bool TTrivoeSocial::Consultar(const std::string& AProtocolo) { return FWebServices->Consultar(AProtocolo); }

bool TTrivoeSocial::GerarLote(std::uint8_t AGrupo, bool ASalvar) {
  FWebServices->EnvioLote().Clear();
  return FWebServices->GeraLote(AGrupo, ASalvar);
}

void TTrivoeSocial::AssinarEventos() {
  FEventos->GerarXMLs();
  if (Configuracoes().Geral->Salvar()) FEventos->SaveToFiles();
}

bool TTrivoeSocial::ConsultaIdentificadoresEventosEmpregador(const std::string& CnpjEstab, TTipoEvento tpEvt,
                                                             platform::TDateTime PerApur) {
  return FWebServices->ConsultaIdentificadoresEventosEmpregador(CnpjEstab, tpEvt, PerApur);
}

bool TTrivoeSocial::ConsultaIdentificadoresEventosTabela(const std::string& CnpjEstab, TTipoEvento tpEvt,
                                                         const std::string& AchEvt, platform::TDateTime AdtIni,
                                                         platform::TDateTime AdtFim) {
  return FWebServices->ConsultaIdentificadoresEventosTabela(CnpjEstab, tpEvt, AchEvt, AdtIni, AdtFim);
}

bool TTrivoeSocial::ConsultaIdentificadoresEventosTrabalhador(const std::string& CnpjEstab, const std::string& AcpfTrab,
                                                              platform::TDateTime AdtIni, platform::TDateTime AdtFim) {
  return FWebServices->ConsultaIdentificadoresEventosTrabalhador(CnpjEstab, AcpfTrab, AdtIni, AdtFim);
}

bool TTrivoeSocial::DownloadEventos(const std::string& CnpjEmpr, const std::string& PorID,
                                    const std::string& PorNrRecibo) {
  return FWebServices->DownloadEvento(CnpjEmpr, PorID, PorNrRecibo);
}

// ---- services INI and the document family -----------------------------------------------------

void TTrivoeSocial::LerServicoDeParams(TLayOut LayOutServico, double& Versao, std::string& URL) {
  const TConfiguracoeseSocial& conf = Configuracoes();
  const std::string secao = conf.WebServices->Ambiente() == dfe::taHomologacao ? "eSocial_H" : "eSocial_P";
  LerServicoChaveDeParams(secao, LayOutToStr(LayOutServico), Versao, URL);
  Versao = VersaoeSocialToFloat(conf.Geral->VersaoDF());
}

std::string TTrivoeSocial::LerVersaoDeParams(TLayOut LayOutServico) {
  const TConfiguracoeseSocial& conf = Configuracoes();
  return dfe::FormatVersion00(
      dfe::TTrivoDFe::LerVersaoDeParams(GetNomeModeloDFe(), conf.WebServices->UF(), conf.WebServices->Ambiente(),
                                        LayOutToStr(LayOutServico), VersaoeSocialToFloat(conf.Geral->VersaoDF())));
}

std::string TTrivoeSocial::GetNomeModeloDFe() { return "eSocial"; }

std::string TTrivoeSocial::GetNameSpaceURI() {
  return " " + std::string(kNameSpaceRaizeSocial) + "/servicos/empregador/lote/eventos/envio/v1_1_0";
}

std::string TTrivoeSocial::NomeSchemaDoServico(const std::string& NomeServico) {
  bool ok = false;
  const TLayOut layOut = StrToLayOut(ok, NomeServico);
  return ok ? eSocialSchemaToStr(LayOutToeSocialSchema(layOut)) : std::string();
}

std::string TTrivoeSocial::VersaoNumeroParaTexto(double Versao) {
  if (Versao <= 0) return {};
  const bool simplificado = Versao >= 10;
  const std::string digitos =
      platform::StringReplace(dfe::FormatVersion00(simplificado ? Versao - 9 : Versao), ".", "");
  const std::string texto =
      platform::Copy(digitos, 1, 1) + "_" + platform::Copy(digitos, 2, 1) + "_" + platform::Copy(digitos, 3, 1);
  return simplificado ? "_S_0" + texto : texto;
}

double TTrivoeSocial::VersaoTextoParaNumero(const std::string& Texto) {
  if (Texto.empty()) return 0;
  std::string digitos = platform::StringReplace(Texto, "_", "");
  digitos.resize(3, '0');
  const std::string numero = digitos.substr(0, 1) + "." + digitos.substr(1);
  return dfe::ParseVersionNumber(numero);
}

}  // namespace esocial
