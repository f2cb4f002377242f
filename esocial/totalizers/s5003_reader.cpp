#include "esocial/totalizers/s5003_reader.h"

#include "platform/variant.h"

namespace esocial::s5003 {

namespace {

// The detRubrSusp list of a base (current group at level Nivel - 1), each item with its
// processes one level below.
template <class TBase>
void LerDetRubrSusp(const TLeituraTags& x, int Nivel, TBase& base) {
  x.Lista(Nivel, "detRubrSusp", [&] {
    auto& det = base.detRubrSusp().New();
    det.codRubr = x.Texto("codRubr");
    det.ideTabRubr = x.Texto("ideTabRubr");
    det.vrRubr = x.Decimal("vrRubr");
    x.Lista(Nivel + 1, "ideProcessoFGTS", [&] { det.ideProcessoFGTS().New().nrProc = x.Texto("nrProc"); });
  });
}

// The lotação types whose inscription is that of a third party (2 to 9).
bool TemInscricao(const std::string& tpLotacao) {
  if (tpLotacao.empty()) return false;
  // A text that is not a whole number raises and ends the reading.
  const int tipo = platform::Variant(tpLotacao).AsInteger();
  return tipo >= 2 && tipo <= 9;
}

}  // namespace

void TEvtBasesFGTS::LerGrupos(const TLeituraTags& x) {
  const bool s1 = VersaoDF() >= veS01_00_00;
  totalizers::LerIdeEvento(x, IdeEvento);
  totalizers::LerIdeEmpregador(x, IdeEmpregador);
  if (x.Grupo(2, "ideTrabalhador")) {
    IdeTrabalhador.cpfTrab = x.Texto("cpfTrab");
    if (!s1) IdeTrabalhador.nisTrab = x.Texto("nisTrab");
  }
  if (!x.Grupo(2, "infoFGTS")) return;
  infoFGTS.dtVenc = x.Data("dtVenc");
  // The shape follows the namespace's version alone; the other shape's elements are not
  // looked for.
  if (s1) {
    infoFGTS.classTrib = x.Codigo("classTrib", StrToClassTrib);
    LerFormatoS1(x);
  } else {
    LerFormato2x(x);
  }
}

void TEvtBasesFGTS::LerFormato2x(const TLeituraTags& x) {
  x.Lista(3, "ideEstabLot", [&] {
    auto& estab = infoFGTS.IdeEstabLot().New();
    estab.tpInsc = x.Codigo("tpInsc", StrToTpInsc);
    estab.nrInsc = x.Texto("nrInsc");
    estab.codLotacao = x.Texto("codLotacao");
    x.Lista(4, "infoTrabFGTS", [&] {
      auto& trab = estab.InfoTrabFGTS().New();
      LerCamposTrabalhador(x, trab);
      // Directly under the worker or inside an infoBaseFGTS wrapper alike.
      x.Lista(5, "basePerApur", [&] {
        auto& base = trab.InfoBaseFGTS.basePerApur().New();
        base.tpValor = x.Inteiro("tpValor");
        base.remFGTS = x.Decimal("remFGTS");
      });
    });
  });
  // The workers of every infoDpsFGTS go to one list, in document order.
  x.Lista(3, "infoDpsFGTS", [&] {
    x.Lista(4, "infoTrabDps", [&] {
      auto& trab = infoFGTS.infoDpsFGTS().infoTrabDps().New();
      trab.matricula = x.Texto("matricula");
      trab.codCateg = x.Inteiro("codCateg");
      x.Lista(5, "dpsPerApur", [&] {
        auto& dps = trab.dpsPerApur().New();
        dps.tpDps = x.Inteiro("tpDps");
        dps.dpsFGTS = x.Decimal("dpsFGTS");
      });
    });
  });
}

// An establishment's or lotação's own inscription is optional, and a worker's sucessaoVinc
// (or a lotação) below it has one: the search stops at the child.
void TEvtBasesFGTS::LerFormatoS1(const TLeituraTags& x) {
  x.Lista(3, "ideEstab", [&] {
    auto& estab = infoFGTS.IdeEstab().New();
    estab.tpInsc = x.Codigo("tpInsc", StrToTpInsc, "ideLotacao");
    estab.nrInsc = x.Texto("nrInsc", "ideLotacao");
    x.Lista(4, "ideLotacao", [&] {
      auto& lot = estab.ideLotacao().New();
      lot.codLotacao = x.Texto("codLotacao");
      lot.tpLotacao = x.Texto("tpLotacao");
      if (TemInscricao(lot.tpLotacao)) {
        lot.tpInsc = x.Codigo("tpInsc", StrToTpInsc, "infoTrabFGTS");
        lot.nrInsc = x.Texto("nrInsc", "infoTrabFGTS");
      }
      x.Lista(5, "infoTrabFGTS", [&] { LerTrabalhadorS1(x, lot.infoTrabFGTS().New()); });
    });
  });
}

// A worker's own fields, in either shape.
void TEvtBasesFGTS::LerCamposTrabalhador(const TLeituraTags& x, TInfoTrabFGTSCollectionItem& trab) {
  const bool s1 = VersaoDF() >= veS01_00_00;
  trab.matricula = x.Texto("matricula");
  trab.codCateg = x.Inteiro("codCateg");
  if (s1) {
    trab.categOrig = x.Inteiro("categOrig");
    trab.tpRegTrab = x.Codigo("tpRegTrab", StrToTpRegTrab);
    trab.remunSuc = x.Codigo("remunSuc", StrToSimNaoFacultativo);
  } else {
    trab.dtAdm = x.Data("dtAdm");
  }
  trab.dtDeslig = x.Data("dtDeslig");
  if (!s1) trab.dtInicio = x.Data("dtInicio");
  trab.mtvDeslig = x.Texto("mtvDeslig");
  trab.dtTerm = x.Data("dtTerm");
  trab.mtvDesligTSV = x.Texto("mtvDesligTSV");
}

void TEvtBasesFGTS::LerTrabalhadorS1(const TLeituraTags& x, TInfoTrabFGTSCollectionItem& trab) {
  LerCamposTrabalhador(x, trab);
  if (x.Grupo(6, "sucessaoVinc")) {
    trab.sucessaoVinc.tpInsc = x.Codigo("tpInsc", StrToTpInsc);
    trab.sucessaoVinc.nrInsc = x.Texto("nrInsc");
    trab.sucessaoVinc.matricAnt = x.Texto("matricAnt");
    trab.sucessaoVinc.dtAdm = x.Data("dtAdm");
  }
  if (x.Grupo(6, "infoBaseFGTS")) {
    TInfoBaseFGTS& bases = trab.InfoBaseFGTS;
    x.Lista(7, "basePerApur", [&] {
      auto& base = bases.basePerApur().New();
      base.tpValor = x.Inteiro("tpValor");
      base.indIncid = x.Inteiro("indIncid");
      base.remFGTS = x.Decimal("remFGTS");
      base.dpsFGTS = x.Decimal("dpsFGTS");
      LerDetRubrSusp(x, 8, base);
    });
    x.Lista(7, "infoBasePerAntE", [&] {
      auto& ant = bases.infoBasePerAntE().New();
      ant.perRef = x.Texto("perRef");
      ant.tpAcConv = x.Texto("tpAcConv");
      x.Lista(8, "basePerAntE", [&] {
        auto& base = ant.basePerAntE().New();
        base.tpValorE = x.Inteiro("tpValorE");
        base.indIncidE = x.Inteiro("indIncidE");
        base.remFGTSE = x.Decimal("remFGTSE");
        base.dpsFGTSE = x.Decimal("dpsFGTSE");
        LerDetRubrSusp(x, 9, base);
      });
    });
  }
  // A sibling of infoBaseFGTS: read whether or not the worker has bases.
  if (x.Grupo(6, "procCS")) trab.ProcCS.nrProcJud = x.Texto("nrProcJud");
  x.Lista(6, "eConsignado", [&] {
    auto& consig = trab.eConsignado.New();
    consig.instFinanc = x.Texto("instFinanc");
    consig.nrContrato = x.Texto("nrContrato");
    consig.vreConsignado = x.Decimal("vreConsignado");
  });
}

}  // namespace esocial::s5003
