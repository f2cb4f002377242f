// S-2200 INI reader.
#include "esocial/configuration_esocial.h"
#include "esocial/events/event_ini.h"
#include "esocial/events/non_periodic/s2200_admission.h"
#include "platform/variant.h"

namespace esocial::s2200 {

bool TEvtAdmissao::LerArqIni(const std::string& AIniString) {
  TLeitorIniEvento ini(AIniString);
  const TVersaoeSocial versao = Configuracoes().Geral->VersaoDF();
  ini.LerIdentificacao(*this, "evtAdmissao");
  ini.LerIdeEvento2(IdeEvento);
  ini.LerIdeEmpregador(IdeEmpregador, *this);

  LerTrabalhadorIni(ini, "trabalhador", Trabalhador);
  Trabalhador.IndPriEmpr = ini.Codigo("trabalhador", "indPriEmpr", "S", StrToSimNao);

  TVinculo& v = Vinculo;
  v.matricula = ini.Texto("vinculo", "matricula");
  v.tpRegTrab = ini.Codigo("vinculo", "tpRegTrab", "1", StrToTpRegTrab);
  v.tpRegPrev = ini.Codigo("vinculo", "tpRegPrev", "1", StrToTpRegPrev);
  v.nrRecInfPrelim = ini.Texto("vinculo", "nrRecInfPrelim");
  v.cadIni = ini.Codigo("vinculo", "cadIni", "S", StrToSimNao);

  TInfoCeletista& celetista = v.infoRegimeTrab.InfoCeletista;
  if (!ini.Texto("infoCeletista", "dtAdm").empty()) {
    celetista.DtAdm = ini.Data("infoCeletista", "dtAdm");
    celetista.TpAdmissao = ini.Codigo("infoCeletista", "tpAdmissao", "1", StrToTpAdmissao);
    celetista.IndAdmissao = ini.Codigo("infoCeletista", "indAdmissao", "1", StrToTpIndAdmissao);
    celetista.nrProcTrab = ini.Texto("infoCeletista", "nrProcTrab");
    celetista.TpRegJor = ini.Codigo("infoCeletista", "tpRegJor", "1", StrToTpRegJor);
    celetista.NatAtividade = ini.Codigo("infoCeletista", "natAtividade", "1", StrToNatAtividade);
    if (const int dtBase = ini.Inteiro("infoCeletista", "dtBase"); dtBase != 0) celetista.dtBase = dtBase;
    celetista.cnpjSindCategProf = ini.Texto("infoCeletista", "cnpjSindCategProf");
    celetista.matAnotJud = ini.Texto("infoCeletista", "matAnotJud");
    celetista.FGTS.OpcFGTS = ini.Codigo("FGTS", "opcFGTS", "1", StrToOpcFGTS);
    celetista.FGTS.DtOpcFGTS = ini.Data("FGTS", "dtOpcFGTS");
  }
  TTrabTemporario& temporario = celetista.TrabTemporario;
  if (!ini.Texto("trabTemporario", "hipLeg").empty()) {
    temporario.hipLeg = ini.Inteiro("trabTemporario", "hipLeg", 1);
    temporario.justContr = ini.Texto("trabTemporario", "justContr");
    temporario.IdeTomadorServ.TpInsc = ini.Codigo("ideTomadorServ", "tpInsc", "1", StrToTpInsc);
    temporario.IdeTomadorServ.NrInsc = ini.Texto("ideTomadorServ", "nrInsc");
  }
  if (TemInscricao(ini, "ideEstabVinc")) {
    temporario.IdeEstabVinc.TpInsc = ini.Codigo("ideEstabVinc", "tpInsc", "1", StrToTpInsc);
    temporario.IdeEstabVinc.NrInsc = ini.Texto("ideEstabVinc", "nrInsc");
  }
  ini.LerLista("ideTrabSubstituido", 1, "cpfTrabSubst", [&](int, const std::string&, const std::string& cpf) {
    temporario.IdeTrabSubstituido.New().CpfTrabSubst = cpf;
  });
  LerAprendIni(ini, *this, celetista.aprend);

  if (!ini.Texto("infoEstatutario", "tpProv").empty()) {
    TInfoEstatutario& estatutario = v.infoRegimeTrab.InfoEstatutario;
    estatutario.indProvim = ini.Codigo("infoEstatutario", "indProvim", "1", StrToIndProvim);
    estatutario.tpProv = ini.Codigo("infoEstatutario", "tpProv", "1", StrToTpProv);
    estatutario.dtNomeacao = ini.Data("infoEstatutario", "dtNomeacao");
    estatutario.dtPosse = ini.Data("infoEstatutario", "dtPosse");
    estatutario.dtExercicio = ini.Data("infoEstatutario", "dtExercicio");
    // An absent plan is no plan: the writer then leaves tpPlanRP out.
    estatutario.tpPlanRP = ini.Codigo("infoEstatutario", "tpPlanRP", "", StrToPlanRP);
    estatutario.infoDecJud.nrProcJud = ini.Texto("infoEstatutario", "nrProcJud");
    estatutario.indTetoRGPS = ini.Codigo("infoEstatutario", "indTetoRGPS", "", StrToSimNaoFacultativo);
    estatutario.indAbonoPerm = ini.Codigo("infoEstatutario", "indAbonoPerm", "", StrToSimNaoFacultativo);
    estatutario.dtIniAbono = ini.Data("infoEstatutario", "dtIniAbono");
  }

  TInfoContrato& contrato = v.infoContrato;
  LerInfoContratoIni(ini, contrato);
  if (ini.Texto("duracao", "tpContr", "4") != "4") {
    contrato.Duracao.TpContr = ini.Codigo("duracao", "tpContr", "4", StrToTpContr);
    contrato.Duracao.dtTerm = ini.Data("duracao", "dtTerm");
    contrato.Duracao.clauAssec = ini.Codigo("duracao", "clauAssec", "S", StrToSimNao);
    contrato.Duracao.objDet = ini.Texto("duracao", "objDet");
  }

  // The 2.x keys name the same fields as the S-1 ones, which come later and win.
  TSucessaoVinc& sucessao = v.sucessaoVinc;
  if (!ini.Texto("sucessaoVinc", "cnpjEmpregAnt").empty() && versao <= ve02_05_00) {
    sucessao.tpInsc() = ini.Codigo("sucessaoVinc", "tpInsc", "1", StrToTpInsc);
    sucessao.nrInsc() = ini.Texto("sucessaoVinc", "nrInsc");
    sucessao.tpInscAnt() = ini.Codigo("sucessaoVinc", "tpInscAnt", "1", StrToTpInsc);
    sucessao.cnpjEmpregAnt() = ini.Texto("sucessaoVinc", "cnpjEmpregAnt");
    sucessao.matricAnt = ini.Texto("sucessaoVinc", "matricAnt");
    sucessao.dtTransf = ini.Data("sucessaoVinc", "dtTransf");
    sucessao.observacao = ini.Texto("sucessaoVinc", "observacao");
  }
  if (!ini.Texto("sucessaoVinc", "tpInsc").empty() && versao >= veS01_00_00) {
    sucessao.tpInsc() = ini.Codigo("sucessaoVinc", "tpInsc", "1", StrToTpInsc);
    sucessao.nrInsc() = ini.Texto("sucessaoVinc", "nrInsc");
    sucessao.matricAnt = ini.Texto("sucessaoVinc", "matricAnt");
    sucessao.dtTransf = ini.Data("sucessaoVinc", "dtTransf");
    sucessao.observacao = ini.Texto("sucessaoVinc", "observacao");
  }
  if (!ini.Texto("transfDom", "cpfSubstituido").empty()) {
    v.transfDom.cpfSubstituido = ini.Texto("transfDom", "cpfSubstituido");
    v.transfDom.matricAnt = ini.Texto("transfDom", "matricAnt");
    v.transfDom.dtTransf = ini.Data("transfDom", "dtTransf");
  }
  if (!ini.Texto("mudancaCPF", "cpfAnt").empty()) {
    v.mudancaCPF.cpfAnt = ini.Texto("mudancaCPF", "cpfAnt");
    v.mudancaCPF.matricAnt = ini.Texto("mudancaCPF", "matricAnt");
    v.mudancaCPF.dtAltCPF = ini.Data("mudancaCPF", "dtAltCPF");
    v.mudancaCPF.observacao = ini.Texto("mudancaCPF", "observacao");
  }
  if (!ini.Texto("afastamento", "dtIniAfast").empty()) {
    v.afastamento.DtIniAfast = ini.Data("afastamento", "dtIniAfast");
    v.afastamento.codMotAfast = ini.Codigo("afastamento", "codMotAfast", "00", StrToMotivosAfastamento);
  }
  if (!ini.Texto("desligamento", "dtDeslig").empty()) v.desligamento.DtDeslig = ini.Data("desligamento", "dtDeslig");
  if (!ini.Texto("cessao", "dtIniCessao").empty()) v.cessao.dtIniCessao = ini.Data("cessao", "dtIniCessao");
  return GerarEAtribuirXML(*this);
}

}  // namespace esocial::s2200
