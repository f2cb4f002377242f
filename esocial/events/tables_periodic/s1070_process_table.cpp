// S-1070 writer.
#include "esocial/events/tables_periodic/s1070_process_table.h"

#include <string>

#include "esocial/events/event_frame.h"

namespace esocial::s1070 {

using dfe::tcDat;
using dfe::tcInt;
using dfe::tcStr;

bool TEvtTabProcesso::GerarXML() {
  return GerarDocumentoeSocial(*this, "evtTabProcesso", IdeEmpregador.NrInsc, [&] {
    GerarIdeEvento(IdeEvento);
    GerarIdeEmpregador(IdeEmpregador);
    GerarCorpoTabela(
        *this, "infoProcesso", ModoLancamento, [&] { GerarIdeProcesso(InfoProcesso.ideProcesso); },
        [&] { GerarDadosProc(InfoProcesso.dadosProc()); },
        InfoProcesso.novaValidadeInst() ? &InfoProcesso.novaValidade() : nullptr);
  });
}

void TEvtTabProcesso::GerarIdeProcesso(const TIdeProcesso& Ide) {
  Gerador().wGrupo("ideProcesso");
  Gerador().wCampo(tcStr, "", "tpProc", 1, 1, 1, TpProcToStr(Ide.tpProc));
  if (VersaoDF() >= veS01_00_00)
    wCampoTamanhos("nrProc", {16, 17, 20, 21}, 1, Ide.nrProc);
  else
    Gerador().wCampo(tcStr, "", "nrProc", 1, 21, 1, Ide.nrProc);
  Gerador().wCampo(tcStr, "", "iniValid", 7, 7, 1, Ide.iniValid);
  Gerador().wCampo(tcStr, "", "fimValid", 7, 7, 0, Ide.fimValid);
  Gerador().wGrupo("/ideProcesso");
}

void TEvtTabProcesso::GerarDadosProc(TDadosProc& Dados) {
  Gerador().wGrupo("dadosProc");
  Gerador().wCampo(tcInt, "", "indAutoria", 1, 1, 1, IndAutoriaToStr(Dados.indAutoria));
  Gerador().wCampo(tcInt, "", "indMatProc", 1, 2, 1, IndMatProcToStr(Dados.indMatProc));
  if (VersaoDF() >= ve02_04_02) Gerador().wCampo(tcStr, "", "observacao", 1, 255, 0, Dados.observacao);
  if (Dados.dadosProcJudInst()) {
    const TDadosProcJud& jud = Dados.DadosProcJud();
    Gerador().wGrupo("dadosProcJud");
    Gerador().wCampo(tcStr, "", "ufVara", 2, 2, 1, jud.UfVara);
    Gerador().wCampo(tcStr, "", "codMunic", 7, 7, 1, std::to_string(jud.codMunic));
    Gerador().wCampo(tcStr, "", "idVara", 1, 4, 1, jud.idVara);
    Gerador().wGrupo("/dadosProcJud");
  }
  if (Dados.infoSuspInst()) {
    const TInfoSuspCollection& lista = Dados.infoSusp();
    for (int i = 0; i < lista.Count(); ++i) {
      const TInfoSuspCollectionItem& item = lista.GetItem(i);
      Gerador().wGrupo("infoSusp");
      Gerador().wCampo(tcStr, "", "codSusp", 1, 14, 1, item.codSusp);
      Gerador().wCampo(tcStr, "", "indSusp", 2, 2, 1, IndSuspToStr(item.indSusp));
      Gerador().wCampo(tcDat, "", "dtDecisao", 10, 10, 1, item.dtDecisao);
      Gerador().wCampo(tcStr, "", "indDeposito", 1, 1, 1, SimNaoToStr(item.indDeposito));
      Gerador().wGrupo("/infoSusp");
    }
    AlertarLimiteLista("infoSusp", "Lista de Informações de Suspensão", lista.Count(), 99);
  }
  Gerador().wGrupo("/dadosProc");
}

}  // namespace esocial::s1070
