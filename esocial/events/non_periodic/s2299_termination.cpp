// S-2299 writer.
#include "esocial/events/non_periodic/s2299_termination.h"

#include <algorithm>
#include <initializer_list>
#include <string_view>

#include "esocial/events/event_frame.h"
#include "platform/strings.h"

namespace esocial::s2299 {

using dfe::tcDat;
using dfe::tcDe2;
using dfe::tcInt;
using dfe::tcStr;

namespace {

bool NaLista(const std::string& Motivo, std::initializer_list<std::string_view> Lista) {
  return std::find(Lista.begin(), Lista.end(), Motivo) != Lista.end();
}

// The reasons for which the layout asks for the successor; each layout has its own list.
bool ComSucessor(TVersaoeSocial Versao, const std::string& Motivo) {
  if (Versao <= ve02_05_00) return NaLista(Motivo, {"11", "12", "13", "25", "28", "29", "30"});
  if (Versao == veS01_00_00) return NaLista(Motivo, {"11", "12", "13", "25", "28", "29", "30", "37"});
  return NaLista(Motivo, {"11", "12", "13", "28", "29", "37", "43"});
}

// The reasons that carry no final payment.
bool SemVerbasResc(TVersaoeSocial Versao, const std::string& Motivo) {
  return NaLista(Motivo, {"11", "12", "13", "25", "28", "29", "30", "34", "36"}) ||
         (Versao >= veS01_01_00 && NaLista(Motivo, {"43", "44"}));
}

bool ComIndPDV(const std::string& Motivo) {
  return !NaLista(Motivo, {"10", "11", "12", "13", "28", "29", "30", "34", "36", "37", "40", "43", "44"});
}

}  // namespace

bool TEvtDeslig::GerarXML() {
  return GerarDocumentoeSocial(*this, "evtDeslig", IdeEmpregador.NrInsc, [&] {
    GerarIdeEvento2(IdeEvento, true, true, true);
    GerarIdeEmpregador(IdeEmpregador);
    GerarIdeVinculo(IdeVinculo, false, false);
    GerarInfoDeslig();
  });
}

void TEvtDeslig::GerarInfoDeslig() {
  dfe::TGerador& g = Gerador();
  TInfoDeslig& i = InfoDeslig;
  const std::string motivo = platform::Trim(i.mtvDeslig);
  const bool ate25 = VersaoDF() <= ve02_05_00;
  g.wGrupo("infoDeslig");
  g.wCampo(tcStr, "", "mtvDeslig", 2, 2, 1, i.mtvDeslig);
  g.wCampo(tcDat, "", "dtDeslig", 10, 10, 1, i.dtDeslig);
  if (!ate25 && i.dtAvPrv > 0) g.wCampo(tcDat, "", "dtAvPrv", 10, 10, 0, i.dtAvPrv);
  g.wCampo(tcStr, "", "indPagtoAPI", 1, 1, 1, SimNaoFacultativoToStr(i.indPagtoAPI));
  if (i.indPagtoAPI == snfSim) g.wCampo(tcDat, "", "dtProjFimAPI", 10, 10, 0, i.dtProjFimAPI);
  // The 2.x layouts require it: one not informed is written empty, with its alert.
  if (ate25 || i.pensAlim != paNenhum) g.wCampo(tcStr, "", "pensAlim", 1, 1, 1, PensaoAlimToStr(i.pensAlim));
  g.wCampo(tcDe2, "", "percAliment", 1, 5, 0, i.percAliment);
  g.wCampo(tcDe2, "", "vrAlim", 1, 14, 0, i.vrAlim);
  if (ate25 && (motivo == "09" || motivo == "10")) g.wCampo(tcStr, "", "nrCertObito", 32, 32, 0, i.nrCertObito);
  if (!i.nrProcTrab.empty()) g.wCampo(tcStr, "", "nrProcTrab", 20, 20, 0, i.nrProcTrab);
  if (VersaoDF() >= veS01_02_00 && i.indPDV == snfSim && ComIndPDV(motivo))
    g.wCampo(tcStr, "", "indPDV", 1, 1, 1, SimNaoFacultativoToStr(i.indPDV));
  if (ate25) g.wCampo(tcStr, "", "indCumprParc", 1, 1, 1, CumprParcialAvisoToStr(i.indCumprParc));
  if (ate25 && i.QtdDiasInterm >= 0) g.wCampo(tcInt, "", "qtdDiasInterm", 1, 2, 1, i.QtdDiasInterm);
  if (!ate25 && i.infoIntermInst()) GerarInfoInterm(i.infoInterm());
  if (VersaoDF() == ve02_04_01)
    g.wCampo(tcStr, "", "observacao", 1, 255, 0, i.Observacao);
  else
    GerarObservacoes(i.observacoes);
  if (ComSucessor(VersaoDF(), motivo) && !i.SucessaoVinc.nrInsc().empty()) GerarSucessaoVincDeslig();
  if (motivo == "34" && !i.transfTit.cpfSubstituto.empty()) {
    g.wGrupo("transfTit");
    g.wCampo(tcStr, "", "cpfSubstituto", 11, 11, 1, i.transfTit.cpfSubstituto);
    g.wCampo(tcDat, "", "dtNascto", 10, 10, 1, i.transfTit.dtNascto);
    g.wGrupo("/transfTit");
  }
  if (motivo == "36") GerarMudancaCPF3(i.mudancaCPF);
  // Without a payslip the group would lack its required dmDev.
  if (i.verbasRescInst() && i.VerbasResc().dmDev.Count() > 0 && !SemVerbasResc(VersaoDF(), motivo)) GerarVerbasResc();
  GerarQuarentena(i.Quarentena);
  const TRemunAposDeslig& r = i.remunAposDeslig;
  if (VersaoDF() >= veS01_01_00 && (r.indRemun != ireNaoInformado || r.dtFimRemun > 0)) {
    g.wGrupo("remunAposDeslig");
    if (r.indRemun != ireNaoInformado) g.wCampo(tcStr, "", "indRemun", 1, 1, 0, IndRemunToStr(r.indRemun));
    g.wCampo(tcDat, "", "dtFimRemun", 10, 10, 1, r.dtFimRemun);
    g.wGrupo("/remunAposDeslig");
  }
  GerarConsigFGTS();
  g.wGrupo("/infoDeslig");
}

void TEvtDeslig::GerarSucessaoVincDeslig() {
  dfe::TGerador& g = Gerador();
  const TSucessaoVinc2& s = InfoDeslig.SucessaoVinc;
  g.wGrupo("sucessaoVinc");
  if (VersaoDF() >= veS01_00_00) {
    g.wCampo(tcStr, "", "tpInsc", 1, 1, 1, TpInscToStr(s.tpInsc()));
    // A successor inscribed by CPF or by CNPJ.
    wCampoTamanhos("nrInsc", {11, 14}, 1, s.nrInsc());
  } else {
    if (VersaoDF() == ve02_05_00) g.wCampo(tcStr, "", "tpInscSuc", 1, 1, 1, TpInscToStr(s.tpInscSuc()));
    g.wCampo(tcStr, "", "cnpjSucessora", 8, 14, 1, s.cnpjSucessora());
  }
  g.wGrupo("/sucessaoVinc");
}

void TEvtDeslig::GerarVerbasResc() {
  dfe::TGerador& g = Gerador();
  TVerbasRescS2299& v = InfoDeslig.VerbasResc();
  g.wGrupo("verbasResc");
  for (int i = 0; i < v.dmDev.Count(); ++i) {
    TDMDevCollectionItemS2299& d = v.dmDev.GetItem(i);
    g.wGrupo("dmDev");
    GerarInicioDmDev(d.ideDmDev, d.indRRA, d.infoRRAInst() ? &d.infoRRA() : nullptr);
    // Each period group holds at least one item.
    if (d.infoPerApurInst() && d.infoPerApur().ideEstabLot.Count() > 0) {
      g.wGrupo("infoPerApur");
      GerarIdeEstabLot(d.infoPerApur().ideEstabLot, teS2299);
      g.wGrupo("/infoPerApur");
    }
    if (d.infoPerAntInst() && d.infoPerAnt().ideADC.Count() > 0) {
      g.wGrupo("infoPerAnt");
      GerarIdeADC(d.infoPerAnt().ideADC);
      g.wGrupo("/infoPerAnt");
    }
    if (VersaoDF() <= ve02_05_00) {
      for (int t = 0; t < d.infoTrabInterm.Count(); ++t) {
        g.wGrupo("infoTrabInterm");
        g.wCampo(tcStr, "", "codConv", 1, 30, 1, d.infoTrabInterm.GetItem(t).codConv);
        g.wGrupo("/infoTrabInterm");
      }
      AlertarLimiteLista("infoTrabInterm", "Lista de Trabalhos Intermitente", d.infoTrabInterm.Count(), 99);
    }
    g.wGrupo("/dmDev");
  }
  AlertarLimiteLista("dmDev", "Lista de Demonstrativos", v.dmDev.Count(), 50);
  GerarFimVerbasResc(v);
  if (VersaoDF() >= ve02_04_02 && !platform::Trim(v.ProcCS.nrProcJud).empty()) {
    g.wGrupo("procCS");
    g.wCampo(tcStr, "", "nrProcJud", 20, 20, 1, v.ProcCS.nrProcJud);
    g.wGrupo("/procCS");
  }
  g.wGrupo("/verbasResc");
}

void TEvtDeslig::GerarIdeADC(const TIdeADCCollection& Lista) {
  dfe::TGerador& g = Gerador();
  const bool ate25 = VersaoDF() <= ve02_05_00;
  for (int i = 0; i < Lista.Count(); ++i) {
    const TIdeADCItem& a = Lista.GetItem(i);
    g.wGrupo("ideADC");
    // Optional from S-1.0 on, for the kinds without an agreement date.
    g.wCampo(tcDat, "", "dtAcConv", 10, 10, ate25 ? 1 : 0, a.dtAcConv);
    g.wCampo(tcStr, "", "tpAcConv", 1, 1, 1, TpAcConvToStr(a.tpAcConv));
    if (ate25) g.wCampo(tcStr, "", "compAcConv", 7, 7, 0, a.compAcConv);
    if (ate25) g.wCampo(tcDat, "", "dtEfAcConv", 10, 10, 1, a.dtEfAcConv);
    g.wCampo(tcStr, "", "dsc", 1, 255, 1, a.dsc);
    for (int p = 0; p < a.idePeriodo.Count(); ++p) {
      const TIdePeriodoItem& periodo = a.idePeriodo.GetItem(p);
      g.wGrupo("idePeriodo");
      g.wCampo(tcStr, "", "perRef", 7, 7, 1, periodo.perRef);
      // The earlier periods' rubrics carry no discount.
      GerarIdeEstabLot(periodo.ideEstabLot, teS2299, false);
      g.wGrupo("/idePeriodo");
    }
    AlertarLimiteLista("idePeriodo", "Lista de Identificação de Periodos", a.idePeriodo.Count(), 180);
    g.wGrupo("/ideADC");
  }
  AlertarLimiteLista("ideADC", "Lista de Identificação de ADC", Lista.Count(), 8);
}

void TEvtDeslig::GerarConsigFGTS() {
  dfe::TGerador& g = Gerador();
  const TConsigFGTSCollection& lista = InfoDeslig.consigFGTS;
  if (VersaoDF() == ve02_04_01) {
    // 2.04.01 has room for one loan only.
    if (lista.Count() != 1) return;
    const TConsigFGTSItem& c = lista.GetItem(0);
    g.wGrupo("consigFGTS");
    g.wCampo(tcStr, "", "idConsig", 1, 1, 1, SimNaoToStr(c.idConsig));
    g.wCampo(tcStr, "", "insConsig", 1, 5, 1, c.insConsig);
    g.wCampo(tcStr, "", "nrContr", 1, 40, 1, c.nrContr);
    g.wGrupo("/consigFGTS");
    return;
  }
  for (int i = 0; i < lista.Count(); ++i) {
    const TConsigFGTSItem& c = lista.GetItem(i);
    g.wGrupo("consigFGTS");
    g.wCampo(tcStr, "", "insConsig", 1, 5, 1, c.insConsig);
    g.wCampo(tcStr, "", "nrContr", 1, 40, 1, c.nrContr);
    g.wGrupo("/consigFGTS");
  }
  AlertarLimiteLista("consigFGTS", "Informações sobre operação de crédito consignado com garantia de FGTS",
                     lista.Count(), 99);
}

}  // namespace esocial::s2299
