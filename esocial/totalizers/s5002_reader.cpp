#include "esocial/totalizers/s5002_reader.h"

namespace esocial::s5002 {

namespace {

// Completos: the S-1.3 layout, which added the income and exemption totals around vlrCRMen.
void LerApuracaoMensal(const TLeituraTags& x, TApuracaoMensal& men, bool Completos) {
  men.CRMen = x.Texto("CRMen");
  if (Completos) {
    men.vlrRendTrib = x.Decimal("vlrRendTrib");
    men.vlrRendTrib13 = x.Decimal("vlrRendTrib13");
    men.vlrPrevOficial = x.Decimal("vlrPrevOficial");
    men.vlrPrevOficial13 = x.Decimal("vlrPrevOficial13");
  }
  men.vlrCRMen = x.Decimal("vlrCRMen");
  if (Completos) {
    men.vlrCR13Men = x.Decimal("vlrCR13Men");
    men.vlrParcIsenta65 = x.Decimal("vlrParcIsenta65");
    men.vlrParcIsenta65Dec = x.Decimal("vlrParcIsenta65Dec");
    men.vlrDiarias = x.Decimal("vlrDiarias");
    men.vlrAjudaCusto = x.Decimal("vlrAjudaCusto");
    men.vlrIndResContrato = x.Decimal("vlrIndResContrato");
    men.vlrAbonoPec = x.Decimal("vlrAbonoPec");
    men.vlrRendMoleGrave = x.Decimal("vlrRendMoleGrave");
    men.vlrRendMoleGrave13 = x.Decimal("vlrRendMoleGrave13");
    men.vlrAuxMoradia = x.Decimal("vlrAuxMoradia");
    men.vlrBolsaMedico = x.Decimal("vlrBolsaMedico");
    men.vlrBolsaMedico13 = x.Decimal("vlrBolsaMedico13");
    men.vlrJurosMora = x.Decimal("vlrJurosMora");
    men.vlrIsenOutros = x.Decimal("vlrIsenOutros");
    men.descRendimento = x.Texto("descRendimento");
  }
}

void LerDetReemb(const TLeituraTags& x, TDetReemb& det) {
  det.tpInsc = x.Codigo("tpInsc", StrToTpInsc);
  det.nrInsc = x.Texto("nrInsc");
  det.vlrReemb = x.Decimal("vlrReemb");
  det.vlrReembAnt = x.Decimal("vlrReembAnt");
}

}  // namespace

// The groups are looked for inside the root. The 2.x model is looked for anywhere in it:
// the government's replies carry infoDep and infoIrrf beside ideTrabalhador, not inside it.
void TEvtIrrfBenef::LerGrupos(const TLeituraTags& x) {
  const bool s1 = VersaoDF() >= veS01_00_00;
  if (x.Grupo(2, "ideEvento")) {
    IdeEvento.nrRecArqBase = x.Texto("nrRecArqBase");
    if (!s1) IdeEvento.IndApuracao = x.Codigo("IndApuracao", StrToIndApuracao);
    IdeEvento.perApur = x.Texto("perApur");
  }
  totalizers::LerIdeEmpregador(x, IdeEmpregador);
  if (x.Grupo(2, "ideTrabalhador")) {
    if (s1) {
      IdeTrabalhador.cpfBenef = x.Texto("cpfBenef");
      LerDmDev(x);
      if (VersaoDF() == veS01_03_00 && x.Grupo(3, "totInfoIR")) LerTotInfoIR(x);
      LerInfoIRComplem(x);
    } else {
      IdeTrabalhador.cpfTrab = x.Texto("cpfTrab");
    }
  }
  if (!s1) LerModelo2x(x);
}

void TEvtIrrfBenef::LerDmDev(const TLeituraTags& x) {
  const bool s12 = VersaoDF() >= veS01_02_00;
  const bool s13 = VersaoDF() == veS01_03_00;
  const bool susp = VersaoDF() == veS01_00_00 || VersaoDF() == veS01_01_00;
  x.Lista(3, "dmDev", [&] {
    auto& dm = IdeTrabalhador.dmDev().New();
    dm.perRef = x.Texto("perRef");
    dm.ideDmDev = x.Texto("ideDmDev");
    dm.tpPgto = x.Inteiro("tpPgto");
    dm.dtPgto = x.Data("dtPgto");
    dm.codCateg = x.Inteiro("codCateg");
    x.Lista(4, "infoIR", [&] {
      auto& ir = dm.infoIR().New();
      ir.tpInfoIR = x.Inteiro("tpInfoIR");
      ir.valor = x.Decimal("valor");
      ir.descRendimento = x.Texto("descRendimento");
      if (s12)
        x.Lista(5, "infoProcJudRub", [&] {
          auto& proc = ir.infoProcJudRub().New();
          proc.nrProc = x.Texto("nrProc");
          proc.ufVara = x.Texto("ufVara");
          proc.codMunic = x.Inteiro("codMunic");
          proc.idVara = x.Inteiro("idVara");
        });
    });
    x.Lista(4, "totApurMen", [&] {
      auto& men = dm.totApurMen().New();
      LerApuracaoMensal(x, men, s13);
      if (susp) men.vlrCRMenSusp = x.Decimal("vlrCRMenSusp");
    });
    x.Lista(4, "totApurDia", [&] {
      auto& dia = dm.totApurDia().New();
      dia.perApurDia = x.Inteiro("perApurDia");
      dia.CRDia = x.Texto("CRDia");
      if (s13) {
        dia.frmTribut = x.Inteiro("frmTribut");
        dia.paisResidExt = x.Inteiro("paisResidExt");
        dia.vlrPagoDia = x.Decimal("vlrPagoDia");
      }
      dia.vlrCRDia = x.Decimal("vlrCRDia");
      if (susp) dia.vlrCRDiaSusp = x.Decimal("vlrCRDiaSusp");
    });
    if (!s12) return;
    if (x.Grupo(4, "infoRRA")) {
      TInfoRRA& rra = dm.infoRRA();
      rra.tpProcRRA = x.Codigo("tpProcRRA", StrToTpProcRRA);
      rra.nrProcRRA = x.Texto("nrProcRRA");
      rra.descRRA = x.Texto("descRRA");
      rra.qtdMesesRRA = x.Decimal("qtdMesesRRA");
      if (x.Grupo(5, "despProcJud")) {
        rra.despProcJud().vlrDespCustas = x.Decimal("vlrDespCustas");
        rra.despProcJud().vlrDespAdvogados = x.Decimal("vlrDespAdvogados");
      }
      x.Lista(5, "ideAdv", [&] {
        auto& adv = rra.ideAdv().New();
        adv.tpInsc = x.Codigo("tpInsc", StrToTpInsc);
        adv.nrInsc = x.Texto("nrInsc");
        adv.vlrAdv = x.Decimal("vlrAdv");
      });
    }
    if (x.Grupo(4, "infoPgtoExt")) {
      TInfoPgtoExt& ext = dm.infoPgtoExt();
      ext.paisResidExt = x.Inteiro("paisResidExt");
      ext.indNIF = x.Codigo("indNIF", StrToIndNIF);
      ext.nifBenef = x.Texto("nifBenef");
      ext.frmTribut = x.Inteiro("frmTribut");
      if (x.Grupo(5, "endExt")) {
        ext.endExt.endDscLograd = x.Texto("endDscLograd");
        ext.endExt.endNrLograd = x.Texto("endNrLograd");
        ext.endExt.endComplem = x.Texto("endComplem");
        ext.endExt.endBairro = x.Texto("endBairro");
        ext.endExt.endCidade = x.Texto("endCidade");
        ext.endExt.endEstado = x.Texto("endEstado");
        ext.endExt.endCodPostal = x.Texto("endCodPostal");
        ext.endExt.telef = x.Texto("telef");
      }
    }
  });
}

void TEvtIrrfBenef::LerTotInfoIR(const TLeituraTags& x) {
  x.Lista(4, "consolidApurMen",
          [&] { LerApuracaoMensal(x, IdeTrabalhador.totInfoIR().consolidApurMen().New(), true); });
}

void TEvtIrrfBenef::LerInfoIRComplem(const TLeituraTags& x) {
  x.Lista(3, "infoIRComplem", [&] {
    auto& compl_ = IdeTrabalhador.infoIRComplem().New();
    compl_.dtLaudo = x.Data("dtLaudo");
    if (VersaoDF() == veS01_03_00 && x.Grupo(4, "perAnt")) {
      compl_.perAnt.perRefAjuste = x.Texto("perRefAjuste");
      compl_.perAnt.nrRec1210Orig = x.Texto("nrRec1210Orig");
    }
    x.Lista(4, "ideDep", [&] {
      auto& dep = compl_.ideDep().New();
      dep.cpfDep = x.Texto("cpfDep");
      dep.depIRRF = x.Codigo("depIRRF", StrToSimNaoFacultativo);
      dep.dtNascto = x.Data("dtNascto");
      dep.nome = x.Texto("nome");
      dep.tpDep = x.Codigo("tpDep", StrToTpDep);
      dep.descrDep = x.Texto("descrDep");
    });
    x.Lista(4, "infoIRCR", [&] { LerInfoIRCR(x, compl_.infoIRCR().New()); });
    x.Lista(4, "planSaude", [&] {
      auto& plano = compl_.planSaude().New();
      plano.cnpjOper = x.Texto("cnpjOper");
      plano.regANS = x.Texto("regANS");
      plano.vlrSaudeTit = x.Decimal("vlrSaudeTit");
      x.Lista(5, "infoDepSau", [&] {
        auto& dep = plano.infoDepSau().New();
        dep.cpfDep = x.Texto("cpfDep");
        dep.vlrSaudeDep = x.Decimal("vlrSaudeDep");
      });
    });
    x.Lista(4, "infoReembMed", [&] {
      auto& reemb = compl_.infoReembMed().New();
      reemb.indOrgReemb = x.Texto("indOrgReemb");
      reemb.cnpjOper = x.Texto("cnpjOper");
      reemb.regANS = x.Texto("regANS");
      x.Lista(5, "detReembTit", [&] { LerDetReemb(x, reemb.detReembTit().New()); });
      x.Lista(5, "infoReembDep", [&] {
        auto& dep = reemb.infoReembDep().New();
        dep.cpfBenef = x.Texto("cpfBenef");
        x.Lista(6, "detReembDep", [&] { LerDetReemb(x, dep.detReembDep().New()); });
      });
    });
  });
}

void TEvtIrrfBenef::LerInfoIRCR(const TLeituraTags& x, TinfoIRCRCollectionItem& cr) {
  cr.tpCR = x.Texto("tpCR");
  x.Lista(5, "dedDepen", [&] {
    auto& ded = cr.dedDepen().New();
    ded.tpRend = x.Inteiro("tpRend");
    ded.cpfDep = x.Texto("cpfDep");
    ded.vlrDedDep = x.Decimal("vlrDedDep");
  });
  x.Lista(5, "penAlim", [&] {
    auto& pen = cr.penAlim().New();
    pen.tpRend = x.Inteiro("tpRend");
    pen.cpfDep = x.Texto("cpfDep");
    pen.vlrDedPenAlim = x.Decimal("vlrDedPenAlim");
  });
  x.Lista(5, "previdCompl", [&] {
    auto& prev = cr.previdCompl().New();
    prev.tpPrev = x.Codigo("tpPrev", StrToTpPrev);
    prev.cnpjEntidPC = x.Texto("cnpjEntidPC");
    prev.vlrDedPC = x.Decimal("vlrDedPC");
    prev.vlrDedPC13 = x.Decimal("vlrDedPC13");
    prev.vlrPatrocFunp = x.Decimal("vlrPatrocFunp");
    prev.vlrPatrocFunp13 = x.Decimal("vlrPatrocFunp13");
  });
  x.Lista(5, "infoProcRet", [&] {
    auto& proc = cr.infoProcRet().New();
    proc.tpProcRet = x.Codigo("tpProcRet", StrToTpProcRet);
    proc.nrProcRet = x.Texto("nrProcRet");
    proc.codSusp = x.Leitor().rCampo(dfe::tcInt64, "codSusp").AsInt64();
    x.Lista(6, "infoValores", [&] {
      auto& val = proc.infoValores().New();
      val.indApuracao = x.Codigo("indApuracao", StrToIndApuracao);
      val.vlrNRetido = x.Decimal("vlrNRetido");
      val.vlrDepJud = x.Decimal("vlrDepJud");
      val.vlrCmpAnoCal = x.Decimal("vlrCmpAnoCal");
      val.vlrCmpAnoAnt = x.Decimal("vlrCmpAnoAnt");
      val.vlrRendSusp = x.Decimal("vlrRendSusp");
      x.Lista(7, "dedSusp", [&] {
        auto& ded = val.dedSusp().New();
        ded.indTpDeducao = x.Codigo("indTpDeducao", StrToIndTpDeducao);
        ded.vlrDedSusp = x.Decimal("vlrDedSusp");
        ded.cnpjEntidPC = x.Texto("cnpjEntidPC");
        ded.vlrPatrocFunp = x.Decimal("vlrPatrocFunp");
        x.Lista(8, "benefPen", [&] {
          auto& ben = ded.benefPen().New();
          ben.cpfDep = x.Texto("cpfDep");
          ben.vlrDepenSusp = x.Decimal("vlrDepenSusp");
        });
      });
    });
  });
}

void TEvtIrrfBenef::LerModelo2x(const TLeituraTags& x) {
  if (x.Grupo(2, "infoDep")) InfoDep.vrDedDep = x.Decimal("vrDedDep");
  x.Lista(2, "infoIrrf", [&] {
    auto& irrf = InfoIrrf.New();
    irrf.CodCateg = x.Inteiro("codCateg");
    irrf.indResBr = x.Texto("indResBr");
    x.Lista(3, "basesIrrf", [&] {
      auto& base = irrf.basesIrrf.New();
      base.tpValor = x.Inteiro("tpValor");
      base.valor = x.Decimal("valor");
    });
    x.Lista(3, "irrf", [&] {
      auto& ir = irrf.irrf.New();
      ir.tpCR = x.Texto("tpCR");
      ir.vrIrrfDesc = x.Decimal("vrIrrfDesc");
    });
    if (!x.Grupo(3, "idePgtoExt")) return;
    TidePgtoExt& ext = irrf.idePgtoExt;
    if (x.Grupo(4, "idePais")) {
      ext.idePais.codPais = x.Texto("codPais");
      ext.idePais.indNIF = x.Codigo("indNIF", StrToIndNIF);
      ext.idePais.nifBenef = x.Texto("nifBenef");
    }
    if (x.Grupo(4, "endExt")) {
      ext.endExt.dscLograd = x.Texto("dscLograd");
      ext.endExt.nrLograd = x.Texto("nrLograd");
      ext.endExt.complem = x.Texto("complem");
      ext.endExt.bairro = x.Texto("bairro");
      ext.endExt.nmCid = x.Texto("nmCid");
      ext.endExt.codPostal = x.Texto("codPostal");
    }
  });
}

}  // namespace esocial::s5002
