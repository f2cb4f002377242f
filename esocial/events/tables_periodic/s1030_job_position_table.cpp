// S-1030 writer.
#include "esocial/events/tables_periodic/s1030_job_position_table.h"

#include "esocial/events/event_frame.h"

namespace esocial::s1030 {

using dfe::tcDat;
using dfe::tcStr;

bool TEvtTabCargo::GerarXML() {
  return GerarDocumentoeSocial(*this, "evtTabCargo", IdeEmpregador.NrInsc, [&] {
    GerarIdeEvento(IdeEvento);
    GerarIdeEmpregador(IdeEmpregador);
    GerarCorpoTabela(
        *this, "infoCargo", ModoLancamento,
        [&] {
          const TIdeCargo& ide = InfoCargo.IdeCargo;
          Gerador().wGrupo("ideCargo");
          Gerador().wCampo(tcStr, "", "codCargo", 1, 30, 1, ide.CodCargo);
          Gerador().wCampo(tcStr, "", "iniValid", 7, 7, 1, ide.iniValid);
          Gerador().wCampo(tcStr, "", "fimValid", 7, 7, 0, ide.fimValid);
          Gerador().wGrupo("/ideCargo");
        },
        [&] { GerarDadosCargo(InfoCargo.DadosCargo()); },
        InfoCargo.novaValidadeInst() ? &InfoCargo.NovaValidade() : nullptr);
  });
}

void TEvtTabCargo::GerarDadosCargo(TDadosCargo& Dados) {
  Gerador().wGrupo("dadosCargo");
  Gerador().wCampo(tcStr, "", "nmCargo", 1, 100, 1, Dados.nmCargo);
  Gerador().wCampo(tcStr, "", "codCBO", 4, 6, 1, Dados.codCBO);
  if (Dados.cargoPublicInst()) {
    const TCargoPublico& publico = Dados.cargoPublico();
    Gerador().wGrupo("cargoPublico");
    Gerador().wCampo(tcStr, "", "acumCargo", 1, 1, 1, AcumCargoToStr(publico.acumCargo));
    Gerador().wCampo(tcStr, "", "contagemEsp", 1, 1, 1, ContagemEspToStr(publico.contagemEsp));
    Gerador().wCampo(tcStr, "", "dedicExcl", 1, 1, 1, SimNaoToStr(publico.dedicExcl));
    Gerador().wGrupo("leiCargo");
    Gerador().wCampo(tcStr, "", "nrLei", 1, 12, 1, publico.leiCargo.nrLei);
    Gerador().wCampo(tcDat, "", "dtLei", 10, 10, 1, publico.leiCargo.dtLei);
    Gerador().wCampo(tcStr, "", "sitCargo", 1, 1, 1, publico.leiCargo.sitCargo);
    Gerador().wGrupo("/leiCargo");
    Gerador().wGrupo("/cargoPublico");
  }
  Gerador().wGrupo("/dadosCargo");
}

}  // namespace esocial::s1030
