#include "esocial/events/non_periodic/s2500_labour_process.h"

#include "esocial/events/event_frame.h"
#include "esocial/trivo_esocial.h"
#include "platform/strings.h"

namespace esocial::s2500 {

using dfe::tcDat;
using dfe::tcDe2;
using dfe::tcInt;
using dfe::tcStr;

namespace {

// A bond group is written when any of its own values is set: a date alone is data too.
bool InfoVincPresente(const TInfoVinc& v) {
  return v.tpRegTrab != trNenhum || v.tpRegPrev != rpNenhum || v.dtAdm > 0 || v.tmpParc != tpNenhum ||
         v.instDuracao() || v.instObservacoes() || v.instSucessaoVinc() || v.instInfoDeslig();
}

bool InfoComplPresente(TInfoCompl& c) {
  return !c.codCBO.empty() || c.natAtividade != navNaoInformar || c.instRemuneracao() ||
         (c.instInfoVinc() && InfoVincPresente(c.infoVinc())) || c.instInfoTerm();
}

}  // namespace

bool TEvtProcTrab::GerarXML() {
  return GerarDocumentoeSocial(*this, "evtProcTrab", ideEmpregador.NrInsc, [&] {
    GerarIdeEvento2(ideEvento, true, true, false);
    GerarIdeEmpregadorS2500();
    GerarInfoProcesso();
    GerarIdeTrab();
  });
}

void TEvtProcTrab::GerarIdeEmpregadorS2500() {
  dfe::TGerador& g = Gerador();
  g.wGrupo("ideEmpregador");
  g.wCampo(tcStr, "", "tpInsc", 1, 1, 1, TpInscToStr(ideEmpregador.TpInsc));
  const TEmpregador tipo = Configuracoes().Geral->TipoEmpregador();
  if (tipo == tePessoaJuridica || tipo == teOrgaoPublico)
    g.wCampo(tcStr, "", "nrInsc", 8, 8, 1, platform::Copy(ideEmpregador.NrInsc, 1, 8));
  else  // a whole CNPJ or a CPF
    g.wCampo(tcStr, "", "nrInsc", 11, 14, 1, ideEmpregador.NrInsc);
  // The date and registration of the person responsible exist from S-1.03 on.
  const bool s13 = VersaoDF() >= veS01_03_00;
  if (ideEmpregador.instIdeResp()) {
    const TIdeResp& resp = ideEmpregador.ideResp();
    if (!resp.nrInsc.empty() || (s13 && (resp.dtAdmRespDir > 0 || !resp.matRespDir.empty()))) {
      g.wGrupo("ideResp");
      g.wCampo(tcStr, "", "tpInsc", 1, 1, 1, TpInscToStr(resp.tpInsc));
      g.wCampo(tcStr, "", "nrInsc", 11, 14, 1, resp.nrInsc);
      if (s13) g.wCampo(tcDat, "", "dtAdmRespDir", 10, 10, 0, resp.dtAdmRespDir);
      if (s13) g.wCampo(tcStr, "", "matRespDir", 1, 30, 0, resp.matRespDir);
      g.wGrupo("/ideResp");
    }
  }
  g.wGrupo("/ideEmpregador");
}

void TEvtProcTrab::GerarInfoProcesso() {
  dfe::TGerador& g = Gerador();
  TDadosCompl& dados = infoProcesso.dadosCompl;
  g.wGrupo("infoProcesso");
  g.wCampo(tcStr, "", "origem", 1, 1, 1, OrigemProcToStr(infoProcesso.origem));
  g.wCampo(tcStr, "", "nrProcTrab", 15, 20, 1, infoProcesso.nrProcTrab);  // 15 or 20 digits
  g.wCampo(tcStr, "", "obsProcTrab", 1, 999, 0, infoProcesso.obsProcTrab);
  g.wGrupo("dadosCompl");
  // A choice: with both groups set, the one of the process's origin.
  const bool judicial =
      dados.instInfoProcJud() && (!dados.instInfoCCP() || infoProcesso.origem != oprDemandaSubmetidaACCPOuAoNINTER);
  if (judicial) {
    const TInfoProcJud& jud = dados.infoProcJud();
    g.wGrupo("infoProcJud");
    g.wCampo(tcDat, "", "dtSent", 10, 10, 1, jud.dtSent);
    g.wCampo(tcStr, "", "ufVara", 2, 2, 1, jud.ufVara);
    g.wCampo(tcInt, "", "codMunic", 7, 7, 1, jud.codMunic);
    g.wCampo(tcInt, "", "idVara", 1, 4, 1, jud.idVara);
    g.wGrupo("/infoProcJud");
  } else if (dados.instInfoCCP()) {
    const TInfoCCP& ccp = dados.infoCCP();
    g.wGrupo("infoCCP");
    g.wCampo(tcDat, "", "dtCCP", 10, 10, 1, ccp.dtCCP);
    g.wCampo(tcStr, "", "tpCCP", 1, 1, 1, TpCCPToStr(ccp.tpCCP));
    g.wCampo(tcStr, "", "cnpjCCP", 14, 14, 0, ccp.cnpjCCP);
    g.wGrupo("/infoCCP");
  }
  g.wGrupo("/dadosCompl");
  g.wGrupo("/infoProcesso");
}

void TEvtProcTrab::GerarIdeTrab() {
  dfe::TGerador& g = Gerador();
  g.wGrupo("ideTrab");
  g.wCampo(tcStr, "", "cpfTrab", 11, 11, 1, ideTrab.cpfTrab);
  g.wCampo(tcStr, "", "nmTrab", 1, 70, 0, ideTrab.nmTrab);
  g.wCampo(tcDat, "", "dtNascto", 10, 10, 0, ideTrab.dtNascto);
  if (VersaoDF() >= veS01_03_00 && ideTrab.ideSeqTrab > 0)
    g.wCampo(tcInt, "", "ideSeqTrab", 1, 3, 0, ideTrab.ideSeqTrab);
  if (ideTrab.instDependenteS2500() && VersaoDF() <= veS01_01_00) {
    const TDependenteCollectionS2500& dependentes = ideTrab.dependente();
    for (int i = 0; i < dependentes.Count(); ++i) {
      const TDependenteCollectionItemS2500& dep = dependentes.GetItem(i);
      g.wGrupo("dependente");
      g.wCampo(tcStr, "", "cpfDep", 11, 11, 1, dep.cpfDep);
      g.wCampo(tcStr, "", "tpDep", 2, 2, 1, TpDepToStr(dep.tpDep));
      g.wCampo(tcStr, "", "descDep", 1, 30, 0, dep.descDep);
      g.wGrupo("/dependente");
    }
    AlertarLimiteLista("dependente", "Lista de Dependentes", dependentes.Count(), 99);
  }
  if (ideTrab.instInfoContr()) {
    TInfoContrCollection& contratos = ideTrab.infoContr();
    for (int i = 0; i < contratos.Count(); ++i) GerarInfoContr(contratos.GetItem(i));
    AlertarLimiteLista("infoContr", "Informações do contrato de trabalho", contratos.Count(), 99);
  }
  g.wGrupo("/ideTrab");
}

void TEvtProcTrab::GerarInfoContr(TInfoContrCollectionItem& contr) {
  dfe::TGerador& g = Gerador();
  g.wGrupo("infoContr");
  g.wCampo(tcStr, "", "tpContr", 1, 1, 1, TpContrS2500ToStr(contr.tpContr));
  g.wCampo(tcStr, "", "indContr", 1, 1, 1, SimNaoToStr(contr.indContr));
  g.wCampo(tcDat, "", "dtAdmOrig", 10, 10, 0, contr.dtAdmOrig);
  if (contr.indReint != snfNada) g.wCampo(tcStr, "", "indReint", 1, 1, 1, SimNaoFacultativoToStr(contr.indReint));
  g.wCampo(tcStr, "", "indCateg", 1, 1, 1, SimNaoToStr(contr.indCateg));
  g.wCampo(tcStr, "", "indNatAtiv", 1, 1, 1, SimNaoToStr(contr.indNatAtiv));
  g.wCampo(tcStr, "", "indMotDeslig", 1, 1, 1, SimNaoToStr(contr.indMotDeslig));
  if (contr.indUnic != snfNada && VersaoDF() <= veS01_01_00)
    g.wCampo(tcStr, "", "indUnic", 1, 1, 1, SimNaoFacultativoToStr(contr.indUnic));
  g.wCampo(tcStr, "", "matricula", 1, 30, 0, contr.matricula);
  if (contr.codCateg > 0) g.wCampo(tcInt, "", "codCateg", 3, 3, 1, contr.codCateg);
  g.wCampo(tcDat, "", "dtInicio", 10, 10, 0, contr.dtInicio);
  if (contr.instInfoCompl() && InfoComplPresente(contr.infoCompl())) GerarInfoCompl(contr.infoCompl());
  if (contr.instMudCategAtiv()) {
    const TMudCategAtivCollection& mudancas = contr.mudCategAtiv();
    for (int i = 0; i < mudancas.Count(); ++i) {
      const TMudCategAtivCollectionItem& mud = mudancas.GetItem(i);
      g.wGrupo("mudCategAtiv");
      g.wCampo(tcInt, "", "codCateg", 3, 3, 1, mud.codCateg);
      if (mud.natAtividade != navNaoInformar)
        g.wCampo(tcStr, "", "natAtividade", 1, 1, 1, NatAtividadeToStr(mud.natAtividade));
      g.wCampo(tcDat, "", "dtMudCategAtiv", 10, 10, 1, mud.dtMudCategAtiv);
      g.wGrupo("/mudCategAtiv");
    }
    AlertarLimiteLista("mudCategAtiv", "Informação do novo código de categoria e/ou da nova natureza da atividade",
                       mudancas.Count(), 99);
  }
  if (contr.instUnicContr()) {
    const TUnicContrCollection& unificados = contr.unicContr();
    for (int i = 0; i < unificados.Count(); ++i) {
      const TUnicContrCollectionItem& unic = unificados.GetItem(i);
      g.wGrupo("unicContr");
      g.wCampo(tcStr, "", "matUnic", 1, 30, 0, unic.matUnic);
      if (unic.codCateg > 0) g.wCampo(tcInt, "", "codCateg", 3, 3, 1, unic.codCateg);
      g.wCampo(tcDat, "", "dtInicio", 10, 10, 0, unic.dtInicio);
      g.wGrupo("/unicContr");
    }
    AlertarLimiteLista("unicContr", "Informações dos vínculos/contratos incorporados", unificados.Count(), 99);
  }
  GerarIdeEstab(contr.ideEstab);
  g.wGrupo("/infoContr");
}

void TEvtProcTrab::GerarInfoCompl(TInfoCompl& infoCompl) {
  dfe::TGerador& g = Gerador();
  g.wGrupo("infoCompl");
  if (!infoCompl.codCBO.empty()) g.wCampo(tcStr, "", "codCBO", 1, 6, 1, infoCompl.codCBO);
  if (infoCompl.natAtividade != navNaoInformar)
    g.wCampo(tcStr, "", "natAtividade", 1, 1, 1, NatAtividadeToStr(infoCompl.natAtividade));
  if (infoCompl.instRemuneracao()) {
    const TRemuneracaoCollection& remuneracoes = infoCompl.remuneracao();
    for (int i = 0; i < remuneracoes.Count(); ++i) {
      const TRemuneracaoCollectionItem& rem = remuneracoes.GetItem(i);
      g.wGrupo("remuneracao");
      g.wCampo(tcDat, "", "dtRemun", 10, 10, 1, rem.dtRemun);
      g.wCampo(tcDe2, "", "vrSalFx", 1, 14, 1, rem.vrSalFx);
      g.wCampo(tcStr, "", "undSalFixo", 1, 1, 1, UndSalFixoToStr(rem.undSalFixo));
      g.wCampo(tcStr, "", "dscSalVar", 1, 999, 0, rem.dscSalVar);
      g.wGrupo("/remuneracao");
    }
    AlertarLimiteLista("remuneracao", "Informações da remuneração e periodicidade de pagamento", remuneracoes.Count(),
                       99);
  }
  if (infoCompl.instInfoVinc() && InfoVincPresente(infoCompl.infoVinc())) GerarInfoVinc(infoCompl.infoVinc());
  if (infoCompl.instInfoTerm()) {
    const TInfoTerm& term = infoCompl.infoTerm();
    g.wGrupo("infoTerm");
    g.wCampo(tcDat, "", "dtTerm", 10, 10, 1, term.dtTerm);
    g.wCampo(tcStr, "", "mtvDesligTSV", 2, 2, 0, term.mtvDesligTSV);
    g.wGrupo("/infoTerm");
  }
  g.wGrupo("/infoCompl");
}

void TEvtProcTrab::GerarInfoVinc(TInfoVinc& infoVinc) {
  dfe::TGerador& g = Gerador();
  g.wGrupo("infoVinc");
  // Required by the schema: a regime or system not informed goes out empty, with its alert.
  g.wCampo(tcStr, "", "tpRegTrab", 1, 1, 1, infoVinc.tpRegTrab == trNenhum ? "" : TpRegTrabToStr(infoVinc.tpRegTrab));
  g.wCampo(tcStr, "", "tpRegPrev", 1, 1, 1, infoVinc.tpRegPrev == rpNenhum ? "" : TpRegPrevToStr(infoVinc.tpRegPrev));
  g.wCampo(tcDat, "", "dtAdm", 10, 10, 1, infoVinc.dtAdm);
  if (infoVinc.tmpParc != tpNenhum) g.wCampo(tcStr, "", "tmpParc", 1, 1, 1, TmpParcToStr(infoVinc.tmpParc));
  if (infoVinc.instDuracao())
    GerarDuracao(infoVinc.duracao(), platform::StrToIntDef(TpRegTrabToStr(infoVinc.tpRegTrab), 0));
  if (infoVinc.instObservacoes()) GerarObservacoes(infoVinc.observacoes());
  if (infoVinc.instSucessaoVinc()) {
    const TSucessaoVinc& suc = infoVinc.sucessaoVinc();
    if (!suc.nrInsc().empty() || !suc.matricAnt.empty() || suc.dtTransf > 0) {
      g.wGrupo("sucessaoVinc");
      g.wCampo(tcStr, "", "tpInsc", 1, 1, 1, TpInscToStr(suc.tpInsc()));
      g.wCampo(tcStr, "", "nrInsc", 8, 14, 1, suc.nrInsc());
      g.wCampo(tcStr, "", "matricAnt", 1, 30, 0, suc.matricAnt);
      g.wCampo(tcDat, "", "dtTransf", 10, 10, 1, suc.dtTransf);
      g.wGrupo("/sucessaoVinc");
    }
  }
  if (infoVinc.instInfoDeslig()) {
    const TInfoDeslig& deslig = infoVinc.infoDeslig();
    g.wGrupo("infoDeslig");
    g.wCampo(tcDat, "", "dtDeslig", 10, 10, 1, deslig.dtDeslig);
    g.wCampo(tcStr, "", "mtvDeslig", 2, 2, 1, deslig.mtvDeslig);
    if (deslig.dtProjFimAPI > 0) g.wCampo(tcDat, "", "dtProjFimAPI", 10, 10, 0, deslig.dtProjFimAPI);
    if (VersaoDF() >= veS01_02_00) g.wCampo(tcStr, "", "pensAlim", 1, 1, 0, PensaoAlimToStr(deslig.pensAlim));
    if (VersaoDF() >= veS01_02_00) g.wCampo(tcDe2, "", "percAliment", 1, 5, 0, deslig.percAliment);
    if (VersaoDF() >= veS01_02_00) g.wCampo(tcDe2, "", "vrAlim", 1, 14, 0, deslig.vrAlim);
    g.wGrupo("/infoDeslig");
  }
  g.wGrupo("/infoVinc");
}

void TEvtProcTrab::GerarIdeEstab(TIdeEstab& ideEstab) {
  dfe::TGerador& g = Gerador();
  TInfoVlr& vlr = ideEstab.infoVlr;
  const bool s11 = VersaoDF() <= veS01_01_00;
  g.wGrupo("ideEstab");
  g.wCampo(tcStr, "", "tpInsc", 1, 1, 1, TpInscToStr(ideEstab.tpInsc));
  g.wCampo(tcStr, "", "nrInsc", 12, 14, 1, ideEstab.nrInsc);
  g.wGrupo("infoVlr");
  g.wCampo(tcStr, "", "compIni", 7, 7, 1, vlr.compIni);
  g.wCampo(tcStr, "", "compFim", 7, 7, 1, vlr.compFim);
  if (s11) g.wCampo(tcStr, "", "repercProc", 1, 1, 1, RepercProcToStr(vlr.repercProc));
  if (s11) g.wCampo(tcDe2, "", "vrRemun", 1, 14, 1, vlr.vrRemun);
  if (s11) g.wCampo(tcDe2, "", "vrAPI", 1, 14, 1, vlr.vrAPI);
  if (s11) g.wCampo(tcDe2, "", "vr13API", 1, 14, 1, vlr.vr13API);
  if (s11) g.wCampo(tcDe2, "", "vrInden", 1, 14, 1, vlr.vrInden);
  if (s11) g.wCampo(tcDe2, "", "vrBaseIndenFGTS", 1, 14, 0, vlr.vrBaseIndenFGTS);
  if (s11) g.wCampo(tcStr, "", "pagDiretoResc", 1, 1, 0, SimNaoFacultativoToStr(vlr.pagDiretoResc));
  if (!s11) g.wCampo(tcStr, "", "indReperc", 1, 1, 1, IndRepercToStr(vlr.indReperc));
  if (!s11) g.wCampo(tcStr, "", "indenSD", 1, 1, 0, SimFacultativoToStr(vlr.indenSD));
  if (!s11) g.wCampo(tcStr, "", "indenAbono", 1, 1, 0, SimFacultativoToStr(vlr.indenAbono));
  if (!s11 && vlr.instAbono()) {
    const TAbonoCollection& abonos = vlr.abono();
    for (int i = 0; i < abonos.Count(); ++i) {
      g.wGrupo("abono");
      g.wCampo(tcStr, "", "anoBase", 4, 4, 1, abonos.GetItem(i).anoBase);
      g.wGrupo("/abono");
    }
    AlertarLimiteLista("abono",
                       "Identificação do(s) ano(s)-base em que houve indenização substitutiva de abono salarial",
                       abonos.Count(), 9);
  }
  if (vlr.instIdePeriodo()) GerarPeriodos(vlr.idePeriodo());
  g.wGrupo("/infoVlr");
  g.wGrupo("/ideEstab");
}

void TEvtProcTrab::GerarPeriodos(TIdePeriodoCollection& periodos) {
  dfe::TGerador& g = Gerador();
  const bool s11 = VersaoDF() <= veS01_01_00;
  for (int i = 0; i < periodos.Count(); ++i) {
    TIdePeriodoCollectionItem& per = periodos.GetItem(i);
    TbaseCalculo& base = per.baseCalculo;
    g.wGrupo("idePeriodo");
    g.wCampo(tcStr, "", "perRef", 7, 7, 1, per.perRef);
    // Optional from S-1.02 on: left out only when it holds nothing, the degree of exposure
    // included.
    if (s11 || base.vrBcCpMensal != 0 || base.vrBcCp13 != 0 || base.instInfoAgNocivo()) {
      g.wGrupo("baseCalculo");
      g.wCampo(tcDe2, "", "vrBcCpMensal", 1, 14, 1, base.vrBcCpMensal);
      g.wCampo(tcDe2, "", "vrBcCp13", 1, 14, s11 ? 1 : 0, base.vrBcCp13);
      if (s11) g.wCampo(tcDe2, "", "vrBcFgts", 1, 14, 1, base.vrBcFgts);
      if (s11) g.wCampo(tcDe2, "", "vrBcFgts13", 1, 14, 1, base.vrBcFgts13);
      if (base.instInfoAgNocivo()) GerarInfoAgNocivo(base.infoAgNocivo());
      g.wGrupo("/baseCalculo");
    }
    if (per.instInfoFGTS()) {
      const TInfoFGTS& fgts = per.infoFGTS();
      g.wGrupo("infoFGTS");
      if (s11) g.wCampo(tcDe2, "", "vrBcFgtsGuia", 1, 14, 1, fgts.vrBcFgtsGuia);
      if (s11) g.wCampo(tcDe2, "", "vrBcFgts13Guia", 1, 14, 1, fgts.vrBcFgts13Guia);
      if (s11) g.wCampo(tcStr, "", "pagDireto", 1, 1, 1, SimNaoToStr(fgts.pagDireto));
      if (!s11) g.wCampo(tcDe2, "", "vrBcFGTSProcTrab", 1, 14, 1, fgts.vrBcFGTSProcTrab);
      if (!s11) g.wCampo(tcDe2, "", "vrBcFGTSSefip", 1, 14, 0, fgts.vrBcFGTSSefip);
      if (!s11) g.wCampo(tcDe2, "", "vrBcFGTSDecAnt", 1, 14, 0, fgts.vrBcFGTSDecAnt);
      g.wGrupo("/infoFGTS");
    }
    if (per.instBaseMudCateg()) {
      const TBaseMudCateg& mud = per.baseMudCateg();
      g.wGrupo("baseMudCateg");
      g.wCampo(tcInt, "", "codCateg", 3, 3, 1, mud.codCateg);
      g.wCampo(tcDe2, "", "vrBcCPrev", 1, 14, 1, mud.vrBcCPrev);
      g.wGrupo("/baseMudCateg");
    }
    if (VersaoDF() >= veS01_03_00 && per.infoIntermInst()) GerarInfoInterm(per.infoInterm());
    g.wGrupo("/idePeriodo");
  }
  // S-1.01 allows 360 months.
  AlertarLimiteLista("idePeriodo", "Identificação do período ao qual se referem as bases de cálculo", periodos.Count(),
                     s11 ? 360 : 999);
}

}  // namespace esocial::s2500
