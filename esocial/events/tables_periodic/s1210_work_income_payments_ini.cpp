// S-1210 INI reader.
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>

#include "esocial/events/event_ini.h"
#include "esocial/events/tables_periodic/s1210_work_income_payments.h"

namespace esocial::s1210 {

namespace {

using N = TLeitorIniEvento;

// A rubric's own keys (no indApurIR: the payments carry none).
void LerRubrica(const TLeitorIniEvento& ini, const std::string& Secao, TRubricaCollectionItem& r) {
  r.codRubr = ini.Texto(Secao, "codRubr");
  r.ideTabRubr = ini.Texto(Secao, "ideTabRubr");
  r.qtdRubr = ini.DecimalEstrito(Secao, "qtdRubr");
  r.fatorRubr = ini.DecimalEstrito(Secao, "fatorRubr");
  r.vrUnit = ini.DecimalEstrito(Secao, "vrUnit");
  r.vrRubr = ini.DecimalEstrito(Secao, "vrRubr");
}

// Rubrics paid with their alimony: sections Grupo + Pos followed by 01, 02 ..., each with its
// alimony in sections penAlim + its position followed by 01, 02 ...
void LerRubricasComPensao(const TLeitorIniEvento& ini, const std::string& Grupo, const std::string& Pos,
                          const std::function<TRubricasComPensaoCollection&()>& Lista) {
  ini.LerLista(Grupo + Pos, 2, "codRubr", [&](int k, const std::string& secao, const std::string&) {
    TRubricasComPensaoItem& r = Lista().New();
    LerRubrica(ini, secao, r);
    ini.LerLista("penAlim" + N::NomeSecao(Pos, k, 2), 2, "cpfBenef",
                 [&](int, const std::string& pensao, const std::string& cpfBenef) {
                   TPensaoAlimCollectionItem& p = r.penAlim().New();
                   p.cpfBenef = cpfBenef;
                   p.dtNasctoBenef = ini.Data(pensao, "dtNasctoBenef");
                   p.nmBenefic = ini.Texto(pensao, "nmBenefic");
                   p.vlrPensao = ini.DecimalEstrito(pensao, "vlrPensao");
                 });
  });
}

// The payslips paid, sections detPgtoFl + I followed by 001, 002 ... An item is there while its
// perRef (optional in the layout) or its ideDmDev is given.
void LerDetPgtoFl(const TLeitorIniEvento& ini, const std::string& I, TInfoPgtoItem& p) {
  for (int j = 1; j <= N::UltimoNumero(3); ++j) {
    const std::string secao = N::NomeSecao("detPgtoFl" + I, j, 3);
    if (N::FimDaLista(ini.Texto(secao, "perRef", "FIM")) && N::FimDaLista(ini.Texto(secao, "ideDmDev", "FIM"))) break;
    TdetPgtoFlItem& d = p.detPgtoFl.New();
    d.perRef = ini.Texto(secao, "perRef");
    d.ideDmDev = ini.Texto(secao, "ideDmDev");
    d.indPagtoTt = ini.CodigoEstrito(secao, "indPagtoTt", "S", StrToSimNao);
    d.vrLiq = ini.DecimalEstrito(secao, "vrLiq");
    d.nrRecArq = ini.Texto(secao, "nrRecArq");
    const std::string J = N::NomeSecao(I, j, 3);
    LerRubricasComPensao(ini, "retPgtoTot", J, [&]() -> TRubricasComPensaoCollection& { return d.retPagtoTot(); });
    ini.LerLista("infoPgtoParc" + J, 2, "codRubr", [&](int, const std::string& parcela, const std::string&) {
      TRubricaCollectionItem& r = d.infoPgtoParc().New();
      r.matricula = ini.Texto(parcela, "matricula");
      LerRubrica(ini, parcela, r);
    });
  }
}

void LerDetPgtoBenPr(const TLeitorIniEvento& ini, const std::string& I, TInfoPgtoItem& p) {
  const std::string secao = "detPgtoBenPr" + I;
  if (ini.AlgumaChave(secao, {"perRef", "ideDmDev", "indPgtoTt", "vrLiq"})) {
    TDetPgtoBenPr& b = p.detPgtoBenPr();
    b.perRef = ini.Texto(secao, "perRef");
    b.ideDmDev = ini.Texto(secao, "ideDmDev");
    b.indPgtoTt = ini.CodigoEstrito(secao, "indPgtoTt", "S", StrToSimNao);
    b.vrLiq = ini.DecimalEstrito(secao, "vrLiq");
  }
  ini.LerLista("retPgtoTot" + I, 2, "codRubr", [&](int, const std::string& rubrica, const std::string&) {
    LerRubrica(ini, rubrica, p.detPgtoBenPr().retPgtoTot().New());
  });
  ini.LerLista("infoPgtoParc" + I, 2, "codRubr", [&](int, const std::string& rubrica, const std::string&) {
    LerRubrica(ini, rubrica, p.detPgtoBenPr().infoPgtoParc().New());
  });
}

void LerDetPgtoFer(const TLeitorIniEvento& ini, const std::string& I, TInfoPgtoItem& p) {
  ini.LerLista("detPgtoFer" + I, 1, "codCateg", [&](int j, const std::string& secao, const std::string&) {
    TDetPgtoFerItem& f = p.detPgtoFer().New();
    f.codCateg = ini.InteiroExato<int>(secao, "codCateg");
    f.matricula = ini.Texto(secao, "matricula");
    f.dtIniGoz = ini.Data(secao, "dtIniGoz");
    f.qtDias = ini.InteiroExato<int>(secao, "qtDias");
    f.vrLiq = ini.DecimalEstrito(secao, "vrLiq");
    LerRubricasComPensao(ini, "detRubrFer", N::NomeSecao(I, j, 1),
                         [&]() -> TRubricasComPensaoCollection& { return f.detRubrFer; });
  });
}

void LerDetPgtoAnt(const TLeitorIniEvento& ini, const std::string& I, TInfoPgtoItem& p) {
  ini.LerLista("detPgtoAnt" + I, 2, "codCateg", [&](int j, const std::string& secao, const std::string&) {
    TDetPgtoAntItem& a = p.detPgtoAnt().New();
    a.codCateg = ini.InteiroExato<int>(secao, "codCateg");
    ini.LerLista("infoPgtoAnt" + N::NomeSecao(I, j, 2), 2, "tpBcIRRF",
                 [&](int, const std::string& base, const std::string&) {
                   TInfoPgtoAntItem& b = a.infoPgtoAnt.New();
                   b.tpBcIRRF = ini.CodigoEstrito(base, "tpBcIRRF", "", StrToCodIncIRRF);
                   b.vrBcIRRF = ini.DecimalEstrito(base, "vrBcIRRF");
                 });
  });
}

// The payment abroad of each form, each read when any of its keys is given.
void LerPgtoExt(const TLeitorIniEvento& ini, const std::string& I, TInfoPgtoItem& p) {
  const std::string ide = "idePgtoExt" + I;
  if (ini.AlgumaChave(
          ide, {"codPais", "indNIF", "nifBenef", "dscLograd", "nrLograd", "complem", "bairro", "nmCid", "codPostal"})) {
    TPgtoExt& ext = p.IdePgtoExt;
    ext.idePais.codPais = ini.Texto(ide, "codPais");
    ext.idePais.indNIF = ini.CodigoEstrito(ide, "indNIF", "1", StrToIndNIF);
    ext.idePais.nifBenef = ini.Texto(ide, "nifBenef");
    ext.endExt.dscLograd = ini.Texto(ide, "dscLograd");
    ext.endExt.nrLograd = ini.Texto(ide, "nrLograd");
    ext.endExt.complem = ini.Texto(ide, "complem");
    ext.endExt.bairro = ini.Texto(ide, "bairro");
    ext.endExt.nmCid = ini.Texto(ide, "nmCid");
    ext.endExt.codPostal = ini.Texto(ide, "codPostal");
  }
  const std::string info = "infoPgtoExt" + I;
  const std::string end = "endExt" + I;
  if (!ini.AlgumaChave(info, {"indNIF", "nifBenef", "frmTribut"}) &&
      !ini.AlgumaChave(end, {"endDscLograd", "endNrLograd", "endComplem", "endBairro", "endCidade", "endEstado",
                             "endCodPostal", "telef"}))
    return;
  TInfoPgtoExt& ext = p.infoPgtoExt();
  ext.indNIF = ini.CodigoEstrito(info, "indNIF", "1", StrToIndNIF);
  ext.nifBenef = ini.Texto(info, "nifBenef");
  ext.frmTribut = ini.InteiroExato<int>(info, "frmTribut");
  ext.endExt.endDscLograd = ini.Texto(end, "endDscLograd");
  ext.endExt.endNrLograd = ini.Texto(end, "endNrLograd");
  ext.endExt.endComplem = ini.Texto(end, "endComplem");
  ext.endExt.endBairro = ini.Texto(end, "endBairro");
  ext.endExt.endCidade = ini.Texto(end, "endCidade");
  ext.endExt.endEstado = ini.Texto(end, "endEstado");
  ext.endExt.endCodPostal = ini.Texto(end, "endCodPostal");
  ext.endExt.telef = ini.Texto(end, "telef");
}

// The payments, sections infoPgto followed by 01, 02 ... or, when there is no infoPgto01, by
// 001, 002 ...; the sections of a payment's groups carry its number the same way.
void LerInfoPgto(const TLeitorIniEvento& ini, TInfoPgtoCollection& Lista) {
  const int largura = N::FimDaLista(ini.Texto("infoPgto01", "dtPgto", "FIM")) ? 3 : 2;
  ini.LerLista("infoPgto", largura, "dtPgto", [&](int i, const std::string& secao, const std::string&) {
    TInfoPgtoItem& p = Lista.New();
    p.DtPgto = ini.Data(secao, "dtPgto");
    p.TpPgto = ini.CodigoEstrito(secao, "tpPgto", "1", StrToTpPgto);
    p.IndResBr = ini.CodigoEstrito(secao, "indResBr", "S", StrToSimNao);
    p.perRef = ini.Texto(secao, "perRef");
    p.ideDmDev = ini.Texto(secao, "ideDmDev");
    p.vrLiq = ini.DecimalEstrito(secao, "vrLiq");
    p.paisResidExt = ini.Texto(secao, "paisResidExt");
    const std::string I = N::NomeSecao("", i, largura);
    LerDetPgtoFl(ini, I, p);
    LerDetPgtoBenPr(ini, I, p);
    LerDetPgtoFer(ini, I, p);
    LerDetPgtoAnt(ini, I, p);
    LerPgtoExt(ini, I, p);
  });
}

void LerInfoIRCR(const TLeitorIniEvento& ini, const std::string& I, TinfoIRComplemCollectionItem& c) {
  ini.LerLista("infoIRCR" + I, 2, "tpCR", [&](int j, const std::string&, const std::string& tpCR) {
    TinfoIRCRCollectionItem& cr = c.infoIRCR().New();
    cr.tpCR = tpCR;
    const std::string J = N::NomeSecao(I, j, 2);
    ini.LerLista("dedDepen" + J, 3, "tpRend", [&](int, const std::string& secao, const std::string&) {
      TdedDepenCollectionItem& d = cr.dedDepen().New();
      d.tpRend = ini.InteiroExato<int>(secao, "tpRend");
      d.cpfDep = ini.Texto(secao, "cpfDep");
      d.vlrDedDep = ini.DecimalEstrito(secao, "vlrDedDep");
    });
    ini.LerLista("penAlim" + J, 2, "tpRend", [&](int, const std::string& secao, const std::string&) {
      TpenAlimCollectionItem& p = cr.penAlim().New();
      p.tpRend = ini.InteiroExato<int>(secao, "tpRend");
      p.cpfDep = ini.Texto(secao, "cpfDep");
      p.vlrDedPenAlim = ini.DecimalEstrito(secao, "vlrDedPenAlim");
    });
    ini.LerLista("previdCompl" + J, 2, "tpPrev", [&](int, const std::string& secao, const std::string&) {
      TprevidComplCollectionItem& p = cr.previdCompl().New();
      p.tpPrev = ini.CodigoEstrito(secao, "tpPrev", "", StrToTpPrev);
      p.cnpjEntidPC = ini.Texto(secao, "cnpjEntidPC");
      p.vlrDedPC = ini.DecimalEstrito(secao, "vlrDedPC");
      p.vlrDedPC13 = ini.DecimalEstrito(secao, "vlrDedPC13");
      p.vlrPatrocFunp = ini.DecimalEstrito(secao, "vlrPatrocFunp");
      p.vlrPatrocFunp13 = ini.DecimalEstrito(secao, "vlrPatrocFunp13");
    });
    ini.LerLista("infoProcRet" + J, 2, "tpProcRet", [&](int k, const std::string& secao, const std::string&) {
      TinfoProcRetCollectionItem& proc = cr.infoProcRet().New();
      proc.tpProcRet = ini.CodigoEstrito(secao, "tpProcRet", "", StrToTpProcRet);
      proc.nrProcRet = ini.Texto(secao, "nrProcRet");
      proc.codSusp = ini.Texto(secao, "codSusp");
      const std::string K = N::NomeSecao(J, k, 2);
      ini.LerLista("infoValores" + K, 2, "indApuracao", [&](int l, const std::string& valores, const std::string&) {
        TinfoValoresCollectionItem& v = proc.infoValores().New();
        v.indApuracao = ini.CodigoEstrito(valores, "indApuracao", "", StrToIndApuracao);
        v.vlrNRetido = ini.DecimalEstrito(valores, "vlrNRetido");
        v.vlrDepJud = ini.DecimalEstrito(valores, "vlrDepJud");
        v.vlrCmpAnoCal = ini.DecimalEstrito(valores, "vlrCmpAnoCal");
        v.vlrCmpAnoAnt = ini.DecimalEstrito(valores, "vlrCmpAnoAnt");
        v.vlrRendSusp = ini.DecimalEstrito(valores, "vlrRendSusp");
        const std::string L = N::NomeSecao(K, l, 2);
        ini.LerLista("dedSusp" + L, 2, "indTpDeducao", [&](int m, const std::string& ded, const std::string&) {
          TdedSuspCollectionItem& d = v.dedSusp().New();
          d.indTpDeducao = ini.CodigoEstrito(ded, "indTpDeducao", "", StrToIndTpDeducao);
          d.vlrDedSusp = ini.DecimalEstrito(ded, "vlrDedSusp");
          d.cnpjEntidPC = ini.Texto(ded, "cnpjEntidPC");
          d.vlrPatrocFunp = ini.DecimalEstrito(ded, "vlrPatrocFunp");
          ini.LerLista("benefPen" + N::NomeSecao(L, m, 2), 2, "cpfDep",
                       [&](int, const std::string& benef, const std::string& cpfDep) {
                         TbenefPenCollectionItem& b = d.benefPen().New();
                         b.cpfDep = cpfDep;
                         b.vlrDepenSusp = ini.DecimalEstrito(benef, "vlrDepenSusp");
                       });
        });
      });
    });
  });
}

void LerDetReemb(const TLeitorIniEvento& ini, const std::string& Prefixo,
                 platform::TTrivoObjectList<TdetReembCollectionItem>& Lista) {
  ini.LerLista(Prefixo, 2, "tpInsc", [&](int, const std::string& secao, const std::string&) {
    TdetReembCollectionItem& d = Lista.New();
    d.tpInsc = ini.CodigoEstrito(secao, "tpInsc", "", StrToTpInsc);
    d.nrInsc = ini.Texto(secao, "nrInsc");
    d.vlrReemb = ini.DecimalEstrito(secao, "vlrReemb");
    d.vlrReembAnt = ini.DecimalEstrito(secao, "vlrReembAnt");
  });
}

void LerComplemento(const TLeitorIniEvento& ini, const std::string& I, TinfoIRComplemCollectionItem& c) {
  ini.LerLista("infoDep" + I, 3, "cpfDep", [&](int, const std::string& secao, const std::string& cpfDep) {
    TinfoDepCollectionItem& d = c.infoDep().New();
    d.cpfDep = cpfDep;
    d.dtNascto = ini.Data(secao, "dtNascto");
    d.nome = ini.Texto(secao, "nome");
    d.depIRRF = ini.CodigoEstrito(secao, "depIRRF", "", StrToSimNaoFacultativo);
    d.tpDep = ini.CodigoEstrito(secao, "tpDep", "", StrToTpDep, tdNenhum);
    d.descrDep = ini.Texto(secao, "descrDep");
  });
  LerInfoIRCR(ini, I, c);
  ini.LerLista("planSaude" + I, 2, "cnpjOper", [&](int j, const std::string& secao, const std::string& cnpjOper) {
    TplanSaudeCollectionItem& p = c.planSaude().New();
    p.cnpjOper = cnpjOper;
    p.regANS = ini.Texto(secao, "regANS");
    p.vlrSaudeTit = ini.DecimalEstrito(secao, "vlrSaudeTit");
    ini.LerLista("infoDepSau" + N::NomeSecao(I, j, 2), 2, "cpfDep",
                 [&](int, const std::string& dep, const std::string& cpfDep) {
                   TinfoDepSauCollectionItem& d = p.infoDepSau().New();
                   d.cpfDep = cpfDep;
                   d.vlrSaudeDep = ini.DecimalEstrito(dep, "vlrSaudeDep");
                 });
  });
  ini.LerLista(
      "infoReembMed" + I, 2, "indOrgReemb", [&](int j, const std::string& secao, const std::string& indOrgReemb) {
        TInfoReembMedCollectionItem& r = c.infoReembMed().New();
        r.indOrgReemb = indOrgReemb;
        r.cnpjOper = ini.Texto(secao, "cnpjOper");
        r.regANS = ini.Texto(secao, "regANS");
        const std::string J = N::NomeSecao(I, j, 2);
        LerDetReemb(ini, "detReembTit" + J, r.detReembTit());
        ini.LerLista("infoReembDep" + J, 2, "cpfBenef", [&](int k, const std::string&, const std::string& cpfBenef) {
          TinfoReembDepCollectionItem& d = r.infoReembDep().New();
          d.cpfBenef = cpfBenef;
          LerDetReemb(ini, "detReembDep" + N::NomeSecao(J, k, 2), d.detReembDep());
        });
      });
}

// The complements, numbered 01, 02 ... in the sections of their groups. One is there while
// any of them is given: its report date, the earlier S-1210 it adjusts, or the first item of a
// list.
void LerInfoIRComplem(const TLeitorIniEvento& ini, TinfoIRComplemCollection& Lista) {
  const auto dado = [&](const std::string& Secao, std::string_view Chave) {
    return !N::FimDaLista(ini.Texto(Secao, Chave, "FIM"));
  };
  for (int i = 1; i <= N::UltimoNumero(2); ++i) {
    const std::string I = N::NomeSecao("", i, 2);
    const std::string complem = "infoIRComplem" + I;
    const std::string perAnt = "perAnt" + I;
    const bool temPerAnt = ini.AlgumaChave(perAnt, {"perRefAjuste", "nrRec1210Orig"});
    if (!(ini.Data(complem, "dtLaudo") > 0 || temPerAnt || dado("infoDep" + I + "001", "cpfDep") ||
          dado("infoIRCR" + I + "01", "tpCR") || dado("planSaude" + I + "01", "cnpjOper") ||
          dado("infoReembMed" + I + "01", "indOrgReemb")))
      break;
    TinfoIRComplemCollectionItem& c = Lista.New();
    c.dtLaudo = ini.Data(complem, "dtLaudo");
    if (temPerAnt) c.perAnt() = {ini.Texto(perAnt, "perRefAjuste"), ini.Texto(perAnt, "nrRec1210Orig")};
    LerComplemento(ini, I, c);
  }
}

}  // namespace

bool TEvtPgtos::LerArqIni(const std::string& AIniString) {
  TLeitorIniEvento ini(AIniString);
  ini.LerIdentificacao(*this, "evtPgtos");
  ini.LerIdeEvento3(IdeEvento, true);
  ini.LerIdeEmpregador(IdeEmpregador, *this);
  IdeBenef.CpfBenef = ini.Texto("ideBenef", "cpfBenef");
  if (!ini.Texto("deps", "vrDedDep").empty()) IdeBenef.deps().vrDedDep = ini.DecimalEstrito("deps", "vrDedDep");
  LerInfoPgto(ini, IdeBenef.InfoPgto);
  LerInfoIRComplem(ini, IdeBenef.infoIRComplem);
  return GerarEAtribuirXML(*this);
}

}  // namespace esocial::s1210
