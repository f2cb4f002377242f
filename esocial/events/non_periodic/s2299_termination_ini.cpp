// S-2299 INI reader.
#include <string>
#include <utility>

#include "esocial/events/event_ini.h"
#include "esocial/events/non_periodic/s2299_termination.h"

namespace esocial::s2299 {

namespace {

using N = TLeitorIniEvento;

// An establishment of the payslip's current period (with its discounts and health plans) or of
// an earlier period; Pos is its position in the names of its children's sections.
void LerEstab(const TLeitorIniEvento& ini, const std::string& Secao, const std::string& Pos, bool PeriodoApuracao,
              TideEstabLotItem& e) {
  e.tpInsc = ini.CodigoEstrito(Secao, "tpInsc", "", StrToTpInsc);
  e.nrInsc = ini.Texto(Secao, "nrInsc");
  e.codLotacao = ini.Texto(Secao, "codLotacao");
  ini.LerItensRemun(Pos, e.detVerbas, PeriodoApuracao, "detVerbas");
  if (PeriodoApuracao) {
    ini.LerLista("detOper" + Pos, 2, "cnpjOper", [&](int o, const std::string& secao, const std::string& cnpjOper) {
      TDetOperCollectionItem& oper = e.infoSaudeColet().detOper.New();
      oper.cnpjOper = cnpjOper;
      oper.regANS = ini.Texto(secao, "regANS");
      oper.vrPgTit = ini.Decimal(secao, "vrPgTit");
      ini.LerLista(N::NomeSecao("detPlano" + Pos, o, 2), 2, "tpDep",
                   [&](int, const std::string& plano, const std::string&) {
                     TDetPlanoCollectionItem& dep = oper.detPlano.New();
                     dep.tpDep = ini.CodigoEstrito(plano, "tpDep", "", StrToTpDep);
                     dep.cpfDep = ini.Texto(plano, "cpfDep");
                     dep.nmDep = ini.Texto(plano, "nmDep");
                     dep.dtNascto = ini.Data(plano, "dtNascto");
                     dep.vlrPgDep = ini.Decimal(plano, "vlrPgDep");
                   });
    });
  }
  const std::string agNocivo = "infoAgNocivo" + Pos;
  if (!ini.Texto(agNocivo, "grauExp").empty())
    e.infoAgNocivo().grauExp = ini.CodigoEstrito(agNocivo, "grauExp", "", StrToGrauExp);
  const std::string simples = "infoSimples" + Pos;
  if (!ini.Texto(simples, "indSimples").empty())
    e.infoSimples().indSimples = ini.CodigoEstrito(simples, "indSimples", "", StrToIndSimples);
}

// The agreements of earlier periods; the list ends on tpAcConv, the key every agreement has (the
// date is optional for some kinds).
void LerIdeADC(const TLeitorIniEvento& ini, const std::string& D, TDMDevCollectionItemS2299& d) {
  ini.LerLista("ideADC" + D, 1, "tpAcConv", [&](int c, const std::string& secao, const std::string&) {
    TIdeADCItem& a = d.infoPerAnt().ideADC.New();
    a.dtAcConv = ini.Data(secao, "dtAcConv");
    a.tpAcConv = ini.CodigoEstrito(secao, "tpAcConv", "", StrToTpAcConv);
    a.compAcConv = ini.Texto(secao, "compAcConv");
    a.dtEfAcConv = ini.Data(secao, "dtEfAcConv");
    a.dsc = ini.Texto(secao, "dsc");
    const std::string posADC = N::NomeSecao(D, c, 1);
    ini.LerLista("idePeriodo" + posADC, 3, "perRef", [&](int p, const std::string&, const std::string& perRef) {
      TIdePeriodoItem& periodo = a.idePeriodo.New();
      periodo.perRef = perRef;
      const std::string posPeriodo = N::NomeSecao(posADC, p, 3);
      ini.LerLista("ideEstabLot" + posPeriodo, 2, "tpInsc", [&](int e, const std::string& estab, const std::string&) {
        LerEstab(ini, estab, N::NomeSecao(posPeriodo, e, 2), false, periodo.ideEstabLot.New());
      });
    });
  });
}

void LerDmDev(const TLeitorIniEvento& ini, const std::string& D, TDMDevCollectionItemS2299& d) {
  ini.LerInfoRRA(D, "despProcJud", d.infoRRA());
  ini.LerLista("ideEstabLot" + D, 2, "tpInsc", [&](int e, const std::string& secao, const std::string&) {
    LerEstab(ini, secao, N::NomeSecao(D, e, 2), true, d.infoPerApur().ideEstabLot.New());
  });
  LerIdeADC(ini, D, d);
  ini.LerLista("infoTrabInterm" + D, 2, "codConv",
               [&](int, const std::string&, const std::string& codConv) { d.infoTrabInterm.New().codConv = codConv; });
}

}  // namespace

bool TEvtDeslig::LerArqIni(const std::string& AIniString) {
  TLeitorIniEvento ini(AIniString);
  ini.LerIdentificacao(*this, "evtDeslig");
  ini.LerIdeEvento2(IdeEvento, true);
  ini.LerIdeEmpregador(IdeEmpregador, *this);
  ini.LerIdeVinculo(IdeVinculo, true, false);

  TInfoDeslig& i = InfoDeslig;
  const std::string info = "infoDeslig";
  i.mtvDeslig = ini.Texto(info, "mtvDeslig");
  i.dtAvPrv = ini.Data(info, "dtAvPrv");
  i.dtDeslig = ini.Data(info, "dtDeslig");
  i.indPagtoAPI = ini.CodigoEstrito(info, "indPagtoAPI", "", StrToSimNaoFacultativo, snfNada);
  i.dtProjFimAPI = ini.Data(info, "dtProjFimAPI");
  i.pensAlim = StrToPensaoAlimExato(ini.Texto(info, "pensAlim"));
  i.percAliment = ini.Decimal(info, "percAliment");
  i.vrAlim = ini.Decimal(info, "vrAlim");
  i.nrCertObito = ini.Texto(info, "nrCertObito");
  i.nrProcTrab = ini.Texto(info, "nrProcTrab");
  i.indPDV = ini.CodigoEstrito(info, "indPDV", "", StrToSimNaoFacultativo, snfNada);
  i.indCumprParc = ini.CodigoEstrito(info, "indCumprParc", "0", StrToCumprParcialAviso);
  if (!ini.Texto(info, "qtdDiasInterm").empty()) i.QtdDiasInterm = ini.InteiroExato<int>(info, "qtdDiasInterm");
  i.Observacao = ini.Texto(info, "observacao");

  ini.LerLista("infoInterm", 2, "dia", [&](int, const std::string& secao, const std::string&) {
    TinfoIntermCollectionItem& dia = i.infoInterm().New();
    dia.dia = ini.InteiroExato<int>(secao, "dia");
    dia.hrsTrab = ini.Texto(secao, "hrsTrab");
  });
  ini.LerLista("observacoes", 2, "observacao", [&](int, const std::string&, const std::string& observacao) {
    i.observacoes.New().observacao = observacao;
  });

  // The successor under the 2.x keys, then under the S-1 keys, which win.
  for (const auto& [tpInsc, nrInsc] : {std::pair{"tpInscSuc", "cnpjSucessora"}, std::pair{"tpInsc", "nrInsc"}}) {
    if (ini.Texto("sucessaoVinc", nrInsc).empty()) continue;
    i.SucessaoVinc.tpInsc() = ini.CodigoEstrito("sucessaoVinc", tpInsc, "1", StrToTpInsc);
    i.SucessaoVinc.nrInsc() = ini.Texto("sucessaoVinc", nrInsc);
  }
  if (ini.AlgumaChave("transfTit", {"cpfSubstituto", "dtNascto"})) {
    i.transfTit.cpfSubstituto = ini.Texto("transfTit", "cpfSubstituto");
    i.transfTit.dtNascto = ini.Data("transfTit", "dtNascto");
  }
  i.mudancaCPF.novoCPF = ini.Texto("mudancaCPF", "novoCPF");

  ini.LerLista("dmDev", 2, "ideDmDev", [&](int n, const std::string& secao, const std::string& ideDmDev) {
    TDMDevCollectionItemS2299& d = i.VerbasResc().dmDev.New();
    d.ideDmDev = ideDmDev;
    d.indRRA = ini.CodigoEstrito(secao, "indRRA", "", StrToSimNaoFacultativo, snfNada);
    LerDmDev(ini, N::NomeSecao("", n, 2), d);
  });
  ini.LerFimVerbasResc([&]() -> TVerbasResc& { return i.VerbasResc(); });
  if (!ini.Texto("procCS", "nrProcJud").empty()) i.VerbasResc().ProcCS.nrProcJud = ini.Texto("procCS", "nrProcJud");

  if (!ini.Texto("quarentena", "dtFimQuar").empty()) i.Quarentena.dtFimQuar = ini.Data("quarentena", "dtFimQuar");
  if (ini.AlgumaChave("remunAposDeslig", {"indRemun", "dtFimRemun"})) {
    i.remunAposDeslig.indRemun = ini.CodigoEstrito("remunAposDeslig", "indRemun", "", StrToIndRemun, ireNaoInformado);
    i.remunAposDeslig.dtFimRemun = ini.Data("remunAposDeslig", "dtFimRemun");
  }
  ini.LerLista("consigFGTS", 2, "insConsig", [&](int, const std::string& secao, const std::string& insConsig) {
    TConsigFGTSItem& c = i.consigFGTS.New();
    c.insConsig = insConsig;
    c.nrContr = ini.Texto(secao, "nrContr");
  });

  return GerarEAtribuirXML(*this);
}

}  // namespace esocial::s2299
