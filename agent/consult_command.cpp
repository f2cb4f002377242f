#include "agent/consult_command.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

#include "agent/batch_occurrences.h"
#include "agent/esocial_setup.h"
#include "dfe/xml_reader.h"
#include "esocial/trivo_esocial.h"
#include "esocial/web_services.h"
#include "platform/date_time.h"
#include "platform/object_list.h"

namespace agent {

namespace {

bool IsXmlBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// The value of attribute Nome in a start tag's attribute text ('<evento' cut off), with either
// quote; no value when the tag has no such attribute or is malformed.
std::optional<std::string_view> AtributoDaTag(std::string_view Atributos, std::string_view Nome) {
  std::size_t i = 0;
  auto pularBrancos = [&] {
    while (i < Atributos.size() && IsXmlBlank(Atributos[i])) ++i;
  };
  for (;;) {
    pularBrancos();
    const std::size_t inicioNome = i;
    while (i < Atributos.size() && !IsXmlBlank(Atributos[i]) && Atributos[i] != '=' && Atributos[i] != '/' &&
           Atributos[i] != '>')
      ++i;
    if (i == inicioNome) return std::nullopt;
    const std::string_view nome = Atributos.substr(inicioNome, i - inicioNome);
    pularBrancos();
    if (i >= Atributos.size() || Atributos[i] != '=') return std::nullopt;
    ++i;
    pularBrancos();
    if (i >= Atributos.size() || (Atributos[i] != '"' && Atributos[i] != '\'')) return std::nullopt;
    const char aspas = Atributos[i++];
    const std::size_t fimValor = Atributos.find(aspas, i);
    if (fimValor == std::string_view::npos) return std::nullopt;
    if (nome == Nome) return Atributos.substr(i, fimValor - i);
    i = fimValor + 1;
  }
}

bool AguardaResultado(TEnumEventoStatus Status) {
  return Status == TEnumEventoStatus::EM_PROCESSAMENTO || Status == TEnumEventoStatus::ENVIADO;
}

// Codes of a processed batch (the events carry their own results) and of a processed event.
bool LoteProcessado(int Codigo) { return Codigo == 201 || Codigo == 202; }

// The batch's events by CodigoEvento: the first of each, as the reply's results go to it.
using TEventosDoLote = std::unordered_map<std::string_view, TEventosPendentesXmlDTO*>;

TEventosDoLote EventosDoLote(const TEsocialLoteXmlDTO& Lote) {
  TEventosDoLote eventos;
  for (TEventosPendentesXmlDTO* evento : Lote.EventosPendentesXmlDTO) eventos.emplace(evento->CodigoEvento, evento);
  return eventos;
}

// A reply is taken only with its proof: a code (0 is what the reader leaves where it found
// none), the protocol asked for when it says the batch is known, and for a processed batch the
// results of this batch's events, each processed one with its receipt.
void ExigirProva(const esocial::TRetConsultaLote& Retorno, const std::string& Protocolo,
                 const TEventosDoLote& Eventos) {
  const int codigo = Retorno.Status.cdResposta;
  if (codigo == 0) throw std::runtime_error("A resposta da consulta não traz o código de resposta do lote");
  const std::string& protocolo = Retorno.DadosRecLote.Protocolo;
  if (protocolo.empty() && (codigo == 101 || LoteProcessado(codigo)))
    throw std::runtime_error("A resposta da consulta não traz o protocolo do lote");
  if (!protocolo.empty() && protocolo != Protocolo)
    throw std::runtime_error("A resposta da consulta é do protocolo " + protocolo + ", não do consultado");
  if (!LoteProcessado(codigo)) return;
  if (Retorno.RetEventos.Count() == 0) throw std::runtime_error("A resposta da consulta não traz os eventos do lote");
  std::unordered_set<std::string_view> respondidos;
  for (int i = 0; i < Retorno.RetEventos.Count(); ++i) {
    const esocial::TRetEventosCollectionItem& item = Retorno.RetEventos.GetItem(i);
    if (item.Processamento.cdResposta == 0)
      throw std::runtime_error("A resposta da consulta não traz o código de processamento do evento " + item.Id);
    if (!Eventos.contains(item.Id))
      throw std::runtime_error("A resposta da consulta traz o evento " + item.Id + ", que não é do lote");
    if (LoteProcessado(item.Processamento.cdResposta) && item.Recibo.nrRecibo.empty())
      throw std::runtime_error("A resposta da consulta não traz o recibo do evento " + item.Id);
    respondidos.insert(item.Id);
  }
  for (const auto& [codigoEvento, evento] : Eventos)
    if (!respondidos.contains(codigoEvento))
      throw std::runtime_error("A resposta da consulta não traz o resultado do evento " + std::string(codigoEvento));
}

void AtualizarEvento(TEventosPendentesXmlDTO& Evento, const esocial::TRetEventosCollectionItem& Item,
                     const TElementosEvento& Elementos, TDtoOwner& Dono) {
  const esocial::TProcessamento& proc = Item.Processamento;
  const auto elemento = Elementos.find(Evento.CodigoEvento);
  Evento.XmlRetornoConsulta = elemento == Elementos.end() ? std::string() : std::string(elemento->second);
  Evento.ResultadoProcessamento = std::to_string(proc.cdResposta) + " - " + proc.descResposta;
  switch (proc.cdResposta) {
    case 201:
    case 202:
      if (proc.cdResposta == 201) {
        Evento.Status = TEnumEventoStatus::PROCESSADO;
      } else {
        Evento.Status = TEnumEventoStatus::PROCESSADO_COM_ADVERTENCIA;
        AdicionarOcorrencias(proc.Ocorrencias, Evento, Dono);
      }
      Evento.NumeroRecibo = Item.Recibo.nrRecibo;
      Evento.HashRecibo = Item.Recibo.Hash;
      break;
    case 301:
      Evento.ResultadoProcessamento = *Evento.ResultadoProcessamento + " (" +
                                      platform::FormatDateTime("dd/mm/yyyy hh:nn:ss", proc.dhProcessamento) + ")";
      break;
    default:
      Evento.Status = TEnumEventoStatus::INCONSISTENTE;
      AdicionarOcorrencias(proc.Ocorrencias, Evento, Dono);
  }
}

}  // namespace

void TConsultaLote::Validate() {
  if (!FAppMessage.protocolo) throw std::runtime_error("protocolo não informado");
  if (FAppMessage.protocolo->empty()) throw std::runtime_error("protocolo não pode estar em branco");
}

void TConsultaLote::Execute() {
  const std::string& protocolo = *FAppMessage.protocolo;
  try {
    std::unique_ptr<TXDataClient> client = CreateXDataClient();
    IEsocialLoteService& service = client->Service<IEsocialLoteService>();
    TEsocialLoteXmlDTO* lote = service.GetLotePorProtocolo(protocolo);
    if (!lote) throw std::runtime_error("Nenhum lote encontrado para o protocolo " + protocolo);
    if (!ConsultarLote(*lote, *client)) throw std::runtime_error("A consulta do protocolo não trouxe resultado");
    lote->Consulting = false;
    service.AtualizarLote(lote, true, 0);
    std::string descricao = "Protocolo: " + protocolo + ". Consultado com sucesso";
    for (const std::string& motivo : FTotalizadoresNaoGravados) descricao += "\r\n" + motivo;
    SetSuccess("SUCCESS_CONSULT", descricao);
  } catch (const std::exception& e) {
    SetError("ERROR_CONSULT", "Erro ao consultar o protocolo: " + protocolo + ". Erro Message: " + e.what());
  }
}

bool TConsultaLote::ConsultarLote(TEsocialLoteXmlDTO& Lote, TDtoOwner& Dono) {
  if (Lote.EventosPendentesXmlDTO.empty()) throw std::out_of_range(platform::TextoIndiceForaDosLimites(0));
  const std::string& protocolo = *FAppMessage.protocolo;
  std::unique_ptr<esocial::TTrivoeSocial> eSocial =
      CreateTrivoeSocial(IdEmpregadorDoEvento(Lote.EventosPendentesXmlDTO[0]->CodigoEvento));
  if (!eSocial->Consultar(protocolo)) return false;
  FTotalizadoresNaoGravados = eSocial->WebServices().ConsultaLote().TotalizadoresNaoGravados();
  const esocial::TRetConsultaLote& retorno = eSocial->WebServices().ConsultaLote().RetConsultaLote();
  // The document as the reader took it: the reply itself, also when it came escaped as text.
  AplicarRetornoConsulta(Lote, retorno, protocolo, retorno.Leitor.Arquivo, Dono);
  return true;
}

TElementosEvento ElementosEvento(std::string_view Texto) {
  static constexpr std::string_view kAbertura = "<evento";
  TElementosEvento elementos;
  dfe::TBuscaAdiante fimDaTag(">"), fechamento("</evento>");
  for (std::size_t inicio = Texto.find(kAbertura); inicio != std::string_view::npos;
       inicio = Texto.find(kAbertura, inicio + 1)) {
    const std::size_t aposNome = inicio + kAbertura.size();
    if (aposNome >= Texto.size() || !IsXmlBlank(Texto[aposNome])) continue;  // <eventos, <evento>
    const std::size_t fimTag = fimDaTag.Proximo(Texto, aposNome);
    if (fimTag == std::string_view::npos) break;
    const std::optional<std::string_view> id = AtributoDaTag(Texto.substr(aposNome, fimTag - aposNome), "Id");
    // The first element of an identifier is its own, whole or not.
    if (!id || elementos.contains(*id)) continue;
    std::string_view elemento;
    if (Texto[fimTag - 1] == '/') {
      elemento = Texto.substr(inicio, fimTag + 1 - inicio);
    } else if (const std::size_t fim = fechamento.Proximo(Texto, fimTag + 1); fim != std::string_view::npos) {
      elemento = Texto.substr(inicio, fim + std::string_view("</evento>").size() - inicio);
    }
    elementos.emplace(*id, elemento);
  }
  return elementos;
}

std::string ExtrairXmlEvento(const std::string& Id, const std::string& Texto) {
  const TElementosEvento elementos = ElementosEvento(Texto);
  const auto elemento = elementos.find(Id);
  return elemento == elementos.end() ? std::string() : std::string(elemento->second);
}

void AdicionarOcorrencias(const esocial::TOcorrenciasProcCollection& Ocorrencias, TEventosPendentesXmlDTO& Evento,
                          TDtoOwner& Dono) {
  for (int i = 0; i < Ocorrencias.Count(); ++i) {
    const esocial::TOcorrenciasProcCollectionItem& o = Ocorrencias.GetItem(i);
    auto* nova = Dono.New<TEsocialEventoOcorrenciaDTO>();
    nova->Tipo = o.Tipo;
    nova->Codigo = o.Codigo;
    nova->Descricao = o.Descricao;
    nova->Localizacao = o.Localizacao;
    Evento.Ocorrencias.push_back(nova);
  }
}

void AplicarRetornoConsulta(TEsocialLoteXmlDTO& Lote, const esocial::TRetConsultaLote& Retorno,
                            const std::string& Protocolo, const std::string& XmlRetorno, TDtoOwner& Dono) {
  const TEventosDoLote eventos = EventosDoLote(Lote);
  ExigirProva(Retorno, Protocolo, eventos);
  Lote.XmlRetornoConsulta = XmlRetorno;
  const esocial::TStatus& status = Retorno.Status;
  if (status.cdResposta == 101) {
    Lote.Status = TEnumEventoLoteStatus::AGUARDANDO_PROCESSAMENTO;
    return;
  }
  if (!LoteProcessado(status.cdResposta)) {
    AdicionarOcorrenciasLote(status.Ocorrencias, Lote, Dono);
    Lote.Status = TEnumEventoLoteStatus::INCONSISTENTE;
    Lote.CodigoResposta = status.cdResposta;
    Lote.Descricao = status.descResposta;
    return;
  }
  Lote.Status =
      status.cdResposta == 201 ? TEnumEventoLoteStatus::PROCESSADO : TEnumEventoLoteStatus::PROCESSADO_COM_ADVERTENCIA;
  Lote.Ocorrencias.clear();
  // Events of another protocol's batch are not this reply's.
  if (Lote.NumeroProtocolo != Protocolo) return;
  const TElementosEvento elementos = ElementosEvento(XmlRetorno);
  for (int i = 0; i < Retorno.RetEventos.Count(); ++i) {
    const esocial::TRetEventosCollectionItem& item = Retorno.RetEventos.GetItem(i);
    TEventosPendentesXmlDTO* evento = eventos.at(item.Id);
    if (AguardaResultado(evento->Status)) AtualizarEvento(*evento, item, elementos, Dono);
  }
}

}  // namespace agent
