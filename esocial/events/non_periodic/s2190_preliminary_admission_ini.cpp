// S-2190 INI reader.
#include "esocial/events/event_ini.h"
#include "esocial/events/non_periodic/s2190_preliminary_admission.h"

namespace esocial::s2190 {

// A code key that is absent is not informed: a required one goes out empty with its alert.
bool TEvtAdmPrelim::LerArqIni(const std::string& AIniString) {
  TLeitorIniEvento ini(AIniString);
  ini.LerIdentificacao(*this, "evtAdmPrelim");
  ini.LerIdeEvento2(IdeEvento);
  ini.LerIdeEmpregador(IdeEmpregador, *this);

  TInfoRegPrelim& info = InfoRegPrelim;
  info.cpfTrab = ini.Texto("infoRegPrelim", "cpfTrab");
  info.dtNascto = ini.Data("infoRegPrelim", "dtNascto");
  info.dtAdm = ini.Data("infoRegPrelim", "dtAdm");
  info.codCateg = ini.InteiroExato<int>("infoRegPrelim", "codCateg");
  info.matricula = ini.Texto("infoRegPrelim", "matricula");
  info.natAtividade = ini.CodigoEstrito("infoRegPrelim", "natAtividade", "", StrToNatAtividade, navNaoInformar);

  TinfoRegCTPS& ctps = info.infoRegCTPS;
  ctps.CBOCargo = ini.Texto("infoRegCTPS", "CBOCargo");
  ctps.vrSalFx = ini.DecimalEstrito("infoRegCTPS", "vrSalFx");
  ctps.undSalFixo = ini.CodigoEstrito("infoRegCTPS", "undSalFixo", "", StrToUndSalFixo);
  ctps.tpContr = ini.CodigoEstrito("infoRegCTPS", "tpContr", "", StrToTpContr);
  // The event's contracts are of a term, indeterminate or determinate: "4" is none of them.
  if (ctps.tpContr == PrazoNaoAplicavel)
    TLeitorIniEvento::ValorInvalido("infoRegCTPS", "tpContr", ini.Texto("infoRegCTPS", "tpContr"));
  ctps.dtTerm = ini.Data("infoRegCTPS", "dtTerm");
  return GerarEAtribuirXML(*this);
}

}  // namespace esocial::s2190
