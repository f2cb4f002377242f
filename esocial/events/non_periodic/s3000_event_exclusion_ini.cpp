// S-3000 INI reader.
#include "esocial/events/event_ini.h"
#include "esocial/events/non_periodic/s3000_event_exclusion.h"

namespace esocial::s3000 {

bool TEvtExclusao::LerArqIni(const std::string& AIniString) {
  TLeitorIniEvento ini(AIniString);
  ini.LerIdentificacao(*this, "evtExclusao");
  ini.LerIdeEvento(IdeEvento);
  ini.LerIdeEmpregador(IdeEmpregador, *this);

  TInfoExclusao& info = InfoExclusao;
  info.tpEvento = ini.TipoEvento("infoExclusao", "tpEvento");
  info.nrRecEvt = ini.Texto("infoExclusao", "nrRecEvt");
  info.IdeTrabalhador.cpfTrab = ini.Texto("ideTrabalhador", "cpfTrab");
  info.IdeTrabalhador.nisTrab = ini.Texto("ideTrabalhador", "nisTrab");
  if (ComPeriodoEIndicador(info.tpEvento))
    info.IdeFolhaPagto.indApuracao = ini.CodigoEstrito("ideFolhaPagto", "indApuracao", "1", StrToIndApuracao);
  if (ComPeriodoEIndicador(info.tpEvento) || ComPeriodo(info.tpEvento))
    info.IdeFolhaPagto.perApur = ini.Texto("ideFolhaPagto", "perApur");
  return GerarEAtribuirXML(*this);
}

}  // namespace esocial::s3000
