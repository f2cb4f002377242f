#pragma once
// Data-transfer objects exchanged with the REST API. A DTO's lists hold references to
// objects owned elsewhere: by the REST client that read them (TDtoOwner) or by whoever
// created them.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/date_time.h"

namespace agent {

using platform::TDateTime;

enum class TEnumEventoLoteStatus {
  PENDENTE,
  GERANDO,
  COM_XML,
  ENVIADO,
  AGUARDANDO_PROCESSAMENTO,
  PROCESSADO,
  INCONSISTENTE,
  PROCESSADO_COM_ADVERTENCIA
};
enum class TEnumEventoStatus {
  PENDENTE,
  EM_PROCESSAMENTO,
  ENVIADO,
  PROCESSADO,
  PROCESSADO_COM_ADVERTENCIA,
  INCONSISTENTE,
  CONFLITO,
  EXCLUIDO
};
// Also the batch's group number: 1, 2, 3.
enum class TEnumTipoEvento { evtTabela, evtNaoPeriodico, evtPeriodico };
enum class TEnumTipoOperacaoEvento { INCLUSAO, ALTERACAO, EXCLUSAO };
enum class TEnumEventoLoteTipo { LoteTRANSMISSAO, LoteCONSULTA };
enum class TEnumChaveEvento {
  evtAdmissao,
  evtAfastTemp,
  evtCessao,
  evtTSVInicio,
  evtInfoEmpregador,
  evtTabEstab,
  evtTabLotacao,
  evtTabProcesso,
  evtTabRubrica,
  evtAltContratual,
  evtAltCadastral,
  evtTSVAltContr,
  evtCdBenIn,
  evtCdBenAlt,
  evtCdBenefIn,
  evtCdBenefAlt,
  evtRemun,
  evtRmnRPPS,
  evtBenPrRP,
  evtPgtos,
  evtExclusao,
  evtFechaEvPer,
  evtDeslig,
  evtReabreEvPer,
  evtTSVTermino
};

class TDtoObject {
 public:
  virtual ~TDtoObject() = default;
};

class TEsocialLoteOcorrenciaDTO : public TDtoObject {
 public:
  std::string Id;
  TDateTime DataHora = 0;
  TEnumEventoLoteTipo TipoEnvio = TEnumEventoLoteTipo::LoteTRANSMISSAO;
  std::int32_t CodigoResposta = 0;
  std::string Descricao;
  std::optional<std::string> Xml;
};

class TEsocialEventoOcorrenciaDTO : public TDtoObject {
 public:
  std::string Id;
  std::uint8_t Tipo = 0;
  std::int32_t Codigo = 0;
  std::string Descricao;
  std::string Localizacao;
};

class TEventosPendentesXmlDTO : public TDtoObject {
 public:
  std::string Id;
  TEnumChaveEvento Chave = TEnumChaveEvento::evtAdmissao;
  TEnumTipoEvento TipoEvento = TEnumTipoEvento::evtTabela;
  std::string CodigoEvento;
  TDateTime DataHora = 0;
  std::optional<TEnumTipoOperacaoEvento> TipoOperacao;
  std::optional<std::string> ValidadeInicio;
  std::optional<std::string> ValidadeFim;
  std::string VersaoApp;
  TEnumEventoStatus Status = TEnumEventoStatus::PENDENTE;
  std::optional<std::string> Xml;
  std::optional<std::string> XmlRetornoConsulta;
  std::optional<std::string> ResultadoProcessamento;
  std::optional<std::string> NumeroRecibo;
  std::optional<std::string> HashRecibo;
  std::vector<TEsocialEventoOcorrenciaDTO*> Ocorrencias;
  TDateTime CreatedAt = 0;
  TEnumEventoLoteStatus StatusLote = TEnumEventoLoteStatus::PENDENTE;
};

class TEsocialLoteXmlDTO : public TDtoObject {
 public:
  std::string Id;
  std::vector<TEventosPendentesXmlDTO*> EventosPendentesXmlDTO;
  std::string NumeroProtocolo;
  TEnumEventoLoteStatus Status = TEnumEventoLoteStatus::PENDENTE;
  std::optional<std::int32_t> CodigoResposta;
  std::optional<std::string> Descricao;
  std::optional<TDateTime> TempoEstimadoConclusao;
  std::vector<TEsocialLoteOcorrenciaDTO*> Ocorrencias;
  bool Consulting = false;
  std::string Xml;
  std::optional<std::string> XmlRetornoConsulta;
  std::string EmpresaRhId;
  std::string EmpregadorCTIId;
};

// Owns DTOs and releases them with itself.
class TDtoOwner {
 public:
  template <class T>
  T* New() {
    auto p = std::make_unique<T>();
    T* raw = p.get();
    FObjects.push_back(std::move(p));
    return raw;
  }
  std::size_t OwnedCount() const { return FObjects.size(); }

 private:
  std::vector<std::unique_ptr<TDtoObject>> FObjects;
};

}  // namespace agent
