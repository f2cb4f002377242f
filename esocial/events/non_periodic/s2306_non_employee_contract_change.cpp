// S-2306 writer.
#include "esocial/events/non_periodic/s2306_non_employee_contract_change.h"

#include "dfe/xml_writer.h"
#include "esocial/events/event_frame.h"

namespace esocial::s2306 {

using dfe::tcDat;
using dfe::tcStr;

namespace {

// The categories whose workers have no nature of activity.
bool SemNatAtividade(int CodCateg) {
  return CodCateg == 305 || CodCateg == 721 || CodCateg == 722 || CodCateg == 771 || CodCateg == 901;
}

}  // namespace

bool TEvtTSVAltContr::GerarXML() {
  return GerarDocumentoeSocial(*this, "evtTSVAltContr", IdeEmpregador.NrInsc, [&] {
    GerarIdeEvento2(IdeEvento, true, true, false);
    GerarIdeEmpregador(IdeEmpregador);
    GerarIdeTrabSemVinculo(IdeTrabSemVinc);
    dfe::TGerador& g = Gerador();
    const TinfoTSVAlteracao& alteracao = infoTSVAlteracao;
    g.wGrupo("infoTSVAlteracao");
    g.wCampo(tcDat, "", "dtAlteracao", 10, 10, 1, alteracao.dtAlteracao);
    if (alteracao.natAtividade != navNaoInformar && !SemNatAtividade(IdeTrabSemVinc.codCateg))
      g.wCampo(tcStr, "", "natAtividade", 1, 1, 0, NatAtividadeToStr(alteracao.natAtividade));
    EscreverInfoComplementares();
    g.wGrupo("/infoTSVAlteracao");
  });
}

void TEvtTSVAltContr::EscreverInfoComplementares() {
  const TinfoComplementares& c = infoTSVAlteracao.infoComplementares;
  dfe::TGerador& g = Gerador();
  const bool s1 = VersaoDF() >= veS01_00_00;
  GerarGrupoComFilhos(*this, "infoComplementares", [&] {
    GerarCargoFuncao(c.cargoFuncao);
    if (c.Remuneracao.VrSalFx > 0 || c.Remuneracao.UndSalFixo == sfNaoaplicavel) GerarRemuneracao(c.Remuneracao);
    if (s1 && c.infoDirigenteSindical.tpRegPrev != rpNenhum) {
      g.wGrupo("infoDirigenteSindical");
      GerarTpRegPrevSemVinculo("infoDirigenteSindical", c.infoDirigenteSindical.tpRegPrev);
      g.wGrupo("/infoDirigenteSindical");
    }
    if (s1 && c.infoTrabCedido.tpRegPrev != rpNenhum) {
      g.wGrupo("infoTrabCedido");
      GerarTpRegPrevSemVinculo("infoTrabCedido", c.infoTrabCedido.tpRegPrev);
      g.wGrupo("/infoTrabCedido");
    }
    // An elective mandate given by its pay option alone has its regime written empty.
    const TinfoMandElet& mandato = c.infoMandElet;
    if (s1 && (mandato.indRemunCargo != snfNada || mandato.tpRegPrev != rpNenhum)) {
      g.wGrupo("infoMandElet");
      if (mandato.indRemunCargo != snfNada)
        g.wCampo(tcStr, "", "indRemunCargo", 1, 1, 0, SimNaoFacultativoToStr(mandato.indRemunCargo));
      GerarTpRegPrevSemVinculo("infoMandElet", mandato.tpRegPrev);
      g.wGrupo("/infoMandElet");
    }
    GerarInfoEstagiario(c.infoEstagiario);
    if (VersaoDF() >= veS01_02_00) GerarLocalTrabGeral(c.localTrabGeral);
  });
}

}  // namespace esocial::s2306
