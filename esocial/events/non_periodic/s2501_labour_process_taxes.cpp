#include "esocial/events/non_periodic/s2501_labour_process_taxes.h"

#include "esocial/events/event_frame.h"

namespace esocial::s2501 {

using dfe::TAtributos;
using dfe::tcInt;
using dfe::tcStr;

namespace {

// An element opened with its attributes when children follow (the caller closes it), else
// written whole, so that an element of empty content stays empty.
void AbrirElemento(dfe::TGerador& g, const char* Tag, const TAtributos& Atributos, bool ComFilhos) {
  if (ComFilhos)
    g.wGrupoAtributos(Tag, Atributos);
  else
    g.wElementoAtributos(Tag, Atributos);
}

bool TemIsencao0561(const TrendIsen0561& r) {
  return r.vlrDiarias > 0 || r.vlrAjudaCusto > 0 || r.vlrIndResContrato > 0 || r.vlrAbonoPec > 0 || r.vlrAuxMoradia > 0;
}

// An income item is worth writing when it holds a value the layout writes.
bool InfoIRInformado(const TinfoIRCollectionItem& ir, bool s13) {
  const bool comum = ir.vrRendTrib > 0 || ir.vrRendTrib13 > 0 || ir.vrRendMoleGrave > 0 || ir.vrRendIsen65 > 0 ||
                     ir.vrJurosMora > 0 || ir.vrRendIsenNTrib > 0 || !ir.descIsenNTrib.empty() || ir.vrPrevOficial > 0;
  return comum || (s13 && (ir.vrRendMoleGrave13 > 0 || ir.vrRendIsen65Dec > 0 || ir.vrJurosMora13 > 0 ||
                           ir.vrPrevOficial13 > 0 || TemIsencao0561(ir.rendIsen0561)));
}

bool TemDependentes(TinfoIRComplem& c) { return c.infoDepInst() && c.infoDep().Count() > 0; }

}  // namespace

bool TEvtContProc::GerarXML() {
  return GerarDocumentoeSocial(*this, "evtContProc", ideEmpregador.NrInsc, [&] {
    GerarIdeEvento2(ideEvento, true, true, false);
    GerarIdeEmpregador(ideEmpregador);
    GerarIdeProc();
    for (int i = 0; i < ideTrab.Count(); ++i) GerarIdeTrab(ideTrab.GetItem(i));
  });
}

void TEvtContProc::GerarIdeProc() {
  dfe::TGerador& g = Gerador();
  g.wGrupo("ideProc");
  g.wCampo(tcStr, "", "nrProcTrab", 15, 20, 1, ideProc.nrProcTrab);  // 15 or 20 digits
  g.wCampo(tcStr, "", "perApurPgto", 7, 7, 1, ideProc.perApurPgto);
  if (ideProc.ideSeqProc > 0 && VersaoDF() >= veS01_03_00)
    g.wCampo(tcInt, "", "ideSeqProc", 1, 3, 0, ideProc.ideSeqProc);
  g.wCampo(tcStr, "", "obs", 1, 999, 0, ideProc.obs);
  g.wGrupo("/ideProc");
}

void TEvtContProc::GerarIdeTrab(TIdeTrabCollectionItem& trab) {
  dfe::TGerador& g = Gerador();
  const bool complemento = trab.instInfoIRComplem() && VersaoDF() >= veS01_02_00 &&
                           (TemDependentes(trab.infoIRComplem()) || trab.infoIRComplem().dtLaudo != 0);
  const bool comFilhos = trab.instCalcTrib() || trab.instInfoCRIRRF() || complemento;
  AbrirElemento(g, "ideTrab", TAtributos(g.Opcoes).Texto("cpfTrab", trab.cpfTrab), comFilhos);
  if (!comFilhos) return;
  if (trab.instCalcTrib()) GerarCalcTrib(trab.calcTrib());
  if (trab.instInfoCRIRRF()) {
    TInfoCRIRRFCollection& retencoes = trab.infoCRIRRF();
    for (int i = 0; i < retencoes.Count(); ++i) GerarInfoCRIRRF(retencoes.GetItem(i));
  }
  if (complemento) GerarInfoIRComplem(trab.infoIRComplem());
  g.wGrupo("/ideTrab");
}

void TEvtContProc::GerarCalcTrib(TCalcTribCollection& calcTrib) {
  dfe::TGerador& g = Gerador();
  const bool s11 = VersaoDF() <= veS01_01_00;
  for (int i = 0; i < calcTrib.Count(); ++i) {
    TCalcTribCollectionItem& calc = calcTrib.GetItem(i);
    TAtributos a(g.Opcoes);
    a.Texto("perRef", calc.perRef).Valor("vrBcCpMensal", calc.vrBcCpMensal).Valor("vrBcCp13", calc.vrBcCp13);
    if (s11) a.Valor("vrRendIRRF", calc.vrRendIRRF).Valor("vrRendIRRF13", calc.vrRendIRRF13);
    AbrirElemento(g, "calcTrib", a, calc.instInfoCRContrib());
    if (!calc.instInfoCRContrib()) continue;
    const TInfoCRContribCollection& contribuicoes = calc.infoCRContrib();
    for (int j = 0; j < contribuicoes.Count(); ++j) {
      const TInfoCRContribCollectionItem& cr = contribuicoes.GetItem(j);
      g.wElementoAtributos("infoCRContrib", TAtributos(g.Opcoes).Texto("tpCR", cr.tpCR).Valor("vrCR", cr.vrCR));
    }
    AlertarLimiteLista("infoCRContrib",
                       "Informações das contribuições sociais devidas à Previdência Social e Outras Entidades e Fundos",
                       contribuicoes.Count(), 99);
    g.wGrupo("/calcTrib");
  }
  // S-1.01 allows 360 months.
  AlertarLimiteLista("calcTrib", "Identificação do período e da base de cálculo dos tributos", calcTrib.Count(),
                     s11 ? 360 : 999);
}

void TEvtContProc::GerarInfoCRIRRF(TInfoCRIRRFCollectionItem& irrf) {
  dfe::TGerador& g = Gerador();
  TAtributos a(g.Opcoes);
  a.Texto("tpCR", irrf.tpCR).Valor("vrCR", irrf.vrCR);
  if (VersaoDF() >= veS01_03_00 && irrf.vrCR13 > 0) a.Valor("vrCR13", irrf.vrCR13);
  const bool comFilhos = VersaoDF() >= veS01_02_00 && (irrf.infoIRInst() || irrf.infoRRAInst() || irrf.dedDepenInst() ||
                                                       irrf.penAlimInst() || irrf.infoProcRetInst());
  AbrirElemento(g, "infoCRIRRF", a, comFilhos);
  if (!comFilhos) return;
  if (irrf.infoIRInst()) GerarInfoIR(irrf.infoIR());
  if (irrf.infoRRAInst()) GerarRRA(irrf.infoRRA());
  if (irrf.dedDepenInst()) {
    const TdedDepenCollection& deducoes = irrf.dedDepen();
    for (int i = 0; i < deducoes.Count(); ++i) {
      const TdedDepenCollectionItem& d = deducoes.GetItem(i);
      g.wElementoAtributos(
          "dedDepen",
          TAtributos(g.Opcoes).Inteiro("tpRend", d.tpRend).Texto("cpfDep", d.cpfDep).Valor("vlrDeducao", d.vlrDeducao));
    }
    AlertarLimiteLista("dedDepen", "Dedução do rendimento tributável relativa a dependentes", deducoes.Count(), 999);
  }
  if (irrf.penAlimInst()) {
    const TpenAlimCollection& pensoes = irrf.penAlim();
    for (int i = 0; i < pensoes.Count(); ++i) {
      const TpenAlimCollectionItem& p = pensoes.GetItem(i);
      g.wElementoAtributos(
          "penAlim",
          TAtributos(g.Opcoes).Inteiro("tpRend", p.tpRend).Texto("cpfDep", p.cpfDep).Valor("vlrPensao", p.vlrPensao));
    }
    AlertarLimiteLista("penAlim", "Informação dos beneficiários da pensão alimentícia", pensoes.Count(), 99);
  }
  if (irrf.infoProcRetInst()) GerarInfoProcRet(irrf.infoProcRet());
  g.wGrupo("/infoCRIRRF");
}

void TEvtContProc::GerarInfoIR(const TinfoIRCollection& infoIR) {
  dfe::TGerador& g = Gerador();
  const bool s13 = VersaoDF() >= veS01_03_00;
  for (int i = 0; i < infoIR.Count(); ++i) {
    const TinfoIRCollectionItem& ir = infoIR.GetItem(i);
    if (!InfoIRInformado(ir, s13)) continue;
    TAtributos a(g.Opcoes);
    if (ir.vrRendTrib > 0) a.Valor("vrRendTrib", ir.vrRendTrib);
    if (ir.vrRendTrib13 > 0) a.Valor("vrRendTrib13", ir.vrRendTrib13);
    if (ir.vrRendMoleGrave > 0) a.Valor("vrRendMoleGrave", ir.vrRendMoleGrave);
    if (s13 && ir.vrRendMoleGrave13 > 0) a.Valor("vrRendMoleGrave13", ir.vrRendMoleGrave13);
    if (ir.vrRendIsen65 > 0) a.Valor("vrRendIsen65", ir.vrRendIsen65);
    if (s13 && ir.vrRendIsen65Dec > 0) a.Valor("vrRendIsen65Dec", ir.vrRendIsen65Dec);
    if (ir.vrJurosMora > 0) a.Valor("vrJurosMora", ir.vrJurosMora);
    if (s13 && ir.vrJurosMora13 > 0) a.Valor("vrJurosMora13", ir.vrJurosMora13);
    if (ir.vrRendIsenNTrib > 0) a.Valor("vrRendIsenNTrib", ir.vrRendIsenNTrib);
    if (!ir.descIsenNTrib.empty()) a.Texto("descIsenNTrib", ir.descIsenNTrib);
    if (ir.vrPrevOficial > 0) a.Valor("vrPrevOficial", ir.vrPrevOficial);
    if (s13 && ir.vrPrevOficial13 > 0) a.Valor("vrPrevOficial13", ir.vrPrevOficial13);
    const TrendIsen0561& r = ir.rendIsen0561;
    const bool isencao = s13 && TemIsencao0561(r);
    AbrirElemento(g, "infoIR", a, isencao);
    if (!isencao) continue;
    TAtributos b(g.Opcoes);
    if (r.vlrDiarias > 0) b.Valor("vlrDiarias", r.vlrDiarias);
    if (r.vlrAjudaCusto > 0) b.Valor("vlrAjudaCusto", r.vlrAjudaCusto);
    if (r.vlrIndResContrato > 0) b.Valor("vlrIndResContrato", r.vlrIndResContrato);
    if (r.vlrAbonoPec > 0) b.Valor("vlrAbonoPec", r.vlrAbonoPec);
    if (r.vlrAuxMoradia > 0) b.Valor("vlrAuxMoradia", r.vlrAuxMoradia);
    g.wElementoAtributos("rendIsen0561", b);
    g.wGrupo("/infoIR");
  }
  // One income group per withholding.
  AlertarLimiteLista("infoIR", "Informações complementares relativas ao imposto de renda", infoIR.Count(), 1);
}

void TEvtContProc::GerarRRA(TInfoRRA& infoRRA) {
  dfe::TGerador& g = Gerador();
  TAtributos a(g.Opcoes);
  if (!infoRRA.descRRA.empty()) a.Texto("descRRA", infoRRA.descRRA);
  if (infoRRA.qtdMesesRRA > 0) a.Valor("qtdMesesRRA", infoRRA.qtdMesesRRA, 1);
  const bool comFilhos = infoRRA.instDespProcJud() || infoRRA.instIdeAdv();
  AbrirElemento(g, "infoRRA", a, comFilhos);
  if (!comFilhos) return;
  if (infoRRA.instDespProcJud()) {
    const TDespProcJud& desp = infoRRA.despProcJud();
    g.wElementoAtributos("despProcJud", TAtributos(g.Opcoes)
                                            .Valor("vlrDespCustas", desp.vlrDespCustas)
                                            .Valor("vlrDespAdvogados", desp.vlrDespAdvogados));
  }
  if (infoRRA.instIdeAdv()) {
    const TIdeAdvCollection& advogados = infoRRA.ideAdv();
    for (int i = 0; i < advogados.Count(); ++i) {
      const TIdeAdvCollectionItem& adv = advogados.GetItem(i);
      TAtributos b(g.Opcoes);
      b.Texto("tpInsc", TpInscToStr(adv.tpInsc)).Texto("nrInsc", adv.nrInsc);
      if (adv.vlrAdv > 0) b.Valor("vlrAdv", adv.vlrAdv);
      g.wElementoAtributos("ideAdv", b);
    }
    AlertarLimiteLista("ideAdv", "Identificação dos advogados", advogados.Count(), 99);
  }
  g.wGrupo("/infoRRA");
}

void TEvtContProc::GerarInfoProcRet(TinfoProcRetCollection& processos) {
  dfe::TGerador& g = Gerador();
  for (int i = 0; i < processos.Count(); ++i) {
    TinfoProcRetCollectionItem& proc = processos.GetItem(i);
    TAtributos a(g.Opcoes);
    a.Texto("tpProcRet", TpProcRetToStr(proc.tpProcRet)).Texto("nrProcRet", proc.nrProcRet);
    if (!proc.codSusp.empty()) a.Texto("codSusp", proc.codSusp);
    AbrirElemento(g, "infoProcRet", a, proc.infoValoresInst());
    if (!proc.infoValoresInst()) continue;
    TinfoValoresCollection& valores = proc.infoValores();
    for (int j = 0; j < valores.Count(); ++j) {
      TinfoValoresCollectionItem& v = valores.GetItem(j);
      const bool deducoes = v.dedSuspInst() && v.dedSusp().Count() > 0;
      // Nothing withheld, deposited, compensated or suspended: nothing to write.
      if (!(v.vlrNRetido > 0 || v.vlrDepJud > 0 || v.vlrCmpAnoCal > 0 || v.vlrCmpAnoAnt > 0 || v.vlrRendSusp > 0) &&
          !deducoes)
        continue;
      TAtributos b(g.Opcoes);
      b.Texto("indApuracao", IndApuracaoToStr(v.indApuracao));
      if (v.vlrNRetido > 0) b.Valor("vlrNRetido", v.vlrNRetido);
      if (v.vlrDepJud > 0) b.Valor("vlrDepJud", v.vlrDepJud);
      if (v.vlrCmpAnoCal > 0) b.Valor("vlrCmpAnoCal", v.vlrCmpAnoCal);
      if (v.vlrCmpAnoAnt > 0) b.Valor("vlrCmpAnoAnt", v.vlrCmpAnoAnt);
      if (v.vlrRendSusp > 0) b.Valor("vlrRendSusp", v.vlrRendSusp);
      AbrirElemento(g, "infoValores", b, deducoes);
      if (!deducoes) continue;
      TdedSuspCollection& suspensas = v.dedSusp();
      for (int k = 0; k < suspensas.Count(); ++k) {
        TdedSuspCollectionItem& d = suspensas.GetItem(k);
        TAtributos c(g.Opcoes);
        c.Texto("indTpDeducao", IndTpDeducaoTToStr(d.indTpDeducao));
        if (d.vlrDedSusp > 0) c.Valor("vlrDedSusp", d.vlrDedSusp);
        AbrirElemento(g, "dedSusp", c, d.benefPenInst());
        if (!d.benefPenInst()) continue;
        const TbenefPenCollection& beneficiarios = d.benefPen();
        for (int n = 0; n < beneficiarios.Count(); ++n) {
          const TbenefPenCollectionItem& bp = beneficiarios.GetItem(n);
          g.wElementoAtributos("benefPen",
                               TAtributos(g.Opcoes).Texto("cpfDep", bp.cpfDep).Valor("vlrDepenSusp", bp.vlrDepenSusp));
        }
        AlertarLimiteLista("benefPen",
                           "Informação das deduções suspensas por dependentes e beneficiários da pensão alimentícia",
                           beneficiarios.Count(), 99);
        g.wGrupo("/dedSusp");
      }
      AlertarLimiteLista("dedSusp", "Detalhamento das deduções com exigibilidade suspensa", suspensas.Count(), 25);
      g.wGrupo("/infoValores");
    }
    AlertarLimiteLista("infoValores",
                       "Informações de valores relacionados a não retenção de tributos ou a depósitos judiciais",
                       valores.Count(), 2);
    g.wGrupo("/infoProcRet");
  }
  AlertarLimiteLista("infoProcRet",
                     "Informações de processos relacionados a não retenção de tributos ou a depósitos judiciais",
                     processos.Count(), 50);
}

void TEvtContProc::GerarInfoIRComplem(TinfoIRComplem& complem) {
  dfe::TGerador& g = Gerador();
  TAtributos a(g.Opcoes);
  if (complem.dtLaudo > 0) a.Data("dtLaudo", complem.dtLaudo);
  AbrirElemento(g, "infoIRComplem", a, TemDependentes(complem));
  if (!TemDependentes(complem)) return;
  const TinfoDepCollection& dependentes = complem.infoDep();
  for (int i = 0; i < dependentes.Count(); ++i) {
    const TinfoDepCollectionItem& dep = dependentes.GetItem(i);
    TAtributos b(g.Opcoes);
    b.Texto("cpfDep", dep.cpfDep);
    if (dep.dtNascto > 0) b.Data("dtNascto", dep.dtNascto);
    if (!dep.nome.empty()) b.Texto("nome", dep.nome);
    if (dep.depIRRF == snfSim) b.Texto("depIRRF", SimNaoFacultativoToStr(dep.depIRRF));
    if (dep.tpDep != tdNenhum) b.Texto("tpDep", TpDepToStr(dep.tpDep));
    if (!dep.descrDep.empty()) b.Texto("descrDep", dep.descrDep);
    g.wElementoAtributos("infoDep", b);
  }
  AlertarLimiteLista("infoDep", "Informações de dependentes não cadastrados pelos eventos", dependentes.Count(), 999);
  g.wGrupo("/infoIRComplem");
}

}  // namespace esocial::s2501
