// S-1280 writer.
#include "esocial/events/tables_periodic/s1280_complementary_periodic_information.h"

#include <string>

#include "esocial/events/event_frame.h"

namespace esocial::s1280 {

using dfe::tcDe2;
using dfe::tcStr;

bool TEvtInfoComplPer::GerarXML() {
  return GerarDocumentoeSocial(*this, "evtInfoComplPer", IdeEmpregador.NrInsc, [&] {
    GerarIdeEvento3(IdeEvento, true, true, true);
    GerarIdeEmpregador(IdeEmpregador);

    if (infoSubstPatrInst() && InfoSubstPatr().indSubstPatr != spVazio) {
      const TInfoSubstPatr& subst = InfoSubstPatr();
      Gerador().wGrupo("infoSubstPatr");
      // The two substitutions of the provisional measure have no code: the element is written
      // empty and announced as missing.
      Gerador().wCampo(tcStr, "", "indSubstPatr", 1, 1, 1, IndSubstPatrToStr(subst.indSubstPatr));
      Gerador().wCampo(tcDe2, "", "percRedContrib", 1, 5, 1, subst.percRedContrib);
      Gerador().wGrupo("/infoSubstPatr");
    }

    if (infoSubstPatrOpPortInst()) {
      const TInfoSubstPatrOpPortColecao& operadores = InfoSubstPatrOpPort();
      for (int i = 0; i < operadores.Count(); ++i) {
        const TInfoSubstPatrOpPortItem& item = operadores.GetItem(i);
        Gerador().wGrupo("infoSubstPatrOpPort");
        if (VersaoDF() <= ve02_05_00) Gerador().wCampo(tcStr, "", "cnpjOpPortuario", 14, 14, 1, item.cnpjOpPortuario);
        if (VersaoDF() >= veS01_00_00) Gerador().wCampo(tcStr, "", "codLotacao", 1, 30, 1, item.codLotacao);
        Gerador().wGrupo("/infoSubstPatrOpPort");
      }
      AlertarLimiteLista("infoSubstPatrOpPort", "Lista de Operadores Portuarios", operadores.Count(), 9999);
    }

    if (infoAtivConcomInst() && (ClassTrib == ct03 || InfoAtivConcom().fatorMes != 0)) {
      const TInfoAtivConcom& concom = InfoAtivConcom();
      Gerador().wGrupo("infoAtivConcom");
      Gerador().wCampo(tcDe2, "", "fatorMes", 1, 5, 1, concom.fatorMes);
      Gerador().wCampo(tcDe2, "", "fator13", 1, 5, 1, concom.fator13);
      Gerador().wGrupo("/infoAtivConcom");
    }

    // The group exists from S-1.01 on.
    if (infoPercTransf11096Inst() && VersaoDF() >= veS01_01_00 && infoPercTransf11096().percTransf > 0) {
      Gerador().wGrupo("infoPercTransf11096");
      Gerador().wCampo(tcStr, "", "percTransf", 1, 1, 1, std::to_string(infoPercTransf11096().percTransf));
      Gerador().wGrupo("/infoPercTransf11096");
    }
  });
}

}  // namespace esocial::s1280
