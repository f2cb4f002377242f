// S-1010 writer.
#include "esocial/events/tables_periodic/s1010_payroll_item_table.h"

#include "esocial/events/event_frame.h"
#include "platform/strings.h"

namespace esocial::s1010 {

using dfe::tcInt;
using dfe::tcStr;

bool TEvtTabRubrica::GerarXML() {
  return GerarDocumentoeSocial(*this, "evtTabRubrica", IdeEmpregador.NrInsc, [&] {
    GerarIdeEvento(IdeEvento);
    GerarIdeEmpregador(IdeEmpregador);
    GerarCorpoTabela(
        *this, "infoRubrica", ModoLancamento, [&] { GerarIdeRubrica(InfoRubrica.ideRubrica); },
        [&] { GerarDadosRubrica(InfoRubrica.DadosRubrica()); },
        InfoRubrica.novaValidadInst() ? &InfoRubrica.novaValidade() : nullptr);
  });
}

void TEvtTabRubrica::GerarIdeRubrica(const TIdeRubrica& Ide) {
  Gerador().wGrupo("ideRubrica");
  Gerador().wCampo(tcStr, "", "codRubr", 1, 30, 1, Ide.CodRubr);
  if (VersaoDF() >= veS01_00_00 || !Ide.ideTabRubr.empty())
    Gerador().wCampo(tcStr, "", "ideTabRubr", 1, 8, 1, Ide.ideTabRubr);
  Gerador().wCampo(tcStr, "", "iniValid", 7, 7, 1, Ide.iniValid);
  Gerador().wCampo(tcStr, "", "fimValid", 7, 7, 0, Ide.fimValid);
  Gerador().wGrupo("/ideRubrica");
}

void TEvtTabRubrica::GerarDadosRubrica(TDadosRubrica& Dados) {
  const bool s1 = VersaoDF() >= veS01_00_00;
  Gerador().wGrupo("dadosRubrica");
  Gerador().wCampo(tcStr, "", "dscRubr", 1, 100, 1, Dados.dscRubr);
  Gerador().wCampo(tcInt, "", "natRubr", 1, 4, 1, Dados.natRubr);
  Gerador().wCampo(tcStr, "", "tpRubr", 1, 1, 1, TpRubrToStr(Dados.tpRubr));
  Gerador().wCampo(tcStr, "", "codIncCP", 2, 2, 1, CodIncCPToStr(Dados.codIncCP));
  // The S-1 layouts take the code as a number: "09" is written 9.
  if (s1) Gerador().wCampo(tcInt, "", "codIncIRRF", 1, 4, 1, CodIncIRRFToStr(Dados.codIncIRRF));
  if (!s1) Gerador().wCampo(tcStr, "", "codIncIRRF", 2, 2, 1, CodIncIRRFToStr(Dados.codIncIRRF));
  Gerador().wCampo(tcStr, "", "codIncFGTS", 2, 2, 1, CodIncFGTSToStr(Dados.codIncFGTS));
  if (s1 && Dados.codIncCPRP != cicpNenhum)
    Gerador().wCampo(tcStr, "", "codIncCPRP", 2, 2, 1, CodIncCPRPToStr(Dados.codIncCPRP));
  if (VersaoDF() >= veS01_03_00 && Dados.codIncPisPasep != ciPISPASEPNenhum)
    Gerador().wCampo(tcStr, "", "codIncPisPasep", 2, 2, 1, CodIncPISPASEPToStr(Dados.codIncPisPasep));
  if (s1 && Dados.tetoRemun != snfNada)
    Gerador().wCampo(tcStr, "", "tetoRemun", 1, 1, 1, SimNaoFacultativoToStr(Dados.tetoRemun));
  Gerador().wCampo(tcStr, "", "observacao", 0, 255, 0, Dados.observacao);

  // The lists in the schema's order: CP, IRRF, FGTS, the union's (2.x) and PIS/PASEP (S-1.03).
  if (Dados.ideProcessoCPInst()) {
    const TIdeProcessoCPCollection& lista = Dados.IdeProcessoCP();
    for (int i = 0; i < lista.Count(); ++i) {
      const TIdeProcessoCPCollectionItem& item = lista.GetItem(i);
      Gerador().wGrupo("ideProcessoCP");
      Gerador().wCampo(tcStr, "", "tpProc", 1, 1, 1, TpProcToStr(item.tpProc));
      Gerador().wCampo(tcStr, "", "nrProc", 1, 21, 1, item.nrProc);
      Gerador().wCampo(tcStr, "", "extDecisao", 1, 1, 1, ExtDecisaoToStr(item.ExtDecisao));
      if (s1 || !platform::Trim(item.codSusp).empty()) Gerador().wCampo(tcStr, "", "codSusp", 1, 14, 1, item.codSusp);
      Gerador().wGrupo("/ideProcessoCP");
    }
    AlertarLimiteLista("ideProcessoCP", "Lista de Processos", lista.Count(), 99);
  }
  GerarProcessos("ideProcessoIRRF", Dados.IdeProcessoIRRF());
  GerarProcessos("ideProcessoFGTS", Dados.IdeProcessoFGTS());
  if (VersaoDF() <= ve02_05_00) GerarProcessos("ideProcessoSIND", Dados.IdeProcessoSIND());
  if (VersaoDF() >= veS01_03_00 && Dados.ideProcessoPisPasepInst()) {
    const TIdeProcessoPisPasepCollection& lista = Dados.IdeProcessoPisPasep();
    for (int i = 0; i < lista.Count(); ++i) {
      const TIdeProcessoPisPasepCollectionItem& item = lista.GetItem(i);
      Gerador().wGrupo("ideProcessoPisPasep");
      Gerador().wCampo(tcStr, "", "nrProc", 20, 20, 1, item.nrProc);
      Gerador().wCampo(tcStr, "", "codSusp", 1, 14, 1, item.codSusp);
      Gerador().wGrupo("/ideProcessoPisPasep");
    }
    AlertarLimiteLista("ideProcessoPisPasep", "Lista de Processos", lista.Count(), 99);
  }
  Gerador().wGrupo("/dadosRubrica");
}

void TEvtTabRubrica::GerarProcessos(const std::string& Tag, const TProcessoCollection& Lista) {
  for (int i = 0; i < Lista.Count(); ++i) GerarProcesso(Tag, Lista.GetItem(i));
  AlertarLimiteLista(Tag, "Lista de Processos: " + Tag, Lista.Count(), 99);
}

}  // namespace esocial::s1010
