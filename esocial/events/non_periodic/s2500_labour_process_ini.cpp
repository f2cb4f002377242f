#include <string>
#include <utility>

#include "esocial/events/event_ini.h"
#include "esocial/events/non_periodic/s2500_labour_process.h"
#include "esocial/trivo_esocial.h"

namespace esocial::s2500 {

namespace {

using N = TLeitorIniEvento;

void LerProcesso(const TLeitorIniEvento& ini, TInfoProcesso& processo) {
  processo.origem = ini.CodigoEstrito("infoProcesso", "origem", "", StrToOrigemProc);
  processo.nrProcTrab = ini.Texto("infoProcesso", "nrProcTrab");
  processo.obsProcTrab = ini.Texto("infoProcesso", "obsProcTrab");
  if (ini.AlgumaChave("infoProcJud", {"dtSent", "ufVara", "codMunic", "idVara"})) {
    TInfoProcJud& jud = processo.dadosCompl.infoProcJud();
    jud.dtSent = ini.Data("infoProcJud", "dtSent");
    jud.ufVara = ini.Texto("infoProcJud", "ufVara");
    jud.codMunic = ini.InteiroExato<int>("infoProcJud", "codMunic");
    jud.idVara = ini.InteiroExato<int>("infoProcJud", "idVara");
  }
  if (ini.AlgumaChave("infoCCP", {"dtCCP", "tpCCP", "cnpjCCP"})) {
    TInfoCCP& ccp = processo.dadosCompl.infoCCP();
    ccp.dtCCP = ini.Data("infoCCP", "dtCCP");
    ccp.tpCCP = ini.CodigoEstrito("infoCCP", "tpCCP", "", StrToTpCCP);
    ccp.cnpjCCP = ini.Texto("infoCCP", "cnpjCCP");
  }
}

// The bond of contract i: sections infoVinc<ii>, duracao<ii>, observacoes<ii><jj>,
// sucessaoVinc<ii> and infoDeslig<ii>, each group made only when its section gives a value.
void LerInfoVinc(const TLeitorIniEvento& ini, int i, TVersaoeSocial versao, TInfoCompl& infoCompl) {
  const std::string secao = N::NomeSecao("infoVinc", i, 2);
  const std::string secaoDuracao = N::NomeSecao("duracao", i, 2);
  const std::string secaoSucessao = N::NomeSecao("sucessaoVinc", i, 2);
  const std::string secaoDeslig = N::NomeSecao("infoDeslig", i, 2);
  const std::string prefixoObs = N::NomeSecao("observacoes", i, 2);
  const bool s12 = versao >= veS01_02_00;
  const bool temDuracao = ini.AlgumaChave(secaoDuracao, {"tpContr", "dtTerm", "clauAssec", "objDet"});
  const bool temSucessao = ini.AlgumaChave(secaoSucessao, {"tpInsc", "nrInsc", "matricAnt", "dtTransf"});
  const bool temDeslig = ini.AlgumaChave(secaoDeslig, {"dtDeslig", "mtvDeslig", "dtProjFimAPI"}) ||
                         (s12 && ini.AlgumaChave(secaoDeslig, {"pensAlim", "percAliment", "vrAlim"}));
  const bool temObs = !N::FimDaLista(ini.Texto(N::NomeSecao(prefixoObs, 1, 2), "observacao", "FIM"));
  if (!ini.AlgumaChave(secao, {"tpRegTrab", "tpRegPrev", "dtAdm", "tmpParc"}) && !temDuracao && !temSucessao &&
      !temDeslig && !temObs)
    return;
  TInfoVinc& vinc = infoCompl.infoVinc();
  vinc.tpRegTrab = ini.CodigoEstrito(secao, "tpRegTrab", "", StrToTpRegTrab, trNenhum);
  vinc.tpRegPrev = ini.CodigoEstrito(secao, "tpRegPrev", "", StrToTpRegPrev, rpNenhum);
  vinc.dtAdm = ini.Data(secao, "dtAdm");
  vinc.tmpParc = ini.CodigoEstrito(secao, "tmpParc", "", StrToTmpParc, tpNenhum);
  if (temDuracao) {
    TDuracao& duracao = vinc.duracao();
    duracao.TpContr = ini.CodigoEstrito(secaoDuracao, "tpContr", "", StrToTpContr);
    duracao.dtTerm = ini.Data(secaoDuracao, "dtTerm");
    duracao.clauAssec = ini.CodigoEstrito(secaoDuracao, "clauAssec", "", StrToSimNao);
    duracao.objDet = ini.Texto(secaoDuracao, "objDet");
  }
  ini.LerLista(prefixoObs, 2, "observacao", [&](int, const std::string&, const std::string& observacao) {
    vinc.observacoes().New().observacao = observacao;
  });
  if (temSucessao) {
    TSucessaoVinc& suc = vinc.sucessaoVinc();
    suc.tpInsc() = ini.CodigoEstrito(secaoSucessao, "tpInsc", "", StrToTpInsc);
    suc.nrInsc() = ini.Texto(secaoSucessao, "nrInsc");
    suc.matricAnt = ini.Texto(secaoSucessao, "matricAnt");
    suc.dtTransf = ini.Data(secaoSucessao, "dtTransf");
  }
  if (temDeslig) {
    TInfoDeslig& deslig = vinc.infoDeslig();
    deslig.dtDeslig = ini.Data(secaoDeslig, "dtDeslig");
    deslig.mtvDeslig = ini.Texto(secaoDeslig, "mtvDeslig");
    deslig.dtProjFimAPI = ini.Data(secaoDeslig, "dtProjFimAPI");
    if (s12) {
      deslig.pensAlim = ini.CodigoEstrito(secaoDeslig, "pensAlim", "", StrToPensaoAlim, paNenhum);
      deslig.percAliment = ini.Decimal(secaoDeslig, "percAliment");
      deslig.vrAlim = ini.Decimal(secaoDeslig, "vrAlim");
    }
  }
}

// The complementary data of contract i: sections infoCompl<ii>, remuneracao<ii><jj>, the bond's
// and infoTerm<ii>; infoCompl is made only when one of them gives a value.
void LerInfoCompl(const TLeitorIniEvento& ini, int i, TVersaoeSocial versao, TInfoContrCollectionItem& contr) {
  const std::string secao = N::NomeSecao("infoCompl", i, 2);
  const std::string secaoTerm = N::NomeSecao("infoTerm", i, 2);
  TInfoCompl lido;
  lido.codCBO = ini.Texto(secao, "codCBO");
  lido.natAtividade = ini.CodigoEstrito(secao, "natAtividade", "", StrToNatAtividade, navNaoInformar);
  ini.LerLista(N::NomeSecao("remuneracao", i, 2), 2, "dtRemun", [&](int, const std::string& s, const std::string&) {
    TRemuneracaoCollectionItem& rem = lido.remuneracao().New();
    rem.dtRemun = ini.Data(s, "dtRemun");
    // A salary item without its amount is an error, not a salary of 0.
    // A salary item is its amount: one without it is refused, not read as 0.
    if (ini.Texto(s, "vrSalFx").empty()) N::ValorInvalido(s, "vrSalFx", "");
    rem.vrSalFx = ini.DecimalEstrito(s, "vrSalFx");
    rem.undSalFixo = ini.CodigoEstrito(s, "undSalFixo", "", StrToUndSalFixo);
    rem.dscSalVar = ini.Texto(s, "dscSalVar");
  });
  LerInfoVinc(ini, i, versao, lido);
  if (ini.AlgumaChave(secaoTerm, {"dtTerm", "mtvDesligTSV"})) {
    lido.infoTerm().dtTerm = ini.Data(secaoTerm, "dtTerm");
    lido.infoTerm().mtvDesligTSV = ini.Texto(secaoTerm, "mtvDesligTSV");
  }
  if (lido.codCBO.empty() && lido.natAtividade == navNaoInformar && !lido.instRemuneracao() && !lido.instInfoVinc() &&
      !lido.instInfoTerm())
    return;
  contr.infoCompl() = std::move(lido);
}

// Period k of contract i: sections idePeriodo<ii><kkk>, baseCalculo, infoAgNocivo, infoFGTS and
// baseMudCateg with the same numbers, infoInterm<ii><kkk><nn>.
void LerPeriodo(const TLeitorIniEvento& ini, int i, int k, TVersaoeSocial versao, TIdePeriodoCollectionItem& per) {
  const auto secao = [&](const char* grupo) { return N::NomeSecao(N::NomeSecao(grupo, i, 2), k, 3); };
  const std::string base = secao("baseCalculo");
  per.baseCalculo.vrBcCpMensal = ini.DecimalEstrito(base, "vrBcCpMensal");
  per.baseCalculo.vrBcCp13 = ini.DecimalEstrito(base, "vrBcCp13");
  per.baseCalculo.vrBcFgts = ini.DecimalEstrito(base, "vrBcFgts");
  per.baseCalculo.vrBcFgts13 = ini.DecimalEstrito(base, "vrBcFgts13");
  if (ini.AlgumaChave(secao("infoAgNocivo"), {"grauExp"}))
    per.baseCalculo.infoAgNocivo().grauExp = ini.CodigoEstrito(secao("infoAgNocivo"), "grauExp", "", StrToGrauExp);
  const std::string fgts = secao("infoFGTS");
  if (versao <= veS01_01_00 && ini.AlgumaChave(fgts, {"vrBcFgtsGuia", "vrBcFgts13Guia", "pagDireto"})) {
    per.infoFGTS().vrBcFgtsGuia = ini.DecimalEstrito(fgts, "vrBcFgtsGuia");
    per.infoFGTS().vrBcFgts13Guia = ini.DecimalEstrito(fgts, "vrBcFgts13Guia");
    per.infoFGTS().pagDireto = ini.CodigoEstrito(fgts, "pagDireto", "", StrToSimNao);
  }
  if (versao >= veS01_02_00 && ini.AlgumaChave(fgts, {"vrBcFGTSProcTrab", "vrBcFGTSSefip", "vrBcFGTSDecAnt"})) {
    per.infoFGTS().vrBcFGTSProcTrab = ini.DecimalEstrito(fgts, "vrBcFGTSProcTrab");
    per.infoFGTS().vrBcFGTSSefip = ini.DecimalEstrito(fgts, "vrBcFGTSSefip");
    per.infoFGTS().vrBcFGTSDecAnt = ini.DecimalEstrito(fgts, "vrBcFGTSDecAnt");
  }
  const std::string mudanca = secao("baseMudCateg");
  if (ini.AlgumaChave(mudanca, {"codCateg", "vrBcCPrev"})) {
    per.baseMudCateg().codCateg = ini.InteiroExato<int>(mudanca, "codCateg");
    per.baseMudCateg().vrBcCPrev = ini.DecimalEstrito(mudanca, "vrBcCPrev");
  }
  ini.LerLista(secao("infoInterm"), 2, "dia", [&](int, const std::string& s, const std::string&) {
    TinfoIntermCollectionItem& interm = per.infoInterm().New();
    interm.dia = ini.InteiroExato<int>(s, "dia");
    interm.hrsTrab = ini.Texto(s, "hrsTrab");
  });
}

void LerContrato(const TLeitorIniEvento& ini, int i, const std::string& secao, TVersaoeSocial versao,
                 TInfoContrCollectionItem& contr) {
  contr.tpContr = ini.CodigoEstrito(secao, "tpContr", "", StrToTpContrS2500);
  contr.indContr = ini.CodigoEstrito(secao, "indContr", "", StrToSimNao);
  contr.dtAdmOrig = ini.Data(secao, "dtAdmOrig");
  contr.indReint = ini.CodigoEstrito(secao, "indReint", "", StrToSimNaoFacultativo, snfNada);
  contr.indCateg = ini.CodigoEstrito(secao, "indCateg", "", StrToSimNao);
  contr.indNatAtiv = ini.CodigoEstrito(secao, "indNatAtiv", "", StrToSimNao);
  contr.indMotDeslig = ini.CodigoEstrito(secao, "indMotDeslig", "", StrToSimNao);
  contr.indUnic = ini.CodigoEstrito(secao, "indUnic", "", StrToSimNaoFacultativo, snfNada);
  contr.matricula = ini.Texto(secao, "matricula");
  contr.codCateg = ini.InteiroExato<int>(secao, "codCateg");
  contr.dtInicio = ini.Data(secao, "dtInicio");
  LerInfoCompl(ini, i, versao, contr);
  ini.LerLista(N::NomeSecao("mudCategAtiv", i, 2), 2, "codCateg", [&](int, const std::string& s, const std::string&) {
    TMudCategAtivCollectionItem& mud = contr.mudCategAtiv().New();
    mud.codCateg = ini.InteiroExato<int>(s, "codCateg");
    mud.natAtividade = ini.CodigoEstrito(s, "natAtividade", "", StrToNatAtividade, navNaoInformar);
    mud.dtMudCategAtiv = ini.Data(s, "dtMudCategAtiv");
  });
  // A contract merged into this one is known by its registration or by its category.
  const std::string prefixoUnic = N::NomeSecao("unicContr", i, 2);
  for (int j = 1; j <= N::UltimoNumero(2); ++j) {
    const std::string s = N::NomeSecao(prefixoUnic, j, 2);
    if (N::FimDaLista(ini.Texto(s, "matUnic", "FIM")) && N::FimDaLista(ini.Texto(s, "codCateg", "FIM"))) break;
    TUnicContrCollectionItem& unic = contr.unicContr().New();
    unic.matUnic = ini.Texto(s, "matUnic");
    unic.codCateg = ini.InteiroExato<int>(s, "codCateg");
    unic.dtInicio = ini.Data(s, "dtInicio");
  }
  const std::string estab = N::NomeSecao("ideEstab", i, 2);
  contr.ideEstab.tpInsc = ini.Codigo(estab, "tpInsc", "1", StrToTpInsc);
  contr.ideEstab.nrInsc = ini.Texto(estab, "nrInsc");
  const std::string secaoVlr = N::NomeSecao("infoVlr", i, 2);
  TInfoVlr& vlr = contr.ideEstab.infoVlr;
  vlr.compIni = ini.Texto(secaoVlr, "compIni");
  vlr.compFim = ini.Texto(secaoVlr, "compFim");
  vlr.repercProc = ini.CodigoEstrito(secaoVlr, "repercProc", "", StrToRepercProc);
  vlr.vrRemun = ini.DecimalEstrito(secaoVlr, "vrRemun");
  vlr.vrAPI = ini.DecimalEstrito(secaoVlr, "vrAPI");
  vlr.vr13API = ini.DecimalEstrito(secaoVlr, "vr13API");
  vlr.vrInden = ini.DecimalEstrito(secaoVlr, "vrInden");
  vlr.vrBaseIndenFGTS = ini.DecimalEstrito(secaoVlr, "vrBaseIndenFGTS");
  vlr.pagDiretoResc = ini.CodigoEstrito(secaoVlr, "pagDiretoResc", "", StrToSimNaoFacultativo, snfNada);
  vlr.indReperc = ini.CodigoEstrito(secaoVlr, "indReperc", "", StrToIndReperc);
  vlr.indenSD = ini.CodigoEstrito(secaoVlr, "indenSD", "", StrToSimFacultativo, sfNada);
  vlr.indenAbono = ini.CodigoEstrito(secaoVlr, "indenAbono", "", StrToSimFacultativo, sfNada);
  ini.LerLista(N::NomeSecao("abono", i, 2), 2, "anoBase",
               [&](int, const std::string&, const std::string& anoBase) { vlr.abono().New().anoBase = anoBase; });
  ini.LerLista(N::NomeSecao("idePeriodo", i, 2), 3, "perRef",
               [&](int k, const std::string&, const std::string& perRef) {
                 TIdePeriodoCollectionItem& per = vlr.idePeriodo().New();
                 per.perRef = perRef;
                 LerPeriodo(ini, i, k, versao, per);
               });
}

}  // namespace

bool TEvtProcTrab::LerArqIni(const std::string& AIniString) {
  TLeitorIniEvento ini(AIniString);
  // Some groups are read by the version they will be written under.
  SetVersaoDF(Configuracoes().Geral->VersaoDF());
  const TVersaoeSocial versao = VersaoDF();
  ini.LerIdentificacao(*this, "evtProcTrab");
  ini.LerIdeEvento2(ideEvento);
  ideEmpregador.TpInsc = ini.Codigo("ideEmpregador", "tpInsc", "1", StrToTpInsc);
  ideEmpregador.NrInsc = ini.Texto("ideEmpregador", "nrInsc");
  if (ini.AlgumaChave("ideResp", {"tpInsc", "nrInsc", "dtAdmRespDir", "matRespDir"})) {
    TIdeResp& resp = ideEmpregador.ideResp();
    resp.tpInsc = ini.Codigo("ideResp", "tpInsc", "1", StrToTpInsc);
    resp.nrInsc = ini.Texto("ideResp", "nrInsc");
    resp.dtAdmRespDir = ini.Data("ideResp", "dtAdmRespDir");
    resp.matRespDir = ini.Texto("ideResp", "matRespDir");
  }
  LerProcesso(ini, infoProcesso);

  ideTrab.cpfTrab = ini.Texto("ideTrab", "cpfTrab");
  ideTrab.nmTrab = ini.Texto("ideTrab", "nmTrab");
  ideTrab.dtNascto = ini.Data("ideTrab", "dtNascto");
  ideTrab.ideSeqTrab = ini.InteiroExato<int>("ideTrab", "ideSeqTrab");
  ini.LerLista("dependente", 2, "cpfDep", [&](int, const std::string& secao, const std::string& cpfDep) {
    TDependenteCollectionItemS2500& dep = ideTrab.dependente().New();
    dep.cpfDep = cpfDep;
    dep.tpDep = ini.CodigoEstrito(secao, "tpDep", "", StrToTpDep, tdNenhum);
    dep.descDep = ini.Texto(secao, "descDep");
  });
  ini.LerLista("infoContr", 2, "indContr", [&](int i, const std::string& secao, const std::string&) {
    LerContrato(ini, i, secao, versao, ideTrab.infoContr().New());
  });

  return GerarEAtribuirXML(*this);
}

}  // namespace esocial::s2500
