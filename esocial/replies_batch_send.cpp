#include "esocial/replies_batch_send.h"

#include "esocial/tag_reading.h"

namespace esocial {

bool TRetEnvioLote::LerXml() {
  return LerRetorno(Leitor, "retornoEnvioLoteEventos", [&](const TLeituraTags& x) {
    if (x.Grupo(2, "ideEmpregador")) LerInscricao(x, IdeEmpregador);
    if (x.Grupo(2, "ideTransmissor")) LerInscricao(x, IdeTransmissor);
    if (x.Grupo(2, "status")) {
      LerStatus(x, Status);
      LerOcorrencias(x, 3, Status.Ocorrencias);
    }
    if (x.Grupo(2, "dadosRecepcaoLote")) LerDadosRecepcaoLote(x, DadosRecLote);
  });
}

}  // namespace esocial
