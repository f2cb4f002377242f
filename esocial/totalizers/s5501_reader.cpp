#include "esocial/totalizers/s5501_reader.h"

namespace esocial::s5501 {

void TEvtTribProcTrab::LerGrupos(const TLeituraTags& x) {
  totalizers::LerIdeEvento(x, ideEvento);
  totalizers::LerIdeEmpregador(x, ideEmpregador);
  if (!x.Grupo(2, "ideProc")) return;
  ideProc.nrProcTrab = x.Texto("nrProcTrab");
  ideProc.perApur = x.Texto("perApur");
  x.Lista(3, "infoTributos", [&] {
    auto& trib = ideProc.infoTributos().New();
    trib.perRef = x.Texto("perRef");
    x.Lista(4, "infoCRContrib", [&] {
      auto& cr = trib.infoCRContrib().New();
      cr.tpCR = x.Texto("tpCR");
      cr.vrCR = x.Decimal("vrCR");
    });
  });
  x.Lista(3, "infoCRIRRF", [&] {
    auto& cr = ideProc.infoCRIRRF().New();
    cr.tpCR = x.Texto("tpCR");
    cr.vrCR = x.Decimal("vrCR");
  });
}

}  // namespace esocial::s5501
