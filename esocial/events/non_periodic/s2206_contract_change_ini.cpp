// S-2206 INI reader.
#include "esocial/events/event_ini.h"
#include "esocial/events/non_periodic/s2206_contract_change.h"

namespace esocial::s2206 {

bool TEvtAltContratual::LerArqIni(const std::string& AIniString) {
  TLeitorIniEvento ini(AIniString);
  ini.LerIdentificacao(*this, "evtAltContratual");
  ini.LerIdeEvento2(IdeEvento);
  ini.LerIdeEmpregador(IdeEmpregador, *this);
  // The category is not read: the registration number is then always written.
  ini.LerIdeVinculo(IdeVinculo, true, false);

  AltContratual.dtALteracao = ini.Data("altContratual", "dtAlteracao");
  AltContratual.dtEf = ini.Data("altContratual", "dtEf");
  AltContratual.dscAlt = ini.Texto("altContratual", "dscAlt");

  TVinculo& v = AltContratual.Vinculo;
  v.tpRegPrev = ini.Codigo("vinculo", "tpRegPrev", "1", StrToTpRegPrev);
  v.tpRegTrab = ini.Codigo("vinculo", "tpRegTrab", "", StrToTpRegTrab, trNenhum);

  TInfoCeletista& celetista = v.infoRegimeTrab.InfoCeletista;
  if (!ini.Texto("infoCeletista", "tpRegJor").empty() || !ini.Texto("infoCeletista", "cnpjSindCategProf").empty()) {
    celetista.TpRegJor = ini.Codigo("infoCeletista", "tpRegJor", "1", StrToTpRegJor);
    celetista.NatAtividade = ini.Codigo("infoCeletista", "natAtividade", "1", StrToNatAtividade);
    celetista.dtBase = ini.Inteiro("infoCeletista", "dtBase");
    celetista.cnpjSindCategProf = ini.Texto("infoCeletista", "cnpjSindCategProf");
    // The group is trabTemporario from S-1.0 on and trabTemp before.
    std::string justProrr = ini.Texto("trabTemporario", "justProrr");
    if (justProrr.empty()) justProrr = ini.Texto("trabTemp", "justProrr");
    if (!justProrr.empty()) celetista.TrabTemporario.justProrr = justProrr;
    LerAprendIni(ini, *this, celetista.aprend);
  }

  if (!ini.Texto("infoEstatutario", "tpPlanRP").empty()) {
    TInfoEstatutario& estatutario = v.infoRegimeTrab.InfoEstatutario;
    estatutario.tpPlanRP = ini.Codigo("infoEstatutario", "tpPlanRP", "", StrToPlanRP);
    estatutario.indTetoRGPS = ini.Codigo("infoEstatutario", "indTetoRGPS", "", StrToSimNaoFacultativo);
    estatutario.indAbonoPerm = ini.Codigo("infoEstatutario", "indAbonoPerm", "", StrToSimNaoFacultativo);
  }

  TInfoContrato& contrato = v.infoContrato;
  LerInfoContratoIni(ini, contrato);
  contrato.Duracao.TpContr = ini.Codigo("duracao", "tpContr", "", StrToTpContr, PrazoNaoAplicavel);
  contrato.Duracao.dtTerm = ini.Data("duracao", "dtTerm");
  contrato.Duracao.objDet = ini.Texto("duracao", "objDet");
  return GerarEAtribuirXML(*this);
}

}  // namespace esocial::s2206
