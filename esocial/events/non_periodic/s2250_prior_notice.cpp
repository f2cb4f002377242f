// S-2250 writer.
#include "esocial/events/non_periodic/s2250_prior_notice.h"

#include <stdexcept>

#include "dfe/xml_writer.h"
#include "esocial/events/event_frame.h"

namespace esocial::s2250 {

using dfe::tcDat;
using dfe::tcStr;

namespace {

// A group is given when any of its values is: one given without its date is written with the
// date's alert, not dropped.
bool Informado(const TDetAvPrevio& d) {
  return d.dtAvPrv != 0 || d.dtPrevDeslig != 0 || !d.tpAvPrevio.empty() || !d.observacao.empty();
}

bool Informado(const TCancAvPrevio& c) {
  return c.dtCancAvPrv != 0 || !c.observacao.empty() || !c.mtvCancAvPrevio.empty();
}

}  // namespace

bool TEvtAvPrevio::GerarXML() {
  return GerarDocumentoeSocial(*this, "evtAvPrevio", IdeEmpregador.NrInsc, [&] {
    GerarIdeEvento2(IdeEvento, true, true, false);
    GerarIdeEmpregador(IdeEmpregador);
    GerarIdeVinculo(IdeVinculo, false, false);
    const TDetAvPrevio& det = InfoAvPrevio.DetAvPrevio;
    const TCancAvPrevio& canc = InfoAvPrevio.CancAvPrevio;
    // The layout takes exactly one of the two.
    const bool aviso = Informado(det);
    const bool cancelamento = Informado(canc);
    if (aviso && cancelamento)
      throw std::runtime_error(
          "infoAvPrevio: o aviso prévio (detAvPrevio) e o seu cancelamento (cancAvPrevio) vão em eventos distintos");
    if (!aviso && !cancelamento)
      throw std::runtime_error(
          "infoAvPrevio: informe o aviso prévio (detAvPrevio) ou o seu cancelamento (cancAvPrevio)");
    dfe::TGerador& g = Gerador();
    g.wGrupo("infoAvPrevio");
    if (aviso) {
      g.wGrupo("detAvPrevio");
      g.wCampo(tcDat, "", "dtAvPrv", 10, 10, 1, det.dtAvPrv);
      g.wCampo(tcDat, "", "dtPrevDeslig", 10, 10, 1, det.dtPrevDeslig);
      g.wCampo(tcStr, "", "tpAvPrevio", 1, 1, 1, det.tpAvPrevio);
      g.wCampo(tcStr, "", "observacao", 2, 255, 0, det.observacao);
      g.wGrupo("/detAvPrevio");
    } else {
      g.wGrupo("cancAvPrevio");
      g.wCampo(tcDat, "", "dtCancAvPrv", 10, 10, 1, canc.dtCancAvPrv);
      g.wCampo(tcStr, "", "observacao", 2, 255, 0, canc.observacao);
      g.wCampo(tcStr, "", "mtvCancAvPrevio", 1, 1, 1, canc.mtvCancAvPrevio);
      g.wGrupo("/cancAvPrevio");
    }
    g.wGrupo("/infoAvPrevio");
  });
}

}  // namespace esocial::s2250
