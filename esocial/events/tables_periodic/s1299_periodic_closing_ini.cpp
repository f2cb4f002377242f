// S-1299 INI reader.
#include "esocial/events/event_ini.h"
#include "esocial/events/tables_periodic/s1299_periodic_closing.h"

namespace esocial::s1299 {

bool TEvtFechaEvPer::LerArqIni(const std::string& AIniString) {
  TLeitorIniEvento ini(AIniString);
  ini.LerIdentificacao(*this, "evtFechaEvPer");
  ini.LerIdeEvento4(IdeEvento, true);
  ini.LerIdeEmpregador(IdeEmpregador, *this);

  if (!ini.Texto("ideRespInf", "nmResp").empty()) {
    IdeRespInf.nmResp = ini.Texto("ideRespInf", "nmResp");
    IdeRespInf.cpfResp = ini.Texto("ideRespInf", "cpfResp");
    IdeRespInf.telefone = ini.Texto("ideRespInf", "telefone");
    IdeRespInf.email = ini.Texto("ideRespInf", "email");
  }

  TInfoFech& f = InfoFech;
  f.evtRemun = ini.CodigoExato("infoFech", "evtRemun", "S", StrToSimNao);
  f.evtPgtos = ini.CodigoExato("infoFech", "evtPgtos", "S", StrToSimNao);
  f.evtAqProd = ini.CodigoExato("infoFech", "evtAqProd", "S", StrToSimNao);
  f.evtComProd = ini.CodigoExato("infoFech", "evtComProd", "S", StrToSimNao);
  f.evtContratAvNP = ini.CodigoExato("infoFech", "evtContratAvNP", "S", StrToSimNao);
  f.evtInfoComplPer = ini.CodigoExato("infoFech", "evtInfoComplPer", "S", StrToSimNao);
  f.compSemMovto = ini.Texto("infoFech", "compSemMovto");
  // Left out, a declaration is not made: neither the exclusion of the acquisitions nor the
  // switching off of a validation rule.
  f.indExcApur1250 = ini.CodigoExato("infoFech", "indExcApur1250", "", StrToSimNaoFacultativo);
  f.transDCTFWeb = ini.CodigoExato("infoFech", "transDCTFWeb", "N", StrToSimNaoFacultativo);
  f.naoValid = ini.CodigoExato("infoFech", "naoValid", "", StrToSimNaoFacultativo);
  return GerarEAtribuirXML(*this);
}

}  // namespace esocial::s1299
