// S-2416 INI reader.
#include "esocial/events/event_ini.h"
#include "esocial/events/non_periodic/s2416_benefit_change.h"

namespace esocial::s2416 {

bool TEvtCdBenAlt::LerArqIni(const std::string& AIniString) {
  TLeitorIniEvento ini(AIniString);
  ini.LerIdentificacao(*this, "evtCdBenAlt");
  ini.LerIdeEvento2(IdeEvento);
  ini.LerIdeEmpregador(IdeEmpregador, *this, false);
  IdeBeneficio.cpfBenef = ini.Texto("ideBeneficio", "cpfBenef");
  IdeBeneficio.nrBeneficio = ini.Texto("ideBeneficio", "nrBeneficio");
  InfoBenAlteracao.dtAltBeneficio = ini.Data("infoBenAlteracao", "dtAltBeneficio");

  TDadosBeneficio& d = InfoBenAlteracao.dadosBeneficio;
  d.tpBeneficio = ini.InteiroExato<int>("dadosBeneficio", "tpBeneficio");
  d.tpPlanRP = ini.CodigoEstrito("dadosBeneficio", "tpPlanRP", "", StrToPlanRP);
  d.dsc = ini.Texto("dadosBeneficio", "dsc");
  d.indSuspensao = ini.CodigoEstrito("dadosBeneficio", "indSuspensao", "", StrToSimNao);
  if (!ini.Texto("infoPenMorte", "tpPenMorte").empty())
    d.infoPenMorte().tpPenMorte = StrToTpPenMorte(ini.Texto("infoPenMorte", "tpPenMorte"));
  if (ini.AlgumaChave("suspensao", {"mtvSuspensao", "dscSuspensao"})) {
    d.suspensao().mtvSuspensao = ini.CodigoEstrito("suspensao", "mtvSuspensao", "", StrToMtvSuspensao);
    d.suspensao().dscSuspensao = ini.Texto("suspensao", "dscSuspensao");
  }
  return GerarEAtribuirXML(*this);
}

}  // namespace esocial::s2416
