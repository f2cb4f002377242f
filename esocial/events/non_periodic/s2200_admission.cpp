// S-2200 writer.
#include "esocial/events/non_periodic/s2200_admission.h"

#include "esocial/events/event_frame.h"

namespace esocial::s2200 {

bool TEvtAdmissao::GerarXML() {
  return GerarDocumentoeSocial(*this, "evtAdmissao", IdeEmpregador.NrInsc, [&] {
    GerarIdeEvento2(IdeEvento, true, true, false);
    GerarIdeEmpregador(IdeEmpregador);
    // The admission's variants: worker kind 2, no category (so the 2.x nisTrab is required).
    GerarTrabalhador(Trabalhador, Vinculo.cadIni, "trabalhador", 2, 0);
    GerarVinculo(Vinculo, 2);
  });
}

}  // namespace esocial::s2200
