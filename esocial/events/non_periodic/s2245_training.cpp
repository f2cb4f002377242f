// S-2245 writer.
#include "esocial/events/non_periodic/s2245_training.h"

#include "dfe/xml_writer.h"
#include "esocial/events/event_frame.h"

namespace esocial::s2245 {

using dfe::tcDat;
using dfe::tcDe2;
using dfe::tcStr;

bool TEvtTreiCap::GerarXML() {
  return GerarDocumentoeSocial(*this, "evtTreiCap", IdeEmpregador.NrInsc, [&] {
    GerarIdeEvento2(IdeEvento, true, true, false);
    GerarIdeEmpregador(IdeEmpregador);
    GerarIdeVinculo(IdeVinculo, true, false);
    dfe::TGerador& g = Gerador();
    g.wGrupo("treiCap");
    g.wCampo(tcStr, "", "codTreiCap", 4, 4, 1, treiCap.codTreiCap);
    g.wCampo(tcStr, "", "obsTreiCap", 2, 999, 0, treiCap.obsTreiCap);
    // Required by the layout: without its date the group goes out with the date's alert.
    const TInfoComplem& c = treiCap.infoComplem;
    g.wGrupo("infoComplem");
    g.wCampo(tcDat, "", "dtTreiCap", 10, 10, 1, c.dtTreiCap);
    g.wCampo(tcDe2, "", "durTreiCap", 1, 6, 0, c.durTreiCap);
    g.wCampo(tcStr, "", "modTreiCap", 1, 1, 0, ModTreiCapToStr(c.modTreiCap));
    g.wCampo(tcStr, "", "tpTreiCap", 1, 1, 0, TpTreiCapToStr(c.tpTreiCap));
    g.wCampo(tcStr, "", "indTreinAnt", 1, 1, 1, SimNaoToStr(c.indTreinAnt));
    for (int i = 0; i < c.ideProfResp.Count(); ++i) {
      const TIdeProfRespCollectionItem& prof = c.ideProfResp.GetItem(i);
      g.wGrupo("ideProfResp");
      g.wCampo(tcStr, "", "cpfProf", 11, 11, 0, prof.cpfProf);
      g.wCampo(tcStr, "", "nmProf", 2, 70, 1, prof.nmProf);
      g.wCampo(tcStr, "", "tpProf", 1, 1, 1, TpProfToStr(prof.tpProf));
      g.wCampo(tcStr, "", "formProf", 2, 255, 1, prof.formProf);
      g.wCampo(tcStr, "", "codCBO", 4, 6, 1, prof.codCBO);
      g.wCampo(tcStr, "", "nacProf", 1, 1, 1, NacProfToStr(prof.nacProf));
      g.wGrupo("/ideProfResp");
    }
    AlertarLimiteLista(
        "ideProfResp",
        "Lista de Informações relativas ao profissional responsável pelo treinamento/capacitação/exercício simulado",
        c.ideProfResp.Count(), 99);
    g.wGrupo("/infoComplem");
    g.wGrupo("/treiCap");
  });
}

}  // namespace esocial::s2245
