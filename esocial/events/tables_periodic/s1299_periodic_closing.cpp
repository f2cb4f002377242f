// S-1299 writer.
#include "esocial/events/tables_periodic/s1299_periodic_closing.h"

#include "esocial/events/event_frame.h"
#include "platform/strings.h"

namespace esocial::s1299 {

using dfe::tcStr;

namespace {

// yyyy-mm as yyyymm, compared as text.
std::string ChavePeriodo(const std::string& perApur) {
  return platform::Copy(perApur, 1, 4) + platform::Copy(perApur, 6, 2);
}

}  // namespace

bool TEvtFechaEvPer::GerarXML() {
  TOpcoesDocumento opcoes;
  opcoes.ContextoErro = "Nome Resp.: " + IdeRespInf.nmResp + "\r\n";
  return GerarDocumentoeSocial(
      *this, "evtFechaEvPer", IdeEmpregador.NrInsc,
      [&] {
        GerarIdeEvento4(IdeEvento, true, true);
        GerarIdeEmpregador(IdeEmpregador);
        if (VersaoDF() <= ve02_05_00) GerarIdeRespInf(IdeRespInf);
        GerarInfoFech();
      },
      opcoes);
}

void TEvtFechaEvPer::GerarInfoFech() {
  const TInfoFech& f = InfoFech;
  dfe::TGerador& g = Gerador();
  g.wGrupo("infoFech");
  g.wCampo(tcStr, "", "evtRemun", 1, 1, 1, SimNaoToStr(f.evtRemun));
  // S-1.00 is the one layout without it.
  if (VersaoDF() != veS01_00_00) g.wCampo(tcStr, "", "evtPgtos", 1, 1, 1, SimNaoToStr(f.evtPgtos));
  if (VersaoDF() <= ve02_05_00) g.wCampo(tcStr, "", "evtAqProd", 1, 1, 1, SimNaoToStr(f.evtAqProd));
  g.wCampo(tcStr, "", "evtComProd", 1, 1, 1, SimNaoToStr(f.evtComProd));
  g.wCampo(tcStr, "", "evtContratAvNP", 1, 1, 1, SimNaoToStr(f.evtContratAvNP));
  g.wCampo(tcStr, "", "evtInfoComplPer", 1, 1, 1, SimNaoToStr(f.evtInfoComplPer));
  const bool semMovimento = f.evtRemun == tpNao && f.evtPgtos == tpNao && f.evtAqProd == tpNao &&
                            f.evtComProd == tpNao && f.evtContratAvNP == tpNao && f.evtInfoComplPer == tpNao;
  if (VersaoDF() <= ve02_05_00 && semMovimento) g.wCampo(tcStr, "", "compSemMovto", 1, 7, 0, f.compSemMovto);
  // Every layout takes only "S": the declaration is made or left out.
  if (VersaoDF() >= ve02_05_00 && f.indExcApur1250 == snfSim && IdeEvento.IndApuracao == iapuMensal &&
      ChavePeriodo(IdeEvento.perApur) <= "202106")
    g.wCampo(tcStr, "", "indExcApur1250", 1, 1, 1, SimNaoFacultativoToStr(f.indExcApur1250));
  if (VersaoDF() >= veS01_00_00 && f.transDCTFWeb == snfSim)
    g.wCampo(tcStr, "", "transDCTFWeb", 1, 1, 1, SimNaoFacultativoToStr(f.transDCTFWeb));
  // From S-1.01 on; S-1.01 and S-1.02 take only "S".
  if (VersaoDF() >= veS01_01_00 && (VersaoDF() >= veS01_03_00 || f.naoValid == snfSim))
    g.wCampo(tcStr, "", "naoValid", 1, 1, 0, SimNaoFacultativoToStr(f.naoValid));
  g.wGrupo("/infoFech");
}

}  // namespace esocial::s1299
