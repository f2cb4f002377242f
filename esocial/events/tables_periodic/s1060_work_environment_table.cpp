// S-1060 writer.
#include "esocial/events/tables_periodic/s1060_work_environment_table.h"

#include "esocial/events/event_frame.h"

namespace esocial::s1060 {

using dfe::tcStr;

bool TEvtTabAmbiente::GerarXML() {
  return GerarDocumentoeSocial(*this, "evtTabAmbiente", ideEmpregador.NrInsc, [&] {
    GerarIdeEvento(ideEvento);
    GerarIdeEmpregador(ideEmpregador);
    GerarCorpoTabela(
        *this, "infoAmbiente", ModoLancamento,
        [&] {
          const TIdeAmbiente& ide = infoAmbiente.ideAmbiente;
          Gerador().wGrupo("ideAmbiente");
          Gerador().wCampo(tcStr, "", "codAmb", 1, 30, 1, ide.codAmb);
          Gerador().wCampo(tcStr, "", "iniValid", 7, 7, 1, ide.iniValid);
          Gerador().wCampo(tcStr, "", "fimValid", 7, 7, 0, ide.fimValid);
          Gerador().wGrupo("/ideAmbiente");
        },
        [&] {
          const TDadosAmbiente& dados = infoAmbiente.dadosAmbiente();
          Gerador().wGrupo("dadosAmbiente");
          Gerador().wCampo(tcStr, "", "nmAmb", 1, 100, 1, dados.nmAmb);
          Gerador().wCampo(tcStr, "", "dscAmb", 3, 8000, 1, dados.dscAmb);
          Gerador().wCampo(tcStr, "", "localAmb", 1, 1, 1, LocalAmbToStr(dados.localAmb));
          Gerador().wCampo(tcStr, "", "tpInsc", 1, 1, 0, TpInscToStr(dados.tpInsc));
          Gerador().wCampo(tcStr, "", "nrInsc", 8, 14, 0, dados.nrInsc);
          Gerador().wCampo(tcStr, "", "codLotacao", 1, 30, 0, dados.codLotacao);
          Gerador().wGrupo("/dadosAmbiente");
        },
        infoAmbiente.novaValidadeInst() ? &infoAmbiente.novaValidade() : nullptr);
  });
}

}  // namespace esocial::s1060
