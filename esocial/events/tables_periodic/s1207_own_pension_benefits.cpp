// S-1207 writer.
#include "esocial/events/tables_periodic/s1207_own_pension_benefits.h"

#include "esocial/events/event_frame.h"

namespace esocial::s1207 {

using dfe::tcInt;
using dfe::tcStr;

bool TEvtBenPrRP::GerarXML() {
  return GerarDocumentoeSocial(*this, "evtBenPrRP", ideEmpregador.NrInsc, [&] {
    GerarIdeEvento3(ideEvento, true, true, false);
    GerarIdeEmpregador(ideEmpregador);
    Gerador().wGrupo("ideBenef");
    Gerador().wCampo(tcStr, "", "cpfBenef", 11, 11, 1, ideBenef.cpfBenef);
    Gerador().wGrupo("/ideBenef");
    GerarDmDev();
  });
}

void TEvtBenPrRP::GerarDmDev() {
  dfe::TGerador& g = Gerador();
  for (int i = 0; i < dmDev.Count(); ++i) {
    TDMDevCollectionItem& d = dmDev.GetItem(i);
    g.wGrupo("dmDev");
    g.wCampo(tcStr, "", "ideDmDev", 1, 30, 1, d.ideDmDev);
    g.wCampo(tcStr, "", "nrBeneficio", 1, 20, 1, d.nrBeneficio);
    GerarIndRRA(d.indRRA, d.infoRRAInst() ? &d.infoRRA() : nullptr);
    // Each period group holds at least one item.
    if (d.infoPerApurInst() && d.infoPerApur().ideEstab.Count() > 0) {
      g.wGrupo("infoPerApur");
      GerarIdeEstab(d.infoPerApur().ideEstab, true);
      g.wGrupo("/infoPerApur");
    }
    if (d.infoPerAntInst() && d.infoPerAnt().idePeriodo.Count() > 0) {
      const TIdePeriodoCollection& periodos = d.infoPerAnt().idePeriodo;
      g.wGrupo("infoPerAnt");
      for (int j = 0; j < periodos.Count(); ++j) {
        const TIdePeriodoCollectionItem& p = periodos.GetItem(j);
        g.wGrupo("idePeriodo");
        g.wCampo(tcStr, "", "perRef", 7, 7, 1, p.perRef);
        GerarIdeEstab(p.ideEstab, false);
        g.wGrupo("/idePeriodo");
      }
      AlertarLimiteLista("idePeriodo", "Lista de Periodos", periodos.Count(), 180);
      g.wGrupo("/infoPerAnt");
    }
    g.wGrupo("/dmDev");
  }
  AlertarLimiteLista("dmDev", "Lista de Demostrativos", dmDev.Count(), 999);
}

void TEvtBenPrRP::GerarIdeEstab(const TIdeEstabCollection& Lista, bool GeraDescFolha) {
  dfe::TGerador& g = Gerador();
  for (int i = 0; i < Lista.Count(); ++i) {
    const TIdeEstabCollectionItem& e = Lista.GetItem(i);
    g.wGrupo("ideEstab");
    g.wCampo(tcInt, "", "tpInsc", 1, 1, 1, TpInscToStr(e.tpInsc));
    g.wCampo(tcStr, "", "nrInsc", 1, 15, 1, e.nrInsc);
    GerarItensRemun(e.itensRemun, "itensRemun", {.GeraDescFolha = GeraDescFolha, .IndApurIRObrigatorio = true});
    g.wGrupo("/ideEstab");
  }
  AlertarLimiteLista("ideEstab", "Lista de itensRemun", Lista.Count(), 500);
}

}  // namespace esocial::s1207
