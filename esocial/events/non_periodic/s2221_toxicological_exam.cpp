// S-2221 writer.
#include "esocial/events/non_periodic/s2221_toxicological_exam.h"

#include "dfe/xml_writer.h"
#include "esocial/events/event_frame.h"

namespace esocial::s2221 {

using dfe::tcDat;
using dfe::tcStr;

bool TEvtToxic::GerarXML() {
  return GerarDocumentoeSocial(*this, "evtToxic", IdeEmpregador.NrInsc, [&] {
    const bool ate25 = VersaoDF() <= ve02_05_00;
    GerarIdeEvento2(IdeEvento, true, true, false);
    GerarIdeEmpregador(IdeEmpregador);
    // Only the 2.x bond carries the category; from S-1.02 the registration number is required.
    GerarIdeVinculo(IdeVinculo, ate25, false);
    dfe::TGerador& g = Gerador();
    const TToxicologico& t = toxicologico;
    // The laboratory, the exam and the physician are required from S-1.02 on.
    const int ocorrencia = VersaoDF() >= veS01_02_00 ? 1 : 0;
    g.wGrupo("toxicologico");
    g.wCampo(tcDat, "", "dtExame", 10, 10, 1, t.dtExame);
    g.wCampo(tcStr, "", "cnpjLab", 14, 14, ocorrencia, t.cnpjLab);
    g.wCampo(tcStr, "", "codSeqExame", 11, 11, ocorrencia, t.codSeqExame);
    g.wCampo(tcStr, "", "nmMed", 2, 70, ocorrencia, t.nmMed);
    g.wCampo(tcStr, "", "nrCRM", 1, VersaoDF() >= veS01_02_00 ? 10 : 8, 0, t.nrCRM);
    g.wCampo(tcStr, "", "ufCRM", 2, 2, 0, t.ufCRM);
    if (ate25) g.wCampo(tcStr, "", "indRecusa", 1, 1, 1, SimNaoToStr(t.indRecusa));
    g.wGrupo("/toxicologico");
  });
}

}  // namespace esocial::s2221
