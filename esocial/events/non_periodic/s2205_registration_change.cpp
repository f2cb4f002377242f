// S-2205 writer.
#include "esocial/events/non_periodic/s2205_registration_change.h"

#include "dfe/xml_writer.h"
#include "esocial/events/event_frame.h"

namespace esocial::s2205 {

bool TEvtAltCadastral::GerarXML() {
  return GerarDocumentoeSocial(*this, "evtAltCadastral", ideEmpregador.NrInsc, [&] {
    GerarIdeEvento2(ideEvento, true, true, false);
    GerarIdeEmpregador(ideEmpregador);
    GerarIdeTrabalhador(ideTrabalhador, true);
    AbrirGrupoModoLancamento(mlAlteracao);
    Gerador().wCampo(dfe::tcDat, "", "dtAlteracao", 10, 10, 1, dtAlteracao);
    // Worker kind 1: no indPriEmpr; the CPF stands in ideTrabalhador.
    GerarTrabalhador(trabalhador, tpSim, "dadosTrabalhador", 1, codCateg);
    FecharGrupoModoLancamento(mlAlteracao);
  });
}

}  // namespace esocial::s2205
