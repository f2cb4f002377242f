// S-1050 writer.
#include "esocial/events/tables_periodic/s1050_working_hours_table.h"

#include <string>

#include "esocial/events/event_frame.h"

namespace esocial::s1050 {

using dfe::tcStr;

bool TEvtTabHorTur::GerarXML() {
  return GerarDocumentoeSocial(*this, "evtTabHorTur", IdeEmpregador.NrInsc, [&] {
    GerarIdeEvento(IdeEvento);
    GerarIdeEmpregador(IdeEmpregador);
    GerarCorpoTabela(
        *this, "infoHorContratual", ModoLancamento,
        [&] {
          const TideHorContratual& ide = InfoHorContratual.ideHorContratual;
          Gerador().wGrupo("ideHorContratual");
          Gerador().wCampo(tcStr, "", "codHorContrat", 1, 30, 1, ide.codHorContrat);
          Gerador().wCampo(tcStr, "", "iniValid", 7, 7, 1, ide.iniValid);
          Gerador().wCampo(tcStr, "", "fimValid", 7, 7, 0, ide.fimValid);
          Gerador().wGrupo("/ideHorContratual");
        },
        [&] {
          const TDadosHorContratual& dados = InfoHorContratual.dadosHorContratual();
          Gerador().wGrupo("dadosHorContratual");
          Gerador().wCampo(tcStr, "", "hrEntr", 4, 4, 1, dados.hrEntr);
          Gerador().wCampo(tcStr, "", "hrSaida", 4, 4, 1, dados.hrSaida);
          Gerador().wCampo(tcStr, "", "durJornada", 1, 4, 1, std::to_string(dados.durJornada));
          Gerador().wCampo(tcStr, "", "perHorFlexivel", 1, 1, 1, SimNaoToStr(dados.perHorFlexivel));
          Gerador().wGrupo("/dadosHorContratual");
        },
        InfoHorContratual.novaValidadeInst() ? &InfoHorContratual.novaValidade() : nullptr);
  });
}

}  // namespace esocial::s1050
