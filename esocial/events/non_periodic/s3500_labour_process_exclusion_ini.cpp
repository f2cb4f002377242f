// S-3500 INI reader.
#include "esocial/events/event_ini.h"
#include "esocial/events/non_periodic/s3500_labour_process_exclusion.h"

namespace esocial::s3500 {

bool TEvtExcProcTrab::LerArqIni(const std::string& AIniString) {
  TLeitorIniEvento ini(AIniString);
  ini.LerIdentificacao(*this, "evtExcProcTrab");
  ini.LerIdeEvento(IdeEvento);
  ini.LerIdeEmpregador(IdeEmpregador, *this);

  InfoExclusao.tpEvento = ini.TipoEvento("infoExclusao", "tpEvento");
  InfoExclusao.nrRecEvt = ini.Texto("infoExclusao", "nrRecEvt");
  TIdeProcTrab& proc = InfoExclusao.ideProcTrab;
  proc.cpfTrab = ini.Texto("ideProcTrab", "cpfTrab");
  proc.nrProcTrab = ini.Texto("ideProcTrab", "nrProcTrab");
  proc.perApurPgto = ini.Texto("ideProcTrab", "perApurPgto");
  proc.ideSeqProc = ini.Inteiro("ideProcTrab", "ideSeqProc");
  return GerarEAtribuirXML(*this);
}

}  // namespace esocial::s3500
