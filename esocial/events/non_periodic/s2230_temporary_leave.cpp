// S-2230 writer.
#include "esocial/events/non_periodic/s2230_temporary_leave.h"

#include "dfe/xml_writer.h"
#include "esocial/events/event_frame.h"

namespace esocial::s2230 {

using dfe::tcDat;
using dfe::tcInt;
using dfe::tcStr;

bool TEvtAfastTemp::GerarXML() {
  return GerarDocumentoeSocial(*this, "evtAfastTemp", IdeEmpregador.NrInsc, [&] {
    GerarIdeEvento2(IdeEvento, true, true, false);
    GerarIdeEmpregador(IdeEmpregador);
    GerarIdeVinculo(IdeVinculo, true, false);
    dfe::TGerador& g = Gerador();
    g.wGrupo("infoAfastamento");
    if (infoAfastamento.iniAfastamento.DtIniAfast != 0) GerarIniAfastamento();
    const TinfoRetif& retif = infoAfastamento.infoRetif;
    if (retif.origRetif > 0) {
      g.wGrupo("infoRetif");
      g.wCampo(tcInt, "", "origRetif", 1, 1, 1, retif.origRetif);
      // The kind names the process: without its number there is none to name.
      if (!retif.nrProc.empty()) g.wCampo(tcStr, "", "tpProc", 1, 1, 0, TpProcToStr(retif.tpProc));
      g.wCampo(tcStr, "", "nrProc", 1, 21, 0, retif.nrProc);
      g.wGrupo("/infoRetif");
    }
    if (infoAfastamento.fimAfastamento.dtTermAfast > 0) {
      g.wGrupo("fimAfastamento");
      g.wCampo(tcDat, "", "dtTermAfast", 10, 10, 1, infoAfastamento.fimAfastamento.dtTermAfast);
      g.wGrupo("/fimAfastamento");
    }
    g.wGrupo("/infoAfastamento");
  });
}

void TEvtAfastTemp::GerarIniAfastamento() {
  dfe::TGerador& g = Gerador();
  TiniAfastamento& ini = infoAfastamento.iniAfastamento;
  const bool s1 = VersaoDF() >= veS01_00_00;
  const bool acidente = ini.codMotAfast == mtvAcidenteDoencaTrabalho || ini.codMotAfast == mtvAcidenteDoencaNaoTrabalho;
  g.wGrupo("iniAfastamento");
  g.wCampo(tcDat, "", "dtIniAfast", 10, 10, 1, ini.DtIniAfast);
  g.wCampo(tcStr, "", "codMotAfast", 1, 2, 1, MotivosAfastamentoToStr(ini.codMotAfast));
  if (acidente && ini.infoMesmoMtv != snfNada)
    g.wCampo(tcStr, "", "infoMesmoMtv", 1, 1, 0, SimNaoFacultativoToStr(ini.infoMesmoMtv));
  if (acidente && ini.tpAcidTransito != tpatNao)
    g.wCampo(tcStr, "", "tpAcidTransito", 1, 1, 0, TpAcidTransitoToStr(ini.tpAcidTransito));
  g.wCampo(tcStr, "", "observacao", 1, 255, 0, ini.Observacao);
  if (s1 && ini.perAquis.dtInicio > 0) {
    g.wGrupo("perAquis");
    g.wCampo(tcDat, "", "dtInicio", 10, 10, 1, ini.perAquis.dtInicio);
    if (ini.perAquis.dtFim > 0) g.wCampo(tcDat, "", "dtFim", 10, 10, 0, ini.perAquis.dtFim);
    g.wGrupo("/perAquis");
  }
  const bool comAtestado = acidente || ini.codMotAfast == mtvLicencaMaternidadeAntecipacaoProrrogacao;
  if (!s1 && ini.infoAtestadoInst() && comAtestado) {
    TinfoAtestado& atestados = ini.infoAtestado();
    for (int i = 0; i < atestados.Count(); ++i) {
      TinfoAtestadoItem& atestado = atestados.GetItem(i);
      g.wGrupo("infoAtestado");
      g.wCampo(tcStr, "", "codCID", 1, 4, 0, atestado.codCID);
      // Required by the 2.5 schema: a note without its days shows as an empty element.
      g.wCampo(tcInt, "", "qtdDiasAfast", 1, 3, 1, atestado.qtDiasAfast);
      if (atestado.emitenteInst()) GerarEmitente(atestado.Emitente(), teS2230);
      g.wGrupo("/infoAtestado");
    }
    AlertarLimiteLista("infoAtestado", "Lista de Informações de Atestados", atestados.Count(), 9);
  }
  if (!ini.infoCessao.cnpjCess.empty()) {
    g.wGrupo("infoCessao");
    g.wCampo(tcStr, "", "cnpjCess", 14, 14, 1, ini.infoCessao.cnpjCess);
    g.wCampo(tcStr, "", "infOnus", 1, 1, 1, InfOnusToStr(ini.infoCessao.infOnus));
    g.wGrupo("/infoCessao");
  }
  if (!ini.infoMandSind.cnpjSind.empty()) {
    g.wGrupo("infoMandSind");
    g.wCampo(tcStr, "", "cnpjSind", 14, 14, 1, ini.infoMandSind.cnpjSind);
    g.wCampo(tcStr, "", "infOnusRemun", 1, 1, 1, OnusRemunToStr(ini.infoMandSind.infOnusRemun));
    g.wGrupo("/infoMandSind");
  }
  if (s1 && !ini.infoMandElet.cnpjMandElet.empty()) {
    g.wGrupo("infoMandElet");
    g.wCampo(tcStr, "", "cnpjMandElet", 14, 14, 1, ini.infoMandElet.cnpjMandElet);
    if (ini.infoMandElet.indRemunCargo != snfNada)
      g.wCampo(tcStr, "", "indRemunCargo", 1, 1, 0, SimNaoFacultativoToStr(ini.infoMandElet.indRemunCargo));
    g.wGrupo("/infoMandElet");
  }
  g.wGrupo("/iniAfastamento");
}

}  // namespace esocial::s2230
