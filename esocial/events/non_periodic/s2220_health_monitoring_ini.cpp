#include "esocial/events/event_ini.h"
#include "esocial/events/non_periodic/s2220_health_monitoring.h"

namespace esocial::s2220 {

// A code key given without a text is a value not informed, which the writer leaves out; the
// conversion alone would make it the first value of its list.
bool TevtMonit::LerArqIni(const std::string& AIniString) {
  TLeitorIniEvento ini(AIniString);
  ini.LerIdentificacao(*this, "evtMonit");
  ini.LerIdeEvento2(IdeEvento);
  ini.LerIdeEmpregador(IdeEmpregador, *this);
  ini.LerIdeVinculo(IdeVinculo);

  TAso& aso = exMedOcup.Aso;
  aso.DtAso = ini.Data("aso", "dtAso");
  aso.ResAso = ini.Codigo("aso", "resAso", "1", StrToResAso, raNaoInformado);
  exMedOcup.tpExameOcup = ini.Codigo("exMedOcup", "tpExameOcup", "0", StrToTpExameOcup);

  ini.LerLista("exame", 2, "dtExm", [&](int, const std::string& secao, const std::string&) {
    TExameCollectionItem& exame = aso.Exame.New();
    exame.DtExm = ini.Data(secao, "dtExm");
    exame.ProcRealizado = ini.Texto(secao, "procRealizado");
    exame.obsProc = ini.Texto(secao, "obsProc");
    exame.ordExame = ini.Codigo(secao, "ordExame", "", StrToOrdExame, orNaoInformado);
    exame.indResult = ini.Codigo(secao, "indResult", "", StrToIndResult, irNaoInformado);
  });

  TRespMonit& resp = exMedOcup.RespMonit;
  resp.cpfResp = ini.Texto("respMonit", "cpfResp");
  resp.nmResp = ini.Texto("respMonit", "nmResp");
  resp.nrCRM = ini.Texto("respMonit", "nrCRM");
  resp.ufCRM = ini.Texto("respMonit", "ufCRM", "SP");

  TMedico& medico = aso.Medico;
  medico.cpfMed = ini.Texto("medico", "cpfMed");
  medico.nisMed = ini.Texto("medico", "nisMed");
  medico.NmMed = ini.Texto("medico", "nmMed");
  medico.nrCRM = ini.Texto("medico", "nrCRM");
  medico.ufCRM = ini.Texto("medico", "ufCRM", "SP");

  return GerarEAtribuirXML(*this);
}

}  // namespace esocial::s2220
