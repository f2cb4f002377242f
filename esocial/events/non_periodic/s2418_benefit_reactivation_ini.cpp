// S-2418 INI reader.
#include "esocial/events/event_ini.h"
#include "esocial/events/non_periodic/s2418_benefit_reactivation.h"

namespace esocial::s2418 {

bool TEvtReativBen::LerArqIni(const std::string& AIniString) {
  TLeitorIniEvento ini(AIniString);
  ini.LerIdentificacao(*this, "evtReativBen");
  ini.LerIdeEvento2(ideEvento);
  ini.LerIdeEmpregador(ideEmpregador, *this, false);
  ideBeneficio.cpfBenef = ini.Texto("ideBeneficio", "cpfBenef");
  ideBeneficio.nrBeneficio = ini.Texto("ideBeneficio", "nrBeneficio");
  infoReativ.dtEfetReativ = ini.Data("infoReativ", "dtEfetReativ");
  infoReativ.dtEfeito = ini.Data("infoReativ", "dtEfeito");
  return GerarEAtribuirXML(*this);
}

}  // namespace esocial::s2418
