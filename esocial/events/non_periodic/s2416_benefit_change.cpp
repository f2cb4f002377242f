// S-2416 writer.
#include "esocial/events/non_periodic/s2416_benefit_change.h"

#include <string>

#include "esocial/events/event_frame.h"
#include "platform/text_utils.h"

namespace esocial::s2416 {

using dfe::tcDat;
using dfe::tcStr;

bool TEvtCdBenAlt::GerarXML() {
  return GerarDocumentoeSocial(*this, "evtCdBenAlt", IdeEmpregador.NrInsc, [&] {
    GerarIdeEvento2(IdeEvento, true, true, false);
    GerarIdeEmpregador(IdeEmpregador);
    dfe::TGerador& g = Gerador();
    g.wGrupo("ideBeneficio");
    g.wCampo(tcStr, "", "cpfBenef", 11, 11, 1, IdeBeneficio.cpfBenef);
    g.wCampo(tcStr, "", "nrBeneficio", 1, 20, 1, IdeBeneficio.nrBeneficio);
    g.wGrupo("/ideBeneficio");
    g.wGrupo("infoBenAlteracao");
    g.wCampo(tcDat, "", "dtAltBeneficio", 10, 10, 1, InfoBenAlteracao.dtAltBeneficio);
    TDadosBeneficio& d = InfoBenAlteracao.dadosBeneficio;
    g.wGrupo("dadosBeneficio");
    g.wCampo(tcStr, "", "tpBeneficio", 4, 4, 1,
             d.tpBeneficio > 0 ? platform::PadLeft(std::to_string(d.tpBeneficio), 4) : "");
    g.wCampo(tcStr, "", "tpPlanRP", 1, 1, 1, PlanRPToStr(d.tpPlanRP));
    g.wCampo(tcStr, "", "dsc", 1, 255, 0, d.dsc);
    // Written as given, whether or not a suspension follows.
    g.wCampo(tcStr, "", "indSuspensao", 1, 1, 1, SimNaoToStr(d.indSuspensao));
    if (d.infoPenMorteInst() && d.infoPenMorte().tpPenMorte != pmNada) {
      g.wGrupo("infoPenMorte");
      g.wCampo(tcStr, "", "tpPenMorte", 1, 1, 1, TpPenMorteToStr(d.infoPenMorte().tpPenMorte));
      g.wGrupo("/infoPenMorte");
    }
    // A description without a reason is written too, the reason empty, so that it is not lost
    // unannounced; "00" is no reason.
    if (d.SuspensaoInst() && (d.suspensao().mtvSuspensao != mtvNada || !d.suspensao().dscSuspensao.empty())) {
      const TSuspensao& s = d.suspensao();
      g.wGrupo("suspensao");
      g.wCampo(tcStr, "", "mtvSuspensao", 2, 2, 1, s.mtvSuspensao == mtvNada ? "" : MtvSuspensaoToStr(s.mtvSuspensao));
      g.wCampo(tcStr, "", "dscSuspensao", 1, 255, 0, s.dscSuspensao);
      g.wGrupo("/suspensao");
    }
    g.wGrupo("/dadosBeneficio");
    g.wGrupo("/infoBenAlteracao");
  });
}

}  // namespace esocial::s2416
