// S-1299 INI reader.
#include "esocial/events/event_ini.h"
#include "esocial/events/tables_periodic/s1299_periodic_closing.h"

namespace esocial::s1299 {

bool TEvtFechaEvPer::LerArqIni(const std::string& AIniString) {
  TLeitorIniEvento ini(AIniString);
  ini.LerIdentificacao(*this, "evtFechaEvPer");
  ini.LerIdeEvento4(IdeEvento, true);
  ini.LerIdeEmpregador(IdeEmpregador, *this);

  ini.LerIdeRespInf(IdeRespInf);

  TInfoFech& f = InfoFech;
  f.evtRemun = ini.CodigoEstrito("infoFech", "evtRemun", "S", StrToSimNao);
  f.evtPgtos = ini.CodigoEstrito("infoFech", "evtPgtos", "S", StrToSimNao);
  f.evtAqProd = ini.CodigoEstrito("infoFech", "evtAqProd", "S", StrToSimNao);
  f.evtComProd = ini.CodigoEstrito("infoFech", "evtComProd", "S", StrToSimNao);
  f.evtContratAvNP = ini.CodigoEstrito("infoFech", "evtContratAvNP", "S", StrToSimNao);
  f.evtInfoComplPer = ini.CodigoEstrito("infoFech", "evtInfoComplPer", "S", StrToSimNao);
  f.compSemMovto = ini.Texto("infoFech", "compSemMovto");
  // Left out, a declaration is not made: neither the exclusion of the acquisitions nor the
  // switching off of a validation rule.
  f.indExcApur1250 = ini.CodigoEstrito("infoFech", "indExcApur1250", "", StrToSimNaoFacultativo);
  f.transDCTFWeb = ini.CodigoEstrito("infoFech", "transDCTFWeb", "N", StrToSimNaoFacultativo);
  f.naoValid = ini.CodigoEstrito("infoFech", "naoValid", "", StrToSimNaoFacultativo);
  return GerarEAtribuirXML(*this);
}

}  // namespace esocial::s1299
