// S-2420 INI reader.
#include "esocial/events/event_ini.h"
#include "esocial/events/non_periodic/s2420_benefit_termination.h"

namespace esocial::s2420 {

bool TEvtCdBenTerm::LerArqIni(const std::string& AIniString) {
  TLeitorIniEvento ini(AIniString);
  ini.LerIdentificacao(*this, "evtCdBenTerm");
  ini.LerIdeEvento2(ideEvento);
  ini.LerIdeEmpregador(ideEmpregador, *this, false);
  ideBeneficio.cpfBenef = ini.Texto("ideBeneficio", "cpfBenef");
  ideBeneficio.nrBeneficio = ini.Texto("ideBeneficio", "nrBeneficio");
  infoBenTermino.dtTermBeneficio = ini.Data("infoBenTermino", "dtTermBeneficio");
  // Exact: "9" is no reason ("09" is).
  infoBenTermino.mtvTermino = StrToMotCessBenef(ini.Texto("infoBenTermino", "mtvTermino"));
  infoBenTermino.cnpjOrgaoSuc = ini.Texto("infoBenTermino", "cnpjOrgaoSuc");
  infoBenTermino.novoCPF = ini.Texto("infoBenTermino", "novoCPF");
  return GerarEAtribuirXML(*this);
}

}  // namespace esocial::s2420
