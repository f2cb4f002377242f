// S-2200 XML reader.
#include <string>

#include "esocial/configuration_esocial.h"
#include "esocial/events/event_xml.h"
#include "esocial/events/non_periodic/s2200_admission.h"
#include "platform/variant.h"

namespace esocial::s2200 {

namespace {

// Read through the platform's variant conversion: a text that is no whole number raises.
int InteiroEstrito(TLeitorXmlEvento& xml, std::string_view Tag) {
  return platform::Variant(xml.Texto(Tag)).AsInteger();
}

}  // namespace

bool TEvtAdmissao::LerXML() {
  TLeitorXmlEvento xml(XML());
  if (!xml.Grupo(1, "evtAdmissao")) return true;
  LerIdEvento();

  if (xml.Grupo(2, "ideEvento")) {
    IdeEvento.indRetif = xml.Codigo("indRetif", StrToIndRetificacao);
    IdeEvento.NrRecibo = xml.Texto("nrRecibo");
    IdeEvento.ProcEmi = xml.Codigo("procEmi", StrToProcEmi);
    IdeEvento.VerProc = xml.Texto("verProc");
  }
  if (xml.Grupo(2, "ideEmpregador")) {
    IdeEmpregador.TpInsc = xml.Codigo("tpInsc", StrToTpInsc);
    IdeEmpregador.NrInsc = xml.Texto("nrInsc");
  }

  TTrabalhador& t = Trabalhador;
  if (xml.Grupo(2, "trabalhador")) {
    t.CpfTrab = xml.Texto("cpfTrab");
    t.NisTrab = xml.Texto("nisTrab");
    t.NmTrab = xml.Texto("nmTrab");
    t.Sexo = xml.Texto("sexo");
    t.RacaCor = xml.Inteiro("racaCor");
    t.EstCiv = xml.Inteiro("estCiv");
    t.GrauInstr = xml.Texto("grauInstr");
    t.nmSoc = xml.Texto("nmSoc");
    if (xml.Grupo(3, "nascimento")) {
      t.Nascimento.dtNascto = xml.Data("dtNascto");
      t.Nascimento.codMunic = xml.Inteiro("codMunic");
      t.Nascimento.UF = xml.Texto("uf");
      t.Nascimento.PaisNascto = xml.Texto("paisNascto");
      t.Nascimento.PaisNac = xml.Texto("paisNac");
      t.Nascimento.NmMae = xml.Texto("nmMae");
      t.Nascimento.NmPai = xml.Texto("nmPai");
    }
    if (xml.Grupo(3, "endereco")) {
      if (xml.Grupo(4, "brasil")) {
        TBrasil& brasil = t.Endereco.Brasil;
        brasil.TpLograd = xml.Texto("tpLograd");
        brasil.DscLograd = xml.Texto("dscLograd");
        brasil.NrLograd = xml.Texto("nrLograd");
        brasil.Complemento = xml.Texto("complemento");
        brasil.Bairro = xml.Texto("bairro");
        brasil.Cep = xml.Texto("cep");
        brasil.CodMunic = xml.Inteiro("codMunic");
        brasil.UF = xml.Texto("uf");
      }
      if (xml.Grupo(4, "exterior")) {
        TExterior& exterior = t.Endereco.Exterior;
        exterior.PaisResid = xml.Texto("paisResid");
        exterior.DscLograd = xml.Texto("dscLograd");
        exterior.NrLograd = xml.Texto("nrLograd");
        exterior.Complemento = xml.Texto("complemento");
        exterior.Bairro = xml.Texto("bairro");
        exterior.NmCid = xml.Texto("nmCid");
        exterior.CodPostal = xml.Texto("codPostal");
        // The writer puts an address abroad only for a foreigner.
        t.ExtrangeiroSN = true;
      }
    }
    if (xml.Grupo(3, "trabImig")) {
      t.trabImig.tmpResid = xml.Codigo("tmpResid", StrToTmpResid);
      t.trabImig.condIng = xml.Codigo("condIng", StrToCondIng);
    }
    if (xml.Grupo(3, "infoDeficiencia")) {
      TInfoDeficiencia& deficiencia = t.InfoDeficiencia;
      deficiencia.DefFisica = xml.Codigo("defFisica", StrToSimNao);
      deficiencia.DefVisual = xml.Codigo("defVisual", StrToSimNao);
      deficiencia.DefAuditiva = xml.Codigo("defAuditiva", StrToSimNao);
      deficiencia.DefMental = xml.Codigo("defMental", StrToSimNao);
      deficiencia.DefIntelectual = xml.Codigo("defIntelectual", StrToSimNao);
      deficiencia.ReabReadap = xml.Codigo("reabReadap", StrToSimNao);
      deficiencia.infoCota = xml.Codigo("infoCota", StrToSimNaoFacultativo);
      deficiencia.Observacao = xml.Texto("observacao");
    }
    for (int k = 1; xml.Grupo(3, "dependente", k); ++k) {
      TDependenteCollectionItem& dependente = t.Dependente.New();
      dependente.tpDep = xml.Codigo("tpDep", StrToTpDep);
      dependente.nmDep = xml.Texto("nmDep");
      dependente.dtNascto = xml.Data("dtNascto");
      dependente.cpfDep = xml.Texto("cpfDep");
      dependente.sexoDep = xml.Texto("sexoDep");
      dependente.depIRRF = xml.Codigo("depIRRF", StrToSimNao);
      dependente.depSF = xml.Codigo("depSF", StrToSimNao);
      dependente.incTrab() = xml.Codigo("incTrab", StrToSimNao);
      dependente.descrDep = xml.Texto("descrDep");
    }
  }
  // Looked for in the whole event: found inside trabalhador, or directly under the root.
  if (xml.Grupo(2, "contato")) {
    t.Contato.FonePrinc = xml.Texto("fonePrinc");
    t.Contato.FoneAlternat = xml.Texto("foneAlternat");
    t.Contato.EmailPrinc = xml.Texto("emailPrinc");
    t.Contato.EmailAlternat = xml.Texto("emailAlternat");
  }

  if (!xml.Grupo(2, "vinculo")) return true;
  TVinculo& v = Vinculo;
  v.matricula = xml.Texto("matricula");
  v.tpRegTrab = xml.Codigo("tpRegTrab", StrToTpRegTrab);
  v.tpRegPrev = xml.Codigo("tpRegPrev", StrToTpRegPrev);
  v.nrRecInfPrelim = xml.Texto("nrRecInfPrelim");
  v.cadIni = xml.Codigo("cadIni", StrToSimNao);

  if (xml.Grupo(3, "infoRegimeTrab")) {
    if (xml.Grupo(4, "infoCeletista")) {
      TInfoCeletista& celetista = v.infoRegimeTrab.InfoCeletista;
      celetista.DtAdm = xml.Data("dtAdm");
      celetista.TpAdmissao = xml.Codigo("tpAdmissao", StrToTpAdmissao);
      celetista.IndAdmissao = xml.Codigo("indAdmissao", StrToTpIndAdmissao);
      celetista.nrProcTrab = xml.Texto("nrProcTrab");
      celetista.TpRegJor = xml.Codigo("tpRegJor", StrToTpRegJor);
      celetista.NatAtividade = xml.Codigo("natAtividade", StrToNatAtividade);
      if (!xml.Texto("dtBase").empty()) celetista.dtBase = InteiroEstrito(xml, "dtBase");
      celetista.cnpjSindCategProf = xml.Texto("cnpjSindCategProf");
      celetista.matAnotJud = xml.Texto("matAnotJud");
      if (xml.Grupo(5, "FGTS")) {
        celetista.FGTS.OpcFGTS = xml.Codigo("opcFGTS", StrToOpcFGTS);
        celetista.FGTS.DtOpcFGTS = xml.Data("dtOpcFGTS");
      }
      if (xml.Grupo(5, "trabTemporario")) {
        TTrabTemporario& temporario = celetista.TrabTemporario;
        temporario.hipLeg = xml.Inteiro("hipLeg");
        temporario.justContr = xml.Texto("justContr");
        if (xml.Grupo(6, "ideEstabVinc")) {
          temporario.IdeEstabVinc.TpInsc = xml.Codigo("tpInsc", StrToTpInsc);
          temporario.IdeEstabVinc.NrInsc = xml.Texto("nrInsc");
        }
        for (int k = 1; xml.Grupo(6, "ideTrabSubstituido", k); ++k)
          temporario.IdeTrabSubstituido.New().CpfTrabSubst = xml.Texto("cpfTrabSubst");
      }
      if (xml.Grupo(5, "aprend")) {
        TAprend& aprend = celetista.aprend;
        aprend.indAprend = xml.Codigo("indAprend", StrToIndAprend);
        aprend.cnpjEntQual = xml.Texto("cnpjEntQual");
        aprend.TpInsc = xml.Codigo("tpInsc", StrToTpInsc);
        aprend.NrInsc = xml.Texto("nrInsc");
        aprend.cnpjPrat = xml.Texto("cnpjPrat");
      }
    }
    if (xml.Grupo(4, "infoEstatutario")) {
      TInfoEstatutario& estatutario = v.infoRegimeTrab.InfoEstatutario;
      estatutario.indProvim = xml.Codigo("indProvim", StrToIndProvim);
      estatutario.tpProv = xml.Codigo("tpProv", StrToTpProv);
      estatutario.dtNomeacao = xml.Data("dtNomeacao");
      estatutario.dtPosse = xml.Data("dtPosse");
      estatutario.dtExercicio = xml.Data("dtExercicio");
      estatutario.tpPlanRP = xml.Codigo("tpPlanRP", StrToPlanRP);
      estatutario.infoDecJud.nrProcJud = xml.Texto("nrProcJud");
      estatutario.indTetoRGPS = xml.Codigo("indTetoRGPS", StrToSimNaoFacultativo);
      estatutario.indAbonoPerm = xml.Codigo("indAbonoPerm", StrToSimNaoFacultativo);
      estatutario.dtIniAbono = xml.Data("dtIniAbono");
    }
  }

  if (xml.Grupo(3, "infoContrato")) {
    TInfoContrato& contrato = v.infoContrato;
    contrato.CodCargo = xml.Texto("codCargo");
    contrato.CodFuncao = xml.Texto("codFuncao");
    contrato.CodCateg = xml.Inteiro("codCateg");
    contrato.codCarreira = xml.Texto("codCarreira");
    contrato.dtIngrCarr = xml.Data("dtIngrCarr");
    contrato.nmCargo = xml.Texto("nmCargo");
    contrato.CBOCargo = xml.Texto("CBOCargo");
    contrato.dtIngrCargo = xml.Data("dtIngrCargo");
    contrato.nmFuncao = xml.Texto("nmFuncao");
    contrato.CBOFuncao = xml.Texto("CBOFuncao");
    contrato.acumCargo = xml.Codigo("acumCargo", StrToSimNaoFacultativo);
    if (xml.Grupo(4, "remuneracao")) {
      contrato.Remuneracao.VrSalFx = xml.Decimal("vrSalFx");
      contrato.Remuneracao.UndSalFixo = xml.Codigo("undSalFixo", StrToUndSalFixo);
      contrato.Remuneracao.DscSalVar = xml.Texto("dscSalVar");
    }
    if (xml.Grupo(4, "duracao")) {
      contrato.Duracao.TpContr = xml.Codigo("tpContr", StrToTpContr);
      contrato.Duracao.dtTerm = xml.Data("dtTerm");
      contrato.Duracao.clauAssec = xml.Codigo("clauAssec", StrToSimNao);
      contrato.Duracao.objDet = xml.Texto("objDet");
    }
    if (xml.Grupo(4, "localTrabalho")) {
      TLocalTrabalho& local = contrato.LocalTrabalho;
      if (xml.Grupo(5, "localTrabGeral")) {
        local.LocalTrabGeral.TpInsc = xml.Codigo("tpInsc", StrToTpInsc);
        local.LocalTrabGeral.NrInsc = xml.Texto("nrInsc");
        local.LocalTrabGeral.DescComp = xml.Texto("descComp");
      }
      if (xml.Grupo(5, "localTempDom")) {
        TLocalTempDom& dom = local.LocalTempDom;
        dom.TpLograd = xml.Texto("tpLograd");
        dom.DscLograd = xml.Texto("dscLograd");
        dom.NrLograd = xml.Texto("nrLograd");
        dom.Complemento = xml.Texto("complemento");
        dom.Bairro = xml.Texto("bairro");
        dom.Cep = xml.Texto("cep");
        dom.CodMunic = xml.Inteiro("codMunic");
        dom.Uf = xml.Texto("uf");
      }
    }
    if (xml.Grupo(4, "horContratual")) {
      THorContratual& horario = contrato.HorContratual;
      // Written with two decimals ("42.50"): read as the decimal it is.
      horario.qtdHrsSem = xml.Decimal("qtdHrsSem");
      horario.tpJornada = xml.Codigo("tpJornada", StrToTpJornada);
      horario.dscTpJorn = xml.Texto("dscTpJorn");
      horario.dscJorn = xml.Texto("dscJorn");
      horario.tmpParc = xml.Codigo("tmpParc", StrToTmpParc);
      horario.horNoturno = xml.Codigo("horNoturno", StrToSimNao);
    }
    if (xml.Grupo(4, "alvaraJudicial")) contrato.AlvaraJudicial.NrProcJud = xml.Texto("nrProcJud");
    for (int k = 1; xml.Grupo(4, "observacoes", k); ++k)
      contrato.observacoes.New().observacao = xml.Texto("observacao");
    for (int k = 1; xml.Grupo(4, "treiCap", k); ++k)
      contrato.treiCap().New().codTreiCap = InteiroEstrito(xml, "codTreiCap");
  }

  if (xml.Grupo(3, "sucessaoVinc")) {
    TSucessaoVinc& sucessao = v.sucessaoVinc;
    sucessao.tpInsc() = xml.Codigo("tpInsc", StrToTpInsc);
    sucessao.nrInsc() = xml.Texto("nrInsc");
    // The 2.x names of the same two fields.
    if (Configuracoes().Geral->VersaoDF() <= ve02_05_00) {
      sucessao.tpInscAnt() = xml.Codigo("tpInscAnt", StrToTpInsc);
      sucessao.cnpjEmpregAnt() = xml.Texto("cnpjEmpregAnt");
    }
    sucessao.matricAnt = xml.Texto("matricAnt");
    sucessao.dtTransf = xml.Data("dtTransf");
    sucessao.observacao = xml.Texto("observacao");
  }
  if (xml.Grupo(3, "transfDom")) {
    v.transfDom.cpfSubstituido = xml.Texto("cpfSubstituido");
    v.transfDom.matricAnt = xml.Texto("matricAnt");
    v.transfDom.dtTransf = xml.Data("dtTransf");
  }
  if (xml.Grupo(3, "mudancaCPF")) {
    v.mudancaCPF.cpfAnt = xml.Texto("cpfAnt");
    v.mudancaCPF.matricAnt = xml.Texto("matricAnt");
    v.mudancaCPF.dtAltCPF = xml.Data("dtAltCPF");
    v.mudancaCPF.observacao = xml.Texto("observacao");
  }
  if (xml.Grupo(3, "afastamento")) {
    v.afastamento.DtIniAfast = xml.Data("dtIniAfast");
    v.afastamento.codMotAfast = xml.Codigo("codMotAfast", StrToMotivosAfastamento);
  }
  if (xml.Grupo(3, "desligamento")) v.desligamento.DtDeslig = xml.Data("dtDeslig");
  if (xml.Grupo(3, "cessao")) v.cessao.dtIniCessao = xml.Data("dtIniCessao");
  return true;
}

}  // namespace esocial::s2200
