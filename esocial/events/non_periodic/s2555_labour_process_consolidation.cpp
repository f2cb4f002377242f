#include "esocial/events/non_periodic/s2555_labour_process_consolidation.h"

#include "esocial/events/event_frame.h"
#include "esocial/events/event_ini.h"

namespace esocial::s2555 {

using dfe::tcStr;

bool TEvtConsolidContProc::GerarXML() {
  return GerarDocumentoeSocial(*this, "evtConsolidContProc", ideEmpregador.NrInsc, [&] {
    GerarIdeEvento(ideEvento);
    GerarIdeEmpregador(ideEmpregador);
    dfe::TGerador& g = Gerador();
    g.wGrupo("ideProc");
    g.wCampo(tcStr, "", "nrProcTrab", 15, 20, 1, ideProc.nrProcTrab);  // 15 or 20 digits
    g.wCampo(tcStr, "", "perApurPgto", 7, 7, 1, ideProc.perApurPgto);
    g.wGrupo("/ideProc");
  });
}

bool TEvtConsolidContProc::LerArqIni(const std::string& AIniString) {
  TLeitorIniEvento ini(AIniString);
  ini.LerIdentificacao(*this, "evtConsolidContProc");
  ini.LerIdeEvento(ideEvento);
  ini.LerIdeEmpregador(ideEmpregador, *this, false);
  ideProc.nrProcTrab = ini.Texto("ideProc", "nrProcTrab");
  ideProc.perApurPgto = ini.Texto("ideProc", "perApurPgto");
  return GerarEAtribuirXML(*this);
}

}  // namespace esocial::s2555
