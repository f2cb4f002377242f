// S-1080 writer.
#include "esocial/events/tables_periodic/s1080_port_operator_table.h"

#include "esocial/events/event_frame.h"

namespace esocial::s1080 {

using dfe::tcDe4;
using dfe::tcStr;

bool TEvtTabOperPort::GerarXML() {
  return GerarDocumentoeSocial(*this, "evtTabOperPort", IdeEmpregador.NrInsc, [&] {
    GerarIdeEvento(IdeEvento);
    GerarIdeEmpregador(IdeEmpregador);
    GerarCorpoTabela(
        *this, "infoOperPortuario", ModoLancamento,
        [&] {
          const TIdeOperPortuario& ide = InfoOperPortuario.ideOperPortuario;
          Gerador().wGrupo("ideOperPortuario");
          Gerador().wCampo(tcStr, "", "cnpjOpPortuario", 14, 14, 1, ide.cnpjOpPortuario);
          Gerador().wCampo(tcStr, "", "iniValid", 7, 7, 1, ide.iniValid);
          Gerador().wCampo(tcStr, "", "fimValid", 7, 7, 0, ide.fimValid);
          Gerador().wGrupo("/ideOperPortuario");
        },
        [&] { GerarDadosOperPortuario(InfoOperPortuario.dadosOperPortuario()); },
        InfoOperPortuario.novaValidadeInst() ? &InfoOperPortuario.novaValidade() : nullptr);
  });
}

void TEvtTabOperPort::GerarDadosOperPortuario(const TDadosOperPortuario& Dados) {
  // A rate not informed goes out empty with its alert, not as a zero the schema refuses.
  const auto taxa = [&](const char* Tag, double Valor) {
    if (Valor == 0)
      Gerador().wCampo(tcStr, "", Tag, 1, 5, 1, "");
    else
      Gerador().wCampo(tcDe4, "", Tag, 1, 5, 1, Valor);
  };
  Gerador().wGrupo("dadosOperPortuario");
  Gerador().wCampo(tcStr, "", "aliqRat", 1, 1, 1, AliqRatToStr(Dados.aliqRat));
  taxa("fap", Dados.fap);
  taxa("aliqRatAjust", Dados.aliqRatAjust);
  Gerador().wGrupo("/dadosOperPortuario");
}

}  // namespace esocial::s1080
