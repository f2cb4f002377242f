#include "agent/consult_command.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string_view>

#include "agent/batch_occurrences.h"
#include "agent/esocial_setup.h"
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

// A code 0 is what the reader leaves where it found no code: the reply was not read whole.
void ExigirRespostaLida(const esocial::TRetConsultaLote& Retorno) {
  if (Retorno.Status.cdResposta == 0)
    throw std::runtime_error("A resposta da consulta não traz o código de resposta do lote");
  if (!LoteProcessado(Retorno.Status.cdResposta)) return;
  for (int i = 0; i < Retorno.RetEventos.Count(); ++i) {
    const esocial::TRetEventosCollectionItem& item = Retorno.RetEventos.GetItem(i);
    if (item.Processamento.cdResposta == 0)
      throw std::runtime_error("A resposta da consulta não traz o código de processamento do evento " + item.Id);
  }
}

void AtualizarEvento(TEventosPendentesXmlDTO& Evento, const esocial::TRetEventosCollectionItem& Item,
                     const std::string& XmlRetorno, TDtoOwner& Dono) {
  const esocial::TProcessamento& proc = Item.Processamento;
  Evento.XmlRetornoConsulta = ExtrairXmlEvento(Evento.CodigoEvento, XmlRetorno);
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

std::string ExtrairXmlEvento(const std::string& Id, const std::string& Texto) {
  static constexpr std::string_view kAbertura = "<evento";
  static constexpr std::string_view kFechamento = "</evento>";
  for (std::size_t inicio = Texto.find(kAbertura); inicio != std::string::npos;
       inicio = Texto.find(kAbertura, inicio + 1)) {
    const std::size_t aposNome = inicio + kAbertura.size();
    if (aposNome >= Texto.size() || !IsXmlBlank(Texto[aposNome])) continue;  // <eventos, <evento>
    const std::size_t fimTag = Texto.find('>', aposNome);
    if (fimTag == std::string::npos) return {};
    const std::string_view atributos = std::string_view(Texto).substr(aposNome, fimTag - aposNome);
    if (AtributoDaTag(atributos, "Id") != std::string_view(Id)) continue;
    if (Texto[fimTag - 1] == '/') return Texto.substr(inicio, fimTag + 1 - inicio);
    const std::size_t fim = Texto.find(kFechamento, fimTag + 1);
    if (fim == std::string::npos) return {};
    return Texto.substr(inicio, fim + kFechamento.size() - inicio);
  }
  return {};
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
  ExigirRespostaLida(Retorno);
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
  for (int i = 0; i < Retorno.RetEventos.Count(); ++i) {
    const esocial::TRetEventosCollectionItem& item = Retorno.RetEventos.GetItem(i);
    for (TEventosPendentesXmlDTO* evento : Lote.EventosPendentesXmlDTO) {
      if (evento->CodigoEvento != item.Id) continue;
      if (AguardaResultado(evento->Status)) AtualizarEvento(*evento, item, XmlRetorno, Dono);
      break;
    }
  }
}

}  // namespace agent
