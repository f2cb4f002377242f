#include "agent/transmit_command.h"

#include <memory>
#include <sstream>
#include <stdexcept>

#include "agent/batch_occurrences.h"
#include "agent/esocial_setup.h"
#include "esocial/event_container.h"
#include "esocial/replies_batch_send.h"
#include "esocial/trivo_esocial.h"
#include "esocial/web_services.h"
#include "platform/object_list.h"

namespace agent {

namespace {

const char kEventoNaoCarregado[] = "Evento não reconhecido ou com Id diferente do CodigoEvento";

// The first batch that has events; an empty list or only empty batches is the list's index
// error, as reading the first event of the first batch would be.
const TEsocialLoteXmlDTO& PrimeiroLoteComEventos(const std::vector<TEsocialLoteXmlDTO*>& lotes) {
  for (const TEsocialLoteXmlDTO* lote : lotes)
    if (!lote->EventosPendentesXmlDTO.empty()) return *lote;
  throw std::out_of_range(platform::TextoIndiceForaDosLimites(0));
}

// One component for the whole command (one certificate choice), for the employer of the
// first event that is there.
std::unique_ptr<esocial::TTrivoeSocial> CriarComponente(const std::vector<TEsocialLoteXmlDTO*>& lotes) {
  const TEsocialLoteXmlDTO& primeiro = PrimeiroLoteComEventos(lotes);
  return CreateTrivoeSocial(IdEmpregadorDoEvento(primeiro.EventosPendentesXmlDTO.front()->CodigoEvento));
}

// Loads every event of a batch into the emptied container, under the employer of the batch's
// own first event, and puts each signed event back into its DTO. An event has loaded when the
// container took it without error and lists a generated file with its identifier; the others
// keep the XML they came with and are returned as "CodigoEvento: text" lines.
std::string CarregarEventos(esocial::TTrivoeSocial& eSocial, TEsocialLoteXmlDTO& lote) {
  eSocial.Eventos().Clear();
  if (lote.EventosPendentesXmlDTO.empty()) return {};
  eSocial.Configuracoes().Geral->SetIdEmpregador(
      IdEmpregadorDoEvento(lote.EventosPendentesXmlDTO.front()->CodigoEvento));
  std::string falhas;
  for (TEventosPendentesXmlDTO* evento : lote.EventosPendentesXmlDTO) {
    if (!evento->Xml) throw std::runtime_error("Evento " + evento->CodigoEvento + " sem XML");
    std::string erro = kEventoNaoCarregado;
    try {
      // One record is one event: the API knows of no second document.
      if (const std::size_t documentos = esocial::CortarDocumentos(*evento->Xml).size(); documentos > 1)
        throw std::runtime_error("O XML do evento contém " + std::to_string(documentos) +
                                 " documentos eSocial; um evento tem um só");
      std::istringstream stream(*evento->Xml);
      eSocial.Eventos().LoadFromStream(stream);
      const esocial::TGeradosCollection& gerados = eSocial.Eventos().Gerados();
      for (int i = 0; i < gerados.Count(); ++i) {
        if ("ID" + gerados.GetItem(i).idEvento == evento->CodigoEvento) {
          evento->Xml = gerados.GetItem(i).XML;
          erro.clear();
          break;
        }
      }
    } catch (const std::exception& e) {
      erro = e.what();
    }
    if (!erro.empty()) falhas += (falhas.empty() ? "" : "\r\n") + evento->CodigoEvento + ": " + erro;
  }
  return falhas;
}

std::uint8_t GrupoDoLote(const TEsocialLoteXmlDTO& lote) {
  return static_cast<std::uint8_t>(static_cast<int>(lote.EventosPendentesXmlDTO.front()->TipoEvento) + 1);
}

// The send reply onto the batch.
void MapearRetorno(esocial::TTrivoeSocial& eSocial, TEsocialLoteXmlDTO& lote, TDtoOwner& dono) {
  const esocial::TEnvioLote& envio = eSocial.WebServices().EnvioLote();
  const esocial::TRetEnvioLote& ret = envio.RetEnvioLote();
  ExigirProvaDoEnvio(ret);
  lote.Xml = envio.DadosMsg();
  lote.NumeroProtocolo = ret.DadosRecLote.Protocolo;
  const int codigo = ret.Status.cdResposta;
  if (codigo == 101) {
    lote.Status = TEnumEventoLoteStatus::AGUARDANDO_PROCESSAMENTO;
    // The send reply carries no estimate: 0 would read as 30/12/1899.
    if (ret.Status.tempoEstimadoConclusao != 0) lote.TempoEstimadoConclusao = ret.Status.tempoEstimadoConclusao;
    return;
  }
  lote.CodigoResposta = codigo;
  lote.Descricao = ret.Status.descResposta;
  if (codigo == 201 || codigo == 202 || codigo == 203) {
    lote.Status = TEnumEventoLoteStatus::ENVIADO;
    return;
  }
  lote.Status = TEnumEventoLoteStatus::INCONSISTENTE;
  AdicionarOcorrenciasLote(ret.Status.Ocorrencias, lote, dono);
}

}  // namespace

void ExigirProvaDoEnvio(const esocial::TRetEnvioLote& Retorno) {
  const int codigo = Retorno.Status.cdResposta;
  if (codigo == 0) throw std::runtime_error("A resposta do envio não traz o código de resposta do lote");
  if (Retorno.DadosRecLote.Protocolo.empty() && (codigo == 101 || codigo == 201 || codigo == 202 || codigo == 203))
    throw std::runtime_error("A resposta do envio (código " + std::to_string(codigo) +
                             ") não traz o protocolo do lote");
}

void TTransmissaoEventos::Execute() {
  std::unique_ptr<TXDataClient> client = CreateXDataClient();
  IEsocialLoteService& service = client->Service<IEsocialLoteService>();
  std::vector<TEsocialLoteXmlDTO*> lotes;
  try {
    lotes = service.GetLotesGerados();
  } catch (const std::exception& e) {
    SetError("ERROR_LOTE", "Erro ao obter lote(s) gerado(s)\r\nMsg" + std::string(e.what()));
    return;
  }
  try {
    TransmitirLotes(lotes, *client);
    SetSuccess("SUCCESS_TRANS", "Lote(s) transmitido(s) com sucesso");
  } catch (const std::exception& e) {
    SetError("ERROR_TRANS", e.what());
  }
}

void TTransmissaoEventos::TransmitirLotes(const std::vector<TEsocialLoteXmlDTO*>& lotes, TXDataClient& client) {
  std::unique_ptr<esocial::TTrivoeSocial> eSocial = CriarComponente(lotes);
  IEsocialLoteService& service = client.Service<IEsocialLoteService>();
  for (TEsocialLoteXmlDTO* lote : lotes) {
    const std::string falhas = CarregarEventos(*eSocial, *lote);
    // A batch missing an event is neither sent nor reported: the API would take the
    // missing one as sent.
    if (!falhas.empty()) throw std::runtime_error(falhas);
    const bool enviado = !lote->EventosPendentesXmlDTO.empty();
    if (enviado) {
      eSocial->Enviar(GrupoDoLote(*lote));
      MapearRetorno(*eSocial, *lote, client);
    }
    try {
      service.ProcessarLoteEnviado(lote);
    } catch (const std::exception& e) {
      if (!enviado) throw;
      // The government has the batch: what identifies it must not be lost with the report.
      throw std::runtime_error(std::string(e.what()) + "\r\nLote: " + lote->Id +
                               "\r\nProtocolo: " + lote->NumeroProtocolo + "\r\nCódigo de resposta: " +
                               std::to_string(eSocial->WebServices().EnvioLote().RetEnvioLote().Status.cdResposta));
    }
  }
}

void TAssinarEvento::Execute() {
  std::unique_ptr<TXDataClient> client = CreateXDataClient();
  IEsocialLoteService& service = client->Service<IEsocialLoteService>();
  std::vector<TEsocialLoteXmlDTO*> lotes;
  try {
    service.GerarXmlEventosLote();
    lotes = service.GetLotesGerados();
  } catch (const std::exception& e) {
    SetError("ASSINAR_EVENTO", "Erro ao assinar evento(s)\r\n" + std::string(e.what()));
    return;
  }
  try {
    const std::string falhas = AssinarLotes(lotes, *client);
    if (falhas.empty())
      SetSuccess("SUCCESS_ASS_EVT", "Evento(s) assinado(s) com sucesso");
    else
      SetError("ERROR_ASS_EVT", falhas);
  } catch (const std::exception& e) {
    SetError("ERROR_ASS_EVT", e.what());
  }
}

std::string TAssinarEvento::AssinarLotes(const std::vector<TEsocialLoteXmlDTO*>& lotes, TXDataClient& client) {
  std::unique_ptr<esocial::TTrivoeSocial> eSocial = CriarComponente(lotes);
  IEsocialLoteService& service = client.Service<IEsocialLoteService>();
  std::string falhas;
  for (TEsocialLoteXmlDTO* lote : lotes) {
    const std::string doLote = CarregarEventos(*eSocial, *lote);
    if (!doLote.empty()) falhas += (falhas.empty() ? "" : "\r\n") + doLote;
    service.ProcessarLoteEnviado(lote);
  }
  return falhas;
}

}  // namespace agent
