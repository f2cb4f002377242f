// S-3500 writer.
#include "esocial/events/non_periodic/s3500_labour_process_exclusion.h"

#include "esocial/events/event_frame.h"

namespace esocial::s3500 {

using dfe::tcInt;
using dfe::tcStr;

bool TEvtExcProcTrab::GerarXML() {
  return GerarDocumentoeSocial(*this, "evtExcProcTrab", IdeEmpregador.NrInsc, [&] {
    GerarIdeEvento(IdeEvento);
    GerarIdeEmpregador(IdeEmpregador);
    const TInfoExclusao& info = InfoExclusao;
    const TIdeProcTrab& proc = info.ideProcTrab;
    Gerador().wGrupo("infoExclusao");
    Gerador().wCampo(tcStr, "", "tpEvento", 1, 6, 1, TipoEventoToStr(info.tpEvento));
    Gerador().wCampo(tcStr, "", "nrRecEvt", 23, 23, 1, info.nrRecEvt);
    Gerador().wGrupo("ideProcTrab");
    // A labour process number or the number of a conciliation.
    wCampoTamanhos("nrProcTrab", {15, 20}, 1, proc.nrProcTrab);
    if (info.tpEvento == teS2500) Gerador().wCampo(tcStr, "", "cpfTrab", 11, 11, 1, proc.cpfTrab);
    if (info.tpEvento == teS2501 || info.tpEvento == teS2555)
      Gerador().wCampo(tcStr, "", "perApurPgto", 7, 7, 1, proc.perApurPgto);
    if (VersaoDF() >= veS01_03_00 && (info.tpEvento == teS2500 || info.tpEvento == teS2501))
      Gerador().wCampo(tcInt, "", "ideSeqProc", 1, 3, 0, proc.ideSeqProc);
    Gerador().wGrupo("/ideProcTrab");
    Gerador().wGrupo("/infoExclusao");
  });
}

}  // namespace esocial::s3500
