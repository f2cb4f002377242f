#pragma once
// The eSocial component: a document component whose configuration is the eSocial one, which
// signs with SHA-256, owns the event container and the four SOAP services, and carries the
// services INI of the government's addresses.
//
// What a program does with it (the transmit, sign and consult commands among them):
//   auto c = dfe::TTrivoDFe::Criar<esocial::TTrivoeSocial>();
//   c->Configuracoes()...            certificate, libraries, environment, VersaoDF, IdEmpregador,
//                                    IdTransmissor, schema and save folders
//   c->Eventos().Clear(); c->Eventos().LoadFromString(xml);   signs, validates and saves each
//                                    event; Eventos().Gerados() lists the signed documents
//   c->Enviar(grupo)                 builds, validates and sends the batch of every held event
//                                    (grupo 1 tables, 2 non-periodic, 3 periodic); then
//                                    c->WebServices().EnvioLote().RetEnvioLote() holds the reply
//                                    (Status.cdResposta, DadosRecLote.Protocolo, ...) and
//                                    EnvioLote().DadosMsg() the batch sent
//   c->Consultar(protocolo)          asks for a batch's processing result; then
//                                    c->WebServices().ConsultaLote().RetConsultaLote() holds
//                                    it (one RetEventos item per event, with its totalizers) and
//                                    ConsultaLote().RetWS() the reply document
//   c->GerarLote(grupo, salvar)      builds (and saves) the batch without sending it
//   c->AssinarEventos()              generates and signs every held event from its data
// Each operation returns true or raises dfe::ETrivoDFeException (or a kin of it) with the
// message to show: a batch that fails its schema, a transport error, an error reply of the
// service, or a reply that cannot be read; a call whose error OnGerarLog marked handled returns
// false instead. The request and reply files of every call go to
// the save folder (Arquivos.PathSalvar) while Geral.Salvar is on.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "dfe/component_base.h"
#include "esocial/configuration_esocial.h"
#include "esocial/event_types.h"
#include "esocial/layout_enums.h"
#include "platform/date_time.h"

namespace esocial {

// The common base address of the government's eSocial namespaces, SOAP actions and service
// paths; the event namespaces are this, "/schema/evt/", the event element and the version.
inline constexpr std::string_view kNameSpaceRaizeSocial = "http://www.esocial.gov.br";

// Called with each request and reply text and its kind.
using TNotifyEventoseSocial = std::function<void(const std::string& AXML, TeSocialEventos ATipo)>;

class TEventos;
class TWebServices;

class TTrivoeSocial : public dfe::TTrivoDFe {
 public:
  // Make it with dfe::TTrivoDFe::Criar<TTrivoeSocial>(), which runs the creation steps.
  explicit TTrivoeSocial(dfe::TTrivoComponent* AOwner = nullptr);
  ~TTrivoeSocial() override;

  TConfiguracoeseSocial& Configuracoes() const;
  TEventos& Eventos() const { return *FEventos; }
  TWebServices& WebServices() const { return *FWebServices; }
  TStatusTrivoeSocial Status() const { return FStatus; }
  // Stores a new status and fires OnStatusChange; the current status again does nothing.
  void SetStatus(TStatusTrivoeSocial stNewStatus);

  // Called with every request body and every reply the services exchange.
  TNotifyEventoseSocial OnTransmissaoEventos;

  // ---- operations; each returns true or raises ----
  // Builds, validates and sends the batch of every held event; AGrupo fills its grupo.
  bool Enviar(std::uint8_t AGrupo);
  // Asks for the processing result of the batch with that protocol number.
  bool Consultar(const std::string& AProtocolo);
  // Builds and validates the batch, and saves it when ASalvar is set, without sending it.
  bool GerarLote(std::uint8_t AGrupo, bool ASalvar = true);
  // Every held event writes and signs its XML; saved when Geral.Salvar is on.
  void AssinarEventos();
  bool ConsultaIdentificadoresEventosEmpregador(const std::string& CnpjEstab, TTipoEvento tpEvt,
                                                platform::TDateTime PerApur);
  bool ConsultaIdentificadoresEventosTabela(const std::string& CnpjEstab, TTipoEvento tpEvt, const std::string& AchEvt,
                                            platform::TDateTime AdtIni, platform::TDateTime AdtFim);
  bool ConsultaIdentificadoresEventosTrabalhador(const std::string& CnpjEstab, const std::string& AcpfTrab,
                                                 platform::TDateTime AdtIni, platform::TDateTime AdtFim);
  // By identifier when PorID is not empty, else by receipt number.
  bool DownloadEventos(const std::string& CnpjEmpr, const std::string& PorID, const std::string& PorNrRecibo);

  // ---- the services INI and the document family ----
  using dfe::TTrivoDFe::LerServicoDeParams;
  using dfe::TTrivoDFe::LerVersaoDeParams;
  // The service's address in "eSocial_H" (restricted production) or "eSocial_P"; empty when
  // the INI has none. Versao becomes the configured layout version's number.
  void LerServicoDeParams(TLayOut LayOutServico, double& Versao, std::string& URL);
  std::string LerVersaoDeParams(TLayOut LayOutServico);

  std::string GetNomeModeloDFe() override;
  // A blank and the send service's namespace.
  std::string GetNameSpaceURI() override;
  // The schema stem of a service name (letter case ignored); empty for any other text.
  std::string NomeSchemaDoServico(const std::string& NomeServico) override;
  // 2.0401 gives "2_0_4"; from 10 on, "_S_0" and the number less 9 (10.3 gives "_S_01_3_0").
  std::string VersaoNumeroParaTexto(double Versao) override;
  double VersaoTextoParaNumero(const std::string& Texto) override;

 protected:
  void Create() override;
  std::unique_ptr<dfe::TConfiguracoes> InstanciarConfiguracoes() override;

 private:
  friend class dfe::TTrivoDFe;
  std::unique_ptr<TEventos> FEventos;
  std::unique_ptr<TWebServices> FWebServices;
  TStatusTrivoeSocial FStatus = stIdle;
};

}  // namespace esocial
