#include "agent/batch_occurrences.h"

#include "platform/date_time.h"

namespace agent {

void AdicionarOcorrenciasLote(const esocial::TOcorrenciasCollection& Ocorrencias, TEsocialLoteXmlDTO& Lote,
                              TDtoOwner& Dono) {
  for (int i = 0; i < Ocorrencias.Count(); ++i) {
    const esocial::TOcorrenciasCollectionItem& o = Ocorrencias.GetItem(i);
    auto* nova = Dono.New<TEsocialLoteOcorrenciaDTO>();
    nova->DataHora = platform::Now();
    nova->CodigoResposta = o.Codigo;
    nova->TipoEnvio = TEnumEventoLoteTipo::LoteTRANSMISSAO;
    nova->Descricao = o.Descricao;
    Lote.Ocorrencias.push_back(nova);
  }
}

}  // namespace agent
