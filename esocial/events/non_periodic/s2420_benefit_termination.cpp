// S-2420 writer.
#include "esocial/events/non_periodic/s2420_benefit_termination.h"

#include "esocial/events/event_frame.h"

namespace esocial::s2420 {

using dfe::tcDat;
using dfe::tcStr;

bool TEvtCdBenTerm::GerarXML() {
  return GerarDocumentoeSocial(*this, "evtCdBenTerm", ideEmpregador.NrInsc, [&] {
    GerarIdeEvento2(ideEvento, true, true, false);
    GerarIdeEmpregador(ideEmpregador);
    dfe::TGerador& g = Gerador();
    g.wGrupo("ideBeneficio");
    g.wCampo(tcStr, "", "cpfBenef", 11, 11, 1, ideBeneficio.cpfBenef);
    g.wCampo(tcStr, "", "nrBeneficio", 1, 20, 1, ideBeneficio.nrBeneficio);
    g.wGrupo("/ideBeneficio");
    g.wGrupo("infoBenTermino");
    g.wCampo(tcDat, "", "dtTermBeneficio", 10, 10, 1, infoBenTermino.dtTermBeneficio);
    g.wCampo(tcStr, "", "mtvTermino", 2, 2, 1, MotCessBenefToStr(infoBenTermino.mtvTermino));
    // Each written whenever given, whatever the reason.
    g.wCampo(tcStr, "", "cnpjOrgaoSuc", 14, 14, 0, infoBenTermino.cnpjOrgaoSuc);
    g.wCampo(tcStr, "", "novoCPF", 11, 11, 0, infoBenTermino.novoCPF);
    g.wGrupo("/infoBenTermino");
  });
}

}  // namespace esocial::s2420
