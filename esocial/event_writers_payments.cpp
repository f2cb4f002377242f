// Writers of the remuneration, payment and tax groups that several events share.
#include <string>

#include "dfe/xml_writer.h"
#include "esocial/event_base.h"

namespace esocial {

using dfe::tcDat;
using dfe::tcDe1;
using dfe::tcDe2;
using dfe::tcInt;
using dfe::tcStr;

void TeSocialEvento::GerarItensRemun(const TRubricaCollection& pItens, const std::string& GroupName,
                                     const TOpcoesItensRemun& Opcoes) {
  for (int i = 0; i < pItens.Count(); ++i) {
    const TRubricaCollectionItem& item = pItens.GetItem(i);
    Gerador().wGrupo(GroupName);
    if (Opcoes.GeraMatricula) Gerador().wCampo(tcStr, "", "matricula", 1, 30, 0, item.matricula);
    Gerador().wCampo(tcStr, "", "codRubr", 1, 30, 1, item.codRubr);
    Gerador().wCampo(tcStr, "", "ideTabRubr", 1, 8, 1, item.ideTabRubr);
    Gerador().wCampo(tcDe2, "", "qtdRubr", 1, VersaoDF() >= veS01_00_00 ? 12 : 6, 0, item.qtdRubr);
    Gerador().wCampo(tcDe2, "", "fatorRubr", 1, 5, 0, item.fatorRubr);
    if (VersaoDF() <= ve02_05_00) Gerador().wCampo(tcDe2, "", "vrUnit", 1, 14, 0, item.vrUnit);
    Gerador().wCampo(tcDe2, "", "vrRubr", 1, 14, 1, item.vrRubr);
    if (VersaoDF() >= veS01_00_00 && (Opcoes.IndApurIRObrigatorio || item.indApurIR != tiaiNenhum))
      Gerador().wCampo(tcStr, "", "indApurIR", 1, 1, Opcoes.IndApurIRObrigatorio ? 1 : 0,
                       IndApurIRToStr(item.indApurIR));
    if (VersaoDF() >= veS01_03_00 && Opcoes.GeraDescFolha) GerarDescFolha(item.descFolha);
    Gerador().wGrupo("/" + GroupName);
  }
  AlertarLimiteLista(GroupName, "Lista de " + GroupName, pItens.Count(), 200);
}

void TeSocialEvento::GerarDescFolha(const TdescFolha& pDescFolha) {
  if (pDescFolha.tpDesc == tpdNaoInformado) return;
  Gerador().wGrupo("descFolha");
  Gerador().wCampo(tcStr, "", "tpDesc", 1, 1, 1, TpDescToStr(pDescFolha.tpDesc));
  Gerador().wCampo(tcStr, "", "instFinanc", 3, 3, 1, pDescFolha.instFinanc);
  Gerador().wCampo(tcStr, "", "nrDoc", 1, 15, 1, pDescFolha.nrDoc);
  Gerador().wCampo(tcStr, "", "observacao", 1, 255, 0, pDescFolha.observacao);
  Gerador().wGrupo("/descFolha");
}

void TeSocialEvento::GerarIdeEstabLot(const TideEstabLotCollection& pIdeEstabLot, TTipoEvento TipoEvento,
                                      bool GeraDescFolha) {
  // A worker without bond has up to 99 establishments, and from S-1.0 on no exposure to harmful
  // agents.
  const bool semVinculo = TipoEvento == teS2399;
  const bool semAgNocivo = semVinculo && VersaoDF() >= veS01_00_00;
  for (int i = 0; i < pIdeEstabLot.Count(); ++i) {
    TideEstabLotItem& item = pIdeEstabLot.GetItem(i);
    Gerador().wGrupo("ideEstabLot");
    Gerador().wCampo(tcInt, "", "tpInsc", 1, 1, 1, TpInscToStr(item.tpInsc));
    Gerador().wCampo(tcStr, "", "nrInsc", 1, 15, 1, item.nrInsc);
    Gerador().wCampo(tcStr, "", "codLotacao", 1, 30, 1, item.codLotacao);
    GerarItensRemun(item.detVerbas, "detVerbas", {.GeraDescFolha = GeraDescFolha});
    if (VersaoDF() <= ve02_05_00 && item.infoSaudeColetInst()) GerarInfoSaudeColet(item.infoSaudeColet());
    if (!semAgNocivo && item.infoAgNocivoInst()) GerarInfoAgNocivo(item.infoAgNocivo());
    if (item.infoSimplesInst()) GerarInfoSimples(item.infoSimples());
    Gerador().wGrupo("/ideEstabLot");
  }
  AlertarLimiteLista("ideEstabLot", "Lista de Identificação de Estabecimentos/Lotação", pIdeEstabLot.Count(),
                     semVinculo ? 99 : 24);
}

void TeSocialEvento::GerarInfoAgNocivo(const TInfoAgNocivo& pInfoAgNocivo) {
  Gerador().wGrupo("infoAgNocivo");
  Gerador().wCampo(tcStr, "", "grauExp", 1, 1, 1, GrauExpToStr(pInfoAgNocivo.grauExp));
  Gerador().wGrupo("/infoAgNocivo");
}

void TeSocialEvento::GerarInfoSimples(const TinfoSimples& pInfoSimples) {
  if (pInfoSimples.indSimples == idsNenhum) return;
  Gerador().wGrupo("infoSimples");
  Gerador().wCampo(tcStr, "", "indSimples", 1, 1, 1, IndSimplesToStr(pInfoSimples.indSimples));
  Gerador().wGrupo("/infoSimples");
}

void TeSocialEvento::GerarInfoSaudeColet(const TInfoSaudeColet& pInfoSaudeColet) {
  Gerador().wGrupo("infoSaudeColet");
  GerarDetOper(pInfoSaudeColet.detOper);
  Gerador().wGrupo("/infoSaudeColet");
}

void TeSocialEvento::GerarDetOper(const TDetOperCollection& pDetOper) {
  for (int i = 0; i < pDetOper.Count(); ++i) {
    const TDetOperCollectionItem& item = pDetOper.GetItem(i);
    Gerador().wGrupo("detOper");
    Gerador().wCampo(tcStr, "", "cnpjOper", 14, 14, 1, item.cnpjOper);
    Gerador().wCampo(tcStr, "", "regANS", 1, 6, 1, item.regANS);
    Gerador().wCampo(tcDe2, "", "vrPgTit", 1, 14, 1, item.vrPgTit);
    GerarDetPlano(item.detPlano);
    Gerador().wGrupo("/detOper");
  }
  AlertarLimiteLista("detOper", "Lista de Detalhamento de valores", pDetOper.Count(), 99);
}

void TeSocialEvento::GerarDetPlano(const TDetPlanoCollection& pDetPlano) {
  for (int i = 0; i < pDetPlano.Count(); ++i) {
    const TDetPlanoCollectionItem& item = pDetPlano.GetItem(i);
    Gerador().wGrupo("detPlano");
    Gerador().wCampo(tcStr, "", "tpDep", 1, 2, 1, TpDepToStr(item.tpDep));
    Gerador().wCampo(tcStr, "", "cpfDep", 11, 11, 0, item.cpfDep);
    Gerador().wCampo(tcStr, "", "nmDep", 1, 70, 1, item.nmDep);
    Gerador().wCampo(tcDat, "", "dtNascto", 10, 10, 1, item.dtNascto);
    Gerador().wCampo(tcDe2, "", "vlrPgDep", 1, 14, 1, item.vlrPgDep);
    Gerador().wGrupo("/detPlano");
  }
  AlertarLimiteLista("detPlano", "Lista de Informações do Dependentes", pDetPlano.Count(), 99);
}

void TeSocialEvento::GerarInfoMV(const TInfoMV& pInfoMV) {
  Gerador().wGrupo("infoMV");
  Gerador().wCampo(tcStr, "", "indMV", 1, 1, 1, IndMVToStr(pInfoMV.indMV));
  GerarRemunOutrEmpr(pInfoMV.remunOutrEmpr);
  Gerador().wGrupo("/infoMV");
}

void TeSocialEvento::GerarRemunOutrEmpr(const TRemunOutrEmprCollection& pRemunOutrEmpr) {
  for (int i = 0; i < pRemunOutrEmpr.Count(); ++i) {
    const TRemunOutrEmprCollectionItem& item = pRemunOutrEmpr.GetItem(i);
    if (!(item.vlrRemunOE > 0)) continue;
    Gerador().wGrupo("remunOutrEmpr");
    Gerador().wCampo(tcStr, "", "tpInsc", 1, 1, 1, TpInscToStr(item.tpInsc));
    Gerador().wCampo(tcStr, "", "nrInsc", 1, 15, 1, item.nrInsc);
    Gerador().wCampo(tcInt, "", "codCateg", 1, 3, 1, item.codCateg);
    Gerador().wCampo(tcDe2, "", "vlrRemunOE", 1, 14, 1, item.vlrRemunOE);
    Gerador().wGrupo("/remunOutrEmpr");
  }
  AlertarLimiteLista("remunOutrEmpr", "Lista de Informações de Remuneração", pRemunOutrEmpr.Count(),
                     VersaoDF() <= ve02_05_00 ? 10 : 999);
}

void TeSocialEvento::GerarProcJudTrab(const TProcJudTrabCollection& pProcJudTrab, bool GeraTpTrib) {
  for (int i = 0; i < pProcJudTrab.Count(); ++i) {
    const TProcJudTrabCollectionItem& item = pProcJudTrab.GetItem(i);
    Gerador().wGrupo("procJudTrab");
    if (GeraTpTrib) Gerador().wCampo(tcStr, "", "tpTrib", 1, 1, 1, TpTributoToStr(item.tpTrib));
    Gerador().wCampo(tcStr, "", "nrProcJud", 1, 20, 1, item.nrProcJud);
    Gerador().wCampo(tcStr, "", "codSusp", 1, 14, 1, item.codSusp);
    Gerador().wGrupo("/procJudTrab");
  }
  AlertarLimiteLista("procJudTrab", "Lista de Processos Judiciais", pProcJudTrab.Count(), 99);
}

void TeSocialEvento::GerarInicioDmDev(const std::string& ideDmDev, tpSimNaoFacultativo indRRA, TInfoRRA* pInfoRRA) {
  Gerador().wCampo(tcStr, "", "ideDmDev", 1, 30, 1, ideDmDev);
  GerarIndRRA(indRRA, pInfoRRA);
}

void TeSocialEvento::GerarIndRRA(tpSimNaoFacultativo indRRA, TInfoRRA* pInfoRRA) {
  if (VersaoDF() < veS01_01_00 || indRRA != snfSim || pInfoRRA == nullptr) return;
  Gerador().wCampo(tcStr, "", "indRRA", 1, 1, 1, SimNaoFacultativoToStr(indRRA));
  GerarInfoRRA(*pInfoRRA);
}

void TeSocialEvento::GerarFimVerbasResc(TVerbasResc& pVerbasResc) {
  if (pVerbasResc.procJudTrabInst()) GerarProcJudTrab(pVerbasResc.procJudTrab(), true);
  // The group holds at least one other employer's pay.
  if (pVerbasResc.infoMVInst() && pVerbasResc.infoMV().remunOutrEmpr.Count() > 0) GerarInfoMV(pVerbasResc.infoMV());
}

void TeSocialEvento::GerarPensaoAlim(const TPensaoAlimCollection& pPensaoAlim, const std::string& GroupName) {
  for (int i = 0; i < pPensaoAlim.Count(); ++i) {
    const TPensaoAlimCollectionItem& item = pPensaoAlim.GetItem(i);
    Gerador().wGrupo(GroupName);
    Gerador().wCampo(tcStr, "", "cpfBenef", 11, 11, 1, item.cpfBenef);
    Gerador().wCampo(tcDat, "", "dtNasctoBenef", 10, 10, 0, item.dtNasctoBenef);
    Gerador().wCampo(tcStr, "", "nmBenefic", 1, 70, 1, item.nmBenefic);
    Gerador().wCampo(tcDe2, "", "vlrPensao", 1, 14, 1, item.vlrPensao);
    Gerador().wGrupo("/" + GroupName);
  }
  AlertarLimiteLista(GroupName, "Lista de " + GroupName, pPensaoAlim.Count(), 99);
}

void TeSocialEvento::GerarInfoRRA(TInfoRRA& pInfoRRA) {
  Gerador().wGrupo("infoRRA");
  Gerador().wCampo(tcStr, "", "tpProcRRA", 1, 1, 1, TpProcRRAToStr(pInfoRRA.tpProcRRA));
  Gerador().wCampo(tcStr, "", "nrProcRRA", 17, 21, 0, pInfoRRA.nrProcRRA);
  Gerador().wCampo(tcStr, "", "descRRA", 1, 50, 1, pInfoRRA.descRRA);
  Gerador().wCampo(tcDe1, "", "qtdMesesRRA", 1, 4, 1, pInfoRRA.qtdMesesRRA);
  if (pInfoRRA.instDespProcJud()) GerarDespProcJud(pInfoRRA.despProcJud());
  if (pInfoRRA.instIdeAdv()) GerarIdeAdv(pInfoRRA.ideAdv());
  Gerador().wGrupo("/infoRRA");
}

void TeSocialEvento::GerarDespProcJud(const TDespProcJud& pDespProcJud) {
  Gerador().wGrupo("despProcJud");
  Gerador().wCampo(tcDe2, "", "vlrDespCustas", 1, 14, 1, pDespProcJud.vlrDespCustas);
  Gerador().wCampo(tcDe2, "", "vlrDespAdvogados", 1, 14, 1, pDespProcJud.vlrDespAdvogados);
  Gerador().wGrupo("/despProcJud");
}

void TeSocialEvento::GerarIdeAdv(const TIdeAdvCollection& pIdeAdv) {
  for (int i = 0; i < pIdeAdv.Count(); ++i) {
    const TIdeAdvCollectionItem& item = pIdeAdv.GetItem(i);
    Gerador().wGrupo("ideAdv");
    Gerador().wCampo(tcStr, "", "tpInsc", 1, 1, 1, TpInscToStr(item.tpInsc));
    Gerador().wCampo(tcStr, "", "nrInsc", 11, 14, 1, item.nrInsc);
    Gerador().wCampo(tcDe2, "", "vlrAdv", 1, 14, 1, item.vlrAdv);
    Gerador().wGrupo("/ideAdv");
  }
  AlertarLimiteLista("ideAdv", "Identificação dos advogados", pIdeAdv.Count(), 99);
}

void TeSocialEvento::GerarInfoInterm(const TinfoIntermCollection& pInfoInterm) {
  if (pInfoInterm.Count() == 0) return;
  if (VersaoDF() <= ve02_05_00) {
    Gerador().wGrupo("infoInterm");
    Gerador().wCampo(tcInt, "", "qtdDiasInterm", 1, 2, 1, pInfoInterm.GetItem(0).qtdDiasInterm);
    Gerador().wGrupo("/infoInterm");
  } else {
    for (int i = 0; i < pInfoInterm.Count(); ++i) {
      const TinfoIntermCollectionItem& item = pInfoInterm.GetItem(i);
      Gerador().wGrupo("infoInterm");
      Gerador().wCampo(tcInt, "", "dia", 1, 2, 1, item.dia);
      if (VersaoDF() >= veS01_03_00) Gerador().wCampo(tcStr, "", "hrsTrab", 4, 4, 0, item.hrsTrab);
      Gerador().wGrupo("/infoInterm");
    }
  }
  AlertarLimiteLista("infoInterm", "Informações relativas ao trabalho intermitente", pInfoInterm.Count(), 31);
}

void TeSocialEvento::GerarQuarentena(const TQuarentena& pQuarentena) {
  if (VersaoDF() > veS01_00_00 || !(pQuarentena.dtFimQuar > 0)) return;
  Gerador().wGrupo("quarentena");
  Gerador().wCampo(tcDat, "", "dtFimQuar", 10, 10, 1, pQuarentena.dtFimQuar);
  Gerador().wGrupo("/quarentena");
}

void TeSocialEvento::GerarEndExt(const TEndExt& pEndExt) {
  Gerador().wGrupo("endExt");
  Gerador().wCampo(tcStr, "", "dscLograd", 1, 80, 1, pEndExt.dscLograd);
  Gerador().wCampo(tcStr, "", "nrLograd", 1, 10, 0, pEndExt.nrLograd);
  Gerador().wCampo(tcStr, "", "complem", 1, 30, 0, pEndExt.complem);
  Gerador().wCampo(tcStr, "", "bairro", 1, 60, 0, pEndExt.bairro);
  Gerador().wCampo(tcStr, "", "nmCid", 1, 50, 1, pEndExt.nmCid);
  Gerador().wCampo(tcStr, "", "codPostal", 1, 12, 0, pEndExt.codPostal);
  Gerador().wGrupo("/endExt");
}

void TeSocialEvento::GerarIdePais(const TIdePais& pIdePais) {
  Gerador().wGrupo("idePais");
  Gerador().wCampo(tcStr, "", "codPais", 1, 3, 1, pIdePais.codPais);
  Gerador().wCampo(tcStr, "", "indNIF", 1, 1, 1, IndNIFToStr(pIdePais.indNIF));
  Gerador().wCampo(tcStr, "", "nifBenef", 1, 20, 0, pIdePais.nifBenef);
  Gerador().wGrupo("/idePais");
}

void TeSocialEvento::GerarPerAnt(const TperAnt& pPerAnt) {
  Gerador().wGrupo("perAnt");
  Gerador().wCampo(tcStr, "", "perRefAjuste", 7, 7, 1, pPerAnt.perRefAjuste);
  Gerador().wCampo(tcStr, "", "nrRec1210Orig", 23, 23, 1, pPerAnt.nrRec1210Orig);
  Gerador().wGrupo("/perAnt");
}

}  // namespace esocial
