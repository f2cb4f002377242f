#include "esocial/totalizers/s5503_reader.h"

namespace esocial::s5503 {

void TevtFGTSProcTrab::LerGrupos(const TLeituraTags& x) {
  totalizers::LerIdeEvento(x, ideEvento);
  totalizers::LerIdeEmpregador(x, ideEmpregador);
  if (x.Grupo(2, "ideProc")) {
    ideProc.origem = x.Codigo("origem", StrToOrigemProc);
    ideProc.nrProcTrab = x.Texto("nrProcTrab");
  }
  if (x.Grupo(2, "ideTrabalhador")) IdeTrabalhador.cpfTrab = x.Texto("cpfTrab");
  x.Lista(2, "infoTrabFGTS", [&] {
    auto& trab = infoTrabFGTS.New();
    trab.matricula = x.Texto("matricula");
    // Each basePerRef holds a codCateg too: the worker's own is the one before them.
    trab.codCateg = x.Inteiro("codCateg", "infoFGTSProcTrab");
    trab.categOrig = x.Inteiro("categOrig");
    if (!x.Grupo(3, "infoFGTSProcTrab")) return;
    TinfoFGTSProcTrab& info = trab.infoFGTSProcTrab;
    info.totalFGTS = x.Decimal("totalFGTS");
    if (!x.Grupo(4, "ideEstab")) return;
    info.ideEstab.tpInsc = x.Codigo("tpInsc", StrToTpInsc);
    info.ideEstab.nrInsc = x.Texto("nrInsc");
    x.Lista(5, "basePerRef", [&] {
      auto& base = info.ideEstab.basePerRef.New();
      base.perRef = x.Texto("perRef");
      base.codCateg = x.Inteiro("codCateg");
      base.tpValorProcTrab = x.Inteiro("tpValorProcTrab");
      base.remFGTSProcTrab = x.Decimal("remFGTSProcTrab");
      base.dpsFGTSProcTrab = x.Decimal("dpsFGTSProcTrab");
      base.remFGTSSefip = x.Decimal("remFGTSSefip");
      base.dpsFGTSSefip = x.Decimal("dpsFGTSSefip");
      base.remFGTSDecAnt = x.Decimal("remFGTSDecAnt");
      base.dpsFGTSDecAnt = x.Decimal("dpsFGTSDecAnt");
    });
  });
}

}  // namespace esocial::s5503
