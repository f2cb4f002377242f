// S-1202 writer.
#include "esocial/events/tables_periodic/s1202_own_pension_remuneration.h"

#include "esocial/events/event_frame.h"

namespace esocial::s1202 {

using dfe::tcDat;
using dfe::tcInt;
using dfe::tcStr;

bool TEvtRmnRPPS::GerarXML() {
  return GerarDocumentoeSocial(*this, "evtRmnRPPS", ideEmpregador.NrInsc, [&] {
    GerarIdeEvento3(ideEvento, true, true, false);
    GerarIdeEmpregador(ideEmpregador);
    GerarIdeTrabalhador();
    GerarDmDev();
  });
}

void TEvtRmnRPPS::GerarIdeTrabalhador() {
  dfe::TGerador& g = Gerador();
  g.wGrupo("ideTrabalhador");
  g.wCampo(tcStr, "", "cpfTrab", 11, 11, 1, ideTrabalhador.cpfTrab);
  // A succession without the servant's name is written all the same, the name alerted.
  if (ideTrabalhador.InfoComplemInst() &&
      (!ideTrabalhador.InfoComplem().nmTrab.empty() || ideTrabalhador.InfoComplem().SucessaoVincInst())) {
    TInfoComplem& i = ideTrabalhador.InfoComplem();
    g.wGrupo("infoComplem");
    g.wCampo(tcStr, "", "nmTrab", 2, 70, 1, i.nmTrab);
    g.wCampo(tcDat, "", "dtNascto", 10, 10, 1, i.dtNascto);
    if (i.SucessaoVincInst()) {
      const TSucessaoVinc3& s = i.sucessaoVinc();
      g.wGrupo("sucessaoVinc");
      g.wCampo(tcStr, "", "cnpjOrgaoAnt", 14, 14, 1, s.cnpjOrgaoAnt);
      g.wCampo(tcStr, "", "matricAnt", 1, 30, 0, s.matricAnt);
      g.wCampo(tcDat, "", "dtExercicio", 10, 10, 1, s.dtExercicio);
      g.wCampo(tcStr, "", "observacao", 1, 255, 0, s.observacao);
      g.wGrupo("/sucessaoVinc");
    }
    g.wGrupo("/infoComplem");
  }
  g.wGrupo("/ideTrabalhador");
}

void TEvtRmnRPPS::GerarDmDev() {
  dfe::TGerador& g = Gerador();
  for (int i = 0; i < dmDev.Count(); ++i) {
    TDMDevCollectionItem& d = dmDev.GetItem(i);
    g.wGrupo("dmDev");
    g.wCampo(tcStr, "", "ideDmDev", 1, 30, 1, d.ideDmDev);
    g.wCampo(tcInt, "", "codCateg", 1, 3, 1, d.codCateg);
    GerarIndRRA(d.indRRA, d.infoRRAInst() ? &d.infoRRA() : nullptr);
    // Each period group holds at least one item.
    if (d.infoPerApurInst() && d.infoPerApur().ideEstab.Count() > 0) {
      g.wGrupo("infoPerApur");
      GerarIdeEstab(d.infoPerApur().ideEstab, "remunPerApur");
      g.wGrupo("/infoPerApur");
    }
    if (d.infoPerAntInst() && d.infoPerAnt().idePeriodo.Count() > 0) {
      const TInfoPerAnt& ant = d.infoPerAnt();
      g.wGrupo("infoPerAnt");
      g.wCampo(tcStr, "", "remunOrgSuc", 1, 1, 1, SimNaoFacultativoToStr(ant.remunOrgSuc));
      for (int j = 0; j < ant.idePeriodo.Count(); ++j) {
        const TIdePeriodoCollectionItem& p = ant.idePeriodo.GetItem(j);
        g.wGrupo("idePeriodo");
        g.wCampo(tcStr, "", "perRef", 7, 7, 1, p.perRef);
        GerarIdeEstab(p.ideEstab, "remunPerAnt");
        g.wGrupo("/idePeriodo");
      }
      AlertarLimiteLista("idePeriodo", "Lista de Periodos", ant.idePeriodo.Count(), 180);
      g.wGrupo("/infoPerAnt");
    }
    g.wGrupo("/dmDev");
  }
  AlertarLimiteLista("dmDev", "Lista de Identificação de Demostrativos", dmDev.Count(), 999);
}

void TEvtRmnRPPS::GerarIdeEstab(const TIdeEstabCollection& Lista, const std::string& Grupo) {
  dfe::TGerador& g = Gerador();
  const bool periodo = Grupo == "remunPerApur";
  for (int i = 0; i < Lista.Count(); ++i) {
    const TIdeEstabCollectionItem& e = Lista.GetItem(i);
    const TRemunPerApur1202Collection& remuneracoes = periodo ? e.remunPerApur : e.remunPerAnt;
    g.wGrupo("ideEstab");
    g.wCampo(tcInt, "", "tpInsc", 1, 1, 1, TpInscToStr(e.tpInsc));
    g.wCampo(tcStr, "", "nrInsc", 1, 15, 1, e.nrInsc);
    for (int k = 0; k < remuneracoes.Count(); ++k) {
      const TRemunPerCollectionItem& r = remuneracoes.GetItem(k);
      g.wGrupo(Grupo);
      g.wCampo(tcStr, "", "matricula", 1, 30, 0, r.matricula);
      // The earlier periods' rubrics carry no discount.
      GerarItensRemun(r.itensRemun, "itensRemun", {.GeraDescFolha = periodo, .IndApurIRObrigatorio = true});
      g.wGrupo("/" + Grupo);
    }
    AlertarLimiteLista(Grupo, "Lista de " + Grupo, remuneracoes.Count(), 8);
    g.wGrupo("/ideEstab");
  }
  AlertarLimiteLista("ideEstab", "Lista de " + Grupo, Lista.Count(), 500);
}

}  // namespace esocial::s1202
