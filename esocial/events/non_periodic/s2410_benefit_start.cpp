// S-2410 writer.
#include "esocial/events/non_periodic/s2410_benefit_start.h"

#include <string>

#include "esocial/events/event_frame.h"
#include "platform/text_utils.h"

namespace esocial::s2410 {

using dfe::tcDat;
using dfe::tcStr;

bool TEvtCdBenIn::GerarXML() {
  return GerarDocumentoeSocial(*this, "evtCdBenIn", IdeEmpregador.NrInsc, [&] {
    GerarIdeEvento2(IdeEvento, true, true, false);
    GerarIdeEmpregador(IdeEmpregador);
    dfe::TGerador& g = Gerador();
    g.wGrupo("beneficiario");
    g.wCampo(tcStr, "", "cpfBenef", 11, 11, 1, Beneficiario.cpfBenef);
    g.wCampo(tcStr, "", "matricula", 1, 30, 0, Beneficiario.matricula);
    g.wCampo(tcStr, "", "cnpjOrigem", 14, 14, 0, Beneficiario.cnpjOrigem);
    g.wGrupo("/beneficiario");

    TInfoBenInicio& info = InfoBenInicio;
    g.wGrupo("infoBenInicio");
    g.wCampo(tcStr, "", "cadIni", 1, 1, 1, SimNaoToStr(info.cadIni));
    if (info.indSitBenef != tpisbNenhum)
      g.wCampo(tcStr, "", "indSitBenef", 1, 1, 1, std::to_string(static_cast<int>(info.indSitBenef)));
    g.wCampo(tcStr, "", "nrBeneficio", 1, 20, 1, info.nrBeneficio);
    g.wCampo(tcDat, "", "dtIniBeneficio", 10, 10, 1, info.dtIniBeneficio);
    g.wCampo(tcDat, "", "dtPublic", 10, 10, 0, info.dtPublic);
    GerarDadosBeneficio(info.dadosBeneficio);
    if (info.infoSucessaoBenefInst() && !info.sucessaoBenef().cnpjOrgaoAnt.empty()) {
      const TSucessaoBenef& s = info.sucessaoBenef();
      g.wGrupo("sucessaoBenef");
      g.wCampo(tcStr, "", "cnpjOrgaoAnt", 14, 14, 1, s.cnpjOrgaoAnt);
      g.wCampo(tcStr, "", "nrBeneficioAnt", 1, 20, 1, s.nrBeneficioAnt);
      g.wCampo(tcDat, "", "dtTransf", 10, 10, 1, s.dtTransf);
      g.wCampo(tcStr, "", "observacao", 1, 255, 0, s.observacao);
      g.wGrupo("/sucessaoBenef");
    }
    if (info.infoMudancaCPFInst() && !info.mudancaCPF().cpfAnt.empty()) {
      const TMudancaCPF& m = info.mudancaCPF();
      g.wGrupo("mudancaCPF");
      g.wCampo(tcStr, "", "cpfAnt", 11, 11, 1, m.cpfAnt);
      g.wCampo(tcStr, "", "nrBeneficioAnt", 1, 20, 1, m.nrBeneficioAnt);
      g.wCampo(tcDat, "", "dtAltCPF", 10, 10, 1, m.dtAltCPF);
      g.wCampo(tcStr, "", "observacao", 1, 255, 0, m.observacao);
      g.wGrupo("/mudancaCPF");
    }
    // An end by transfer or by a change of CPF is not reported here.
    if (info.infoBenTerminoInst()) {
      const TInfoBenTermino& t = info.infoBenTermino();
      if (t.mtvTermino != tmcbNenhum && t.mtvTermino != tmcbTransferenciaDeOrgaoAdministrador &&
          t.mtvTermino != tmcbMudancaDeCPFDoBeneficiario) {
        g.wGrupo("infoBenTermino");
        g.wCampo(tcDat, "", "dtTermBeneficio", 10, 10, 1, t.dtTermBeneficio);
        g.wCampo(tcStr, "", "mtvTermino", 2, 2, 1, MotCessBenefToStr(t.mtvTermino));
        g.wGrupo("/infoBenTermino");
      }
    }
    g.wGrupo("/infoBenInicio");
  });
}

void TEvtCdBenIn::GerarDadosBeneficio(TDadosBeneficio& Dados) {
  dfe::TGerador& g = Gerador();
  g.wGrupo("dadosBeneficio");
  g.wCampo(tcStr, "", "tpBeneficio", 4, 4, 1,
           Dados.tpBeneficio > 0 ? platform::PadLeft(std::to_string(Dados.tpBeneficio), 4) : "");
  g.wCampo(tcStr, "", "tpPlanRP", 1, 1, 1, PlanRPToStr(Dados.tpPlanRP));
  g.wCampo(tcStr, "", "dsc", 1, 255, 0, Dados.dsc);
  if (Dados.indDecJud != snfNada) g.wCampo(tcStr, "", "indDecJud", 1, 1, 0, SimNaoFacultativoToStr(Dados.indDecJud));
  if (Dados.infoPenMorteInst() && Dados.infoPenMorte().tpPenMorte != pmNada) {
    TInfoPenMorte& p = Dados.infoPenMorte();
    g.wGrupo("infoPenMorte");
    g.wCampo(tcStr, "", "tpPenMorte", 1, 1, 1, TpPenMorteToStr(p.tpPenMorte));
    if (p.instPenMorteInst() && !p.instPenMorte().cpfInst.empty()) {
      g.wGrupo("instPenMorte");
      g.wCampo(tcStr, "", "cpfInst", 11, 11, 1, p.instPenMorte().cpfInst);
      g.wCampo(tcDat, "", "dtInst", 10, 10, 1, p.instPenMorte().dtInst);
      g.wGrupo("/instPenMorte");
    }
    g.wGrupo("/infoPenMorte");
  }
  g.wGrupo("/dadosBeneficio");
}

}  // namespace esocial::s2410
