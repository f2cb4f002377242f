#pragma once
// The occurrences of a government reply's batch status, recorded on the batch the REST API
// holds: the transmit and consult commands both record them.
#include "agent/dto.h"
#include "esocial/replies_records.h"

namespace agent {

// Appends one batch occurrence per occurrence, in order, made in Dono: recorded now, with
// TipoEnvio LoteTRANSMISSAO (for a consultation too), its code and its text.
void AdicionarOcorrenciasLote(const esocial::TOcorrenciasCollection& Ocorrencias, TEsocialLoteXmlDTO& Lote,
                              TDtoOwner& Dono);

}  // namespace agent
