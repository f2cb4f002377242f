#include "esocial/totalizers/s5011_reader.h"

namespace esocial::s5011 {

namespace {

void LerBasesPorAliquota(const TLeituraTags& x, TBasesPorAliquota& bases) {
  bases.vrBcCp00 = x.Decimal("vrBcCp00");
  bases.vrBcCp15 = x.Decimal("vrBcCp15");
  bases.vrBcCp20 = x.Decimal("vrBcCp20");
  bases.vrBcCp25 = x.Decimal("vrBcCp25");
  bases.vrSuspBcCp00 = x.Decimal("vrSuspBcCp00");
  bases.vrSuspBcCp15 = x.Decimal("vrSuspBcCp15");
  bases.vrSuspBcCp20 = x.Decimal("vrSuspBcCp20");
  bases.vrSuspBcCp25 = x.Decimal("vrSuspBcCp25");
}

}  // namespace

void TEvtCS::LerGrupos(const TLeituraTags& x) {
  if (x.Grupo(2, "ideEvento")) {
    IdeEvento.IndApuracao = x.Codigo("IndApuracao", StrToIndApuracao);
    IdeEvento.perApur = x.Texto("perApur");
  }
  totalizers::LerIdeEmpregador(x, IdeEmpregador);
  if (!x.Grupo(2, "infoCS")) return;
  InfoCS.nrRecArqBase = x.Texto("nrRecArqBase");
  InfoCS.indExistInfo = x.Inteiro("indExistInfo");
  if (x.Grupo(3, "infoCPSeg")) {
    InfoCS.InfoCpSeg.vrDescCP = x.Decimal("vrDescCP");
    InfoCS.InfoCpSeg.vrCpSeg = x.Decimal("vrCpSeg");
  }
  if (x.Grupo(3, "infoContrib")) LerInfoContrib(x);
  x.Lista(3, "ideEstab", [&] { LerIdeEstab(x, InfoCS.ideEstab.New()); });
  x.Lista(3, "infoCRContrib", [&] {
    auto& cr = InfoCS.infoCRContrib.New();
    cr.tpCR = x.Texto("tpCR");
    cr.vrCR = x.Decimal("vrCR");
    cr.vrCRSusp = x.Decimal("vrCRSusp");
  });
}

void TEvtCS::LerInfoContrib(const TLeituraTags& x) {
  InfoCS.InfoContrib.classTrib = x.Texto("classTrib");
  if (!x.Grupo(4, "infoPJ")) return;
  TInfoPJ& pj = InfoCS.InfoContrib.infoPJ;
  pj.indCoop = x.Inteiro("indCoop");
  pj.indConstr = x.Inteiro("indConstr");
  pj.indSubstPatr = x.Inteiro("indSubstPatr");
  pj.percRedContrib = x.Decimal("percRedContrib");
  pj.percTransf = x.Codigo("percTransf", StrToPercTransf);
  if (VersaoDF() == veS01_03_00) pj.indTribFolhaPisPasep = x.Codigo("indTribFolhaPisPasep", StrToSimNaoFacultativo);
  if (x.Grupo(5, "infoAtConc")) {
    pj.infoAtConc.fatorMes = x.Decimal("fatorMes");
    pj.infoAtConc.fator13 = x.Decimal("fator13");
  }
}

// One ideEstab element, the current group at level 3.
void TEvtCS::LerIdeEstab(const TLeituraTags& x, TideEstabCollectionItem& estab) {
  estab.NrInsc = x.Texto("nrInsc");
  estab.TpInsc = x.Codigo("tpInsc", StrToTpInsc);
  if (x.Grupo(4, "infoEstab")) {
    TInfoEstab& info = estab.infoEstab;
    // The aliquot fields of infoEstab are optional and infoEstabRef has its own: the search
    // stops there.
    info.fap = x.Decimal("fap", "infoEstabRef");
    info.aliqRatAjust = x.Decimal("aliqRatAjust", "infoEstabRef");
    info.cnaePrep = x.Texto("cnaePrep");
    info.cnpjResp = x.Texto("cnpjResp");
    info.AliqRat = x.Codigo("AliqRat", StrToAliqRat, "infoEstabRef");
    if (x.Grupo(5, "infoEstabRef")) {
      info.infoEstabRef.aliqRat = x.Codigo("aliqRat", StrToAliqRat);
      info.infoEstabRef.fap = x.Decimal("fap");
      info.infoEstabRef.aliqRatAjust = x.Decimal("aliqRatAjust");
    }
    if (x.Grupo(5, "infoComplObra")) info.infoComplObra.indSubstPatrObra = x.Inteiro("indSubstPatrObra");
  }
  x.Lista(4, "ideLotacao", [&] { LerIdeLotacao(x, estab.ideLotacao.New()); });
  x.Lista(4, "basesAquis", [&] {
    auto& aquis = estab.basesAquis.New();
    aquis.vrSenarCalc = x.Decimal("vrSenarCalc");
    aquis.vrCPNRet = x.Decimal("vrCPNRet");
    aquis.vrRatDescPR = x.Decimal("vrRatDescPR");
    aquis.vrRatCalcPR = x.Decimal("vrRatCalcPR");
    aquis.vrCPDescPR = x.Decimal("vrCPDescPR");
    aquis.vrSenarDesc = x.Decimal("vrSenarDesc");
    aquis.vrSenarNRet = x.Decimal("vrSenarNRet");
    aquis.vrCPCalcPR = x.Decimal("vrCPCalcPR");
    aquis.vrRatNRet = x.Decimal("vrRatNRet");
    aquis.vlrAquis = x.Decimal("vlrAquis");
    aquis.indAquis = x.Inteiro("indAquis");
  });
  x.Lista(4, "basesComerc", [&] {
    auto& comerc = estab.basesComerc.New();
    comerc.vrCPSusp = x.Decimal("vrCPSusp");
    comerc.vrRatSusp = x.Decimal("vrRatSusp");
    comerc.vrSenarSusp = x.Decimal("vrSenarSusp");
    comerc.vrBcComPr = x.Decimal("vrBcComPr");
    comerc.indComerc = x.Inteiro("indComerc");
  });
  x.Lista(4, "infoCREstab", [&] {
    auto& cr = estab.infoCREstab.New();
    cr.vrSuspCR = x.Decimal("vrSuspCR");
    cr.vrCR = x.Decimal("vrCR");
    cr.tpCR = x.Texto("tpCR");
  });
  if (VersaoDF() == veS01_03_00 && x.Grupo(4, "basesPisPasep")) {
    estab.basesPisPasep.vrBcPisPasep = x.Decimal("vrBcPisPasep");
    estab.basesPisPasep.vrBcPisPasepSusp = x.Decimal("vrBcPisPasepSusp");
  }
}

// One ideLotacao element, the current group at level 4.
void TEvtCS::LerIdeLotacao(const TLeituraTags& x, TideLotacaoCollectionItem& lot) {
  const bool s1 = VersaoDF() >= veS01_00_00;
  lot.fpas = x.Inteiro("fpas");
  lot.codLotacao = x.Texto("codLotacao");
  lot.codTercs = x.Texto("codTercs");
  lot.codTercsSusp = x.Texto("codTercsSusp");
  x.Lista(5, "infoTercSusp", [&] { lot.infoTercSusp.New().codTerc = x.Texto("codTerc"); });
  const bool parcial = x.Grupo(5, "infoEmprParcial");
  if (parcial) {
    lot.InfoEmprParcial.tpInscContrat = x.Inteiro("tpInscContrat");
    lot.InfoEmprParcial.nrInscContrat = x.Texto("nrInscContrat");
    lot.InfoEmprParcial.tpInscProp = x.Inteiro("tpInscProp");
    lot.InfoEmprParcial.nrInscProp = x.Texto("nrInscProp");
    if (s1) lot.InfoEmprParcial.cnoObra = x.Texto("cnoObra");
  }
  // 2.x: the lotação's cnoObra is the one inside infoEmprParcial.
  if (!s1) lot.cnoObra = parcial ? x.Texto("cnoObra") : "";
  if (x.Grupo(5, "dadosOpPort")) {
    lot.dadosOpPort.fap = x.Decimal("fap");
    lot.dadosOpPort.aliqRatAjust = x.Decimal("aliqRatAjust");
    lot.dadosOpPort.cnpjOpPortuario = x.Texto("cnpjOpPortuario");
    lot.dadosOpPort.AliqRat = x.Codigo("AliqRat", StrToAliqRat);
  }
  x.Lista(5, "basesRemun", [&] {
    auto& remun = lot.basesremun.New();
    remun.indIncid = x.Inteiro("indIncid");
    remun.codCateg = x.Inteiro("codCateg");
    if (x.Grupo(6, "basesCp")) {
      TbasesCp& cp = remun.basesCp;
      LerBasesPorAliquota(x, cp);
      if (s1) {
        cp.vrBcCp00VA = x.Decimal("vrBcCp00VA");
        cp.vrBcCp15VA = x.Decimal("vrBcCp15VA");
        cp.vrBcCp20VA = x.Decimal("vrBcCp20VA");
        cp.vrBcCp25VA = x.Decimal("vrBcCp25VA");
        cp.vrSuspBcCp00VA = x.Decimal("vrSuspBcCp00VA");
        cp.vrSuspBcCp15VA = x.Decimal("vrSuspBcCp15VA");
        cp.vrSuspBcCp20VA = x.Decimal("vrSuspBcCp20VA");
        cp.vrSuspBcCp25VA = x.Decimal("vrSuspBcCp25VA");
      }
      cp.vrDescSest = x.Decimal("vrDescSest");
      cp.vrCalcSest = x.Decimal("vrCalcSest");
      cp.vrDescSenat = x.Decimal("vrDescSenat");
      cp.vrCalcSenat = x.Decimal("vrCalcSenat");
      cp.vrSalFam = x.Decimal("vrSalFam");
      cp.vrSalMat = x.Decimal("vrSalMat");
      if (!s1) cp.vrBcCpSM = x.Decimal("vrBcCpSM");
    }
    if (x.Grupo(6, "basesCp13")) LerBasesPorAliquota(x, remun.basesCp13);
  });
  if (x.Grupo(5, "basesAvNPort")) {
    TbasesAvNport& av = lot.basesAvNPort;
    av.vrBcCp25 = x.Decimal("vrBcCp25");
    av.vrBcCp15 = x.Decimal("vrBcCp15");
    av.vrBcCp00 = x.Decimal("vrBcCp00");
    av.vrBcCp20 = x.Decimal("vrBcCp20");
    av.vrBcCp13 = x.Decimal("vrBcCp13");
    av.vrDescCP = x.Decimal("vrDescCP");
    if (!s1) av.vrBcFgts = x.Decimal("vrBcFgts");
  }
  x.Lista(5, "infoSubstPatrOpPort",
          [&] { lot.infoSubstPatrOpPort.New().cnpjOpPortuario = x.Texto("cnpjOpPortuario"); });
}

}  // namespace esocial::s5011
