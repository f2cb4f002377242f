// S-2405 writer.
#include "esocial/events/non_periodic/s2405_beneficiary_change.h"

#include <string>

#include "esocial/events/event_frame.h"

namespace esocial::s2405 {

using dfe::tcDat;
using dfe::tcInt;
using dfe::tcStr;

bool TEvtCdBenefAlt::GerarXML() {
  return GerarDocumentoeSocial(*this, "evtCdBenefAlt", IdeEmpregador.NrInsc, [&] {
    GerarIdeEvento2(IdeEvento, true, true, false);
    GerarIdeEmpregador(IdeEmpregador);
    dfe::TGerador& g = Gerador();
    g.wGrupo("ideBenef");
    g.wCampo(tcStr, "", "cpfBenef", 11, 11, 1, IdeBenef.CpfBenef);
    g.wGrupo("/ideBenef");
    g.wGrupo("alteracao");
    g.wCampo(tcDat, "", "dtAlteracao", 10, 10, 1, Alteracao.DtAlteracao);
    const TDadosBenef& d = Alteracao.DadosBenef;
    g.wGrupo("dadosBenef");
    g.wCampo(tcStr, "", "nmBenefic", 2, 70, 1, d.nmBenefic);
    g.wCampo(tcStr, "", "sexo", 1, 1, 1, d.sexo);
    g.wCampo(tcStr, "", "racaCor", 1, 1, 1, d.racaCor > 0 ? std::to_string(d.racaCor) : "");
    if (d.estCiv >= 1 && d.estCiv <= 5) g.wCampo(tcInt, "", "estCiv", 1, 1, 0, d.estCiv);
    g.wCampo(tcStr, "", "incFisMen", 1, 1, 1, SimNaoToStr(d.incFisMen));
    GerarEndereco(d.endereco, !d.endereco.Exterior.PaisResid.empty());
    GerarDependente(d.dependente, true, TSexoDep::Obrigatorio);
    g.wGrupo("/dadosBenef");
    g.wGrupo("/alteracao");
  });
}

}  // namespace esocial::s2405
