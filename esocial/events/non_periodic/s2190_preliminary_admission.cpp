// S-2190 writer.
#include "esocial/events/non_periodic/s2190_preliminary_admission.h"

#include "dfe/xml_writer.h"
#include "esocial/events/event_frame.h"

namespace esocial::s2190 {

using dfe::tcDat;
using dfe::tcDe2;
using dfe::tcStr;

namespace {

// The categories whose workers have no nature of activity.
bool SemNatAtividade(int CodCateg) { return CodCateg == 721 || CodCateg == 722 || CodCateg == 771 || CodCateg == 901; }

}  // namespace

bool TEvtAdmPrelim::GerarXML() {
  return GerarDocumentoeSocial(*this, "evtAdmPrelim", IdeEmpregador.NrInsc, [&] {
    const bool s1 = VersaoDF() >= veS01_00_00;
    if (s1)
      GerarIdeEvento2(IdeEvento, true, true, false);
    else
      GerarIdeEvento(IdeEvento);
    GerarIdeEmpregador(IdeEmpregador);
    dfe::TGerador& g = Gerador();
    const TInfoRegPrelim& info = InfoRegPrelim;
    g.wGrupo("infoRegPrelim");
    g.wCampo(tcStr, "", "cpfTrab", 11, 11, 1, info.cpfTrab);
    g.wCampo(tcDat, "", "dtNascto", 10, 10, 1, info.dtNascto);
    g.wCampo(tcDat, "", "dtAdm", 10, 10, 1, info.dtAdm);
    if (s1) {
      g.wCampo(tcStr, "", "matricula", 1, 30, 1, info.matricula);
      GerarCategoria("codCateg", info.codCateg);
      if (info.natAtividade != navNaoInformar && !SemNatAtividade(info.codCateg))
        g.wCampo(tcStr, "", "natAtividade", 1, 1, 0, NatAtividadeToStr(info.natAtividade));
      const TinfoRegCTPS& ctps = info.infoRegCTPS;
      if (!ctps.CBOCargo.empty()) {
        g.wGrupo("infoRegCTPS");
        g.wCampo(tcStr, "", "CBOCargo", 6, 6, 1, ctps.CBOCargo);
        g.wCampo(tcDe2, "", "vrSalFx", 1, 14, 1, ctps.vrSalFx);
        g.wCampo(tcStr, "", "undSalFixo", 1, 1, 1, UndSalFixoToStr(ctps.undSalFixo));
        // A term "not applicable" is no kind of contract of this event.
        if (ctps.tpContr == PrazoNaoAplicavel) AlertarCodigoForaDoLeiaute("tpContr");
        g.wCampo(tcStr, "", "tpContr", 1, 1, 1, TpContrToStr(ctps.tpContr));
        if (ctps.dtTerm != 0) g.wCampo(tcDat, "", "dtTerm", 10, 10, 0, ctps.dtTerm);
        g.wGrupo("/infoRegCTPS");
      }
    }
    g.wGrupo("/infoRegPrelim");
  });
}

}  // namespace esocial::s2190
