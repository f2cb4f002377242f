// S-1295 INI reader.
#include "esocial/events/event_ini.h"
#include "esocial/events/tables_periodic/s1295_contingency_totalisation.h"

namespace esocial::s1295 {

bool TEvtTotConting::LerArqIni(const std::string& AIniString) {
  TLeitorIniEvento ini(AIniString);
  ini.LerIdentificacao(*this, "evtTotConting");
  ini.LerIdeEvento4(IdeEvento, false);
  ini.LerIdeEmpregador(IdeEmpregador, *this);
  ini.LerIdeRespInf(IdeRespInf);
  return GerarEAtribuirXML(*this);
}

}  // namespace esocial::s1295
