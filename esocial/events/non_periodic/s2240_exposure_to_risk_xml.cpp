#include "esocial/events/event_xml.h"
#include "esocial/events/non_periodic/s2240_exposure_to_risk.h"

namespace esocial::s2240 {

bool TEvtExpRisco::LerXML() {
  TLeitorXmlEvento xml(XML());
  if (!xml.Grupo(1, "evtExpRisco")) return false;
  xml.LerIdentificacao(IdeEvento, IdeEmpregador, IdeVinculo);
  if (!xml.Grupo(2, "infoExpRisco")) return true;

  // The end date is kept whatever the start date; the writer decides whether it goes out.
  infoExpRisco.dtIniCondicao = xml.Data("dtIniCondicao");
  infoExpRisco.dtFimCondicao = xml.Data("dtFimCondicao");
  for (int k = 1; xml.Grupo(3, "infoAmb", k); ++k) {
    TInfoAmbCollectionItem& amb = infoExpRisco.InfoAmb.New();
    amb.localAmb = xml.Codigo("localAmb", StrToLocalAmb);
    amb.dscSetor = xml.Texto("dscSetor");
    amb.tpInsc = xml.Codigo("tpInsc", StrToTpInsc);
    amb.nrInsc = xml.Texto("nrInsc");
  }
  if (xml.Grupo(3, "infoAtiv")) infoExpRisco.infoAtiv.dscAtivDes = xml.Texto("dscAtivDes");

  for (int k = 1; xml.Grupo(3, "agNoc", k); ++k) {
    TAgNocCollectionItem& ag = infoExpRisco.agNoc.New();
    ag.codAgNoc = xml.Texto("codAgNoc");
    ag.dscAgNoc = xml.Texto("dscAgNoc");
    ag.tpAval = xml.Codigo("tpAval", StrToTpAval);
    ag.intConc = xml.Decimal("intConc");
    ag.limTol = xml.Decimal("limTol");
    ag.unMed = xml.Inteiro("unMed");
    ag.tecMedicao = xml.Texto("tecMedicao");
    ag.nrProcJud = xml.Texto("nrProcJud");
    if (!xml.Grupo(4, "epcEpi")) continue;
    TEpcEpi& epcEpi = ag.epcEpi;
    epcEpi.utilizEPC = xml.Codigo("utilizEPC", StrToUtilizEPC);
    epcEpi.eficEpc = xml.Codigo("eficEpc", StrToSimNao);
    epcEpi.utilizEPI = xml.Codigo("utilizEPI", StrToUtilizEPI);
    epcEpi.eficEpi = xml.Codigo("eficEpi", StrToSimNaoFacultativo);
    for (int m = 1; xml.Grupo(5, "epi", m); ++m) {
      TEpiCollectionItem& epi = epcEpi.epi().New();
      epi.docAval = xml.Texto("docAval");
      epi.dscEPI = xml.Texto("dscEPI");
    }
    if (!xml.Grupo(5, "epiCompl")) continue;
    epcEpi.epiCompl.medProtecao = xml.Codigo("medProtecao", StrToSimNaoFacultativo);
    epcEpi.epiCompl.condFuncto = xml.Codigo("condFuncto", StrToSimNaoFacultativo);
    epcEpi.epiCompl.usoInint = xml.Codigo("usoInint", StrToSimNaoFacultativo);
    epcEpi.epiCompl.przValid = xml.Codigo("przValid", StrToSimNaoFacultativo);
    epcEpi.epiCompl.periodicTroca = xml.Codigo("periodicTroca", StrToSimNaoFacultativo);
    epcEpi.epiCompl.higienizacao = xml.Codigo("higienizacao", StrToSimNaoFacultativo);
  }

  for (int k = 1; xml.Grupo(3, "respReg", k); ++k) {
    TRespRegCollectionItem& resp = infoExpRisco.respReg.New();
    resp.cpfResp = xml.Texto("cpfResp");
    resp.ideOC = IdeOCDoResponsavel(xml.Texto("ideOC"));
    resp.dscOC = xml.Texto("dscOC");
    resp.nrOC = xml.Texto("nrOC");
    resp.ufOC = xml.Texto("ufOC");
  }
  if (xml.Grupo(3, "obs")) infoExpRisco.obs.obsCompl = xml.Texto("obsCompl");
  return true;
}

}  // namespace esocial::s2240
