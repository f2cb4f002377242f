// S-1220 writer.
#include "esocial/events/tables_periodic/s1220_income_tax_deductions.h"

#include <string>

#include "esocial/events/event_frame.h"
#include "platform/text_utils.h"

namespace esocial::s1220 {

using dfe::tcDat;
using dfe::tcDe2;
using dfe::tcStr;

namespace {

// The ANS registration has six digits, leading zeros included.
std::string RegANS(int regANS) { return regANS > 0 ? platform::PadLeft(std::to_string(regANS), 6) : ""; }

// The reimbursements of the holder or of a dependant, which differ in the size of nrInsc.
template <class TLista>
void GerarDetReemb(TeSocialEvento& Evento, const std::string& Tag, const std::string& Descricao, const TLista& Lista,
                   int MinimoNrInsc) {
  dfe::TGerador& g = Evento.Gerador();
  for (int i = 0; i < Lista.Count(); ++i) {
    const TDetReembCollectionItem& d = Lista.GetItem(i);
    g.wGrupo(Tag);
    g.wCampo(tcStr, "", "tpInsc", 1, 1, 1, TpInscToStr(d.tpInsc));
    g.wCampo(tcStr, "", "nrInsc", MinimoNrInsc, 14, 1, d.nrInsc);
    g.wCampo(tcDe2, "", "vlrReemb", 0, 14, 0, d.vlrReemb);
    g.wCampo(tcDe2, "", "vlrReembAnt", 0, 14, 0, d.vlrReembAnt);
    g.wGrupo("/" + Tag);
  }
  Evento.AlertarLimiteLista(Tag, Descricao, Lista.Count(), 99);
}

}  // namespace

bool TEvtInfoIR::GerarXML() {
  return GerarDocumentoeSocial(*this, "evtInfoIR", ideEmpregador.NrInsc, [&] {
    GerarIdeEvento3(ideEvento, true, false, false);
    GerarIdeEmpregador(ideEmpregador);
    Gerador().wGrupo("ideBenef");
    Gerador().wCampo(tcStr, "", "cpfBenef", 11, 11, 1, ideBenef.cpfBenef);
    if (ideBenef.instIdeDep()) GerarIdeDep(ideBenef.ideDep());
    GerarInfoIR(ideBenef.infoIR);
    Gerador().wGrupo("/ideBenef");
  });
}

void TEvtInfoIR::GerarIdeDep(const TIdeDepCollection& Lista) {
  dfe::TGerador& g = Gerador();
  for (int i = 0; i < Lista.Count(); ++i) {
    const TIdeDepCollectionItem& d = Lista.GetItem(i);
    g.wGrupo("ideDep");
    g.wCampo(tcStr, "", "cpfDep", 11, 11, 1, d.cpfDep);
    g.wCampo(tcDat, "", "dtNascto", 10, 10, 0, d.dtNascto);
    g.wCampo(tcStr, "", "nome", 0, 60, 0, d.nome);
    g.wCampo(tcStr, "", "relDep", 1, 2, 1, RelDepToStr(d.relDep));
    g.wCampo(tcStr, "", "descrDep", 0, 30, 0, d.descrDep);
    g.wGrupo("/ideDep");
  }
  AlertarLimiteLista("ideDep", "Identificação dos dependentes", Lista.Count(), 999);
}

void TEvtInfoIR::GerarInfoIR(TInfoIR& Info) {
  dfe::TGerador& g = Gerador();
  g.wGrupo("infoIR");
  g.wCampo(tcDe2, "", "vlrDedPC", 1, 14, 0, Info.vlrDedPC);
  g.wCampo(tcDe2, "", "vlrDedPensao", 1, 14, 0, Info.vlrDedPensao);
  g.wCampo(tcDe2, "", "vlrDedDepen", 1, 14, 0, Info.vlrDedDepen);
  if (Info.instDedDepen()) GerarDedDepen(Info.dedDepen(), false);
  if (Info.instInfoComplemDed()) {
    TInfoComplemDedCollection& lista = Info.infoComplemDed();
    for (int i = 0; i < lista.Count(); ++i) {
      TInfoComplemDedCollectionItem& item = lista.GetItem(i);
      g.wGrupo("infoComplemDed");
      if (item.instPenAlim()) GerarPenAlim(item.penAlim(), false);
      if (item.instPrevidCompl()) GerarPrevidCompl(item.previdCompl(), false);
      g.wGrupo("/infoComplemDed");
    }
    AlertarLimiteLista("infoComplemDed", "Informações complementares relativas a deduções do rendimento tributável",
                       lista.Count(), 3);
  }
  if (Info.instPlanSaude()) GerarPlanSaude(Info.planSaude());
  if (Info.instInfoReembMed()) GerarInfoReembMed(Info.infoReembMed());
  if (Info.instInfoProcRet()) GerarInfoProcRet(Info.infoProcRet());
  g.wGrupo("/infoIR");
}

void TEvtInfoIR::GerarDedDepen(const TDedDepenCollection& Lista, bool Suspenso) {
  dfe::TGerador& g = Gerador();
  for (int i = 0; i < Lista.Count(); ++i) {
    const TDedDepenCollectionItem& d = Lista.GetItem(i);
    g.wGrupo("dedDepen");
    g.wCampo(tcStr, "", "cpfDep", 11, 11, 1, d.cpfDep);
    if (Suspenso)
      g.wCampo(tcDe2, "", "vlrDedSusp", 0, 14, 0, d.vlrDedSusp);
    else
      g.wCampo(tcDe2, "", "vlrDeducao", 0, 14, 0, d.vlrDeducao);
    g.wGrupo("/dedDepen");
  }
  AlertarLimiteLista("dedDepen", "Dedução do rendimento tributável relativa a dependentes", Lista.Count(), 999);
}

void TEvtInfoIR::GerarPenAlim(const TPenAlimCollection& Lista, bool Suspenso) {
  dfe::TGerador& g = Gerador();
  for (int i = 0; i < Lista.Count(); ++i) {
    const TPenAlimCollectionItem& p = Lista.GetItem(i);
    g.wGrupo("penAlim");
    g.wCampo(tcStr, "", "cpfDep", 11, 11, 1, p.cpfDep);
    if (Suspenso)
      g.wCampo(tcDe2, "", "vlrPensaoSusp", 0, 14, 0, p.vlrPensaoSusp);
    else
      g.wCampo(tcDe2, "", "vlrPensao", 0, 14, 0, p.vlrPensao);
    g.wGrupo("/penAlim");
  }
  AlertarLimiteLista("penAlim", "Informação dos beneficiários da pensão alimentícia", Lista.Count(), 99);
}

void TEvtInfoIR::GerarPrevidCompl(const TPrevidComplCollection& Lista, bool Suspenso) {
  dfe::TGerador& g = Gerador();
  for (int i = 0; i < Lista.Count(); ++i) {
    const TPrevidComplCollectionItem& p = Lista.GetItem(i);
    g.wGrupo("previdCompl");
    g.wCampo(tcStr, "", "cnpjEntidPC", 0, 14, 1, p.cnpjEntidPC);
    if (Suspenso)
      g.wCampo(tcDe2, "", "vlrDedPCSusp", 0, 14, 1, p.vlrDedPCSusp);
    else
      g.wCampo(tcDe2, "", "vlrDedPC", 0, 14, 1, p.vlrDedPC);
    g.wGrupo("/previdCompl");
  }
  AlertarLimiteLista("previdCompl", "Informações relativas a planos de previdência complementar", Lista.Count(), 99);
}

void TEvtInfoIR::GerarPlanSaude(TPlanSaudeCollection& Lista) {
  dfe::TGerador& g = Gerador();
  for (int i = 0; i < Lista.Count(); ++i) {
    TPlanSaudeCollectionItem& p = Lista.GetItem(i);
    g.wGrupo("planSaude");
    g.wCampo(tcStr, "", "cnpjOper", 14, 14, 1, p.cnpjOper);
    g.wCampo(tcStr, "", "regANS", 6, 6, 0, RegANS(p.regANS));
    g.wCampo(tcDe2, "", "vlrSaude", 1, 14, 1, p.vlrSaude);
    if (p.instInfoDep()) {
      const TInfoDepCollection& deps = p.infoDep();
      for (int j = 0; j < deps.Count(); ++j) {
        g.wGrupo("infoDep");
        g.wCampo(tcStr, "", "cpfDep", 11, 11, 1, deps.GetItem(j).cpfDep);
        g.wCampo(tcDe2, "", "vlrSaude", 1, 14, 1, deps.GetItem(j).vlrSaude);
        g.wGrupo("/infoDep");
      }
      AlertarLimiteLista("infoDep", "Informações de dependente de plano de saúde coletivo empresarial", deps.Count(),
                         99);
    }
    g.wGrupo("/planSaude");
  }
  AlertarLimiteLista("planSaude", "Plano de saúde coletivo", Lista.Count(), 99);
}

void TEvtInfoIR::GerarInfoReembMed(TInfoReembMedCollection& Lista) {
  dfe::TGerador& g = Gerador();
  for (int i = 0; i < Lista.Count(); ++i) {
    TInfoReembMedCollectionItem& r = Lista.GetItem(i);
    g.wGrupo("infoReembMed");
    g.wCampo(tcStr, "", "indOrgReemb", 1, 1, 1, std::to_string(r.indOrgReemb));
    g.wCampo(tcStr, "", "cnpjOper", 14, 14, 1, r.cnpjOper);
    g.wCampo(tcStr, "", "regANS", 6, 6, 0, RegANS(r.regANS));
    if (r.instDetReembTit())
      GerarDetReemb(*this, "detReembTit", "Informação de reembolso do titular do plano de saúde coletivo empresarial",
                    r.detReembTit(), 0);
    if (r.instInfoReembDep()) {
      TInfoReembDepCollection& deps = r.infoReembDep();
      for (int j = 0; j < deps.Count(); ++j) {
        TInfoReembDepCollectionItem& d = deps.GetItem(j);
        g.wGrupo("infoReembDep");
        g.wCampo(tcStr, "", "cpfBenef", 11, 11, 1, d.cpfBenef);
        // The braces are part of the text: nothing is put in their place.
        if (d.instDetReembDep())
          GerarDetReemb(*this, "detReembDep",
                        "Detalhamento dos reembolsos efetuados em {perApur} pelo empregador ao trabalhador referente "
                        "a despesas médicas ou odontológicas",
                        d.detReembDep(), 14);
        g.wGrupo("/infoReembDep");
      }
      AlertarLimiteLista("infoReembDep",
                         "Informação de reembolso do dependente do plano de saúde coletivo empresarial.", deps.Count(),
                         99);
    }
    g.wGrupo("/infoReembMed");
  }
  AlertarLimiteLista("infoReembMed", "Informações relativas a reembolsos efetuados no período de apuração",
                     Lista.Count(), 99);
}

void TEvtInfoIR::GerarInfoProcRet(TInfoProcRetCollection& Lista) {
  dfe::TGerador& g = Gerador();
  for (int i = 0; i < Lista.Count(); ++i) {
    TInfoProcRetCollectionItem& p = Lista.GetItem(i);
    g.wGrupo("infoProcRet");
    g.wCampo(tcStr, "", "tpProcRet", 1, 1, 1, TpProcRetToStr(p.tpProcRet));
    g.wCampo(tcStr, "", "nrProcRet", 21, 21, 1, p.nrProcRet);
    g.wCampo(tcStr, "", "codSusp", 14, 14, 1, std::to_string(p.codSusp));
    if (p.instPenAlim()) GerarPenAlim(p.penAlim(), true);
    if (p.instPrevidCompl()) GerarPrevidCompl(p.previdCompl(), true);
    if (p.instDedDepen()) GerarDedDepen(p.dedDepen(), true);
    g.wGrupo("/infoProcRet");
  }
  AlertarLimiteLista("infoProcRet",
                     "Informações de processos relacionados a não retenção de tributos ou depósitos judiciais.",
                     Lista.Count(), 4);
}

}  // namespace esocial::s1220
