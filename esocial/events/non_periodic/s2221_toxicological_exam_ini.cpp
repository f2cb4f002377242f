// S-2221 INI reader.
#include "esocial/events/event_ini.h"
#include "esocial/events/non_periodic/s2221_toxicological_exam.h"

namespace esocial::s2221 {

bool TEvtToxic::LerArqIni(const std::string& AIniString) {
  TLeitorIniEvento ini(AIniString);
  ini.LerIdentificacao(*this, "evtToxic");
  ini.LerIdeEvento2(IdeEvento);
  ini.LerIdeEmpregador(IdeEmpregador, *this);
  ini.LerIdeVinculo(IdeVinculo, true, false);

  TToxicologico& t = toxicologico;
  t.dtExame = ini.Data("toxicologico", "dtExame");
  t.cnpjLab = ini.Texto("toxicologico", "cnpjLab");
  t.codSeqExame = ini.Texto("toxicologico", "codSeqExame");
  t.nmMed = ini.Texto("toxicologico", "nmMed");
  t.nrCRM = ini.Texto("toxicologico", "nrCRM");
  t.ufCRM = ini.Texto("toxicologico", "ufCRM");
  // Not given is not informed: the 2.x layouts, which require it, have it written empty.
  t.indRecusa = ini.CodigoEstrito("toxicologico", "indRecusa", "", StrToSimNao);
  return GerarEAtribuirXML(*this);
}

}  // namespace esocial::s2221
