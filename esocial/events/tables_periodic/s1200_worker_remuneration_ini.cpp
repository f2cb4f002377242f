// S-1200 INI reader.
#include <string>
#include <utility>

#include "esocial/events/event_ini.h"
#include "esocial/events/tables_periodic/s1200_worker_remuneration.h"

namespace esocial::s1200 {

namespace {

using N = TLeitorIniEvento;

// The position of an item in the section names of its children: its number padded to Largura.
std::string Posicao(const std::string& Acima, int Numero, int Largura) { return N::NomeSecao(Acima, Numero, Largura); }

void LerDetOper(const TLeitorIniEvento& ini, const std::string& Pos, TRemunPer1200CollectionItem& r) {
  ini.LerLista("detOper" + Pos, 2, "cnpjOper", [&](int o, const std::string& secao, const std::string& cnpjOper) {
    TDetOperCollectionItem& oper = r.infoSaudeColet().detOper.New();
    oper.cnpjOper = cnpjOper;
    oper.regANS = ini.Texto(secao, "regANS");
    oper.vrPgTit = ini.Decimal(secao, "vrPgTit");
    ini.LerLista(N::NomeSecao("detPlano" + Pos, o, 2), 2, "nmDep",
                 [&](int, const std::string& plano, const std::string& nmDep) {
                   TDetPlanoCollectionItem& dep = oper.detPlano.New();
                   dep.tpDep = ini.Codigo(plano, "tpDep", "", StrToTpDep);
                   dep.cpfDep = ini.Texto(plano, "cpfDep");
                   dep.nmDep = nmDep;
                   dep.dtNascto = ini.Data(plano, "dtNascto");
                   dep.vlrPgDep = ini.Decimal(plano, "vlrPgDep");
                 });
  });
}

// The remunerations of an establishment, Grupo + Pos followed by 1 to 9. No key is one every
// item has (matricula is absent for successions and workers without one), so an item is there
// while its own section or one of its children's is.
void LerRemunPer(const TLeitorIniEvento& ini, const std::string& Grupo, const std::string& Pos,
                 TRemunPer1200Collection& Lista) {
  const bool periodo = Grupo == "remunPerApur";
  for (int k = 1; k <= N::UltimoNumero(1); ++k) {
    const std::string pos = Posicao(Pos, k, 1);
    const std::string secao = Grupo + pos;
    const std::string agNocivo = "infoAgNocivo" + pos;
    if (!ini.SecaoExiste(secao) && !ini.SecaoExiste(N::NomeSecao("itensRemun" + pos, 1, 3)) &&
        !ini.SecaoExiste(agNocivo) && !(periodo && ini.SecaoExiste(N::NomeSecao("detOper" + pos, 1, 2))))
      break;
    TRemunPer1200CollectionItem& r = Lista.New();
    r.matricula = ini.Texto(secao, "matricula");
    r.indSimples = ini.Codigo(secao, "indSimples", "", StrToIndSimples, idsNenhum);
    ini.LerItensRemun(pos, r.itensRemun, periodo);
    if (periodo) LerDetOper(ini, pos, r);
    if (!ini.Texto(agNocivo, "grauExp").empty())
      r.infoAgNocivo().grauExp = ini.Codigo(agNocivo, "grauExp", "", StrToGrauExp);
  }
}

void LerEstab(const TLeitorIniEvento& ini, const std::string& Secao, TIdeEstabLotCollectionItemS1200& e) {
  e.tpInsc = ini.Codigo(Secao, "tpInsc", "1", StrToTpInsc);
  e.nrInsc = ini.Texto(Secao, "nrInsc");
  e.codLotacao = ini.Texto(Secao, "codLotacao");
}

// The agreements of earlier periods, each with its periods and their establishments.
void LerIdeADC(const TLeitorIniEvento& ini, const std::string& D, TDMDevCollectionItemS1200& d) {
  ini.LerLista("ideADC" + D, 1, "tpAcConv", [&](int c, const std::string& secao, const std::string& tpAcConv) {
    TIdeADCCollectionItem& a = d.infoPerAnt().ideADC.New();
    bool ok = false;
    a.dtAcConv = ini.Data(secao, "dtAcConv");
    a.tpAcConv = StrToTpAcConv(ok, tpAcConv);
    a.compAcConv = ini.Texto(secao, "compAcConv");
    a.dtEfAcConv = ini.Data(secao, "dtEfAcConv");
    a.dsc = ini.Texto(secao, "dsc");
    a.remunSuc = ini.Codigo(secao, "remunSuc", "", StrToSimNaoFacultativo);
    const std::string posADC = Posicao(D, c, 1);
    ini.LerLista("idePeriodo" + posADC, 3, "perRef", [&](int t, const std::string&, const std::string& perRef) {
      TIdePeriodoCollectionItem& p = a.idePeriodo.New();
      p.perRef = perRef;
      const std::string posPeriodo = Posicao(posADC, t, 3);
      ini.LerLista("ideEstabLot" + posPeriodo, 3, "nrInsc", [&](int e, const std::string& estab, const std::string&) {
        TIdeEstabLotCollectionItemS1200& item = p.ideEstabLot.New();
        LerEstab(ini, estab, item);
        LerRemunPer(ini, "remunPerAnt", Posicao(posPeriodo, e, 3), item.remunPerAnt);
      });
    });
  });
}

void LerDmDev(const TLeitorIniEvento& ini, int i, TDMDevCollectionItemS1200& d) {
  const std::string D = Posicao("", i, 3);
  ini.LerInfoRRA(D, "infoRRA", d.infoRRA());
  ini.LerLista("ideEstabLot" + D, 3, "nrInsc", [&](int e, const std::string& secao, const std::string&) {
    TIdeEstabLotCollectionItemS1200& estab = d.infoPerApur().ideEstabLot.New();
    LerEstab(ini, secao, estab);
    estab.qtdDiasAv = ini.Inteiro(secao, "qtdDiasAv");
    LerRemunPer(ini, "remunPerApur", Posicao(D, e, 3), estab.remunPerApur);
  });
  LerIdeADC(ini, D, d);
  ini.LerLista("infoTrabInterm" + D, 2, "codConv",
               [&](int, const std::string&, const std::string& codConv) { d.infoTrabInterm.New().codConv = codConv; });
  const std::string complCont = "infoComplCont" + D;
  if (ini.Texto(complCont, "codCBO").empty()) return;
  TInfoComplCont& c = d.infoComplCont();
  c.codCBO = ini.Texto(complCont, "codCBO");
  c.natAtividade = ini.Codigo(complCont, "natAtividade", "0", StrToNatAtividade);
  c.qtdDiasTrab = ini.Inteiro(complCont, "qtdDiasTrab");
}

}  // namespace

// Not read from INI input: codCBO, natAtividade and qtdDiasTrab of infoComplem, and the calls to
// intermittent work of the remunerations (2.04.01 only), nor anything the earlier periods'
// remunerations do not hold (discounts, health plans).
bool TEvtRemun::LerArqIni(const std::string& AIniString) {
  TLeitorIniEvento ini(AIniString);
  ini.LerIdentificacao(*this, "evtRemun");
  ini.LerIdeEvento3(ideEvento, true);
  ini.LerIdeEmpregador(ideEmpregador, *this);

  TeS1200IdeTrabalhador& t = ideTrabalhador;
  t.cpfTrab = ini.Texto("ideTrabalhador", "cpfTrab");
  t.nisTrab = ini.Texto("ideTrabalhador", "nisTrab");

  if (!ini.Texto("infoMV", "indMV").empty()) {
    t.infoMV().indMV = ini.Codigo("infoMV", "indMV", "", StrToIndMV);
    ini.LerLista("remunOutrEmpr", 3, "nrInsc", [&](int, const std::string& secao, const std::string& nrInsc) {
      TRemunOutrEmprCollectionItem& o = t.infoMV().remunOutrEmpr.New();
      o.tpInsc = ini.Codigo(secao, "tpInsc", "1", StrToTpInsc);
      o.nrInsc = nrInsc;
      o.codCateg = ini.Inteiro(secao, "codCateg");
      o.vlrRemunOE = ini.Decimal(secao, "vlrRemunOE");
    });
  }

  if (!ini.Texto("infoComplem", "nmTrab").empty()) {
    t.infoComplem().nmTrab = ini.Texto("infoComplem", "nmTrab");
    t.infoComplem().dtNascto = ini.Data("infoComplem", "dtNascto");
  }
  // The predecessor under the 2.x keys, then under the S-1 keys, which win.
  for (const auto& [tpInsc, nrInsc] : {std::pair{"tpInscAnt", "cnpjEmpregAnt"}, std::pair{"tpInsc", "nrInsc"}}) {
    if (ini.Texto("sucessaoVinc", nrInsc).empty()) continue;
    TSucessaoVinc& s = t.infoComplem().sucessaoVinc();
    s.tpInsc() = ini.Codigo("sucessaoVinc", tpInsc, "1", StrToTpInsc);
    s.nrInsc() = ini.Texto("sucessaoVinc", nrInsc);
    s.matricAnt = ini.Texto("sucessaoVinc", "matricAnt");
    s.dtAdm = ini.Data("sucessaoVinc", "dtAdm");
    s.observacao = ini.Texto("sucessaoVinc", "observacao");
  }

  ini.LerLista("procJudTrab", 2, "nrProcJud", [&](int, const std::string& secao, const std::string& nrProcJud) {
    TProcJudTrabCollectionItem& p = t.procJudTrab().New();
    p.tpTrib = ini.Codigo(secao, "tpTrib", "1", StrToTpTributo);
    p.nrProcJud = nrProcJud;
    p.codSusp = ini.Texto(secao, "codSusp");
  });

  ini.LerLista("infoInterm", 2, "dia", [&](int, const std::string& secao, const std::string&) {
    TinfoIntermCollectionItem& dia = t.infoInterm().New();
    dia.dia = ini.Inteiro(secao, "dia");
    dia.hrsTrab = ini.Texto(secao, "hrsTrab");
  });
  // The 2.x count of days, only where no day is listed.
  if (!t.infoIntermInst() && !ini.Texto("infoInterm", "qtdDiasInterm").empty())
    t.infoInterm().New().qtdDiasInterm = static_cast<unsigned char>(ini.Inteiro("infoInterm", "qtdDiasInterm"));

  ini.LerLista("dmDev", 3, "ideDmDev", [&](int i, const std::string& secao, const std::string& ideDmDev) {
    TDMDevCollectionItemS1200& d = dmDev.New();
    d.ideDmDev = ideDmDev;
    d.codCateg = ini.Inteiro(secao, "codCateg");
    d.indRRA = ini.Codigo(secao, "indRRA", "", StrToSimNaoFacultativo);
    LerDmDev(ini, i, d);
  });

  return GerarEAtribuirXML(*this);
}

}  // namespace esocial::s1200
