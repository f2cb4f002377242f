// S-2260 INI reader.
#include "esocial/events/event_ini.h"
#include "esocial/events/non_periodic/s2260_intermittent_work_call.h"

namespace esocial::s2260 {

bool TEvtConvInterm::LerArqIni(const std::string& AIniString) {
  TLeitorIniEvento ini(AIniString);
  ini.LerIdentificacao(*this, "evtConvInterm");
  ini.LerIdeEvento2(IdeEvento);
  ini.LerIdeEmpregador(IdeEmpregador, *this);
  ini.LerIdeVinculo(IdeVinculo, true, false);
  TInfoConvInterm& info = InfoConvInterm;
  info.codConv = ini.Texto("infoConvInterm", "codConv");
  info.dtInicio = ini.Data("infoConvInterm", "dtInicio");
  info.dtFim = ini.Data("infoConvInterm", "dtFim");
  info.dtPrevPgto = ini.Data("infoConvInterm", "dtPrevPgto");
  info.jornada.codHorContrat = ini.Texto("jornada", "codHorContrat");
  info.jornada.dscJornada = ini.Texto("jornada", "dscJornada");
  info.localTrab.indLocal = ini.Texto("localTrab", "indLocal");
  if (TemLogradouro(ini, "localTrabInterm")) {
    TBrasil& local = info.localTrab.localTrabInterm;
    local.TpLograd = ini.Texto("localTrabInterm", "tpLograd");
    local.DscLograd = ini.Texto("localTrabInterm", "dscLograd");
    local.NrLograd = ini.Texto("localTrabInterm", "nrLograd");
    local.Complemento = ini.Texto("localTrabInterm", "complem");
    local.Bairro = ini.Texto("localTrabInterm", "bairro");
    local.Cep = ini.Texto("localTrabInterm", "cep");
    local.CodMunic = ini.InteiroExato<int>("localTrabInterm", "codMunic");
    local.UF = ini.Texto("localTrabInterm", "uf", "SP");
  }
  return GerarEAtribuirXML(*this);
}

}  // namespace esocial::s2260
