#include "esocial/replies_identifiers.h"

#include "esocial/tag_reading.h"

namespace esocial {

bool TRetConsultaIdentEvt::LerXml() {
  return LerRetorno(Leitor, "retornoConsultaIdentificadoresEvts", [&](const TLeituraTags& x) {
    if (x.Grupo(2, "status")) LerStatus(x, Status);
    if (x.Grupo(2, "retornoIdentificadoresEvts")) {
      RetIdentEvts.qtdeTotEvtsConsulta = x.Inteiro("qtdeTotEvtsConsulta");
      RetIdentEvts.dhUltimoEvtRetornado = x.DataHora("dhUltimoEvtRetornado");
      if (x.Grupo(3, "identificadoresEvts")) {
        x.Lista(4, "identificadorEvt", [&] {
          auto& item = RetIdentEvts.New();
          item.Id = x.Texto("id");
          item.nrRec = x.Texto("nrRec");
        });
      }
    }
  });
}

}  // namespace esocial
