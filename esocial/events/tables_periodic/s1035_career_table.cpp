// S-1035 writer.
#include "esocial/events/tables_periodic/s1035_career_table.h"

#include "esocial/events/event_frame.h"

namespace esocial::s1035 {

using dfe::tcDat;
using dfe::tcStr;

bool TEvtTabCarreira::GerarXML() {
  return GerarDocumentoeSocial(*this, "evtTabCarreira", IdeEmpregador.NrInsc, [&] {
    GerarIdeEvento(IdeEvento);
    GerarIdeEmpregador(IdeEmpregador);
    GerarCorpoTabela(
        *this, "infoCarreira", ModoLancamento, [&] { GerarIdeCarreira(InfoCarreira.ideCarreira); },
        [&] { GerarDadosCarreira(InfoCarreira.dadosCarreira); },
        InfoCarreira.novaValidadeInst() ? &InfoCarreira.NovaValidade() : nullptr);
  });
}

void TEvtTabCarreira::GerarIdeCarreira(const TIdeCarreira& Ide) {
  Gerador().wGrupo("ideCarreira");
  Gerador().wCampo(tcStr, "", "codCarreira", 1, 30, 1, Ide.codCarreira);
  Gerador().wCampo(tcStr, "", "iniValid", 7, 7, 1, Ide.iniValid);
  Gerador().wCampo(tcStr, "", "fimValid", 7, 7, 0, Ide.fimValid);
  Gerador().wGrupo("/ideCarreira");
}

void TEvtTabCarreira::GerarDadosCarreira(const TDadosCarreira& Dados) {
  Gerador().wGrupo("dadosCarreira");
  Gerador().wCampo(tcStr, "", "dscCarreira", 1, 100, 1, Dados.dscCarreira);
  Gerador().wCampo(tcStr, "", "leiCarr", 3, 12, 0, Dados.leiCarr);
  Gerador().wCampo(tcDat, "", "dtLeiCarr", 10, 10, 1, Dados.dtLeiCarr);
  Gerador().wCampo(tcStr, "", "sitCarr", 1, 1, 1, Dados.sitCarr);
  Gerador().wGrupo("/dadosCarreira");
}

}  // namespace esocial::s1035
