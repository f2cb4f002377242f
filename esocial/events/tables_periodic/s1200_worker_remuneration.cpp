// S-1200 writer.
#include "esocial/events/tables_periodic/s1200_worker_remuneration.h"

#include "esocial/events/event_frame.h"

namespace esocial::s1200 {

using dfe::tcDat;
using dfe::tcInt;
using dfe::tcStr;

bool TEvtRemun::GerarXML() {
  return GerarDocumentoeSocial(*this, "evtRemun", ideEmpregador.NrInsc, [&] {
    GerarIdeEvento3(ideEvento, true, true, true);
    GerarIdeEmpregador(ideEmpregador);
    GerarIdeTrabalhador();
    GerarDmDev();
  });
}

void TEvtRemun::GerarIdeTrabalhador() {
  dfe::TGerador& g = Gerador();
  TeS1200IdeTrabalhador& t = ideTrabalhador;
  g.wGrupo("ideTrabalhador");
  g.wCampo(tcStr, "", "cpfTrab", 11, 11, 1, t.cpfTrab);
  if (VersaoDF() <= ve02_05_00) g.wCampo(tcStr, "", "nisTrab", 1, 11, 0, t.nisTrab);
  // The group holds at least one other employer's pay.
  if (t.infoMVInst() && t.infoMV().remunOutrEmpr.Count() > 0) GerarInfoMV(t.infoMV());
  if (t.infoComplemInst()) GerarInfoComplem(t.infoComplem());
  if (t.procJudTrabInst()) GerarProcJudTrab(t.procJudTrab(), true);
  if (VersaoDF() >= ve02_04_02 && t.infoIntermInst()) GerarInfoInterm(t.infoInterm());
  g.wGrupo("/ideTrabalhador");
}

void TEvtRemun::GerarInfoComplem(TInfoComplem& InfoComplem) {
  dfe::TGerador& g = Gerador();
  const bool v0401 = VersaoDF() == ve02_04_01;
  g.wGrupo("infoComplem");
  g.wCampo(tcStr, "", "nmTrab", 1, 70, 1, InfoComplem.nmTrab);
  g.wCampo(tcDat, "", "dtNascto", 10, 10, 1, InfoComplem.dtNascto);
  if (v0401) g.wCampo(tcStr, "", "codCBO", 1, 6, 1, InfoComplem.codCBO);
  if (v0401 && InfoComplem.natAtividade != navNaoInformar)
    g.wCampo(tcStr, "", "natAtividade", 1, 1, 0, NatAtividadeToStr(InfoComplem.natAtividade));
  if (v0401) g.wCampo(tcInt, "", "qtdDiasTrab", 1, 2, 0, InfoComplem.qtdDiasTrab);
  if (InfoComplem.sucessaoVincInst()) {
    const TSucessaoVinc& s = InfoComplem.sucessaoVinc();
    g.wGrupo("sucessaoVinc");
    if (VersaoDF() == ve02_05_00) g.wCampo(tcInt, "", "tpInscAnt", 1, 1, 1, TpInscToStr(s.tpInscAnt()));
    if (VersaoDF() <= ve02_05_00) g.wCampo(tcStr, "", "cnpjEmpregAnt", 14, 14, 1, s.cnpjEmpregAnt());
    if (VersaoDF() >= veS01_00_00) g.wCampo(tcInt, "", "tpInsc", 1, 1, 1, TpInscToStr(s.tpInsc()));
    // A CPF (11 digits) or a CNPJ (14).
    if (VersaoDF() >= veS01_00_00) g.wCampo(tcStr, "", "nrInsc", 11, 14, 1, s.nrInsc());
    g.wCampo(tcStr, "", "matricAnt", 1, 30, 0, s.matricAnt);
    g.wCampo(tcDat, "", "dtAdm", 10, 10, 1, s.dtAdm);
    g.wCampo(tcStr, "", "observacao", 1, 255, 0, s.observacao);
    g.wGrupo("/sucessaoVinc");
  }
  g.wGrupo("/infoComplem");
}

void TEvtRemun::GerarDmDev() {
  dfe::TGerador& g = Gerador();
  for (int i = 0; i < dmDev.Count(); ++i) {
    TDMDevCollectionItemS1200& d = dmDev.GetItem(i);
    g.wGrupo("dmDev");
    g.wCampo(tcStr, "", "ideDmDev", 1, 30, 1, d.ideDmDev);
    g.wCampo(tcInt, "", "codCateg", 1, 3, 1, d.codCateg);
    GerarIndRRA(d.indRRA, d.infoRRAInst() ? &d.infoRRA() : nullptr);
    // Each period group holds at least one item.
    if (d.infoPerApurInst() && d.infoPerApur().ideEstabLot.Count() > 0) {
      g.wGrupo("infoPerApur");
      GerarIdeEstabLot(d.infoPerApur().ideEstabLot, true);
      g.wGrupo("/infoPerApur");
    }
    if (d.infoPerAntInst() && d.infoPerAnt().ideADC.Count() > 0) {
      g.wGrupo("infoPerAnt");
      GerarIdeADC(d.infoPerAnt().ideADC);
      g.wGrupo("/infoPerAnt");
    }
    if (VersaoDF() == ve02_04_01) GerarInfoTrabInterm(d.infoTrabInterm);
    if (VersaoDF() >= ve02_04_02 && d.infoComplContInst()) {
      const TInfoComplCont& c = d.infoComplCont();
      g.wGrupo("infoComplCont");
      g.wCampo(tcStr, "", "codCBO", 1, 6, 1, c.codCBO);
      if (c.natAtividade != navNaoInformar)
        g.wCampo(tcStr, "", "natAtividade", 1, 1, 0, NatAtividadeToStr(c.natAtividade));
      g.wCampo(tcInt, "", "qtdDiasTrab", 1, 2, 0, c.qtdDiasTrab);
      g.wGrupo("/infoComplCont");
    }
    g.wGrupo("/dmDev");
  }
  AlertarLimiteLista("dmDev", "Lista de Demostrativo de Valores", dmDev.Count(), 999);
}

void TEvtRemun::GerarIdeEstabLot(const TIdeEstabLotCollectionS1200& Lista, bool Periodo) {
  dfe::TGerador& g = Gerador();
  for (int i = 0; i < Lista.Count(); ++i) {
    const TIdeEstabLotCollectionItemS1200& e = Lista.GetItem(i);
    g.wGrupo("ideEstabLot");
    g.wCampo(tcInt, "", "tpInsc", 1, 1, 1, TpInscToStr(e.tpInsc));
    g.wCampo(tcStr, "", "nrInsc", 1, 15, 1, e.nrInsc);
    g.wCampo(tcStr, "", "codLotacao", 1, 30, 1, e.codLotacao);
    if (Periodo) g.wCampo(tcInt, "", "qtdDiasAv", 1, 2, 0, e.qtdDiasAv);
    if (Periodo)
      GerarRemunPer(e.remunPerApur, "remunPerApur");
    else
      GerarRemunPer(e.remunPerAnt, "remunPerAnt");
    g.wGrupo("/ideEstabLot");
  }
  if (Periodo)
    AlertarLimiteLista("ideEstabLot", "Lista de Estabelecimentos/Locação", Lista.Count(), 500);
  else
    AlertarLimiteLista("ideEstabLot", "Lista de Estabelecimento/Lotação", Lista.Count(), 500);
}

void TEvtRemun::GerarRemunPer(const TRemunPer1200Collection& Lista, const std::string& Grupo) {
  dfe::TGerador& g = Gerador();
  const bool periodo = Grupo == "remunPerApur";
  for (int i = 0; i < Lista.Count(); ++i) {
    TRemunPer1200CollectionItem& r = Lista.GetItem(i);
    g.wGrupo(Grupo);
    g.wCampo(tcStr, "", "matricula", 1, 30, 0, r.matricula);
    if (r.indSimples != idsNenhum) g.wCampo(tcStr, "", "indSimples", 1, 1, 0, IndSimplesToStr(r.indSimples));
    // The earlier periods' rubrics carry no discount.
    GerarItensRemun(r.itensRemun, "itensRemun", {.GeraDescFolha = periodo});
    if (periodo && VersaoDF() <= ve02_05_00 && r.infoSaudeColetInst()) GerarInfoSaudeColet(r.infoSaudeColet());
    if (r.infoAgNocivoInst()) GerarInfoAgNocivo(r.infoAgNocivo());
    if (VersaoDF() <= ve02_05_00) GerarInfoTrabInterm(r.infoTrabInterm);
    g.wGrupo("/" + Grupo);
  }
  AlertarLimiteLista(Grupo, "Lista de " + Grupo, Lista.Count(), 8);
}

void TEvtRemun::GerarIdeADC(const TIdeADCCollection& Lista) {
  dfe::TGerador& g = Gerador();
  for (int i = 0; i < Lista.Count(); ++i) {
    const TIdeADCCollectionItem& a = Lista.GetItem(i);
    g.wGrupo("ideADC");
    g.wCampo(tcDat, "", "dtAcConv", 10, 10, 0, a.dtAcConv);
    g.wCampo(tcStr, "", "tpAcConv", 1, 1, 1, TpAcConvToStr(a.tpAcConv));
    if (VersaoDF() <= ve02_05_00) g.wCampo(tcStr, "", "compAcConv", 7, 7, 0, a.compAcConv);
    if (VersaoDF() <= ve02_05_00) g.wCampo(tcDat, "", "dtEfAcConv", 10, 10, 0, a.dtEfAcConv);
    g.wCampo(tcStr, "", "dsc", 1, 255, 1, a.dsc);
    g.wCampo(tcStr, "", "remunSuc", 1, 1, 1, SimNaoFacultativoToStr(a.remunSuc));
    for (int j = 0; j < a.idePeriodo.Count(); ++j) {
      const TIdePeriodoCollectionItem& p = a.idePeriodo.GetItem(j);
      g.wGrupo("idePeriodo");
      g.wCampo(tcStr, "", "perRef", 7, 7, 1, p.perRef);
      GerarIdeEstabLot(p.ideEstabLot, false);
      g.wGrupo("/idePeriodo");
    }
    AlertarLimiteLista("idePeriodo", "Lista de Periodos", a.idePeriodo.Count(), 180);
    g.wGrupo("/ideADC");
  }
  AlertarLimiteLista("ideADC", "Lista de Identificação de Instrumentos", Lista.Count(), 8);
}

void TEvtRemun::GerarInfoTrabInterm(const TInfoTrabIntermCollection& Lista) {
  dfe::TGerador& g = Gerador();
  for (int i = 0; i < Lista.Count(); ++i) {
    g.wGrupo("infoTrabInterm");
    g.wCampo(tcStr, "", "codConv", 1, 30, 1, Lista.GetItem(i).codConv);
    g.wGrupo("/infoTrabInterm");
  }
  AlertarLimiteLista("infoTrabInterm", "Lista de Informações de Convocação", Lista.Count(), 99);
}

}  // namespace esocial::s1200
