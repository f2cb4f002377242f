#include <string>

#include "esocial/events/event_ini.h"
#include "esocial/events/non_periodic/s2240_exposure_to_risk.h"

namespace esocial::s2240 {

namespace {

using N = TLeitorIniEvento;

// The equipment of agent j of environment i, sections epi<ii><jjj><kk>: the first key is caEPI
// or, for equipment known by its assessment document, docAval.
void LerEpi(const TLeitorIniEvento& ini, int i, int j, TEpcEpi& epcEpi) {
  const std::string prefixo = N::NomeSecao(N::NomeSecao("epi", i, 2), j, 3);
  for (int k = 1; k <= N::UltimoNumero(2); ++k) {
    const std::string secao = N::NomeSecao(prefixo, k, 2);
    const bool temCaEPI = !N::FimDaLista(ini.Texto(secao, "caEPI", "FIM"));
    if (!temCaEPI && N::FimDaLista(ini.Texto(secao, "docAval", "FIM"))) break;
    TEpiCollectionItem& epi = epcEpi.epi().New();
    epi.caEPI = ini.Texto(secao, "caEPI");
    epi.docAval = ini.Texto(secao, "docAval");
    epi.dscEPI = ini.Texto(secao, "dscEPI");
    epi.medProtecao = ini.Codigo(secao, "medProtecao", "S", StrToSimNao);
    epi.condFuncto = ini.Codigo(secao, "condFuncto", "S", StrToSimNao);
    epi.usoInint = ini.Codigo(secao, "usoInint", "S", StrToSimNao);
    epi.przValid = ini.Codigo(secao, "przValid", "S", StrToSimNao);
    epi.periodicTroca = ini.Codigo(secao, "periodicTroca", "S", StrToSimNao);
    epi.higienizacao = ini.Codigo(secao, "higienizacao", "S", StrToSimNao);
  }
}

// Agent j of environment i: sections agNoc<ii><jjj>, epi<ii><jjj><kk>, epiCompl<ii><jjj>. An
// agent without epiCompl keeps its group unset and the agents after it are read all the same.
void LerAgNoc(const TLeitorIniEvento& ini, int i, TAgNocCollection& agentes) {
  ini.LerLista(N::NomeSecao("agNoc", i, 2), 3, "codAgNoc", [&](int j, const std::string& secao, const std::string&) {
    TAgNocCollectionItem& ag = agentes.New();
    ag.codAgNoc = ini.Texto(secao, "codAgNoc");
    ag.dscAgNoc = ini.Texto(secao, "dscAgNoc");
    ag.tpAval = ini.Codigo(secao, "tpAval", "0", StrToTpAval);
    ag.intConc = ini.Decimal(secao, "intConc");
    ag.limTol = ini.Decimal(secao, "limTol");
    ag.unMed = ini.Inteiro(secao, "unMed");
    ag.tecMedicao = ini.Texto(secao, "tecMedicao");
    ag.nrProcJud = ini.Texto(secao, "nrProcJud");
    ag.epcEpi.utilizEPC = ini.Codigo(secao, "utilizEPC", "0", StrToUtilizEPC);
    ag.epcEpi.eficEpc = ini.Codigo(secao, "eficEpc", "0", StrToSimNao);
    ag.epcEpi.utilizEPI = ini.Codigo(secao, "utilizEPI", "0", StrToUtilizEPI);
    ag.epcEpi.eficEpi = ini.Codigo(secao, "eficEpi", "S", StrToSimNaoFacultativo);
    LerEpi(ini, i, j, ag.epcEpi);
    const std::string secaoCompl = N::NomeSecao(N::NomeSecao("epiCompl", i, 2), j, 3);
    if (N::FimDaLista(ini.Texto(secaoCompl, "medProtecao", "FIM"))) return;
    TEpiCompl& epiCompl = ag.epcEpi.epiCompl;
    epiCompl.medProtecao = ini.Codigo(secaoCompl, "medProtecao", "S", StrToSimNaoFacultativo);
    epiCompl.condFuncto = ini.Codigo(secaoCompl, "condFuncto", "S", StrToSimNaoFacultativo);
    epiCompl.usoInint = ini.Codigo(secaoCompl, "usoInint", "S", StrToSimNaoFacultativo);
    epiCompl.przValid = ini.Codigo(secaoCompl, "przValid", "S", StrToSimNaoFacultativo);
    epiCompl.periodicTroca = ini.Codigo(secaoCompl, "periodicTroca", "S", StrToSimNaoFacultativo);
    epiCompl.higienizacao = ini.Codigo(secaoCompl, "higienizacao", "S", StrToSimNaoFacultativo);
  });
}

// Sections respReg<ii>, the first nine also as respReg<i>.
void LerRespReg(const TLeitorIniEvento& ini, TRespRegCollection& responsaveis) {
  for (int i = 1; i <= N::UltimoNumero(2); ++i) {
    std::string secao = N::NomeSecao("respReg", i, 2);
    if (N::FimDaLista(ini.Texto(secao, "cpfResp", "FIM")) && i <= N::UltimoNumero(1))
      secao = N::NomeSecao("respReg", i, 1);
    if (N::FimDaLista(ini.Texto(secao, "cpfResp", "FIM"))) break;
    TRespRegCollectionItem& resp = responsaveis.New();
    resp.cpfResp = ini.Texto(secao, "cpfResp");
    resp.nmResp = ini.Texto(secao, "nmResp");
    resp.ideOC = IdeOCDoResponsavel(ini.Texto(secao, "ideOC"));
    resp.dscOC = ini.Texto(secao, "dscOC");
    resp.nrOC = ini.Texto(secao, "nrOc");
    resp.ufOC = ini.Texto(secao, "ufOC", "SP");
  }
}

}  // namespace

// Not read from INI input: codAmb, nisResp and metErg; the ativPericInsal sections of an
// environment have no place in the model and are left alone.
bool TEvtExpRisco::LerArqIni(const std::string& AIniString) {
  TLeitorIniEvento ini(AIniString);
  ini.LerIdentificacao(*this, "evtExpRisco");
  ini.LerIdeEvento2(IdeEvento);
  ini.LerIdeEmpregador(IdeEmpregador, *this);
  ini.LerIdeVinculo(IdeVinculo);

  if (!ini.Texto("infoExpRisco", "dtIniCondicao").empty()) {
    infoExpRisco.dtIniCondicao = ini.Data("infoExpRisco", "dtIniCondicao");
    infoExpRisco.dtFimCondicao = ini.Data("infoExpRisco", "dtFimCondicao");
    ini.LerLista("infoAmb", 2, "localAmb", [&](int i, const std::string& secao, const std::string&) {
      TInfoAmbCollectionItem& amb = infoExpRisco.InfoAmb.New();
      amb.localAmb = ini.Codigo(secao, "localAmb", "0", StrToLocalAmb);
      amb.dscSetor = ini.Texto(secao, "dscSetor");
      amb.tpInsc = ini.Codigo(secao, "tpInsc", "1", StrToTpInsc);
      amb.nrInsc = ini.Texto(secao, "nrInsc");
      // One activity for all environments: an environment without its own text keeps the
      // one read before.
      const std::string dscAtivDes = ini.Texto(N::NomeSecao("infoAtiv", i, 2), "dscAtivDes");
      if (!dscAtivDes.empty()) infoExpRisco.infoAtiv.dscAtivDes = dscAtivDes;
      LerAgNoc(ini, i, infoExpRisco.agNoc);
    });
  }

  LerRespReg(ini, infoExpRisco.respReg);
  infoExpRisco.obs.obsCompl = ini.Texto("obs", "obsCompl");

  return GerarEAtribuirXML(*this);
}

}  // namespace esocial::s2240
