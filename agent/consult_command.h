#pragma once
// The consult command: asks the eSocial batch-query service for the processing result of the
// batch whose protocol number the request carries, maps the batch's and each event's result
// onto the batch the REST API holds, and writes the batch back.
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "agent/command_base.h"
#include "agent/dto.h"
#include "esocial/replies_batch_consult.h"

namespace agent {

class TConsultaLote : public TComunicacaoEsocial {
 public:
  using TComunicacaoEsocial::TComunicacaoEsocial;
  ~TConsultaLote() override { WaitFor(); }

 protected:
  // protocolo must be given and not empty.
  void Validate() override;
  void Execute() override;

 private:
  // Consults the batch's protocol and maps the reply onto the batch; new occurrences belong
  // to Dono. True when the consultation gave a result.
  bool ConsultarLote(TEsocialLoteXmlDTO& Lote, TDtoOwner& Dono);

  // The totalizers of the reply that were not saved, each with why; they follow the success text.
  std::vector<std::string> FTotalizadoresNaoGravados;
};

// The event's part of a consultation reply: from the evento start tag whose Id attribute is
// the identifier (whatever other attributes, quoting or white space it has) through the first
// "</evento>" after it; empty when there is none.
std::string ExtrairXmlEvento(const std::string& Id, const std::string& Texto);
// The same for every identifier at once, in one pass: the parts, as views into Texto, by Id.
using TElementosEvento = std::unordered_map<std::string_view, std::string_view>;
TElementosEvento ElementosEvento(std::string_view Texto);

// Appends one event occurrence per processing occurrence, made in Dono; those the event had stay.
void AdicionarOcorrencias(const esocial::TOcorrenciasProcCollection& Ocorrencias, TEventosPendentesXmlDTO& Evento,
                          TDtoOwner& Dono);

// Maps a read consultation reply onto the batch: its status and occurrences and, for a
// processed batch consulted under its own protocol, the result of each event still waiting
// (ENVIADO or EM_PROCESSAMENTO). XmlRetorno is the reply document; new occurrences are made in
// Dono. A reply without its proof throws before anything changes: without a status code, of
// another protocol (or of none when it says the batch is waiting or processed), or processed
// without the results of exactly this batch's events, each with its processing code and, when
// processed, its receipt.
void AplicarRetornoConsulta(TEsocialLoteXmlDTO& Lote, const esocial::TRetConsultaLote& Retorno,
                            const std::string& Protocolo, const std::string& XmlRetorno, TDtoOwner& Dono);

}  // namespace agent
