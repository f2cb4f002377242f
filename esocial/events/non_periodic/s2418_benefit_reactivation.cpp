// S-2418 writer.
#include "esocial/events/non_periodic/s2418_benefit_reactivation.h"

#include "esocial/events/event_frame.h"

namespace esocial::s2418 {

using dfe::tcDat;
using dfe::tcStr;

bool TEvtReativBen::GerarXML() {
  return GerarDocumentoeSocial(*this, "evtReativBen", ideEmpregador.NrInsc, [&] {
    GerarIdeEvento2(ideEvento, true, true, false);
    GerarIdeEmpregador(ideEmpregador);
    dfe::TGerador& g = Gerador();
    g.wGrupo("ideBeneficio");
    g.wCampo(tcStr, "", "cpfBenef", 11, 11, 1, ideBeneficio.cpfBenef);
    g.wCampo(tcStr, "", "nrBeneficio", 1, 20, 1, ideBeneficio.nrBeneficio);
    g.wGrupo("/ideBeneficio");
    g.wGrupo("infoReativ");
    g.wCampo(tcDat, "", "dtEfetReativ", 10, 10, 1, infoReativ.dtEfetReativ);
    g.wCampo(tcDat, "", "dtEfeito", 10, 10, 1, infoReativ.dtEfeito);
    g.wGrupo("/infoReativ");
  });
}

}  // namespace esocial::s2418
