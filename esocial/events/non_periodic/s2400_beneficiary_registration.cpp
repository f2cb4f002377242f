// S-2400 writer.
#include "esocial/events/non_periodic/s2400_beneficiary_registration.h"

#include <string>

#include "esocial/events/event_frame.h"

namespace esocial::s2400 {

using dfe::tcDat;
using dfe::tcInt;
using dfe::tcStr;

bool TEvtCdBenefIn::GerarXML() {
  return GerarDocumentoeSocial(*this, "evtCdBenefIn", IdeEmpregador.NrInsc, [&] {
    GerarIdeEvento2(IdeEvento, true, true, false);
    GerarIdeEmpregador(IdeEmpregador);
    const TBeneficiario& b = Beneficiario;
    dfe::TGerador& g = Gerador();
    g.wGrupo("beneficiario");
    g.wCampo(tcStr, "", "cpfBenef", 11, 11, 1, b.cpfBenef);
    g.wCampo(tcStr, "", "nmBenefic", 2, 70, 1, b.nmBenefic);
    g.wCampo(tcDat, "", "dtNascto", 10, 10, 1, b.dtNascto);
    g.wCampo(tcDat, "", "dtInicio", 10, 10, 1, b.dtInicio);
    g.wCampo(tcStr, "", "sexo", 1, 1, 0, b.sexo);
    g.wCampo(tcStr, "", "racaCor", 1, 1, 1, b.racaCor > 0 ? std::to_string(b.racaCor) : "");
    if (b.estCiv >= 1 && b.estCiv <= 5) g.wCampo(tcInt, "", "estCiv", 1, 1, 0, b.estCiv);
    g.wCampo(tcStr, "", "incFisMen", 1, 1, 1, SimNaoToStr(b.incFisMen));
    g.wCampo(tcDat, "", "dtIncFisMen", 10, 10, 0, b.dtIncFisMen);
    GerarEndereco(b.endereco, !b.endereco.Exterior.PaisResid.empty());
    GerarDependente(b.dependente, true, TSexoDep::Opcional);
    g.wGrupo("/beneficiario");
  });
}

}  // namespace esocial::s2400
