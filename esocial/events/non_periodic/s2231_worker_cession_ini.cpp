// S-2231 INI reader.
#include "esocial/events/event_ini.h"
#include "esocial/events/non_periodic/s2231_worker_cession.h"

namespace esocial::s2231 {

// Each group is read when any of its keys is given; what is not given is not informed.
bool TEvtCessao::LerArqIni(const std::string& AIniString) {
  TLeitorIniEvento ini(AIniString);
  ini.LerIdentificacao(*this, "evtCessao");
  ini.LerIdeEvento2(IdeEvento);
  ini.LerIdeEmpregador(IdeEmpregador, *this, false);
  ini.LerIdeVinculo(IdeVinculo, false, false);

  if (ini.AlgumaChave("iniCessao", {"dtIniCessao", "cnpjCess", "respRemun"})) {
    TIniCessao& inicio = InfoCessao.iniCessao();
    inicio.dtIniCessao = ini.Data("iniCessao", "dtIniCessao");
    inicio.cnpjCess = ini.Texto("iniCessao", "cnpjCess");
    inicio.respRemun = ini.CodigoEstrito("iniCessao", "respRemun", "", StrToSimNao);
  }
  if (ini.AlgumaChave("fimCessao", {"dtTermCessao"}))
    InfoCessao.fimCessao().dtTermCessao = ini.Data("fimCessao", "dtTermCessao");
  return GerarEAtribuirXML(*this);
}

}  // namespace esocial::s2231
