#include <string>

#include "esocial/events/event_ini.h"
#include "esocial/events/non_periodic/s2501_labour_process_taxes.h"

namespace esocial::s2501 {

namespace {

using N = TLeitorIniEvento;

// The income groups of withholding r, sections infoIR<iiii><rr><n>: they have no key every item
// must have, so the list ends at the first number whose section (and exemption section
// rendIsen0561<iiii><rr><n>) gives no value.
void LerInfoIR(const TLeitorIniEvento& ini, const std::string& prefixo, TInfoCRIRRFCollectionItem& irrf) {
  for (int n = 1; n <= N::UltimoNumero(1); ++n) {
    const std::string secao = N::NomeSecao("infoIR" + prefixo, n, 1);
    const std::string isencao = N::NomeSecao("rendIsen0561" + prefixo, n, 1);
    const bool temValor =
        ini.AlgumaChave(secao, {"vrRendTrib", "vrRendTrib13", "vrRendMoleGrave", "vrRendMoleGrave13", "vrRendIsen65",
                                "vrRendIsen65Dec", "vrJurosMora", "vrJurosMora13", "vrRendIsenNTrib", "descIsenNTrib",
                                "vrPrevOficial", "vrPrevOficial13"});
    const bool temIsencao =
        ini.AlgumaChave(isencao, {"vlrDiarias", "vlrAjudaCusto", "vlrIndResContrato", "vlrAbonoPec", "vlrAuxMoradia"});
    if (!temValor && !temIsencao) break;
    TinfoIRCollectionItem& ir = irrf.infoIR().New();
    ir.vrRendTrib = ini.DecimalEstrito(secao, "vrRendTrib");
    ir.vrRendTrib13 = ini.DecimalEstrito(secao, "vrRendTrib13");
    ir.vrRendMoleGrave = ini.DecimalEstrito(secao, "vrRendMoleGrave");
    ir.vrRendMoleGrave13 = ini.DecimalEstrito(secao, "vrRendMoleGrave13");
    ir.vrRendIsen65 = ini.DecimalEstrito(secao, "vrRendIsen65");
    ir.vrRendIsen65Dec = ini.DecimalEstrito(secao, "vrRendIsen65Dec");
    ir.vrJurosMora = ini.DecimalEstrito(secao, "vrJurosMora");
    ir.vrJurosMora13 = ini.DecimalEstrito(secao, "vrJurosMora13");
    ir.vrRendIsenNTrib = ini.DecimalEstrito(secao, "vrRendIsenNTrib");
    ir.descIsenNTrib = ini.Texto(secao, "descIsenNTrib");
    ir.vrPrevOficial = ini.DecimalEstrito(secao, "vrPrevOficial");
    ir.vrPrevOficial13 = ini.DecimalEstrito(secao, "vrPrevOficial13");
    TrendIsen0561& r = ir.rendIsen0561;
    r.vlrDiarias = ini.DecimalEstrito(isencao, "vlrDiarias");
    r.vlrAjudaCusto = ini.DecimalEstrito(isencao, "vlrAjudaCusto");
    r.vlrIndResContrato = ini.DecimalEstrito(isencao, "vlrIndResContrato");
    r.vlrAbonoPec = ini.DecimalEstrito(isencao, "vlrAbonoPec");
    r.vlrAuxMoradia = ini.DecimalEstrito(isencao, "vlrAuxMoradia");
  }
}

// The accumulated income of withholding r, section infoRRA<iiii><rr> (its costs in the same
// section) and its lawyers, ideAdv<iiii><rr><aa>: made only when one of them gives a value.
void LerInfoRRA(const TLeitorIniEvento& ini, const std::string& prefixo, TInfoCRIRRFCollectionItem& irrf) {
  const std::string secao = "infoRRA" + prefixo;
  const std::string prefixoAdv = "ideAdv" + prefixo;
  const bool temCustas = ini.AlgumaChave(secao, {"vlrDespCustas", "vlrDespAdvogados"});
  const bool temAdvogado = !N::FimDaLista(ini.Texto(N::NomeSecao(prefixoAdv, 1, 2), "tpInsc", "FIM"));
  if (!ini.AlgumaChave(secao, {"tpProcRRA", "nrProcRRA", "descRRA", "qtdMesesRRA"}) && !temCustas && !temAdvogado)
    return;
  TInfoRRA& rra = irrf.infoRRA();
  rra.tpProcRRA = ini.CodigoEstrito(secao, "tpProcRRA", "", StrToTpProcRRA);
  rra.nrProcRRA = ini.Texto(secao, "nrProcRRA");
  rra.descRRA = ini.Texto(secao, "descRRA");
  rra.qtdMesesRRA = ini.DecimalEstrito(secao, "qtdMesesRRA");
  if (temCustas) {
    rra.despProcJud().vlrDespCustas = ini.Decimal(secao, "vlrDespCustas");
    rra.despProcJud().vlrDespAdvogados = ini.Decimal(secao, "vlrDespAdvogados");
  }
  ini.LerLista(prefixoAdv, 2, "tpInsc", [&](int, const std::string& s, const std::string&) {
    TIdeAdvCollectionItem& adv = rra.ideAdv().New();
    adv.tpInsc = ini.CodigoEstrito(s, "tpInsc", "", StrToTpInsc);
    adv.nrInsc = ini.Texto(s, "nrInsc");
    adv.vlrAdv = ini.Decimal(s, "vlrAdv");
  });
}

// The suspended withholdings of withholding r: infoProcRet<iiii><rr><tt>, their values
// infoValores...<v>, deductions dedSusp...<ss> and beneficiaries benefPen...<bb>.
void LerInfoProcRet(const TLeitorIniEvento& ini, const std::string& prefixo, TInfoCRIRRFCollectionItem& irrf) {
  const std::string prefixoProc = "infoProcRet" + prefixo;
  ini.LerLista(prefixoProc, 2, "tpProcRet", [&](int t, const std::string& s, const std::string&) {
    TinfoProcRetCollectionItem& proc = irrf.infoProcRet().New();
    proc.tpProcRet = ini.CodigoEstrito(s, "tpProcRet", "", StrToTpProcRet);
    proc.nrProcRet = ini.Texto(s, "nrProcRet");
    proc.codSusp = ini.Texto(s, "codSusp");
    const std::string prefixoVal = N::NomeSecao("infoValores" + prefixo, t, 2);
    ini.LerLista(prefixoVal, 1, "indApuracao", [&](int v, const std::string& sv, const std::string&) {
      TinfoValoresCollectionItem& val = proc.infoValores().New();
      val.indApuracao = ini.CodigoEstrito(sv, "indApuracao", "", StrToIndApuracao);
      val.vlrNRetido = ini.Decimal(sv, "vlrNRetido");
      val.vlrDepJud = ini.Decimal(sv, "vlrDepJud");
      val.vlrCmpAnoCal = ini.Decimal(sv, "vlrCmpAnoCal");
      val.vlrCmpAnoAnt = ini.Decimal(sv, "vlrCmpAnoAnt");
      val.vlrRendSusp = ini.Decimal(sv, "vlrRendSusp");
      const std::string prefixoDed = N::NomeSecao(N::NomeSecao("dedSusp" + prefixo, t, 2), v, 1);
      ini.LerLista(prefixoDed, 2, "indTpDeducao", [&](int d, const std::string& sd, const std::string&) {
        TdedSuspCollectionItem& ded = val.dedSusp().New();
        ded.indTpDeducao = ini.CodigoEstrito(sd, "indTpDeducao", "", StrToIndTpDeducaoT);
        ded.vlrDedSusp = ini.Decimal(sd, "vlrDedSusp");
        const std::string prefixoBen = N::NomeSecao(N::NomeSecao(N::NomeSecao("benefPen" + prefixo, t, 2), v, 1), d, 2);
        ini.LerLista(prefixoBen, 2, "cpfDep", [&](int, const std::string& sb, const std::string& cpfDep) {
          TbenefPenCollectionItem& ben = ded.benefPen().New();
          ben.cpfDep = cpfDep;
          ben.vlrDepenSusp = ini.Decimal(sb, "vlrDepenSusp");
        });
      });
    });
  });
}

// Withholding r of worker i; prefixo is <iiii><rr>.
void LerInfoCRIRRF(const TLeitorIniEvento& ini, const std::string& secao, const std::string& prefixo,
                   TInfoCRIRRFCollectionItem& irrf) {
  irrf.tpCR = ini.Texto(secao, "tpCR");
  irrf.vrCR = ini.DecimalEstrito(secao, "vrCR");
  irrf.vrCR13 = ini.DecimalEstrito(secao, "vrCR13");
  LerInfoIR(ini, prefixo, irrf);
  LerInfoRRA(ini, prefixo, irrf);
  ini.LerLista("dedDepen" + prefixo, 3, "tpRend", [&](int, const std::string& s, const std::string&) {
    TdedDepenCollectionItem& ded = irrf.dedDepen().New();
    ded.tpRend = ini.InteiroExato<int>(s, "tpRend");
    ded.cpfDep = ini.Texto(s, "cpfDep");
    ded.vlrDeducao = ini.Decimal(s, "vlrDeducao");
  });
  ini.LerLista("penAlim" + prefixo, 2, "tpRend", [&](int, const std::string& s, const std::string&) {
    TpenAlimCollectionItem& pen = irrf.penAlim().New();
    pen.tpRend = ini.InteiroExato<int>(s, "tpRend");
    pen.cpfDep = ini.Texto(s, "cpfDep");
    pen.vlrPensao = ini.Decimal(s, "vlrPensao");
  });
  LerInfoProcRet(ini, prefixo, irrf);
}

// Worker i: calcTrib<iiii><ccc> with infoCRContrib<iiii><ccc><kk>, infoCRIRRF<iiii><rr> and
// what hangs from it, infoIRComplem<iiii> with infoDep<iiii><ddd>.
void LerTrabalhador(const TLeitorIniEvento& ini, int i, TIdeTrabCollectionItem& trab) {
  const std::string ii = N::NomeSecao("", i, 4);
  ini.LerLista("calcTrib" + ii, 3, "perRef", [&](int c, const std::string& s, const std::string& perRef) {
    TCalcTribCollectionItem& calc = trab.calcTrib().New();
    calc.perRef = perRef;
    calc.vrBcCpMensal = ini.DecimalEstrito(s, "vrBcCpMensal");
    calc.vrBcCp13 = ini.DecimalEstrito(s, "vrBcCp13");
    calc.vrRendIRRF = ini.DecimalEstrito(s, "vrRendIRRF");
    calc.vrRendIRRF13 = ini.DecimalEstrito(s, "vrRendIRRF13");
    ini.LerLista(N::NomeSecao("infoCRContrib" + ii, c, 3), 2, "tpCR",
                 [&](int, const std::string& sk, const std::string& tpCR) {
                   TInfoCRContribCollectionItem& cr = calc.infoCRContrib().New();
                   cr.tpCR = tpCR;
                   cr.vrCR = ini.DecimalEstrito(sk, "vrCR");
                 });
  });
  ini.LerLista("infoCRIRRF" + ii, 2, "tpCR", [&](int r, const std::string& s, const std::string&) {
    LerInfoCRIRRF(ini, s, N::NomeSecao(ii, r, 2), trab.infoCRIRRF().New());
  });
  // The complementary data hold a report's date, dependants, or both.
  const std::string secaoComplem = "infoIRComplem" + ii;
  const bool temDependente = !N::FimDaLista(ini.Texto(N::NomeSecao("infoDep" + ii, 1, 3), "cpfDep", "FIM"));
  if (ini.Texto(secaoComplem, "dtLaudo").empty() && !temDependente) return;
  TinfoIRComplem& complem = trab.infoIRComplem();
  complem.dtLaudo = ini.Data(secaoComplem, "dtLaudo");
  ini.LerLista("infoDep" + ii, 3, "cpfDep", [&](int, const std::string& s, const std::string& cpfDep) {
    TinfoDepCollectionItem& dep = complem.infoDep().New();
    dep.cpfDep = cpfDep;
    dep.dtNascto = ini.Data(s, "dtNascto");
    dep.nome = ini.Texto(s, "nome");
    dep.depIRRF = ini.CodigoEstrito(s, "depIRRF", "", StrToSimNaoFacultativo, snfNada);
    dep.tpDep = ini.CodigoEstrito(s, "tpDep", "", StrToTpDep, tdNenhum);
    dep.descrDep = ini.Texto(s, "descrDep");
  });
}

}  // namespace

bool TEvtContProc::LerArqIni(const std::string& AIniString) {
  TLeitorIniEvento ini(AIniString);
  ini.LerIdentificacao(*this, "evtContProc");
  ini.LerIdeEvento2(ideEvento);
  ini.LerIdeEmpregador(ideEmpregador, *this, false);
  ideProc.nrProcTrab = ini.Texto("ideProc", "nrProcTrab");
  ideProc.perApurPgto = ini.Texto("ideProc", "perApurPgto");
  ideProc.ideSeqProc = ini.InteiroExato<int>("ideProc", "ideSeqProc");
  ideProc.obs = ini.Texto("ideProc", "obs");
  ini.LerLista("ideTrab", 4, "cpfTrab", [&](int i, const std::string&, const std::string& cpfTrab) {
    TIdeTrabCollectionItem& trab = ideTrab.New();
    trab.cpfTrab = cpfTrab;
    LerTrabalhador(ini, i, trab);
  });
  return GerarEAtribuirXML(*this);
}

}  // namespace esocial::s2501
