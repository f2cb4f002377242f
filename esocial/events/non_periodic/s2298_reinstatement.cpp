// S-2298 writer.
#include "esocial/events/non_periodic/s2298_reinstatement.h"

#include "dfe/xml_writer.h"
#include "esocial/events/event_frame.h"

namespace esocial::s2298 {

using dfe::tcDat;
using dfe::tcStr;

bool TEvtReintegr::GerarXML() {
  return GerarDocumentoeSocial(*this, "evtReintegr", IdeEmpregador.NrInsc, [&] {
    GerarIdeEvento2(IdeEvento, true, true, false);
    GerarIdeEmpregador(IdeEmpregador);
    // No layout has the category here: the registration number is required.
    GerarIdeVinculo(IdeVinculo, false, false);
    dfe::TGerador& g = Gerador();
    const TInfoReintegr& info = InfoReintegr;
    g.wGrupo("infoReintegr");
    // The revision of a military retirement is a kind from S-1.02 on.
    if (info.tpReint == trRevisaoReformaMilitar && VersaoDF() < veS01_02_00) AlertarCodigoForaDoLeiaute("tpReint");
    g.wCampo(tcStr, "", "tpReint", 1, 1, 1, TpReintToStr(info.tpReint));
    // The process and the law are required of their kinds: one left out goes out empty with its
    // alert.
    if (info.tpReint == trReintegracaoDecisaoJudicial) g.wCampo(tcStr, "", "nrProcJud", 20, 20, 1, info.nrProcJud);
    if (info.tpReint == trReintegracaoAnistiaLegal) g.wCampo(tcStr, "", "nrLeiAnistia", 5, 13, 1, info.nrLeiAnistia);
    g.wCampo(tcDat, "", "dtEfetRetorno", 10, 10, 1, info.dtEfetRetorno);
    g.wCampo(tcDat, "", "dtEfeito", 10, 10, 1, info.dtEfeito);
    if (VersaoDF() <= ve02_05_00) g.wCampo(tcStr, "", "indPagtoJuizo", 1, 1, 1, SimNaoToStr(info.indPagtoJuizo));
    g.wGrupo("/infoReintegr");
  });
}

}  // namespace esocial::s2298
