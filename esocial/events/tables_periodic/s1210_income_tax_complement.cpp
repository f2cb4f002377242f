// S-1210 writer: the beneficiary's income-tax complement, from S-1.02 on.
#include "esocial/events/tables_periodic/s1210_income_tax_complement.h"

#include <string>

#include "esocial/events/tables_periodic/s1210_work_income_payments.h"

namespace esocial::s1210 {

using dfe::tcDat;
using dfe::tcDe2;
using dfe::tcInt;
using dfe::tcStr;

void TEvtPgtos::GerarInfoIRComplem(const TinfoIRComplemCollection& Lista) {
  dfe::TGerador& g = Gerador();
  for (int i = 0; i < Lista.Count(); ++i) {
    TinfoIRComplemCollectionItem& c = Lista.GetItem(i);
    g.wGrupo("infoIRComplem");
    if (c.dtLaudo > 0) g.wCampo(tcDat, "", "dtLaudo", 10, 10, 1, c.dtLaudo);
    if (VersaoDF() >= veS01_03_00 && c.perAntInst()) GerarPerAnt(c.perAnt());
    if (c.infoDepInst()) GerarInfoDep(c.infoDep());
    if (c.infoIRCRInst()) GerarInfoIRCR(c.infoIRCR());
    if (c.planSaudeInst()) GerarPlanSaude(c.planSaude());
    if (c.infoReembMedInst()) GerarInfoReembMed(c.infoReembMed());
    g.wGrupo("/infoIRComplem");
  }
  // One per beneficiary under S-1.02; S-1.03 adds one per earlier period adjusted.
  AlertarLimiteLista("infoIRComplem", "Lista de infoIRComplem", Lista.Count(), VersaoDF() >= veS01_03_00 ? 13 : 1);
}

void TEvtPgtos::GerarInfoDep(const TinfoDepCollection& Lista) {
  dfe::TGerador& g = Gerador();
  for (int i = 0; i < Lista.Count(); ++i) {
    const TinfoDepCollectionItem& d = Lista.GetItem(i);
    g.wGrupo("infoDep");
    g.wCampo(tcStr, "", "cpfDep", 11, 11, 1, d.cpfDep);
    if (d.dtNascto > 0) g.wCampo(tcDat, "", "dtNascto", 10, 10, 1, d.dtNascto);
    g.wCampo(tcStr, "", "nome", 2, 70, 0, d.nome);
    // The layout takes only "S".
    if (d.depIRRF == snfSim) g.wCampo(tcStr, "", "depIRRF", 1, 1, 1, SimNaoFacultativoToStr(d.depIRRF));
    if (d.tpDep != tdNenhum) g.wCampo(tcStr, "", "tpDep", 2, 2, 0, TpDepToStr(d.tpDep));
    g.wCampo(tcStr, "", "descrDep", 1, 100, 0, d.descrDep);
    g.wGrupo("/infoDep");
  }
  AlertarLimiteLista("infoDep", "Informações de dependentes não cadastrados pelos eventos", Lista.Count(), 999);
}

void TEvtPgtos::GerarInfoIRCR(const TinfoIRCRCollection& Lista) {
  dfe::TGerador& g = Gerador();
  for (int i = 0; i < Lista.Count(); ++i) {
    TinfoIRCRCollectionItem& r = Lista.GetItem(i);
    g.wGrupo("infoIRCR");
    g.wCampo(tcStr, "", "tpCR", 6, 6, 1, r.tpCR);
    if (r.dedDepenInst()) {
      const TdedDepenCollection& deps = r.dedDepen();
      for (int j = 0; j < deps.Count(); ++j) {
        const TdedDepenCollectionItem& d = deps.GetItem(j);
        g.wGrupo("dedDepen");
        g.wCampo(tcInt, "", "tpRend", 2, 2, 1, d.tpRend);
        g.wCampo(tcStr, "", "cpfDep", 11, 11, 1, d.cpfDep);
        g.wCampo(tcDe2, "", "vlrDedDep", 1, 14, 1, d.vlrDedDep);
        g.wGrupo("/dedDepen");
      }
      AlertarLimiteLista("dedDepen", "Dedução do rendimento tributável relativa a dependentes", deps.Count(), 999);
    }
    if (r.penAlimInst()) {
      const TpenAlimCollection& pensoes = r.penAlim();
      for (int j = 0; j < pensoes.Count(); ++j) {
        const TpenAlimCollectionItem& p = pensoes.GetItem(j);
        g.wGrupo("penAlim");
        g.wCampo(tcInt, "", "tpRend", 2, 2, 1, p.tpRend);
        g.wCampo(tcStr, "", "cpfDep", 11, 11, 1, p.cpfDep);
        g.wCampo(tcDe2, "", "vlrDedPenAlim", 1, 14, 1, p.vlrDedPenAlim);
        g.wGrupo("/penAlim");
      }
      AlertarLimiteLista("penAlim", "Informação dos beneficiários da pensão alimentícia", pensoes.Count(), 99);
    }
    if (r.previdComplInst()) GerarPrevidCompl(r.previdCompl());
    if (r.infoProcRetInst()) GerarInfoProcRet(r.infoProcRet());
    g.wGrupo("/infoIRCR");
  }
  AlertarLimiteLista("infoIRCR", "Informações de Imposto de Renda, por Código de Receita - CR", Lista.Count(), 99);
}

void TEvtPgtos::GerarPrevidCompl(const TprevidComplCollection& Lista) {
  dfe::TGerador& g = Gerador();
  // The 13th-salary values are S-1.03's; before it the month's deduction is always required.
  const bool s13 = VersaoDF() >= veS01_03_00;
  for (int i = 0; i < Lista.Count(); ++i) {
    const TprevidComplCollectionItem& p = Lista.GetItem(i);
    g.wGrupo("previdCompl");
    g.wCampo(tcStr, "", "tpPrev", 1, 1, 1, TpPrevToStr(p.tpPrev));
    g.wCampo(tcStr, "", "cnpjEntidPC", 14, 14, 1, p.cnpjEntidPC);
    g.wCampo(tcDe2, "", "vlrDedPC", 1, 14, !s13 || p.vlrDedPC13 == 0 ? 1 : 0, p.vlrDedPC);
    if (s13) g.wCampo(tcDe2, "", "vlrDedPC13", 1, 14, p.vlrDedPC == 0 ? 1 : 0, p.vlrDedPC13);
    g.wCampo(tcDe2, "", "vlrPatrocFunp", 1, 14, 0, p.vlrPatrocFunp);
    if (s13) g.wCampo(tcDe2, "", "vlrPatrocFunp13", 1, 14, 0, p.vlrPatrocFunp13);
    g.wGrupo("/previdCompl");
  }
  AlertarLimiteLista("previd", "Informações relativas a planos de previdência complementar", Lista.Count(), 99);
}

void TEvtPgtos::GerarInfoProcRet(const TinfoProcRetCollection& Lista) {
  dfe::TGerador& g = Gerador();
  for (int i = 0; i < Lista.Count(); ++i) {
    TinfoProcRetCollectionItem& p = Lista.GetItem(i);
    g.wGrupo("infoProcRet");
    g.wCampo(tcStr, "", "tpProcRet", 1, 1, 1, TpProcRetToStr(p.tpProcRet));
    wCampoTamanhos("nrProcRet", {17, 20, 21}, 1, p.nrProcRet);
    // Up to 14 digits: written as the text it is.
    g.wCampo(tcStr, "", "codSusp", 1, 14, 0, p.codSusp);
    if (p.infoValoresInst()) GerarInfoValores(p.infoValores());
    g.wGrupo("/infoProcRet");
  }
  AlertarLimiteLista("infoProcRet",
                     "Informações de processos relacionados a não retenção de tributos ou a depósitos judiciais",
                     Lista.Count(), 50);
}

void TEvtPgtos::GerarInfoValores(const TinfoValoresCollection& Lista) {
  dfe::TGerador& g = Gerador();
  for (int i = 0; i < Lista.Count(); ++i) {
    TinfoValoresCollectionItem& v = Lista.GetItem(i);
    g.wGrupo("infoValores");
    g.wCampo(tcStr, "", "indApuracao", 1, 1, 1, IndApuracaoToStr(v.indApuracao));
    g.wCampo(tcDe2, "", "vlrNRetido", 1, 14, 0, v.vlrNRetido);
    g.wCampo(tcDe2, "", "vlrDepJud", 1, 14, 0, v.vlrDepJud);
    g.wCampo(tcDe2, "", "vlrCmpAnoCal", 1, 14, 0, v.vlrCmpAnoCal);
    g.wCampo(tcDe2, "", "vlrCmpAnoAnt", 1, 14, 0, v.vlrCmpAnoAnt);
    g.wCampo(tcDe2, "", "vlrRendSusp", 1, 14, 0, v.vlrRendSusp);
    if (v.dedSuspInst()) GerarDedSusp(v.dedSusp());
    g.wGrupo("/infoValores");
  }
  AlertarLimiteLista("infoValores",
                     "Informações de valores relacionados a não retenção de tributos ou a depósitos judiciais",
                     Lista.Count(), 2);
}

void TEvtPgtos::GerarDedSusp(const TdedSuspCollection& Lista) {
  dfe::TGerador& g = Gerador();
  for (int i = 0; i < Lista.Count(); ++i) {
    TdedSuspCollectionItem& d = Lista.GetItem(i);
    g.wGrupo("dedSusp");
    g.wCampo(tcStr, "", "indTpDeducao", 1, 1, 1, IndTpDeducaoToStr(d.indTpDeducao));
    g.wCampo(tcDe2, "", "vlrDedSusp", 1, 14, 0, d.vlrDedSusp);
    g.wCampo(tcStr, "", "cnpjEntidPC", 14, 14, 0, d.cnpjEntidPC);
    g.wCampo(tcDe2, "", "vlrPatrocFunp", 1, 14, 0, d.vlrPatrocFunp);
    if (d.benefPenInst()) {
      const TbenefPenCollection& benef = d.benefPen();
      for (int j = 0; j < benef.Count(); ++j) {
        g.wGrupo("benefPen");
        g.wCampo(tcStr, "", "cpfDep", 11, 11, 1, benef.GetItem(j).cpfDep);
        g.wCampo(tcDe2, "", "vlrDepenSusp", 1, 14, 1, benef.GetItem(j).vlrDepenSusp);
        g.wGrupo("/benefPen");
      }
      AlertarLimiteLista("benefPen",
                         "Informação das deduções suspensas por dependentes e beneficiários da pensão alimentícia",
                         benef.Count(), 99);
    }
    g.wGrupo("/dedSusp");
  }
  AlertarLimiteLista("dedSusp", "Detalhamento das deduções com exigibilidade suspensa", Lista.Count(), 25);
}

void TEvtPgtos::GerarPlanSaude(const TplanSaudeCollection& Lista) {
  dfe::TGerador& g = Gerador();
  for (int i = 0; i < Lista.Count(); ++i) {
    TplanSaudeCollectionItem& p = Lista.GetItem(i);
    g.wGrupo("planSaude");
    g.wCampo(tcStr, "", "cnpjOper", 14, 14, 1, p.cnpjOper);
    g.wCampo(tcStr, "", "regANS", 6, 6, 0, p.regANS);
    g.wCampo(tcDe2, "", "vlrSaudeTit", 1, 14, 1, p.vlrSaudeTit);
    if (p.infoDepSauInst()) {
      const TinfoDepSauCollection& deps = p.infoDepSau();
      for (int j = 0; j < deps.Count(); ++j) {
        g.wGrupo("infoDepSau");
        g.wCampo(tcStr, "", "cpfDep", 11, 11, 1, deps.GetItem(j).cpfDep);
        g.wCampo(tcDe2, "", "vlrSaudeDep", 1, 14, 1, deps.GetItem(j).vlrSaudeDep);
        g.wGrupo("/infoDepSau");
      }
      AlertarLimiteLista("infoDepSau", "Informações de dependente de plano de saúde coletivo empresarial", deps.Count(),
                         99);
    }
    g.wGrupo("/planSaude");
  }
  AlertarLimiteLista("planSaude", "Plano de saúde coletivo", Lista.Count(), 99);
}

void TEvtPgtos::GerarInfoReembMed(const TInfoReembMedCollection& Lista) {
  dfe::TGerador& g = Gerador();
  const std::string descricao =
      "Informações relativas a reembolsos efetuados no período de apuração (perApur) pelo empregador ao trabalhador "
      "referente a despesas médicas ou odontológicas";
  for (int i = 0; i < Lista.Count(); ++i) {
    TInfoReembMedCollectionItem& r = Lista.GetItem(i);
    g.wGrupo("infoReembMed");
    g.wCampo(tcStr, "", "indOrgReemb", 1, 1, 1, r.indOrgReemb);
    // The operator only when the health plan's operator reimbursed.
    if (r.indOrgReemb == "1") g.wCampo(tcStr, "", "cnpjOper", 14, 14, 0, r.cnpjOper);
    if (r.indOrgReemb == "1") g.wCampo(tcStr, "", "regANS", 6, 6, 0, r.regANS);
    if (r.detReembTitInst())
      GerarDetReemb(r.detReembTit(), "detReembTit",
                    "Informação de reembolso do titular do plano de saúde coletivo empresarial.");
    if (r.infoReembDepInst()) {
      const TinfoReembDepCollection& deps = r.infoReembDep();
      for (int j = 0; j < deps.Count(); ++j) {
        TinfoReembDepCollectionItem& d = deps.GetItem(j);
        g.wGrupo("infoReembDep");
        g.wCampo(tcStr, "", "cpfBenef", 11, 11, 1, d.cpfBenef);
        if (d.detReembDepInst())
          GerarDetReemb(d.detReembDep(), "detReembDep",
                        "Detalhamento dos reembolsos efetuados em perApur pelo empregador ao trabalhador referente a "
                        "despesas médicas ou odontológicas");
        g.wGrupo("/infoReembDep");
      }
      AlertarLimiteLista("inforeembMed", descricao, deps.Count(), 99);
    }
    g.wGrupo("/infoReembMed");
  }
  AlertarLimiteLista("infoReembMed", descricao, Lista.Count(), 99);
}

void TEvtPgtos::GerarDetReemb(const platform::TTrivoObjectList<TdetReembCollectionItem>& Lista,
                              const std::string& Grupo, const std::string& Descricao) {
  dfe::TGerador& g = Gerador();
  for (int i = 0; i < Lista.Count(); ++i) {
    const TdetReembCollectionItem& d = Lista.GetItem(i);
    g.wGrupo(Grupo);
    g.wCampo(tcStr, "", "tpInsc", 1, 1, 1, TpInscToStr(d.tpInsc));
    // A CPF or a CNPJ.
    wCampoTamanhos("nrInsc", {11, 14}, 1, d.nrInsc);
    g.wCampo(tcDe2, "", "vlrReemb", 1, 14, 0, d.vlrReemb);
    g.wCampo(tcDe2, "", "vlrReembAnt", 1, 14, 0, d.vlrReembAnt);
    g.wGrupo("/" + Grupo);
  }
  AlertarLimiteLista(Grupo, Descricao, Lista.Count(), 99);
}

}  // namespace esocial::s1210
