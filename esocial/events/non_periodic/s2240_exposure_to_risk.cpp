#include "esocial/events/non_periodic/s2240_exposure_to_risk.h"

#include "esocial/events/event_frame.h"

namespace esocial::s2240 {

using dfe::tcDat;
using dfe::tcDe4;
using dfe::tcInt;
using dfe::tcStr;

tpIdeOC IdeOCDoResponsavel(std::string_view Codigo) { return Codigo.empty() ? idNenhum : StrToIdeOC(Codigo); }

bool TEvtExpRisco::GerarXML() {
  return GerarDocumentoeSocial(*this, "evtExpRisco", IdeEmpregador.NrInsc, [&] {
    GerarIdeEvento2(IdeEvento, true, true, false);
    GerarIdeEmpregador(IdeEmpregador);
    GerarIdeVinculo(IdeVinculo, true, false);
    GerarInfoExpRisco();
  });
}

void TEvtExpRisco::GerarInfoExpRisco() {
  dfe::TGerador& g = Gerador();
  g.wGrupo("infoExpRisco");
  g.wCampo(tcDat, "", "dtIniCondicao", 10, 10, 1, infoExpRisco.dtIniCondicao);
  // Only conditions from the date the end date was taken on have one.
  if (infoExpRisco.dtIniCondicao >= platform::EncodeDate(2023, 1, 16) && infoExpRisco.dtFimCondicao > 0)
    g.wCampo(tcDat, "", "dtFimCondicao", 10, 10, 1, infoExpRisco.dtFimCondicao);
  GerarInfoAmb();
  g.wGrupo("infoAtiv");
  g.wCampo(tcStr, "", "dscAtivDes", 1, 999, 1, infoExpRisco.infoAtiv.dscAtivDes);
  g.wGrupo("/infoAtiv");
  GerarAgNoc();
  GerarRespReg();
  GerarObs();
  g.wGrupo("/infoExpRisco");
}

void TEvtExpRisco::GerarInfoAmb() {
  dfe::TGerador& g = Gerador();
  const TInfoAmbCollection& ambientes = infoExpRisco.InfoAmb;
  for (int i = 0; i < ambientes.Count(); ++i) {
    const TInfoAmbCollectionItem& amb = ambientes.GetItem(i);
    g.wGrupo("infoAmb");
    if (VersaoDF() >= veS01_00_00) g.wCampo(tcStr, "", "localAmb", 1, 1, 1, LocalAmbToStr(amb.localAmb));
    if (VersaoDF() >= veS01_00_00 && amb.localAmb == laPrestInstalacaoTerceiro) AlertarCodigoForaDoLeiaute("localAmb");
    if (VersaoDF() >= veS01_00_00) g.wCampo(tcStr, "", "dscSetor", 1, 100, 1, amb.dscSetor);
    if (VersaoDF() >= veS01_00_00) g.wCampo(tcStr, "", "tpInsc", 1, 1, 1, TpInscToStr(amb.tpInsc));
    if (VersaoDF() >= veS01_00_00) g.wCampo(tcStr, "", "nrInsc", 12, 14, 1, amb.nrInsc);
    if (VersaoDF() <= ve02_05_00) g.wCampo(tcStr, "", "codAmb", 1, 30, 1, amb.codAmb);
    g.wGrupo("/infoAmb");
  }
  // S-1.03 allows nine environments.
  const int maximo = VersaoDF() >= veS01_03_00 ? 9 : 99;
  AlertarLimiteLista("infoAmb", "Lista de Informações Ambientais", ambientes.Count(), maximo);
}

void TEvtExpRisco::GerarAgNoc() {
  dfe::TGerador& g = Gerador();
  const TAgNocCollection& agentes = infoExpRisco.agNoc;
  for (int i = 0; i < agentes.Count(); ++i) {
    TAgNocCollectionItem& ag = agentes.GetItem(i);
    // The code of no harmful agent: nothing to assess or protect from.
    const bool semAgente = ag.codAgNoc == "09.01.001";
    g.wGrupo("agNoc");
    g.wCampo(tcStr, "", "codAgNoc", 1, 10, 1, ag.codAgNoc);
    g.wCampo(tcStr, "", "dscAgNoc", 1, 100, 0, ag.dscAgNoc);
    if (!semAgente) g.wCampo(tcStr, "", "tpAval", 1, 1, 1, TpAvalToStr(ag.tpAval));
    g.wCampo(tcDe4, "", "intConc", 1, 10, 0, ag.intConc);
    g.wCampo(tcDe4, "", "limTol", 1, 10, 0, ag.limTol);
    g.wCampo(tcInt, "", "unMed", 1, 2, 0, ag.unMed);
    g.wCampo(tcStr, "", "tecMedicao", 1, 40, 0, ag.tecMedicao);
    if (VersaoDF() >= veS01_02_00 && ag.codAgNoc == "05.01.001" && !ag.nrProcJud.empty())
      g.wCampo(tcStr, "", "nrProcJud", 17, 21, 1, ag.nrProcJud);  // 17, 20 or 21 digits
    if (!semAgente) GerarEpcEpi(ag.epcEpi);
    g.wGrupo("/agNoc");
  }
  AlertarLimiteLista("agNoc", "Lista de Fatores de Riscos", agentes.Count(), 999);
}

void TEvtExpRisco::GerarEpcEpi(TEpcEpi& epcEpi) {
  dfe::TGerador& g = Gerador();
  const bool utilizado = epcEpi.utilizEPI == uEPIUtilizado;
  g.wGrupo("epcEpi");
  g.wCampo(tcInt, "", "utilizEPC", 1, 1, 1, UtilizEPCToStr(epcEpi.utilizEPC));
  if (epcEpi.utilizEPC == uEPCImplementa) g.wCampo(tcStr, "", "eficEpc", 1, 1, 1, SimNaoToStr(epcEpi.eficEpc));
  g.wCampo(tcInt, "", "utilizEPI", 1, 1, 1, UtilizEPIToStr(epcEpi.utilizEPI));
  if (utilizado) g.wCampo(tcStr, "", "eficEpi", 1, 1, 0, SimNaoFacultativoToStr(epcEpi.eficEpi));
  if (epcEpi.epiInst()) {
    const TEpiCollection& lista = epcEpi.epi();
    // Under S-1.03 the assessment document is the equipment's only element, and required.
    const int ocorrenciaDocAval = VersaoDF() >= veS01_03_00 ? 1 : 0;
    for (int i = 0; i < lista.Count(); ++i) {
      const TEpiCollectionItem& epi = lista.GetItem(i);
      g.wGrupo("epi");
      if (VersaoDF() >= veS01_00_00) g.wCampo(tcStr, "", "docAval", 1, 255, ocorrenciaDocAval, epi.docAval);
      if (VersaoDF() <= ve02_05_00) g.wCampo(tcStr, "", "caEPI", 1, 20, 0, epi.caEPI);
      // S-1.03 describes equipment by its assessment document alone.
      if (VersaoDF() < veS01_03_00) g.wCampo(tcStr, "", "dscEPI", 1, 999, 0, epi.dscEPI);
      if (VersaoDF() <= ve02_05_00) g.wCampo(tcStr, "", "medProtecao", 1, 1, 1, SimNaoToStr(epi.medProtecao));
      if (VersaoDF() <= ve02_05_00) g.wCampo(tcStr, "", "condFuncto", 1, 1, 1, SimNaoToStr(epi.condFuncto));
      if (VersaoDF() <= ve02_05_00) g.wCampo(tcStr, "", "usoInint", 1, 1, 1, SimNaoToStr(epi.usoInint));
      if (VersaoDF() <= ve02_05_00) g.wCampo(tcStr, "", "przValid", 1, 1, 1, SimNaoToStr(epi.przValid));
      if (VersaoDF() <= ve02_05_00) g.wCampo(tcStr, "", "periodicTroca", 1, 1, 1, SimNaoToStr(epi.periodicTroca));
      if (VersaoDF() <= ve02_05_00) g.wCampo(tcStr, "", "higienizacao", 1, 1, 1, SimNaoToStr(epi.higienizacao));
      g.wGrupo("/epi");
    }
    AlertarLimiteLista("epi", "Lista de EPI", lista.Count(), 50);
  }
  if (epcEpi.epiInst() && utilizado && VersaoDF() >= veS01_00_00) {
    const TEpiCompl& complemento = epcEpi.epiCompl;
    // The group holds all six flags: one not informed is written empty, with its alert.
    g.wGrupo("epiCompl");
    g.wCampo(tcStr, "", "medProtecao", 1, 1, 1, SimNaoFacultativoToStr(complemento.medProtecao));
    g.wCampo(tcStr, "", "condFuncto", 1, 1, 1, SimNaoFacultativoToStr(complemento.condFuncto));
    g.wCampo(tcStr, "", "usoInint", 1, 1, 1, SimNaoFacultativoToStr(complemento.usoInint));
    g.wCampo(tcStr, "", "przValid", 1, 1, 1, SimNaoFacultativoToStr(complemento.przValid));
    g.wCampo(tcStr, "", "periodicTroca", 1, 1, 1, SimNaoFacultativoToStr(complemento.periodicTroca));
    g.wCampo(tcStr, "", "higienizacao", 1, 1, 1, SimNaoFacultativoToStr(complemento.higienizacao));
    g.wGrupo("/epiCompl");
  }
  g.wGrupo("/epcEpi");
}

void TEvtExpRisco::GerarRespReg() {
  dfe::TGerador& g = Gerador();
  const TRespRegCollection& responsaveis = infoExpRisco.respReg;
  for (int i = 0; i < responsaveis.Count(); ++i) {
    const TRespRegCollectionItem& resp = responsaveis.GetItem(i);
    const bool temConselho = resp.ideOC != idNenhum;
    g.wGrupo("respReg");
    g.wCampo(tcStr, "", "cpfResp", 1, 11, 1, resp.cpfResp);
    if (VersaoDF() <= ve02_05_00) g.wCampo(tcStr, "", "nisResp", 1, 11, 1, resp.nisResp);
    if (VersaoDF() <= ve02_05_00) g.wCampo(tcStr, "", "nmResp", 1, 70, 1, resp.nmResp);
    if (temConselho) g.wCampo(tcStr, "", "ideOC", 1, 1, 1, IdeOCToStr(resp.ideOC));
    if (VersaoDF() >= veS01_00_00 && (resp.ideOC == idCRO || resp.ideOC == idRMS)) AlertarCodigoForaDoLeiaute("ideOC");
    if (resp.ideOC == idOutros) g.wCampo(tcStr, "", "dscOC", 1, 20, 1, resp.dscOC);
    if (temConselho) g.wCampo(tcStr, "", "nrOC", 1, 14, 1, resp.nrOC);
    if (temConselho) g.wCampo(tcStr, "", "ufOC", 2, 2, 0, resp.ufOC);
    g.wGrupo("/respReg");
  }
  // S-1.03 allows 99 persons.
  const int maximo = VersaoDF() >= veS01_03_00 ? 99 : 9;
  AlertarLimiteLista("respReg", "Lista de Responsáveis pelo registro", responsaveis.Count(), maximo);
}

void TEvtExpRisco::GerarObs() {
  dfe::TGerador& g = Gerador();
  const TObs& obs = infoExpRisco.obs;
  const bool antigo = VersaoDF() <= ve02_05_00;
  if (!(antigo && !obs.metErg.empty()) && obs.obsCompl.empty()) return;
  g.wGrupo("obs");
  if (antigo && !obs.metErg.empty()) g.wCampo(tcStr, "", "metErg", 1, 999, 0, obs.metErg);
  if (!obs.obsCompl.empty()) g.wCampo(tcStr, "", "obsCompl", 1, 999, 0, obs.obsCompl);
  g.wGrupo("/obs");
}

}  // namespace esocial::s2240
