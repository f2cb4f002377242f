// S-1210 writer: the beneficiary and the payments.
#include "esocial/events/tables_periodic/s1210_work_income_payments.h"

#include <string>

#include "esocial/events/event_frame.h"
#include "platform/strings.h"
#include "platform/text_utils.h"

namespace esocial::s1210 {

using dfe::tcDat;
using dfe::tcDe2;
using dfe::tcInt;
using dfe::tcStr;

bool TEvtPgtos::GerarXML() {
  return GerarDocumentoeSocial(*this, "evtPgtos", IdeEmpregador.NrInsc, [&] {
    GerarIdeEvento3(IdeEvento, true, VersaoDF() <= ve02_05_00, true);
    GerarIdeEmpregador(IdeEmpregador);
    GerarIdeBenef();
  });
}

void TEvtPgtos::GerarIdeBenef() {
  dfe::TGerador& g = Gerador();
  TIdeBenef& b = IdeBenef;
  g.wGrupo("ideBenef");
  g.wCampo(tcStr, "", "cpfBenef", 11, 11, 1, b.CpfBenef);
  if (VersaoDF() <= ve02_05_00 && b.depsInst()) {
    g.wGrupo("deps");
    g.wCampo(tcDe2, "", "vrDedDep", 1, 14, 1, b.deps().vrDedDep);
    g.wGrupo("/deps");
  }
  for (int i = 0; i < b.InfoPgto.Count(); ++i) GerarInfoPgto(b.InfoPgto.GetItem(i));
  AlertarLimiteLista("infoPgto", "Lista de Informações de Pagamento", b.InfoPgto.Count(),
                     VersaoDF() <= ve02_05_00 ? 60 : 999);
  if (VersaoDF() >= veS01_02_00) GerarInfoIRComplem(b.infoIRComplem);
  g.wGrupo("/ideBenef");
}

void TEvtPgtos::GerarInfoPgto(TInfoPgtoItem& Pgto) {
  dfe::TGerador& g = Gerador();
  const bool s1 = VersaoDF() >= veS01_00_00;
  g.wGrupo("infoPgto");
  g.wCampo(tcDat, "", "dtPgto", 10, 10, 1, Pgto.DtPgto);
  g.wCampo(tcStr, "", "tpPgto", 1, 2, 1, TpPgtoToStr(Pgto.TpPgto));
  // A month, or a year for the 13th salary.
  if (s1) g.wCampo(tcStr, "", "perRef", 4, 7, 1, Pgto.perRef);
  if (s1) g.wCampo(tcStr, "", "ideDmDev", 1, 30, 1, Pgto.ideDmDev);
  if (s1) g.wCampo(tcDe2, "", "vrLiq", 1, 14, 1, Pgto.vrLiq);
  if (!s1) {
    g.wCampo(tcStr, "", "indResBr", 1, 1, 1, SimNaoToStr(Pgto.IndResBr));
    // A benefit of S-1207 is paid by detPgtoBenPr alone.
    if (Pgto.TpPgto != tpPgtoBenefPrev1207) GerarDetPgtoFl(Pgto.detPgtoFl);
    if (Pgto.detPgtoBenPrInst()) GerarDetPgtoBenPr(Pgto.detPgtoBenPr());
    if (Pgto.detPgtoFerInst()) GerarDetPgtoFer(Pgto.detPgtoFer());
    if (Pgto.detPgtoAntInst()) GerarDetPgtoAnt(Pgto.detPgtoAnt());
    if (Pgto.IndResBr == tpNao) {
      g.wGrupo("idePgtoExt");
      GerarIdePais(Pgto.IdePgtoExt.idePais);
      GerarEndExt(Pgto.IdePgtoExt.endExt);
      g.wGrupo("/idePgtoExt");
    }
  }
  if (ResideNoExterior(Pgto)) {
    g.wCampo(tcStr, "", "paisResidExt", 3, 3, 1, Pgto.paisResidExt);
    if (Pgto.InfoPgtoExtInst()) GerarInfoPgtoExt(Pgto.infoPgtoExt());
  }
  g.wGrupo("/infoPgto");
}

bool TEvtPgtos::ResideNoExterior(const TInfoPgtoItem& Pgto) const {
  // Brazil is 105; every other code, those below it too, is a country abroad.
  const std::string pais = platform::Trim(Pgto.paisResidExt);
  // Reported from March 2023 on; perApur is yyyy-mm.
  const std::string& per = IdeEvento.perApur;
  const bool desdeMarco2023 = per.size() == 7 && per[4] == '-' && platform::TemSomenteDigitos(per.substr(0, 4)) &&
                              platform::TemSomenteDigitos(per.substr(5)) && per >= "2023-03";
  return VersaoDF() >= veS01_01_00 && !pais.empty() && pais != "105" && desdeMarco2023;
}

void TEvtPgtos::GerarInfoPgtoExt(const TInfoPgtoExt& PgtoExt) {
  dfe::TGerador& g = Gerador();
  const TEndExtV110& e = PgtoExt.endExt;
  g.wGrupo("infoPgtoExt");
  g.wCampo(tcStr, "", "indNIF", 1, 1, 1, IndNIFToStr(PgtoExt.indNIF));
  g.wCampo(tcStr, "", "nifBenef", 1, 30, 0, PgtoExt.nifBenef);
  // Two digits; none given is written empty, with its alert.
  g.wCampo(tcStr, "", "frmTribut", 2, 2, 1, PgtoExt.frmTribut > 0 ? std::to_string(PgtoExt.frmTribut) : "");
  // Every field of the address is optional: it is written when any is given.
  if (!(e.endDscLograd + e.endNrLograd + e.endComplem + e.endBairro + e.endCidade + e.endEstado + e.endCodPostal +
        e.telef)
           .empty()) {
    g.wGrupo("endExt");
    g.wCampo(tcStr, "", "endDscLograd", 1, 80, 0, e.endDscLograd);
    g.wCampo(tcStr, "", "endNrLograd", 1, 10, 0, e.endNrLograd);
    g.wCampo(tcStr, "", "endComplem", 1, 30, 0, e.endComplem);
    g.wCampo(tcStr, "", "endBairro", 1, 60, 0, e.endBairro);
    g.wCampo(tcStr, "", "endCidade", 1, 40, 0, e.endCidade);
    g.wCampo(tcStr, "", "endEstado", 1, 40, 0, e.endEstado);
    g.wCampo(tcStr, "", "endCodPostal", 1, 12, 0, e.endCodPostal);
    g.wCampo(tcStr, "", "telef", 8, 15, 0, e.telef);
    g.wGrupo("/endExt");
  }
  g.wGrupo("/infoPgtoExt");
}

void TEvtPgtos::GerarDetPgtoFl(const TdetPgtoFlCollection& Lista) {
  dfe::TGerador& g = Gerador();
  for (int i = 0; i < Lista.Count(); ++i) {
    TdetPgtoFlItem& d = Lista.GetItem(i);
    g.wGrupo("detPgtoFl");
    g.wCampo(tcStr, "", "perRef", 4, 7, 0, d.perRef);
    g.wCampo(tcStr, "", "ideDmDev", 1, 30, 1, d.ideDmDev);
    g.wCampo(tcStr, "", "indPgtoTt", 1, 1, 1, SimNaoToStr(d.indPagtoTt));
    g.wCampo(tcDe2, "", "vrLiq", 1, 14, 1, d.vrLiq);
    g.wCampo(tcStr, "", "nrRecArq", 1, 40, 0, d.nrRecArq);
    if (d.retPagtoToInst()) GerarRubricasComPensao(d.retPagtoTot(), "retPgtoTot");
    // The 2.5 partial payments name the registration of each rubric.
    if (d.infoPgtoFlInst())
      GerarItensRemun(d.infoPgtoParc(), "infoPgtoParc", {.GeraMatricula = VersaoDF() == ve02_05_00});
    g.wGrupo("/detPgtoFl");
  }
  AlertarLimiteLista("detPgtoFl", "Lista de Detalhamento de Pagamento", Lista.Count(), 200);
}

void TEvtPgtos::GerarRubricasComPensao(const TRubricasComPensaoCollection& Lista, const std::string& Grupo) {
  dfe::TGerador& g = Gerador();
  for (int i = 0; i < Lista.Count(); ++i) {
    TRubricasComPensaoItem& r = Lista.GetItem(i);
    g.wGrupo(Grupo);
    // Only the 2.04.02 layout holds it: 2.04.01 and 2.5 have none.
    if (VersaoDF() == ve02_04_02) g.wCampo(tcStr, "", "matricula", 1, 30, 0, r.matricula);
    g.wCampo(tcStr, "", "codRubr", 1, 30, 1, r.codRubr);
    g.wCampo(tcStr, "", "ideTabRubr", 1, 8, 1, r.ideTabRubr);
    g.wCampo(tcDe2, "", "qtdRubr", 1, 6, 0, r.qtdRubr);
    g.wCampo(tcDe2, "", "fatorRubr", 1, 5, 0, r.fatorRubr);
    g.wCampo(tcDe2, "", "vrUnit", 1, 14, 0, r.vrUnit);
    g.wCampo(tcDe2, "", "vrRubr", 1, 14, 1, r.vrRubr);
    if (r.pensaoAlimInst()) GerarPensaoAlim(r.penAlim(), "penAlim");
    g.wGrupo("/" + Grupo);
  }
  AlertarLimiteLista(Grupo, "Lista de " + Grupo, Lista.Count(), 99);
}

void TEvtPgtos::GerarDetPgtoBenPr(TDetPgtoBenPr& BenPr) {
  dfe::TGerador& g = Gerador();
  g.wGrupo("detPgtoBenPr");
  g.wCampo(tcStr, "", "perRef", 4, 7, 1, BenPr.perRef);
  g.wCampo(tcStr, "", "ideDmDev", 1, 30, 1, BenPr.ideDmDev);
  g.wCampo(tcStr, "", "indPgtoTt", 1, 1, 1, SimNaoToStr(BenPr.indPgtoTt));
  g.wCampo(tcDe2, "", "vrLiq", 1, 14, 1, BenPr.vrLiq);
  if (BenPr.retPgtoTotInst()) GerarItensRemun(BenPr.retPgtoTot(), "retPgtoTot");
  if (BenPr.infoPgtoParcInst()) GerarItensRemun(BenPr.infoPgtoParc(), "infoPgtoParc");
  g.wGrupo("/detPgtoBenPr");
}

void TEvtPgtos::GerarDetPgtoFer(const TDetPgtoFerCollection& Lista) {
  dfe::TGerador& g = Gerador();
  for (int i = 0; i < Lista.Count(); ++i) {
    const TDetPgtoFerItem& f = Lista.GetItem(i);
    g.wGrupo("detPgtoFer");
    g.wCampo(tcInt, "", "codCateg", 1, 3, 1, f.codCateg);
    if (VersaoDF() != ve02_04_01) g.wCampo(tcStr, "", "matricula", 1, 30, 0, f.matricula);
    g.wCampo(tcDat, "", "dtIniGoz", 10, 10, 1, f.dtIniGoz);
    g.wCampo(tcInt, "", "qtDias", 1, 2, 1, f.qtDias);
    g.wCampo(tcDe2, "", "vrLiq", 1, 14, 1, f.vrLiq);
    GerarRubricasComPensao(f.detRubrFer, "detRubrFer");
    g.wGrupo("/detPgtoFer");
  }
  AlertarLimiteLista("detPgtoFer", "Lista de Detalhamento de Pagamento", Lista.Count(), 5);
}

void TEvtPgtos::GerarDetPgtoAnt(const TDetPgtoAntCollection& Lista) {
  dfe::TGerador& g = Gerador();
  for (int i = 0; i < Lista.Count(); ++i) {
    const TDetPgtoAntItem& a = Lista.GetItem(i);
    g.wGrupo("detPgtoAnt");
    g.wCampo(tcInt, "", "codCateg", 1, 3, 1, a.codCateg);
    for (int j = 0; j < a.infoPgtoAnt.Count(); ++j) {
      const TInfoPgtoAntItem& p = a.infoPgtoAnt.GetItem(j);
      g.wGrupo("infoPgtoAnt");
      g.wCampo(tcStr, "", "tpBcIRRF", 2, 2, 1, CodIncIRRFToStr(p.tpBcIRRF));
      g.wCampo(tcDe2, "", "vrBcIRRF", 1, 14, 1, p.vrBcIRRF);
      g.wGrupo("/infoPgtoAnt");
    }
    AlertarLimiteLista("infoPgtoAnt", "Lista de Detalhamento de Pagamento", a.infoPgtoAnt.Count(), 99);
    g.wGrupo("/detPgtoAnt");
  }
  AlertarLimiteLista("detPgtoAnt", "Lista de Detalhamento de Pagamento Anterior", Lista.Count(), 99);
}

}  // namespace esocial::s1210
