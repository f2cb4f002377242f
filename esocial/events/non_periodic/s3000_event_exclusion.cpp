// S-3000 writer.
#include "esocial/events/non_periodic/s3000_event_exclusion.h"

#include <algorithm>
#include <array>

#include "esocial/events/event_frame.h"
#include "platform/strings.h"

namespace esocial::s3000 {

using dfe::tcStr;

namespace {

constexpr std::array kComPeriodoEIndicador = {teS1200, teS1202, teS1207, teS1280, teS1300};
constexpr std::array kComPeriodo = {teS1210, teS1220, teS1250, teS1260, teS1270};

// The four digits of the type's code ("S-2299"); 0 for the types that are no event.
int NumeroDoEvento(TTipoEvento Tipo) { return platform::StrToIntDef(platform::Copy(TipoEventoToStr(Tipo), 3, 4), 0); }

}  // namespace

bool ComTrabalhador(TTipoEvento Tipo) {
  // By the code, not by the order of the type list, where the totalizers and S-3000 itself sit
  // among the events about a worker.
  const int n = NumeroDoEvento(Tipo);
  return (n >= 1200 && n <= 1210) || (n >= 2190 && n <= 2420) || n == 8299;
}

bool ComPeriodoEIndicador(TTipoEvento Tipo) {
  return std::find(kComPeriodoEIndicador.begin(), kComPeriodoEIndicador.end(), Tipo) != kComPeriodoEIndicador.end();
}

bool ComPeriodo(TTipoEvento Tipo) {
  return std::find(kComPeriodo.begin(), kComPeriodo.end(), Tipo) != kComPeriodo.end();
}

bool TEvtExclusao::GerarXML() {
  return GerarDocumentoeSocial(*this, "evtExclusao", IdeEmpregador.NrInsc, [&] {
    GerarIdeEvento(IdeEvento);
    GerarIdeEmpregador(IdeEmpregador);
    const TInfoExclusao& info = InfoExclusao;
    Gerador().wGrupo("infoExclusao");
    Gerador().wCampo(tcStr, "", "tpEvento", 1, 6, 1, TipoEventoToStr(info.tpEvento));
    // A receipt number of the S-1 layouts has 23 characters.
    const bool s1 = VersaoDF() >= veS01_00_00;
    Gerador().wCampo(tcStr, "", "nrRecEvt", s1 ? 23 : 1, s1 ? 23 : 40, 1, info.nrRecEvt);
    if (ComTrabalhador(info.tpEvento)) GerarIdeTrabalhador(info.IdeTrabalhador, true);
    if (ComPeriodoEIndicador(info.tpEvento))
      GerarIdeFolhaPagto(info.IdeFolhaPagto);
    else if (ComPeriodo(info.tpEvento))
      GerarIdeFolhaPagtoPerApur(info.IdeFolhaPagto);
    Gerador().wGrupo("/infoExclusao");
  });
}

}  // namespace esocial::s3000
