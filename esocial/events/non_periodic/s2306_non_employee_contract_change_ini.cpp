// S-2306 INI reader.
#include "esocial/events/event_ini.h"
#include "esocial/events/non_periodic/s2306_non_employee_contract_change.h"

namespace esocial::s2306 {

// A code key not given is not informed: its group is then not written.
bool TEvtTSVAltContr::LerArqIni(const std::string& AIniString) {
  TLeitorIniEvento ini(AIniString);
  ini.LerIdentificacao(*this, "evtTSVAltContr");
  ini.LerIdeEvento2(IdeEvento);
  ini.LerIdeEmpregador(IdeEmpregador, *this);

  ini.LerIdeTrabSemVinculo(IdeTrabSemVinc);

  TinfoTSVAlteracao& alteracao = infoTSVAlteracao;
  alteracao.dtAlteracao = ini.Data("infoTSVAlteracao", "dtAlteracao");
  alteracao.natAtividade = ini.CodigoEstrito("infoTSVAlteracao", "natAtividade", "", StrToNatAtividade, navNaoInformar);

  TinfoComplementares& c = alteracao.infoComplementares;
  LerComplementaresSemVinculoIni(ini, c.cargoFuncao, c.Remuneracao, c.infoEstagiario, c.localTrabGeral);
  c.infoDirigenteSindical.tpRegPrev =
      ini.CodigoEstrito("infoDirigenteSindical", "tpRegPrev", "", StrToTpRegPrev, rpNenhum);
  c.infoTrabCedido.tpRegPrev = ini.CodigoEstrito("infoTrabCedido", "tpRegPrev", "", StrToTpRegPrev, rpNenhum);
  c.infoMandElet.indRemunCargo = ini.CodigoEstrito("infoMandElet", "indRemunCargo", "", StrToSimNaoFacultativo);
  c.infoMandElet.tpRegPrev = ini.CodigoEstrito("infoMandElet", "tpRegPrev", "", StrToTpRegPrev, rpNenhum);
  return GerarEAtribuirXML(*this);
}

}  // namespace esocial::s2306
