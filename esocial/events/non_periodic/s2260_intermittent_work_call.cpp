// S-2260 writer.
#include "esocial/events/non_periodic/s2260_intermittent_work_call.h"

#include "dfe/xml_writer.h"
#include "esocial/events/event_frame.h"

namespace esocial::s2260 {

using dfe::tcDat;
using dfe::tcStr;

bool TEvtConvInterm::GerarXML() {
  return GerarDocumentoeSocial(*this, "evtConvInterm", IdeEmpregador.NrInsc, [&] {
    GerarIdeEvento2(IdeEvento, true, true, false);
    GerarIdeEmpregador(IdeEmpregador);
    GerarIdeVinculo(IdeVinculo, false, false);
    const TInfoConvInterm& info = InfoConvInterm;
    dfe::TGerador& g = Gerador();
    g.wGrupo("infoConvInterm");
    g.wCampo(tcStr, "", "codConv", 2, 30, 1, info.codConv);
    g.wCampo(tcDat, "", "dtInicio", 10, 10, 1, info.dtInicio);
    g.wCampo(tcDat, "", "dtFim", 10, 10, 1, info.dtFim);
    if (VersaoDF() != ve02_04_01) g.wCampo(tcDat, "", "dtPrevPgto", 10, 10, 1, info.dtPrevPgto);
    g.wGrupo("jornada");
    g.wCampo(tcStr, "", "codHorContrat", 1, 30, 0, info.jornada.codHorContrat);
    g.wCampo(tcStr, "", "dscJornada", 2, 999, 0, info.jornada.dscJornada);
    g.wGrupo("/jornada");
    g.wGrupo("localTrab");
    g.wCampo(tcStr, "", "indLocal", 1, 1, 1, info.localTrab.indLocal);
    GerarLocalTrabInterm(info.localTrab.localTrabInterm);
    g.wGrupo("/localTrab");
    g.wGrupo("/infoConvInterm");
  });
}

}  // namespace esocial::s2260
