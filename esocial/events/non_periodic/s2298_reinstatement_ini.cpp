// S-2298 INI reader.
#include "esocial/events/event_ini.h"
#include "esocial/events/non_periodic/s2298_reinstatement.h"

namespace esocial::s2298 {

// A key that is absent is not informed: neither the kind, the law nor the payment in court is
// assumed.
bool TEvtReintegr::LerArqIni(const std::string& AIniString) {
  TLeitorIniEvento ini(AIniString);
  ini.LerIdentificacao(*this, "evtReintegr");
  ini.LerIdeEvento2(IdeEvento);
  ini.LerIdeEmpregador(IdeEmpregador, *this);
  ini.LerIdeVinculo(IdeVinculo, true, false);

  TInfoReintegr& info = InfoReintegr;
  info.tpReint = ini.CodigoEstrito("infoReintegr", "tpReint", "", StrToTpReint);
  info.nrProcJud = ini.Texto("infoReintegr", "nrProcJud");
  info.nrLeiAnistia = ini.Texto("infoReintegr", "nrLeiAnistia");
  info.dtEfetRetorno = ini.Data("infoReintegr", "dtEfetRetorno");
  info.dtEfeito = ini.Data("infoReintegr", "dtEfeito");
  info.indPagtoJuizo = ini.CodigoEstrito("infoReintegr", "indPagtoJuizo", "", StrToSimNao);
  return GerarEAtribuirXML(*this);
}

}  // namespace esocial::s2298
