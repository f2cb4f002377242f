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
  // From S-1.02 on the kind of contract tells which part identifies it: the qualifying
  // entity (direct, "1") or the establishment (indirect).
  bool lerAprend = !ini.Texto("aprend", "tpInsc").empty();
  if (versao >= veS01_02_00) {
    const bool direta = ini.Texto("aprend", "indAprend", "1") == "1";
    lerAprend = direta ? !ini.Texto("aprend", "cnpjEntQual").empty() : lerAprend;
  }
  if (lerAprend) {
    TAprend& aprend = celetista.aprend;
    aprend.indAprend = ini.Codigo("aprend", "indAprend", "1", StrToIndAprend);
    aprend.cnpjEntQual = ini.Texto("aprend", "cnpjEntQual");
    aprend.TpInsc = ini.Codigo("aprend", "tpInsc", "1", StrToTpInsc);
    aprend.NrInsc = ini.Texto("aprend", "nrInsc");
    aprend.cnpjPrat = ini.Texto("aprend", "cnpjPrat");
  }

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
  contrato.CodCargo = ini.Texto("infoContrato", "codCargo");
  contrato.CodFuncao = ini.Texto("infoContrato", "codFuncao");
  contrato.CodCateg = ini.Inteiro("infoContrato", "codCateg");
  contrato.codCarreira = ini.Texto("infoContrato", "codCarreira");
  contrato.dtIngrCarr = ini.Data("infoContrato", "dtIngrCarr");
  contrato.nmCargo = ini.Texto("infoContrato", "nmCargo");
  contrato.CBOCargo = ini.Texto("infoContrato", "CBOCargo");
  contrato.dtIngrCargo = ini.Data("infoContrato", "dtIngrCargo");
  contrato.nmFuncao = ini.Texto("infoContrato", "nmFuncao");
  contrato.CBOFuncao = ini.Texto("infoContrato", "CBOFuncao");
  contrato.acumCargo = ini.Codigo("infoContrato", "acumCargo", "", StrToSimNaoFacultativo);
  contrato.Remuneracao.VrSalFx = ini.Decimal("remuneracao", "vrSalFx");
  contrato.Remuneracao.UndSalFixo = ini.Codigo("remuneracao", "undSalFixo", "", StrToUndSalFixo);
  contrato.Remuneracao.DscSalVar = ini.Texto("remuneracao", "dscSalVar");
  if (ini.Texto("duracao", "tpContr", "4") != "4") {
    contrato.Duracao.TpContr = ini.Codigo("duracao", "tpContr", "4", StrToTpContr);
    contrato.Duracao.dtTerm = ini.Data("duracao", "dtTerm");
    contrato.Duracao.clauAssec = ini.Codigo("duracao", "clauAssec", "S", StrToSimNao);
    contrato.Duracao.objDet = ini.Texto("duracao", "objDet");
  }
  TLocalTrabalho& local = contrato.LocalTrabalho;
  if (TemInscricao(ini, "localTrabGeral")) {
    local.LocalTrabGeral.TpInsc = ini.Codigo("localTrabGeral", "tpInsc", "1", StrToTpInsc);
    local.LocalTrabGeral.NrInsc = ini.Texto("localTrabGeral", "nrInsc");
    local.LocalTrabGeral.DescComp = ini.Texto("localTrabGeral", "descComp");
  }
  if (TemLogradouro(ini, "localTrabDom")) LerLocalDomestico(ini, "localTrabDom", local.LocalTrabDom);
  if (TemLogradouro(ini, "localTempDom")) LerLocalDomestico(ini, "localTempDom", local.LocalTempDom);
  THorContratual& horario = contrato.HorContratual;
  if (!ini.Texto("horContratual", "tpJornada").empty()) {
    horario.qtdHrsSem = ini.Decimal("horContratual", "qtdHrsSem");
    horario.tpJornada = ini.Codigo("horContratual", "tpJornada", "1", StrToTpJornada);
    horario.dscTpJorn = ini.Texto("horContratual", "dscTpJorn");
    horario.dscJorn = ini.Texto("horContratual", "dscJorn");
    horario.tmpParc = ini.Codigo("horContratual", "tmpParc", "0", StrToTmpParc);
    horario.horNoturno = ini.Codigo("horContratual", "horNoturno", "S", StrToSimNao);
  }
  ini.LerLista("horario", 2, "dia", [&](int, const std::string& secao, const std::string& dia) {
    THorarioCollectionItem& item = horario.horario.New();
    bool ok = false;
    item.Dia = StrToTpDia(ok, dia);
    item.CodHorContrat = ini.Texto(secao, "codHorContrat");
  });
  ini.LerLista("filiacaoSindical", 1, "cnpjSindTrab", [&](int, const std::string&, const std::string& cnpj) {
    contrato.FiliacaoSindical.Add().CnpjSindTrab = cnpj;
  });
  if (!ini.Texto("alvaraJudicial", "nrProcJud").empty())
    contrato.AlvaraJudicial.NrProcJud = ini.Texto("alvaraJudicial", "nrProcJud");
  ini.LerLista("observacoes", 2, "observacao", [&](int, const std::string&, const std::string& observacao) {
    contrato.observacoes.New().observacao = observacao;
  });
  // A code that is not a whole number raises the conversion error, before anything is written.
  ini.LerLista("treiCap", 2, "codTreiCap", [&](int, const std::string&, const std::string& codigo) {
    contrato.treiCap().New().codTreiCap = platform::Variant(codigo).AsInteger();
  });

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
