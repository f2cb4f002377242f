// S-2250 INI reader.
#include "esocial/events/event_ini.h"
#include "esocial/events/non_periodic/s2250_prior_notice.h"

namespace esocial::s2250 {

// Both sections are read whole: the writer tells by their values which one the event carries.
bool TEvtAvPrevio::LerArqIni(const std::string& AIniString) {
  TLeitorIniEvento ini(AIniString);
  ini.LerIdentificacao(*this, "evtAvPrevio");
  ini.LerIdeEvento2(IdeEvento);
  ini.LerIdeEmpregador(IdeEmpregador, *this);
  ini.LerIdeVinculo(IdeVinculo, true, false);
  TDetAvPrevio& det = InfoAvPrevio.DetAvPrevio;
  det.dtAvPrv = ini.Data("detAvPrevio", "dtAvPrv");
  det.dtPrevDeslig = ini.Data("detAvPrevio", "dtPrevDeslig");
  det.tpAvPrevio = ini.Texto("detAvPrevio", "tpAvPrevio");
  det.observacao = ini.Texto("detAvPrevio", "observacao");
  TCancAvPrevio& canc = InfoAvPrevio.CancAvPrevio;
  canc.dtCancAvPrv = ini.Data("cancAvPrevio", "dtCancAvPrv");
  canc.observacao = ini.Texto("cancAvPrevio", "observacao");
  canc.mtvCancAvPrevio = ini.Texto("cancAvPrevio", "mtvCancAvPrevio");
  return GerarEAtribuirXML(*this);
}

}  // namespace esocial::s2250
