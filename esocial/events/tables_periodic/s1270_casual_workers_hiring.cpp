// S-1270 writer.
#include "esocial/events/tables_periodic/s1270_casual_workers_hiring.h"

#include "esocial/events/event_frame.h"

namespace esocial::s1270 {

using dfe::tcDe2;
using dfe::tcInt;
using dfe::tcStr;

bool TEvtContratAvNP::GerarXML() {
  return GerarDocumentoeSocial(*this, "evtContratAvNP", IdeEmpregador.NrInsc, [&] {
    const bool s1 = VersaoDF() >= veS01_00_00;
    GerarIdeEvento3(IdeEvento, true, !s1, s1);
    GerarIdeEmpregador(IdeEmpregador);
    for (int i = 0; i < remunAvNp.Count(); ++i) {
      const TRemunAvNPItem& item = remunAvNp.GetItem(i);
      Gerador().wGrupo("remunAvNP");
      Gerador().wCampo(tcInt, "", "tpInsc", 1, 1, 1, TpInscToStr(item.tpInsc));
      Gerador().wCampo(tcStr, "", "nrInsc", s1 ? 12 : 8, 14, 1, item.nrInsc);
      Gerador().wCampo(tcStr, "", "codLotacao", 1, 30, 1, item.codLotacao);
      Gerador().wCampo(tcDe2, "", "vrBcCp00", 1, 14, 1, item.vrBcCp00);
      Gerador().wCampo(tcDe2, "", "vrBcCp15", 1, 14, 1, item.vrBcCp15);
      Gerador().wCampo(tcDe2, "", "vrBcCp20", 1, 14, 1, item.vrBcCp20);
      Gerador().wCampo(tcDe2, "", "vrBcCp25", 1, 14, 1, item.vrBcCp25);
      Gerador().wCampo(tcDe2, "", "vrBcCp13", 1, 14, 1, item.vrBcCp13);
      Gerador().wCampo(tcDe2, "", "vrBcFgts", 1, 14, 1, item.vrBcFgts);
      Gerador().wCampo(tcDe2, "", "vrDescCP", 1, 14, 1, item.vrDescCP);
      Gerador().wGrupo("/remunAvNP");
    }
    // The layout asks for one item at least.
    if (remunAvNp.Count() == 0) Gerador().wAlerta("", "remunAvNP", "Lista de Remuneração", "Nenhum valor informado");
    AlertarLimiteLista("remunAvNP", "Lista de Remuneração", remunAvNp.Count(), 999);
  });
}

}  // namespace esocial::s1270
