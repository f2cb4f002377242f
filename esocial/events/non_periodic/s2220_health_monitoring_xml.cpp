#include "esocial/events/event_xml.h"
#include "esocial/events/non_periodic/s2220_health_monitoring.h"

namespace esocial::s2220 {

// An absent resAso, ordExame or indResult keeps its value "not informed", so that the
// document is written again as it was read.
bool TevtMonit::LerXML() {
  TLeitorXmlEvento xml(XML());
  if (!xml.Grupo(1, "evtMonit")) return false;
  xml.LerIdentificacao(IdeEvento, IdeEmpregador, IdeVinculo);
  if (!xml.Grupo(2, "exMedOcup")) return true;

  exMedOcup.tpExameOcup = xml.Codigo("tpExameOcup", StrToTpExameOcup);
  if (xml.Grupo(3, "aso")) {
    TAso& aso = exMedOcup.Aso;
    aso.DtAso = xml.Data("dtAso");
    aso.ResAso = xml.Codigo("resAso", StrToResAso, raNaoInformado);
    for (int k = 1; xml.Grupo(4, "exame", k); ++k) {
      TExameCollectionItem& exame = aso.Exame.New();
      exame.DtExm = xml.Data("dtExm");
      exame.ProcRealizado = xml.Texto("procRealizado");
      exame.obsProc = xml.Texto("obsProc");
      exame.ordExame = xml.Codigo("ordExame", StrToOrdExame, orNaoInformado);
      exame.indResult = xml.Codigo("indResult", StrToIndResult, irNaoInformado);
    }
    if (xml.Grupo(4, "medico")) {
      aso.Medico.NmMed = xml.Texto("nmMed");
      aso.Medico.nrCRM = xml.Texto("nrCRM");
      aso.Medico.ufCRM = xml.Texto("ufCRM");
    }
  }
  if (xml.Grupo(3, "respMonit")) {
    TRespMonit& resp = exMedOcup.RespMonit;
    resp.cpfResp = xml.Texto("cpfResp");
    resp.nmResp = xml.Texto("nmResp");
    resp.nrCRM = xml.Texto("nrCRM");
    resp.ufCRM = xml.Texto("ufCRM");
  }
  return true;
}

}  // namespace esocial::s2220
