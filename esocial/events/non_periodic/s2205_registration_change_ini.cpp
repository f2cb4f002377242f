// S-2205 INI reader.
#include "esocial/events/event_ini.h"
#include "esocial/events/non_periodic/s2205_registration_change.h"

namespace esocial::s2205 {

bool TEvtAltCadastral::LerArqIni(const std::string& AIniString) {
  TLeitorIniEvento ini(AIniString);
  ini.LerIdentificacao(*this, "evtAltCadastral");
  ini.LerIdeEvento2(ideEvento);
  ini.LerIdeEmpregador(ideEmpregador, *this);
  ideTrabalhador.cpfTrab = ini.Texto("idetrabalhador", "cpfTrab");
  dtAlteracao = ini.Data("alteracao", "dtAlteracao");
  LerTrabalhadorIni(ini, "dadostrabalhador", trabalhador);
  trabalhador.PaisNac = ini.Texto("dadostrabalhador", "paisNac");
  return GerarEAtribuirXML(*this);
}

}  // namespace esocial::s2205
