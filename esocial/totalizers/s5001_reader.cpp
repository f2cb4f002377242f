#include "esocial/totalizers/s5001_reader.h"

namespace esocial::s5001 {

void TEvtBasesTrab::LerGrupos(const TLeituraTags& x) {
  totalizers::LerIdeEvento(x, IdeEvento);
  totalizers::LerIdeEmpregador(x, IdeEmpregador);
  if (x.Grupo(2, "ideTrabalhador")) {
    IdeTrabalhador.cpfTrab = x.Texto("cpfTrab");
    if (VersaoDF() >= veS01_00_00 && x.Grupo(3, "infoCompl")) LerInfoCompl(x);
    x.Lista(3, "procJudTrab", [&] {
      auto& proc = IdeTrabalhador.procJudTrab.New();
      proc.nrProcJud = x.Texto("nrProcJud");
      proc.codSusp = x.Texto("codSusp");
    });
  }
  x.Lista(2, "infoCpCalc", [&] {
    auto& calc = InfoCpCalc.New();
    calc.tpCR = x.Texto("tpCR");
    calc.vrCpSeg = x.Decimal("vrCpSeg");
    calc.vrDescSeg = x.Decimal("vrDescSeg");
  });
  if (x.Grupo(2, "infoCp")) LerInfoCp(x);
  if (VersaoDF() == veS01_03_00 && x.Grupo(2, "infoPisPasep")) LerInfoPisPasep(x);
}

void TEvtBasesTrab::LerInfoCompl(const TLeituraTags& x) {
  TInfoCompl& compl_ = IdeTrabalhador.InfoCompl;
  if (x.Grupo(4, "sucessaoVinc")) {
    TSucessaoVinc& suc = compl_.sucessaoVinc();
    suc.tpInsc = x.Codigo("tpInsc", StrToTpInsc);
    suc.nrInsc = x.Texto("nrInsc");
    suc.matricAnt = x.Texto("matricAnt");
    suc.dtAdm = x.Data("dtAdm");
  }
  x.Lista(4, "infoInterm", [&] {
    auto& interm = compl_.infoInterm().New();
    interm.dia = x.Inteiro("dia");
    if (VersaoDF() == veS01_03_00) interm.hrsTrab = x.Texto("hrsTrab");
  });
  x.Lista(4, "infoComplCont", [&] {
    auto& cont = compl_.infoComplCont().New();
    cont.codCBO = x.Texto("codCBO");
    cont.natAtividade = x.Codigo("natAtividade", StrToNatAtividade);
    cont.qtdDiasTrab = x.Inteiro("qtdDiasTrab");
  });
}

void TEvtBasesTrab::LerInfoCp(const TLeituraTags& x) {
  InfoCp.classTrib = x.Codigo("classTrib", StrToClassTrib);
  x.Lista(3, "ideEstabLot", [&] {
    auto& estab = InfoCp.IdeEstabLot.New();
    estab.tpInsc = x.Codigo("tpInsc", StrToTpInsc);
    estab.nrInsc = x.Texto("nrInsc");
    estab.codLotacao = x.Texto("codLotacao");
    x.Lista(4, "infoCategIncid", [&] {
      auto& categ = estab.InfoCategIncid.New();
      categ.matricula = x.Texto("matricula");
      categ.codCateg = x.Inteiro("codCateg");
      categ.indSimples = x.Codigo("indSimples", StrToIndSimples);
      x.Lista(5, "infoBaseCS", [&] {
        auto& base = categ.InfoBaseCS.New();
        base.ind13 = x.Inteiro("ind13");
        base.tpValor = x.Inteiro("tpValor");
        base.valor = x.Decimal("valor");
      });
      x.Lista(5, "calcTerc", [&] {
        auto& terc = categ.CalcTerc.New();
        terc.tpCR = x.Inteiro("tpCR");
        terc.vrCsSegTerc = x.Decimal("vrCsSegTerc");
        terc.vrDescTerc = x.Decimal("vrDescTerc");
      });
      x.Lista(5, "infoPerRef", [&] {
        auto& per = categ.InfoPerRef.New();
        per.perRef = x.Texto("perRef");
        x.Lista(6, "ideADC", [&] {
          auto& adc = per.ideADC().New();
          adc.dtAcConv = x.Data("dtAcConv");
          adc.tpAcConv = x.Codigo("tpAcConv", StrToTpAcConv);
          adc.dsc = x.Texto("dsc");
          adc.remunSuc = x.Codigo("remunSuc", StrToSimNaoFacultativo);
        });
        x.Lista(6, "detInfoPerRef", [&] {
          auto& det = per.detInfoPerRef().New();
          det.ind13 = x.Inteiro("ind13");
          det.tpVrPerRef() = x.Inteiro("tpVrPerRef");
          det.vrPerRef = x.Decimal("vrPerRef");
        });
      });
    });
  });
}

void TEvtBasesTrab::LerInfoPisPasep(const TLeituraTags& x) {
  x.Lista(3, "ideEstab", [&] {
    auto& estab = infoPisPasep().ideEstab.New();
    estab.tpInsc = x.Codigo("tpInsc", StrToTpInsc);
    estab.nrInsc = x.Texto("nrInsc");
    x.Lista(4, "infoCategPisPasep", [&] {
      auto& categ = estab.infoCategPisPasep.New();
      categ.matricula = x.Texto("matricula");
      categ.codCateg = x.Inteiro("codCateg");
      x.Lista(5, "infoBasePisPasep", [&] {
        auto& base = categ.infoBasePisPasep().New();
        base.ind13 = x.Inteiro("ind13");
        // An unknown code raises and ends the reading: it has no first value to fall back on.
        base.tpValorPisPasep = StrToTpValorPisPasep(x.Texto("tpValorPisPasep"));
        base.valorPisPasep = x.Decimal("valorPisPasep");
      });
    });
  });
}

}  // namespace esocial::s5001
