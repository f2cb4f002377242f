// S-1300 writer.
#include "esocial/events/tables_periodic/s1300_union_contribution.h"

#include "dfe/xml_writer.h"
#include "esocial/events/event_frame.h"

namespace esocial::s1300 {

using dfe::tcDe2;
using dfe::tcStr;

bool TEvtContrSindPatr::GerarXML() {
  return GerarDocumentoeSocial(*this, "evtContrSindPatr", IdeEmpregador.NrInsc, [&] {
    GerarIdeEvento3(IdeEvento, true, true, true);
    GerarIdeEmpregador(IdeEmpregador);
    dfe::TGerador& g = Gerador();
    // The layout requires one contribution at least.
    if (ContribSind.Count() == 0)
      g.wAlerta("", "contribSind", "Lista de Contribuição Sindical", "Nenhum valor informado");
    for (int i = 0; i < ContribSind.Count(); ++i) {
      const TContribSindItem& contrib = ContribSind.GetItem(i);
      g.wGrupo("contribSind");
      g.wCampo(tcStr, "", "cnpjSindic", 14, 14, 1, contrib.cnpjSindic);
      g.wCampo(tcStr, "", "tpContribSind", 1, 1, 1, contrib.tpContribSind);
      g.wCampo(tcDe2, "", "vlrContribSind", 1, 14, 1, contrib.vlrContribSind);
      g.wGrupo("/contribSind");
    }
    AlertarLimiteLista("contribSind", "Lista de Contribuição Sindical", ContribSind.Count(), 999);
  });
}

}  // namespace esocial::s1300
