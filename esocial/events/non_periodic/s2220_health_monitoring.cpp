#include "esocial/events/non_periodic/s2220_health_monitoring.h"

#include "esocial/events/event_frame.h"
#include "platform/strings.h"

namespace esocial::s2220 {

using dfe::tcDat;
using dfe::tcInt;
using dfe::tcStr;

bool TevtMonit::GerarXML() {
  // This event takes its layout version from the base step alone, run outside the wrapping of
  // failures.
  TOpcoesDocumento opcoes;
  opcoes.BaseForaDoBloco = true;
  return GerarDocumentoeSocial(
      *this, "evtMonit", IdeEmpregador.NrInsc,
      [&] {
        GerarIdeEvento2(IdeEvento, true, true, false);
        GerarIdeEmpregador(IdeEmpregador);
        GerarIdeVinculo(IdeVinculo, true, false);
        GerarExMedOcup();
      },
      opcoes);
}

void TevtMonit::GerarExMedOcup() {
  Gerador().wGrupo("exMedOcup");
  Gerador().wCampo(tcStr, "", "tpExameOcup", 1, 1, 1, TpExameOcupToStr(exMedOcup.tpExameOcup));
  GerarAso();
  GerarRespMonit();
  Gerador().wGrupo("/exMedOcup");
}

void TevtMonit::GerarAso() {
  dfe::TGerador& g = Gerador();
  const TAso& aso = exMedOcup.Aso;
  g.wGrupo("aso");
  g.wCampo(tcDat, "", "dtAso", 10, 10, 1, aso.DtAso);
  if (aso.ResAso != raNaoInformado) g.wCampo(tcStr, "", "resAso", 1, 1, 1, ResAsoToStr(aso.ResAso));
  for (int i = 0; i < aso.Exame.Count(); ++i) {
    const TExameCollectionItem& exame = aso.Exame.GetItem(i);
    g.wGrupo("exame");
    g.wCampo(tcDat, "", "dtExm", 10, 10, 1, exame.DtExm);
    g.wCampo(tcStr, "", "procRealizado", 1, 4, 1, exame.ProcRealizado);
    g.wCampo(tcStr, "", "obsProc", 1, 999, 0, exame.obsProc);
    if (exame.ordExame != orNaoInformado) g.wCampo(tcInt, "", "ordExame", 1, 1, 1, OrdExameToStr(exame.ordExame));
    if (exame.indResult != irNaoInformado) g.wCampo(tcInt, "", "indResult", 1, 1, 0, IndResultToStr(exame.indResult));
    g.wGrupo("/exame");
  }
  AlertarLimiteLista("exame", "Lista de Exames", aso.Exame.Count(), 99);
  const TMedico& medico = aso.Medico;
  // The physician's council number is optional from S-1.02 on.
  const int ocorrenciaCRM = VersaoDF() >= veS01_02_00 ? 0 : 1;
  g.wGrupo("medico");
  if (VersaoDF() <= ve02_05_00 && !platform::Trim(medico.cpfMed).empty())
    g.wCampo(tcStr, "", "cpfMed", 11, 11, 0, medico.cpfMed);
  if (VersaoDF() <= ve02_05_00 && !platform::Trim(medico.nisMed).empty())
    g.wCampo(tcStr, "", "nisMed", 1, 11, 0, medico.nisMed);
  g.wCampo(tcStr, "", "nmMed", 1, 70, 1, medico.NmMed);
  g.wCampo(tcStr, "", "nrCRM", 1, 10, ocorrenciaCRM, medico.nrCRM);
  g.wCampo(tcStr, "", "ufCRM", 2, 2, ocorrenciaCRM, medico.ufCRM);
  g.wGrupo("/medico");
  g.wGrupo("/aso");
}

void TevtMonit::GerarRespMonit() {
  dfe::TGerador& g = Gerador();
  const TRespMonit& resp = exMedOcup.RespMonit;
  // From the S-1 layouts on the group is optional and written only complete.
  const bool completo = !platform::Trim(resp.nmResp).empty() && !platform::Trim(resp.nrCRM).empty() &&
                        !platform::Trim(resp.ufCRM).empty();
  if (VersaoDF() >= veS01_00_00 && !completo) return;
  g.wGrupo("respMonit");
  if (!platform::Trim(resp.cpfResp).empty()) g.wCampo(tcStr, "", "cpfResp", 11, 11, 0, resp.cpfResp);
  g.wCampo(tcStr, "", "nmResp", 1, 70, 1, resp.nmResp);
  g.wCampo(tcStr, "", "nrCRM", 1, 10, 1, resp.nrCRM);
  g.wCampo(tcStr, "", "ufCRM", 2, 2, 1, resp.ufCRM);
  g.wGrupo("/respMonit");
}

}  // namespace esocial::s2220
