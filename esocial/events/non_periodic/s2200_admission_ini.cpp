// S-2200 INI reader.
#include "esocial/configuration_esocial.h"
#include "esocial/events/event_ini.h"
#include "esocial/events/non_periodic/s2200_admission.h"
#include "platform/variant.h"

namespace esocial::s2200 {

namespace {

// A street address section is read when it names its street, by type or by name.
bool TemLogradouro(const TLeitorIniEvento& ini, std::string_view Secao) {
  return !ini.Texto(Secao, "tpLograd").empty() || !ini.Texto(Secao, "dscLograd").empty();
}

// An inscription section is read when it gives the number, even with the kind left to its
// default.
bool TemInscricao(const TLeitorIniEvento& ini, std::string_view Secao) {
  return !ini.Texto(Secao, "tpInsc").empty() || !ini.Texto(Secao, "nrInsc").empty();
}

void LerLocalDomestico(const TLeitorIniEvento& ini, std::string_view Secao, TLocalTrabDom& Local) {
  Local.TpLograd = ini.Texto(Secao, "tpLograd");
  Local.DscLograd = ini.Texto(Secao, "dscLograd");
  Local.NrLograd = ini.Texto(Secao, "nrLograd");
  Local.Complemento = ini.Texto(Secao, "complemento");
  Local.Bairro = ini.Texto(Secao, "bairro");
  Local.Cep = ini.Texto(Secao, "cep");
  Local.CodMunic = ini.Inteiro(Secao, "CodMunic");
  Local.Uf = ini.Texto(Secao, "uf", "SP");
}

}  // namespace

bool TEvtAdmissao::LerArqIni(const std::string& AIniString) {
  TLeitorIniEvento ini(AIniString);
  const TVersaoeSocial versao = Configuracoes().Geral->VersaoDF();
  ini.LerIdentificacao(*this, "evtAdmissao");
  ini.LerIdeEvento2(IdeEvento);
  ini.LerIdeEmpregador(IdeEmpregador, *this);

  TTrabalhador& t = Trabalhador;
  t.CpfTrab = ini.Texto("trabalhador", "cpfTrab");
  t.NisTrab = ini.Texto("trabalhador", "nisTrab");
  t.NmTrab = ini.Texto("trabalhador", "nmTrab");
  t.Sexo = ini.Texto("trabalhador", "sexo");
  t.RacaCor = ini.Inteiro("trabalhador", "racaCor", 1);
  t.EstCiv = ini.Inteiro("trabalhador", "estCiv", 1);
  t.GrauInstr = ini.Texto("trabalhador", "grauInstr", "01");
  t.IndPriEmpr = ini.Codigo("trabalhador", "indPriEmpr", "S", StrToSimNao);
  t.nmSoc = ini.Texto("trabalhador", "nmSoc");
  // True, False or a number; any other text keeps the flag as it is.
  t.ExtrangeiroSN = ini.Ini().ReadBool("trabalhador", "ExtrangeiroSN", t.ExtrangeiroSN);

  TNascimento& nascimento = t.Nascimento;
  nascimento.dtNascto = ini.Data("nascimento", "dtNascto");
  nascimento.codMunic = ini.Inteiro("nascimento", "codMunic");
  nascimento.UF = ini.Texto("nascimento", "uf", "SP");
  nascimento.PaisNascto = ini.Texto("nascimento", "paisNascto");
  nascimento.PaisNac = ini.Texto("nascimento", "paisNac");
  nascimento.NmMae = ini.Texto("nascimento", "nmMae");
  nascimento.NmPai = ini.Texto("nascimento", "nmPai");

  TDocumentos& documentos = t.Documentos;
  if (!ini.Texto("CTPS", "nrCtps").empty()) {
    documentos.CTPS.NrCtps = ini.Texto("CTPS", "nrCtps");
    documentos.CTPS.SerieCtps = ini.Texto("CTPS", "serieCtps");
    documentos.CTPS.UfCtps = ini.Texto("CTPS", "ufCtps", "SP");
  }
  if (!ini.Texto("RIC", "nrRic").empty()) {
    documentos.RIC.NrRic = ini.Texto("RIC", "nrRic");
    documentos.RIC.OrgaoEmissor = ini.Texto("RIC", "orgaoEmissor");
    documentos.RIC.DtExped = ini.Data("RIC", "dtExped");
  }
  if (!ini.Texto("RG", "nrRg").empty()) {
    documentos.RG.NrRg = ini.Texto("RG", "nrRg");
    documentos.RG.OrgaoEmissor = ini.Texto("RG", "orgaoEmissor");
    documentos.RG.DtExped = ini.Data("RG", "dtExped");
  }
  if (!ini.Texto("RNE", "nrRne").empty()) {
    documentos.RNE.NrRne = ini.Texto("RNE", "nrRne");
    documentos.RNE.OrgaoEmissor = ini.Texto("RNE", "orgaoEmissor");
    documentos.RNE.DtExped = ini.Data("RNE", "dtExped");
  }
  if (!ini.Texto("OC", "nrOc").empty()) {
    documentos.OC.NrOc = ini.Texto("OC", "nrOc");
    documentos.OC.OrgaoEmissor = ini.Texto("OC", "orgaoEmissor");
    documentos.OC.DtExped = ini.Data("OC", "dtExped");
    documentos.OC.DtValid = ini.Data("OC", "dtValid");
  }
  if (!ini.Texto("CNH", "nrRegCnh").empty()) {
    documentos.CNH.nrRegCnh = ini.Texto("CNH", "nrRegCnh");
    documentos.CNH.DtExped = ini.Data("CNH", "dtExped");
    documentos.CNH.ufCnh = ini.Texto("CNH", "ufCnh", "SP");
    documentos.CNH.DtValid = ini.Data("CNH", "dtValid");
    documentos.CNH.dtPriHab = ini.Data("CNH", "dtPriHab");
    documentos.CNH.categoriaCnh = ini.Codigo("CNH", "categoriaCnh", "A", StrToCnh);
  }

  if (TemLogradouro(ini, "enderecoBrasil")) {
    TBrasil& brasil = t.Endereco.Brasil;
    brasil.TpLograd = ini.Texto("enderecoBrasil", "tpLograd");
    brasil.DscLograd = ini.Texto("enderecoBrasil", "dscLograd");
    brasil.NrLograd = ini.Texto("enderecoBrasil", "nrLograd");
    brasil.Complemento = ini.Texto("enderecoBrasil", "complemento");
    brasil.Bairro = ini.Texto("enderecoBrasil", "bairro");
    brasil.Cep = ini.Texto("enderecoBrasil", "cep");
    brasil.CodMunic = ini.Inteiro("enderecoBrasil", "codMunic");
    brasil.UF = ini.Texto("enderecoBrasil", "uf", "SP");
  }
  if (!ini.Texto("enderecoExterior", "paisResid").empty()) {
    TExterior& exterior = t.Endereco.Exterior;
    exterior.PaisResid = ini.Texto("enderecoExterior", "paisResid");
    exterior.DscLograd = ini.Texto("enderecoExterior", "dscLograd");
    exterior.NrLograd = ini.Texto("enderecoExterior", "nrLograd");
    exterior.Complemento = ini.Texto("enderecoExterior", "complemento");
    exterior.Bairro = ini.Texto("enderecoExterior", "bairro");
    exterior.NmCid = ini.Texto("enderecoExterior", "nmCid");
    exterior.CodPostal = ini.Texto("enderecoExterior", "codPostal");
  }

  if (!ini.Texto("trabEstrangeiro", "dtChegada").empty()) {
    TTrabEstrangeiro& estrangeiro = t.TrabEstrangeiro;
    estrangeiro.DtChegada = ini.Data("trabEstrangeiro", "dtChegada");
    estrangeiro.ClassTrabEstrang = ini.Codigo("trabEstrangeiro", "classTrabEstrang", "1", StrToClassTrabEstrang);
    estrangeiro.CasadoBr = ini.Texto("trabEstrangeiro", "casadoBr", "S");
    estrangeiro.FilhosBr = ini.Texto("trabEstrangeiro", "filhosBr", "S");
  }
  if (ini.Texto("trabImig", "condIng", "0") != "0") {
    t.trabImig.tmpResid = ini.Codigo("trabImig", "tmpResid", "0", StrToTmpResid);
    t.trabImig.condIng = ini.Codigo("trabImig", "condIng", "0", StrToCondIng);
  }
  // Every flag defaults to "N": a section that names another deficiency than the physical one
  // is read too.
  if (ini.SecaoExiste("infoDeficiencia")) {
    TInfoDeficiencia& deficiencia = t.InfoDeficiencia;
    deficiencia.DefFisica = ini.Codigo("infoDeficiencia", "defFisica", "N", StrToSimNao);
    deficiencia.DefVisual = ini.Codigo("infoDeficiencia", "defVisual", "N", StrToSimNao);
    deficiencia.DefAuditiva = ini.Codigo("infoDeficiencia", "defAuditiva", "N", StrToSimNao);
    deficiencia.DefMental = ini.Codigo("infoDeficiencia", "defMental", "N", StrToSimNao);
    deficiencia.DefIntelectual = ini.Codigo("infoDeficiencia", "defIntelectual", "N", StrToSimNao);
    deficiencia.ReabReadap = ini.Codigo("infoDeficiencia", "reabReadap", "N", StrToSimNao);
    deficiencia.infoCota = ini.Codigo("infoDeficiencia", "infoCota", "", StrToSimNaoFacultativo);
    deficiencia.Observacao = ini.Texto("infoDeficiencia", "observacao");
  }
  ini.LerLista("dependente", 2, "nmDep", [&](int, const std::string& secao, const std::string& nmDep) {
    TDependenteCollectionItem& dependente = t.Dependente.New();
    dependente.tpDep = ini.Codigo(secao, "tpDep", "", StrToTpDep);
    dependente.nmDep = nmDep;
    dependente.dtNascto = ini.Data(secao, "dtNascto");
    dependente.cpfDep = ini.Texto(secao, "cpfDep");
    dependente.sexoDep = ini.Texto(secao, "sexoDep");
    dependente.depIRRF = ini.Codigo(secao, "depIRRF", "S", StrToSimNao);
    dependente.depSF = ini.Codigo(secao, "depSF", "S", StrToSimNao);
    dependente.incTrab() = ini.Codigo(secao, "incTrab", "S", StrToSimNao);
    dependente.descrDep = ini.Texto(secao, "descrDep");
  });
  if (!ini.Texto("aposentadoria", "trabAposent").empty())
    t.Aposentadoria.TrabAposent = ini.Codigo("aposentadoria", "trabAposent", "S", StrToSimNao);
  // The layout makes both optional: a contact with only an e-mail is a contact too.
  if (!ini.Texto("contato", "fonePrinc").empty() || !ini.Texto("contato", "emailPrinc").empty()) {
    t.Contato.FonePrinc = ini.Texto("contato", "fonePrinc");
    t.Contato.FoneAlternat = ini.Texto("contato", "foneAlternat");
    t.Contato.EmailPrinc = ini.Texto("contato", "emailPrinc");
    t.Contato.EmailAlternat = ini.Texto("contato", "emailAlternat");
  }

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
