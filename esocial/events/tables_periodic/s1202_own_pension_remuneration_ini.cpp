// S-1202 INI reader.
#include <functional>
#include <string>

#include "esocial/events/event_ini.h"
#include "esocial/events/tables_periodic/s1202_own_pension_remuneration.h"

namespace esocial::s1202 {

namespace {

using N = TLeitorIniEvento;

// The remunerations of an establishment, Grupo + Pos followed by 1 to 9. No key is one every
// item has (matricula is absent for successions and servants without one), so an item is there
// while its own section or its first rubric's is.
void LerRemuneracoes(const TLeitorIniEvento& ini, const std::string& Grupo, const std::string& Pos,
                     TRemunPerApur1202Collection& Lista) {
  for (int k = 1; k <= N::UltimoNumero(1); ++k) {
    const std::string pos = N::NomeSecao(Pos, k, 1);
    if (!ini.SecaoExiste(Grupo + pos) && !ini.SecaoExiste(N::NomeSecao("itensRemun" + pos, 1, 3))) break;
    TRemunPerCollectionItem& r = Lista.New();
    r.matricula = ini.Texto(Grupo + pos, "matricula");
    ini.LerItensRemun(pos, r.itensRemun, Grupo == "remunPerApur");
  }
}

// The establishments, sections ideEstab + Pos followed by 001 ... (first key nrInsc: tpInsc has
// a default), each with its remunerations under Grupo.
void LerIdeEstab(const TLeitorIniEvento& ini, const std::string& Pos, const std::string& Grupo,
                 const std::function<TIdeEstabCollection&()>& Lista) {
  ini.LerLista("ideEstab" + Pos, 3, "nrInsc", [&](int e, const std::string& secao, const std::string& nrInsc) {
    TIdeEstabCollectionItem& estab = Lista().New();
    estab.tpInsc = ini.Codigo(secao, "tpInsc", "1", StrToTpInsc);
    estab.nrInsc = nrInsc;
    LerRemuneracoes(ini, Grupo, N::NomeSecao(Pos, e, 3),
                    Grupo == "remunPerApur" ? estab.remunPerApur : estab.remunPerAnt);
  });
}

void LerDmDev(const TLeitorIniEvento& ini, int i, TDMDevCollectionItem& d) {
  const std::string D = N::NomeSecao("", i, 3);
  ini.LerInfoRRA(D, "despProcJud", d.infoRRA());
  LerIdeEstab(ini, D, "remunPerApur", [&]() -> TIdeEstabCollection& { return d.infoPerApur().ideEstab; });
  // The earlier periods when their flag or their first period is given.
  const std::string secao = "infoPerAnt" + D;
  if (ini.Texto(secao, "remunOrgSuc").empty() && !ini.SecaoExiste(N::NomeSecao("idePeriodo" + D, 1, 3))) return;
  TInfoPerAnt& ant = d.infoPerAnt();
  ant.remunOrgSuc = ini.Codigo(secao, "remunOrgSuc", "", StrToSimNaoFacultativo);
  ini.LerLista("idePeriodo" + D, 3, "perRef", [&](int t, const std::string&, const std::string& perRef) {
    TIdePeriodoCollectionItem& p = ant.idePeriodo.New();
    p.perRef = perRef;
    LerIdeEstab(ini, N::NomeSecao(D, t, 3), "remunPerAnt", [&]() -> TIdeEstabCollection& { return p.ideEstab; });
  });
}

}  // namespace

bool TEvtRmnRPPS::LerArqIni(const std::string& AIniString) {
  TLeitorIniEvento ini(AIniString);
  ini.LerIdentificacao(*this, "evtRmnRPPS");
  ini.LerIdeEvento3(ideEvento, false);
  ini.LerIdeEmpregador(ideEmpregador, *this);

  ideTrabalhador.cpfTrab = ini.Texto("ideTrabalhador", "cpfTrab");
  if (!ini.Texto("ideTrabalhador", "nmTrab").empty() || !ini.Texto("ideTrabalhador", "dtNascto").empty()) {
    ideTrabalhador.InfoComplem().nmTrab = ini.Texto("ideTrabalhador", "nmTrab");
    ideTrabalhador.InfoComplem().dtNascto = ini.Data("ideTrabalhador", "dtNascto");
  }
  if (!ini.Texto("sucessaoVinc", "cnpjOrgaoAnt").empty()) {
    TSucessaoVinc3& s = ideTrabalhador.InfoComplem().sucessaoVinc();
    s.cnpjOrgaoAnt = ini.Texto("sucessaoVinc", "cnpjOrgaoAnt");
    s.matricAnt = ini.Texto("sucessaoVinc", "matricAnt");
    s.dtExercicio = ini.Data("sucessaoVinc", "dtExercicio");
    s.observacao = ini.Texto("sucessaoVinc", "observacao");
  }

  ini.LerLista("dmDev", 3, "ideDmDev", [&](int i, const std::string& secao, const std::string& ideDmDev) {
    TDMDevCollectionItem& d = dmDev.New();
    d.ideDmDev = ideDmDev;
    d.codCateg = ini.Inteiro(secao, "codCateg");
    d.indRRA = ini.Codigo(secao, "indRRA", "", StrToSimNaoFacultativo);
    LerDmDev(ini, i, d);
  });

  return GerarEAtribuirXML(*this);
}

}  // namespace esocial::s1202
