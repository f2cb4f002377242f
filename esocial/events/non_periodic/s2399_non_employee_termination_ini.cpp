// S-2399 INI reader.
#include <string>

#include "esocial/events/event_ini.h"
#include "esocial/events/non_periodic/s2399_non_employee_termination.h"

namespace esocial::s2399 {

namespace {

using N = TLeitorIniEvento;

// An establishment of a payslip and its rubrics; the health plans and the exposure are read
// from sections numbered by the rubrics too, and each rubric's are added to the
// establishment's.
void LerEstab(const TLeitorIniEvento& ini, const std::string& Secao, const std::string& Pos, TideEstabLotItem& e) {
  e.tpInsc = ini.CodigoEstrito(Secao, "tpInsc", "1", StrToTpInsc);
  e.nrInsc = ini.Texto(Secao, "nrInsc");
  e.codLotacao = ini.Texto(Secao, "codLotacao");
  ini.LerItensRemun(Pos, e.detVerbas, true, "detVerbas");
  for (int r = 1; r <= e.detVerbas.Count(); ++r) {
    const std::string rubrica = N::NomeSecao(Pos, r, 3);
    ini.LerLista("detOper" + rubrica, 2, "cnpjOper", [&](int o, const std::string& secao, const std::string& cnpjOper) {
      TDetOperCollectionItem& oper = e.infoSaudeColet().detOper.New();
      oper.cnpjOper = cnpjOper;
      oper.regANS = ini.Texto(secao, "regANS");
      oper.vrPgTit = ini.Decimal(secao, "vrPgTit");
      ini.LerLista(N::NomeSecao("detPlano" + rubrica, o, 2), 2, "nmDep",
                   [&](int, const std::string& plano, const std::string& nmDep) {
                     TDetPlanoCollectionItem& dep = oper.detPlano.New();
                     dep.tpDep = ini.CodigoEstrito(plano, "tpDep", "", StrToTpDep, tdNenhum);
                     dep.cpfDep = ini.Texto(plano, "cpfDep");
                     dep.nmDep = nmDep;
                     dep.dtNascto = ini.Data(plano, "dtNascto");
                     dep.vlrPgDep = ini.Decimal(plano, "vlrPgDep");
                   });
    });
    const std::string agNocivo = "infoAgNocivo" + rubrica;
    if (!ini.Texto(agNocivo, "grauExp").empty())
      e.infoAgNocivo().grauExp = ini.CodigoEstrito(agNocivo, "grauExp", "", StrToGrauExp);
  }
  const std::string simples = "infoSimples" + Pos;
  if (!ini.Texto(simples, "indSimples").empty())
    e.infoSimples().indSimples = ini.CodigoEstrito(simples, "indSimples", "", StrToIndSimples);
}

}  // namespace

bool TEvtTSVTermino::LerArqIni(const std::string& AIniString) {
  TLeitorIniEvento ini(AIniString);
  ini.LerIdentificacao(*this, "evtTSVTermino");
  ini.LerIdeEvento2(IdeEvento, true);
  ini.LerIdeEmpregador(IdeEmpregador, *this);

  ini.LerIdeTrabSemVinculo(IdeTrabSemVInc);

  // Every field is read: the writer decides by category and layout what the document holds.
  TInfoTSVTermino& i = InfoTSVTermino;
  const std::string info = "infoTSVTermino";
  i.dtTerm = ini.Data(info, "dtTerm");
  i.mtvDesligTSV = ini.Texto(info, "mtvDesligTSV");
  i.pensAlim = StrToPensaoAlimExato(ini.Texto(info, "pensAlim"));
  i.percAliment = ini.Decimal(info, "percAliment");
  i.vrAlim = ini.Decimal(info, "vrAlim");
  i.nrProcTrab = ini.Texto(info, "nrProcTrab");
  i.mudancaCPF.novoCPF = ini.Texto("mudancaCPF", "novoCPF");

  ini.LerLista("dmDev", 2, "ideDmDev", [&](int n, const std::string& secao, const std::string& ideDmDev) {
    TDmDevCollectionItem& d = i.verbasResc.dmDev.New();
    d.ideDmDev = ideDmDev;
    d.indRRA = ini.CodigoEstrito(secao, "indRRA", "", StrToSimNaoFacultativo, snfNada);
    const std::string D = N::NomeSecao("", n, 2);
    ini.LerInfoRRA(D, "despProcJud", d.infoRRA());
    ini.LerLista("ideEstabLot" + D, 2, "nrInsc", [&](int e, const std::string& estab, const std::string&) {
      LerEstab(ini, estab, N::NomeSecao(D, e, 2), d.ideEstabLot.New());
    });
  });
  ini.LerFimVerbasResc([&]() -> TVerbasResc& { return i.verbasResc; });

  if (ini.AlgumaChave("remunAposTerm", {"indRemun", "dtFimRemun"})) {
    i.RemunAposTerm.indRemun = ini.CodigoEstrito("remunAposTerm", "indRemun", "", StrToIndRemun, ireNaoInformado);
    i.RemunAposTerm.dtFimRemun = ini.Data("remunAposTerm", "dtFimRemun");
  }
  if (!ini.Texto("quarentena", "dtFimQuar").empty()) i.quarentena.dtFimQuar = ini.Data("quarentena", "dtFimQuar");

  return GerarEAtribuirXML(*this);
}

}  // namespace esocial::s2399
