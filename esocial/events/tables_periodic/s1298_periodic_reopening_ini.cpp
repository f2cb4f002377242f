// S-1298 INI reader.
#include "esocial/events/event_ini.h"
#include "esocial/events/tables_periodic/s1298_periodic_reopening.h"

namespace esocial::s1298 {

bool TEvtReabreEvPer::LerArqIni(const std::string& AIniString) {
  TLeitorIniEvento ini(AIniString);
  ini.LerIdentificacao(*this, "evtReabreEvPer");
  ini.LerIdeEvento4(IdeEvento, true);
  ini.LerIdeEmpregador(IdeEmpregador, *this);
  return GerarEAtribuirXML(*this);
}

}  // namespace esocial::s1298
