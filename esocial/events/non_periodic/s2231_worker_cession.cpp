// S-2231 writer.
#include "esocial/events/non_periodic/s2231_worker_cession.h"

#include <stdexcept>

#include "dfe/xml_writer.h"
#include "esocial/events/event_frame.h"

namespace esocial::s2231 {

using dfe::tcDat;
using dfe::tcStr;

bool TEvtCessao::GerarXML() {
  return GerarDocumentoeSocial(*this, "evtCessao", IdeEmpregador.NrInsc, [&] {
    GerarIdeEvento2(IdeEvento, true, true, false);
    GerarIdeEmpregador(IdeEmpregador);
    GerarIdeVinculo(IdeVinculo, false, true);
    // The layout takes the start or the end of a cession, one per event: a start is one given
    // its date or the receiving employer.
    const bool inicio = InfoCessao.iniCessaoInst() &&
                        (InfoCessao.iniCessao().dtIniCessao != 0 || !InfoCessao.iniCessao().cnpjCess.empty());
    const bool fim = InfoCessao.fimCessaoInst() && InfoCessao.fimCessao().dtTermCessao != 0;
    if (inicio && fim)
      throw std::runtime_error("infoCessao: início (iniCessao) e fim (fimCessao) informados; o evento leva um só");
    if (!inicio && !fim)
      throw std::runtime_error("infoCessao: nem início (iniCessao) nem fim (fimCessao) informado; o evento leva um");
    dfe::TGerador& g = Gerador();
    g.wGrupo("infoCessao");
    if (inicio) {
      const TIniCessao& ini = InfoCessao.iniCessao();
      g.wGrupo("iniCessao");
      g.wCampo(tcDat, "", "dtIniCessao", 10, 10, 1, ini.dtIniCessao);
      g.wCampo(tcStr, "", "cnpjCess", 14, 14, 1, ini.cnpjCess);
      g.wCampo(tcStr, "", "respRemun", 1, 1, 1, SimNaoToStr(ini.respRemun));
      g.wGrupo("/iniCessao");
    } else {
      g.wGrupo("fimCessao");
      g.wCampo(tcDat, "", "dtTermCessao", 10, 10, 1, InfoCessao.fimCessao().dtTermCessao);
      g.wGrupo("/fimCessao");
    }
    g.wGrupo("/infoCessao");
  });
}

}  // namespace esocial::s2231
