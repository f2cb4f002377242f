// S-1207 INI reader.
#include <functional>
#include <string>

#include "esocial/events/event_ini.h"
#include "esocial/events/tables_periodic/s1207_own_pension_benefits.h"

namespace esocial::s1207 {

namespace {

using N = TLeitorIniEvento;

// The establishments, sections ideEstab + Pos followed by 001 ... (first key nrInsc), each with
// its rubrics.
void LerIdeEstab(const TLeitorIniEvento& ini, const std::string& Pos, bool LerDescFolha,
                 const std::function<TIdeEstabCollection&()>& Lista) {
  ini.LerLista("ideEstab" + Pos, 3, "nrInsc", [&](int e, const std::string& secao, const std::string& nrInsc) {
    TIdeEstabCollectionItem& estab = Lista().New();
    estab.tpInsc = ini.Codigo(secao, "tpInsc", "1", StrToTpInsc);
    estab.nrInsc = nrInsc;
    ini.LerItensRemun(N::NomeSecao(Pos, e, 3), estab.itensRemun, LerDescFolha);
  });
}

}  // namespace

bool TEvtBenPrRP::LerArqIni(const std::string& AIniString) {
  TLeitorIniEvento ini(AIniString);
  ini.LerIdentificacao(*this, "evtBenPrRP");
  ini.LerIdeEvento3(ideEvento, false);
  ini.LerIdeEmpregador(ideEmpregador, *this);
  ideBenef.cpfBenef = ini.Texto("ideBenef", "cpfBenef");

  ini.LerLista("dmDev", 3, "ideDmDev", [&](int i, const std::string& secao, const std::string& ideDmDev) {
    TDMDevCollectionItem& d = dmDev.New();
    d.ideDmDev = ideDmDev;
    d.nrBeneficio = ini.Texto(secao, "nrBeneficio");
    d.indRRA = ini.Codigo(secao, "indRRA", "", StrToSimNaoFacultativo);
    const std::string D = N::NomeSecao("", i, 3);
    ini.LerInfoRRA(D, "despProcJud", d.infoRRA());
    LerIdeEstab(ini, D, true, [&]() -> TIdeEstabCollection& { return d.infoPerApur().ideEstab; });
    ini.LerLista("idePeriodo" + D, 3, "perRef", [&](int t, const std::string&, const std::string& perRef) {
      TIdePeriodoCollectionItem& p = d.infoPerAnt().idePeriodo.New();
      p.perRef = perRef;
      LerIdeEstab(ini, N::NomeSecao(D, t, 3), false, [&]() -> TIdeEstabCollection& { return p.ideEstab; });
    });
  });

  return GerarEAtribuirXML(*this);
}

}  // namespace esocial::s1207
