// S-1295 writer.
#include "esocial/events/tables_periodic/s1295_contingency_totalisation.h"

#include "esocial/events/event_frame.h"

namespace esocial::s1295 {

bool TEvtTotConting::GerarXML() {
  return GerarDocumentoeSocial(*this, "evtTotConting", IdeEmpregador.NrInsc, [&] {
    GerarIdeEvento4(IdeEvento, true, true);
    GerarIdeEmpregador(IdeEmpregador);
    GerarIdeRespInf(IdeRespInf);
  });
}

}  // namespace esocial::s1295
