// S-2399 writer.
#include "esocial/events/non_periodic/s2399_non_employee_termination.h"

#include <string>

#include "esocial/events/event_frame.h"

namespace esocial::s2399 {

using dfe::tcDat;
using dfe::tcDe2;
using dfe::tcStr;

bool TEvtTSVTermino::GerarXML() {
  return GerarDocumentoeSocial(*this, "evtTSVTermino", IdeEmpregador.NrInsc, [&] {
    GerarIdeEvento2(IdeEvento, true, true, true);
    GerarIdeEmpregador(IdeEmpregador);
    GerarIdeTrabSemVinculo(IdeTrabSemVInc);
    GerarInfoTSVTermino();
  });
}

void TEvtTSVTermino::GerarInfoTSVTermino() {
  dfe::TGerador& g = Gerador();
  TInfoTSVTermino& i = InfoTSVTermino;
  const int categoria = IdeTrabSemVInc.codCateg;
  const bool pensao = VersaoDF() >= ve02_05_00 && (categoria == 201 || categoria == 202 || categoria == 721);
  g.wGrupo("infoTSVTermino");
  g.wCampo(tcDat, "", "dtTerm", 10, 10, 1, i.dtTerm);
  g.wCampo(tcStr, "", "mtvDesligTSV", 2, 2, 0, i.mtvDesligTSV);
  if (pensao && i.pensAlim != paNenhum) g.wCampo(tcStr, "", "pensAlim", 1, 1, 1, PensaoAlimToStr(i.pensAlim));
  if (pensao) g.wCampo(tcDe2, "", "percAliment", 1, 5, 0, i.percAliment);
  if (pensao) g.wCampo(tcDe2, "", "vrAlim", 1, 14, 0, i.vrAlim);
  if (VersaoDF() >= veS01_00_00) g.wCampo(tcStr, "", "nrProcTrab", 20, 20, 0, i.nrProcTrab);
  if (i.mtvDesligTSV == "07")
    GerarMudancaCPF3(i.mudancaCPF);
  else if (i.verbasResc.dmDev.Count() > 0)  // the group requires a payslip
    GerarVerbasResc();
  GerarQuarentena(i.quarentena);
  const TRemunAposTerm& r = i.RemunAposTerm;
  if (VersaoDF() >= veS01_01_00 && (r.indRemun != ireNaoInformado || r.dtFimRemun > 0)) {
    g.wGrupo("remunAposTerm");
    if (r.indRemun != ireNaoInformado) g.wCampo(tcStr, "", "indRemun", 1, 1, 0, IndRemunToStr(r.indRemun));
    // A servant's retirement is no end of a worker without bond.
    if (r.indRemun == ireAposentadoriaServidor) AlertarCodigoForaDoLeiaute("indRemun");
    g.wCampo(tcDat, "", "dtFimRemun", 10, 10, 1, r.dtFimRemun);
    g.wGrupo("/remunAposTerm");
  }
  g.wGrupo("/infoTSVTermino");
}

void TEvtTSVTermino::GerarVerbasResc() {
  dfe::TGerador& g = Gerador();
  TVerbasRescS2399& v = InfoTSVTermino.verbasResc;
  g.wGrupo("verbasResc");
  for (int i = 0; i < v.dmDev.Count(); ++i) {
    TDmDevCollectionItem& d = v.dmDev.GetItem(i);
    g.wGrupo("dmDev");
    GerarInicioDmDev(d.ideDmDev, d.indRRA, d.infoRRAInst() ? &d.infoRRA() : nullptr);
    GerarIdeEstabLot(d.ideEstabLot, teS2399);
    g.wGrupo("/dmDev");
  }
  AlertarLimiteLista("dmDev", "Lista de Demonstrativos", v.dmDev.Count(), 50);
  GerarFimVerbasResc(v);
  g.wGrupo("/verbasResc");
}

}  // namespace esocial::s2399
