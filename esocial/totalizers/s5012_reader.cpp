#include "esocial/totalizers/s5012_reader.h"

namespace esocial::s5012 {

void TEvtIrrf::LerGrupos(const TLeituraTags& x) {
  totalizers::LerIdeEvento(x, IdeEvento);
  totalizers::LerIdeEmpregador(x, IdeEmpregador);
  // A document without infoIRRF has nothing more to read.
  if (!x.Grupo(2, "infoIRRF")) return;
  InfoIRRF.nrRecArqBase = x.Texto("nrRecArqBase");
  InfoIRRF.indExistInfo = x.Inteiro("indExistInfo");
  if (VersaoDF() <= ve02_05_00) {
    x.Lista(3, "infoCRContrib", [&] {
      auto& cr = InfoIRRF.InfoCRContrib.New();
      cr.tpCR = x.Texto("tpCR");
      cr.vrCR = x.Decimal("vrCR");
    });
  }
  // Layout S-1.00 has neither list.
  if (VersaoDF() < veS01_01_00) return;
  x.Lista(3, "infoCRMen", [&] {
    auto& men = InfoIRRF.InfoCRMen().New();
    men.CRMen = x.Texto("CRMen");
    men.vrCRMen = x.Decimal("vrCRMen");
    if (VersaoDF() == veS01_01_00) men.vrCRMenSusp = x.Decimal("vrCRMenSusp");
  });
  x.Lista(3, "infoCRDia", [&] {
    auto& dia = InfoIRRF.InfoCRDia().New();
    dia.perApurDia = x.Inteiro("perApurDia");
    dia.CRDia = x.Texto("CRDia");
    dia.vrCRDia = x.Decimal("vrCRDia");
    if (VersaoDF() == veS01_01_00) dia.vrCRDiaSusp = x.Decimal("vrCRDiaSusp");
  });
}

}  // namespace esocial::s5012
