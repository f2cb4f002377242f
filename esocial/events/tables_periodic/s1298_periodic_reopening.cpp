// S-1298 writer.
#include "esocial/events/tables_periodic/s1298_periodic_reopening.h"

#include "esocial/events/event_frame.h"

namespace esocial::s1298 {

bool TEvtReabreEvPer::GerarXML() {
  return GerarDocumentoeSocial(*this, "evtReabreEvPer", IdeEmpregador.NrInsc, [&] {
    GerarIdeEvento4(IdeEvento, true, true);
    GerarIdeEmpregador(IdeEmpregador);
  });
}

}  // namespace esocial::s1298
